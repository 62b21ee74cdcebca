// The review's items: every item of every exercise, found under the key its own window records
// for it, presented and checked as that window presents and checks it.
#include "app/alap.h"
#include "app/sobre.h"
#include "core/module1.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "core/lessonfile.h"
#include "core/lessons.h"
#include "core/progressstore.h"
#include "core/wordlist.h"
#include "exercises/review/reviewitems.h"
#include "support/testing.h"
#include "ui/picturebutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

namespace {

const QString capitalText = QStringLiteral("Attention to capital letters!");

// The random value that draws index of the range lo .. lo + count - 1.
double drawOf(int index, int lo, int count)
{
    return (index - lo + 0.5) / count;
}

// A sloppy but right answer: the spaces each exercise forgives around it.
QString padded(const QString &answer)
{
    return QStringLiteral("  ") + answer + QLatin1Char(' ');
}

void addRow(int exercise, bool plus, int index, const QString &right, const QString &wrong)
{
    QTest::addRow("%d%s/%d", exercise, plus ? "plus" : "", index) << exercise << plus << index << right << wrong;
}

// What the learner sees of an item: the exercise's instruction, the item's prompt and its
// picture, before and after the right answer.
struct Shown {
    QString instruction, prompt;
    Picture before, after;
};

} // namespace

class ReviewItemsTest : public QObject {
    Q_OBJECT

private slots:
    void windowAgrees_data();
    void windowAgrees();
    void goneItems_data();
    void goneItems();
    void otherLessons_data();
    void otherLessons();
    void practice_data();
    void practice();
};

void ReviewItemsTest::windowAgrees_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("right"); // what the learner types, rightly
    QTest::addColumn<QString>("wrong");

    const QStringList articles = ArticleBank::articles();
    for (int slot = ArticleBank::firstDrawn; slot < ArticleBank::firstDrawn + ArticleBank::drawnCount; ++slot)
        addRow(1, false, slot, padded(articles[slot]), articles[slot] == "a" ? "az" : "a");

    // A long answer typed with a small first letter and doubled spaces; the short answer of the
    // opposite reply is wrong.
    for (int item = 0; item < QuestionBank::itemCount; ++item) {
        const bool yes = QuestionBank::isYes(item);
        const auto answers = [&](bool reply) {
            return QuestionBank::answers(reply, QuestionBank::subjects()[item], QuestionBank::pronouns()[item],
                                         QuestionBank::predicates()[item]);
        };
        QString sloppy = answers(yes).longAnswer.replace(QLatin1Char(' '), QStringLiteral("  "));
        sloppy[0] = sloppy[0].toLower();
        addRow(2, false, item, padded(sloppy), answers(!yes).shortAnswer);
    }

    const QStringList keys = SentenceBank::keys();
    for (int exercise : {3, 4}) {
        for (bool plus : {false, true}) {
            int lo, hi;
            QVERIFY(SentenceBank::runRange(SentenceBank::runCode(exercise, plus), lo, hi));
            for (int index = lo; index <= hi; ++index)
                addRow(exercise, plus, index, padded(keys[index]), QStringLiteral("nem") + keys[index]);
        }
    }

    const QStringList nouns = nounTable();
    for (int index = 0; index < Lex1::nounCount; ++index)
        addRow(5, false, index, padded(nouns[index]), nouns[index] + QStringLiteral("k"));
}

