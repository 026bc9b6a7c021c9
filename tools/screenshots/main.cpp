// Renders the popover's views in their main states to PNG files, with fake
// state set directly on a view-model. Nothing is sent over the network: the
// views' requests would go to a closed local port, and every state that would
// ask for events has events before the events tab is made.

#include "accounts/usermanager.h"
#include "backend/event.h"
#include "backend/task.h"
#include "timer/defaultviewmodel.h"

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlEngineExtensionPlugin>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <functional>

Q_IMPORT_QML_PLUGIN(StintPlugin)

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

Task2 task(const QString &title, std::optional<QString> due = std::nullopt,
           const QString &status = QStringLiteral("needsAction"))
{
    Task2 task;
    task.id = QUuid::createUuid();
    task.title = title;
    task.status = status;
    task.due = std::move(due);
    task.webViewLink = QUrl(QStringLiteral("https://tasks.google.com/"));
    return task;
}

QList<Task2> sampleTasks()
{
    return {
        task(QStringLiteral("Write the quarterly report"), QDate::currentDate().toString(Qt::ISODate)),
        task(QStringLiteral("Review Anna's pull request"), QDate::currentDate().addDays(1).toString(Qt::ISODate)),
        task(QStringLiteral("Book the dentist")),
        task(QStringLiteral("Already done"), std::nullopt, QStringLiteral("completed")),
        task(QStringLiteral("Plan the team offsite"), QDate::currentDate().addDays(9).toString(Qt::ISODate)),
        task(QStringLiteral("Renew the passport")),
    };
}

Event event(const QString &summary, std::optional<QDateTime> start, const QString &meeting = {},
            std::optional<QString> passcode = std::nullopt)
{
    Event event;
    event.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    event.summary = summary;
    event.start.dateTime = std::move(start);
    if (!meeting.isEmpty()) {
        Event::ConferenceData conference;
        conference.conferenceId = QStringLiteral("81273644551");
        conference.entryPoints = {{QStringLiteral("video"), meeting, std::nullopt, std::move(passcode)}};
        event.conferenceData = conference;
    }
    return event;
}

QDateTime today(int hour, int minute, int days = 0)
{
    return QDateTime(QDate::currentDate().addDays(days), QTime(hour, minute));
}

struct Shot
{
    QString name;
    int tab = 0;
    std::function<void(DefaultViewModel &)> setUp;
    // Run on the shown view before it is grabbed.
    std::function<void(QQuickView &)> interact;
    // A translation to show the view in, e.g. "de".
    QString language = {};
};

QQuickItem *findItem(QQuickView &view, const QString &name)
{
    return view.rootObject()->findChild<QQuickItem *>(name);
}

