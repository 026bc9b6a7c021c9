#pragma once

#include "history/phaserecord.h"

#include <QObject>
#include <QPointer>

#include <optional>

class DayClock;
class DefaultViewModel;
class HistoryStore;
class StartedTask;

// Follows the view-model's countdown into the history: a phase is written
// when it starts, brought up to date whenever another minute of it has been
// counted, at each pause and resume, after a suspend, and closed when it runs
// out, is stopped or the app quits; the answer to "Is the task now done?" is
// added to the focus phase it is about. What the disk refuses stays here and
// goes with the next write.
class PhaseRecorder : public QObject
{
    Q_OBJECT

public:
    // Writes at least this often, in counted seconds, while a phase runs.
    static constexpr int writeEverySeconds = 60;

    // `viewModel`, `store` and `clock` must outlive the recorder.
    PhaseRecorder(DefaultViewModel *viewModel, HistoryStore *store, DayClock *clock, QObject *parent = nullptr);

    // The phase under way (running or paused).
    const std::optional<PhaseRecord> &current() const { return m_current; }
    // Closed phases the disk has not taken yet.
    const QList<PhaseRecord> &unsaved() const { return m_unsaved; }

    // Closes the phase under way as ended by quitting (at the app's exit).
    void finish();

Q_SIGNALS:
    // A phase started, was brought up to date or closed.
    void changed();
    // "Yes" or "No" was recorded for `phase`.
    void answered(const PhaseRecord &phase);

private:
    void runningChanged();
    void timeChanged();
    void stateChanged();
    void close(PhaseRecord::Ending ending);
    void taskAnswered(bool done);
    void write();

    QPointer<DefaultViewModel> m_viewModel;
    HistoryStore *m_store;
    DayClock *m_clock;
    std::optional<PhaseRecord> m_current;
    QList<PhaseRecord> m_unsaved;
    std::optional<PhaseRecord> m_lastFocus; // the last closed focus phase with a task: what the question is about
    int m_writtenSeconds = 0; // focused seconds at the last write
    StartedTask *m_started;
    bool m_writing = false;
};
