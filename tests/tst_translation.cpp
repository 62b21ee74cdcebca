// The interface in the learner's language. The language chosen from the desktop's list; every
// text a window shows, in every main state and in every message box, going through the
// translation system (under a pseudo-translation that wraps each text in [[ ]]) while the
// Hungarian content never does; and access keys that do not clash, in English and in German.
#include "app/alap.h"
#include "app/lessonswindow.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "core/module1.h"
#include "core/translations.h"
#include "exercises/h01d1/articlebank.h"
#include "exercises/h01d2/questionbank.h"
#include "exercises/h01d3/sentencebank.h"
#include "exercises/frame/exerciseform.h"
#include "support/scenes.h"
#include "support/testing.h"
#include "ui/panel3d.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabBar>

namespace {

// Every word of the exercises' Hungarian, and of the window captions' Hungarian parts.
QSet<QString> hungarianWords()
{
    QStringList texts = ArticleBank::nouns() + ArticleBank::articles() + QuestionBank::questions() +
                        SentenceBank::stems() + SentenceBank::ends() + SentenceBank::keys() + nounTable();
    const QStringList subjects = QuestionBank::subjects(), pronouns = QuestionBank::pronouns(),
                      predicates = QuestionBank::predicates();
    for (int i = 0; i < subjects.size(); ++i)
        for (bool yes : {true, false}) {
            const auto a = QuestionBank::answers(yes, subjects[i], pronouns.value(i), predicates.value(i));
            texts << a.longAnswer << a.shortAnswer << a.predicateAnswer << a.pronounAnswer;
        }
    texts << QStringLiteral("T A R V O Tarvo Lecke") << QStringLiteral("áéíóöőúüű").split(QString());
    // The word lists the Lessons window shows are content too, in whatever language they are.
    texts << lessonsContent();
    QSet<QString> words;
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    for (const QString &text : texts)
        for (const auto &m : word.globalMatch(text.toLower()))
            words.insert(m.captured());
    return words;
}

// Whether every word of a text is Hungarian (a text without words is).
bool allHungarian(const QString &text)
{
    static const QSet<QString> hungarian = hungarianWords();
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    for (const auto &m : word.globalMatch(text.toLower()))
        if (!hungarian.contains(m.captured()))
            return false;
    return true;
}

// What is wrong with a text shown under the pseudo-translation: interface text outside [[ ]], or
// Hungarian content inside. Empty when nothing is.
QString fault(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[\\[([^\\[\\]]*)\\]\\]"));
    for (QRegularExpressionMatch m; (m = innermost.match(text)).hasMatch();) {
        const QString inside = m.captured(1);
        static const QRegularExpression anyWord(QStringLiteral("\\p{L}"));
        if (inside.contains(anyWord) && allHungarian(inside))
            return QStringLiteral("Hungarian content translated");
        text.replace(m.capturedStart(), m.capturedLength(), QStringLiteral(" "));
    }
    return allHungarian(text) ? QString() : QStringLiteral("outside the translation system");
}

// The items a menu shows when it opens, with the captions it sets as it opens.
QList<QAction *> shownItems(QMenu *menu)
{
    emit menu->aboutToShow();
    QList<QAction *> items = menu->actions();
    items.removeIf([](QAction *a) { return !a->isVisible(); });
    return items;
}

// Every text a window shows or tells a screen reader, its menus' texts included.
QStringList textsOf(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (auto *menu = qobject_cast<QMenu *>(w)) {
            texts << menu->title();
            for (QAction *a : shownItems(menu))
                texts << a->text() << a->toolTip() << a->statusTip();
            continue;
        }
        if (!w->isVisibleTo(top))
            continue;
        texts << w->toolTip() << w->statusTip() << w->whatsThis() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *panel = qobject_cast<Panel3D *>(w))
            texts << panel->caption();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->placeholderText();
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            const QAbstractItemModel *model = view->model();
            for (int c = 0; model && c < model->columnCount(); ++c)
                texts << model->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; model && r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole})
                        texts << model->index(r, c).data(role).toString();
        }
    }
    return texts;
}

