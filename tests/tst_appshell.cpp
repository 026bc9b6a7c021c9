// The countdown: its steps, starting work from any phase, the gong, the text
// drop and the tick source. The app's shell on the desktop: the countdown in
// the tray (drawn only when what it shows changes), where the popover opens
// next to its icon, its views held while it is hidden (they catch up before
// it is measured or shown), and the login autostart entry. The translations:
// every language has every text, finished and with its placeholders, built
// into the app; the user's language list picks one.

#include "app/popoverplacement.h"
#include "app/popoverwindow.h"
#include "ui/startatlogin.h"
#include "app/traycountdown.h"
#include "app/translations.h"
#include "app/trayicon.h"
#include "support/meetings.h"
#include "support/modelfixture.h"
#include "ui/textdropdelegate.h"
#include "ui/ticktimer.h"

#include <QMenu>
#include <QQmlEngineExtensionPlugin>
#include <QSignalSpy>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cmath>

using namespace std::chrono_literals;

namespace {

// The share of the ring drawn in full colour, along the middle of the stroke.
double fractionDrawn(const QImage &image)
{
    const double size = TrayCountdown::iconSize, radius = (size - size / 6.0) / 2;
    int full = 0;
    for (int i = 0; i < 720; ++i) {
        const double angle = 2 * M_PI * (i + 0.5) / 720;
        const QPoint at(int(size / 2 + radius * std::cos(angle)), int(size / 2 - radius * std::sin(angle)));
        full += qAlpha(image.pixel(at)) > 200;
    }
    return full / 720.0;
}

// A 1920x1080 screen; the panels take 28 px (48 at the sides) from one edge.
const QRect screen(0, 0, 1920, 1080);
const QRect belowTopPanel(0, 28, 1920, 1052);
const QRect aboveBottomPanel(0, 0, 1920, 1052);
const QRect rightOfLeftPanel(48, 0, 1872, 1080);
const QRect leftOfRightPanel(0, 0, 1872, 1080);
const QSize popover(330, 500);

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:L?[1-9]|n)"));
    QStringList found;
    for (const auto &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

Q_IMPORT_QML_PLUGIN(StintPlugin)

class TestAppShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Stint")); }

    void phaseRunsOutExactlyAtZero_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("taskTitle");
        QTest::newRow("focus with a task") << false << "Write report";
        QTest::newRow("focus without a task") << false << "";
        QTest::newRow("rest with a task") << true << "Write report";
    }

    void phaseRunsOutExactlyAtZero()
    {
        QFETCH(bool, rest);
        QFETCH(QString, taskTitle);
        ModelFixture f;
        if (rest) {
            f.run(100);
            f.model.stopAndSwitchPhase(); // the stop button
            QCOMPARE(f.model.currentState(), PomodoroState::rest);
            QVERIFY(!f.model.isTimerRunning());
        }
        const auto phase = f.model.currentState();
        const double length = f.model.duration(phase);
        f.model.setTaskTitle(taskTitle);
        f.run(int(length) - 1);
        QCOMPARE(f.model.time(), 1.0);
        QVERIFY(f.model.isTimerRunning() && !f.model.shouldAskIfTaskIsDone());
        QCOMPARE(f.model.alarmPlayer().playCount(), 0);
        QVERIFY(!f.model.alarmPlayer().isAudioDeviceOpen()); // opened at the first gong

        QSignalSpy ended(&f.model, &DefaultViewModel::phaseEnded);
        f.model.tick();
        // Ready again in the same phase, until the user switches.
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.model.time(), length);
        QCOMPARE(f.model.currentState(), phase);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), !taskTitle.isEmpty());
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
        QVERIFY(f.model.alarmPlayer().isAudioDeviceOpen());
    }

    // A task started from any phase runs a full focus phase.
    void startingATaskRunsAFullFocusPhase()
    {
        for (const bool fromRest : {false, true}) {
            ModelFixture f;
            if (fromRest)
                f.model.stopAndSwitchPhase();
            f.run(30);
            if (fromRest)
                f.model.setIsTimerRunning(false); // paused
            Task2 task;
            task.title = QStringLiteral("Plan the week");
            f.model.startTask(task);
            QCOMPARE(f.model.taskTitle(), task.title);
            QCOMPARE(f.model.currentState(), PomodoroState::focus);
            QCOMPARE(f.model.time(), 1500.0);
            QVERIFY(f.model.isTimerRunning());
        }
    }

    void badSoundIsReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QFile gong(AlarmPlayer::defaultResource);
        QVERIFY(gong.open(QIODevice::ReadOnly));
        QByteArray compressed = gong.readAll();
        compressed[20] = 0x55; // MPEG layer 3 in a WAV wrapper
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a sound") << QByteArray("this is not a sound\n");
        QTest::newRow("compressed") << compressed;
    }

    void badSoundIsReportedOnce()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("gong.wav")));
        QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        file.close();
        StdoutCapture capture;
        AlarmPlayer player(file.fileName());
        QVERIFY(!player.hasAudioPlayer());
        player.play(); // silent, and no second report
        QVERIFY(!player.isAudioDeviceOpen());
        QCOMPARE(capture.lines().size(), 1);
        const QString line = bytes.isEmpty() ? "Sound file not found" : "Error initializing AVAudioPlayer: ";
        QVERIFY2(capture.lines().first().startsWith(line), qPrintable(capture.lines().first()));
    }

    // A drop, too, runs a full focus phase, with the first text as the task.
    void dropAppliesTheFirstTextLater()
    {
        ModelFixture f;
        f.run(30);
        auto delegate = std::make_unique<TextDropDelegate>();
        delegate->setViewModel(&f.model);
        QVERIFY(!delegate->performDrop({}));
        QVERIFY(delegate->performDrop({"Write the report", "Call the bank"}));
        QCOMPARE(f.model.taskTitle(), QString()); // taken, but not applied yet
        QTRY_COMPARE(f.model.taskTitle(), QStringLiteral("Write the report"));
        QVERIFY(f.model.isTimerRunning());
        QCOMPARE(f.model.time(), 1500.0);
        // The delegate (and the view with it) gone before the drop is applied.
        QVERIFY(delegate->performDrop({"Too late"}));
        delegate.reset();
        QCoreApplication::processEvents();
        QCOMPARE(f.model.taskTitle(), QStringLiteral("Write the report"));
    }

    // Whole seconds on the tick source's clock count, including time asleep,
    // and only while the countdown runs.
    void tickSourceCountsWholeSecondsOfItsClock()
    {
        ModelFixture f;
        f.model.setTaskTitle(QStringLiteral("Write report"));
        std::chrono::milliseconds now{5'000'000};
        TickTimer ticks(&f.model, [&now] { return now; });
        f.model.setIsTimerRunning(true);
        QVERIFY(ticks.isRunning());
        now += 2700ms;
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1498.0);
        now += 300ms; // with the 0.7 s left over: a third second
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1497.0);

        // Paused for a while: nothing counts, and the restart counts from then.
        f.model.setIsTimerRunning(false);
        QVERIFY(!ticks.isRunning());
        now += 5min;
        f.model.setIsTimerRunning(true);
        now += 1s;
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1496.0);

        // Nobody watching: it wakes only when the minutes left change (in
        // 56 s); watched again, it catches up straight away.
        ticks.setSecondsWatched(false);
        QVERIFY(ticks.remainingTime() > 55'000 && ticks.remainingTime() <= 56'000);
        now += 66s;
        ticks.setSecondsWatched(true);
        QCOMPARE(f.model.time(), 1430.0);

        // Asleep for an hour: the phase ends once, with one gong.
        now += 1h;
        ticks.catchUp();
        QVERIFY(!ticks.isRunning());
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
    }

    void showsThePhaseAndTheMinutesLeft_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<double>("fraction"); // of the ring; none: the app's own icon
        QTest::newRow("ready") << false << 0 << false << "Stint" << -1.0;
        QTest::newRow("focus, 21 min 59 s left") << false << 181 << false << "Focus · 22 min left" << 0.88;
        QTest::newRow("focus, last second") << false << 1499 << false << "Focus · 1 min left" << 0.04;
        QTest::newRow("rest, 2 min 59 s left") << true << 121 << false << "Rest · 3 min left" << 0.6;
        QTest::newRow("paused at 12 min") << false << 780 << true << "Paused · 12 min left" << 0.48;
        QTest::newRow("focus ran out") << false << 1500 << false << "Stint" << -1.0;
    }

    void showsThePhaseAndTheMinutesLeft()
    {
        QFETCH(bool, rest);
        QFETCH(int, ticks);
        QFETCH(bool, pause);
        QFETCH(QString, toolTip);
        QFETCH(double, fraction);
        ModelFixture f;
        QSystemTrayIcon tray;
        const QIcon appIcon(QStringLiteral(":/Stint/icons/timer.svg"));
        TrayCountdown countdown(&f.model, &tray, appIcon);
        if (rest)
            f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(ticks > 0);
        for (int i = 0; i < ticks; ++i)
            f.model.tick();
        if (pause)
            f.model.setIsTimerRunning(false);

        QCOMPARE(tray.toolTip(), toolTip);
        if (fraction < 0) {
            QCOMPARE(tray.icon().cacheKey(), appIcon.cacheKey());
            return;
        }
        const QImage drawn = TrayCountdown::render(countdown.face());
        QVERIFY(qAbs(fractionDrawn(drawn) - fraction) < 0.02);
        // Focus, rest and pause are drawn in different colours.
        const QColor arc = drawn.pixelColor(TrayCountdown::iconSize / 2, TrayCountdown::iconSize / 24);
        QVERIFY(pause ? arc.saturation() < 80 : rest ? arc.hue() > 90 && arc.hue() < 160 : arc.hue() > 200);
    }

    void drawsOncePerMinuteAndAtEachChange()
    {
        ModelFixture f;
        TrayCountdown countdown(&f.model, nullptr, QIcon());
        const int atStart = countdown.redraws();
        f.model.setIsTimerRunning(true); // starts: drawn
        for (int i = 0; i < 120; ++i)
            f.model.tick(); // 25 -> 24 -> 23 minutes
        f.model.setIsTimerRunning(false); // paused: drawn
        f.model.setIsTimerRunning(false); // announced again, same face: not drawn
        QCOMPARE(countdown.redraws(), atStart + 4);
    }
    // The tray menu drives the countdown as the popover's buttons do, and
    // its lines follow it while the menu is open.
    void trayMenuDrivesAndFollowsTheCountdown()
    {
        ModelFixture f;
        TrayIcon tray{QIcon()};
        tray.setViewModel(&f.model);
        const QList<QAction *> actions = tray.menu()->actions();
        QAction *status = actions.at(0), *startPause = actions.at(1), *stop = actions.at(2);
        const auto state = [&] {
            return QStringList{status->text(), startPause->text(), stop->isEnabled() ? "stop" : "-"}.join(" | ");
        };
        QVERIFY(!status->isEnabled());
        QCOMPARE(state(), "Focus · 25 min | Start Focus | -");
        startPause->trigger();
        QVERIFY(f.model.isTimerRunning());
        for (int i = 0; i < 13 * 60; ++i)
            f.model.tick();
        QCOMPARE(state(), "Focus · 12 min left | Pause | stop");
        startPause->trigger();
        QVERIFY(!f.model.isTimerRunning());
        QCOMPARE(state(), "Paused · 12 min left | Resume | stop");
        stop->trigger();
        QCOMPARE(f.model.currentState(), PomodoroState::rest);
        QCOMPARE(state(), "Rest · 5 min | Start Rest | -");

        QSignalSpy opened(&tray, &TrayIcon::openRequested);
        const auto open = std::find_if(actions.begin(), actions.end(),
                                       [](QAction *action) { return action->text() == "Open Stint"; });
        QVERIFY(open != actions.end());
        (*open)->trigger();
        QCOMPARE(opened.count(), 1);
    }

    // Under the countdown, the tooltip names the next meeting as the line
    // under the ring does, and follows it.
    void toolTipNamesTheNextMeeting()
    {
        ModelFixture f;
        QSystemTrayIcon tray;
        TrayCountdown countdown(&f.model, &tray, QIcon());
        f.model.setCurrentUserRenewed(true);
        f.model.setEvents({meeting("Standup", QDateTime::currentDateTime().addSecs(-300), {}, 60)});
        QCOMPARE(tray.toolTip(), "Stint\nStandup now");
        // Half a minute to spare: the phase starts a moment after this.
        f.model.setEvents({meeting("Review", QDateTime::currentDateTime().addSecs(630))});
        f.model.setIsTimerRunning(true);
        QCOMPARE(tray.toolTip(), "Focus · 25 min left\nReview starts 15 min before this focus phase ends");
        f.model.setIsTimerRunning(false);
        f.model.setEvents({});
        QCOMPARE(tray.toolTip(), "Stint");
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        const auto row = [](const char *name, QRect anchor, QSize size, QRect available, QRect expected) {
            QTest::newRow(name) << anchor << size << available << expected;
        };
        row("top panel: centred below", {1000, 2, 24, 24}, popover, belowTopPanel, {846, 30, 330, 500});
        row("bottom panel, right end: above", {1800, 1054, 24, 24}, popover, aboveBottomPanel, {1590, 550, 330, 500});
        row("left panel, upper half", {12, 100, 24, 24}, popover, rightOfLeftPanel, {48, 100, 330, 500});
        row("right panel, lower half", {1884, 900, 24, 24}, popover, leftOfRightPanel, {1542, 424, 330, 500});
        row("no icon geometry, a click", {600, 10, 1, 1}, popover, belowTopPanel, {435, 28, 330, 500});
        row("no room below: pushed up", {900, 500, 24, 24}, {330, 600}, belowTopPanel, {746, 480, 330, 600});
        row("taller than the screen", {1000, 2, 24, 24}, {330, 2000}, belowTopPanel, {846, 28, 330, 1052});
        row("second screen above, bottom panel", {100, -26, 24, 24}, popover, {0, -1080, 1920, 1052},
            {0, -530, 330, 500});
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(PopoverPlacement::placement(anchor, size, available), expected);
    }

    void likelyTrayAnchor_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("top panel") << belowTopPanel << false << QPoint(1919, 13);
        QTest::newRow("top panel, right-to-left") << belowTopPanel << true << QPoint(0, 13);
        QTest::newRow("bottom panel") << aboveBottomPanel << false << QPoint(1919, 1065);
        QTest::newRow("left panel") << rightOfLeftPanel << false << QPoint(23, 1079);
        QTest::newRow("right panel") << leftOfRightPanel << false << QPoint(1895, 1079);
        QTest::newRow("no panel") << screen << false << QPoint(1919, 0);
        QTest::newRow("dock left, wider panel bottom") << QRect(20, 0, 1900, 1040) << false << QPoint(1919, 1059);
    }

    void likelyTrayAnchor()
    {
        QFETCH(QRect, available);
        QFETCH(bool, rightToLeft);
        QFETCH(QPoint, expected);
        QCOMPARE(PopoverPlacement::likelyTrayAnchor(screen, available, rightToLeft).topLeft(), expected);
    }
    void hiddenViewsHoldUntilMeasuredOrShown()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("[Bb]inding loop")));
        ModelFixture f;
        DefaultViewModel &model = f.model;
        PopoverWindow popover(PopoverWindow::Mode::popover);
        popover.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&model)}});
        popover.setSource(QUrl(QStringLiteral("qrc:/Stint/ContentView.qml")));
        QVERIFY(popover.rootObject());
        const int heightWithoutStop = popover.fittingSize().height();
        auto *time = popover.rootObject()->findChild<QObject *>(QStringLiteral("timeText"));
        auto *stop = popover.rootObject()->findChild<QQuickItem *>(QStringLiteral("stopButton"));
        QVERIFY(time && stop);
        const auto shown = [time] { return time->property("text").toString(); };

        model.setIsTimerRunning(true);
        model.tick();
        QCOMPARE(shown(), QStringLiteral("25:00"));
        QVERIFY(!stop->isVisible());
        // Measured as it will show: up to date, then held again.
        QVERIFY(popover.fittingSize().height() > heightWithoutStop);
        QCOMPARE(shown(), QStringLiteral("24:59"));
        QVERIFY(stop->isVisible());
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:59"));

        popover.show();
        QCOMPARE(shown(), QStringLiteral("24:58"));
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:57"));
        popover.hide();
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:57"));
    }

    void entryFollowsTheChoice()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        QFile entry(home.path() + "/autostart/app.stint.Stint.desktop");
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true) && StartAtLogin::isEnabled());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
        entry.close();
        QVERIFY(StartAtLogin::setEnabled(false) && !entry.exists());

        QVERIFY(StartAtLogin::setEnabled(true) && entry.remove());
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true) && entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(!StartAtLogin::isEnabled());
    }

    void everyLanguageHasEveryTextFinished()
    {
        const QDir dir(QStringLiteral(STINT_TRANSLATIONS_DIR));
        const QStringList files = dir.entryList({QStringLiteral("stint_*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 11);
        QStringList faults;
        QMap<QString, QStringList> texts; // file -> context/source of every live message
        for (const QString &file : files) {
            QTranslator translator; // built into the app where the start-up code looks
            if (!translator.load(QString(file).replace(QStringLiteral(".ts"), QStringLiteral(".qm")),
                                 QStringLiteral(":/i18n")))
                faults << file + QLatin1String(" is not embedded");
            QFile ts(dir.filePath(file));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&ts);
            QString context, source;
            bool numerus = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                const auto name = xml.name();
                if (name == u"name") {
                    context = xml.readElementText();
                } else if (name == u"message") {
                    numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
                } else if (name == u"source") {
                    source = xml.readElementText();
                } else if (name == u"translation") {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    if (type == u"vanished" || type == u"obsolete")
                        continue; // history, no longer shown
                    texts[file] << context + u'/' + source;
                    QStringList forms;
                    if (!numerus)
                        forms << xml.readElementText();
                    while (numerus && xml.readNextStartElement())
                        forms << xml.readElementText();
                    for (const QString &form : forms) {
                        if (type == u"unfinished" || form.trimmed().isEmpty()
                            || placeholders(form) != placeholders(source))
                            faults << file + QLatin1String(": ") + source
                                            + QLatin1String(" is unfinished, empty or odd");
                    }
                }
            }
        }
        for (const QString &file : files) {
            if (texts[file] != texts[files.first()])
                faults << file + QLatin1String(" has other texts than ") + files.first();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void picksTheFirstLanguageWeHave_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("picked");
        QTest::newRow("Portugal reads Brazilian") << QStringList{"pt-PT", "pt-Latn-PT"} << "pt_BR";
        QTest::newRow("Singapore writes Simplified") << QStringList{"zh-SG"} << "zh_CN";
        QTest::newRow("no Traditional Chinese, then Japanese") << QStringList{"zh-TW", "zh-Hant-TW", "ja-JP"} << "ja";
        QTest::newRow("English first wins") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("unknown, then French") << QStringList{"tlh", "fr-CA"} << "fr";
        QTest::newRow("C locale") << QStringList{"C", "fr"} << "";
        QTest::newRow("nothing we have") << QStringList{"sv-SE", "fi-FI"} << "";
    }

    void picksTheFirstLanguageWeHave()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, picked);
        const QStringList available{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN"};
        QCOMPARE(pickTranslation(uiLanguages, available), picked);
    }
};

QTEST_MAIN(TestAppShell)
#include "tst_appshell.moc"
