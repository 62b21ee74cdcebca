#include "exercises/review/reviewitems.h"

#include "core/answer.h"
#include "core/module1.h"
#include "exercises/h01d1/articlebank.h"
#include "exercises/h01d2/questionbank.h"
#include "exercises/h01d3/sentencebank.h"
#include "exercises/lex1/nounbank.h"

#include <functional>

namespace {

QuestionBank::Answers questionAnswers(int index)
{
    return QuestionBank::answers(QuestionBank::isYes(index), QuestionBank::subjects().value(index),
                                 QuestionBank::pronouns().value(index), QuestionBank::predicates().value(index));
}

// A whole phrase or sentence typed for an item with a gap: the word in its gap, if the text is
// the item's phrase, before and after the gap as the exercise shows them, with that word filled in
// (spaces around the words forgiven); nothing if the text is not that phrase.
std::optional<QString> filledGap(const QString &typed, const QString &before, const QString &after,
                                 const std::function<QString(const QString &gap)> &complete)
{
    const QString text = collapseSpaces(trimSpaces(typed));
    if (text.size() < before.size() + after.size() || !text.startsWith(before) || !text.endsWith(after))
        return std::nullopt;
    const QString gap = trimSpaces(text.mid(before.size(), text.size() - before.size() - after.size()));
    if (complete(gap) != text)
        return std::nullopt;
    return gap;
}

// An item found in its exercise's bank, with its place there for the check.
struct Located {
    ReviewItem item;
    int index = -1;
};

ReviewItem baseItem(int exercise, bool plus, const QString &key)
{
    ReviewItem item;
    item.exercise = exercise;
    item.plus = plus;
    item.item = key;
    return item;
}

// Exercise 1: the noun, keyed by itself, among the slots a run draws.
std::optional<Located> articleItem(const QString &key)
{
    const QStringList nouns = ArticleBank::nouns();
    const int slot = int(nouns.indexOf(key, ArticleBank::firstDrawn));
    if (key.isEmpty() || slot < 0 || slot >= ArticleBank::firstDrawn + ArticleBank::drawnCount)
        return std::nullopt;
    Located found{baseItem(1, false, key), slot};
    ReviewItem &item = found.item;
    item.instruction = ArticleBank::instruction();
    item.prompt = key;
    item.answer = ArticleBank::articles().value(slot);
    item.expected = ArticleBank::phrase(item.answer, key);
    item.answerAt = 0;
    item.spoken = item.expected;
    item.hungarianKeys = false;
    return found;
}

// Exercise 2: the question of a picture.
std::optional<Located> questionItem(const QString &key)
{
    const int index = int(QuestionBank::questions().indexOf(key));
    if (key.isEmpty() || index < 0)
        return std::nullopt;
    Located found{baseItem(2, false, key), index};
    ReviewItem &item = found.item;
    item.instruction = QuestionBank::instruction();
    item.prompt = key;
    item.picture = QuestionBank::inkPicture(index);
    item.answeredPicture = QuestionBank::colourPicture(index);
    item.expected = questionAnswers(index).longAnswer;
    item.answer = item.expected;
    item.spoken = item.expected;
    return found;
}

// Exercises 3 and 4: the sentence with its gap, among the items of the run it belongs to.
std::optional<Located> sentenceItem(int exercise, bool plus, const QString &key)
{
    int lo, hi;
    if (key.isEmpty() || !SentenceBank::runRange(SentenceBank::runCode(exercise, plus), lo, hi))
        return std::nullopt;
    const QStringList stems = SentenceBank::stems();
    const QStringList ends = SentenceBank::ends();
    for (int index = lo; index <= hi; ++index) {
        if (SentenceBank::gappedSentence(stems.value(index), ends.value(index)) != key)
            continue;
        Located found{baseItem(exercise, plus, key), index};
        ReviewItem &item = found.item;
        item.instruction = SentenceBank::instruction(exercise);
        item.prompt = key;
        item.answer = SentenceBank::keys().value(index);
        item.expected = SentenceBank::completedSentence(stems.value(index), item.answer, ends.value(index));
        // The stem, then the word after a space; with no word the gap is where the stem ends.
        item.answerAt = item.answer.isEmpty() ? stems.value(index).size() : stems.value(index).size() + 1;
        item.spoken = item.expected;
        return found;
    }
    return std::nullopt;
}

// Exercise 5: the noun of a picture.
std::optional<Located> nounItem(const QString &key)
{
    const int index = int(nounTable().indexOf(key));
    if (key.isEmpty() || index < 0)
        return std::nullopt;
    Located found{baseItem(5, false, key), index};
    ReviewItem &item = found.item;
    item.picture = NounBank::greyPicture(index);
    item.answeredPicture = NounBank::colourPicture(index);
    item.expected = key;
    item.answer = key;
    item.spoken = key;
    return found;
}

std::optional<Located> locate(int exercise, bool plus, const QString &key)
{
    switch (exercise) {
    case 1: return plus ? std::nullopt : articleItem(key);
    case 2: return plus ? std::nullopt : questionItem(key);
    case 3:
    case 4: return sentenceItem(exercise, plus, key);
    case 5: return plus ? std::nullopt : nounItem(key);
    default: return std::nullopt;
    }
}

} // namespace

std::optional<ReviewItem> findReviewItem(int exercise, bool plus, const QString &item)
{
    if (const std::optional<Located> found = locate(exercise, plus, item))
        return found->item;
    return std::nullopt;
}

ReviewCheck checkReviewAnswer(const ReviewItem &item, const QString &answer)
{
    ReviewCheck result;
    result.normalised = answer;
    const std::optional<Located> found = locate(item.exercise, item.plus, item.item);
    if (!found)
        return result;
    const auto take = [&result](const TrimmedCheck &check) {
        result.normalised = check.answer;
        result.right = check.right;
    };
    // The part typed alone is checked as it is; the whole phrase by the word in its gap, and
    // kept whole.
    const auto takeGapOrPart = [&](const std::optional<QString> &gap, auto check) {
        take(check(gap.value_or(answer)));
        if (gap)
            result.normalised = collapseSpaces(trimSpaces(answer));
    };
    switch (item.exercise) {
    case 1: {
        const QString &noun = found->item.prompt;
        const QString &article = found->item.answer;
        takeGapOrPart(
            filledGap(answer, QString(), noun, [&](const QString &gap) { return ArticleBank::phrase(gap, noun); }),
            [&](const QString &typed) { return ArticleBank::check(typed, article); });
        break;
    }
    case 2: {
        const QuestionBank::Check check = QuestionBank::check(questionAnswers(found->index), answer);
        result.normalised = check.answer;
        result.right = check.right;
        result.capitalWarning = check.capitalWarning;
        break;
    }
    case 3:
    case 4: {
        const QString stem = SentenceBank::stems().value(found->index);
        const QString ending = SentenceBank::ends().value(found->index);
        const QString &key = found->item.answer;
        takeGapOrPart(filledGap(answer, stem, ending,
                                [&](const QString &gap) { return SentenceBank::completedSentence(stem, gap, ending); }),
                      [&](const QString &typed) { return SentenceBank::check(typed, key); });
        break;
    }
    case 5: take(NounBank::check(answer, found->item.answer)); break;
    }
    return result;
}
