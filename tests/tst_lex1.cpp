// Exercise 5: naming twenty pictures, driven as a learner drives the window.
#include "support/testing.h"

#include "app/alap.h"
#include "core/progressstore.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/lex1/lex1.h"
#include "ui/picture.h"
#include "ui/picturebutton.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QStringList nouns = {
    QStringLiteral("autó"),     QStringLiteral("diák"),     QStringLiteral("fiú"),     QStringLiteral("fürdőszoba"),
    QStringLiteral("ház"),      QStringLiteral("híd"),      QStringLiteral("kulcs"),   QStringLiteral("lány"),
    QStringLiteral("mérnök"),   QStringLiteral("múzeum"),   QStringLiteral("orvos"),   QStringLiteral("sofőr"),
    QStringLiteral("szálloda"), QStringLiteral("szekrény"), QStringLiteral("sziget"),  QStringLiteral("szoba"),
    QStringLiteral("tanár"),    QStringLiteral("tanárnő"),  QStringLiteral("templom"), QStringLiteral("újságíró"),
};
const QString windowTitle = QStringLiteral("    Tarvo! --- 1. Lecke: 5.");
const QString wrongText = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
const QString completedText = QStringLiteral(
    "Congratulations! You have accomplished the exercise. If you want to restart it, click the \"Restart\" button.");

Picture drawing(int i, Picture::Tone tone)
{
    return Picture{QStringLiteral(":/ex5/noun%1.svg").arg(i, 2, 10, QChar(u'0')), tone};
}

// The learner's way in: the menu, then its fifth button.
Lex1Ui &openLex1()
{
    alap().show();
    alap().ui().Button5->click();
    QApplication::setActiveWindow(lex1().window());
    return lex1().ui();
}

Lex1Ui &started()
{
    Lex1Ui &u = openLex1();
    u.Command1->click();
    return u;
}

// Types text key by key; letters that an English keyboard lacks arrive as a Hungarian keyboard
// sends them, as text of their own.
void type(QWidget *box, const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(box, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Clears the entry box, types a word and presses Enter.
void enterWord(Lex1Ui &u, const QString &text)
{
    u.Text1->setFocus();
    QTest::keyClick(u.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(u.Text1, Qt::Key_Backspace);
    type(u.Text1, text);
    QTest::keyClick(u.Text1, Qt::Key_Return);
}

int boxesTitled(const FakeDesktop &d, const QString &title)
{
    int n = 0;
    for (const FakeDesktop::Box &b : d.boxes)
        n += b.title == title;
    return n;
}

QString withoutAccents(QString s)
{
    const QString from = QStringLiteral("áéíóöőúüű");
    const QString to = QStringLiteral("aeiooouuu");
    for (QChar &ch : s)
        if (int k = from.indexOf(ch); k >= 0)
            ch = to.at(k);
    return s;
}

} // namespace

class TestLex1 : public QObject {
    Q_OBJECT

private slots:
    void layoutAtLoad_data();
    void layoutAtLoad();
    void eachNounCountsOnce_data();
    void eachNounCountsOnce();
    void entryForms_data();
    void entryForms();
    void completion_data();
    void completion();
    void solutionsAll_data();
    void solutionsAll();
    void revealBeforeStart_data();
    void revealBeforeStart();
    void revealWhileRunning_data();
    void revealWhileRunning();
    void startUnticks_data();
    void startUnticks();
    void hungarianKeys_data();
    void hungarianKeys();
    void charButton_data();
    void charButton();
    void boxes_data();
    void boxes();
    void closing_data();
    void closing();
    void opening_data();
    void opening();
    void countedInTheRecord_data();
    void countedInTheRecord();
};

void TestLex1::layoutAtLoad_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips"); // in the window, or in the grid panel for the cells

    QTest::newRow("Start") << "Command1" << true << "S&tart" << QRect(2880, 5880, 1215, 495);
    QTest::newRow("OK") << "Command2" << false << "O&K" << QRect(4080, 5880, 975, 495);
    QTest::newRow("Solutions") << "Command3" << false << "&Solutions (All)" << QRect(5040, 5880, 1815, 495);
    QTest::newRow("Close") << "Command4" << true << "C&lose" << QRect(7920, 5880, 1455, 495);
    QTest::newRow("Char") << "Command11" << false << "&Char" << QRect(0, 6720, 1215, 375);
    QTest::newRow("entry") << "Text1" << false << "" << QRect(120, 5880, 2295, 420);
    QTest::newRow("revealed word") << "Label1" << false << "" << QRect(360, 6360, 1815, 375);
    QTest::newRow("key hint") << "Label5" << false
                              << QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  "
                                                "ü ( - );  ű ( \\ )")
                              << QRect(1200, 6720, 8295, 375);
    QTest::newRow("grid") << "Picture1" << true << "" << QRect(120, 120, 9255, 5685);
    QTest::newRow("cell 7") << "Image1(7)" << true << "" << QRect(1560, 1440, 1455, 1095);
    QTest::newRow("tick 7") << "Check1(7)" << true << "" << QRect(1560, 1440, 255, 255);
    QTest::newRow("word 7") << "Text2(7)" << true << "" << QRect(1560, 2520, 1455, 285);
    QTest::newRow("spare cell 23") << "Image1(23)" << true << "" << QRect(7800, 4320, 1455, 1095);
    QTest::newRow("spare tick 20") << "Check1(20)" << true << "" << QRect(3120, 4320, 255, 255);
    QTest::newRow("store 39") << "Image2(39)" << false << "" << QRect();
}

