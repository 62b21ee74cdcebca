#include "app/review.h"

#include "core/desktop.h"
#include "core/fsrs.h"
#include "core/lessons.h"
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

// The right answer after a miss, with the part the learner types underlined and the letters that
// differ from the answer given marked, and both in words for a screen reader (with the verdict on
// Next, where the focus lands) and on screen where there is nothing to mark.
struct MarkedAnswer {
    QString html;
    QString words; // empty where there is nothing to say
    bool wordsShown = false; // the words are on screen too: they mark what nothing marks
};

// The letters of a text that differ, in reversed colours: the label's own two, so that they read
// as well as the rest of the verdict under any theme. A space stays as wide as a space.
QString markedLetter(QChar letter, const QPalette &palette)
{
    return QStringLiteral("<span style=\"white-space:pre; color:%1; background-color:%2\">%3</span>")
        .arg(palette.color(QPalette::Window).name(), palette.color(QPalette::WindowText).name(),
             QString(letter).toHtmlEscaped());
}

// What the marks stand for, in words.
QString marksInWords(const QString &shown, const ReviewNearMiss &near)
{
    QStringList letters;
    for (qsizetype at : near.marked)
        letters.append(shown.at(at));
    switch (near.kind) {
    case NearMiss::Accents:
    case NearMiss::Capitals:
        //: %1 lists the letters of the right answer that differ from the answer given, as "ó, ű"
        return Review::tr("The letters that differ: %1.").arg(letters.join(QStringLiteral(", ")));
    case NearMiss::Spaces:
        return near.marked.isEmpty() ? Review::tr("Your answer has a space too many.")
                                     : Review::tr("A space is missing where it is marked.");
    case NearMiss::FinalPunctuation:
        if (near.marked.isEmpty())
            return Review::tr("The right answer ends without punctuation.");
        //: %1 is the punctuation mark at the end of the right answer
        return Review::tr("The right answer ends with: %1").arg(letters.join(QString()));
    case NearMiss::None: break;
    }
    return QString();
}

MarkedAnswer markedAnswer(const ReviewItem &item, const ReviewNearMiss &near, const QPalette &palette)
{
    const QString whole = near.kind == NearMiss::None ? item.expected : near.shown;
    // The part to type, where the whole answer shown is the item's own and the part stands in it.
    qsizetype partAt = -1;
    QString partWords;
    if ((near.kind == NearMiss::None || near.expected) && item.answer != whole && item.answerAt >= 0 &&
        item.answerAt <= whole.size() && whole.mid(item.answerAt, item.answer.size()) == item.answer) {
        if (item.answer.isEmpty()) {
            partWords = Review::tr("Nothing goes in the gap.");
        } else {
            //: %1 is the Hungarian word or article the learner types, underlined in the right answer
            partWords = Review::tr("The part to type: %1.").arg(item.answer);
            partAt = item.answerAt;
        }
    }
    const qsizetype partEnd = partAt < 0 ? -1 : partAt + item.answer.size();
    QString html;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        // Underlined: the verdict is bold already.
        if (i == partAt)
            html += QStringLiteral("<u>");
        html += near.marked.contains(i) ? markedLetter(whole.at(i), palette) : QString(whole.at(i)).toHtmlEscaped();
        if (i + 1 == partEnd)
            html += QStringLiteral("</u>");
    }
    MarkedAnswer marked{html, partWords, partAt < 0 && !partWords.isEmpty()};
    if (const QString marks = marksInWords(whole, near); !marks.isEmpty()) {
        marked.words = marked.words.isEmpty() ? marks : marked.words + QLatin1Char(' ') + marks;
        marked.wordsShown = marked.wordsShown || near.marked.isEmpty();
    }
    return marked;
}

// The verdict on a miss, its right answer as %1.
QString missText(NearMiss kind)
{
    switch (kind) {
    //: %1 is the right answer, its letters that differ from the answer given marked
    case NearMiss::Accents: return Review::tr("Only the accents differ: %1");
    case NearMiss::Capitals: return Review::tr("Only the capital letters differ: %1");
    case NearMiss::Spaces: return Review::tr("Only the spaces differ: %1");
    case NearMiss::FinalPunctuation: return Review::tr("Only the final punctuation differs: %1");
    case NearMiss::None: break;
    }
    return Review::tr("Not quite. The right answer is: %1");
}

} // namespace

