#pragma once

#include "devserver/devaccount.h"
#include "devserver/googleapis.h"
#include "devserver/oauthprovider.h"
#include "server/http.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class Backend;
class HttpFront;

// One request to the backend endpoints, as it arrived.
using RecordedRequest = HttpRequest;

// The Stint backend with stand-ins for Google behind it, on 127.0.0.1 only,
// for development and tests. It routes each request to one of three parts:
// - the real backend (stint_server), so every request goes through the same
//   token checks and reply shaping as in production, with its Google
//   addresses pointed at the stand-in Google APIs under /google/
//   (googleapis.h);
// - the stand-in OAuth provider at /o/oauth2/v2/auth, /token and /revoke
//   (oauthprovider.h);
// - /dev/misbehave, which makes the backend endpoints answer badly on
//   purpose, to try the app against a broken server, or the stand-in Google
//   slow. The same can be set from C++ or the command line;
// - /dev/events, which adds or changes an event while the server runs, as
//   someone changing the calendar would (also from C++: putEvent).
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

    using TokenSet = OAuthProvider::TokenSet;

    static constexpr QLatin1StringView clientId = DevAccount::clientId;
    static constexpr QLatin1StringView clientSecret = DevAccount::clientSecret;

    explicit DevServer(QObject *parent = nullptr);
    ~DevServer() override;

    // Listens on 127.0.0.1; port 0 takes any free port.
    bool listen(quint16 port = 0);
    quint16 port() const { return m_port; }
    // http://127.0.0.1:PORT
    QUrl baseUrl() const;

    // The one client the stand-in provider and the backend accept; the dev
    // client unless set before listen().
    void setClient(const QString &clientId, const QString &clientSecret)
    {
        m_provider.setClient(clientId, clientSecret);
    }

    // The info dictionary that points the app at this server, written as a
    // JSON object; `extra` members are added to it.
    QJsonObject infoDictionary() const;
    bool writeInfoFile(const QString &path, const QJsonObject &extra = {}) const;
    // The settings that point the sign-in and the app's own backend at the
    // stand-ins for Google, with no backend address and no client: what a
    // system or user settings file would hold.
    QJsonObject googleSettings() const;
    static bool writeSettingsFile(const QString &path, QJsonObject settings, const QJsonObject &extra = {});

    // Serves the tasks and events of `path` and writes created tasks back to
    // it. A file that does not exist yet starts as a copy of the demo data.
    bool loadDataFile(const QString &path, QString *error = nullptr) { return m_google.data().loadFile(path, error); }
    // Serves these lists (kept in memory) instead; the demo data until then.
    void setData(const QJsonArray &tasks, const QJsonArray &events) { m_google.data().set(tasks, events); }
    QJsonArray tasks() const { return m_google.data().tasks(); }
    QJsonArray events() const { return m_google.data().events(); }
    // Adds `event` or replaces the one with its "id" (see DemoData::putEvent).
    std::optional<QJsonObject> putEvent(const QJsonObject &event) { return m_google.data().putEvent(event); }

    // Lifetime of the access and ID tokens issued from now on; 3600 s by default.
    void setTokenLifetime(int seconds) { m_provider.setTokenLifetime(seconds); }

    // Applies to the backend endpoints only. Every mode but `slow` answers
    // without looking at the credentials. `delayMs` is used by `slow`.
    void setMisbehaviour(Misbehaviour mode, int delayMs = 2000);
    // Every answer of the stand-in Google waits this long first, as Google's
    // own take a while: requests are then in flight long enough for a test
    // to stop a backend in the middle of them.
    void setGoogleDelay(int ms) { m_googleDelayMs = std::max(0, ms); }
    static std::optional<Misbehaviour> misbehaviourFromName(const QString &name);
    static QString nameOf(Misbehaviour mode);
    static QStringList misbehaviourNames();

    // A fresh grant for the dev user, without the browser: what a sign-in
    // would have given.
    TokenSet issueTokens() { return m_provider.issueTokens(); }
    bool isRefreshTokenActive(const QString &refreshToken) const
    {
        return m_provider.isRefreshTokenActive(refreshToken);
    }
    bool isIdTokenAccepted(const QString &idToken) const { return m_provider.isIdTokenAccepted(idToken); }
    int revocationCount() const { return m_provider.revocationCount(); }

    // The last 1000 requests to the backend endpoints (not the provider's),
    // oldest first.
    QList<RecordedRequest> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

Q_SIGNALS:
    // Every answer sent, for a request log. Never carries a token.
    void requestHandled(const QByteArray &method, const QString &path, int status);

private:
    void dispatch(const HttpRequest &request, HttpReply reply);
    void serveBackend(HttpRequest request, HttpReply reply);
    HttpAnswer misbehave(HttpAnswer answer) const;
    HttpAnswer controlMisbehaviour(const HttpRequest &request);
    HttpAnswer controlEvents(const HttpRequest &request);

    OAuthProvider m_provider;
    GoogleApis m_google{m_provider};
    HttpFront *m_front = nullptr;
    Backend *m_backend = nullptr;
    quint16 m_port = 0;

    Misbehaviour m_misbehaviour = Misbehaviour::none;
    int m_delayMs = 2000;
    int m_googleDelayMs = 0;

    QList<RecordedRequest> m_requests;
};
