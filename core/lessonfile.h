#pragma once
#include "core/lesson.h"

#include <QByteArray>
#include <QString>

// Lesson files: UTF-8 JSON text in the format docs/lesson-format.md describes (version 1). A file
// loads whole or not at all: any fault gives a message naming the file, the place (line and
// column for a fault in the JSON text itself, else the section and item) and what is wrong, and
// an empty lesson.
namespace LessonFile {

constexpr int formatVersion = 1;
// Limits that keep a damaged or hostile file from costing time or memory.
constexpr qint64 maxFileBytes = 32 * 1024 * 1024;
constexpr int maxItems = 100000;
constexpr int maxSections = 10000;
constexpr int maxTextLength = 1000; // characters in any one text of the file

struct Result {
    Lesson lesson; // empty when the file did not load
    QString error; // empty when it did
    bool ok() const { return error.isEmpty(); }
};

// The file at a path (a resource path too); `name` in the messages is the path as given. Its
// picture files are looked for in its own folder.
Result load(const QString &path);
// The bytes of a file; `name` is what the messages call it. The picture files it names are looked
// for in `folder` and below it (a file naming one is refused when `folder` is empty), and the
// lesson holds each by its path there.
Result parse(const QByteArray &bytes, const QString &name, const QString &folder = QString());
// The lesson as a file, one item a line, fields in their documented order, each picture file in
// `folder` (or below it) by its path from there; parse() with the same folder reads it back to
// the same lesson.
QByteArray write(const Lesson &lesson, const QString &folder = QString());

} // namespace LessonFile

// Lesson 1, compiled in (":/lessons/lesson1.json"): read on its first use, then kept. Nothing
// reads it at start-up.
const Lesson &lessonOne();
// Whether lesson 1 has been read yet.
bool lessonOneRead();
// The section of lesson 1 that an exercise (1 to 5) asks; an empty one for any other number.
const LessonSection &lessonOneSection(int exercise);
