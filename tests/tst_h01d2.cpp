// Exercise 2: questions about eight pictures, answered in complete sentences.
#include "support/testing.h"

#include "app/alap.h"
#include "core/hungariankey.h"
#include "exercises/h01d2/h01d2.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString windowTitle = QStringLiteral("  Tarvo! --- 1. Lecke: 2.");
const QString capitalWarning = QStringLiteral("Attention to capital letters!");
const QString completion =
    QStringLiteral("This exercise has been accomplished. If you want to restart it, click the \"Restart\" button.");
const QString wrong = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");

// One short answer per item, each accepted.
const QStringList shortAnswers = {
    QStringLiteral("Igen, az."),    QStringLiteral("Nem, nem az."), QStringLiteral("Nem, nem az."),
    QStringLiteral("Igen, az."),    QStringLiteral("Nem, nem az."), QStringLiteral("Nem, nem az."),
    QStringLiteral("Igen, az."),    QStringLiteral("Igen, az."),
};

Picture drawingOf(int item, Picture::Tone tone)
{
    return Picture{QStringLiteral(":/ex2/item%1.svg").arg(item), tone};
}

// Opens the window from the exercise menu, as the learner does.
void openWindow()
{
    if (!alap().isVisible())
        alap().show();
    QTest::mouseClick(alap().window()->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QVERIFY2(h01d2().isVisible(), "the menu opens exercise 2");
    QApplication::setActiveWindow(h01d2().window());
}

H01d2Ui &ui()
{
    return h01d2().ui();
}

void clickStart()
{
    QTest::mouseClick(ui().Command1, Qt::LeftButton);
}

void choose(int item)
{
    QTest::mouseClick(ui().Check1[item], Qt::LeftButton);
}

// Types text key by key, as a keyboard would. QTest::keyClicks takes ASCII only; the accented
// letters arrive as key presses carrying the letter, as from a Hungarian keyboard.
void type(QWidget *box, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// Types into the box that has the focus and presses Enter.
void typeAndEnter(const QString &text)
{
    QWidget *focused = h01d2().window()->focusWidget();
    QVERIFY(focused);
    type(focused, text);
    pressEnter(h01d2().window());
}

// Picks an item by its check box and answers it.
void answerItem(int item, const QString &text)
{
    choose(item);
    QCOMPARE(h01d2().window()->focusWidget(), ui().Text1[item]);
    typeAndEnter(text);
}

int countBoxes(const FakeDesktop &d, const QString &text)
{
    int n = 0;
    for (const FakeDesktop::Box &box : d.boxes)
        n += box.text == text;
    return n;
}

// Every box this window showed carries its title.
void checkTitles(const FakeDesktop &d)
{
    for (const FakeDesktop::Box &box : d.boxes) {
        QCOMPARE(box.owner, QStringLiteral("h01d2"));
        QCOMPARE(box.title, windowTitle);
    }
}

} // namespace

class TestH01d2 : public QObject {
    Q_OBJECT

private slots:
    void opensAsLaidOut();
    void layoutOfItems_data();
    void layoutOfItems();
    void answers_data();
    void answers();
    void normalisation_data();
    void normalisation();
    void veryLongAnswer_data();
    void veryLongAnswer();
    void onlyTheCurrentItemIsTested();
    void completionAndRestart();
    void acceptedAgainCountsNothing();
    void eachAnswerRecordedOnce_data();
    void eachAnswerRecordedOnce();
    void answersBeforeFirstStartDoNotCount();
    void closingKeepsTheLists();
    void solution_data();
    void solution();
    void helpAndChar();
    void hungarianKeys_data();
    void hungarianKeys();
    void goTo_data();
    void goTo();
};

void TestH01d2::opensAsLaidOut()
{
    TestRun run;
    openWindow();
    H01d2 &f = h01d2();
    QWidget *w = f.window();
    QCOMPARE(w->windowTitle(), windowTitle);
    QCOMPARE(f.title, windowTitle);
    QCOMPARE(w->findChild<QWidget *>(QStringLiteral("client"))->size(), twSize(9255, 6135));
    // Opens above the others, with the item ticked.
    QList<bool> onTop;
    for (const FakeDesktop::Topmost &t : run.desktop().topmost)
        if (t.window == QStringLiteral("h01d2"))
            onTop.append(t.on);
    QCOMPARE(onTop, QList<bool>{true});
    QVERIFY(w->findChild<QAction *>(QStringLiteral("mnuOntop"))->isChecked());
    QCOMPARE(w->findChild<QAction *>(QStringLiteral("mnuOntop"))->text(), QStringLiteral("&OnTop"));

    H01d2Ui &u = ui();
    QCOMPARE(u.Command1->text(), QStringLiteral("&Start"));
    QCOMPARE(u.Command2->text(), QStringLiteral("&Next"));
    QCOMPARE(u.Command3->text(), QStringLiteral("Cl&ose"));
    QCOMPARE(u.Command4->text(), QStringLiteral("So&lution"));
    QCOMPARE(u.Command11->text(), QStringLiteral("&Char"));
    QVERIFY(u.Command2->isDefault());
    QVERIFY(u.Command1->isEnabled());
    QVERIFY(!u.Command5->isEnabled());
    for (QPushButton *b : {u.Command10, u.Command6, u.Command7, u.Command8})
        QVERIFY(b->isEnabled());
    QVERIFY(u.Command11->isHidden());
    QVERIFY(u.Command9->isHidden());
    QVERIFY(u.Label5->isHidden());
    QCOMPARE(u.Label5->text(), hungarianKeyHint());
    QCOMPARE(u.Label2->text(), QStringLiteral("2. Answer the questions in complete sentences:"));
    QCOMPARE(u.Label4->text(), QStringLiteral("Go to exercise:"));

    for (int i = 0; i < H01d2::itemCount; ++i) {
        QVERIFY(u.Image1[i]->picture().isNull());
        QVERIFY(u.Image1[i]->isVisible());
        QVERIFY(u.Text1[i]->text().isEmpty());
        QVERIFY(!u.Text1[i]->isReadOnly());
        QVERIFY(u.Label1[i]->text().isEmpty());
    }
    for (int k = 0; k < 2 * H01d2::itemCount; ++k) {
        QVERIFY(u.Image2[k]->isHidden());
        QCOMPARE(u.Image2[k]->picture(), drawingOf(k % 8, k < 8 ? Picture::Ink : Picture::Colour));
    }
    QVERIFY(run.desktop().boxes.isEmpty());
}

void TestH01d2::layoutOfItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("question");
    QTest::addColumn<QRect>("answer");
    QTest::newRow("0") << 0 << twRect(120, 780, 2055, 1455) << twRect(0, 2220, 2295, 375) << twRect(0, 2580, 2175, 390);
    QTest::newRow("1") << 1 << twRect(2400, 780, 2055, 1455) << twRect(2280, 2220, 2295, 375)
                       << twRect(2160, 2580, 2535, 390);
    QTest::newRow("2") << 2 << twRect(4680, 780, 2055, 1455) << twRect(4560, 2220, 2295, 375)
                       << twRect(4560, 2580, 2655, 390);
    QTest::newRow("3") << 3 << twRect(6960, 780, 2055, 1455) << twRect(6840, 2220, 2295, 375)
                       << twRect(7200, 2580, 1935, 390);
    QTest::newRow("4") << 4 << twRect(120, 3180, 2055, 1455) << twRect(0, 4620, 2295, 375)
                       << twRect(0, 4980, 2535, 390);
    QTest::newRow("5") << 5 << twRect(2400, 3180, 2055, 1455) << twRect(2280, 4620, 2295, 375)
                       << twRect(2520, 4980, 2175, 390);
    QTest::newRow("6") << 6 << twRect(4680, 3180, 2055, 1455) << twRect(4560, 4620, 2295, 375)
                       << twRect(4680, 4980, 2655, 390);
    QTest::newRow("7") << 7 << twRect(6960, 3180, 2055, 1455) << twRect(6840, 4620, 2295, 375)
                       << twRect(7320, 4980, 1815, 390);
}

