#include "backend/localbackend.h"

#include "backend/network.h"
#include "common/outputline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

const QString programName = QStringLiteral("stint-backend");
const QString domain = QStringLiteral("LocalBackend");
constexpr int startTimeoutMs = 10000;

// The settings keys of the Google addresses, and the backend's options for them.
constexpr std::pair<const char *, const char *> googleKeys[] = {
        {"GOOGLE_KEYS_URL", "--google-keys-url"},
        {"GOOGLE_TOKENINFO_URL", "--google-tokeninfo-url"},
        {"GOOGLE_TASKS_URL", "--google-tasks-url"},
        {"GOOGLE_EVENTS_URL", "--google-events-url"},
};

// The address in the backend's first line, "stint-backend listening on
// http://127.0.0.1:PORT for N client id(s)"; empty for any other line.
QUrl listeningAddress(const QByteArray &line)
{
    static const QRegularExpression pattern(
            QStringLiteral(R"(^stint-backend listening on (http://127\.0\.0\.1:([0-9]{1,5})) )"));
    const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(line));
    if (!match.hasMatch())
        return {};
    const int port = match.captured(2).toInt();
    return port > 0 && port <= 65535 ? QUrl(match.captured(1)) : QUrl();
}

} // namespace

LocalBackend::LocalBackend(QObject *parent) : QObject(parent)
{
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, &LocalBackend::start);
    m_startTimeout.setSingleShot(true);
    m_startTimeout.setInterval(startTimeoutMs);
    connect(&m_startTimeout, &QTimer::timeout, this, [this] {
        if (!m_process)
            return;
        m_process->disconnect(this);
        processEnded(m_process, QStringLiteral("did not start within %1 s").arg(startTimeoutMs / 1000));
    });
    m_runLongEnough.setSingleShot(true);
    connect(&m_runLongEnough, &QTimer::timeout, this, [this] { m_nextDelayMs = m_firstDelayMs; });
}

LocalBackend::~LocalBackend()
{
    stopProcess();
}

QString LocalBackend::findProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {here + u'/' + programName, here + QStringLiteral("/../server/") + programName,
                                     QStringLiteral("/usr/bin/") + programName}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable())
            return file.canonicalFilePath();
    }
    return {};
}

std::optional<QStringList> LocalBackend::googleOptions(const QJsonObject &settings, QString *error)
{
    QStringList options;
    for (const auto &[key, option] : googleKeys) {
        const QJsonValue value = settings.value(QLatin1StringView(key));
        if (value.isUndefined())
            continue;
        // The value is not shown: it might carry a password.
        const QUrl url(value.toString(), QUrl::StrictMode);
        if (!value.isString() || !url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty()
            || (url.scheme() != u"https" && url.scheme() != u"http")) {
            if (error)
                *error = QStringLiteral("%1 in the settings is not a web address").arg(QLatin1StringView(key));
            return std::nullopt;
        }
        options << QString::fromLatin1(option) << url.toString(QUrl::FullyEncoded);
    }
    return options;
}

void LocalBackend::setProgram(const QString &program)
{
    m_program = program;
}

void LocalBackend::setGoogleOptions(const QStringList &options)
{
    m_googleOptions = options;
}

void LocalBackend::setRestartDelays(int firstMs, int longestMs)
{
    m_firstDelayMs = m_nextDelayMs = firstMs;
    m_longestDelayMs = longestMs;
}

void LocalBackend::setClientId(const QString &clientId)
{
    if (clientId == m_clientId)
        return;
    m_clientId = clientId;
    stopProcess();
    m_restartTimer.stop();
    m_nextDelayMs = m_firstDelayMs;
    if (m_wanted)
        start();
}

