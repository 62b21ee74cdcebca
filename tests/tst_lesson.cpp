// Lesson files: what a damaged or hostile file gives (a message naming the file, the place and
// the fault, and nothing loaded), the example of docs/lesson-format.md, and lesson 1 as the
// exercises and the record know it.
#include "app/sobre.h"
#include "core/lessonfile.h"
#include "exercises/h01d3/sentencebank.h"
#include "support/testing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A lesson of one section around the items given (JSON text).
QByteArray lessonWith(const QByteArray &items)
{
    return R"({"format": "tarvo-lesson", "version": 1, "id": "t", "title": "T",
"sections": [{"id": "s", "items": [)" +
           items + "]}]}";
}

const QByteArray noun = R"({"key": "a", "kind": "article", "noun": "autó", "article": "az"})";

// The first ```json block of the format's documentation.
QByteArray docExample()
{
    QFile doc(QStringLiteral(TARVO_SOURCE_DIR "/docs/lesson-format.md"));
    if (!doc.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(doc.readAll());
    const QRegularExpressionMatch block =
        QRegularExpression(QStringLiteral("```json\\n(.*?)```"), QRegularExpression::DotMatchesEverythingOption)
            .match(text);
    return block.captured(1).toUtf8();
}

} // namespace

class LessonTest : public QObject {
    Q_OBJECT

private slots:
    // First, before anything in this process has read lesson 1.
    void notReadAtStartUp();
    void badInput_data();
    void badInput();
    void docExample();
    void pictureFiles_data();
    void pictureFiles();
    void lessonOne();
    void checkLessonCommand_data();
    void checkLessonCommand();
};

void LessonTest::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // after "bad.json"

    const QByteArray good = lessonWith(noun);
    QTest::newRow("empty") << QByteArray() << ": the file is empty";
    QTest::newRow("too large") << QByteArray(LessonFile::maxFileBytes + 1, ' ') << ": the file is larger than 32 MB";
    QTest::newRow("not UTF-8") << lessonWith(R"({"key": "a", "kind": "article", "noun": "aut)"
                                             "\xF3"
                                             R"(", "article": "az"})")
                               << ", line 2, column 80: the text is not UTF-8";
    QTest::newRow("overlong UTF-8") << QByteArray("{\"id\": \"\xC0\xAF\"}")
                                    << ", line 1, column 9: the text is not UTF-8";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE{\0}\0", 6) << ", line 1, column 1: the text is not UTF-8";
    QTest::newRow("truncated") << good.left(good.size() - 30) << ", line 2, column 75: unterminated object";
    QTest::newRow("not JSON") << QByteArray("lesson 1\n") << ", line 1, column 2: illegal value";
    QTest::newRow("a list") << QByteArray("[]") << ": the file does not hold a lesson (an object in braces)";
    QTest::newRow("another format") << QByteArray(good).replace("tarvo-lesson", "kvtml")
                                    << ": this is not a Tarvo lesson file (its \"format\" is not \"tarvo-lesson\")";
    QTest::newRow("later version") << QByteArray(good).replace("\"version\": 1", "\"version\": 2")
                                   << ": the file is written in format version 2; this Tarvo reads version 1";
    QTest::newRow("broken version") << QByteArray(good).replace("\"version\": 1", "\"version\": 1.5")
                                    << ": \"version\" must be a whole number from 1";
    QTest::newRow("no sections") << QByteArray(R"({"format": "tarvo-lesson", "version": 1, "id": "t", "title": "T"})")
                                 << ": \"sections\" must be a list of at least one section";
    QTest::newRow("no items") << lessonWith("") << ", section 1: \"items\" must be a list of at least one item";
    QTest::newRow("duplicate key") << lessonWith(noun + ",\n" + noun)
                                   << ", section 1, item 2 (\"a\"): the key \"a\" is used twice in this section";
    QTest::newRow("duplicate section") << QByteArray(good).replace(R"("sections": [{"id": "s", "items": [)" + noun +
                                                                       "]}",
                                                                   R"("sections": [{"id": "s", "items": [)" + noun +
                                                                       R"(]}, {"id": "s", "items": [)" + noun + "]}")
                                       << ", section 2: the section id \"s\" is used twice";
    QTest::newRow("unknown kind") << lessonWith(R"({"key": "a", "kind": "quiz", "answer": "x"})")
                                  << ", section 1, item 1 (\"a\"): unknown kind \"quiz\" (the kinds are article, "
                                     "question, gap, picture and word)";
    QTest::newRow("misspelt field")
        << lessonWith(R"({"key": "a", "kind": "picture", "picture": "ex5/noun00", "anwser": "autó"})")
        << ", section 1, item 1 (\"a\"): unknown field \"anwser\"";
    QTest::newRow("missing field") << lessonWith(R"({"key": "a", "kind": "article", "noun": "autó"})")
                                   << ", section 1, item 1 (\"a\"): the field \"article\" is missing";
    QTest::newRow("no key") << lessonWith(R"({"kind": "article", "noun": "autó", "article": "az"})")
                            << ", section 1, item 1: the field \"key\" is missing";
    QTest::newRow("wrong type") << lessonWith(R"({"key": "a", "kind": "gap", "stem": "Ő", "plus": "yes"})")
                                << ", section 1, item 1 (\"a\"): \"plus\" must be true or false";
    QTest::newRow("no such picture")
        << lessonWith(R"({"key": "a", "kind": "picture", "picture": "ex5/noun20", "answer": "x"})")
        << ", section 1, item 1 (\"a\"): there is no picture \"ex5/noun20\"";
    QTest::newRow("picture outside")
        << lessonWith(R"({"key": "a", "kind": "word", "picture": "../ex5/noun00", "answer": "x"})")
        << ", section 1, item 1 (\"a\"): there is no picture \"../ex5/noun00\"";
    QTest::newRow("field far too long")
        << lessonWith(R"({"key": "a", "kind": "word", "prompt": ")" + QByteArray(1001, 'x') + R"(", "answer": "x"})")
        << ", section 1, item 1 (\"a\"): \"prompt\" is too long (1001 characters; at most 1000)";
    QTest::newRow("control character") << lessonWith(
                                              R"({"key": "a", "kind": "article", "noun": "au\ttó", "article": "az"})")
                                       << ", section 1, item 1 (\"a\"): \"noun\" holds a control character";
    QTest::newRow("lone surrogate") << lessonWith(
                                           R"({"key": "a", "kind": "article", "noun": "\ud800", "article": "az"})")
                                    << ", section 1, item 1 (\"a\"): \"noun\" holds a broken character";
    QTest::newRow("no such article") << lessonWith(
                                            R"({"key": "a", "kind": "article", "noun": "autó", "article": "the"})")
                                     << ", section 1, item 1 (\"a\"): \"article\" must be \"a\" or \"az\"";
    QTest::newRow("word without prompt") << lessonWith(R"({"key": "a", "kind": "word", "answer": "x"})")
                                         << ", section 1, item 1 (\"a\"): a word needs a \"prompt\" or a \"picture\"";
    QTest::newRow("ordinary after Plus")
        << lessonWith(
               R"({"key": "a", "kind": "gap", "stem": "Ő", "plus": true}, {"key": "b", "kind": "gap", "stem": "Te"})")
        << ", section 1, item 2 (\"b\"): an item of the ordinary run follows an item of the Plus run";
    QTest::newRow("deep nesting") << QByteArray(100000, '[') << ", line 1, column 1026: too deeply nested document";
}

