#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// Where a credential lives between runs: the refresh token, or the client
// secret entered in the popover. Reads and writes are asynchronous because
// the desktop keyring answers over D-Bus.
class TokenStore : public QObject
{
    Q_OBJECT

public:
    using ReadCompletion = std::function<void(std::optional<QString> refreshToken)>;

    using QObject::QObject;

    // Calls `completion` later, on the main thread, with the stored token or none.
    virtual void read(ReadCompletion completion) = 0;
    virtual void write(const QString &refreshToken) = 0;
    virtual void remove() = 0;
};

// Keeps the token for this run only. Used by the tests, and by the keyring
// store when no keyring answers.
class MemoryTokenStore : public TokenStore
{
    Q_OBJECT

public:
    using TokenStore::TokenStore;

    void read(ReadCompletion completion) override;
    void write(const QString &refreshToken) override;
    void remove() override;

private:
    std::optional<QString> m_token;
};

// The desktop keyring (Secret Service) through QtKeychain. When the keyring
// does not answer it says so once on stdout and keeps the token in memory:
// the user stays signed in until they quit, and signs in again next time.
// The token is never written to a plain file.
class KeychainTokenStore : public TokenStore
{
    Q_OBJECT

public:
    // The refresh token of the Google sign-in.
    explicit KeychainTokenStore(QObject *parent = nullptr);
    // Another credential, under `key` in the keyring; `what` names it in the
    // line said when the keyring does not answer ("the Google sign-in").
    KeychainTokenStore(const QString &key, const QString &what, QObject *parent = nullptr);

    void read(ReadCompletion completion) override;
    void write(const QString &refreshToken) override;
    void remove() override;

private:
    void fallBackToMemory();

    QString m_key;
    QString m_what;
    MemoryTokenStore m_memory;
    bool m_keyringFailed = false;
};