qint64 LocalBackend::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void LocalBackend::start()
{
    m_wanted = true;
    if (m_process || m_unavailable)
        return;
    m_restartTimer.stop();
    if (m_clientId.isEmpty()) {
        failWaiting(QStringLiteral("No Google client is set up yet"));
        return;
    }
    if (m_program.isEmpty()) {
        setUnavailable(QStringLiteral("stint-backend was not found beside Stint or in /usr/bin"));
        return;
    }

    auto *process = new QProcess(this);
    process->setProgram(m_program);
    // Only the client id and the addresses: the backend never needs the
    // client secret, and the command line is visible to every user.
    process->setArguments(QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                      QStringLiteral("0"), QStringLiteral("--access-log"), QStringLiteral("off"),
                                      QStringLiteral("--client-id"), m_clientId}
                          + m_googleOptions);
    // The backend reads STINT_* variables as options: only the command line
    // above may configure it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name.startsWith(QLatin1StringView("STINT_")))
            environment.remove(name);
    }
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process->setChildProcessModifier([parent = ::getpid()] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The app died before the line above took effect.
        if (::getppid() != parent)
            ::_exit(127);
    });
    connect(process, &QProcess::readyReadStandardOutput, this, &LocalBackend::readOutput);
    connect(process, &QProcess::finished, this, [this, process](int exitCode, QProcess::ExitStatus status) {
        processEnded(process,
                     status == QProcess::CrashExit ? QStringLiteral("stopped unexpectedly")
                                                   : QStringLiteral("stopped with exit code %1").arg(exitCode));
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || process != m_process)
            return;
        const QString reason = QStringLiteral("stint-backend could not be started: ") + process->errorString();
        stopProcess();
        setUnavailable(reason);
    });
    m_process = process;
    m_pendingOutput.clear();
    m_startTimeout.start();
    process->start();
}

void LocalBackend::readOutput()
{
    if (!m_process)
        return;
    m_pendingOutput += m_process->readAllStandardOutput();
    for (qsizetype end = m_pendingOutput.indexOf('\n'); end >= 0; end = m_pendingOutput.indexOf('\n')) {
        const QByteArray line = m_pendingOutput.left(end);
        m_pendingOutput.remove(0, end + 1);
        const QUrl address = m_address.isEmpty() ? listeningAddress(line) : QUrl();
        if (address.isEmpty()) {
            printErrorLine(QString::fromUtf8(line));
            continue;
        }
        m_startTimeout.stop();
        m_address = address;
        m_runLongEnough.start(m_longestDelayMs);
        printLine(QStringLiteral("stint-backend listens on ") + address.toString());
        Q_EMIT ready(address);
        runWaiting();
    }
}

void LocalBackend::processEnded(QProcess *process, const QString &how)
{
    if (process != m_process)
        return;
    stopProcess();
    Q_EMIT stopped();
    const int delay = m_nextDelayMs;
    m_nextDelayMs = std::min(m_nextDelayMs * 2, m_longestDelayMs);
    printLine(QStringLiteral("stint-backend %1; starting it again in %2 s").arg(how, QString::number(delay / 1000.0)));
    m_restartTimer.start(delay);
}

void LocalBackend::stopProcess()
{
    m_startTimeout.stop();
    m_runLongEnough.stop();
    m_address.clear();
    QProcess *process = std::exchange(m_process, nullptr);
    if (!process)
        return;
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // Reaped as it ends, without waiting for it here.
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

void LocalBackend::setUnavailable(const QString &reason)
{
    if (m_unavailable != reason)
        printLine(reason);
    m_unavailable = reason;
    failWaiting(reason);
}

void LocalBackend::whenReady(QObject *context, Waiter send)
{
    if (!m_address.isEmpty()) {
        send(std::nullopt);
        return;
    }
    const std::optional<QString> reason = m_unavailable
            ? m_unavailable
            : (m_clientId.isEmpty() ? std::optional(QStringLiteral("No Google client is set up yet")) : std::nullopt);
    if (reason) {
        QTimer::singleShot(0, context ? context : this, [send = std::move(send), reason] {
            send(Error{domain, 1, *reason});
        });
        return;
    }
    const quint64 id = ++m_nextWaitingId;
    m_waiting.push_back({id, context, context != nullptr, std::move(send)});
    QTimer::singleShot(Network::transferTimeout(), this, [this, id] {
        const auto waiting =
                std::find_if(m_waiting.begin(), m_waiting.end(), [id](const Waiting &w) { return w.id == id; });
        if (waiting == m_waiting.end())
            return;
        const Waiting late = std::move(*waiting);
        m_waiting.erase(waiting);
        if (!late.hasContext || late.context)
            late.send(Error{domain, 2, QStringLiteral("stint-backend did not start in time")});
    });
}

void LocalBackend::runWaiting()
{
    std::list<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting &each : waiting) {
        if (!each.hasContext || each.context)
            each.send(std::nullopt);
    }
}

void LocalBackend::failWaiting(const QString &reason)
{
    std::list<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting &each : waiting) {
        if (!each.hasContext || each.context)
            each.send(Error{domain, 1, reason});
    }
}
