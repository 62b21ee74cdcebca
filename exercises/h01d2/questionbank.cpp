#include "exercises/h01d2/questionbank.h"

#include "core/answer.h"

#include <QCoreApplication>

namespace QuestionBank {

QString instruction()
{
    return QCoreApplication::translate("QuestionBank", "2. Answer the questions in complete sentences:");
}

QStringList questions()
{
    return {QStringLiteral("Ez autó?"),     QStringLiteral("Ez szálloda?"), QStringLiteral("Ez fürdőszoba?"),
            QStringLiteral("Ez híd?"),      QStringLiteral("Anna magyar?"), QStringLiteral("Ő mérnök?"),
            QStringLiteral("Szabó Sándor sofőr?"), QStringLiteral("Ő diák?")};
}

QStringList subjects()
{
    return {QStringLiteral("ez"),   QStringLiteral("ez"), QStringLiteral("ez"),           QStringLiteral("ez"),
            QStringLiteral("Anna"), QStringLiteral("ő"),  QStringLiteral("Szabó Sándor"), QStringLiteral("ő")};
}

QStringList pronouns()
{
    return {QStringLiteral("ez"), QStringLiteral("ez"), QStringLiteral("ez"), QStringLiteral("ez"),
            QStringLiteral("ő"),  QStringLiteral("ő"),  QStringLiteral("ő"),  QStringLiteral("ő")};
}

QStringList predicates()
{
    return {QStringLiteral("autó"),   QStringLiteral("szálloda"), QStringLiteral("fürdőszoba"),
            QStringLiteral("híd"),    QStringLiteral("magyar"),   QStringLiteral("mérnök"),
            QStringLiteral("sofőr"),  QStringLiteral("diák")};
}

bool isYes(int item)
{
    return item == 0 || item == 3 || item == 6 || item == 7;
}

namespace {
QString drawing(int item)
{
    return QStringLiteral(":/ex2/item%1.svg").arg(item);
}
} // namespace

Picture inkPicture(int item)
{
    return Picture{drawing(item), Picture::Ink};
}

Picture colourPicture(int item)
{
    return Picture{drawing(item), Picture::Colour};
}

bool Answers::accepts(const QString &answer) const
{
    return answer == longAnswer || answer == shortAnswer || answer == predicateAnswer || answer == pronounAnswer;
}

Answers answers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate)
{
    Answers a;
    a.opening = yes ? QStringLiteral("Igen, ") : QStringLiteral("Nem, ");
    if (!yes)
        a.negation = QStringLiteral("nem ");
    a.longAnswer = a.opening + subject + QLatin1Char(' ') + a.negation + predicate + QLatin1Char('.');
    a.shortAnswer = a.opening + a.negation + QStringLiteral("az.");
    a.predicateAnswer = a.opening + a.negation + predicate + QLatin1Char('.');
    a.pronounAnswer = a.opening + pronoun + QLatin1Char(' ') + a.negation + predicate + QLatin1Char('.');
    return a;
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

QString capitalWarning()
{
    return QCoreApplication::translate("QuestionBank", "Attention to capital letters!");
}

Check check(const Answers &accepted, const QString &typed)
{
    const Capitalised capital = capitalised(collapseSpaces(typed));
    Check result;
    result.answer = trimSpaces(capital.text);
    result.right = accepted.accepts(result.answer);
    result.capitalWarning = capital.warned;
    return result;
}

} // namespace QuestionBank
