#include "history/historystore.h"

#include "common/outputline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace {

// SQLite's result codes for a file that is not a database, or a broken one.
const QString notADatabase = QStringLiteral("26");
const QString corrupt = QStringLiteral("11");

const QString columns = QStringLiteral("id, kind, started_at, ended_at, planned_seconds, focused_seconds, task_title, "
                                       "google_task_id, ending, answer");

qint64 msecs(const QDateTime &time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : 0;
}

PhaseRecord readPhase(const QSqlQuery &query)
{
    PhaseRecord phase;
    phase.id = query.value(0).toLongLong();
    phase.kind = PhaseRecord::kindFromName(query.value(1).toString()).value_or(PhaseRecord::Kind::focus);
    phase.startedAt = QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong());
    phase.endedAt = QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong());
    phase.plannedSeconds = query.value(4).toInt();
    phase.focusedSeconds = query.value(5).toInt();
    phase.taskTitle = query.value(6).toString();
    phase.googleTaskId = query.value(7).toString();
    phase.ending = PhaseRecord::endingFromName(query.value(8).toString());
    phase.answer = PhaseRecord::answerFromName(query.value(9).toString());
    return phase;
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

} // namespace

HistoryStore::HistoryStore(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_connection(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

HistoryStore::~HistoryStore()
{
    closeFile();
}

QString HistoryStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/stint/history.sqlite");
}

const QStringList &HistoryStore::migrations()
{
    static const QStringList steps{
            // 0 -> 1: the phases.
            QStringLiteral("CREATE TABLE phases ("
                           " id INTEGER PRIMARY KEY,"
                           " kind TEXT NOT NULL,"
                           " started_at INTEGER NOT NULL,"
                           " ended_at INTEGER NOT NULL,"
                           " planned_seconds INTEGER NOT NULL,"
                           " focused_seconds INTEGER NOT NULL,"
                           " task_title TEXT NOT NULL DEFAULT '',"
                           " google_task_id TEXT,"
                           " ending TEXT,"
                           " answer TEXT)"),
            // 1 -> 2: days and weeks are read by start time.
            QStringLiteral("CREATE INDEX phases_by_start ON phases (started_at)"),
    };
    return steps;
}

void HistoryStore::report(const QString &line)
{
    if (line == m_lastReport)
        return;
    m_lastReport = line;
    printLine(line);
}

bool HistoryStore::openFile(bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QString error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        if (!readOnly)
            report(QStringLiteral("Focus history unavailable, kept in memory for now: ") + error);
        return false;
    }
    return true;
}

void HistoryStore::closeFile()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    if (m_state == State::open)
        m_state = State::closed;
}

void HistoryStore::moveAside()
{
    const QString aside = m_path + QStringLiteral(".corrupt-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // The journal files go with it: a fresh file must not pick them up.
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    report(QStringLiteral("Focus history file was damaged; moved aside to ") + aside
           + QStringLiteral(" and started a new one"));
}

bool HistoryStore::open(bool closeOpenPhases)
{
    if (m_state == State::open)
        return true;
    if (m_state == State::newerSchema)
        return false;
    m_wanted = true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());

    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!openFile(false))
            return false;
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            const QSqlError error = query.lastError();
            query = QSqlQuery();
            db = QSqlDatabase();
            closeFile();
            if (attempt == 0 && (error.nativeErrorCode() == notADatabase || error.nativeErrorCode() == corrupt)) {
                moveAside();
                continue;
            }
            report(QStringLiteral("Focus history unavailable, kept in memory for now: ") + error.text());
            return false;
        }
        const int version = query.value(0).toInt();
        query.finish();
        if (version > schemaVersion) {
            query = QSqlQuery();
            db = QSqlDatabase();
            closeFile();
            m_state = State::newerSchema;
            report(QStringLiteral("Focus history is off: ") + m_path
                   + QStringLiteral(" is from a newer version of Stint and was left untouched"));
            return false;
        }
        query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        m_state = State::open;
        if (!migrate()) {
            query = QSqlQuery();
            db = QSqlDatabase();
            closeFile();
            return false;
        }
        if (closeOpenPhases
            && !query.exec(QStringLiteral("UPDATE phases SET ending = 'interrupted' WHERE ending IS NULL"))) {
            report(QStringLiteral("Focus history could not close an interrupted phase: ") + query.lastError().text());
        }
        m_lastReport.clear();
        Q_EMIT opened();
        return true;
    }
    return false;
}

bool HistoryStore::openForReading()
{
    if (m_state == State::open)
        return true;
    if (!QFileInfo::exists(m_path) || !openFile(true))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const bool fits = query.exec(QStringLiteral("PRAGMA user_version")) && query.next() && query.value(0).toInt() >= 1
            && query.value(0).toInt() <= schemaVersion;
    query = QSqlQuery();
    if (!fits) {
        closeFile();
        return false;
    }
    m_state = State::open;
    return true;
}

