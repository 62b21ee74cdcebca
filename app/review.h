#pragma once
#include "exercises/review/reviewitems.h"
#include "ui/form.h"

#include <QList>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct NextDue;

struct ReviewUi {
    QLabel *store;       // why nothing can be reviewed, or why this review is not kept
    QLabel *counter;     // "3 of 12"
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
    QPushButton *check, *next, *close;
};

// The review of the items due: each one as its own exercise presents it, checked with that
// exercise's check, most overdue first. Every item counts once, as Good or Again, in the
// learner's record, which then schedules it anew. After each answer the window waits for Next
// (or Enter), so that no key meant for the verdict lands on an item not yet seen.
class Review : public FormWith<ReviewUi> {
    Q_OBJECT
public:
    Review();
    static QString caption();
    // The Progress menu item's caption with the number of items due now.
    static QString menuCaption(int due);
    // What the learner types for an item, where its exercise's instruction does not say it
    // plainly; empty where it does.
    static QString whatToType(const ReviewItem &item);

    // Shows the window with the items due now, from the first.
    void open();
    void checkAnswer();
    void nextItem();

    // Where the review stands: the items it presents, and how far it has come.
    const QList<ReviewItem> &items() const { return items_; }
    int position() const { return position_; }
    int reviewed() const { return reviewed_; }
    int rightCount() const { return right_; }

signals:
    // A Hungarian phrase to speak: a right answer's, or the right answer after a wrong one.
    void hungarianShown(const QString &text);

protected:
    void build(ReviewUi &ui, QWidget *client) override;
    void Form_Load() override;

private:
    void showItem();
    void showSummary();
    void showStore();
    QString nextDueText(const NextDue &next) const;

    QList<ReviewItem> items_;
    int position_ = 0;
    int reviewed_ = 0;
    int right_ = 0;
    bool answered_ = false; // the item on screen has been checked
};