// In an exercise window: a wrong answer (exercise 2's without its capital letter, which also
// warns), the Solution, and How to, each drawing its box.
void drawBoxes(ExerciseForm &w)
{
    if (w.currentExercise() == 2)
        enter(chooseNextQuestion(), QStringLiteral("nem, zzz."));
    else if (auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        enter(box, QStringLiteral("zzz"));
    w.frame().solution->click();
    for (QAction *a : w.window()->menuBar()->findChildren<QAction *>())
        if (a->objectName().startsWith(QLatin1String("mnuHow"), Qt::CaseInsensitive))
            a->trigger();
}

// Where two captions that take Alt with the same letter share a window or a menu, one of them.
QString clash(const QString &where, const QStringList &captions)
{
    QHash<QString, QString> seen; // captions by their access key
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        if (!key.isEmpty() && seen.contains(key))
            return QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, seen.value(key), caption);
        if (!key.isEmpty())
            seen.insert(key, caption);
    }
    return QString();
}

// The first access-key clash in a window: among its buttons and menu titles, or in one menu.
QString accessKeyClash(QWidget *top)
{
    QStringList window;
    for (QAbstractButton *b : top->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(top) && b->isEnabled())
            window << b->text();
    if (auto *bar = top->findChild<QMenuBar *>())
        for (QAction *a : bar->actions()) {
            window << a->text();
            if (QMenu *menu = a->menu()) {
                QStringList items;
                for (QAction *item : shownItems(menu))
                    items << item->text();
                if (const QString c = clash(menu->title(), items); !c.isEmpty())
                    return c;
            }
        }
    return clash(top->windowTitle(), window);
}

