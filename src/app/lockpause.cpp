#include "app/lockpause.h"

#include "timer/defaultviewmodel.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSettings>

#include <unistd.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");

} // namespace

const QString LockPause::settingsKey = QStringLiteral("pauseWhenScreenLocks");

LockPause::LockPause(DefaultViewModel *viewModel, std::function<void()> catchUp, const QDBusConnection &systemBus,
                     const QDBusConnection &sessionBus)
    : QObject(viewModel)
    , m_viewModel(viewModel)
    , m_catchUp(std::move(catchUp))
    , m_enabled(QSettings().value(settingsKey, false).toBool())
{
    // Started again, stopped or over: the note about the lock goes.
    for (auto signal : {&DefaultViewModel::isTimerRunningChanged, &DefaultViewModel::currentStateChanged,
                        &DefaultViewModel::timeChanged})
        connect(viewModel, signal, this, [this] {
            if (m_viewModel && (m_viewModel->isTimerRunning() || !m_viewModel->isPhaseStarted()))
                setPausedByLock(false);
        });

    for (const QString &service :
         {QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("org.gnome.ScreenSaver")})
        QDBusConnection(sessionBus)
                .connect(service, QString(), service, QStringLiteral("ActiveChanged"), this,
                         SLOT(screenSaverActiveChanged(bool)));

    // The session this process runs in, then its lock hint.
    QDBusConnection system = systemBus;
    if (!system.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(login1, QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                                       QStringLiteral("GetSessionByPID"));
    call << uint(::getpid());
    auto *watcher = new QDBusPendingCallWatcher(system.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, system]() mutable {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError())
            return;
        system.connect(login1, reply.value().path(), QStringLiteral("org.freedesktop.DBus.Properties"),
                       QStringLiteral("PropertiesChanged"), this,
                       SLOT(sessionPropertiesChanged(QString, QVariantMap, QStringList)));
    });
}

void LockPause::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    QSettings().setValue(settingsKey, enabled);
    Q_EMIT enabledChanged();
}

void LockPause::sessionPropertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
{
    if (interface != QLatin1String("org.freedesktop.login1.Session"))
        return;
    const auto hint = changed.constFind(QStringLiteral("LockedHint"));
    if (hint != changed.constEnd() && hint->toBool())
        locked();
}

void LockPause::screenSaverActiveChanged(bool active)
{
    if (active)
        locked();
}

void LockPause::locked()
{
    if (!m_enabled || !m_viewModel || !m_viewModel->isTimerRunning()
        || m_viewModel->currentState() != PomodoroState::focus)
        return;
    if (m_catchUp)
        m_catchUp();
    m_viewModel->setIsTimerRunning(false);
    setPausedByLock(true);
}

void LockPause::setPausedByLock(bool paused)
{
    if (paused == m_pausedByLock)
        return;
    m_pausedByLock = paused;
    Q_EMIT pausedByLockChanged();
}
