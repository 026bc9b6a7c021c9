#pragma once

#include "backend/event.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

class DayClock;
class DefaultViewModel;

// The line under the ring, and under the countdown in the tray's tooltip:
// the next meeting of today, or the meeting a running focus phase runs into
// (see meetingLine). It follows the events, the countdown and the clock, and
// wakes only when its text can change; its signal goes out only when the
// text does. Nothing while nobody is signed in.
class NextMeeting : public QObject
{
    Q_OBJECT

    /// What the line says; empty when there is nothing to say.
    Q_PROPERTY(QString text READ text NOTIFY changed)
    /// The meeting named, for its "Join Meeting" (an event value).
    Q_PROPERTY(QVariant event READ eventForQml NOTIFY changed)
    /// Whether the meeting named has a link to join it by.
    Q_PROPERTY(bool hasJoinLink READ hasJoinLink NOTIFY changed)

public:
    NextMeeting(DefaultViewModel *viewModel, DayClock *clock);

    QString text() const { return m_text; }
    bool hasJoinLink() const;

    // Looks at the events and the clock again.
    void update();

Q_SIGNALS:
    void changed();

private:
    void followCountdown();
    QVariant eventForQml() const;

    QPointer<DefaultViewModel> m_viewModel;
    DayClock *m_clock;
    QDateTime m_focusEnds; // when the running focus phase ends; invalid when none runs
    QString m_text;
    std::optional<Event> m_event;
};