// Boxes and states beyond the windows' main ones: the menu's How to, the question before the
// record is forgotten, a damaged record set aside, and the end of a review.
QList<Scene> moreScenes()
{
    return {
        {"menu, How to", [](FakeDesktop &) { return (toMenu(), triggerMenu(alap().window(), QStringLiteral("mnuHow")), alap().window()); }},
        {"progress, forget asked",
         [](FakeDesktop &) {
             QWidget *w = progressWithRecord();
             progress().ui().forget->click();
             return w;
         }},
        {"damaged record",
         [](FakeDesktop &) {
             QFile file(Program::get().progressStore().filePath());
             if (file.open(QIODevice::WriteOnly))
                 file.write(QByteArray("not a database\n").repeated(50));
             file.close();
             toMenu();
             QTest::qWait(450); // the store opens once the menu is up
             return alap().window();
         }},
        {"lessons, remove asked",
         [](FakeDesktop &) {
             QWidget *w = lessonsIn(LessonsState::TwoLists);
             lessons().ui().lessons->selectRow(1);
             lessons().ui().remove->click();
             return w;
         }},
        {"lessons, a list that cannot be read",
         [](FakeDesktop &) {
             toMenu();
             triggerMenu(alap().window(), QStringLiteral("mnuLessons"));
             lessons().importFiles({QStringLiteral("/nonexistent/list.csv")});
             return lessons().window();
         }},
        {"review done",
         [](FakeDesktop &) {
             QWidget *w = reviewIn(ReviewState::Right);
             review().ui().next->click();
             return w;
         }},
    };
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Translations::uninstall(); }

    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("german");
        QTest::newRow("German") << QStringList{"de-DE"} << true;
        QTest::newRow("Austrian German, then English") << QStringList{"de-AT", "en-US"} << true;
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << false;
        QTest::newRow("untranslated, then German") << QStringList{"fr-FR", "de"} << true;
        QTest::newRow("untranslated only") << QStringList{"fr-FR", "hu-HU"} << false;
        QTest::newRow("none") << QStringList{} << false;
    }

    // The first language of the desktop's list that Tarvo has, unless English comes first; Qt's
    // own texts and the dates follow it.
    void languageChosen()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, german);
        QCOMPARE(Translations::install(uiLanguages).isEmpty(), !german);
        const char *ours = "Drill exercises for learners of Hungarian.";
        const char *qts = "Displays help on commandline options.";
        QCOMPARE(QCoreApplication::translate("CommandLine", ours) != QLatin1String(ours), german);
        QCOMPARE(QCoreApplication::translate("QCommandLineParser", qts) != QLatin1String(qts), german);
        QCOMPARE(QLocale().language(), german ? QLocale::German : QLocale::English);
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<int>("scene");
        const QList<Scene> all = scenes() + moreScenes();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << i;
    }

    // Under the pseudo-translation, every text shown (windows, menus, tips, names a screen reader
    // reads, message boxes) is wrapped, and no Hungarian is.
    void everyTextTranslated()
    {
        QFETCH(int, scene);
        QVERIFY(Translations::installFile(QStringLiteral(":/i18n/pseudo.qm")));
        TestRun run;
        QWidget *window = (scenes() + moreScenes()).at(scene).build(run.desktop());
        auto *exercise = qobject_cast<ExerciseForm *>(qobject_cast<FormWindow *>(window)->form());
        if (exercise && QByteArray(QTest::currentDataTag()).endsWith("right answer"))
            drawBoxes(*exercise);
        QStringList texts;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible())
                texts << textsOf(top);
        for (const FakeDesktop::Box &box : run.desktop().boxes + run.desktop().questions)
            texts << box.title << box.text;
        QStringList faults;
        int wrapped = 0;
        for (const QString &text : std::as_const(texts)) {
            if (const QString f = fault(text); !f.isEmpty() && !faults.contains(f + QStringLiteral(": ") + text))
                faults << f + QStringLiteral(": ") + text;
            wrapped += text.contains(QLatin1String("[["));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts\n").arg(faults.size()) + faults.join(u'\n')));
        QVERIFY(wrapped > 5);
    }

    void progressWindowFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("fontScale");
        QTest::newRow("English, larger font") << "en" << 1.5;
        QTest::newRow("German") << "de" << 1.0;
        QTest::newRow("German, larger font") << "de" << 1.5;
    }

    // The Progress window shows every column of its exercises table whole, growing for a longer
    // language or a larger desktop font.
    void progressWindowFits()
    {
        QFETCH(QString, language);
        QFETCH(double, fontScale);
        Translations::install({language});
        const QFont font = QApplication::font();
        QFont larger = font;
        larger.setPointSizeF(font.pointSizeF() * fontScale);
        QApplication::setFont(larger);
        TestRun run;
        QWidget *window = progressWithRecord();
        QApplication::setFont(font);
        auto *table = window->findChild<QTableWidget *>(QStringLiteral("exercises"));
        QVERIFY(table->isVisible());
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        const int last = table->columnCount() - 1;
        QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <= table->viewport()->width());
    }

    void accessKeysDistinct_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QString>("language");
        const QList<Scene> all = scenes();
        const QStringList translations = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tarvo_*.qm")});
        QVERIFY(translations.contains(QStringLiteral("tarvo_de.qm")));
        for (QString language : translations) {
            language = language.mid(6).chopped(3);
            for (int i = 0; i < all.size(); ++i)
                QTest::addRow("%s, %s", qPrintable(language), all[i].name) << i << language;
        }
    }

    // In every translation, no two buttons or menu titles of a window, nor two items of a menu,
    // share an access key. (The English captions are as laid out: exercises 2 to 4 give Alt+O
    // both to Close and to the Options menu.)
    void accessKeysDistinct()
    {
        QFETCH(int, scene);
        QFETCH(QString, language);
        QVERIFY(!Translations::install({language}).isEmpty());
        TestRun run;
        QWidget *window = scenes().at(scene).build(run.desktop());
        const QString c = accessKeyClash(window);
        QVERIFY2(c.isEmpty(), qPrintable(c));
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
