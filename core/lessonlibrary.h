#pragma once
#include "core/lessonfile.h"
#include "core/wordlist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// One lesson of the library, as its list shows it: read from a small index kept beside the
// files, so that a hundred lessons are listed without reading them whole.
struct LibraryLesson {
    QString id;
    QString title;
    int words = 0; // its word items; for a lesson without any, all its items
    QString path;  // its lesson file
    bool operator==(const LibraryLesson &) const = default;
};

// The learner's own lessons: every word list they imported, kept as a lesson file in one folder
// (`<id>.json`) with the pictures it shows beside it (`<id>/`), so that the lesson no longer
// needs the list's own folder. Every file is written whole to a temporary file and renamed into
// place, so that a crash never leaves half a lesson. The same list imported again updates its
// lesson in place: its id comes from the list's path, and every item's key from its Hungarian
// word, so an unchanged word keeps its key and its record. A lesson kept or removed leaves the
// known lessons (core/lessons.h), so that its next use reads it as it is now.
class LessonLibrary {
public:
    explicit LessonLibrary(QString folder = defaultFolder());
    // "lessons" in the application's data folder ($XDG_DATA_HOME/Tarvo/lessons).
    static QString defaultFolder();
    const QString &folder() const { return folder_; }

    struct Listing {
        QList<LibraryLesson> lessons; // by title
        // The files of the folder that do not load, each with what is wrong; they are left as
        // they are.
        QStringList problems;
    };
    Listing list();
    // The lesson file of an id.
    QString pathOf(const QString &id) const;
    // Whether the folder has a lesson file of an id (without reading it).
    bool has(const QString &id) const;
    // The lesson of an id, read whole from its file; null when there is none or it does not load.
    std::shared_ptr<const Lesson> load(const QString &id) const;

    // What importing a word list did.
    struct Imported {
        QString error; // empty when the list is a lesson now
        QString id, title;
        int words = 0;
        // The list had been imported before: its lesson was updated, and these are its words
        // against the lesson before.
        bool updated = false;
        int added = 0, changed = 0, removed = 0;
        WordList::SetAside setAside;
        bool ok() const { return error.isEmpty(); }
        // For the learner: "Imported 44 words into “Animals”", what changed in an update, and
        // what was set aside; or the error alone.
        QStringList lines() const;
    };
    // Reads a word list and keeps it as a lesson.
    Imported import(const QString &path, const WordList::Options &options = {});
    // Keeps a word list that the caller has read (after asking the learner about its columns).
    // Nothing of it is kept when anything fails.
    Imported add(const QString &path, const WordList::Result &read);
    // Removes a lesson's file and its pictures. False, with the reason, when they cannot be.
    bool remove(const LibraryLesson &lesson, QString *error = nullptr);

private:
    QString folder_; // absolute
};
