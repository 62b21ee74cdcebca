#pragma once
#include "core/desktop.h"
#include "core/runevents.h"
#include "ui/form.h"

#include <QSet>
#include <array>
#include <optional>
#include <utility>

class QAction;
class QLabel;
class QPushButton;

// The controls through which an exercise window carries the frame that all four share. Each
// window creates them with its own names, captions and places and hands them over here; the
// roles of Start, Next and Solution are named for whoever drives any exercise window alike.
struct FrameControls {
    QPushButton *start = nullptr;
    QPushButton *next = nullptr;
    QPushButton *solution = nullptr;
    QPushButton *close = nullptr;
    QPushButton *charButton = nullptr; // shows and hides the key hint
    QLabel *hint = nullptr;
    std::array<QPushButton *, 6> goTo{}; // the "Go to exercise" row, by exercise number 1 to 5
    QAction *onTop = nullptr;
    // The speech items of the Options menu, which the frame adds after On Top.
    QAction *speak = nullptr;    // "Speak Hungarian", on or off
    QAction *sayAgain = nullptr; // the last phrase once more
    QAction *slowly = nullptr;   // slower speech
};

// The "Go to exercise:" label and the five number buttons along the top right of a window.
struct GoToRow {
    QLabel *label;
    std::array<QPushButton *, 6> buttons; // by exercise number 1 to 5
};
// Creates the row with the names the window gives its buttons, for exercises 1 to 5 in order.
GoToRow makeGoToRow(QWidget *client, const std::array<const char *, 5> &names, int labelLeft, int labelWidth,
                    const QColor &labelBackground = QColor());

class ExerciseForm;

// What the exercise windows ask of the program that owns them: the menu, the About window and
// each other. The program installs its host for its run (nullptr clears it).
class ExerciseHost {
public:
    virtual ~ExerciseHost() = default;
    virtual void showMenu() = 0;
    virtual void openAbout() = 0;
    // The learner's Progress window.
    virtual void openProgress() = 0;
    // The review of the items due, and the caption of its menu item with how many are due now.
    virtual void openReview() = 0;
    virtual QString reviewMenuCaption() = 0;
    // The Lessons window: lesson 1 and the word lists the learner imported.
    virtual void openLessons() = 0;
    // The window of an exercise, 1 to 5 (3 and 4 share one).
    virtual ExerciseForm &exerciseWindow(int exercise) = 0;
};
void setExerciseHost(ExerciseHost *host);

// Shows the window of an exercise (1 to 5); nothing for any other number.
void showExercise(int exercise);

// Names and captions of the two menus of an exercise window.
struct FrameMenus {
    const char *options;
    const char *onTop;
    // The On Top item's caption, marked QT_TRANSLATE_NOOP("ExerciseForm", ...): the frame
    // translates it.
    const char *onTopCaption;
    const char *help;
    const char *howTo;
    const char *about;
};

// What every exercise window shares: centring, the On Top item, the title, Close, the hand-over
// to another window, the unload rule, the Help menu, the key hint and the message conventions.
class ExerciseForm : public Form {
    Q_OBJECT
public:
    // exercise: the number of this window's own exercise, whose go-to button starts disabled
    // (0 for none).
    ExerciseForm(FormLook look, int exercise);

    // The window's title: its caption and the title of every box it shows.
    QString title;

    FrameControls &frame()
    {
        load();
        return frame_;
    }

    void mnuOnTop_Click();
    // Close: back to the menu.
    void closeToMenu();
    // The "Go to exercise" buttons: show the target, then unload this window.
    virtual void goTo(int exercise);
    // Shows this window for one of its exercises (a window with two exercises prepares the one
    // asked for first).
    virtual void showFor(int exercise);

    // The exercise (1 to 5) the window runs now.
    virtual int currentExercise() { return exercise_; }
    bool runOpen() const { return runOpen_; }

signals:
    // What the window's runs do, for whoever keeps a record or speaks; none of it changes the
    // exercise. A run of `items` items has begun (Start or Restart).
    void runStarted(int exercise, bool plus, int items);
    void answerChecked(const AnswerEvent &event);
    // The run has ended: completed, or left (by a switch, Solutions (All) or closing the window).
    void runEnded(bool completed);
    // A Hungarian phrase the window has just completed or shown.
    void hungarianShown(const QString &text);

protected:
    // The record of a run, called by each window at the points its own logic reaches them.
    void beginRun(int exercise, bool plus, int items);
    // item: the item's own text; expected: its right answer; spoken: the Hungarian phrase a
    // right answer completes. The same answer to the same item checked again right after itself
    // (Enter or OK pressed once more on it) is nothing new: it is recorded once.
    void noteAnswer(const QString &item, const QString &expected, const QString &answer, bool right,
                    const QString &spoken = QString());
    // An answer that belongs to no item (exercise 5: a word that names no picture): a wrong first
    // try, counted with the exercise's answers, in no item's record.
    void noteAnswerWithoutItem(const QString &answer);
    // The window has shown an item's answer (Solution, a revealed picture): an answer to it after
    // that is no first try.
    void noteShown(const QString &item);
    void endRun(bool completed);
    void sayHungarian(const QString &text);

    // Called by each window while it builds its controls.
    void bindFrame(const FrameControls &controls, const FrameMenus &menus);
    void setTitle(const QString &text);
    // The opening of every exercise window's load: centred on the screen, above all others,
    // with its On Top item checked.
    void openCentredOnTop();
    // A box titled with the window's title. False if the window was unloaded while the box was
    // open (see Form::messageBox): the handler that showed it then stops.
    bool message(const QString &text, MsgIcon icon);
    // The wrong-answer box.
    bool wrongMessageBox();
    void toggleHint();
    // The speech items as the speech service stands now.
    void showSpeech();
    // Focus to a box, if it can take it.
    static void focusIfOpen(QWidget *box);

    virtual void mnuHow_Click() = 0;
    virtual void mnuAbout_Click();
    void Form_Unload() override;

private:
    int exercise_;
    FrameControls frame_;
    bool runOpen_ = false;
    int runExercise_ = 0;
    bool runPlus_ = false;
    QSet<QString> tried_; // items answered at least once in this run, or whose answer was shown
    // The last answer recorded, by item and answer, while nothing else was checked after it.
    std::optional<std::pair<QString, QString>> lastNoted_;
    void emitAnswer(const AnswerEvent &event);
};