// The learner answers the item in its own window, wrongly and then rightly; the review finds the
// item under the key the window recorded, expects what the window expected and checks both
// answers as the window did.
void ReviewItemsTest::windowAgrees()
{
    QFETCH(int, exercise);
    QFETCH(bool, plus);
    QFETCH(int, index);
    QFETCH(QString, right);
    QFETCH(QString, wrong);

    TestRun run;
    Program::get().start();
    sobre().Timer1_Timer();
    PictureButton *const menuButtons[] = {alap().ui().Button1, alap().ui().Button2, alap().ui().Button3,
                                          alap().ui().Button4, alap().ui().Button5};
    menuButtons[exercise - 1]->click();
    ExerciseForm &form = run.program().exerciseWindow(exercise);
    form.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    QList<AnswerEvent> events;
    QString spoken;
    connect(&form, &ExerciseForm::answerChecked, this, [&](const AnswerEvent &e) { events.append(e); });
    connect(&form, &ExerciseForm::hungarianShown, this, [&](const QString &text) { spoken = text; });

    // Start, bring the item up, and find its answer box and what it shows.
    QLineEdit *box = nullptr;
    Shown shown;
    std::function<Picture()> pictureNow = [] { return Picture(); };
    switch (exercise) {
    case 1: {
        H01d1Ui &u = h01d1().ui();
        run.desktop().draws.append(drawOf(index, ArticleBank::firstDrawn, ArticleBank::drawnCount));
        u.Command1->click();
        box = u.Text2;
        shown = {u.Label2->text(), u.Text1->text()};
        break;
    }
    case 2: {
        H01d2Ui &u = h01d2().ui();
        u.Command1->click();
        QTest::mouseClick(u.Check1[index], Qt::LeftButton);
        box = u.Text1[index];
        shown = {u.Label2->text(), u.Label1[index]->text()};
        pictureNow = [&u, index] { return u.Image1[index]->picture(); };
        break;
    }
    case 3:
    case 4: {
        H01d3Ui &u = h01d3().ui();
        if (plus)
            u.Plus->click();
        int lo, hi;
        SentenceBank::runRange(SentenceBank::runCode(exercise, plus), lo, hi);
        run.desktop().draws.append(drawOf(index, lo, hi - lo + 1));
        u.Command1->click();
        box = u.Text1;
        shown.instruction = u.Label2->text();
        break;
    }
    case 5: {
        Lex1Ui &u = lex1().ui();
        u.Command1->click();
        box = u.Text1;
        pictureNow = [&u, index] { return u.Image1[index]->picture(); };
        break;
    }
    }
    QVERIFY(box->hasFocus());
    shown.before = pictureNow();

    typeText(box, wrong);
    pressEnter(form.window());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeText(box, right);
    run.desktop().clear();
    pressEnter(form.window());
    shown.after = pictureNow();
    const bool capitalWarned = !run.desktop().boxes.isEmpty() && run.desktop().lastBox().text == capitalText;

    QCOMPARE(events.size(), 2);
    const AnswerEvent &wrongEvent = events[0];
    const AnswerEvent &rightEvent = events[1];
    QVERIFY(!wrongEvent.right);
    QVERIFY(rightEvent.right);
    QCOMPARE(rightEvent.exercise, exercise);
    QCOMPARE(rightEvent.plus, plus);

    const std::optional<ReviewItem> item =
        findReviewItem(rightEvent.lesson, rightEvent.section, rightEvent.exercise, rightEvent.plus, rightEvent.item);
    QVERIFY(item);
    QCOMPARE(item->item, rightEvent.item);
    QCOMPARE(item->lesson + QLatin1Char('/') + item->section, QStringLiteral("1/%1").arg(exercise));
    QCOMPARE(item->expected, rightEvent.expected);
    QCOMPARE(item->spoken, spoken);
    QCOMPARE(item->instruction, shown.instruction);
    // Exercises 3 and 4 show their sentence in three boxes: its key is the prompt.
    QCOMPARE(item->prompt, exercise == 3 || exercise == 4 ? rightEvent.item : shown.prompt);
    QCOMPARE(item->picture, shown.before);
    QCOMPARE(item->answeredPicture, shown.after);
    QCOMPARE(item->hungarianKeys, exercise != 1);

    const ReviewCheck rightCheck = checkReviewAnswer(*item, right);
    QVERIFY(rightCheck.right);
    QCOMPARE(rightCheck.normalised, rightEvent.answer);
    QCOMPARE(rightCheck.capitalWarning, capitalWarned);
    QVERIFY(checkReviewAnswer(*item, item->answer).right);
    // The right answer as the review shows it is taken whole too, the part to type marked where it
    // stands; with a wrong word in that place it is not.
    QCOMPARE(item->expected.mid(item->answerAt, item->answer.size()), item->answer);
    QVERIFY(checkReviewAnswer(*item, padded(item->expected)).right);
    const QString wrongWhole = item->expected.left(item->answerAt) + wrong.trimmed() +
                               item->expected.mid(item->answerAt + item->answer.size());
    QVERIFY(!checkReviewAnswer(*item, wrongWhole).right);

    const ReviewCheck wrongCheck = checkReviewAnswer(*item, wrong);
    QVERIFY(!wrongCheck.right);
    QCOMPARE(wrongCheck.normalised, wrongEvent.answer);
    // Exercise 5 tells which picture was answered only by a right noun.
    QCOMPARE(wrongEvent.item, exercise == 5 ? QString() : rightEvent.item);
}

