// GIO first: its headers name struct members `signals`, which Qt's headers
// may have made a keyword.
#include <gio/gio.h>

#include "app/donotdisturb.h"

#include "common/outputline.h"
#include "timer/defaultviewmodel.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>

namespace {

const QString notificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int exitTimeoutMs = 2000;

bool desktopIs(const char *name)
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    return desktops.contains(QLatin1String(name), Qt::CaseInsensitive);
}

bool hasOwner(const QDBusConnection &bus, const QString &service)
{
    if (!bus.isConnected())
        return false;
    const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(service);
    return reply.isValid() && reply.value();
}

// Sends `call`; at exit, waits for it to be through.
void send(const QDBusConnection &bus, const QDBusMessage &call, bool wait)
{
    if (wait)
        bus.call(call, QDBus::Block, exitTimeoutMs);
    else
        bus.asyncCall(call);
}

// Answers `done` with the reply to `call`, read by `value`.
void ask(const QDBusConnection &bus, const QDBusMessage &call,
         std::function<std::optional<bool>(const QDBusMessage &)> value, std::function<void(std::optional<bool>)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [watcher, value = std::move(value), done = std::move(done)] {
                         watcher->deleteLater();
                         const QDBusMessage reply = watcher->reply();
                         done(reply.type() == QDBusMessage::ReplyMessage ? value(reply) : std::nullopt);
                     });
}

std::optional<bool> variantBool(const QDBusMessage &reply)
{
    if (reply.arguments().isEmpty())
        return std::nullopt;
    QVariant value = reply.arguments().constFirst();
    if (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    if (value.typeId() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

// GNOME: banners off in the notification settings. The settings are read
// from the desktop's store (dconf) in the process, without a round trip.
class Gnome : public DoNotDisturb::Desktop
{
public:
    static constexpr char schemaId[] = "org.gnome.desktop.notifications";
    static constexpr char key[] = "show-banners";

    static bool schemaInstalled()
    {
        GSettingsSchemaSource *source = g_settings_schema_source_get_default();
        if (!source)
            return false;
        GSettingsSchema *schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
        if (!schema)
            return false;
        const bool hasKey = g_settings_schema_has_key(schema, key);
        g_settings_schema_unref(schema);
        return hasKey;
    }

    Gnome() : m_settings(g_settings_new(schemaId)) { }
    ~Gnome() override { g_object_unref(m_settings); }

    QString id() const override { return QStringLiteral("gnome"); }
    void read(std::function<void(std::optional<bool>)> done) override
    {
        done(!g_settings_get_boolean(m_settings, key));
    }
    void write(bool on, bool wait) override
    {
        g_settings_set_boolean(m_settings, key, !on);
        if (wait)
            g_settings_sync();
    }

private:
    GSettings *m_settings;
};

// Xfce: the notification daemon's own setting, through the settings store.
class Xfce : public DoNotDisturb::Desktop
{
public:
    static inline const QString service = QStringLiteral("org.xfce.Xfconf");

    explicit Xfce(const QDBusConnection &bus) : m_bus(bus) { }
    QString id() const override { return QStringLiteral("xfce"); }
    void read(std::function<void(std::optional<bool>)> done) override
    {
        ask(m_bus, call(QStringLiteral("GetProperty")), variantBool, [done = std::move(done)](std::optional<bool> on) {
            // Never set: off.
            done(on.value_or(false));
        });
    }
    void write(bool on, bool wait) override
    {
        send(m_bus, call(QStringLiteral("SetProperty")) << QVariant::fromValue(QDBusVariant(on)), wait);
    }

private:
    QDBusMessage call(const QString &method) const
    {
        return QDBusMessage::createMethodCall(service, QStringLiteral("/org/xfce/Xfconf"),
                                              QStringLiteral("org.xfce.Xfconf"), method)
                << QStringLiteral("xfce4-notifyd") << QStringLiteral("/do-not-disturb");
    }

    QDBusConnection m_bus;
};

// dunst: paused, through its control interface.
class Dunst : public DoNotDisturb::Desktop
{
public:
    static inline const QString service = QStringLiteral("org.dunstproject.cmd0");

    explicit Dunst(const QDBusConnection &bus) : m_bus(bus) { }
    QString id() const override { return QStringLiteral("dunst"); }
    void read(std::function<void(std::optional<bool>)> done) override
    {
        ask(m_bus, call(QStringLiteral("Get")), variantBool, std::move(done));
    }
    void write(bool on, bool wait) override
    {
        send(m_bus, call(QStringLiteral("Set")) << QVariant::fromValue(QDBusVariant(on)), wait);
    }

private:
    QDBusMessage call(const QString &method) const
    {
        return QDBusMessage::createMethodCall(notificationsService, notificationsPath, propertiesInterface, method)
                << service << QStringLiteral("paused");
    }

    QDBusConnection m_bus;
};

// Plasma: an inhibition of Stint's own, which the server lifts by itself when
// Stint's connection goes; others' inhibitions and the user's Do Not Disturb
// are separate and stay as they are.
class Plasma : public DoNotDisturb::Desktop
{
public:
    explicit Plasma(const QDBusConnection &bus) : m_bus(bus) { }
    QString id() const override { return QStringLiteral("plasma"); }
    bool outlivesProcess() const override { return false; }
    void read(std::function<void(std::optional<bool>)> done) override
    {
        // Stint's inhibition is its own whatever else is on.
        done(false);
    }
    void write(bool on, bool wait) override
    {
        if (on) {
            QDBusMessage call = QDBusMessage::createMethodCall(notificationsService, notificationsPath,
                                                               notificationsService, QStringLiteral("Inhibit"));
            call << QStringLiteral("app.stint.Stint") << QCoreApplication::translate("DoNotDisturb", "Focusing")
                 << QVariantMap();
            auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call));
            m_pending = watcher;
            QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [this, watcher] {
                watcher->deleteLater();
                if (m_pending == watcher)
                    m_pending = nullptr;
                const QDBusPendingReply<uint> reply = *watcher;
                if (!reply.isError())
                    m_cookies.append(reply.value());
            });
            return;
        }
        // An Inhibit still on its way is lifted as soon as it is answered.
        if (m_pending)
            m_pending->waitForFinished();
        for (const uint cookie : std::exchange(m_cookies, {}))
            send(m_bus,
                 QDBusMessage::createMethodCall(notificationsService, notificationsPath, notificationsService,
                                                QStringLiteral("UnInhibit"))
                         << cookie,
                 wait);
    }
    ~Plasma() override
    {
        // Its answer would come to an object that is gone.
        delete m_pending.data();
    }

private:
    QDBusConnection m_bus;
    QList<uint> m_cookies;
    QPointer<QDBusPendingCallWatcher> m_pending;
};

