#pragma once
#include "core/runevents.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

class QSqlQuery;

// What the Progress window shows of one exercise.
struct ExerciseSummary {
    int exercise = 0;       // 1 to 5
    int runsCompleted = 0;
    int answers = 0;
    int firstTries = 0;     // answers that were the first try at their item
    int firstTriesRight = 0;
    QDateTime lastPractised; // UTC; invalid when never
};

// Answers of one local day.
struct DayCount {
    QDate day;
    int right = 0;
    int wrong = 0;
};

// An item the learner got wrong, with its right answer.
struct PracticeWord {
    int exercise = 0;       // the exercise form that asks it
    QString item;           // its key in its lesson
    QString expected;
    int wrong = 0;
    int right = 0;
    // From the review schedule of the item (in exercise 3 and 4 its Plus run and its ordinary one
    // are scheduled apart; the earlier due date is shown). Invalid when the item is not scheduled.
    QDate due;
    int lapses = 0;  // first tries that went wrong after the item's first review (Again on a reviewed item)
    bool hard = false; // 8 lapses or more
    QString lesson;    // the lesson and its section that the item was recorded in (AnswerEvent)
    QString section;
};

// The memory state of one item the learner has met, derived from the first tries in the answer
// log: (lesson, section, exercise, plus, item) is its key.
struct ScheduledItem {
    int exercise = 0;
    bool plus = false;
    QString item;       // as AnswerEvent::item
    QString expected;   // the latest right answer recorded for it
    double stability = 0;  // days
    double difficulty = 0; // 1 to 10
    int reviews = 0;       // first tries counted
    int lapses = 0;
    QDateTime lastReview;  // UTC
    QDate due;             // the review day it falls due (a review day starts at 04:00 local time)
    double recall = 0;     // predicted probability of recall at the store's now()
    QString lesson;        // as AnswerEvent::lesson
    QString section;       // as recordedSection() gives it: lesson 1's exercise, none for a word list
};

// How many items of one exercise fall due.
struct DueOutlook {
    int exercise = 0;   // 1 to 5
    int dueToday = 0;   // due on or before today's review day
    int dueWeek = 0;    // due within the next 7 review days, today's included
};

// What the record holds of one lesson.
struct LessonProgress {
    QString lesson;
    int met = 0;      // its items answered at least once (any that have left the lesson since included)
    int dueToday = 0; // its scheduled items due on or before today's review day (as dueCount() counts:
                      // the Plus run and the ordinary one of an item apart)
};

// What the record holds of the items of one lesson, for a practice of it.
struct LessonRecord {
    QSet<QString> met; // its items answered at least once, each as recordKey() names it
    int metToday = 0;  // of them, the items first answered on today's review day
};

// How LessonRecord::met names an item: its section as the record keeps it (recordedSection),
// the exercise form that asks it, and its key.
inline QString recordKey(const QString &section, int exercise, const QString &item)
{
    return section + QChar(0) + QString::number(exercise) + QChar(0) + item;
}

// The next review day after today on which items fall due.
struct NextDue {
    QDate day;          // invalid when nothing is scheduled after today
    int items = 0;
};

