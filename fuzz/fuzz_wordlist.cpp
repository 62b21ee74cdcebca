// Fuzz targets for the word-list readers: arbitrary bytes read as KVTML (fuzz_kvtml) or as CSV
// (fuzz_csv, this file built with TARVO_FUZZ_CSV), then the lesson checked for what every
// imported lesson must be.
//
// Input: byte 0 says whether the list is all nouns (bit 1) and picks the interface language
// (bits 2 and 3); the rest is the file.
#include "core/wordlist.h"

#include <QCoreApplication>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *property, const QString &detail)
{
    std::fprintf(stderr, "property broken: %s\n  %s\n", property, qPrintable(detail.left(300)));
    std::abort();
}

#define CHECK(condition, detail)                                                                                       \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            broken(#condition, (detail));                                                                              \
    } while (0)

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    WordList::Options options;
    options.nouns = mode & 2;
    const char *languages[] = {"", "en", "de_DE", "hu"};
    options.interfaceLanguage = QString::fromLatin1(languages[(mode >> 2) & 3]);
    const QString name = QStringLiteral("fuzz.list");
#ifdef TARVO_FUZZ_CSV
    const WordList::Result result = WordList::parseCsv(bytes, name, options);
#else
    const WordList::Result result = WordList::parseKvtml(bytes, name, QString(), options);
#endif

    CHECK(result.ok() != result.lesson.isEmpty(), result.error);
    if (!result.ok()) {
        CHECK(result.error.startsWith(name), result.error);
        return 0;
    }
    const Lesson &lesson = result.lesson;
    CHECK(!lesson.id.isEmpty() && !lesson.title.isEmpty(), lesson.id);
    QSet<QString> sections, keys;
    int words = 0;
    for (const LessonSection &section : lesson.sections) {
        CHECK(!sections.contains(section.id), section.id);
        sections.insert(section.id);
        CHECK(!section.items.isEmpty(), section.id);
        const WordItem *last = nullptr;
        for (const LessonItem &item : section.items) {
            CHECK(!keys.contains(item.key), item.key);
            keys.insert(item.key);
            if (const auto *w = item.as<WordItem>()) {
                ++words;
                last = w;
                CHECK(!w->answer.isEmpty() && w->answer.size() <= WordList::maxTextLength, w->answer);
                CHECK(w->prompt.size() <= WordList::maxTextLength, w->prompt);
                CHECK(WordList::cleanText(w->answer) == w->answer, w->answer);
                CHECK(WordList::cleanText(w->prompt) == w->prompt, w->prompt);
                CHECK(!w->prompt.isEmpty() || !w->picture.isEmpty(), w->answer);
                CHECK(w->picture.isEmpty(), w->picture); // no folder: no picture is taken
                CHECK(item.key == WordList::wordKey(w->answer), item.key);
            } else if (const auto *a = item.as<ArticleItem>()) {
                // An article follows its own word.
                CHECK(last && last->answer == a->noun, a->noun);
                CHECK(a->article == WordList::articleFor(a->noun), a->noun);
                CHECK(item.key == WordList::articleKey(a->noun), item.key);
                last = nullptr;
            } else {
                broken("only words and articles", item.key);
            }
        }
    }
    CHECK(words > 0 && words <= WordList::maxWords, QString::number(words));
    return 0;
}
