// Speaking Hungarian: what each exercise window has spoken, and when, as a learner drives it;
// the Options menu's speech items; the remembered setting and its first default.
#include "support/testing.h"

#include "app/alap.h"
#include "app/sobre.h"
#include "core/speech.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/lex1/lex1.h"
#include "ui/picturebutton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QApplication>
#include <QSettings>
#include <QTimer>

namespace {

enum Action { Answer, Solution, Tick, Untick };

const QString installHint = QStringLiteral(
    "No Hungarian voice: install speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin to hear "
    "Hungarian.");

// Draws that pick an item: exercise 1's slots 1 to 23, exercise 3's items 0 to 11 and
// exercise 4's items 24 to 31.
double slotDraw(int slot)
{
    return (slot - 0.5) / 23;
}
double itemDraw(int exercise, int item)
{
    return exercise == 3 ? (item + 0.5) / 12 : (item - 24 + 0.5) / 8;
}

ExerciseForm &window(int exercise)
{
    return Program::get().exerciseWindow(exercise);
}

// Starts the program and opens an exercise with the menu's button.
void openFromMenu(int exercise)
{
    Program::get().start();
    sobre().Timer1_Timer();
    AlapUi &menu = alap().ui();
    PictureButton *buttons[] = {menu.Button1, menu.Button2, menu.Button3, menu.Button4, menu.Button5};
    QVERIFY(alap().isVisible());
    buttons[exercise - 1]->click();
    QVERIFY(window(exercise).isVisible());
    window(exercise).window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window(exercise).window()));
}

QAction *item(int exercise, const char *name)
{
    return window(exercise).window()->findChild<QAction *>(QLatin1String(name));
}

// The items of the menu that holds On Top, in order.
QList<QAction *> optionsItems(int exercise)
{
    for (QMenu *menu : window(exercise).window()->findChildren<QMenu *>())
        if (menu->actions().contains(window(exercise).frame().onTop))
            return menu->actions();
    return {};
}

QCheckBox *tickBox(int exercise, int index)
{
    return exercise == 2 ? h01d2().ui().Check1[index] : lex1().ui().Check1[index];
}

