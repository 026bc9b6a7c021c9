#include "timer/fetchfailure.h"

#include "backend/error.h"
#include "backend/jsondecoding.h"

#include <QNetworkReply>

QString FetchFailure::describe(const Error &error)
{
    if (error.domain == u"LocalBackend")
        return error.code == 2 ? tr("Stint's own server took too long to start. Retry may help.")
                               : tr("Stint's own server could not be started.");
    if (error.domain == u"QNetworkReply")
        return error.code == QNetworkReply::OperationCanceledError
                ? tr("The server did not answer in time. Retry may help.")
                : tr("The server could not be reached. Retry may help.");
    if (error.domain == u"HTTP") {
        // The backend's own words for what Google did: 502 an answer that
        // was no use or none at all, 504 none in time; 401 and 403 are
        // Google's or the backend's verdict on the sign-in.
        switch (error.code) {
        case 401:
            return tr("The server did not accept your sign-in. Retry may help; if not, sign out and in again.");
        case 403:
            return tr("Google refused access to your tasks.");
        case 429:
            return tr("Too many requests for now. Retry in a minute.");
        case 502:
            return tr("The server could not get your tasks from Google. Retry may help.");
        case 504:
            return tr("Google took too long to answer the server. Retry may help.");
        default:
            return error.code >= 500 ? tr("The server failed. Retry may help.") : tr("The server refused the request.");
        }
    }
    if (error.domain == JsonDecoding::errorDomain || error.domain == u"No Data")
        return tr("The server's answer could not be read.");
    return tr("The tasks could not be fetched. Retry may help.");
}
