// Opening the progress file: the lock against a second Tarvo starting at the same moment, the
// schema and its migrations, a damaged file moved aside, and the state that says whether what
// the learner does is kept.
#include "core/progressstore_p.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QVariant>
#include <span>
#include <sqlite3.h>

using namespace progressstore;

namespace {

// The journal copied at open (see keepJournal) is named after the live one with this added.
const char *const keptSuffix = ".kept";

// The first schema: the runs and every answer.
const char *const schemaV1[] = {
    "CREATE TABLE runs(id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT, exercise INTEGER NOT NULL, "
    "plus INTEGER NOT NULL, items INTEGER NOT NULL, completed INTEGER)",
    "CREATE TABLE answers(id INTEGER PRIMARY KEY, time TEXT NOT NULL, exercise INTEGER NOT NULL, plus INTEGER NOT NULL, "
    "item TEXT NOT NULL, answer TEXT NOT NULL, is_right INTEGER NOT NULL, first_try INTEGER NOT NULL)",
};

// The second: each answer's right answer, and summaries kept by a trigger so that the Progress
// window reads a few rows however many answers there are.
const char *const schemaV2[] = {
    "ALTER TABLE answers ADD COLUMN expected TEXT NOT NULL DEFAULT ''",
    "CREATE TABLE exercise_stats(exercise INTEGER PRIMARY KEY, answers INTEGER NOT NULL DEFAULT 0, "
    "first_tries INTEGER NOT NULL DEFAULT 0, first_tries_right INTEGER NOT NULL DEFAULT 0, last_time TEXT)",
    "CREATE TABLE day_stats(day TEXT PRIMARY KEY, is_right INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE item_stats(exercise INTEGER NOT NULL, item TEXT NOT NULL, expected TEXT NOT NULL DEFAULT '', "
    "is_right INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(exercise, item))",
    "CREATE INDEX item_stats_wrong ON item_stats(wrong DESC)",
    "CREATE INDEX runs_completed ON runs(exercise, completed)",
    "CREATE TRIGGER answers_stats AFTER INSERT ON answers BEGIN "
    " INSERT INTO exercise_stats(exercise, answers, first_tries, first_tries_right, last_time) "
    "  VALUES(new.exercise, 1, new.first_try, new.first_try AND new.is_right, new.time) "
    "  ON CONFLICT(exercise) DO UPDATE SET answers = answers + 1, first_tries = first_tries + excluded.first_tries, "
    "  first_tries_right = first_tries_right + excluded.first_tries_right, "
    "  last_time = max(coalesce(last_time, ''), excluded.last_time); "
    " INSERT INTO day_stats(day, is_right, wrong) VALUES(date(new.time, 'localtime'), new.is_right, NOT new.is_right) "
    "  ON CONFLICT(day) DO UPDATE SET is_right = is_right + excluded.is_right, wrong = wrong + excluded.wrong; "
    " INSERT INTO item_stats(exercise, item, expected, is_right, wrong) "
    "  VALUES(new.exercise, new.item, new.expected, new.is_right, NOT new.is_right) "
    "  ON CONFLICT(exercise, item) DO UPDATE SET is_right = is_right + excluded.is_right, wrong = wrong + excluded.wrong, "
    "  expected = CASE WHEN excluded.expected <> '' THEN excluded.expected ELSE expected END; "
    "END",
    "INSERT INTO exercise_stats SELECT exercise, count(*), sum(first_try), sum(first_try AND is_right), max(time) "
    "FROM answers GROUP BY exercise",
    "INSERT INTO day_stats SELECT date(time, 'localtime'), sum(is_right), sum(NOT is_right) FROM answers GROUP BY 1",
    "INSERT INTO item_stats SELECT exercise, item, '', sum(is_right), sum(NOT is_right) FROM answers "
    "GROUP BY exercise, item",
};

// The fourth: each answer's offset from UTC, in seconds east, as the local clock had it when the
// answer was given: its review day is derived from its time and this. Answers of older files get
// the offset this machine's zone has at their times (local_utc_offset, below), the best that is
// known; their schedule is then derived anew (an older Tarvo started the review day four hours of
// elapsed time after midnight, which is not 04:00 on the nights the clocks change).
const char *const schemaV4[] = {
    "ALTER TABLE answers ADD COLUMN utc_offset INTEGER NOT NULL DEFAULT 0",
    "UPDATE answers SET utc_offset = local_utc_offset(time)",
    "DELETE FROM schedule_replayed",
};

// The third version's schedule, as it was laid out then: one row per (exercise, Plus run, item).
const char *const scheduleV3Table =
    "CREATE TABLE IF NOT EXISTS schedule(exercise INTEGER NOT NULL, plus INTEGER NOT NULL, item TEXT NOT NULL, "
    "expected TEXT NOT NULL DEFAULT '', stability REAL NOT NULL, difficulty REAL NOT NULL, reviews INTEGER NOT NULL, "
    "lapses INTEGER NOT NULL, last_time TEXT NOT NULL, last_day TEXT NOT NULL, due TEXT NOT NULL, "
    "PRIMARY KEY(exercise, plus, item))";

// The third: the review schedule, one row per item with the memory state its first tries give,
// and the last answer that was replayed into it. The rows are filled from the log after the
// migration, when the open finds the schedule behind the log.
const char *const schemaV3[] = {
    scheduleV3Table,
    "CREATE INDEX IF NOT EXISTS schedule_due ON schedule(due, exercise)",
    "CREATE TABLE IF NOT EXISTS schedule_replayed(id INTEGER PRIMARY KEY CHECK(id = 1), last_answer INTEGER NOT NULL)",
};

// The fifth: every answer, item and schedule row names its lesson and the item's section there,
// so that lessons other than lesson 1 can be recorded. Everything older is lesson 1's, in the
// section of its exercise: each item keeps its history and its memory state, copied over as it
// is (the schedule stays current). The summaries by item and the schedule are laid out anew with
// the lesson in their keys; the trigger that keeps the summaries is made anew for them, and the
// items met of each lesson are summed up, so that a list of lessons reads a row per lesson.
const char *const schemaV5[] = {
    "ALTER TABLE answers ADD COLUMN lesson TEXT NOT NULL DEFAULT '1'",
    "ALTER TABLE answers ADD COLUMN section TEXT NOT NULL DEFAULT ''",
    "UPDATE answers SET section = CAST(exercise AS TEXT)",
    "DROP TRIGGER IF EXISTS answers_stats",
    "CREATE TABLE item_stats_v5(lesson TEXT NOT NULL, section TEXT NOT NULL, exercise INTEGER NOT NULL, "
    "item TEXT NOT NULL, expected TEXT NOT NULL DEFAULT '', is_right INTEGER NOT NULL DEFAULT 0, "
    "wrong INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(lesson, section, exercise, item))",
    "INSERT INTO item_stats_v5 SELECT '1', CAST(exercise AS TEXT), exercise, item, expected, is_right, wrong "
    "FROM item_stats",
    "DROP TABLE item_stats",
    "ALTER TABLE item_stats_v5 RENAME TO item_stats",
    "CREATE INDEX item_stats_wrong ON item_stats(wrong DESC)",
    "CREATE TRIGGER answers_stats AFTER INSERT ON answers BEGIN "
    " INSERT INTO exercise_stats(exercise, answers, first_tries, first_tries_right, last_time) "
    "  VALUES(new.exercise, 1, new.first_try, new.first_try AND new.is_right, new.time) "
    "  ON CONFLICT(exercise) DO UPDATE SET answers = answers + 1, first_tries = first_tries + excluded.first_tries, "
    "  first_tries_right = first_tries_right + excluded.first_tries_right, "
    "  last_time = max(coalesce(last_time, ''), excluded.last_time); "
    " INSERT INTO day_stats(day, is_right, wrong) VALUES(date(new.time, 'localtime'), new.is_right, NOT new.is_right) "
    "  ON CONFLICT(day) DO UPDATE SET is_right = is_right + excluded.is_right, wrong = wrong + excluded.wrong; "
    " INSERT INTO item_stats(lesson, section, exercise, item, expected, is_right, wrong) "
    "  VALUES(new.lesson, new.section, new.exercise, new.item, new.expected, new.is_right, NOT new.is_right) "
    "  ON CONFLICT(lesson, section, exercise, item) DO UPDATE SET is_right = is_right + excluded.is_right, "
    "  wrong = wrong + excluded.wrong, expected = CASE WHEN excluded.expected <> '' THEN excluded.expected "
    "  ELSE expected END; "
    "END",
    // A schedule lost from an older file is laid out as it was, to be copied (empty) and derived anew.
    scheduleV3Table,
    "CREATE TABLE schedule_v5(lesson TEXT NOT NULL, section TEXT NOT NULL, exercise INTEGER NOT NULL, "
    "plus INTEGER NOT NULL, item TEXT NOT NULL, expected TEXT NOT NULL DEFAULT '', stability REAL NOT NULL, "
    "difficulty REAL NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL, last_time TEXT NOT NULL, "
    "last_day TEXT NOT NULL, due TEXT NOT NULL, PRIMARY KEY(lesson, section, exercise, plus, item))",
    "INSERT INTO schedule_v5 SELECT '1', CAST(exercise AS TEXT), exercise, plus, item, expected, stability, "
    "difficulty, reviews, lapses, last_time, last_day, due FROM schedule",
    "DROP TABLE schedule",
    "ALTER TABLE schedule_v5 RENAME TO schedule",
    "CREATE INDEX schedule_due ON schedule(due, exercise)",
    "CREATE INDEX schedule_lesson ON schedule(lesson, due)",
    // How many items of each lesson were met, kept by a trigger as the summaries are: a new row of
    // the summaries by item is an item met for the first time.
    "CREATE TABLE lesson_stats(lesson TEXT PRIMARY KEY, met INTEGER NOT NULL DEFAULT 0)",
    "INSERT INTO lesson_stats SELECT lesson, count(*) FROM item_stats WHERE item <> '' GROUP BY lesson",
    "CREATE TRIGGER item_stats_met AFTER INSERT ON item_stats WHEN new.item <> '' BEGIN "
    " INSERT INTO lesson_stats(lesson, met) VALUES(new.lesson, 1) ON CONFLICT(lesson) DO UPDATE SET met = met + 1; "
    "END",
};

// local_utc_offset(time): the offset from UTC, in seconds east, that this machine's time zone has
// at a time of the log (0 for a text that is none). Looked up once per quarter of an hour (a
// million answers fall in few of them; offsets change on whole quarters).
void localUtcOffset(sqlite3_context *context, int, sqlite3_value **values)
{
    auto *offsets = static_cast<QHash<qint64, int> *>(sqlite3_user_data(context));
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(values[0]));
    qint64 ms;
    if (!text || !timeMs(std::string_view(text, size_t(sqlite3_value_bytes(values[0]))), &ms)) {
        sqlite3_result_int(context, 0);
        return;
    }
    const qint64 quarter = ms / 900000 - (ms % 900000 < 0 ? 1 : 0);
    auto it = offsets->constFind(quarter);
    if (it == offsets->constEnd())
        it = offsets->insert(quarter, fsrs::utcOffset(QDateTime::fromMSecsSinceEpoch(quarter * 900000, Qt::UTC)));
    sqlite3_result_int(context, *it);
}

