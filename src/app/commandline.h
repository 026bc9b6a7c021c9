#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// Stint's command line. Plain `stint` (or `stint URL`, the sign-in's
// callbacks) starts the app or brings the running one forward; every option
// instead asks the running Stint something and exits, without a window and
// without starting a second Stint. Options come in groups, each with the
// function that carries them out; a group is added with a few lines:
//
//     CommandLine commandLine;
//     commandLine.addGroup({{QCommandLineOption(...)}, runMyOptions});
//
// where runMyOptions returns an exit status when its options were given and
// nothing when they were not.
class CommandLine
{
public:
    struct Group
    {
        QList<QCommandLineOption> options;
        std::function<std::optional<int>(const QCommandLineParser &)> run;
    };

    // Exit statuses shared by the groups.
    static constexpr int usageError = 2;
    static constexpr int noStint = 3;

    // With the timer's options (--start, --pause, ...) and --history already in.
    CommandLine();

    void addGroup(Group group);

    // Whether `name` (without dashes) is one of the options, help included.
    bool knows(const QString &name) const;

    // Carries out the options in `arguments` (the program's name first).
    // Returns the exit status when an option was handled, --help included;
    // nothing when the app is to start as usual.
    std::optional<int> run(const QStringList &arguments);

    // The positional arguments of the last run (the title after --start,
    // the URLs of a plain start).
    const QCommandLineParser &parser() const { return m_parser; }

private:
    QCommandLineParser m_parser;
    QList<Group> m_groups;
};

// The timer's options: --start [TITLE], --pause, --toggle, --stop,
// --status [--json] and --follow [--json].
CommandLine::Group timerOptions();
