#pragma once

#include "server/authenticator.h"
#include "server/backendsettings.h"
#include "server/exchange.h"
#include "server/http.h"
#include "server/listproxy.h"
#include "server/metrics.h"
#include "server/ratelimiter.h"

#include <QObject>

class HttpClient;

// The Stint API on top of Google: checks who is asking on every request,
// then reads or writes that user's Google Tasks and Calendar with their own
// access token and answers in the shape the app decodes. Keeps no user data;
// only Google's keys and short-lived answers about tokens are cached, each
// under a SHA-256 of the token, until the token expires. Routes each request
// and puts the parts together: the Authenticator says who asks, the
// RateLimiter whether they may, the ListProxy asks Google; the metrics and
// the answer are counted here.
class Backend : public QObject
{
    Q_OBJECT

public:
    explicit Backend(BackendSettings settings, QObject *parent = nullptr);
    ~Backend() override;

    // PEM certificates trusted for Google's addresses beside the system's
    // (a stand-in Google with a certificate of its own).
    void setGoogleCaFile(const QString &path);

    // Failure lines go here; printed to standard output unless set.
    void setLog(LogSink log) { m_context.setLog(std::move(log)); }

    // Fetches Google's key set now, and again every few seconds until it
    // has it once: until then the instance is not ready.
    void start();
    // Ready to take traffic: the key set has been read once, and the
    // instance is not draining. GET /healthz says so with 200, else 503.
    bool isReady() const { return m_auth.hasKeys() && !m_draining; }
    // From now on /healthz answers 503, so that a load balancer stops
    // sending requests; the requests still coming are served as before.
    void startDraining() { m_draining = true; }

    // Answers GET /healthz, GET and POST /api/v1/tasks, POST
    // /api/v1/tasks/{id}/complete and /reopen, and GET /api/v1/events;
    // `reply` is called exactly once, possibly later.
    void handle(const HttpRequest &request, HttpReply reply);

    // Everything Metrics holds, in the Prometheus text format.
    QByteArray metricsText();

    static constexpr qsizetype maxBodySize = 64 * 1024;
    static constexpr int maxTitleLength = ListProxy::maxTitleLength;

private:
    using Continue = Authenticator::Continue;

    void finish(const ExchangePtr &exchange, HttpAnswer answer);
    // Who asks (ID token), whether they may (rate limit), then their access
    // token; goes on with `next` or answers.
    void authenticate(const ExchangePtr &exchange, const HttpRequest &request, Continue next);
    void admit(const ExchangePtr &exchange, const QByteArray &accessToken, Continue next);

    BackendSettings m_settings;
    HttpClient *m_google;
    Metrics m_metrics;
    ExchangeContext m_context;
    Authenticator m_auth;
    RateLimiter m_limiter;
    ListProxy m_lists;
    int m_inFlight = 0;
    bool m_draining = false;
};
