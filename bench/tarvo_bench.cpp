// Reports how fast Tarvo starts and reacts, each figure beside the same figure for a minimal Qt
// Widgets program (one window with a label), measured in the same run. The progress store is a
// real file in a temporary folder, filled with a million answers before the windows are timed.
//
//   tarvo-bench [runs]      prints one table; every figure is the median of the runs
//   tarvo-bench RUNS --store   only the store's figures
//   tarvo-bench RUNS --wordlists   only the word lists' imports
//   tarvo-bench RUNS --lessons   only the Lessons window over 100 lessons
#include "app/alap.h"
#include "app/lessonswindow.h"
#include "core/desktop.h"
#include "app/program.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "app/sobre.h"
#include "core/draw.h"
#include "core/lessonfile.h"
#include "core/lessonlibrary.h"
#include "core/progressstore.h"
#include "core/speech.h"
#include "core/translations.h"
#include "core/wordlist.h"
#include "exercises/h01d1/articlebank.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "ui/picture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace {

qint64 nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long peakRssKb()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Prints "<tag> <time>" the first time anything in a window of the given name has been painted.
class FirstPaint : public QObject {
public:
    FirstPaint(const char *tag, QString window = QString(), std::function<void()> then = {})
        : tag_(tag), window_(std::move(window)), then_(std::move(then))
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && !done_ &&
            (window_.isEmpty() || widget->window()->objectName() == window_)) {
            done_ = true;
            std::printf("%s %lld\n", tag_, nowNs());
            std::fflush(stdout);
            if (then_)
                QTimer::singleShot(0, then_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char *tag_;
    QString window_;
    std::function<void()> then_;
    bool done_ = false;
};

// A speech engine without a Hungarian voice: the timed windows neither speak nor start a
// speech-dispatcher, nor store a first decision in the learner's settings.
class SilentSpeaker : public Speaker {
public:
    void open() override { voice_ = Voice::Missing; }
    Voice voice() const override { return voice_; }
    void say(const QString &) override {}
    void stop() override {}
    void setSlow(bool) override {}

private:
    Voice voice_ = Voice::Unknown;
};

// A desktop that acknowledges every box at once, never beeps and never speaks; random from Qt.
class QuietDesktop : public QtDesktop {
public:
    void messageBox(QWidget *, const QString &, const QString &, MsgIcon) override {}
    void beep() override {}
    Speaker &speaker() override { return silent_; }

private:
    SilentSpeaker silent_;
};

// The offscreen platform says on every raise that it cannot change the stacking order.
void quiet(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("raise()")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int childPlain(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    FirstPaint paint("shown", QString(), [] {
        std::printf("rss %ld\n", peakRssKb());
        QCoreApplication::exit(0);
    });
    label.installEventFilter(&paint);
    label.show();
    return QApplication::exec();
}

// The program as it starts for a learner, with its store in the data folder (a temporary one,
// given by the parent); once the menu is painted it reports its peak memory, then again once the
// store has been opened behind the menu.
int childTarvo(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(QLocale::system().uiLanguages()); // as the program does at start
    Program program(std::make_unique<QtDesktop>(), std::make_unique<SqliteProgressStore>(QString::fromLocal8Bit(argv[2])));
    FirstPaint card("shown", QStringLiteral("sobre"));
    FirstPaint menu("menu", QStringLiteral("alap"), [] {
        std::printf("rss %ld\n", peakRssKb());
        std::fflush(stdout);
        QTimer::singleShot(600, [] {
            std::printf("storerss %ld\n", peakRssKb());
            Program::get().end();
        });
    });
    app.installEventFilter(&card);
    app.installEventFilter(&menu);
    program.start();
    return QApplication::exec();
}

struct Startup {
    double shownMs = 0, menuMs = 0, rssKb = 0, storeRssKb = 0;
};

// Starts a child in the interface language given (LANGUAGE, as a desktop session sets it).
Startup launch(const QString &mode, const QString &store = QString(), const QString &language = QStringLiteral("en"))
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = nowNs();
    child.start(QCoreApplication::applicationFilePath(), {mode, store});
    child.waitForFinished(30000);
    Startup s;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        if (parts[0] == "shown")
            s.shownMs = (parts[1].toLongLong() - start) / 1e6;
        else if (parts[0] == "menu")
            s.menuMs = (parts[1].toLongLong() - start) / 1e6;
        else if (parts[0] == "rss")
            s.rssKb = parts[1].toDouble();
        else if (parts[0] == "storerss")
            s.storeRssKb = parts[1].toDouble();
    }
    return s;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double percentile(QList<double> values, int perThousand)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[std::min(values.size() - 1, values.size() * perThousand / 1000)];
}

