#pragma once
#include "exercises/frame/exerciseform.h"

struct Lex1Ui {
    QPushButton *Command1;
};

class Lex1 : public FormWith<Lex1Ui, ExerciseForm> {
    Q_OBJECT
public:
    Lex1();

protected:
    void build(Lex1Ui &ui, QWidget *client) override;
    void mnuHow_Click() override {}
};