// The functions the migrations' statements call, on this connection.
bool addFunctions(const QSqlDatabase &db)
{
    using Offsets = QHash<qint64, int>;
    sqlite3 *handle = handleOf(db);
    // SQLite owns the cache from here, and deletes it with the connection (or at once on failure).
    return handle && sqlite3_create_function_v2(handle, "local_utc_offset", 1, SQLITE_UTF8, new Offsets, localUtcOffset,
                                                nullptr, nullptr,
                                                [](void *p) { delete static_cast<Offsets *>(p); }) == SQLITE_OK;
}

// Each schema version's statements, run in turn on a file older than that version. The next
// version adds its statements here.
struct Migration {
    int version;
    std::span<const char *const> statements;
};
const Migration migrations[] = {
    {1, schemaV1},
    {2, schemaV2},
    {3, schemaV3},
    {4, schemaV4},
    {5, schemaV5},
};
static_assert(std::size(migrations) == SqliteProgressStore::schemaVersion, "every schema version has its migration");

} // namespace

bool progressstore::layOut(const QSqlDatabase &db, int version, QSqlError *error)
{
    QSqlQuery q(db);
    if (!addFunctions(db))
        return false;
    for (const Migration &m : migrations)
        if (m.version <= version)
            for (const char *sql : m.statements)
                if (!q.exec(QLatin1String(sql))) {
                    *error = q.lastError();
                    return false;
                }
    if (q.exec(QStringLiteral("PRAGMA user_version=%1").arg(version)))
        return true;
    *error = q.lastError();
    return false;
}

