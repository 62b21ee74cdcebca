// Fuzz target for the lesson file reader: the input is a lesson file's bytes. Nothing may crash
// or hang, a file loads whole or not at all (a message naming the file, and an empty lesson), and
// a lesson that loads keeps the format's promises: ids and keys unique, texts within their limit
// and free of control characters, every picture one that exists, and written out it reads back
// as the same lesson.
#include "core/lessonfile.h"

#include <QFile>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {

#define LESSON_CHECK(condition)                                                                                        \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s\n", #condition);                                                 \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

void checkText(const QString &text)
{
    LESSON_CHECK(text.size() <= LessonFile::maxTextLength);
    for (QChar c : text)
        LESSON_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F);
}

void checkLesson(const Lesson &lesson)
{
    LESSON_CHECK(!lesson.id.isEmpty() && !lesson.sections.isEmpty());
    checkText(lesson.id);
    checkText(lesson.title);
    QSet<QString> ids;
    for (const LessonSection &section : lesson.sections) {
        LESSON_CHECK(!ids.contains(section.id) && !section.items.isEmpty());
        ids.insert(section.id);
        checkText(section.title);
        QSet<QString> keys;
        for (const LessonItem &item : section.items) {
            LESSON_CHECK(!item.key.isEmpty() && !keys.contains(item.key));
            keys.insert(item.key);
            checkText(item.key);
            checkText(item.answer().left(LessonFile::maxTextLength));
            if (!item.picture().isEmpty())
                LESSON_CHECK(QFile::exists(pictureResource(item.picture())));
            LESSON_CHECK(lesson.item(section.id, item.key) == &item);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LessonFile::Result result = LessonFile::parse(bytes, QStringLiteral("fuzz.json"));
    if (!result.ok()) {
        LESSON_CHECK(result.error.startsWith(QStringLiteral("fuzz.json")));
        LESSON_CHECK(result.lesson == Lesson());
        return 0;
    }
    checkLesson(result.lesson);
    const LessonFile::Result again = LessonFile::parse(LessonFile::write(result.lesson), QStringLiteral("again"));
    LESSON_CHECK(again.ok() && again.lesson == result.lesson);
    return 0;
}
