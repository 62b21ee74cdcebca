// Exercise 1, driven as a learner drives it, and the frame it shares with the other exercises.
#include "app/alap.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d3/h01d3.h"
#include "support/testing.h"
#include "ui/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

namespace {
const QString title = QStringLiteral("  Tarvo! --- 1. Lecke: 1.");

// The run's nouns and their articles, slots 1 to 23.
const QList<QPair<QString, QString>> bank = {
    {"szoba", "a"},    {"szálloda", "a"}, {"orvos", "az"},    {"lány", "a"},       {"sziget", "a"},
    {"mérnök", "a"},   {"szekrény", "a"}, {"újságíró", "az"}, {"híd", "a"},        {"tanár", "a"},
    {"fiú", "a"},      {"diák", "a"},     {"fürdőszoba", "a"}, {"ház", "a"},       {"kulcs", "a"},
    {"múzeum", "a"},   {"sofőr", "a"},    {"tanárnő", "a"},   {"templom", "a"},    {"autóbusz", "az"},
    {"ajtó", "az"},    {"egyetem", "az"}, {"étterem", "az"},
};

QString articleOf(const QString &noun)
{
    for (const auto &[n, a] : bank)
        if (n == noun)
            return a;
    return QString();
}

// Opens exercise 1 from the menu, as after start-up.
void openFromMenu()
{
    Program::get().start();
    sobre().Timer1_Timer();
    alap().ui().Button1->click();
    h01d1().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h01d1().window()));
}

void answer(const QString &text)
{
    H01d1Ui &u = h01d1().ui();
    u.Text2->setFocus();
    QTest::keyClicks(u.Text2, text);
    pressEnter(h01d1().window());
}

// Answers the noun on screen rightly; returns the noun.
QString answerRightly()
{
    const QString noun = h01d1().ui().Text1->text();
    answer(articleOf(noun));
    return noun;
}
} // namespace

