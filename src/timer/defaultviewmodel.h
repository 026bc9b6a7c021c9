#pragma once

#include "accounts/googleclient.h"
#include "backend/event.h"
#include "backend/task.h"
#include "timer/alarm.h"
#include "timer/alarmplayer.h"
#include "timer/nextmeeting.h"
#include "timer/pomodorostate.h"
#include "timer/taskdraft.h"

#include <QObject>
#include <QVariantList>

#include <functional>
#include <optional>

class DayClock;
class GoogleAPIAccessor;
class UserManager;

// The one object behind the popover: the focus/rest countdown, the task list
// and its request state, the calendar events and the hooks the views call.
// Made once at start-up and shared by every view.
//
// Every published property announces each assignment, changed or not: the
// views redraw on the signal and rely on seeing every write.
class DefaultViewModel : public QObject
{
    Q_OBJECT

    /// The alarm set up at start-up (the gong at the end of a phase).
    Q_PROPERTY(Alarm alarm READ alarm WRITE setAlarm NOTIFY alarmChanged)
    /// The tasks as the backend last returned them, in its order (Task2 values).
    Q_PROPERTY(QVariantList tasks READ tasksForQml NOTIFY tasksChanged)
    /// The tasks still to do, in list order: the rows of the task list.
    Q_PROPERTY(QVariantList pendingTasks READ pendingTasksForQml NOTIFY tasksChanged)
    /// The countdown is running.
    Q_PROPERTY(bool isTimerRunning READ isTimerRunning WRITE setIsTimerRunning NOTIFY isTimerRunningChanged)
    /// Seconds left in the phase.
    Q_PROPERTY(double time READ time WRITE setTime NOTIFY timeChanged)
    /// Fraction of the phase left: 1.0 at its start, falling towards 0.
    Q_PROPERTY(double progress READ progress WRITE setProgress NOTIFY progressChanged)
    /// The task being worked on; empty when there is none.
    Q_PROPERTY(QString taskTitle READ taskTitle WRITE setTaskTitle NOTIFY taskTitleChanged)
    /// Whether to ask "Is the task now done?".
    Q_PROPERTY(bool shouldAskIfTaskIsDone READ shouldAskIfTaskIsDone WRITE setShouldAskIfTaskIsDone NOTIFY
                       shouldAskIfTaskIsDoneChanged)
    /// Focus or rest.
    Q_PROPERTY(PomodoroState::Value currentState READ currentState WRITE setCurrentState NOTIFY currentStateChanged)
    /// The phase was started and has not run out or been stopped: the stop button shows.
    Q_PROPERTY(bool isPhaseStarted READ isPhaseStarted NOTIFY isPhaseStartedChanged)
    /// Calendar events as the backend last returned them (Event values).
    Q_PROPERTY(QVariantList events READ eventsForQml NOTIFY eventsChanged)
    /// A task fetch is under way.
    Q_PROPERTY(bool isTaskLoading READ isTaskLoading WRITE setIsTaskLoading NOTIFY isTaskLoadingChanged)
    /// Why the last task fetch failed; undefined while none failed.
    Q_PROPERTY(QVariant tasksErrorMessage READ tasksErrorMessageForQml NOTIFY tasksErrorMessageChanged)
    /// The text of the error row: the failure's description, or a generic one.
    Q_PROPERTY(QString tasksErrorText READ tasksErrorText NOTIFY tasksErrorMessageChanged)
    /// The last task fetch failed.
    Q_PROPERTY(bool tasksFetchHasError READ tasksFetchHasError WRITE setTasksFetchHasError NOTIFY
                       tasksFetchHasErrorChanged)
    /// The new-task entry is open.
    Q_PROPERTY(bool newTask READ newTask WRITE setNewTask NOTIFY newTaskChanged)
    /// A create-task request is under way.
    Q_PROPERTY(bool newTaskCreatingInProgress READ newTaskCreatingInProgress WRITE setNewTaskCreatingInProgress NOTIFY
                       newTaskCreatingInProgressChanged)
    /// Someone signed in through the sign-in button since start-up or the last sign-out.
    Q_PROPERTY(bool currentUserRenewed READ currentUserRenewed WRITE setCurrentUserRenewed NOTIFY
                       currentUserRenewedChanged)
    /// The views treat the user as signed in: a fresh sign-in through the
    /// button, or a current user in the sign-in layer.
    Q_PROPERTY(bool isSignedIn READ isSignedIn NOTIFY isSignedInChanged)
    /// The line under the ring about the next meeting.
    Q_PROPERTY(NextMeeting *nextMeeting READ nextMeeting CONSTANT)
    /// The title typed into the new-task entry, and why adding it failed.
    Q_PROPERTY(TaskDraft *newTaskDraft READ newTaskDraft CONSTANT)
    /// The Google client the sign-in uses; null where the views need not set one up.
    Q_PROPERTY(GoogleClient *googleClient READ googleClient CONSTANT)

public:
    using SignInButtonHandler = std::function<void(DefaultViewModel &)>;

