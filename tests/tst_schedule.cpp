// The review schedule in the progress store: each item's memory state follows its first tries
// in the answer log, by review day (04:00 local time), and is the same whether it was kept up
// answer by answer, rebuilt from the log, or migrated from a file of an older Tarvo; what is due
// and when comes from it.
#include "core/fsrs.h"
#include "core/progressstore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

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

// A moment in local time, `day` days after 7 December 2026.
QDateTime local(int day, const QString &hhmm)
{
    return QDateTime(QDate(2026, 12, 7).addDays(day), QTime::fromString(hhmm, QStringLiteral("hh:mm")), Qt::LocalTime)
        .toUTC();
}

// One answer of a row: "DAY HH:MM EXERCISE PLUS ITEM R|W F|-" (F: a first try).
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
        steps.append({local(f[0].toInt(), f[1]),
                      AnswerEvent{f[2].toInt(), f[3] == QLatin1String("1"), item, item + QStringLiteral("!"),
                                  QStringLiteral("typed"), f[5] == QLatin1String("R"), f[6] == QLatin1String("F")}});
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
        return std::tie(a.exercise, a.plus, a.item) < std::tie(b.exercise, b.plus, b.item);
    });
    return all;
}

void compareSchedules(const QList<ScheduledItem> &got, const QList<ScheduledItem> &expected)
{
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i) {
        const ScheduledItem &a = got[i], &b = expected[i];
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
fsrs::ItemMemory replay(const QList<Step> &steps, int exercise, bool plus, const QString &item)
{
    fsrs::ItemMemory m;
    for (const Step &s : steps)
        if (s.event.firstTry && s.event.exercise == exercise && s.event.plus == plus && s.event.item == item)
            fsrs::review(m, fsrs::reviewDay(s.at), s.event.right);
    return m;
}

} // namespace

