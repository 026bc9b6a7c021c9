// Renders the popover in its main states to PNG files, with fake state set
// directly on a view-model. Each shot is the real popover window, opened
// beside a tray icon in the top-right corner of a 1280x800 screen and sized
// by its own rules, so what the picture shows is what fits. Nothing is sent
// over the network: the views' requests would go to a closed local port, and
// every state that would ask for events has events before the events tab is
// made.
//
//   stint-screenshots <outdir> [--dark] [--scale <factor>]
//
// --dark draws with a dark desktop palette (names end in "-dark"); --scale
// renders at that scale factor (names end in "@<factor>x").

#include "accounts/googleclient.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "app/popoverwindow.h"
#include "app/remindernotifier.h"
#include "backend/event.h"
#include "backend/task.h"
#include "timer/defaultviewmodel.h"
#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "history/todaysummary.h"
#include "timer/dayclock.h"
#include "timer/fetchfailure.h"
#include "timer/meetingreminders.h"
#include "ui/focushistorylink.h"
#include "ui/focushistorymodel.h"

#include <QDir>
#include <QPalette>
#include <QScreen>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlEngineExtensionPlugin>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
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

// A standup in 12 minutes, a review later on.
QList<Event> dayOfMeetings()
{
    const QDateTime soon = QDateTime::currentDateTime().addSecs(12 * 60);
    Event standup = event(QStringLiteral("Team standup"), soon, QStringLiteral("https://meet.google.com/abc-defg-hij"));
    standup.end.dateTime = soon.addSecs(15 * 60);
    Event review = event(QStringLiteral("Design review"), soon.addSecs(3600));
    review.end.dateTime = soon.addSecs(2 * 3600);
    return {standup, review};
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
    // The day's line from the focus history, under the ring.
    TodaySummary *dayLine = nullptr;
};

QQuickItem *findItem(QQuickView &view, const QString &name)
{
    return view.rootObject()->findChild<QQuickItem *>(name);
}

// A dark desktop palette, as Plasma's Breeze Dark gives Qt.
QPalette darkPalette()
{
    QPalette palette(QColor(0x2a, 0x2e, 0x32));
    palette.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    palette.setColor(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29));
    palette.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColor(0xfc, 0xfc, 0xfc));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return palette;
}

// The pointer rests over the n-th task row.
void hoverTaskRow(QQuickView &view, int row)
{
    QQuickItem *list = findItem(view, QStringLiteral("taskRows"));
    if (!list)
        return;
    const QPointF local(40, 24 + row * 52);
    const QPointF pos = list->mapToScene(local);
    QMouseEvent move(QEvent::MouseMove, pos, pos, view.mapToGlobal(pos.toPoint()), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QGuiApplication::sendEvent(&view, &move);
}

// STINT_SCREENSHOT_LANGUAGE=fr shows every view in French, to check that
// the texts fit; a shot may also name its own language. Given back when
// the shot is taken.
class ShotLanguage
{
public:
    explicit ShotLanguage(const QString &language)
    {
        const QString name = language.isEmpty() ? qEnvironmentVariable("STINT_SCREENSHOT_LANGUAGE") : language;
        if (name.isEmpty())
            return;
        m_loaded = m_translator.load(QStringLiteral(":/i18n/stint_%1.qm").arg(name));
        QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(QLocale(name));
    }
    ~ShotLanguage()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_defaultLocale);
    }
    bool failed() const { return !m_loaded; }

private:
    QTranslator m_translator;
    const QLocale m_defaultLocale;
    bool m_loaded = true;
};