    static constexpr double defaultFocusDuration = 1500;
    static constexpr double defaultRestDuration = 300;

    // `userManager` is shared with the application and must outlive this
    // object, as must `clock` (the day's wall clock; the system's when none
    // is given).
    DefaultViewModel(Alarm alarm, SignInButtonHandler signInButtonHandler, UserManager *userManager,
                     QObject *parent = nullptr, const QString &alarmResource = AlarmPlayer::defaultResource,
                     DayClock *clock = nullptr);
    ~DefaultViewModel() override;

    // Published state. Every setter announces, changed or not.
    const Alarm &alarm() const { return m_alarm; }
    void setAlarm(const Alarm &alarm);
    const QList<Task2> &tasks() const { return m_tasks; }
    void setTasks(const QList<Task2> &tasks);
    bool isTimerRunning() const { return m_isTimerRunning; }
    void setIsTimerRunning(bool running);
    double time() const { return m_time; }
    void setTime(double time);
    double progress() const { return m_progress; }
    void setProgress(double progress);
    QString taskTitle() const { return m_taskTitle; }
    void setTaskTitle(const QString &title);
    bool shouldAskIfTaskIsDone() const { return m_shouldAskIfTaskIsDone; }
    void setShouldAskIfTaskIsDone(bool ask);
    PomodoroState::Value currentState() const { return m_currentState; }
    void setCurrentState(PomodoroState::Value state);
    const QList<Event> &events() const { return m_events; }
    void setEvents(const QList<Event> &events);
    bool isTaskLoading() const { return m_isTaskLoading; }
    void setIsTaskLoading(bool loading);
    std::optional<QString> tasksErrorMessage() const { return m_tasksErrorMessage; }
    void setTasksErrorMessage(const std::optional<QString> &message);
    bool tasksFetchHasError() const { return m_tasksFetchHasError; }
    void setTasksFetchHasError(bool hasError);
    bool newTask() const { return m_newTask; }
    void setNewTask(bool open);
    bool newTaskCreatingInProgress() const { return m_newTaskCreatingInProgress; }
    void setNewTaskCreatingInProgress(bool inProgress);
    bool currentUserRenewed() const { return m_currentUserRenewed; }
    void setCurrentUserRenewed(bool renewed);

    // Plain state: stored without announcement.
    bool shouldAskAboutStatus() const { return m_shouldAskAboutStatus; }
    double focusDuration() const { return m_focusDuration; }
    double restDuration() const { return m_restDuration; }
    double duration(PomodoroState::Value state) const;
    UserManager *userManager() const { return m_userManager; }
    GoogleAPIAccessor *googleAPI() const { return m_googleAPI; }
    AlarmPlayer &alarmPlayer() { return m_alarmPlayer; }
    SignInButtonHandler signInButtonHandler() const { return m_signInButtonHandler; }
    void setSignInButtonHandler(SignInButtonHandler handler) { m_signInButtonHandler = std::move(handler); }
    DayClock *dayClock() const { return m_dayClock; }
    NextMeeting *nextMeeting() const { return m_nextMeeting; }
    TaskDraft *newTaskDraft() const { return m_newTaskDraft; }
    // Set once, before the views are made.
    GoogleClient *googleClient() const { return m_googleClient; }
    void setGoogleClient(GoogleClient *client) { m_googleClient = client; }

    bool isPhaseStarted() const;
    bool isSignedIn() const;
    QString tasksErrorText() const;

