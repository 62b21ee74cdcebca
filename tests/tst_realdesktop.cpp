// The windows on the real desktop: real message boxes that run their own event loops, answered
// from a timer. While a box is open the test does what can still reach the program from outside
// the box: a press on a button of a window underneath through the accessibility interface (a
// screen reader, switch access, voice control), a close request to a window, or work that a
// timer or the end of the program does. Every box of every window is tried.
#include "app/alap.h"
#include "app/progresswindow.h"
#include "app/sobre.h"
#include "core/module1.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/picture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// ---- bringing up a box: each returns once every box it opened has been answered ------------

void toMenu()
{
    Program::get().start();
    sobre().Timer1_Timer(); // the title card's 800 ms
    QVERIFY(alap().isVisible());
}

void openExercise(int exercise)
{
    toMenu();
    alap().window()->findChild<QPushButton *>(QStringLiteral("Button%1").arg(exercise))->click();
}

void h01d1Wrong()
{
    openExercise(1);
    h01d1().ui().Command1->click();
    typeText(h01d1().ui().Text2, QStringLiteral("x"));
    pressEnter(h01d1().window());
}

void h01d1Completion()
{
    openExercise(1);
    H01d1 &w = h01d1();
    w.ui().Command1->click();
    for (int i = 0; i < H01d1::runLength; ++i) {
        w.ui().Text2->setText(w.articles.value(w.current));
        pressEnter(w.window());
    }
}

void h01d1Solution()
{
    openExercise(1);
    h01d1().ui().Command1->click();
    h01d1().ui().Command8->click();
}

void h01d1HowTo()
{
    openExercise(1);
    triggerMenu(h01d1().window(), QStringLiteral("mnuHowto"));
}

void h01d2Start()
{
    openExercise(2);
    h01d2().ui().Command1->click();
    h01d2().ui().Check1[0]->click();
}

void h01d2Capitals()
{
    h01d2Start();
    typeText(h01d2().ui().Text1[0], QStringLiteral("x")); // the warning, then the wrong-answer box
    pressEnter(h01d2().window());
}

void h01d2Wrong()
{
    h01d2Start();
    typeText(h01d2().ui().Text1[0], QStringLiteral("X"));
    pressEnter(h01d2().window());
}

void h01d2Solution()
{
    h01d2Start();
    h01d2().ui().Command4->click();
}

void h01d2HowTo()
{
    openExercise(2);
    triggerMenu(h01d2().window(), QStringLiteral("mnuHow"));
}

void h01d3Wrong()
{
    openExercise(3);
    h01d3().ui().Command1->click();
    typeText(h01d3().ui().Text1, QStringLiteral("x"));
    pressEnter(h01d3().window());
}

void h01d3Completion()
{
    openExercise(4);
    H01d3 &w = h01d3();
    w.ui().Command1->click();
    for (int i = 0; i < 8; ++i) {
        w.ui().Text1->setText(w.keys.value(w.current));
        pressEnter(w.window());
    }
}

void h01d3Solution()
{
    openExercise(3);
    h01d3().ui().Command1->click();
    h01d3().ui().Command8->click();
}

void h01d3HowTo()
{
    openExercise(4);
    triggerMenu(h01d3().window(), QStringLiteral("menuHow"));
}

void lex1Wrong()
{
    openExercise(5);
    lex1().ui().Command1->click();
    typeText(lex1().ui().Text1, QStringLiteral("x"));
    pressEnter(lex1().window());
}

void lex1Completion()
{
    openExercise(5);
    lex1().ui().Command1->click();
    for (int i = 0; i < Lex1::nounCount; ++i) {
        lex1().ui().Text1->setText(module1().nounList.value(i));
        pressEnter(lex1().window());
    }
}

void lex1Solutions()
{
    openExercise(5);
    lex1().ui().Command1->click();
    lex1().ui().Command3->click();
}

void lex1HowTo()
{
    openExercise(5);
    triggerMenu(lex1().window(), QStringLiteral("mnuHow"));
}

void alapHowTo()
{
    toMenu();
    triggerMenu(alap().window(), QStringLiteral("mnuHow"));
}

void sobreInformation()
{
    toMenu();
    triggerMenu(alap().window(), QStringLiteral("mnuabout"));
    QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton);
}

// The Progress window's question before it forgets the record.
void progressForget()
{
    toMenu();
    triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
    progress().forgetProgress();
}

struct BoxCase {
    const char *name;
    void (*open)();
    Form &(*owner)();
    int boxes; // how many boxes the opening shows when nothing interferes
};

Form &ownerH01d1() { return h01d1(); }
Form &ownerH01d2() { return h01d2(); }
Form &ownerH01d3() { return h01d3(); }
Form &ownerLex1() { return lex1(); }
Form &ownerAlap() { return alap(); }
Form &ownerSobre() { return sobre(); }
Form &ownerProgress() { return progress(); }

