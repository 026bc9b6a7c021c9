#pragma once

#include "accounts/signinsettings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class TokenStore;

// The Google OAuth client Stint signs in with. One entered in the popover
// wins over the one the settings name: its id is kept in the app's settings
// file, its secret in a TokenStore (the desktop keyring), never in a plain
// file. Google's desktop clients need both.
class GoogleClient : public QObject
{
    Q_OBJECT

    /// The client is known to lack its id or secret: the popover asks for them.
    Q_PROPERTY(bool needsSetUp READ needsSetUp NOTIFY changed)
    /// The client id in use; empty when there is none.
    Q_PROPERTY(QString clientId READ clientId NOTIFY changed)
    /// The client was entered in the popover, so it can be removed there.
    Q_PROPERTY(bool isEntered READ isEntered NOTIFY changed)

public:
    // `secretStore` keeps the entered secret and must outlive this object.
    explicit GoogleClient(TokenStore *secretStore, QObject *parent = nullptr);

    // Reads the entered client's secret from its store; calls `done` later,
    // once it is known (or known to be missing).
    void load(std::function<void()> done);

    // The sign-in's settings: the settings files' as they were when this
    // object was made, with the entered client in place of theirs.
    SignInSettings settings() const;

    bool isComplete() const;
    bool needsSetUp() const { return m_loaded && !isComplete(); }
    QString clientId() const { return settings().clientId; }
    bool isEntered() const { return !m_enteredId.isEmpty(); }

    // Keeps this client as the entered one. The caller has checked them
    // (isClientIdShape, a secret that is not empty).
    void save(const QString &clientId, const QString &clientSecret);
    // Forgets the entered client; the settings files' applies again, if any.
    void remove();

    // Whether `clientId` has the shape of a Google OAuth client id: digits, a
    // dash, lower-case letters and digits, then ".apps.googleusercontent.com".
    static bool isClientIdShape(const QString &clientId);

Q_SIGNALS:
    void changed();
    // The entered client was removed (after `changed`).
    void removed();

private:
    TokenStore *m_secretStore;
    SignInSettings m_fileSettings;
    QString m_enteredId;
    QString m_enteredSecret;
    bool m_loaded = false;
};