namespace {

bool looksLikeSqlite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable: SQLite will say so itself
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

// The review schedule as this version lays it out (the fifth): one row per item (lesson, section,
// exercise, Plus run, item) with the memory state its first tries give, and the last answer that
// was replayed into it. Laid out again, should it be lost, when it is derived anew from the log.
const char *const progressstore::scheduleSchema[4] = {
    "CREATE TABLE IF NOT EXISTS schedule(lesson TEXT NOT NULL, section TEXT NOT NULL, exercise INTEGER NOT NULL, "
    "plus INTEGER NOT NULL, item TEXT NOT NULL, expected TEXT NOT NULL DEFAULT '', stability REAL NOT NULL, "
    "difficulty REAL NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL, last_time TEXT NOT NULL, "
    "last_day TEXT NOT NULL, due TEXT NOT NULL, PRIMARY KEY(lesson, section, exercise, plus, item))",
    "CREATE INDEX IF NOT EXISTS schedule_due ON schedule(due, exercise)",
    "CREATE INDEX IF NOT EXISTS schedule_lesson ON schedule(lesson, due)",
    "CREATE TABLE IF NOT EXISTS schedule_replayed(id INTEGER PRIMARY KEY CHECK(id = 1), last_answer INTEGER NOT NULL)",
};

// The WAL is copied back into the file by a connection on a worker thread (a passive
// checkpoint never holds up a writer), so that no answer waits for it: when a run ends, a
// pause for the learner, and within very long runs every 1000 records (the log then holds a
// few dozen megabytes at most). The disk is still busy while it runs, so it is kept to those moments.
void SqliteProgressStore::Impl::wrote(bool pause)
{
    ++sinceCheckpoint;
    if ((!pause && sinceCheckpoint < 1000) || checkpointing->exchange(true))
        return;
    sinceCheckpoint = 0;
    QThreadPool::globalInstance()->start([running = checkpointing, file = path] {
        const QString name = QStringLiteral("tarvo-checkpoint-%1").arg(quintptr(running.get()));
        {
            QSqlDatabase worker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            worker.setDatabaseName(file);
            if (worker.open()) {
                QSqlQuery q(worker);
                q.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
            }
        }
        QSqlDatabase::removeDatabase(name);
        *running = false;
    });
}

void SqliteProgressStore::Impl::waitForCheckpoint()
{
    while (checkpointing->load())
        QThread::msleep(1);
}

// Runs a statement, trying again for a while when another program holds the file (changing
// the journal mode, for one, does not wait by itself).
bool SqliteProgressStore::Impl::exec(QSqlQuery &q, const QString &sql, QSqlError *error, int attempts)
{
    for (int attempt = 0;; ++attempt) {
        if (q.exec(sql))
            return true;
        const int code = codeOf(q.lastError());
        if ((code != Busy && code != Locked) || attempt == attempts) {
            if (error)
                *error = q.lastError();
            return false;
        }
        QThread::msleep(20);
    }
}

// Runs a prepared write, trying again a few times while another program holds the file.
bool SqliteProgressStore::Impl::write(QSqlQuery &q, QSqlError *error)
{
    for (int attempt = 0;; ++attempt) {
        if (q.exec())
            return true;
        const int code = codeOf(q.lastError());
        if ((code != Busy && code != Locked) || attempt == 20) {
            *error = q.lastError();
            return false;
        }
        QThread::msleep(5 * (attempt + 1));
    }
}

// A write transaction, taken at once so that another program's answer waits rather than
// interleaves with the schedule's read of an item.
bool SqliteProgressStore::Impl::begin(QSqlError *error)
{
    QSqlQuery q = query();
    return exec(q, QStringLiteral("BEGIN IMMEDIATE"), error, 20);
}

void SqliteProgressStore::Impl::rollback()
{
    QSqlQuery q = query();
    q.exec(QStringLiteral("ROLLBACK"));
}

void SqliteProgressStore::Impl::connect()
{
    static QAtomicInt counter;
    connection = QStringLiteral("tarvo-progress-%1").arg(counter.fetchAndAddRelaxed(1));
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    db.open();
}

void SqliteProgressStore::Impl::releaseWrites()
{
    for (auto *q : {&insertAnswer, &insertRun, &endRun, &readItem, &writeItem, &writeExpected, &markReplayed})
        q->reset();
}

void SqliteProgressStore::Impl::disconnect()
{
    releaseWrites();
    if (connection.isEmpty())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

// keepReading: the file was set up and can still be read (a write failed later), so the
// Progress window and the export still show what was kept.
void SqliteProgressStore::Impl::cannotSave(const QString &reason, bool keepReading)
{
    if (keepReading)
        releaseWrites();
    else
        disconnect();
    readable = keepReading;
    state = State::NotSaving;
    //: %1 is why, e.g. "the disk is full"; %2 is the file
    problem = QCoreApplication::translate("ProgressStore",
                                          "Your progress cannot be saved: %1.\n\nThe exercises work as always, but "
                                          "what you do now will not be kept.\n\nThe file: %2")
                  .arg(reason, QDir::toNativeSeparators(path));
}

// Moves a damaged file (and its journal) aside under a name with the date and time.
bool SqliteProgressStore::Impl::moveAside()
{
    disconnect();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path, target))
        return false;
    // The journal as it was before SQLite opened the file (which may have rewritten or removed
    // it), else as it is; the live one is not left for the fresh store to replay.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString live = path + QLatin1String(suffix), copy = live + QLatin1String(keptSuffix);
        if (QFileInfo::exists(copy)) {
            QFile::remove(live);
            QFile::rename(copy, target + QLatin1String(suffix));
        } else if (QFileInfo::exists(live)) {
            QFile::rename(live, target + QLatin1String(suffix));
        }
    }
    damagedName = target;
    return true;
}

