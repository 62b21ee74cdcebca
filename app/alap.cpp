#include "app/alap.h"

#include "core/desktop.h"
#include "app/hatter.h"
#include "core/module1.h"
#include "app/program.h"
#include "app/sobre.h"
#include "exercises/frame/exerciseform.h"
#include "ui/controls.h"
#include "ui/panel3d.h"
#include "ui/picturebutton.h"
#include "ui/windowservices.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

Alap::Alap(Program &program)
    : FormWith({QStringLiteral("alap"), QStringLiteral("  T A R V O ! -  1. Lecke"), 5985, 6915, QColor(192, 192, 192),
                vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)}),
      program_(program)
{
}

void Alap::build(AlapUi &ui, QWidget *c)
{
    ui.Panel3D1 = makePanel3D(c, QStringLiteral("Panel3D1"), tr("Choose an exercise and click on the icon"),
                              240, 120, 5415, 750);
    ui.Panel3D1->setFont(vbFont(QStringLiteral("Times New Roman"), 14.25, true));

    const Picture book{QStringLiteral(":/icons/book.svg")};
    const Picture hand{QStringLiteral(":/icons/hand.svg")};
    PictureButton **buttons[] = {&ui.Button1, &ui.Button2, &ui.Button3, &ui.Button4, &ui.Button5};
    const int tops[] = {1200, 2040, 2880, 3720, 4560};
    for (int i = 0; i < 5; ++i) {
        *buttons[i] = makePictureButton(c, QStringLiteral("Button%1").arg(i + 1), QStringLiteral("&%1").arg(i + 1), book,
                                        hand, 360, tops[i], 1095, 630);
        (*buttons[i])->setAccessibleName(tr("Exercise %1").arg(i + 1));
        onControl(*buttons[i], &QPushButton::clicked, [this, i] { openExercise(i + 1); });
    }
    ui.Button1->setFont(vbFont(QStringLiteral("Times New Roman"), 14.25, true));

    // The English of each line is translated; the Hungarian forms some of them show are not.
    struct LabelRow {
        QLabel **label;
        const char *name;
        const char *text;
        int left, top, width, height;
        bool title;
        const char *hungarian = nullptr; // fills the text's %1
    };
    const LabelRow rows[] = {
        {&ui.Label1, "Label1", QT_TR_NOOP("Put in the right definite articles."), 1560, 1200, 4095, 375, true},
        {&ui.Label6, "Label6", QT_TR_NOOP("(The forms of the definite article: %1)"), 1560, 1560, 4215, 375, false,
         "a / az"},
        {&ui.Label2, "Label2", QT_TR_NOOP("Answer the questions. "), 1680, 2040, 3615, 375, true},
        {&ui.Label7, "Label7",
         QT_TR_NOOP("(Affirmative and negative sentences: short or long answers in complete sentences.)"), 1680,
         2400, 4215, 495, false},
        {&ui.Label3, "Label3", QT_TR_NOOP("Put in the missing verbs."), 1680, 2880, 4095, 375, true},
        {&ui.Label8, "Label8", QT_TR_NOOP("(singular 1-3 persons: %1)"), 1680, 3240, 4215, 375, false,
         "vagyok / vagy / - "},
        {&ui.Label4, "Label4", QT_TR_NOOP("Put in the right adjectives."), 1680, 3720, 3855, 375, true},
        {&ui.Label9, "Label9", QT_TR_NOOP("(The most important adjectives: antonyms.)"), 1680, 4080, 4215, 375, false},
        {&ui.Label5, "Label5", QT_TR_NOOP("Bonus exercise (nouns and pictures)."), 1680, 4560, 4215, 375, true},
        {&ui.Label10, "Label10", QT_TR_NOOP("(Type in the nouns corresponding to the pictures.)"), 1680, 4920, 4215, 375,
         false},
    };
    for (const LabelRow &row : rows) {
        QString text = tr(row.text);
        if (row.hungarian)
            text = text.arg(QString::fromUtf8(row.hungarian));
        *row.label = makeLabel(c, QLatin1String(row.name), text, row.left, row.top, row.width, row.height);
        (*row.label)->setFont(row.title ? vbFont(QStringLiteral("Times New Roman"), 12, true)
                                        : vbFont(QStringLiteral("Times New Roman"), 9.75, false, true));
    }

    ui.Command1 = makeButton(c, QStringLiteral("Command1"), tr("&End"), 2520, 5640, 1215, 495);
    ui.Command1->setFont(vbFont(QStringLiteral("MS Sans Serif"), 12, true));
    onControl(ui.Command1, &QPushButton::clicked, this, &Alap::Command1_Click);

    QMenu *progressMenu = window()->menuBar()->addMenu(tr("&Progress"));
    progressMenu->setObjectName(QStringLiteral("mnuProgress"));
    ui.mnuShowProgress = progressMenu->addAction(tr("&Show my progress..."));
    ui.mnuShowProgress->setObjectName(QStringLiteral("mnuShowProgress"));
    onControl(ui.mnuShowProgress, &QAction::triggered, this, &Alap::mnuShowProgress_Click);
    ui.mnuReview = progressMenu->addAction(tr("&Review..."));
    ui.mnuReview->setObjectName(QStringLiteral("mnuReview"));
    onControl(ui.mnuReview, &QAction::triggered, this, &Alap::mnuReview_Click);
    // The number due is read when the menu opens: the menu window is on screen by then, so the
    // store is never opened during start-up.
    connect(progressMenu, &QMenu::aboutToShow, ui.mnuReview,
            [this, item = ui.mnuReview] { item->setText(program_.reviewMenuCaption()); });
    ui.mnuLessons = progressMenu->addAction(tr("&Lessons..."));
    ui.mnuLessons->setObjectName(QStringLiteral("mnuLessons"));
    onControl(ui.mnuLessons, &QAction::triggered, this, &Alap::mnuLessons_Click);

    QMenu *help = window()->menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    ui.mnuabout = help->addAction(tr("&About..."));
    ui.mnuabout->setObjectName(QStringLiteral("mnuabout"));
    ui.mnuHow = help->addAction(tr("&How to ..."));
    ui.mnuHow->setObjectName(QStringLiteral("mnuHow"));
    onControl(ui.mnuabout, &QAction::triggered, this, &Alap::mnuAbout_Click);
    onControl(ui.mnuHow, &QAction::triggered, this, &Alap::mnuHow_Click);
}

void Alap::Form_Load()
{
    hatter().show();
    centerForm(window());
    setWrongMessage();
    desktop().setTopmost(window(), true);
    program_.menuLoaded();
}

void Alap::openExercise(int exercise)
{
    showExercise(exercise);
    unload();
}

void Alap::Command1_Click()
{
    program_.end();
}

void Alap::mnuAbout_Click()
{
    sobre().openAsAbout();
}

void Alap::mnuShowProgress_Click()
{
    program_.openProgress();
}

void Alap::mnuReview_Click()
{
    program_.openReview();
}

void Alap::mnuLessons_Click()
{
    program_.openLessons();
}

void Alap::mnuHow_Click()
{
    messageBox(
        tr("How to ..."),
        tr("Select the exercise you want to work with by clicking on its number. (Exercises 1 to 4 correspond "
           "to those in the part D of  \"Kelvora!\", meanwhile the last exercise is a bonus on vocabulary. "),
        MsgIcon::Information);
}
