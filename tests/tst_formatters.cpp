#include "ui/formatters.h"

#include <QTest>

#include <ctime>

// The formatters split dates in the process's local time zone; each case
// switches it through TZ so the same instant can fall on different days.
class ZoneSwitch
{
public:
    explicit ZoneSwitch(const QByteArray &zone)
        : m_saved(qgetenv("TZ"))
        , m_hadZone(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneSwitch()
    {
        if (m_hadZone)
            qputenv("TZ", m_saved);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_saved;
    bool m_hadZone;
};

class TestFormatters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatTime_data();
    void formatTime();
    void mediumPattern_data();
    void mediumPattern();
    void dueDate_data();
    void dueDate();
    void eventDate_data();
    void eventDate();
};

void TestFormatters::formatTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("full focus phase") << 1500.0 << "25:00";
    QTest::newRow("fraction dropped") << 59.9 << "00:59";
    QTest::newRow("zero") << 0.0 << "00:00";
    QTest::newRow("minutes past two digits") << 6000.0 << "100:00";
}

void TestFormatters::formatTime()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(::formatTime(seconds), text);
}

void TestFormatters::mediumPattern_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("American") << "en_US" << "MMM d, yyyy h:mm AP";
    QTest::newRow("German") << "de_DE" << "d. MMM yyyy HH:mm";
    QTest::newRow("Japanese, weekday last") << "ja_JP" << "yyyy年M月d日 H:mm";
    QTest::newRow("Spanish, quoted words kept") << "es_ES" << "d 'de' MMM 'de' yyyy H:mm";
    QTest::newRow("Arabic comma") << "ar_EG" << "d MMM yyyy h:mm AP";
}

void TestFormatters::mediumPattern()
{
    QFETCH(QString, locale);
    QFETCH(QString, pattern);
    QCOMPARE(mediumDateShortTimePattern(QLocale(locale)), pattern);
}

// Dates given as local wall-clock times in the row's zone.
void TestFormatters::dueDate_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("due");
    QTest::addColumn<QString>("text");

    const QDateTime now(QDate(2024, 3, 5), QTime(15, 30));
    const QTime midnight(0, 0);
    for (const QByteArray &zone : {QByteArray("UTC"), QByteArray("Asia/Kolkata")}) {
        const char *z = zone.constData();
        QTest::addRow("%s: midnight today", z) << zone << "en_US" << now
                                               << QDateTime(QDate(2024, 3, 5), midnight) << "Today";
        QTest::addRow("%s: midnight yesterday", z)
            << zone << "en_US" << now << QDateTime(QDate(2024, 3, 4), midnight) << "Yesterday";
        QTest::addRow("%s: midnight tomorrow", z)
            << zone << "en_US" << now << QDateTime(QDate(2024, 3, 6), midnight) << "Tomorrow";
        QTest::addRow("%s: midnight another day", z)
            << zone << "en_US" << now << QDateTime(QDate(2024, 3, 9), midnight) << "09 March";
        QTest::addRow("%s: today with a time of day", z)
            << zone << "en_US" << now << QDateTime(QDate(2024, 3, 5), QTime(9, 5))
            << "Mar 5, 2024 9:05 AM";
    }
    QTest::newRow("one second after midnight is a time of day")
        << QByteArray("UTC") << "en_US" << now << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1))
        << "Mar 5, 2024 12:00 AM";
    QTest::newRow("milliseconds do not count")
        << QByteArray("UTC") << "en_US" << now << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 500))
        << "Today";
    QTest::newRow("tomorrow across the new year")
        << QByteArray("Europe/Berlin") << "de_DE" << QDateTime(QDate(2023, 12, 31), QTime(23, 59))
        << QDateTime(QDate(2024, 1, 1), midnight) << "Tomorrow";
    QTest::newRow("German date and time")
        << QByteArray("Europe/Berlin") << "de_DE" << now
        << QDateTime(QDate(2024, 3, 20), QTime(14, 45)) << "20. März 2024 14:45";
    QTest::newRow("midnight on the day clocks go forward")
        << QByteArray("Europe/Berlin") << "en_GB" << QDateTime(QDate(2024, 3, 30), QTime(12, 0))
        << QDateTime(QDate(2024, 3, 31), midnight) << "Tomorrow";
}

void TestFormatters::dueDate()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, locale);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, due);
    QFETCH(QString, text);

    const ZoneSwitch inZone(zone);
    // Rebuilt here: the rows were made before the zone was switched.
    const QDateTime localNow(now.date(), now.time());
    const QDateTime localDue(due.date(), due.time());
    QCOMPARE(formatDueDate(localDue, localNow, QLocale(locale)), text);
}

// Instants with their offsets, as the backend sends event start times.
void TestFormatters::eventDate_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("text");

    const QString now = QStringLiteral("2024-03-05T12:00:00Z");
    QTest::newRow("midnight today, local") << QByteArray("UTC") << "en_US" << now
                                           << "2024-03-05T00:00:00Z" << "Today";
    QTest::newRow("midnight tomorrow") << QByteArray("UTC") << "en_US" << now
                                       << "2024-03-06T00:00:00Z" << "Tomorrow";
    QTest::newRow("midnight another day: date and time")
        << QByteArray("UTC") << "en_US" << now << "2024-03-08T00:00:00Z" << "Mar 8, 2024 12:00 AM";
    QTest::newRow("today with a time of day: date and time")
        << QByteArray("UTC") << "en_US" << now << "2024-03-05T10:30:00Z" << "Mar 5, 2024 10:30 AM";
    QTest::newRow("midnight in Berlin seen from Berlin")
        << QByteArray("Europe/Berlin") << "de_DE" << now << "2024-03-05T00:00:00+01:00" << "Today";
    QTest::newRow("the same instant seen from London is 23:00")
        << QByteArray("Europe/London") << "en_GB" << now << "2024-03-05T00:00:00+01:00"
        << "4 Mar 2024 23:00";
    QTest::newRow("midnight UTC is evening in Los Angeles")
        << QByteArray("America/Los_Angeles") << "en_US" << now << "2024-03-06T00:00:00Z"
        << "Mar 5, 2024 4:00 PM";
    QTest::newRow("Auckland is already on the next day")
        << QByteArray("Pacific/Auckland") << "en_US" << now << "2024-03-06T00:00:00+13:00"
        << "Today";
}

void TestFormatters::eventDate()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, locale);
    QFETCH(QString, now);
    QFETCH(QString, start);
    QFETCH(QString, text);

    const ZoneSwitch inZone(zone);
    QCOMPARE(formatEventDate(QDateTime::fromString(start, Qt::ISODate),
                             QDateTime::fromString(now, Qt::ISODate), QLocale(locale)),
             text);
}

QTEST_GUILESS_MAIN(TestFormatters)
#include "tst_formatters.moc"
