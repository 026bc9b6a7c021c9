#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <initializer_list>

// Turns Unix signals (SIGINT, SIGTERM) into a Qt signal delivered by the
// event loop, where anything may be done; the handler itself only writes a
// byte to a pipe. One instance at a time; the signals' earlier handlers come
// back when it goes.
class UnixSignals : public QObject
{
    Q_OBJECT

public:
    UnixSignals(std::initializer_list<int> numbers, QObject *parent = nullptr);
    ~UnixSignals() override;

    // False when the pipe could not be made: the signals keep their handlers.
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signal);

private:
    void read();

    QList<int> m_signals;
    QSocketNotifier *m_notifier = nullptr;
};