// The learner's record: every run and every answer checked. Recording never fails loudly: a
// store that cannot be written stops saving and says why once, through problem().
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    // The time answers are recorded at and what is due is reckoned from; tests set their own.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock) { clock_ = std::move(clock); }
    QDateTime now() const { return clock_ ? clock_() : QDateTime::currentDateTimeUtc(); }

    // The lessons whose items are reviewed: the lessons Tarvo knows. The due items and every due
    // figure leave out the items of any other lesson (a lesson removed), whose answers stay in
    // the record. Every lesson is reviewed when no filter is set.
    using LessonFilter = std::function<bool(const QString &lesson)>;
    void setLessonFilter(LessonFilter filter) { filter_ = std::move(filter); }
    bool reviewed(const QString &lesson) const { return !filter_ || filter_(lesson); }

    virtual void recordRunStart(int exercise, bool plus, int items) = 0;
    virtual void recordRunEnd(bool completed) = 0;
    virtual void recordAnswer(const AnswerEvent &event) = 0;

    // The five exercises, in order.
    virtual QList<ExerciseSummary> exerciseSummaries() = 0;
    // The `days` local days up to and including `last`, oldest first, zero where nothing was done.
    virtual QList<DayCount> dailyCounts(const QDate &last, int days) = 0;
    // The items answered wrong most often, most first.
    virtual QList<PracticeWord> wordsToPractise(int limit) = 0;
    // Every answer as CSV (UTF-8, header row; the columns time, exercise, plus, item, answer,
    // right, first_try, lesson). False with a reason in *error on failure.
    virtual bool exportCsv(const QString &path, QString *error) = 0;
    // Removes every run and answer. False when the store cannot be written.
    virtual bool forget() = 0;

    // Where the record is kept (empty for a store that keeps nothing).
    virtual QString filePath() const = 0;
    // Whether what the learner does now is being kept.
    virtual bool saving() = 0;
    // Whether what was kept can be read (also after a write has failed).
    virtual bool canRead() = 0;
    // What went wrong with the store, for the learner; empty when nothing did. Opens the store
    // if it has not been opened yet.
    virtual QString problem() = 0;

    // The review schedule. An answer recorded with firstTry set is rated (right: Good, wrong:
    // Again) and moves its item's memory state; a review's answers are recorded that way too.
    // The items due at now(), lowest predicted recall first (limit < 0: all).
    virtual QList<ScheduledItem> dueItems(int limit = -1) { Q_UNUSED(limit); return {}; }
    // The items of one lesson due at now(), in the same order.
    virtual QList<ScheduledItem> dueItemsOf(const QString &lesson) { Q_UNUSED(lesson); return {}; }
    // How many items are due at now(): cheap enough for a menu item's caption.
    virtual int dueCount() { return 0; }
    virtual NextDue nextDue() { return {}; }
    // The five exercises, in order.
    virtual QList<DueOutlook> dueOutlook();
    // Every lesson the record has answers to, by id: one query however many lessons there are.
    virtual QList<LessonProgress> lessonProgress() { return {}; }
    // What the record holds of one lesson's items: which were met, and how many for the first time
    // today.
    virtual LessonRecord lessonRecord(const QString &lesson) { Q_UNUSED(lesson); return {}; }
    // Throws away the schedule and derives it anew from the answer log. False on failure.
    virtual bool rebuildSchedule() { return true; }

private:
    Clock clock_;
    LessonFilter filter_;
};

// A store that keeps nothing: for runs that must not leave a record.
class NullProgressStore : public ProgressStore {
public:
    void recordRunStart(int, bool, int) override {}
    void recordRunEnd(bool) override {}
    void recordAnswer(const AnswerEvent &) override {}
    QList<ExerciseSummary> exerciseSummaries() override;
    QList<DayCount> dailyCounts(const QDate &last, int days) override;
    QList<PracticeWord> wordsToPractise(int) override { return {}; }
    bool exportCsv(const QString &path, QString *error) override;
    bool forget() override { return true; }
    QString filePath() const override { return {}; }
    bool saving() override { return false; }
    bool canRead() override { return false; }
    QString problem() override { return {}; }
};

// The record in an SQLite file, opened on first use (so that start-up does not wait for it),
// in WAL mode without a sync per answer. Its schema carries its version in PRAGMA user_version
// and is migrated forward on open. A damaged file is renamed aside and a fresh one started; a
// file that cannot be written, or that a newer Tarvo wrote, is left alone and nothing is saved.
class SqliteProgressStore : public ProgressStore {
public:
    // The schema version this program writes.
    static constexpr int schemaVersion = 5;

    explicit SqliteProgressStore(QString path);
    ~SqliteProgressStore() override;
    SqliteProgressStore(const SqliteProgressStore &) = delete;
    SqliteProgressStore &operator=(const SqliteProgressStore &) = delete;

    // progress.sqlite in the application's data folder.
    static QString defaultPath();

    void recordRunStart(int exercise, bool plus, int items) override;
    void recordRunEnd(bool completed) override;
    void recordAnswer(const AnswerEvent &event) override;
    QList<ExerciseSummary> exerciseSummaries() override;
    QList<DayCount> dailyCounts(const QDate &last, int days) override;
    QList<PracticeWord> wordsToPractise(int limit) override;
    bool exportCsv(const QString &path, QString *error) override;
    bool forget() override;
    QString filePath() const override;
    bool saving() override;
    bool canRead() override;
    QString problem() override;
    QList<ScheduledItem> dueItems(int limit = -1) override;
    QList<ScheduledItem> dueItemsOf(const QString &lesson) override;
    int dueCount() override;
    NextDue nextDue() override;
    QList<DueOutlook> dueOutlook() override;
    QList<LessonProgress> lessonProgress() override;
    LessonRecord lessonRecord(const QString &lesson) override;
    bool rebuildSchedule() override;

    // Opens the file now if it is not open yet.
    void open();
    // The name the damaged file was given, if it was renamed at open.
    QString damagedName() const;

private:
    QList<ScheduledItem> readDue(QSqlQuery &query, int limit);

    struct Impl;
    std::unique_ptr<Impl> d;
};

// One CSV field: quoted when it holds a comma, a quote or a line break, quotes doubled.
QString csvField(const QString &text);
