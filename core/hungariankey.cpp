#include "core/hungariankey.h"

#include <QCoreApplication>

namespace {

struct Substitution {
    char16_t typed;
    char16_t letter;
};

constexpr Substitution table[] = {
    {u'\'', u'á'}, {u';', u'é'}, {u'`', u'í'}, {u'\\', u'ű'}, {u'[', u'ő'}, {u'-', u'ü'},
    {u'0', u'ö'},  {u']', u'ú'}, {u'=', u'ó'}, {u'"', u'Á'},  {u':', u'É'}, {u'~', u'Í'},
    {u'|', u'Ű'},  {u'{', u'Ő'}, {u'_', u'Ü'}, {u')', u'Ö'},  {u'}', u'Ú'}, {u'+', u'Ó'},
};

} // namespace

void hungarianKey(char16_t &code)
{
    for (const Substitution &s : table) {
        if (s.typed == code) {
            code = s.letter;
            return;
        }
    }
}

QString hungarianKeyHint()
{
    return QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )");
}

QString charButtonHelp()
{
    return QCoreApplication::translate("HungarianKey",
                                       "If you want to see how to type the special Hungarian characters (á, é etc.) "
                                       "on an English keyboard, click the \"Char\" button. If you want that "
                                       "information to desappear, click again.");
}