void TestH01d2::layoutOfItems()
{
    QFETCH(int, item);
    QFETCH(QRect, frame);
    QFETCH(QRect, question);
    QFETCH(QRect, answer);
    TestRun run;
    openWindow();
    H01d2Ui &u = ui();
    const QString n = QString::number(item + 1);

    QCOMPARE(u.Picture1[item]->geometry(), frame);
    QCOMPARE(u.Picture1[item]->palette().color(QPalette::Window), QColor(192, 255, 255));
    QCOMPARE(u.Picture1[item]->accessibleName(), QStringLiteral("Picture ") + n);
    QCOMPARE(u.Image1[item]->geometry(), twRect(45, 30, 1920, 1350));
    QCOMPARE(u.Label1[item]->geometry(), question);
    QCOMPARE(u.Label1[item]->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(u.Text1[item]->geometry(), answer);
    QVERIFY(u.Text1[item]->alignment() & Qt::AlignHCenter);
    QCOMPARE(u.Text1[item]->font().pointSizeF(), 9.75);
    QVERIFY(u.Text1[item]->font().bold());
    QCOMPARE(u.Text1[item]->accessibleName(), QStringLiteral("Answer to question ") + n);
    QCOMPARE(u.Check1[item]->accessibleName(), QStringLiteral("Choose picture ") + n);
    QVERIFY(u.Check1[item]->text().isEmpty());

    // The tick box sits on the frame's upper left corner and can be clicked there: nothing
    // covers it, not the picture.
    QCheckBox *tick = u.Check1[item];
    QCOMPARE(tick->geometry().topLeft(), frame.topLeft());
    QCOMPARE(tick->size(), twSize(255, 255));
    QWidget *client = tick->parentWidget();
    QCOMPARE(client->childAt(tick->geometry().center()), tick);
}

void TestH01d2::answers_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("accepted");

    const QList<QStringList> accepted = {
        {"Igen, ez autó.", "Igen, az.", "Igen, autó."},
        {"Nem, ez nem szálloda.", "Nem, nem az.", "Nem, nem szálloda."},
        {"Nem, ez nem fürdőszoba.", "Nem, nem az.", "Nem, nem fürdőszoba."},
        {"Igen, ez híd.", "Igen, az.", "Igen, híd."},
        {"Nem, Anna nem magyar.", "Nem, nem az.", "Nem, nem magyar.", "Nem, ő nem magyar."},
        {"Nem, ő nem mérnök.", "Nem, nem az.", "Nem, nem mérnök."},
        {"Igen, Szabó Sándor sofőr.", "Igen, az.", "Igen, sofőr.", "Igen, ő sofőr."},
        {"Igen, ő diák.", "Igen, az.", "Igen, diák."},
    };
    // No full stop, no space after the comma, a capital inside, the wrong yes or no, a missing accent.
    const QList<QStringList> refused = {
        {"Igen, ez autó", "Igen,ez autó.", "Igen, Ez autó.", "Nem, ez nem autó.", "Igen, ez auto."},
        {"Nem, ez nem szálloda", "Nem,nem az.", "Nem, Ez nem szálloda.", "Igen, ez szálloda.", "Igen, az."},
        {"Nem, nem fürdőszoba", "Nem,ez nem fürdőszoba.", "Nem, Ez nem fürdőszoba.", "Igen, az.",
         "Nem, ez nem fürdoszoba."},
        {"Igen, híd", "Igen,az.", "Igen, Ez híd.", "Nem, nem az.", "Igen, ez hid."},
        {"Nem, Anna nem magyar", "Nem,ő nem magyar.", "Nem, Ő nem magyar.", "Igen, Anna magyar.", "Igen, az."},
        {"Nem, ő nem mérnök", "Nem,nem mérnök.", "Nem, Ő nem mérnök.", "Igen, ő mérnök.", "Nem, o nem mérnök."},
        {"Igen, ő sofőr", "Igen,Szabó Sándor sofőr.", "Igen, Ő sofőr.", "Nem, nem az.", "Igen, szabó Sándor sofőr."},
        {"Igen, diák", "Igen,ő diák.", "Igen, Ő diák.", "Nem, ő nem diák.", "Igen, ez diák."},
    };
    for (int item = 0; item < 8; ++item) {
        for (const QString &a : accepted[item])
            QTest::addRow("%d accepts \"%s\"", item, qPrintable(a)) << item << a << true;
        for (const QString &a : refused[item])
            QTest::addRow("%d refuses \"%s\"", item, qPrintable(a)) << item << a << false;
    }
}

