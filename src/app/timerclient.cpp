#include "app/timerclient.h"

#include "app/timerbus.h"
#include "app/trayicon.h"
#include "common/unixsignals.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QJsonDocument>

#include <cmath>
#include <csignal>
#include <cstdio>

namespace {

constexpr int callTimeoutMs = 3000;

} // namespace

TimerFollower::TimerFollower(const QDBusConnection &bus, bool asJson) : m_bus(bus), m_asJson(asJson) { }

void TimerFollower::print()
{
    const std::optional<TimerClient::Status> status = TimerClient::read(m_bus);
    const QByteArray out = TimerClient::printed(status, m_asJson);
    // A status bar reads a pipe: every line goes out as it is written.
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString TimerClient::Status::kind() const
{
    if (running)
        return phase == QLatin1String("rest") ? QStringLiteral("rest") : QStringLiteral("focus");
    return remaining < duration ? QStringLiteral("paused") : QStringLiteral("idle");
}

std::optional<TimerClient::Status> TimerClient::read(const QDBusConnection &bus)
{
    QDBusMessage get =
            QDBusMessage::createMethodCall(TimerBus::serviceName, TimerBus::objectPath,
                                           QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    get << TimerBus::interfaceName;
    const QDBusReply<QVariantMap> reply = bus.call(get, QDBus::Block, callTimeoutMs);
    if (!reply.isValid())
        return std::nullopt;
    const QVariantMap properties = reply.value();
    Status status;
    status.phase = properties.value(QStringLiteral("Phase")).toString();
    status.running = properties.value(QStringLiteral("Running")).toBool();
    status.remaining = properties.value(QStringLiteral("Remaining")).toInt();
    status.duration = properties.value(QStringLiteral("Duration")).toInt();
    status.taskTitle = properties.value(QStringLiteral("TaskTitle")).toString();
    return status;
}

QString TimerClient::line(const std::optional<Status> &status)
{
    if (!status)
        return {};
    TrayCountdown::Face face;
    const QString kind = status->kind();
    face.kind = kind == QLatin1String("focus") ? TrayCountdown::Face::focus
            : kind == QLatin1String("rest")    ? TrayCountdown::Face::rest
            : kind == QLatin1String("paused")  ? TrayCountdown::Face::paused
                                               : TrayCountdown::Face::idle;
    face.minutesLeft = int(std::ceil(status->remaining / 60.0));
    const PomodoroState::Value phase =
            status->phase == QLatin1String("rest") ? PomodoroState::rest : PomodoroState::focus;
    const QString shown = TrayIcon::statusLine(face, phase, status->duration);
    return status->taskTitle.isEmpty() ? shown : shown + QStringLiteral(" · ") + status->taskTitle;
}

QJsonObject TimerClient::json(const std::optional<Status> &status)
{
    if (!status)
        return {{QStringLiteral("text"), QString()},
                {QStringLiteral("tooltip"), QCoreApplication::translate("TimerClient", "Stint is not running")},
                {QStringLiteral("class"), QStringLiteral("stopped")},
                {QStringLiteral("alt"), QStringLiteral("stopped")},
                {QStringLiteral("percentage"), 0}};
    Status untitled = *status;
    untitled.taskTitle.clear();
    const int percentage =
            status->duration > 0 ? qBound(0, int(std::lround(100.0 * status->remaining / status->duration)), 100) : 0;
    return {{QStringLiteral("text"), line(untitled)},
            {QStringLiteral("tooltip"), line(status)},
            {QStringLiteral("class"), status->kind()},
            {QStringLiteral("alt"), status->kind()},
            {QStringLiteral("percentage"), percentage}};
}

QByteArray TimerClient::printed(const std::optional<Status> &status, bool asJson)
{
    return asJson ? QJsonDocument(json(status)).toJson(QJsonDocument::Compact) : line(status).toUtf8();
}

bool TimerClient::call(const QDBusConnection &bus, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(TimerBus::serviceName, TimerBus::objectPath,
                                                          TimerBus::interfaceName, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message, QDBus::Block, callTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

int TimerClient::follow(const QDBusConnection &bus, bool asJson)
{
    QDBusConnection connection = bus;
    TimerFollower follower(bus, asJson);
    // Stint starting or quitting is a change too.
    QDBusServiceWatcher watcher(TimerBus::serviceName, connection,
                                QDBusServiceWatcher::WatchForRegistration
                                        | QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &follower, &TimerFollower::print);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &follower, &TimerFollower::print);
    if (!connection.connect(TimerBus::serviceName, TimerBus::objectPath, TimerBus::interfaceName,
                            QStringLiteral("Changed"), &follower, SLOT(print())))
        return 3; // no session bus, so no Stint to follow
    UnixSignals stop({SIGINT, SIGTERM});
    QObject::connect(&stop, &UnixSignals::received, qApp, [] { QCoreApplication::quit(); });
    follower.print();
    return QCoreApplication::exec();
}