// Copies the journal (-wal and -shm) of a file about to be opened, so that it can go aside with
// the file untouched should the file turn out damaged. A journal exists at open only after a
// crash or while another Tarvo runs, and is small: the checkpoints keep it so.
void SqliteProgressStore::Impl::keepJournal(bool keep)
{
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString live = path + QLatin1String(suffix), copy = live + QLatin1String(keptSuffix);
        QFile::remove(copy);
        if (keep && QFileInfo::exists(live))
            QFile::copy(live, copy);
    }
}

// Returns false with the error when the file could not be set up.
bool SqliteProgressStore::Impl::setUp(QSqlError *error)
{
    connect();
    if (!db.isOpen()) {
        *error = db.lastError();
        return false;
    }
    QSqlQuery q = query();
    if (!exec(q, QStringLiteral("PRAGMA user_version"), error) || !q.next()) {
        if (!error->isValid())
            *error = q.lastError();
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > schemaVersion) {
        disconnect();
        state = State::Newer;
        problem = QCoreApplication::translate("ProgressStore",
                                              "Your progress was saved by a newer version of Tarvo, which this version "
                                              "cannot read. The file has been left as it is, and what you do now will "
                                              "not be kept.\n\nThe file: %1")
                      .arg(QDir::toNativeSeparators(path));
        return true;
    }
    if (!exec(q, QStringLiteral("PRAGMA journal_mode=WAL"), error))
        return false;
    if (!q.next() || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
        *error = QSqlError(QCoreApplication::translate("ProgressStore", "the file cannot be written"), QString(),
                           QSqlError::ConnectionError, QStringLiteral("8"));
        return false;
    }
    q.finish();
    if (!exec(q, QStringLiteral("PRAGMA synchronous=NORMAL"), error))
        return false;
    // Checkpoints are the worker's (see wrote()), not the answer's that happens to fill the WAL.
    if (!exec(q, QStringLiteral("PRAGMA wal_autocheckpoint=0"), error))
        return false;
    // The store appends, and the window reads small summary tables: a small page cache does,
    // and keeps the program's memory flat however long it runs.
    if (!exec(q, QStringLiteral("PRAGMA cache_size=-256"), error))
        return false;
    if (!addFunctions(db)) {
        *error = QSqlError(QCoreApplication::translate("ProgressStore", "no SQLite connection"), QString(),
                           QSqlError::ConnectionError);
        return false;
    }
    if (!migrate(error))
        return false;
    // A schedule behind the log (a file from before the schedule, or one whose schedule was
    // lost) is derived anew from it.
    if (!scheduleCurrent() && !rebuild(error))
        return false;
    if (!prepareWrites(error))
        return false;
    state = State::Ready;
    readable = true;
    return true;
}

