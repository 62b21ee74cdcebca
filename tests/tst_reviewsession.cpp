// The review's session without a window: the order it asks its items in, a missed item back after
// three others until it is answered right, what goes to the record (first answers only), the
// summary, the end before the end; and how a near miss differs from the right answer.
#include "core/nearmiss.h"
#include "core/reviewsession.h"

#include <QTest>

namespace {

// Items "w1", "w2", ..., each right when its own name is typed.
QList<ReviewSession::Item> items(int count)
{
    QList<ReviewSession::Item> list;
    for (int i = 1; i <= count; ++i) {
        ReviewSession::Item item;
        item.record = {5, false, QStringLiteral("key%1").arg(i), QStringLiteral("w%1").arg(i), {}, false, false};
        item.name = item.record.expected;
        item.check = [right = item.name](const QString &typed) {
            return ItemCheck{typed.trimmed(), typed.trimmed() == right, false};
        };
        list.append(item);
    }
    return list;
}

} // namespace

class ReviewSessionTest : public QObject {
    Q_OBJECT

private slots:
    void session_data();
    void session();
    void nearMisses_data();
    void nearMisses();
};

void ReviewSessionTest::session_data()
{
    QTest::addColumn<int>("count");
    // One letter per turn: R answers the item asked rightly, W wrongly, then Next; D answers it
    // twice (wrong, then right) before Next; E ends the session.
    QTest::addColumn<QString>("turns");
    QTest::addColumn<QString>("asked");    // the counter at each turn: number, * for "again"
    QTest::addColumn<QString>("recorded"); // the answers that went to the record
    QTest::addColumn<QList<int>>("summary"); // reviewed, right, stay due
    QTest::addColumn<QStringList>("repeated");

    QTest::newRow("all right") << 3 << "RRR" << "1 2 3" << "w1+ w2+ w3+" << QList<int>{3, 3, 0} << QStringList{};
    QTest::newRow("a miss comes back after three others")
        << 6 << "WRRRRRR" << "1 2 3 4 1* 5 6" << "x- w2+ w3+ w4+ w5+ w6+" << QList<int>{6, 5, 0} << QStringList{"w1"};
    QTest::newRow("near the end it comes last") << 3 << "RWRR" << "1 2 3 2*" << "w1+ x- w3+" << QList<int>{3, 2, 0}
                                                << QStringList{"w2"};
    QTest::newRow("alone, it comes back at once until right")
        << 1 << "WWR" << "1 1* 1*" << "x-" << QList<int>{1, 0, 0} << QStringList{"w1"};
    QTest::newRow("missed again on its repeat")
        << 5 << "WRRRWRR" << "1 2 3 4 1* 5 1*" << "x- w2+ w3+ w4+ w5+" << QList<int>{5, 4, 0} << QStringList{"w1"};
    QTest::newRow("two misses, in the order missed")
        << 5 << "RWWRRRR" << "1 2 3 4 5 2* 3*" << "w1+ x- x- w4+ w5+" << QList<int>{5, 3, 0} << QStringList{"w2", "w3"};
    QTest::newRow("a second answer before Next is not taken")
        << 2 << "DRR" << "1 2 1*" << "x- w2+" << QList<int>{2, 1, 0} << QStringList{"w1"};
    QTest::newRow("ended early: 7 of 12, 5 stay due")
        << 12 << "RRRRRRWE" << "1 2 3 4 5 6 7" << "w1+ w2+ w3+ w4+ w5+ w6+ x-" << QList<int>{7, 6, 5}
        << QStringList{"w7"};
    QTest::newRow("ended while a repeat waits") << 4 << "WRRRE" << "1 2 3 4" << "x- w2+ w3+ w4+" << QList<int>{4, 3, 0}
                                                << QStringList{"w1"};
    QTest::newRow("ended at once") << 2 << "E" << "" << "" << QList<int>{0, 0, 2} << QStringList{};
    QTest::newRow("nothing due") << 0 << "" << "" << "" << QList<int>{0, 0, 0} << QStringList{};
}

