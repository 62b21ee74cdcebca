// The word-list readers: KVTML and CSV fixtures of tests/data/wordlists made into lessons, bad
// input refused with a message, pictures checked, the article rule, and Debian's Hungarian
// KVTML files where they are installed.
#include "core/wordlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace WordList;

namespace {

const QString data = QStringLiteral(TARVO_WORDLISTS);

// A lesson as lines: "[section id|title]", then "prompt = word (language) picture" for a word
// and "az alma" for an article. Every key is checked against its word on the way.
QStringList summary(const Lesson &lesson)
{
    QStringList out;
    for (const LessonSection &section : lesson.sections) {
        out << QStringLiteral("[%1|%2]").arg(section.id, section.title);
        for (const LessonItem &item : section.items) {
            if (const auto *w = item.as<WordItem>()) {
                if (item.key != QStringLiteral("word:") + w->answer)
                    return {QStringLiteral("wrong key ") + item.key};
                const QString picture = w->picture.isEmpty() ? QString() : QLatin1Char(' ') + QFileInfo(w->picture).fileName();
                out << QStringLiteral("%1 = %2 (%3)%4").arg(w->prompt, w->answer, w->language, picture);
            } else if (const auto *a = item.as<ArticleItem>()) {
                if (item.key != QStringLiteral("article:") + a->noun)
                    return {QStringLiteral("wrong key ") + item.key};
                out << a->article + QLatin1Char(' ') + a->noun;
            }
        }
    }
    return out;
}

QString asideText(const SetAside &s)
{
    const std::pair<const char *, int> counts[] = {
        {"outside", s.picturesOutside}, {"url", s.pictureUrls}, {"notpicture", s.notPictures},
        {"large", s.picturesTooLarge},  {"wide", s.picturesTooWide}, {"inactive", s.inactive},
        {"empty", s.emptyWords},        {"noprompt", s.noPrompts},   {"long", s.longTexts},
        {"duplicate", s.duplicates},    {"control", s.controlCharacters}};
    QStringList out;
    for (const auto &[name, n] : counts)
        if (n)
            out << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(n);
    return out.join(QStringLiteral(", "));
}

} // namespace

