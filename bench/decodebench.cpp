// Times our strict decoding of a large task list and event list against the
// bare JSON parse of the same bytes. The parse is a floor nobody can go
// under; the interesting number is how much the record checks add on top.
//
//   stint-bench-decode [runs]     (build in Release for meaningful numbers)

#include "backend/event.h"
#include "backend/task.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int taskCount = 10000;
constexpr int eventCount = 2000;

// A fixed seed keeps the generated lists, and so the timings, comparable
// between runs.
QRandomGenerator random(20240503);

QString token(int length)
{
    static const QLatin1StringView alphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-");
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[random.bounded(int(alphabet.size()))]);
    return text;
}

QString sentence(int words)
{
    static const QStringList vocabulary = {"review", "draft",    "quarterly", "report",  "call",  "team",
                                           "budget", "plan",     "fix",       "release", "notes", "design",
                                           "sync",   "customer", "invoice",   "update",  "Käse",  "meeting"};
    QStringList picked;
    for (int i = 0; i < words; ++i)
        picked << vocabulary[random.bounded(int(vocabulary.size()))];
    return picked.join(u' ');
}

QString instant(int dayOffset, int hour, const char *zone)
{
    const QDate day = QDate(2024, 5, 1).addDays(dayOffset);
    return day.toString(Qt::ISODate) + QStringLiteral("T%1:00:00").arg(hour, 2, 10, QChar(u'0'))
            + QLatin1StringView(zone);
}

// Shaped like what the Google Tasks API hands the backend.
QByteArray taskList()
{
    QJsonArray tasks;
    for (int i = 0; i < taskCount; ++i) {
        const QString id = token(22);
        QJsonObject task{
                {"kind", "tasks#task"},
                {"id", id},
                {"etag", "\"" + token(16) + "\""},
                {"title", sentence(1 + random.bounded(6))},
                {"updated", instant(random.bounded(60), random.bounded(24), ".000Z")},
                {"selfLink", "https://www.googleapis.com/tasks/v1/lists/" + token(22) + "/tasks/" + id},
                {"position", QStringLiteral("%1").arg(i, 20, 10, QChar(u'0'))},
                {"status", random.bounded(4) == 0 ? "completed" : "needsAction"},
                {"links", QJsonArray()},
                {"webViewLink", "https://tasks.google.com/task/" + id + "?sa=6"},
        };
        if (random.bounded(3) != 0)
            task.insert("due", QDate(2024, 5, 1).addDays(random.bounded(90)).toString(Qt::ISODate) + "T00:00:00.000Z");
        if (random.bounded(2) == 0)
            task.insert("notes", sentence(5 + random.bounded(20)));
        tasks.append(task);
    }
    return QJsonDocument(tasks).toJson(QJsonDocument::Compact);
}

QJsonObject person(const QString &name)
{
    return {{"email", name + "@example.com"}, {"displayName", name}};
}

QJsonObject conference(int kind)
{
    const QString meetingNumber = QString::number(80000000000LL + random.bounded(999999999));
    QJsonArray entryPoints;
    QJsonObject solution;
    QString conferenceId;
    if (kind == 0) { // Zoom, the Zoom add-on's shape
        const QString passcode = token(6);
        entryPoints = {
                QJsonObject{{"entryPointType", "video"},
                            {"uri", "https://us02web.zoom.us/j/" + meetingNumber + "?pwd=" + token(32)},
                            {"label", "us02web.zoom.us/j/" + meetingNumber},
                            {"meetingCode", meetingNumber},
                            {"passcode", passcode}},
                QJsonObject{{"entryPointType", "phone"},
                            {"uri", "tel:+16465588656,," + meetingNumber + "#"},
                            {"label", "+1 646-558-8656"},
                            {"regionCode", "US"},
                            {"passcode", passcode}},
        };
        solution = {{"key", QJsonObject{{"type", "addOn"}}},
                    {"name", "Zoom Meeting"},
                    {"iconUri",
                     "https://lh3.googleusercontent.com/"
                     "ugWKRyPiOCwjn5jfaoVgC-O80F3nhKH1dKMGsibXvGV1tc6pGXLOJk9WO7dwhw8"}};
        conferenceId = meetingNumber;
    } else { // Google Meet
        conferenceId = token(3).toLower() + "-" + token(4).toLower() + "-" + token(3).toLower();
        entryPoints = {
                QJsonObject{{"entryPointType", "video"},
                            {"uri", "https://meet.google.com/" + conferenceId},
                            {"label", "meet.google.com/" + conferenceId}},
                QJsonObject{{"entryPointType", "more"},
                            {"uri", "https://tel.meet/" + conferenceId + "?pin=" + meetingNumber},
                            {"pin", meetingNumber}},
        };
        solution = {{"key", QJsonObject{{"type", "hangoutsMeet"}}},
                    {"name", "Google Meet"},
                    {"iconUri",
                     "https://fonts.gstatic.com/s/i/productlogos/meet_2020q4/v6/web-512dp/"
                     "logo_meet_2020q4_color_2x_web_512dp.png"}};
    }
    QJsonObject data{{"entryPoints", entryPoints}, {"conferenceSolution", solution}, {"conferenceId", conferenceId}};
    if (kind == 1)
        data.insert("createRequest",
                    QJsonObject{{"requestId", token(10)},
                                {"conferenceSolutionKey", QJsonObject{{"type", "hangoutsMeet"}}},
                                {"status", QJsonObject{{"statusCode", "success"}}}});
    return data;
}

