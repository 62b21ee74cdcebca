#pragma once
#include "ui/picture.h"

#include <QString>
#include <QStringList>

// The item bank and the answer check of exercise 2: yes/no questions about eight pictures,
// answered in complete sentences. Plain data and functions: the window and the review both use
// them.
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

// The four answers accepted for an item.
struct Answers {
    QString opening;  // "Igen, " or "Nem, "
    QString negation; // "nem " in a no answer
    QString longAnswer, shortAnswer, predicateAnswer, pronounAnswer;
    bool accepts(const QString &answer) const;
};
Answers answers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate);

// An answer trimmed of spaces with its first letter made a capital; warned when it had to be.
struct Capitalised {
    QString text;
    bool warned = false;
};
Capitalised capitalised(const QString &text);
// What the learner is told when the first letter was made a capital.
QString capitalWarning();

// An answer as the exercise checks it: runs of spaces shrunk to one, trimmed, its first letter
// a capital, then compared with the accepted answers.
struct Check {
    QString answer;
    bool right = false;
    bool capitalWarning = false;
};
Check check(const Answers &accepted, const QString &typed);

} // namespace QuestionBank