void TestH01d2::answers()
{
    QFETCH(int, item);
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    TestRun run;
    openWindow();
    clickStart();
    answerItem(item, answer);

    H01d2Ui &u = ui();
    QCOMPARE(u.Text1[item]->text(), answer);
    QCOMPARE(run.desktop().beeps, 0);
    if (accepted) {
        // The coloured drawing and the locked box are the only feedback.
        QVERIFY(run.desktop().boxes.isEmpty());
        QVERIFY(u.Text1[item]->isReadOnly());
        QCOMPARE(u.Image1[item]->picture(), drawingOf(item, Picture::Colour));
        type(u.Text1[item], QStringLiteral("x"));
        QCOMPARE(u.Text1[item]->text(), answer);
    } else {
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().text, wrong);
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Exclamation);
        QVERIFY(!u.Text1[item]->isReadOnly());
        QCOMPARE(u.Image1[item]->picture(), drawingOf(item, Picture::Ink));
    }
    for (int other = 0; other < 8; ++other) {
        if (other != item) {
            QCOMPARE(u.Image1[other]->picture(), drawingOf(other, Picture::Ink));
            QVERIFY(!u.Text1[other]->isReadOnly());
        }
    }
    QVERIFY(!u.Command1->isEnabled());
    checkTitles(run.desktop());
}

