#pragma once

#include <QUrl>

#include <functional>
#include <optional>

class QObject;
struct Event;

// "Join Meeting" opens only links that are meant to be opened from a
// calendar entry: web pages (http, https), phone numbers (tel) and the Zoom
// client ("zoomus"). A link in any other scheme could start an arbitrary
// local program, so it is never handed to the desktop.
//
// A Zoom client link is only useful where the Zoom client is installed.
// Without it the meeting's own web address (the first entry point's uri) is
// opened instead, so the user can still join in the browser.

// The address to open for `event`, given whether an application handles
// "zoomus" links on this desktop; none when there is nothing safe to open.
std::optional<QUrl> meetingUrlToOpen(const Event &event, bool hasZoomHandler);

// Whether `event` has a link that "Join Meeting" can open (as it would with
// the Zoom client installed).
bool hasJoinLink(const Event &event);

// Asks the desktop, without blocking, whether an application is registered
// for "zoomus" links (`xdg-mime query default x-scheme-handler/zoomus`), and
// calls `done` on the main thread with the answer. A desktop without
// xdg-mime, or one that does not answer within a few seconds, has none.
// Nothing is called once `context` is gone.
void queryZoomHandler(QObject *context, std::function<void(bool hasHandler)> done);

// Opens the meeting of `event`, asking the desktop about the Zoom client
// first when the link needs it. Returns at once.
void openMeeting(const Event &event, QObject *context);