bool SqliteProgressStore::Impl::prepareWrites(QSqlError *error)
{
    insertAnswer = std::make_unique<QSqlQuery>(db);
    insertRun = std::make_unique<QSqlQuery>(db);
    endRun = std::make_unique<QSqlQuery>(db);
    readItem = std::make_unique<QSqlQuery>(db);
    writeItem = std::make_unique<QSqlQuery>(db);
    writeExpected = std::make_unique<QSqlQuery>(db);
    markReplayed = std::make_unique<QSqlQuery>(db);
    const std::pair<QSqlQuery *, const char *> statements[] = {
        {insertAnswer.get(), "INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected, "
                             "utc_offset, lesson, section) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"},
        {insertRun.get(), "INSERT INTO runs(started, exercise, plus, items) VALUES(?, ?, ?, ?)"},
        {endRun.get(), "UPDATE runs SET ended = ?, completed = ? WHERE id = ?"},
        {readItem.get(), "SELECT stability, difficulty, reviews, lapses, last_day, due, last_time, expected "
                         "FROM schedule WHERE lesson = ? AND section = ? AND exercise = ? AND plus = ? AND item = ?"},
        {writeItem.get(), writeScheduleSql},
        {writeExpected.get(), "UPDATE schedule SET expected = ? WHERE lesson = ? AND section = ? AND exercise = ? "
                              "AND plus = ? AND item = ?"},
        {markReplayed.get(), markReplayedSql},
    };
    for (const auto &[q, sql] : statements) {
        if (!q->prepare(QLatin1String(sql))) {
            *error = q->lastError();
            return false;
        }
    }
    return true;
}