// Shaped like what the Google Calendar API hands the backend.
QByteArray eventList()
{
    QJsonArray events;
    for (int i = 0; i < eventCount; ++i) {
        const QString id = token(26).toLower();
        const int day = random.bounded(60);
        const int hour = 7 + random.bounded(10);
        QJsonObject event{
                {"kind", "calendar#event"},
                {"etag", "\"" + QString::number(3421785601712000LL + i) + "\""},
                {"id", id},
                {"status", "confirmed"},
                {"htmlLink", "https://www.google.com/calendar/event?eid=" + token(60)},
                {"created", instant(day - 10, 9, ".000Z")},
                {"updated", instant(day - 5, 11, ".512Z")},
                {"summary", sentence(2 + random.bounded(4))},
                {"creator", person("alice")},
                {"organizer", person("alice")},
                {"iCalUID", id + "@google.com"},
                {"sequence", random.bounded(3)},
                {"reminders", QJsonObject{{"useDefault", true}}},
                {"eventType", "default"},
        };
        if (random.bounded(5) == 0) { // all-day
            event.insert("start",
                         QJsonObject{{"date", QDate(2024, 5, 1).addDays(day).toString(Qt::ISODate)},
                                     {"timeZone", "Europe/Berlin"}});
            event.insert("end",
                         QJsonObject{{"date", QDate(2024, 5, 2).addDays(day).toString(Qt::ISODate)},
                                     {"timeZone", "Europe/Berlin"}});
        } else {
            event.insert("start",
                         QJsonObject{{"dateTime", instant(day, hour, "+02:00")}, {"timeZone", "Europe/Berlin"}});
            event.insert("end",
                         QJsonObject{{"dateTime", instant(day, hour + 1, "+02:00")}, {"timeZone", "Europe/Berlin"}});
        }
        if (random.bounded(3) == 0)
            event.insert("description", sentence(10 + random.bounded(40)));
        QJsonArray attendees;
        for (int a = random.bounded(6); a > 0; --a) {
            QJsonObject attendee = person("guest" + QString::number(a));
            attendee.insert("responseStatus", "accepted");
            attendees.append(attendee);
        }
        event.insert("attendees", attendees);
        const int meeting = random.bounded(10);
        if (meeting < 3)
            event.insert("conferenceData", conference(0));
        else if (meeting < 6)
            event.insert("conferenceData", conference(1));
        events.append(event);
    }
    return QJsonDocument(events).toJson(QJsonDocument::Compact);
}

// The median of `runs` timings of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()> &work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template<typename Decode>
bool compare(QTextStream &out, const char *name, int count, const QByteArray &json, int runs, Decode decode)
{
    // Check once, outside the timing, that the generated list really decodes.
    const auto result = decode(json);
    if (!result.isSuccess() || result.value().size() != count) {
        out << name << ": the generated list does not decode: "
            << (result.isSuccess() ? QStringLiteral("wrong count") : result.error().description) << Qt::endl;
        return false;
    }

    // Kept so neither side's work can be thrown away.
    volatile qsizetype sink = 0;
    const double parse = medianMs(runs, [&] { sink = QJsonDocument::fromJson(json).array().size(); });
    const double ours = medianMs(runs, [&] { sink = decode(json).value().size(); });
    (void)sink;
    const double ratio = ours / parse;
    out << Qt::left << qSetFieldWidth(8) << name << qSetFieldWidth(0) << count << " records, "
        << QString::number(json.size() / 1e6, 'f', 2) << " MB: QJsonDocument::fromJson "
        << QString::number(parse, 'f', 2) << " ms, ours " << QString::number(ours, 'f', 2) << " ms, ratio "
        << QString::number(ratio, 'f', 2) << (ratio <= 2.0 ? "" : "  (over 2)") << "  (median of " << runs << " runs)"
        << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("15")).toInt());
    QTextStream out(stdout);

    const QByteArray tasks = taskList();
    const QByteArray events = eventList();

    bool ok = compare(out, "tasks", taskCount, tasks, runs, decodeTaskList);
    ok = compare(out, "events", eventCount, events, runs, decodeEventList) && ok;
    return ok ? 0 : 1;
}
