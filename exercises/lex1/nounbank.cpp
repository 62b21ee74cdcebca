#include "exercises/lex1/nounbank.h"

#include "core/answer.h"
#include "core/lessonfile.h"

namespace NounBank {

namespace {
Picture drawing(int index, Picture::Tone tone)
{
    const QList<LessonItem> &items = lessonOneSection(5).items;
    const QString name = index >= 0 && index < items.size() ? items.at(index).picture() : QString();
    return name.isEmpty() ? Picture{} : Picture{pictureResource(name), tone};
}
} // namespace

Picture greyPicture(int index)
{
    return drawing(index, Picture::Grey);
}

Picture colourPicture(int index)
{
    return drawing(index, Picture::Colour);
}

QString entry(const QString &typed)
{
    return trimSpaces(typed);
}

bool names(const QString &entry, const QString &noun)
{
    return entry == noun;
}

TrimmedCheck check(const QString &typed, const QString &noun)
{
    return checkTrimmed(typed, noun);
}

} // namespace NounBank
