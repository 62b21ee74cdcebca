#include "core/fsrs.h"

#include <algorithm>
#include <cmath>

namespace fsrs {

namespace {

// F = 0.9^(-1/w20) - 1, so that R(S, S) = 0.9 whatever the decay.
double factor(const Weights &w)
{
    return std::pow(0.9, -1.0 / w[20]) - 1.0;
}

double clampStability(double s)
{
    return std::clamp(s, minStability, maxStability);
}

double clampDifficulty(double d)
{
    return std::clamp(d, 1.0, 10.0);
}

} // namespace

double retrievability(double elapsedDays, double stability, const Weights &w)
{
    const double t = std::max(0.0, elapsedDays);
    const double s = clampStability(stability);
    return std::pow(1.0 + factor(w) * t / s, -w[20]);
}

int interval(double stability, double retention, const Weights &w)
{
    const double days = clampStability(stability) / factor(w) * (std::pow(retention, -1.0 / w[20]) - 1.0);
    if (!std::isfinite(days))
        return maxInterval;
    return int(std::clamp(std::round(days), 1.0, double(maxInterval)));
}

double initialStability(Rating rating, const Weights &w)
{
    return clampStability(w[std::clamp(int(rating), 1, 4) - 1]);
}

double initialDifficulty(Rating rating, bool clamp, const Weights &w)
{
    const double d = w[4] - std::exp(w[5] * (int(rating) - 1)) + 1.0;
    return clamp ? clampDifficulty(d) : d;
}

MemoryState initialState(Rating rating, const Weights &w)
{
    return {initialStability(rating, w), initialDifficulty(rating, true, w)};
}

double nextDifficulty(double difficulty, Rating rating, const Weights &w)
{
    const double delta = -w[6] * (int(rating) - 3);
    const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
    const double reverted = w[7] * initialDifficulty(Easy, false, w) + (1.0 - w[7]) * damped;
    return clampDifficulty(reverted);
}

MemoryState nextState(const MemoryState &state, int elapsedDays, Rating rating, const Weights &w)
{
    const double s = clampStability(state.stability);
    const double d = clampDifficulty(state.difficulty);
    double next;
    if (elapsedDays <= 0) {
        // Reviewed again on the same day: a short-term step that Good or Easy never lowers.
        double increase = std::exp(w[17] * (int(rating) - 3 + w[18])) * std::pow(s, -w[19]);
        if (rating >= Good)
            increase = std::max(increase, 1.0);
        next = s * increase;
    } else {
        const double r = retrievability(elapsedDays, s, w);
        if (rating == Again) {
            const double forgot = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) * std::exp(w[14] * (1.0 - r));
            next = std::min(forgot, s / std::exp(w[17] * w[18]));
        } else {
            const double hardPenalty = rating == Hard ? w[15] : 1.0;
            const double easyBonus = rating == Easy ? w[16] : 1.0;
            next = s * (std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1.0 - r)) - 1.0) *
                            hardPenalty * easyBonus +
                        1.0);
        }
    }
    return {clampStability(next), nextDifficulty(d, rating, w)};
}

int utcOffset(const QDateTime &moment)
{
    return moment.toLocalTime().offsetFromUtc();
}

QDate reviewDay(qint64 utcMs, int utcOffset)
{
    constexpr qint64 dayMs = 86400000;
    const qint64 localMs = utcMs + qint64(utcOffset) * 1000;
    qint64 day = localMs / dayMs; // days since 1 January 1970, rounded down
    if (localMs % dayMs < 0)
        --day;
    if (localMs - day * dayMs < qint64(dayStartSeconds) * 1000)
        --day;
    return QDate(1970, 1, 1).addDays(day);
}

QDate reviewDay(const QDateTime &moment)
{
    if (!moment.isValid())
        return {};
    return reviewDay(moment.toMSecsSinceEpoch(), utcOffset(moment));
}

int elapsedDays(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    return int(std::max<qint64>(0, from.daysTo(to)));
}

void review(ItemMemory &item, const QDate &day, bool right, const Weights &w)
{
    const Rating rating = right ? Good : Again;
    if (item.reviews == 0) {
        item.state = initialState(rating, w);
    } else {
        item.state = nextState(item.state, elapsedDays(item.lastDay, day), rating, w);
        if (!right)
            ++item.lapses;
    }
    ++item.reviews;
    // A day earlier than the last review (the clock went back) does not move the item back.
    if (!item.lastDay.isValid() || day > item.lastDay)
        item.lastDay = day;
    item.due = item.lastDay.addDays(interval(item.state.stability, desiredRetention, w));
}

} // namespace fsrs
