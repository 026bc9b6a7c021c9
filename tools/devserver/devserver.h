#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include "server/http.h"

#include <memory>
#include <optional>

class Backend;
class HttpFront;
class SigningKey;

// One request to the backend endpoints, as it arrived.
using RecordedRequest = HttpRequest;

// The Stint backend with stand-ins for Google behind it, on 127.0.0.1 only,
// for development and tests.
//
// Backend: the real one (stint_server), so every request goes through the
// same token checks and reply shaping as in production, with its Google
// addresses pointed at this server's stand-ins under /google/: Tasks and
// Calendar serving a data file or the built-in demo data, the signing key
// set and tokeninfo.
// Provider: /o/oauth2/v2/auth (redirects straight back with a code, as if
// the user had consented), /token (authorization-code grant with PKCE, and
// refresh-token grant) and /revoke. Its ID tokens are RS256-signed with a
// key made at start.
//
// The backend can be told to misbehave, to try the app against a broken
// server: from C++, from the command line, or at run time with
// POST /dev/misbehave {"mode": "...", "delayMs": N}.
class DevServer : public QObject
{
    Q_OBJECT

public:
    enum class Misbehaviour {
        none,
        slow, // the right answer, after a delay
        emptyBody, // 200 with zero bytes
        noContent, // 204
        unauthorized, // 401 with a JSON object body
        serverError, // 500 with a JSON object body
        badRequest, // 400 with a JSON object body
        notJson, // 200 with an HTML page
        truncatedJson, // 200 with the first half of the right JSON
        dropConnection, // the connection is closed without an answer
    };
    Q_ENUM(Misbehaviour)

    // A complete set of tokens, as the token endpoint would give them.
    struct TokenSet
    {
        QString accessToken;
        QString refreshToken;
        QString idToken;
        int expiresIn = 0;
    };

    static const QString clientId; // "stint-dev"
    static const QString clientSecret; // "stint-dev-secret"

    explicit DevServer(QObject *parent = nullptr);
    ~DevServer() override;

    // Listens on 127.0.0.1; port 0 takes any free port.
    bool listen(quint16 port = 0);
    quint16 port() const;
    // http://127.0.0.1:PORT
    QUrl baseUrl() const;

    // The info dictionary that points the app at this server, written as a
    // JSON object; `extra` members are added to it.
    QJsonObject infoDictionary() const;
    bool writeInfoFile(const QString &path, const QJsonObject &extra = {}) const;

    // Serves the tasks and events of `path` and writes created tasks back to
    // it. A file that does not exist yet starts as a copy of the demo data.
    bool loadDataFile(const QString &path, QString *error = nullptr);
    // Serves these lists (kept in memory) instead; the demo data until then.
    void setData(const QJsonArray &tasks, const QJsonArray &events);
    QJsonArray tasks() const { return m_tasks; }
    QJsonArray events() const { return m_events; }

    // Lifetime of the access and ID tokens issued from now on; 3600 s by default.
    void setTokenLifetime(int seconds);
    int tokenLifetime() const { return m_tokenLifetime; }

    // Applies to the backend endpoints only. Every mode but `slow` answers
    // without looking at the credentials. `delayMs` is used by `slow`.
    void setMisbehaviour(Misbehaviour mode, int delayMs = 2000);
    Misbehaviour misbehaviour() const { return m_misbehaviour; }
    int misbehaviourDelay() const { return m_delayMs; }
    static std::optional<Misbehaviour> misbehaviourFromName(const QString &name);
    static QString nameOf(Misbehaviour mode);
    static QStringList misbehaviourNames();

    // Makes the consent page answer as if the user had said no.
    void setConsentDenied(bool denied) { m_consentDenied = denied; }

    // A fresh grant for the dev user, without the browser: what a sign-in
    // would have given.
    TokenSet issueTokens();
    bool isRefreshTokenActive(const QString &refreshToken) const;
    bool isIdTokenAccepted(const QString &idToken) const;
    int revocationCount() const { return m_revocationCount; }

    // The requests to the backend endpoints (not the provider's), oldest first.
    QList<RecordedRequest> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // How many requests are kept (1000 by default); the oldest go first, so
    // a server left running for hours does not grow.
    void setRequestLogLimit(int limit);

Q_SIGNALS:
    // Every answer sent, for a request log. Never carries a token.
    void requestHandled(const QByteArray &method, const QString &path, int status);

private:
    struct Answer
    {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    struct Grant
    {
        QString scope;
    };
    struct IssuedToken
    {
        QString refreshToken; // the grant it came from
        QDateTime expiry;
    };
    struct PendingCode
    {
        QString redirectUri;
        QString challenge;
        QString scope;
        QDateTime expiry;
    };

    void dispatch(const HttpRequest &request, HttpReply reply);
    void serveBackend(HttpRequest request, HttpReply reply);
    Answer misbehave(Answer answer) const;
    std::optional<Answer> serveGoogle(const HttpRequest &request);
    Answer createTask(const QByteArray &body);
    QString accessTokenOf(const QString &idToken) const;

    Answer authorize(const HttpRequest &request);
    Answer token(const QByteArray &body);
    Answer revoke(const HttpRequest &request);
    Answer controlMisbehaviour(const HttpRequest &request);

    QJsonObject issueFrom(const QString &refreshToken, bool includeRefreshToken);
    QString makeIdToken(const QDateTime &issued, const QDateTime &expiry) const;
    void revokeGrant(const QString &refreshToken);
    void forgetExpired();
    void record(const RecordedRequest &request);
    void resetToDemoData();
    void saveData();

    std::unique_ptr<SigningKey> m_signingKey;
    HttpFront *m_front = nullptr;
    Backend *m_backend = nullptr;
    quint16 m_port = 0;

    QString m_dataFile;
    QJsonObject m_storedData; // the data file as written, day offsets unresolved
    QJsonArray m_tasks;
    QJsonArray m_events;

    int m_tokenLifetime = 3600;
    Misbehaviour m_misbehaviour = Misbehaviour::none;
    int m_delayMs = 2000;
    bool m_consentDenied = false;

    QHash<QString, Grant> m_grants; // by refresh token
    QHash<QString, IssuedToken> m_accessTokens;
    QHash<QString, IssuedToken> m_idTokens;
    QHash<QString, PendingCode> m_codes;
    int m_revocationCount = 0;

    QList<RecordedRequest> m_requests;
    int m_requestLogLimit = 1000;
};
