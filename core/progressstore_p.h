#pragma once
// What the source files of SqliteProgressStore share: its state (the connection, the prepared
// writes, what went wrong) and the small helpers around SQLite's result codes. Opening, locking
// and migrations are in progressstore_open.cpp, recording and the schedule in
// progressstore_record.cpp, the queries behind the windows in progressstore_queries.cpp, the
// export in progressstore_export.cpp.
#include "core/fsrs.h"
#include "core/progressstore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <memory>
#include <string_view>

struct sqlite3;

namespace progressstore {

// SQLite's primary result codes that decide what happens to the file.
enum SqliteCode { Busy = 5, Locked = 6, Corrupt = 11, Full = 13, Constraint = 19, NotADatabase = 26 };

inline int codeOf(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

inline bool isDamage(const QSqlError &error)
{
    const int code = codeOf(error);
    return code == Corrupt || code == NotADatabase;
}

// Qt binds a null string as NULL; the record keeps an empty text instead.
inline QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// The review schedule's tables as this version lays them out; each statement may run again.
extern const char *const scheduleSchema[4];

// Lays out an empty file as schema `version` had it, with the migrations up to it: for the
// benchmark's files of older versions. False, with the error where SQLite gave one, on failure.
bool layOut(const QSqlDatabase &db, int version, QSqlError *error);

// The connection's own SQLite handle (null for a connection that is not SQLite's).
sqlite3 *handleOf(const QSqlDatabase &db);

// What every store shows before anything is counted.
QList<ExerciseSummary> noSummaries();
QList<DayCount> noDays(const QDate &last, int days);
QList<DueOutlook> noOutlook();

// Writes one item's schedule, with scheduleRow's bindings; and notes the last answer replayed.
inline constexpr const char *writeScheduleSql =
    "INSERT OR REPLACE INTO schedule(lesson, section, exercise, plus, item, expected, stability, difficulty, "
    "reviews, lapses, last_time, last_day, due) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr const char *markReplayedSql = "INSERT OR REPLACE INTO schedule_replayed(id, last_answer) VALUES(1, ?)";

// Times as the log keeps them: ISO 8601 in UTC with milliseconds ("2026-12-07T15:20:00.000Z").
QString timeText(const QDateTime &utc);
// Review days as the schedule keeps them: ISO 8601 dates.
inline QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}
// 1 January 1970 as a Julian day.
inline constexpr qint64 unixEpochDay = 2440588;
// Reads them back; invalid for anything else.
QDateTime parseTime(const QString &text);
// The same from the log's UTF-8 bytes, as milliseconds since the epoch, fast (the schedule's
// rebuild reads a million). False for anything else.
bool timeMs(std::string_view text, qint64 *ms);

} // namespace progressstore

struct SqliteProgressStore::Impl {
    enum class State { Closed, Ready, NotSaving, Newer };

    QString path;
    QString connection;
    State state = State::Closed;
    QString problem;
    QString damagedName;
    qint64 runId = -1;
    QSqlDatabase db;
    std::unique_ptr<QSqlQuery> insertAnswer, insertRun, endRun, readItem, writeItem, writeExpected, markReplayed;
    bool readable = false; // the schema is ours and the connection open
    int sinceCheckpoint = 0;
    std::shared_ptr<std::atomic<bool>> checkpointing = std::make_shared<std::atomic<bool>>(false);

    QSqlQuery query() { return QSqlQuery(db); }

    // progressstore_open.cpp
    void wrote(bool pause = false);
    void waitForCheckpoint();
    bool exec(QSqlQuery &q, const QString &sql, QSqlError *error = nullptr, int attempts = 100);
    bool write(QSqlQuery &q, QSqlError *error);
    bool begin(QSqlError *error);
    void rollback();
    void connect();
    void disconnect();
    void releaseWrites();
    void cannotSave(const QString &reason, bool keepReading = false);
    bool moveAside();
    void keepJournal(bool keep);
    bool setUp(QSqlError *error);
    bool prepareWrites(QSqlError *error);
    bool migrate(QSqlError *error);
    void open();
    static QString reasonFor(const QSqlError &error);
    void writeFailed(const QSqlError &error);

    // progressstore_record.cpp
    // Whether the schedule has replayed every answer of the log.
    bool scheduleCurrent();
    // Derives the schedule anew from the log, in one transaction.
    bool rebuild(QSqlError *error);
    // Moves the schedule of the answer just inserted, given at `at` (UTC) where the clock was
    // `utcOffset` seconds ahead of UTC (in the caller's transaction).
    bool schedule(qint64 answerId, const AnswerEvent &event, const QDateTime &at, int utcOffset, QSqlError *error);
};