void TestH01d2::normalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("spaces and a small letter") << "  igen,   az.  " << "Igen, az." << 1 << true;
    QTest::newRow("inner spaces only") << "Igen,    ez     autó." << "Igen, ez autó." << 0 << true;
    QTest::newRow("small letter, rest right") << "igen, autó." << "Igen, autó." << 1 << true;
    QTest::newRow("small letter, rest wrong") << "nem, nem az." << "Nem, nem az." << 1 << false;
    QTest::newRow("accented small letter") << "ígen, az." << "Ígen, az." << 1 << false;
    QTest::newRow("empty") << "" << "" << 0 << false;
    QTest::newRow("spaces only") << "     " << "" << 0 << false;
    QTest::newRow("a digit first") << "1 autó" << "1 autó" << 0 << false;
}

void TestH01d2::normalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, warnings);
    QFETCH(bool, accepted);
    TestRun run;
    openWindow();
    clickStart();
    // No check box clicked yet: item 0 is the one tested.
    QTest::mouseClick(ui().Text1[0], Qt::LeftButton);
    typeAndEnter(typed);

    const FakeDesktop &d = run.desktop();
    QCOMPARE(ui().Text1[0]->text(), shown);
    QCOMPARE(countBoxes(d, capitalWarning), warnings);
    QCOMPARE(d.beeps, warnings);
    QCOMPARE(countBoxes(d, wrong), accepted ? 0 : 1);
    QCOMPARE(d.boxes.size(), warnings + (accepted ? 0 : 1));
    if (warnings) {
        QCOMPARE(d.boxes.first().text, capitalWarning);
        QCOMPARE(d.boxes.first().icon, MsgIcon::Exclamation);
    }
    QCOMPARE(ui().Text1[0]->isReadOnly(), accepted);
    QCOMPARE(ui().Image1[0]->picture(), drawingOf(0, accepted ? Picture::Colour : Picture::Ink));
    checkTitles(d);
}

void TestH01d2::veryLongAnswer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("accepted");
    const QString longGap = QStringLiteral("Igen,") + QString(30000 - 8, QLatin1Char(' ')) + QStringLiteral("az.");
    QTest::newRow("one long run") << longGap << "Igen, az." << true;
    // Ten thousand runs of two spaces.
    QString manyRuns = QStringLiteral("a  ").repeated(10000);
    QString collapsed = QStringLiteral("A") + QStringLiteral(" a").repeated(9999);
    QTest::newRow("many short runs") << manyRuns << collapsed << false;
}

void TestH01d2::veryLongAnswer()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, accepted);
    QCOMPARE(typed.size(), 30000);
    TestRun run;
    openWindow();
    clickStart();
    choose(0);
    ui().Text1[0]->setText(typed); // pasted
    pressEnter(h01d2().window());
    QCOMPARE(ui().Text1[0]->text(), shown);
    QCOMPARE(ui().Text1[0]->isReadOnly(), accepted);
}

