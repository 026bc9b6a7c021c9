#pragma once

#include <QDBusConnection>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <optional>

// The command line's side of the running Stint's timer on the session bus
// (see TimerBus): what it shows, in a line for people and shell prompts and
// as the JSON object waybar's custom module reads.
namespace TimerClient {

struct Status
{
    QString phase; // "focus" or "rest"
    bool running = false;
    int remaining = 0; // seconds
    int duration = 0; // seconds in the whole phase
    QString taskTitle;

    // "focus", "rest" (counting), "paused" or "idle" (ready at full length).
    QString kind() const;
};

// What the running Stint shows; nothing when no Stint answers.
std::optional<Status> read(const QDBusConnection &bus);

// "Focus · 12 min left · Write report", in the user's language; empty when no
// Stint runs.
QString line(const std::optional<Status> &status);
// {"text", "tooltip", "class", "percentage", "alt"}: the line without and
// with the task, the kind (class and alt, "stopped" when no Stint runs)
// and the share of the phase left, in percent.
QJsonObject json(const std::optional<Status> &status);
// One printed line: the JSON object, compact, or the line.
QByteArray printed(const std::optional<Status> &status, bool asJson);

// Calls `method` of the running Stint's timer; false when no Stint answered.
bool call(const QDBusConnection &bus, const QString &method, const QVariantList &arguments = {});

// Prints the status at once and again at each change, until SIGINT or
// SIGTERM; also while no Stint runs, waiting for one to start. Returns the
// exit status.
int follow(const QDBusConnection &bus, bool asJson);

} // namespace TimerClient

// Prints the status for TimerClient::follow() at each Changed.
class TimerFollower : public QObject
{
    Q_OBJECT

public:
    TimerFollower(const QDBusConnection &bus, bool asJson);

public Q_SLOTS:
    void print();

private:
    QDBusConnection m_bus;
    bool m_asJson;
};
