// stint-devserver: the Stint backend and a stand-in Google OAuth provider on
// 127.0.0.1, for trying the app without the real services.
//
//   stint-devserver --write-info /tmp/stint-info.json &
//   STINT_INFO_FILE=/tmp/stint-info.json stint

#include "devserver/devserver.h"

#include "common/outputline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("stint-devserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Serves the Stint backend (/api/v1/tasks, /api/v1/events) and a stand-in Google OAuth "
                           "provider on 127.0.0.1. The misbehaviour can be changed while it runs: "
                           "POST /dev/misbehave {\"mode\": \"slow\", \"delayMs\": 3000}. An event is added or "
                           "changed with POST /dev/events and the event's JSON (with its \"id\")."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on; 0 takes any free port."),
                                        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("JSON data file to serve; created tasks are written back. "
                                                       "Without it the built-in demo data is served from memory."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption lifetimeOption(QStringLiteral("token-lifetime"),
                                            QStringLiteral("Lifetime of issued access and ID tokens."),
                                            QStringLiteral("S"), QStringLiteral("3600"));
    const QCommandLineOption misbehaveOption(QStringLiteral("misbehave"),
                                             QStringLiteral("How the backend endpoints misbehave: %1.")
                                                     .arg(DevServer::misbehaviourNames().join(QStringLiteral(", "))),
                                             QStringLiteral("MODE"), QStringLiteral("none"));
    const QCommandLineOption delayOption(QStringLiteral("delay"), QStringLiteral("Delay of the \"slow\" mode."),
                                         QStringLiteral("MS"), QStringLiteral("2000"));
    const QCommandLineOption infoOption(QStringLiteral("write-info"),
                                        QStringLiteral("Write an info dictionary pointing the app at this server "
                                                       "(use it through STINT_INFO_FILE)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption googleOption(QStringLiteral("write-google-settings"),
                                          QStringLiteral("Write a settings file that points the app's sign-in and "
                                                         "its own backend at the stand-ins for Google, with no "
                                                         "backend address and no client (use it as a system or "
                                                         "user settings file)."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption clientIdOption(QStringLiteral("client-id"),
                                            QStringLiteral("The one OAuth client the stand-ins accept, instead of "
                                                           "the dev client; needs --client-secret-file."),
                                            QStringLiteral("ID"));
    const QCommandLineOption clientSecretOption(QStringLiteral("client-secret-file"),
                                                QStringLiteral("File holding that client's secret."),
                                                QStringLiteral("FILE"));
    parser.addOptions({portOption, dataOption, lifetimeOption, misbehaveOption, delayOption, infoOption, googleOption,
                       clientIdOption, clientSecretOption});
    parser.process(app);

    const auto fail = [](const QString &message, int code) {
        printErrorLine(QStringLiteral("stint-devserver: ") + message);
        return code;
    };
    const auto usageError = [&fail](const QString &message) { return fail(message, 2); };

    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535)
        return usageError(QStringLiteral("--port needs a number from 0 to 65535"));
    const int lifetime = parser.value(lifetimeOption).toInt(&ok);
    if (!ok || lifetime <= 0)
        return usageError(QStringLiteral("--token-lifetime needs a positive number of seconds"));
    const int delay = parser.value(delayOption).toInt(&ok);
    if (!ok || delay < 0)
        return usageError(QStringLiteral("--delay needs a number of milliseconds"));
    const std::optional<DevServer::Misbehaviour> mode = DevServer::misbehaviourFromName(parser.value(misbehaveOption));
    if (!mode)
        return usageError(QStringLiteral("--misbehave takes one of: %1")
                                  .arg(DevServer::misbehaviourNames().join(QStringLiteral(", "))));

    DevServer server;
    if (parser.isSet(clientIdOption) != parser.isSet(clientSecretOption))
        return usageError(QStringLiteral("--client-id and --client-secret-file go together"));
    if (parser.isSet(clientIdOption)) {
        QFile secretFile(parser.value(clientSecretOption));
        if (!secretFile.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read ") + parser.value(clientSecretOption), 1);
        const QString secret = QString::fromUtf8(secretFile.readAll()).trimmed();
        if (parser.value(clientIdOption).isEmpty() || secret.isEmpty())
            return usageError(QStringLiteral("the client id and its secret cannot be empty"));
        server.setClient(parser.value(clientIdOption), secret);
    }
    server.setTokenLifetime(lifetime);
    server.setMisbehaviour(*mode, delay);
    if (parser.isSet(dataOption)) {
        QString error;
        if (!server.loadDataFile(parser.value(dataOption), &error))
            return fail(error, 1);
    }
    if (!server.listen(static_cast<quint16>(port)))
        return fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port), 1);
    // The first line is read by scripts waiting for the server: keep it first.
    printLine(QStringLiteral("Listening on ") + server.baseUrl().toString());

    if (parser.isSet(infoOption)) {
        if (!server.writeInfoFile(parser.value(infoOption)))
            return fail(QStringLiteral("cannot write ") + parser.value(infoOption), 1);
        printLine(QStringLiteral("Info dictionary written to ") + parser.value(infoOption));
    }

    if (parser.isSet(googleOption)) {
        if (!DevServer::writeSettingsFile(parser.value(googleOption), server.googleSettings()))
            return fail(QStringLiteral("cannot write ") + parser.value(googleOption), 1);
        printLine(QStringLiteral("Google settings written to ") + parser.value(googleOption));
    }

    QObject::connect(&server, &DevServer::requestHandled, &server,
                     [](const QByteArray &method, const QString &path, int status) {
                         // The path is the client's: printLine escapes what it might carry.
                         printLine(QStringLiteral("%1 %2 -> %3")
                                           .arg(QString::fromLatin1(method), path,
                                                status == 0 ? QStringLiteral("dropped") : QString::number(status)));
                     });
    return app.exec();
}
