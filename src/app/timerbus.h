#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <functional>
#include <tuple>

class DefaultViewModel;

// The countdown on the session bus, for the command line, status bars and
// key bindings: the app owns `app.stint.Stint` and exports this object at
// `/app/stint/Stint` with the interface `app.stint.Stint.Timer`. The methods
// are the popover's own operations; `Changed` goes out at each start, pause,
// stop, end of a phase and new task, and while counting once a minute, as the
// minutes left change (never every second: a status bar following it must
// not wake the app, or itself, more than that).
class TimerBus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.stint.Stint.Timer")
    /// "focus" or "rest".
    Q_PROPERTY(QString Phase READ phase)
    Q_PROPERTY(bool Running READ running)
    /// Seconds left in the phase.
    Q_PROPERTY(int Remaining READ remaining)
    /// Seconds in the whole phase: with Remaining, how far it has come.
    Q_PROPERTY(int Duration READ duration)
    Q_PROPERTY(QString TaskTitle READ taskTitle)

public:
    static const QString serviceName;
    static const QString objectPath;
    static const QString interfaceName;

    // `catchUp` brings the countdown up to the clock: while the popover is
    // hidden it is counted only as the minutes change, and a status read or
    // a pause must see the seconds.
    explicit TimerBus(DefaultViewModel *viewModel, std::function<void()> catchUp = {});

    // Exports the object and takes the name. Returns false, said in one
    // line, when the bus is not there or the name belongs to someone else.
    bool publish(QDBusConnection bus = QDBusConnection::sessionBus());

    QString phase() const;
    bool running() const;
    int remaining() const;
    int duration() const;
    QString taskTitle() const;

public Q_SLOTS:
    // The ring's play button: starts or resumes the phase shown.
    void Start();
    void Pause();
    void Toggle();
    // The stop button: ends the phase and readies the other.
    void Stop();
    // A new focus phase on `title`, as a text dropped on the ring.
    void StartTask(const QString &title);

Q_SIGNALS:
    void Changed();

private:
    // What a change is measured on: the minutes left, not the seconds.
    using Shown = std::tuple<QString, bool, int, QString>;
    Shown shown() const;
    void update();
    void announce();

    DefaultViewModel *upToDate() const;

    QPointer<DefaultViewModel> m_viewModel;
    std::function<void()> m_catchUp;
    Shown m_shown;
    bool m_pending = false;
};
