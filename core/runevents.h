#pragma once
#include <QString>

// The id of lesson 1, the lesson the five exercise windows ask.
inline QString lessonOneId()
{
    return QStringLiteral("1");
}

// The section an item of a lesson is recorded under. Lesson 1's keys are unique only within its
// sections, which are its exercises: there an item named without its section is in the section of
// the exercise that asks it. Other lessons record the section they give; a word list gives none,
// since its keys are unique across its lesson (an item that moves to another section of the list
// keeps its record).
inline QString recordedSection(const QString &lesson, const QString &section, int exercise)
{
    return section.isEmpty() && lesson == lessonOneId() ? QString::number(exercise) : section;
}

// One answer as an exercise window checked it: what the progress record keeps of it.
struct AnswerEvent {
    int exercise = 0;   // 1 to 5: the exercise form that asks the item (a word list's article
                        // item is asked as exercise 1 asks it, its word item as exercise 5)
    bool plus = false;  // a Plus run of exercise 3 or 4
    QString item;       // the item's key in its lesson; in lesson 1 its own text, as the window
                        // shows it ("Ez autó?", "autó", ...)
    QString expected;   // the item's right answer, as the window would complete it
    QString answer;     // the learner's answer as it was checked
    bool right = false;
    bool firstTry = false; // no earlier answer to this item in this run
    // The lesson the item belongs to, and its section there (see recordedSection): the exercise
    // windows' answers are lesson 1's.
    QString lesson = lessonOneId();
    QString section;
};
