// The learner's record: answers from real runs of every exercise reach the store; nothing is lost
// when the program is killed or when two programs write at once; a damaged, unwritable or newer
// file never stops the exercises and is told once; the Progress window, the CSV export and the
// command line show what was kept.
#include "app/alap.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "app/sobre.h"
#include "core/module1.h"
#include "core/progressstore.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "core/translations.h"
#include "support/testing.h"
#include "ui/daychart.h"
#include "ui/picturebutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMultiMap>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolTip>
#include <cstdio>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString storeTitle = QStringLiteral("Tarvo - My progress");

// Rows of a query on a store file, through a connection of the test's own.
QList<QVariantList> select(const QString &path, const QString &sql)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next()) {
                    QVariantList row;
                    for (int i = 0; i < q.record().count(); ++i)
                        row.append(q.value(i));
                    rows.append(row);
                }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void toMenu()
{
    Program::get().start();
    sobre().Timer1_Timer();
    QVERIFY(alap().isVisible());
}

PictureButton *menuButton(int exercise)
{
    AlapUi &u = alap().ui();
    PictureButton *buttons[] = {u.Button1, u.Button2, u.Button3, u.Button4, u.Button5};
    return buttons[exercise - 1];
}

ExerciseForm &windowOf(int exercise)
{
    return Program::get().exerciseWindow(exercise);
}

