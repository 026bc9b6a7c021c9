#include "app/popoverplacement.h"

#include <QtGlobal>

namespace PopoverPlacement {

namespace {
constexpr int gap = 4; // between the icon and the popover
}

PanelEdge panelEdge(const QRect &screen, const QRect &available)
{
    // The widest strip the panels take away wins: a dock on one side and a
    // panel on another leave the tray with the larger one, as a rule.
    const int top = available.top() - screen.top();
    const int bottom = screen.bottom() - available.bottom();
    const int left = available.left() - screen.left();
    const int right = screen.right() - available.right();
    const int widest = qMax(qMax(top, bottom), qMax(left, right));
    if (widest <= 0)
        return PanelEdge::none;
    if (top == widest)
        return PanelEdge::top;
    if (bottom == widest)
        return PanelEdge::bottom;
    return right == widest ? PanelEdge::right : PanelEdge::left;
}

QRect likelyTrayAnchor(const QRect &screen, const QRect &available, bool rightToLeft)
{
    const int endX = rightToLeft ? available.left() : available.right();
    const int endY = available.bottom();
    switch (panelEdge(screen, available)) {
    case PanelEdge::bottom:
        return {QPoint(endX, (available.bottom() + 1 + screen.bottom()) / 2), QSize(1, 1)};
    case PanelEdge::left:
        return {QPoint((screen.left() + available.left() - 1) / 2, endY), QSize(1, 1)};
    case PanelEdge::right:
        return {QPoint((available.right() + 1 + screen.right()) / 2, endY), QSize(1, 1)};
    case PanelEdge::top:
        return {QPoint(endX, (screen.top() + available.top() - 1) / 2), QSize(1, 1)};
    case PanelEdge::none:
        break;
    }
    return {QPoint(endX, available.top()), QSize(1, 1)};
}

QRect placement(const QRect &anchor, const QSize &size, const QRect &available)
{
    const int width = qMin(size.width(), available.width());
    const int height = qMin(size.height(), available.height());
    const QPoint centre = anchor.center();
    const bool upperHalf = centre.y() < available.center().y();
    int x;
    int y;
    if (centre.x() < available.left() || centre.x() > available.right()) {
        // A side panel: beside the icon.
        x = centre.x() < available.left() ? anchor.right() + 1 + gap : anchor.left() - gap - width;
        y = upperHalf ? anchor.top() : anchor.bottom() + 1 - height;
    } else {
        x = centre.x() - width / 2;
        y = upperHalf ? anchor.bottom() + 1 + gap : anchor.top() - gap - height;
    }
    x = qBound(available.left(), x, available.right() + 1 - width);
    y = qBound(available.top(), y, available.bottom() + 1 - height);
    return {x, y, width, height};
}

} // namespace PopoverPlacement
