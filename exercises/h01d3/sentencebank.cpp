#include "exercises/h01d3/sentencebank.h"

#include <QCoreApplication>

namespace SentenceBank {

QStringList stems()
{
    QStringList t = {
        QStringLiteral("Én újságíró"),
        QStringLiteral("Te nem mérnök"),
        QStringLiteral("Ő bolgár"),
        QStringLiteral("Nagy János magyar"),
        QStringLiteral("Te magas"),
        QStringLiteral("Én alacsony"),
        QStringLiteral("Ön orvos"),
        QStringLiteral("John nem amerikai"),
        QStringLiteral("Te német"),
        QStringLiteral("Karin nem lengyel"),
        QStringLiteral("Én nem"),
        QStringLiteral("Ő nem sofőr"),
        QStringLiteral("Te nem újságíró"),
        QStringLiteral("Te Viktor"),
        QStringLiteral("Ő bolgár"),
        QStringLiteral("Anna francia"),
        QStringLiteral("A sofőr nem német"),
        QStringLiteral("Én Kati"),
        QStringLiteral("Te nem"),
        QStringLiteral("Ön"),
        QStringLiteral("Ön nem Kis József"),
        QStringLiteral("Ki"),
        QStringLiteral("Te mi"),
        QStringLiteral("Nem én"),
        QStringLiteral("Ez a lány szép, az"),
        QStringLiteral("Ez a fiú"),
        QStringLiteral("Ez a szálloda olcsó, az"),
        QStringLiteral("Ez a szoba"),
        QStringLiteral("Ez az autó új, az"),
        QStringLiteral("Ez a ház kényelmes, az"),
        QStringLiteral("Ez a fürdőszoba tiszta, az"),
        QStringLiteral("Ez a szekrény"),
        QStringLiteral("Ez a híd szép, az"),
        QStringLiteral("Ez az orvos"),
        QStringLiteral("Ez a sziget kicsi, az"),
        QStringLiteral("Ez az étterem drága, az"),
        QStringLiteral("Ez a kulcs régi, az"),
        QStringLiteral("Ez a templom magas, az"),
        QStringLiteral("Ez a szoba"),
        QStringLiteral("Ez az autó"),
    };
    t.resize(bankSize);
    return t;
}

QStringList ends()
{
    QStringList t = {
        // exercise 3
        QStringLiteral("."), QStringLiteral("?"), QStringLiteral("."), QStringLiteral("."),
        QStringLiteral("."), QStringLiteral("."), QStringLiteral("?"), QStringLiteral("."),
        QStringLiteral(", ugye?"), QStringLiteral("."), QStringLiteral("szép."), QStringLiteral("."),
        QStringLiteral("."), QStringLiteral("?"), QStringLiteral("."), QStringLiteral("?"),
        QStringLiteral("."), QStringLiteral("."), QStringLiteral("angol?"), QStringLiteral("az orvos?"),
        QStringLiteral("?"), QStringLiteral("ön?"), QStringLiteral("?"), QStringLiteral("a tanár."),
        // exercise 4
        QStringLiteral("."), QStringLiteral(", az alacsony."), QStringLiteral("."), QStringLiteral(", az sötét."),
        QStringLiteral("."), QStringLiteral("."), QStringLiteral("."), QStringLiteral(", az nagy."),
        QStringLiteral("."), QStringLiteral(", az jó."), QStringLiteral("."), QStringLiteral("."),
        QStringLiteral("."), QStringLiteral("."), QStringLiteral(", az kényelmetlen."), QStringLiteral(", az piszkos."),
    };
    t.resize(bankSize);
    return t;
}

QStringList keys()
{
    const QString vagyok = QStringLiteral("vagyok");
    const QString vagy = QStringLiteral("vagy");
    const QString none;
    QStringList t = {
        vagyok, vagy, none, none, vagy, vagyok, none, none, vagy, none, vagyok, none,
        vagy, vagy, none, none, none, vagyok, vagy, none, none, none, vagy, vagyok,
        QStringLiteral("csúnya"),    QStringLiteral("magas"),   QStringLiteral("drága"),
        QStringLiteral("világos"),   QStringLiteral("régi"),    QStringLiteral("kényelmetlen"),
        QStringLiteral("piszkos"),   QStringLiteral("kicsi"),   QStringLiteral("csúnya"),
        QStringLiteral("rossz"),     QStringLiteral("nagy"),    QStringLiteral("olcsó"),
        QStringLiteral("új"),        QStringLiteral("alacsony"), QStringLiteral("kényelmes"),
        QStringLiteral("tiszta"),
    };
    t.resize(bankSize);
    return t;
}

int runCode(int exercise, bool plus)
{
    if (exercise == 3)
        return plus ? 1 : 3;
    if (exercise == 4)
        return plus ? 2 : 4;
    return 0;
}

int exerciseOfCode(int code)
{
    return code == 1 || code == 3 ? 3 : 4;
}

bool plusOfCode(int code)
{
    return code == 1 || code == 2;
}

bool runRange(int code, int &lo, int &hi)
{
    switch (code) {
    case 3: lo = 0; hi = 11; return true;
    case 1: lo = 0; hi = 23; return true;
    case 4: lo = 24; hi = 31; return true;
    case 2: lo = 24; hi = 39; return true;
    default: return false;
    }
}

QString instruction(int exercise)
{
    if (exercise == 3)
        return QCoreApplication::translate("SentenceBank", " 3. Put in the right form of verb if needed.");
    return QCoreApplication::translate("SentenceBank", " 4. Put in the missing adjective.  (!!  Antonyms)");
}

QString instructionAfterSwitch(int exercise)
{
    if (exercise == 3)
        return QCoreApplication::translate("SentenceBank", "3. Put in the right form of the verb if needed.");
    return QCoreApplication::translate("SentenceBank", "4. Put in the missing word. (Antonyms)");
}

namespace {
// An ending that starts with a word stands apart from the answer; punctuation sticks to it.
bool endingAttaches(const QString &ending)
{
    return ending.isEmpty() || ending.startsWith(QLatin1Char('.')) || ending.startsWith(QLatin1Char('?')) ||
           ending.startsWith(QLatin1Char(','));
}
} // namespace

QString sentence(const QString &stem, const QString &answer, const QString &ending)
{
    QString text = stem;
    if (!answer.isEmpty())
        text += QLatin1Char(' ') + answer;
    if (!endingAttaches(ending))
        text += QLatin1Char(' ');
    return text + ending + QLatin1Char(' ');
}

QString completedSentence(const QString &stem, const QString &key, const QString &ending)
{
    return sentence(stem, key, ending).trimmed();
}

QString gappedSentence(const QString &stem, const QString &ending)
{
    return sentence(stem, QStringLiteral("…"), ending).trimmed();
}

TrimmedCheck check(const QString &typed, const QString &key)
{
    return checkTrimmed(typed, key);
}

} // namespace SentenceBank
