#include "app/review.h"

#include "app/program.h"
#include "core/desktop.h"
#include "core/fsrs.h"
#include "core/progressstore.h"
#include "core/speech.h"
#include "exercises/h01d2/questionbank.h"
#include "ui/controls.h"
#include "ui/keyinput.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/windowservices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A label of the window: its text is what a screen reader reads, its role the description.
QLabel *textLabel(QWidget *parent, const QString &name, const QString &role)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAccessibleDescription(role);
    return label;
}

// The right answer after a miss, with the part the learner types marked, and that part in words
// for a screen reader (with the verdict on Next, where the focus lands) and on screen where there
// is nothing to mark.
struct MarkedAnswer {
    QString html;
    QString words; // empty where the learner types the whole answer
};

MarkedAnswer markedAnswer(const ReviewItem &item)
{
    const QString &whole = item.expected;
    if (item.answer == whole || item.answerAt < 0 || item.answerAt > whole.size() ||
        whole.mid(item.answerAt, item.answer.size()) != item.answer)
        return {whole.toHtmlEscaped(), QString()};
    if (item.answer.isEmpty())
        return {whole.toHtmlEscaped(), Review::tr("Nothing goes in the gap.")};
    // Underlined: the verdict is bold already.
    const QString html = whole.left(item.answerAt).toHtmlEscaped() + QStringLiteral("<u>") +
                         item.answer.toHtmlEscaped() + QStringLiteral("</u>") +
                         whole.mid(item.answerAt + item.answer.size()).toHtmlEscaped();
    //: %1 is the Hungarian word or article the learner types, underlined in the right answer
    return {html, Review::tr("The part to type: %1.").arg(item.answer)};
}

} // namespace

Review::Review() : FormWith({QStringLiteral("review"), caption(), 7800, 7200, QColor(), QFont()})
{
    setClosesOnEscape(true);
}

QString Review::caption()
{
    return tr("Tarvo - Review");
}

QString Review::menuCaption(int due)
{
    //: %1 is the number of items due now
    return tr("&Review (%1 due)...").arg(due);
}

QString Review::whatToType(const ReviewItem &item)
{
    switch (item.exercise) {
    case 1: return tr("Type the article, or the article with the noun.");
    case 3:
        return tr("Type the verb for the gap, or the whole sentence. Where no verb is needed, leave the box "
                  "empty.");
    case 4: return tr("Type the word for the gap, or the whole sentence.");
    case 5: return tr("Type the Hungarian word for the picture.");
    default: return QString(); // exercise 2 asks for complete sentences itself
    }
}

void Review::build(ReviewUi &ui, QWidget *c)
{
    auto *layout = new QVBoxLayout(c);

    ui.store = textLabel(c, QStringLiteral("store"), tr("About your record"));
    layout->addWidget(ui.store);

    auto *top = new QHBoxLayout;
    ui.source = textLabel(c, QStringLiteral("source"), tr("The exercise the item comes from"));
    ui.counter = textLabel(c, QStringLiteral("counter"), tr("Item number"));
    ui.counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(ui.source, 1);
    top->addWidget(ui.counter);
    layout->addLayout(top);

    ui.instruction = textLabel(c, QStringLiteral("instruction"), tr("Instruction"));
    ui.instruction->setFont(vbFont(QStringLiteral("Times New Roman"), 12, true));
    layout->addWidget(ui.instruction);

    ui.task = textLabel(c, QStringLiteral("task"), tr("What to type"));
    layout->addWidget(ui.task);

    ui.picture = new PictureBox(c);
    ui.picture->setObjectName(QStringLiteral("picture"));
    ui.picture->setAccessibleName(tr("Picture"));
    ui.picture->setFixedSize(twSize(2880, 2025));
    layout->addWidget(ui.picture, 0, Qt::AlignHCenter);

    ui.prompt = textLabel(c, QStringLiteral("prompt"), tr("Item"));
    ui.prompt->setFont(vbFont(QStringLiteral("Times New Roman"), 14.25, true));
    ui.prompt->setAlignment(Qt::AlignHCenter);
    layout->addWidget(ui.prompt);

    auto *answerLabel = new QLabel(tr("&Your answer:"), c);
    // Exercise 1 takes "a" or "az" as typed; the others type Hungarian letters on any keyboard,
    // as their own windows do. One box of each kind, the one the item needs shown.
    for (QLineEdit **box : {&ui.keyedAnswer, &ui.plainAnswer}) {
        *box = new QLineEdit(c);
        (*box)->setObjectName(QStringLiteral("answer"));
        (*box)->setAccessibleName(tr("Your answer"));
        (*box)->setFont(vbFont(QStringLiteral("Arial"), 12));
    }
    attachHungarianKeys(ui.keyedAnswer);
    ui.answer = ui.keyedAnswer;
    ui.plainAnswer->hide();
    answerLabel->setBuddy(ui.answer);
    layout->addWidget(answerLabel);
    layout->addWidget(ui.keyedAnswer);
    layout->addWidget(ui.plainAnswer);
    ui.answerLabel = answerLabel;

    ui.verdict = textLabel(c, QStringLiteral("verdict"), tr("Result"));
    ui.verdict->setTextFormat(Qt::RichText); // a miss underlines the part to type
    ui.verdict->setFont(vbFont(QStringLiteral("Arial"), 12, true));
    ui.verdict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(ui.verdict);

    ui.summary = textLabel(c, QStringLiteral("summary"), tr("Summary"));
    ui.summary->setFont(vbFont(QStringLiteral("Arial"), 12, true));
    layout->addWidget(ui.summary);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    ui.check = new QPushButton(tr("C&heck"), c);
    ui.check->setObjectName(QStringLiteral("check"));
    ui.next = new QPushButton(tr("&Next"), c);
    ui.next->setObjectName(QStringLiteral("next"));
    ui.close = new QPushButton(tr("&Close"), c);
    ui.close->setObjectName(QStringLiteral("close"));
    for (QPushButton *button : {ui.check, ui.next, ui.close})
        button->setAutoDefault(false);
    buttons->addWidget(ui.check);
    buttons->addWidget(ui.next);
    buttons->addStretch(1);
    buttons->addWidget(ui.close);
    layout->addLayout(buttons);

    onControl(ui.check, &QPushButton::clicked, this, &Review::checkAnswer);
    onControl(ui.next, &QPushButton::clicked, this, &Review::nextItem);
    onControl(ui.close, &QPushButton::clicked, [this] { unload(); });
}

