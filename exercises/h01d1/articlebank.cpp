#include "exercises/h01d1/articlebank.h"

#include <QCoreApplication>

namespace ArticleBank {

QString instruction()
{
    return QCoreApplication::translate("ArticleBank", "1.  Put in the right form of the definite article:");
}

QStringList nouns()
{
    return {QStringLiteral("autó"),     QStringLiteral("szoba"),    QStringLiteral("szálloda"),
            QStringLiteral("orvos"),    QStringLiteral("lány"),     QStringLiteral("sziget"),
            QStringLiteral("mérnök"),   QStringLiteral("szekrény"), QStringLiteral("újságíró"),
            QStringLiteral("híd"),      QStringLiteral("tanár"),    QStringLiteral("fiú"),
            QStringLiteral("diák"),     QStringLiteral("fürdőszoba"), QStringLiteral("ház"),
            QStringLiteral("kulcs"),    QStringLiteral("múzeum"),   QStringLiteral("sofőr"),
            QStringLiteral("tanárnő"),  QStringLiteral("templom"),  QStringLiteral("autóbusz"),
            QStringLiteral("ajtó"),     QStringLiteral("egyetem"),  QStringLiteral("étterem")};
}

QStringList articles()
{
    QStringList list(slotCount, QStringLiteral("a"));
    // The nouns that begin with a vowel.
    for (int slot : {0, 3, 8, 20, 21, 22, 23})
        list[slot] = QStringLiteral("az");
    return list;
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
