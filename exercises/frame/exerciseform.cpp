#include "exercises/frame/exerciseform.h"

#include "core/module1.h"
#include "core/speech.h"
#include "ui/controls.h"
#include "ui/windowservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {
ExerciseHost *currentHost = nullptr;

ExerciseHost &host()
{
    Q_ASSERT(currentHost);
    return *currentHost;
}
} // namespace

void setExerciseHost(ExerciseHost *h)
{
    currentHost = h;
}

ExerciseForm::ExerciseForm(FormLook look, int exercise) : Form(std::move(look)), exercise_(exercise) {}

void ExerciseForm::bindFrame(const FrameControls &controls, const FrameMenus &menus)
{
    frame_ = controls;
    FormWindow *w = window();

    QMenu *options = w->menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QLatin1String(menus.options));
    // Each window names its On Top caption, marked for the frame's context: translated here once.
    frame_.onTop = options->addAction(tr(menus.onTopCaption));
    frame_.onTop->setObjectName(QLatin1String(menus.onTop));
    frame_.onTop->setCheckable(true);
    disableWhereUnavailable(frame_.onTop);
    // The check mark follows the window's state, which the handler changes itself.
    onControl(frame_.onTop, &QAction::triggered, [this] {
        frame_.onTop->setChecked(!frame_.onTop->isChecked());
        mnuOnTop_Click();
    });

    // Speech: the Hungarian phrases the window completes, in a Hungarian voice. The items
    // follow the speech service, which every window shares and which connects to its engine
    // now, in the background, the first time a window asks.
    options->addSeparator();
    options->setToolTipsVisible(true);
    frame_.speak = options->addAction(tr("&Speak Hungarian"));
    frame_.speak->setObjectName(QStringLiteral("mnuSpeak"));
    frame_.speak->setCheckable(true);
    connect(frame_.speak, &QAction::triggered, this, [](bool on) { speech().setOn(on); });
    frame_.sayAgain = options->addAction(tr("Say it &again"));
    frame_.sayAgain->setObjectName(QStringLiteral("mnuSayAgain"));
    connect(frame_.sayAgain, &QAction::triggered, this, [] { speech().sayAgain(); });
    frame_.slowly = options->addAction(tr("S&lowly"));
    frame_.slowly->setObjectName(QStringLiteral("mnuSlowly"));
    frame_.slowly->setCheckable(true);
    connect(frame_.slowly, &QAction::triggered, this, [](bool on) { speech().setSlowly(on); });
    connect(&speech(), &Speech::changed, options, [this] { showSpeech(); });
    speech().prepare();
    showSpeech();

    // Alt+P stays with a button of the window that has it (Plus in exercises 3 and 4): a menu
    // sharing it would turn the button's access key into a mere focus move.
    bool altPTaken = false;
    for (QAbstractButton *button : w->client()->findChildren<QAbstractButton *>())
        altPTaken = altPTaken || QKeySequence::mnemonic(button->text()) == QKeySequence(Qt::ALT | Qt::Key_P);
    QMenu *progress = w->menuBar()->addMenu(altPTaken ? tr("Pro&gress") : tr("&Progress"));
    progress->setObjectName(QStringLiteral("mnuProgress"));
    QAction *showProgress = progress->addAction(tr("&Show my progress..."));
    showProgress->setObjectName(QStringLiteral("mnuShowProgress"));
    onControl(showProgress, &QAction::triggered, [] { host().openProgress(); });
    QAction *review = progress->addAction(tr("&Review..."));
    review->setObjectName(QStringLiteral("mnuReview"));
    onControl(review, &QAction::triggered, [] { host().openReview(); });
    // The number due is read when the menu opens, never while the window loads.
    connect(progress, &QMenu::aboutToShow, review, [review] { review->setText(host().reviewMenuCaption()); });
    QAction *lessons = progress->addAction(tr("&Lessons..."));
    lessons->setObjectName(QStringLiteral("mnuLessons"));
    onControl(lessons, &QAction::triggered, [] { host().openLessons(); });

    QMenu *help = w->menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QLatin1String(menus.help));
    QAction *howTo = help->addAction(tr("&How to..."));
    howTo->setObjectName(QLatin1String(menus.howTo));
    onControl(howTo, &QAction::triggered, [this] { mnuHow_Click(); });
    QAction *about = help->addAction(tr("&About"));
    about->setObjectName(QLatin1String(menus.about));
    onControl(about, &QAction::triggered, [this] { mnuAbout_Click(); });

    if (frame_.close)
        onControl(frame_.close, &QPushButton::clicked, this, &ExerciseForm::closeToMenu);
    for (int target = 1; target <= 5; ++target) {
        if (QPushButton *button = frame_.goTo[target]) {
            button->setEnabled(target != exercise_);
            button->setAccessibleName(tr("Go to exercise %1").arg(target));
            onControl(button, &QPushButton::clicked, [this, target] { goTo(target); });
        }
    }
    if (frame_.charButton)
        onControl(frame_.charButton, &QPushButton::clicked, this, &ExerciseForm::toggleHint);
}

void ExerciseForm::setTitle(const QString &text)
{
    title = text;
    window()->setWindowTitle(text);
}

void ExerciseForm::openCentredOnTop()
{
    centerForm(window());
    mnuOnTop_Click();
}

