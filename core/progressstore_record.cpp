// Recording: runs and answers go into the log, and a first try at an item moves that item's
// memory state in the schedule in the same transaction. The schedule can always be derived
// anew from the log (rebuildSchedule), which is what the open does when it finds it behind.
#include "core/progressstore_p.h"

#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace progressstore;

namespace {

// The key of one item of the schedule: its lesson, its section there, the exercise that asks it,
// the run (Plus or not) and its key in the lesson.
struct ItemKey {
    QString lesson, section;
    int exercise = 0;
    bool plus = false;
    QString item;
};

// Binds an item's key to a statement's places from `first` on: lesson, section, exercise, plus, item.
void bindKey(QSqlQuery &q, int first, const ItemKey &key)
{
    q.bindValue(first, notNull(key.lesson));
    q.bindValue(first + 1, notNull(key.section));
    q.bindValue(first + 2, key.exercise);
    q.bindValue(first + 3, int(key.plus));
    q.bindValue(first + 4, notNull(key.item));
}

// Binds one item's schedule to the statement of writeScheduleSql: its key, then its memory state.
void bindSchedule(QSqlQuery &q, const ItemKey &key, const QString &expected, const QString &lastTime,
                  const fsrs::ItemMemory &m)
{
    bindKey(q, 0, key);
    q.bindValue(5, notNull(expected));
    q.bindValue(6, m.state.stability);
    q.bindValue(7, m.state.difficulty);
    q.bindValue(8, m.reviews);
    q.bindValue(9, m.lapses);
    q.bindValue(10, notNull(lastTime));
    q.bindValue(11, notNull(dayText(m.lastDay)));
    q.bindValue(12, notNull(dayText(m.due)));
}

// One scheduled item while the log is replayed; texts as the log's UTF-8 bytes until the end.
struct Replayed {
    std::string lesson;
    std::string section;
    int exercise = 0;
    bool plus = false;
    std::string item;
    std::string expected;
    std::string lastTime;
    fsrs::ItemMemory memory;
};

QSqlError sqliteError(sqlite3 *handle)
{
    return QSqlError(QStringLiteral("the schedule cannot be derived"), QString::fromUtf8(sqlite3_errmsg(handle)),
                     QSqlError::StatementError, QString::number(sqlite3_extended_errcode(handle)));
}

std::string_view textOf(sqlite3_stmt *st, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(st, column))) : std::string_view();
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

// For the one loop that reads the whole log (a million rows through QSqlQuery cost a QVariant and
// a QString per value) and the functions the migrations call.
sqlite3 *progressstore::handleOf(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3 *const *>(v.constData());
    return nullptr;
}

bool SqliteProgressStore::Impl::scheduleCurrent()
{
    QSqlQuery q = query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT (SELECT last_answer FROM schedule_replayed WHERE id = 1), "
                               "(SELECT coalesce(max(id), 0) FROM answers)")) ||
        !q.next())
        return false;
    return !q.value(0).isNull() && q.value(0).toLongLong() == q.value(1).toLongLong();
}