// The pointer rests over the n-th task row.
void hoverTaskRow(QQuickView &view, int row)
{
    QQuickItem *list = findItem(view, QStringLiteral("taskRows"));
    if (!list)
        return;
    const QPointF local(40, 24 + row * 52);
    const QPointF pos = list->mapToScene(local);
    QMouseEvent move(QEvent::MouseMove, pos, pos, view.mapToGlobal(pos.toPoint()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QGuiApplication::sendEvent(&view, &move);
}

bool render(const Shot &shot, UserManager &users, const QDir &out)
{
    QTranslator translator;
    const QLocale defaultLocale;
    // STINT_SCREENSHOT_LANGUAGE=fr shows every view in French, to check
    // that the texts fit.
    const QString language =
        shot.language.isEmpty() ? qEnvironmentVariable("STINT_SCREENSHOT_LANGUAGE") : shot.language;
    if (!language.isEmpty()) {
        if (!translator.load(QStringLiteral(":/i18n/stint_%1.qm").arg(language)))
            return false;
        QCoreApplication::installTranslator(&translator);
        QLocale::setDefault(QLocale(language));
    }
    const auto restore = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(defaultLocale);
    });

    DefaultViewModel viewModel(Alarm::makeDefault(), nullptr, &users);
    shot.setUp(viewModel);

    QQuickView view;
    view.setColor(Qt::white);
    view.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
                               {QStringLiteral("selectedIndex"), shot.tab}});
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/Stint/ui/ContentView.qml")));
    if (view.status() != QQuickView::Ready) {
        for (const QQmlError &error : view.errors())
            QTextStream(stderr) << error.toString() << Qt::endl;
        return false;
    }
    view.resize(330, qCeil(view.rootObject()->implicitHeight()));
    view.show();
    wait(100);
    // Loaders may have grown the content: size the window to it again.
    view.resize(330, qCeil(view.rootObject()->implicitHeight()));
    wait(100);
    if (shot.interact) {
        shot.interact(view);
        wait(400);
    }

    const QString path = out.filePath(shot.name + QStringLiteral(".png"));
    if (!view.grabWindow().save(path)) {
        QTextStream(stderr) << "cannot write " << path << Qt::endl;
        return false;
    }
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// Every icon of the views, large, on one sheet.
bool renderIcons(const QDir &out)
{
    static const char *const names[] = {
        "timer", "stint", "play.circle.fill", "pause.circle.fill", "stop.circle.fill",
        "link.circle.fill", "star.fill", "gearshape.fill", "arrow.right.square.fill",
        "shield.fill", "power", "google-g",
    };
    QStringList sources;
    for (const char *name : names)
        sources << QStringLiteral("\"qrc:/Stint/ui/icons/%1.svg\"").arg(QLatin1String(name));

    QQuickView view;
    view.setColor(Qt::white);
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    const QByteArray qml = QStringLiteral(R"(
import QtQuick
Grid {
    columns: 6; spacing: 16; padding: 16
    Repeater {
        model: [%1]
        Image { source: modelData; sourceSize.width: 64; sourceSize.height: 64 }
    }
})").arg(sources.join(u','))
                               .toUtf8();
    QQmlComponent component(view.engine());
    component.setData(qml, QUrl());
    auto *grid = qobject_cast<QQuickItem *>(component.create());
    if (!grid)
        return false;
    grid->setParentItem(view.contentItem());
    view.resize(qCeil(grid->implicitWidth()), qCeil(grid->implicitHeight()));
    view.show();
    wait(150);
    const QString path = out.filePath(QStringLiteral("icons.png"));
    const bool saved = view.grabWindow().save(path);
    delete grid;
    if (saved)
        QTextStream(stdout) << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");

    // Any request that slips through goes to a closed local port.
    QTemporaryFile info;
    if (!info.open())
        return 1;
    info.write(R"({"BACKEND_URL": "http://127.0.0.1:9"})");
    info.close();
    qputenv("STINT_INFO_FILE", QFile::encodeName(info.fileName()));

    QGuiApplication app(argc, argv);
    // The same dates and times on every machine that renders them.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc != 2) {
        QTextStream(stderr) << "usage: stint-screenshots <outdir>" << Qt::endl;
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    UserManager users(nullptr);
    auto signedIn = [](DefaultViewModel &viewModel) {
        viewModel.setCurrentUserRenewed(true);
        viewModel.setTasks(sampleTasks());
    };

    const QList<Shot> shots = {
        {QStringLiteral("signed-out"), 0, [](DefaultViewModel &) {}, {}},
        {QStringLiteral("signed-in-tasks"), 0, signedIn,
         [](QQuickView &view) { hoverTaskRow(view, 1); }},
        {QStringLiteral("running"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
             viewModel.setIsTimerRunning(true);
             viewModel.setTime(1102);
             viewModel.updateProgress();
         },
         {}},
        {QStringLiteral("paused"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.setTime(1102);
             viewModel.updateProgress();
         },
         {}},
        {QStringLiteral("question"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
             viewModel.setTime(1);
             viewModel.setIsTimerRunning(true);
             viewModel.tick(); // the phase runs out
         },
         {}},
        {QStringLiteral("rest"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.stopAndSwitchPhase();
         },
         {}},
        {QStringLiteral("fetch-error"), 0,
         [](DefaultViewModel &viewModel) {
             viewModel.setCurrentUserRenewed(true);
             viewModel.setTasksErrorMessage(
                 QStringLiteral("The Internet connection appears to be offline."));
             viewModel.setTasksFetchHasError(true);
         },
         {}},
        {QStringLiteral("new-task"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.setNewTask(true);
         },
         [](QQuickView &view) {
             if (QQuickItem *field = findItem(view, QStringLiteral("newTaskField")))
                 field->setProperty("text", QStringLiteral("Call the bank"));
         }},
        {QStringLiteral("settings-menu"), 0, signedIn,
         [](QQuickView &view) {
             if (QObject *menu = view.rootObject()->findChild<QObject *>(QStringLiteral("settingsMenu")))
                 QMetaObject::invokeMethod(menu, "open");
         }},
        {QStringLiteral("question-de"), 0,
         [&](DefaultViewModel &viewModel) {
             signedIn(viewModel);
             viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
             viewModel.setTime(1);
             viewModel.setIsTimerRunning(true);
             viewModel.tick();
         },
         {}, QStringLiteral("de")},
        {QStringLiteral("events"), 1,
         [](DefaultViewModel &viewModel) {
             viewModel.setCurrentUserRenewed(true);
             viewModel.setEvents({
                 event(QStringLiteral("Team standup"), today(9, 30),
                       QStringLiteral("https://meet.google.com/abc-defg-hij")),
                 event(QStringLiteral("Design review"), today(11, 0),
                       QStringLiteral("https://us02web.zoom.us/j/81273644551?pwd=x"), QStringLiteral("x")),
                 event(QStringLiteral("Lunch with Sam"), today(12, 30)),
                 event(QStringLiteral("Company holiday"), std::nullopt),
                 event(QStringLiteral("Quarterly planning"), today(0, 0, 1),
                       QStringLiteral("https://meet.google.com/xyz-abcd-efg")),
             });
         },
         {}},
        {QStringLiteral("events-no-meetings"), 1,
         [](DefaultViewModel &viewModel) {
             viewModel.setCurrentUserRenewed(true);
             viewModel.setEvents({
                 event(QStringLiteral("Dentist"), today(8, 15)),
                 event(QStringLiteral("Lunch with Sam"), today(12, 30)),
                 event(QStringLiteral("Pick up the kids"), today(16, 45)),
             });
         },
         {}},
    };

    bool ok = renderIcons(out);
    for (const Shot &shot : shots)
        ok = render(shot, users, out) && ok;
    return ok ? 0 : 1;
}
