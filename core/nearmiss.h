#pragma once
#include <QList>
#include <QString>

// How a wrong answer differs from a right one where it differs in one way only: the learner knew
// the word and missed its accents, its capital letters, its spaces or its final punctuation.
enum class NearMiss {
    None,             // the same text, or a difference of another kind (or of several kinds)
    Accents,          // the same letters but for their accents: a for á, o for ő, ö for ő, ...
    Capitals,         // the same letters but for capital and small ones
    Spaces,           // the same but for spaces (the space character only)
    FinalPunctuation, // the same but for the punctuation at the end (". ? ! …")
};

struct NearMissFound {
    NearMiss kind = NearMiss::None;
    // Where the right answer differs, as indexes into it, ascending: the letters whose accent or
    // case differs, the spaces the answer lacks, the final punctuation it lacks or has another of.
    // A space or a mark typed too many has no place in the right answer: nothing is marked for it.
    QList<qsizetype> marked;
};

// Compares a wrong answer, as its check took it, with a right one.
NearMissFound nearMiss(const QString &typed, const QString &right);
