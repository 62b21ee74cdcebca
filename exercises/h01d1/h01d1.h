#pragma once
#include "exercises/frame/exerciseform.h"
#include "exercises/h01d1/articlebank.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

struct H01d1Ui {
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command8;
    QPushButton *Command10, *Command5, *Command6, *Command7, *Command9;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Text1, *Text2;
};

// Exercise 1: the definite article, "a" or "az" before a noun.
class H01d1 : public FormWith<H01d1Ui, ExerciseForm> {
    Q_OBJECT
public:
    H01d1();

    static constexpr int slotCount = ArticleBank::slotCount;
    static constexpr int runLength = ArticleBank::drawnCount;

    QStringList words;    // the nouns; an empty slot has been answered in this run
    QStringList articles; // "a" or "az" for the noun in the same slot
    int current = 0;      // slot on screen: 0 after load, then 1 to 23
    int solved = 0;       // right answers in this run

    void Command1_Click();
    void Command2_Click();
    void Command8_Click();

protected:
    void build(H01d1Ui &ui, QWidget *client) override;
    void Form_Load() override;
    void mnuHow_Click() override;

private:
    void fillWords();
    void fillArticles();
    void drawItem();
    void wrongAnswer();
    void rightAnswer();
};
