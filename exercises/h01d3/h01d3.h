#pragma once
#include "exercises/frame/exerciseform.h"
#include "exercises/h01d3/sentencebank.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

struct H01d3Ui {
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command8, *Command9;
    QPushButton *Command10, *Command5, *Command6, *Command7, *Command11;
    QPushButton *Plus;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLineEdit *Text1, *Text2, *Text3;
};

// Exercises 3 (the verb "to be") and 4 (antonym adjectives): sentences with a gap, drawn from one
// item bank, with a longer "Plus" run of each.
class H01d3 : public FormWith<H01d3Ui, ExerciseForm> {
    Q_OBJECT
public:
    H01d3();

    static constexpr int bankSize = SentenceBank::bankSize;

    // The item bank: an item is answered in this run when its stem has been emptied.
    QStringList stems;
    QStringList ends;
    QStringList keys;

    // These outlive the window's controls: loading does not reset them.
    int current = 0;  // item on screen
    int answered = 0; // items presented in this run, the one on screen included
    int plusMode = 0; // 1: the next runs take the extended range

    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Command6_Click();
    void Command7_Click();
    void Plus_Click();

    // Buttons 3 and 4 of the "Go to exercise" row switch exercises inside this window.
    void goTo(int exercise) override;
    // Shown for exercise 3 or 4: the shared exercise code is set first, since the window reads
    // it while it loads, and the exercise's own go-to button is disabled after.
    void showFor(int exercise) override;
    int currentExercise() override;

protected:
    void build(H01d3Ui &ui, QWidget *client) override;
    void Form_Load() override;
    void Form_Unload() override;
    void mnuHow_Click() override;

private:
    void fillStems();
    void fillEnds();
    void kulcslista();
    void restoreStems(int lo, int hi);
    void showItem();
    void firstItem(int lo, int hi);
    void nextItem(int lo, int hi);
    void rightAnswer(const QString &answer);
    void wrongAnswer();
    void Change();
    void Enabl();
    void switchTo(int exercise);
    // The current item as a sentence: completed with its right answer, or with a gap (…).
    QString completedSentence() const;
    QString gappedSentence() const;
};
