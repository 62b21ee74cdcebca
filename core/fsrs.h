#pragma once
// The review scheduler: the FSRS-6 memory model (stability, difficulty, retrievability) with its
// published formulas and default weights. Pure functions of numbers and dates: no widgets, no
// database; the progress store replays its answer log through them.
#include <QDate>
#include <QDateTime>
#include <array>

namespace fsrs {

// The learner's grade of one review. The exercises give Again (a wrong first try) or Good (a
// right one); Hard and Easy take part in the formulas all the same.
enum Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

using Weights = std::array<double, 21>;

// The 21 default weights w0..w20 of FSRS-6.
inline constexpr Weights defaultWeights = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                           0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                           1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

inline constexpr double desiredRetention = 0.90;
inline constexpr double minStability = 0.001;
inline constexpr double maxStability = 36500;
inline constexpr int maxInterval = 36500;

struct MemoryState {
    double stability = 0; // days until recall falls to 90 %
    double difficulty = 0; // 1 to 10
};

// Probability of recall t days after the last review of an item of stability s.
double retrievability(double elapsedDays, double stability, const Weights &w = defaultWeights);

// Days until the next review so that recall has fallen to `retention`: rounded, 1 to 36,500.
int interval(double stability, double retention = desiredRetention, const Weights &w = defaultWeights);

// The state after an item's first review.
double initialStability(Rating rating, const Weights &w = defaultWeights);
// D0(G) = w4 - e^(w5 (G-1)) + 1; clamped to [1, 10] unless asked not to (mean reversion needs
// the raw value for Easy).
double initialDifficulty(Rating rating, bool clamp = true, const Weights &w = defaultWeights);
MemoryState initialState(Rating rating, const Weights &w = defaultWeights);

// Difficulty after a review: the linear-damped step, then mean reversion towards D0(Easy).
double nextDifficulty(double difficulty, Rating rating, const Weights &w = defaultWeights);

// The state after a later review, `elapsedDays` review days after the one before (0: the same day).
MemoryState nextState(const MemoryState &state, int elapsedDays, Rating rating, const Weights &w = defaultWeights);

// A review day starts when the local clock reads 04:00.
inline constexpr int dayStartSeconds = 4 * 3600;

// The offset from UTC, in seconds east, that this machine's time zone has at a moment.
int utcOffset(const QDateTime &moment);

// The review day of a moment (milliseconds since 1970 UTC) where the clock was `utcOffset` seconds
// ahead of UTC: the local date, or the day before while the local clock reads earlier than 04:00,
// so that practice after midnight still counts to the evening before. It goes by the clock, not by
// the time elapsed since midnight: on the nights the clocks change the day still starts at 04:00.
// Every review day is this one's: the schedule's, the due figures', the review's summary.
QDate reviewDay(qint64 utcMs, int utcOffset);
// The review day of a moment at the offset this machine's time zone has then; invalid for an
// invalid moment.
QDate reviewDay(const QDateTime &moment);

// Whole review days from one review day to a later one; never negative (a clock that went back).
int elapsedDays(const QDate &from, const QDate &to);

// One item's memory as its first tries build it up.
struct ItemMemory {
    MemoryState state;
    int reviews = 0; // first tries counted
    int lapses = 0;  // Again ratings once the item had reviews
    QDate lastDay;   // the review day of the last review
    QDate due;       // the review day it falls due
};

// Applies one first try on review day `day`: right is Good, wrong is Again.
void review(ItemMemory &item, const QDate &day, bool right, const Weights &w = defaultWeights);

} // namespace fsrs