void ReviewItemsTest::goneItems_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<QString>("section");
    const auto gone = [](const char *name, int exercise, bool plus, const QString &item,
                         const QString &lesson = lessonOneId(), const QString &section = QString()) {
        QTest::newRow(name) << exercise << plus << item << lesson << section;
    };

    gone("no exercise 6", 6, false, "autó");
    gone("no exercise 0", 0, false, "autó");
    gone("empty key", 1, false, "");
    gone("unknown noun", 1, false, "kutya");
    gone("noun shown before Start only", 1, false, "autó");
    gone("exercise 1 has no Plus run", 1, true, "szoba");
    gone("noun of exercise 1 in exercise 5", 5, false, "étterem");
    gone("question without its mark", 2, false, "Ez autó");
    gone("exercise 2 has no Plus run", 2, true, "Ez autó?");
    gone("question in exercise 1", 1, false, "Ez autó?");
    gone("Plus item of 3 asked as plain 3", 3, false, "Te Viktor …?");
    gone("Plus item of 4 asked as plain 4", 4, false, "Ez a sziget kicsi, az ….");
    gone("item of 3 asked in 4", 4, true, "Én újságíró ….");
    gone("sentence without its gap", 3, false, "Én újságíró vagyok.");
    gone("exercise 5 has no Plus run", 5, true, "autó");
    gone("lesson 1's noun in another section", 1, false, "szoba", lessonOneId(), "5");
    gone("a lesson no longer known", 1, false, "szoba", "allatok-3fa2c1d0");
    gone("no lesson", 1, false, "szoba", "");
}

void ReviewItemsTest::goneItems()
{
    QFETCH(int, exercise);
    QFETCH(bool, plus);
    QFETCH(QString, item);
    QFETCH(QString, lesson);
    QFETCH(QString, section);
    QVERIFY(!findReviewItem(lesson, section, exercise, plus, item));
    // An item the review kept from before checks nothing right.
    ReviewItem stale{.exercise = exercise, .plus = plus, .item = item, .lesson = lesson, .section = section};
    QVERIFY(!checkReviewAnswer(stale, item).right);
}

// A lesson besides lesson 1 (here a word list's, in two sections) is found through the lessons
// Tarvo knows: its items where the exercise that asks their kind asks them, by their section or
// by their key alone; taken out, it is gone. Lesson 1 cannot be put aside.
void ReviewItemsTest::otherLessons_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("inLesson"); // the lesson has the item there
    QTest::addColumn<QString>("prompt"); // empty: the review does not find it
    QTest::addColumn<QString>("answer");

    QTest::newRow("article, by its key") << "" << 1 << "article:kutya" << true << "kutya" << "a";
    QTest::newRow("article, by its section") << "lesson:Haus" << 1 << "article:ablak" << true << "ablak" << "az";
    QTest::newRow("word, by its key") << "" << 5 << "word:kutya" << true << "dog" << "kutya";
    QTest::newRow("word in another section") << "lesson:Haus" << 5 << "word:kutya" << false << "" << "";
    QTest::newRow("word asked as an article") << "" << 1 << "word:kutya" << true << "" << "";
    QTest::newRow("article asked as a word") << "" << 5 << "article:kutya" << true << "" << "";
}

void ReviewItemsTest::otherLessons()
{
    QFETCH(QString, section);
    QFETCH(int, exercise);
    QFETCH(QString, key);
    QFETCH(bool, inLesson);
    QFETCH(QString, prompt);
    QFETCH(QString, answer);
    // As a word list of two lessons gives it (core/wordlist.h).
    const auto words = [](const QString &title, const QString &prompt, const QString &hungarian) {
        return LessonSection{QStringLiteral("lesson:") + title, title,
                             {LessonItem{WordList::wordKey(hungarian), WordItem{prompt, QStringLiteral("en"), {}, hungarian}},
                              LessonItem{WordList::articleKey(hungarian),
                                         ArticleItem{hungarian, WordList::articleFor(hungarian)}}}};
    };
    const Lesson list{QStringLiteral("allatok-3fa2c1d0"), QStringLiteral("Állatok"),
                      {words(QStringLiteral("Tiere"), QStringLiteral("dog"), QStringLiteral("kutya")),
                       words(QStringLiteral("Haus"), QStringLiteral("window"), QStringLiteral("ablak"))}};
    const QString id = list.id;
    QVERIFY(Lessons::add(std::make_shared<const Lesson>(list)));
    QVERIFY(!Lessons::add(std::make_shared<const Lesson>(Lesson{lessonOneId(), QStringLiteral("Not lesson 1")})));
    QCOMPARE(Lessons::find(lessonOneId()).get(), &lessonOne());

    const std::optional<ReviewItem> item = findReviewItem(id, section, exercise, false, key);
    QCOMPARE(bool(item), !prompt.isEmpty());
    QCOMPARE(bool(Lessons::item(id, section, key)), inLesson);
    if (item) {
        QCOMPARE(item->lesson, id);
        QCOMPARE(item->section, section);
        QCOMPARE(item->prompt, prompt);
        QCOMPARE(item->answer, answer);
        QVERIFY(checkReviewAnswer(*item, answer).right);
    }
    QVERIFY(Lessons::remove(id));
    QVERIFY(!Lessons::remove(id));
    QVERIFY(!findReviewItem(id, section, exercise, false, key));
    QVERIFY(!Lessons::item(id, section, key));
    // An item found before carries its own check: it is not looked up again.
    if (item)
        QVERIFY(checkReviewAnswer(*item, answer).right);
}

