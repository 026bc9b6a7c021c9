#include "ui/formatters.h"

#include <QTest>

#include <ctime>

// The formatters split dates in the process's local time zone; each case
// switches it through TZ so the same instant can fall on different days.
struct ZoneSwitch
{
    explicit ZoneSwitch(const QByteArray &zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneSwitch()
    {
        m_saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", m_saved);
        tzset();
    }
    const QByteArray m_saved = qgetenv("TZ");
};

class TestFormatters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");

        QTest::newRow("padded, fraction dropped") << 307.6 << "05:07";
        QTest::newRow("minutes past two digits") << 6000.0 << "100:00";
    }

    void formatTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(::formatTime(seconds), text);
    }

    void mediumPattern_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");

        // The weekday goes from the front, from the end, and with an Arabic comma.
        QTest::newRow("American") << "en_US" << "MMM d, yyyy h:mm AP";
        QTest::newRow("Japanese") << "ja_JP" << "yyyy年M月d日 H:mm";
        QTest::newRow("Arabic") << "ar_EG" << "d MMM yyyy h:mm AP";
    }

    void mediumPattern()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        QCOMPARE(mediumDateShortTimePattern(QLocale(locale)), pattern);
    }

    // Local wall-clock times, seen on 5 March 2024.
    void dueDate_data()
    {
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<QString>("text");
        const QTime midnight(0, 0);
        QTest::newRow("midnight today") << QDateTime(QDate(2024, 3, 5), midnight) << "Today";
        QTest::newRow("midnight yesterday") << QDateTime(QDate(2024, 3, 4), midnight) << "Yesterday";
        QTest::newRow("midnight tomorrow") << QDateTime(QDate(2024, 3, 6), midnight) << "Tomorrow";
        QTest::newRow("midnight another day") << QDateTime(QDate(2024, 3, 9), midnight) << "09 March";
        QTest::newRow("one second after midnight is a time of day")
            << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)) << "Mar 5, 2024 12:00 AM";
        QTest::newRow("milliseconds do not count")
            << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 500)) << "Today";
    }

    void dueDate()
    {
        QFETCH(QDateTime, due);
        QFETCH(QString, text);
        const QDateTime now(QDate(2024, 3, 5), QTime(15, 30));
        QCOMPARE(formatDueDate(due, now, QLocale(QLocale::English, QLocale::UnitedStates)), text);
    }

    // Instants with their offsets, as the backend sends event start times.
    void eventDate_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("text");

        const QString now = QStringLiteral("2024-03-05T12:00:00Z");
        QTest::newRow("midnight today") << QByteArray("UTC") << "en_US" << now
                                        << "2024-03-05T00:00:00Z" << "Today";
        QTest::newRow("midnight another day: date and time")
            << QByteArray("UTC") << "en_US" << now << "2024-03-08T00:00:00Z" << "Mar 8, 2024 12:00 AM";
        QTest::newRow("Berlin's midnight seen from London is 23:00")
            << QByteArray("Europe/London") << "en_GB" << now << "2024-03-05T00:00:00+01:00"
            << "4 Mar 2024 23:00";
        QTest::newRow("Auckland is already on the next day")
            << QByteArray("Pacific/Auckland") << "en_US" << now << "2024-03-06T00:00:00+13:00"
            << "Today";
    }

    void eventDate()
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
};

QTEST_GUILESS_MAIN(TestFormatters)
#include "tst_formatters.moc"