// Brings the schema to this program's version, in one transaction that another program
// starting at the same moment waits for.
bool SqliteProgressStore::Impl::migrate(QSqlError *error)
{
    if (!begin(error))
        return false;
    QSqlQuery q = query();
    auto fail = [&](const QSqlError &e) {
        *error = e;
        rollback();
        return false;
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(q.lastError());
    const int version = q.value(0).toInt();
    q.finish();
    for (const Migration &m : migrations)
        if (version < m.version)
            for (const char *sql : m.statements)
                if (!q.exec(QLatin1String(sql)))
                    return fail(q.lastError());
    if (version < schemaVersion && !q.exec(QStringLiteral("PRAGMA user_version=%1").arg(schemaVersion)))
        return fail(q.lastError());
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q.lastError());
    return true;
}

void SqliteProgressStore::Impl::open()
{
    if (state != State::Closed)
        return;
    const QFileInfo info(path);
    if (info.isDir()) {
        cannotSave(QCoreApplication::translate("ProgressStore", "a folder stands where its file should be"));
        return;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        cannotSave(QCoreApplication::translate("ProgressStore", "its folder cannot be created"));
        return;
    }
    // Another Tarvo starting at the same moment may be creating the file: it is empty until
    // its schema is written. The lock keeps the two from taking turns in the middle, so that
    // an empty file seen here is one that nobody is writing. (A folder where no lock can be
    // made is one where nothing can be written either; the open below finds that out.)
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    lock.tryLock(10000);
    const QFileInfo now(path); // as it is with the lock held
    bool damaged = now.exists() && (now.size() == 0 || !looksLikeSqlite(path));
    QSqlError error;
    if (!damaged) {
        keepJournal(true);
        if (!setUp(&error)) {
            if (!isDamage(error)) {
                keepJournal(false);
                cannotSave(reasonFor(error));
                return;
            }
            damaged = true;
        }
    }
    if (!damaged) {
        keepJournal(false);
        return;
    }
    if (!moveAside()) {
        cannotSave(QCoreApplication::translate("ProgressStore", "the file is damaged and cannot be moved aside"));
        return;
    }
    if (!setUp(&error)) {
        cannotSave(reasonFor(error));
        return;
    }
    problem = QCoreApplication::translate("ProgressStore",
                                          "The file that kept your progress was damaged and could not be read. It has "
                                          "been kept as\n%1\nand a new record has been started.")
                  .arg(QDir::toNativeSeparators(damagedName));
}