// A practice of a word list: its items not yet met in the lesson's order (each word, then its
// article), as many as the day still allows, then its due items as the record gives them; the due
// items of other lessons, and those the lesson no longer has, are left out.
void ReviewItemsTest::practice_data()
{
    QTest::addColumn<int>("newPerDay");
    QTest::addColumn<int>("metToday");
    QTest::addColumn<QStringList>("met");
    QTest::addColumn<QStringList>("due"); // "lesson key"
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("fresh"); // of those, the first are new
    QTest::addColumn<int>("stillNew");

    const QStringList all{"word:kutya", "article:kutya", "word:macska", "article:macska",
                          "word:ablak", "article:ablak", "word:ház", "article:ház"};
    const QStringList kutya{"word:kutya", "article:kutya"};
    QTest::newRow("a first practice") << 20 << 0 << QStringList() << QStringList() << all << 8 << 0;
    QTest::newRow("three a day") << 3 << 0 << QStringList() << QStringList() << all.mid(0, 3) << 3 << 5;
    QTest::newRow("met today counts") << 3 << 2 << kutya << QStringList() << QStringList{"word:macska"} << 1 << 5;
    QTest::newRow("none left today") << 2 << 2 << kutya << QStringList() << QStringList() << 0 << 6;
    QTest::newRow("more met today than allowed") << 2 << 5 << kutya << QStringList() << QStringList() << 0 << 6;
    QTest::newRow("then the due items, in their order")
        << 1 << 0 << kutya << QStringList{"list article:kutya", "list word:kutya"}
        << QStringList{"word:macska", "article:kutya", "word:kutya"} << 1 << 5;
    QTest::newRow("everything met: the due items alone")
        << 20 << 0 << all << QStringList{"list word:ház"} << QStringList{"word:ház"} << 0 << 0;
    QTest::newRow("due items of other lessons and gone ones left out")
        << 20 << 8 << all << QStringList{"other word:kutya", "1 autó", "list word:zebra", "list article:ablak"}
        << QStringList{"article:ablak"} << 0 << 0;
}

void ReviewItemsTest::practice()
{
    QFETCH(int, newPerDay);
    QFETCH(int, metToday);
    QFETCH(QStringList, met);
    QFETCH(QStringList, due);
    QFETCH(QStringList, asked);
    QFETCH(int, fresh);
    QFETCH(int, stillNew);
    const auto words = [](const QString &title, const QStringList &pairs) {
        LessonSection section{QStringLiteral("lesson:") + title, title, {}};
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            section.items.append({WordList::wordKey(pairs[i + 1]), WordItem{pairs[i], QStringLiteral("en"), {}, pairs[i + 1]}});
            section.items.append({WordList::articleKey(pairs[i + 1]), ArticleItem{pairs[i + 1], WordList::articleFor(pairs[i + 1])}});
        }
        return section;
    };
    QVERIFY(Lessons::add(std::make_shared<const Lesson>(
        Lesson{QStringLiteral("list"), QStringLiteral("Állatok"),
               {words(QStringLiteral("Tiere"), {"dog", "kutya", "cat", "macska"}),
                words(QStringLiteral("Haus"), {"window", "ablak", "house", "ház"})}})));
    LessonRecord record;
    record.metToday = metToday;
    for (const QString &key : met)
        record.met.insert(recordKey({}, key.startsWith(QLatin1String("article:")) ? 1 : 5, key));
    QList<ScheduledItem> scheduled;
    for (const QString &entry : due) {
        ScheduledItem item;
        item.lesson = entry.section(QLatin1Char(' '), 0, 0);
        item.item = entry.section(QLatin1Char(' '), 1);
        item.exercise = item.item.startsWith(QLatin1String("word:")) ? 5 : 1;
        scheduled.append(item);
    }

    const Practice practice = practiceOf(QStringLiteral("list"), record, scheduled, newPerDay);
    QStringList keys;
    for (const ReviewItem &item : practice.items) {
        keys.append(item.item);
        // Recorded under the lesson alone, as the review finds them again.
        QCOMPARE(item.lesson, QStringLiteral("list"));
        QCOMPARE(item.section, QString());
    }
    QCOMPARE(keys, asked);
    QCOMPARE(practice.fresh, fresh);
    QCOMPARE(practice.stillNew, stillNew);
    // Lesson 1 is practised in its own windows.
    QVERIFY(practiceOf(lessonOneId(), {}, {}, 20).items.isEmpty());
    QVERIFY(Lessons::remove(QStringLiteral("list")));
}

QTEST_MAIN(ReviewItemsTest)
#include "tst_reviewitems.moc"
