#include "core/module1.h"

#include "core/lessonfile.h"

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
    QStringList nouns;
    for (const LessonItem &item : lessonOneSection(5).items)
        if (const auto *picture = item.as<PictureItem>())
            nouns.append(picture->answer);
    nouns.resize(20);
    return nouns;
}
