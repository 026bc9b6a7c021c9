#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <chrono>

class DayClock;
class DefaultViewModel;

// Keeps the calendar events fresh while someone is signed in, so that the
// next meeting and the reminders know of a meeting added today: they are
// fetched as someone signs in, every 10 minutes, right after local midnight
// and after a resume from suspend (and again a minute later, as the network
// often comes back only then). The popover's opening asks for them too
// (`refresh`). A failed fetch keeps the events there were.
class EventRefresher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::minutes interval{10};
    static constexpr std::chrono::minutes afterResume{1};

    EventRefresher(DefaultViewModel *viewModel, DayClock *clock);

    // Fetches the events now, when someone is signed in.
    void refresh();

private:
    void followSignIn();
    void wake();
    void resumed();
    void fetchAgainIn(std::chrono::minutes delay);

    QPointer<DefaultViewModel> m_viewModel;
    DayClock *m_clock;
    bool m_signedIn = false;
    QDateTime m_due; // the next fetch in the background
};
