#pragma once
// Windows in their main states, for suites that look at every window (colours, translations).
// Each builder drives a fresh program as a learner does and returns the window to look at. A
// window added later needs only a builder and its rows.
#include "fakedesktop.h"

#include <QList>
#include <functional>

class ExerciseForm;
class QLineEdit;
class QWidget;

// The title card passed: the menu on screen.
void toMenu();
// The menu, then the window of an exercise (1 to 5) through its button.
ExerciseForm &openExercise(int exercise);
// Types text into a box key by key and presses Enter.
void enter(QLineEdit *box, const QString &text);
// Exercise 2: ticks the first picture not yet answered and gives its answer box.
QLineEdit *chooseNextQuestion();
// Answers the item on screen rightly.
void answerRightly(int exercise);

enum class State { BeforeStart, RightAnswer, Completed, Revealed, Shown };
QWidget *exerciseIn(int exercise, State state, FakeDesktop &desktop);
// The Progress window with a run of exercise 3 in the record, one answer of it wrong.
QWidget *progressWithRecord();
QWidget *aboutFromMenu();

// The review with a picture of exercise 2 due: as it comes, after a right answer (in colour) or a
// wrong one (the right answer shown in the window), after one that misses only an accent (the
// letter marked), or asked again after a wrong answer; with two pictures due, ended after the
// first was missed (the summary so far); or with nothing due, its summary alone.
enum class ReviewState { Due, Right, Wrong, NearMiss, Repeat, EndedEarly, NothingDue };
QWidget *reviewIn(ReviewState state);

// The Lessons window: with two word lists imported (a KVTML list with word types, a Hungarian one
// with definitions), asking for the columns of a list without a header, or asking whether a
// list's words are nouns.
enum class LessonsState { TwoLists, ColumnsAsked, NounsAsked };
QWidget *lessonsIn(LessonsState state);
// A practice of the first of those two lists: its first new word, the right answer after a wrong
// one, and the summary of a practice ended after that answer.
enum class PracticeState { NewWord, Wrong, Ended };
QWidget *practiceIn(PracticeState state);
// What the lessons scenes show of the word lists themselves (titles, words, prompts): content,
// never translated.
QStringList lessonsContent();

using Builder = std::function<QWidget *(FakeDesktop &)>;

struct Scene {
    const char *name;
    Builder build;
};

// Every window in its main states.
QList<Scene> scenes();