bool HistoryStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    query.exec(QStringLiteral("PRAGMA user_version"));
    query.next();
    const int from = query.value(0).toInt();
    query.finish();
    if (from == schemaVersion)
        return true;
    // All steps or none: a failure leaves the file as it was.
    db.transaction();
    for (int step = from; step < schemaVersion; ++step) {
        if (!query.exec(migrations().at(step))) {
            report(QStringLiteral("Focus history could not be brought up to date: ") + query.lastError().text());
            db.rollback();
            return false;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) || !db.commit()) {
        report(QStringLiteral("Focus history could not be brought up to date: ") + query.lastError().text()
               + db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}

bool HistoryStore::save(PhaseRecord &phase)
{
    // Before the first open() nothing touches the disk; after it, a file
    // that could not be opened is tried again.
    if (m_state != State::open && (!m_wanted || !open()))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (phase.id == 0) {
        query.prepare(QStringLiteral("INSERT INTO phases (kind, started_at, ended_at, planned_seconds, "
                                     "focused_seconds, task_title, google_task_id, ending, answer) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    } else {
        query.prepare(QStringLiteral("UPDATE phases SET kind = ?, started_at = ?, ended_at = ?, planned_seconds = ?, "
                                     "focused_seconds = ?, task_title = ?, google_task_id = ?, ending = ?, "
                                     "answer = ? WHERE id = ?"));
    }
    query.addBindValue(PhaseRecord::kindName(phase.kind));
    query.addBindValue(msecs(phase.startedAt));
    query.addBindValue(msecs(phase.endedAt));
    query.addBindValue(phase.plannedSeconds);
    query.addBindValue(phase.focusedSeconds);
    query.addBindValue(phase.taskTitle.isEmpty() ? QStringLiteral("") : phase.taskTitle); // never NULL
    query.addBindValue(textOrNull(phase.googleTaskId));
    query.addBindValue(textOrNull(PhaseRecord::endingName(phase.ending)));
    query.addBindValue(textOrNull(PhaseRecord::answerName(phase.answer)));
    if (phase.id != 0)
        query.addBindValue(phase.id);
    if (!query.exec()) {
        report(QStringLiteral("Focus history could not be written, kept in memory for now: ")
               + query.lastError().text());
        return false;
    }
    if (phase.id == 0)
        phase.id = query.lastInsertId().toLongLong();
    m_lastReport.clear();
    Q_EMIT changed();
    return true;
}

QList<PhaseRecord> HistoryStore::phases(const QDateTime &from, const QDateTime &to) const
{
    QList<PhaseRecord> result;
    if (m_state != State::open)
        return result;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (from.isValid() && to.isValid()) {
        query.prepare(
                QStringLiteral("SELECT ") + columns
                + QStringLiteral(" FROM phases WHERE started_at >= ? AND started_at < ? ORDER BY started_at, id"));
        query.addBindValue(msecs(from));
        query.addBindValue(msecs(to));
    } else {
        query.prepare(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM phases ORDER BY started_at, id"));
    }
    if (!query.exec())
        return result;
    while (query.next())
        result.append(readPhase(query));
    return result;
}

void HistoryStore::forEachPhase(const std::function<void(const PhaseRecord &)> &visit) const
{
    if (m_state != State::open)
        return;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM phases ORDER BY started_at, id")))
        return;
    while (query.next())
        visit(readPhase(query));
}

HistoryStore::Totals HistoryStore::focusTotals(const QDateTime &from, const QDateTime &to,
                                               const QList<qint64> &except) const
{
    Totals totals;
    if (m_state != State::open)
        return totals;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    QStringList ids;
    for (qint64 id : except)
        ids.append(QString::number(id));
    query.prepare(QStringLiteral("SELECT COUNT(*), TOTAL(focused_seconds) FROM phases "
                                 "WHERE kind = 'focus' AND focused_seconds > 0 AND started_at >= ? AND started_at < ?"
                                 " AND id NOT IN (%1)")
                          .arg(ids.join(u',')));
    query.addBindValue(msecs(from));
    query.addBindValue(msecs(to));
    if (query.exec() && query.next()) {
        totals.phases = query.value(0).toInt();
        totals.focusedSeconds = qint64(query.value(1).toDouble());
    }
    return totals;
}

bool HistoryStore::clear()
{
    if (!open())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("DELETE FROM phases"))) {
        report(QStringLiteral("Focus history could not be cleared: ") + query.lastError().text());
        return false;
    }
    printLine(QStringLiteral("Focus history cleared"));
    Q_EMIT changed();
    return true;
}