bool render(const Shot &shot, UserManager &users, const QDir &out, const QString &suffix)
{
    const ShotLanguage language(shot.language);
    if (language.failed())
        return false;

    DefaultViewModel viewModel(Alarm::makeDefault(), nullptr, &users);
    shot.setUp(viewModel);

    PopoverWindow view(PopoverWindow::Mode::popover);
    if (shot.dayLine) {
        // Its text in the shot's language.
        shot.dayLine->update();
        FocusHistoryLink::of(view.engine())->setSummary(shot.dayLine);
    }
    view.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
                               {QStringLiteral("selectedIndex"), shot.tab}});
    view.setSource(QUrl(QStringLiteral("qrc:/Stint/ContentView.qml")));
    if (view.status() != QQuickView::Ready) {
        for (const QQmlError &error : view.errors())
            QTextStream(stderr) << error.toString() << Qt::endl;
        return false;
    }
    // Opened as the tray icon opens it; from then on the window follows its
    // content by itself.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    view.setContentSize(view.fittingSize());
    view.showRelativeTo(QRect(screen.right() - 40, screen.top(), 24, 1));
    wait(150);
    if (shot.interact) {
        shot.interact(view);
        wait(400);
    }
    const QString path = out.filePath(shot.name + suffix + QStringLiteral(".png"));
    if (!view.grabWindow().save(path)) {
        QTextStream(stderr) << "cannot write " << path << Qt::endl;
        return false;
    }
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// A meeting reminder as a notification server draws it: a plain bubble with
// the texts and the actions Stint sends (the look is the desktop's own).
bool renderReminder(const QDir &out, const QString &suffix, bool dark)
{
    const QDateTime start = QDateTime(QDate::currentDate(), QTime(9, 30));
    Event standup =
            event(QStringLiteral("Team standup"), start, QStringLiteral("https://meet.google.com/abc-defg-hij"));
    standup.end.dateTime = start.addSecs(15 * 60);
    const QStringList actions = ReminderNotifier::actions();

    QQuickView view;
    view.setColor(dark ? QColor(0x1b, 0x1e, 0x20) : QColor(0xef, 0xf0, 0xf1));
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    // What the server is given: the text a minute before the start, the
    // time, and the labels of the two actions.
    const QVariantMap texts{{QStringLiteral("summary"), MeetingReminders::text(standup, start.addSecs(-60))},
                            {QStringLiteral("body"), ReminderNotifier::body(standup)},
                            {QStringLiteral("actionLabels"), QStringList{actions.at(1), actions.at(3)}},
                            {QStringLiteral("dark"), dark}};
    QQmlComponent component(view.engine());
    component.setData(R"(
import QtQuick
Item {
    required property string summary
    required property string body
    required property var actionLabels
    required property bool dark
    width: 380; height: bubble.height + 32
    Rectangle {
        id: bubble
        x: 16; y: 16; width: 348; height: column.height + 24
        radius: 10
        color: dark ? "#31363b" : "white"
        border.color: dark ? "#4d5359" : "#d0d3d6"
        Column {
            id: column
            x: 14; y: 12; width: parent.width - 28; spacing: 6
            Row {
                spacing: 8
                Image { source: "qrc:/Stint/icons/timer.svg"; sourceSize.width: 18; sourceSize.height: 18 }
                Text { text: "Stint"; font.pixelSize: 12; color: dark ? "#bdc3c7" : "#5c6166" }
            }
            Text { text: summary; font.pixelSize: 15; font.bold: true; color: dark ? "#fcfcfc" : "#232629" }
            Text { text: body; font.pixelSize: 13; color: dark ? "#fcfcfc" : "#232629" }
            Row {
                spacing: 8; topPadding: 4
                Repeater {
                    model: actionLabels
                    Rectangle {
                        width: label.width + 24; height: 28; radius: 6
                        color: dark ? "#3b4045" : "#eff0f1"
                        Text { id: label; anchors.centerIn: parent; text: modelData; font.pixelSize: 13
                               color: dark ? "#fcfcfc" : "#232629" }
                    }
                }
            }
        }
    }
})",
                      QUrl());
    view.setContent(QUrl(), &component, component.createWithInitialProperties(texts));
    view.show();
    wait(150);
    const QString path = out.filePath(QStringLiteral("reminder") + suffix + QStringLiteral(".png"));
    if (!view.grabWindow().save(path))
        return false;
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// Two weeks of focus, ending with this morning, in the history at `store`.
void fillHistory(HistoryStore &store)
{
    const QDate today = QDate::currentDate();
    const QStringList titles{QStringLiteral("Write the quarterly report"), QStringLiteral("Review Anna's pull request"),
                             QStringLiteral("Plan the team offsite"), QStringLiteral("Renew the passport")};
    for (int day = -13; day <= 0; ++day) {
        const QDate date = today.addDays(day);
        const int phases = day == 0 ? 3 : date.dayOfWeek() >= 6 ? (day % 3 == 0 ? 1 : 0) : 3 + (day * 7 % 5);
        QDateTime start(date, QTime(9, 0));
        for (int i = 0; i < phases; ++i) {
            PhaseRecord focus;
            focus.startedAt = start;
            focus.plannedSeconds = 1500;
            focus.focusedSeconds = (i + day) % 4 == 1 ? 900 : 1500;
            focus.endedAt = start.addSecs(focus.focusedSeconds);
            focus.taskTitle = titles.at((i + qAbs(day)) % titles.size());
            focus.ending = focus.focusedSeconds == 1500 ? PhaseRecord::Ending::ranOut : PhaseRecord::Ending::stopped;
            focus.answer = i == phases - 1 ? PhaseRecord::Answer::yes : PhaseRecord::Answer::no;
            store.save(focus);
            PhaseRecord rest;
            rest.kind = PhaseRecord::Kind::rest;
            rest.startedAt = focus.endedAt;
            rest.plannedSeconds = rest.focusedSeconds = 300;
            rest.endedAt = rest.startedAt.addSecs(300);
            rest.ending = PhaseRecord::Ending::ranOut;
            store.save(rest);
            start = rest.endedAt.addSecs(600);
        }
    }
}

