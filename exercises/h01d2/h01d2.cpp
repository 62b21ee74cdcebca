#include "exercises/h01d2/h01d2.h"

#include "core/module1.h"
#include "core/desktop.h"
#include "core/answer.h"
#include "core/hungariankey.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/keyinput.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Start's caption once a run is complete; the click compares the caption with this same text.
QString restartCaption()
{
    return H01d2::tr("&Restart");
}
const QColor lightCyan(192, 255, 255);
const QColor lightYellow(255, 255, 192);

// Places of the eight items: column i mod 4, row i div 4.
constexpr int frameLefts[] = {120, 2400, 4680, 6960};
constexpr int frameTops[] = {780, 3180};
constexpr int questionLefts[] = {0, 2280, 4560, 6840};
constexpr int questionTops[] = {2220, 4620};
struct BoxPlace {
    int left, width;
};
constexpr BoxPlace answerPlaces[] = {{0, 2175}, {2160, 2535}, {4560, 2655}, {7200, 1935},
                                     {0, 2535}, {2520, 2175}, {4680, 2655}, {7320, 1815}};
constexpr int answerTops[] = {2580, 4980};

} // namespace

H01d2::H01d2()
    : FormWith({QStringLiteral("h01d2"), QStringLiteral("T A R V O  ! -  1. Lecke:  2.  "), 9195, 6135,
                QColor(224, 224, 224), vbFont(QStringLiteral("MS Sans Serif"), 8.25)},
               2)
{
}

