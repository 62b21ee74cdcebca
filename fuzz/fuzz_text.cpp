// Fuzz target for the pure text routines behind the learner's input: the Hungarian key
// substitution (the table and the filter on a box), the answer normalisations trimSpaces and
// collapseSpaces, the transcript sentence of exercises 3 and 4, and the draw helpers.
//
// Input: byte 0 picks the routine (low bits) and the text encoding (bit 7: raw UTF-16 instead of
// UTF-8); the bytes after it are the routine's parameters and text. Every routine is checked
// against properties it must keep; a broken one aborts with the text that broke it.
#include "fuzzsupport.h"

#include "core/answer.h"
#include "core/draw.h"
#include "core/hungariankey.h"
#include "exercises/h01d3/sentencebank.h"
#include "ui/keyinput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>

namespace {

// The substitution as the learner's reminder and keyboard describe it: typed character, letter.
constexpr char16_t keyTable[][2] = {
    {u'\'', u'á'}, {u';', u'é'}, {u'`', u'í'}, {u'=', u'ó'}, {u'0', u'ö'}, {u'[', u'\u0151'},
    {u']', u'ú'},  {u'-', u'ü'}, {u'\\', u'\u0171'}, {u'"', u'Á'}, {u':', u'É'}, {u'~', u'Í'},
    {u'+', u'Ó'},  {u')', u'Ö'}, {u'{', u'\u0150'}, {u'}', u'Ú'}, {u'_', u'Ü'}, {u'|', u'\u0170'},
};

char16_t expectedKey(char16_t typed)
{
    for (const auto &row : keyTable)
        if (row[0] == typed)
            return row[1];
    return typed;
}

char16_t substituted(char16_t code)
{
    hungarianKey(code);
    return code;
}

// Every code unit: exactly the eighteen of the table change, each to its letter.
void checkWholeKeyTable()
{
    int changed = 0;
    for (uint32_t c = 0; c <= 0xFFFF; ++c) {
        const char16_t code = char16_t(c);
        const char16_t out = substituted(code);
        if (out != code)
            ++changed;
        FUZZ_CHECK(out == expectedKey(code), QString(QChar(code)), QStringLiteral("gives U+%1").arg(uint(out), 4, 16));
    }
    FUZZ_CHECK(changed == 18, QString(), QStringLiteral("%1 codes change").arg(changed));
}

// The transcript sentences of the real items with their keys, as a learner reads them.
struct Item {
    const char16_t *stem, *key, *ending, *sentence;
};
constexpr Item items[] = {
    {u"Én újságíró", u"vagyok", u".", u"Én újságíró vagyok."},
    {u"Te nem mérnök", u"vagy", u"?", u"Te nem mérnök vagy?"},
    {u"Ő bolgár", u"", u".", u"Ő bolgár."},
    {u"Te német", u"vagy", u", ugye?", u"Te német vagy, ugye?"},
    {u"Én nem", u"vagyok", u"szép.", u"Én nem vagyok szép."},
    {u"Te nem", u"vagy", u"angol?", u"Te nem vagy angol?"},
    {u"Ön", u"", u"az orvos?", u"Ön az orvos?"},
    {u"Ki", u"", u"ön?", u"Ki ön?"},
    {u"Nem én", u"vagyok", u"a tanár.", u"Nem én vagyok a tanár."},
    {u"Ez a lány szép, az", u"csúnya", u".", u"Ez a lány szép, az csúnya."},
    {u"Ez a fiú", u"magas", u", az alacsony.", u"Ez a fiú magas, az alacsony."},
    {u"Ez a szoba", u"kényelmes", u", az kényelmetlen.", u"Ez a szoba kényelmes, az kényelmetlen."},
};

QString text16(const char16_t *s)
{
    return QString::fromUtf16(s);
}

void checkRealSentences()
{
    for (const Item &item : items) {
        const QString got = SentenceBank::sentence(text16(item.stem), text16(item.key), text16(item.ending));
        FUZZ_CHECK(got == text16(item.sentence) + QLatin1Char(' '), got, text16(item.sentence));
    }
}

// A box with the key substitution, and one without it that is typed the expected letters.
QLineEdit *keyedBox = nullptr;
QLineEdit *plainBox = nullptr;

void typeInto(QLineEdit *box, const QString &character)
{
    const QChar c = character.at(0);
    const Qt::Key key = c.unicode() < 128 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
    QApplication::sendEvent(box, &release);
}

void fuzzKeys(const QString &text)
{
    for (QChar c : text)
        FUZZ_CHECK(substituted(c.unicode()) == expectedKey(c.unicode()), text, QString(c));

    // Typed key by key (the first dozen characters: each key press costs the box a layout): a
    // character from the table arrives as its letter, everything else (a surrogate pair typed
    // as one character included) as typed.
    keyedBox->clear();
    plainBox->clear();
    int typed = 0;
    for (qsizetype i = 0; i < text.size() && typed < 12; ++typed) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, n);
        i += n;
        typeInto(keyedBox, character);
        typeInto(plainBox, n == 1 ? QString(QChar(expectedKey(character.at(0).unicode()))) : character);
    }
    FUZZ_CHECK(keyedBox->text() == plainBox->text(), text, describe(keyedBox->text()) + " / " + describe(plainBox->text()));
}

