#include "core/progressstore.h"

#include <QAtomicInt>
#include <atomic>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QVariant>

namespace {
// What every store shows before anything is counted: the five exercises, and each day of the
// range, oldest first, with nothing in it.
QList<ExerciseSummary> noSummaries()
{
    QList<ExerciseSummary> out;
    for (int exercise = 1; exercise <= 5; ++exercise)
        out.append(ExerciseSummary{exercise});
    return out;
}

QList<DayCount> noDays(const QDate &last, int days)
{
    QList<DayCount> out;
    for (int i = days - 1; i >= 0; --i)
        out.append(DayCount{last.addDays(-i)});
    return out;
}
} // namespace

QList<ExerciseSummary> NullProgressStore::exerciseSummaries()
{
    return noSummaries();
}

QList<DayCount> NullProgressStore::dailyCounts(const QDate &last, int days)
{
    return noDays(last, days);
}

bool NullProgressStore::exportCsv(const QString &, QString *error)
{
    if (error)
        *error = QStringLiteral("Nothing is recorded in this run.");
    return false;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

// SQLite's primary result codes that decide what happens to the file.
enum SqliteCode { Busy = 5, Locked = 6, Corrupt = 11, Full = 13, Constraint = 19, NotADatabase = 26 };

int codeOf(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isDamage(const QSqlError &error)
{
    const int code = codeOf(error);
    return code == Corrupt || code == NotADatabase;
}

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

// Qt binds a null string as NULL; the record keeps an empty text instead.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString nowUtc()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

bool looksLikeSqlite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // unreadable: SQLite will say so itself
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

struct SqliteProgressStore::Impl {
    enum class State { Closed, Ready, NotSaving, Newer };

    QString path;
    QString connection;
    State state = State::Closed;
    QString problem;
    QString damagedName;
    qint64 runId = -1;
    QSqlDatabase db;
    std::unique_ptr<QSqlQuery> insertAnswer, insertRun, endRun;
    bool readable = false; // the schema is ours and the connection open
    int sinceCheckpoint = 0;
    std::shared_ptr<std::atomic<bool>> checkpointing = std::make_shared<std::atomic<bool>>(false);

    // The WAL is copied back into the file by a connection on a worker thread (a passive
    // checkpoint never holds up a writer), so that no answer waits for it: when a run ends, a
    // pause for the learner, and within very long runs every 1000 records (the log then holds a
    // few dozen megabytes at most). The disk is still busy while it runs, so it is kept to those moments.
    void wrote(bool pause = false)
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

    void waitForCheckpoint()
    {
        while (checkpointing->load())
            QThread::msleep(1);
    }

    QSqlQuery query() { return QSqlQuery(db); }

    // Runs a statement, trying again for a while when another program holds the file (changing
    // the journal mode, for one, does not wait by itself).
    bool exec(QSqlQuery &q, const QString &sql, QSqlError *error = nullptr)
    {
        for (int attempt = 0;; ++attempt) {
            if (q.exec(sql))
                return true;
            const int code = codeOf(q.lastError());
            if ((code != Busy && code != Locked) || attempt == 100) {
                if (error)
                    *error = q.lastError();
                return false;
            }
            QThread::msleep(20);
        }
    }

    // Runs a prepared write, trying again a few times while another program holds the file.
    bool write(QSqlQuery &q, QSqlError *error)
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

    void connect()
    {
        static QAtomicInt counter;
        connection = QStringLiteral("tarvo-progress-%1").arg(counter.fetchAndAddRelaxed(1));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.open();
    }

    void disconnect()
    {
        insertAnswer.reset();
        insertRun.reset();
        endRun.reset();
        if (connection.isEmpty())
            return;
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        connection.clear();
    }

    // keepReading: the file was set up and can still be read (a write failed later), so the
    // Progress window and the export still show what was kept.
    void cannotSave(const QString &reason, bool keepReading = false)
    {
        if (keepReading) {
            insertAnswer.reset();
            insertRun.reset();
            endRun.reset();
        } else {
            disconnect();
        }
        readable = keepReading;
        state = State::NotSaving;
        problem = QStringLiteral("Your progress cannot be saved: %1.\n\nThe exercises work as always, but what you do "
                                 "now will not be kept.\n\nThe file: %2")
                      .arg(reason, QDir::toNativeSeparators(path));
    }

    // Moves a damaged file (and its journal) aside under a name with the date and time.
    bool moveAside()
    {
        disconnect();
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString target = path + QStringLiteral(".damaged-") + stamp;
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = path + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
        if (!QFile::rename(path, target))
            return false;
        for (const char *suffix : {"-wal", "-shm"})
            if (QFileInfo::exists(path + QLatin1String(suffix)))
                QFile::rename(path + QLatin1String(suffix), target + QLatin1String(suffix));
        damagedName = target;
        return true;
    }

    // Returns false with the error when the file could not be set up.
    bool setUp(QSqlError *error)
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
            problem = QStringLiteral("Your progress was saved by a newer version of Tarvo, which this version cannot "
                                     "read. The file has been left as it is, and what you do now will not be kept.\n\n"
                                     "The file: %1")
                          .arg(QDir::toNativeSeparators(path));
            return true;
        }
        if (!exec(q, QStringLiteral("PRAGMA journal_mode=WAL"), error))
            return false;
        if (!q.next() || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            *error = QSqlError(QStringLiteral("the file cannot be written"), QString(), QSqlError::ConnectionError,
                               QStringLiteral("8"));
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
        if (!migrate(error))
            return false;
        insertAnswer = std::make_unique<QSqlQuery>(db);
        insertRun = std::make_unique<QSqlQuery>(db);
        endRun = std::make_unique<QSqlQuery>(db);
        if (!insertAnswer->prepare(QStringLiteral(
                "INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected) "
                "VALUES(?, ?, ?, ?, ?, ?, ?, ?)")) ||
            !insertRun->prepare(
                QStringLiteral("INSERT INTO runs(started, exercise, plus, items) VALUES(?, ?, ?, ?)")) ||
            !endRun->prepare(QStringLiteral("UPDATE runs SET ended = ?, completed = ? WHERE id = ?"))) {
            *error = insertAnswer->lastError().isValid() ? insertAnswer->lastError() : insertRun->lastError();
            return false;
        }
        state = State::Ready;
        readable = true;
        return true;
    }

    // Brings the schema to this program's version, in one transaction that another program
    // starting at the same moment waits for.
    bool migrate(QSqlError *error)
    {
        QSqlQuery q = query();
        for (int attempt = 0;; ++attempt) {
            if (q.exec(QStringLiteral("BEGIN IMMEDIATE")))
                break;
            if (codeOf(q.lastError()) != Busy || attempt == 20) {
                *error = q.lastError();
                return false;
            }
            QThread::msleep(20);
        }
        auto fail = [&](const QSqlError &e) {
            *error = e;
            QSqlQuery rollback = query();
            rollback.exec(QStringLiteral("ROLLBACK"));
            return false;
        };
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return fail(q.lastError());
        const int version = q.value(0).toInt();
        q.finish();
        if (version < 1)
            for (const char *sql : schemaV1)
                if (!q.exec(QLatin1String(sql)))
                    return fail(q.lastError());
        if (version < 2)
            for (const char *sql : schemaV2)
                if (!q.exec(QLatin1String(sql)))
                    return fail(q.lastError());
        if (version < schemaVersion && !q.exec(QStringLiteral("PRAGMA user_version=%1").arg(schemaVersion)))
            return fail(q.lastError());
        if (!q.exec(QStringLiteral("COMMIT")))
            return fail(q.lastError());
        return true;
    }

    void open()
    {
        if (state != State::Closed)
            return;
        const QFileInfo info(path);
        if (info.isDir()) {
            cannotSave(QStringLiteral("a folder stands where its file should be"));
            return;
        }
        if (!QDir().mkpath(info.absolutePath())) {
            cannotSave(QStringLiteral("its folder cannot be created"));
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
        if (!damaged && !setUp(&error)) {
            if (!isDamage(error)) {
                cannotSave(reasonFor(error));
                return;
            }
            damaged = true;
        }
        if (!damaged)
            return;
        if (!moveAside()) {
            cannotSave(QStringLiteral("the file is damaged and cannot be moved aside"));
            return;
        }
        if (!setUp(&error)) {
            cannotSave(reasonFor(error));
            return;
        }
        problem = QStringLiteral("The file that kept your progress was damaged and could not be read. It has been kept "
                                 "as\n%1\nand a new record has been started.")
                      .arg(QDir::toNativeSeparators(damagedName));
    }

    static QString reasonFor(const QSqlError &error)
    {
        if (codeOf(error) == Full)
            return QStringLiteral("the disk is full");
        return QStringLiteral("the file cannot be written (%1)").arg(error.databaseText().isEmpty() ? error.text()
                                                                                                    : error.databaseText());
    }

    // A write that failed for good stops the saving; the learner hears of it once.
    void writeFailed(const QSqlError &error)
    {
        // A record the schema refuses is lost alone; the store goes on.
        if (codeOf(error) == Constraint)
            return;
        if (isDamage(error)) {
            cannotSave(QStringLiteral("the file has been damaged"));
            return;
        }
        cannotSave(reasonFor(error), true);
    }
};

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

void SqliteProgressStore::recordRunStart(int exercise, bool plus, int items)
{
    d->runId = -1;
    if (!saving())
        return;
    QSqlQuery &q = *d->insertRun;
    q.bindValue(0, nowUtc());
    q.bindValue(1, exercise);
    q.bindValue(2, int(plus));
    q.bindValue(3, items);
    QSqlError error;
    if (!d->write(q, &error))
        return d->writeFailed(error);
    d->runId = q.lastInsertId().toLongLong();
    d->wrote();
}

void SqliteProgressStore::recordRunEnd(bool completed)
{
    if (d->runId < 0 || !saving())
        return;
    QSqlQuery &q = *d->endRun;
    q.bindValue(0, nowUtc());
    q.bindValue(1, int(completed));
    q.bindValue(2, d->runId);
    d->runId = -1;
    QSqlError error;
    if (!d->write(q, &error))
        return d->writeFailed(error);
    d->wrote(true);
}

void SqliteProgressStore::recordAnswer(const AnswerEvent &event)
{
    if (!saving())
        return;
    QSqlQuery &q = *d->insertAnswer;
    q.bindValue(0, nowUtc());
    q.bindValue(1, event.exercise);
    q.bindValue(2, int(event.plus));
    q.bindValue(3, notNull(event.item));
    q.bindValue(4, notNull(event.answer));
    q.bindValue(5, int(event.right));
    q.bindValue(6, int(event.firstTry));
    q.bindValue(7, notNull(event.expected));
    QSqlError error;
    if (!d->write(q, &error))
        return d->writeFailed(error);
    d->wrote();
}

QList<ExerciseSummary> SqliteProgressStore::exerciseSummaries()
{
    QList<ExerciseSummary> out = noSummaries();
    if (!canRead())
        return out;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT exercise, answers, first_tries, first_tries_right, last_time FROM exercise_stats"))) {
        while (q.next()) {
            const int n = q.value(0).toInt();
            if (n < 1 || n > 5)
                continue;
            ExerciseSummary &s = out[n - 1];
            s.answers = q.value(1).toInt();
            s.firstTries = q.value(2).toInt();
            s.firstTriesRight = q.value(3).toInt();
            s.lastPractised = QDateTime::fromString(q.value(4).toString(), Qt::ISODateWithMs);
        }
    }
    if (q.exec(QStringLiteral("SELECT exercise, count(*) FROM runs WHERE completed = 1 GROUP BY exercise"))) {
        while (q.next()) {
            const int n = q.value(0).toInt();
            if (n >= 1 && n <= 5)
                out[n - 1].runsCompleted = q.value(1).toInt();
        }
    }
    return out;
}

QList<DayCount> SqliteProgressStore::dailyCounts(const QDate &last, int days)
{
    QList<DayCount> out = noDays(last, days);
    if (!canRead() || days <= 0)
        return out;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT day, is_right, wrong FROM day_stats WHERE day BETWEEN ? AND ?"));
    q.addBindValue(out.first().day.toString(Qt::ISODate));
    q.addBindValue(last.toString(Qt::ISODate));
    if (q.exec()) {
        while (q.next()) {
            const qint64 index = out.first().day.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
            if (index >= 0 && index < out.size()) {
                out[index].right = q.value(1).toInt();
                out[index].wrong = q.value(2).toInt();
            }
        }
    }
    return out;
}

QList<PracticeWord> SqliteProgressStore::wordsToPractise(int limit)
{
    QList<PracticeWord> out;
    if (!canRead())
        return out;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // A picture name that fits no picture belongs to no item: nothing to practise there.
    q.prepare(QStringLiteral("SELECT exercise, item, expected, wrong, is_right FROM item_stats WHERE wrong > 0 AND item <> '' "
                             "ORDER BY wrong DESC, is_right ASC, item LIMIT ?"));
    q.addBindValue(limit);
    if (q.exec())
        while (q.next())
            out.append(PracticeWord{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                        q.value(4).toInt()});
    return out;
}

bool SqliteProgressStore::exportCsv(const QString &path, QString *error)
{
    auto failed = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!canRead())
        return failed(d->problem.isEmpty() ? QStringLiteral("The progress file cannot be read.") : d->problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    file.write("time,exercise,plus,item,answer,right,first_try\r\n");
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT time, exercise, plus, item, answer, is_right, first_try FROM answers ORDER BY id")))
        return failed(QStringLiteral("The progress file cannot be read: %1").arg(q.lastError().text()));
    QString line;
    while (q.next()) {
        line.clear();
        line += q.value(0).toString() + QLatin1Char(',') + q.value(1).toString() + QLatin1Char(',') +
                QString::number(q.value(2).toInt() ? 1 : 0) + QLatin1Char(',') + csvField(q.value(3).toString()) +
                QLatin1Char(',') + csvField(q.value(4).toString()) + QLatin1Char(',') +
                QString::number(q.value(5).toInt() ? 1 : 0) + QLatin1Char(',') +
                QString::number(q.value(6).toInt() ? 1 : 0) + QLatin1String("\r\n");
        file.write(line.toUtf8());
    }
    if (!file.commit())
        return failed(QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}

bool SqliteProgressStore::forget()
{
    if (!saving())
        return false;
    QSqlQuery q = d->query();
    bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const char *table : {"answers", "runs", "exercise_stats", "day_stats", "item_stats"})
        ok = ok && q.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    ok = ok && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        d->writeFailed(error);
        return false;
    }
    d->runId = -1;
    return true;
}

QList<DueOutlook> ProgressStore::dueOutlook()
{
    QList<DueOutlook> out;
    for (int exercise = 1; exercise <= 5; ++exercise)
        out.append(DueOutlook{exercise, 0, 0});
    return out;
}
