#include "exercises/review/reviewitems.h"

#include "core/answer.h"
#include "core/lessonfile.h"
#include "core/lessons.h"
#include "core/progressstore.h"
#include "exercises/h01d1/articlebank.h"
#include "exercises/h01d2/questionbank.h"
#include "exercises/h01d3/sentencebank.h"

#include <functional>

namespace {

// The exercise form that asks items of a kind: the article (1), the question (2), the gap (3;
// lesson 1's antonyms are gaps of exercise 4 too), the picture to name and the word (5).
int exerciseFor(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Article: return 1;
    case ItemKind::Question: return 2;
    case ItemKind::Gap: return 3;
    case ItemKind::Picture:
    case ItemKind::Word: break;
    }
    return 5;
}

// Whether an exercise asks items of a kind.
bool asks(int exercise, ItemKind kind)
{
    return exercise == exerciseFor(kind) || (kind == ItemKind::Gap && exercise == 4);
}

// The item that the log records as (lesson, section, exercise, plus, key), if a run of that
// exercise asks it. In lesson 1 its section is the exercise, and exercise 1's first noun is never
// drawn; the ordinary runs of exercises 3 and 4 leave out their Plus items.
const LessonItem *locate(const QString &lesson, const QString &sectionId, int exercise, bool plus, const QString &key)
{
    if (key.isEmpty() || exercise < 1 || exercise > 5 || (plus && exercise != 3 && exercise != 4))
        return nullptr;
    const LessonItem *item = nullptr;
    if (lesson == lessonOneId()) {
        if (recordedSection(lesson, sectionId, exercise) != QString::number(exercise))
            return nullptr;
        const LessonSection &section = lessonOneSection(exercise);
        const int index = section.indexOf(key);
        if (index < 0)
            return nullptr;
        if (exercise == 1 &&
            (index < ArticleBank::firstDrawn || index >= ArticleBank::firstDrawn + ArticleBank::drawnCount))
            return nullptr;
        item = &section.items.at(index);
    } else {
        item = Lessons::item(lesson, sectionId, key);
        if (!item || !asks(exercise, item->kind()))
            return nullptr;
    }
    if (const auto *gap = item->as<GapItem>(); gap && gap->plus && !plus)
        return nullptr;
    return item;
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

// The check of an item as its exercise checks it. Where the learner types a part of a phrase (the
// article, the word in a gap), the whole phrase is taken as well: checked by the word in its gap
// with the item's own check, and kept whole.
AnswerCheck boundCheck(const LessonItem &found)
{
    return [found](const QString &answer) {
        std::optional<QString> gap;
        if (const auto *article = found.as<ArticleItem>())
            gap = filledGap(answer, QString(), article->noun,
                            [&](const QString &word) { return ArticleBank::phrase(word, article->noun); });
        else if (const auto *sentence = found.as<GapItem>())
            gap = filledGap(answer, sentence->stem, sentence->ending, [&](const QString &word) {
                return SentenceBank::completedSentence(sentence->stem, word, sentence->ending);
            });
        ItemCheck check = checkAnswer(found, gap.value_or(answer));
        if (gap)
            check.answer = collapseSpaces(trimSpaces(answer));
        return check;
    };
}

} // namespace

std::optional<ReviewItem> findReviewItem(const ScheduledItem &due)
{
    return findReviewItem(due.lesson, due.section, due.exercise, due.plus, due.item);
}