// The definition: replace the first two spaces by one, again and again, until none is left.
QString collapsedByRepeatedReplace(QString text)
{
    const QString two = QStringLiteral("  ");
    for (qsizetype at = text.indexOf(two); at >= 0; at = text.indexOf(two))
        text.replace(at, 2, QStringLiteral(" "));
    return text;
}

void fuzzNormalisations(const QString &text)
{
    const QChar space(u' ');
    const QString trimmed = trimSpaces(text);
    FUZZ_CHECK(!trimmed.startsWith(space) && !trimmed.endsWith(space), text, describe(trimmed));
    qsizetype lead = 0;
    while (lead < text.size() && text.at(lead) == space)
        ++lead;
    // Only U+0020 goes, from the two ends only: the rest is the text itself.
    FUZZ_CHECK(QStringView(text).mid(lead, trimmed.size()) == trimmed, text, describe(trimmed));
    for (qsizetype i = lead + trimmed.size(); i < text.size(); ++i)
        FUZZ_CHECK(text.at(i) == space, text, QStringLiteral("kept up to %1").arg(lead + trimmed.size()));
    FUZZ_CHECK(trimSpaces(trimmed) == trimmed, text, describe(trimmed));

    const QString collapsed = collapseSpaces(text);
    FUZZ_CHECK(!collapsed.contains(QStringLiteral("  ")), text, describe(collapsed));
    FUZZ_CHECK(collapsed.size() <= text.size(), text, describe(collapsed));
    FUZZ_CHECK(QString(collapsed).remove(space) == QString(text).remove(space), text, describe(collapsed));
    FUZZ_CHECK(collapseSpaces(collapsed) == collapsed, text, describe(collapsed));
    if (!text.contains(QStringLiteral("  ")))
        FUZZ_CHECK(collapsed == text, text, describe(collapsed));
    if (text.size() <= 400)
        FUZZ_CHECK(collapsed == collapsedByRepeatedReplace(text), text, describe(collapsed));

    // Exercise 2 collapses first and trims after: no space at the ends, none doubled.
    const QString both = trimSpaces(collapsed);
    FUZZ_CHECK(!both.contains(QStringLiteral("  ")) && !both.startsWith(space) && !both.endsWith(space), text,
               describe(both));
}

bool attaches(const QString &ending)
{
    return ending.isEmpty() || ending.startsWith(u'.') || ending.startsWith(u'?') || ending.startsWith(u',');
}

