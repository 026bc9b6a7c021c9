#include "server/httpclient.h"

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <curl/curl.h>

// One request on its way.
struct HttpClient::Transfer
{
    CURL *easy = nullptr;
    curl_slist *headers = nullptr;
    QByteArray body;
    HttpResponse response;
    Done done;
    bool tooLarge = false;
};

// Qt's watch on one of libcurl's sockets.
struct HttpClient::Watch
{
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
};

struct CurlGlue
{
    static size_t body(char *data, size_t size, size_t count, void *user)
    {
        auto *transfer = static_cast<HttpClient::Transfer *>(user);
        const size_t bytes = size * count;
        if (transfer->response.body.size() + qsizetype(bytes) > HttpClient::maxResponseSize) {
            transfer->tooLarge = true;
            return 0; // ends the transfer
        }
        transfer->response.body.append(data, qsizetype(bytes));
        return bytes;
    }

    static size_t header(char *data, size_t size, size_t count, void *user)
    {
        auto *transfer = static_cast<HttpClient::Transfer *>(user);
        const size_t bytes = size * count;
        const QByteArrayView line = QByteArrayView(data, qsizetype(bytes)).trimmed();
        if (line.startsWith("HTTP/")) {
            transfer->response.headers.clear(); // a new answer (after a 100 Continue)
        } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
            transfer->response.headers.append(
                    {line.first(colon).trimmed().toByteArray(), line.sliced(colon + 1).trimmed().toByteArray()});
        }
        return bytes;
    }

    static int socket(CURL *, curl_socket_t socket, int what, void *user, void *)
    {
        auto *client = static_cast<HttpClient *>(user);
        if (what == CURL_POLL_REMOVE) {
            // A connection put back for reuse is removed here and added again
            // by its next request: its notifiers are only switched off, not
            // made again each time (a disabled notifier watches nothing, so
            // the number may be closed and given to another socket meanwhile).
            if (client->m_watches.size() <= HttpClient::maxKeptWatches) {
                if (HttpClient::Watch *watch = client->m_watches.value(socket)) {
                    for (const auto *notifier : {&watch->read, &watch->write})
                        if (*notifier)
                            (*notifier)->setEnabled(false);
                }
                return 0;
            }
            if (HttpClient::Watch *watch = client->m_watches.take(socket)) {
                // It may be this notifier's own signal that got here.
                for (auto *notifier : {watch->read.release(), watch->write.release()}) {
                    if (notifier) {
                        notifier->setEnabled(false);
                        notifier->deleteLater();
                    }
                }
                delete watch;
            }
            return 0;
        }
        HttpClient::Watch *&watch = client->m_watches[socket];
        if (!watch)
            watch = new HttpClient::Watch;
        const auto want = [&](std::unique_ptr<QSocketNotifier> &notifier, QSocketNotifier::Type type, bool on,
                              int event) {
            if (!notifier && on) {
                notifier = std::make_unique<QSocketNotifier>(socket, type);
                QObject::connect(notifier.get(), &QSocketNotifier::activated, client,
                                 [client, socket, event] { client->act(socket, event); });
            }
            if (notifier)
                notifier->setEnabled(on);
        };
        want(watch->read, QSocketNotifier::Read, what == CURL_POLL_IN || what == CURL_POLL_INOUT, CURL_CSELECT_IN);
        want(watch->write, QSocketNotifier::Write, what == CURL_POLL_OUT || what == CURL_POLL_INOUT, CURL_CSELECT_OUT);
        return 0;
    }

    static int timer(CURLM *, long timeoutMs, void *user)
    {
        auto *client = static_cast<HttpClient *>(user);
        if (timeoutMs < 0)
            client->m_timer->stop();
        else
            client->m_timer->start(int(timeoutMs));
        return 0;
    }
};

namespace {

HttpResponse::Failure failureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return HttpResponse::Failure::none;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpResponse::Failure::timeout;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_RECV_ERROR:
    case CURLE_WRITE_ERROR:
    case CURLE_FILESIZE_EXCEEDED:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_TOO_MANY_REDIRECTS:
        return HttpResponse::Failure::protocol;
    default: // refused, reset, closed early, TLS refused
        return HttpResponse::Failure::connection;
    }
}

} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    static const bool initialized = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialized);
    m_multi = curl_multi_init();
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlGlue::socket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlGlue::timer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_MAXCONNECTS, long(maxIdleConnections));
}

