// The focus history: the recorder following the countdown into a real SQLite
// file in a temporary folder, the file's failure modes, the migration from
// the first schema, the day's line and the export formats.

#include "app/historycommand.h"
#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "history/todaysummary.h"
#include "support/fakeclock.h"
#include "support/stdoutcapture.h"
#include "accounts/usermanager.h"
#include "timer/defaultviewmodel.h"
#include "ui/focushistorymodel.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QDateTime nine(QDate(2026, 12, 8), QTime(9, 0));

// A view-model on a clock the test moves, a store in a fresh folder and the
// recorder between them.
struct History
{
    QTemporaryDir dir;
    StdoutCapture capture;
    FakeDayClock clock{nine};
    UserManager users{nullptr};
    DefaultViewModel model{Alarm::makeDefault(),
                           [](DefaultViewModel &) {},
                           &users,
                           nullptr,
                           QStringLiteral(":/sounds/none.wav"),
                           &clock};
    HistoryStore store{dir.filePath(QStringLiteral("stint/history.sqlite"))};
    PhaseRecorder recorder{&model, &store, &clock};

    // Counts down `seconds` seconds of the running phase, the clock along.
    void tick(int seconds)
    {
        for (int i = 0; i < seconds && model.isTimerRunning(); ++i) {
            clock.setNow(clock.now().addSecs(1));
            model.tick();
        }
    }
    // What another reader of the file sees.
    QList<PhaseRecord> onDisk() const
    {
        HistoryStore reader(store.path());
        return reader.openForReading() ? reader.phases() : QList<PhaseRecord>();
    }
};

Task2 listTask(const QString &title, const QString &googleId)
{
    Task2 task;
    task.id = QUuid::createUuid();
    task.title = title;
    task.status = QStringLiteral("needsAction");
    task.googleId = googleId;
    return task;
}

PhaseRecord closedPhase(const QDateTime &start, int seconds, const QString &title = {},
                        PhaseRecord::Kind kind = PhaseRecord::Kind::focus)
{
    PhaseRecord phase;
    phase.kind = kind;
    phase.startedAt = start;
    phase.endedAt = start.addSecs(seconds);
    phase.plannedSeconds = kind == PhaseRecord::Kind::focus ? 1500 : 300;
    phase.focusedSeconds = seconds;
    phase.taskTitle = title;
    phase.ending = PhaseRecord::Ending::ranOut;
    return phase;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void phaseLifecycle_data();
    void phaseLifecycle();
    void writesAtLeastOnceAMinute();
    void taskAndAnswer();
    void sigkillLosesAtMostAMinute();
    void failingFiles_data();
    void failingFiles();
    void migratesFromTheFirstSchema();
    void todaySummary();
    void weekModel();
    void exportFormats();
};

void TestHistory::phaseLifecycle_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("minutesToEnd"); // from nine to the recorded end

    QTest::newRow("runs out") << "run" << int(PhaseRecord::Ending::ranOut) << 1500 << 25;
    QTest::newRow("paused, then stopped") << "pause-stop" << int(PhaseRecord::Ending::stopped) << 300 << 15;
    QTest::newRow("suspended, then stopped") << "suspend-stop" << int(PhaseRecord::Ending::stopped) << 300 << 65;
    QTest::newRow("app quits") << "quit" << int(PhaseRecord::Ending::quit) << 300 << 5;
}

void TestHistory::phaseLifecycle()
{
    QFETCH(QString, how);
    QFETCH(int, ending);
    QFETCH(int, focused);
    QFETCH(int, minutesToEnd);

    History h;
    QVERIFY(h.store.open());
    h.model.setIsTimerRunning(true);
    QCOMPARE(h.onDisk().size(), 1); // on disk from its start
    if (how == u"run") {
        h.tick(1500);
    } else {
        h.tick(300);
        if (how == u"pause-stop") {
            h.model.setIsTimerRunning(false);
            h.clock.setNow(h.clock.now().addSecs(600));
        } else if (how == u"suspend-stop") {
            h.clock.resumeAt(h.clock.now().addSecs(3600));
            // Brought up to date at the resume, before anything else happens.
            QCOMPARE(h.onDisk().value(0).endedAt, nine.addSecs(65 * 60));
        }
        if (how == u"quit")
            h.recorder.finish();
        else
            h.model.stopAndSwitchPhase();
    }

    const QList<PhaseRecord> phases = h.onDisk();
    QCOMPARE(phases.size(), 1);
    const PhaseRecord &phase = phases.first();
    QCOMPARE(int(phase.ending), ending);
    QCOMPARE(phase.kind, PhaseRecord::Kind::focus);
    QCOMPARE(phase.plannedSeconds, 1500);
    QCOMPARE(phase.focusedSeconds, focused);
    QCOMPARE(phase.startedAt, nine);
    QCOMPARE(phase.endedAt, nine.addSecs(minutesToEnd * 60));
    QVERIFY(!h.recorder.current());
}

