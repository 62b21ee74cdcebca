#pragma once
#include "core/answer.h"
#include "ui/picture.h"

#include <QString>

// What exercise 5 needs beside its noun list (Module1::nounList, filled from nounTable()):
// the drawing of each noun and the answer check. A view on lesson 1's section "5"
// (core/lessonfile.h): the window and the review both use it.
namespace NounBank {

// The drawing of noun i (0 to 19): grey while it is unnamed, in colour once it is named.
Picture greyPicture(int index);
Picture colourPicture(int index);

// An answer as the exercise checks it: trimmed of spaces, then compared with a noun.
QString entry(const QString &typed);
bool names(const QString &entry, const QString &noun);
// The same for one noun, as the review asks.
TrimmedCheck check(const QString &typed, const QString &noun);

} // namespace NounBank
