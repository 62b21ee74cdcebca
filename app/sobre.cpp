#include "app/sobre.h"

#include "app/alap.h"
#include "core/desktop.h"
#include "core/module1.h"
#include "app/program.h"
#include "ui/controls.h"
#include "ui/panel3d.h"
#include "ui/picture.h"
#include "ui/windowservices.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

Sobre::Sobre()
    : FormWith({QStringLiteral("sobre"), tr("  About Tarvo!"), 5445, 3405, QColor(192, 192, 192),
                vbFont(QStringLiteral("MS Sans Serif"), 12, true)})
{
}

void Sobre::build(SobreUi &ui, QWidget *c)
{
    const QString times = QStringLiteral("Times New Roman");
    ui.SSPanel1 = makePanel3D(c, QStringLiteral("SSPanel1"), QString(), 120, 120, 5175, 3135);
    QWidget *p = ui.SSPanel1;
    ui.SSPanel2 = makePanel3D(p, QStringLiteral("SSPanel2"), QStringLiteral("T A R V O !"), 1200, 480, 2655, 495);
    ui.SSPanel2->setFont(vbFont(times, 18, true));
    ui.Image1 = makePicture(p, QStringLiteral("Image1"), 4560, 120, 495, 495);
    ui.Image1->setAccessibleName(tr("Logo"));
    ui.Label5 = makeLabel(p, QStringLiteral("Label5"),
                          //: %1 is the Hungarian for the same, which stays as it is
                          tr("(%1     Hungarian as a foreign language)")
                              .arg(QStringLiteral("Magyar mint idegen nyelv")),
                          1080, 960, 3135, 615);
    // Liberation Serif sets the second line a few pixels wider than the laid-out box; widen
    // the box evenly on both sides so the subtitle keeps its two centred lines.
    ui.Label5->setGeometry(ui.Label5->geometry().adjusted(-12, 0, 12, 0));
    ui.Label5->setFont(vbFont(times, 12));
    ui.Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui.Label1 = makeLabel(p, QStringLiteral("Label1"), tr("On the basis of the book: Kelvora!  "), 360, 1680, 3975,
                          255);
    ui.Label1->setFont(vbFont(times, 9, false, true));
    ui.Label4 = makeLabel(p, QStringLiteral("Label4"), tr("The Tarvo team\nBudapest, 2026"), 360, 2040, 1455,
                          615);
    ui.Label4->setFont(vbFont(times, 9));
    ui.Label6 = makeLabel(p, QStringLiteral("Label6"), tr("For more information click here:"), 1920, 2760,
                          2775, 255);
    ui.Label6->setFont(vbFont(times, 9.75, false, true));
    ui.Image2 = makePicture(p, QStringLiteral("Image2"), 4680, 2640, 360, 360);
    ui.Image2->setPicture({QStringLiteral(":/icons/notepad.svg")});
    ui.Image2->setAccessibleName(tr("More information"));
    ui.Image2->setCursor(Qt::PointingHandCursor);

    // The frame store of the logo animation; never shown itself.
    ui.Image3 = makePicture(c, QStringLiteral("Image3"), 240, 3000, 615, 495);
    ui.Image4 = makePicture(c, QStringLiteral("Image4"), 960, 3000, 615, 495);
    ui.Image5 = makePicture(c, QStringLiteral("Image5"), 1680, 3000, 615, 495);
    PictureBox *frames[] = {ui.Image3, ui.Image4, ui.Image5};
    for (int i = 0; i < 3; ++i) {
        frames[i]->setPicture({QStringLiteral(":/icons/logo%1.svg").arg(i + 1)});
        frames[i]->hide();
    }
    ui.Image1->setPicture(ui.Image5->picture());

    ui.Command1 = makeButton(c, QStringLiteral("Command1"), tr("&OK"), 360, 2760, 855, 375);
    ui.Command1->setFont(vbFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    ui.Command1->hide();
    ui.Command1->raise();

    ui.Timer1 = makeTimer(c, QStringLiteral("Timer1"), 800);
    ui.Timer2 = makeTimer(c, QStringLiteral("Timer2"), 700);
    ui.Timer1->start();
    ui.Timer2->start();

    connect(ui.Timer1, &QTimer::timeout, this, &Sobre::Timer1_Timer);
    connect(ui.Timer2, &QTimer::timeout, this, &Sobre::Timer2_Timer);
    onControl(ui.Image2, &PictureBox::clicked, this, &Sobre::Image2_Click);
    onControl(ui.Command1, &QPushButton::clicked, this, &Sobre::Command1_Click);
    setDefaultButton(ui.Command1);
}

void Sobre::Form_Load()
{
    SobreUi &u = ui();
    centerForm(window());
    desktop().setTopmost(window(), true);
    u.Image1->setPicture(u.Image3->picture());
    window()->show();
    if (!module1().aboutShown) {
        window()->setCursor(Qt::WaitCursor);
        u.Command1->hide();
    } else {
        window()->setCursor(Qt::ArrowCursor);
        u.Command1->show();
        u.Timer1->stop();
    }
}

void Sobre::openAsAbout()
{
    show();
    SobreUi &u = ui();
    u.Timer1->stop();
    window()->setCursor(Qt::ArrowCursor);
    u.Command1->show();
}

void Sobre::Timer1_Timer()
{
    // The title card's information box may be open: its tick then comes inside the box, under
    // the click that opened it, and unloading now would destroy the window (and the box with
    // it) under that click. The card waits; the timer ticks again once the box is closed.
    if (informationOpen_)
        return;
    alap().show();
    unload();
}

void Sobre::Timer2_Timer()
{
    SobreUi &u = ui();
    const Picture shown = u.Image1->picture();
    if (shown == u.Image3->picture())
        u.Image1->setPicture(u.Image4->picture());
    else if (shown == u.Image4->picture())
        u.Image1->setPicture(u.Image5->picture());
    else
        u.Image1->setPicture(u.Image3->picture());
}

QString Sobre::informationText()
{
    const QString &nl = module1().newLine;
    const QString p1 = tr(
        "     This program is the first (trial) version of one component of a complex multimedia software package that "
        "the Tarvo team is developing on the basis of \"Kelvora!\", a textbook of Hungarian for foreigners.");
    const QString p2 = tr(
        "     It covers part D of lesson 1 of the book: the definite article, questions and answers, the verb \"to be\", "
        "antonyms and the first words, with the Hungarian letters typed on an English keyboard.");
    const QString p3 = tr("     If you have any remark or suggestion, or you just want to let us know you are "
                          "using the program, please contact me:  ");
    const QString p4 = QString(49, QLatin1Char(' ')) + QStringLiteral("tarvo@example.org");
    return p1 + nl + nl + p2 + nl + nl + p3 + nl + p4;
}

void Sobre::Image2_Click()
{
    informationOpen_ = true;
    messageBox(tr("About Tarvo!"), informationText(), MsgIcon::Information);
    informationOpen_ = false;
}

void Sobre::Command1_Click()
{
    unload();
}

void Sobre::Form_Unload()
{
    module1().aboutShown = true;
}
