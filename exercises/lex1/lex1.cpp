#include "exercises/lex1/lex1.h"

#include "exercises/lex1/nounbank.h"

#include "core/module1.h"
#include "core/desktop.h"
#include "core/hungariankey.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/keyinput.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The titles of the completion box and of the box after Solutions (All).
QString completedTitle()
{
    return Lex1::tr("Words --- Exercise");
}
QString solutionsTitle()
{
    //: The title of the box shown after the "Solutions (All)" button.
    return Lex1::tr("Solutions (All)");
}
constexpr int columns = 6;
constexpr int cellWidth = 1455, cellHeight = 1095;
constexpr int columnStep = 1560, rowStep = 1440;
constexpr int answerTop = 1080, answerHeight = 285;
} // namespace

Lex1::Lex1()
    : FormWith({QStringLiteral("lex1"), QStringLiteral("  T A R V O ! -  1. Lecke:  5.  "), 9510, 7110,
                QColor(192, 192, 192), vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)},
               5)
{
}

void Lex1::build(Lex1Ui &ui, QWidget *c)
{
    const QFont buttonFont = vbFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont serifFont = vbFont(QStringLiteral("MS Serif"), 12, true);

    // The grid panel takes the desktop's window background, as a picture box does.
    ui.Picture1 = new QWidget(c);
    ui.Picture1->setObjectName(QStringLiteral("Picture1"));
    // 30 twips taller than laid out, so that the last row's answer boxes are not cut off.
    ui.Picture1->setGeometry(twRect(120, 120, 9255, 5685));
    setBackground(ui.Picture1, QApplication::palette().color(QPalette::Base));

    for (int i = 0; i < Lex1Ui::cellCount; ++i) {
        const int left = columnStep * (i % columns);
        const int top = rowStep * (i / columns);
        const QString number = QString::number(i + 1);

        ui.Image1[i] = makePicture(ui.Picture1, indexed("Image1", i), left, top, cellWidth, cellHeight);
        ui.Image1[i]->setAccessibleName(tr("Picture %1").arg(number));

        ui.Text2[i] = makeTextBox(ui.Picture1, indexed("Text2", i), left, top + answerTop, cellWidth, answerHeight);
        ui.Text2[i]->setReadOnly(true);
        ui.Text2[i]->setFocusPolicy(Qt::NoFocus);
        setBackground(ui.Text2[i], Qt::white);
        ui.Text2[i]->setAccessibleName(tr("Word for picture %1").arg(number));

        // A bare tick box on the cell's upper left corner, above the picture.
        ui.Check1[i] = makeTickBox(ui.Picture1, indexed("Check1", i), left, top);
        ui.Check1[i]->setAccessibleName(tr("Reveal the word for picture %1").arg(number));
        ui.Check1[i]->raise();
        onControl(ui.Check1[i], &QCheckBox::clicked, [this, i] { Check1_Click(i); });
    }

    // The hidden store: each drawing in grey, then the same drawing in colour.
    for (int i = 0; i < nounCount; ++i) {
        ui.Image2[i] = makePicture(c, indexed("Image2", i), 0, 0, cellWidth, cellHeight);
        ui.Image2[i]->setPicture(NounBank::greyPicture(i));
        ui.Image2[i + colourOffset] = makePicture(c, indexed("Image2", i + colourOffset), 0, 0, cellWidth, cellHeight);
        ui.Image2[i + colourOffset]->setPicture(NounBank::colourPicture(i));
    }
    for (PictureBox *store : ui.Image2)
        store->hide();

    ui.Text1 = makeTextBox(c, "Text1", 120, 5880, 2295, 420, Qt::AlignHCenter);
    ui.Text1->setFont(serifFont);
    ui.Text1->setAccessibleName(tr("Your word"));
    ui.Text1->hide();
    attachHungarianKeys(ui.Text1);
    connect(ui.Text1, &QLineEdit::textChanged, this, &Lex1::Text1_Change);

    ui.Label1 = makeLabel(c, "Label1", QString(), 360, 6360, 1815, 375);
    ui.Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui.Label1->setFont(vbFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    ui.Label1->hide();

    ui.Command1 = makeButton(c, "Command1", tr("S&tart"), 2880, 5880, 1215, 495);
    ui.Command2 = makeButton(c, "Command2", tr("O&K"), 4080, 5880, 975, 495);
    ui.Command3 = makeButton(c, "Command3", tr("&Solutions (All)"), 5040, 5880, 1815, 495);
    ui.Command4 = makeButton(c, "Command4", tr("C&lose"), 7920, 5880, 1455, 495);
    ui.Command11 = makeButton(c, "Command11", tr("&Char"), 0, 6720, 1215, 375);
    for (QPushButton *b : {ui.Command1, ui.Command2, ui.Command3, ui.Command4, ui.Command11})
        b->setFont(buttonFont);
    ui.Command2->hide();
    ui.Command3->hide();
    ui.Command11->hide();

    ui.Label5 = makeLabel(c, "Label5", hungarianKeyHint(), 1200, 6720, 8295, 375, Qt::white);
    ui.Label5->setFont(serifFont);
    ui.Label5->hide();

    setTabChain({ui.Text1, ui.Command2, ui.Command3, ui.Command1, ui.Command4, ui.Command11});

    bindFrame({.start = ui.Command1,
               .next = ui.Command2,
               .solution = ui.Command3,
               .close = ui.Command4,
               .charButton = ui.Command11,
               .hint = ui.Label5},
              {"mnuoptions", "mnuOnTop", QT_TRANSLATE_NOOP("ExerciseForm", "&OnTop"), "mnuHelp", "mnuHow",
               "mnuAbout"});

    onControl(ui.Command1, &QPushButton::clicked, this, &Lex1::Command1_Click);
    onControl(ui.Command2, &QPushButton::clicked, this, &Lex1::Command2_Click);
    onControl(ui.Command3, &QPushButton::clicked, this, &Lex1::Command3_Click);
}

void Lex1::Form_Load()
{
    openCentredOnTop();
    setTitle(QStringLiteral("    Tarvo! --- 1. Lecke: 5."));
    fillNounList();
}

void Lex1::Command1_Click()
{
    Lex1Ui &u = ui();
    window()->setCursor(Qt::WaitCursor);
    u.Command11->show();
    cell = 0;
    solved = 0;
    // Unticking goes through setChecked, which raises no click: no noun is revealed here.
    for (cell = 0; cell < nounCount; ++cell) {
        u.Image1[cell]->setPicture(u.Image2[cell]->picture());
        u.Text2[cell]->clear();
        u.Check1[cell]->setChecked(false);
    }
    for (cell = nounCount; cell < Lex1Ui::cellCount; ++cell) {
        u.Check1[cell]->hide();
        u.Text2[cell]->hide();
        u.Image1[cell]->hide();
    }
    u.Command1->hide();
    u.Command2->show();
    setDefaultButton(u.Command2);
    u.Command3->show();
    u.Text1->show();
    window()->unsetCursor();
    u.Text1->setFocus();
    beginRun(5, false, nounCount);
}

void Lex1::Command2_Click()
{
    Lex1Ui &u = ui();
    const QStringList &nouns = module1().nounList;
    const QString entry = NounBank::entry(u.Text1->text());
    bool accepted = false;
    bool namesPicture = false;
    for (cell = 0; cell < nounCount; ++cell) {
        if (!NounBank::names(entry, nouns.value(cell)))
            continue;
        namesPicture = true;
        // A noun counts only once: a picture already named refuses it.
        if (u.Text2[cell]->text().isEmpty()) {
            u.Text2[cell]->setText(nouns.value(cell));
            u.Image1[cell]->setPicture(u.Image2[cell + colourOffset]->picture());
            ++solved;
            accepted = true;
        }
        break;
    }
    // Any picture may be named, so only an accepted noun tells which item was answered. A word
    // that names no picture is a wrong try all the same; a picture named again, or Enter on an
    // empty box, is no try at a new picture.
    if (accepted)
        noteAnswer(entry, entry, entry, true, entry);
    else if (namesPicture || entry.isEmpty())
        noteAnswer(QString(), QString(), entry, false);
    else
        noteAnswerWithoutItem(entry);
    if (accepted)
        u.Text1->clear();
    else if (!wrongMessageBox())
        return;
    u.Text1->setFocus();

    if (solved != nounCount)
        return;
    endRun(true);
    if (!messageBox(completedTitle(),
                    tr("Congratulations! You have accomplished the exercise. If you want to restart it, "
                       "click the \"Restart\" button."),
                    MsgIcon::None))
        return;
    u.Command1->setText(tr("Res&tart"));
    u.Command1->show();
    setDefaultButton(nullptr);
    u.Command2->hide();
    u.Command3->hide();
    u.Text1->hide();
    // The entry box is gone: Restart takes the focus, so that a stray Enter cannot press Close.
    u.Command1->setFocus();
}

void Lex1::Command3_Click()
{
    Lex1Ui &u = ui();
    for (cell = 0; cell < nounCount; ++cell)
        u.Text2[cell]->setText(module1().nounList.value(cell));
    u.Text1->clear();
    u.Command1->setText(tr("&Restart"));
    u.Command1->show();
    u.Command2->hide();
    u.Command3->hide();
    endRun(false);
    if (messageBox(solutionsTitle(), tr("If you want to restart the exercise, click the \"Restart\" button."),
                   MsgIcon::Exclamation))
        u.Command1->setFocus();
}

void Lex1::Check1_Click(int index)
{
    Lex1Ui &u = ui();
    u.Label1->show();
    // The spare cells have no noun: the label keeps what it showed before.
    if (index < 0 || index >= nounCount)
        return;
    u.Label1->setText(module1().nounList.value(index));
    // The word is on screen now: typed after this, it is no first try.
    noteShown(module1().nounList.value(index));
    if (u.Check1[index]->isChecked())
        sayHungarian(module1().nounList.value(index));
    focusIfOpen(u.Text1);
}

void Lex1::Text1_Change()
{
    ui().Label1->hide();
}

void Lex1::mnuHow_Click()
{
    const QString paragraph = module1().newLine + module1().newLine;
    if (message(tr("Click the \"Start\" button. Then choose a picture and put the noun it refers to in the blank "
                   "square at the bottom. Press \"Enter\". Go on.") +
                paragraph +
                tr("If you want to get the right word, click the box in the upper left hand corner of the "
                   "picture in question.") +
                paragraph +
                charButtonHelp(),
            MsgIcon::Information))
        focusIfOpen(ui().Text1);
}