void TestH01d2::onlyTheCurrentItemIsTested()
{
    TestRun run;
    openWindow();
    clickStart();
    choose(2);
    QCOMPARE(ui().Label1[2]->text(), QStringLiteral("Ez fürdőszoba?"));
    // A right answer for item 5, typed into its box while item 2 is current.
    QTest::mouseClick(ui().Text1[5], Qt::LeftButton);
    typeAndEnter(QStringLiteral("Nem, ő nem mérnök."));

    QCOMPARE(run.desktop().boxes.size(), 1);
    QCOMPARE(run.desktop().lastBox().text, wrong);
    for (int item : {2, 5}) {
        QVERIFY(!ui().Text1[item]->isReadOnly());
        QCOMPARE(ui().Image1[item]->picture(), drawingOf(item, Picture::Ink));
    }
    QCOMPARE(ui().Text1[5]->text(), QStringLiteral("Nem, ő nem mérnök."));
    QVERIFY(ui().Label1[5]->text().isEmpty());
}

void TestH01d2::completionAndRestart()
{
    TestRun run;
    openWindow();
    H01d2Ui &u = ui();
    clickStart();
    QVERIFY(u.Command11->isVisible());
    for (int item = 0; item < 8; ++item) {
        answerItem(item, shortAnswers[item]);
        QCOMPARE(countBoxes(run.desktop(), completion), item == 7 ? 1 : 0);
    }
    QCOMPARE(run.desktop().boxes.size(), 1);
    QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Stop);
    for (int item = 0; item < 8; ++item) {
        QVERIFY(u.Text1[item]->isReadOnly());
        QCOMPARE(u.Image1[item]->picture(), drawingOf(item, Picture::Colour));
    }
    QCOMPARE(u.Command1->text(), QStringLiteral("&Restart"));
    QVERIFY(u.Command1->isEnabled());
    QCOMPARE(h01d2().window()->focusWidget(), u.Command1);
    QVERIFY(!u.Command2->isEnabled());
    QVERIFY(!u.Command2->isDefault());

    // Enter now presses Restart, which has the focus.
    pressEnter(h01d2().window());
    QVERIFY(!u.Command1->isEnabled());
    QCOMPARE(u.Command1->text(), QStringLiteral("&Restart"));
    QVERIFY(u.Command2->isEnabled());
    QVERIFY(u.Command2->isDefault());
    for (int item = 0; item < 8; ++item) {
        QCOMPARE(u.Image1[item]->picture(), drawingOf(item, Picture::Ink));
        QVERIFY(!u.Text1[item]->isReadOnly());
        QVERIFY(u.Text1[item]->text().isEmpty());
        QVERIFY(u.Label1[item]->text().isEmpty());
    }

    // A second run needs eight answers again; Enter in a box presses Next once more.
    for (int item = 7; item >= 0; --item) {
        answerItem(item, shortAnswers[item]);
        QCOMPARE(countBoxes(run.desktop(), completion), item == 0 ? 2 : 1);
    }
    QCOMPARE(run.desktop().boxes.size(), 2);
    checkTitles(run.desktop());
}

void TestH01d2::acceptedAgainCountsNothing()
{
    TestRun run;
    openWindow();
    clickStart();
    answerItem(0, shortAnswers[0]);
    pressEnter(h01d2().window());
    answerItem(0, QString());
    QVERIFY(run.desktop().boxes.isEmpty());
    for (int item = 1; item < 7; ++item)
        answerItem(item, shortAnswers[item]);
    QCOMPARE(countBoxes(run.desktop(), completion), 0);
    answerItem(7, shortAnswers[7]);
    QCOMPARE(countBoxes(run.desktop(), completion), 1);
    QCOMPARE(run.desktop().boxes.size(), 1);
}

// What the record keeps of the learner's steps: each answer once, by item, right or not, and
// whether it was the first try ("item right first"). Steps: "answer N text" (tick N, type, Enter),
// "choose N", "enter", "solution", "type text".
void TestH01d2::eachAnswerRecordedOnce_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("recorded");
    QTest::newRow("Next on an accepted answer") << QStringList{"answer 0 Igen, az.", "enter"} << QStringList{"0 1 1"};
    QTest::newRow("Next on it after another item")
        << QStringList{"answer 0 Igen, az.", "answer 1 Nem, nem az.", "choose 0", "enter"}
        << QStringList{"0 1 1", "1 1 1"};
    QTest::newRow("a refused answer checked again") << QStringList{"answer 3 Nem.", "enter"} << QStringList{"3 0 1"};
    QTest::newRow("the answer after Solution") << QStringList{"choose 2", "solution", "type Nem, nem az.", "enter"}
                                               << QStringList{"2 1 0"};
}