void TestHistory::writesAtLeastOnceAMinute()
{
    History h;
    QVERIFY(h.store.open());
    h.model.setIsTimerRunning(true);
    h.tick(59);
    QCOMPARE(h.onDisk().value(0).focusedSeconds, 0);
    h.tick(1);
    QCOMPARE(h.onDisk().value(0).focusedSeconds, 60);
    QCOMPARE(h.onDisk().value(0).ending, PhaseRecord::Ending::open);
    // A pause writes at once.
    h.tick(10);
    h.model.setIsTimerRunning(false);
    QCOMPARE(h.onDisk().value(0).focusedSeconds, 70);
}

void TestHistory::taskAndAnswer()
{
    History h;
    QVERIFY(h.store.open());
    // From the list: the task's title and Google's id; "Yes" is recorded on it.
    h.model.startTask(listTask(QStringLiteral("Write report"), QStringLiteral("g-42")));
    h.tick(1500);
    QVERIFY(h.model.shouldAskIfTaskIsDone());
    h.model.answerTaskQuestion(true);
    // Dropped text: no Google id; "No".
    h.model.setTaskTitle(QStringLiteral("Read mail"));
    h.model.handleDroppedText(QStringLiteral("Read mail"));
    h.tick(100);
    h.model.stopAndSwitchPhase();
    h.model.answerTaskQuestion(false);
    // The rest that follows is not about a task's question.
    h.model.setIsTimerRunning(true);
    h.tick(300);

    const QList<PhaseRecord> phases = h.onDisk();
    QCOMPARE(phases.size(), 3);
    QCOMPARE(phases[0].taskTitle, QStringLiteral("Write report"));
    QCOMPARE(phases[0].googleTaskId, QStringLiteral("g-42"));
    QCOMPARE(phases[0].answer, PhaseRecord::Answer::yes);
    QCOMPARE(phases[1].taskTitle, QStringLiteral("Read mail"));
    QCOMPARE(phases[1].googleTaskId, QString());
    QCOMPARE(phases[1].answer, PhaseRecord::Answer::no);
    QCOMPARE(phases[1].ending, PhaseRecord::Ending::stopped);
    QCOMPARE(phases[2].kind, PhaseRecord::Kind::rest);
    QCOMPARE(phases[2].answer, PhaseRecord::Answer::none);
}

void TestHistory::sigkillLosesAtMostAMinute()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    // The child records a phase as the app does, 150 s into it, then waits.
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--record-child"), path});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(20000))
        said += child.readAll();
    QVERIFY(said.contains("ready"));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());

    StdoutCapture capture;
    HistoryStore store(path);
    QVERIFY(store.open()); // the next start
    const QList<PhaseRecord> phases = store.phases();
    QCOMPARE(phases.size(), 1);
    QCOMPARE(phases[0].ending, PhaseRecord::Ending::interrupted);
    QVERIFY2(phases[0].focusedSeconds >= 150 - PhaseRecorder::writeEverySeconds,
             qPrintable(QString::number(phases[0].focusedSeconds)));
}

void TestHistory::failingFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbage bytes") << "corrupt";
    QTest::newRow("newer schema") << "newer";
    // A folder that cannot be written (as root, no permission stops a
    // write: a file where the folder should be does).
    QTest::newRow("unwritable folder") << "unwritable";
}

