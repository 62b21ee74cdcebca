// The Lessons window: where it opens from, a word list coming in by Import..., by a drop or from
// a file manager (asked about first when the list leaves something open), Practise and Remove,
// and the figures and the damaged files it shows.
#include "app/alap.h"
#include "app/lessonswindow.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "exercises/h01d1/h01d1.h"
#include "support/scenes.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QUrl>

namespace {

const QString data = QStringLiteral(TARVO_WORDLISTS);

QStringList titles()
{
    QStringList out;
    QTableWidget *table = lessons().ui().lessons;
    for (int row = 0; row < table->rowCount(); ++row)
        out << table->item(row, 0)->text();
    return out;
}

void selectTitle(const QString &title)
{
    QTableWidget *table = lessons().ui().lessons;
    table->setFocus();
    table->selectRow(int(titles().indexOf(title)));
}

// A store that counts lesson 1 and nothing else.
class CountingStore : public NullProgressStore {
public:
    QList<LessonProgress> lessonProgress() override { return {{QStringLiteral("1"), 12, 3}}; }
};

} // namespace

class LessonsTest : public QObject {
    Q_OBJECT

private slots:
    void opens_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("menu") << "menu";
        QTest::newRow("exercise window") << "exercise";
        QTest::newRow("command line") << "command line";
    }
    // From every Progress menu and from tarvo --lessons: lesson 1 listed first and selected, the
    // focus in the list; Esc closes the window.
    void opens()
    {
        QFETCH(QString, from);
        TestRun run;
        if (from == QLatin1String("menu")) {
            toMenu();
            triggerMenu(alap().window(), QStringLiteral("mnuLessons"));
        } else if (from == QLatin1String("exercise")) {
            triggerMenu(openExercise(1).window(), QStringLiteral("mnuLessons"));
        } else {
            run.program().startLessons();
        }
        QWidget *window = lessons().window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvo - Lessons"));
        QCOMPARE(titles(), QStringList{QStringLiteral("1. Lecke")});
        // A fresh record: lesson 1 met nothing yet, and nothing is due.
        QCOMPARE(lessons().ui().lessons->item(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(lessons().ui().lessons->item(0, 3)->text(), QStringLiteral("0"));
        QCOMPARE(lessons().selectedId(), QStringLiteral("1"));
        QVERIFY(!lessons().ui().remove->isEnabled());
        QCOMPARE(window->focusWidget(), lessons().ui().lessons);
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QVERIFY(!lessons().isLoaded());
    }

    // A word list in by the file dialog, a drop or a file manager: one that says what Tarvo needs
    // comes in at once; for one that does not, the window asks first (the columns, whether they
    // are nouns). Every import ends in a box that says what came of it.
    void importFlow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("columns");
        QTest::addColumn<bool>("tickNouns");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("items");
        QTest::newRow("word types: at once") << "dialog" << "kvtml/bilingual.kvtml" << false << false << false
                                             << "Tiere und Dinge" << 9;
        QTest::newRow("header says: nouns asked") << "dialog" << "csv/semicolon-bom.csv" << true << false << true
                                                  << "semicolon-bom" << 6;
        QTest::newRow("no header: columns asked") << "drop" << "csv/tab-utf16.txt" << true << true << false
                                                  << "tab-utf16" << 3;
        QTest::newRow("from a file manager") << "argument" << "kvtml/monolingual.kvtml" << false << false << false
                                             << "Gyümölcsök" << 4;
    }
    void importFlow()
    {
        QFETCH(QString, how);
        QFETCH(QString, file);
        QFETCH(bool, asks);
        QFETCH(bool, columns);
        QFETCH(bool, tickNouns);
        QFETCH(QString, title);
        QFETCH(int, items);
        TestRun run;
        FakeDesktop &desktop = run.desktop();
        if (how == QLatin1String("argument")) {
            run.program().startLessons({data + file});
        } else {
            run.program().startLessons();
            if (how == QLatin1String("dialog")) {
                desktop.openPaths = {data + file};
                lessons().ui().import->click();
                QCOMPARE(desktop.openDialogs, QStringList{LessonsWindow::fileFilter()});
            } else {
                QMimeData mime;
                mime.setUrls({QUrl::fromLocalFile(data + file)});
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(lessons().window(), &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(lessons().window(), &drop);
            }
        }
        LessonsUi &u = lessons().ui();
        QCOMPARE(lessons().choosing(), asks);
        if (asks) {
            QVERIFY(desktop.boxes.isEmpty());
            QCOMPARE(u.hungarian->isVisibleTo(u.choices), columns);
            QVERIFY(u.nouns->isVisibleTo(u.choices));
            QVERIFY(u.preview->text().startsWith(QLatin1String("First words: ")));
            if (tickNouns)
                QTest::keyClick(u.nouns, Qt::Key_Space);
            pressEnter(lessons().window());
        }
        QVERIFY(!lessons().choosing());
        QCOMPARE(desktop.boxes.size(), 1);
        QCOMPARE(desktop.lastBox().icon, MsgIcon::Information);
        QVERIFY2(desktop.lastBox().text.contains(QStringLiteral("into “%1”").arg(title)), qPrintable(desktop.lastBox().text));
        QCOMPARE(titles().value(1), title);
        QCOMPARE(lessons().selectedId(), lessons().listed().value(0).id);
        QCOMPARE(LessonFile::load(lessons().listed().value(0).path).lesson.itemCount(), items);
    }

    // The learner's choices: another column for the Hungarian words, and a language picked for a
    // list that marks none as Hungarian; Esc leaves a list out.
    void choices()
    {
        TestRun run;
        run.program().startLessons({data + QStringLiteral("csv/tab-utf16.txt")});
        LessonsUi &u = lessons().ui();
        QCOMPARE(u.preview->text(), QStringLiteral("First words: kutya (dog); őz (deer); üveg (glass)"));
        u.hungarian->setFocus();
        QTest::keyClick(u.hungarian, Qt::Key_Down);
        QCOMPARE(u.preview->text(), QStringLiteral("First words: dog (kutya); deer (őz); glass (üveg)"));
        QTest::keyClick(u.hungarian, Qt::Key_Escape);
        QVERIFY(!lessons().choosing());
        QVERIFY(run.desktop().boxes.isEmpty());
        QCOMPARE(titles().size(), 1);

        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("no-hu.kvtml"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<kvtml version=\"2.0\"><identifiers><identifier id=\"a\"><name>English</name></identifier>"
                   "<identifier id=\"b\"><name>Ungarisch</name></identifier></identifiers><entries><entry id=\"0\">"
                   "<translation id=\"a\"><text>fish</text></translation><translation id=\"b\"><text>hal</text>"
                   "</translation></entry></entries></kvtml>");
        file.close();
        lessons().importFiles({list});
        QVERIFY2(lessons().choosing(), qPrintable(run.desktop().lastBox().text));
        QCOMPARE(u.hungarian->currentText(), QStringLiteral("English"));
        u.hungarian->setCurrentIndex(1);
        QCOMPARE(u.preview->text(), QStringLiteral("First words: hal (fish)"));
        u.importNow->click();
        QVERIFY(run.desktop().lastBox().text.startsWith(QStringLiteral("Imported 1 word into “no-hu”")));
    }

    // A list that cannot be imported: a box naming the file and what is wrong, nothing listed.
    void badList()
    {
        TestRun run;
        run.program().startLessons({data + QStringLiteral("kvtml/pictures")});
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().lastBox().icon, MsgIcon::Exclamation);
        QCOMPARE(run.desktop().lastBox().text, data + QStringLiteral("kvtml/pictures: this is a folder, not a word list"));
        QCOMPARE(titles().size(), 1);
    }

    // Practise: lesson 1 in the menu's exercises, an imported lesson in the review. Remove asks
    // first, and only Yes removes.
    void practiseAndRemove()
    {
        TestRun run;
        run.program().startLessons({data + QStringLiteral("kvtml/bilingual.kvtml")});
        selectTitle(QStringLiteral("1. Lecke"));
        pressEnter(lessons().window());
        QVERIFY(alap().isVisible());
        selectTitle(QStringLiteral("Tiere und Dinge"));
        lessons().ui().practise->click();
        QVERIFY(review().isVisible());

        QVERIFY(lessons().ui().remove->isEnabled());
        lessons().ui().remove->click();
        QCOMPARE(run.desktop().questions.size(), 1);
        QVERIFY2(run.desktop().questions[0].text.startsWith(QStringLiteral("Remove the lesson “Tiere und Dinge”?")),
                 qPrintable(run.desktop().questions[0].text));
        QCOMPARE(titles().size(), 2);
        run.desktop().questionAnswer = true;
        lessons().ui().remove->click();
        QCOMPARE(titles(), QStringList{QStringLiteral("1. Lecke")});
        QVERIFY(QDir(run.dataDir() + QStringLiteral("/lessons")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                    == QStringList{QStringLiteral(".index.json")} ||
                QDir(run.dataDir() + QStringLiteral("/lessons")).isEmpty());

        // A lesson whose file went since the list was read is told, and leaves the list.
        review().unload();
        lessons().importFiles({data + QStringLiteral("kvtml/bilingual.kvtml")});
        QVERIFY(QFile::remove(lessons().listed().value(0).path));
        selectTitle(QStringLiteral("Tiere und Dinge"));
        lessons().ui().practise->click();
        QVERIFY(!review().isVisible());
        QCOMPARE(run.desktop().lastBox().text,
                 QStringLiteral("This lesson cannot be read any more. Import its word list again."));
        QCOMPARE(titles(), QStringList{QStringLiteral("1. Lecke")});
    }

    // A practice as a learner meets it over two days, three new items a day: new words first, a
    // wrong one back in the same session, every first answer recorded and counted in the list;
    // the same day again brings nothing new, the next day the next three and the one missed. A
    // removed lesson's items leave the review's count while its answers stay.
    void practiseOverDays()
    {
        TestRun run;
        QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
        run.store().setClock([&now] { return now.toUTC(); });
        run.program().startLessons({data + QStringLiteral("kvtml/bilingual.kvtml")});
        QSpinBox *daily = lessons().ui().newPerDay;
        QCOMPARE(daily->value(), LessonsWindow::defaultNewPerDay);
        daily->setFocus();
        daily->selectAll();
        typeText(daily, QStringLiteral("3"));
        QCOMPARE(LessonsWindow::newPerDay(), 3);

        const auto practise = [] {
            selectTitle(QStringLiteral("Tiere und Dinge"));
            pressEnter(lessons().window());
            QVERIFY(review().isVisible());
            QCOMPARE(review().window()->windowTitle(), QStringLiteral("Tarvo - Practice"));
        };
        // Answers every item with the answer the window shows after a miss; the first one missed.
        const auto answerAll = []() -> QStringList {
            QStringList asked;
            bool missed = false;
            for (int guard = 0; guard < 20 && !review().session().finished(); ++guard) {
                const ReviewItem &item = review().items().at(review().session().current());
                asked << review().ui().counter->text() + QLatin1Char(' ') + item.item;
                if (!missed) {
                    missed = true;
                    enter(review().ui().answer, QStringLiteral("xyz"));
                    // The verdict shows the answer to type; a verdict that does not is listed.
                    const QString verdict = review().ui().verdict->text().remove(QRegularExpression(QStringLiteral("<[^>]*>")));
                    if (!verdict.contains(item.expected.toHtmlEscaped()))
                        asked << review().ui().verdict->text();
                    pressEnter(review().window());
                    continue;
                }
                enter(review().ui().answer, item.answer);
                if (!review().ui().verdict->text().startsWith(QStringLiteral("Right!")))
                    asked << review().ui().verdict->text();
                pressEnter(review().window());
            }
            return asked;
        };
        // As the list shows them once the practice is closed.
        const auto figures = [] {
            review().ui().close->click();
            selectTitle(QStringLiteral("Tiere und Dinge"));
            QTableWidget *table = lessons().ui().lessons;
            const int row = table->currentRow();
            return table->item(row, 2)->text() + QLatin1Char('/') + table->item(row, 3)->text();
        };

        practise();
        QCOMPARE(review().ui().source->text(), QStringLiteral("From “Tiere und Dinge”, new"));
        QCOMPARE(answerAll(), (QStringList{"1 of 3 word:kutya", "2 of 3 article:kutya", "3 of 3 word:alma",
                                           "1 of 3, again word:kutya"}));
        QVERIFY2(review().ui().summary->text().startsWith(QStringLiteral(
                     "Practice done: 3 practised, 2 right. 6 new items of this lesson wait for another day.")),
                 qPrintable(review().ui().summary->text()));
        QCOMPARE(figures(), QStringLiteral("3/0"));
        // The Progress window names the word missed as it was asked, and where.
        run.program().openProgress();
        QCOMPARE(progress().ui().words->item(0, 0)->text(), QStringLiteral("dog; hound"));
        QCOMPARE(progress().ui().words->item(0, 0)->toolTip(), QStringLiteral("From “Tiere und Dinge”"));
        progress().unload();

        practise();
        QCOMPARE(review().ui().summary->text(), QStringLiteral("Nothing to practise in this lesson now. 6 new items of "
                                                              "this lesson wait for another day."));
        QCOMPARE(run.program().reviewMenuCaption(), QStringLiteral("&Review (0 due)..."));

        now = now.addDays(1);
        QCOMPARE(run.program().reviewMenuCaption(), QStringLiteral("&Review (1 due)..."));
        QCOMPARE(figures(), QStringLiteral("3/1"));
        practise();
        QCOMPARE(answerAll(), (QStringList{"1 of 4 article:alma", "2 of 4 word:ház", "3 of 4 article:ház",
                                           "4 of 4 word:kutya", "1 of 4, again article:alma"}));
        QCOMPARE(figures(), QStringLiteral("6/0"));

        // Day 3: the two answered right on day 1 and the one missed on day 2.
        now = now.addDays(1);
        QCOMPARE(run.program().reviewMenuCaption(), QStringLiteral("&Review (3 due)..."));
        run.desktop().questionAnswer = true;
        selectTitle(QStringLiteral("Tiere und Dinge"));
        lessons().ui().remove->click();
        QCOMPARE(run.program().reviewMenuCaption(), QStringLiteral("&Review (0 due)..."));
        QCOMPARE(run.store().lessonProgress().value(0).met, 6);
    }

    // The record's figures where the store gives them, a dash where it does not; a damaged file
    // of the folder named under the list.
    void figuresAndProblems()
    {
        TestRun run(std::make_unique<CountingStore>());
        QDir().mkpath(run.dataDir() + QStringLiteral("/lessons"));
        QFile damaged(run.dataDir() + QStringLiteral("/lessons/damaged.json"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{");
        damaged.close();
        run.program().startLessons({data + QStringLiteral("kvtml/bilingual.kvtml")});
        QTableWidget *table = lessons().ui().lessons;
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("12"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("3"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("5"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("–"));
        QCOMPARE(table->item(1, 2)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("not known"));
        QVERIFY(lessons().ui().problems->isVisible());
        QVERIFY(lessons().ui().problems->text().contains(damaged.fileName() + QStringLiteral(", line 1, column 2")));
        QVERIFY(damaged.exists());
    }
};

QTEST_MAIN(LessonsTest)
#include "tst_lessons.moc"