void TestH01d2::eachAnswerRecordedOnce()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, recorded);
    QStringList got;
    TestRun run;
    openWindow();
    clickStart();
    connect(&h01d2(), &ExerciseForm::answerChecked, this, [&](const AnswerEvent &e) {
        got << QStringLiteral("%1 %2 %3")
                   .arg(QuestionBank::questions().indexOf(e.item))
                   .arg(int(e.right))
                   .arg(int(e.firstTry));
    });
    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString rest = step.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("answer"))
            answerItem(rest.section(QLatin1Char(' '), 0, 0).toInt(), rest.section(QLatin1Char(' '), 1));
        else if (verb == QLatin1String("choose"))
            choose(rest.toInt());
        else if (verb == QLatin1String("enter"))
            pressEnter(h01d2().window());
        else if (verb == QLatin1String("solution"))
            QTest::mouseClick(ui().Command4, Qt::LeftButton);
        else
            type(h01d2().window()->focusWidget(), rest);
    }
    QCOMPARE(got, recorded);
}

void TestH01d2::answersBeforeFirstStartDoNotCount()
{
    TestRun run;
    openWindow();
    H01d2Ui &u = ui();
    // Before Start the lists are empty: no question shows, only the short answers are whole.
    choose(0);
    QVERIFY(u.Label1[0]->text().isEmpty());
    typeAndEnter(QStringLiteral("Igen, ez autó."));
    QCOMPARE(run.desktop().lastBox().text, wrong);
    u.Text1[0]->clear();
    typeAndEnter(QStringLiteral("Igen, az."));
    answerItem(1, shortAnswers[1]);
    QCOMPARE(run.desktop().boxes.size(), 1);
    QVERIFY(u.Text1[0]->isReadOnly());
    QCOMPARE(u.Image1[1]->picture(), drawingOf(1, Picture::Colour));

    clickStart();
    QVERIFY(!u.Text1[0]->isReadOnly());
    QCOMPARE(u.Image1[1]->picture(), drawingOf(1, Picture::Ink));
    run.desktop().clear();
    for (int item = 0; item < 7; ++item)
        answerItem(item, shortAnswers[item]);
    QVERIFY(run.desktop().boxes.isEmpty());
    answerItem(7, shortAnswers[7]);
    QCOMPARE(countBoxes(run.desktop(), completion), 1);
}

void TestH01d2::closingKeepsTheLists()
{
    TestRun run;
    openWindow();
    clickStart();
    for (int item = 0; item < 3; ++item)
        answerItem(item, shortAnswers[item]);
    QTest::mouseClick(ui().Command3, Qt::LeftButton);
    QVERIFY(!h01d2().isLoaded());
    QVERIFY(visibleWindows().contains(QStringLiteral("alap")));

    openWindow();
    H01d2Ui &u = ui();
    QCOMPARE(u.Command1->text(), QStringLiteral("&Start"));
    for (int item = 0; item < 8; ++item) {
        QVERIFY(u.Text1[item]->text().isEmpty());
        QVERIFY(!u.Text1[item]->isReadOnly());
        QVERIFY(u.Image1[item]->picture().isNull());
    }
    // The items of the last Start are still there before the next one.
    choose(4);
    QCOMPARE(u.Label1[4]->text(), QStringLiteral("Anna magyar?"));
    QTest::mouseClick(u.Command4, Qt::LeftButton);
    QCOMPARE(run.desktop().lastBox().text,
             QStringLiteral("The correct solution is: Nem, Anna nem magyar. / Nem, nem az."));

    clickStart();
    run.desktop().clear();
    for (int item = 0; item < 7; ++item)
        answerItem(item, shortAnswers[item]);
    QVERIFY(run.desktop().boxes.isEmpty());
    answerItem(7, shortAnswers[7]);
    QCOMPARE(countBoxes(run.desktop(), completion), 1);
}

void TestH01d2::solution_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("6") << 6 << "The correct solution is: Igen, Szabó Sándor sofőr. / Igen, az.";
    QTest::newRow("4") << 4 << "The correct solution is: Nem, Anna nem magyar. / Nem, nem az.";
    QTest::newRow("2") << 2 << "The correct solution is: Nem, ez nem fürdőszoba. / Nem, nem az.";
    QTest::newRow("7") << 7 << "The correct solution is: Igen, ő diák. / Igen, az.";
    QTest::newRow("nothing chosen yet") << -1 << "The correct solution is:  / ";
}