bool SqliteProgressStore::Impl::rebuild(QSqlError *error)
{
    if (!begin(error))
        return false;
    QSqlQuery q = query();
    q.setForwardOnly(true);
    auto fail = [&](const QSqlError &e) {
        *error = e;
        q.finish();
        rollback();
        return false;
    };
    for (const char *sql : scheduleSchema)
        if (!q.exec(QLatin1String(sql)))
            return fail(q.lastError());
    if (!q.exec(QStringLiteral("SELECT coalesce(max(id), 0) FROM answers")) || !q.next())
        return fail(q.lastError());
    const qint64 lastAnswer = q.value(0).toLongLong();
    q.finish();

    // The first tries of every item in the order they were recorded (the order the incremental
    // update saw them in, so that both give the same schedule), each on the review day of its
    // own time and offset from UTC (where the learner was then, whatever the zone is now); the
    // other answers only bring the latest right answer. Exercise 5 records names that fit no
    // picture with an empty item.
    sqlite3 *handle = handleOf(db);
    if (!handle)
        return fail(QSqlError(QCoreApplication::translate("ProgressStore", "no SQLite connection"), QString(),
                              QSqlError::ConnectionError));
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(handle,
                           "SELECT time, exercise, plus, item, is_right, first_try, expected, utc_offset, lesson, "
                           "section FROM answers WHERE item <> '' ORDER BY id",
                           -1, &st, nullptr) != SQLITE_OK)
        return fail(sqliteError(handle));
    std::vector<Replayed> items;
    std::unordered_map<std::string, size_t> index;
    std::string key;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const int exercise = sqlite3_column_int(st, 1);
        const bool plus = sqlite3_column_int(st, 2) != 0;
        const std::string_view item = textOf(st, 3);
        const std::string_view lesson = textOf(st, 8);
        const std::string_view section = textOf(st, 9);
        const bool firstTry = sqlite3_column_int(st, 5) != 0;
        // Each text after its length, so that no text can run into the next.
        key.clear();
        for (const std::string_view text : {lesson, section}) {
            const size_t size = text.size();
            key.append(reinterpret_cast<const char *>(&size), sizeof size);
            key += text;
        }
        key.append(reinterpret_cast<const char *>(&exercise), sizeof exercise);
        key += plus ? '+' : '-';
        key += item;
        auto found = index.find(key);
        if (found == index.end()) {
            if (!firstTry)
                continue;
            found = index.emplace(key, items.size()).first;
            items.push_back(Replayed{std::string(lesson), std::string(section), exercise, plus, std::string(item), {},
                                     {}, {}});
        }
        Replayed &r = items[found->second];
        const std::string_view expected = textOf(st, 6);
        if (!expected.empty() && expected != r.expected)
            r.expected = expected;
        if (!firstTry)
            continue;
        const std::string_view time = textOf(st, 0);
        qint64 ms;
        const QDate day = timeMs(time, &ms) ? fsrs::reviewDay(ms, sqlite3_column_int(st, 7)) : r.memory.lastDay;
        fsrs::review(r.memory, day, sqlite3_column_int(st, 4) != 0);
        if (time > r.lastTime)
            r.lastTime = time;
    }
    const QSqlError readError = rc == SQLITE_DONE ? QSqlError() : sqliteError(handle);
    sqlite3_finalize(st);
    if (readError.isValid())
        return fail(readError);

    if (!q.exec(QStringLiteral("DELETE FROM schedule")))
        return fail(q.lastError());
    QSqlQuery insert = query();
    if (!insert.prepare(QLatin1String(writeScheduleSql)))
        return fail(insert.lastError());
    for (const Replayed &r : items) {
        bindSchedule(insert, ItemKey{fromUtf8(r.lesson), fromUtf8(r.section), r.exercise, r.plus, fromUtf8(r.item)},
                     fromUtf8(r.expected), fromUtf8(r.lastTime), r.memory);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    insert.finish();
    if (!q.prepare(QLatin1String(markReplayedSql)))
        return fail(q.lastError());
    q.addBindValue(lastAnswer);
    if (!q.exec() || !q.exec(QStringLiteral("COMMIT")))
        return fail(q.lastError());
    return true;
}

