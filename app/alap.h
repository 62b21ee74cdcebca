#pragma once
#include "ui/form.h"

class QAction;
class QLabel;
class QPushButton;
class Panel3D;
class PictureButton;
class Program;

struct AlapUi {
    Panel3D *Panel3D1;
    PictureButton *Button1, *Button2, *Button3, *Button4, *Button5;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    QPushButton *Command1;
    QAction *mnuabout, *mnuHow, *mnuShowProgress, *mnuReview, *mnuLessons;
};

// The exercise menu.
class Alap : public FormWith<AlapUi> {
    Q_OBJECT
public:
    // The program whose menu it is: it opens the Progress and Review windows and ends the run.
    explicit Alap(Program &program);

    void openExercise(int exercise);
    void Command1_Click();
    void mnuAbout_Click();
    void mnuHow_Click();
    void mnuShowProgress_Click();
    void mnuReview_Click();
    void mnuLessons_Click();

protected:
    void build(AlapUi &ui, QWidget *client) override;
    void Form_Load() override;

private:
    Program &program_;
};
