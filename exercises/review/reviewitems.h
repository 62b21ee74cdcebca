#pragma once
#include "core/nearmiss.h"
#include "core/reviewsession.h"
#include "core/runevents.h"
#include "ui/picture.h"

#include <QString>
#include <QStringList>
#include <optional>

// One item of an exercise as the review presents it again: what its own exercise shows of it and
// the answer that exercise expects. Made from the exercises' own item banks, never copied; an
// item of another lesson is made from that lesson as the exercise that asks its kind shows it.
struct ReviewItem {
    int exercise = 0;        // 1 to 5
    bool plus = false;       // an item of the Plus run of exercise 3 or 4
    QString item;            // the key the answer log records it under (AnswerEvent::item)
    QString instruction;     // the exercise's own instruction line (exercise 5 has none: empty)
    QString prompt;          // the noun (1), the question (2), the sentence with its gap (3, 4); empty for 5
    Picture picture;         // exercises 2 and 5: the picture as the exercise shows it unanswered
    Picture answeredPicture; // the same picture as a right answer shows it (in colour)
    QString expected;        // the right answer as the exercise completes it ("az autó", a full sentence, ...)
    QString answer;          // what the learner types for it: the article (1), a full sentence (2), the
                             // word in the gap (3, 4; empty where no verb is needed), the noun (5)
    qsizetype answerAt = 0;  // where that answer stands in `expected` (the gap's place when it is empty)
    QString spoken;          // the Hungarian phrase a right answer speaks
    bool hungarianKeys = true; // the answer box substitutes Hungarian letters (exercises 2 to 5)
    QStringList alsoRight;   // the other answers the check takes in full (a question's shorter answers)
    AnswerCheck check;       // the exercise's own check, bound to the item when it was found; none
                             // for an item that no exercise has
    QString lesson = lessonOneId(); // the lesson and section the record keeps it in (AnswerEvent)
    QString section;
};

struct ScheduledItem;

// A practice of a lesson other than lesson 1: its items not yet met, in the lesson's order, as many
// as the day still allows (`newPerDay` a day, less those met for the first time today), then its
// items due, lowest recall first.
struct Practice {
    QList<ReviewItem> items;
    int fresh = 0;    // the first items, not yet met
    int stillNew = 0; // items not yet met that are left for another day
};
struct LessonRecord;
Practice practiceOf(const QString &lesson, const LessonRecord &record, const QList<ScheduledItem> &due, int newPerDay);

// One answer checked with the item's own exercise's check and normalisation. Where the learner
// types a part of a phrase (the article, the word in a gap), the whole phrase or sentence is
// taken as well: it is right when it is the item's own with the right word in its place.
struct ReviewCheck {
    bool right = false;
    QString normalised;          // the answer as the exercise checked it
    bool capitalWarning = false; // exercise 2 made its first letter a capital, and warns as it does
};

// The item that the answer log records as (lesson, section, exercise, plus, item), if a known
// lesson (core/lessons.h) still has it where that exercise asks it; nothing for an item that is in
// no lesson any more, or in a lesson no longer known. It carries its check: nothing is looked up
// again to check an answer to it.
std::optional<ReviewItem> findReviewItem(const QString &lesson, const QString &section, int exercise, bool plus,
                                         const QString &item);
std::optional<ReviewItem> findReviewItem(const ScheduledItem &due);

ReviewCheck checkReviewAnswer(const ReviewItem &item, const QString &answer);

// The item as a session asks it: what the record keeps its answers under, named by its right
// answer, with its own check.
ReviewSession::Item sessionItem(const ReviewItem &item);

// A wrong answer (as its check took it) that differs from a right one in one way only: which
// right answer, as the review shows it, and where it differs. Compared with the whole right
// answer, the part the learner types, and the other answers the check takes, in that order.
struct ReviewNearMiss {
    NearMiss kind = NearMiss::None;
    QString shown;           // the right answer to show: the item's expected, or another it takes
    QList<qsizetype> marked; // where it differs, as indexes into shown
    bool expected = false;   // shown is the item's expected, in which the part to type is marked
};
ReviewNearMiss reviewNearMiss(const ReviewItem &item, const QString &answer);