// Types into a box and presses Enter, as a learner does.
void enter(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Answers the item on screen in an exercise window that has been started, rightly or not.
void answer(int exercise, bool right, const QString &wrong = QStringLiteral("zzz"))
{
    switch (exercise) {
    case 1: {
        H01d1 &w = h01d1();
        enter(w.ui().Text2, right ? w.articles.value(w.current) : wrong);
        break;
    }
    case 2: {
        H01d2 &w = h01d2();
        QTest::mouseClick(w.ui().Check1[0], Qt::LeftButton);
        enter(w.ui().Text1[0], right ? w.longAnswer : wrong);
        break;
    }
    case 3:
    case 4: {
        H01d3 &w = h01d3();
        enter(w.ui().Text1, right ? w.keys.value(w.current) : wrong);
        break;
    }
    case 5:
        lex1().ui().Text1->setText(right ? module1().nounList.value(0) : wrong);
        lex1().ui().Command2->click();
        break;
    default: break;
    }
}

// Opens an exercise from the menu and starts a run (a Plus run of exercise 3 or 4 if asked).
void startRun(int exercise, bool plus)
{
    menuButton(exercise)->click();
    ExerciseForm &w = windowOf(exercise);
    QVERIFY(w.isVisible());
    if (plus)
        h01d3().ui().Plus->click();
    w.frame().start->click();
}

// Lets the menu's deferred opening of the store run and tell what it found.
void letTheMenuSettle()
{
    QTest::qWait(450);
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    // Each exercise, driven through its window: a wrong answer, then the right one to the same
    // item, then Close. Both answers and the run that was left are in the store.
    void answersFromEveryExercise_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("plus");
        QTest::newRow("1: a / az") << 1 << false;
        QTest::newRow("2: questions") << 2 << false;
        QTest::newRow("3: to be") << 3 << false;
        QTest::newRow("3: to be, Plus") << 3 << true;
        QTest::newRow("4: antonyms") << 4 << false;
        QTest::newRow("5: pictures") << 5 << false;
    }
    void answersFromEveryExercise()
    {
        QFETCH(int, exercise);
        QFETCH(bool, plus);
        TestRun run;
        toMenu();
        startRun(exercise, plus);
        answer(exercise, false);
        answer(exercise, true);
        windowOf(exercise).frame().close->click();
        QVERIFY(alap().isVisible());

        const QString path = run.store().filePath();
        const auto answers = select(path, QStringLiteral("SELECT exercise, plus, item, answer, is_right, first_try, "
                                                         "expected, time FROM answers ORDER BY id"));
        QCOMPARE(answers.size(), 2);
        const QVariantList &wrong = answers[0], &right = answers[1];
        for (const QVariantList &a : answers) {
            QCOMPARE(a[0].toInt(), exercise);
            QCOMPARE(a[1].toBool(), plus);
            QVERIFY(QDateTime::fromString(a[7].toString(), Qt::ISODateWithMs).isValid());
            QVERIFY(a[7].toString().endsWith(QLatin1Char('Z')));
        }
        // Exercise 2 checks the answer with its first letter made a capital.
        QCOMPARE(wrong[3].toString().toLower(), QStringLiteral("zzz"));
        QCOMPARE(wrong[4].toInt(), 0);
        QCOMPARE(right[4].toInt(), 1);
        QVERIFY(!right[2].toString().isEmpty());
        QVERIFY(!right[6].toString().isEmpty());
        if (exercise == 5) {
            // A name that fits no picture belongs to no item, but it is a wrong try all the same;
            // the right one is its item's first try.
            QVERIFY(wrong[2].toString().isEmpty());
            QCOMPARE(wrong[5].toInt(), 1);
            QCOMPARE(right[5].toInt(), 1);
        } else {
            QCOMPARE(wrong[2], right[2]);
            QCOMPARE(wrong[5].toInt(), 1);
            QCOMPARE(right[5].toInt(), 0);
            QCOMPARE(wrong[6], right[6]);
        }

        const auto runs = select(path, QStringLiteral("SELECT exercise, plus, items, ended IS NOT NULL, completed FROM runs"));
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs[0][0].toInt(), exercise);
        QCOMPARE(runs[0][1].toBool(), plus);
        QVERIFY(runs[0][2].toInt() > 0);
        QVERIFY(runs[0][3].toBool());
        QCOMPARE(runs[0][4].toInt(), 0);

        const ExerciseSummary s = run.store().exerciseSummaries().at(exercise - 1);
        QCOMPARE(s.answers, 2);
        QCOMPARE(s.runsCompleted, 0);
        QCOMPARE(s.firstTries, exercise == 5 ? 2 : 1);
        QCOMPARE(s.firstTriesRight, exercise == 5 ? 1 : 0);
        QVERIFY(s.lastPractised.isValid());
    }

    // Start-up does not wait for the store: the file is opened only a moment after the menu is
    // on screen, and a store that is fine says nothing.
    void storeOpensOnlyOnceTheMenuIsUp()
    {
        TestRun run;
        const QString path = run.store().filePath();
        Program::get().start();
        QVERIFY(sobre().isVisible());
        sobre().Timer1_Timer();
        QVERIFY(alap().isVisible());
        QVERIFY(!QFileInfo::exists(path));
        letTheMenuSettle();
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(run.desktop().boxes.isEmpty());
        QCOMPARE(select(path, QStringLiteral("PRAGMA journal_mode")).value(0).value(0).toString(), QStringLiteral("wal"));
    }

    // A run answered through to the end is recorded as completed, with every answer.
    void completedRun()
    {
        TestRun run;
        toMenu();
        startRun(1, false);
        int answers = 0;
        while (h01d1().ui().Command2->isEnabled() && answers < 100) {
            answer(1, true);
            ++answers;
        }
        const auto runs = select(run.store().filePath(), QStringLiteral("SELECT completed, items FROM runs"));
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs[0][0].toInt(), 1);
        QCOMPARE(runs[0][1].toInt(), answers);
        const ExerciseSummary s = run.store().exerciseSummaries().at(0);
        QCOMPARE(s.runsCompleted, 1);
        QCOMPARE(s.answers, answers);
        QCOMPARE(s.firstTriesRight, answers);
    }

    // The program is killed (SIGKILL) right after an answer has been checked; the next start
    // finds the answer.
    void answerSurvivesKill()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-answer-and-wait"), path});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains('\n') && child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.startsWith("answered "), said.constData());
        const QString item = QString::fromUtf8(said.mid(9).trimmed());
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        SqliteProgressStore store(path);
        QVERIFY(store.problem().isEmpty());
        QCOMPARE(store.exerciseSummaries().at(0).answers, 1);
        const QList<PracticeWord> words = store.wordsToPractise(5);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].item, item);
    }

    // Two programs record at once into the same file: every answer of both is kept.
    void twoProgramsAtOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        const int each = 400;
        QProcess a, b;
        for (QProcess *p : {&a, &b})
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        a.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child-write"), path, QString::number(each), QStringLiteral("a")});
        b.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child-write"), path, QString::number(each), QStringLiteral("b")});
        for (QProcess *p : {&a, &b}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        // Neither took the other's fresh, still empty file for a damaged one.
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("progress.sqlite.damaged-*")}).isEmpty());
        const auto counts = select(path, QStringLiteral("SELECT item, count(*) FROM answers GROUP BY item ORDER BY item"));
        QCOMPARE(counts.size(), 2);
        QCOMPARE(counts[0][0].toString(), QStringLiteral("a"));
        QCOMPARE(counts[0][1].toInt(), each);
        QCOMPARE(counts[1][1].toInt(), each);
        SqliteProgressStore store(path);
        QCOMPARE(store.exerciseSummaries().at(0).answers, 2 * each);
        QCOMPARE(store.exerciseSummaries().at(0).runsCompleted, 2);
    }

    // A file that is not a readable store is kept aside under a dated name, a fresh store is
    // started, and the learner is told once, over the menu.
    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("journal"); // its -wal and -shm files beside it
        const QByteArray garbage = QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a') + QByteArray(8192, '\x13');
        QTest::newRow("not SQLite") << QByteArray("time,exercise\nthis is not a database\n").repeated(50) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("SQLite header, garbage after") << garbage << false;
        QTest::newRow("not SQLite, with -wal and -shm") << QByteArray("not a database\n").repeated(50) << true;
        QTest::newRow("SQLite header, garbage after, with -wal and -shm") << garbage << true;
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, journal);
        TestRun run;
        const QString path = run.store().filePath();
        writeFile(path, bytes);
        const QByteArray wal = QByteArray("\x37\x7f\x06\x82", 4) + QByteArray(4000, '\x21');
        const QByteArray shm = QByteArray(32768, '\x02');
        if (journal) {
            writeFile(path + QStringLiteral("-wal"), wal);
            writeFile(path + QStringLiteral("-shm"), shm);
        }
        toMenu();
        QVERIFY(run.desktop().boxes.isEmpty()); // not before the menu is on screen
        letTheMenuSettle();
        QCOMPARE(run.desktop().boxes.size(), 1);
        const FakeDesktop::Box box = run.desktop().boxes.first();
        QCOMPARE(box.owner, QStringLiteral("alap"));
        QCOMPARE(box.title, storeTitle);
        QVERIFY(box.text.contains(QLatin1String("damaged")));

        const QStringList aside = QDir(run.dataDir())
                                      .entryList({QStringLiteral("progress.sqlite.damaged-*")})
                                      .filter(QRegularExpression(QStringLiteral("\\d$")));
        QCOMPARE(aside.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^progress\\.sqlite\\.damaged-\\d{8}-\\d{6}$")).match(aside[0]).hasMatch(),
                 qPrintable(aside[0]));
        QCOMPARE(contents(run.dataDir() + QLatin1Char('/') + aside[0]), bytes);
        QVERIFY(box.text.contains(aside[0]));
        // The journal goes with its file, untouched; the fresh store does not replay it.
        const QString asidePath = run.dataDir() + QLatin1Char('/') + aside[0];
        QCOMPARE(QFileInfo::exists(asidePath + QStringLiteral("-wal")), journal);
        QCOMPARE(QFileInfo::exists(asidePath + QStringLiteral("-shm")), journal);
        if (journal) {
            QCOMPARE(contents(asidePath + QStringLiteral("-wal")), wal);
            QCOMPARE(contents(asidePath + QStringLiteral("-shm")), shm);
            QVERIFY(contents(path + QStringLiteral("-wal")) != wal);
        }

        // The fresh store records, and the menu does not tell again.
        startRun(1, false);
        answer(1, false);
        QCOMPARE(run.desktop().boxes.size(), 2); // the exercise's own wrong-answer box
        h01d1().frame().close->click();
        letTheMenuSettle();
        QCOMPARE(run.desktop().boxes.size(), 2);
        QCOMPARE(select(path, QStringLiteral("SELECT count(*) FROM answers")).value(0).value(0).toInt(), 1);
    }

    // A store that cannot be written, or that a newer Tarvo wrote: the exercises run as ever,
    // nothing is written, and the learner is told once.
    void storeThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("told");
        QTest::newRow("a folder in the file's place") << "folder" << "cannot be saved";
        QTest::newRow("a file in the folder's place") << "file-as-folder" << "cannot be saved";
        QTest::newRow("read-only folder") << "read-only" << "cannot be saved";
        QTest::newRow("written by a newer Tarvo") << "newer" << "newer version";
    }
    void storeThatCannotBeWritten()
    {
        QFETCH(QString, how);
        QFETCH(QString, told);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QByteArray before;
        if (how == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("progress.sqlite")));
        } else if (how == QLatin1String("file-as-folder")) {
            writeFile(dir.filePath(QStringLiteral("Tarvo")), "a file");
            path = dir.filePath(QStringLiteral("Tarvo/progress.sqlite"));
        } else if (how == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
                probe.close();
                probe.remove();
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes into read-only folders (root); the other rows cover a store that cannot be "
                      "written");
            }
        } else {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QSqlQuery q(db);
                QVERIFY(q.exec(QStringLiteral("CREATE TABLE answers(whatever TEXT)")));
                QVERIFY(q.exec(QStringLiteral("PRAGMA user_version=%1").arg(SqliteProgressStore::schemaVersion + 1)));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("newer"));
            before = contents(path);
        }
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        {
            TestRun run(std::make_unique<SqliteProgressStore>(path));
            toMenu();
            letTheMenuSettle();
            QCOMPARE(run.desktop().boxes.size(), 1);
            QCOMPARE(run.desktop().boxes[0].owner, QStringLiteral("alap"));
            QCOMPARE(run.desktop().boxes[0].title, storeTitle);
            QVERIFY2(run.desktop().boxes[0].text.contains(told), qPrintable(run.desktop().boxes[0].text));
            QVERIFY(!run.store().saving());
            // The schedule's queries give nothing, and a rebuild is refused.
            QCOMPARE(run.store().dueCount(), 0);
            QVERIFY(run.store().dueItems().isEmpty());
            QVERIFY(!run.store().nextDue().day.isValid());
            QCOMPARE(run.store().dueOutlook().size(), 5);
            QVERIFY(!run.store().rebuildSchedule());

            // The exercise goes on as ever: its wrong-answer box, then the next item after a right one.
            startRun(1, false);
            const QString noun = h01d1().ui().Text1->text();
            answer(1, false);
            QCOMPARE(run.desktop().boxes.size(), 2);
            QCOMPARE(run.desktop().lastBox().text, module1().wrongMessage);
            answer(1, true);
            QVERIFY(h01d1().ui().Label3->text().contains(noun));
            h01d1().frame().close->click();
            letTheMenuSettle();
            QCOMPARE(run.desktop().boxes.size(), 2);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
        if (how == QLatin1String("newer"))
            QCOMPARE(contents(path), before);
    }

    // The disk fills up in the middle of a run (here: a file size limit on the child that
    // runs the program): the exercise goes on as ever, and back at the menu the learner is told
    // once that progress cannot be saved.
    void diskFullInTheMiddleOfARun()
    {
        QTemporaryDir dir;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child-disk-full"), dir.filePath(QStringLiteral("progress.sqlite"))});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        const QString said = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
        const QStringList fields = said.split(QLatin1Char(' '));
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields[0], QStringLiteral("saving=0"));
        QCOMPARE(fields[1], QStringLiteral("every-right-accepted=1"));
        QCOMPARE(fields[2], QStringLiteral("store-boxes=1"));
        QCOMPARE(fields[3], QStringLiteral("told-cannot-save=1"));
        QCOMPARE(fields[4], QStringLiteral("window-shows-what-was-kept=1"));
        // What was written before the disk filled up is still there, and readable.
        const int kept = select(dir.filePath(QStringLiteral("progress.sqlite")), QStringLiteral("SELECT count(*) FROM answers"))
                             .value(0)
                             .value(0)
                             .toInt();
        QVERIFY2(kept > 0 && kept < 20, qPrintable(QString::number(kept)));
    }

    // A file of the first schema: its answers are kept, the summaries are built from them, and
    // new answers carry their right answer.
    void migratesTheFirstSchema()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *sql :
                 {"CREATE TABLE runs(id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT, exercise INTEGER NOT NULL, "
                  "plus INTEGER NOT NULL, items INTEGER NOT NULL, completed INTEGER)",
                  "CREATE TABLE answers(id INTEGER PRIMARY KEY, time TEXT NOT NULL, exercise INTEGER NOT NULL, "
                  "plus INTEGER NOT NULL, item TEXT NOT NULL, answer TEXT NOT NULL, is_right INTEGER NOT NULL, "
                  "first_try INTEGER NOT NULL)",
                  "INSERT INTO runs VALUES(1, '2026-11-02T10:00:00.000Z', '2026-11-02T10:05:00.000Z', 3, 0, 10, 1)",
                  "INSERT INTO answers VALUES(1, '2026-11-02T10:01:00.000Z', 3, 0, 'Én … tanár.', 'vagy', 0, 1)",
                  "INSERT INTO answers VALUES(2, '2026-11-02T10:01:10.000Z', 3, 0, 'Én … tanár.', 'vagyok', 1, 0)",
                  "INSERT INTO answers VALUES(3, '2026-11-02T10:02:00.000Z', 3, 0, 'Te … orvos.', 'vagy', 1, 1)",
                  "PRAGMA user_version=1"})
                QVERIFY2(q.exec(QString::fromUtf8(sql)), sql);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));

        SqliteProgressStore store(path);
        QVERIFY(store.problem().isEmpty());
        QCOMPARE(select(path, QStringLiteral("PRAGMA user_version")).value(0).value(0).toInt(),
                 SqliteProgressStore::schemaVersion);
        const ExerciseSummary s = store.exerciseSummaries().at(2);
        QCOMPARE(s.answers, 3);
        QCOMPARE(s.runsCompleted, 1);
        QCOMPARE(s.firstTries, 2);
        QCOMPARE(s.firstTriesRight, 1);
        QCOMPARE(s.lastPractised, QDateTime(QDate(2026, 11, 2), QTime(10, 2), Qt::UTC));
        QList<PracticeWord> words = store.wordsToPractise(10);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].item, QStringLiteral("Én … tanár."));

        store.recordAnswer({3, false, QStringLiteral("Én … tanár."), QStringLiteral("vagyok"), QStringLiteral("van"), false, true});
        words = store.wordsToPractise(10);
        QCOMPARE(words[0].wrong, 2);
        QCOMPARE(words[0].expected, QStringLiteral("vagyok"));
        QCOMPARE(select(path, QStringLiteral("SELECT count(*) FROM answers")).value(0).value(0).toInt(), 4);
    }

    // Every answer as CSV: the header, ISO times in UTC, 0 and 1, and fields with commas,
    // quotes, line breaks and Hungarian letters quoted so that they read back whole.
    void csvExport()
    {
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        const QList<AnswerEvent> events = {
            {1, false, QStringLiteral("autó"), QStringLiteral("az autó"), QStringLiteral("az"), true, true},
            {2, false, QStringLiteral("Ez ház?"), QStringLiteral("Igen, ez ház."), QStringLiteral("Igen, ez \"ház\""), false, true},
            {3, true, QStringLiteral("Ő … tanár, mérnök."), QStringLiteral("-"), QStringLiteral("van,\nvan"), false, false},
            {5, false, QStringLiteral("tükör"), QStringLiteral("tükör"), QStringLiteral("ŐŰőű"), true, true},
            {3, false, QStringLiteral("a bare\nline break"), QStringLiteral("-"), QStringLiteral("van"), false, true},
            {4, false, QStringLiteral("kicsi"), QStringLiteral("nagy"), QStringLiteral("a bare\rcarriage return"), false, true},
        };
        for (const AnswerEvent &e : events)
            store.recordAnswer(e);
        const QString out = dir.filePath(QStringLiteral("export.csv"));
        QString error;
        QVERIFY2(store.exportCsv(out, &error), qPrintable(error));

        const QList<QStringList> rows = parseCsv(QString::fromUtf8(contents(out)));
        QCOMPARE(rows.size(), events.size() + 1);
        QCOMPARE(rows[0], (QStringList{"time", "exercise", "plus", "item", "answer", "right", "first_try", "lesson"}));
        for (int i = 0; i < events.size(); ++i) {
            const QStringList &r = rows[i + 1];
            const AnswerEvent &e = events[i];
            QCOMPARE(r.size(), 8);
            const QDateTime time = QDateTime::fromString(r[0], Qt::ISODateWithMs);
            QVERIFY(time.isValid());
            QCOMPARE(time.timeSpec(), Qt::UTC);
            QVERIFY(qAbs(time.secsTo(QDateTime::currentDateTimeUtc())) < 600);
            QCOMPARE(r.mid(1), (QStringList{QString::number(e.exercise), e.plus ? "1" : "0", e.item, e.answer,
                                            e.right ? "1" : "0", e.firstTry ? "1" : "0", e.lesson}));
        }
    }

    // The answers of a local day count on that day of the window of `days` days up to `last`:
    // the oldest day and the last are in it, the days either side are not. The times lie just
    // after local midnight and just before it, on another UTC day away from UTC.
    void dailyCountsWindow_data()
    {
        QTest::addColumn<int>("daysBeforeLast");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("index"); // -1: outside the window
        QTest::newRow("the last day, just after midnight") << 0 << "00:05" << 29;
        QTest::newRow("the oldest day, just after midnight") << 29 << "00:05" << 0;
        QTest::newRow("the oldest day, just before midnight") << 29 << "23:55" << 0;
        QTest::newRow("the day before the oldest") << 30 << "23:55" << -1;
        QTest::newRow("the day after the last") << -1 << "00:05" << -1;
    }
    void dailyCountsWindow()
    {
        QFETCH(int, daysBeforeLast);
        QFETCH(QString, time);
        QFETCH(int, index);
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        const QDate last(2026, 3, 29); // summer time begins in Europe; not at Adak
        const QDateTime at =
            QDateTime(last.addDays(-daysBeforeLast), QTime::fromString(time, QStringLiteral("hh:mm")), Qt::LocalTime).toUTC();
        store.setClock([at] { return at; });
        store.recordAnswer({1, false, QStringLiteral("ház"), QStringLiteral("a"), QStringLiteral("a"), true, true});
        store.recordAnswer({1, false, QStringLiteral("ház"), QStringLiteral("a"), QStringLiteral("az"), false, false});
        const QList<DayCount> days = store.dailyCounts(last, 30);
        QCOMPARE(days.size(), 30);
        QCOMPARE(days.first().day, last.addDays(-29));
        for (int i = 0; i < days.size(); ++i) {
            QCOMPARE(days[i].right, i == index ? 1 : 0);
            QCOMPARE(days[i].wrong, i == index ? 1 : 0);
        }
    }

    // The words to practise: most wrong first; between equal wrong counts the one right fewer
    // times, then in the order of the item's text.
    void wordsToPractiseOrder_data()
    {
        QTest::addColumn<QStringList>("answers"); // item:wrong:right
        QTest::addColumn<QStringList>("order");
        QTest::newRow("most wrong first") << QStringList{"ház:1:0", "híd:3:0", "kulcs:2:0"} << QStringList{"híd", "kulcs", "ház"};
        QTest::newRow("equal wrong: fewer right first") << QStringList{"ház:2:3", "híd:2:1", "kulcs:2:2"}
                                                        << QStringList{"híd", "kulcs", "ház"};
        QTest::newRow("equal wrong and right: by item") << QStringList{"lány:2:1", "fiú:2:1", "ajtó:2:1"}
                                                        << QStringList{"ajtó", "fiú", "lány"};
    }
    void wordsToPractiseOrder()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, order);
        QTemporaryDir dir;
        SqliteProgressStore store(dir.filePath(QStringLiteral("progress.sqlite")));
        for (const QString &a : answers) {
            const QStringList f = a.split(QLatin1Char(':'));
            for (int i = 0; i < f[1].toInt() + f[2].toInt(); ++i)
                store.recordAnswer({5, false, f[0], f[0], QStringLiteral("?"), i >= f[1].toInt(), i == 0});
        }
        QStringList got;
        for (const PracticeWord &w : store.wordsToPractise(10))
            got.append(w.item);
        QCOMPARE(got, order);
    }

    // The same export from the command line, without a window, into the learner's data folder
    // (here a temporary one); a place that cannot be written gives status 1 and a message.
    void commandLineExport()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        {
            SqliteProgressStore store(home.filePath(QStringLiteral("Tarvo/progress.sqlite")));
            store.recordAnswer({4, true, QStringLiteral("Ez a fiú magas, az …"), QStringLiteral("alacsony"),
                                QStringLiteral("kicsi, \"nem\""), false, true});
        }
        const auto run = [&](const QStringList &args, QByteArray *err = nullptr) {
            QProcess tarvo;
            tarvo.setProcessEnvironment(env);
            tarvo.start(QStringLiteral(TARVO_EXECUTABLE), args);
            tarvo.waitForFinished(30000);
            if (err)
                *err = tarvo.readAllStandardError();
            return std::pair{tarvo.exitCode(), tarvo.readAllStandardOutput()};
        };
        const QString out = home.filePath(QStringLiteral("teacher.csv"));
        QCOMPARE(run({QStringLiteral("--export-csv"), out}).first, 0);
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(contents(out)));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].mid(1), (QStringList{"4", "1", "Ez a fiú magas, az …", "kicsi, \"nem\"", "0", "1", "1"}));

        QByteArray err;
        QCOMPARE(run({QStringLiteral("--export-csv"), home.filePath(QStringLiteral("no/such/folder/x.csv"))}, &err).first, 1);
        QVERIFY(!err.trimmed().isEmpty());

        const auto help = run({QStringLiteral("--help")});
        QCOMPARE(help.first, 0);
        QVERIFY(help.second.contains("--export-csv"));
        // The review alone, and what closing it does.
        QVERIFY(help.second.contains("--review"));
        QVERIFY(help.second.simplified().contains("Tarvo ends when the review window is closed."));

        // On a German desktop, Tarvo's lines and Qt's own are German, and so is the error.
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        const QByteArray german = run({QStringLiteral("--help")}).second.simplified();
        QByteArray germanErr;
        QCOMPARE(run({QStringLiteral("--export-csv"), home.filePath(QStringLiteral("no/such/folder/x.csv"))}, &germanErr).first, 1);
        QVERIFY(!Translations::install({QStringLiteral("de")}).isEmpty());
        for (const auto &[context, text] : {std::pair{"CommandLine", "Drill exercises for learners of Hungarian."},
                                            std::pair{"QCommandLineParser", "Displays help on commandline options."}})
            QVERIFY2(german.contains(QCoreApplication::translate(context, text).toUtf8()), german.constData());
        Translations::uninstall();
        QVERIFY(germanErr != err);
    }

    // An option Tarvo does not know, or an argument it takes none of, is told on standard error
    // with the way to the help, and nothing opens; Qt's own options stay Qt's.
    void commandLineRefusesWhatItDoesNotKnow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("told");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "Unknown option 'bogus'.";
        QTest::newRow("misspelt review") << QStringList{"--reveiw"} << "Unknown option 'reveiw'.";
        QTest::newRow("stray argument") << QStringList{"--review", "later"} << "Unexpected argument 'later'.";
        QTest::newRow("after Qt's own option") << QStringList{"-platform", "offscreen", "--bogus"}
                                               << "Unknown option 'bogus'.";
        QTest::newRow("with the export") << QStringList{"--export-csv", "x.csv", "--bogus"}
                                         << "Unknown option 'bogus'.";
        // A word list is taken only where it exists and only to be imported.
        QTest::newRow("a word list that is not there") << QStringList{"gone.kvtml"} << "Unexpected argument 'gone.kvtml'.";
        QTest::newRow("a word list with the review")
            << QStringList{"--review", QStringLiteral(TARVO_SOURCE_DIR "/tests/data/wordlists/csv/comma.csv")}
            << "Unexpected argument '" TARVO_SOURCE_DIR "/tests/data/wordlists/csv/comma.csv'.";
        QTest::newRow("import without lists") << QStringList{"--import"} << "--import needs the word lists to import.";
        QTest::newRow("nouns without import") << QStringList{"--nouns"} << "--nouns goes with --import.";
    }
    void commandLineRefusesWhatItDoesNotKnow()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, told);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess tarvo;
        tarvo.setProcessEnvironment(env);
        tarvo.setWorkingDirectory(home.path());
        tarvo.start(QStringLiteral(TARVO_EXECUTABLE), args);
        const bool ended = tarvo.waitForFinished(15000);
        if (!ended) {
            tarvo.kill();
            tarvo.waitForFinished();
        }
        QVERIFY2(ended, "Tarvo started as if nothing were wrong");
        QCOMPARE(tarvo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tarvo.exitCode(), 1);
        const QString err = QString::fromUtf8(tarvo.readAllStandardError());
        QVERIFY2(err.contains(told) && err.contains(QLatin1String("tarvo --help")), qPrintable(err));
        QVERIFY(tarvo.readAllStandardOutput().isEmpty());
        QVERIFY(QDir(home.path()).isEmpty()); // no record opened, no file written
    }

    // The Progress window, from the menu and from an exercise window: its figures after a run,
    // the words to practise, the chart and its table, and where the file is.
    void progressWindowShowsTheRecord()
    {
        TestRun run;
        toMenu();
        startRun(3, false);
        const QString key = h01d3().keys.value(h01d3().current);
        QString item, expected; // as the window reports them
        QObject::connect(&h01d3(), &ExerciseForm::answerChecked, &h01d3(), [&](const AnswerEvent &e) {
            if (item.isEmpty()) {
                item = e.item;
                expected = e.expected;
            }
        });
        answer(3, false);
        answer(3, false, QStringLiteral("yyy"));
        answer(3, true);
        answer(3, true);

        triggerMenu(h01d3().window(), QStringLiteral("mnuShowProgress"));
        ProgressWindow &w = progress();
        QVERIFY(w.isVisible());
        QVERIFY(h01d3().isVisible()); // the exercise stays where it was
        QCOMPARE(w.window()->windowTitle(), storeTitle);
        ProgressUi &u = w.ui();

        QCOMPARE(u.exercises->rowCount(), 5);
        QCOMPARE(u.exercises->item(2, 2)->text(), QStringLiteral("4"));
        QCOMPARE(u.exercises->item(2, 3)->text(), QStringLiteral("50 %")); // two first tries, one right
        QVERIFY(u.exercises->item(2, 4)->text().startsWith(QLatin1String("today")));
        QCOMPARE(u.exercises->item(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(u.exercises->item(0, 4)->text(), QStringLiteral("never"));

        QCOMPARE(u.words->rowCount(), 1);
        QCOMPARE(u.words->item(0, 0)->text(), item);
        QCOMPARE(u.words->item(0, 1)->text(), expected);
        QVERIFY(expected.contains(key)); // the sentence completed
        QCOMPARE(u.words->item(0, 2)->text(), QStringLiteral("2"));

        QCOMPARE(u.chart->days().size(), ProgressWindow::chartDays);
        QCOMPARE(u.chart->days().last().day, QDate::currentDate());
        QCOMPARE(u.chart->days().last().right, 2);
        QCOMPARE(u.chart->days().last().wrong, 2);
        QCOMPARE(u.days->rowCount(), ProgressWindow::chartDays);
        QCOMPARE(u.days->item(0, 0)->text(), QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(u.days->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(u.days->item(0, 2)->text(), QStringLiteral("2"));
        QVERIFY(u.where->text().contains(QDir::toNativeSeparators(run.store().filePath())));

        for (QWidget *named : std::initializer_list<QWidget *>{u.exercises, u.dayTabs, u.chart, u.days, u.words, u.where})
            QVERIFY2(!named->accessibleName().isEmpty(), qPrintable(named->objectName()));
        QVERIFY(u.chart->accessibleDescription().contains(QLatin1String("2 answers right and 2 wrong")));
        for (QPushButton *button : w.window()->findChildren<QPushButton *>())
            QVERIFY(!button->text().isEmpty());

        // Closed and opened again from the menu, it reads the record afresh.
        u.close->click();
        QVERIFY(!w.isVisible());
        h01d3().frame().start->click(); // a new run: the old one was left
        answer(3, true);
        h01d3().frame().close->click();
        triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
        QVERIFY(w.isVisible());
        QCOMPARE(w.ui().exercises->item(2, 2)->text(), QStringLiteral("5"));

        // Esc closes it as Close does, from wherever the focus is.
        w.ui().words->setFocus();
        QTest::keyClick(w.ui().words, Qt::Key_Escape);
        QVERIFY(!w.isLoaded());
        QVERIFY(alap().isVisible());
    }

    // A word to practise too long for its cell shows whole in the cell's tip, in any language,
    // above the tip the cell has of its own; a word that fits keeps its own tip, or none.
    void cutWordsShowWholeInTheirTips_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("cut");
        for (const char *language : {"en", "de"})
            for (bool cut : {true, false})
                QTest::addRow("%s, %s", language, cut ? "cut" : "whole") << QString::fromLatin1(language) << cut;
    }
    void cutWordsShowWholeInTheirTips()
    {
        QFETCH(QString, language);
        QFETCH(bool, cut);
        Translations::install({language});
        struct English {
            ~English() { Translations::uninstall(); }
        } english;
        TestRun run;
        const QString item = cut ? QStringLiteral("Ez a szálloda a város szélén olcsó, az a szálloda a folyó partján "
                                                  "nagyon ….")
                                 : QStringLiteral("ház");
        const QString expected = cut ? QString(item).replace(QStringLiteral("…"), QStringLiteral("drága")) : item;
        run.store().recordAnswer({2, false, item, expected, QStringLiteral("zzz"), false, true});
        toMenu();
        triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
        QTableWidget *words = progress().ui().words;
        QCOMPARE(words->rowCount(), 1);
        const QString own = words->item(0, 0)->toolTip();
        QCOMPARE(own, language == QLatin1String("de") ? QStringLiteral("Übung 2") : QStringLiteral("Exercise 2"));
        const auto tipOf = [words](int column) {
            // A tip goes a moment after it is told to: the last one gone first.
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return QStringLiteral("(the last tip stays)");
            const QPoint at = words->visualRect(words->model()->index(0, column)).center();
            QHelpEvent help(QEvent::ToolTip, at, words->viewport()->mapToGlobal(at));
            QApplication::sendEvent(words->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipOf(0), cut ? item + QLatin1Char('\n') + own : own);
        QCOMPARE(tipOf(1), cut ? expected : QString());
    }

    // A file an older Tarvo kept (tests/data), migrated as it opens: in the words to practise, an
    // item that no lesson has any more (lesson 1's texts have changed since) says so where its next
    // review would be; the others show when they are due.
    void olderFileInTheProgressWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("gone");
        QTest::newRow("version 1") << "progress-v1.sqlite" << QStringList{"Én … tanár."};
        QTest::newRow("version 2") << "progress-v2.sqlite" << QStringList{"Én … tanár."};
        QTest::newRow("version 3") << "progress-v3.sqlite" << QStringList{"Te … orvos.", "Ő … mérnök."};
        QTest::newRow("version 4") << "progress-v4.sqlite" << QStringList{"Ez ház?"};
    }
    void olderFileInTheProgressWindow()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, gone);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(QFile::copy(QFINDTESTDATA(QStringLiteral("data/") + file), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        TestRun run(std::make_unique<SqliteProgressStore>(path));
        toMenu();
        triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
        QTableWidget *words = progress().ui().words;
        QStringList shownGone;
        for (int row = 0; row < words->rowCount(); ++row)
            if (words->item(row, 3)->text() == QLatin1String("no longer in any lesson"))
                shownGone << words->item(row, 0)->text();
        shownGone.sort();
        QCOMPARE(shownGone, gone);
    }

    // The Progress menu takes no access key that a button of its window has, so that the
    // window's own keys do what they did (Alt+P is Plus in exercises 3 and 4); the Progress
    // window's own keys are all different.
    void accessKeysStayWithTheirButtons_data()
    {
        QTest::addColumn<int>("window"); // 0: the menu, 1 to 5: the exercises, 6 and 7: the Progress and Review windows
        QTest::newRow("menu") << 0;
        for (int exercise = 1; exercise <= 5; ++exercise)
            QTest::addRow("exercise %d", exercise) << exercise;
        QTest::newRow("Progress window") << 6;
        QTest::newRow("Review window") << 7;
    }
    void accessKeysStayWithTheirButtons()
    {
        QFETCH(int, window);
        TestRun run;
        toMenu();
        QWidget *w = alap().window();
        if (window >= 1 && window <= 5) {
            menuButton(window)->click();
            w = windowOf(window).window();
        } else if (window == 6) {
            triggerMenu(w, QStringLiteral("mnuShowProgress"));
            w = progress().window();
        } else if (window == 7) {
            triggerMenu(w, QStringLiteral("mnuReview"));
            w = review().window();
        }
        QMultiMap<QKeySequence, QString> keys;
        for (QAbstractButton *button : w->findChildren<QAbstractButton *>())
            if (!QKeySequence::mnemonic(button->text()).isEmpty())
                keys.insert(QKeySequence::mnemonic(button->text()), button->text());
        for (QLabel *label : w->findChildren<QLabel *>())
            if (label->buddy() && !QKeySequence::mnemonic(label->text()).isEmpty())
                keys.insert(QKeySequence::mnemonic(label->text()), label->text());
        if (window >= 6) {
            for (const QKeySequence &key : keys.uniqueKeys())
                QVERIFY2(keys.count(key) == 1, qPrintable(QStringList(keys.values(key)).join(QLatin1String(", "))));
            return;
        }
        auto *menu = w->findChild<QMenu *>(QStringLiteral("mnuProgress"));
        QVERIFY(menu);
        const QKeySequence key = QKeySequence::mnemonic(menu->title());
        QVERIFY(!key.isEmpty());
        QVERIFY2(!keys.contains(key), qPrintable(QStringList(keys.values(key)).join(QLatin1String(", "))));
    }

    // Forget asks first and removes nothing on No; on Yes every run and answer is gone.
    // Export writes where the learner chose and says so, titled by the window.
    void forgetAndExportFromTheWindow()
    {
        TestRun run;
        toMenu();
        startRun(1, false);
        answer(1, false);
        h01d1().frame().close->click();
        triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
        ProgressUi &u = progress().ui();
        run.desktop().clear();

        const QString out = run.dataDir() + QStringLiteral("/mine.csv");
        run.desktop().savePath = out;
        u.exportCsv->click();
        QCOMPARE(run.desktop().saveDialogs.size(), 1);
        QVERIFY(run.desktop().saveDialogs[0].endsWith(QLatin1String(".csv")));
        QCOMPARE(parseCsv(QString::fromUtf8(contents(out))).size(), 2);
        QCOMPARE(run.desktop().boxes.size(), 1);
        QCOMPARE(run.desktop().boxes[0].owner, QStringLiteral("progress"));
        QCOMPARE(run.desktop().boxes[0].title, storeTitle);
        QCOMPARE(run.desktop().boxes[0].icon, MsgIcon::Information);

        // A place that cannot be written: a warning in a box, nothing else happens.
        run.desktop().savePath = run.dataDir() + QStringLiteral("/no/such/folder/mine.csv");
        u.exportCsv->click();
        QCOMPARE(run.desktop().boxes.size(), 2);
        QCOMPARE(run.desktop().boxes[1].title, storeTitle);
        QCOMPARE(run.desktop().boxes[1].icon, MsgIcon::Exclamation);
        QVERIFY(run.desktop().boxes[1].text.contains(QLatin1String("mine.csv")));

        run.desktop().questionAnswer = false;
        u.forget->click();
        QCOMPARE(run.desktop().questions.size(), 1);
        QCOMPARE(run.desktop().questions[0].title, storeTitle);
        QCOMPARE(run.store().exerciseSummaries().at(0).answers, 1);
        QCOMPARE(u.words->rowCount(), 1);

        run.desktop().questionAnswer = true;
        u.forget->click();
        QCOMPARE(run.store().exerciseSummaries().at(0).answers, 0);
        QCOMPARE(u.words->rowCount(), 0);
        QCOMPARE(u.exercises->item(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(select(run.store().filePath(), QStringLiteral("SELECT (SELECT count(*) FROM answers) + (SELECT count(*) FROM runs)"))
                     .value(0)
                     .value(0)
                     .toInt(),
                 0);
    }

public:
    // A small RFC 4180 reader: quoted fields, doubled quotes, CRLF or LF line ends.
    static QList<QStringList> parseCsv(const QString &text)
    {
        QList<QStringList> rows;
        QStringList row;
        QString field;
        bool quoted = false, any = false;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (quoted) {
                if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else if (c == QLatin1Char('"')) {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == QLatin1Char('"')) {
                quoted = true;
                any = true;
            } else if (c == QLatin1Char(',')) {
                row.append(field);
                field.clear();
                any = true;
            } else if (c == QLatin1Char('\r')) {
            } else if (c == QLatin1Char('\n')) {
                row.append(field);
                rows.append(row);
                row.clear();
                field.clear();
                any = false;
            } else {
                field += c;
                any = true;
            }
        }
        if (any) {
            row.append(field);
            rows.append(row);
        }
        return rows;
    }
};

// The children the robustness cases start: one answers in a real exercise window and waits to
// be killed; the other writes many answers as fast as it can.
static int childAnswerAndWait(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestRun run(std::make_unique<SqliteProgressStore>(QString::fromLocal8Bit(argv[2])));
    toMenu();
    startRun(1, false);
    const QString noun = h01d1().ui().Text1->text();
    answer(1, false);
    std::printf("answered %s\n", noun.toUtf8().constData());
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

static int childDiskFull(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    TestRun run(std::make_unique<SqliteProgressStore>(path));
    toMenu();
    letTheMenuSettle();
    // From here on no file may grow past a little more than the log is now.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(QFileInfo(path + QStringLiteral("-wal")).size() + 262144),
                       rlim_t(QFileInfo(path + QStringLiteral("-wal")).size() + 262144)};
    setrlimit(RLIMIT_FSIZE, &limit);
    startRun(1, false);
    int rights = 0;
    for (int i = 0; i < 20 && h01d1().ui().Command2->isEnabled(); ++i) {
        const bool right = i % 2 == 1;
        answer(1, right);
        rights += right;
    }
    const bool accepted = h01d1().ui().Label3->text().count(QLatin1Char(';')) == rights;
    h01d1().frame().close->click();
    letTheMenuSettle();
    int storeBoxes = 0;
    bool toldCannotSave = false;
    for (const FakeDesktop::Box &box : run.desktop().boxes)
        if (box.title == storeTitle) {
            ++storeBoxes;
            toldCannotSave = box.owner == QLatin1String("alap") && box.text.contains(QLatin1String("cannot be saved"));
        }
    const bool saving = run.store().saving();
    triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
    ProgressUi &u = progress().ui();
    const bool shown = u.exercises->item(0, 2)->text().toInt() > 0 && u.exportCsv->isEnabled() && !u.forget->isEnabled();
    std::printf("saving=%d every-right-accepted=%d store-boxes=%d told-cannot-save=%d window-shows-what-was-kept=%d\n",
                saving, accepted, storeBoxes, toldCannotSave, shown);
    return 0;
}

static int childWrite(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SqliteProgressStore store(QString::fromLocal8Bit(argv[2]));
    const int n = atoi(argv[3]);
    const QString tag = QString::fromLocal8Bit(argv[4]);
    store.recordRunStart(1, false, n);
    for (int i = 0; i < n; ++i)
        store.recordAnswer({1, false, tag, tag, QString::number(i), i % 2 == 0, true});
    store.recordRunEnd(true);
    return store.saving() ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child-answer-and-wait") == 0)
        return childAnswerAndWait(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--child-disk-full") == 0)
        return childDiskFull(argc, argv);
    if (argc >= 5 && qstrcmp(argv[1], "--child-write") == 0)
        return childWrite(argc, argv);
    QApplication app(argc, argv);
    ProgressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_progress.moc"
