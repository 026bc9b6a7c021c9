#pragma once

#include <QRect>
#include <QSize>

// Where the popover goes on screen. Pure geometry, so every case can be
// checked without a window or a tray.
namespace PopoverPlacement {

// The screen edge a panel occupies, judged from what it takes away from the
// screen's available area.
enum class PanelEdge { top, bottom, left, right, none };

PanelEdge panelEdge(const QRect &screen, const QRect &available);

// Before the user has clicked the icon (the first-launch welcome, a sign-in
// finishing in the browser) there is no icon position to go by: the corner
// of the panel where trays usually sit, at the end of the panel that text
// runs towards (right for left-to-right languages). With no panel reserving
// space, the top edge is assumed.
QRect likelyTrayAnchor(const QRect &screen, const QRect &available, bool rightToLeft);

// The popover's frame for content of `size` next to `anchor` (the icon, or a
// 1x1 rectangle at the click): below an icon in the upper half of the
// screen and above one in the lower half, centred on it; beside an icon in a
// side panel, top-aligned in the upper half and bottom-aligned in the lower.
// The edge facing the icon stays put as the content grows or shrinks, and the
// frame always lies inside `available`, shortened to fit if it must.
QRect placement(const QRect &anchor, const QSize &size, const QRect &available);

} // namespace PopoverPlacement
