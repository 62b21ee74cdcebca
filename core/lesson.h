#pragma once
#include "core/answer.h"

#include <QList>
#include <QString>
#include <variant>

// A lesson as data: what Tarvo asks, without any window. A lesson has an id, a title and its
// sections (sub-lessons); a section holds items in their order. Every item has a key of its own,
// written in the lesson file and never made from the text shown, so that an item keeps its
// record when its text is corrected.
//
// Keys are unique within their section, and section ids within their lesson: a section id and
// a key name one item of a lesson. In lesson 1 the sections are the five exercises ("1" to "5")
// and the keys are the texts the answer log has always recorded for them (the noun, the
// question, the sentence with its gap), so an (exercise, item) pair of the log names the same
// item as (section, key).
//
// The file format is described in docs/lesson-format.md; core/lessonfile.h reads and writes it.

// What an item asks. Each kind has one check (checkAnswer below).
enum class ItemKind {
    Article,  // "a" or "az" before a noun (exercise 1)
    Question, // a yes/no question about a picture, answered in a full sentence (exercise 2)
    Gap,      // a sentence with a gap for one word, or for none (exercises 3 and 4)
    Picture,  // a picture to name with its noun (exercise 5)
    Word,     // a prompt (a word in the learner's language, a Hungarian definition, or a picture)
              // answered with the Hungarian word: what a word list gives
};

// The definite article before a noun: "az autó".
struct ArticleItem {
    QString noun;
    QString article; // "a" or "az"
    bool operator==(const ArticleItem &) const = default;
};

// "Ez autó?" about a picture: answered "Igen, ez autó." and three shorter ways (QuestionAnswers).
struct QuestionItem {
    QString question;
    QString subject;   // what a long answer repeats: "ez", "Anna"
    QString pronoun;   // what may stand for the subject: "ez", "ő"
    QString predicate; // "autó"
    bool yes = false;  // answered with yes
    QString picture;   // by name (pictureResource)
    bool operator==(const QuestionItem &) const = default;
};

// "Én újságíró … ." with the word for the gap ("vagyok"; empty where no word is needed).
struct GapItem {
    QString stem;      // before the gap
    QString answer;    // the word in the gap
    QString ending;    // after the gap: punctuation sticks to the word, a word stands apart
    bool plus = false; // only in the section's longer (Plus) run; Plus items follow the others
    bool operator==(const GapItem &) const = default;
};

// A picture to name: the noun is the answer.
struct PictureItem {
    QString picture; // by name
    QString answer;  // the noun
    bool operator==(const PictureItem &) const = default;
};

// A word of a word list: the prompt and the Hungarian word to type. At least one of the prompt
// text and the picture is given.
struct WordItem {
    QString prompt;   // the word in the learner's language, or a Hungarian definition
    QString language; // the prompt's language ("en", "de"; "hu" for a Hungarian definition); may be empty
    QString picture;  // by name; may be empty
    QString answer;   // the Hungarian word
    bool operator==(const WordItem &) const = default;
};

struct LessonItem {
    QString key;
    std::variant<ArticleItem, QuestionItem, GapItem, PictureItem, WordItem> content;

    ItemKind kind() const { return ItemKind(content.index()); }
    template <class T>
    const T *as() const
    {
        return std::get_if<T>(&content);
    }
    // The item's picture by name; empty when it has none.
    QString picture() const;
    // The right answer as the learner types it: the article, the long answer to a question, the
    // word in a gap (may be empty), the noun or word.
    QString answer() const;
    bool operator==(const LessonItem &) const = default;
};

struct LessonSection {
    QString id;    // unique in its lesson
    QString title; // may be empty
    QList<LessonItem> items;

    // The item of a key; null when the section has none.
    const LessonItem *item(const QString &key) const;
    int indexOf(const QString &key) const;
    bool operator==(const LessonSection &) const = default;
};

struct Lesson {
    QString id;
    QString title;
    QList<LessonSection> sections;

    bool isEmpty() const { return sections.isEmpty(); }
    int itemCount() const;
    // The section of an id, and an item by its section and key; null when there is none.
    const LessonSection *section(const QString &id) const;
    const LessonItem *item(const QString &section, const QString &key) const;
    bool operator==(const Lesson &) const = default;
};

// Whether a picture name is a picture file of the lesson's own rather than a drawing compiled
// into Tarvo: a file's name has a dot (before its suffix), a drawing's never has. A lesson read
// from a file holds each of its picture files by its full path.
bool isPictureFile(const QString &name);
// What a picture name stands for: a compiled-in drawing's resource ("ex2/item0" is
// ":/ex2/item0.svg"), or a picture file's path as it is.
QString pictureResource(const QString &name);

// The four answers a question accepts, made from its subject, pronoun and predicate.
struct QuestionAnswers {
    QString opening;  // "Igen, " or "Nem, "
    QString negation; // "nem " in a no answer
    QString longAnswer, shortAnswer, predicateAnswer, pronounAnswer;
    bool accepts(const QString &answer) const;
};
QuestionAnswers questionAnswers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate);
QuestionAnswers questionAnswers(const QuestionItem &item);

// A text trimmed of spaces with its first letter made a capital; warned when it had to be.
struct Capitalised {
    QString text;
    bool warned = false;
};
Capitalised capitalised(const QString &text);

// One answer checked as the item's own exercise checks it.
struct ItemCheck {
    QString answer; // the answer as it was compared
    bool right = false;
    bool capitalWarning = false; // a question's answer had its first letter made a capital
};
// A question: runs of spaces shrunk to one, trimmed, the first letter a capital, then compared
// with the four accepted answers.
ItemCheck checkQuestion(const QuestionAnswers &accepted, const QString &typed);
// Any item: a question as above; every other kind trimmed of spaces and compared with its one
// right answer (answer()).
ItemCheck checkAnswer(const LessonItem &item, const QString &typed);
