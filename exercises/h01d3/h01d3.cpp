#include "exercises/h01d3/h01d3.h"

#include "core/module1.h"
#include "core/desktop.h"
#include "core/draw.h"
#include "core/hungariankey.h"
#include "ui/controls.h"
#include "ui/keyinput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Start's captions before the first run and once a run is complete; the click compares the
// caption with the second, so both come from here.
QString startCaption()
{
    return H01d3::tr("&Start");
}
QString restartCaption()
{
    return H01d3::tr("&Restart");
}
const QColor lightYellow(255, 255, 224);
const QColor lightGreen(192, 255, 192);
} // namespace

H01d3::H01d3()
    : FormWith({QStringLiteral("h01d3"), QStringLiteral("   T A R V O ! -  1. Lecke: 3-4"), 9210, 5880,
                QColor(255, 255, 224), vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)},
               0)
{
}

void H01d3::build(H01d3Ui &ui, QWidget *c)
{
    const QFont buttonFont = vbFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont sentenceFont = vbFont(QStringLiteral("MS Serif"), 12, true);
    const QFont headingFont = vbFont(QStringLiteral("Arial"), 12, true);

    ui.Command1 = makeButton(c, "Command1", startCaption(), 0, 0, 1215, 495);
    ui.Command3 = makeButton(c, "Command3", tr("Cl&ose"), 1200, 0, 1215, 495);
    ui.Command8 = makeButton(c, "Command8", tr("So&lution"), 2400, 0, 1215, 495);
    ui.Command4 = makeButton(c, "Command4", tr("&Help"), 3600, 0, 1215, 495);
    ui.Command4->hide();

    const GoToRow row = makeGoToRow(c, {"Command10", "Command5", "Command6", "Command7", "Command11"}, 4800, 2055,
                                    lightYellow);
    ui.Label4 = row.label;
    std::tie(ui.Command10, ui.Command5, ui.Command6, ui.Command7, ui.Command11) =
        std::tie(row.buttons[1], row.buttons[2], row.buttons[3], row.buttons[4], row.buttons[5]);

    ui.Label2 = makeLabel(c, "Label2", tr("3.  Put in the missing verbs."), 240, 600, 6255, 375, lightYellow);
    ui.Label2->setFont(headingFont);
    ui.Label3 = makeLabel(c, "Label3", QString(), 240, 960, 8775, 2655, Qt::white);
    ui.Label3->setFont(sentenceFont);
    // The sentences are what a screen reader must read: a label offers its text as its accessible
    // name, so the role goes into the description and the name stays the text.
    ui.Label3->setAccessibleDescription(tr("Transcript"));

    // Stem, gap and ending abut on one line and read as one sentence.
    ui.Text2 = makeTextBox(c, "Text2", 240, 3720, 3495, 495, Qt::AlignRight);
    ui.Text1 = makeTextBox(c, "Text1", 3720, 3720, 2535, 495, Qt::AlignHCenter);
    ui.Text3 = makeTextBox(c, "Text3", 6240, 3720, 2655, 495, Qt::AlignLeft);
    for (QLineEdit *box : {ui.Text2, ui.Text1, ui.Text3})
        box->setFont(sentenceFont);
    // The stem and the ending are shown, not typed: only the gap takes the focus.
    for (QLineEdit *box : {ui.Text2, ui.Text3}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }
    // White boxes, the gap's text red: the sentence reads as one line on any desktop.
    setBoxColours(ui.Text2, Qt::white, Qt::black);
    setBoxColours(ui.Text1, Qt::white, Qt::red);
    setBoxColours(ui.Text3, Qt::white, Qt::black);
    ui.Text2->setAccessibleName(tr("Sentence beginning"));
    ui.Text1->setAccessibleName(tr("Missing word"));
    ui.Text3->setAccessibleName(tr("Sentence ending"));
    attachHungarianKeys(ui.Text1);

    ui.Command2 = makeButton(c, "Command2", tr("&Next"), 4320, 4320, 1215, 495);
    ui.Label1 = makeLabel(c, "Label1",
                          tr("If you want to practise with an extended variant of the selected exercise, "
                             "click the \"Plus\" button."),
                          2880, 4920, 5055, 615, lightGreen);
    ui.Label1->setFont(buttonFont);
    ui.Plus = makeButton(c, "Plus", tr("&Plus"), 7920, 4920, 975, 495);
    ui.Command9 = makeButton(c, "Command9", tr("&Char"), 360, 5040, 855, 495);
    ui.Label5 = makeLabel(c, "Label5", hungarianKeyHint(), 360, 5520, 8295, 375, Qt::white);
    ui.Label5->setFont(sentenceFont);
    ui.Label5->setWordWrap(false);
    ui.Label5->hide();
    for (QPushButton *b : {ui.Command1, ui.Command3, ui.Command8, ui.Command4, ui.Command2, ui.Plus, ui.Command9})
        b->setFont(buttonFont);

    // Tab order: the gap and Next first, then the buttons along the top.
    setTabChain({ui.Text1, ui.Command2, ui.Command1, ui.Command3, ui.Command8, ui.Command10, ui.Command5, ui.Command6,
                 ui.Command7, ui.Command11, ui.Plus, ui.Command9});

    bindFrame({.start = ui.Command1,
               .next = ui.Command2,
               .solution = ui.Command8,
               .close = ui.Command3,
               .charButton = ui.Command9,
               .hint = ui.Label5,
               .goTo = row.buttons},
              {"mnuOptions", "mnuOntop", QT_TRANSLATE_NOOP("ExerciseForm", "On&Top"), "mnuHelp", "menuHow",
               "mnuAbout"});
    // Both exercises live here, so both of their buttons start enabled (no exercise number of
    // its own for the frame); whoever opens the window disables the one it asks for.
    setDefaultButton(ui.Command2);
    // Enter before any Start goes to Next, not to a button that happens to hold the focus.
    ui.Text1->setFocus(Qt::OtherFocusReason);

    onControl(ui.Command1, &QPushButton::clicked, this, &H01d3::Command1_Click);
    onControl(ui.Command2, &QPushButton::clicked, this, &H01d3::Command2_Click);
    onControl(ui.Command8, &QPushButton::clicked, this, &H01d3::Command8_Click);
    onControl(ui.Plus, &QPushButton::clicked, this, &H01d3::Plus_Click);
}

