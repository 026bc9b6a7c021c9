#pragma once

#include <QObject>
#include <QPointer>

class DayClock;
class DefaultViewModel;
class FocusHistoryModel;
class HistoryStore;
class PhaseRecorder;
class QQmlEngine;
class QQuickView;
class QWindow;
class TodaySummary;

// The focus history in the app: the file, the recorder that follows the
// view-model into it, the day's line, and the "Focus History" window, made
// at its first opening. The file is opened after the popover's first frame
// (or at once when `firstFrame` is null); until then phases wait in memory.
class FocusHistory : public QObject
{
    Q_OBJECT

    /// The day's line for the tray's tooltip; empty while there is none.
    Q_PROPERTY(QString todayText READ todayText NOTIFY todayTextChanged)

public:
    // `engine` shows the window and gets the popover's link to it.
    FocusHistory(DefaultViewModel *viewModel, QQmlEngine *engine, QWindow *firstFrame, QObject *parent = nullptr);
    ~FocusHistory() override;

    QString todayText() const;
    HistoryStore *store() const { return m_store; }
    PhaseRecorder *recorder() const { return m_recorder; }
    TodaySummary *summary() const { return m_summary; }
    QQuickView *window() const { return m_window; }

    // Opens the file now: the history's own start-up.
    void openStore();
    // Shows the window, made on first use, and raises it.
    void showWindow();

Q_SIGNALS:
    void todayTextChanged();

private:
    QQmlEngine *m_engine;
    DayClock *m_clock;
    HistoryStore *m_store;
    PhaseRecorder *m_recorder;
    TodaySummary *m_summary;
    FocusHistoryModel *m_model = nullptr;
    QPointer<QQuickView> m_window;
};
