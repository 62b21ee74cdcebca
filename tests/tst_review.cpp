// The review: items first answered in the exercises come back when they are due, in a window of
// their own, each as its exercise presents it and checked by its exercise's check. A real store in
// a temporary folder, with a clock the test moves.
#include "app/alap.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "app/sobre.h"
#include "core/module1.h"
#include "core/progressstore.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/picture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

// The test's clock: a Monday morning, moved on by the test.
QDateTime clockNow;

void useTestClock(ProgressStore &store)
{
    clockNow = QDateTime(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
    store.setClock([] { return clockNow; });
}

void toMenu()
{
    Program::get().start();
    sobre().Timer1_Timer();
    QVERIFY(alap().isVisible());
}

// Opens an exercise from the menu, starts a run and answers `count` items right at the first
// try, as a learner does; then back to the menu. Returns the answers given, as typed.
QStringList practise(int exercise, bool plus, int count)
{
    alap().window()->findChild<QPushButton *>(QStringLiteral("Button%1").arg(exercise))->click();
    ExerciseForm &w = Program::get().exerciseWindow(exercise);
    if (plus)
        h01d3().ui().Plus->click();
    w.frame().start->click();
    QStringList given;
    for (int i = 0; i < count; ++i) {
        QLineEdit *box = nullptr;
        QString text;
        switch (exercise) {
        case 1: box = h01d1().ui().Text2; text = h01d1().articles.value(h01d1().current); break;
        case 2:
            h01d2().ui().Check1[i]->click();
            box = h01d2().ui().Text1[i];
            text = h01d2().longAnswer;
            break;
        case 5: box = lex1().ui().Text1; text = module1().nounList.value(i); break;
        default: box = h01d3().ui().Text1; text = h01d3().keys.value(h01d3().current); break;
        }
        box->setText(text);
        pressEnter(w.window());
        given << text;
    }
    w.frame().close->click();
    return given;
}

// Opens the Progress menu of a window as a learner does and reads the Review item's caption.
QString reviewCaption(QWidget *window)
{
    auto *menu = window->findChild<QMenu *>(QStringLiteral("mnuProgress"));
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    const QString caption = window->findChild<QAction *>(QStringLiteral("mnuReview"))->text();
    menu->hide();
    return caption;
}

// Lets `days` days pass and opens the review from the menu.
void reviewAfter(int days)
{
    clockNow = clockNow.addDays(days);
    triggerMenu(alap().window(), QStringLiteral("mnuReview"));
    QVERIFY(review().isVisible());
}

// The answers the store holds, oldest first: item, answer, right, first try.
QList<QStringList> answersIn(const QString &path)
{
    QList<QStringList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT item, answer, is_right, first_try FROM answers ORDER BY id")))
            while (q.next())
                rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

class ReviewTest : public QObject {
    Q_OBJECT

private slots:
    // An item first answered in each exercise comes back when due; answered right or wrong in
    // the review, as the exercise would take it, it is shown, spoken and recorded once.
    void reviewEachExercise_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<bool>("right");
        for (int exercise = 1; exercise <= 5; ++exercise)
            for (bool right : {true, false}) {
                QTest::addRow("exercise %d, %s", exercise, right ? "right" : "wrong") << exercise << false << right;
                if (exercise == 3 || exercise == 4)
                    QTest::addRow("exercise %d Plus, %s", exercise, right ? "right" : "wrong") << exercise << true << right;
            }
    }
    void reviewEachExercise()
    {
        QFETCH(int, exercise);
        QFETCH(bool, plus);
        QFETCH(bool, right);
        TestRun run;
        useTestClock(run.store());
        toMenu();
        const QStringList given = practise(exercise, plus, 1);
        QCOMPARE(reviewCaption(alap().window()), QStringLiteral("&Review (0 due)..."));
        clockNow = clockNow.addDays(60);
        QCOMPARE(reviewCaption(alap().window()), QStringLiteral("&Review (1 due)..."));
        reviewAfter(0);

        ReviewUi &u = review().ui();
        QCOMPARE(review().window()->windowTitle(), QStringLiteral("Tarvo - Review"));
        QCOMPARE(u.counter->text(), QStringLiteral("1 of 1"));
        QCOMPARE(u.source->text(),
                 QStringLiteral("From exercise %1").arg(exercise) + (plus ? QStringLiteral(", Plus") : QString()));
        const ReviewItem item = review().items().at(0);
        QCOMPARE(u.picture->isVisibleTo(review().window()), !item.picture.isNull());
        QCOMPARE(u.picture->picture(), item.picture);
        QCOMPARE(review().window()->focusWidget(), u.answer);
        // The Hungarian keys work where the exercise's own box has them.
        typeText(u.answer, QStringLiteral("'"));
        QCOMPARE(u.answer->text(), exercise == 1 ? QStringLiteral("'") : QStringLiteral("á"));
        u.answer->clear();

        run.desktop().clear();
        // Exercise 2 makes a small first letter a capital, and says so as it does.
        const QString typed = !right ? QStringLiteral("Zzz") : exercise == 2 ? lowerFirst(given[0]) : given[0];
        typeText(u.answer, typed);
        pressEnter(review().window());
        QCOMPARE(run.desktop().boxes.size(), exercise == 2 && right ? 1 : 0);
        if (!run.desktop().boxes.isEmpty()) {
            const FakeDesktop::Box box = run.desktop().lastBox();
            QCOMPARE(box.title, QStringLiteral("Tarvo - Review"));
            QCOMPARE(box.text, QStringLiteral("Attention to capital letters!"));
            QCOMPARE(box.icon, MsgIcon::Exclamation);
        }
        const QStringList spoken = run.desktop().speech.spoken;
        if (right) {
            QVERIFY2(u.verdict->text().startsWith(QStringLiteral("Right!")), qPrintable(u.verdict->text()));
            QCOMPARE(u.picture->picture(), item.answeredPicture);
            QCOMPARE(spoken, QStringList{item.spoken.isEmpty() ? item.expected : item.spoken});
        } else {
            QVERIFY2(accessibleText(u.verdict).contains(item.expected), qPrintable(accessibleText(u.verdict)));
            QCOMPARE(spoken, QStringList{item.expected});
        }
        QCOMPARE(review().window()->focusWidget(), u.next);
        // A screen reader hears the verdict with the button the focus lands on, and the picture
        // as a graphic with its item.
        QVERIFY2(u.next->accessibleDescription().startsWith(accessibleText(u.verdict)),
                 qPrintable(u.next->accessibleDescription()));
        QCOMPARE(QAccessible::queryAccessibleInterface(u.picture)->role(), QAccessible::Graphic);
        const QList<QStringList> rows = answersIn(run.store().filePath());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1], (QStringList{rows[0][0], right ? given[0] : typed, right ? "1" : "0", "1"}));

        pressEnter(review().window()); // Next
        if (!right) {
            // Missed, the item comes back until it is answered right: at once, as nothing else is
            // left. Only its first answer is recorded.
            QCOMPARE(u.counter->text(), QStringLiteral("1 of 1, again"));
            QCOMPARE(review().window()->focusWidget(), u.answer);
            typeText(u.answer, given[0]);
            pressEnter(review().window());
            QVERIFY2(u.verdict->text().startsWith(QStringLiteral("Right!")), qPrintable(u.verdict->text()));
            QCOMPARE(answersIn(run.store().filePath()).size(), 2);
            pressEnter(review().window()); // Next
        }
        QVERIFY2(u.summary->text().startsWith(QStringLiteral("Review done: 1 reviewed, %1 right.").arg(right ? 1 : 0)),
                 qPrintable(u.summary->text()));
        // Forgotten, the item is due again on the next review day, and the summary names it.
        if (!right)
            QCOMPARE(u.summary->text(), QStringLiteral("Review done: 1 reviewed, 0 right. Next: tomorrow, 1 item.\n"
                                                       "Items that had to be repeated: ") +
                                            QLocale().quoteString(item.expected));
        QCOMPARE(review().window()->focusWidget(), u.close);
        if (right)
            QCOMPARE(run.store().dueCount(), 0);
        QTest::keyClick(review().window(), Qt::Key_Escape);
        QVERIFY(!review().isLoaded());
        QVERIFY(alap().isVisible());
    }

    // The keyboard through the verdict: the part to type or the whole phrase the review shows as
    // the right answer is taken; after any answer the window waits, however long the learner
    // reads, and the next Enter goes on to the next item, which no key has touched yet. A miss
    // marks the part to type, and says it in words.
    void keyboardThroughTheVerdict_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("typed"); // "part", "whole" or a wrong answer
        QTest::newRow("1: the article") << 1 << "part";
        QTest::newRow("1: the whole phrase") << 1 << "whole";
        QTest::newRow("4: the whole sentence") << 4 << "whole";
        QTest::newRow("1: a miss") << 1 << "x";
        QTest::newRow("4: a miss") << 4 << "x";
    }
    void keyboardThroughTheVerdict()
    {
        QFETCH(int, exercise);
        QFETCH(QString, typed);
        TestRun run;
        useTestClock(run.store());
        toMenu();
        practise(exercise, false, 2);
        reviewAfter(60);
        ReviewUi &u = review().ui();
        const ReviewItem item = review().items().at(0);
        QVERIFY(u.task->isVisible());
        QCOMPARE(u.task->text(), Review::whatToType(item));
        const bool right = typed == QLatin1String("part") || typed == QLatin1String("whole");
        if (right)
            typed = typed == QLatin1String("part") ? item.answer : item.expected;
        typeText(u.answer, typed);
        pressEnter(review().window());

        // The learner reads the verdict; nothing moves on meanwhile.
        QTest::qWait(1500);
        QCOMPARE(u.counter->text(), QStringLiteral("1 of 2"));
        QCOMPARE(review().window()->focusWidget(), u.next);
        if (right) {
            QCOMPARE(accessibleText(u.verdict), QStringLiteral("Right! ") + item.expected);
        } else {
            const qsizetype at = item.answerAt;
            QVERIFY2(u.verdict->text().endsWith(item.expected.left(at) + QStringLiteral("<u>") + item.answer +
                                                QStringLiteral("</u>") + item.expected.mid(at + item.answer.size())),
                     qPrintable(u.verdict->text()));
            const QString words = QStringLiteral("The part to type: %1.").arg(item.answer);
            QCOMPARE(u.next->accessibleDescription(), accessibleText(u.verdict) + QLatin1Char(' ') + words);
        }
        const QList<QStringList> rows = answersIn(run.store().filePath());
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[2], (QStringList{item.item, typed, right ? "1" : "0", "1"}));

        pressEnter(review().window());
        QCOMPARE(u.counter->text(), QStringLiteral("2 of 2"));
        QCOMPARE(review().window()->focusWidget(), u.answer);
        QVERIFY(u.answer->text().isEmpty());
        QCOMPARE(answersIn(run.store().filePath()).size(), 3);
    }

    // Several items: most overdue first, counted "n of N"; an item no exercise knows any more is
    // left out; the end tells the figures and what comes next.
    void severalItemsAndTheEnd()
    {
        TestRun run;
        useTestClock(run.store());
        toMenu();
        practise(1, false, 3);
        run.store().recordAnswer({1, false, QStringLiteral("an item that is gone"), QStringLiteral("a"),
                                  QStringLiteral("a"), true, true});
        // Opened from an exercise window's menu, with its own caption.
        alap().window()->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        clockNow = clockNow.addDays(30);
        QCOMPARE(reviewCaption(h01d1().window()), QStringLiteral("&Review (4 due)..."));
        triggerMenu(h01d1().window(), QStringLiteral("mnuReview"));
        ReviewUi &u = review().ui();
        QCOMPARE(review().items().size(), 3);
        QCOMPARE(u.counter->text(), QStringLiteral("1 of 3"));

        // In the store's order, lowest recall first, without the item that is gone.
        QStringList dueKeys;
        for (const ScheduledItem &s : run.store().dueItems())
            if (s.item != QLatin1String("an item that is gone"))
                dueKeys << s.item;
        QHash<QString, QString> answerOf;
        for (const QStringList &row : answersIn(run.store().filePath()))
            answerOf.insert(row[0], row[1]);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(u.counter->text(), QStringLiteral("%1 of 3").arg(i + 1));
            QCOMPARE(review().items().at(i).item, dueKeys.value(i));
            typeText(u.answer, i == 1 ? QStringLiteral("x") : answerOf.value(dueKeys.value(i)));
            pressEnter(review().window());
            pressEnter(review().window()); // Next
        }
        // The item missed comes back last, as fewer than three others were left.
        QCOMPARE(u.counter->text(), QStringLiteral("2 of 3, again"));
        typeText(u.answer, answerOf.value(dueKeys.value(1)));
        pressEnter(review().window());
        pressEnter(review().window()); // Next
        QVERIFY(u.summary->isVisible());
        const NextDue next = run.store().nextDue();
        QVERIFY(next.day.isValid());
        const QString firstLine = u.summary->text().section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(firstLine.startsWith(QStringLiteral("Review done: 3 reviewed, 2 right. Next: ")), qPrintable(firstLine));
        QVERIFY2(firstLine.endsWith(QStringLiteral(", %1 item%2.").arg(next.items).arg(next.items == 1 ? "" : "s")),
                 qPrintable(firstLine));
        u.close->click();
        QVERIFY(h01d1().isVisible());

        // Opened again at once: nothing is due, and it says when the next ones are.
        triggerMenu(h01d1().window(), QStringLiteral("mnuReview"));
        ReviewUi &again = review().ui();
        QVERIFY2(again.summary->text().startsWith(QStringLiteral("Nothing is due now. Next: ")),
                 qPrintable(again.summary->text()));
        QVERIFY(!again.answer->isVisible());
    }

    // A miss only in the accents, capitals, spaces or final punctuation is told as such, with the
    // letters that differ marked on screen and said in words to a screen reader; it counts as a
    // miss.
    void nearMissIsToldAndMarked_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("typed"); // "CAPITALS": the part to type in capital letters
        QTest::addColumn<QString>("verdict"); // empty: "Only the capital letters differ: " and the item's answer
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("marks");
        QTest::newRow("5: an accent") << 5 << "auto" << "Only the accents differ: autó" << "The letters that differ: ó." << 1;
        QTest::newRow("1: capitals") << 1 << "CAPITALS" << "" << "" << -1;
        QTest::newRow("2: a space") << 2 << "Igen,ez autó." << "Only the spaces differ: Igen, ez autó."
                                    << "A space is missing where it is marked." << 1;
        QTest::newRow("2: the full stop") << 2 << "Igen, ez autó" << "Only the final punctuation differs: Igen, ez autó."
                                          << "The right answer ends with: ." << 1;
    }
    void nearMissIsToldAndMarked()
    {
        QFETCH(int, exercise);
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, words);
        QFETCH(int, marks);
        TestRun run;
        useTestClock(run.store());
        toMenu();
        practise(exercise, false, 1);
        reviewAfter(60);
        ReviewUi &u = review().ui();
        const ReviewItem item = review().items().at(0);
        if (typed == QLatin1String("CAPITALS")) {
            typed = item.answer.toUpper();
            verdict = QStringLiteral("Only the capital letters differ: ") + item.expected;
            words = QStringLiteral("The part to type: %1. The letters that differ: %2.")
                        .arg(item.answer, item.answer.split(QString(), Qt::SkipEmptyParts).join(QStringLiteral(", ")));
            marks = int(item.answer.size());
        }
        typeText(u.answer, typed);
        pressEnter(review().window());
        QCOMPARE(accessibleText(u.verdict), verdict);
        QCOMPARE(u.next->accessibleDescription(), verdict + QLatin1Char(' ') + words);
        QCOMPARE(u.verdict->text().count(QStringLiteral("background-color")), marks);
        QCOMPARE(answersIn(run.store().filePath()).value(1), (QStringList{item.item, typed, "0", "1"}));
    }

    // A missed item comes back after three others, said to be asked again, and is not recorded a
    // second time; the learner ends the review before its end and sees what was done, and Esc
    // closes the window at once, what was answered kept.
    void aMissComesBackAndTheReviewEndsEarly()
    {
        TestRun run;
        useTestClock(run.store());
        toMenu();
        const QStringList nouns = practise(5, false, 5);
        reviewAfter(60);
        ReviewUi &u = review().ui();
        QCOMPARE(review().items().size(), 5);
        const auto answerItem = [&](bool right) {
            typeText(u.answer, right ? review().items().at(review().session().current()).answer : QStringLiteral("x"));
            pressEnter(review().window());
            pressEnter(review().window()); // Next
        };
        QVERIFY(u.endReview->isVisible());
        answerItem(false);
        for (int number = 2; number <= 4; ++number) {
            QCOMPARE(u.counter->text(), QStringLiteral("%1 of 5").arg(number));
            answerItem(true);
        }
        QCOMPARE(u.counter->text(), QStringLiteral("1 of 5, again"));
        QCOMPARE(review().session().current(), 0);
        answerItem(true);
        QCOMPARE(u.counter->text(), QStringLiteral("5 of 5"));
        QCOMPARE(answersIn(run.store().filePath()).size(), 5 + 4);

        u.endReview->click();
        QCOMPARE(u.summary->text(), QStringLiteral("4 of 5 reviewed; 1 stays due. 3 right.\nItems that had to be "
                                                   "repeated: ") +
                                        QLocale().quoteString(review().items().at(0).expected));
        QVERIFY(!u.endReview->isVisible());
        QVERIFY(!u.answer->isVisible());
        QCOMPARE(review().window()->focusWidget(), u.close);
        QCOMPARE(run.store().dueCount(), 1);
        QTest::keyClick(review().window(), Qt::Key_Escape);
        QVERIFY(!review().isLoaded());
        QCOMPARE(answersIn(run.store().filePath()).size(), 5 + 4);
    }

    // No record, a damaged one, one that cannot be written, one of a newer Tarvo: the window opens
    // and says why there is nothing to review, or why this review will not be kept.
    void storeProblems_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("told");
        QTest::newRow("no store") << "none" << "Nothing of this run is being kept";
        QTest::newRow("damaged") << "damaged" << "damaged";
        QTest::newRow("a folder in the file's place") << "folder" << "nothing to review";
        QTest::newRow("newer") << "newer" << "newer";
    }
    void storeProblems()
    {
        QFETCH(QString, how);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        if (how == QLatin1String("damaged")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else if (how == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("progress.sqlite")));
        } else if (how == QLatin1String("newer")) {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=%1").arg(SqliteProgressStore::schemaVersion + 1)));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        }
        std::unique_ptr<ProgressStore> store;
        if (how == QLatin1String("none"))
            store = std::make_unique<NullProgressStore>();
        else
            store = std::make_unique<SqliteProgressStore>(path);
        TestRun run(std::move(store));
        Program::get().startReview();
        ReviewUi &u = review().ui();
        QVERIFY(u.store->isVisible());
        QVERIFY2(u.store->text().contains(told, Qt::CaseInsensitive), qPrintable(u.store->text()));
        QVERIFY(u.summary->text().startsWith(QStringLiteral("Nothing is due now.")));
        QCOMPARE(u.store->accessibleName(), QString());
        QCOMPARE(accessibleText(u.store), u.store->text());
        QVERIFY(run.desktop().boxes.isEmpty());
    }

    // Started as `tarvo --review`: the review alone; closing it ends the program.
    void startedForTheReview()
    {
        TestRun run;
        Program::get().startReview();
        QVERIFY(review().isVisible());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("review")});
        QTest::keyClick(review().window(), Qt::Key_Escape);
        QCOMPARE(run.desktop().endCalls, 1);
    }

    // A real capital-letter warning is open when the review window goes (unloaded by a timer's
    // work, or the program ends): the box is answered, nothing crashes, the answer is not kept.
    void windowGoneUnderTheWarning_data()
    {
        QTest::addColumn<bool>("programEnds");
        QTest::newRow("unloaded") << false;
        QTest::newRow("program ends") << true;
    }
    void windowGoneUnderTheWarning()
    {
        QFETCH(bool, programEnds);
        QApplication::setQuitOnLastWindowClosed(false);
        {
            TestRun run;
            useTestClock(run.store());
            toMenu();
            const QString given = practise(2, false, 1).value(0);
            reviewAfter(60);
            run.desktop().realBoxes = true;
            BoxAnswerer answerer([&](QWidget *) {
                if (programEnds)
                    Program::get().end();
                else
                    review().unload();
            });
            typeText(review().ui().answer, lowerFirst(given));
            pressEnter(review().window());
            QCOMPARE(run.desktop().lastBox().text, QStringLiteral("Attention to capital letters!"));
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(!review().isLoaded());
            QCOMPARE(answersIn(run.store().filePath()).size(), 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (programEnds)
            letEventLoopsRunAgain();
    }

    // The Progress window: what is due per exercise, when each word is next due, the hard words.
    void progressShowsWhatIsDue()
    {
        TestRun run;
        useTestClock(run.store());
        const QString item = QStringLiteral("autó");
        auto answer = [&](bool right) {
            run.store().recordAnswer({1, false, item, QStringLiteral("az"), right ? "az" : "a", right, true});
        };
        answer(true);
        for (int lapse = 0; lapse < 8; ++lapse) {
            clockNow = clockNow.addDays(2);
            answer(false);
            clockNow = clockNow.addDays(1);
            answer(true);
        }
        clockNow = clockNow.addDays(40);
        toMenu();
        triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
        auto *exercises = progress().window()->findChild<QTableWidget *>(QStringLiteral("exercises"));
        auto *words = progress().window()->findChild<QTableWidget *>(QStringLiteral("words"));
        QCOMPARE(exercises->horizontalHeaderItem(5)->text(), QStringLiteral("Due today"));
        QCOMPARE(exercises->item(0, 5)->text(), QStringLiteral("1"));
        QCOMPARE(exercises->item(0, 6)->text(), QStringLiteral("1"));
        QCOMPARE(exercises->item(1, 5)->text(), QStringLiteral("0"));
        QCOMPARE(words->item(0, 0)->text(), item + QStringLiteral(" (hard word)"));
        QCOMPARE(words->item(0, 3)->text(), QStringLiteral("now"));
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
