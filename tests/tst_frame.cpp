// The shared pieces under every exercise: the Hungarian keys, the answer normalisations, the
// random draw, and the On Top item on a desktop that may not keep a window above the others.
#include "app/alap.h"
#include "app/sobre.h"
#include "core/answer.h"
#include "core/draw.h"
#include "core/hungariankey.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/keyinput.h"
#include "ui/picturebutton.h"
#include "ui/windowservices.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScopeGuard>

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    // Wayland lets no program place its windows or keep one above the others: there the item
    // keeps its caption and check mark but is disabled and says why, the desktop is not asked
    // and the window is not moved. Elsewhere the window opens centred and above the others, and
    // the item toggles.
    void onTopFollowsTheDesktop_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("works");
        for (int exercise = 1; exercise <= 5; ++exercise) {
            QTest::addRow("wayland %d", exercise) << "wayland" << exercise << false;
            QTest::addRow("wayland-egl %d", exercise) << "wayland-egl" << exercise << false;
            QTest::addRow("xcb %d", exercise) << "xcb" << exercise << true;
        }
    }

    void onTopFollowsTheDesktop()
    {
        QFETCH(QString, platform);
        QFETCH(int, exercise);
        QFETCH(bool, works);
        setPlatformNameForTesting(platform);
        const auto restore = qScopeGuard([] { setPlatformNameForTesting(QString()); });
        TestRun run;
        Program::get().start();
        sobre().Timer1_Timer();
        AlapUi &menu = alap().ui();
        PictureButton *buttons[] = {menu.Button1, menu.Button2, menu.Button3, menu.Button4, menu.Button5};
        QTest::mouseClick(buttons[exercise - 1], Qt::LeftButton);
        ExerciseForm *forms[] = {&h01d1(), &h01d2(), &h01d3(), &h01d3(), &lex1()};
        ExerciseForm &form = *forms[exercise - 1];
        QVERIFY(form.window()->isVisible());
        QAction *onTop = form.frame().onTop;

        QVERIFY(onTop->isChecked());
        QCOMPARE(onTop->isEnabled(), works);
        QCOMPARE(onTop->statusTip(), works ? QString() : QString::fromLatin1(onTopUnavailableTip));
        QCOMPARE(form.window()->testAttribute(Qt::WA_Moved), works);
        const FakeDesktop::Topmost above{form.name(), true};
        QCOMPARE(run.desktop().topmost.count(above), works ? 1 : 0);

        // As a click on the item would (triggerMenu refuses a disabled item).
        onTop->trigger();
        QCOMPARE(onTop->isChecked(), !works);
        QCOMPARE(run.desktop().topmost.contains(FakeDesktop::Topmost{form.name(), false}), works);
    }

    void substitution_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("letter");
        const char16_t rows[][2] = {
            {u'\'', u'á'}, {u';', u'é'}, {u'`', u'í'}, {u'=', u'ó'}, {u'0', u'ö'}, {u'[', u'\u0151'},
            {u']', u'ú'},  {u'-', u'ü'}, {u'\\', u'\u0171'}, {u'"', u'Á'}, {u':', u'É'}, {u'~', u'Í'},
            {u'+', u'Ó'},  {u')', u'Ö'}, {u'{', u'\u0150'}, {u'}', u'Ú'}, {u'_', u'Ü'}, {u'|', u'\u0170'},
        };
        for (const auto &row : rows)
            QTest::addRow("%s", qPrintable(QString(QChar(row[0])))) << QString(QChar(row[0])) << QString(QChar(row[1]));
        // Everything else passes unchanged, the Hungarian letters themselves included.
        for (const QString &same : {"a", "Z", "1", "9", " ", ".", ",", "?", "!", "(", "/", "é", "ő", "Ű", "ß"})
            QTest::addRow("unchanged %s", qPrintable(same)) << same << same;
    }

    void substitution()
    {
        QFETCH(QString, typed);
        QFETCH(QString, letter);
        char16_t code = typed.at(0).unicode();
        hungarianKey(code);
        QCOMPARE(QString(QChar(code)), letter);

        // Typed into a box: the box only ever receives the letter.
        TestRun run;
        QLineEdit box;
        attachHungarianKeys(&box);
        typeText(&box, typed);
        QCOMPARE(box.text(), letter);
    }

    void typingAWord()
    {
        TestRun run;
        QLineEdit box;
        attachHungarianKeys(&box);
        QTest::keyClicks(&box, QStringLiteral(";tterem"));
        QCOMPARE(box.text(), QStringLiteral("étterem"));
        box.clear();
        QTest::keyClicks(&box, QStringLiteral("f-rd[szoba 0"));
        QCOMPARE(box.text(), QStringLiteral("fürdőszoba ö"));
    }

    void onlyTypedCharactersAreSubstituted()
    {
        TestRun run;
        QLineEdit box;
        attachHungarianKeys(&box);
        // Pasted or set text, and text composed by an input method, stay as they are.
        box.insert(QStringLiteral("a;0"));
        QCOMPARE(box.text(), QStringLiteral("a;0"));
        QInputMethodEvent compose;
        compose.setCommitString(QStringLiteral(";ő"));
        QApplication::sendEvent(&box, &compose);
        QCOMPARE(box.text(), QStringLiteral("a;0;ő"));
        // A read-only box takes nothing, substituted or not.
        box.setReadOnly(true);
        QTest::keyClicks(&box, QStringLiteral(";x"));
        QCOMPARE(box.text(), QStringLiteral("a;0;ő"));
    }

    void hint()
    {
        QCOMPARE(hungarianKeyHint(), QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  "
                                                    "ú ( ] );  ü ( - );  ű ( \\ )"));
    }

    void normalisation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QString>("collapsed");
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("blanks only") << "    " << "" << " ";
        QTest::newRow("around") << "  igen,   az.  " << "igen,   az." << " igen, az. ";
        QTest::newRow("tabs stay") << "\taz\t" << "\taz\t" << "\taz\t";
        QTest::newRow("single") << "a b" << "a b" << "a b";
        QTest::newRow("no-break space stays") << "a\u00a0\u00a0b " << "a\u00a0\u00a0b" << "a\u00a0\u00a0b ";
    }

    void normalisation()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QFETCH(QString, collapsed);
        QCOMPARE(trimSpaces(text), trimmed);
        QCOMPARE(collapseSpaces(text), collapsed);
    }

    void collapsingALongAnswer()
    {
        // Thirty thousand characters of spaces around a word come out in one pass.
        const QString text = QString(15000, QLatin1Char(' ')) + QStringLiteral("az") + QString(14998, QLatin1Char(' '));
        QCOMPARE(collapseSpaces(text), QStringLiteral(" az "));
    }

    void drawIndex_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("item");
        QTest::newRow("zero") << 0.0 << 1 << 23 << 1;
        QTest::newRow("middle") << 0.5 << 0 << 12 << 6;
        QTest::newRow("just below 1 stays inside") << 0.99999999 << 24 << 16 << 39;
        QTest::newRow("last") << 0.999 << 1 << 23 << 23;
        QTest::newRow("range ending at the int limit") << 0.5 << INT_MAX - 83 << 84 << INT_MAX - 83;
        QTest::newRow("rounding past the int limit") << 0.99999999 << (1 << 30) << (1 << 30) - 1 << INT_MAX - 1;
    }

    void drawIndex()
    {
        QFETCH(double, r);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, item);
        QCOMPARE(itemForDraw(r, first, count), item);
    }

    void drawEndsWithAStuckGenerator()
    {
        TestRun run;
        // The generator returns the same number for ever; only item 7 is free.
        run.desktop().draws = QList<double>(20000, 0.0);
        QCOMPARE(drawFreeItem(1, 23, [](int i) { return i == 7; }), 7);
        QCOMPARE(drawFreeItem(1, 23, [](int) { return false; }), -1);
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