bool SqliteProgressStore::Impl::schedule(qint64 answerId, const AnswerEvent &event, const QDateTime &at, int utcOffset,
                                         QSqlError *error)
{
    if (!event.item.isEmpty()) {
        const ItemKey key{event.lesson, recordedSection(event.lesson, event.section, event.exercise), event.exercise,
                          event.plus, event.item};
        QSqlQuery &read = *readItem;
        bindKey(read, 0, key);
        if (!read.exec()) {
            *error = read.lastError();
            return false;
        }
        const bool known = read.next();
        if (event.firstTry) {
            fsrs::ItemMemory m;
            QString lastTime, expected;
            if (known) {
                m.state = {read.value(0).toDouble(), read.value(1).toDouble()};
                m.reviews = read.value(2).toInt();
                m.lapses = read.value(3).toInt();
                m.lastDay = QDate::fromString(read.value(4).toString(), Qt::ISODate);
                m.due = QDate::fromString(read.value(5).toString(), Qt::ISODate);
                lastTime = read.value(6).toString();
                expected = read.value(7).toString();
            }
            read.finish();
            const QString time = timeText(at);
            fsrs::review(m, fsrs::reviewDay(at.toMSecsSinceEpoch(), utcOffset), event.right);
            QSqlQuery &w = *writeItem;
            bindSchedule(w, key, event.expected.isEmpty() ? expected : event.expected, time > lastTime ? time : lastTime,
                         m);
            if (!w.exec()) {
                *error = w.lastError();
                return false;
            }
        } else {
            read.finish();
            if (known && !event.expected.isEmpty()) {
                QSqlQuery &w = *writeExpected;
                w.bindValue(0, event.expected);
                bindKey(w, 1, key);
                if (!w.exec()) {
                    *error = w.lastError();
                    return false;
                }
            }
        }
    }
    markReplayed->bindValue(0, answerId);
    if (!markReplayed->exec()) {
        *error = markReplayed->lastError();
        return false;
    }
    return true;
}

void SqliteProgressStore::recordRunStart(int exercise, bool plus, int items)
{
    d->runId = -1;
    if (!saving())
        return;
    QSqlQuery &q = *d->insertRun;
    q.bindValue(0, timeText(now()));
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
    q.bindValue(0, timeText(now()));
    q.bindValue(1, int(completed));
    q.bindValue(2, d->runId);
    d->runId = -1;
    QSqlError error;
    if (!d->write(q, &error))
        return d->writeFailed(error);
    d->wrote(true);
}

// The answer and its item's schedule in one transaction: either both are kept or neither.
// Answers need no run: the Review window records its own outside any. Each answer keeps the
// local clock's offset from UTC at its time, so that its review day never moves afterwards.
void SqliteProgressStore::recordAnswer(const AnswerEvent &event)
{
    if (!saving())
        return;
    const QDateTime at = now().toUTC();
    const int utcOffset = fsrs::utcOffset(at);
    QSqlError error;
    if (!d->begin(&error))
        return d->writeFailed(error);
    QSqlQuery &q = *d->insertAnswer;
    q.bindValue(0, timeText(at));
    q.bindValue(1, event.exercise);
    q.bindValue(2, int(event.plus));
    q.bindValue(3, notNull(event.item));
    q.bindValue(4, notNull(event.answer));
    q.bindValue(5, int(event.right));
    q.bindValue(6, int(event.firstTry));
    q.bindValue(7, notNull(event.expected));
    q.bindValue(8, utcOffset);
    q.bindValue(9, notNull(event.lesson));
    q.bindValue(10, notNull(recordedSection(event.lesson, event.section, event.exercise)));
    bool ok = q.exec();
    if (!ok)
        error = q.lastError();
    ok = ok && d->schedule(q.lastInsertId().toLongLong(), event, at, utcOffset, &error);
    if (ok) {
        QSqlQuery commit = d->query();
        ok = commit.exec(QStringLiteral("COMMIT"));
        if (!ok)
            error = commit.lastError();
    }
    if (!ok) {
        d->rollback();
        return d->writeFailed(error);
    }
    d->wrote();
}

bool SqliteProgressStore::rebuildSchedule()
{
    if (!saving())
        return false;
    QSqlError error;
    if (d->rebuild(&error))
        return true;
    d->writeFailed(error);
    return false;
}

// Removes every run and answer, and the schedule they gave.
bool SqliteProgressStore::forget()
{
    if (!saving())
        return false;
    QSqlError error;
    if (!d->begin(&error)) {
        d->writeFailed(error);
        return false;
    }
    QSqlQuery q = d->query();
    bool ok = true;
    for (const char *table : {"answers", "runs", "exercise_stats", "day_stats", "item_stats", "lesson_stats", "schedule"})
        ok = ok && q.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    ok = ok && q.exec(QStringLiteral("INSERT OR REPLACE INTO schedule_replayed(id, last_answer) VALUES(1, 0)"));
    ok = ok && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError failed = q.lastError();
        d->rollback();
        d->writeFailed(failed);
        return false;
    }
    d->runId = -1;
    return true;
}
