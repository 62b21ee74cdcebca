#pragma once
#include "exercises/frame/exerciseform.h"

struct H01d3Ui {
    QPushButton *Command6, *Command7;
};

class H01d3 : public FormWith<H01d3Ui, ExerciseForm> {
    Q_OBJECT
public:
    H01d3();

protected:
    void build(H01d3Ui &ui, QWidget *client) override;
    void mnuHow_Click() override {}
};
