#include "backend/googleapiaccessor.h"

#include "backend/network.h"
#include "common/apipaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

QByteArray bearer(const QString &token)
{
    return "Bearer " + token.toUtf8();
}

} // namespace

std::optional<Error> replyError(QNetworkReply *reply)
{
    // An error status is a failure whatever the body says: a 500 to a create
    // request must not pass for a created task.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        QString description = QStringLiteral("HTTP %1").arg(status.toInt());
        if (!reason.isEmpty())
            description += u' ' + reason;
        // The backend says what happened in its JSON error, e.g. that
        // Google's answer was not usable: kept for the line that is printed.
        const QString message = QJsonDocument::fromJson(reply->peek(4096))
                                        .object()
                                        .value(QLatin1StringView("message"))
                                        .toString()
                                        .simplified()
                                        .left(200);
        if (!message.isEmpty())
            description += QStringLiteral(": ") + message;
        return Error{QStringLiteral("HTTP"), status.toInt(), description};
    }
    if (reply->error() == QNetworkReply::NoError)
        return std::nullopt;
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return Error{QStringLiteral("QNetworkReply"), reply->error(), QStringLiteral("The request timed out.")};
    return Error{QStringLiteral("QNetworkReply"), reply->error(), reply->errorString()};
}

void GoogleAPIAccessor::getTasks(const QString &token, const QString &accessToken, TasksCompletion completion)
{
    const auto send = [this, token, accessToken, completion](QNetworkRequest request) {
        request.setRawHeader("Authorization", bearer(token));
        request.setRawHeader("AccessToken", Network::headerValue(accessToken));

        QNetworkReply *reply = Network::sharedManager()->get(request);
        connect(reply, &QNetworkReply::finished, this, [reply, completion] {
            reply->deleteLater();
            if (std::optional<Error> error = replyError(reply))
                return completion(Result<QList<Task2>>::failure(*error));
            // No HTTP reply at all, and no error either.
            if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
                return completion(Result<QList<Task2>>::failure(Error::noData()));
            completion(decodeTaskList(reply->readAll()));
        });
    };
    Network::withBackendRequest(this, ApiPath::tasks, send, [completion](const Error &unavailable) {
        completion(Result<QList<Task2>>::failure(unavailable));
    });
}

void GoogleAPIAccessor::postTask(const QString &title, const QString &token, const QString &accessToken,
                                 PostCompletion completion)
{
    const auto send = [this, title, token, accessToken, completion](QNetworkRequest request) {
        request.setRawHeader("Authorization", bearer(token));
        request.setRawHeader("Content-Type", "application/json");
        request.setRawHeader("AccessToken", Network::headerValue(accessToken));

        const QByteArray body = QJsonDocument(CreateTask{title}.toJson()).toJson(QJsonDocument::Compact);
        QNetworkReply *reply = Network::sharedManager()->post(request, body);
        connect(reply, &QNetworkReply::finished, this, [reply, completion] {
            reply->deleteLater();
            if (std::optional<Error> error = replyError(reply))
                return completion(Result<Nothing>::failure(*error));
            completion(Result<Nothing>::success({}));
        });
    };
    Network::withBackendRequest(this, ApiPath::tasks, send, [completion](const Error &unavailable) {
        completion(Result<Nothing>::failure(unavailable));
    });
}

void GoogleAPIAccessor::setTaskCompleted(const QString &googleId, bool completed, const QString &token,
                                         const QString &accessToken, TaskCompletion completion)
{
    const auto send = [this, token, accessToken, completion](QNetworkRequest request) {
        request.setRawHeader("Authorization", bearer(token));
        request.setRawHeader("AccessToken", Network::headerValue(accessToken));

        QNetworkReply *reply = Network::sharedManager()->post(request, QByteArray());
        connect(reply, &QNetworkReply::finished, this, [reply, completion] {
            reply->deleteLater();
            if (std::optional<Error> error = replyError(reply))
                return completion(Result<Task2>::failure(*error));
            if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
                return completion(Result<Task2>::failure(Error::noData()));
            // The answer is one task, shaped like an element of the list.
            Result<QList<Task2>> tasks = decodeTaskList('[' + reply->readAll() + ']');
            if (!tasks.isSuccess())
                return completion(Result<Task2>::failure(tasks.error()));
            if (tasks.value().size() != 1)
                return completion(Result<Task2>::failure(Error::noData()));
            completion(Result<Task2>::success(tasks.value().first()));
        });
    };
    const QString path = ApiPath::tasks + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(googleId))
            + (completed ? ApiPath::completeSuffix : ApiPath::reopenSuffix);
    Network::withBackendRequest(this, path, send, [completion](const Error &unavailable) {
        completion(Result<Task2>::failure(unavailable));
    });
}