void TestLex1::layoutAtLoad()
{
    QFETCH(QString, control);
    QFETCH(bool, visible);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    TestRun run;
    openLex1();
    FormWindow *w = lex1().window();
    QCOMPARE(w->windowTitle(), windowTitle);
    QCOMPARE(w->client()->size(), twSize(9510, 7110));

    auto *widget = w->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->isVisible(), visible);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->text(), caption);
    if (auto *picture = qobject_cast<PictureBox *>(widget); picture && control.startsWith(u"Image1"))
        QVERIFY(picture->picture().isNull());
    if (!twips.isNull())
        QCOMPARE(widget->geometry(), twRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestLex1::eachNounCountsOnce_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < nouns.size(); ++i)
        QTest::addRow("%d %s", i, qPrintable(nouns[i])) << i;
}

void TestLex1::eachNounCountsOnce()
{
    QFETCH(int, index);
    TestRun run;
    Lex1Ui &u = started();

    enterWord(u, nouns[index]);
    QVERIFY(run.desktop().boxes.isEmpty());
    QCOMPARE(lex1().solved, 1);
    QCOMPARE(u.Text2[index]->text(), nouns[index]);
    QCOMPARE(u.Image1[index]->picture(), drawing(index, Picture::Colour));
    QCOMPARE(u.Text1->text(), QString());
    for (int other = 0; other < Lex1::nounCount; ++other) {
        if (other == index)
            continue;
        QCOMPARE(u.Text2[other]->text(), QString());
        QCOMPARE(u.Image1[other]->picture(), drawing(other, Picture::Grey));
    }

    enterWord(u, nouns[index]);
    QCOMPARE(run.desktop().boxes.size(), 1);
    QCOMPARE(run.desktop().lastBox().text, wrongText);
    QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Exclamation);
    QCOMPARE(run.desktop().beeps, 0);
    QCOMPARE(lex1().solved, 1);
    QCOMPARE(u.Text1->text(), nouns[index]); // the refused entry stays for correcting
    QCOMPARE(u.Image1[index]->picture(), drawing(index, Picture::Colour));
    QCOMPARE(u.Text2[index]->text(), nouns[index]);
}

void TestLex1::entryForms_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    for (int i = 0; i < nouns.size(); ++i) {
        const QString &n = nouns[i];
        QTest::addRow("%s capital", qPrintable(n)) << i << n.left(1).toUpper() + n.mid(1) << false;
        if (withoutAccents(n) != n)
            QTest::addRow("%s without accents", qPrintable(n)) << i << withoutAccents(n) << false;
        QTest::addRow("%s full stop", qPrintable(n)) << i << n + QLatin1Char('.') << false;
        QTest::addRow("%s blanks around", qPrintable(n)) << i << QStringLiteral("  ") + n + QStringLiteral("   ") << true;
        QTest::addRow("%s blank inside", qPrintable(n)) << i << n.left(2) + QLatin1Char(' ') + n.mid(2) << false;
    }
    QTest::newRow("empty") << -1 << QString() << false;
    QTest::newRow("only blanks") << -1 << QStringLiteral("   ") << false;
    QTest::newRow("word not in the list") << -1 << QStringLiteral("autóbusz") << false;
}

