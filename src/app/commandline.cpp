#include "app/commandline.h"

#include "app/historycommand.h"
#include "app/timerclient.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

CommandLine::CommandLine()
{
    m_parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine",
                                        "A calm focus timer. Without options, starts Stint or "
                                        "brings the running Stint forward."));
    m_parser.addHelpOption();
    m_parser.addPositionalArgument(QStringLiteral("url"),
                                   QCoreApplication::translate("CommandLine", "A sign-in address to hand to Stint."),
                                   QStringLiteral("[url]"));
    // Before the timer's, which refuses a --json of its own.
    addGroup(historyOptions());
    addGroup(timerOptions());
}

void CommandLine::addGroup(Group group)
{
    m_parser.addOptions(group.options);
    m_groups.append(std::move(group));
}

bool CommandLine::knows(const QString &name) const
{
    if (name == QLatin1String("help") || name == QLatin1String("help-all"))
        return true;
    for (const Group &group : m_groups) {
        for (const QCommandLineOption &option : group.options) {
            if (option.names().contains(name))
                return true;
        }
    }
    return false;
}

std::optional<int> CommandLine::run(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
        std::fprintf(stderr, "stint: %s\n%s\n", qPrintable(m_parser.errorText()),
                     qPrintable(QCoreApplication::translate("CommandLine", "Try 'stint --help'.")));
        return usageError;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(m_parser.helpText()), stdout);
        return 0;
    }
    for (const Group &group : std::as_const(m_groups)) {
        if (const std::optional<int> status = group.run(m_parser))
            return status;
    }
    if (!m_parser.optionNames().isEmpty()) {
        std::fprintf(stderr, "stint: %s\n",
                     qPrintable(QCoreApplication::translate("CommandLine", "Try 'stint --help'.")));
        return usageError;
    }
    return std::nullopt;
}

CommandLine::Group timerOptions()
{
    const auto text = [](const char *source) { return QCoreApplication::translate("CommandLine", source); };
    CommandLine::Group group;
    group.options = {
            QCommandLineOption(QStringLiteral("start"),
                               text(QT_TRANSLATE_NOOP(
                                       "CommandLine",
                                       "Start or resume the countdown; with a title, start focusing on that task."))),
            QCommandLineOption(QStringLiteral("pause"), text(QT_TRANSLATE_NOOP("CommandLine", "Pause the countdown."))),
            QCommandLineOption(QStringLiteral("toggle"),
                               text(QT_TRANSLATE_NOOP("CommandLine", "Pause the countdown, or start or resume it."))),
            QCommandLineOption(QStringLiteral("stop"),
                               text(QT_TRANSLATE_NOOP("CommandLine", "Stop the phase and get the next one ready."))),
            QCommandLineOption(
                    QStringLiteral("status"),
                    text(QT_TRANSLATE_NOOP("CommandLine",
                                           "Print the phase, the time left and the task. Exit status 0 while counting, "
                                           "1 when paused or ready, 3 when Stint is not running."))),
            QCommandLineOption(QStringLiteral("follow"),
                               text(QT_TRANSLATE_NOOP("CommandLine",
                                                      "Print the status again at each change, until interrupted."))),
            QCommandLineOption(QStringLiteral("json"),
                               text(QT_TRANSLATE_NOOP("CommandLine",
                                                      "With --status or --follow: print JSON objects, as waybar reads "
                                                      "them; with --history, JSON lines."))),
    };
    group.run = [](const QCommandLineParser &parser) -> std::optional<int> {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        const bool asJson = parser.isSet(QStringLiteral("json"));
        const auto notRunning = [] {
            std::fprintf(stderr, "stint: %s\n",
                         qPrintable(QCoreApplication::translate("TimerClient", "Stint is not running")));
            return CommandLine::noStint;
        };
        if (parser.isSet(QStringLiteral("follow")))
            return TimerClient::follow(bus, asJson);
        if (parser.isSet(QStringLiteral("status"))) {
            const std::optional<TimerClient::Status> status = TimerClient::read(bus);
            if (status || asJson)
                std::printf("%s\n", TimerClient::printed(status, asJson).constData());
            if (!status)
                return asJson ? CommandLine::noStint : notRunning();
            return status->running ? 0 : 1;
        }
        QString method;
        QVariantList arguments;
        if (parser.isSet(QStringLiteral("start"))) {
            const QString title = parser.positionalArguments().join(u' ').trimmed();
            method = title.isEmpty() ? QStringLiteral("Start") : QStringLiteral("StartTask");
            if (!title.isEmpty())
                arguments << title;
        } else if (parser.isSet(QStringLiteral("pause"))) {
            method = QStringLiteral("Pause");
        } else if (parser.isSet(QStringLiteral("toggle"))) {
            method = QStringLiteral("Toggle");
        } else if (parser.isSet(QStringLiteral("stop"))) {
            method = QStringLiteral("Stop");
        } else if (parser.isSet(QStringLiteral("json"))) {
            std::fprintf(
                    stderr, "stint: %s\n",
                    qPrintable(QCoreApplication::translate("CommandLine", "--json goes with --status or --follow.")));
            return CommandLine::usageError;
        } else {
            return std::nullopt;
        }
        return TimerClient::call(bus, method, arguments) ? 0 : notRunning();
    };
    return group;
}