// A store of a million answers to 10,000 items over the last sixty days, as several years of
// daily practice would leave: written in one transaction through a connection of its own (so
// the store's schedule is behind its log until the store next opens).
// Writes rows straight into a store file that the program has laid out, in one transaction and
// without syncs: bind(q, i) binds row i to the prepared insert; `after` runs before the commit.
void writeRows(const QString &path, int rows, const QString &insert, const std::function<void(QSqlQuery &, int)> &bind,
               const QString &after = QString())
{
    SqliteProgressStore(path).open(); // the schema
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(insert);
        for (int i = 0; i < rows; ++i) {
            bind(q, i);
            q.exec();
        }
        if (!after.isEmpty())
            q.exec(after);
        q.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

void fillStore(const QString &path, int answers)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    writeRows(
        path, answers,
        QStringLiteral("INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected) "
                       "VALUES(?, ?, 0, ?, ?, ?, ?, ?)"),
        [&](QSqlQuery &q, int i) {
            const int exercise = 1 + i % 5;
            const QString item = QStringLiteral("item %1 of exercise %2").arg(i % 10000).arg(exercise);
            q.bindValue(0, now.addSecs(-qint64(answers - i) * 60 * 86400 / answers).toString(Qt::ISODateWithMs));
            q.bindValue(1, exercise);
            q.bindValue(2, item);
            q.bindValue(3, QStringLiteral("answer"));
            q.bindValue(4, int(i % 7 != 0));
            q.bindValue(5, int(i % 3 == 0));
            q.bindValue(6, QStringLiteral("right answer"));
        },
        QStringLiteral("INSERT INTO runs(started, ended, exercise, plus, items, completed) "
                       "SELECT time, time, exercise, 0, 10, 1 FROM answers WHERE id % 10 = 0"));
}

// Median time of an action in microseconds.
double timeUs(int runs, const std::function<void()> &action)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        action();
        times.append(t.nsecsElapsed() / 1e3);
    }
    return median(times);
}

