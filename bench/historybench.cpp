// The focus history at five years of use (about 30,000 phases): the time to
// record one phase, to compute the day's line, and to show the history
// window's first frame; the file's size per year. Run by hand, in a Release
// build, under a display (xvfb-run) or QT_QPA_PLATFORM=offscreen:
//
//   stint-bench-history [years]        (default 5)

#include "accounts/usermanager.h"
#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "history/todaysummary.h"
#include "timer/defaultviewmodel.h"
#include "ui/focushistorymodel.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlEngineExtensionPlugin>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

Q_IMPORT_QML_PLUGIN(StintPlugin)

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    const int years = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));

    // Eight focus phases and their rests on each working day, going back `years` years.
    int rows = 0;
    QList<double> insertMicros;
    {
        HistoryStore store(path);
        store.open();
        const QDate today = QDate::currentDate();
        for (QDate date = today.addYears(-years); date < today; date = date.addDays(1)) {
            if (date.dayOfWeek() >= 6)
                continue;
            QDateTime start(date, QTime(9, 0));
            for (int i = 0; i < 8; ++i) {
                for (const PhaseRecord::Kind kind : {PhaseRecord::Kind::focus, PhaseRecord::Kind::rest}) {
                    PhaseRecord phase;
                    phase.kind = kind;
                    phase.startedAt = start;
                    phase.plannedSeconds = phase.focusedSeconds = kind == PhaseRecord::Kind::focus ? 1500 : 300;
                    phase.endedAt = start.addSecs(phase.focusedSeconds);
                    phase.taskTitle = QStringLiteral("Task number %1").arg(rows % 40);
                    phase.ending = PhaseRecord::Ending::ranOut;
                    QElapsedTimer timer;
                    timer.start();
                    store.save(phase);
                    insertMicros.append(timer.nsecsElapsed() / 1000.0);
                    start = phase.endedAt;
                    ++rows;
                }
            }
        }
    }
    const qint64 bytes = QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();

    // The app's start: the file opened, a phase under way, the day's line.
    QElapsedTimer timer;
    timer.start();
    HistoryStore store(path);
    store.open();
    const double openMs = timer.nsecsElapsed() / 1e6;
    UserManager users(nullptr);
    DefaultViewModel model(Alarm::makeDefault(), nullptr, &users);
    PhaseRecorder recorder(&model, &store, model.dayClock());
    timer.restart();
    TodaySummary summary(&store, &recorder, model.dayClock());
    const double summaryMs = timer.nsecsElapsed() / 1e6;
    QList<double> lineMs;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        summary.update();
        lineMs.append(timer.nsecsElapsed() / 1e6);
    }

    // One phase brought up to date, as once a minute while it runs.
    model.setIsTimerRunning(true);
    QList<double> updateMicros;
    for (int i = 0; i < 500; ++i) {
        PhaseRecord phase = *recorder.current();
        phase.focusedSeconds = i;
        timer.restart();
        store.save(phase);
        updateMicros.append(timer.nsecsElapsed() / 1000.0);
    }

    // The window, from nothing to its first frame.
    timer.restart();
    FocusHistoryModel history(&store, &recorder, model.dayClock());
    QQuickView view;
    view.setInitialProperties({{QStringLiteral("model"), QVariant::fromValue(&history)}});
    view.setSource(QUrl(QStringLiteral("qrc:/Stint/FocusHistoryView.qml")));
    view.resize(540, 640);
    bool shown = false;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &app, [&] {
        if (!shown) {
            shown = true;
            app.quit();
        }
    });
    view.show();
    app.exec();
    const double windowMs = timer.nsecsElapsed() / 1e6;
    QList<double> refreshMs;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        history.previousWeek();
        refreshMs.append(timer.nsecsElapsed() / 1e6);
    }

    out << "phases: " << rows << " over " << years << " years\n";
    out << "file: " << bytes / 1024 << " KiB, " << bytes / 1024 / years << " KiB per year\n";
    out << "insert one phase (median): " << median(insertMicros) << " us\n";
    out << "update the running phase (median): " << median(updateMicros) << " us\n";
    out << "open the file (first, with the interrupted-phase check): " << openMs << " ms\n";
    out << "day's line, first: " << summaryMs << " ms, then (median): " << median(lineMs) << " ms\n";
    out << "history window to its first frame: " << windowMs << " ms\n";
    out << "history window, another week (median): " << median(refreshMs) << " ms\n";
    return 0;
}