bool plasmaServer(const QDBusConnection &bus)
{
    if (!hasOwner(bus, notificationsService))
        return false;
    // Plasma's server has an Inhibited property; others do not.
    QDBusMessage get = QDBusMessage::createMethodCall(notificationsService, notificationsPath, propertiesInterface,
                                                      QStringLiteral("Get"))
            << notificationsService << QStringLiteral("Inhibited");
    return bus.call(get, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage;
}

std::unique_ptr<DoNotDisturb::Desktop> byId(const QString &id, const QDBusConnection &bus)
{
    if (id == QLatin1String("gnome") && Gnome::schemaInstalled())
        return std::make_unique<Gnome>();
    if (id == QLatin1String("xfce"))
        return std::make_unique<Xfce>(bus);
    if (id == QLatin1String("dunst"))
        return std::make_unique<Dunst>(bus);
    return nullptr;
}

} // namespace

const QString DoNotDisturb::settingsKey = QStringLiteral("silenceNotificationsWhileFocusing");

std::unique_ptr<DoNotDisturb::Desktop> DoNotDisturb::detect(const QDBusConnection &bus, QString *why)
{
    // dunst answers for notifications wherever it runs (tiling desktops
    // set no desktop name, or their own).
    if (hasOwner(bus, Dunst::service))
        return std::make_unique<Dunst>(bus);
    if ((desktopIs("GNOME") || desktopIs("Unity") || desktopIs("Budgie")) && Gnome::schemaInstalled())
        return std::make_unique<Gnome>();
    if (desktopIs("KDE") && plasmaServer(bus))
        return std::make_unique<Plasma>(bus);
    if (desktopIs("XFCE") && bus.isConnected()) {
        // xfconfd starts on demand.
        const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
        if (hasOwner(bus, Xfce::service) || (activatable.isValid() && activatable.value().contains(Xfce::service)))
            return std::make_unique<Xfce>(bus);
    }
    if (why)
        *why = QCoreApplication::translate("DoNotDisturb",
                                           "This desktop's Do Not Disturb is not one Stint knows (GNOME, "
                                           "Plasma, Xfce or dunst).");
    return nullptr;
}

