#include "timer/defaultviewmodel.h"

#include "accounts/googlesignin.h"
#include "accounts/usermanager.h"
#include "backend/configuration.h"
#include "backend/googleapiaccessor.h"
#include "backend/network.h"
#include "backend/weblink.h"
#include "common/apipaths.h"
#include "common/outputline.h"
#include "timer/fetchfailure.h"
#include "timer/dayclock.h"
#include "timer/meetingopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace {

// Runs `work` later on the main thread, after the current event is done:
// replies never change state re-entrantly in the middle of a caller.
template<typename Work>
void onMainQueue(QObject *context, Work &&work)
{
    QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::QueuedConnection);
}

template<typename T>
QVariantList toVariantList(const QList<T> &values)
{
    QVariantList list;
    list.reserve(values.size());
    for (const T &value : values)
        list.append(QVariant::fromValue(value));
    return list;
}

} // namespace

DefaultViewModel::DefaultViewModel(Alarm alarm, SignInButtonHandler signInButtonHandler, UserManager *userManager,
                                   QObject *parent, const QString &alarmResource, DayClock *clock)
    : QObject(parent)
    , m_alarm(std::move(alarm))
    , m_userManager(userManager)
    , m_googleAPI(new GoogleAPIAccessor(this))
    , m_signInButtonHandler(std::move(signInButtonHandler))
    , m_alarmPlayer(alarmResource)
    , m_dayClock(clock ? clock : new SystemDayClock(this))
    , m_newTaskDraft(new TaskDraft(this))
{
    m_time = m_focusDuration;

    // isPhaseStarted is derived from three published fields; announce it with each.
    for (auto signal : {&DefaultViewModel::isTimerRunningChanged, &DefaultViewModel::timeChanged,
                        &DefaultViewModel::currentStateChanged})
        connect(this, signal, this, &DefaultViewModel::isPhaseStartedChanged);
    connect(this, &DefaultViewModel::currentUserRenewedChanged, this, &DefaultViewModel::isSignedInChanged);
    if (m_userManager && m_userManager->signIn())
        connect(m_userManager->signIn(), &GoogleSignIn::currentUserChanged, this, &DefaultViewModel::isSignedInChanged);
    m_nextMeeting = new NextMeeting(this, m_dayClock);
}

DefaultViewModel::~DefaultViewModel() = default;

// Published setters: store, then announce, whether or not the value changed.

void DefaultViewModel::setAlarm(const Alarm &alarm)
{
    m_alarm = alarm;
    Q_EMIT alarmChanged();
}

void DefaultViewModel::setTasks(const QList<Task2> &tasks)
{
    m_tasks = tasks;
    Q_EMIT tasksChanged();
}

void DefaultViewModel::setIsTimerRunning(bool running)
{
    m_isTimerRunning = running;
    Q_EMIT isTimerRunningChanged();
}

void DefaultViewModel::setTime(double time)
{
    m_time = time;
    Q_EMIT timeChanged();
}

void DefaultViewModel::setProgress(double progress)
{
    m_progress = progress;
    Q_EMIT progressChanged();
}

void DefaultViewModel::setTaskTitle(const QString &title)
{
    m_taskTitle = title;
    Q_EMIT taskTitleChanged();
}

void DefaultViewModel::setShouldAskIfTaskIsDone(bool ask)
{
    m_shouldAskIfTaskIsDone = ask;
    Q_EMIT shouldAskIfTaskIsDoneChanged();
}

void DefaultViewModel::setCurrentState(PomodoroState::Value state)
{
    m_currentState = state;
    Q_EMIT currentStateChanged();
}

void DefaultViewModel::setEvents(const QList<Event> &events)
{
    m_events = events;
    Q_EMIT eventsChanged();
}

void DefaultViewModel::setIsTaskLoading(bool loading)
{
    m_isTaskLoading = loading;
    Q_EMIT isTaskLoadingChanged();
}

void DefaultViewModel::setTasksErrorMessage(const std::optional<QString> &message)
{
    m_tasksErrorMessage = message;
    Q_EMIT tasksErrorMessageChanged();
}

void DefaultViewModel::setTasksFetchHasError(bool hasError)
{
    m_tasksFetchHasError = hasError;
    Q_EMIT tasksFetchHasErrorChanged();
}

void DefaultViewModel::setNewTask(bool open)
{
    m_newTask = open;
    Q_EMIT newTaskChanged();
}

void DefaultViewModel::setNewTaskCreatingInProgress(bool inProgress)
{
    m_newTaskCreatingInProgress = inProgress;
    Q_EMIT newTaskCreatingInProgressChanged();
}