class ScheduleTest : public QObject {
    Q_OBJECT

private slots:
    // Answers recorded one by one; the probed item (exercise 3, "x", not Plus) has the given
    // reviews, lapses and due day (days after the first review day), and as many items are due
    // on that day. The rebuilt schedule is the same, and so is the one a reopened file whose
    // schedule fell behind, or went missing, derives.
    void scheduleFollowsTheLog_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("reviews");
        QTest::addColumn<int>("lapses");
        QTest::addColumn<int>("dueIn");
        QTest::addColumn<int>("dueThen");
        QTest::newRow("right first try: Good") << QStringList{"0 10:00 3 0 x R F"} << 1 << 0 << 2 << 1;
        QTest::newRow("wrong, then right in the run: Again only")
            << QStringList{"0 10:00 3 0 x W F", "0 10:00 3 0 x R -"} << 1 << 0 << 1 << 1;
        QTest::newRow("wrong after a review: a lapse")
            << QStringList{"0 10:00 3 0 x R F", "2 10:00 3 0 x W F"} << 2 << 1 << 3 << 1;
        QTest::newRow("eight lapses: a hard item")
            << QStringList{"0 10:00 3 0 x R F", "1 10:00 3 0 x W F", "2 10:00 3 0 x W F", "3 10:00 3 0 x W F",
                           "4 10:00 3 0 x W F", "5 10:00 3 0 x W F", "6 10:00 3 0 x W F", "7 10:00 3 0 x W F",
                           "8 10:00 3 0 x W F"}
            << 9 << 8 << 9 << 1;
        QTest::newRow("twice the same day") << QStringList{"0 10:00 3 0 x R F", "0 20:00 3 0 x R F"} << 2 << 0 << 2 << 1;
        QTest::newRow("03:59 is the evening before") << QStringList{"0 22:00 3 0 x R F", "1 03:59 3 0 x R F"} << 2 << 0 << 2 << 1;
        QTest::newRow("04:00 is a new day") << QStringList{"0 22:00 3 0 x R F", "1 04:00 3 0 x R F"} << 2 << 0 << 8 << 1;
        QTest::newRow("Plus and ordinary runs apart")
            << QStringList{"0 10:00 3 1 x W F", "0 10:00 3 0 x R F", "0 10:00 4 0 x W F"} << 1 << 0 << 2 << 1;
        QTest::newRow("a name that fits no picture: no item")
            << QStringList{"0 10:00 5 0 - W F", "0 10:00 5 0 - W -", "0 10:00 3 0 x R F"} << 1 << 0 << 2 << 1;
        QTest::newRow("a clock that went back a day")
            << QStringList{"1 10:00 3 0 x R F", "0 10:00 3 0 x R F"} << 2 << 0 << 2 << 1;
    }
    void scheduleFollowsTheLog()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, reviews);
        QFETCH(int, lapses);
        QFETCH(int, dueIn);
        QFETCH(int, dueThen);
        const QList<Step> steps = parse(answers);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QList<ScheduledItem> kept;
        {
            SqliteProgressStore store(path);
            record(store, steps);
            kept = everything(store);
            const auto x = std::find_if(kept.begin(), kept.end(),
                                        [](const ScheduledItem &s) { return s.exercise == 3 && !s.plus && s.item == "x"; });
            QVERIFY(x != kept.end());
            const fsrs::ItemMemory byHand = replay(steps, 3, false, QStringLiteral("x"));
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
                    if (s.exercise == w.exercise && s.item == w.item) {
                        due = due.isValid() ? std::min(due, s.due) : s.due;
                        itemLapses += s.lapses;
                    }
                QCOMPARE(w.due, due);
                QCOMPARE(w.lapses, itemLapses);
                QCOMPARE(w.hard, itemLapses >= 8);
            }

            // On the day before it falls due nothing of it is due; on its day it is, and the next
            // due day seen from the day before is that day.
            QDateTime at = QDateTime(x->due.addDays(-1), QTime(12, 0), Qt::LocalTime).toUTC();
            store.setClock([&at] { return at; });
            const int before = store.dueCount();
            QCOMPARE(store.nextDue().day, x->due);
            at = at.addDays(1);
            QCOMPARE(store.dueCount() - before, dueThen);
            QCOMPARE(store.dueItems().size(), store.dueCount());
            QCOMPARE(store.dueOutlook().at(2).dueToday, int(std::count_if(kept.begin(), kept.end(), [&](const ScheduledItem &s) {
                                                             return s.exercise == 3 && s.due <= x->due;
                                                         })));
            store.setClock({});

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

    // Files that older versions of Tarvo wrote (tests/data: version 1, and version 2 written by
    // the store as it was before the schedule) open, migrate to version 3 and give the schedule
    // that the same answers recorded today give.
    void migratesOlderFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("answers");
        QTest::newRow("version 1") << "progress-v1.sqlite" << 1 << 2 << 5;
        QTest::newRow("version 2") << "progress-v2.sqlite" << 2 << 4 << 8;
    }
    void migratesOlderFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, version);
        QFETCH(int, items);
        QFETCH(int, answers);
        const QString source = QFINDTESTDATA(QStringLiteral("data/") + file);
        QVERIFY(!source.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(QFile::copy(source, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(sql(path, {QStringLiteral("PRAGMA user_version")}).toInt(), version);

        // The same answers, recorded now at the times the file has.
        QList<Step> steps;
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
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        QCOMPARE(steps.size(), answers);

        SqliteProgressStore migrated(path);
        QVERIFY2(migrated.problem().isEmpty(), qPrintable(migrated.problem()));
        QCOMPARE(sql(path, {QStringLiteral("PRAGMA user_version")}).toInt(), 3);
        QCOMPARE(sql(path, {QStringLiteral("SELECT count(*) FROM answers")}).toInt(), answers);
        const QList<ScheduledItem> schedule = everything(migrated);
        QCOMPARE(schedule.size(), items);

        QTemporaryDir freshDir;
        SqliteProgressStore fresh(freshDir.filePath(QStringLiteral("progress.sqlite")));
        record(fresh, steps);
        compareSchedules(schedule, everything(fresh));

        // And it goes on from there: a wrong first try at a reviewed item is a lapse.
        const ScheduledItem first = schedule.first();
        migrated.recordAnswer({first.exercise, first.plus, first.item, first.expected, QStringLiteral("?"), false, true});
        const ScheduledItem after = everything(migrated).first();
        QCOMPARE(after.reviews, first.reviews + 1);
        QCOMPARE(after.lapses, first.lapses + 1);
    }

    // Forget my progress clears the schedule with the log; the next answer starts it afresh.
    void forgetClearsTheSchedule()
    {
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        record(store, parse({"0 10:00 1 0 a R F", "0 10:00 2 0 b W F"}));
        QCOMPARE(everything(store).size(), 2);
        QVERIFY(store.forget());
        QVERIFY(everything(store).isEmpty());
        QCOMPARE(store.nextDue().items, 0);
        record(store, parse({"0 10:00 2 0 b R F"}));
        QCOMPARE(everything(store).size(), 1);
        QCOMPARE(everything(store).first().reviews, 1);
    }
};

QTEST_GUILESS_MAIN(ScheduleTest)
#include "tst_schedule.moc"