// The learner answers turn by turn; the session asks, records and sums up.
void ReviewSessionTest::session()
{
    QFETCH(int, count);
    QFETCH(QString, turns);
    QFETCH(QString, asked);
    QFETCH(QString, recorded);
    QFETCH(QList<int>, summary);
    QFETCH(QStringList, repeated);

    ReviewSession s(items(count));
    QCOMPARE(s.size(), count);
    QStringList counters, records;
    for (QChar turn : turns) {
        if (turn == QLatin1Char('E')) {
            s.end();
            break;
        }
        QVERIFY(!s.finished());
        counters << QString::number(s.number()) + (s.isRepeat() ? QStringLiteral("*") : QString());
        const ReviewSession::Item &item = s.item(s.current());
        const QStringList typed = turn == QLatin1Char('R')   ? QStringList{item.name}
                                  : turn == QLatin1Char('W') ? QStringList{QStringLiteral("x")}
                                                             : QStringList{QStringLiteral("x"), item.name};
        for (const QString &text : typed) {
            const ReviewSession::Outcome outcome = s.answer(s.check(text));
            if (text != typed.first()) {
                QVERIFY(!outcome.counts); // the first answer is taken; the window waits for Next
                continue;
            }
            QCOMPARE(outcome.right, text == item.name);
            QCOMPARE(outcome.comesBack, !outcome.right);
            QVERIFY(s.answered());
            if (outcome.counts) {
                QCOMPARE(outcome.event.item, item.record.item);
                QCOMPARE(outcome.event.expected, item.name);
                QVERIFY(outcome.event.firstTry);
                QCOMPARE(outcome.event.right, outcome.right);
                records << outcome.event.answer + (outcome.event.right ? QStringLiteral("+") : QStringLiteral("-"));
            }
        }
        s.next();
    }
    QVERIFY(s.finished());
    QCOMPARE(s.current(), -1);
    QCOMPARE(counters.join(QLatin1Char(' ')), asked.trimmed());
    QCOMPARE(records.join(QLatin1Char(' ')), recorded);
    const ReviewSession::Summary done = s.summary();
    QCOMPARE(done.items, count);
    QCOMPARE((QList<int>{done.reviewed, done.right, done.stayDue}), summary);
    QCOMPARE(done.repeated, repeated);
    // Nothing is taken once the session is over.
    QVERIFY(!s.answer(ItemCheck{QStringLiteral("w1"), true, false}).counts);
    QVERIFY(!s.check(QStringLiteral("w1")).right);
}

void ReviewSessionTest::nearMisses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("right");
    QTest::addColumn<NearMiss>("kind");
    QTest::addColumn<QList<qsizetype>>("marked");

    const auto row = [](const char *name, const char *typed, const char *right, NearMiss kind,
                        QList<qsizetype> marked = {}) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(right) << kind << marked;
    };
    row("o for ó", "auto", "autó", NearMiss::Accents, {3});
    row("ö for ő", "kettö", "kettő", NearMiss::Accents, {4});
    row("o for ő", "ketto", "kettő", NearMiss::Accents, {4});
    row("ü for ű, u for ú", "tüzoltó úr", "tűzoltó ur", NearMiss::Accents, {1, 8});
    row("i for í, e for é", "hid es", "híd és", NearMiss::Accents, {1, 4});
    row("capitals without accents", "ARVIZTURO", "ÁRVÍZTŰRŐ", NearMiss::Accents, {0, 3, 6, 8});
    row("ô for ő (a Latin-1 keyboard)", "kettô", "kettő", NearMiss::Accents, {4});
    row("a small first letter", "ez autó?", "Ez autó?", NearMiss::Capitals, {0});
    row("an article in capitals", "AZ", "az", NearMiss::Capitals, {0, 1});
    row("a missing space", "Igen,ez autó.", "Igen, ez autó.", NearMiss::Spaces, {5});
    row("a space too many", "au tó", "autó", NearMiss::Spaces);
    row("a missing full stop", "Igen, ez autó", "Igen, ez autó.", NearMiss::FinalPunctuation, {13});
    row("another mark at the end", "Igen, ez autó?", "Igen, ez autó.", NearMiss::FinalPunctuation, {13});
    row("a full stop too many", "autó.", "autó", NearMiss::FinalPunctuation);
    row("accent and capital together", "Auto", "autó", NearMiss::None);
    row("another vowel", "autá", "autó", NearMiss::None);
    row("a letter missing", "aut", "autó", NearMiss::None);
    row("another word", "kutya", "autó", NearMiss::None);
    row("the same", "autó", "autó", NearMiss::None);
    row("nothing typed", "", "autó", NearMiss::None);
    row("a mark for an empty gap", ".", "", NearMiss::None);
    row("punctuation alone", "?", ".", NearMiss::None);
}

void ReviewSessionTest::nearMisses()
{
    QFETCH(QString, typed);
    QFETCH(QString, right);
    QFETCH(NearMiss, kind);
    QFETCH(QList<qsizetype>, marked);
    const NearMissFound found = nearMiss(typed, right);
    QCOMPARE(found.kind, kind);
    QCOMPARE(found.marked, marked);
}

QTEST_MAIN(ReviewSessionTest)
#include "tst_reviewsession.moc"