HttpClient::~HttpClient()
{
    // Requests still on their way are dropped without an answer: their
    // callers go with this client.
    for (Transfer *transfer : std::as_const(m_transfers)) {
        curl_multi_remove_handle(m_multi, transfer->easy);
        curl_easy_cleanup(transfer->easy);
        curl_slist_free_all(transfer->headers);
        delete transfer;
    }
    m_transfers.clear();
    for (void *easy : std::as_const(m_spare))
        curl_easy_cleanup(easy);
    curl_multi_cleanup(m_multi);
    qDeleteAll(m_watches);
}

void HttpClient::get(const QUrl &url, const Headers &headers, Done done)
{
    send("GET", url, headers, {}, std::move(done));
}

void HttpClient::post(const QUrl &url, const Headers &headers, const QByteArray &body, Done done)
{
    send("POST", url, headers, body.isNull() ? QByteArray("") : body, std::move(done));
}

void HttpClient::patch(const QUrl &url, const Headers &headers, const QByteArray &body, Done done)
{
    send("PATCH", url, headers, body.isNull() ? QByteArray("") : body, std::move(done));
}

void HttpClient::send(const QByteArray &method, const QUrl &url, const Headers &headers, const QByteArray &body,
                      Done done)
{
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1StringView("http") && url.scheme() != QLatin1StringView("https"))) {
        QTimer::singleShot(0, this, [done = std::move(done)] {
            HttpResponse response;
            response.failure = HttpResponse::Failure::connection;
            done(response);
        });
        return;
    }
    auto *transfer = new Transfer;
    transfer->done = std::move(done);
    transfer->body = body;
    // A handle of an earlier request, reset to libcurl's defaults, spares
    // setting up a new one; the connections are the multi handle's anyway.
    CURL *easy = m_spare.isEmpty() ? curl_easy_init() : m_spare.takeLast();
    transfer->easy = easy;
    const QByteArray address = url.toEncoded(QUrl::RemoveFragment);
    curl_easy_setopt(easy, CURLOPT_URL, address.constData()); // copied by libcurl
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(m_timeoutMs));
    curl_easy_setopt(easy, CURLOPT_MAXAGE_CONN, long(idleLifetimeMs / 1000));
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "stint-backend");
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_caFile.isEmpty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, QFile::encodeName(m_caFile).constData());
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(maxResponseSize));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlGlue::body);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlGlue::header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, transfer);
    curl_easy_setopt(easy, CURLOPT_PRIVATE, transfer);
    for (const auto &[name, value] : headers)
        transfer->headers = curl_slist_append(transfer->headers, QByteArray(name + ": " + value).constData());
    transfer->headers = curl_slist_append(transfer->headers, "Expect:"); // the body goes at once
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, transfer->headers);
    if (method != "GET") {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, transfer->body.constData());
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(transfer->body.size()));
        if (method != "POST")
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.constData()); // copied by libcurl
    }
    if (method == "POST")
        curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L); // never retried on a reused connection
    m_transfers.insert(easy, transfer);
    curl_multi_add_handle(m_multi, easy);
}

void HttpClient::act(qintptr socket, int events)
{
    const QPointer<HttpClient> alive(this);
    int running = 0;
    curl_multi_socket_action(m_multi, curl_socket_t(socket), events, &running);
    if (alive)
        collect();
}

void HttpClient::collect()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL *easy = message->easy_handle;
        const CURLcode code = message->data.result;
        Transfer *transfer = m_transfers.take(easy);
        curl_multi_remove_handle(m_multi, easy);
        if (!transfer) {
            curl_easy_cleanup(easy);
            continue;
        }
        long connects = 0;
        curl_easy_getinfo(easy, CURLINFO_NUM_CONNECTS, &connects);
        m_opened += connects;
        HttpResponse response = std::move(transfer->response);
        response.failure = transfer->tooLarge ? HttpResponse::Failure::protocol : failureOf(code);
        if (response.failure == HttpResponse::Failure::none) {
            long status = 0;
            curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
            response.status = int(status);
        } else {
            response.status = 0;
            response.headers.clear();
            response.body.clear();
        }
        if (m_spare.size() < maxSpareHandles) {
            curl_easy_reset(easy); // nothing of this request (its headers, body, token) stays
            m_spare.append(easy);
        } else {
            curl_easy_cleanup(easy);
        }
        curl_slist_free_all(transfer->headers);
        const Done done = std::move(transfer->done);
        delete transfer;
        done(response);
    }
}