const BoxCase boxCases[] = {
    {"exercise 1 wrong answer", h01d1Wrong, ownerH01d1, 1},
    {"exercise 1 completion", h01d1Completion, ownerH01d1, 1},
    {"exercise 1 solution", h01d1Solution, ownerH01d1, 1},
    {"exercise 1 how to", h01d1HowTo, ownerH01d1, 1},
    {"exercise 2 capital letters", h01d2Capitals, ownerH01d2, 2},
    {"exercise 2 wrong answer", h01d2Wrong, ownerH01d2, 1},
    {"exercise 2 solution", h01d2Solution, ownerH01d2, 1},
    {"exercise 2 how to", h01d2HowTo, ownerH01d2, 1},
    {"exercise 3 wrong answer", h01d3Wrong, ownerH01d3, 1},
    {"exercise 4 completion", h01d3Completion, ownerH01d3, 1},
    {"exercise 3 solution", h01d3Solution, ownerH01d3, 1},
    {"exercise 4 how to", h01d3HowTo, ownerH01d3, 1},
    {"exercise 5 wrong answer", lex1Wrong, ownerLex1, 1},
    {"exercise 5 completion", lex1Completion, ownerLex1, 1},
    {"exercise 5 solutions", lex1Solutions, ownerLex1, 1},
    {"exercise 5 how to", lex1HowTo, ownerLex1, 1},
    {"menu how to", alapHowTo, ownerAlap, 1},
    {"about information", sobreInformation, ownerSobre, 1},
    {"progress forget question", progressForget, ownerProgress, 1},
};

// ---- what happens while the box is open ------------------------------------------------------

enum class Act {
    PressGoTo,    // a go-to button of the exercise window, through the accessibility interface
    PressClose,   // the window's Close (exercise windows), End (menu) or OK (About)
    PressOtherExercise, // the menu's first exercise button (menu only)
    CloseBox,     // the window's title-bar close box
    Unload,       // the window unloads, as a timer's handler might do
    EndProgram,   // the program ends (End, or the last window gone): every window closes
};

// The button an accessible press goes to, for the window that owns the box.
QAbstractButton *pressTarget(Form &owner, Act act)
{
    if (auto *exercise = qobject_cast<ExerciseForm *>(&owner)) {
        if (act == Act::PressClose)
            return exercise->frame().close;
        for (int n = 5; n >= 1; --n) // the last go-to button is never the window's own
            if (QPushButton *button = exercise->frame().goTo[n]; button && button->isEnabled())
                return button;
        return nullptr;
    }
    if (&owner == &progress())
        return progress().ui().close;
    if (&owner == &alap())
        return act == Act::PressClose ? alap().ui().Command1
                                      : alap().window()->findChild<QAbstractButton *>(QStringLiteral("Button1"));
    return sobre().ui().Command1;
}

// A tick box of an exercise window, what the learner sees its handler change, and what the
// handler shows there and speaks.
struct Tick {
    QCheckBox *box;
    QLabel *shown;     // exercise 2: the picture's question; exercise 5: the word revealed
    QWidget *answer;   // the box the focus goes to
    QString expected;
};

// Opens exercise 2 or 5 and presses Start; the tick box of the fourth picture.
Tick startedTick(int exercise)
{
    const int item = 3;
    openExercise(exercise);
    if (exercise == 2) {
        H01d2Ui &u = h01d2().ui();
        u.Command1->click();
        return {u.Check1[item], u.Label1[item], u.Text1[item], h01d2().questions.value(item)};
    }
    Lex1Ui &u = lex1().ui();
    u.Command1->click();
    return {u.Check1[item], u.Label1, u.Text1, module1().nounList.value(item)};
}

} // namespace

Q_DECLARE_METATYPE(Act)

class TestRealDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // While a box is open, a press on the buttons of the window underneath, or a close request
    // to it, does nothing, exactly as a mouse click on it does nothing; once the box is answered
    // its handler finishes, and the same press then works.
    void pressesUnderABoxAreIgnored_data()
    {
        QTest::addColumn<int>("boxCase");
        QTest::addColumn<Act>("act");
        for (int i = 0; i < int(std::size(boxCases)); ++i) {
            const QString name = QLatin1String(boxCases[i].name);
            const bool exercise = i < 16;
            const bool hasGoTo = exercise && !name.startsWith(QLatin1String("exercise 5")); // 5 has no go-to row
            if (hasGoTo)
                QTest::addRow("%s, go to", qPrintable(name)) << i << Act::PressGoTo;
            else if (boxCases[i].owner == ownerAlap)
                QTest::addRow("%s, exercise 1", qPrintable(name)) << i << Act::PressOtherExercise;
            const char *close = exercise || boxCases[i].owner == ownerProgress ? "Close"
                                : boxCases[i].owner == ownerAlap       ? "End"
                                                                       : "OK";
            QTest::addRow("%s, %s", qPrintable(name), close)
                << i << Act::PressClose;
            QTest::addRow("%s, close box", qPrintable(name)) << i << Act::CloseBox;
        }
    }

    void pressesUnderABoxAreIgnored()
    {
        QFETCH(int, boxCase);
        QFETCH(Act, act);
        const BoxCase &c = boxCases[boxCase];
        RealRun run;
        Form &owner = c.owner();
        QStringList windowsUnderBox;
        QPointer<QAbstractButton> target;
        BoxAnswerer answerer([&](QWidget *) {
            windowsUnderBox = visibleWindows();
            QVERIFY(owner.blockedByBox());
            if (act == Act::CloseBox) {
                clickCloseBox(owner.window());
                return;
            }
            target = pressTarget(owner, act);
            QVERIFY(target);
            answerer.awaitPress(target);
            pressAccessibly(target);
        });
        c.open();
        QVERIFY(!QTest::currentTestFailed());

        QCOMPARE(answerer.titles.size(), c.boxes);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(owner.isVisible());
        QCOMPARE(visibleWindows(), windowsUnderBox);
        QVERIFY(!Program::get().ended());
        QVERIFY(!owner.blockedByBox());

        // Without a box the same press goes through.
        if (act == Act::CloseBox) {
            clickCloseBox(owner.window());
            QVERIFY(!owner.isLoaded());
        } else {
            QVERIFY(target);
            pressAccessibly(target);
            QTRY_VERIFY(visibleWindows() != windowsUnderBox || Program::get().ended());
        }
    }

    // The window that shows a box is unloaded while the box is open (by a timer, or because the
    // program ends): the box closes with it or is answered, nothing is freed twice, and the
    // handler that showed it stops instead of touching controls that are gone or loading the
    // window again.
    void windowGoneUnderItsBox_data()
    {
        QTest::addColumn<int>("boxCase");
        QTest::addColumn<Act>("act");
        for (int i = 0; i < int(std::size(boxCases)); ++i) {
            QTest::addRow("%s, unloaded", boxCases[i].name) << i << Act::Unload;
            QTest::addRow("%s, program ends", boxCases[i].name) << i << Act::EndProgram;
        }
    }

    void windowGoneUnderItsBox()
    {
        QFETCH(int, boxCase);
        QFETCH(Act, act);
        const BoxCase &c = boxCases[boxCase];
        RealRun run;
        Form &owner = c.owner();
        BoxAnswerer answerer([&](QWidget *) {
            if (act == Act::Unload)
                owner.unload();
            else
                Program::get().end();
        });
        c.open();
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!owner.isLoaded());
        if (act == Act::EndProgram) {
            QVERIFY(Program::get().ended());
            for (Form *form : Program::get().forms())
                QVERIFY2(!form->isLoaded(), qPrintable(form->name()));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!owner.isLoaded());
    }

    // A screen reader toggles or presses the tick boxes of exercises 2 and 5 through the
    // accessibility interface: under the How-to box nothing happens, tick included, as a click
    // there does nothing; then each action does what a click does, once: exercise 2 shows the
    // picture's question and opens its answer box, exercise 5 reveals the word, both say it.
    void tickBoxActions_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("action");
        for (int exercise : {2, 5})
            for (const QString &action :
                 {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()})
                QTest::addRow("exercise %d, %s", exercise, qPrintable(action)) << exercise << action;
    }

    void tickBoxActions()
    {
        QFETCH(int, exercise);
        QFETCH(QString, action);
        RealRun run;
        const Tick t = startedTick(exercise);
        QWidget *window = t.box->window();
        const QStringList &spoken = static_cast<FakeSpeaker &>(desktop().speaker()).spoken;
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(t.box)->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));

        const QString shownBefore = t.shown->text();
        BoxAnswerer answerer([&](QWidget *) {
            answerer.awaitPress(t.box);
            actions->doAction(action);
        });
        triggerMenu(window, QStringLiteral("mnuHow"));
        QCOMPARE(answerer.titles.size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!t.box->isChecked());
        QCOMPARE(t.shown->text(), shownBefore);
        QVERIFY(!spoken.contains(t.expected));

        actions->doAction(action);
        QTRY_VERIFY(t.box->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(t.box->isChecked());
        QVERIFY(t.shown->isVisible());
        QCOMPARE(t.shown->text(), t.expected);
        QCOMPARE(window->focusWidget(), t.answer);
        QCOMPARE(spoken.count(t.expected), 1);

        // A second time unticks it, as a second click does, and says nothing.
        actions->doAction(action);
        QTRY_VERIFY(!t.box->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(!t.box->isChecked());
        QCOMPARE(spoken.count(t.expected), 1);
    }

    // A timer that ticks inside a box: the title card's own, while its information box is open.
    void titleCardTickInsideItsBox()
    {
        RealRun run;
        Program::get().start();
        BoxAnswerer answerer([](QWidget *) { sobre().Timer1_Timer(); });
        QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton);
        QCOMPARE(answerer.titles, QStringList{QStringLiteral("About Tarvo!")});
        QVERIFY(sobre().isVisible());
        sobre().Timer1_Timer();
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
    }
};

QTEST_MAIN(TestRealDesktop)
#include "tst_realdesktop.moc"