Review::Review(ProgressStore &store, Speech &speech)
    : FormWith({QStringLiteral("review"), caption(), 7800, 7200, QColor(), QFont()}), store_(store), speech_(speech)
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
    case 5:
        // A word list's word is asked by its translation or definition, or by its picture.
        return item.picture.isNull() ? tr("Type the Hungarian word.") : tr("Type the Hungarian word for the picture.");
    default: return QString(); // exercise 2 asks for complete sentences itself
    }
}

void Review::build(ReviewUi &ui, QWidget *c)
{
    auto *layout = new QVBoxLayout(c);

    ui.store = textLabel(c, QStringLiteral("store"), tr("About your record"));
    layout->addWidget(ui.store);

    auto *top = new QHBoxLayout;
    ui.source = textLabel(c, QStringLiteral("source"), tr("Where the item comes from"));
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
    ui.endReview = new QPushButton(tr("&End review"), c);
    ui.endReview->setObjectName(QStringLiteral("endReview"));
    ui.close = new QPushButton(tr("&Close"), c);
    ui.close->setObjectName(QStringLiteral("close"));
    for (QPushButton *button : {ui.check, ui.next, ui.endReview, ui.close})
        button->setAutoDefault(false);
    buttons->addWidget(ui.check);
    buttons->addWidget(ui.next);
    buttons->addStretch(1);
    buttons->addWidget(ui.endReview);
    buttons->addWidget(ui.close);
    layout->addLayout(buttons);

    onControl(ui.check, &QPushButton::clicked, this, &Review::checkAnswer);
    onControl(ui.next, &QPushButton::clicked, this, &Review::nextItem);
    onControl(ui.endReview, &QPushButton::clicked, this, &Review::endReview);
    onControl(ui.close, &QPushButton::clicked, [this] { unload(); });
}

void Review::Form_Load()
{
    centerForm(window());
    // The exercise windows stay above others; this one opens above them.
    desktop().setTopmost(window(), true);
    // The voice connects now, in the background, so that it is ready for the first answer.
    speech_.prepare();
}

void Review::open()
{
    practised_.clear();
    fresh_ = stillNew_ = 0;
    // An item its exercise no longer has is left out, never shown broken.
    QList<ReviewItem> due;
    for (const ScheduledItem &scheduled : store_.dueItems())
        if (std::optional<ReviewItem> item = findReviewItem(scheduled))
            due.append(*item);
    start(std::move(due));
}

void Review::practise(const QString &lesson, int newPerDay)
{
    Practice practice = practiceOf(lesson, store_.lessonRecord(lesson), store_.dueItemsOf(lesson), newPerDay);
    practised_ = lesson;
    fresh_ = practice.fresh;
    stillNew_ = practice.stillNew;
    start(std::move(practice.items));
}

void Review::start(QList<ReviewItem> items)
{
    items_ = std::move(items);
    // Each item carries its check into the session.
    QList<ReviewSession::Item> asked;
    for (const ReviewItem &item : std::as_const(items_))
        asked.append(sessionItem(item));
    session_ = ReviewSession(std::move(asked));
    show();
    window()->setWindowTitle(practised_.isEmpty() ? caption() : tr("Tarvo - Practice"));
    const QString endTip = practised_.isEmpty()
                               ? tr("Stop here and see what you have reviewed. The items not reviewed stay due.")
                               : tr("Stop here and see what you have practised. The items not answered wait for "
                                    "your next practice.");
    ui().endReview->setText(practised_.isEmpty() ? tr("&End review") : tr("&End practice"));
    ui().endReview->setToolTip(endTip);
    ui().endReview->setAccessibleDescription(endTip);
    showStore();
    if (session_.finished())
        showSummary();
    else
        showItem();
}

