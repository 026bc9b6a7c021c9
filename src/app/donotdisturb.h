#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DefaultViewModel;

// "Silence Notifications While Focusing": while a focus phase counts down,
// the desktop's own Do Not Disturb is on; at a pause, a stop, the end of the
// phase and at exit it is given back, before the phase-end notification goes
// out. Only what Stint turned on is given back: a Do Not Disturb the user
// had on stays on. Where the change would outlive the process (GNOME, Xfce,
// dunst) the value found is written to $XDG_STATE_HOME/stint/ first, and a
// later start restores it when the process ended without giving it back.
class DoNotDisturb : public QObject
{
    Q_OBJECT
    /// The user's choice, kept in the settings; off by default.
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    /// A Do Not Disturb of this desktop's was found.
    Q_PROPERTY(bool available READ isAvailable CONSTANT)
    /// Why the entry is disabled, for its tooltip; empty when available.
    Q_PROPERTY(QString unavailableReason READ unavailableReason CONSTANT)

public:
    // One desktop's Do Not Disturb.
    class Desktop
    {
    public:
        virtual ~Desktop() = default;
        // The name kept in the state file.
        virtual QString id() const = 0;
        // Whether it is on now; nothing when it cannot be read.
        virtual void read(std::function<void(std::optional<bool> on)> done) = 0;
        // `wait`: at exit, the change must be through before returning.
        virtual void write(bool on, bool wait) = 0;
        // Whether the change outlives the process (then it is written down).
        virtual bool outlivesProcess() const { return true; }
    };

    static const QString settingsKey;

    // Finds the desktop's Do Not Disturb on `bus`; `stateDir` holds the
    // value to give back (empty: $XDG_STATE_HOME/stint).
    DoNotDisturb(DefaultViewModel *viewModel, const QDBusConnection &bus = QDBusConnection::sessionBus(),
                 const QString &stateDir = QString());
    ~DoNotDisturb() override;

    // The desktop's Do Not Disturb found on `bus`, or none (then `why` says why).
    static std::unique_ptr<Desktop> detect(const QDBusConnection &bus, QString *why);
    static QString defaultStateDir();

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isAvailable() const { return m_desktop != nullptr; }
    QString unavailableReason() const { return m_unavailableReason; }
    // Stint turned it on and has not given it back yet.
    bool isSilencing() const { return m_silencing; }

    // Gives back what Stint changed, waiting until it is through: at exit.
    void giveBack();

Q_SIGNALS:
    void enabledChanged();

private:
    QString stateFile() const;
    void update();
    void silence();
    void release(bool wait);
    void restoreLeftOver();

    QPointer<DefaultViewModel> m_viewModel;
    QString m_unavailableReason; // before m_desktop: detect() fills it in
    std::unique_ptr<Desktop> m_desktop;
    QString m_stateDir;
    bool m_enabled = false;
    bool m_silencing = false; // Stint turned it on
    bool m_wanted = false; // it should be on now
    int m_generation = 0; // reads answered after a later change are ignored
};
