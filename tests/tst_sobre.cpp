// The title card and the About window.
#include "app/alap.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "support/testing.h"
#include "ui/panel3d.h"
#include "ui/picture.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

class SobreTest : public QObject {
    Q_OBJECT

private slots:
    void titleCard()
    {
        TestRun run;
        Program::get().start();
        SobreUi &u = sobre().ui();
        QCOMPARE(sobre().window()->windowTitle(), QStringLiteral("  About Tarvo!"));
        QCOMPARE(sobre().window()->cursor().shape(), Qt::WaitCursor);
        QVERIFY(!u.Command1->isVisible());
        QVERIFY(u.Timer1->isActive());
        QVERIFY(u.Timer2->isActive());
        QCOMPARE(u.Timer2->interval(), 700);
        QCOMPARE(u.SSPanel2->caption(), QStringLiteral("T A R V O !"));
        QCOMPARE(u.Label5->text(), QStringLiteral("(Magyar mint idegen nyelv     Hungarian as a foreign language)"));
        QCOMPARE(u.Label1->text(), QStringLiteral("On the basis of the book: Kelvora!  "));
        QCOMPARE(u.Label6->text(), QStringLiteral("For more information click here:"));
        QCOMPARE(u.Image1->picture(), u.Image3->picture());
        for (PictureBox *store : {u.Image3, u.Image4, u.Image5})
            QVERIFY(!store->isVisible());
        // The first tick hands over to the menu.
        QSignalSpy ticks(u.Timer1, &QTimer::timeout);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(ticks.size(), 1);
        QVERIFY(!sobre().isLoaded());
        QVERIFY(alap().isVisible());
        QVERIFY(module1().aboutShown);
    }

    void aboutWindowStays()
    {
        TestRun run;
        module1().aboutShown = true; // the title card has been and gone
        sobre().openAsAbout();
        SobreUi &u = sobre().ui();
        QVERIFY(u.Command1->isVisible());
        QCOMPARE(sobre().window()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!u.Timer1->isActive());
        QTest::qWait(2500);
        QVERIFY(sobre().isVisible());
        QCOMPARE(run.desktop().endCalls, 0);
        // OK is the default button: Enter closes it.
        pressEnter(sobre().window());
        QVERIFY(!sobre().isLoaded());
    }

    void reachedAsAboutBeforeTheCardEnds()
    {
        // Loading as the title card, then asked to be the About window: it stays.
        TestRun run;
        Program::get().start();
        sobre().openAsAbout();
        QVERIFY(!sobre().ui().Timer1->isActive());
        QVERIFY(sobre().ui().Command1->isVisible());
        QTest::qWait(1000);
        QVERIFY(sobre().isVisible());
    }

    void logoCycles()
    {
        TestRun run;
        module1().aboutShown = true;
        sobre().openAsAbout();
        SobreUi &u = sobre().ui();
        const QList<Picture> frames{u.Image3->picture(), u.Image4->picture(), u.Image5->picture()};
        QCOMPARE(u.Image1->picture(), frames[0]);
        const int expected[] = {1, 2, 0, 1};
        QSignalSpy ticks(u.Timer2, &QTimer::timeout);
        for (int frame : expected) {
            QVERIFY(ticks.wait(1500));
            QCOMPARE(u.Image1->picture(), frames[frame]);
        }
        // The three frames are three different drawings.
        QVERIFY(frames[0] != frames[1] && frames[1] != frames[2] && frames[0] != frames[2]);
    }

    void informationBox_data()
    {
        QTest::addColumn<bool>("titleCard");
        QTest::newRow("from the title card") << true;
        QTest::newRow("from the About window") << false;
    }

    void informationBox()
    {
        QFETCH(bool, titleCard);
        TestRun run;
        if (titleCard)
            Program::get().start();
        else {
            module1().aboutShown = true;
            sobre().openAsAbout();
        }
        QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton);
        QCOMPARE(run.desktop().boxes.size(), 1);
        const FakeDesktop::Box box = run.desktop().lastBox();
        QCOMPARE(box.title, QStringLiteral("About Tarvo!"));
        QCOMPARE(box.icon, MsgIcon::Information);
        // Four paragraphs: an empty line after the first and the second, one line break after the third.
        const QStringList lines = box.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[1].isEmpty() && lines[3].isEmpty());
        for (int i : {0, 2, 4})
            QVERIFY2(lines[i].startsWith(QStringLiteral("     ")) && lines[i].at(5) != QLatin1Char(' '),
                     qPrintable(lines[i]));
        QVERIFY(lines[0].contains(QStringLiteral("\"Kelvora!\"")));
        QVERIFY(lines[0].contains(QStringLiteral("Tarvo team")));
        QCOMPARE(lines[4], QStringLiteral("     If you have any remark or suggestion, or you just want to let us know "
                                          "you are using the program, please contact me:  "));
        QCOMPARE(lines[5], QString(49, QLatin1Char(' ')) + QStringLiteral("tarvo@example.org"));
    }

    void unloadingSetsAboutShown_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
    }

    void unloadingSetsAboutShown()
    {
        QFETCH(int, how);
        TestRun run;
        Program::get().start();
        sobre().openAsAbout();
        QVERIFY(!module1().aboutShown);
        if (how == 0)
            sobre().ui().Command1->click();
        else
            clickCloseBox(sobre().window());
        QVERIFY(!sobre().isLoaded());
        QVERIFY(module1().aboutShown);
        // Every later load is the About window.
        sobre().load();
        QVERIFY(sobre().ui().Command1->isVisible());
        QVERIFY(!sobre().ui().Timer1->isActive());
        QCOMPARE(sobre().window()->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(SobreTest)
#include "tst_sobre.moc"
