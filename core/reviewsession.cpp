#include "core/reviewsession.h"

#include <algorithm>

ReviewSession::ReviewSession(QList<Item> items)
    : items_(std::move(items)), met_(items_.size(), false), firstRight_(items_.size(), false)
{
    queue_.reserve(items_.size());
    for (int i = 0; i < items_.size(); ++i)
        queue_.append(i);
}

ItemCheck ReviewSession::check(const QString &typed) const
{
    const int asked = current();
    if (asked < 0 || !items_.at(asked).check)
        return {typed, false, false};
    return items_.at(asked).check(typed);
}

ReviewSession::Outcome ReviewSession::answer(const ItemCheck &checked)
{
    Outcome outcome;
    const int asked = current();
    if (asked < 0 || answered_)
        return outcome;
    answered_ = true;
    outcome.right = checked.right;
    if (!met_[asked]) {
        met_[asked] = true;
        firstRight_[asked] = checked.right;
        if (!checked.right)
            missed_.append(asked);
        outcome.counts = true;
        outcome.event = items_.at(asked).record;
        outcome.event.answer = checked.answer;
        outcome.event.right = checked.right;
        outcome.event.firstTry = true;
    }
    if (!checked.right) {
        // Back after a few other items, or last of all when fewer are left.
        outcome.comesBack = true;
        queue_.insert(std::min<qsizetype>(1 + repeatGap, queue_.size()), asked);
    }
    return outcome;
}

void ReviewSession::next()
{
    if (finished() || !answered_)
        return;
    queue_.removeFirst();
    answered_ = false;
    repeat_ = !finished() && met_[current()];
}

void ReviewSession::end()
{
    queue_.clear();
    answered_ = false;
    repeat_ = false;
}

ReviewSession::Summary ReviewSession::summary() const
{
    Summary s;
    s.items = size();
    for (int i = 0; i < size(); ++i) {
        s.reviewed += met_[i];
        s.right += met_[i] && firstRight_[i];
    }
    s.stayDue = s.items - s.reviewed;
    for (int i : missed_)
        s.repeated.append(items_.at(i).name);
    return s;
}
