#pragma once

#include "backend/error.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class LocalBackend;
class QNetworkAccessManager;
class QNetworkRequest;
class QObject;

namespace Network {

// The one HTTP client of the process, living on the main thread.
QNetworkAccessManager *sharedManager();

// How long a request may go without progress before it fails; 60 seconds.
// Tests shorten it.
int transferTimeout();
void setTransferTimeout(int milliseconds);

// The backend the app runs itself, where requests go when no backend
// address is configured; none until the app sets one.
void setLocalBackend(LocalBackend *backend);

// Gives `send` the request to `path` (as backendRequest makes it) once the
// backend can take it: at once when an address is configured or the app's
// own backend is up, otherwise when that backend has (re)started. When there
// is no backend to wait for, or it does not come up in time, `fail` is told
// why instead, later. Nothing runs once `context` is gone.
void withBackendRequest(QObject *context, const QString &path, std::function<void(QNetworkRequest)> send,
                        std::function<void(const Error &)> fail);

// A request to `path` on the backend: the path replaces whatever path the
// base address has (scheme, host and port stay; query and fragment go), with
// the default cache policy and the transfer timeout. The base is the
// configured address, or else the app's own backend (a request with no URL
// while it is not up; withBackendRequest waits for it). A configured base
// that is not text or not a URL stops the program.
QNetworkRequest backendRequest(const QString &path);

// A header value that goes on the wire even when it is empty: Qt drops a
// header whose value is a null array, and a signed-out user's empty access
// token is still sent.
QByteArray headerValue(const QString &text);

// `address` as it may be shown in a message: without the user name and
// password it may carry, and with control characters escaped. Works on text
// that does not parse as a URL, too.
QString displayAddress(const QString &address);

} // namespace Network
