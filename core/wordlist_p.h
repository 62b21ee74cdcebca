#pragma once
// What the word-list readers share: the file guard, the picture check and the lesson builder.
#include "core/wordlist.h"

#include <QHash>

namespace WordList::detail {

// A file read whole, or the message why not.
struct FileBytes {
    QByteArray bytes;
    QString folder; // the file's folder, symbolic links resolved
    QString error;
};
FileBytes readFile(const QString &path);

// The language part of a locale: "hu" of "hu_HU", "de" of "de-AT".
QString languageOf(const QString &locale);

// One entry as a reader found it, before cleaning.
struct Entry {
    QString hungarian;
    QString prompt;
    QString language;    // the prompt's language
    QString definition;  // a Hungarian explanation, the prompt when there is no other
    QStringList pictures; // references as the file gives them, the best first
    bool noun = false;
};

// Cleans, checks and merges the entries of a list into its lesson.
class Builder {
public:
    Builder(const QString &name, const QString &folder, const Options &options);
    // Entries added from now on go into this section (made when it gets its first word).
    void section(const QString &id, const QString &title);
    // False once the lesson holds maxWords words: the reader stops and finish() refuses it.
    bool add(const Entry &entry);
    // The lesson with its title (the file's base name when empty), or the message why none.
    Result finish(const QString &title);
    Result &result() { return result_; }
    // A failure of the reader itself: the message, and no lesson.
    Result fail(const QString &message);

private:
    struct Word {
        QString hungarian, prompt, language, picture;
        bool noun = false;
    };
    struct Section {
        QString id, title;
        QList<int> words;
    };
    QString picture(const QStringList &references);

    QString name_, folder_;
    Options options_;
    Result result_;
    QList<Section> sections_;
    int current_ = -1;
    QString pendingId_, pendingTitle_;
    QList<Word> words_;
    QHash<QString, int> byKey_;
    bool full_ = false;
    // Each picture reference is checked once: its file, or empty and the reason it is not used.
    QHash<QString, std::pair<QString, int SetAside::*>> pictures_;
};

} // namespace WordList::detail
