// The review schedule in the progress store: each item's memory state follows its first tries
// in the answer log, by review day (from 04:00 on the local clock where the answer was given, also
// on the nights the clocks change), and is the same whether it was kept up answer by answer,
// rebuilt from the log (in whatever zone the machine is in by then), or migrated from a file of an
// older Tarvo; what is due and when comes from it.
#include "core/fsrs.h"
#include "core/progressstore.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

namespace {

// Runs statements on a store file through a connection of the test's own; the first value of
// the last statement's first row.
QVariant sql(const QString &path, const QStringList &statements)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            for (const QString &s : statements)
                if (!q.exec(s))
                    qWarning("%s: %s", qPrintable(s), qPrintable(q.lastError().text()));
            if (q.next())
                value = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return value;
}

// The machine's time zone (TZ) for a while, as a learner's machine set to another zone has it;
// the run's own comes back at the end. An empty name leaves the run's zone.
class LocalZone {
public:
    explicit LocalZone(const QString &zone) { set(zone); }
    ~LocalZone()
    {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone &) = delete;
    LocalZone &operator=(const LocalZone &) = delete;
    void set(const QString &zone)
    {
        if (zone.isEmpty())
            return;
        qputenv("TZ", zone.toLatin1());
        tzset();
    }

private:
    const bool had_ = qEnvironmentVariableIsSet("TZ");
    const QByteArray old_ = qgetenv("TZ");
};

// A moment in local time: `day` is a date ("2026-03-29") or a number of days after 7 December 2026.
QDateTime local(const QString &day, const QString &hhmm)
{
    QDate date = QDate::fromString(day, Qt::ISODate);
    if (!date.isValid())
        date = QDate(2026, 12, 7).addDays(day.toInt());
    return QDateTime(date, QTime::fromString(hhmm, QStringLiteral("hh:mm")), Qt::LocalTime).toUTC();
}

// One answer of a row: "DAY HH:MM EXERCISE PLUS ITEM R|W F|- [LESSON [SECTION]]" (F: a first try;
// lesson 1 unless a lesson is named).
struct Step {
    QDateTime at;
    AnswerEvent event;
};

QList<Step> parse(const QStringList &lines)
{
    QList<Step> steps;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '));
        const QString item = f[4] == QLatin1String("-") ? QString() : f[4];
        AnswerEvent event{f[2].toInt(), f[3] == QLatin1String("1"), item, item + QStringLiteral("!"),
                          QStringLiteral("typed"), f[5] == QLatin1String("R"), f[6] == QLatin1String("F")};
        event.lesson = f.value(7, event.lesson);
        event.section = f.value(8);
        steps.append({local(f[0], f[1]), event});
    }
    return steps;
}

void record(SqliteProgressStore &store, const QList<Step> &steps)
{
    QDateTime at;
    store.setClock([&at] { return at; });
    for (const Step &s : steps) {
        at = s.at;
        store.recordAnswer(s.event);
    }
    store.setClock({});
}

// Every scheduled item (all due at a day far ahead), in a fixed order.
QList<ScheduledItem> everything(SqliteProgressStore &store)
{
    store.setClock([] { return QDateTime(QDate(2200, 1, 1), QTime(12, 0), Qt::UTC); });
    QList<ScheduledItem> all = store.dueItems();
    store.setClock({});
    std::sort(all.begin(), all.end(), [](const ScheduledItem &a, const ScheduledItem &b) {
        return std::tie(a.lesson, a.section, a.exercise, a.plus, a.item) <
               std::tie(b.lesson, b.section, b.exercise, b.plus, b.item);
    });
    return all;
}

void compareSchedules(const QList<ScheduledItem> &got, const QList<ScheduledItem> &expected)
{
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i) {
        const ScheduledItem &a = got[i], &b = expected[i];
        QCOMPARE(a.lesson, b.lesson);
        QCOMPARE(a.section, b.section);
        QCOMPARE(a.exercise, b.exercise);
        QCOMPARE(a.plus, b.plus);
        QCOMPARE(a.item, b.item);
        QCOMPARE(a.expected, b.expected);
        QCOMPARE(a.stability, b.stability);
        QCOMPARE(a.difficulty, b.difficulty);
        QCOMPARE(a.reviews, b.reviews);
        QCOMPARE(a.lapses, b.lapses);
        QCOMPARE(a.lastReview, b.lastReview);
        QCOMPARE(a.due, b.due);
    }
}

