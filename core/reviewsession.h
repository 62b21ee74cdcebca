#pragma once
#include "core/lesson.h"
#include "core/runevents.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// An item's own check: a typed answer as the item's exercise checks it.
using AnswerCheck = std::function<ItemCheck(const QString &typed)>;

// One session of items answered one by one, without any window: a review of the items due, or a
// practice of a lesson's items. It owns the queue, the counts and the summary.
//
// The items come in the order given, each once. An item answered wrong comes back later in the
// same session, after `repeatGap` other items (at the end when fewer are left), and again until
// it is answered right. Only an item's first answer in the session counts: it is the one the
// record keeps (rated Good or Again by the schedule) and the one the summary counts; the answers
// to its repeats are practice and are kept nowhere. The learner may end the session at any time;
// what has been answered by then stays answered.
class ReviewSession {
public:
    static constexpr int repeatGap = 3;

    struct Item {
        // What the record keeps an answer to the item under: exercise, plus, item and expected
        // are filled; the session fills in the answer, whether it is right, and firstTry.
        AnswerEvent record;
        QString name; // how the summary names the item: its right answer
        AnswerCheck check;
    };

    // What an answer did.
    struct Outcome {
        bool counts = false;    // the item's first answer: `event` goes to the record
        bool right = false;
        bool comesBack = false; // wrong: the item is asked again later in this session
        AnswerEvent event;
    };

    struct Summary {
        int items = 0;     // in the session
        int reviewed = 0;  // items answered at least once
        int right = 0;     // of those, right at their first answer
        int stayDue = 0;   // items never answered: the session was ended early
        QStringList repeated; // the items answered wrong at first, by name, in the order they were missed
    };

    ReviewSession() = default;
    explicit ReviewSession(QList<Item> items);

    int size() const { return int(items_.size()); }
    const Item &item(int index) const { return items_.at(index); }
    // Nothing is left to ask: every item answered right, or the session ended.
    bool finished() const { return queue_.isEmpty(); }

    // The item asked now, as an index into the items; -1 when the session is finished.
    int current() const { return finished() ? -1 : queue_.first(); }
    // Its number among the items ("3 of 12"): the place it was first asked in, 1 to size().
    int number() const { return current() + 1; }
    // Whether it is asked again after a wrong answer.
    bool isRepeat() const { return repeat_; }
    // Whether it has been answered: the session waits for next().
    bool answered() const { return answered_; }

    // The item's own check of a typed answer; nothing is right when no item is asked.
    ItemCheck check(const QString &typed) const;
    // Takes the answer to the item asked, as its check took it. Nothing happens once it has been
    // answered (until next()) or when the session is finished.
    Outcome answer(const ItemCheck &checked);
    // On to the next item, once the one asked has been answered.
    void next();
    // Ends the session now: nothing more is asked.
    void end();

    Summary summary() const;

private:
    QList<Item> items_;
    QList<int> queue_;       // the items still to ask, the one asked now first
    QList<bool> met_;        // by item: its first answer has been given
    QList<bool> firstRight_; // by item: that answer was right
    QList<int> missed_;      // the items answered wrong at first, in that order
    bool answered_ = false; // the item asked now has been answered
    bool repeat_ = false;   // the item asked now had been asked before
};
