#pragma once
#include "core/answer.h"

#include <QString>
#include <QStringList>

// The item bank and the answer check of exercises 3 (the verb "to be") and 4 (antonyms):
// sentences with a gap, and which of them each run takes. A view on lesson 1's sections "3" and
// "4" (core/lessonfile.h): the window and the review both use it.
namespace SentenceBank {

constexpr int bankSize = 51;

// Item by item: the sentence's beginning, its ending and the word that fills the gap (empty
// where no verb is needed). Section "3"'s sentences come first, then section "4"'s (items 0 to
// 23 and 24 to 39 in lesson 1); the rest, up to bankSize, are unused and empty.
QStringList stems();
QStringList ends();
QStringList keys();

// The run codes, as module1().exerciseCode holds them for the window: 3 and 4 the plain
// exercises 3 and 4 (also the exercise the window is opened for, before a run), 1 and 2 their
// extended (Plus) runs, 0 none (the window is not loaded).
enum RunCode : int { NoRun = 0, PlusRun3 = 1, PlusRun4 = 2, Run3 = 3, Run4 = 4 };
int runCode(int exercise, bool plus);
int exerciseOfCode(int code);
bool plusOfCode(int code);
// The range of items a run code selects: the ordinary run a section's items before its Plus
// items, the Plus run all of them; false for any other code.
bool runRange(int code, int &lo, int &hi);

// The instruction line of exercise 3 or 4: as the window opened for it shows it, and as it
// shows it after a switch from the other exercise.
QString instruction(int exercise);
QString instructionAfterSwitch(int exercise);

// The sentence as the transcript adds it: the stem, the answer after a space unless it is
// empty, then the ending, after a space when it begins with a word and attached when it begins
// with punctuation; one space follows the sentence.
QString sentence(const QString &stem, const QString &answer, const QString &ending);
// The sentence completed with its right answer, and with a gap (…), without the space after.
QString completedSentence(const QString &stem, const QString &key, const QString &ending);
QString gappedSentence(const QString &stem, const QString &ending);

// An answer as the exercise checks it: trimmed of spaces and compared with the item's word.
TrimmedCheck check(const QString &typed, const QString &key);

} // namespace SentenceBank
