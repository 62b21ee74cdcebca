// Fuzz target for the lesson file reader: the input is a lesson file's bytes. Nothing may crash
// or hang, a file loads whole or not at all (a message naming the file, and an empty lesson), and
// a lesson that loads keeps the format's promises: ids and keys unique, texts within their limit
// and free of control characters, every picture one that exists, and written out it reads back
// as the same lesson.
#include "core/lessonfile.h"

#include "propertycheck.h"

#include <QFile>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {

void checkText(const QString &text)
{
    PROPERTY_CHECK(text.size() <= LessonFile::maxTextLength);
    for (QChar c : text)
        PROPERTY_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F);
}

void checkLesson(const Lesson &lesson)
{
    PROPERTY_CHECK(!lesson.id.isEmpty() && !lesson.sections.isEmpty());
    checkText(lesson.id);
    checkText(lesson.title);
    QSet<QString> ids;
    for (const LessonSection &section : lesson.sections) {
        PROPERTY_CHECK(!ids.contains(section.id) && !section.items.isEmpty());
        ids.insert(section.id);
        checkText(section.title);
        QSet<QString> keys;
        for (const LessonItem &item : section.items) {
            PROPERTY_CHECK(!item.key.isEmpty() && !keys.contains(item.key));
            keys.insert(item.key);
            checkText(item.key);
            checkText(item.answer().left(LessonFile::maxTextLength));
            if (!item.picture().isEmpty())
                PROPERTY_CHECK(QFile::exists(pictureResource(item.picture())));
            PROPERTY_CHECK(lesson.item(section.id, item.key) == &item);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LessonFile::Result result = LessonFile::parse(bytes, QStringLiteral("fuzz.json"));
    if (!result.ok()) {
        PROPERTY_CHECK(result.error.startsWith(QStringLiteral("fuzz.json")));
        PROPERTY_CHECK(result.lesson == Lesson());
        return 0;
    }
    checkLesson(result.lesson);
    const LessonFile::Result again = LessonFile::parse(LessonFile::write(result.lesson), QStringLiteral("again"));
    PROPERTY_CHECK(again.ok() && again.lesson == result.lesson);
    return 0;
}