    // The countdown.
    Q_INVOKABLE void tick();
    Q_INVOKABLE void stopAndSwitchPhase();
    Q_INVOKABLE void updateProgress();
    Q_INVOKABLE void updateShouldAskIfTaskIsDone();
    // Either answer to "Is the task now done?": takes the question away.
    Q_INVOKABLE void answerTaskQuestion();
    // The same, told which answer it was: "Yes" (`done`) or "No".
    Q_INVOKABLE void answerTaskQuestion(bool done);

    // Tasks.
    Q_INVOKABLE void fetchTasks();
    Q_INVOKABLE void addTask(const QString &title);
    QList<Task2> pendingTasks() const;
    Q_INVOKABLE void startTask(const Task2 &task);
    Q_INVOKABLE void handleDroppedText(const QString &text);

    // Events and hooks.
    Q_INVOKABLE void fetchEvents();
    // "Join Meeting", wherever it is pressed: opens the meeting's link.
    Q_INVOKABLE void joinMeeting(const Event &event);
    Q_INVOKABLE void openPrivacyPolicy();
    Q_INVOKABLE void openLink(const QUrl &url);
    // Runs the sign-in button's handler with this view-model.
    Q_INVOKABLE void signInButtonPressed();
    // The "Sign Out" menu item: the sign-in layer forgets the user, then the
    // fresh-sign-in flag drops.
    Q_INVOKABLE void signOut();
    // The "Exit" menu item.
    Q_INVOKABLE void quit();

Q_SIGNALS:
    void alarmChanged();
    void tasksChanged();
    void isTimerRunningChanged();
    void timeChanged();
    void progressChanged();
    void taskTitleChanged();
    void shouldAskIfTaskIsDoneChanged();
    void currentStateChanged();
    void isPhaseStartedChanged();
    void eventsChanged();
    void isTaskLoadingChanged();
    void tasksErrorMessageChanged();
    void tasksFetchHasErrorChanged();
    void newTaskChanged();
    void newTaskCreatingInProgressChanged();
    void currentUserRenewedChanged();
    void isSignedInChanged();
    // A phase ran out: sent after the tick that ended it is complete, so the
    // question, if any, is already up.
    void phaseEnded();
    // Someone pressed "Join Meeting" for `event`.
    void meetingJoined(const Event &event);
    // `startTask` was called with `task`, before it changes anything.
    void taskStarted(const Task2 &task);
    // `handleDroppedText` was called with `text`, before it changes anything:
    // the phase it starts is not about a task of the list.
    void textDropped(const QString &text);
    // "Yes" (`done`) or "No" was the answer to "Is the task now done?".
    void taskQuestionAnswered(bool done);

private:
    QVariantList tasksForQml() const;
    QVariantList pendingTasksForQml() const;
    QVariantList eventsForQml() const;
    QVariant tasksErrorMessageForQml() const;

    Alarm m_alarm;
    QList<Task2> m_tasks;
    bool m_isTimerRunning = false;
    double m_time = 0;
    double m_progress = 1.0;
    QString m_taskTitle;
    bool m_shouldAskAboutStatus = false;
    bool m_shouldAskIfTaskIsDone = false;
    UserManager *m_userManager = nullptr;
    PomodoroState::Value m_currentState = PomodoroState::focus;
    double m_focusDuration = defaultFocusDuration;
    double m_restDuration = defaultRestDuration;
    GoogleAPIAccessor *m_googleAPI = nullptr;
    QList<Event> m_events;
    bool m_isTaskLoading = false;
    std::optional<QString> m_tasksErrorMessage;
    bool m_tasksFetchHasError = false;
    SignInButtonHandler m_signInButtonHandler;
    bool m_newTask = false;
    bool m_newTaskCreatingInProgress = false;
    AlarmPlayer m_alarmPlayer;
    bool m_currentUserRenewed = false;
    DayClock *m_dayClock = nullptr;
    NextMeeting *m_nextMeeting = nullptr;
    TaskDraft *m_newTaskDraft = nullptr;
    GoogleClient *m_googleClient = nullptr;
};

// Opens `url` in the user's default application and prints whether it was
// handed over. Only web addresses are opened: a task's link comes from the
// network and must not start a local program or open a local file.
void openLink(const QUrl &url);
// Opens `url` if `allowed`, and prints whether it was handed over.
void openAndReport(const QUrl &url, bool allowed);
