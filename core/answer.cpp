#include "core/answer.h"

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString collapseSpaces(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char(' ') && out.endsWith(QLatin1Char(' ')))
            continue;
        out.append(c);
    }
    return out;
}

TrimmedCheck checkTrimmed(const QString &typed, const QString &right)
{
    TrimmedCheck result;
    result.answer = trimSpaces(typed);
    result.right = result.answer == right;
    return result;
}