void TestH01d2::solution()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    TestRun run;
    openWindow();
    clickStart();
    if (item >= 0)
        choose(item);
    QTest::mouseClick(ui().Command4, Qt::LeftButton);
    QCOMPARE(run.desktop().boxes.size(), 1);
    QCOMPARE(run.desktop().lastBox().text, text);
    QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Information);
    QCOMPARE(h01d2().window()->focusWidget(), ui().Text1[qMax(item, 0)]);
    // Nothing is filled in, locked or counted.
    QVERIFY(ui().Text1[qMax(item, 0)]->text().isEmpty());
    QVERIFY(!ui().Text1[qMax(item, 0)]->isReadOnly());
    checkTitles(run.desktop());
}

void TestH01d2::helpAndChar()
{
    TestRun run;
    openWindow();
    QWidget *w = h01d2().window();
    H01d2Ui &u = ui();
    const QString help =
        QStringLiteral("Click the \"Start\" button. Then choose a picture and click the check box in its upper left hand "
                       "corner. Answer the question and press \"Enter\". Go on.\r\n\r\nIf you want to see how to type "
                       "the special Hungarian characters (á, é etc.) on an English keyboard, click the \"Char\" "
                       "button. If you want that information to desappear, click again.");

    // Before Start the focus stays where it is.
    u.Command3->setFocus();
    triggerMenu(w, QStringLiteral("mnuHow"));
    QCOMPARE(run.desktop().lastBox().text, help);
    QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Information);
    QCOMPARE(w->focusWidget(), u.Command3);

    clickStart();
    choose(3);
    u.Command3->setFocus();
    triggerMenu(w, QStringLiteral("mnuHow"));
    QCOMPARE(w->focusWidget(), u.Text1[3]);

    // Char shows the hint and goes back to the open box; a second click hides it.
    QTest::mouseClick(u.Command11, Qt::LeftButton);
    QVERIFY(u.Label5->isVisible());
    QCOMPARE(w->focusWidget(), u.Text1[3]);
    QTest::mouseClick(u.Command11, Qt::LeftButton);
    QVERIFY(u.Label5->isHidden());

    // With the current item accepted, neither moves the focus into its locked box.
    typeAndEnter(QStringLiteral("Igen, az."));
    QVERIFY(u.Text1[3]->isReadOnly());
    QTest::mouseClick(u.Text1[1], Qt::LeftButton);
    triggerMenu(w, QStringLiteral("mnuHow"));
    QCOMPARE(w->focusWidget(), u.Text1[1]);
    QTest::mouseClick(u.Command11, Qt::LeftButton);
    QVERIFY(u.Label5->isVisible());
    QCOMPARE(w->focusWidget(), u.Command11);
    checkTitles(run.desktop());
}

void TestH01d2::hungarianKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("question") << "Ez h`d?" << "Ez híd?";
    QTest::newRow("small letters") << "'; `=0[]-\\" << "áé íóöőúüű";
    QTest::newRow("capitals") << "\":~+){}_|" << "ÁÉÍÓÖŐÚÜŰ";
    QTest::newRow("words") << "f-rd[szoba m;rn0k sof[r" << "fürdőszoba mérnök sofőr";
    QTest::newRow("letters typed directly") << "é ő Ő" << "é ő Ő";
}

void TestH01d2::hungarianKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TestRun run;
    openWindow();
    clickStart();
    for (int item = 0; item < 8; ++item) {
        choose(item);
        type(h01d2().window()->focusWidget(), typed);
        QCOMPARE(ui().Text1[item]->text(), shown);
    }
}

void TestH01d2::goTo_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::newRow("&1") << "Command10" << "h01d1";
    QTest::newRow("&5") << "Command8" << "lex1";
    QTest::newRow("Close") << "Command3" << "alap";
}

void TestH01d2::goTo()
{
    QFETCH(QString, button);
    QFETCH(QString, target);
    TestRun run;
    openWindow();
    clickStart();
    auto *b = h01d2().window()->findChild<QPushButton *>(button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!h01d2().isLoaded());
    QVERIFY(visibleWindows().contains(target));
    QVERIFY(!visibleWindows().contains(QStringLiteral("h01d2")));
    QCOMPARE(module1().switching, 0);
}

QTEST_MAIN(TestH01d2)
#include "tst_h01d2.moc"
