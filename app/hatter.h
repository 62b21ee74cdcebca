#pragma once
#include "ui/form.h"

// The background window behind the menu and the exercises: a caption and a colour.
class Hatter : public Form {
    Q_OBJECT
public:
    Hatter();

protected:
    void createControls(QWidget *) override {}
    void destroyControls() override {}
    void Form_Load() override;
};
