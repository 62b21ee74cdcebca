// The window model, start-up, the menu, the background window and program end.
#include "app/alap.h"
#include "app/hatter.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d3/h01d3.h"
#include "support/testing.h"
#include "ui/panel3d.h"
#include "ui/picturebutton.h"
#include "ui/windowservices.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

class ProgramTest : public QObject {
    Q_OBJECT

private:
    // Start-up as far as the menu.
    static void startToMenu(TestRun &)
    {
        Program::get().start();
        sobre().Timer1_Timer();
    }

private slots:
    void touchingAControlLoadsTheWindowOnce()
    {
        TestRun run;
        H01d1 &w = h01d1();
        QVERIFY(!w.isLoaded());
        QPushButton *next = w.ui().Command2; // touching a control loads the window
        QVERIFY(w.isLoaded());
        QCOMPARE(next->objectName(), QStringLiteral("Command2"));
        QCOMPARE(w.title, QStringLiteral("  Tarvo! --- 1. Lecke: 1."));
        // Form_Load ran once: the On Top toggle was applied exactly once.
        QCOMPARE(run.desktop().topmost.size(), 1);
        w.ui().Command1->setText(QStringLiteral("x"));
        QCOMPARE(run.desktop().topmost.size(), 1);
        QVERIFY(!w.window()->isVisible()); // loading is not showing
    }

    void unloadKeepsVariablesAndRecreatesControls()
    {
        TestRun run;
        H01d1 &w = h01d1();
        w.ui().Command1->setText(QStringLiteral("Restart"));
        w.ui().Label3->setText(QStringLiteral("az orvos; "));
        w.solved = 7;
        w.title = QStringLiteral("changed");
        w.unload();
        QVERIFY(!w.isLoaded());
        QCOMPARE(w.solved, 7);
        QCOMPARE(w.ui().Command1->text(), QStringLiteral("&Start"));
        QCOMPARE(w.ui().Label3->text(), QString());
        // Loading again runs Form_Load, which sets the title afresh.
        QCOMPARE(w.title, QStringLiteral("  Tarvo! --- 1. Lecke: 1."));
        QCOMPARE(w.solved, 0);
    }

    void showingIsModelessAndOnlyBringsForward()
    {
        TestRun run;
        h01d1().show();
        FormWindow *first = h01d1().window();
        h01d1().show();
        QCOMPARE(h01d1().window(), first);
        QCOMPARE(run.desktop().topmost.size(), 1);
    }

    void unloadInsideOwnHandlerKeepsTheWidgetAlive()
    {
        TestRun run;
        startToMenu(run);
        alap().ui().Button1->click();
        QPointer<QPushButton> close = h01d1().ui().Command3;
        close->click(); // Close unloads the window from its own handler
        QVERIFY(!h01d1().isLoaded());
        QVERIFY(close); // not deleted under the running handler
        QVERIFY(!close->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!close); // gone once the handler has returned
    }

    void centerForm_data()
    {
        QTest::addColumn<double>("widthScreens");
        QTest::addColumn<double>("heightScreens");
        QTest::newRow("twice the screen's width") << 2.0 << 0.5;
        QTest::newRow("screen-sized") << 1.0 << 1.0;
        QTest::newRow("half the screen") << 0.5 << 0.5;
        QTest::newRow("three times as high") << 0.25 << 3.0;
    }

    void centerForm()
    {
        QFETCH(double, widthScreens);
        QFETCH(double, heightScreens);
        TestRun run;
        QWidget window;
        const QRect screen = window.screen()->geometry();
        window.resize(int(screen.width() * widthScreens), int(screen.height() * heightScreens));
        ::centerForm(&window);
        QCOMPARE(window.x(), int(std::floor((screen.width() - window.width()) / 2.0)));
        QCOMPARE(window.y(), int(std::floor((screen.height() - window.height()) / 2.0)));
        if (widthScreens == 2.0)
            QCOMPARE(window.x(), -screen.width() / 2);
        if (widthScreens == 1.0)
            QCOMPARE(window.pos(), QPoint(0, 0));
    }