// The state of one item as its first tries give it, replayed here by hand.
fsrs::ItemMemory replay(const QList<Step> &steps, int exercise, bool plus, const QString &item,
                        const QString &lesson = lessonOneId(), const QString &section = QString())
{
    fsrs::ItemMemory m;
    for (const Step &s : steps)
        if (s.event.firstTry && s.event.exercise == exercise && s.event.plus == plus && s.event.item == item &&
            s.event.lesson == lesson &&
            recordedSection(lesson, s.event.section, exercise) == recordedSection(lesson, section, exercise))
            fsrs::review(m, fsrs::reviewDay(s.at), s.event.right);
    return m;
}

} // namespace

class ScheduleTest : public QObject {
    Q_OBJECT

private slots:
    // Answers recorded one by one, in the row's zone (empty: the run's own); the probed item
    // (exercise 3, "x", not Plus) has the given reviews, lapses and due day (days after the first
    // review day), and as many items are due on that day, read at the probe's local time. Due
    // items come lowest recall first; "due in 7 days" counts up to today plus six. The rebuilt
    // schedule is the same (in the second zone of the row when it names two), and so is the one
    // a reopened file whose schedule fell behind, or went missing, derives.
    void scheduleFollowsTheLog_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("reviews");
        QTest::addColumn<int>("lapses");
        QTest::addColumn<int>("dueIn");
        QTest::addColumn<int>("dueThen");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("probe");
        QTest::newRow("right first try: Good") << QStringList{"0 10:00 3 0 x R F"} << 1 << 0 << 2 << 1 << "" << "12:00";
        QTest::newRow("wrong, then right in the run: Again only")
            << QStringList{"0 10:00 3 0 x W F", "0 10:00 3 0 x R -"} << 1 << 0 << 1 << 1 << "" << "12:00";
        QTest::newRow("wrong after a review: a lapse")
            << QStringList{"0 10:00 3 0 x R F", "2 10:00 3 0 x W F"} << 2 << 1 << 3 << 1 << "" << "12:00";
        QTest::newRow("eight lapses: a hard item")
            << QStringList{"0 10:00 3 0 x R F", "1 10:00 3 0 x W F", "2 10:00 3 0 x W F", "3 10:00 3 0 x W F",
                           "4 10:00 3 0 x W F", "5 10:00 3 0 x W F", "6 10:00 3 0 x W F", "7 10:00 3 0 x W F",
                           "8 10:00 3 0 x W F"}
            << 9 << 8 << 9 << 1 << "" << "12:00";
        QTest::newRow("twice the same day")
            << QStringList{"0 10:00 3 0 x R F", "0 20:00 3 0 x R F"} << 2 << 0 << 2 << 1 << "" << "12:00";
        QTest::newRow("03:59 is the evening before")
            << QStringList{"0 22:00 3 0 x R F", "1 03:59 3 0 x R F"} << 2 << 0 << 2 << 1 << "" << "12:00";
        QTest::newRow("04:00 is a new day")
            << QStringList{"0 22:00 3 0 x R F", "1 04:00 3 0 x R F"} << 2 << 0 << 8 << 1 << "" << "12:00";
        QTest::newRow("Plus and ordinary runs apart")
            << QStringList{"0 10:00 3 1 x W F", "0 10:00 3 0 x R F", "0 10:00 4 0 x W F"} << 1 << 0 << 2 << 1 << ""
            << "12:00";
        QTest::newRow("one key in two lessons apart")
            << QStringList{"0 10:00 3 0 x W F tiere-0a1b2c3d", "0 10:00 3 0 x R F"} << 1 << 0 << 2 << 1 << ""
            << "12:00";
        QTest::newRow("one key in two sections of a lesson apart")
            << QStringList{"0 10:00 3 0 x W F other a", "0 10:00 3 0 x R F", "0 10:00 3 0 x W F other b"} << 1 << 0
            << 2 << 1 << "" << "12:00";
        QTest::newRow("lesson 1's section is its exercise")
            << QStringList{"0 10:00 3 0 x R F 1 3", "0 20:00 3 0 x R F"} << 2 << 0 << 2 << 1 << "" << "12:00";
        QTest::newRow("a name that fits no picture: no item")
            << QStringList{"0 10:00 5 0 - W F", "0 10:00 5 0 - W -", "0 10:00 3 0 x R F"} << 1 << 0 << 2 << 1 << ""
            << "12:00";
        QTest::newRow("a clock that went back a day")
            << QStringList{"1 10:00 3 0 x R F", "0 10:00 3 0 x R F"} << 2 << 0 << 2 << 1 << "" << "12:00";
        QTest::newRow("later tries whose first try is lost: no item")
            << QStringList{"0 10:00 3 0 y W -", "0 10:01 3 0 y R -", "0 10:02 3 0 x R F"} << 1 << 0 << 2 << 1 << ""
            << "12:00";
        QTest::newRow("due items: lowest recall first")
            << QStringList{"0 10:00 3 0 a W F", "1 10:00 3 0 b W F", "0 10:00 3 0 x R F"} << 1 << 0 << 2 << 2 << ""
            << "12:00";
        // The nights the clocks change: the day still starts at 04:00 on the clock, an hour of
        // elapsed time later (spring) or earlier (autumn) than four hours after midnight.
        QTest::newRow("Budapest, clocks forward: 04:30 is a new day")
            << QStringList{"2026-03-28 22:00 3 0 x R F", "2026-03-29 04:30 3 0 x R F"} << 2 << 0 << 8 << 1
            << "Europe/Budapest" << "12:00";
        QTest::newRow("Budapest, clocks back: 03:30 is the evening before")
            << QStringList{"2026-10-24 22:00 3 0 x R F", "2026-10-25 03:30 3 0 x R F"} << 2 << 0 << 2 << 1
            << "Europe/Budapest" << "12:00";
        QTest::newRow("Budapest, due the morning the clocks went forward: at 04:30")
            << QStringList{"2026-03-28 10:00 3 0 x W F"} << 1 << 0 << 1 << 1 << "Europe/Budapest" << "04:30";
        QTest::newRow("Auckland, clocks forward: 04:30 is a new day")
            << QStringList{"2026-09-26 22:00 3 0 x R F", "2026-09-27 04:30 3 0 x R F"} << 2 << 0 << 8 << 1
            << "Pacific/Auckland" << "12:00";
        QTest::newRow("Auckland, clocks back: 03:30 is the evening before")
            << QStringList{"2026-04-04 22:00 3 0 x R F", "2026-04-05 03:30 3 0 x R F"} << 2 << 0 << 2 << 1
            << "Pacific/Auckland" << "12:00";
        QTest::newRow("Auckland, due the morning the clocks went forward: at 04:30")
            << QStringList{"2026-09-26 10:00 3 0 x W F"} << 1 << 0 << 1 << 1 << "Pacific/Auckland" << "04:30";
        // An answer's review day is where it was given: practised in Tokyo, opened in Los Angeles.
        QTest::newRow("recorded in Tokyo, rebuilt in Los Angeles")
            << QStringList{"0 22:00 3 0 x R F", "1 10:00 3 0 x R F"} << 2 << 0 << 8 << 1
            << "Asia/Tokyo America/Los_Angeles" << "12:00";
    }
    void scheduleFollowsTheLog()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, reviews);
        QFETCH(int, lapses);
        QFETCH(int, dueIn);
        QFETCH(int, dueThen);
        QFETCH(QString, zone);
        QFETCH(QString, probe);
        const QStringList zones = zone.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        LocalZone here(zones.value(0));
        const QList<Step> steps = parse(answers);
        const QTime probeTime = QTime::fromString(probe, QStringLiteral("hh:mm"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QList<ScheduledItem> kept;
        {
            SqliteProgressStore store(path);
            record(store, steps);
            kept = everything(store);
            const auto x = std::find_if(kept.begin(), kept.end(), [](const ScheduledItem &s) {
                return s.lesson == lessonOneId() && s.exercise == 3 && !s.plus && s.item == "x";
            });
            QVERIFY(x != kept.end());
            const fsrs::ItemMemory byHand = replay(steps, 3, false, QStringLiteral("x"));
            QCOMPARE(x->section, QStringLiteral("3"));
            QCOMPARE(x->reviews, reviews);
            QCOMPARE(x->lapses, lapses);
            QCOMPARE(x->stability, byHand.state.stability);
            QCOMPARE(x->difficulty, byHand.state.difficulty);
            QCOMPARE(x->expected, QStringLiteral("x!"));
            const QDate first = fsrs::reviewDay(steps.first().at);
            QCOMPARE(first.daysTo(x->due), dueIn);
            for (const ScheduledItem &s : kept)
                QVERIFY2(!s.item.isEmpty() && s.due > first, qPrintable(s.item));
            // The words to practise show the earlier due day of the Plus and the ordinary run.
            for (const PracticeWord &w : store.wordsToPractise(10)) {
                QDate due;
                int itemLapses = 0;
                for (const ScheduledItem &s : kept)
                    if (s.lesson == w.lesson && s.section == w.section && s.exercise == w.exercise && s.item == w.item) {
                        due = due.isValid() ? std::min(due, s.due) : s.due;
                        itemLapses += s.lapses;
                    }
                QCOMPARE(w.due, due);
                QCOMPARE(w.lapses, itemLapses);
                QCOMPARE(w.hard, itemLapses >= 8);
            }

            // On the day before it falls due nothing of it is due; on its day it is, and the next
            // due day seen from the day before is that day.
            QDateTime at;
            const auto probeOn = [&](const QDate &day) { at = QDateTime(day, probeTime, Qt::LocalTime).toUTC(); };
            store.setClock([&at] { return at; });
            probeOn(x->due.addDays(-1));
            const int before = store.dueCount();
            QCOMPARE(store.nextDue().day, x->due);
            probeOn(x->due);
            QCOMPARE(store.dueCount() - before, dueThen);
            const auto dueBy = [&](const QDate &day) {
                return int(std::count_if(kept.begin(), kept.end(),
                                         [&](const ScheduledItem &s) { return s.exercise == 3 && s.due <= day; }));
            };
            QCOMPARE(store.dueOutlook().at(2).dueToday, dueBy(x->due));
            // Lowest predicted recall first, recall after the review days since the last review.
            const QList<ScheduledItem> due = store.dueItems();
            QCOMPARE(due.size(), store.dueCount());
            // Per lesson: the items met (whatever the runs that asked them) and those due.
            QMap<QString, QSet<QString>> met;
            for (const Step &s : steps)
                if (!s.event.item.isEmpty())
                    met[s.event.lesson].insert(recordedSection(s.event.lesson, s.event.section, s.event.exercise) +
                                               QLatin1Char('/') + QString::number(s.event.exercise) +
                                               QLatin1Char('/') + s.event.item);
            QMap<QString, int> dueIn;
            for (const ScheduledItem &s : due)
                ++dueIn[s.lesson];
            const QList<LessonProgress> lessons = store.lessonProgress();
            QCOMPARE(lessons.size(), met.size());
            for (const LessonProgress &l : lessons) {
                QCOMPARE(l.met, int(met.value(l.lesson).size()));
                QCOMPARE(l.dueToday, dueIn.value(l.lesson));
            }
            for (int i = 0; i < due.size(); ++i) {
                const fsrs::ItemMemory m =
                    replay(steps, due[i].exercise, due[i].plus, due[i].item, due[i].lesson, due[i].section);
                QCOMPARE(due[i].recall, fsrs::retrievability(fsrs::elapsedDays(m.lastDay, x->due), m.state.stability));
                if (i > 0)
                    QVERIFY2(due[i - 1].recall <= due[i].recall, qPrintable(due[i].item));
            }
            // Due in 7 days: today's review day and the six after it. The item is in it seen from
            // six days before its day, not from seven.
            for (int daysBefore : {6, 7}) {
                probeOn(x->due.addDays(-daysBefore));
                QCOMPARE(store.dueOutlook().at(2).dueWeek, dueBy(x->due.addDays(6 - daysBefore)));
            }
            store.setClock({});

            // The rest in the zone the schedule is rebuilt in.
            here.set(zones.value(1));

            QVERIFY(store.rebuildSchedule());
            compareSchedules(everything(store), kept);
        }
        // A schedule that fell behind its log (here: a lost row and an old mark) is derived anew.
        sql(path, {QStringLiteral("DELETE FROM schedule WHERE item = 'x'"),
                   QStringLiteral("UPDATE schedule_replayed SET last_answer = last_answer - 1")});
        {
            SqliteProgressStore reopened(path);
            compareSchedules(everything(reopened), kept);
        }
        // And one whose tables are gone altogether.
        sql(path, {QStringLiteral("DROP TABLE schedule"), QStringLiteral("DROP TABLE schedule_replayed")});
        SqliteProgressStore again(path);
        compareSchedules(everything(again), kept);
    }

    // Thousands of first tries at hundreds of items, at random moments of a year in the run's
    // zone, a quarter of them within six hours of its clock changes (where it has any): the
    // schedule kept answer by answer is the one rebuilt from the log, item by item.
    void keptScheduleIsTheRebuiltOne()
    {
        const QDateTime yearStart(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
        QList<QDateTime> changes;
        for (int hour = 1, offset = yearStart.toLocalTime().offsetFromUtc(); hour < 365 * 24; ++hour) {
            const QDateTime t = yearStart.addSecs(hour * 3600);
            if (t.toLocalTime().offsetFromUtc() != offset)
                changes.append(t);
            offset = t.toLocalTime().offsetFromUtc();
        }
        QRandomGenerator random(20260329);
        QList<Step> steps;
        for (int i = 0; i < 4000; ++i) {
            const QDateTime at =
                !changes.isEmpty() && i % 4 == 0
                    ? changes[random.bounded(int(changes.size()))].addSecs(random.bounded(-6 * 3600, 6 * 3600))
                    : yearStart.addSecs(random.bounded(365 * 86400));
            const int key = random.bounded(400); // exercise, Plus run and item
            const QString item = QString::number(key / 10);
            steps.append(
                {at, AnswerEvent{1 + key % 5, key / 5 % 2 == 1, item, item, item, random.bounded(4) != 0, true}});
        }
        std::sort(steps.begin(), steps.end(), [](const Step &a, const Step &b) { return a.at < b.at; });
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        record(store, steps);
        const QList<ScheduledItem> kept = everything(store);
        QVERIFY(kept.size() > 350);
        QVERIFY(store.rebuildSchedule());
        compareSchedules(everything(store), kept);
    }

    // Files that older versions of Tarvo wrote (tests/data: version 1, version 2 written by the
    // store as it was before the schedule, version 3 by the store before it kept each answer's
    // offset from UTC, version 4 by the store before it kept each answer's lesson) open, migrate to
    // this version and give the schedule and the words to practise that the same answers recorded
    // today give, in the zone the file's offsets were taken in (a file without offsets takes the
    // ones this machine's zone had at its times). Everything of them is lesson 1's, in the section
    // of its exercise.
    void migratesOlderFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("answers");
        QTest::addColumn<QString>("zone"); // where the file's offsets were taken; empty: this machine's
        QTest::newRow("version 1") << "progress-v1.sqlite" << 1 << 2 << 5 << "";
        QTest::newRow("version 2") << "progress-v2.sqlite" << 2 << 4 << 8 << "";
        QTest::newRow("version 3") << "progress-v3.sqlite" << 3 << 4 << 9 << "";
        QTest::newRow("version 4") << "progress-v4.sqlite" << 4 << 7 << 10 << "Europe/Budapest";
    }
    void migratesOlderFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, version);
        QFETCH(int, items);
        QFETCH(int, answers);
        QFETCH(QString, zone);
        const QString source = QFINDTESTDATA(QStringLiteral("data/") + file);
        QVERIFY(!source.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(QFile::copy(source, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(sql(path, {QStringLiteral("PRAGMA user_version")}).toInt(), version);

        // The same answers, recorded now at the times the file has, and the offsets it kept.
        QList<Step> steps;
        QList<int> offsets, expectedOffsets;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT * FROM answers ORDER BY id")));
            while (q.next())
                steps.append({QDateTime::fromString(q.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs),
                              AnswerEvent{q.value(QStringLiteral("exercise")).toInt(), q.value(QStringLiteral("plus")).toBool(),
                                          q.value(QStringLiteral("item")).toString(), q.value(QStringLiteral("expected")).toString(),
                                          q.value(QStringLiteral("answer")).toString(), q.value(QStringLiteral("is_right")).toBool(),
                                          q.value(QStringLiteral("first_try")).toBool()}});
            if (!zone.isEmpty() && q.exec(QStringLiteral("SELECT utc_offset FROM answers ORDER BY id")))
                while (q.next())
                    expectedOffsets.append(q.value(0).toInt());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        QCOMPARE(steps.size(), answers);

        SqliteProgressStore migrated(path);
        QVERIFY2(migrated.problem().isEmpty(), qPrintable(migrated.problem()));
        QCOMPARE(sql(path, {QStringLiteral("PRAGMA user_version")}).toInt(), SqliteProgressStore::schemaVersion);
        QCOMPARE(sql(path, {QStringLiteral("SELECT count(*) FROM answers")}).toInt(), answers);
        QCOMPARE(sql(path, {QStringLiteral("SELECT count(*) FROM answers WHERE lesson = '1' AND "
                                           "section = CAST(exercise AS TEXT)")})
                     .toInt(),
                 answers);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("migrated"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT time, utc_offset FROM answers ORDER BY id")));
            while (q.next()) {
                offsets.append(q.value(1).toInt());
                const QDateTime time = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
                if (zone.isEmpty())
                    expectedOffsets.append(time.toLocalTime().offsetFromUtc());
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("migrated"));
        QCOMPARE(offsets.size(), answers);
        QCOMPARE(offsets, expectedOffsets);
        const QList<ScheduledItem> schedule = everything(migrated);
        QCOMPARE(schedule.size(), items);
        for (const ScheduledItem &s : schedule)
            QVERIFY2(s.lesson == lessonOneId() && s.section == QString::number(s.exercise), qPrintable(s.item));

        QTemporaryDir freshDir;
        SqliteProgressStore fresh(freshDir.filePath(QStringLiteral("progress.sqlite")));
        {
            LocalZone there(zone);
            record(fresh, steps);
        }
        compareSchedules(schedule, everything(fresh));
        const QList<PracticeWord> words = migrated.wordsToPractise(50), freshWords = fresh.wordsToPractise(50);
        QCOMPARE(words.size(), freshWords.size());
        for (int i = 0; i < words.size(); ++i) {
            const PracticeWord &a = words[i], &b = freshWords[i];
            QCOMPARE(a.item, b.item);
            QCOMPARE(std::tie(a.lesson, a.section, a.exercise, a.expected, a.wrong, a.right, a.due, a.lapses),
                     std::tie(b.lesson, b.section, b.exercise, b.expected, b.wrong, b.right, b.due, b.lapses));
        }
        const QList<LessonProgress> lessons = migrated.lessonProgress();
        QCOMPARE(lessons.size(), 1);
        QCOMPARE(lessons[0].lesson, lessonOneId());
        QCOMPARE(lessons[0].met, sql(path, {QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT exercise, item "
                                                           "FROM answers WHERE item <> '')")})
                                     .toInt());

        // And it goes on from there: a wrong first try at a reviewed item is a lapse.
        const ScheduledItem first = schedule.first();
        migrated.recordAnswer({first.exercise, first.plus, first.item, first.expected, QStringLiteral("?"), false, true});
        const ScheduledItem after = everything(migrated).first();
        QCOMPARE(after.reviews, first.reviews + 1);
        QCOMPARE(after.lapses, first.lapses + 1);
    }

    // Forget my progress clears the schedule and the lessons' figures with the log; the next answer
    // starts them afresh.
    void forgetClearsTheSchedule()
    {
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        record(store, parse({"0 10:00 1 0 a R F", "0 10:00 2 0 b W F"}));
        QCOMPARE(everything(store).size(), 2);
        QVERIFY(store.forget());
        QVERIFY(everything(store).isEmpty());
        QCOMPARE(store.nextDue().items, 0);
        QVERIFY(store.lessonProgress().isEmpty());
        record(store, parse({"0 10:00 2 0 b R F"}));
        QCOMPARE(everything(store).size(), 1);
        QCOMPARE(store.lessonProgress().value(0).met, 1);
        QCOMPARE(everything(store).first().reviews, 1);
    }

    // The lessons reviewed: a lesson the filter leaves out (a lesson removed) is in no due figure,
    // while its answers stay in the record. What a practice reads of a lesson: the items met, and
    // how many were met for the first time on today's review day (from 04:00).
    void reviewedLessonsAndWhatWasMet()
    {
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        // Day 0: lesson 1 and two word lists; day 2: two more words of one of them, one of them
        // before 04:00 and so on the evening before, and a first answer that is no first try.
        record(store, parse({"0 10:00 1 0 a R F", "0 10:00 5 0 word:kutya R F kept", "0 10:00 1 0 article:kutya R F kept",
                             "0 11:00 5 0 word:alma W F gone", "2 03:30 5 0 word:ház R F kept",
                             "2 09:00 5 0 word:ló W F kept", "2 09:30 5 0 word:ég R - kept"}));
        store.setLessonFilter([](const QString &lesson) { return lesson != QLatin1String("gone"); });
        const auto at = [&store](const QString &day) { store.setClock([day] { return local(day, QStringLiteral("12:00")); }); };

        at(QStringLiteral("30"));
        QSet<QString> lessons;
        for (const ScheduledItem &item : store.dueItems())
            lessons.insert(item.lesson);
        QCOMPARE(lessons, (QSet<QString>{QStringLiteral("1"), QStringLiteral("kept")}));
        QCOMPARE(store.dueCount(), 5);
        QCOMPARE(store.dueItemsOf(QStringLiteral("kept")).size(), 4);
        QVERIFY(store.dueItemsOf(QStringLiteral("gone")).isEmpty());
        int today = 0;
        for (const DueOutlook &outlook : store.dueOutlook())
            today += outlook.dueToday;
        QCOMPARE(today, 5);
        // Only the wrong answer to "alma" falls due on day 1: the next day of the lessons reviewed is
        // day 2, with the three right answers.
        at(QStringLiteral("0"));
        QCOMPARE(store.dueCount(), 0);
        QCOMPARE(store.nextDue().day, QDate(2026, 12, 9));
        QCOMPARE(store.nextDue().items, 3);
        store.setLessonFilter({});
        QCOMPARE(store.nextDue().day, QDate(2026, 12, 8));
        QCOMPARE(store.nextDue().items, 1);
        at(QStringLiteral("30"));
        QCOMPARE(store.dueCount(), 6);

        at(QStringLiteral("2"));
        const LessonRecord kept = store.lessonRecord(QStringLiteral("kept"));
        QCOMPARE(kept.met, (QSet<QString>{recordKey({}, 5, QStringLiteral("word:kutya")),
                                          recordKey({}, 1, QStringLiteral("article:kutya")),
                                          recordKey({}, 5, QStringLiteral("word:ház")),
                                          recordKey({}, 5, QStringLiteral("word:ló")),
                                          recordKey({}, 5, QStringLiteral("word:ég"))}));
        QCOMPARE(kept.metToday, 1); // "ló": "ház" was met on day 1's evening, "ég" at no first try
        at(QStringLiteral("3"));
        QCOMPARE(store.lessonRecord(QStringLiteral("kept")).metToday, 0);
        QCOMPARE(store.lessonRecord(QStringLiteral("1")).met, QSet<QString>{recordKey(QStringLiteral("1"), 1, QStringLiteral("a"))});
        QVERIFY(store.lessonRecord(QStringLiteral("none")).met.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ScheduleTest)
#include "tst_schedule.moc"
