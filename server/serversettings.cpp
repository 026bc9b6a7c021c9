#include "server/serversettings.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSslCertificate>
#include <QSslKey>

namespace {

struct Option
{
    QCommandLineOption option;
    const char *environment;
};

SettingsRead failed(const QString &message)
{
    return {std::nullopt, message, {}};
}

} // namespace

SettingsRead readServerSettings(const QStringList &arguments, const QProcessEnvironment &environment)
{
    const BackendSettings defaults;
    const auto option = [](const char *name, const QString &description, const char *value,
                           const QString &fallback = {}) {
        return QCommandLineOption(QString::fromLatin1(name), description, QString::fromLatin1(value), fallback);
    };
    const Option listen{option("listen", QStringLiteral("Address to listen on (STINT_LISTEN)."), "ADDRESS",
                               QStringLiteral("127.0.0.1")),
                        "STINT_LISTEN"};
    const Option port{option("port", QStringLiteral("Port to listen on (STINT_PORT)."), "N", QStringLiteral("8080")),
                      "STINT_PORT"};
    const Option clientIds{option("client-id",
                                  QStringLiteral("OAuth client id whose users are served; repeat it, or separate "
                                                 "several with commas (STINT_CLIENT_IDS)."),
                                  "ID"),
                           "STINT_CLIENT_IDS"};
    const Option cert{
            option("tls-cert", QStringLiteral("PEM certificate chain: serve HTTPS (STINT_TLS_CERT)."), "FILE"),
            "STINT_TLS_CERT"};
    const Option key{option("tls-key", QStringLiteral("PEM private key of the certificate (STINT_TLS_KEY)."), "FILE"),
                     "STINT_TLS_KEY"};
    const Option keySet{option("google-keys-url", QStringLiteral("Google's signing keys (STINT_GOOGLE_KEYS_URL)."),
                               "URL", defaults.keySetUrl.toString()),
                        "STINT_GOOGLE_KEYS_URL"};
    const Option tokenInfo{option("google-tokeninfo-url",
                                  QStringLiteral("Google's tokeninfo endpoint (STINT_GOOGLE_TOKENINFO_URL)."), "URL",
                                  defaults.tokenInfoUrl.toString()),
                           "STINT_GOOGLE_TOKENINFO_URL"};
    const Option tasks{option("google-tasks-url",
                              QStringLiteral("The default task list's tasks (STINT_GOOGLE_TASKS_URL)."), "URL",
                              defaults.tasksUrl.toString()),
                       "STINT_GOOGLE_TASKS_URL"};
    const Option events{option("google-events-url",
                               QStringLiteral("The primary calendar's events (STINT_GOOGLE_EVENTS_URL)."), "URL",
                               defaults.eventsUrl.toString()),
                        "STINT_GOOGLE_EVENTS_URL"};
    const Option caFile{option("google-ca-file",
                               QStringLiteral("PEM certificates trusted for the Google addresses beside the system's "
                                              "(STINT_GOOGLE_CA_FILE)."),
                               "FILE"),
                        "STINT_GOOGLE_CA_FILE"};
    const Option rate{option("rate-limit",
                             QStringLiteral("Requests per minute per user, 0 for no limit (STINT_RATE_LIMIT)."), "N",
                             QString::number(defaults.requestsPerMinute)),
                      "STINT_RATE_LIMIT"};
    const Option accessLog{option("access-log", QStringLiteral("One line per request: on or off (STINT_ACCESS_LOG)."),
                                  "on|off", QStringLiteral("on")),
                           "STINT_ACCESS_LOG"};
    const Option drain{option("drain-seconds",
                              QStringLiteral("After SIGTERM, answer /healthz with 503 this long while still serving, "
                                             "so a load balancer stops sending first (STINT_DRAIN_SECONDS)."),
                              "S", QStringLiteral("0")),
                       "STINT_DRAIN_SECONDS"};
    const Option metricsPort{option("metrics-port",
                                    QStringLiteral("Serve GET /metrics (Prometheus) on this port; +N: N above --port "
                                                   "(STINT_METRICS_PORT). Off unless given."),
                                    "N|+N"),
                             "STINT_METRICS_PORT"};
    const Option metricsListen{option("metrics-listen",
                                      QStringLiteral("Address of the metrics port (STINT_METRICS_LISTEN)."), "ADDRESS",
                                      QStringLiteral("127.0.0.1")),
                               "STINT_METRICS_LISTEN"};
    const QList<Option> options{listen, port,   clientIds, cert,      key,   keySet,      tokenInfo,    tasks,
                                events, caFile, rate,      accessLog, drain, metricsPort, metricsListen};

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves the Stint API (/api/v1/tasks, /api/v1/events, /healthz) "
                                                    "from each user's own Google Tasks and Calendar."));
    const QCommandLineOption help = parser.addHelpOption();
    for (const Option &each : options)
        parser.addOption(each.option);
    if (!parser.parse(arguments))
        return failed(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, {}, parser.helpText()};

    const auto value = [&](const Option &each) {
        const QString name = QString::fromLatin1(each.environment);
        if (parser.isSet(each.option) || !environment.contains(name))
            return parser.value(each.option);
        return environment.value(name);
    };
    const auto fail = [](const QString &message) { return failed(message); };

    ServerSettings read;
    BackendSettings &settings = read.backend;
    QStringList ids = parser.isSet(clientIds.option)
            ? parser.values(clientIds.option)
            : QStringList{environment.value(QString::fromLatin1(clientIds.environment))};
    for (const QString &each : std::as_const(ids))
        for (const QString &id : each.split(u',', Qt::SkipEmptyParts))
            settings.clientIds.append(id.trimmed());
    if (settings.clientIds.isEmpty())
        return fail(QStringLiteral("give at least one --client-id"));
    settings.keySetUrl = QUrl(value(keySet), QUrl::StrictMode);
    settings.tokenInfoUrl = QUrl(value(tokenInfo), QUrl::StrictMode);
    settings.tasksUrl = QUrl(value(tasks), QUrl::StrictMode);
    settings.eventsUrl = QUrl(value(events), QUrl::StrictMode);
    for (const QUrl &url : {settings.keySetUrl, settings.tokenInfoUrl, settings.tasksUrl, settings.eventsUrl}) {
        if (!url.isValid() || (url.scheme() != QLatin1StringView("https") && url.scheme() != QLatin1StringView("http")))
            return fail(QStringLiteral("%1 is not an http(s) address").arg(url.toString()));
    }
    bool ok = false;
    settings.requestsPerMinute = value(rate).toInt(&ok);
    if (!ok || settings.requestsPerMinute < 0)
        return fail(QStringLiteral("--rate-limit needs a number of requests per minute"));
    const uint portNumber = value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        return fail(QStringLiteral("--port needs a number from 0 to 65535"));
    const QHostAddress address(value(listen));
    if (address.isNull())
        return fail(QStringLiteral("--listen needs an IP address"));
    const int drainSeconds = value(drain).toInt(&ok);
    if (!ok || drainSeconds < 0 || drainSeconds > 3600)
        return fail(QStringLiteral("--drain-seconds needs a number of seconds up to 3600"));
    std::optional<quint16> metricsPortNumber;
    if (const QString text = value(metricsPort); !text.isEmpty()) {
        const bool relative = text.startsWith(u'+');
        const uint number = (relative ? text.mid(1) : text).toUInt(&ok);
        if (relative && portNumber == 0)
            return fail(QStringLiteral("--metrics-port +N needs a fixed --port"));
        const uint result = relative ? portNumber + number : number;
        if (!ok || result > 65535)
            return fail(QStringLiteral("--metrics-port needs a port, or +N for N above --port"));
        metricsPortNumber = quint16(result);
    }
    const QHostAddress metricsAddress(value(metricsListen));
    if (metricsAddress.isNull())
        return fail(QStringLiteral("--metrics-listen needs an IP address"));

    std::optional<QSslConfiguration> tls;
    if (!value(cert).isEmpty() || !value(key).isEmpty()) {
        QFile certFile(value(cert));
        QFile keyFile(value(key));
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("TLS needs both --tls-cert and --tls-key, readable"));
        const QList<QSslCertificate> chain = QSslCertificate::fromData(certFile.readAll(), QSsl::Pem);
        QSslKey privateKey(&keyFile, QSsl::Rsa, QSsl::Pem);
        if (privateKey.isNull()) {
            keyFile.seek(0);
            privateKey = QSslKey(&keyFile, QSsl::Ec, QSsl::Pem);
        }
        if (chain.isEmpty() || privateKey.isNull())
            return fail(QStringLiteral("cannot read the certificate or its key"));
        tls = QSslConfiguration::defaultConfiguration();
        tls->setLocalCertificateChain(chain);
        tls->setPrivateKey(privateKey);
        tls->setPeerVerifyMode(QSslSocket::VerifyNone);
    }

    read.googleCaFile = value(caFile);
    if (!read.googleCaFile.isEmpty() && !QFileInfo(read.googleCaFile).isReadable())
        return fail(QStringLiteral("--google-ca-file: %1 cannot be read").arg(read.googleCaFile));
    read.address = address;
    read.port = quint16(portNumber);
    read.tls = tls;
    read.accessLog = value(accessLog) != QLatin1StringView("off");
    read.drainSeconds = drainSeconds;
    read.metricsPort = metricsPortNumber;
    read.metricsAddress = metricsAddress;
    return {read, {}, {}};
}
