// The queries behind the windows: the Progress window's summaries, days and words to practise,
// and the review schedule's due items and counts. Each reads what it can: a store that cannot
// be read gives the empty figures, never an error.
#include "core/progressstore_p.h"

#include <QVariant>
#include <algorithm>
#include <tuple>

using namespace progressstore;

namespace {

// Whether the store reviews a lesson, asked once per lesson however many rows name it.
class ReviewedLessons {
public:
    explicit ReviewedLessons(const ProgressStore &store) : store_(store) {}
    bool operator()(const QString &lesson)
    {
        const auto known = answers_.constFind(lesson);
        if (known != answers_.constEnd())
            return *known;
        const bool reviewed = store_.reviewed(lesson);
        answers_.insert(lesson, reviewed);
        return reviewed;
    }

private:
    const ProgressStore &store_;
    QHash<QString, bool> answers_;
};

} // namespace

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
    q.addBindValue(dayText(out.first().day));
    q.addBindValue(dayText(last));
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
    // A picture name that fits no picture belongs to no item: nothing to practise there. The
    // schedule keeps the Plus run and the ordinary one of an item apart: the earlier due day
    // and the lapses of both.
    q.prepare(QStringLiteral(
        "SELECT s.exercise, s.item, s.expected, s.wrong, s.is_right, "
        " (SELECT min(due) FROM schedule c WHERE c.lesson = s.lesson AND c.section = s.section "
        "  AND c.exercise = s.exercise AND c.plus IN (0, 1) AND c.item = s.item), "
        " (SELECT sum(lapses) FROM schedule c WHERE c.lesson = s.lesson AND c.section = s.section "
        "  AND c.exercise = s.exercise AND c.plus IN (0, 1) AND c.item = s.item), "
        " s.lesson, s.section "
        "FROM (SELECT lesson, section, exercise, item, expected, wrong, is_right FROM item_stats "
        "      WHERE wrong > 0 AND item <> '' ORDER BY wrong DESC, is_right ASC, item, lesson, section LIMIT ?) s "
        "ORDER BY s.wrong DESC, s.is_right ASC, s.item, s.lesson, s.section"));
    q.addBindValue(limit);
    if (q.exec())
        while (q.next()) {
            PracticeWord w{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                           q.value(4).toInt()};
            w.due = QDate::fromString(q.value(5).toString(), Qt::ISODate);
            w.lapses = q.value(6).toInt();
            w.hard = w.lapses >= 8;
            w.lesson = q.value(7).toString();
            w.section = q.value(8).toString();
            out.append(w);
        }
    return out;
}

QList<ScheduledItem> SqliteProgressStore::dueItems(int limit)
{
    if (!canRead() || limit == 0)
        return {};
    QSqlQuery q = d->query();
    // The schedule holds one row per item met: read straight through (the due index would cost a
    // lookup per row when most are due).
    q.prepare(QStringLiteral("SELECT exercise, plus, item, expected, stability, difficulty, reviews, lapses, last_time, "
                             "last_day, due, lesson, section FROM schedule WHERE +due <= ?"));
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    return readDue(q, limit);
}

QList<ScheduledItem> SqliteProgressStore::dueItemsOf(const QString &lesson)
{
    if (!canRead())
        return {};
    QSqlQuery q = d->query();
    // On the lesson's part of its index.
    q.prepare(QStringLiteral("SELECT exercise, plus, item, expected, stability, difficulty, reviews, lapses, last_time, "
                             "last_day, due, lesson, section FROM schedule WHERE lesson = ? AND due <= ?"));
    q.addBindValue(lesson);
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    return readDue(q, -1);
}

QList<ScheduledItem> SqliteProgressStore::readDue(QSqlQuery &q, int limit)
{
    QList<ScheduledItem> out;
    const QDate today = fsrs::reviewDay(now());
    q.setForwardOnly(true);
    if (!q.exec())
        return out;
    ReviewedLessons reviewedLesson(*this);
    while (q.next()) {
        if (!reviewedLesson(q.value(11).toString()))
            continue;
        ScheduledItem s;
        s.exercise = q.value(0).toInt();
        s.plus = q.value(1).toInt() != 0;
        s.item = q.value(2).toString();
        s.expected = q.value(3).toString();
        s.stability = q.value(4).toDouble();
        s.difficulty = q.value(5).toDouble();
        s.reviews = q.value(6).toInt();
        s.lapses = q.value(7).toInt();
        s.lastReview = parseTime(q.value(8).toString());
        s.due = QDate::fromString(q.value(10).toString(), Qt::ISODate);
        const QDate last = QDate::fromString(q.value(9).toString(), Qt::ISODate);
        s.recall = fsrs::retrievability(fsrs::elapsedDays(last, today), s.stability);
        s.lesson = q.value(11).toString();
        s.section = q.value(12).toString();
        out.append(s);
    }
    // Lowest recall first; then the longest overdue, then a fixed order.
    const auto before = [](const ScheduledItem &a, const ScheduledItem &b) {
        if (a.recall != b.recall)
            return a.recall < b.recall;
        if (a.due != b.due)
            return a.due < b.due;
        if (a.exercise != b.exercise)
            return a.exercise < b.exercise;
        if (a.plus != b.plus)
            return a.plus < b.plus;
        return std::tie(a.item, a.lesson, a.section) < std::tie(b.item, b.lesson, b.section);
    };
    if (limit > 0 && limit < out.size()) {
        std::partial_sort(out.begin(), out.begin() + limit, out.end(), before);
        out.resize(limit);
    } else {
        std::sort(out.begin(), out.end(), before);
    }
    return out;
}

