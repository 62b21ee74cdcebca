#include "core/module1.h"

#include <QCoreApplication>

// Called by the menu's load, after start-up has installed the translator: the message comes in
// the interface language.
void setWrongMessage()
{
    module1().wrongMessage =
        QCoreApplication::translate("Module1", "Sorry, it's wrong. Try again. Pay attention to the spelling too.");
}

void fillNounList()
{
    module1().nounList = nounTable();
}

QStringList nounTable()
{
    return {
        QStringLiteral("autó"),     QStringLiteral("diák"),     QStringLiteral("fiú"),      QStringLiteral("fürdőszoba"),
        QStringLiteral("ház"),      QStringLiteral("híd"),      QStringLiteral("kulcs"),    QStringLiteral("lány"),
        QStringLiteral("mérnök"),   QStringLiteral("múzeum"),   QStringLiteral("orvos"),    QStringLiteral("sofőr"),
        QStringLiteral("szálloda"), QStringLiteral("szekrény"), QStringLiteral("sziget"),   QStringLiteral("szoba"),
        QStringLiteral("tanár"),    QStringLiteral("tanárnő"),  QStringLiteral("templom"),  QStringLiteral("újságíró"),
    };
}