// Each bad file gives its one message, with the file's name and the place, and no lesson.
void LessonTest::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const LessonFile::Result result = LessonFile::parse(bytes, QStringLiteral("bad.json"));
    QCOMPARE(result.error, QStringLiteral("bad.json") + message);
    QVERIFY(result.lesson.isEmpty());
    QCOMPARE(result.lesson, Lesson());
}

// The documentation's example loads; each of its items is right with its own answer, padded as
// a learner types it, and wrong with another item's; it is written back as it reads.
void LessonTest::docExample()
{
    const LessonFile::Result result = LessonFile::parse(::docExample(), QStringLiteral("lesson-format.md"));
    QVERIFY2(result.ok(), qPrintable(result.error));
    const Lesson &lesson = result.lesson;
    QCOMPARE(lesson.sections.size(), 2);
    QCOMPARE(lesson.itemCount(), 8);
    QSet<int> kinds;
    for (const LessonSection &section : lesson.sections) {
        for (const LessonItem &item : section.items) {
            kinds.insert(int(item.kind()));
            QVERIFY(lesson.item(section.id, item.key) == &item);
            const ItemCheck right = checkAnswer(item, QStringLiteral("  ") + item.answer() + QLatin1Char(' '));
            QVERIFY2(right.right, qPrintable(item.key));
            QCOMPARE(right.answer, item.answer());
            QVERIFY(!checkAnswer(item, item.answer() + QStringLiteral("x")).right);
        }
    }
    QCOMPARE(kinds.size(), 5);
    const ItemCheck question = checkAnswer(*lesson.item(QStringLiteral("sentences"), QStringLiteral("ez-auto")),
                                           QStringLiteral(" igen,   az. "));
    QVERIFY(question.right);
    QVERIFY(question.capitalWarning);
    QCOMPARE(question.answer, QStringLiteral("Igen, az."));
    QCOMPARE(LessonFile::parse(LessonFile::write(lesson), QStringLiteral("again")).lesson, lesson);
}

void LessonTest::pictureFiles_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("inFolder"); // read with the folder the file lies in
    QTest::addColumn<bool>("loads");
    QTest::newRow("beside the file") << "pictures/kutya.png" << true << true;
    QTest::newRow("with spaces and accents") << "pictures/fekete kutya.png" << true << true;
    QTest::newRow("not read from a folder") << "pictures/kutya.png" << false << false;
    QTest::newRow("missing") << "pictures/macska.png" << true << false;
    QTest::newRow("a folder") << "pictures" << true << false; // no dot: a drawing's name, and no drawing's
    QTest::newRow("up and out") << "../kutya.png" << true << false;
    QTest::newRow("up and back in") << "pictures/../pictures/kutya.png" << true << false;
    QTest::newRow("from the root") << "/pictures/kutya.png" << true << false;
    QTest::newRow("a link out of the folder") << "pictures/link.png" << true << false;
}