int SqliteProgressStore::dueCount()
{
    if (!canRead())
        return 0;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // Counted by lesson, so that the lessons not reviewed are left out.
    q.prepare(QStringLiteral("SELECT lesson, count(*) FROM schedule WHERE due <= ? GROUP BY lesson"));
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    int due = 0;
    if (q.exec())
        while (q.next())
            if (reviewed(q.value(0).toString()))
                due += q.value(1).toInt();
    return due;
}

NextDue SqliteProgressStore::nextDue()
{
    if (!canRead())
        return {};
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // Day by day from tomorrow's, until a day has items of a lesson reviewed.
    q.prepare(QStringLiteral("SELECT due, lesson, count(*) FROM schedule WHERE due > ? GROUP BY due, lesson ORDER BY due"));
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    if (!q.exec())
        return {};
    ReviewedLessons reviewedLesson(*this);
    NextDue next;
    while (q.next()) {
        const QDate day = QDate::fromString(q.value(0).toString(), Qt::ISODate);
        if (!day.isValid() || (next.day.isValid() && day != next.day))
            break;
        if (reviewedLesson(q.value(1).toString())) {
            next.day = day;
            next.items += q.value(2).toInt();
        }
    }
    return next;
}

QList<DueOutlook> SqliteProgressStore::dueOutlook()
{
    QList<DueOutlook> out = noOutlook();
    if (!canRead())
        return out;
    const QDate today = fsrs::reviewDay(now());
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // Counted on the due index alone (grouping by the key's first column would walk the table).
    // The week is today's review day and the six after it.
    q.prepare(QStringLiteral("SELECT exercise, lesson, sum(due <= ?), count(*) FROM schedule WHERE due <= ? "
                             "GROUP BY +exercise, +lesson"));
    q.addBindValue(dayText(today));
    q.addBindValue(dayText(today.addDays(6)));
    ReviewedLessons reviewedLesson(*this);
    if (q.exec())
        while (q.next()) {
            const int n = q.value(0).toInt();
            if (n >= 1 && n <= 5 && reviewedLesson(q.value(1).toString())) {
                out[n - 1].exercise = n;
                out[n - 1].dueToday += q.value(2).toInt();
                out[n - 1].dueWeek += q.value(3).toInt();
            }
        }
    return out;
}

QList<LessonProgress> SqliteProgressStore::lessonProgress()
{
    QList<LessonProgress> out;
    if (!canRead())
        return out;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // A row per lesson: the items met as the summaries keep them, the items due counted on the
    // lesson's part of its index (as few steps as there are items due).
    q.prepare(QStringLiteral("SELECT lesson, met, (SELECT count(*) FROM schedule s WHERE s.lesson = l.lesson AND "
                             "s.due <= ?) FROM lesson_stats l ORDER BY lesson"));
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    if (q.exec())
        while (q.next())
            out.append(LessonProgress{q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt()});
    return out;
}

LessonRecord SqliteProgressStore::lessonRecord(const QString &lesson)
{
    LessonRecord out;
    if (!canRead())
        return out;
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    // The summaries by item have a row for every item answered, on the lesson's part of their key.
    q.prepare(QStringLiteral("SELECT section, exercise, item FROM item_stats WHERE lesson = ? AND item <> ''"));
    q.addBindValue(lesson);
    if (q.exec())
        while (q.next())
            out.met.insert(recordKey(q.value(0).toString(), q.value(1).toInt(), q.value(2).toString()));
    // An item first answered today has had one first try, today. (Its next one falls due a day
    // later at the soonest.)
    q.prepare(QStringLiteral("SELECT count(*) FROM schedule WHERE lesson = ? AND reviews = 1 AND last_day = ?"));
    q.addBindValue(lesson);
    q.addBindValue(dayText(fsrs::reviewDay(now())));
    if (q.exec() && q.next())
        out.metToday = q.value(0).toInt();
    return out;
}
