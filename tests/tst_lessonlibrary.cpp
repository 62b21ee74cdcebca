// The lesson library: word lists kept as lesson files with their pictures, listed from the
// folder (a damaged file named and left alone), imported again in place, removed; nothing of a
// list that fails is kept; and tarvo --import on the command line.
#include "core/lessonlibrary.h"
#include "core/lessons.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString data = QStringLiteral(TARVO_WORDLISTS);

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The files of a folder and below it, by their paths from it, the library's index left out.
QStringList filesIn(const QString &folder)
{
    QStringList out;
    QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (file.isDir())
            for (const QString &inner : filesIn(file.absoluteFilePath()))
                out << file.fileName() + QLatin1Char('/') + inner;
        else
            out << file.fileName();
    }
    return out;
}

// The words of a lesson by key: "key = prompt (picture file)".
QStringList words(const Lesson &lesson)
{
    QStringList out;
    for (const LessonSection &section : lesson.sections)
        for (const LessonItem &item : section.items)
            if (const auto *word = item.as<WordItem>())
                out << QStringLiteral("%1 = %2%3").arg(item.key, word->prompt,
                                                        word->picture.isEmpty() ? QString() : QStringLiteral(" (picture)"));
    return out;
}

} // namespace

class LessonLibraryTest : public QObject {
    Q_OBJECT

private slots:
    // Each fixture kept as a lesson: the file and its pictures in the library's folder, the report
    // the learner reads, and the lesson, read back, the reader's own but for where its pictures are.
    void imports_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("nouns");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<int>("pictures");
        QTest::newRow("KVTML with pictures")
            << "kvtml/bilingual.kvtml" << false
            << QStringList{"Imported 5 words into “Tiere und Dinge”", "Pictures not in the word list's folder: 1",
                           "Pictures on the web: 1", "Files that are not pictures: 1", "Inactive entries skipped: 1",
                           "Entries without a Hungarian word: 1", "Entries with no translation, definition or picture: 1",
                           "Duplicate words merged: 1", "Texts with control characters removed: 1"}
            << 2;
        QTest::newRow("Hungarian only, nouns")
            << "kvtml/monolingual.kvtml" << true
            << QStringList{"Imported 3 words into “Gyümölcsök”",
                           "Entries with no translation, definition or picture: 1"}
            << 1;
        QTest::newRow("CSV") << "csv/comma.csv" << false << QStringList{"Imported 3 words into “comma”"} << 0;
    }
    void imports()
    {
        QFETCH(QString, file);
        QFETCH(bool, nouns);
        QFETCH(QStringList, report);
        QFETCH(int, pictures);
        QTemporaryDir dir;
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        WordList::Options options;
        options.interfaceLanguage = QStringLiteral("en");
        options.nouns = nouns;
        const LessonLibrary::Imported imported = library.import(data + file, options);
        QCOMPARE(imported.lines(), report);
        QVERIFY(!imported.updated);

        const WordList::Result read = WordList::read(data + file, options);
        const LessonFile::Result kept = LessonFile::load(library.pathOf(read.lesson.id));
        QVERIFY2(kept.ok(), qPrintable(kept.error));
        Lesson expected = read.lesson;
        Lesson got = kept.lesson;
        // Every picture is a copy inside the library, with the same bytes as the list's own.
        QSet<QString> copies;
        for (Lesson *lesson : {&expected, &got})
            for (LessonSection &section : lesson->sections)
                for (LessonItem &item : section.items)
                    if (auto *word = std::get_if<WordItem>(&item.content); word && !word->picture.isEmpty()) {
                        if (lesson == &got) {
                            QVERIFY(word->picture.startsWith(library.folder() + QLatin1Char('/') + read.lesson.id + QLatin1Char('/')));
                            copies.insert(word->picture);
                        }
                        QFile picture(word->picture);
                        QVERIFY(picture.open(QIODevice::ReadOnly));
                        word->picture = QString::fromLatin1(picture.readAll().toHex());
                    }
        QCOMPARE(got, expected);
        QCOMPARE(copies.size(), pictures);
        QCOMPARE(filesIn(library.folder()).size(), 1 + pictures);

        const LessonLibrary::Listing listing = library.list();
        QCOMPARE(listing.problems, QStringList());
        QCOMPARE(listing.lessons.size(), 1);
        QCOMPARE(listing.lessons[0].id, read.lesson.id);
        QCOMPARE(listing.lessons[0].title, imported.title);
        QCOMPARE(listing.lessons[0].words, imported.words);
    }

    // The same file imported again after it changed: one lesson, updated in place; every word
    // still in the list keeps its key, a new one is added, a changed prompt or picture is taken
    // over, a word gone from the list goes from the lesson.
    void importAgain_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("update");
        const QByteArray list = "Hungarian;English\nkutya;dog\nház;house\nalma;apple\n";
        QTest::newRow("unchanged") << list << list
                                   << QStringList{"word:kutya = dog", "word:ház = house", "word:alma = apple"}
                                   << "0 new, 0 changed, 0 no longer in the list";
        QTest::newRow("a word added") << list << list + "víz;water\n"
                                      << QStringList{"word:kutya = dog", "word:ház = house", "word:alma = apple",
                                                     "word:víz = water"}
                                      << "1 new, 0 changed, 0 no longer in the list";
        QTest::newRow("a prompt corrected") << list << QByteArray(list).replace("house", "home")
                                            << QStringList{"word:kutya = dog", "word:ház = home", "word:alma = apple"}
                                            << "0 new, 1 changed, 0 no longer in the list";
        QTest::newRow("a word removed, one respelt")
            << list << QByteArray(list).replace("ház;house\n", "").replace("kutya", "kutyus")
            << QStringList{"word:kutyus = dog", "word:alma = apple"} << "1 new, 0 changed, 2 no longer in the list";
    }
    void importAgain()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, words);
        QFETCH(QString, update);
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("szavak.csv"));
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        // The lessons Tarvo knows read the library: the lesson as it was is loaded before the update.
        Lessons::setSource({[&](const QString &id) { return library.has(id); },
                            [&](const QString &id) { return library.load(id); }});
        write(list, before);
        const LessonLibrary::Imported first = library.import(list);
        QVERIFY2(first.ok(), qPrintable(first.error));
        QVERIFY(Lessons::find(first.id));
        write(list, after);
        const LessonLibrary::Imported second = library.import(list);
        QVERIFY2(second.ok(), qPrintable(second.error));
        QVERIFY(second.updated);
        QCOMPARE(second.id, first.id);
        QVERIFY2(second.lines().value(1).contains(update), qPrintable(second.lines().value(1)));
        QCOMPARE(library.list().lessons.size(), 1);
        QCOMPARE(::words(LessonFile::load(library.pathOf(first.id)).lesson), words);
        QCOMPARE(::words(*Lessons::find(first.id)), words); // read anew after the update
        Lessons::setSource({});
    }

    // A picture changed in the list replaces its copy; the copy no word shows any more goes.
    void importAgainWithPictures()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("list/képek.kvtml"));
        const QByteArray kvtml = "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>hu</locale>"
                                 "</identifier></identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>alma"
                                 "</text><image>alma.png</image></translation></entry></entries></kvtml>";
        write(list, kvtml);
        QFile::copy(data + QStringLiteral("kvtml/pictures/alma.png"), dir.filePath(QStringLiteral("list/alma.png")));
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        const LessonLibrary::Imported first = library.import(list);
        QVERIFY2(first.ok(), qPrintable(first.error));
        const QStringList before = filesIn(library.folder());
        QCOMPARE(before.size(), 2);
        QFile::remove(dir.filePath(QStringLiteral("list/alma.png")));
        QFile::copy(data + QStringLiteral("kvtml/pictures/wide.png"), dir.filePath(QStringLiteral("list/alma.png")));
        // wide.png is too wide: read anew, the word has no picture, and nothing to ask by.
        QVERIFY(!library.import(list).ok());
        QCOMPARE(filesIn(library.folder()), before); // the failed import kept nothing, changed nothing
        QFile::remove(dir.filePath(QStringLiteral("list/alma.png")));
        QFile::copy(data + QStringLiteral("kvtml/pictures/kutya.svg"), dir.filePath(QStringLiteral("list/alma.png")));
        const LessonLibrary::Imported second = library.import(list);
        QVERIFY2(second.ok(), qPrintable(second.error));
        QCOMPARE(second.changed, 1);
        const QStringList after = filesIn(library.folder());
        QCOMPARE(after.size(), 2);
        QVERIFY(after != before);
    }

    // Files in the folder that do not load are named with what is wrong and left as they are;
    // the lessons around them are listed, by title.
    void listing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("truncated") << "half.json" << QByteArray("{\"format\": \"tarvo-lesson\", \"vers")
                                   << "half.json, line 1, column 33: ";
        QTest::newRow("empty") << "empty.json" << QByteArray() << "empty.json: the file is empty";
        QTest::newRow("not a lesson") << "other.json" << QByteArray("{\"name\": \"x\"}")
                                      << "other.json: unknown field \"name\"";
        QTest::newRow("lesson 1's id")
            << "one.json"
            << QByteArray(R"({"format": "tarvo-lesson", "version": 1, "id": "1", "title": "Egy", "sections": [{"id": "s",
"items": [{"key": "k", "kind": "word", "prompt": "dog", "answer": "kutya"}]}]})")
            << "one.json: another lesson has the id \"1\" already";
    }
    void listing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        QVERIFY(library.import(data + QStringLiteral("csv/comma.csv")).ok());
        QVERIFY(library.import(data + QStringLiteral("kvtml/monolingual.kvtml")).ok());
        const QString path = library.folder() + QLatin1Char('/') + name;
        write(path, bytes);
        for (int pass = 0; pass < 2; ++pass) { // the second from the index
            const LessonLibrary::Listing listing = library.list();
            QCOMPARE(listing.lessons.size(), 2);
            QCOMPARE(listing.lessons[0].title, QStringLiteral("comma"));
            QCOMPARE(listing.lessons[1].title, QStringLiteral("Gyümölcsök"));
            QCOMPARE(listing.problems.size(), 1);
            QVERIFY2(listing.problems[0].contains(problem), qPrintable(listing.problems[0]));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // A lesson file changed behind the library's back is read anew, not taken from the index.
    void listingSeesChanges()
    {
        QTemporaryDir dir;
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        const LessonLibrary::Imported imported = library.import(data + QStringLiteral("csv/comma.csv"));
        QCOMPARE(library.list().lessons.value(0).title, QStringLiteral("comma"));
        QFile file(library.pathOf(imported.id));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll().replace("\"title\": \"comma\"", "\"title\": \"Vessző\"");
        file.close();
        write(library.pathOf(imported.id), bytes);
        QCOMPARE(library.list().lessons.value(0).title, QStringLiteral("Vessző"));
        // A damaged index is only a slower list.
        write(library.folder() + QStringLiteral("/.index.json"), "{\"files\": {\"x\": 1}, ");
        QCOMPARE(library.list().lessons.value(0).title, QStringLiteral("Vessző"));
    }

    // A list that cannot be imported leaves nothing in the library.
    void nothingKeptOnFailure_data()
    {
        QTest::addColumn<QByteArray>("kvtml");
        QTest::addColumn<bool>("pictureGoes"); // the picture is removed between reading and keeping
        QTest::addColumn<bool>("folderTaken"); // a file stands where the lessons' folder belongs
        QTest::addColumn<QString>("error");
        // Two pictures: the second one goes, after the first has been copied.
        const QByteArray list = "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>hu</locale>"
                                "</identifier></identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>alma"
                                "</text><image>alma.png</image></translation></entry><entry id=\"1\"><translation "
                                "id=\"0\"><text>kutya</text><image>kutya.svg</image></translation></entry></entries></kvtml>";
        QTest::newRow("broken XML") << list.left(80) << false << false << "line 1, column 80";
        QTest::newRow("picture gone") << list << true << false << "the picture";
        QTest::newRow("folder taken") << list << false << true << "the lesson cannot be kept in";
    }
    void nothingKeptOnFailure()
    {
        QFETCH(QByteArray, kvtml);
        QFETCH(bool, pictureGoes);
        QFETCH(bool, folderTaken);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list/l.kvtml"));
        write(path, kvtml);
        for (const QString &picture : {QStringLiteral("alma.png"), QStringLiteral("kutya.svg")})
            QVERIFY(QFile::copy(data + QStringLiteral("kvtml/pictures/") + picture, dir.filePath(QStringLiteral("list/") + picture)));
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        const WordList::Result read = WordList::read(path);
        if (pictureGoes)
            QFile::remove(dir.filePath(QStringLiteral("list/kutya.svg")));
        if (folderTaken)
            write(library.folder(), "not a folder");
        const LessonLibrary::Imported imported = library.add(path, read);
        QVERIFY(!imported.ok());
        QVERIFY2(imported.error.startsWith(path) && imported.error.contains(error), qPrintable(imported.error));
        QCOMPARE(imported.lines(), QStringList{imported.error});
        QCOMPARE(filesIn(library.folder()), QStringList());
        QCOMPARE(filesIn(dir.filePath(QStringLiteral("list"))).size(), pictureGoes ? 2 : 3);
    }

    // Removing a lesson takes its file and its pictures, and nothing of another lesson.
    void remove()
    {
        QTemporaryDir dir;
        LessonLibrary library(dir.filePath(QStringLiteral("lessons")));
        QVERIFY(library.import(data + QStringLiteral("kvtml/bilingual.kvtml")).ok());
        QVERIFY(library.import(data + QStringLiteral("kvtml/monolingual.kvtml")).ok());
        const QList<LibraryLesson> lessons = library.list().lessons;
        QCOMPARE(lessons.size(), 2);
        QVERIFY(library.remove(lessons[0]));
        QCOMPARE(library.list().lessons, QList<LibraryLesson>{lessons[1]});
        QVERIFY(!library.has(lessons[0].id) && library.has(lessons[1].id));
        QVERIFY(!library.has(QStringLiteral("../lessons/") + lessons[1].id));
        for (const QString &file : filesIn(library.folder()))
            QVERIFY2(file.startsWith(lessons[1].id), qPrintable(file));
        QVERIFY(LessonFile::load(lessons[1].path).ok());
        // Nothing outside the folder is removed through it.
        LibraryLesson outside{QStringLiteral("x"), QStringLiteral("x"), 1, data + QStringLiteral("csv/comma.csv")};
        QString error;
        QVERIFY(!library.remove(outside, &error));
        QVERIFY(QFile::exists(outside.path));
    }

    // tarvo --import: a line for each list imported, what was set aside below it; a list that
    // cannot be imported on standard error with status 1, the others kept all the same.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("nouns");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("lessons");
        QTest::newRow("two lists")
            << QStringList{"csv/comma.csv", "kvtml/monolingual.kvtml"} << false << 0
            << "Imported 3 words into “comma”\nImported 3 words into “Gyümölcsök”\n"
               "  Entries with no translation, definition or picture: 1\n"
            << "" << 2;
        QTest::newRow("nouns") << QStringList{"csv/semicolon-1250.csv"} << true << 0
                               << "Imported 3 words into “semicolon-1250”\n" << "" << 1;
        QTest::newRow("one list missing")
            << QStringList{"csv/gone.csv", "csv/comma.csv"} << false << 1 << "Imported 3 words into “comma”\n"
            << "tarvo: " + data + "csv/gone.csv: the file does not exist\n" << 1;
        QTest::newRow("a folder") << QStringList{"kvtml/pictures"} << false << 1 << ""
                                  << "kvtml/pictures: this is a folder, not a word list\n" << 0;
    }
    void commandLine()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, nouns);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, lessons);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no display is needed
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QStringList args{QStringLiteral("--import")};
        if (nouns)
            args << QStringLiteral("--nouns");
        for (const QString &file : files)
            args << data + file;
        QProcess tarvo;
        tarvo.setProcessEnvironment(env);
        tarvo.start(QStringLiteral(TARVO_EXECUTABLE), args);
        QVERIFY(tarvo.waitForFinished(30000));
        QCOMPARE(tarvo.exitCode(), status);
        QCOMPARE(QString::fromUtf8(tarvo.readAllStandardOutput()), out);
        const QString stderrText = QString::fromUtf8(tarvo.readAllStandardError());
        QVERIFY2(err.isEmpty() ? stderrText.isEmpty() : stderrText.contains(err), qPrintable(stderrText));
        LessonLibrary library(home.filePath(QStringLiteral("Tarvo/lessons")));
        const LessonLibrary::Listing listing = library.list();
        QCOMPARE(listing.lessons.size(), lessons);
        QCOMPARE(listing.problems, QStringList());
        if (nouns) // every word with its article
            QCOMPARE(LessonFile::load(listing.lessons.value(0).path).lesson.itemCount(), 6);
    }
};

QTEST_GUILESS_MAIN(LessonLibraryTest)
#include "tst_lessonlibrary.moc"