void DefaultViewModel::setCurrentUserRenewed(bool renewed)
{
    m_currentUserRenewed = renewed;
    Q_EMIT currentUserRenewedChanged();
}

double DefaultViewModel::duration(PomodoroState::Value state) const
{
    return state == PomodoroState::focus ? m_focusDuration : m_restDuration;
}

bool DefaultViewModel::isPhaseStarted() const
{
    return m_isTimerRunning || m_time != duration(m_currentState);
}

bool DefaultViewModel::isSignedIn() const
{
    // The fresh-sign-in flag first: the list replaces the sign-in button the
    // moment an interactive sign-in succeeds.
    if (m_currentUserRenewed)
        return true;
    return m_userManager && m_userManager->signIn() && m_userManager->signIn()->currentUser().has_value();
}

QString DefaultViewModel::tasksErrorText() const
{
    return m_tasksErrorMessage.value_or(QStringLiteral("An error occurred"));
}

// The countdown.

void DefaultViewModel::tick()
{
    if (!m_isTimerRunning)
        return;

    setTime(m_time - 1.0);
    const bool ended = m_time <= 0;
    if (ended) {
        // The phase ran out: ready again in the same phase, until the user
        // switches with the stop button.
        setIsTimerRunning(false);
        setTime(duration(m_currentState));
        m_shouldAskAboutStatus = true;
        m_alarmPlayer.play();
    }
    updateShouldAskIfTaskIsDone();
    updateProgress();
    if (ended)
        Q_EMIT phaseEnded();
}

void DefaultViewModel::stopAndSwitchPhase()
{
    setIsTimerRunning(false);
    setCurrentState(PomodoroState::other(m_currentState));
    setTime(duration(m_currentState));
    setProgress(1.0);
    m_shouldAskAboutStatus = true;
}

void DefaultViewModel::updateProgress()
{
    setProgress(m_time / duration(m_currentState));
}

void DefaultViewModel::updateShouldAskIfTaskIsDone()
{
    setShouldAskIfTaskIsDone(!m_taskTitle.isEmpty() && m_shouldAskAboutStatus && !m_isTimerRunning);
}

void DefaultViewModel::answerTaskQuestion()
{
    m_shouldAskAboutStatus = false;
    updateShouldAskIfTaskIsDone();
}

void DefaultViewModel::answerTaskQuestion(bool done)
{
    answerTaskQuestion();
    Q_EMIT taskQuestionAnswered(done);
}

// Tasks.

void DefaultViewModel::fetchTasks()
{
    if (m_isTaskLoading)
        return;

    const QString token = m_userManager ? m_userManager->currentIdToken() : QString();
    if (token.isEmpty()) {
        printLine(QStringLiteral("Too early to fetch tasks, creds not restored yet"));
        return;
    }

    setIsTaskLoading(true);
    setTasksFetchHasError(false);
    setTasksErrorMessage(std::nullopt);

    const QString accessToken = m_userManager->currentAccessToken();
    m_googleAPI->getTasks(token, accessToken, [this](Result<QList<Task2>> result) {
        onMainQueue(this, [this, result = std::move(result)] {
            if (result.isSuccess()) {
                setTasks(result.value());
            } else {
                // The user reads what failed in plain words; the line keeps
                // the exact status and message.
                setTasksErrorMessage(FetchFailure::describe(result.error()));
                setTasksFetchHasError(true);
                printLine(QStringLiteral("Failed to fetch tasks: ") + result.error().description);
            }
            setIsTaskLoading(false);
        });
    });
}

void DefaultViewModel::addTask(const QString &title)
{
    if (title.isEmpty()) {
        setNewTaskCreatingInProgress(false);
        setNewTask(false);
        m_newTaskDraft->clear();
        return;
    }

    setNewTaskCreatingInProgress(true);
    m_newTaskDraft->tryingAgain();
    const QString token = m_userManager ? m_userManager->currentIdToken() : QString();
    const QString accessToken = m_userManager ? m_userManager->currentAccessToken() : QString();
    m_googleAPI->postTask(title, token, accessToken, [this](Result<Nothing> result) {
        onMainQueue(this, [this, result = std::move(result)] {
            setNewTaskCreatingInProgress(false);
            if (!result.isSuccess()) {
                // The entry stays open with the title and why it failed;
                // Return tries again.
                printLine(QStringLiteral("Failed to add task: ") + result.error().description);
                m_newTaskDraft->failed(result.error());
                return;
            }
            setNewTask(false);
            m_newTaskDraft->clear();
            printLine(QStringLiteral("fetching tasks"));
            fetchTasks();
        });
    });
}