void H01d3::Form_Load()
{
    openCentredOnTop();
    fillStems();
    fillEnds();
    kulcslista();
    H01d3Ui &u = ui();
    // The exercise the opener has set: the window opens with its instruction and title.
    if (module1().exerciseCode == SentenceBank::Run3) {
        u.Label2->setText(SentenceBank::instruction(3));
        title = QStringLiteral("Tarvo! --- 1. Lecke: 3.");
    } else if (module1().exerciseCode == SentenceBank::Run4) {
        u.Label2->setText(SentenceBank::instruction(4));
        title = QStringLiteral("Tarvo! --- 1. Lecke: 4.");
    }
    setTitle(title);
}

void H01d3::Form_Unload()
{
    module1().exerciseCode = SentenceBank::NoRun;
    ExerciseForm::Form_Unload();
}

void H01d3::fillStems()
{
    stems = SentenceBank::stems();
}

// Gives the items lo to hi back their stems, so that a run over them starts with none answered.
void H01d3::restoreStems(int lo, int hi)
{
    const QStringList fresh = SentenceBank::stems();
    for (int i = lo; i <= hi && i < stems.size(); ++i)
        stems[i] = fresh[i];
}

void H01d3::fillEnds()
{
    ends = SentenceBank::ends();
}

void H01d3::kulcslista()
{
    keys = SentenceBank::keys();
}

void H01d3::showItem()
{
    H01d3Ui &u = ui();
    u.Text2->setText(stems.value(current) + QLatin1Char(' '));
    u.Text3->setText(QLatin1Char(' ') + ends.value(current));
}

void H01d3::Command1_Click()
{
    H01d3Ui &u = ui();
    u.Command2->setEnabled(true);
    setDefaultButton(u.Command2);
    if (u.Command1->text() == restartCaption()) {
        answered = 0;
        u.Label3->clear();
    }
    if (!u.Command6->isEnabled())
        module1().exerciseCode = SentenceBank::runCode(3, plusMode);
    else if (!u.Command7->isEnabled())
        module1().exerciseCode = SentenceBank::runCode(4, plusMode);
    int lo, hi;
    if (SentenceBank::runRange(module1().exerciseCode, lo, hi)) {
        // A run left unfinished by a switch leaves marks behind; the new run starts clean, so it
        // presents every item of its range once and can always find its next item.
        restoreStems(lo, hi);
        const int code = module1().exerciseCode;
        beginRun(SentenceBank::exerciseOfCode(code), SentenceBank::plusOfCode(code), hi - lo + 1);
        firstItem(lo, hi);
    }
    showItem();
    u.Text1->setFocus();
    u.Command1->setEnabled(false);
    u.Plus->hide();
    u.Label1->hide();
}

void H01d3::firstItem(int lo, int hi)
{
    current = itemForDraw(desktop().random(), lo, hi - lo + 1);
    answered = 1;
}

