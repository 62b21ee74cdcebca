#include "exercises/lex1/nounbank.h"

#include "core/answer.h"

namespace NounBank {

namespace {
QString drawing(int index)
{
    return QStringLiteral(":/ex5/noun%1.svg").arg(index, 2, 10, QChar(u'0'));
}
} // namespace

Picture greyPicture(int index)
{
    return Picture{drawing(index), Picture::Grey};
}

Picture colourPicture(int index)
{
    return Picture{drawing(index), Picture::Colour};
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
