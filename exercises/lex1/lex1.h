#pragma once
#include "exercises/frame/exerciseform.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

struct Lex1Ui {
    static constexpr int cellCount = 24;  // the grid: six to a row, the last four hold no noun
    static constexpr int storeCount = 40; // grey drawings 0..19, the same in colour at 20..39

    QWidget *Picture1;
    std::array<PictureBox *, cellCount> Image1;
    std::array<QCheckBox *, cellCount> Check1;
    std::array<QLineEdit *, cellCount> Text2;
    std::array<PictureBox *, storeCount> Image2;
    QLineEdit *Text1;
    QLabel *Label1, *Label5;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command11;
};

// Exercise 5: twenty pictures to be named with the Hungarian noun, in any order.
class Lex1 : public FormWith<Lex1Ui, ExerciseForm> {
    Q_OBJECT
public:
    Lex1();

    static constexpr int nounCount = 20;
    static constexpr int colourOffset = 20; // store index of a drawing's colour version

    int solved = 0; // pictures named since the last Start
    int cell = 0;   // the cell the handlers walk through

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Check1_Click(int index);
    void Text1_Change();

protected:
    void build(Lex1Ui &ui, QWidget *client) override;
    void Form_Load() override;
    void mnuHow_Click() override;
};
