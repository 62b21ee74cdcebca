#pragma once
#include "core/lesson.h"
#include "ui/picture.h"

#include <QString>
#include <QStringList>

// The item bank and the answer check of exercise 2: yes/no questions about eight pictures,
// answered in complete sentences. A view on lesson 1's section "2" (core/lessonfile.h): the
// window and the review both use it.
namespace QuestionBank {

constexpr int itemCount = 8;

// The exercise's instruction line.
QString instruction();
// Item by item: the question, the subject a long answer repeats, the pronoun that may stand for
// it, and the predicate.
QStringList questions();
QStringList subjects();
QStringList pronouns();
QStringList predicates();
// Whether an item is answered with yes.
bool isYes(int item);
// The drawing of an item: its ink alone while unanswered, in colour once answered.
Picture inkPicture(int item);
Picture colourPicture(int item);

// The four answers accepted for an item (the lesson model's, see core/lesson.h).
using Answers = QuestionAnswers;
Answers answers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate);

// An answer trimmed of spaces with its first letter made a capital; warned when it had to be.
using Capitalised = ::Capitalised;
Capitalised capitalised(const QString &text);
// What the learner is told when the first letter was made a capital.
QString capitalWarning();

// An answer as the exercise checks it: runs of spaces shrunk to one, trimmed, its first letter
// a capital, then compared with the accepted answers.
using Check = ItemCheck;
Check check(const Answers &accepted, const QString &typed);

} // namespace QuestionBank
