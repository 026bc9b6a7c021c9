#include "backend/network.h"

#include "backend/configuration.h"
#include "backend/localbackend.h"
#include "common/outputline.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {
int s_transferTimeout = 60000;
QPointer<LocalBackend> s_localBackend;
} // namespace

namespace Network {

QNetworkAccessManager *sharedManager()
{
    // Parented to the application so it goes away with it, after every
    // reply it owns; made on first use, on the main thread.
    static QNetworkAccessManager *manager = [] {
        auto *m = new QNetworkAccessManager(QCoreApplication::instance());
        m->setTransferTimeout(s_transferTimeout);
        return m;
    }();
    return manager;
}

int transferTimeout()
{
    return s_transferTimeout;
}

void setTransferTimeout(int milliseconds)
{
    s_transferTimeout = milliseconds;
}

void setLocalBackend(LocalBackend *backend)
{
    s_localBackend = backend;
}

namespace {

// The request to `path` on `base`, the configured address, or else on the
// app's own backend.
QNetworkRequest requestOn(const std::optional<QString> &base, const QString &path)
{
    QUrl baseUrl;
    if (base) {
        baseUrl = QUrl(*base, QUrl::StrictMode);
        if (!baseUrl.isValid() || baseUrl.isRelative() || baseUrl.host().isEmpty())
            qFatal("Network: the backend address \"%s\" is not a URL", qPrintable(displayAddress(*base)));
    } else if (s_localBackend) {
        baseUrl = s_localBackend->address();
    }
    // Without a base there is no URL, and the request fails when it is sent.
    if (baseUrl.isEmpty())
        return QNetworkRequest();

    // An absolute path replaces the base's path and drops its query and fragment.
    const QUrl url = baseUrl.resolved(QUrl(path));
    if (!url.isValid())
        qFatal("Network: no request URL for \"%s\" on the backend", qPrintable(path));

    QNetworkRequest request(url);
    request.setTransferTimeout(s_transferTimeout);
    return request;
}

} // namespace

void withBackendRequest(QObject *context, const QString &path, std::function<void(QNetworkRequest)> send,
                        std::function<void(const Error &)> fail)
{
    const std::optional<QString> base = Configuration::backendURL();
    if (base) {
        send(requestOn(base, path));
        return;
    }
    if (s_localBackend) {
        s_localBackend->whenReady(
                context, [path, send = std::move(send), fail = std::move(fail)](std::optional<Error> unavailable) {
                    if (unavailable)
                        fail(*unavailable);
                    else
                        send(requestOn(std::nullopt, path));
                });
        return;
    }
    QTimer::singleShot(0, context ? context : QCoreApplication::instance(), [fail = std::move(fail)] {
        fail(Error{QStringLiteral("Configuration"), 0, QStringLiteral("No backend address is configured")});
    });
}

QNetworkRequest backendRequest(const QString &path)
{
    return requestOn(Configuration::backendURL(), path);
}

QByteArray headerValue(const QString &text)
{
    const QByteArray value = text.toUtf8();
    return value.isNull() ? QByteArray("") : value;
}

QString displayAddress(const QString &address)
{
    // The user information ends at the last '@' of the authority, which
    // runs from after "scheme://" (or the start) to the first '/', '?' or '#'.
    const qsizetype separator = address.indexOf(QLatin1String("://"));
    const qsizetype authorityStart = separator < 0 ? 0 : separator + 3;
    qsizetype authorityEnd = authorityStart;
    while (authorityEnd < address.size() && address[authorityEnd] != u'/' && address[authorityEnd] != u'?'
           && address[authorityEnd] != u'#')
        ++authorityEnd;
    const qsizetype at = QStringView(address).mid(authorityStart, authorityEnd - authorityStart).lastIndexOf(u'@');
    QString shown = address;
    if (at >= 0)
        shown.remove(authorityStart, at + 1);
    return escapeControlCharacters(shown);
}

} // namespace Network