void Review::showStore()
{
    ProgressStore &store = store_;
    QLabel *label = ui().store;
    QString text;
    const QString problem = store.problem();
    if (!practised_.isEmpty()) {
        // A practice goes on without a record, but nothing of it is kept.
        if (store.filePath().isEmpty())
            text = tr("Nothing of this run is being kept, so this practice is not kept either.");
        else if (!store.saving())
            text = tr("This practice will not be kept: your progress cannot be saved now.");
    } else if (store.filePath().isEmpty()) {
        text = tr("Nothing of this run is being kept, so there is nothing to review.");
    } else if (!store.canRead()) {
        text = tr("Your progress cannot be read, so there is nothing to review.");
    } else if (!store.saving()) {
        text = tr("This review will not be kept: your progress cannot be saved now.");
    }
    if (!problem.isEmpty())
        text = text.isEmpty() ? problem : text + QLatin1Char('\n') + problem;
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void Review::showItem()
{
    ReviewUi &u = ui();
    const ReviewItem &item = items_.at(session_.current());
    u.summary->hide();
    // The counter counts items: an item asked again after a miss keeps its number.
    if (session_.isRepeat())
        //: the item's number and how many items the review has, for an item asked again after a miss
        u.counter->setText(tr("%1 of %2, again").arg(session_.number()).arg(session_.size()));
    else
        //: the item's number and how many items the review has
        u.counter->setText(tr("%1 of %2").arg(session_.number()).arg(session_.size()));
    if (item.lesson == lessonOneId()) {
        u.source->setText(item.plus ? tr("From exercise %1, Plus").arg(item.exercise)
                                    : tr("From exercise %1").arg(item.exercise));
    } else {
        // An item of the learner's own lessons: the lesson's title, and in a practice whether the
        // item is new.
        const std::shared_ptr<const Lesson> lesson = Lessons::find(item.lesson);
        const QString title = lesson ? lesson->title : item.lesson;
        //: %1 is the title of the lesson the item comes from
        u.source->setText(!practised_.isEmpty() && session_.current() < fresh_ ? tr("From “%1”, new").arg(title)
                                                                               : tr("From “%1”").arg(title));
    }
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
    for (QWidget *w : std::initializer_list<QWidget *>{u.counter, u.source, u.answerLabel, u.answer, u.check, u.next,
                                                       u.endReview})
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
    if (session_.finished() || session_.answered())
        return;
    ReviewUi &u = ui();
    const int asked = session_.current();
    const ReviewItem item = items_.at(asked);
    const ItemCheck result = session_.check(u.answer->text());
    u.answer->setText(result.answer);
    if (result.capitalWarning) {
        // As exercise 2 does: the first letter is made a capital, and the learner is told.
        desktop().beep();
        if (!messageBox(caption(), QuestionBank::capitalWarning(), MsgIcon::Exclamation))
            return;
        if (session_.finished() || session_.answered() || session_.current() != asked)
            return;
    }
    const ReviewSession::Outcome outcome = session_.answer(result);
    if (outcome.counts) {
        emit answerChecked(outcome.event);
        showStore(); // a store that has just stopped saving says so
    }

    u.answer->setReadOnly(true);
    u.check->setEnabled(false);
    u.next->setEnabled(true);
    setDefaultButton(u.next);
    showVerdict(item, result);
    // The focus moves on to Next, and a screen reader reads the button it lands on: the verdict
    // goes with it (see showVerdict), so that the learner hears it without looking for the label.
    // The window then waits for Next, however long the learner takes.
    u.next->setFocus(Qt::OtherFocusReason);
}

void Review::showVerdict(const ReviewItem &item, const ItemCheck &result)
{
    ReviewUi &u = ui();
    QString verdict; // as a screen reader says it
    if (result.right) {
        //: %1 is the Hungarian answer
        verdict = tr("Right! %1").arg(item.expected);
        u.verdict->setText(verdict.toHtmlEscaped());
        if (!item.answeredPicture.isNull())
            u.picture->setPicture(item.answeredPicture);
        emit hungarianShown(item.spoken);
    } else {
        // A miss in accents, capitals, spaces or the final punctuation alone is told as such.
        const ReviewNearMiss near = reviewNearMiss(item, result.answer);
        const MarkedAnswer marked = markedAnswer(item, near, u.verdict->palette());
        const QString text = missText(near.kind);
        verdict = text.arg(near.kind == NearMiss::None ? item.expected : near.shown);
        QString html = text.toHtmlEscaped().arg(marked.html);
        if (!marked.words.isEmpty()) {
            verdict += QLatin1Char(' ') + marked.words;
            // Where nothing marks it (an empty gap, a space too many), the words say it on screen.
            if (marked.wordsShown)
                html += QLatin1Char(' ') + marked.words.toHtmlEscaped();
        }
        u.verdict->setText(html);
        emit hungarianShown(item.expected);
    }
    u.picture->setAccessibleDescription(item.expected);
    u.next->setAccessibleDescription(verdict);
}

void Review::nextItem()
{
    if (session_.finished() || !session_.answered())
        return;
    session_.next();
    if (session_.finished())
        showSummary();
    else
        showItem();
}

void Review::endReview()
{
    if (session_.finished())
        return;
    session_.end();
    showSummary();
}

QString Review::nextDueText(const NextDue &next) const
{
    if (!next.day.isValid() || next.items <= 0)
        return QString();
    const QDate today = fsrs::reviewDay(store_.now());
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
    ProgressStore &store = store_;
    for (QWidget *w : std::initializer_list<QWidget *>{u.counter, u.source, u.instruction, u.task, u.picture, u.prompt,
                                                       u.answerLabel, u.answer, u.check, u.next, u.endReview,
                                                       u.verdict})
        w->hide();
    const ReviewSession::Summary done = session_.summary();
    QString text;
    if (!practised_.isEmpty()) {
        if (done.items == 0)
            text = tr("Nothing to practise in this lesson now.");
        else if (done.stayDue > 0)
            //: the practice ended early: %1 items answered of %2, %3 of them right at their first answer
            text = tr("%1 of %2 practised. %3 right.").arg(done.reviewed).arg(done.items).arg(done.right);
        else
            text = tr("Practice done: %1 practised, %2 right.").arg(done.reviewed).arg(done.right);
        if (stillNew_ > 0)
            text += QLatin1Char(' ') + (stillNew_ == 1 ? tr("1 new item of this lesson waits for another day.")
                                                       : tr("%n new items of this lesson wait for another day.",
                                                            nullptr, stillNew_));
    } else if (done.items == 0) {
        text = tr("Nothing is due now.");
    } else if (done.stayDue > 0) {
        // Ended early: what was answered is kept, the rest stays due.
        text = done.stayDue == 1
                   //: the review ended early: %1 items answered of %2, %3 of them right at their first answer
                   ? tr("%1 of %2 reviewed; 1 stays due. %3 right.").arg(done.reviewed).arg(done.items).arg(done.right)
                   //: the review ended early: %1 items answered of %2, %3 not answered, %4 right at their
                   //: first answer
                   : tr("%1 of %2 reviewed; %3 stay due. %4 right.")
                         .arg(done.reviewed)
                         .arg(done.items)
                         .arg(done.stayDue)
                         .arg(done.right);
    } else {
        text = tr("Review done: %1 reviewed, %2 right.").arg(done.reviewed).arg(done.right);
    }
    const QString next = practised_.isEmpty() && store.canRead() && done.stayDue == 0 ? nextDueText(store.nextDue())
                                                                                      : QString();
    if (!next.isEmpty())
        text += QLatin1Char(' ') + next;
    else if (practised_.isEmpty() && store.canRead() && done.items == 0)
        text += QLatin1Char(' ') + tr("Items you answer in the exercises come back here when they are due.");
    if (!done.repeated.isEmpty()) {
        // Each in the quotation marks of the interface language.
        QStringList names;
        for (const QString &name : done.repeated)
            names.append(QLocale().quoteString(name));
        //: %1 lists the items answered wrong at first, which came back until they were answered right
        text += QLatin1Char('\n') + tr("Items that had to be repeated: %1").arg(names.join(QStringLiteral(", ")));
    }
    u.summary->setText(text);
    u.summary->show();
    setDefaultButton(u.close);
    u.close->setFocus(Qt::OtherFocusReason);
}