QString SqliteProgressStore::Impl::reasonFor(const QSqlError &error)
{
    if (codeOf(error) == Full)
        return QCoreApplication::translate("ProgressStore", "the disk is full");
    //: %1 is SQLite's own message
    return QCoreApplication::translate("ProgressStore", "the file cannot be written (%1)")
        .arg(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

// A write that failed for good stops the saving; the learner hears of it once.
void SqliteProgressStore::Impl::writeFailed(const QSqlError &error)
{
    // A record the schema refuses is lost alone; the store goes on.
    if (codeOf(error) == Constraint)
        return;
    if (isDamage(error)) {
        cannotSave(QCoreApplication::translate("ProgressStore", "the file has been damaged"));
        return;
    }
    cannotSave(reasonFor(error), true);
}

SqliteProgressStore::SqliteProgressStore(QString path) : d(std::make_unique<Impl>())
{
    d->path = std::move(path);
}

SqliteProgressStore::~SqliteProgressStore()
{
    d->waitForCheckpoint();
    d->disconnect();
}

QString SqliteProgressStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/progress.sqlite");
}

void SqliteProgressStore::open()
{
    d->open();
}

QString SqliteProgressStore::damagedName() const
{
    return d->damagedName;
}

QString SqliteProgressStore::filePath() const
{
    return d->path;
}

bool SqliteProgressStore::canRead()
{
    d->open();
    return d->readable;
}

bool SqliteProgressStore::saving()
{
    d->open();
    return d->state == Impl::State::Ready;
}

QString SqliteProgressStore::problem()
{
    d->open();
    return d->problem;
}