void TestLex1::entryForms()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    TestRun run;
    Lex1Ui &u = started();

    enterWord(u, typed);
    QCOMPARE(lex1().solved, accepted ? 1 : 0);
    QCOMPARE(run.desktop().boxes.size(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(run.desktop().lastBox().title, windowTitle);
        QCOMPARE(u.Text1->text(), typed);
    }
    if (index >= 0) {
        QCOMPARE(u.Text2[index]->text(), accepted ? nouns[index] : QString());
        QCOMPARE(u.Image1[index]->picture().tone, accepted ? Picture::Colour : Picture::Grey);
    }
}

void TestLex1::completion_data()
{
    QTest::addColumn<QStringList>("entries");
    QStringList reversed = nouns;
    std::reverse(reversed.begin(), reversed.end());
    QStringList mixed;
    for (int i = 0; i < nouns.size(); ++i) {
        mixed << nouns[(i * 7) % 20];
        if (i % 5 == 0)
            mixed << QStringLiteral("Ház") << nouns[(i * 7) % 20]; // a slip and a repeat on the way
    }
    QTest::newRow("list order") << nouns;
    QTest::newRow("reverse order") << reversed;
    QTest::newRow("mixed, with slips and repeats") << mixed;
}

void TestLex1::completion()
{
    QFETCH(QStringList, entries);
    TestRun run;
    Lex1Ui &u = started();

    for (int i = 0; i < entries.size() - 1; ++i)
        enterWord(u, entries[i]);
    QCOMPARE(lex1().solved, 19);
    QCOMPARE(boxesTitled(run.desktop(), QStringLiteral("Words --- Exercise")), 0);
    QVERIFY(u.Text1->isVisible());

    enterWord(u, entries.last());
    QCOMPARE(lex1().solved, 20);
    QCOMPARE(boxesTitled(run.desktop(), QStringLiteral("Words --- Exercise")), 1);
    const FakeDesktop::Box done = run.desktop().lastBox();
    QCOMPARE(done.text, completedText);
    QCOMPARE(done.icon, MsgIcon::None);
    QCOMPARE(done.owner, QStringLiteral("lex1"));
    QCOMPARE(run.desktop().beeps, 0);

    QVERIFY(!u.Text1->isVisible());
    QVERIFY(!u.Command2->isVisible());
    QVERIFY(!u.Command3->isVisible());
    QVERIFY(u.Command1->isVisible());
    QCOMPARE(u.Command1->text(), QStringLiteral("Res&tart"));
    QCOMPARE(lex1().defaultButton(), nullptr);
    for (int i = 0; i < Lex1::nounCount; ++i) {
        QCOMPARE(u.Text2[i]->text(), nouns[i]);
        QCOMPARE(u.Image1[i]->picture(), drawing(i, Picture::Colour));
    }

    // Enter now presses Restart, which begins a fresh run.
    pressEnter(lex1().window());
    QCOMPARE(boxesTitled(run.desktop(), QStringLiteral("Words --- Exercise")), 1);
    QCOMPARE(lex1().solved, 0);
    QVERIFY(!u.Command1->isVisible());
    QCOMPARE(lex1().defaultButton(), u.Command2);
    for (int i = 0; i < Lex1::nounCount; ++i) {
        QCOMPARE(u.Text2[i]->text(), QString());
        QCOMPARE(u.Image1[i]->picture(), drawing(i, Picture::Grey));
    }
    enterWord(u, nouns[4]);
    QCOMPARE(lex1().solved, 1);
}

void TestLex1::solutionsAll_data()
{
    QTest::addColumn<QList<int>>("namedFirst");
    QTest::newRow("right after Start") << QList<int>{};
    QTest::newRow("three named first") << QList<int>{0, 5, 19};
}

