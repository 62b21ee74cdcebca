#pragma once
#include "ui/form.h"

class QLabel;
class QPushButton;
class QTimer;
class Panel3D;
class PictureBox;

struct SobreUi {
    QPushButton *Command1;
    QTimer *Timer1, *Timer2;
    Panel3D *SSPanel1, *SSPanel2;
    PictureBox *Image1, *Image2, *Image3, *Image4, *Image5;
    QLabel *Label1, *Label4, *Label5, *Label6;
};

// The title card at start-up; afterwards the About window.
class Sobre : public FormWith<SobreUi> {
    Q_OBJECT
public:
    Sobre();

    // Opens the window in its About role, which never closes by itself.
    void openAsAbout();
    // The text of the information box.
    static QString informationText();

    void Timer1_Timer();
    void Timer2_Timer();
    void Image2_Click();
    void Command1_Click();

protected:
    void build(SobreUi &ui, QWidget *client) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    bool informationOpen_ = false; // the note-pad's message box is on screen
};
