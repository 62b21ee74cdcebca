// Exercises 3 and 4 and their Plus runs, driven as a learner drives them.
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

namespace {

const QString title3 = QStringLiteral("Tarvo! --- 1. Lecke: 3.");
const QString title4 = QStringLiteral("Tarvo! --- 1. Lecke: 4.");
const QString completionText =
    QStringLiteral("The exercise has been accomplished. If you want to restart it, click the\"Restart\" button.");
const QString wrongText = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");

struct Item {
    QString stem;
    QString key;
    QString ending;
    QString sentence; // as the transcript shows it, without the space that follows
};

// Items 0 to 23 are exercise 3, 24 to 39 exercise 4.
const QList<Item> bank = {
    {"Én újságíró", "vagyok", ".", "Én újságíró vagyok."},
    {"Te nem mérnök", "vagy", "?", "Te nem mérnök vagy?"},
    {"Ő bolgár", "", ".", "Ő bolgár."},
    {"Nagy János magyar", "", ".", "Nagy János magyar."},
    {"Te magas", "vagy", ".", "Te magas vagy."},
    {"Én alacsony", "vagyok", ".", "Én alacsony vagyok."},
    {"Ön orvos", "", "?", "Ön orvos?"},
    {"John nem amerikai", "", ".", "John nem amerikai."},
    {"Te német", "vagy", ", ugye?", "Te német vagy, ugye?"},
    {"Karin nem lengyel", "", ".", "Karin nem lengyel."},
    {"Én nem", "vagyok", "szép.", "Én nem vagyok szép."},
    {"Ő nem sofőr", "", ".", "Ő nem sofőr."},
    {"Te nem újságíró", "vagy", ".", "Te nem újságíró vagy."},
    {"Te Viktor", "vagy", "?", "Te Viktor vagy?"},
    {"Ő bolgár", "", ".", "Ő bolgár."},
    {"Anna francia", "", "?", "Anna francia?"},
    {"A sofőr nem német", "", ".", "A sofőr nem német."},
    {"Én Kati", "vagyok", ".", "Én Kati vagyok."},
    {"Te nem", "vagy", "angol?", "Te nem vagy angol?"},
    {"Ön", "", "az orvos?", "Ön az orvos?"},
    {"Ön nem Kis József", "", "?", "Ön nem Kis József?"},
    {"Ki", "", "ön?", "Ki ön?"},
    {"Te mi", "vagy", "?", "Te mi vagy?"},
    {"Nem én", "vagyok", "a tanár.", "Nem én vagyok a tanár."},
    {"Ez a lány szép, az", "csúnya", ".", "Ez a lány szép, az csúnya."},
    {"Ez a fiú", "magas", ", az alacsony.", "Ez a fiú magas, az alacsony."},
    {"Ez a szálloda olcsó, az", "drága", ".", "Ez a szálloda olcsó, az drága."},
    {"Ez a szoba", "világos", ", az sötét.", "Ez a szoba világos, az sötét."},
    {"Ez az autó új, az", "régi", ".", "Ez az autó új, az régi."},
    {"Ez a ház kényelmes, az", "kényelmetlen", ".", "Ez a ház kényelmes, az kényelmetlen."},
    {"Ez a fürdőszoba tiszta, az", "piszkos", ".", "Ez a fürdőszoba tiszta, az piszkos."},
    {"Ez a szekrény", "kicsi", ", az nagy.", "Ez a szekrény kicsi, az nagy."},
    {"Ez a híd szép, az", "csúnya", ".", "Ez a híd szép, az csúnya."},
    {"Ez az orvos", "rossz", ", az jó.", "Ez az orvos rossz, az jó."},
    {"Ez a sziget kicsi, az", "nagy", ".", "Ez a sziget kicsi, az nagy."},
    {"Ez az étterem drága, az", "olcsó", ".", "Ez az étterem drága, az olcsó."},
    {"Ez a kulcs régi, az", "új", ".", "Ez a kulcs régi, az új."},
    {"Ez a templom magas, az", "alacsony", ".", "Ez a templom magas, az alacsony."},
    {"Ez a szoba", "kényelmes", ", az kényelmetlen.", "Ez a szoba kényelmes, az kényelmetlen."},
    {"Ez az autó", "tiszta", ", az piszkos.", "Ez az autó tiszta, az piszkos."},
};

struct Range {
    int lo;
    int n;
};

Range rangeOf(int exercise, bool plus)
{
    if (exercise == 3)
        return {0, plus ? 24 : 12};
    return {24, plus ? 16 : 8};
}

// A random value that draws the given item of the range.
double drawOf(int item, Range r)
{
    return (item - r.lo + 0.5) / r.n;
}

H01d3Ui &ui()
{
    return h01d3().ui();
}

// Starts the program and opens exercise 3 or 4 with the menu's button.
void openFromMenu(int exercise)
{
    Program::get().start();
    sobre().Timer1_Timer();
    (exercise == 3 ? alap().ui().Button3 : alap().ui().Button4)->click();
    h01d3().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h01d3().window()));
}