class H01d1Test : public QObject {
    Q_OBJECT

private slots:
    void loadSequence()
    {
        TestRun run;
        openFromMenu();
        H01d1Ui &u = h01d1().ui();
        QCOMPARE(h01d1().window()->windowTitle(), title);
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("h01d1"), QStringLiteral("hatter")}));
        QVERIFY(run.desktop().topmost.contains(FakeDesktop::Topmost{QStringLiteral("h01d1"), true}));
        QVERIFY(h01d1().frame().onTop->isChecked());
        QCOMPARE(u.Command1->text(), QStringLiteral("&Start"));
        QVERIFY(u.Command2->isEnabled());
        QVERIFY(!u.Command10->isEnabled());
        QVERIFY(!u.Command4->isVisible());
        QCOMPARE(u.Label1->text(), QStringLiteral("a  /  az"));
        QCOMPARE(u.Label2->text(), QStringLiteral("1.  Put in the right form of the definite article:"));
    }

    void aRunAsksEveryNounOnceAndCompletes()
    {
        TestRun run;
        openFromMenu();
        H01d1Ui &u = h01d1().ui();
        u.Command1->click();
        QVERIFY(!u.Command1->isEnabled());
        QStringList asked;
        QString transcript;
        for (int i = 0; i < 23; ++i) {
            const QString noun = answerRightly();
            asked.append(noun);
            transcript += articleOf(noun) + QLatin1Char(' ') + noun + QStringLiteral("; ");
            if (i < 22)
                QCOMPARE(run.desktop().boxes.size(), 0);
        }
        QCOMPARE(QSet<QString>(asked.begin(), asked.end()).size(), 23);
        QVERIFY(!asked.contains(QStringLiteral("autó")));
        QCOMPARE(u.Label3->text(), transcript);
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().text,
                 QStringLiteral("You have completed the exercise. If you want to restart it, click the \"Restart\" "
                                "button."));
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Stop);
        QCOMPARE(run.desktop().lastBox().title, title);
        QVERIFY(!u.Command2->isEnabled());
        QCOMPARE(u.Command1->text(), QStringLiteral("Restart"));
        QVERIFY(u.Command1->hasFocus());
        QVERIFY(u.Text1->text().isEmpty());

        // Enter now presses the focused Restart: the transcript goes and all 23 come again.
        pressEnter(h01d1().window());
        QVERIFY(u.Label3->text().isEmpty());
        QVERIFY(u.Command2->isEnabled());
        QVERIFY(!u.Command1->isEnabled());
        QStringList again;
        for (int i = 0; i < 23; ++i)
            again.append(answerRightly());
        QCOMPARE(QSet<QString>(again.begin(), again.end()).size(), 23);
        QCOMPARE(run.desktop().boxes.size(), 2);
    }

    void checkingAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("az") << "az" << true;
        QTest::newRow("blanks around") << "   az  " << true;
        QTest::newRow("capital") << "Az" << false;
        QTest::newRow("a") << "a" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("inner blank") << "a z" << false;
    }

    void checkingAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        TestRun run;
        openFromMenu();
        H01d1Ui &u = h01d1().ui();
        // The draw lands on slot 3, orvos: int(23 * r + 1) = 3.
        run.desktop().draws = {2.5 / 23};
        u.Command1->click();
        QCOMPARE(u.Text1->text(), QStringLiteral("orvos"));
        answer(typed);
        if (right) {
            QCOMPARE(u.Label3->text(), QStringLiteral("az orvos; "));
            QCOMPARE(run.desktop().beeps, 0);
            QVERIFY(run.desktop().boxes.isEmpty());
            QVERIFY(u.Text1->text() != QStringLiteral("orvos"));
            QCOMPARE(h01d1().solved, 1);
        } else {
            QCOMPARE(run.desktop().beeps, 1);
            QCOMPARE(run.desktop().boxes.size(), 1);
            QCOMPARE(run.desktop().lastBox().text, module1().wrongMessage);
            QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Exclamation);
            QCOMPARE(run.desktop().lastBox().title, title);
            QVERIFY(u.Text2->text().isEmpty());
            QVERIFY(u.Text2->hasFocus());
            QCOMPARE(u.Text1->text(), QStringLiteral("orvos"));
            QCOMPARE(h01d1().solved, 0);
            QVERIFY(u.Label3->text().isEmpty());
        }
    }

    void transcriptReadsAsPhrases()
    {
        TestRun run;
        openFromMenu();
        // orvos (slot 3), lány (4), híd (9)
        run.desktop().draws = {2.5 / 23, 3.5 / 23, 8.5 / 23};
        h01d1().ui().Command1->click();
        answer(QStringLiteral("az"));
        answer(QStringLiteral("a"));
        answer(QStringLiteral("a"));
        QCOMPARE(h01d1().ui().Label3->text(), QStringLiteral("az orvos; a lány; a híd; "));
        // A screen reader reads the phrases, and hears what the label is from its description.
        QCOMPARE(accessibleText(h01d1().ui().Label3), QStringLiteral("az orvos; a lány; a híd; "));
        QCOMPARE(accessibleText(h01d1().ui().Label3, QAccessible::Description), QStringLiteral("Transcript"));
    }

    void solution_data()
    {
        QTest::addColumn<double>("draw"); // < 0: before Start
        QTest::addColumn<QString>("text");
        QTest::newRow("before Start") << -1.0 << "The correct solution is: az autó";
        QTest::newRow("étterem") << 22.5 / 23 << "The correct solution is: az étterem";
        QTest::newRow("szoba") << 0.1 / 23 << "The correct solution is: a szoba";
    }

    void solution()
    {
        QFETCH(double, draw);
        QFETCH(QString, text);
        TestRun run;
        openFromMenu();
        H01d1Ui &u = h01d1().ui();
        if (draw >= 0) {
            run.desktop().draws = {draw};
            u.Command1->click();
        }
        u.Command8->click();
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().text, text);
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Information);
        QCOMPARE(run.desktop().lastBox().title, title);
        QVERIFY(u.Text2->hasFocus());
        QCOMPARE(h01d1().solved, 0);
    }

    void nextBeforeStartIsWrong_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("az") << "az";
        QTest::newRow("a") << "a";
        // The noun box is empty before Start: the article typed with the noun is not the key.
        QTest::newRow("article and noun") << QStringLiteral("azautó");
        QTest::newRow("article and noun, blanks around") << QStringLiteral("  azautó ");
    }

    void nextBeforeStartIsWrong()
    {
        QFETCH(QString, typed);
        TestRun run;
        openFromMenu();
        // Key by key, accented letters included.
        h01d1().ui().Text2->setFocus();
        typeText(h01d1().ui().Text2, typed);
        QCOMPARE(h01d1().ui().Text2->text(), typed);
        pressEnter(h01d1().window());
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().text, module1().wrongMessage);
        QVERIFY(h01d1().ui().Label3->text().isEmpty());
        QCOMPARE(h01d1().solved, 0);
    }

    void textTypedBeforeStartStays()
    {
        TestRun run;
        openFromMenu();
        QTest::keyClicks(h01d1().ui().Text2, QStringLiteral("az"));
        h01d1().ui().Command1->click();
        QCOMPARE(h01d1().ui().Text2->text(), QStringLiteral("az"));
    }

    void closingReturnsToTheMenu_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Close") << false;
        QTest::newRow("close box") << true;
    }

    void closingReturnsToTheMenu()
    {
        QFETCH(bool, closeBox);
        TestRun run;
        openFromMenu();
        h01d1().ui().Command1->click();
        answerRightly();
        if (closeBox)
            clickCloseBox(h01d1().window());
        else
            h01d1().ui().Command3->click();
        QVERIFY(!h01d1().isLoaded());
        QCOMPARE(module1().switching, 0);
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
        // Opening again starts afresh.
        alap().ui().Button1->click();
        QCOMPARE(h01d1().ui().Label3->text(), QString());
        QCOMPARE(h01d1().ui().Command1->text(), QStringLiteral("&Start"));
        QCOMPARE(h01d1().solved, 0);
        QCOMPARE(h01d1().current, 0);
    }

    void onTopToggles()
    {
        TestRun run;
        openFromMenu();
        QAction *onTop = h01d1().frame().onTop;
        QCOMPARE(onTop->text(), QStringLiteral("On&Top"));
        triggerMenu(h01d1().window(), QStringLiteral("mnuOntop"));
        QVERIFY(!onTop->isChecked());
        QCOMPARE(run.desktop().topmost.last(), (FakeDesktop::Topmost{QStringLiteral("h01d1"), false}));
        triggerMenu(h01d1().window(), QStringLiteral("mnuOntop"));
        QVERIFY(onTop->isChecked());
        QCOMPARE(run.desktop().topmost.last(), (FakeDesktop::Topmost{QStringLiteral("h01d1"), true}));
        // Unticked, closed and opened again: on top and ticked again.
        triggerMenu(h01d1().window(), QStringLiteral("mnuOntop"));
        h01d1().ui().Command3->click();
        alap().ui().Button1->click();
        QVERIFY(h01d1().frame().onTop->isChecked());
        QCOMPARE(run.desktop().topmost.last(), (FakeDesktop::Topmost{QStringLiteral("h01d1"), true}));
    }

    void goingToExercise3()
    {
        TestRun run;
        openFromMenu();
        int menuShown = 0;
        h01d1().ui().Command6->click();
        menuShown += alap().isLoaded();
        QCOMPARE(menuShown, 0);
        QVERIFY(!h01d1().isLoaded());
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("h01d3"), QStringLiteral("hatter")}));
        QVERIFY(!h01d3().ui().Command6->isEnabled());
        QVERIFY(h01d3().ui().Command7->isEnabled());
        QCOMPARE(h01d3().title, QStringLiteral("Tarvo! --- 1. Lecke: 3."));
        QCOMPARE(module1().switching, 0);
    }

    void howToAndAbout()
    {
        TestRun run;
        openFromMenu();
        triggerMenu(h01d1().window(), QStringLiteral("mnuHowto"));
        QCOMPARE(run.desktop().lastBox().text,
                 QStringLiteral("Click the \"Start\" button and type your solution in the blank textbox. Then press "
                                "the \"Enter\" key. Go on."));
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Information);
        QCOMPARE(run.desktop().lastBox().title, title);
        triggerMenu(h01d1().window(), QStringLiteral("MnuAbout"));
        QVERIFY(sobre().isVisible());
        QVERIFY(sobre().ui().Command1->isVisible());
        // The About window stays when the exercise window closes.
        h01d1().ui().Command3->click();
        QVERIFY(sobre().isVisible());
    }
};

QTEST_MAIN(H01d1Test)
#include "tst_h01d1.moc"
