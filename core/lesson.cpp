#include "core/lesson.h"

QString LessonItem::picture() const
{
    if (const auto *question = as<QuestionItem>())
        return question->picture;
    if (const auto *picture = as<PictureItem>())
        return picture->picture;
    if (const auto *word = as<WordItem>())
        return word->picture;
    return {};
}

QString LessonItem::answer() const
{
    return std::visit(
        [](const auto &item) -> QString {
            using T = std::decay_t<decltype(item)>;
            if constexpr (std::is_same_v<T, QuestionItem>)
                return questionAnswers(item).longAnswer;
            else if constexpr (std::is_same_v<T, ArticleItem>)
                return item.article;
            else
                return item.answer;
        },
        content);
}

int LessonSection::indexOf(const QString &key) const
{
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).key == key)
            return i;
    return -1;
}

const LessonItem *LessonSection::item(const QString &key) const
{
    const int index = indexOf(key);
    return index < 0 ? nullptr : &items.at(index);
}

int Lesson::itemCount() const
{
    int count = 0;
    for (const LessonSection &section : sections)
        count += int(section.items.size());
    return count;
}

const LessonSection *Lesson::section(const QString &id) const
{
    for (const LessonSection &section : sections)
        if (section.id == id)
            return &section;
    return nullptr;
}

const LessonItem *Lesson::item(const QString &sectionId, const QString &key) const
{
    const LessonSection *found = section(sectionId);
    return found ? found->item(key) : nullptr;
}

bool isPictureFile(const QString &name)
{
    return name.contains(QLatin1Char('.'));
}

QString pictureResource(const QString &name)
{
    if (isPictureFile(name))
        return name;
    return QStringLiteral(":/") + name + QStringLiteral(".svg");
}

bool QuestionAnswers::accepts(const QString &answer) const
{
    return answer == longAnswer || answer == shortAnswer || answer == predicateAnswer || answer == pronounAnswer;
}

QuestionAnswers questionAnswers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate)
{
    QuestionAnswers a;
    a.opening = yes ? QStringLiteral("Igen, ") : QStringLiteral("Nem, ");
    if (!yes)
        a.negation = QStringLiteral("nem ");
    a.longAnswer = a.opening + subject + QLatin1Char(' ') + a.negation + predicate + QLatin1Char('.');
    a.shortAnswer = a.opening + a.negation + QStringLiteral("az.");
    a.predicateAnswer = a.opening + a.negation + predicate + QLatin1Char('.');
    a.pronounAnswer = a.opening + pronoun + QLatin1Char(' ') + a.negation + predicate + QLatin1Char('.');
    return a;
}

QuestionAnswers questionAnswers(const QuestionItem &item)
{
    return questionAnswers(item.yes, item.subject, item.pronoun, item.predicate);
}

Capitalised capitalised(const QString &text)
{
    Capitalised result{trimSpaces(text)};
    if (result.text.isEmpty())
        return result;
    const QChar first = result.text.at(0);
    result.text[0] = first.toUpper();
    result.warned = result.text.at(0) != first;
    return result;
}

ItemCheck checkQuestion(const QuestionAnswers &accepted, const QString &typed)
{
    const Capitalised capital = capitalised(collapseSpaces(typed));
    ItemCheck result;
    result.answer = trimSpaces(capital.text);
    result.right = accepted.accepts(result.answer);
    result.capitalWarning = capital.warned;
    return result;
}

ItemCheck checkAnswer(const LessonItem &item, const QString &typed)
{
    if (const auto *question = item.as<QuestionItem>())
        return checkQuestion(questionAnswers(*question), typed);
    const TrimmedCheck check = checkTrimmed(typed, item.answer());
    return {check.answer, check.right, false};
}
