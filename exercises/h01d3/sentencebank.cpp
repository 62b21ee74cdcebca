#include "exercises/h01d3/sentencebank.h"

#include "core/lessonfile.h"

#include <QCoreApplication>
#include <algorithm>

namespace SentenceBank {

namespace {
// The sentences of lesson 1's sections "3" and "4", one after the other, and where each
// section's runs lie among them; read once.
struct Bank {
    QStringList stems, ends, keys;
    struct Runs {
        int first = 0, ordinary = 0, all = 0; // the section's first item; how many each run takes
    } runs[2];
};

const Bank &bank()
{
    static const Bank b = [] {
        Bank b;
        for (int exercise : {3, 4}) {
            Bank::Runs &runs = b.runs[exercise - 3];
            runs.first = int(b.stems.size());
            for (const LessonItem &item : lessonOneSection(exercise).items) {
                if (const auto *gap = item.as<GapItem>()) {
                    b.stems.append(gap->stem);
                    b.ends.append(gap->ending);
                    b.keys.append(gap->answer);
                    ++runs.all;
                    if (!gap->plus)
                        ++runs.ordinary;
                }
            }
        }
        b.stems.resize(std::max<qsizetype>(bankSize, b.stems.size()));
        b.ends.resize(b.stems.size());
        b.keys.resize(b.stems.size());
        return b;
    }();
    return b;
}
} // namespace

QStringList stems()
{
    return bank().stems;
}

QStringList ends()
{
    return bank().ends;
}

QStringList keys()
{
    return bank().keys;
}

int runCode(int exercise, bool plus)
{
    if (exercise == 3)
        return plus ? PlusRun3 : Run3;
    if (exercise == 4)
        return plus ? PlusRun4 : Run4;
    return NoRun;
}

int exerciseOfCode(int code)
{
    return code == PlusRun3 || code == Run3 ? 3 : 4;
}

bool plusOfCode(int code)
{
    return code == PlusRun3 || code == PlusRun4;
}

bool runRange(int code, int &lo, int &hi)
{
    if (code < PlusRun3 || code > Run4)
        return false;
    const Bank::Runs &runs = bank().runs[exerciseOfCode(code) - 3];
    const int count = plusOfCode(code) ? runs.all : runs.ordinary;
    if (count == 0)
        return false;
    lo = runs.first;
    hi = runs.first + count - 1;
    return true;
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