void H01d3::nextItem(int lo, int hi)
{
    H01d3Ui &u = ui();
    const int n = hi - lo + 1;
    if (answered < n) {
        const int item = drawFreeItem(lo, n, [this](int i) { return !stems.value(i).isEmpty(); });
        if (item < 0)
            return;
        current = item;
        ++answered;
        showItem();
        u.Text1->clear();
        u.Text1->setFocus();
        return;
    }
    endRun(true);
    desktop().beep();
    setDefaultButton(nullptr);
    u.Command2->setEnabled(false);
    if (!message(tr("The exercise has been accomplished. If you want to restart it, click the\"Restart\" "
                    "button."),
                 MsgIcon::Stop))
        return;
    u.Command1->setEnabled(true);
    u.Command1->setText(restartCaption());
    u.Text2->clear();
    u.Text1->clear();
    u.Text3->clear();
    u.Plus->show();
    u.Label1->show();
    u.Command1->setFocus();
    fillStems();
    answered = 0;
}

void H01d3::Command2_Click()
{
    const TrimmedCheck check = SentenceBank::check(ui().Text1->text(), keys.value(current));
    const QString &answer = check.answer;
    const bool right = check.right;
    const QString expected = completedSentence();
    noteAnswer(gappedSentence(), expected, answer, right, expected);
    if (right)
        rightAnswer(answer);
    else
        wrongAnswer();
}

void H01d3::wrongAnswer()
{
    desktop().beep();
    wrongMessageBox();
}

void H01d3::rightAnswer(const QString &answer)
{
    H01d3Ui &u = ui();
    u.Label3->setText(u.Label3->text() + SentenceBank::sentence(stems.value(current), answer, ends.value(current)));

    if (current >= 0 && current < stems.size())
        stems[current].clear();
    u.Text1->clear();
    u.Text2->clear();
    u.Text3->clear();
    int lo, hi;
    if (SentenceBank::runRange(module1().exerciseCode, lo, hi))
        nextItem(lo, hi);
}

QString H01d3::completedSentence() const
{
    if (stems.value(current).isEmpty())
        return QString();
    return SentenceBank::completedSentence(stems.value(current), keys.value(current), ends.value(current));
}

QString H01d3::gappedSentence() const
{
    if (stems.value(current).isEmpty())
        return QString();
    return SentenceBank::gappedSentence(stems.value(current), ends.value(current));
}

int H01d3::currentExercise()
{
    if (!isLoaded())
        return 0;
    if (!ui().Command6->isEnabled())
        return 3;
    if (!ui().Command7->isEnabled())
        return 4;
    return 0;
}

void H01d3::Command8_Click()
{
    noteShown(gappedSentence());
    sayHungarian(completedSentence());
    //: %1 is the Hungarian word for the gap.
    if (message(tr("The correct solution is: %1").arg(keys.value(current)), MsgIcon::Information))
        ui().Text1->setFocus();
}

void H01d3::Change()
{
    H01d3Ui &u = ui();
    u.Label3->clear();
    u.Text1->clear();
    u.Text2->clear();
    u.Text3->clear();
    u.Command1->setText(startCaption());
    u.Command1->setEnabled(true);
    plusMode = 0;
}

void H01d3::Enabl()
{
    H01d3Ui &u = ui();
    u.Command6->setEnabled(true);
    u.Command7->setEnabled(true);
    u.Command8->setEnabled(true);
}

void H01d3::switchTo(int exercise)
{
    endRun(false);
    Change();
    Enabl();
    H01d3Ui &u = ui();
    if (exercise == 3) {
        u.Command6->setEnabled(false);
        u.Label2->setText(SentenceBank::instructionAfterSwitch(3));
        setTitle(QStringLiteral("Tarvo! --- 1. Lecke: 3."));
    } else {
        u.Command7->setEnabled(false);
        u.Label2->setText(SentenceBank::instructionAfterSwitch(4));
        setTitle(QStringLiteral("Tarvo! --- 1. Lecke: 4."));
    }
}

void H01d3::Command6_Click()
{
    switchTo(3);
}

void H01d3::Command7_Click()
{
    switchTo(4);
}

void H01d3::goTo(int exercise)
{
    if (exercise == 3)
        Command6_Click();
    else if (exercise == 4)
        Command7_Click();
    else
        ExerciseForm::goTo(exercise);
}

void H01d3::showFor(int exercise)
{
    module1().exerciseCode = SentenceBank::runCode(exercise, false);
    show();
    (exercise == 3 ? ui().Command6 : ui().Command7)->setEnabled(false);
}

void H01d3::Plus_Click()
{
    plusMode = 1;
    ui().Label1->hide();
}

void H01d3::mnuHow_Click()
{
    const QString nl = module1().newLine;
    if (message(tr("Click the \"Start\" button and put your solution in the gap. Then press the \"Enter\" "
                   "key. Go on.") +
                    nl + nl + charButtonHelp(),
                MsgIcon::Information))
        ui().Text1->setFocus();
}