QList<Task2> DefaultViewModel::pendingTasks() const
{
    QList<Task2> pending;
    for (const Task2 &task : m_tasks) {
        if (task.status != u"completed")
            pending.append(task);
    }
    return pending;
}

void DefaultViewModel::startTask(const Task2 &task)
{
    Q_EMIT taskStarted(task);
    printLine(QStringLiteral("Dropped task: ") + task.title);
    setTaskTitle(task.title);
    stopAndSwitchPhase();
    setCurrentState(PomodoroState::focus);
    setTime(m_focusDuration);
    setIsTimerRunning(true);
}

void DefaultViewModel::handleDroppedText(const QString &text)
{
    Q_EMIT textDropped(text);
    printLine(QStringLiteral("Dropped text: ") + text);
    stopAndSwitchPhase();
    setCurrentState(PomodoroState::focus);
    setTime(m_focusDuration);
    setIsTimerRunning(true);
}

// Events and hooks.

void DefaultViewModel::fetchEvents()
{
    const QString token = m_userManager ? m_userManager->currentIdToken() : QString();
    const QString accessToken = m_userManager ? m_userManager->currentAccessToken() : QString();
    const auto send = [this, token, accessToken](QNetworkRequest request) {
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
        request.setRawHeader("AccessToken", Network::headerValue(accessToken));

        QNetworkReply *reply = Network::sharedManager()->get(request);
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            reply->deleteLater();
            const std::optional<Error> error = replyError(reply);
            // A body that arrived is decoded, even one cut short by a
            // transport error; an error status is a failure whatever its body.
            const bool hasBody = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
            const bool errorStatus = error && error->domain == u"HTTP";
            if (hasBody && !errorStatus) {
                Result<QList<Event>> decoded = decodeEventList(reply->readAll());
                if (!decoded.isSuccess()) {
                    printLine(QStringLiteral("Error decoding data: ") + decoded.error().description);
                    return;
                }
                onMainQueue(this, [this, events = std::move(decoded.value())] { setEvents(events); });
            } else if (error) {
                printLine(QStringLiteral("Error fetching data: ") + error->description);
            }
        });
    };
    Network::withBackendRequest(this, ApiPath::events, send, [](const Error &unavailable) {
        printLine(QStringLiteral("Error fetching data: ") + unavailable.description);
    });
}

void DefaultViewModel::joinMeeting(const Event &event)
{
    openMeeting(event, this);
    Q_EMIT meetingJoined(event);
}

void DefaultViewModel::openPrivacyPolicy()
{
    const QString host = Configuration::text(QStringLiteral("PRIVACY_POLICY_HOST"), QStringLiteral("stint.app"));
    const QUrl url(QStringLiteral("https://%1/privacy-policy/").arg(host), QUrl::StrictMode);
    if (!isWebUrl(url))
        return;
    QDesktopServices::openUrl(url);
}

void DefaultViewModel::openLink(const QUrl &url)
{
    ::openLink(url);
}

void DefaultViewModel::signInButtonPressed()
{
    if (m_signInButtonHandler)
        m_signInButtonHandler(*this);
}

void DefaultViewModel::signOut()
{
    if (m_userManager && m_userManager->signIn())
        m_userManager->signIn()->signOut();
    setCurrentUserRenewed(false);
    // Whoever uses the popover next does not see the signed-out account's
    // tasks and calendar.
    setTasks({});
    setEvents({});
}

void DefaultViewModel::quit()
{
    QCoreApplication::quit();
}

QVariantList DefaultViewModel::tasksForQml() const
{
    return toVariantList(m_tasks);
}

QVariantList DefaultViewModel::pendingTasksForQml() const
{
    return toVariantList(pendingTasks());
}

QVariantList DefaultViewModel::eventsForQml() const
{
    return toVariantList(m_events);
}

QVariant DefaultViewModel::tasksErrorMessageForQml() const
{
    return m_tasksErrorMessage ? QVariant(*m_tasksErrorMessage) : QVariant();
}

void openLink(const QUrl &url)
{
    openAndReport(url, isWebUrl(url));
}

void openAndReport(const QUrl &url, bool allowed)
{
    const bool opened = allowed && QDesktopServices::openUrl(url);
    printLine(opened ? QStringLiteral("URL successfully opened") : QStringLiteral("Failed to open URL"));
}