// The "Focus History" window over the history in `store`.
bool renderHistory(HistoryStore &store, PhaseRecorder &recorder, DayClock &clock, const QDir &out,
                   const QString &suffix)
{
    const ShotLanguage language({});
    if (language.failed())
        return false;
    FocusHistoryModel model(&store, &recorder, &clock);
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setInitialProperties({{QStringLiteral("model"), QVariant::fromValue(&model)}});
    view.setSource(QUrl(QStringLiteral("qrc:/Stint/FocusHistoryView.qml")));
    if (view.status() != QQuickView::Ready) {
        for (const QQmlError &error : view.errors())
            QTextStream(stderr) << error.toString() << Qt::endl;
        return false;
    }
    view.resize(int(view.rootObject()->implicitWidth()), int(view.rootObject()->implicitHeight()));
    view.show();
    wait(300);
    const QString path = out.filePath(QStringLiteral("history") + suffix + QStringLiteral(".png"));
    if (!view.grabWindow().save(path))
        return false;
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// Every icon of the views, large, on one sheet.
bool renderIcons(const QDir &out)
{
    static const char *const names[] = {
            "timer",
            "stint",
            "play.circle.fill",
            "pause.circle.fill",
            "stop.circle.fill",
            "link.circle.fill",
            "star.fill",
            "gearshape.fill",
            "arrow.right.square.fill",
            "shield.fill",
            "key.fill",
            "power",
            "google-g",
    };
    QStringList sources;
    for (const char *name : names)
        sources << QStringLiteral("\"qrc:/Stint/icons/%1.svg\"").arg(QLatin1String(name));

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
})")
                                   .arg(sources.join(u','))
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
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool dark = arguments.removeAll(QStringLiteral("--dark")) > 0;
    QString scale;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--scale")); at >= 0 && at + 1 < arguments.size()) {
        scale = arguments.takeAt(at + 1);
        arguments.removeAt(at);
    }
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: stint-screenshots <outdir> [--dark] [--scale <factor>]" << Qt::endl;
        return 2;
    }

    // A screen without panels, 1280x800 at the scale factor given.
    const double factor = scale.isEmpty() ? 1.0 : scale.toDouble();
    QTemporaryFile screens;
    if (!screens.open() || factor < 1 || factor > 4)
        return 1;
    screens.write(QStringLiteral(R"({"screens": [{"name": "shot", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                          .arg(qRound(1280 * factor))
                          .arg(qRound(800 * factor))
                          .toUtf8());
    screens.close();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    qputenv("QT_QUICK_BACKEND", "software");
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());

    // Any request that slips through goes to a closed local port.
    QTemporaryFile info;
    if (!info.open())
        return 1;
    info.write(R"({"BACKEND_URL": "http://127.0.0.1:9"})");
    info.close();
    qputenv("STINT_INFO_FILE", QFile::encodeName(info.fileName()));
    // Nor settings of this machine's or user's: no Google client anywhere.
    QTemporaryDir noSettings;
    if (!noSettings.isValid())
        return 1;
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(noSettings.filePath(QStringLiteral("system"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(noSettings.filePath(QStringLiteral("user"))));
    // No desktop settings from this machine's session.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    QGuiApplication app(argc, argv);
    if (dark)
        QGuiApplication::setPalette(darkPalette());
    // The same dates and times on every machine that renders them.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QDir out(arguments.first());
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    const QString suffix = (dark ? QStringLiteral("-dark") : QString())
            + (scale.isEmpty() ? QString() : QStringLiteral("@%1x").arg(scale));

    UserManager users(nullptr);
    MemoryTokenStore noSecret;
    GoogleClient noClient(&noSecret);
    bool loaded = false;
    noClient.load([&loaded] { loaded = true; });
    while (!loaded)
        wait(10);
    const auto connectGoogle = [&noClient](DefaultViewModel &viewModel) { viewModel.setGoogleClient(&noClient); };
    MemoryTokenStore someSecret;
    GoogleClient someClient(&someSecret);
    someClient.save(QStringLiteral("1234-abc.apps.googleusercontent.com"), QStringLiteral("GOCSPX-x"));
    auto signedIn = [](DefaultViewModel &viewModel) {
        viewModel.setCurrentUserRenewed(true);
        viewModel.setTasks(sampleTasks());
    };

    // A focus history of two weeks, in a file of its own.
    QTemporaryDir historyDir;
    HistoryStore history(historyDir.filePath(QStringLiteral("history.sqlite")));
    history.open();
    fillHistory(history);
    DefaultViewModel historyModel(Alarm::makeDefault(), nullptr, &users);
    PhaseRecorder recorder(&historyModel, &history, historyModel.dayClock());
    TodaySummary summary(&history, &recorder, historyModel.dayClock());

    const auto running = [&](DefaultViewModel &viewModel) {
        signedIn(viewModel);
        viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
        viewModel.setIsTimerRunning(true);
        viewModel.setTime(1102);
        viewModel.updateProgress();
    };
    const QList<Shot> shots = {
            {QStringLiteral("signed-out"), 0, [](DefaultViewModel &) {}, {}},
            {QStringLiteral("connect-google"), 0, connectGoogle, {}},
            {QStringLiteral("signed-in-tasks"), 0, signedIn, [](QQuickView &view) { hoverTaskRow(view, 1); }},
            {QStringLiteral("running"), 0, running, {}},
            // The same, with the day's line from the focus history.
            {QStringLiteral("day-line"), 0, running, {}, {}, &summary},
            {QStringLiteral("paused"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setTime(1102);
                 viewModel.updateProgress();
             },
             {}},
            {QStringLiteral("question"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
                 viewModel.setTime(1);
                 viewModel.setIsTimerRunning(true);
                 viewModel.tick(); // the phase runs out
             },
             {}},
            {QStringLiteral("rest"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.stopAndSwitchPhase();
             },
             {}},
            {QStringLiteral("fetch-error"),
             0,
             [](DefaultViewModel &viewModel) {
                 viewModel.setCurrentUserRenewed(true);
                 viewModel.setTasksErrorMessage(FetchFailure::describe(
                         Error{QStringLiteral("HTTP"), 502, QStringLiteral("HTTP 502 Bad Gateway")}));
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
            {QStringLiteral("settings-menu"), 0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setGoogleClient(&someClient);
             },
             [](QQuickView &view) {
                 if (QObject *menu = view.rootObject()->findChild<QObject *>(QStringLiteral("settingsMenu")))
                     QMetaObject::invokeMethod(menu, "open");
             }},
            {QStringLiteral("question-de"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
                 viewModel.setTime(1);
                 viewModel.setIsTimerRunning(true);
                 viewModel.tick();
             },
             {},
             QStringLiteral("de")},
            {QStringLiteral("next-meeting"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setEvents(dayOfMeetings());
             },
             {}},
            {QStringLiteral("focus-meets-meeting"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setEvents(dayOfMeetings());
                 viewModel.setTaskTitle(QStringLiteral("Write the quarterly report"));
                 viewModel.setIsTimerRunning(true);
             },
             {}},
            {QStringLiteral("new-task-failed"),
             0,
             [&](DefaultViewModel &viewModel) {
                 signedIn(viewModel);
                 viewModel.setNewTask(true);
                 viewModel.newTaskDraft()->setTitle(QStringLiteral("Call the bank"));
                 viewModel.newTaskDraft()->failed(Error{QStringLiteral("QNetworkReply"), 1, {}});
             },
             {}},
            {QStringLiteral("events"),
             1,
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
            {QStringLiteral("events-no-meetings"),
             1,
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

    bool ok = suffix.isEmpty() ? renderIcons(out) : true;
    if (scale.isEmpty())
        ok = renderReminder(out, suffix, dark) && ok;
    for (const Shot &shot : shots)
        ok = render(shot, users, out, suffix) && ok;
    ok = renderHistory(history, recorder, *historyModel.dayClock(), out, suffix) && ok;
    return ok ? 0 : 1;
}
