#include "exercises/h01d1/articlebank.h"

#include "core/lessonfile.h"

#include <QCoreApplication>

namespace ArticleBank {

namespace {
// The slots as lesson 1's first section gives them, read once.
struct Bank {
    QStringList nouns, articles;
};

const Bank &bank()
{
    static const Bank s = [] {
        Bank s;
        for (const LessonItem &item : lessonOneSection(1).items) {
            if (const auto *article = item.as<ArticleItem>()) {
                s.nouns.append(article->noun);
                s.articles.append(article->article);
            }
        }
        s.nouns.resize(slotCount);
        s.articles.resize(slotCount);
        return s;
    }();
    return s;
}
} // namespace

QString instruction()
{
    return QCoreApplication::translate("ArticleBank", "1.  Put in the right form of the definite article:");
}

QStringList nouns()
{
    return bank().nouns;
}

QStringList articles()
{
    return bank().articles;
}

QString phrase(const QString &article, const QString &noun)
{
    return article + QLatin1Char(' ') + noun;
}

TrimmedCheck check(const QString &typed, const QString &article)
{
    return checkTrimmed(typed, article);
}

} // namespace ArticleBank
