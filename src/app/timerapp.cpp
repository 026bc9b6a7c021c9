#include "app/timerapp.h"

#include "accounts/tokenstore.h"
#include "app/appdelegate.h"
#include "app/commandline.h"
#include "app/popoverwindow.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "common/unixsignals.h"
#include "app/firstframe.h"

#include <QApplication>
#include <QIcon>
#include <QQuickWindow>
#include <QUrl>

#include <csignal>

namespace {

// A tray popover must be placed next to its icon, which Wayland does not let
// a client do; XWayland does. Respect an explicit choice of the user.
void preferX11UnderWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

QList<QUrl> urlsFromArguments(const QStringList &arguments)
{
    QList<QUrl> urls;
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(u'-'))
            continue;
        const QUrl url(argument, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty())
            urls.append(url);
    }
    return urls;
}

// Whether the command line asks the running Stint something (or for help)
// rather than starting the app. Qt's own options (-platform, -style...) and
// the sign-in's URLs start it as before.
bool asksRunningInstance(const QStringList &arguments, const CommandLine &commandLine)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("-?"))
            return true;
        if (argument.startsWith(QLatin1String("--")) && commandLine.knows(argument.mid(2).section(u'=', 0, 0)))
            return true;
    }
    return false;
}

} // namespace

int timerApp(int argc, char *argv[])
{
    {
        // The options answer without a display, a window or a second Stint.
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (asksRunningInstance(arguments, CommandLine())) {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("stint"));
            installTranslations();
            // Made after the translations, which its texts are read in.
            CommandLine commandLine;
            return commandLine.run(arguments).value_or(CommandLine::usageError);
        }
    }

    preferX11UnderWayland();
    // The ring and the lists are simple flat shapes: the software scene graph
    // draws them with less memory and start-up time than OpenGL. Either
    // variable still picks another renderer.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Stint"));
    QApplication::setApplicationName(QStringLiteral("Stint"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stint"));
    QApplication::setDesktopFileName(QStringLiteral("app.stint.Stint"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Stint/icons/stint.svg")));
    installTranslations();

    // The tray app lives on when its popover hides.
    QApplication::setQuitOnLastWindowClosed(false);

    const QList<QUrl> urls = urlsFromArguments(QApplication::arguments());

    SingleInstance instance;
    if (!instance.listen()) {
        if (SingleInstance::sendToRunningInstance(urls))
            return 0;
        // Nobody answered after all: run without the hand-over.
    }

    KeychainTokenStore tokenStore;
    KeychainTokenStore clientSecretStore(QStringLiteral("google-client-secret"),
                                         QStringLiteral("the Google client secret"));
    AppDelegate delegate(&tokenStore, &clientSecretStore);
    QObject::connect(&instance, &SingleInstance::urlsReceived, &delegate, &AppDelegate::openURLs);
    // Ended from outside, Stint still gives back what it changed on the
    // desktop (at aboutToQuit).
    UnixSignals quitSignals({SIGINT, SIGTERM});
    QObject::connect(&quitSignals, &UnixSignals::received, &app, &QCoreApplication::quit);
    delegate.applicationDidFinishLaunching();
    reportFirstFrame(delegate.popover());
    if (!urls.isEmpty())
        delegate.openURLs(urls);

    return app.exec();
}