void TestLex1::solutionsAll()
{
    QFETCH(QList<int>, namedFirst);
    TestRun run;
    Lex1Ui &u = started();
    for (int i : namedFirst)
        enterWord(u, nouns[i]);
    type(u.Text1, QStringLiteral("fi"));

    u.Command3->click();
    QCOMPARE(run.desktop().boxes.size(), 1);
    const FakeDesktop::Box box = run.desktop().lastBox();
    QCOMPARE(box.title, QStringLiteral("Solutions (All)"));
    QCOMPARE(box.text, QStringLiteral("If you want to restart the exercise, click the \"Restart\" button."));
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    for (int i = 0; i < Lex1::nounCount; ++i) {
        QCOMPARE(u.Text2[i]->text(), nouns[i]);
        QCOMPARE(u.Image1[i]->picture().tone, namedFirst.contains(i) ? Picture::Colour : Picture::Grey);
    }
    QCOMPARE(lex1().solved, namedFirst.size());
    QVERIFY(!u.Command2->isVisible());
    QVERIFY(!u.Command3->isVisible());
    QVERIFY(u.Command1->isVisible());
    QCOMPARE(u.Command1->text(), QStringLiteral("&Restart"));
    QCOMPARE(lex1().window()->focusWidget(), u.Command1);
    QVERIFY(u.Text1->isVisible());
    QCOMPARE(u.Text1->text(), QString());

    // The entry box is still there, but Enter in it checks nothing.
    enterWord(u, nouns[7]);
    QCOMPARE(run.desktop().boxes.size(), 1);
    QCOMPARE(lex1().solved, namedFirst.size());
    QCOMPARE(u.Image1[7]->picture().tone, Picture::Grey);
    QCOMPARE(u.Command1->text(), QStringLiteral("&Restart"));

    u.Command1->click();
    QCOMPARE(lex1().solved, 0);
    for (int i = 0; i < Lex1::nounCount; ++i) {
        QCOMPARE(u.Text2[i]->text(), QString());
        QCOMPARE(u.Image1[i]->picture(), drawing(i, Picture::Grey));
    }
    QVERIFY(u.Command2->isVisible());
    QVERIFY(u.Command3->isVisible());
    QVERIFY(!u.Command1->isVisible());
    enterWord(u, nouns[7]);
    QCOMPARE(lex1().solved, 1);
    QCOMPARE(u.Image1[7]->picture().tone, Picture::Colour);
}

void TestLex1::revealBeforeStart_data()
{
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tick box 5") << QList<int>{5} << QStringLiteral("híd");
    QTest::newRow("tick box 0") << QList<int>{0} << QStringLiteral("autó");
    QTest::newRow("tick box 19") << QList<int>{19} << QStringLiteral("újságíró");
    QTest::newRow("unticking reveals too") << QList<int>{5, 12, 5} << QStringLiteral("híd");
    // The grid's spare cells start at index 20, right after the last noun's.
    QTest::newRow("first spare 20 keeps the previous word") << QList<int>{3, 20} << QStringLiteral("fürdőszoba");
    QTest::newRow("first spare 20 first") << QList<int>{20} << QString();
    QTest::newRow("spare 21 keeps the previous word") << QList<int>{3, 21} << QStringLiteral("fürdőszoba");
    QTest::newRow("spare 23 first") << QList<int>{23} << QString();
}

void TestLex1::revealBeforeStart()
{
    QFETCH(QList<int>, ticks);
    QFETCH(QString, shown);
    TestRun run;
    Lex1Ui &u = openLex1();
    for (int i : ticks)
        u.Check1[i]->click();
    QVERIFY(u.Label1->isVisible());
    QCOMPARE(u.Label1->text(), shown);
    QVERIFY(!u.Text1->isVisible());
    QVERIFY(!u.Text1->hasFocus());
    QCOMPARE(u.Check1[ticks.last()]->isChecked(), ticks.count(ticks.last()) % 2 == 1);
    QVERIFY(run.desktop().boxes.isEmpty());
}

