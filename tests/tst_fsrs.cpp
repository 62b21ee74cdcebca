// The review scheduler against values of the FSRS-6 reference implementation (default weights),
// to 1e-4: a whole review history, the first-review state, the difficulty step, recall and the
// interval, and the review day with its 04:00 start.
#include "core/fsrs.h"

#include <QTest>

class FsrsTest : public QObject {
    Q_OBJECT

private slots:
    void referenceValues_data()
    {
        // kind: what is computed; ratings and args: its inputs; expected: what the reference gives.
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("ratings");
        QTest::addColumn<QList<double>>("args");
        QTest::addColumn<QList<double>>("expected");
        // ratings with the elapsed days before each review: S and D at the end.
        QTest::newRow("history 1,3,3,3,3,3") << "history" << QList<int>{1, 3, 3, 3, 3, 3}
                                             << QList<double>{0, 0, 1, 3, 8, 21} << QList<double>{53.62691, 6.3574867};
        const double s0[] = {0.212, 1.2931, 2.3065, 8.2956}, d0[] = {6.4133, 5.11217071, 2.11810397, 1};
        for (int g = 1; g <= 4; ++g)
            QTest::addRow("first review %d", g) << "first" << QList<int>{g} << QList<double>{} << QList<double>{s0[g - 1], d0[g - 1]};
        const double fromFive[] = {8.341763, 6.6659956, 4.990228, 3.3144615};
        for (int g = 1; g <= 4; ++g)
            QTest::addRow("difficulty from 5, rating %d", g) << "difficulty" << QList<int>{g} << QList<double>{5} << QList<double>{fromFive[g - 1]};
        QTest::newRow("recall t=1 S=2") << "recall" << QList<int>{} << QList<double>{1, 2} << QList<double>{0.9403443};
        QTest::newRow("recall t=2 S=3") << "recall" << QList<int>{} << QList<double>{2, 3} << QList<double>{0.9253786};
        QTest::newRow("recall t=5 S=2") << "recall" << QList<int>{} << QList<double>{5, 2} << QList<double>{0.8261359};
        QTest::newRow("interval S=1 r=0.9") << "interval" << QList<int>{} << QList<double>{1, 0.9} << QList<double>{1};
        QTest::newRow("interval S=1 r=0.7") << "interval" << QList<int>{} << QList<double>{1, 0.7} << QList<double>{9};
        // At recall 0.90 the interval is S rounded to the nearest day.
        QTest::newRow("interval S=2.6 r=0.9") << "interval" << QList<int>{} << QList<double>{2.6, 0.9} << QList<double>{3};
        QTest::newRow("interval of the history above")
            << "interval" << QList<int>{} << QList<double>{53.62691, 0.9} << QList<double>{54};
        // The review day: local time (TZ of the run), a day starting at 04:00.
        QTest::newRow("day 03:59 local") << "day" << QList<int>{2026, 12, 8, 3, 59} << QList<double>{} << QList<double>{7};
        QTest::newRow("day 04:00 local") << "day" << QList<int>{2026, 12, 8, 4, 0} << QList<double>{} << QList<double>{8};
        // A review recorded on an earlier day than the last one: the same-day step, due after the later day.
        QTest::newRow("clock back a day") << "back" << QList<int>{3, 3} << QList<double>{10, 9} << QList<double>{0, 10};
    }
    void referenceValues()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, ratings);
        QFETCH(QList<double>, args);
        QFETCH(QList<double>, expected);
        QList<double> got;
        if (kind == QLatin1String("history")) {
            fsrs::MemoryState s = fsrs::initialState(fsrs::Rating(ratings[0]));
            for (int i = 1; i < ratings.size(); ++i)
                s = fsrs::nextState(s, int(args[i]), fsrs::Rating(ratings[i]));
            got = {s.stability, s.difficulty};
        } else if (kind == QLatin1String("first")) {
            const fsrs::MemoryState s = fsrs::initialState(fsrs::Rating(ratings[0]));
            got = {s.stability, s.difficulty};
        } else if (kind == QLatin1String("difficulty")) {
            got = {fsrs::nextDifficulty(args[0], fsrs::Rating(ratings[0]))};
        } else if (kind == QLatin1String("recall")) {
            got = {fsrs::retrievability(args[0], args[1])};
        } else if (kind == QLatin1String("interval")) {
            got = {double(fsrs::interval(args[0], args[1]))};
        } else if (kind == QLatin1String("day")) {
            const QDateTime local(QDate(ratings[0], ratings[1], ratings[2]), QTime(ratings[3], ratings[4]), Qt::LocalTime);
            got = {double(fsrs::reviewDay(local.toUTC()).day())};
        } else if (kind == QLatin1String("back")) {
            // Two right first tries, the second on a day before the first: args are the two days.
            fsrs::ItemMemory item;
            const QDate first(2026, 12, int(args[0])), second(2026, 12, int(args[1]));
            fsrs::review(item, first, ratings[0] == 3);
            const double s1 = item.state.stability;
            fsrs::review(item, second, ratings[1] == 3);
            const fsrs::MemoryState sameDay = fsrs::nextState(fsrs::initialState(fsrs::Good), 0, fsrs::Good);
            got = {item.state.stability - sameDay.stability, double(item.lastDay.day())};
            QVERIFY(item.due > first);
            QVERIFY(item.state.stability >= s1);
        }
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(qAbs(got[i] - expected[i]) < 1e-4,
                     qPrintable(QStringLiteral("value %1: %2, expected %3").arg(i).arg(got[i], 0, 'g', 10).arg(expected[i], 0, 'g', 10)));
    }
};

QTEST_GUILESS_MAIN(FsrsTest)
#include "tst_fsrs.moc"