class WordListTest : public QObject {
    Q_OBJECT

private slots:
    // Every fixture read as the learner would import it: sections, items and what was left out.
    void lists_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("nouns");
        QTest::addColumn<QStringList>("lesson");
        QTest::addColumn<QString>("aside");
        const QString tiere = QStringLiteral("[lesson:Tiere / Haustiere|Tiere / Haustiere]");
        const QString essen = QStringLiteral("[lesson:Essen|Essen]");
        const QString rest = QStringLiteral("[words|Tiere und Dinge]");
        QTest::newRow("bilingual, English prompts")
            << "kvtml/bilingual.kvtml" << "en" << false
            << QStringList{tiere, "dog; hound = kutya (en) kutya.svg", "a kutya", essen, "apple = alma (en) alma.png",
                           "az alma", rest, "house = ház (en)", "a ház", "to go = megy (en)",
                           "University = Egyetem (en)", "az Egyetem"}
            << "outside 1, url 1, notpicture 1, inactive 1, empty 1, noprompt 1, duplicate 1, control 1";
        QTest::newRow("bilingual, German interface")
            << "kvtml/bilingual.kvtml" << "de_AT" << false
            << QStringList{"[lesson:Tiere|Tiere]", "Reh = Őz (de)", "az Őz", tiere, "Hund = kutya (de) kutya.svg",
                           "a kutya", essen, "Apfel = alma (de) alma.png", "az alma", rest, "Haus = ház (de)", "a ház",
                           "Universität = Egyetem (de)", "az Egyetem"}
            << "url 1, notpicture 1, wide 1, inactive 1, empty 1, noprompt 1, duplicate 1, control 1";
        QTest::newRow("Hungarian only: definitions and a picture")
            << "kvtml/monolingual.kvtml" << "en" << false
            << QStringList{"[lesson:Nyári|Nyári]", "Piros, apró magvas gyümölcs = eper (hu)", "az eper",
                           "Kék, csonthéjas gyümölcs = szilva (hu)", "[words|Gyümölcsök]", " = körte () alma.png"}
            << "noprompt 1";
        QTest::newRow("Hungarian only, all nouns")
            << "kvtml/monolingual.kvtml" << "en" << true
            << QStringList{"[lesson:Nyári|Nyári]", "Piros, apró magvas gyümölcs = eper (hu)", "az eper",
                           "Kék, csonthéjas gyümölcs = szilva (hu)", "a szilva", "[words|Gyümölcsök]",
                           " = körte () alma.png", "a körte"}
            << "noprompt 1";
        QTest::newRow("comma, quotes, line break")
            << "csv/comma.csv" << "de" << false
            << QStringList{"[words|comma]", "dog = kutya (en)", "house, home = ház (en)", "a big window = ablak (en)"} << "";
        QTest::newRow("semicolon, UTF-8 with BOM, notes, header")
            << "csv/semicolon-bom.csv" << "de" << true
            << QStringList{"[words|semicolon-bom]", "Apfel = alma (de)", "az alma", "Tür = ajtó (de)", "az ajtó",
                           "Öl = olaj (de)", "az olaj"}
            << "";
        QTest::newRow("tab, UTF-16, no header")
            << "csv/tab-utf16.txt" << "en" << false
            << QStringList{"[words|tab-utf16]", "dog = kutya ()", "deer = őz ()", "glass = üveg ()"} << "";
        QTest::newRow("semicolon, Windows-1250")
            << "csv/semicolon-1250.csv" << "en" << true
            << QStringList{"[words|semicolon-1250]", "mirror = tükör ()", "a tükör", "corset = fűző ()", "a fűző",
                           "forest = erdő ()", "az erdő"}
            << "";
    }
    void lists()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(bool, nouns);
        QFETCH(QStringList, lesson);
        QFETCH(QString, aside);
        Options options;
        options.interfaceLanguage = language;
        options.nouns = nouns;
        const Result result = read(data + file, options);
        QCOMPARE(result.error, QString());
        QCOMPARE(summary(result.lesson), lesson);
        QCOMPARE(asideText(result.setAside), aside);
        QCOMPARE(result.columnsGuessed, file.contains(QLatin1String("tab")) || file.contains(QLatin1String("1250")));
        // The same file read again is the same lesson, under the same id.
        QCOMPARE(result.setAside.lines().size(), aside.isEmpty() ? 0 : aside.count(QLatin1Char(',')) + 1);
        const Result again = read(data + file, options);
        QCOMPARE(summary(again.lesson), lesson);
        QCOMPARE(again.lesson.id, result.lesson.id);
        QVERIFY(result.lesson.id.startsWith(QFileInfo(file).completeBaseName().toLower() + QLatin1Char('-')));
        QVERIFY(wordListId(QStringLiteral("/elsewhere/") + QFileInfo(file).fileName()) != result.lesson.id);
    }

    // What cannot be imported gives a message naming the file and what is wrong, and no lesson.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kvtml");
        QTest::addColumn<QString>("message");
        const QByteArray head = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n";
        const QByteArray hu = "<identifiers><identifier id=\"0\"><locale>hu</locale></identifier></identifiers>";
        QTest::newRow("truncated") << head + "<identifiers><identi" << true << "list.kvtml, line 3, column 20: ";
        QTest::newRow("malformed") << head + "<entries></entry>" << true << "list.kvtml, line 3, column 17: ";
        QTest::newRow("not KVTML") << QByteArray("<html><body/></html>") << true << "this is not a KVTML 2 word list";
        QTest::newRow("no Hungarian")
            << head + "<identifiers><identifier id=\"0\"><name>English</name><locale>en</locale></identifier>"
                      "<identifier id=\"1\"><locale>de</locale></identifier></identifiers></kvtml>"
            << true << "no language of the list is Hungarian (languages found: English (en), de)";
        QTest::newRow("empty KVTML") << head + hu + "<entries/></kvtml>" << true << "the list has no words to practise";
        QTest::newRow("entity bomb")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                          "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
                          "<kvtml version=\"2.0\"><information><title>&c;&c;&c;</title></information></kvtml>")
            << true << "declares entities of its own";
        QTest::newRow("outside entity")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                          "<kvtml version=\"2.0\"><information><title>&x;</title></information></kvtml>")
            << true << "declares entities of its own";
        QTest::newRow("empty CSV") << QByteArray("# only notes\n\n") << false << "only one column";
        QTest::newRow("CSV of blanks") << QByteArray("kutya;\n;dog\n ; \n") << false << "the list has no words to practise";
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kvtml);
        QFETCH(QString, message);
        const Result result = kvtml ? parseKvtml(bytes, QStringLiteral("list.kvtml"), QString())
                                    : parseCsv(bytes, QStringLiteral("list.csv"));
        QVERIFY2(result.error.contains(message), qPrintable(result.error));
        QVERIFY(result.error.startsWith(kvtml ? QLatin1String("list.kvtml") : QLatin1String("list.csv")));
        QVERIFY(result.lesson.isEmpty());
    }

    // Files that are refused before reading, a pipe among them (reading it would wait forever).
    void badFiles()
    {
        QTemporaryDir dir;
        QCOMPARE(read(dir.path()).error, dir.path() + QStringLiteral(": this is a folder, not a word list"));
        QVERIFY(read(dir.filePath(QStringLiteral("gone.csv"))).error.endsWith(QLatin1String("the file does not exist")));
        const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(read(pipe).error.endsWith(QLatin1String("this is not a file that can be read")));
        QFile big(dir.filePath(QStringLiteral("big.csv")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(maxFileBytes + 1));
        big.close();
        QVERIFY(read(big.fileName()).error.endsWith(QLatin1String("larger than 50 MB")));
        QFile locked(dir.filePath(QStringLiteral("locked.csv")));
        QVERIFY(locked.open(QIODevice::WriteOnly) && locked.write("kutya;dog\n") > 0);
        locked.close();
        locked.setPermissions(QFileDevice::WriteOwner);
        if (QFile(locked.fileName()).open(QIODevice::ReadOnly))
            qInfo("running as root: an unreadable file cannot be made");
        else
            QVERIFY(read(locked.fileName()).error.contains(QLatin1String("cannot be read")));
    }

    void pickedLanguage()
    {
        const QByteArray list = "<kvtml version=\"2.0\"><identifiers><identifier id=\"a\"><name>Magyarul</name>"
                                "<locale>xx</locale></identifier><identifier id=\"b\"><locale>en</locale></identifier>"
                                "</identifiers><entries><entry id=\"0\"><translation id=\"a\"><text>hal</text>"
                                "</translation><translation id=\"b\"><text>fish</text></translation></entry></entries></kvtml>";
        const Result refused = parseKvtml(list, QStringLiteral("x.kvtml"), QString());
        QCOMPARE(refused.columns, (QList<Column>{{"a", "Magyarul", "xx"}, {"b", "", "en"}}));
        QVERIFY2(refused.hungarianMissing, qPrintable(refused.error));
        Options picked;
        picked.hungarianColumn = QStringLiteral("a");
        QCOMPARE(summary(parseKvtml(list, QStringLiteral("x.kvtml"), QString(), picked).lesson),
                 (QStringList{"[words|]", "fish = hal (en)"}));
    }

    // Lessons nested deeper than the reader follows give their words to the deepest it does.
    void deepLessons()
    {
        QByteArray list = "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>hu</locale></identifier>"
                          "</identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>ló</text><comment>állat"
                          "</comment></translation></entry></entries><lessons>";
        QStringList names;
        for (int i = 0; i < 40; ++i) {
            list += "<container><name>L" + QByteArray::number(i) + "</name>";
            if (i <= 32)
                names << QStringLiteral("L%1").arg(i);
        }
        list += "<entry id=\"0\"/>" + QByteArray("</container>").repeated(40) + "</lessons></kvtml>";
        const QString title = names.join(QStringLiteral(" / "));
        QCOMPARE(summary(parseKvtml(list, QStringLiteral("d.kvtml"), QString()).lesson),
                 (QStringList{QStringLiteral("[lesson:%1|%1]").arg(title), QStringLiteral("állat = ló (hu)")}));
    }

    // A long text sets its entry aside; the reader stops at the lesson's size.
    void limits()
    {
        const QByteArray longWord(maxTextLength + 1, 'k');
        QCOMPARE(asideText(parseCsv("kutya;dog\n" + longWord + ";long\n", QStringLiteral("l.csv")).setAside), "long 1");
        QByteArray many;
        for (int i = 0; i <= maxWords; ++i)
            many += QByteArray::number(i) + ";x\n";
        QVERIFY(parseCsv(many, QStringLiteral("m.csv")).error.endsWith(QLatin1String("more than 50000 words")));
        // A picture over 5 MB is set aside by its size, unread.
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big.png")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(maxPictureBytes + 1));
        const QByteArray list = "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>hu</locale></identifier>"
                                "</identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>kép</text>"
                                "<comment>rajz</comment><image>big.png</image></translation></entry></entries></kvtml>";
        QCOMPARE(asideText(parseKvtml(list, dir.filePath(QStringLiteral("l.kvtml")), dir.path()).setAside), "large 1");
    }

    // Texts as items hold them: blanks shrunk, control and formatting characters gone, composed.
    void cleanText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clean");
        QTest::addColumn<bool>("removed");
        QTest::newRow("blanks") << QStringLiteral(u" fürdő\tszoba\r\n  kulcs\u00A0") << QStringLiteral(u"fürdő szoba kulcs") << false;
        QTest::newRow("decomposed") << QStringLiteral(u"o\u030Bz") << QStringLiteral(u"őz") << false;
        QTest::newRow("bidi override, bell") << QStringLiteral(u"ab\u202Ela\u0007k") << QStringLiteral(u"ablak") << true;
        // Two marks that a removed character kept apart take their canonical order.
        QTest::newRow("marks") << QStringLiteral(u"x\u0301\u0001\u0316") << QStringLiteral(u"x\u0316\u0301") << true;
    }
    void cleanText()
    {
        QFETCH(QString, text);
        QFETCH(QString, clean);
        QFETCH(bool, removed);
        bool dropped = !removed;
        QCOMPARE(WordList::cleanText(text, &dropped), clean);
        QCOMPARE(dropped, removed);
        QCOMPARE(WordList::cleanText(clean), clean);
    }

    void article_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("noun"); // the noun, where the list gives it with its article
        const char *rows[][2] = {{"alma", "az"},  {"ágy", "az"},        {"eper", "az"},       {"étterem", "az"},
                                 {"iskola", "az"}, {"íz", "az"},         {"orvos", "az"},      {"óra", "az"},
                                 {"öt", "az"},    {"őz", "az"},          {"utca", "az"},       {"út", "az"},
                                 {"ügy", "az"},   {"űr", "az"},          {"Ő", "az"},          {"Ügyvéd", "az"},
                                 {"Egyetem", "az"}, {"ÁGY", "az"},       {"kutya", "a"},       {"ház", "a"},
                                 {"yacht", "a"},  {"Budapest", "a"},     {"szoba", "a"},       {"autó busz", "az"},
                                 {"fürdő szoba", "a"}, {"új ház", "az"}, {"   alma", "az"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[0]);
        // A vowel written with a combining accent is still a vowel.
        QTest::newRow("decomposed o with double acute") << QStringLiteral(u"o\u030Bz") << "az" << QStringLiteral(u"o\u030Bz");
        // A noun given with its article, right or wrong, takes the article of the noun itself.
        const char *given[][3] = {{"a ház", "a", "ház"},   {"az alma", "az", "alma"}, {"Az iskola", "az", "iskola"},
                                  {"A kutya", "a", "kutya"}, {"a alma", "az", "alma"},  {"az  ablak", "az", "ablak"},
                                  {"azt", "az", "azt"},     {"a", "az", "a"},           {"az", "az", "az"},
                                  {"ablak", "az", "ablak"}};
        for (const auto &row : given)
            QTest::newRow(qPrintable(QStringLiteral("given: ") + QString::fromUtf8(row[0])))
                << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
    void article()
    {
        QFETCH(QString, word);
        QFETCH(QString, article);
        QFETCH(QString, noun);
        QCOMPARE(withoutArticle(word), noun);
        QCOMPARE(articleFor(withoutArticle(word)), article);
    }

    // A list of nouns written with their articles: each noun is asked alone, with its own article;
    // "az alma" and "alma" are one word.
    void nounsWithTheirArticles()
    {
        WordList::Options nouns;
        nouns.nouns = true;
        const WordList::Result read =
            WordList::parseCsv("Magyar,English\naz alma,apple\nalma,apple tree\nA ház,house\n", QStringLiteral("x.csv"), nouns);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QStringList items;
        for (const LessonItem &item : read.lesson.sections.value(0).items)
            items << item.key + QLatin1Char('=') + (item.as<WordItem>() ? item.as<WordItem>()->answer : item.as<ArticleItem>()->article);
        QCOMPARE(items, (QStringList{"word:alma=alma", "article:alma=az", "word:ház=ház", "article:ház=a"}));
        QCOMPARE(read.setAside.duplicates, 1);
        // Not nouns: the text stays as the list gives it.
        QCOMPARE(WordList::parseCsv("Magyar,English\naz alma,the apple\n", QStringLiteral("x.csv")).lesson.sections.value(0)
                     .items.value(0).key,
                 WordList::wordKey(QStringLiteral("az alma")));
    }

    // Debian's Hungarian lists: monolingual, a definition for each word.
    void debian_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("first");
        for (const auto &[file, words, first] :
             {std::tuple{"animals", 44, "Nagytestű, nehéz állat vastag bundával = medve (hu)"},
              {"clothing", 17, "Atlétikai cipő = tornacipő (hu)"}, {"computers", 14, ""}, {"currencies", 20, ""},
              {"fruits", 24, ""}, {"numbers", 35, ""}, {"transportation", 20, ""}, {"worldcapitals", 50, ""}})
            QTest::newRow(file) << QStringLiteral("/usr/share/apps/kvtml/hu/%1.kvtml").arg(QLatin1String(file)) << words
                                << QString::fromUtf8(first);
    }
    void debian()
    {
        QFETCH(QString, file);
        QFETCH(int, words);
        QFETCH(QString, first);
        if (!QFileInfo::exists(file))
            QSKIP("Debian's kdeedu-kvtml-data is not installed");
        Options nouns;
        nouns.nouns = true;
        const Result result = read(file, nouns);
        QCOMPARE(result.error, QString());
        const QList<LessonItem> &items = result.lesson.sections.value(0).items;
        QCOMPARE(result.lesson.sections.size(), 1);
        QCOMPARE(items.size(), 2 * words);
        if (!first.isEmpty())
            QCOMPARE(summary(result.lesson).value(1), first);
    }
};

QTEST_GUILESS_MAIN(WordListTest)
#include "tst_wordlist.moc"