void Review::Form_Load()
{
    centerForm(window());
    // The exercise windows stay above others; this one opens above them.
    desktop().setTopmost(window(), true);
    // The voice connects now, in the background, so that it is ready for the first answer.
    speech().prepare();
}

void Review::open()
{
    ProgressStore &store = Program::get().progressStore();
    items_.clear();
    position_ = reviewed_ = right_ = 0;
    // An item its exercise no longer has is left out, never shown broken.
    for (const ScheduledItem &due : store.dueItems())
        if (std::optional<ReviewItem> item = findReviewItem(due))
            items_.append(*item);
    show();
    showStore();
    if (items_.isEmpty())
        showSummary();
    else
        showItem();
}

void Review::showStore()
{
    ProgressStore &store = Program::get().progressStore();
    QLabel *label = ui().store;
    QString text;
    const QString problem = store.problem();
    if (store.filePath().isEmpty())
        text = tr("Nothing of this run is being kept, so there is nothing to review.");
    else if (!store.canRead())
        text = tr("Your progress cannot be read, so there is nothing to review.");
    else if (!store.saving())
        text = tr("This review will not be kept: your progress cannot be saved now.");
    if (!problem.isEmpty())
        text = text.isEmpty() ? problem : text + QLatin1Char('\n') + problem;
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void Review::showItem()
{
    ReviewUi &u = ui();
    const ReviewItem &item = items_.at(position_);
    answered_ = false;
    u.summary->hide();
    //: the item's number and how many items the review has
    u.counter->setText(tr("%1 of %2").arg(position_ + 1).arg(items_.size()));
    u.source->setText(item.plus ? tr("From exercise %1, Plus").arg(item.exercise)
                                : tr("From exercise %1").arg(item.exercise));
    u.instruction->setText(item.instruction);
    u.instruction->setVisible(!item.instruction.isEmpty());
    u.task->setText(whatToType(item));
    u.task->setVisible(!u.task->text().isEmpty());
    u.prompt->setText(item.prompt);
    u.prompt->setVisible(!item.prompt.isEmpty());
    u.picture->setPicture(item.picture);
    u.picture->setVisible(!item.picture.isNull());
    u.picture->setAccessibleDescription(item.prompt.isEmpty() ? tr("Name what the picture shows") : item.prompt);
    u.verdict->clear();
    u.next->setAccessibleDescription(QString());
    u.answer = item.hungarianKeys ? u.keyedAnswer : u.plainAnswer;
    (item.hungarianKeys ? u.plainAnswer : u.keyedAnswer)->hide();
    u.answerLabel->setBuddy(u.answer);
    for (QWidget *w : std::initializer_list<QWidget *>{u.counter, u.source, u.answerLabel, u.answer, u.check, u.next})
        w->setVisible(true);
    u.answer->clear();
    u.answer->setReadOnly(false);
    u.check->setEnabled(true);
    u.next->setEnabled(false);
    setDefaultButton(u.check);
    u.answer->setFocus(Qt::OtherFocusReason);
}

void Review::checkAnswer()
{
    if (answered_ || position_ >= items_.size())
        return;
    ReviewUi &u = ui();
    const ReviewItem item = items_.at(position_);
    const ReviewCheck result = checkReviewAnswer(item, u.answer->text());
    u.answer->setText(result.normalised);
    if (result.capitalWarning) {
        // As exercise 2 does: the first letter is made a capital, and the learner is told.
        desktop().beep();
        if (!messageBox(caption(), QuestionBank::capitalWarning(), MsgIcon::Exclamation))
            return;
        if (answered_ || position_ >= items_.size())
            return;
    }
    answered_ = true;
    ++reviewed_;
    AnswerEvent event;
    event.exercise = item.exercise;
    event.plus = item.plus;
    event.item = item.item;
    event.expected = item.expected;
    event.answer = result.normalised;
    event.right = result.right;
    event.firstTry = true;
    event.lesson = item.lesson;
    event.section = item.section;
    Program::get().progressStore().recordAnswer(event);
    showStore(); // a store that has just stopped saving says so

    u.answer->setReadOnly(true);
    u.check->setEnabled(false);
    u.next->setEnabled(true);
    setDefaultButton(u.next);
    QString verdict; // as a screen reader says it
    if (result.right) {
        ++right_;
        //: %1 is the Hungarian answer
        verdict = tr("Right! %1").arg(item.expected);
        u.verdict->setText(verdict.toHtmlEscaped());
        if (!item.answeredPicture.isNull())
            u.picture->setPicture(item.answeredPicture);
        emit hungarianShown(item.spoken);
    } else {
        const MarkedAnswer marked = markedAnswer(item);
        const QString text = tr("Not quite. The right answer is: %1");
        verdict = text.arg(item.expected);
        QString html = text.toHtmlEscaped().arg(marked.html);
        if (!marked.words.isEmpty()) {
            verdict += QLatin1Char(' ') + marked.words;
            // Nothing to underline where the gap stays empty: the words say it on screen too.
            if (item.answer.isEmpty())
                html += QLatin1Char(' ') + marked.words.toHtmlEscaped();
        }
        u.verdict->setText(html);
        emit hungarianShown(item.expected);
    }
    u.picture->setAccessibleDescription(item.expected);
    // The focus moves on to Next, and a screen reader reads the button it lands on: the verdict
    // goes with it, so that the learner hears it without looking for the label. The window then
    // waits for Next, however long the learner takes.
    u.next->setAccessibleDescription(verdict);
    u.next->setFocus(Qt::OtherFocusReason);
}

void Review::nextItem()
{
    if (!answered_ || position_ >= items_.size())
        return;
    ++position_;
    if (position_ < items_.size())
        showItem();
    else
        showSummary();
}

QString Review::nextDueText(const NextDue &next) const
{
    if (!next.day.isValid() || next.items <= 0)
        return QString();
    const QDate today = fsrs::reviewDay(Program::get().progressStore().now());
    const qint64 days = today.daysTo(next.day);
    const QString items = next.items == 1 ? tr("1 item") : tr("%n items", nullptr, next.items);
    QString when;
    if (days <= 1)
        when = tr("tomorrow");
    else if (days < 7)
        //: date format of a day in the coming week: its name
        when = QLocale().toString(next.day, tr("dddd"));
    else
        //: date format of a day further ahead
        when = QLocale().toString(next.day, tr("d MMMM yyyy"));
    //: %1 is the day the next items are due, %2 how many they are
    return tr("Next: %1, %2.").arg(when, items);
}

void Review::showSummary()
{
    ReviewUi &u = ui();
    ProgressStore &store = Program::get().progressStore();
    for (QWidget *w : std::initializer_list<QWidget *>{u.counter, u.source, u.instruction, u.task, u.picture, u.prompt,
                                                       u.answerLabel, u.answer, u.check, u.next, u.verdict})
        w->hide();
    QString text;
    if (reviewed_ == 0)
        text = tr("Nothing is due now.");
    else
        text = tr("Review done: %1 reviewed, %2 right.").arg(reviewed_).arg(right_);
    const QString next = store.canRead() ? nextDueText(store.nextDue()) : QString();
    if (!next.isEmpty())
        text += QLatin1Char(' ') + next;
    else if (store.canRead() && reviewed_ == 0)
        text += QLatin1Char(' ') + tr("Items you answer in the exercises come back here when they are due.");
    u.summary->setText(text);
    u.summary->show();
    setDefaultButton(u.close);
    u.close->setFocus(Qt::OtherFocusReason);
}