QString DoNotDisturb::defaultStateDir()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/stint");
}

DoNotDisturb::DoNotDisturb(DefaultViewModel *viewModel, const QDBusConnection &bus, const QString &stateDir)
    : QObject(viewModel)
    , m_viewModel(viewModel)
    , m_unavailableReason()
    , m_desktop(detect(bus, &m_unavailableReason))
    , m_stateDir(stateDir.isEmpty() ? defaultStateDir() : stateDir)
    , m_enabled(QSettings().value(settingsKey, false).toBool())
{
    // A run that ended without giving it back: given back now, whatever the
    // choice is today.
    const QString leftOver = stateFile();
    if (QFile::exists(leftOver)) {
        QFile file(leftOver);
        const QJsonObject state =
                file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
        file.close();
        const std::unique_ptr<Desktop> desktop = byId(state.value(QStringLiteral("desktop")).toString(), bus);
        if (desktop && state.value(QStringLiteral("previous")).isBool()) {
            desktop->write(state.value(QStringLiteral("previous")).toBool(), true);
            printLine(QStringLiteral("Do Not Disturb given back after an earlier run that ended early"));
        }
        QFile::remove(leftOver);
    }
    for (auto signal : {&DefaultViewModel::isTimerRunningChanged, &DefaultViewModel::currentStateChanged})
        connect(viewModel, signal, this, &DoNotDisturb::update);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DoNotDisturb::giveBack);
    update();
}

DoNotDisturb::~DoNotDisturb()
{
    giveBack();
}

QString DoNotDisturb::stateFile() const
{
    return m_stateDir + QStringLiteral("/do-not-disturb.json");
}

void DoNotDisturb::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    QSettings().setValue(settingsKey, enabled);
    Q_EMIT enabledChanged();
    update();
}

void DoNotDisturb::update()
{
    const bool wanted = m_desktop && m_enabled && m_viewModel && m_viewModel->isTimerRunning()
            && m_viewModel->currentState() == PomodoroState::focus;
    if (wanted == m_wanted)
        return;
    m_wanted = wanted;
    ++m_generation;
    if (wanted)
        silence();
    else
        release(false);
}

void DoNotDisturb::silence()
{
    m_desktop->read([self = QPointer(this), generation = m_generation](std::optional<bool> on) {
        if (!self || generation != self->m_generation || !self->m_wanted || self->m_silencing)
            return;
        if (!on) {
            printLine(QStringLiteral("Do Not Disturb could not be read: notifications are not silenced"));
            return;
        }
        if (*on)
            return; // the user's own: theirs to turn off
        if (self->m_desktop->outlivesProcess()) {
            // Written down before the change, so that a crash cannot leave it on.
            QDir().mkpath(self->m_stateDir);
            QSaveFile file(self->stateFile());
            const QJsonObject state{{QStringLiteral("desktop"), self->m_desktop->id()},
                                    {QStringLiteral("previous"), false}};
            if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(state).toJson(QJsonDocument::Compact)) < 0
                || !file.commit()) {
                printLine(QStringLiteral("Do Not Disturb left alone: %1 cannot be written").arg(self->stateFile()));
                return;
            }
        }
        self->m_silencing = true;
        self->m_desktop->write(true, false);
    });
}

void DoNotDisturb::release(bool wait)
{
    if (!m_silencing)
        return;
    m_silencing = false;
    m_desktop->write(false, wait);
    QFile::remove(stateFile());
}

void DoNotDisturb::giveBack()
{
    m_wanted = false;
    ++m_generation;
    release(true);
}