// A picture file beside the lesson file: found there and held by its full path, written back by
// its path from the folder; anything outside the folder, or not there, is refused.
void LessonTest::pictureFiles()
{
    QFETCH(QString, picture);
    QFETCH(bool, inFolder);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("lesson/pictures")));
    const QString folder = dir.filePath(QStringLiteral("lesson"));
    for (const QString &name : {QStringLiteral("lesson/pictures/kutya.png"), QStringLiteral("lesson/pictures/fekete kutya.png"),
                                QStringLiteral("kutya.png")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("kutya.png")), folder + QStringLiteral("/pictures/link.png")));
    const QByteArray bytes =
        lessonWith("{\"key\": \"k\", \"kind\": \"word\", \"picture\": \"" + picture.toUtf8() + "\", \"answer\": \"kutya\"}");
    const LessonFile::Result result = LessonFile::parse(bytes, QStringLiteral("l.json"), inFolder ? folder : QString());
    if (!loads) {
        QCOMPARE(result.error, QStringLiteral("l.json, section 1, item 1 (\"k\"): there is no picture \"%1\"").arg(picture));
        return;
    }
    QVERIFY2(result.ok(), qPrintable(result.error));
    const QString held = result.lesson.sections[0].items[0].picture();
    QCOMPARE(held, folder + QLatin1Char('/') + picture);
    QCOMPARE(pictureResource(held), held);
    QCOMPARE(LessonFile::parse(LessonFile::write(result.lesson, folder), QStringLiteral("again"), folder).lesson,
             result.lesson);
    QVERIFY(LessonFile::write(result.lesson, folder).contains("\"picture\": \"" + picture.toUtf8() + '"'));
}

// Lesson 1: the five exercises' items in their sections, each keyed by the text its window
// records for it; the compiled-in file is exactly what writing the lesson gives.
void LessonTest::lessonOne()
{
    const Lesson &lesson = ::lessonOne();
    QCOMPARE(lesson.id, QStringLiteral("1"));
    const int counts[] = {24, 8, 24, 16, 20};
    for (int exercise = 1; exercise <= 5; ++exercise) {
        const LessonSection &section = lessonOneSection(exercise);
        QCOMPARE(section.id, QString::number(exercise));
        QCOMPARE(section.items.size(), counts[exercise - 1]);
        QSet<QString> shown;
        for (const LessonItem &item : section.items) {
            QString text;
            if (const auto *article = item.as<ArticleItem>())
                text = article->noun;
            else if (const auto *question = item.as<QuestionItem>())
                text = question->question;
            else if (const auto *gap = item.as<GapItem>())
                text = SentenceBank::gappedSentence(gap->stem, gap->ending);
            else if (const auto *picture = item.as<PictureItem>())
                text = picture->answer;
            // The one sentence that exercise 3 asks twice has its second key apart.
            QCOMPARE(item.key, shown.contains(text) ? text + QStringLiteral(" (2)") : text);
            shown.insert(text);
        }
    }
    int lo, hi;
    QVERIFY(SentenceBank::runRange(3, lo, hi));
    QCOMPARE(hi - lo + 1, 12);
    QVERIFY(SentenceBank::runRange(4, lo, hi));
    QCOMPARE(hi - lo + 1, 8);

    QFile file(QStringLiteral(":/lessons/lesson1.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(LessonFile::write(lesson), file.readAll());
}

// Start-up and the menu do without the lesson: it is read when an exercise first needs it.
void LessonTest::notReadAtStartUp()
{
    TestRun run;
    Program::get().start();
    sobre().Timer1_Timer();
    QCoreApplication::processEvents();
    QVERIFY(!lessonOneRead());
    QVERIFY(!::lessonOne().isEmpty());
    QVERIFY(lessonOneRead());
}

void LessonTest::checkLessonCommand_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // after the file's path

    QTest::newRow("the example") << ::docExample() << 0 << "ok\n" << QString();
    QTest::newRow("truncated") << ::docExample().left(100) << 1 << QString()
                               << ", line 6, column 15: unterminated object\n";
    QTest::newRow("no file") << QByteArray() << 1 << QString()
                             << ": the file cannot be read (No such file or directory)\n";
}

// tarvo --check-lesson FILE says "ok" or what is wrong, without a window.
void LessonTest::checkLessonCommand()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lesson.json"));
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QProcess tarvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no display is needed
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    tarvo.setProcessEnvironment(env);
    tarvo.start(QStringLiteral(TARVO_EXECUTABLE), {QStringLiteral("--check-lesson"), path});
    QVERIFY(tarvo.waitForFinished(30000));
    QCOMPARE(tarvo.exitCode(), status);
    QCOMPARE(QString::fromUtf8(tarvo.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(tarvo.readAllStandardError()), err.isEmpty() ? QString() : path + err);
}

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