void fuzzSentence(ByteReader &in, const QString &text)
{
    const uint16_t first = in.take<uint16_t>();
    const uint16_t second = in.take<uint16_t>();
    const qsizetype a = text.isEmpty() ? 0 : first % (text.size() + 1);
    const qsizetype b = a + (text.isEmpty() ? 0 : second % (text.size() - a + 1));
    const QString stem = text.left(a);
    const QString answer = text.mid(a, b - a);
    const QString ending = text.mid(b);
    const QString expected = stem + (answer.isEmpty() ? QString() : QLatin1Char(' ') + answer) +
                             (attaches(ending) ? ending : QLatin1Char(' ') + ending) + QLatin1Char(' ');
    const QString got = SentenceBank::sentence(stem, answer, ending);
    FUZZ_CHECK(got == expected, text, describe(got));

    // The learner's trimmed answer in every real item.
    const QString typed = trimSpaces(text);
    for (const Item &item : items) {
        const QString s = SentenceBank::sentence(text16(item.stem), typed, text16(item.ending));
        const QString e = text16(item.stem) + (typed.isEmpty() ? QString() : QLatin1Char(' ') + typed) +
                          (attaches(text16(item.ending)) ? QString() : QStringLiteral(" ")) + text16(item.ending) +
                          QLatin1Char(' ');
        FUZZ_CHECK(s == e, text, describe(s));
    }
}

// Ranges are as wide as single precision addresses item by item: first and count up to 2^24
// either way. (The exercises draw from ranges of at most 24 items.)
constexpr int drawRangeLimit = 1 << 24;

// A range first .. first + count - 1 of at most maxCount items.
void takeRange(ByteReader &in, int &first, int &count, int maxCount)
{
    first = int(in.take<uint32_t>() % uint32_t(2 * drawRangeLimit + 1)) - drawRangeLimit;
    count = int(in.take<uint32_t>() % uint32_t(maxCount)) + 1;
}

void fuzzItemForDraw(ByteReader &in)
{
    int first, count;
    const double r = unitInterval(in.take<uint64_t>());
    takeRange(in, first, count, drawRangeLimit);
    const int item = itemForDraw(r, first, count);
    const QString where = QStringLiteral("r=%1 first=%2 count=%3 -> %4").arg(r, 0, 'g', 17).arg(first).arg(count).arg(item);
    FUZZ_CHECK(item >= first && item <= first + (count - 1), QString(), where);
}

void fuzzDrawFreeItem(ByteReader &in, RecordingDesktop &desk)
{
    int first, count;
    takeRange(in, first, count, 256);
    // One bit per item says whether it is free.
    QList<bool> free(count);
    bool anyFree = false;
    for (int i = 0; i < count; i += 8) {
        const uint8_t bits = in.take<uint8_t>();
        for (int k = 0; k < 8 && i + k < count; ++k)
            anyFree |= free[i + k] = bits & (1u << k);
    }
    desk.clear();
    desk.stuck = in.take<uint8_t>() & 1;
    while (in.restSize() >= 8 && desk.draws.size() < 20000)
        desk.draws.append(unitInterval(in.take<uint64_t>()));
    bool askedOutside = false;
    const int item = drawFreeItem(first, count, [&](int i) {
        if (i < first || i - first >= count) {
            askedOutside = true;
            return false;
        }
        return bool(free[i - first]);
    });
    const QString where = QStringLiteral("first=%1 count=%2 -> %3").arg(first).arg(count).arg(item);
    FUZZ_CHECK(!askedOutside, QString(), where);
    FUZZ_CHECK(desk.randomCalls <= 10000, QString(), where);
    if (anyFree)
        FUZZ_CHECK(item >= first && item - first < count && free[item - first], QString(), where);
    else
        FUZZ_CHECK(item == -1, QString(), where);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzProgram();
    keyedBox = new QLineEdit;
    plainBox = new QLineEdit;
    attachHungarianKeys(keyedBox);
    checkWholeKeyTable();
    checkRealSentences();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RecordingDesktop &desk = fuzzProgram();
    ByteReader in(data, size);
    const uint8_t selector = in.take<uint8_t>();
    const bool utf16 = selector & 0x80;
    switch ((selector & 0x7f) % 5) {
    case 0: fuzzKeys(decodeText(in.rest(), in.restSize(), utf16)); break;
    case 1: fuzzNormalisations(decodeText(in.rest(), in.restSize(), utf16)); break;
    case 2: {
        ByteReader params(in.rest(), std::min<size_t>(in.restSize(), 4));
        const QString text = in.restSize() > 4 ? decodeText(in.rest() + 4, in.restSize() - 4, utf16) : QString();
        fuzzSentence(params, text);
        break;
    }
    case 3: fuzzItemForDraw(in); break;
    case 4: fuzzDrawFreeItem(in, desk); break;
    }
    return 0;
}