void row(const char *what, double tarvo, double plain, const char *unit)
{
    if (plain > 0)
        std::printf("%-46s %12.2f %12.2f %8.2f  %s\n", what, tarvo, plain, tarvo / plain, unit);
    else
        std::printf("%-46s %12.2f %12s %8s  %s\n", what, tarvo, "-", "-", unit);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// How long a window takes to open: the first time (its data still on disk), then the median of
// `runs` more, beside a plain window's figure.
template <class Window>
void openFigures(Window &window, int runs, const char *what, double plainUs)
{
    QElapsedTimer t;
    t.start();
    window.open();
    QCoreApplication::processEvents();
    row((std::string(what) + ", first").c_str(), t.nsecsElapsed() / 1e6, plainUs / 1000, "ms");
    window.unload();
    settle();
    const double us = timeUs(runs, [&window] {
        window.open();
        QCoreApplication::processEvents();
        window.unload();
        settle();
    });
    row(what, us / 1000, plainUs / 1000, "ms");
}

// The Review window over a record of 1,000,000 first tries at 10,000 items in the last year
// (the 24 nouns of exercise 1 among them, so that some items are presented): the schedule is
// derived from the log once, then the window is opened, first and again and again. A program
// of its own, on a store of its own, so that the other figures are not disturbed.
void benchReviewOpen(const QString &dir, int runs, double plainWindowUs)
{
    const QString path = dir + QStringLiteral("/review.sqlite");
    const int answers = 1000000, items = 10000;
    const QStringList nouns = ArticleBank::nouns();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    writeRows(path, answers,
              QStringLiteral("INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected) "
                             "VALUES(?, 1, 0, ?, 'a', ?, 1, 'a')"),
              [&](QSqlQuery &q, int i) {
                  const int k = i % items;
                  q.bindValue(0, now.addSecs(-qint64(answers - i) * 365 * 86400 / answers).toString(Qt::ISODateWithMs));
                  q.bindValue(1, k < nouns.size() ? nouns[k] : QStringLiteral("item %1").arg(k));
                  q.bindValue(2, int(i % 7 != 0));
              });

    Program program(std::make_unique<QuietDesktop>(), std::make_unique<SqliteProgressStore>(path));
    ProgressStore &store = program.progressStore();
    QElapsedTimer t;
    t.start();
    store.rebuildSchedule();
    row("derive the schedule of 10,000 items from 1,000,000", t.elapsed() / 1000.0, 0, "s");
    t.restart();
    const int due = store.dueCount();
    row("count the items due (menu caption)", t.nsecsElapsed() / 1e6, 0, "ms");
    openFigures(review(), runs, "open the Review window (10,000 items)", plainWindowUs);
    std::printf("  (%d items due, %d of them presented)\n", due, int(review().items().size()));
}

// The Lessons window over 100 imported lessons of 500 words each (50,000 words, every one a noun
// with its article item too): the lessons kept through the library, then the window opened the
// first time (its index read), again and again, and once with the index removed, when every
// lesson file is read whole. A program of its own, on a store that keeps nothing.
void benchLessonsOpen(const QString &dir, int runs, double plainWindowUs)
{
    const QString folder = dir + QStringLiteral("/lessons");
    LessonLibrary library(folder);
    QElapsedTimer t;
    t.start();
    for (int l = 0; l < 100; ++l) {
        WordList::Result list;
        list.lesson.id = QStringLiteral("bench-%1").arg(l);
        list.lesson.title = QStringLiteral("Lecke %1").arg(l);
        LessonSection section{QStringLiteral("words"), QString(), {}};
        for (int w = 0; w < 500; ++w) {
            const QString word = QStringLiteral("szó %1 %2").arg(l).arg(w);
            section.items.append({WordList::wordKey(word), WordItem{QStringLiteral("word %1").arg(w), QStringLiteral("en"), QString(), word}});
            section.items.append({WordList::articleKey(word), ArticleItem{word, WordList::articleFor(word)}});
        }
        list.lesson.sections.append(section);
        library.add(QStringLiteral("bench-%1.csv").arg(l), list);
    }
    row("keep 100 lessons of 500 words (write and check)", t.elapsed() / 1000.0, 0, "s");

    // A record with a first try at every item of the first 99 lessons (99,000 of them) over the last
    // sixty days, so that a good part of them is due; the last lesson not yet met.
    const QString record = dir + QStringLiteral("/lessons.sqlite");
    const int answers = 99 * 1000;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    writeRows(record, answers,
              QStringLiteral("INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected, "
                             "lesson, section, utc_offset) VALUES(?, ?, 0, ?, 'x', ?, 1, 'x', ?, '', 0)"),
              [&](QSqlQuery &q, int i) {
                  const QString word = QStringLiteral("szó %1 %2").arg(i / 1000).arg(i % 1000 / 2);
                  q.bindValue(0, now.addSecs(-qint64(answers - i) * 60 * 86400 / answers).toString(Qt::ISODateWithMs));
                  q.bindValue(1, i % 2 ? 1 : 5);
                  q.bindValue(2, i % 2 ? WordList::articleKey(word) : WordList::wordKey(word));
                  q.bindValue(3, int(i % 7 != 0));
                  q.bindValue(4, QStringLiteral("bench-%1").arg(i / 1000));
              });

    Program program(std::make_unique<QuietDesktop>(), std::make_unique<SqliteProgressStore>(record));
    program.setLessonFolder(folder);
    program.progressStore().rebuildSchedule();
    t.restart();
    const QString caption = program.reviewMenuCaption();
    row("count the items due of 100 lessons (menu caption), first", t.nsecsElapsed() / 1e6, 0, "ms");
    row("count the items due of 100 lessons, median",
        timeUs(runs, [&program] { program.reviewMenuCaption(); }) / 1000, 0, "ms");
    row("the next day with items due (review's summary), median",
        timeUs(runs, [&program] { program.progressStore().nextDue(); }) / 1000, 0, "ms");
    std::printf("  (%s of 99,000 items met)\n", qPrintable(caption));
    openFigures(lessons(), runs, "open the Lessons window (100 lessons, 50,000 words)", plainWindowUs);
    std::printf("  (%d lessons listed)\n", int(lessons().listed().size()));
    // A practice: of a lesson met (its due items alone), and of the lesson not yet met (20 new).
    for (const auto &[id, what] : {std::pair{"bench-0", "open a practice of a lesson met"},
                                   std::pair{"bench-99", "open a practice of a new lesson"}}) {
        t.restart();
        review().practise(QString::fromLatin1(id), 20);
        QCoreApplication::processEvents();
        row(what, t.nsecsElapsed() / 1e6, plainWindowUs / 1000, "ms");
        std::printf("  (%d items)\n", int(review().items().size()));
        review().unload();
        settle();
    }
    QFile::remove(folder + QStringLiteral("/.index.json"));
    t.restart();
    lessons().open();
    QCoreApplication::processEvents();
    row("open the Lessons window, its index removed", t.nsecsElapsed() / 1e6, plainWindowUs / 1000, "ms");
    lessons().unload();
    settle();
}

// A KVTML list of 10,000 entries as Parley writes one (English and Hungarian, 100 lessons of 100
// entries, every other entry a noun) and the same words as CSV, each imported as a lesson.
void benchWordLists(const QString &dir, int runs)
{
    const int entries = 10000;
    QByteArray kvtml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                       "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n<information><title>Bench"
                       "</title></information>\n<identifiers><identifier id=\"0\"><name>English</name><locale>en</locale>"
                       "</identifier><identifier id=\"1\"><name>Hungarian</name><locale>hu</locale></identifier>"
                       "</identifiers>\n<entries>\n";
    QByteArray csv = "English;Magyar\n", lessons = "<lessons>\n", nouns;
    for (int i = 0; i < entries; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray word = (i % 3 ? "szó" : "ősz") + n;
        kvtml += "<entry id=\"" + n + "\"><inactive>false</inactive><inquery>false</inquery><translation id=\"0\">"
                 "<text>word " + n + "</text></translation><translation id=\"1\"><text>" + word +
                 "</text><comment>a definition of the word</comment></translation></entry>\n";
        csv += "word " + n + ";" + word + "\n";
        if (i % 100 == 0)
            lessons += (i ? "</container>\n" : "") + QByteArray("<container><name>Lesson ") + n + "</name>\n";
        lessons += "<entry id=\"" + n + "\"/>\n";
        if (i % 2 == 0)
            nouns += "<entry id=\"" + n + "\"><translation id=\"0\"/></entry>\n";
    }
    kvtml += "</entries>\n" + lessons + "</container>\n</lessons>\n<wordtypes><container><name>Noun</name>"
             "<specialwordtype>noun</specialwordtype>\n" + nouns + "</container></wordtypes>\n</kvtml>\n";
    const QString kvtmlPath = dir + QStringLiteral("/bench.kvtml"), csvPath = dir + QStringLiteral("/bench.csv");
    for (const auto &[path, bytes] : {std::pair{kvtmlPath, kvtml}, std::pair{csvPath, csv}}) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    Lesson lesson;
    const double kvtmlUs = timeUs(runs, [&] { lesson = WordList::read(kvtmlPath).lesson; });
    row("import a KVTML list of 10,000 entries", kvtmlUs / 1000, 0, "ms");
    qsizetype items = 0;
    for (const LessonSection &section : std::as_const(lesson.sections))
        items += section.items.size();
    std::printf("  (%d KB, %d items in %d sections)\n", int(kvtml.size() / 1024), int(items), int(lesson.sections.size()));
    // The same list kept in the library: read, its lesson file written, read back and renamed
    // into place (the first time new, then updated in place).
    LessonLibrary library(dir + QStringLiteral("/bench-lessons"));
    row("import it and keep it as a lesson", timeUs(runs, [&] { library.import(kvtmlPath); }) / 1000, 0, "ms");
    row("import a CSV list of 10,000 rows (nouns)", timeUs(runs, [&] {
            WordList::Options nounList;
            nounList.nouns = true;
            WordList::read(csvPath, nounList);
        }) / 1000,
        0, "ms");
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quiet);
    if (argc > 1 && QByteArray(argv[1]) == "--child-plain")
        return childPlain(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--child-tarvo")
        return childTarvo(argc, argv);

    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    // Lesson 1's first use in this process: its resource read, parsed and checked, then kept.
    QElapsedTimer lessonTimer;
    lessonTimer.start();
    const bool lessonLoaded = !lessonOne().isEmpty();
    const double lessonFirstUs = lessonTimer.nsecsElapsed() / 1e3;

    // --store: only the store's figures (the million answers and the schedule).
    const bool storeOnly = argc > 2 && QByteArray(argv[2]) == "--store";
    QTemporaryDir data;
    // --wordlists: only the word lists' imports; --lessons: only the Lessons window.
    if (argc > 2 && QByteArray(argv[2]) == "--wordlists") {
        benchWordLists(data.path(), runs);
        return 0;
    }
    if (argc > 2 && QByteArray(argv[2]) == "--lessons") {
        const double plain = timeUs(runs, [] {
            QLabel label(QStringLiteral("Hello"));
            label.show();
            QCoreApplication::processEvents();
        });
        benchLessonsOpen(data.path(), runs, plain);
        return 0;
    }
    QList<double> tShown, tMenu, tRss, tStoreRss, pShown, pRss, deShown, deMenu;
    for (int i = 0; i < runs && !storeOnly; ++i) {
        const Startup t = launch(QStringLiteral("--child-tarvo"), data.filePath(QStringLiteral("startup.sqlite")));
        const Startup de = launch(QStringLiteral("--child-tarvo"), data.filePath(QStringLiteral("startup.sqlite")),
                                  QStringLiteral("de"));
        deShown.append(de.shownMs);
        deMenu.append(de.menuMs - 800);
        const Startup p = launch(QStringLiteral("--child-plain"));
        tShown.append(t.shownMs);
        tMenu.append(t.menuMs);
        tRss.append(t.rssKb / 1024);
        tStoreRss.append(t.storeRssKb / 1024);
        pShown.append(p.shownMs);
        pRss.append(p.rssKb / 1024);
    }

    std::printf("%-46s %12s %12s %8s\n", "figure (median)", "Tarvo", "plain Qt", "ratio");
    if (!storeOnly) {
        row("process start to first window shown", median(tShown), median(pShown), "ms");
        row("process start to menu shown (card lasts 800)", median(tMenu), median(pShown), "ms");
        row("menu shown less the card's 800 ms", median(tMenu) - 800, median(pShown), "ms");
        row("first window shown, in German", median(deShown), median(pShown), "ms");
        row("menu shown less the card's 800 ms, in German", median(deMenu), median(pShown), "ms");
        row("peak resident memory at the menu", median(tRss), median(pRss), "MiB");
        row("peak resident memory, store opened (+0.6 s)", median(tStoreRss), median(pRss), "MiB");
        // What start-up spends on the interface language: Tarvo's German and Qt's own.
        QList<double> install;
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer t;
            t.start();
            Translations::install({QStringLiteral("de-DE")});
            install.append(t.nsecsElapsed() / 1e6);
        }
        Translations::uninstall();
        row("installing the German translation", median(install), 0, "ms");
    }
    row(lessonLoaded ? "lesson 1's first use (read, parse, check)" : "lesson 1's first use (FAILED)", lessonFirstUs, 0,
        "us");
    const double lessonAgainUs = timeUs(runs * 10, [] { LessonFile::load(QStringLiteral(":/lessons/lesson1.json")); });
    row("load lesson 1 from its file again, median", lessonAgainUs, 0, "us");

    if (!storeOnly)
        benchWordLists(data.path(), runs);

    const int millions = 1000000;
    const QString bigStore = data.filePath(QStringLiteral("progress.sqlite"));
    QElapsedTimer fill;
    fill.start();
    fillStore(bigStore, millions);
    row("write 1,000,000 answers in one transaction", fill.elapsed() / 1000.0, 0, "s");

    // The review schedule over the million answers: derived from the log at the first open,
    // rebuilt, and the queries behind the menu's due count and the Review window, with nothing
    // due (now) and with all 10,000 items due (a year on).
    {
        SqliteProgressStore store(bigStore);
        QElapsedTimer t;
        t.start();
        store.open();
        row("first open: schedule derived from 1,000,000 answers", t.elapsed() / 1000.0, 0, "s");
        row("rebuildSchedule() from 1,000,000 answers, median of 3",
            timeUs(3, [&store] { store.rebuildSchedule(); }) / 1e6, 0, "s");
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int days : {0, 400}) {
            store.setClock([at = now.addDays(days)] { return at; });
            int due = 0;
            const double countUs = timeUs(runs * 10, [&store, &due] { due = store.dueCount(); });
            std::printf("%-46s %d\n", days ? "items due a year on" : "items due now", due);
            row(days ? "dueCount(), all due, median" : "dueCount(), median", countUs / 1000, 0, "ms");
            row(days ? "dueItems(), all due, median" : "dueItems(), median",
                timeUs(runs, [&store] { store.dueItems(); }) / 1000, 0, "ms");
            row(days ? "dueItems(50), all due, median" : "dueItems(50), median",
                timeUs(runs, [&store] { store.dueItems(50); }) / 1000, 0, "ms");
            row(days ? "dueOutlook() and nextDue(), all due, median" : "dueOutlook() and nextDue(), median",
                timeUs(runs, [&store] {
                    store.dueOutlook();
                    store.nextDue();
                }) / 1000,
                0, "ms");
        }
        store.setClock({});
    }
    // The same million answers in a file of schema version 3, as an older Tarvo left it: the first
    // open gives every answer its offset from UTC and derives the schedule anew.
    {
        const QString old = data.filePath(QStringLiteral("progress-v3.sqlite"));
        QFile::copy(bigStore, old);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v3"));
            db.setDatabaseName(old);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("ALTER TABLE answers DROP COLUMN utc_offset"));
            q.exec(QStringLiteral("PRAGMA user_version=3"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v3"));
        QElapsedTimer t;
        t.start();
        SqliteProgressStore(old).open();
        row("first open of a version 3 file, 1,000,000 answers", t.elapsed() / 1000.0, 0, "s");
    }
    if (storeOnly)
        return 0;

    // One program at a time: the review's figures come from a program of their own, first.
    const double plainShown = timeUs(runs, [] {
        QLabel label(QStringLiteral("Hello"));
        label.show();
        QCoreApplication::processEvents();
    });
    benchReviewOpen(data.path(), runs, plainShown);
    settle();
    benchLessonsOpen(data.path(), runs, plainShown);
    settle();

    Program program(std::make_unique<QuietDesktop>(), std::make_unique<SqliteProgressStore>(bigStore));
    module1().aboutShown = true;
    alap().show();
    settle();

    const double plainWindow = timeUs(runs, [] {
        QLabel label(QStringLiteral("Hello"));
        label.show();
        QCoreApplication::processEvents();
    });
    struct Window {
        const char *name;
        std::function<void()> open;
        std::function<void()> close;
    };
    const Window windows[] = {
        {"load and show h01d1", [] { h01d1().show(); }, [] { h01d1().unload(); }},
        {"load and show h01d2", [] { h01d2().show(); }, [] { h01d2().unload(); }},
        {"load and show h01d3", [] { module1().exerciseCode = 3; h01d3().show(); }, [] { h01d3().unload(); }},
        {"load and show lex1", [] { lex1().show(); }, [] { lex1().unload(); }},
        {"load and show sobre (About)", [] { sobre().openAsAbout(); }, [] { sobre().unload(); }},
        {"load and show alap (menu)", [] { alap().show(); }, [] { alap().unload(); }},
    };
    for (const Window &w : windows) {
        const double us = timeUs(runs, [&] {
            w.open();
            QCoreApplication::processEvents();
            w.close();
            settle();
        });
        row(w.name, us / 1000, plainWindow / 1000, "ms");
    }

    // Pictures: the first rendering of a store, then the same again from the cache.
    struct Store {
        const char *name;
        QString pattern;
        int count;
        Picture::Tone tone;
        QSize size;
    };
    const Store stores[] = {
        {"render exercise 2 drawings (8, ink)", QStringLiteral(":/ex2/item%1.svg"), 8, Picture::Ink, QSize(128, 90)},
        {"render exercise 2 drawings (8, colour)", QStringLiteral(":/ex2/item%1.svg"), 8, Picture::Colour, QSize(128, 90)},
        {"render exercise 5 drawings (20, grey)", QStringLiteral(":/ex5/noun%1.svg"), 20, Picture::Grey, QSize(97, 73)},
        {"render exercise 5 drawings (20, colour)", QStringLiteral(":/ex5/noun%1.svg"), 20, Picture::Colour, QSize(97, 73)},
    };
    for (const Store &s : stores) {
        auto renderAll = [&] {
            for (int i = 0; i < s.count; ++i) {
                const QString name = s.count == 20 ? s.pattern.arg(i, 2, 10, QLatin1Char('0')) : s.pattern.arg(i);
                renderPicture({name, s.tone}, s.size, 1.0);
            }
        };
        QElapsedTimer t;
        t.start();
        renderAll();
        const double first = t.nsecsElapsed() / 1e6;
        const double cached = timeUs(runs, renderAll) / 1000;
        char label[96];
        std::snprintf(label, sizeof label, "%s, first", s.name);
        row(label, first, 0, "ms");
        std::snprintf(label, sizeof label, "%s, cached", s.name);
        row(label, cached, 0, "ms");
    }

    // One answer checked in each exercise (a wrong one: the box is acknowledged at once), as
    // the mean of a thousand checks.
    auto perCheck = [runs](const std::function<void()> &check) {
        return timeUs(runs, [&] {
            for (int i = 0; i < 1000; ++i)
                check();
        }) / 1000;
    };
    h01d1().show();
    h01d1().ui().Command1->click();
    row("check one answer in h01d1", perCheck([] { h01d1().Command2_Click(); }), 0, "us");
    lex1().show();
    lex1().ui().Command1->click();
    lex1().ui().Text1->setText(QStringLiteral("zzz"));
    row("check one answer in lex1", perCheck([] { lex1().ui().Command2->click(); }), 0, "us");
    module1().exerciseCode = 3;
    h01d3().show();
    h01d3().ui().Command2->click();
    row("check one answer in h01d3", perCheck([] { h01d3().ui().Command2->click(); }), 0, "us");
    h01d2().show();
    h01d2().ui().Command2->click();
    row("check one answer in h01d2", perCheck([] { h01d2().ui().Command2->click(); }), 0, "us");

    // One answer checked and recorded, each timed alone, into the store of a million answers.
    {
        QList<double> checks;
        h01d1().show();
        h01d1().ui().Command1->click();
        for (int i = 0; i < 5000; ++i) {
            QElapsedTimer t;
            t.start();
            h01d1().Command2_Click();
            checks.append(t.nsecsElapsed() / 1e3);
        }
        row("check and record one answer, median of 5000", median(checks), 0, "us");
        row("check and record one answer, 99th percentile", percentile(checks, 990), 0, "us");
        row("check and record one answer, 99.9th percentile", percentile(checks, 999), 0, "us");
        // The same check with the window's signals held back, so that nothing is recorded: what
        // the machine's own noise adds to the tail.
        checks.clear();
        h01d1().blockSignals(true);
        for (int i = 0; i < 5000; ++i) {
            QElapsedTimer t;
            t.start();
            h01d1().Command2_Click();
            checks.append(t.nsecsElapsed() / 1e3);
        }
        h01d1().blockSignals(false);
        row("check one answer, nothing recorded, median", median(checks), 0, "us");
        row("check one answer, nothing recorded, 99th percentile", percentile(checks, 990), 0, "us");
        // Recording alone.
        checks.clear();
        const AnswerEvent event{1, false, QStringLiteral("szoba"), QStringLiteral("a szoba"), QStringLiteral("az"), false, false};
        for (int i = 0; i < 5000; ++i) {
            QElapsedTimer t;
            t.start();
            Program::get().progressStore().recordAnswer(event);
            checks.append(t.nsecsElapsed() / 1e3);
        }
        row("record one answer alone, median", median(checks), 0, "us");
        row("record one answer alone, 99th percentile", percentile(checks, 990), 0, "us");
        row("record one answer alone, 99.9th percentile", percentile(checks, 999), 0, "us");
        // A first try: the answer and its item's schedule, over the 10,000 items.
        checks.clear();
        for (int i = 0; i < 5000; ++i) {
            const AnswerEvent first{1 + i % 5, false, QStringLiteral("item %1 of exercise %2").arg(i * 7 % 10000).arg(1 + i % 5),
                                    QStringLiteral("right answer"), QStringLiteral("answer"), i % 4 != 0, true};
            QElapsedTimer t;
            t.start();
            Program::get().progressStore().recordAnswer(first);
            checks.append(t.nsecsElapsed() / 1e3);
        }
        row("record a first try with its schedule, median", median(checks), 0, "us");
        row("record a first try with its schedule, 99th pct", percentile(checks, 990), 0, "us");
        h01d1().unload();
        settle();
    }

    // The Progress window over a million answers: the first opening (the store's pages still
    // on disk), then again and again.
    openFigures(progress(), runs, "open the Progress window (1,000,000 answers)", plainWindow);

    // The teacher's export of a million answers.
    {
        QElapsedTimer t;
        t.start();
        QString error;
        const bool written = Program::get().progressStore().exportCsv(data.filePath(QStringLiteral("export.csv")), &error);
        row(written ? "export 1,000,000 answers as CSV" : "export 1,000,000 answers as CSV (FAILED)", t.elapsed() / 1000.0,
            0, "s");
    }

    // The draw loop at its worst: the last free slot of 23.
    row("draw the last free noun of 23 (mean of 10000)",
        timeUs(1, [] {
            for (int i = 0; i < 10000; ++i)
                drawFreeItem(1, 23, [](int slot) { return slot == 17; });
        }) / 10000,
        0, "us");
    std::printf("pictures rendered in this process: %d\n", pictureRenderCount());
    Program::get().end();
    return 0;
}
