#include "history/phaserecord.h"

#include <QJsonDocument>

QString PhaseRecord::kindName(Kind kind)
{
    return kind == Kind::focus ? QStringLiteral("focus") : QStringLiteral("rest");
}

QString PhaseRecord::endingName(Ending ending)
{
    switch (ending) {
    case Ending::open:
        return {};
    case Ending::ranOut:
        return QStringLiteral("ran-out");
    case Ending::stopped:
        return QStringLiteral("stopped");
    case Ending::quit:
        return QStringLiteral("quit");
    case Ending::interrupted:
        return QStringLiteral("interrupted");
    }
    return {};
}

QString PhaseRecord::answerName(Answer answer)
{
    switch (answer) {
    case Answer::none:
        return {};
    case Answer::yes:
        return QStringLiteral("yes");
    case Answer::no:
        return QStringLiteral("no");
    }
    return {};
}

std::optional<PhaseRecord::Kind> PhaseRecord::kindFromName(const QString &name)
{
    if (name == u"focus")
        return Kind::focus;
    if (name == u"rest")
        return Kind::rest;
    return std::nullopt;
}

PhaseRecord::Ending PhaseRecord::endingFromName(const QString &name)
{
    for (Ending ending : {Ending::ranOut, Ending::stopped, Ending::quit, Ending::interrupted}) {
        if (name == endingName(ending))
            return ending;
    }
    return Ending::open;
}

PhaseRecord::Answer PhaseRecord::answerFromName(const QString &name)
{
    if (name == u"yes")
        return Answer::yes;
    if (name == u"no")
        return Answer::no;
    return Answer::none;
}

namespace {

QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toLocalTime().toOffsetFromUtc(time.toLocalTime().offsetFromUtc()).toString(Qt::ISODate)
                          : QString();
}

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a
// line break, with quotes doubled.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

namespace PhaseExport {

QByteArray csvHeader()
{
    return "started,ended,kind,planned_seconds,focused_seconds,task,google_task_id,ending,answer\r\n";
}

QByteArray csvRow(const PhaseRecord &phase)
{
    const QStringList fields{isoTime(phase.startedAt),
                             isoTime(phase.endedAt),
                             PhaseRecord::kindName(phase.kind),
                             QString::number(phase.plannedSeconds),
                             QString::number(phase.focusedSeconds),
                             csvField(phase.taskTitle),
                             csvField(phase.googleTaskId),
                             PhaseRecord::endingName(phase.ending),
                             PhaseRecord::answerName(phase.answer)};
    return fields.join(u',').toUtf8() + "\r\n";
}

QByteArray jsonLine(const PhaseRecord &phase)
{
    const auto textOrNull = [](const QString &text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); };
    const QJsonObject object{{QStringLiteral("started"), isoTime(phase.startedAt)},
                             {QStringLiteral("ended"), isoTime(phase.endedAt)},
                             {QStringLiteral("kind"), PhaseRecord::kindName(phase.kind)},
                             {QStringLiteral("plannedSeconds"), phase.plannedSeconds},
                             {QStringLiteral("focusedSeconds"), phase.focusedSeconds},
                             {QStringLiteral("task"), phase.taskTitle},
                             {QStringLiteral("googleTaskId"), textOrNull(phase.googleTaskId)},
                             {QStringLiteral("ending"), textOrNull(PhaseRecord::endingName(phase.ending))},
                             {QStringLiteral("answer"), textOrNull(PhaseRecord::answerName(phase.answer))}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace PhaseExport
