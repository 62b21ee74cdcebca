#pragma once
#include "core/answer.h"

#include <QString>
#include <QStringList>

// The item bank and the answer check of exercise 1, the definite article before a noun: a view
// on lesson 1's section "1" (core/lessonfile.h). The window and the review both read it.
namespace ArticleBank {

constexpr int slotCount = 24;
// A run draws slots 1 to 23; slot 0 is what the window shows before its first Start.
constexpr int firstDrawn = 1;
constexpr int drawnCount = 23;

// The exercise's instruction line.
QString instruction();
// The nouns, slot by slot, and "a" or "az" for the noun in the same slot.
QStringList nouns();
QStringList articles();
// The article and the noun as the exercise completes them: "az autó".
QString phrase(const QString &article, const QString &noun);

// An answer as the exercise checks it: trimmed of spaces and compared with the article.
TrimmedCheck check(const QString &typed, const QString &article);

} // namespace ArticleBank