void TestLex1::revealWhileRunning_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("namedFirst");
    QTest::addColumn<QString>("keys"); // what follows the reveal in the entry box
    QTest::newRow("unnamed picture, then a letter") << 9 << false << QStringLiteral("m");
    QTest::newRow("named picture, then a letter") << 9 << true << QStringLiteral("x");
    QTest::newRow("then a substituted key") << 14 << false << QStringLiteral(";");
    QTest::newRow("then a blank") << 0 << true << QStringLiteral(" ");
}

void TestLex1::revealWhileRunning()
{
    QFETCH(int, index);
    QFETCH(bool, namedFirst);
    QFETCH(QString, keys);
    TestRun run;
    Lex1Ui &u = started();
    if (namedFirst)
        enterWord(u, nouns[index]);
    u.Command4->setFocus();

    u.Check1[index]->click();
    QVERIFY(u.Label1->isVisible());
    QCOMPARE(u.Label1->text(), nouns[index]);
    QCOMPARE(lex1().window()->focusWidget(), u.Text1);

    type(u.Text1, keys);
    QVERIFY(!u.Label1->isVisible());
    QCOMPARE(lex1().solved, namedFirst ? 1 : 0);
}

void TestLex1::startUnticks_data()
{
    QTest::addColumn<bool>("restart");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<bool>("labelShown");
    QTest::addColumn<QString>("labelText");
    // Start leaves the label as it was: shown with the last revealed word, or hidden.
    QTest::newRow("first Start") << false << QList<int>{7, 4} << true << QStringLiteral("ház");
    QTest::newRow("first Start, spare boxes ticked") << false << QList<int>{2, 22} << true << QStringLiteral("fiú");
    QTest::newRow("Restart") << true << QList<int>{9, 2} << false << QStringLiteral("fiú");
}

void TestLex1::startUnticks()
{
    QFETCH(bool, restart);
    QFETCH(QList<int>, ticks);
    QFETCH(bool, labelShown);
    QFETCH(QString, labelText);
    TestRun run;
    Lex1Ui &u = openLex1();
    if (restart)
        u.Command1->click();
    for (int i : ticks)
        u.Check1[i]->click();
    if (restart) {
        type(u.Text1, QStringLiteral("x")); // hides the word
        u.Command3->click();
        QCOMPARE(u.Label1->isVisible(), false);
    }

    u.Command1->click();
    for (int i = 0; i < Lex1::nounCount; ++i)
        QVERIFY2(!u.Check1[i]->isChecked(), qPrintable(QString::number(i)));
    QCOMPARE(u.Label1->isVisible(), labelShown);
    QCOMPARE(u.Label1->text(), labelText);
    for (int i = Lex1::nounCount; i < Lex1Ui::cellCount; ++i) {
        QVERIFY(!u.Check1[i]->isVisible());
        QVERIFY(!u.Text2[i]->isVisible());
        QVERIFY(!u.Image1[i]->isVisible());
    }
    for (int i = 0; i < Lex1::nounCount; ++i)
        QVERIFY(u.Image1[i]->isVisible() && u.Check1[i]->isVisible() && u.Text2[i]->isVisible());
}

void TestLex1::hungarianKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("index"); // the noun accepted, or -1
    QTest::newRow("h`d") << "h`d" << "híd" << 5;
    QTest::newRow("m;rn0k") << "m;rn0k" << "mérnök" << 8;
    QTest::newRow("m]zeum") << "m]zeum" << "múzeum" << 9;
    QTest::newRow("sof[r") << "sof[r" << "sofőr" << 11;
    QTest::newRow("f-rd[szoba") << "f-rd[szoba" << "fürdőszoba" << 3;
    QTest::newRow("tan'rn[") << "tan'rn[" << "tanárnő" << 17;
    QTest::newRow("]js'g`r=") << "]js'g`r=" << "újságíró" << 19;
    QTest::newRow("aut= by a Hungarian keyboard") << "autó" << "autó" << 0;
    QTest::newRow(";tterem") << ";tterem" << "étterem" << -1;
    QTest::newRow("capitals") << ":\")+{}_|~" << "ÉÁÖÓŐÚÜŰÍ" << -1;
    QTest::newRow("backslash") << "\\" << "ű" << -1;
    QTest::newRow("digit 0") << "0" << "ö" << -1;
}

