#pragma once
#include <QString>

// The answer normalisations. Only the space character counts as a blank here: a tab or a line
// break is part of the answer and makes it wrong.
QString trimSpaces(const QString &text);
// Every run of spaces becomes one space, in one pass.
QString collapseSpaces(const QString &text);

// An answer trimmed of spaces and compared with the one right answer.
struct TrimmedCheck {
    QString answer; // as it was compared
    bool right = false;
};
TrimmedCheck checkTrimmed(const QString &typed, const QString &right);
