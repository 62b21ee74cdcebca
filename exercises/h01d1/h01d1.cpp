#include "exercises/h01d1/h01d1.h"

#include "core/module1.h"
#include "core/desktop.h"
#include "core/answer.h"
#include "core/draw.h"
#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Start's caption once a run is complete; the click compares the caption with this same text.
QString restartCaption()
{
    return H01d1::tr("Restart");
}
const QColor lightYellow(255, 255, 224);
} // namespace

H01d1::H01d1()
    : FormWith({QStringLiteral("h01d1"), QStringLiteral("        T A R V O ! -  1. Lecke:  1.  "), 9210, 5880,
                QColor(206, 221, 221), vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)},
               1)
{
}

void H01d1::build(H01d1Ui &ui, QWidget *c)
{
    const QFont buttonFont = vbFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont boxFont = vbFont(QStringLiteral("MS Serif"), 13.5, true);

    ui.Command1 = makeButton(c, "Command1", tr("&Start"), 0, 0, 1215, 495);
    ui.Command3 = makeButton(c, "Command3", tr("&Close"), 1200, 0, 1215, 495);
    ui.Command8 = makeButton(c, "Command8", tr("So&lution"), 2400, 0, 1215, 495);
    ui.Command4 = makeButton(c, "Command4", tr("&Help"), 3600, 0, 1215, 495);
    ui.Command4->hide();
    for (QPushButton *b : {ui.Command1, ui.Command3, ui.Command8, ui.Command4})
        b->setFont(buttonFont);

    const GoToRow row = makeGoToRow(c, {"Command10", "Command5", "Command6", "Command7", "Command9"}, 4920, 1935,
                                    lightYellow);
    ui.Label4 = row.label;
    std::tie(ui.Command10, ui.Command5, ui.Command6, ui.Command7, ui.Command9) =
        std::tie(row.buttons[1], row.buttons[2], row.buttons[3], row.buttons[4], row.buttons[5]);

    ui.Label2 = makeLabel(c, "Label2", ArticleBank::instruction(), 120, 960,
                          5535, 375, lightYellow);
    ui.Label2->setFont(vbFont(QStringLiteral("Arial"), 12, true));
    ui.Label1 = makeLabel(c, "Label1", QStringLiteral("a  /  az"), 5400, 840, 1575, 495, Qt::white);
    ui.Label1->setFont(vbFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    ui.Label3 = makeLabel(c, "Label3", QString(), 360, 1440, 8535, 2655, Qt::white);
    ui.Label3->setFont(vbFont(QStringLiteral("Times New Roman"), 12, true));
    // The sentences are what a screen reader must read: a label offers its text as its accessible
    // name, so the role goes into the description and the name stays the text.
    ui.Label3->setAccessibleDescription(tr("Transcript"));

    ui.Text2 = makeTextBox(c, "Text2", 2880, 4440, 975, 495, Qt::AlignHCenter);
    ui.Text2->setFont(boxFont);
    ui.Text2->setAccessibleName(tr("Article"));
    ui.Text1 = makeTextBox(c, "Text1", 3840, 4440, 2775, 495);
    ui.Text1->setFont(boxFont);
    ui.Text1->setReadOnly(true);
    ui.Text1->setFocusPolicy(Qt::NoFocus);
    ui.Text1->setAccessibleName(tr("Noun"));
    // Article and noun read as one phrase in white boxes on any desktop.
    setBoxColours(ui.Text2, Qt::white, Qt::black);
    setBoxColours(ui.Text1, Qt::white, Qt::black);
    ui.Command2 = makeButton(c, "Command2", tr("&Next"), 3960, 5040, 1215, 495);
    ui.Command2->setFont(buttonFont);

    // Tab order: the answer box and Next first, then the buttons along the top.
    setTabChain({ui.Text2, ui.Command2, ui.Command1, ui.Command3, ui.Command8});

    bindFrame({.start = ui.Command1,
               .next = ui.Command2,
               .solution = ui.Command8,
               .close = ui.Command3,
               .goTo = row.buttons},
              {"mnuOptions", "mnuOntop", QT_TRANSLATE_NOOP("ExerciseForm", "On&Top"), "mnuHelp", "mnuHowto",
               "MnuAbout"});
    setDefaultButton(ui.Command2);

    onControl(ui.Command1, &QPushButton::clicked, this, &H01d1::Command1_Click);
    onControl(ui.Command2, &QPushButton::clicked, this, &H01d1::Command2_Click);
    onControl(ui.Command8, &QPushButton::clicked, this, &H01d1::Command8_Click);
}

void H01d1::Form_Load()
{
    openCentredOnTop();
    setTitle(QStringLiteral("  Tarvo! --- 1. Lecke: 1."));
    fillWords();
    fillArticles();
    solved = 0;
    current = 0;
}

void H01d1::fillWords()
{
    words = ArticleBank::nouns();
}

void H01d1::fillArticles()
{
    articles = ArticleBank::articles();
}

void H01d1::drawItem()
{
    const int slot = drawFreeItem(ArticleBank::firstDrawn, runLength, [this](int i) { return !words[i].isEmpty(); });
    if (slot < 0)
        return;
    current = slot;
    ui().Text1->setText(words[current]);
}

void H01d1::Command1_Click()
{
    H01d1Ui &u = ui();
    if (u.Command1->text() == restartCaption()) {
        u.Command2->setEnabled(true);
        u.Label3->clear();
    }
    beginRun(1, false, runLength);
    drawItem();
    u.Text2->setFocus();
    u.Command1->setEnabled(false);
}

void H01d1::Command2_Click()
{
    H01d1Ui &u = ui();
    // The article and the noun are compared each on its own. As one phrase, an answer that
    // carries the noun itself ("azautó") would pass while the noun box is still empty before
    // the first Start.
    const TrimmedCheck check = ArticleBank::check(u.Text2->text(), articles.value(current));
    const QString &answer = check.answer;
    const QString noun = u.Text1->text();
    const QString phrase = ArticleBank::phrase(articles.value(current), noun);
    if (!check.right || noun != words.value(current)) {
        noteAnswer(noun, phrase, answer, false);
        wrongAnswer();
    } else {
        noteAnswer(noun, phrase, answer, true, phrase);
        words[current].clear();
        rightAnswer();
    }
}

void H01d1::wrongAnswer()
{
    desktop().beep();
    if (!wrongMessageBox())
        return;
    ui().Text2->clear();
    ui().Text2->setFocus();
}

void H01d1::rightAnswer()
{
    H01d1Ui &u = ui();
    u.Label3->setText(u.Label3->text() + trimSpaces(u.Text2->text()) + QLatin1Char(' ') + u.Text1->text() +
                      QStringLiteral("; "));
    u.Text1->clear();
    u.Text2->clear();
    ++solved;
    if (solved < runLength) {
        drawItem();
        u.Text2->setFocus();
        return;
    }
    endRun(true);
    if (!message(tr("You have completed the exercise. If you want to restart it, click the \"Restart\" "
                    "button."),
                 MsgIcon::Stop))
        return;
    u.Command2->setEnabled(false);
    fillWords();
    solved = 0;
    u.Command1->setEnabled(true);
    u.Command1->setText(restartCaption());
    u.Command1->setFocus();
}

void H01d1::Command8_Click()
{
    const QString solution = ArticleBank::phrase(articles.value(current), words.value(current));
    noteShown(words.value(current));
    sayHungarian(solution.trimmed());
    //: %1 is the Hungarian article and noun.
    if (message(tr("The correct solution is: %1").arg(solution), MsgIcon::Information))
        ui().Text2->setFocus();
}

void H01d1::mnuHow_Click()
{
    message(tr("Click the \"Start\" button and type your solution in the blank textbox. Then press the "
               "\"Enter\" key. Go on."),
            MsgIcon::Information);
}
