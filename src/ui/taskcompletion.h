#pragma once

#include "backend/task.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QTimer>

class DefaultViewModel;
class GoogleAPIAccessor;
class StartedTask;

// "Complete the Task in Google Tasks When I Answer Yes": with the option on,
// "Yes" to "Is the task now done?" about a task started from the list marks
// that task completed in Google Tasks. The row leaves the list, and "Undo"
// reopens it for the next ten seconds; a failure keeps the row and says why
// in one line (the exact error on stdout). Nothing is tried again by itself.
// Off, the answer changes nothing. Text dropped on the ring has no task to
// complete.
//
// One per QML engine, following the view-model it is given.
class TaskCompletion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// The option, kept in the settings; off until the user turns it on.
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    /// What happened to the last completion: "Completed in Google Tasks", or why not; empty: nothing to say.
    Q_PROPERTY(QString message READ message NOTIFY changed)
    /// The last completion failed.
    Q_PROPERTY(bool failed READ failed NOTIFY changed)
    /// "Undo" can still reopen the task just completed.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY changed)
    /// A request is under way.
    Q_PROPERTY(bool busy READ busy NOTIFY changed)

public:
    static constexpr int undoMilliseconds = 10000;

    static TaskCompletion *create(QQmlEngine *engine, QJSEngine *);
    static TaskCompletion *of(QQmlEngine *engine);

    // Follows `viewModel` (which must outlive it), sending through its accessor.
    void setViewModel(DefaultViewModel *viewModel);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString message() const { return m_message; }
    bool failed() const { return m_failed; }
    bool canUndo() const { return m_canUndo; }
    bool busy() const { return m_busy; }

    // Reopens the task just completed.
    Q_INVOKABLE void undo();

Q_SIGNALS:
    void enabledChanged();
    void changed();

private:
    explicit TaskCompletion(QObject *parent);

    void answered(bool done);
    void send(const QString &googleId, const QString &title, bool complete);
    void show(const QString &message, bool failed, bool canUndo);

    QPointer<DefaultViewModel> m_viewModel;
    QPointer<StartedTask> m_started;
    bool m_enabled; // the option, read from the settings once
    QString m_doneGoogleId; // the task just completed, while it can be undone
    QString m_doneTitle;
    QString m_message;
    bool m_failed = false;
    bool m_canUndo = false;
    bool m_busy = false;
    QTimer m_undoTimer;
};
