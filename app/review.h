#pragma once
#include "core/reviewsession.h"
#include "exercises/review/reviewitems.h"
#include "ui/form.h"

#include <QList>

class PictureBox;
class ProgressStore;
class QLabel;
class QLineEdit;
class QPushButton;
class Speech;
struct NextDue;

struct ReviewUi {
    QLabel *store;       // why nothing can be reviewed, or why this review is not kept
    QLabel *counter;     // "3 of 12", "3 of 12, again"
    QLabel *source;      // "From exercise 2"
    QLabel *instruction; // the exercise's own instruction
    QLabel *task;        // what to type, where the instruction leaves it open
    PictureBox *picture;
    QLabel *prompt;
    QLineEdit *answer;   // the answer box of the item on screen: one of the two below
    QLineEdit *keyedAnswer, *plainAnswer; // with the Hungarian key substitution, and without
    QLabel *answerLabel;
    QLabel *verdict;     // "Right!", or the right answer
    QLabel *summary;     // at the end, or when nothing is due
    QPushButton *check, *next, *endReview, *close;
};

// The review of the items due: each one as its own exercise presents it, checked with that
// exercise's check, most overdue first. The session (core/reviewsession.h) keeps the queue: an
// item answered wrong comes back later in it until it is answered right, and only its first
// answer goes to the record, reported by answerChecked. After each answer the window waits for
// Next (or Enter), so that no key meant for the verdict lands on an item not yet seen. A miss
// that differs from the right answer only in accents, capitals, spaces or the final punctuation
// is told so, with the letters that differ marked.
class Review : public FormWith<ReviewUi> {
    Q_OBJECT
public:
    // The record it reviews, and the speech that its window prepares when it loads.
    Review(ProgressStore &store, Speech &speech);
    static QString caption();
    // The Progress menu item's caption with the number of items due now.
    static QString menuCaption(int due);
    // What the learner types for an item, where its exercise's instruction does not say it
    // plainly; empty where it does.
    static QString whatToType(const ReviewItem &item);

    // Shows the window with the items due now, from the first.
    void open();
    // Shows the window with a practice of a lesson other than lesson 1: its items not yet met (at
    // most `newPerDay` a day), then its items due. The answers are recorded as a review's are.
    void practise(const QString &lesson, int newPerDay);
    // The lesson practised now; empty for a review.
    const QString &practised() const { return practised_; }
    void checkAnswer();
    void nextItem();
    // Ends the review before its end and shows what has been done so far.
    void endReview();

    // Where the review stands: the items it presents, in the order it first asks them, and the
    // session that asks them.
    const QList<ReviewItem> &items() const { return items_; }
    const ReviewSession &session() const { return session_; }

signals:
    // A first answer to an item, checked: what the learner's record keeps of it.
    void answerChecked(const AnswerEvent &event);
    // A Hungarian phrase to speak: a right answer's, or the right answer after a wrong one.
    void hungarianShown(const QString &text);

protected:
    void build(ReviewUi &ui, QWidget *client) override;
    void Form_Load() override;

private:
    void showItem();
    void showVerdict(const ReviewItem &item, const ItemCheck &result);
    void showSummary();
    void showStore();
    void start(QList<ReviewItem> items);
    QString nextDueText(const NextDue &next) const;

    ProgressStore &store_;
    Speech &speech_;
    QList<ReviewItem> items_;
    ReviewSession session_;
    QString practised_; // the lesson practised; empty in a review
    int fresh_ = 0;     // in a practice: its first items are new
    int stillNew_ = 0;  // in a practice: the lesson's new items left for another day
};
