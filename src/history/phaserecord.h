#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// One phase of the countdown as the history keeps it. Times are real time,
// suspend included: `endedAt` is the end of a closed phase, and the last
// moment it was seen running while it is open.
struct PhaseRecord
{
    enum class Kind { focus, rest };
    // How the phase ended; `open` while it runs or is paused.
    enum class Ending { open, ranOut, stopped, quit, interrupted };
    // The answer to "Is the task now done?" about this phase, when one was given.
    enum class Answer { none, yes, no };

    qint64 id = 0; // the row; 0 until it is written
    Kind kind = Kind::focus;
    QDateTime startedAt;
    QDateTime endedAt;
    int plannedSeconds = 0;
    int focusedSeconds = 0;
    QString taskTitle;
    QString googleTaskId; // empty unless the task came from the list
    Ending ending = Ending::open;
    Answer answer = Answer::none;

    bool operator==(const PhaseRecord &) const = default;

    static QString kindName(Kind kind);
    static QString endingName(Ending ending); // empty for `open`
    static QString answerName(Answer answer); // empty for `none`
    static std::optional<Kind> kindFromName(const QString &name);
    static Ending endingFromName(const QString &name);
    static Answer answerFromName(const QString &name);
};

// The export formats, one phase a line or row, times in ISO 8601 with the
// local offset.
namespace PhaseExport {
// The CSV header line, with its CRLF.
QByteArray csvHeader();
// One RFC 4180 row (UTF-8, fields quoted where needed), with its CRLF.
QByteArray csvRow(const PhaseRecord &phase);
// One JSON object on one line, with its LF.
QByteArray jsonLine(const PhaseRecord &phase);
} // namespace PhaseExport