std::optional<ReviewItem> findReviewItem(const QString &lesson, const QString &section, int exercise, bool plus,
                                         const QString &key)
{
    const LessonItem *found = locate(lesson, section, exercise, plus, key);
    if (!found)
        return std::nullopt;
    ReviewItem item;
    item.lesson = lesson;
    item.section = recordedSection(lesson, section, exercise);
    item.exercise = exercise;
    item.plus = plus;
    item.item = key;
    if (const auto *article = found->as<ArticleItem>()) {
        item.instruction = ArticleBank::instruction();
        item.prompt = article->noun;
        item.answer = article->article;
        item.expected = ArticleBank::phrase(item.answer, article->noun);
        item.answerAt = 0;
        item.hungarianKeys = false;
    } else if (const auto *question = found->as<QuestionItem>()) {
        item.instruction = QuestionBank::instruction();
        item.prompt = question->question;
        item.picture = Picture{pictureResource(question->picture), Picture::Ink};
        item.answeredPicture = Picture{pictureResource(question->picture), Picture::Colour};
        const QuestionAnswers answers = questionAnswers(*question);
        item.expected = answers.longAnswer;
        item.answer = item.expected;
        item.alsoRight = {answers.shortAnswer, answers.predicateAnswer, answers.pronounAnswer};
    } else if (const auto *gap = found->as<GapItem>()) {
        item.instruction = SentenceBank::instruction(exercise);
        item.prompt = SentenceBank::gappedSentence(gap->stem, gap->ending);
        item.answer = gap->answer;
        item.expected = SentenceBank::completedSentence(gap->stem, gap->answer, gap->ending);
        // The stem, then the word after a space; with no word the gap is where the stem ends.
        item.answerAt = gap->answer.isEmpty() ? gap->stem.size() : gap->stem.size() + 1;
    } else if (const auto *picture = found->as<PictureItem>()) {
        item.picture = Picture{pictureResource(picture->picture), Picture::Grey};
        item.answeredPicture = Picture{pictureResource(picture->picture), Picture::Colour};
        item.expected = picture->answer;
        item.answer = picture->answer;
    } else if (const auto *word = found->as<WordItem>()) {
        item.prompt = word->prompt;
        if (!word->picture.isEmpty()) {
            item.picture = Picture{pictureResource(word->picture), Picture::Grey};
            item.answeredPicture = Picture{pictureResource(word->picture), Picture::Colour};
        }
        item.expected = word->answer;
        item.answer = word->answer;
    } else {
        return std::nullopt;
    }
    item.spoken = item.expected;
    item.check = boundCheck(*found);
    return item;
}

Practice practiceOf(const QString &lessonId, const LessonRecord &record, const QList<ScheduledItem> &due, int newPerDay)
{
    Practice out;
    const std::shared_ptr<const Lesson> lesson = Lessons::find(lessonId);
    if (!lesson || lessonId == lessonOneId())
        return out;
    int allowed = std::max(0, newPerDay - record.metToday);
    for (const LessonSection &section : lesson->sections)
        for (const LessonItem &item : section.items) {
            const int exercise = exerciseFor(item.kind());
            const auto *gap = item.as<GapItem>();
            const bool plus = gap && gap->plus;
            // A key the lesson has once is recorded without its section (a word list's keys are
            // unique across it), so that an item that moves to another section keeps its record.
            const QString recorded = Lessons::item(lessonId, QString(), item.key) == &item ? QString() : section.id;
            if (record.met.contains(recordKey(recorded, exercise, item.key)))
                continue;
            if (allowed == 0) {
                ++out.stillNew;
                continue;
            }
            if (std::optional<ReviewItem> found = findReviewItem(lessonId, recorded, exercise, plus, item.key)) {
                out.items.append(*found);
                ++out.fresh;
                --allowed;
            }
        }
    for (const ScheduledItem &scheduled : due)
        if (scheduled.lesson == lessonId)
            if (std::optional<ReviewItem> found = findReviewItem(scheduled))
                out.items.append(*found);
    return out;
}

ReviewCheck checkReviewAnswer(const ReviewItem &item, const QString &answer)
{
    if (!item.check)
        return {false, answer, false};
    const ItemCheck check = item.check(answer);
    return {check.right, check.answer, check.capitalWarning};
}

ReviewSession::Item sessionItem(const ReviewItem &item)
{
    ReviewSession::Item entry;
    entry.record.exercise = item.exercise;
    entry.record.plus = item.plus;
    entry.record.item = item.item;
    entry.record.expected = item.expected;
    entry.record.lesson = item.lesson;
    entry.record.section = item.section;
    entry.name = item.expected;
    entry.check = item.check;
    return entry;
}

ReviewNearMiss reviewNearMiss(const ReviewItem &item, const QString &answer)
{
    if (NearMissFound found = nearMiss(answer, item.expected); found.kind != NearMiss::None)
        return {found.kind, item.expected, found.marked, true};
    // The part to type, where it stands in the whole answer.
    if (!item.answer.isEmpty() && item.answer != item.expected && item.answerAt >= 0 &&
        item.expected.mid(item.answerAt, item.answer.size()) == item.answer) {
        if (NearMissFound found = nearMiss(answer, item.answer); found.kind != NearMiss::None) {
            for (qsizetype &at : found.marked)
                at += item.answerAt;
            return {found.kind, item.expected, found.marked, true};
        }
    }
    for (const QString &right : item.alsoRight)
        if (NearMissFound found = nearMiss(answer, right); found.kind != NearMiss::None)
            return {found.kind, right, found.marked, false};
    return {};
}

