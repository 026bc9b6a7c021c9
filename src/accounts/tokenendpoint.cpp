#include "accounts/tokenendpoint.h"

#include "accounts/signinsettings.h"
#include "backend/network.h"
#include "common/outputline.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QByteArray formBody(const QList<QPair<QString, QString>> &fields)
{
    QByteArray body;
    for (const auto &[key, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

QNetworkRequest formRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(Network::transferTimeout());
    return request;
}

} // namespace

namespace TokenEndpoint {

void refresh(const SignInSettings &settings, const QString &refreshToken, QObject *context,
             std::function<void(const RefreshAnswer &)> done)
{
    // Qt 6.4's refreshAccessToken() swallows failures and can stay stuck in
    // "refreshing", so the refresh grant is sent by hand.
    const QByteArray body = formBody({
            {QStringLiteral("grant_type"), QStringLiteral("refresh_token")},
            {QStringLiteral("client_id"), settings.clientId},
            {QStringLiteral("client_secret"), settings.clientSecret},
            {QStringLiteral("refresh_token"), refreshToken},
    });
    QNetworkReply *reply = Network::sharedManager()->post(formRequest(settings.tokenEndpoint), body);
    reply->setParent(context);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QJsonObject tokens = QJsonDocument::fromJson(reply->readAll()).object();
        RefreshAnswer answer;
        if (reply->error() == QNetworkReply::NoError
            && !tokens.value(QStringLiteral("access_token")).toString().isEmpty()) {
            answer.tokens = tokens;
        } else if (status == 400 || status == 401) {
            const QString error = tokens.value(QStringLiteral("error")).toString();
            answer.rejected = true;
            answer.description = QStringLiteral("the token endpoint refused the sign-in: ")
                    + (error.isEmpty() ? QStringLiteral("HTTP %1").arg(status) : error);
        } else if (reply->error() != QNetworkReply::NoError) {
            answer.description = QStringLiteral("could not reach the token endpoint: ") + reply->errorString();
        } else {
            answer.description = QStringLiteral("the token endpoint gave no access token");
        }
        done(answer);
    });
}

void revoke(const QUrl &revocationEndpoint, const QString &token)
{
    QNetworkReply *reply = Network::sharedManager()->post(formRequest(revocationEndpoint),
                                                          formBody({{QStringLiteral("token"), token}}));
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        if (reply->error() != QNetworkReply::NoError)
            printLine(QStringLiteral("The Google sign-in could not be revoked: ") + reply->errorString());
        reply->deleteLater();
    });
}

qint64 lifetime(const QJsonObject &tokens)
{
    const QJsonValue value = tokens.value(QStringLiteral("expires_in"));
    if (value.isDouble())
        return value.toInteger(-1);
    bool ok = false;
    const qint64 seconds = value.toString().toLongLong(&ok);
    return ok ? seconds : -1;
}

} // namespace TokenEndpoint