void TestLex1::hungarianKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, index);
    TestRun run;
    Lex1Ui &u = started();
    type(u.Text1, typed);
    QCOMPARE(u.Text1->text(), shown);
    QTest::keyClick(u.Text1, Qt::Key_Return);
    if (index >= 0) {
        QVERIFY(run.desktop().boxes.isEmpty());
        QCOMPARE(u.Text2[index]->text(), nouns[index]);
        QCOMPARE(lex1().solved, 1);
    } else {
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().text, wrongText);
        QCOMPARE(lex1().solved, 0);
    }
}

void TestLex1::charButton_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("once") << 1;
    QTest::newRow("twice") << 2;
    QTest::newRow("three times") << 3;
}

void TestLex1::charButton()
{
    QFETCH(int, clicks);
    TestRun run;
    Lex1Ui &u = openLex1();
    QVERIFY(!u.Command11->isVisible());
    u.Command1->click();
    QVERIFY(u.Command11->isVisible());
    QVERIFY(!u.Label5->isVisible());
    for (int i = 0; i < clicks; ++i)
        u.Command11->click();
    QCOMPARE(u.Label5->isVisible(), clicks % 2 == 1);
    // A restart leaves the hint as it is.
    u.Command3->click();
    u.Command1->click();
    QCOMPARE(u.Label5->isVisible(), clicks % 2 == 1);
}

void TestLex1::boxes_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    const QString howTo = QStringLiteral(
        "Click the \"Start\" button. Then choose a picture and put the noun it refers to in the blank square at the "
        "bottom. Press \"Enter\". Go on.\r\n\r\nIf you want to get the right word, click the box in the upper left "
        "hand corner of the picture in question.\r\n\r\nIf you want to see how to type the special Hungarian "
        "characters (á, é etc.) on an English keyboard, click the \"Char\" button. If you want that information to "
        "desappear, click again.");
    QTest::newRow("how to, idle") << false << "mnuHow" << windowTitle << howTo << int(MsgIcon::Information);
    QTest::newRow("how to, running") << true << "mnuHow" << windowTitle << howTo << int(MsgIcon::Information);
    QTest::newRow("wrong answer") << true << "wrong" << windowTitle << wrongText << int(MsgIcon::Exclamation);
    QTest::newRow("completion") << true << "complete" << "Words --- Exercise" << completedText << int(MsgIcon::None);
}

void TestLex1::boxes()
{
    QFETCH(bool, running);
    QFETCH(QString, action);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, icon);
    TestRun run;
    Lex1Ui &u = running ? started() : openLex1();
    if (running)
        u.Command4->setFocus();
    if (action == u"mnuHow")
        triggerMenu(lex1().window(), action);
    else if (action == u"wrong")
        enterWord(u, QStringLiteral("szobák"));
    else
        for (const QString &noun : nouns)
            enterWord(u, noun);

    QCOMPARE(run.desktop().boxes.size(), 1);
    const FakeDesktop::Box box = run.desktop().lastBox();
    QCOMPARE(box.owner, QStringLiteral("lex1"));
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(int(box.icon), icon);
    if (action == u"mnuHow")
        QCOMPARE(lex1().window()->focusWidget() == u.Text1, running);
}

void TestLex1::closing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("running");
    QTest::newRow("Close, idle") << false << false;
    QTest::newRow("Close, running") << false << true;
    QTest::newRow("close box, idle") << true << false;
    QTest::newRow("close box, running") << true << true;
}

