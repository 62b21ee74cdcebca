#pragma once
#include "exercises/frame/exerciseform.h"

struct H01d2Ui {
    QPushButton *Command1;
};

class H01d2 : public FormWith<H01d2Ui, ExerciseForm> {
    Q_OBJECT
public:
    H01d2();

protected:
    void build(H01d2Ui &ui, QWidget *client) override;
    void mnuHow_Click() override {}
};