// Types into the box that has the focus and presses Enter.
void answer(int exercise, const QString &text)
{
    QWidget *box = window(exercise).window()->focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(box));
    typeText(box, text);
    pressEnter(window(exercise).window());
}

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    // What is spoken, for right answers, Solution and ticks, with speaking on and with it off.
    // Exercise 2 is answered after ticking the picture, which speaks its question first.
    void speaksWhatTheLearnerCompletes_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("spoken");
        QTest::addColumn<bool>("on");
        struct Row {
            const char *name;
            int exercise;
            QList<double> draws;
            Action action;
            int picture;
            QString typed;
            QStringList spoken;
        };
        const QList<Row> rows = {
            {"1, right: the article with its noun", 1, {slotDraw(3)}, Answer, -1, "az", {"az orvos"}},
            {"1, right with spaces around", 1, {slotDraw(4)}, Answer, -1, " a ", {"a lány"}},
            {"1, Solution", 1, {slotDraw(3)}, Solution, -1, "", {"az orvos"}},
            {"2, right: the long answer", 2, {}, Answer, 0, "Igen, ez autó.", {"Ez autó?", "Igen, ez autó."}},
            {"2, right: as the box shows it, capital and spaces mended",
             2, {}, Answer, 1, "nem,  nem az.", {"Ez szálloda?", "Nem, nem az."}},
            {"2, Solution: the long answer", 2, {}, Solution, 6, "", {"Szabó Sándor sofőr?", "Igen, Szabó Sándor sofőr."}},
            {"2, a ticked picture: its question", 2, {}, Tick, 4, "", {"Anna magyar?"}},
            {"2, an unticked picture: nothing more", 2, {}, Untick, 4, "", {"Anna magyar?"}},
            {"3, right: the whole sentence", 3, {itemDraw(3, 0)}, Answer, -1, "vagyok", {"Én újságíró vagyok."}},
            {"3, right with no verb", 3, {itemDraw(3, 2)}, Answer, -1, "", {"Ő bolgár."}},
            {"3, Solution", 3, {itemDraw(3, 8)}, Solution, -1, "", {"Te német vagy, ugye?"}},
            {"4, right: the whole sentence", 4, {itemDraw(4, 25)}, Answer, -1, "magas", {"Ez a fiú magas, az alacsony."}},
            {"4, Solution", 4, {itemDraw(4, 28)}, Solution, -1, "", {"Ez az autó új, az régi."}},
            {"5, right: the noun", 5, {}, Answer, -1, "újságíró", {"újságíró"}},
            {"5, a ticked reveal box: the noun", 5, {}, Tick, 5, "", {"híd"}},
            {"5, an unticked reveal box: nothing more", 5, {}, Untick, 5, "", {"híd"}},
            {"5, Solutions (All): no list of twenty words", 5, {}, Solution, -1, "", {}},
        };
        for (const Row &row : rows) {
            for (bool on : {true, false}) {
                QTest::addRow("%s, speaking %s", row.name, on ? "on" : "off")
                    << row.exercise << row.draws << int(row.action) << row.picture << row.typed
                    << (on ? row.spoken : QStringList()) << on;
            }
        }
    }

    void speaksWhatTheLearnerCompletes()
    {
        QFETCH(int, exercise);
        QFETCH(QList<double>, draws);
        QFETCH(int, action);
        QFETCH(int, picture);
        QFETCH(QString, typed);
        QFETCH(QStringList, spoken);
        QFETCH(bool, on);

        TestRun run;
        FakeSpeaker &speaker = run.desktop().speech;
        openFromMenu(exercise);
        QAction *speak = item(exercise, "mnuSpeak");
        QVERIFY(speak->isChecked()); // on at first start: a voice, and no screen reader
        if (!on) {
            speak->trigger();
            QVERIFY(!speak->isChecked());
        }
        run.desktop().draws = draws;
        QTest::mouseClick(window(exercise).frame().start, Qt::LeftButton);
        if (picture >= 0)
            QTest::mouseClick(tickBox(exercise, picture), Qt::LeftButton);
        if (action == Untick)
            QTest::mouseClick(tickBox(exercise, picture), Qt::LeftButton);
        if (action == Answer)
            answer(exercise, typed);
        if (action == Solution)
            QTest::mouseClick(window(exercise).frame().solution, Qt::LeftButton);

        for (const FakeDesktop::Box &box : run.desktop().boxes)
            QVERIFY2(!box.text.startsWith(QLatin1String("Sorry")), qPrintable(box.text));
        QCOMPARE(speaker.spoken, spoken);
    }

    // A wrong answer cuts off the phrase before it, and while its box is up nothing is spoken,
    // not even what the learner asks for; afterwards Say it again repeats the last phrase.
    void aWrongAnswerSpeaksNothing_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("last");
        QTest::newRow("1") << 1 << QList<double>{slotDraw(3), slotDraw(4)} << "az" << "az orvos";
        QTest::newRow("2") << 2 << QList<double>{} << "Igen, az." << "Ez fürdőszoba?";
        QTest::newRow("3") << 3 << QList<double>{itemDraw(3, 0), itemDraw(3, 1)} << "vagyok" << "Én újságíró vagyok.";
        QTest::newRow("4") << 4 << QList<double>{itemDraw(4, 25), itemDraw(4, 26)} << "magas"
                           << "Ez a fiú magas, az alacsony.";
        QTest::newRow("5") << 5 << QList<double>{} << "autó" << "autó";
    }

    void aWrongAnswerSpeaksNothing()
    {
        QFETCH(int, exercise);
        QFETCH(QList<double>, draws);
        QFETCH(QString, right);
        QFETCH(QString, last);

        TestRun run;
        FakeSpeaker &speaker = run.desktop().speech;
        openFromMenu(exercise);
        run.desktop().draws = draws;
        QTest::mouseClick(window(exercise).frame().start, Qt::LeftButton);
        if (exercise == 2)
            QTest::mouseClick(tickBox(2, 0), Qt::LeftButton);
        answer(exercise, right);
        if (exercise == 2)
            QTest::mouseClick(tickBox(2, 2), Qt::LeftButton);
        const QStringList before = speaker.spoken;
        QCOMPARE(before.last(), last);

        int boxes = 0;
        int stopsDuringBox = 0;
        run.desktop().onBox = [&](const FakeDesktop::Box &) {
            ++boxes;
            stopsDuringBox = speaker.stops;
            item(exercise, "mnuSayAgain")->trigger();
            if (exercise == 2)
                QTest::mouseClick(tickBox(2, 3), Qt::LeftButton);
            if (exercise == 5)
                QTest::mouseClick(tickBox(5, 7), Qt::LeftButton);
        };
        const int stopsBefore = speaker.stops;
        answer(exercise, QStringLiteral("Xyz"));
        run.desktop().onBox = nullptr;
        QCOMPARE(boxes, 1);
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Exclamation);
        QVERIFY(stopsDuringBox > stopsBefore); // the box came up in silence
        QCOMPARE(speaker.spoken, before);

        triggerMenu(window(exercise).window(), QStringLiteral("mnuSayAgain"));
        QCOMPARE(speaker.spoken, before + QStringList{last});
    }

    // On the real desktop the wrong-answer box runs its own event loop, in which a screen reader
    // can still tick a picture underneath: it is not spoken while the box is up.
    void aWrongAnswerBoxOnTheRealDesktop()
    {
        class SilentDesktop : public QtDesktop {
        public:
            Speaker &speaker() override { return speech; }
            FakeSpeaker speech;
        };
        useTestSettings(true);
        auto desktop = std::make_unique<SilentDesktop>();
        FakeSpeaker &speaker = desktop->speech;
        auto program = std::make_unique<Program>(std::move(desktop));
        openFromMenu(2);
        QTest::mouseClick(h01d2().ui().Command1, Qt::LeftButton);
        QTest::mouseClick(tickBox(2, 0), Qt::LeftButton);
        answer(2, QStringLiteral("Igen, az."));
        QCOMPARE(speaker.spoken, (QStringList{QStringLiteral("Ez autó?"), QStringLiteral("Igen, az.")}));

        QTest::mouseClick(tickBox(2, 1), Qt::LeftButton);
        bool boxWasUp = false;
        QStringList spokenDuringBox;
        QTimer::singleShot(300, [&] {
            QWidget *box = QApplication::activeModalWidget();
            boxWasUp = box != nullptr;
            tickBox(2, 2)->click();
            QCoreApplication::processEvents();
            spokenDuringBox = speaker.spoken;
            if (box)
                box->close();
        });
        answer(2, QStringLiteral("Igen, ez szálloda.")); // returns when the box is closed
        QVERIFY(boxWasUp);
        QCOMPARE(spokenDuringBox, (QStringList{QStringLiteral("Ez autó?"), QStringLiteral("Igen, az."),
                                               QStringLiteral("Ez szálloda?")}));
        QCOMPARE(speaker.spoken, spokenDuringBox);

        // With the box gone, ticking speaks again.
        QTest::mouseClick(tickBox(2, 3), Qt::LeftButton);
        QCOMPARE(speaker.spoken.last(), QStringLiteral("Ez híd?"));
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Speech stops when its window unloads, by any route, and when Speak Hungarian is unticked
    // (the phrase being spoken is cut off); the next window has nothing to say again until it
    // speaks itself, nor has the unticked one.
    void speechStopsWhenItsWindowUnloads_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("Close") << "Close";
        QTest::newRow("close box") << "close box";
        QTest::newRow("go to exercise 2") << "go to";
        QTest::newRow("Speak Hungarian unticked") << "untick";
    }

    void speechStopsWhenItsWindowUnloads()
    {
        QFETCH(QString, route);
        TestRun run;
        FakeSpeaker &speaker = run.desktop().speech;
        openFromMenu(4);
        run.desktop().draws = {itemDraw(4, 25)};
        QTest::mouseClick(window(4).frame().start, Qt::LeftButton);
        answer(4, QStringLiteral("magas"));
        QCOMPARE(speaker.spoken, QStringList{QStringLiteral("Ez a fiú magas, az alacsony.")});

        const int stops = speaker.stops;
        if (route == QLatin1String("Close"))
            QTest::mouseClick(window(4).frame().close, Qt::LeftButton);
        else if (route == QLatin1String("close box"))
            clickCloseBox(window(4).window());
        else if (route == QLatin1String("untick"))
            triggerMenu(window(4).window(), QStringLiteral("mnuSpeak"));
        else
            QTest::mouseClick(window(4).frame().goTo[2], Qt::LeftButton);
        QCOMPARE(speaker.stops, stops + 1);
        if (route == QLatin1String("untick")) {
            QVERIFY(window(4).isVisible());
            QVERIFY(!item(4, "mnuSpeak")->isChecked());
            QVERIFY(!item(4, "mnuSayAgain")->isEnabled());
            QCOMPARE(speaker.spoken.size(), 1);
            return;
        }
        QVERIFY(!window(4).isLoaded());

        const int next = route == QLatin1String("go to") ? 2 : 1;
        if (next == 1)
            alap().ui().Button1->click();
        QVERIFY(window(next).isVisible());
        triggerMenu(window(next).window(), QStringLiteral("mnuSayAgain"));
        QCOMPARE(speaker.spoken.size(), 1);
    }

    // The engine is not touched at start-up: the title card and the menu come without it, and
    // the first exercise window connects to it.
    void startUpDoesNotConnect()
    {
        TestRun run;
        Program::get().start();
        sobre().Timer1_Timer();
        QVERIFY(alap().isVisible());
        QVERIFY(!run.desktop().speech.opened);
        alap().ui().Button5->click();
        QVERIFY(run.desktop().speech.opened);
    }

    // The learner's choices hold from one run of the program to the next.
    void choicesAreRemembered()
    {
        {
            TestRun run;
            openFromMenu(3);
            QVERIFY(item(3, "mnuSpeak")->isChecked());
            QVERIFY(!item(3, "mnuSlowly")->isChecked());
            triggerMenu(window(3).window(), QStringLiteral("mnuSpeak"));
            triggerMenu(window(3).window(), QStringLiteral("mnuSlowly"));
            QVERIFY(run.desktop().speech.slow);
            // Another window shows the same choices.
            QTest::mouseClick(window(3).frame().goTo[1], Qt::LeftButton);
            QVERIFY(!item(1, "mnuSpeak")->isChecked());
            QVERIFY(item(1, "mnuSlowly")->isChecked());
            QVERIFY(!item(1, "mnuSayAgain")->isEnabled());
        }
        {
            TestRun run(TestRun::KeepSettings);
            openFromMenu(1);
            QVERIFY(!item(1, "mnuSpeak")->isChecked());
            QVERIFY(item(1, "mnuSlowly")->isChecked());
            QVERIFY(run.desktop().speech.slow);
            run.desktop().draws = {slotDraw(3)};
            QTest::mouseClick(window(1).frame().start, Qt::LeftButton);
            answer(1, QStringLiteral("az"));
            QVERIFY(run.desktop().speech.spoken.isEmpty());

            triggerMenu(window(1).window(), QStringLiteral("mnuSpeak"));
            triggerMenu(window(1).window(), QStringLiteral("mnuSlowly"));
            QVERIFY(!run.desktop().speech.slow);
        }
        {
            TestRun run(TestRun::KeepSettings);
            openFromMenu(1);
            QVERIFY(item(1, "mnuSpeak")->isChecked());
            QVERIFY(!item(1, "mnuSlowly")->isChecked());
        }
    }

    // Speaking is on at first start only with a Hungarian voice and no screen reader; the first
    // decision is stored, and a phrase completed before the engine has answered is spoken
    // once it answers.
    void theFirstStart_data()
    {
        QTest::addColumn<int>("voice");
        QTest::addColumn<bool>("screenReader");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("a voice") << int(Speaker::Voice::Hungarian) << false << true << QVariant(true);
        QTest::newRow("a voice and a screen reader") << int(Speaker::Voice::Hungarian) << true << false
                                                     << QVariant(false);
        QTest::newRow("no voice: nothing decided yet") << int(Speaker::Voice::Missing) << false << false << QVariant();
    }

    void theFirstStart()
    {
        QFETCH(int, voice);
        QFETCH(bool, screenReader);
        QFETCH(bool, on);
        QFETCH(QVariant, stored);

        TestRun run;
        FakeSpeaker &speaker = run.desktop().speech;
        speaker.answerLater = true;
        speaker.screenReader = screenReader;
        openFromMenu(1);
        run.desktop().draws = {slotDraw(3)};
        QTest::mouseClick(window(1).frame().start, Qt::LeftButton);
        answer(1, QStringLiteral("az"));
        QVERIFY(speaker.spoken.isEmpty());

        QVERIFY(item(1, "mnuSpeak")->isEnabled()); // not known yet to be missing
        speaker.answer(Speaker::Voice(voice));
        // The open window follows the engine's answer.
        QCOMPARE(item(1, "mnuSpeak")->isEnabled(), voice == int(Speaker::Voice::Hungarian));
        QCOMPARE(item(1, "mnuSpeak")->isChecked(), on);
        QCOMPARE(speaker.spoken, on ? QStringList{QStringLiteral("az orvos")} : QStringList());
        QCOMPARE(QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).value(QStringLiteral("speech/speak")),
                 stored);
    }

    // Without a Hungarian voice or a speech engine the speech items are disabled and say what
    // to install; the exercise goes on as ever, in silence. On Top stays the menu's first item.
    void withoutAVoice_data()
    {
        QTest::addColumn<int>("exercise");
        for (int exercise = 1; exercise <= 5; ++exercise)
            QTest::addRow("exercise %d", exercise) << exercise;
    }

    void withoutAVoice()
    {
        QFETCH(int, exercise);
        TestRun run;
        run.desktop().speech.engineVoice = Speaker::Voice::Missing;
        openFromMenu(exercise);
        const QList<QAction *> options = optionsItems(exercise);
        QCOMPARE(options.size(), 5);
        QCOMPARE(options[0], window(exercise).frame().onTop);
        QVERIFY(options[1]->isSeparator());
        QCOMPARE(options[2], item(exercise, "mnuSpeak"));
        QCOMPARE(options[2]->text(), QStringLiteral("&Speak Hungarian"));
        QCOMPARE(options[3]->text(), QStringLiteral("Say it &again"));
        QCOMPARE(options[4]->text(), QStringLiteral("S&lowly"));
        for (QAction *speechItem : options.mid(2)) {
            QVERIFY2(!speechItem->isEnabled(), qPrintable(speechItem->objectName()));
            QCOMPARE(speechItem->statusTip(), installHint);
            QCOMPARE(speechItem->toolTip(), installHint);
        }
        QVERIFY(!options[2]->isChecked());

        // Solution still shows its box, and says nothing.
        QTest::mouseClick(window(exercise).frame().start, Qt::LeftButton);
        if (exercise == 2)
            QTest::mouseClick(tickBox(2, 0), Qt::LeftButton);
        QTest::mouseClick(window(exercise).frame().solution, Qt::LeftButton);
        QVERIFY(!run.desktop().boxes.isEmpty());
        QVERIFY(run.desktop().speech.spoken.isEmpty());
    }

    // With a voice the items are enabled and say what they do.
    void withAVoice()
    {
        TestRun run;
        openFromMenu(2);
        for (const char *name : {"mnuSpeak", "mnuSayAgain", "mnuSlowly"}) {
            QVERIFY2(item(2, name)->isEnabled(), name);
            QVERIFY2(!item(2, name)->toolTip().isEmpty() && item(2, name)->toolTip() != installHint, name);
        }
        // Switched off, there is nothing to say again.
        triggerMenu(h01d2().window(), QStringLiteral("mnuSpeak"));
        QVERIFY(!item(2, "mnuSayAgain")->isEnabled());
        QVERIFY(item(2, "mnuSlowly")->isEnabled());
    }
};

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