    void titleCardHandsOverToTheMenu()
    {
        TestRun run;
        Program::get().start();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("sobre")});
        QVERIFY(!module1().aboutShown);
        QCOMPARE(module1().newLine, QStringLiteral("\r\n"));
        QCOMPARE(sobre().window()->cursor().shape(), Qt::WaitCursor);
        QVERIFY(!sobre().ui().Command1->isVisible());
        QCOMPARE(sobre().ui().Timer1->interval(), 800);
        QVERIFY(sobre().ui().Timer1->isActive());
        QVERIFY(run.desktop().topmost.contains(FakeDesktop::Topmost{QStringLiteral("sobre"), true}));

        // The timer's own tick, not a call: the card goes and the menu comes with the backdrop.
        QTRY_VERIFY_WITH_TIMEOUT(alap().isVisible(), 3000);
        QVERIFY(!sobre().isLoaded());
        QVERIFY(module1().aboutShown);
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
        QCOMPARE(module1().wrongMessage,
                 QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too."));
        QCOMPARE(alap().window()->windowTitle(), QStringLiteral("  T A R V O ! -  1. Lecke"));
        QCOMPARE(hatter().window()->windowTitle(), QStringLiteral("   T A R V O  !"));
        QVERIFY(run.desktop().topmost.contains(FakeDesktop::Topmost{QStringLiteral("alap"), true}));
        QCOMPARE(run.desktop().endCalls, 0);
    }

    void closingTheTitleCardEndsTheProgram()
    {
        TestRun run;
        Program::get().start();
        clickCloseBox(sobre().window());
        QVERIFY(!sobre().isLoaded());
        QCOMPARE(run.desktop().endCalls, 1);
    }

    void menuHowTo()
    {
        TestRun run;
        startToMenu(run);
        triggerMenu(alap().window(), QStringLiteral("mnuHow"));
        QCOMPARE(run.desktop().boxes.size(), 1);
        const FakeDesktop::Box box = run.desktop().lastBox();
        QCOMPARE(box.title, QStringLiteral("How to ..."));
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.text, QStringLiteral("Select the exercise you want to work with by clicking on its number. "
                                          "(Exercises 1 to 4 correspond to those in the part D of  \"Kelvora!\", "
                                          "meanwhile the last exercise is a bonus on vocabulary. "));
    }

    void aboutFromTheMenuStaysOpen()
    {
        TestRun run;
        startToMenu(run);
        triggerMenu(alap().window(), QStringLiteral("mnuabout"));
        QVERIFY(sobre().isVisible());
        QVERIFY(sobre().ui().Command1->isVisible());
        QVERIFY(!sobre().ui().Timer1->isActive());
        QCOMPARE(sobre().window()->cursor().shape(), Qt::ArrowCursor);
        // Opening an exercise leaves it open; so does waiting past the title card's time.
        alap().ui().Button3->click();
        QTest::qWait(1000);
        QVERIFY(sobre().isVisible());
        // Opening it again brings the same window forward.
        FormWindow *about = sobre().window();
        triggerMenu(h01d3().window(), QStringLiteral("mnuAbout"));
        QCOMPARE(sobre().window(), about);
        sobre().ui().Command1->click();
        QVERIFY(!sobre().isLoaded());
        QVERIFY(h01d3().isVisible());
    }

    void menuButtonsOpenTheirExercises_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("window");
        for (int i = 1; i <= 5; ++i)
            QTest::addRow("button %d", i) << i
                                          << QStringList{"h01d1", "h01d2", "h01d3", "h01d3", "lex1"}.at(i - 1);
    }

    void menuButtonsOpenTheirExercises()
    {
        QFETCH(int, button);
        QFETCH(QString, window);
        TestRun run;
        startToMenu(run);
        // The access key, as a learner presses it.
        alap().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(alap().window()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + button), Qt::AltModifier);
        QTRY_VERIFY(!alap().isLoaded()); // an access key presses the button visibly first
        QStringList expected{QStringLiteral("hatter"), window};
        expected.sort();
        QCOMPARE(visibleWindows(), expected);
        if (button == 3 || button == 4) {
            QCOMPARE(h01d3().ui().Command6->isEnabled(), button == 4);
            QCOMPARE(h01d3().ui().Command7->isEnabled(), button == 3);
        }
    }

    void endClosesEverythingWithoutUnloadHandlers()
    {
        TestRun run;
        startToMenu(run);
        triggerMenu(alap().window(), QStringLiteral("mnuabout"));
        module1().aboutShown = false; // would become true if sobre's unload handler ran
        alap().ui().Command1->click();
        QCOMPARE(visibleWindows(), QStringList());
        QVERIFY(!module1().aboutShown);
        QCOMPARE(run.desktop().endCalls, 1);
    }

    void closingMenuThenBackgroundEndsTheProgram()
    {
        TestRun run;
        startToMenu(run);
        clickCloseBox(alap().window());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("hatter")});
        QCOMPARE(run.desktop().endCalls, 0);
        clickCloseBox(hatter().window());
        QCOMPARE(visibleWindows(), QStringList());
        QCOMPARE(run.desktop().endCalls, 1);
    }

    void closingBackgroundLeavesMenuWorking()
    {
        TestRun run;
        startToMenu(run);
        clickCloseBox(hatter().window());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("alap")});
        QCOMPARE(run.desktop().endCalls, 0);
        alap().ui().Button1->click();
        clickCloseBox(h01d1().window());
        // The menu comes back, and with it the background window.
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
    }

    void menuLayout()
    {
        TestRun run;
        startToMenu(run);
        AlapUi &u = alap().ui();
        QCOMPARE(u.Panel3D1->caption(), QStringLiteral("Choose an exercise and click on the icon"));
        const QList<PictureButton *> buttons{u.Button1, u.Button2, u.Button3, u.Button4, u.Button5};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(buttons[i]->text(), QStringLiteral("&%1").arg(i + 1));
            QCOMPARE(buttons[i]->geometry(), QRect(24, 80 + 56 * i, 73, 42));
            QCOMPARE(buttons[i]->shownPicture().resource, QStringLiteral(":/icons/book.svg"));
        }
        QCOMPARE(u.Label7->text(),
                 QStringLiteral("(Affirmative and negative sentences: short or long answers in complete sentences.)"));
        QCOMPARE(u.Command1->text(), QStringLiteral("&End"));
        QCOMPARE(alap().window()->client()->size(), QSize(399, 461));
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
