#pragma once
#include "core/lesson.h"

#include <QString>
#include <functional>
#include <memory>

// The lessons Tarvo knows, by id: where what the record keeps (a lesson id, a section and a key)
// is found again. Lesson 1 is built in and read on its first use; the learner's own lessons are
// added by whatever loads them, and taken out when they are removed, so that their items leave
// the review while their answers stay in the record. For the GUI thread.
namespace Lessons {

// Where a lesson that was not added is looked for: the learner's library. `exists` says cheaply,
// without reading it, whether there is a lesson of an id; `load` reads it (null when it cannot be
// read). A lesson loaded is kept, as an added one is, until it is removed or another source is set.
struct Source {
    std::function<bool(const QString &id)> exists;
    std::function<std::shared_ptr<const Lesson>(const QString &id)> load;
};
void setSource(Source source);

// The lesson of an id, loaded from the source on its first use; null when no such lesson is known.
std::shared_ptr<const Lesson> find(const QString &id);
// Whether there is a lesson of an id, without loading it: lesson 1, an added lesson, or one the
// source has.
bool known(const QString &id);
// Adds a lesson, or puts it in the place of the one with its id. False (and nothing changes) for
// a lesson without an id, or with lesson 1's: lesson 1 is built in.
bool add(std::shared_ptr<const Lesson> lesson);
// Takes out a lesson that was added or loaded (a lesson still in the source is loaded anew on its
// next use); false when there is none of that id.
bool remove(const QString &id);
// The item that the record names (lesson, section, key); with an empty section, the first item of
// that key in any section of the lesson. Null when no known lesson has it. The item lives as long
// as its lesson stays known.
const LessonItem *item(const QString &lesson, const QString &section, const QString &key);

} // namespace Lessons