void TestHistory::failingFiles()
{
    QFETCH(QString, kind);
    History h;
    const QString folder = QFileInfo(h.store.path()).absolutePath();
    if (kind == u"unwritable") {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    QByteArray before;
    if (kind == u"corrupt") {
        before = QByteArray(8192, '\x5a');
        QFile file(h.store.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    } else if (kind == u"newer") {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
            db.setDatabaseName(h.store.path());
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        QFile file(h.store.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        before = file.readAll();
    }
    const int linesBefore = h.capture.lines().size();

    const bool opened = h.store.open();
    // The timer works either way, and the phase is kept.
    h.model.setIsTimerRunning(true);
    h.tick(120);
    QVERIFY(h.model.isTimerRunning());
    QCOMPARE(h.recorder.current()->focusedSeconds, 120);
    const QStringList lines = h.capture.lines().mid(linesBefore);
    QCOMPARE(lines.size(), 1);

    if (kind == u"corrupt") {
        QVERIFY(opened);
        const QStringList aside = QDir(folder).entryList({QStringLiteral("history.sqlite.corrupt-*")});
        QCOMPARE(aside.size(), 1);
        QFile moved(QDir(folder).filePath(aside.first()));
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), before); // never deleted
        QCOMPARE(h.onDisk().size(), 1);
    } else if (kind == u"newer") {
        QVERIFY(!opened);
        QCOMPARE(h.store.state(), HistoryStore::State::newerSchema);
        QFile file(h.store.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before); // untouched
    } else {
        QVERIFY(!opened);
        // A stopped phase and the next one wait in memory, and the next
        // update after the folder can be written takes both.
        h.model.stopAndSwitchPhase();
        h.model.setIsTimerRunning(true);
        QCOMPARE(h.capture.lines().mid(linesBefore).size(), 1);
        QVERIFY(QFile::remove(folder));
        h.tick(60);
        const QList<PhaseRecord> phases = h.onDisk();
        QCOMPARE(phases.size(), 2);
        QCOMPARE(phases[0].focusedSeconds, 120);
        QCOMPARE(phases[0].ending, PhaseRecord::Ending::stopped);
        QCOMPARE(phases[1].kind, PhaseRecord::Kind::rest);
        QCOMPARE(phases[1].focusedSeconds, 60);
    }
}

void TestHistory::migratesFromTheFirstSchema()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(HistoryStore::migrations().first()));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO phases (kind, started_at, ended_at, planned_seconds, "
                                          "focused_seconds, task_title, ending) VALUES "
                                          "('focus', %1, %2, 1500, 1500, 'Old', 'ran-out')")
                                   .arg(nine.toMSecsSinceEpoch())
                                   .arg(nine.addSecs(1500).toMSecsSinceEpoch())));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first"));

    StdoutCapture capture;
    {
        HistoryStore store(path);
        QVERIFY(store.open());
        const QList<PhaseRecord> phases = store.phases(nine.addDays(-1), nine.addDays(1));
        QCOMPARE(phases.size(), 1);
        QCOMPARE(phases[0].taskTitle, QStringLiteral("Old"));
        QCOMPARE(phases[0].ending, PhaseRecord::Ending::ranOut);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery query(db);
    QVERIFY(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
    QCOMPARE(query.value(0).toInt(), HistoryStore::schemaVersion);
    QVERIFY(query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")) && query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("phases_by_start"));
    QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    query = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void TestHistory::todaySummary()
{
    History h;
    QVERIFY(h.store.open());
    // Yesterday's focus and today's rest do not count.
    PhaseRecord yesterday = closedPhase(nine.addDays(-1), 1500);
    PhaseRecord rest = closedPhase(nine.addSecs(-3600), 300, {}, PhaseRecord::Kind::rest);
    PhaseRecord earlier = closedPhase(nine.addSecs(-7200), 1500);
    QVERIFY(h.store.save(yesterday) && h.store.save(rest) && h.store.save(earlier));
    TodaySummary summary(&h.store, &h.recorder, &h.clock);
    QCOMPARE(summary.phases(), 1);
    QCOMPARE(summary.focusedSeconds(), 1500);
    QCOMPARE(summary.text(), QStringLiteral("Today: 1 focus phase · 25 min"));

    // A phase that ran out, and the one under way as it stands, not as last written.
    h.model.setIsTimerRunning(true);
    h.tick(1500);
    h.model.setIsTimerRunning(true);
    h.tick(90);
    summary.update();
    QCOMPARE(summary.phases(), 3);
    QCOMPARE(summary.focusedSeconds(), 1500 + 1500 + 90);
    QCOMPARE(summary.text(), QStringLiteral("Today: 3 focus phases · 51 min"));
    QCOMPARE(TodaySummary::durationText(75 * 60), QStringLiteral("1 h 15 min"));

    // At midnight the day starts again.
    h.clock.setNow(QDateTime(nine.date().addDays(1), QTime(0, 0, 1)));
    QCOMPARE(summary.phases(), 0);
}

void TestHistory::weekModel()
{
    History h;
    QVERIFY(h.store.open());
    // Tuesday 8 December 2026; weeks begin on Monday in the test's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (const auto &[days, title, seconds] :
         {std::tuple{-1, "A", 1500}, std::tuple{0, "A", 600}, std::tuple{0, "B", 1500}, std::tuple{-2, "C", 1500},
          std::tuple{-7, "D", 1500}}) {
        PhaseRecord phase = closedPhase(nine.addDays(days), seconds, QString::fromLatin1(title));
        QVERIFY(h.store.save(phase));
    }
    FocusHistoryModel model(&h.store, &h.recorder, &h.clock);
    QCOMPARE(model.weekStart(), QDate(2026, 12, 7));
    QCOMPARE(model.selectedDay(), 1);
    QCOMPARE(model.days().value(0).toMap().value(QStringLiteral("minutes")).toInt(), 25);
    QCOMPARE(model.days().value(1).toMap().value(QStringLiteral("minutes")).toInt(), 35);
    QCOMPARE(model.tasks().size(), 2); // Tuesday: B first (more time), then A
    QCOMPARE(model.tasks().value(0).toMap().value(QStringLiteral("title")).toString(), QStringLiteral("B"));
    QCOMPARE(model.todayPhases().size(), 2);
    QVERIFY(!model.canGoForward());

    model.selectDay(-1); // the whole week: A 35 min over two phases
    QCOMPARE(model.tasks().value(0).toMap().value(QStringLiteral("title")).toString(), QStringLiteral("A"));
    QCOMPARE(model.tasks().value(0).toMap().value(QStringLiteral("phases")).toString(), QStringLiteral("2 phases"));

    model.previousWeek(); // Sunday 6 December (C) and Tuesday 1 December (D)
    QCOMPARE(model.weekStart(), QDate(2026, 11, 30));
    QCOMPARE(model.tasks().size(), 2);
    QVERIFY(model.canGoForward());

    // A closed window's model reads nothing until it is shown again.
    model.showToday();
    model.setLive(false);
    QSignalSpy changes(&model, &FocusHistoryModel::changed);
    PhaseRecord later = closedPhase(nine.addSecs(3600), 900, QStringLiteral("B"));
    QVERIFY(h.store.save(later));
    QCOMPARE(changes.count(), 0);
    model.setLive(true);
    QCOMPARE(model.days().value(1).toMap().value(QStringLiteral("minutes")).toInt(), 50);

    QVERIFY(model.clear());
    QCOMPARE(h.onDisk().size(), 0);
    QLocale::setDefault(QLocale::c());
}

void TestHistory::exportFormats()
{
    History h;
    QVERIFY(h.store.open());
    PhaseRecord tricky{0,
                       PhaseRecord::Kind::focus,
                       nine.toUTC(),
                       nine.toUTC().addSecs(1500),
                       1500,
                       1500,
                       QStringLiteral("Say \"hi\", then\nleave ü"),
                       QStringLiteral("g1"),
                       PhaseRecord::Ending::ranOut,
                       PhaseRecord::Answer::yes};
    QVERIFY(h.store.save(tricky));
    const QString offset = nine.toOffsetFromUtc(nine.offsetFromUtc()).toString(Qt::ISODate);

    QTemporaryFile out;
    QVERIFY(out.open());
    FILE *file = fdopen(dup(out.handle()), "w");
    QCOMPARE(printHistory(h.store.path(), false, file), 0);
    QCOMPARE(printHistory(h.store.path(), true, file), 0);
    std::fclose(file);
    out.seek(0);
    const QByteArray text = out.readAll();
    const QByteArray csv = PhaseExport::csvHeader() + offset.toUtf8() + ','
            + nine.addSecs(1500).toOffsetFromUtc(nine.offsetFromUtc()).toString(Qt::ISODate).toUtf8()
            + ",focus,1500,1500,\"Say \"\"hi\"\", then\nleave ü\",g1,ran-out,yes\r\n";
    QVERIFY2(text.startsWith(csv), text.constData());
    const QJsonObject json = QJsonDocument::fromJson(text.mid(csv.size()).trimmed()).object();
    QCOMPARE(json.value(QStringLiteral("task")).toString(), tricky.taskTitle);
    QCOMPARE(json.value(QStringLiteral("started")).toString(), offset);
    QCOMPARE(json.value(QStringLiteral("ending")).toString(), QStringLiteral("ran-out"));
    QVERIFY(text.endsWith("}\n"));
}

// The child of sigkillLosesAtMostAMinute: records 150 s of a focus phase as
// the app does, says so, and waits to be killed.
static int recordChild(const QString &path)
{
    FakeDayClock clock(nine);
    UserManager users(nullptr);
    DefaultViewModel model(
            Alarm::makeDefault(), [](DefaultViewModel &) {}, &users, nullptr, QStringLiteral(":/sounds/none.wav"),
            &clock);
    HistoryStore store(path);
    PhaseRecorder recorder(&model, &store, &clock);
    store.open();
    model.setIsTimerRunning(true);
    for (int i = 0; i < 150; ++i)
        model.tick();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--record-child") == 0)
        return recordChild(QString::fromLocal8Bit(argv[2]));
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
