// stint-backend: serves each user's own Google tasks and calendar to the app.
//
//   stint-backend --client-id 1234-abc.apps.googleusercontent.com
//
// Every option has an environment variable of the same meaning; the option
// wins when both are given.

#include "server/backend.h"
#include "server/httpfront.h"
#include "common/outputline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslKey>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

struct Option
{
    QCommandLineOption option;
    const char *environment;
};

} // namespace

int main(int argc, char *argv[])
{
    // Qt's own event dispatcher: fewer system calls a request than GLib's,
    // and a server needs nothing of GLib's.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("stint-backend"));

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
    parser.addHelpOption();
    for (const Option &each : options)
        parser.addOption(each.option);
    parser.process(app);

    const auto value = [&parser](const Option &each) {
        if (parser.isSet(each.option) || !qEnvironmentVariableIsSet(each.environment))
            return parser.value(each.option);
        return qEnvironmentVariable(each.environment);
    };
    const auto fail = [](const QString &message) {
        printLine(QStringLiteral("stint-backend: ") + message);
        return 2;
    };

    BackendSettings settings;
    QStringList ids = parser.isSet(clientIds.option) ? parser.values(clientIds.option)
                                                     : QStringList{qEnvironmentVariable(clientIds.environment)};
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

    Backend backend(settings);
    if (const QString path = value(caFile); !path.isEmpty()) {
        if (!QFile::exists(path))
            return fail(QStringLiteral("--google-ca-file: %1 cannot be read").arg(path));
        backend.setGoogleCaFile(path);
    }
    HttpFront front(
            [&backend](const HttpRequest &request, HttpReply reply) { backend.handle(request, std::move(reply)); });
    front.setAccessLog(value(accessLog) != QLatin1StringView("off"));
    // The metrics on a listener of their own: behind a balancer on the same
    // host every request comes from loopback, so a loopback check on the API
    // port would still hand the numbers to anyone who can reach the balancer.
    HttpFront metricsFront([&backend](const HttpRequest &request, HttpReply reply) {
        if (request.path != QLatin1StringView("/metrics"))
            return reply(HttpAnswer::error(404, QLatin1StringView("not_found"), QStringLiteral("Only /metrics")));
        if (request.method != "GET")
            return reply(HttpAnswer::error(405, QLatin1StringView("method_not_allowed"), QStringLiteral("Use GET")));
        reply({200, "text/plain; version=0.0.4; charset=utf-8", backend.metricsText(), {}, {}});
    });
    metricsFront.setAccessLog(false);

    // SIGTERM and SIGINT: finish what is in flight, then exit.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return fail(QStringLiteral("cannot set up signal handling"));
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        notifier.setEnabled(false);
        backend.startDraining();
        if (drainSeconds > 0)
            printLine(QStringLiteral("draining: /healthz answers 503 for %1 s").arg(drainSeconds));
        QTimer::singleShot(drainSeconds * 1000, &app, [&] {
            printLine(QStringLiteral("stopping: %1 request(s) in flight").arg(front.requestsInFlight()));
            metricsFront.shutdown();
            front.shutdown();
        });
    });
    QObject::connect(&front, &HttpFront::drained, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    // Whoever starts the server (a script, a parent process) reads the port
    // from the first line, and may stop it as soon as it has read it: the signals
    // are handled before it is printed.
    if (!front.listen(address, static_cast<quint16>(portNumber), tls))
        return 1;
    if (metricsPortNumber && !metricsFront.listen(metricsAddress, *metricsPortNumber))
        return 1;
    backend.start();
    printLine(QStringLiteral("stint-backend listening on %1://%2:%3 for %4 client id(s)")
                      .arg(tls ? QStringLiteral("https") : QStringLiteral("http"), address.toString())
                      .arg(front.port())
                      .arg(settings.clientIds.size()));
    if (metricsPortNumber)
        printLine(QStringLiteral("metrics on http://%1:%2/metrics")
                          .arg(metricsAddress.toString())
                          .arg(metricsFront.port()));

    return app.exec();
}