void H01d2::build(H01d2Ui &ui, QWidget *c)
{
    const QFont buttonFont = vbFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont itemFont = vbFont(QStringLiteral("MS Serif"), 9.75, true);
    const QFont headingFont = vbFont(QStringLiteral("Arial"), 12, true);

    ui.Label2 = makeLabel(c, "Label2", QuestionBank::instruction(), 120, 480,
                          5535, 375);
    ui.Label2->setFont(headingFont);
    const GoToRow row = makeGoToRow(c, {"Command10", "Command5", "Command6", "Command7", "Command8"}, 4920, 1935);
    ui.Label4 = row.label;

    for (int i = 0; i < itemCount; ++i) {
        const int row = i / 4;
        const int column = i % 4;
        const QString number = QString::number(i + 1);

        auto *frame = new QFrame(c);
        frame->setObjectName(indexed("Picture1", i));
        frame->setGeometry(twRect(frameLefts[column], frameTops[row], 2055, 1455));
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setBackground(frame, lightCyan);
        frame->setAccessibleName(tr("Picture %1").arg(number));
        ui.Picture1[i] = frame;
        ui.Image1[i] = makePicture(frame, indexed("Image1", i), 45, 30, 1920, 1350);

        // The tick box sits on the frame's upper left corner, above the picture.
        ui.Check1[i] = makeTickBox(c, indexed("Check1", i), frameLefts[column], frameTops[row]);
        setBackground(ui.Check1[i], lightCyan);
        ui.Check1[i]->setAccessibleName(tr("Choose picture %1").arg(number));
        onControl(ui.Check1[i], &QCheckBox::clicked, [this, i] { Check1_Click(i); });

        ui.Label1[i] = makeLabel(c, indexed("Label1", i), QString(), questionLefts[column], questionTops[row], 2295,
                                 375, lightYellow);
        ui.Label1[i]->setFont(itemFont);
        ui.Label1[i]->setAlignment(Qt::AlignCenter);

        ui.Text1[i] = makeTextBox(c, indexed("Text1", i), answerPlaces[i].left, answerTops[row], answerPlaces[i].width,
                                  390, Qt::AlignHCenter);
        ui.Text1[i]->setFont(itemFont);
        ui.Text1[i]->setAccessibleName(tr("Answer to question %1").arg(number));
        attachHungarianKeys(ui.Text1[i]);
    }

    // The picture store lies below the client area and is never shown itself.
    for (int k = 0; k < 2 * itemCount; ++k) {
        ui.Image2[k] = makePicture(c, indexed("Image2", k), (k % itemCount) * 1080, 6240, 1935, 1335);
        const int item = k % itemCount;
        ui.Image2[k]->setPicture(k < itemCount ? QuestionBank::inkPicture(item) : QuestionBank::colourPicture(item));
        ui.Image2[k]->hide();
    }

    ui.Command1 = makeButton(c, "Command1", tr("&Start"), 0, 0, 1095, 375);
    ui.Command4 = makeButton(c, "Command4", tr("So&lution"), 1080, 0, 1215, 375);
    ui.Command3 = makeButton(c, "Command3", tr("Cl&ose"), 2280, 0, 1095, 375);
    ui.Command9 = makeButton(c, "Command9", tr("&Help"), 3360, 0, 1095, 375);
    ui.Command9->hide();
    ui.Command2 = makeButton(c, "Command2", tr("&Next"), 3975, 5400, 1215, 390);
    ui.Command11 = makeButton(c, "Command11", tr("&Char"), 0, 5640, 855, 495);
    ui.Command11->hide();
    for (QPushButton *b : {ui.Command1, ui.Command4, ui.Command3, ui.Command9, ui.Command2, ui.Command11})
        b->setFont(buttonFont);

    std::tie(ui.Command10, ui.Command5, ui.Command6, ui.Command7, ui.Command8) =
        std::tie(row.buttons[1], row.buttons[2], row.buttons[3], row.buttons[4], row.buttons[5]);

    ui.Label5 = makeLabel(c, "Label5", hungarianKeyHint(), 840, 5760, 8295, 375, Qt::white);
    ui.Label5->setFont(vbFont(QStringLiteral("MS Serif"), 12, true));
    ui.Label5->setWordWrap(false);
    ui.Label5->hide();

    // Labels lie beneath the other controls, where they overlap (the heading reaches into the
    // top of the frames, the key hint under the Next button).
    for (QLabel *label : c->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        label->lower();
    for (QCheckBox *tick : ui.Check1)
        tick->raise();

    bindFrame({.start = ui.Command1,
               .next = ui.Command2,
               .solution = ui.Command4,
               .close = ui.Command3,
               .charButton = ui.Command11,
               .hint = ui.Label5,
               .goTo = row.buttons},
              {"mnuOptions", "mnuOntop", QT_TRANSLATE_NOOP("ExerciseForm", "&OnTop"), "mnuHelp", "mnuHow",
               "mnuAbout"});
    setDefaultButton(ui.Command2);

    onControl(ui.Command1, &QPushButton::clicked, this, &H01d2::Command1_Click);
    onControl(ui.Command2, &QPushButton::clicked, this, &H01d2::Command2_Click);
    onControl(ui.Command4, &QPushButton::clicked, this, &H01d2::Command4_Click);
    // bindFrame has connected the hint's toggle first; this runs after it.
    onControl(ui.Command11, &QPushButton::clicked, this, &H01d2::backToAnswer);
}

void H01d2::Form_Load()
{
    setTitle(QStringLiteral("  Tarvo! --- 1. Lecke: 2."));
    openCentredOnTop();
}

void H01d2::kerdlista()
{
    questions = QuestionBank::questions();
}

void H01d2::allista()
{
    subjects = QuestionBank::subjects();
}

void H01d2::alblista()
{
    pronouns = QuestionBank::pronouns();
}

void H01d2::alllista()
{
    predicates = QuestionBank::predicates();
}

void H01d2::Command1_Click()
{
    H01d2Ui &u = ui();
    window()->setCursor(Qt::BusyCursor);
    if (u.Command1->text() == restartCaption())
        u.Command2->setEnabled(true);
    solved = 0;
    kerdlista();
    allista();
    alblista();
    alllista();
    for (int i = 0; i < itemCount; ++i) {
        u.Image1[i]->setPicture(u.Image2[i]->picture());
        u.Text1[i]->setReadOnly(false);
        u.Text1[i]->clear();
        u.Label1[i]->clear();
    }
    u.Command1->setEnabled(false);
    setDefaultButton(u.Command2);
    u.Command11->show();
    beginRun(2, false, itemCount);
    window()->unsetCursor();
}

void H01d2::Check1_Click(int index)
{
    if (index < 0 || index >= itemCount)
        return;
    H01d2Ui &u = ui();
    current = index;
    u.Label1[index]->setText(questions.value(index));
    u.Text1[index]->setFocus(Qt::OtherFocusReason);
    kontrol();
    if (u.Check1[index]->isChecked())
        sayHungarian(questions.value(index));
}

QuestionBank::Answers H01d2::kontrol()
{
    const QuestionBank::Answers a = QuestionBank::answers(QuestionBank::isYes(current), subjects.value(current),
                                                          pronouns.value(current), predicates.value(current));
    opening = a.opening;
    negation = a.negation;
    longAnswer = a.longAnswer;
    shortAnswer = a.shortAnswer;
    predicateAnswer = a.predicateAnswer;
    pronounAnswer = a.pronounAnswer;
    return a;
}

// Every run of spaces in the current answer becomes one space. Replacing two spaces by one
// again and again until none is left gives the same text, but takes time quadratic in the
// length of the answer; collapsing the runs in one pass does not.
void H01d2::sp()
{
    QLineEdit *box = ui().Text1[current];
    const QString collapsed = collapseSpaces(box->text());
    if (collapsed != box->text())
        box->setText(collapsed);
}

// Trims the current answer and makes its first letter a capital, warning when it was not one.
// False if the window was unloaded while the warning was open.
bool H01d2::upper()
{
    QLineEdit *box = ui().Text1[current];
    const QuestionBank::Capitalised capital = QuestionBank::capitalised(box->text());
    box->setText(capital.text);
    if (capital.warned) {
        desktop().beep();
        return message(QuestionBank::capitalWarning(), MsgIcon::Exclamation);
    }
    return true;
}

void H01d2::Command2_Click()
{
    sp();
    if (!upper())
        return;
    const QuestionBank::Answers accepted = kontrol();
    const QString answer = trimSpaces(ui().Text1[current]->text());
    const bool right = accepted.accepts(answer);
    // An answer accepted before (its box is closed) is not a new one: Next on it records nothing.
    if (!ui().Text1[current]->isReadOnly())
        noteAnswer(questions.value(current), longAnswer, answer, right, answer);
    else if (right)
        sayHungarian(answer);
    if (right)
        Oke();
    else
        Hiba();
}

void H01d2::Hiba()
{
    wrongMessageBox();
}

void H01d2::Oke()
{
    H01d2Ui &u = ui();
    u.Image1[current]->setPicture(u.Image2[current + itemCount]->picture());
    QLineEdit *box = u.Text1[current];
    const bool wasOpen = !box->isReadOnly();
    box->setReadOnly(true);
    if (wasOpen)
        ++solved;
    if (solved < itemCount)
        return;
    solved = 0;
    current = 0;
    endRun(true);
    if (!message(tr("This exercise has been accomplished. If you want to restart it, click the "
                    "\"Restart\" button."),
                 MsgIcon::Stop))
        return;
    u.Command1->setText(restartCaption());
    setDefaultButton(nullptr);
    u.Command2->setEnabled(false);
    u.Command1->setEnabled(true);
    u.Command1->setFocus(Qt::OtherFocusReason);
}

void H01d2::Command4_Click()
{
    noteShown(questions.value(current));
    sayHungarian(longAnswer);
    //: %1 and %2 are the long and the short Hungarian answer.
    if (message(tr("The correct solution is: %1 / %2").arg(longAnswer, shortAnswer), MsgIcon::Information))
        ui().Text1[current]->setFocus(Qt::OtherFocusReason);
}

void H01d2::mnuHow_Click()
{
    const QString &nl = module1().newLine;
    if (!message(tr("Click the \"Start\" button. Then choose a picture and click the check box in its "
                    "upper left hand corner. Answer the question and press \"Enter\". Go on.") +
                     nl + nl + charButtonHelp(),
                 MsgIcon::Information))
        return;
    H01d2Ui &u = ui();
    if (!u.Command1->isEnabled() && !u.Text1[current]->isReadOnly())
        u.Text1[current]->setFocus(Qt::OtherFocusReason);
}

void H01d2::backToAnswer()
{
    QLineEdit *box = ui().Text1[current];
    if (!box->isReadOnly())
        box->setFocus(Qt::OtherFocusReason);
}
