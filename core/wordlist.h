#pragma once
#include "core/lesson.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Word lists from other vocabulary programs made into lessons: KVTML 2 (the XML of KDE's Parley
// and KWordQuiz) and CSV or tab-separated text. Each reader gives a Lesson with one section per
// lesson of the list and, for every entry, a Word item (the prompt and the Hungarian word) and,
// for a noun, an Article item ("a" or "az" before it); or a message naming the file and what
// is wrong, and an empty lesson.
//
// Keys: an item's key is made from its Hungarian word, normalised as the item's answer is
// ("word:kutya", "article:kutya"). The Hungarian word is the one thing of an entry that stays
// the same when the list is edited and read again, so a list read once more names every
// unchanged word by the same key and its record stays with it. Keys are unique across the
// whole lesson (a word that stands twice is merged into its first place), so an item is found
// by its key alone even when it has moved to another section. Section ids follow the titles of
// the list's own lessons ("lesson:Tiere / Haustiere"); the words in no lesson are in the
// section "words". The lesson id is made from the file's path (wordListId).
namespace WordList {

// Limits that keep a damaged or hostile file from costing time or memory.
constexpr qint64 maxFileBytes = 50 * 1024 * 1024;   // refused before reading
constexpr qint64 maxPictureBytes = 5 * 1024 * 1024; // larger pictures are set aside unread
constexpr int maxPictureSide = 4000;                // pixels, read from the picture's header
constexpr int maxTextLength = 500;                  // characters in a word or prompt
constexpr int maxWords = 50000;                     // a word and an article item each fit a lesson file

// What a reader left out of the lesson, by reason.
struct SetAside {
    int picturesOutside = 0; // not a file in the word list's folder or below it
    int pictureUrls = 0;     // on the web or another machine
    int notPictures = 0;     // a file that is no picture Tarvo can show
    int picturesTooLarge = 0;
    int picturesTooWide = 0;
    int inactive = 0;        // entries the list marks as not to be practised
    int emptyWords = 0;      // entries without Hungarian text
    int noPrompts = 0;       // entries with nothing to ask by: no translation, definition nor picture
    int longTexts = 0;       // entries with a text over maxTextLength
    int duplicates = 0;      // words that stood more than once, merged into the first
    int controlCharacters = 0; // texts that had control characters removed (their entries are kept)

    // One line for each reason that occurred, in the interface language ("3 duplicate words
    // merged"); empty when nothing was set aside.
    QStringList lines() const;
    bool operator==(const SetAside &) const = default;
};

// A column of the list the learner may choose: a KVTML identifier (id "0", "1", ...) or a CSV
// column ("0" for the first). The name is the identifier's name or the header's cell; the
// language its locale ("de", "hu") where known.
struct Column {
    QString id;
    QString name;
    QString language;
    bool operator==(const Column &) const = default;
};

struct Options {
    // The learner's interface language ("de", "de_DE"): the prompt is taken from a column in
    // that language when the list has one, else from English, else from the first other one.
    QString interfaceLanguage;
    // Every entry is a noun (the learner ticked "These are nouns" for a list without word types).
    bool nouns = false;
    // The learner's choice of columns (Column::id); empty to let the reader decide.
    QString hungarianColumn;
    QString promptColumn;
};

struct Result {
    Lesson lesson;     // empty when the file could not be read
    QString error;     // empty when it could
    SetAside setAside;
    // The columns of the list; after "no Hungarian column" they are what the learner picks from.
    QList<Column> columns;
    QString hungarianColumn, promptColumn; // the ids the lesson was made from
    // A CSV list whose header did not say which column is Hungarian: the reader guessed from
    // the letters, and the learner should confirm.
    bool columnsGuessed = false;
    // The list says the word type of its entries (a KVTML list with word types); a list that
    // does not may be all nouns, as the learner says (Options::nouns).
    bool wordTypes = false;
    // A KVTML list none of whose languages is marked Hungarian: refused, but the learner may
    // pick one of its columns (Options::hungarianColumn) and read it again.
    bool hungarianMissing = false;
    bool ok() const { return error.isEmpty(); }
};

enum class Format { Kvtml, Csv };

// Whether a file's name is one of a word list Tarvo reads: .kvtml, .csv, .tsv or .txt.
bool isWordListName(const QString &path);

// A file by its name: .kvtml (or XML content) as KVTML, anything else as CSV. `name` in
// messages is the path as given. The file is refused unread when it is over maxFileBytes, a
// folder, or not a plain file.
Result read(const QString &path, const Options &options = {});
Result read(const QString &path, Format format, const Options &options = {});
// The bytes of a list. Pictures are looked for in `folder` and below it (none when empty); the
// lesson's title falls back to `name`, its id is wordListId(name).
Result parseKvtml(const QByteArray &bytes, const QString &name, const QString &folder, const Options &options = {});
Result parseCsv(const QByteArray &bytes, const QString &name, const Options &options = {});

// "az" before a word beginning with a vowel letter (a á e é i í o ó ö ő u ú ü ű, either case),
// else "a". A phrase takes the article of its first word.
QString articleFor(const QString &word);
// A noun as a list may give it, with its article in front ("az alma", "A ház"): the noun alone.
// Any other text (a word, "azt") as it is.
QString withoutArticle(const QString &noun);
// A text as an item holds it: canonical composition (NFC), line breaks and tabs as spaces, runs
// of blanks as one, trimmed; control and formatting characters removed (`removed` is set then).
QString cleanText(const QString &text, bool *removed = nullptr);
// The keys of a word's two items.
QString wordKey(const QString &hungarian);
QString articleKey(const QString &hungarian);
// The lesson id of a list's file: its base name as lowercase ASCII letters, digits and
// hyphens, and eight hex digits of a hash of its full path ("allatok-3fa2c1d0"). The same file
// gets the same id every time; two files of one name in different folders get different ones.
QString wordListId(const QString &path);

} // namespace WordList