void TestLex1::closing()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, running);
    TestRun run;
    Lex1Ui &u = running ? started() : openLex1();
    if (running) {
        enterWord(u, nouns[2]);
        u.Check1[6]->click();
        u.Command11->click();
    }
    if (closeBox)
        clickCloseBox(lex1().window());
    else
        u.Command4->click();
    QVERIFY(!lex1().isLoaded());
    QCOMPARE(module1().switching, 0);
    QVERIFY(visibleWindows().contains(QStringLiteral("alap")));
    QVERIFY(!visibleWindows().contains(QStringLiteral("lex1")));

    // Opened again, the window is as laid out.
    alap().ui().Button5->click();
    QCOMPARE(visibleWindows().contains(QStringLiteral("alap")), false);
    Lex1Ui &again = lex1().ui();
    QVERIFY(lex1().isVisible());
    QCOMPARE(again.Command1->text(), QStringLiteral("S&tart"));
    QCOMPARE(again.Text2[2]->text(), QString());
    QVERIFY(again.Image1[2]->picture().isNull());
    QVERIFY(!again.Check1[6]->isChecked());
    QVERIFY(!again.Label1->isVisible());
    QVERIFY(!again.Label5->isVisible());
    QVERIFY(!again.Text1->isVisible());
    QCOMPARE(lex1().window()->windowTitle(), windowTitle);
}

void TestLex1::opening_data()
{
    QTest::addColumn<QString>("from");
    QTest::newRow("menu button 5") << "alap";
    QTest::newRow("exercise 1, go to 5") << "h01d1";
}

void TestLex1::opening()
{
    QFETCH(QString, from);
    TestRun run;
    if (from == u"alap") {
        alap().show();
        alap().ui().Button5->click();
    } else {
        h01d1().show();
        h01d1().ui().Command9->click();
    }
    QVERIFY(lex1().isVisible());
    QCOMPARE(visibleWindows().contains(from), false);
    QCOMPARE(module1().switching, 0);
    QCOMPARE(lex1().window()->windowTitle(), windowTitle);
    auto *onTop = lex1().window()->findChild<QAction *>(QStringLiteral("mnuOnTop"));
    QVERIFY(onTop && onTop->isChecked());
    QCOMPARE(run.desktop().topmost.last().window, QStringLiteral("lex1"));
    QVERIFY(run.desktop().topmost.last().on);
    QCOMPARE(module1().nounList, nouns);

    lex1().ui().Command1->click();
    enterWord(lex1().ui(), QStringLiteral("kulcs"));
    QCOMPARE(lex1().solved, 1);
}

// The record counts the run as it went: a word that names no picture is a wrong first try (in
// no item: nothing to practise, nothing to schedule), the same word entered again once, and a
// picture named after its tick box showed the word is right but no first try. Steps: a word,
// "#N" for noun N, "tick N".
void TestLex1::countedInTheRecord_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("firstTries");
    QTest::addColumn<int>("firstTriesRight");
    QTest::addColumn<int>("scheduled");
    QTest::newRow("a word that names no picture") << QStringList{"kutya", "#0"} << 2 << 2 << 1 << 1;
    QTest::newRow("the same wrong word twice") << QStringList{"kutya", "kutya"} << 1 << 1 << 0 << 0;
    QTest::newRow("named after its reveal") << QStringList{"tick 3", "#3"} << 1 << 0 << 0 << 0;
}

void TestLex1::countedInTheRecord()
{
    QFETCH(QStringList, steps);
    QFETCH(int, answers);
    QFETCH(int, firstTries);
    QFETCH(int, firstTriesRight);
    QFETCH(int, scheduled);
    TestRun run;
    Lex1Ui &u = started();
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("tick ")))
            u.Check1[step.mid(5).toInt()]->click();
        else
            enterWord(u, step.startsWith(QLatin1Char('#')) ? nouns[step.mid(1).toInt()] : step);
    }
    ProgressStore &store = run.store();
    const ExerciseSummary s = store.exerciseSummaries().at(4);
    QCOMPARE(s.answers, answers);
    QCOMPARE(s.firstTries, firstTries);
    QCOMPARE(s.firstTriesRight, firstTriesRight);
    for (const PracticeWord &w : store.wordsToPractise(20))
        QVERIFY(!w.item.isEmpty());
    const QDateTime later = QDateTime::currentDateTimeUtc().addDays(400);
    store.setClock([later] { return later; });
    const QList<ScheduledItem> due = store.dueItems();
    QCOMPARE(due.size(), scheduled);
    for (const ScheduledItem &item : due)
        QVERIFY(nouns.contains(item.item));
}

QTEST_MAIN(TestLex1)
#include "tst_lex1.moc"
