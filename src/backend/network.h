#pragma once

#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkRequest;

namespace Network {

// The one HTTP client of the process, living on the main thread.
QNetworkAccessManager *sharedManager();

// How long a request may go without progress before it fails; 60 seconds.
// Tests shorten it.
int transferTimeout();
void setTransferTimeout(int milliseconds);

// A request to `path` on the backend: the path replaces whatever path the
// base address has (scheme, host and port stay; query and fragment go), with
// the default cache policy and the transfer timeout. A base address that is
// not text or not a URL stops the program.
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
