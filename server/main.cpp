// stint-backend: serves each user's own Google tasks and calendar to the app.
//
//   stint-backend --client-id 1234-abc.apps.googleusercontent.com
//
// Every option has an environment variable of the same meaning; the option
// wins when both are given.

#include "server/backend.h"
#include "server/httpfront.h"
#include "server/serversettings.h"
#include "common/outputline.h"
#include "common/unixsignals.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <utility>

int main(int argc, char *argv[])
{
    // Qt's own event dispatcher: fewer system calls a request than GLib's,
    // and a server needs nothing of GLib's.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("stint-backend"));

    const SettingsRead read =
            readServerSettings(QCoreApplication::arguments(), QProcessEnvironment::systemEnvironment());
    if (!read.help.isEmpty()) {
        const QByteArray help = read.help.toLocal8Bit();
        std::fwrite(help.constData(), 1, size_t(help.size()), stdout);
        return 0;
    }
    if (!read.settings) {
        printLine(QStringLiteral("stint-backend: ") + read.error);
        return 2;
    }
    const ServerSettings &settings = *read.settings;
    const int drainSeconds = settings.drainSeconds;

    Backend backend(settings.backend);
    if (!settings.googleCaFile.isEmpty())
        backend.setGoogleCaFile(settings.googleCaFile);
    HttpFront front(
            [&backend](const HttpRequest &request, HttpReply reply) { backend.handle(request, std::move(reply)); });
    front.setAccessLog(settings.accessLog);
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
    UnixSignals stopSignals({SIGTERM, SIGINT});
    if (!stopSignals.isActive()) {
        printLine(QStringLiteral("stint-backend: cannot set up signal handling"));
        return 2;
    }
    bool draining = false;
    QObject::connect(&stopSignals, &UnixSignals::received, &app, [&] {
        if (std::exchange(draining, true))
            return;
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

    // Whoever starts the server (a script, a parent process) reads the port
    // from the first line, and may stop it as soon as it has read it: the signals
    // are handled before it is printed.
    if (!front.listen(settings.address, settings.port, settings.tls))
        return 1;
    if (settings.metricsPort && !metricsFront.listen(settings.metricsAddress, *settings.metricsPort))
        return 1;
    backend.start();
    printLine(QStringLiteral("stint-backend listening on %1://%2:%3 for %4 client id(s)")
                      .arg(settings.tls ? QStringLiteral("https") : QStringLiteral("http"), settings.address.toString())
                      .arg(front.port())
                      .arg(settings.backend.clientIds.size()));
    if (settings.metricsPort)
        printLine(QStringLiteral("metrics on http://%1:%2/metrics")
                          .arg(settings.metricsAddress.toString())
                          .arg(metricsFront.port()));

    return app.exec();
}
