#include "core/nearmiss.h"

namespace {

// A letter without its accents: the first character of its canonical decomposition, taken apart
// as far as it goes (ő is o and a double acute, ǘ is ü and an acute, so u).
QChar baseLetter(QChar c)
{
    while (c.decompositionTag() == QChar::Canonical) {
        const QString parts = c.decomposition();
        if (parts.isEmpty() || parts.at(0) == c)
            break;
        c = parts.at(0);
    }
    return c;
}

// Where two texts of the same length differ, if every difference is one that `alike` forgives;
// nothing when they differ in length, are the same, or differ otherwise.
template <class Alike>
QList<qsizetype> differences(const QString &typed, const QString &right, Alike alike)
{
    if (typed.size() != right.size())
        return {};
    QList<qsizetype> at;
    for (qsizetype i = 0; i < right.size(); ++i) {
        if (typed.at(i) == right.at(i))
            continue;
        if (!alike(typed.at(i), right.at(i)))
            return {};
        at.append(i);
    }
    return at;
}

QString withoutSpaces(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}

// The spaces of `right` that `typed` lacks; the two are the same without their spaces.
QList<qsizetype> missingSpaces(const QString &typed, const QString &right)
{
    QList<qsizetype> at;
    qsizetype j = 0;
    for (qsizetype i = 0; i < right.size();) {
        if (j < typed.size() && typed.at(j) == right.at(i)) {
            ++i;
            ++j;
        } else if (right.at(i) == QLatin1Char(' ')) {
            at.append(i++);
        } else {
            ++j; // a space typed too many
        }
    }
    return at;
}

bool endsSentence(QChar c)
{
    return c.isPunct() || c == QLatin1Char(' ');
}

// Where the text's run of final punctuation (and spaces among it) begins.
qsizetype finalPunctuation(const QString &text)
{
    qsizetype at = text.size();
    while (at > 0 && endsSentence(text.at(at - 1)))
        --at;
    return at;
}

} // namespace

NearMissFound nearMiss(const QString &typed, const QString &right)
{
    if (typed == right || typed.isEmpty() || right.isEmpty())
        return {};
    if (QList<qsizetype> at = differences(typed, right, [](QChar a, QChar b) { return a.toLower() == b.toLower(); });
        !at.isEmpty())
        return {NearMiss::Capitals, at};
    if (QList<qsizetype> at = differences(typed, right,
                                          [](QChar a, QChar b) { return a.isLetter() && baseLetter(a) == baseLetter(b); });
        !at.isEmpty())
        return {NearMiss::Accents, at};
    if (withoutSpaces(typed) == withoutSpaces(right))
        return {NearMiss::Spaces, missingSpaces(typed, right)};
    const qsizetype typedEnd = finalPunctuation(typed), rightEnd = finalPunctuation(right);
    if (typedEnd > 0 && typedEnd == rightEnd && typed.left(typedEnd) == right.left(rightEnd)) {
        NearMissFound found{NearMiss::FinalPunctuation, {}};
        for (qsizetype i = rightEnd; i < right.size(); ++i)
            if (right.at(i) != QLatin1Char(' '))
                found.marked.append(i);
        return found;
    }
    return {};
}