void ExerciseForm::mnuOnTop_Click()
{
    toggleOnTop(frame().onTop, window());
}

bool ExerciseForm::message(const QString &text, MsgIcon icon)
{
    return messageBox(title, text, icon);
}

bool ExerciseForm::wrongMessageBox()
{
    // A wrong answer silences the phrase before it, and nothing is spoken while the box is up.
    Speech::Hold quiet(speech());
    return message(module1().wrongMessage, MsgIcon::Exclamation);
}

void ExerciseForm::showSpeech()
{
    const Speech &voice = speech();
    const bool available = voice.available();
    frame_.speak->setChecked(voice.isOn());
    frame_.slowly->setChecked(voice.slowly());
    frame_.speak->setEnabled(available);
    frame_.sayAgain->setEnabled(available && voice.isOn());
    frame_.slowly->setEnabled(available);
    const auto tip = [available](QAction *item, const QString &text) {
        const QString shown = available ? text : Speech::installHint();
        item->setStatusTip(shown);
        item->setToolTip(shown);
    };
    tip(frame_.speak, tr("Speak each Hungarian phrase you complete, and the solutions."));
    tip(frame_.sayAgain, tr("Say the last Hungarian phrase again."));
    tip(frame_.slowly, tr("Speak Hungarian more slowly."));
}

void ExerciseForm::toggleHint()
{
    QLabel *hint = frame().hint;
    hint->setVisible(!hint->isVisible());
}

void ExerciseForm::focusIfOpen(QWidget *box)
{
    if (box->isVisible() && box->isEnabled())
        box->setFocus(Qt::OtherFocusReason);
}

void ExerciseForm::closeToMenu()
{
    host().showMenu();
    module1().unloadForAnotherWindow();
    unload();
}

GoToRow makeGoToRow(QWidget *client, const std::array<const char *, 5> &names, int labelLeft, int labelWidth,
                    const QColor &labelBackground)
{
    GoToRow row{};
    row.label = makeLabel(client, QStringLiteral("Label4"),
                          QCoreApplication::translate("ExerciseForm", "Go to exercise:"), labelLeft, 120, labelWidth,
                          375, labelBackground);
    row.label->setFont(vbFont(QStringLiteral("Arial"), 12, true));
    const QFont numberFont = vbFont(QStringLiteral("MS Sans Serif"), 13.5, true);
    for (int n = 1; n <= 5; ++n) {
        row.buttons[n] = makeButton(client, QLatin1String(names[n - 1]), QStringLiteral("&%1").arg(n), 6840 + 480 * (n - 1),
                                    0, 495, 495);
        row.buttons[n]->setFont(numberFont);
    }
    return row;
}

void showExercise(int exercise)
{
    if (exercise >= 1 && exercise <= 5)
        host().exerciseWindow(exercise).showFor(exercise);
}

void ExerciseForm::showFor(int)
{
    show();
}

void ExerciseForm::goTo(int target)
{
    if (target == exercise_ || target < 1 || target > 5)
        return;
    showExercise(target);
    module1().unloadForAnotherWindow();
    unload();
}

void ExerciseForm::mnuAbout_Click()
{
    host().openAbout();
    window()->unsetCursor();
}

void ExerciseForm::beginRun(int exercise, bool plus, int items)
{
    if (runOpen_)
        endRun(false);
    runOpen_ = true;
    runExercise_ = exercise;
    runPlus_ = plus;
    tried_.clear();
    lastNoted_.reset();
    emit runStarted(exercise, plus, items);
}

void ExerciseForm::noteAnswer(const QString &item, const QString &expected, const QString &answer, bool right,
                              const QString &spoken)
{
    AnswerEvent event;
    event.exercise = runOpen_ ? runExercise_ : currentExercise();
    event.plus = runOpen_ && runPlus_;
    event.item = item;
    event.expected = expected;
    event.answer = answer;
    event.right = right;
    event.firstTry = !item.isEmpty() && !tried_.contains(item);
    if (!item.isEmpty())
        tried_.insert(item);
    emitAnswer(event);
    if (right && !spoken.isEmpty())
        emit hungarianShown(spoken);
}

void ExerciseForm::noteAnswerWithoutItem(const QString &answer)
{
    AnswerEvent event;
    event.exercise = runOpen_ ? runExercise_ : currentExercise();
    event.plus = runOpen_ && runPlus_;
    event.answer = answer;
    event.firstTry = true;
    emitAnswer(event);
}

void ExerciseForm::emitAnswer(const AnswerEvent &event)
{
    const std::pair<QString, QString> noted{event.item, event.answer};
    if (lastNoted_ == noted)
        return;
    lastNoted_ = noted;
    emit answerChecked(event);
}

void ExerciseForm::noteShown(const QString &item)
{
    if (!item.isEmpty())
        tried_.insert(item);
}

void ExerciseForm::endRun(bool completed)
{
    if (!runOpen_)
        return;
    runOpen_ = false;
    tried_.clear();
    lastNoted_.reset();
    emit runEnded(completed);
}

void ExerciseForm::sayHungarian(const QString &text)
{
    if (!text.isEmpty())
        emit hungarianShown(text);
}

void ExerciseForm::Form_Unload()
{
    endRun(false);
    if (module1().takeUnloading() == Unloading::ToAnotherWindow)
        return;
    host().showMenu();
}
