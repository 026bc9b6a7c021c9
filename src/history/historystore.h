#pragma once

#include "history/phaserecord.h"

#include <QObject>
#include <QString>

#include <functional>

// The focus history on disk: a SQLite file (WAL, synchronous=NORMAL) with
// one row a phase, its schema version in `user_version`, migrated forward
// step by step from the first version.
//
// Opening never stops the timer. A file that is not a database is moved
// aside with the date in its name (never deleted) and a fresh one is made; a
// file from a newer Stint is left untouched and the history stays off for
// this run; a file that cannot be opened or written (a read-only folder, a
// full disk) is tried again at the next write. Each failure prints one line.
class HistoryStore : public QObject
{
    Q_OBJECT

public:
    enum class State {
        closed, // not opened yet, or the last try failed: the next write tries again
        open,
        newerSchema, // off for this run
    };

    static constexpr int schemaVersion = 2;

    // `path`: the file; defaultPath() in the app.
    explicit HistoryStore(const QString &path, QObject *parent = nullptr);
    ~HistoryStore() override;

    // $XDG_DATA_HOME/stint/history.sqlite (~/.local/share/stint/ by default).
    static QString defaultPath();

    const QString &path() const { return m_path; }
    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::open; }

    // Opens (and creates, migrates or moves aside) the file. As the app
    // starts, `closeOpenPhases` closes the phases a crash left open as
    // interrupted; readers leave them be. Returns whether it is open.
    bool open(bool closeOpenPhases = true);
    // Opens the file for reading only, as it stands (no migration, no
    // recovery): false when it is missing, unreadable or of another schema.
    bool openForReading();

    // Inserts the phase (id 0) or updates its row; sets the id. False, with
    // one line for a new failure, when the disk refuses.
    bool save(PhaseRecord &phase);

    // Phases started in [from, to), oldest first; all of them with invalid times.
    QList<PhaseRecord> phases(const QDateTime &from = {}, const QDateTime &to = {}) const;
    // Each phase in start order, without holding them all.
    void forEachPhase(const std::function<void(const PhaseRecord &)> &visit) const;
    // Focus phases with focused time started in [from, to), but for the rows
    // `except`: their number and seconds.
    struct Totals
    {
        int phases = 0;
        qint64 focusedSeconds = 0;
    };
    Totals focusTotals(const QDateTime &from, const QDateTime &to, const QList<qint64> &except = {}) const;

    // Removes every phase. False when the disk refuses.
    bool clear();

    // The steps from the first version on: step i brings version i to i + 1.
    static const QStringList &migrations();

Q_SIGNALS:
    // Rows were added, changed or removed.
    void changed();
    // The file is open for writing: phases kept in memory can go to it.
    void opened();

private:
    bool openFile(bool readOnly);
    void closeFile();
    bool migrate();
    void moveAside();
    void report(const QString &line);

    QString m_path;
    QString m_connection;
    State m_state = State::closed;
    bool m_wanted = false; // open() was called: writes may open the file
    QString m_lastReport; // the failure last printed, so a repeat prints nothing
};
