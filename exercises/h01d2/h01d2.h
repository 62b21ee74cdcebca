#pragma once
#include "exercises/frame/exerciseform.h"
#include "exercises/h01d2/questionbank.h"

#include <QStringList>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

struct H01d2Ui {
    static constexpr int items = QuestionBank::itemCount;

    QPushButton *Command1, *Command2, *Command3, *Command4, *Command9, *Command11;
    QPushButton *Command10, *Command5, *Command6, *Command7, *Command8;
    QLabel *Label2, *Label4, *Label5;
    std::array<QFrame *, items> Picture1;    // the light cyan frame of each picture
    std::array<PictureBox *, items> Image1;  // the picture shown in each frame
    std::array<QCheckBox *, items> Check1;   // picks the item
    std::array<QLabel *, items> Label1;      // the item's question
    std::array<QLineEdit *, items> Text1;    // the item's answer
    std::array<PictureBox *, 2 * items> Image2; // hidden store: drawings 0..7, then the same in colour
};

// Exercise 2: yes/no questions about eight pictures, answered in complete sentences.
class H01d2 : public FormWith<H01d2Ui, ExerciseForm> {
    Q_OBJECT
public:
    H01d2();

    static constexpr int itemCount = H01d2Ui::items;

    // The window's own state; it outlives the controls when the window is closed.
    int current = 0; // the item whose check box was clicked last
    int solved = 0;  // items accepted since the last Start
    QStringList questions = QStringList(itemCount); // kerdlista
    QStringList subjects = QStringList(itemCount);  // allista
    QStringList pronouns = QStringList(itemCount);  // alblista
    QStringList predicates = QStringList(itemCount); // alllista
    // The accepted answers of the current item, as kontrol last built them.
    QString opening, negation;
    QString longAnswer, shortAnswer, predicateAnswer, pronounAnswer;

    void Command1_Click();
    void Check1_Click(int index);
    void Command2_Click();
    void Command4_Click();

protected:
    void build(H01d2Ui &ui, QWidget *client) override;
    void Form_Load() override;
    void mnuHow_Click() override;

private:
    void kerdlista();
    void allista();
    void alblista();
    void alllista();
    // Builds the accepted answers of the current item into the members above, and returns them.
    QuestionBank::Answers kontrol();
    void sp();
    bool upper();
    void Hiba();
    void Oke();
    // Char, once the frame has shown or hidden the key hint: back to the open answer box.
    void backToAnswer();
};