// Opens the window again from the menu, after it has been closed.
void reopenFromMenu(int exercise)
{
    QVERIFY(alap().isVisible());
    (exercise == 3 ? alap().ui().Button3 : alap().ui().Button4)->click();
    h01d3().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h01d3().window()));
}

// Types into the gap key by key; letters that an English keyboard lacks come as a Hungarian
// keyboard sends them, as key presses that carry the letter.
void type(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(ui().Text1, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, ui().Text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void answer(const QString &text)
{
    type(text);
    pressEnter(h01d3().window());
}

bool completionShown(const FakeDesktop &d, qsizetype boxesBefore)
{
    return d.boxes.size() == boxesBefore + 1 && d.lastBox().text == completionText;
}

// Answers every item the window shows with its key until the completion box comes, at most
// `limit` answers. Checks that each item shows its own stem and ending; records the items in the
// order they came.
void answerUntilComplete(FakeDesktop &d, int limit, QList<int> &shown)
{
    for (int i = 0; i < limit; ++i) {
        const int item = h01d3().current;
        QVERIFY2(item >= 0 && item < bank.size(), qPrintable(QString::number(item)));
        QCOMPARE(ui().Text2->text(), bank[item].stem + QLatin1Char(' '));
        QCOMPARE(ui().Text3->text(), QLatin1Char(' ') + bank[item].ending);
        QCOMPARE(ui().Text1->text(), QString());
        shown.append(item);
        const qsizetype before = d.boxes.size();
        answer(bank[item].key);
        if (completionShown(d, before))
            return;
        QCOMPARE(d.boxes.size(), before);
    }
}

QString transcriptOf(const QList<int> &items)
{
    QString text;
    for (int item : items)
        text += bank[item].sentence + QLatin1Char(' ');
    return text;
}

QList<int> sorted(QList<int> items)
{
    std::sort(items.begin(), items.end());
    return items;
}

QList<int> rangeItems(Range r)
{
    QList<int> items;
    for (int i = r.lo; i < r.lo + r.n; ++i)
        items.append(i);
    return items;
}

// Starts a run and answers it to the end; returns the items it presented.
QList<int> fullRun(FakeDesktop &d, int limit = 40)
{
    QList<int> shown;
    ui().Command1->click();
    answerUntilComplete(d, limit, shown);
    return shown;
}

} // namespace

class H01d3Test : public QObject {
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QList<int>>("targets"); // items the fixed draws aim at, repeats included
        QTest::addColumn<QList<int>>("order");   // the items the run presents, in order

        // -1 stands for a draw just below 1, which lands on the last item of the range.
        QTest::newRow("code 3, fixed") << 3 << false
                                       << QList<int>{11, -1, 0, 5, 0, 3, 3, 1, 2, 4, 6, 7, 8, 9, 10}
                                       << QList<int>{11, 0, 5, 3, 1, 2, 4, 6, 7, 8, 9, 10};
        QTest::newRow("code 1, fixed") << 3 << true
                                       << QList<int>{23, 14, 2, 14, 12, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15,
                                                     16, 17, 18, 19, 20, 21, 22}
                                       << QList<int>{23, 14, 2, 12, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 16,
                                                     17, 18, 19, 20, 21, 22};
        QTest::newRow("code 4, fixed") << 4 << false << QList<int>{24, 31, 24, 27, 25, 26, 28, 29, 30}
                                       << QList<int>{24, 31, 27, 25, 26, 28, 29, 30};
        QTest::newRow("code 2, fixed") << 4 << true
                                       << QList<int>{38, 27, 38, 32, 39, 24, 25, 26, 28, 29, 30, 31, 33, 34, 35, 36,
                                                     37}
                                       << QList<int>{38, 27, 32, 39, 24, 25, 26, 28, 29, 30, 31, 33, 34, 35, 36, 37};
        QTest::newRow("code 3, generator") << 3 << false << QList<int>{} << QList<int>{};
        QTest::newRow("code 1, generator") << 3 << true << QList<int>{} << QList<int>{};
        QTest::newRow("code 4, generator") << 4 << false << QList<int>{} << QList<int>{};
        QTest::newRow("code 2, generator") << 4 << true << QList<int>{} << QList<int>{};
    }

    // Each run presents every item of its range once and completes at the last right answer.
    void runs()
    {
        QFETCH(int, exercise);
        QFETCH(bool, plus);
        QFETCH(QList<int>, targets);
        QFETCH(QList<int>, order);
        TestRun run;
        FakeDesktop &d = run.desktop();
        openFromMenu(exercise);
        const Range range = rangeOf(exercise, plus);
        for (int item : targets)
            d.draws.append(item < 0 ? 0.99999999999 : drawOf(item, range));
        if (plus)
            ui().Plus->click();
        d.clear();

        const QList<int> shown = fullRun(d);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shown.size(), range.n);
        QCOMPARE(sorted(shown), rangeItems(range));
        if (!order.isEmpty())
            QCOMPARE(shown, order);

        const FakeDesktop::Box done = d.lastBox();
        QCOMPARE(d.boxes.size(), 1);
        QCOMPARE(done.title, exercise == 3 ? title3 : title4);
        QCOMPARE(done.icon, MsgIcon::Stop);
        QCOMPARE(done.owner, QStringLiteral("h01d3"));
        QCOMPARE(d.beeps, 1);
        QCOMPARE(ui().Label3->text(), transcriptOf(shown));
        QVERIFY(!ui().Command2->isEnabled());
        QVERIFY(!ui().Command2->isDefault());
        QVERIFY(ui().Command1->isEnabled());
        QCOMPARE(ui().Command1->text(), QStringLiteral("&Restart"));
        QVERIFY(ui().Plus->isVisible());
        QVERIFY(ui().Label1->isVisible());
        QCOMPARE(ui().Text1->text(), QString());
        QCOMPARE(ui().Text2->text(), QString());
        QCOMPARE(ui().Text3->text(), QString());

        // Solution still tells the key of the last item.
        ui().Command8->click();
        QCOMPARE(d.lastBox().text, QStringLiteral("The correct solution is: ") + bank[shown.last()].key);
        QCOMPARE(d.lastBox().icon, MsgIcon::Information);

        // Restart clears the transcript and runs the same range again.
        d.clear();
        const QList<int> again = fullRun(d);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(sorted(again), rangeItems(range));
        QCOMPARE(ui().Label3->text(), transcriptOf(again));
    }

    void runState()
    {
        TestRun run;
        openFromMenu(3);
        H01d3Ui &u = ui();
        QCOMPARE(u.Command1->text(), QStringLiteral("&Start"));
        QVERIFY(u.Command2->isEnabled());
        QVERIFY(u.Command2->isDefault());
        QVERIFY(u.Plus->isVisible());
        QVERIFY(u.Label1->isVisible());
        QVERIFY(u.Command8->isEnabled());
        run.desktop().draws = {drawOf(4, rangeOf(3, false))};
        u.Command1->click();
        QVERIFY(!u.Command1->isEnabled());
        QVERIFY(u.Command2->isDefault());
        QVERIFY(!u.Plus->isVisible());
        QVERIFY(!u.Label1->isVisible());
        QVERIFY(u.Text1->hasFocus());
        QCOMPARE(u.Text2->text(), QStringLiteral("Te magas "));
        QCOMPARE(u.Text3->text(), QStringLiteral(" ."));
    }

    void transcript_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("Én újságíró vagyok. ");
        QTest::newRow("2") << 2 << QStringLiteral("Ő bolgár. ");
        QTest::newRow("8") << 8 << QStringLiteral("Te német vagy, ugye? ");
        QTest::newRow("10") << 10 << QStringLiteral("Én nem vagyok szép. ");
        QTest::newRow("18") << 18 << QStringLiteral("Te nem vagy angol? ");
        QTest::newRow("19") << 19 << QStringLiteral("Ön az orvos? ");
        QTest::newRow("21") << 21 << QStringLiteral("Ki ön? ");
        QTest::newRow("24") << 24 << QStringLiteral("Ez a lány szép, az csúnya. ");
        QTest::newRow("25") << 25 << QStringLiteral("Ez a fiú magas, az alacsony. ");
    }

    void transcript()
    {
        QFETCH(int, item);
        QFETCH(QString, text);
        TestRun run;
        const int exercise = item < 24 ? 3 : 4;
        openFromMenu(exercise);
        ui().Plus->click();
        run.desktop().draws = {drawOf(item, rangeOf(exercise, true))};
        ui().Command1->click();
        QCOMPARE(h01d3().current, item);
        answer(bank[item].key);
        QCOMPARE(ui().Label3->text(), text);
        QCOMPARE(run.desktop().boxes.size(), 0);
        // A screen reader reads the sentence, and hears what the label is from its description.
        QCOMPARE(accessibleText(ui().Label3), text);
        QCOMPARE(accessibleText(ui().Label3, QAccessible::Description), QStringLiteral("Transcript"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("blanks around vagyok") << 0 << QStringLiteral("   vagyok  ") << true;
        QTest::newRow("capital Vagyok") << 0 << QStringLiteral("Vagyok") << false;
        QTest::newRow("vagy for vagyok") << 0 << QStringLiteral("vagy") << false;
        QTest::newRow("vagyok for vagy") << 1 << QStringLiteral("vagyok") << false;
        QTest::newRow("inner blank") << 0 << QStringLiteral("vagy ok") << false;
        QTest::newRow("no accent") << 24 << QStringLiteral("csunya") << false;
        QTest::newRow("27 with its key") << 27 << QStringLiteral("világos") << true;
        QTest::newRow("27 with the key of 38") << 27 << QStringLiteral("kényelmes") << false;
        QTest::newRow("38 with its key") << 38 << QStringLiteral("kényelmes") << true;
        QTest::newRow("38 with the key of 27") << 38 << QStringLiteral("világos") << false;
        QTest::newRow("English keys for régi") << 28 << QStringLiteral("r;gi") << true;
        QTest::newRow("English keys for csúnya") << 32 << QStringLiteral("cs]nya") << true;
        for (int item = 0; item < bank.size(); ++item)
            QTest::addRow("empty for %d", item) << item << QString() << bank[item].key.isEmpty();
    }

    void answers()
    {
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        TestRun run;
        FakeDesktop &d = run.desktop();
        const int exercise = item < 24 ? 3 : 4;
        openFromMenu(exercise);
        ui().Plus->click();
        d.draws = {drawOf(item, rangeOf(exercise, true))};
        ui().Command1->click();
        QCOMPARE(h01d3().current, item);
        d.clear();
        answer(typed);
        if (right) {
            QCOMPARE(d.boxes.size(), 0);
            QCOMPARE(d.beeps, 0);
            QCOMPARE(ui().Label3->text(), bank[item].sentence + QLatin1Char(' '));
            QCOMPARE(ui().Text1->text(), QString());
            QVERIFY(h01d3().current != item);
        } else {
            QCOMPARE(d.boxes.size(), 1);
            QCOMPARE(d.lastBox().text, wrongText);
            QCOMPARE(d.lastBox().icon, MsgIcon::Exclamation);
            QCOMPARE(d.lastBox().title, exercise == 3 ? title3 : title4);
            QCOMPARE(d.beeps, 1);
            QCOMPARE(ui().Label3->text(), QString());
            QCOMPARE(h01d3().current, item);
            QCOMPARE(ui().Text2->text(), bank[item].stem + QLatin1Char(' '));
            QCOMPARE(ui().Text1->text(), typed);
        }
    }

    void hungarianKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower case") << QStringLiteral("'; `=0[]-\\") << QStringLiteral("áé íóöőúüű");
        QTest::newRow("capitals") << QStringLiteral("\":~+){}_|") << QStringLiteral("ÁÉÍÓÖŐÚÜŰ");
        QTest::newRow("letters pass") << QStringLiteral("kényelmes") << QStringLiteral("kényelmes");
        QTest::newRow("word") << QStringLiteral("vil'gos") << QStringLiteral("világos");
    }

    void hungarianKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TestRun run;
        openFromMenu(4);
        ui().Command1->click();
        type(typed);
        QCOMPARE(ui().Text1->text(), shown);
    }

    void plusRules_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("length");
        QTest::newRow("3: switch to 4, then Start") << 3 << "switch" << 8;
        QTest::newRow("4: switch to 3, then Start") << 4 << "switch" << 12;
        QTest::newRow("3: completion, Restart") << 3 << "restart" << 24;
        QTest::newRow("4: completion, Restart") << 4 << "restart" << 16;
        QTest::newRow("3: Close, reopen, Start") << 3 << "reopen" << 24;
        QTest::newRow("4: Close, reopen, Start") << 4 << "reopen" << 16;
        QTest::newRow("3: close box, reopen, Start") << 3 << "closebox" << 24;
    }

    // Plus lasts until a switch: through completion, Restart and closing the window.
    void plusRules()
    {
        QFETCH(int, exercise);
        QFETCH(QString, scenario);
        QFETCH(int, length);
        TestRun run;
        FakeDesktop &d = run.desktop();
        openFromMenu(exercise);
        ui().Plus->click();
        if (scenario == QLatin1String("switch")) {
            (exercise == 3 ? ui().Command7 : ui().Command6)->click();
            QVERIFY(ui().Plus->isVisible());
        } else if (scenario == QLatin1String("restart")) {
            const QList<int> first = fullRun(d, 60);
            QCOMPARE(first.size(), length);
            QVERIFY(ui().Plus->isVisible());
            QVERIFY(ui().Label1->isVisible());
        } else {
            if (scenario == QLatin1String("reopen"))
                ui().Command3->click();
            else
                clickCloseBox(h01d3().window());
            QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
            reopenFromMenu(exercise);
            QVERIFY(ui().Plus->isVisible());
            QVERIFY(ui().Label1->isVisible());
        }
        d.clear();
        const QList<int> shown = fullRun(d, 60);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shown.size(), length);
        QCOMPARE(d.lastBox().text, completionText);
    }

    void plusButton()
    {
        TestRun run;
        openFromMenu(3);
        ui().Plus->click();
        QVERIFY(!ui().Label1->isVisible());
        QVERIFY(ui().Plus->isVisible());
        QVERIFY(ui().Plus->isEnabled());
        ui().Plus->click();
        QVERIFY(!ui().Label1->isVisible());
        QVERIFY(ui().Plus->isVisible());
        QCOMPARE(run.desktop().boxes.size(), 0);
        QCOMPARE(ui().Command1->text(), QStringLiteral("&Start"));
        QVERIFY(ui().Command1->isEnabled());
        QCOMPARE(fullRun(run.desktop(), 60).size(), 24);
    }

    void switchMidRun_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("before"); // right answers before the switch
        QTest::newRow("3 after 5") << 3 << false << 5;
        QTest::newRow("3 after 11") << 3 << false << 11;
        QTest::newRow("3 Plus after 20") << 3 << true << 20;
        QTest::newRow("4 after 7") << 4 << false << 7;
        QTest::newRow("4 Plus after 15") << 4 << true << 15;
    }

    // A run left unfinished by a switch does not spoil the next run over the same items.
    void switchMidRun()
    {
        QFETCH(int, exercise);
        QFETCH(bool, plus);
        QFETCH(int, before);
        TestRun run;
        FakeDesktop &d = run.desktop();
        openFromMenu(exercise);
        if (plus)
            ui().Plus->click();
        ui().Command1->click();
        QList<int> answeredItems;
        for (int i = 0; i < before; ++i) {
            answeredItems.append(h01d3().current);
            answer(bank[h01d3().current].key);
        }
        QCOMPARE(d.boxes.size(), 0);
        QPushButton *away = exercise == 3 ? ui().Command7 : ui().Command6;
        QPushButton *back = exercise == 3 ? ui().Command6 : ui().Command7;
        away->click();
        QCOMPARE(ui().Label3->text(), QString());
        QCOMPARE(ui().Command1->text(), QStringLiteral("&Start"));
        QVERIFY(ui().Command1->isEnabled());
        back->click();
        if (plus)
            ui().Plus->click();
        // The new run begins with an item the broken-off run had answered.
        const Range range = rangeOf(exercise, plus);
        d.draws = {drawOf(answeredItems.first(), range)};
        const QList<int> shown = fullRun(d, 60);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shown.first(), answeredItems.first());
        QCOMPARE(sorted(shown), rangeItems(range));
        QCOMPARE(d.lastBox().text, completionText);
    }

    void titles_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("emptyKeyItem"); // empty: no such item in the exercise
        QTest::newRow("3") << 3 << " 3. Put in the right form of verb if needed." << title3 << "2";
        QTest::newRow("4") << 4 << " 4. Put in the missing adjective.  (!!  Antonyms)" << title4 << "";
    }

    void titles()
    {
        QFETCH(int, exercise);
        QFETCH(QString, heading);
        QFETCH(QString, title);
        QFETCH(QString, emptyKeyItem);
        TestRun run;
        FakeDesktop &d = run.desktop();
        openFromMenu(exercise);
        QCOMPARE(h01d3().window()->windowTitle(), title);
        QCOMPARE(ui().Label2->text(), heading);
        QVERIFY(h01d3().frame().onTop->isChecked());
        QVERIFY(d.topmost.contains(FakeDesktop::Topmost{QStringLiteral("h01d3"), true}));
        d.clear();

        // Enter before any Start checks the empty box against item 0, "vagyok".
        pressEnter(h01d3().window());
        QCOMPARE(d.boxes.size(), 1);
        QCOMPARE(d.lastBox().text, wrongText);
        QCOMPARE(d.lastBox().title, title);
        QCOMPARE(d.beeps, 1);

        triggerMenu(h01d3().window(), QStringLiteral("menuHow"));
        QCOMPARE(d.lastBox().title, title);
        QCOMPARE(d.lastBox().icon, MsgIcon::Information);
        QCOMPARE(d.lastBox().text,
                 QStringLiteral("Click the \"Start\" button and put your solution in the gap. Then press the \"Enter\" "
                                "key. Go on.\r\n\r\nIf you want to see how to type the special Hungarian characters "
                                "(á, é etc.) on an English keyboard, click the \"Char\" button. If you want that "
                                "information to desappear, click again."));
        QVERIFY(ui().Text1->hasFocus());

        if (!emptyKeyItem.isEmpty()) {
            const int item = emptyKeyItem.toInt();
            d.draws = {drawOf(item, rangeOf(exercise, false))};
            ui().Command1->click();
            ui().Command8->click();
            QCOMPARE(d.lastBox().text, QStringLiteral("The correct solution is: "));
            QCOMPARE(d.lastBox().title, title);
            QCOMPARE(d.lastBox().icon, MsgIcon::Information);
            QVERIFY(ui().Text1->hasFocus());
            QCOMPARE(h01d3().current, item);
        }
    }

    void switching_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("title");
        QTest::newRow("3 to 4") << 3 << "4. Put in the missing word. (Antonyms)" << title4;
        QTest::newRow("4 to 3") << 4 << "3. Put in the right form of the verb if needed." << title3;
    }

    void switching()
    {
        QFETCH(int, from);
        QFETCH(QString, heading);
        QFETCH(QString, title);
        TestRun run;
        FakeDesktop &d = run.desktop();
        openFromMenu(from);
        ui().Command1->click();
        answer(bank[h01d3().current].key);
        type(QStringLiteral("xyz"));
        QPushButton *to = from == 3 ? ui().Command7 : ui().Command6;
        QPushButton *other = from == 3 ? ui().Command6 : ui().Command7;
        to->click();
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("h01d3"), QStringLiteral("hatter")}));
        QCOMPARE(h01d3().window()->windowTitle(), title);
        QCOMPARE(ui().Label2->text(), heading);
        QVERIFY(!to->isEnabled());
        QVERIFY(other->isEnabled());
        QVERIFY(ui().Command8->isEnabled());
        QCOMPARE(ui().Label3->text(), QString());
        QCOMPARE(ui().Text1->text(), QString());
        QCOMPARE(ui().Text2->text(), QString());
        QCOMPARE(ui().Text3->text(), QString());
        QCOMPARE(ui().Command1->text(), QStringLiteral("&Start"));
        QVERIFY(ui().Command1->isEnabled());
        QVERIFY(!ui().Plus->isVisible());
        d.clear();
        ui().Command8->click();
        QCOMPARE(d.lastBox().title, title);

        // The new exercise runs over its own items.
        const int exercise = from == 3 ? 4 : 3;
        const QList<int> shown = fullRun(d);
        QCOMPARE(sorted(shown), rangeItems(rangeOf(exercise, false)));
        QCOMPARE(d.lastBox().title, title);
    }

    void openers_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("exercise");
        QTest::newRow("menu 3") << "menu" << 3;
        QTest::newRow("menu 4") << "menu" << 4;
        QTest::newRow("h01d1 3") << "h01d1" << 3;
        QTest::newRow("h01d1 4") << "h01d1" << 4;
    }

    void openers()
    {
        QFETCH(QString, opener);
        QFETCH(int, exercise);
        TestRun run;
        Program::get().start();
        sobre().Timer1_Timer();
        if (opener == QLatin1String("menu")) {
            (exercise == 3 ? alap().ui().Button3 : alap().ui().Button4)->click();
        } else {
            alap().ui().Button1->click();
            (exercise == 3 ? h01d1().ui().Command6 : h01d1().ui().Command7)->click();
        }
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("h01d3"), QStringLiteral("hatter")}));
        QCOMPARE(ui().Command6->isEnabled(), exercise != 3);
        QCOMPARE(ui().Command7->isEnabled(), exercise != 4);
        QCOMPARE(ui().Label2->text(), exercise == 3 ? QStringLiteral(" 3. Put in the right form of verb if needed.")
                                                    : QStringLiteral(" 4. Put in the missing adjective.  (!!  Antonyms)"));
        QCOMPARE(h01d3().title, exercise == 3 ? title3 : title4);
        QCOMPARE(module1().exerciseCode, exercise);

        // Start turns the exercise into a run code; unloading clears it.
        ui().Command1->click();
        QCOMPARE(module1().exerciseCode, exercise);
        ui().Command3->click();
        QCOMPARE(module1().exerciseCode, 0);
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
    }

    void goToOthers()
    {
        TestRun run;
        openFromMenu(4);
        ui().Plus->click();
        ui().Command1->click();
        QCOMPARE(module1().exerciseCode, 2);
        ui().Command10->click();
        QCOMPARE(module1().exerciseCode, 0);
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("h01d1"), QStringLiteral("hatter")}));
        QVERIFY(!h01d1().ui().Command10->isEnabled());
        QVERIFY(!h01d3().isLoaded());
        QCOMPARE(module1().switching, 0);
    }

    void charButton()
    {
        TestRun run;
        openFromMenu(3);
        QVERIFY(!ui().Label5->isVisible());
        ui().Command9->click();
        QVERIFY(ui().Label5->isVisible());
        QCOMPARE(ui().Label5->text(),
                 QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )"));
        ui().Command9->click();
        QVERIFY(!ui().Label5->isVisible());
    }

    void aboutItem()
    {
        TestRun run;
        openFromMenu(3);
        triggerMenu(h01d3().window(), QStringLiteral("mnuAbout"));
        QVERIFY(visibleWindows().contains(QStringLiteral("sobre")));
        QVERIFY(h01d3().isVisible());
    }

    void layout()
    {
        TestRun run;
        openFromMenu(3);
        H01d3Ui &u = ui();
        // As wide as the "&5" button at the end of the "Go to exercise" row.
        QCOMPARE(h01d3().window()->client()->size(), QSize(617, 392));
        QCOMPARE(u.Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(u.Text2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(u.Text3->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(u.Text1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(u.Label1->palette().color(QPalette::Window), QColor(192, 255, 192));
        QVERIFY(!u.Command4->isVisible());
        // Stem, gap and ending abut on one line.
        QCOMPARE(u.Text2->y(), u.Text1->y());
        QCOMPARE(u.Text3->y(), u.Text1->y());
        QVERIFY(qAbs(u.Text1->geometry().left() - u.Text2->geometry().right()) <= 1);
        QVERIFY(qAbs(u.Text3->geometry().left() - u.Text1->geometry().right()) <= 1);
        QCOMPARE(u.Text1->accessibleName(), QStringLiteral("Missing word"));
        QCOMPARE(u.Label3->accessibleDescription(), QStringLiteral("Transcript"));
    }
};

QTEST_MAIN(H01d3Test)
#include "tst_h01d3.moc"
