#include "core/lessons.h"

#include "core/lessonfile.h"
#include "core/runevents.h"

#include <QHash>
#include <map>

namespace {

// A known lesson with its items by key, so that the review finds each of thousands of due items
// without walking a lesson of thousands.
struct Entry {
    std::shared_ptr<const Lesson> lesson;
    QHash<QString, const LessonItem *> bySection; // section id, a zero character, key
    QHash<QString, const LessonItem *> byKey;     // the first item of each key
    bool loaded = false;                          // from the source, not added

    explicit Entry(std::shared_ptr<const Lesson> l) : lesson(std::move(l))
    {
        for (const LessonSection &section : lesson->sections)
            for (const LessonItem &item : section.items) {
                bySection.insert(section.id + QChar(0) + item.key, &item);
                if (!byKey.contains(item.key))
                    byKey.insert(item.key, &item);
            }
    }
};

// The lessons added, by id (lesson 1 is not among them).
std::map<QString, Entry> &added()
{
    static std::map<QString, Entry> lessons;
    return lessons;
}

Lessons::Source &source()
{
    static Lessons::Source lessons;
    return lessons;
}

const Entry *entryOf(const QString &id)
{
    if (id == lessonOneId()) {
        // Built in and never freed: shared without an owner.
        static const Entry one(std::shared_ptr<const Lesson>(&lessonOne(), [](const Lesson *) {}));
        return one.lesson->isEmpty() ? nullptr : &one;
    }
    if (const auto it = added().find(id); it != added().end())
        return &it->second;
    if (id.isEmpty() || !source().load)
        return nullptr;
    std::shared_ptr<const Lesson> loaded = source().load(id);
    if (!loaded || loaded->id != id || loaded->isEmpty())
        return nullptr;
    Entry &entry = added().insert_or_assign(id, Entry(std::move(loaded))).first->second;
    entry.loaded = true;
    return &entry;
}

} // namespace

namespace Lessons {

void setSource(Source lessons)
{
    source() = std::move(lessons);
    std::erase_if(added(), [](const auto &entry) { return entry.second.loaded; });
}

bool known(const QString &id)
{
    if (id == lessonOneId() || added().count(id) > 0)
        return true;
    return !id.isEmpty() && source().exists && source().exists(id);
}

std::shared_ptr<const Lesson> find(const QString &id)
{
    const Entry *entry = entryOf(id);
    return entry ? entry->lesson : nullptr;
}

bool add(std::shared_ptr<const Lesson> lesson)
{
    if (!lesson || lesson->id.isEmpty() || lesson->id == lessonOneId())
        return false;
    const QString id = lesson->id;
    added().insert_or_assign(id, Entry(std::move(lesson)));
    return true;
}

bool remove(const QString &id)
{
    return added().erase(id) > 0;
}

const LessonItem *item(const QString &lesson, const QString &section, const QString &key)
{
    const Entry *entry = entryOf(lesson);
    if (!entry || key.isEmpty())
        return nullptr;
    return section.isEmpty() ? entry->byKey.value(key) : entry->bySection.value(section + QChar(0) + key);
}

} // namespace Lessons
