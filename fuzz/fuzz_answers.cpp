// Fuzz target for the answer checks of the five exercises, driven through the real windows on
// an offscreen desktop: each input brings a window back to a fresh state (before Start, or an
// item drawn), puts the text into the answer box as a paste would, presses Next or OK and
// checks what the window did against the item tables below, which are kept apart from the
// program's own.
//
// Input: byte 0 picks the exercise (low bits) and the text encoding (bit 7: raw UTF-16; else
// bit 6: the word encoding below; else UTF-8); byte 1 picks the state and item; the rest is the
// answer.
#include "fuzzsupport.h"

#include "core/module1.h"
#include "app/program.h"
#include "core/answer.h"
#include "exercises/frame/exerciseform.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace {

QString text16(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// Exercise 1: the nouns of slots 1 to 23 and their articles.
constexpr const char16_t *nouns1[][2] = {
    {u"szoba", u"a"},   {u"szálloda", u"a"}, {u"orvos", u"az"},      {u"lány", u"a"},     {u"sziget", u"a"},
    {u"mérnök", u"a"},  {u"szekrény", u"a"}, {u"újságíró", u"az"},   {u"híd", u"a"},      {u"tanár", u"a"},
    {u"fiú", u"a"},     {u"diák", u"a"},     {u"fürdőszoba", u"a"},  {u"ház", u"a"},      {u"kulcs", u"a"},
    {u"múzeum", u"a"},  {u"sofőr", u"a"},    {u"tanárnő", u"a"},     {u"templom", u"a"},  {u"autóbusz", u"az"},
    {u"ajtó", u"az"},   {u"egyetem", u"az"}, {u"étterem", u"az"},
};

QString articleOf(const QString &noun)
{
    for (const auto &row : nouns1)
        if (text16(row[0]) == noun)
            return text16(row[1]);
    return QString();
}

// Exercise 2: the accepted sentences of each item once Start has filled the lists.
const QList<QStringList> &sentences2()
{
    static const QList<QStringList> table = {
        {text16(u"Igen, ez autó."), text16(u"Igen, az."), text16(u"Igen, autó.")},
        {text16(u"Nem, ez nem szálloda."), text16(u"Nem, nem az."), text16(u"Nem, nem szálloda.")},
        {text16(u"Nem, ez nem fürdőszoba."), text16(u"Nem, nem az."), text16(u"Nem, nem fürdőszoba.")},
        {text16(u"Igen, ez híd."), text16(u"Igen, az."), text16(u"Igen, híd.")},
        {text16(u"Nem, Anna nem magyar."), text16(u"Nem, nem az."), text16(u"Nem, nem magyar."),
         text16(u"Nem, ő nem magyar.")},
        {text16(u"Nem, ő nem mérnök."), text16(u"Nem, nem az."), text16(u"Nem, nem mérnök.")},
        {text16(u"Igen, Szabó Sándor sofőr."), text16(u"Igen, az."), text16(u"Igen, sofőr."),
         text16(u"Igen, ő sofőr.")},
        {text16(u"Igen, ő diák."), text16(u"Igen, az."), text16(u"Igen, diák.")},
    };
    return table;
}

// Before the first Start the lists are empty: the sentences are built around empty words.
QStringList emptyListSentences2(int item)
{
    const bool yes = item == 0 || item == 3 || item == 6 || item == 7;
    const QString opening = yes ? QStringLiteral("Igen, ") : QStringLiteral("Nem, ");
    const QString negation = yes ? QString() : QStringLiteral("nem ");
    return {opening + QLatin1Char(' ') + negation + QLatin1Char('.'), opening + negation + QStringLiteral("az."),
            opening + negation + QLatin1Char('.')};
}

// Exercises 3 and 4: the key of each item and the sentence the transcript shows for it.
constexpr const char16_t *items34[][2] = {
    {u"vagyok", u"Én újságíró vagyok."},
    {u"vagy", u"Te nem mérnök vagy?"},
    {u"", u"Ő bolgár."},
    {u"", u"Nagy János magyar."},
    {u"vagy", u"Te magas vagy."},
    {u"vagyok", u"Én alacsony vagyok."},
    {u"", u"Ön orvos?"},
    {u"", u"John nem amerikai."},
    {u"vagy", u"Te német vagy, ugye?"},
    {u"", u"Karin nem lengyel."},
    {u"vagyok", u"Én nem vagyok szép."},
    {u"", u"Ő nem sofőr."},
    {u"vagy", u"Te nem újságíró vagy."},
    {u"vagy", u"Te Viktor vagy?"},
    {u"", u"Ő bolgár."},
    {u"", u"Anna francia?"},
    {u"", u"A sofőr nem német."},
    {u"vagyok", u"Én Kati vagyok."},
    {u"vagy", u"Te nem vagy angol?"},
    {u"", u"Ön az orvos?"},
    {u"", u"Ön nem Kis József?"},
    {u"", u"Ki ön?"},
    {u"vagy", u"Te mi vagy?"},
    {u"vagyok", u"Nem én vagyok a tanár."},
    {u"csúnya", u"Ez a lány szép, az csúnya."},
    {u"magas", u"Ez a fiú magas, az alacsony."},
    {u"drága", u"Ez a szálloda olcsó, az drága."},
    {u"világos", u"Ez a szoba világos, az sötét."},
    {u"régi", u"Ez az autó új, az régi."},
    {u"kényelmetlen", u"Ez a ház kényelmes, az kényelmetlen."},
    {u"piszkos", u"Ez a fürdőszoba tiszta, az piszkos."},
    {u"kicsi", u"Ez a szekrény kicsi, az nagy."},
    {u"csúnya", u"Ez a híd szép, az csúnya."},
    {u"rossz", u"Ez az orvos rossz, az jó."},
    {u"nagy", u"Ez a sziget kicsi, az nagy."},
    {u"olcsó", u"Ez az étterem drága, az olcsó."},
    {u"új", u"Ez a kulcs régi, az új."},
    {u"alacsony", u"Ez a templom magas, az alacsony."},
    {u"kényelmes", u"Ez a szoba kényelmes, az kényelmetlen."},
    {u"tiszta", u"Ez az autó tiszta, az piszkos."},
};

// Exercise 5: the nouns of the twenty pictures.
constexpr const char16_t *nouns5[] = {
    u"autó",  u"diák",   u"fiú",    u"fürdőszoba", u"ház",      u"híd",      u"kulcs",
    u"lány",  u"mérnök", u"múzeum", u"orvos",      u"sofőr",    u"szálloda", u"szekrény",
    u"sziget", u"szoba", u"tanár",  u"tanárnő",    u"templom",  u"újságíró",
};

// Opens a window the first time. Later inputs reset it in place, the way the learner restarts
// it: Qt makes every top-level window created in a process slightly slower to create than the
// last, so a fuzzer that opened a window per input would slow to a crawl.
void openOnce(Form &form)
{
    if (!form.isLoaded())
        form.show();
}

bool onlyWrongBox(const RecordingDesktop &desk)
{
    return !desk.boxes.isEmpty() && desk.boxes.last().text == module1().wrongMessage &&
           desk.boxes.last().icon == MsgIcon::Exclamation;
}

// Exercise 1: right exactly when the trimmed answer is the article of the noun on screen; before
// Start no noun is on screen and nothing is right.
void fuzzH01d1(uint8_t state, const QString &typed, RecordingDesktop &desk)
{
    H01d1 &w = h01d1();
    static QStringList words, articles;
    if (!w.isLoaded()) {
        w.show();
        words = w.words;
        articles = w.articles;
    }
    H01d1Ui &u = w.ui();
    // The window as its load leaves it: every noun, slot 0 current, nothing answered.
    w.words = words;
    w.articles = articles;
    w.current = 0;
    w.solved = 0;
    for (QLineEdit *box : {u.Text1, u.Text2})
        box->clear();
    u.Label3->clear();
    u.Command1->setText(QStringLiteral("&Start"));
    u.Command1->setEnabled(true);
    u.Command2->setEnabled(true);
    desk.clear();
    if (state & 1) {
        desk.draws = {((state >> 1) % 23 + 0.5) / 23};
        u.Command1->click();
    }
    u.Text2->setText(typed);
    const QString inBox = u.Text2->text();
    const QString noun = u.Text1->text();
    FUZZ_CHECK(noun == ((state & 1) ? text16(nouns1[(state >> 1) % 23][0]) : QString()), inBox, noun);
    desk.clear();
    u.Command2->click();

    const QString answer = trimSpaces(inBox);
    const QString article = articleOf(noun);
    const bool accepted = !u.Label3->text().isEmpty();
    const QString where = QStringLiteral("noun \"%1\", transcript \"%2\"").arg(noun, describe(u.Label3->text()));
    FUZZ_CHECK(accepted == (!article.isEmpty() && answer == article), inBox, where);
    if (accepted) {
        FUZZ_CHECK(u.Label3->text() == answer + QLatin1Char(' ') + noun + QStringLiteral("; "), inBox, where);
        FUZZ_CHECK(desk.boxes.isEmpty() && desk.beeps == 0, inBox, where);
    } else {
        FUZZ_CHECK(onlyWrongBox(desk) && desk.boxes.size() == 1 && desk.beeps == 1, inBox, where);
        FUZZ_CHECK(u.Text2->text().isEmpty() && u.Text1->text() == noun, inBox, where);
    }
}

// Exercise 2: the box shows the answer with its runs of spaces shrunk, trimmed and with a capital
// first letter; it is accepted exactly when that is one of the item's sentences.
void fuzzH01d2(uint8_t state, const QString &typed, RecordingDesktop &desk)
{
    const int item = state & 7;
    const bool started = state & 8;
    H01d2 &w = h01d2();
    openOnce(w);
    H01d2Ui &u = w.ui();
    w.Command1_Click();
    if (!started) {
        // The lists as they are at the first opening of the window, before any Start.
        w.questions = w.subjects = w.pronouns = w.predicates = QStringList(H01d2::itemCount);
    }
    u.Check1[item]->click();
    QLineEdit *box = u.Text1[item];
    box->setText(typed);
    const QString inBox = box->text();
    desk.clear();
    u.Command2->click();

    // Runs of spaces shrink (the repeated replacement of two spaces by one), the ends are trimmed.
    QString normal = trimSpaces(collapseSpaces(inBox));
    bool warned = false;
    if (!normal.isEmpty() && normal.at(0).toUpper() != normal.at(0)) {
        normal[0] = normal.at(0).toUpper();
        warned = true;
    }
    const QStringList keys = started ? sentences2().at(item) : emptyListSentences2(item);
    const bool accepted = box->isReadOnly();
    const QString where = QStringLiteral("item %1%2, box \"%3\"")
                              .arg(item)
                              .arg(started ? QString() : QStringLiteral(" before Start"), describe(box->text()));
    FUZZ_CHECK(box->text() == normal, inBox, where);
    FUZZ_CHECK(accepted == keys.contains(normal), inBox, where);
    FUZZ_CHECK(desk.beeps == (warned ? 1 : 0), inBox, where);
    const bool warningShown = !desk.boxes.isEmpty() && desk.boxes.first().text == QStringLiteral("Attention to capital letters!");
    FUZZ_CHECK(warningShown == warned, inBox, where);
    FUZZ_CHECK(desk.boxes.size() == (warned ? 1 : 0) + (accepted ? 0 : 1), inBox, where);
    if (!accepted)
        FUZZ_CHECK(onlyWrongBox(desk), inBox, where);
}

// Exercises 3 and 4: right exactly when the trimmed answer is the item's key; a right answer
// adds the item's completed sentence and a space to the transcript.
void fuzzH01d3(uint8_t state, const QString &typed, RecordingDesktop &desk)
{
    const int exercise = state & 1 ? 4 : 3;
    const bool plus = state & 2;
    H01d3 &w = h01d3();
    if (!w.isLoaded())
        showExercise(exercise);
    // The window's own "Go to exercise" button of the exercise: a fresh Start, without Plus.
    w.goTo(exercise);
    if (plus)
        w.Plus_Click();
    H01d3Ui &u = w.ui();
    desk.clear();
    desk.draws = {((state >> 2) + 0.5) / 64};
    u.Command1->click();
    const int item = w.current;
    const int lo = exercise == 3 ? 0 : 24;
    const int count = exercise == 3 ? (plus ? 24 : 12) : (plus ? 16 : 8);
    FUZZ_CHECK(item >= lo && item < lo + count, typed, QStringLiteral("item %1").arg(item));
    u.Text1->setText(typed);
    const QString inBox = u.Text1->text();
    desk.clear();
    u.Command2->click();

    const QString answer = trimSpaces(inBox);
    const bool accepted = !u.Label3->text().isEmpty();
    const QString where = QStringLiteral("item %1, transcript \"%2\"").arg(item).arg(describe(u.Label3->text()));
    FUZZ_CHECK(accepted == (answer == text16(items34[item][0])), inBox, where);
    if (accepted) {
        FUZZ_CHECK(u.Label3->text() == text16(items34[item][1]) + QLatin1Char(' '), inBox, where);
        FUZZ_CHECK(desk.boxes.isEmpty() && desk.beeps == 0, inBox, where);
    } else {
        FUZZ_CHECK(onlyWrongBox(desk) && desk.boxes.size() == 1 && desk.beeps == 1, inBox, where);
    }
}

// Exercise 5: right exactly when the trimmed answer is the noun of a picture not named yet; it
// then stands under that picture and nowhere else changes.
void fuzzLex1(uint8_t state, const QString &typed, RecordingDesktop &desk)
{
    Lex1 &w = lex1();
    openOnce(w);
    Lex1Ui &u = w.ui();
    w.Command1_Click();
    if (state & 0x80) {
        // One picture named already.
        u.Text1->setText(text16(nouns5[(state & 0x1f) % 20]));
        u.Command2->click();
    }
    QStringList before;
    for (int i = 0; i < Lex1::nounCount; ++i)
        before.append(u.Text2[i]->text());
    u.Text1->setText(typed);
    const QString inBox = u.Text1->text();
    desk.clear();
    u.Command2->click();

    const QString answer = trimSpaces(inBox);
    int cell = -1;
    for (int i = 0; i < Lex1::nounCount; ++i)
        if (text16(nouns5[i]) == answer)
            cell = i;
    const bool right = cell >= 0 && before.at(cell).isEmpty();
    QList<int> changed;
    for (int i = 0; i < Lex1::nounCount; ++i)
        if (u.Text2[i]->text() != before.at(i))
            changed.append(i);
    const QString where = QStringLiteral("cell %1, %2 cells changed").arg(cell).arg(changed.size());
    FUZZ_CHECK(right == !changed.isEmpty(), inBox, where);
    if (right) {
        FUZZ_CHECK(changed == QList<int>{cell} && u.Text2[cell]->text() == answer, inBox, where);
        FUZZ_CHECK(desk.boxes.isEmpty() && u.Text1->text().isEmpty(), inBox, where);
    } else {
        FUZZ_CHECK(onlyWrongBox(desk) && desk.boxes.size() == 1, inBox, where);
    }
}

// The words of the exercises. The answers are compared inside Qt, which carries no coverage
// counters, so libFuzzer cannot tell how close a wrong answer came; spelled out byte by byte,
// an answer made of several real words is a needle in a haystack. In the word encoding each
// byte is one token instead: a word of this list, or one character.
constexpr const char16_t *vocabulary[] = {
    u"a", u"az", u"ez", u"ő", u"Igen", u"Nem", u"nem", u"vagyok", u"vagy",
    u"autó", u"szoba", u"szálloda", u"orvos", u"lány", u"sziget", u"mérnök", u"szekrény", u"újságíró",
    u"híd", u"tanár", u"fiú", u"diák", u"fürdőszoba", u"ház", u"kulcs", u"múzeum", u"sofőr", u"tanárnő",
    u"templom", u"autóbusz", u"ajtó", u"egyetem", u"étterem", u"Anna", u"magyar", u"Szabó", u"Sándor",
    u"csúnya", u"magas", u"drága", u"világos", u"régi", u"kényelmetlen", u"piszkos", u"kicsi", u"rossz",
    u"nagy", u"olcsó", u"új", u"alacsony", u"kényelmes", u"tiszta",
};

// Bytes that stand for words of the list: the control characters they would otherwise be and
// some of the characters above them (a typed answer seldom holds either; the UTF-8 and UTF-16
// encodings still reach them). Every other byte is the character with that code, so spaces,
// punctuation and the Latin-1 letters stay one byte.
constexpr uint8_t firstOtherByte = uint8_t(std::size(vocabulary));
static_assert(firstOtherByte == 52, "the seeds of scripts/fuzz.sh name words by their number");

QString decodeWords(const uint8_t *data, size_t size)
{
    QString text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < firstOtherByte)
            text += QString::fromUtf16(vocabulary[data[i]]);
        else
            text += QChar(char16_t(data[i]));
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RecordingDesktop &desk = fuzzProgram();
    ByteReader in(data, size);
    const uint8_t selector = in.take<uint8_t>();
    const uint8_t state = in.take<uint8_t>();
    const QString typed = (selector & 0xc0) == 0x40 ? decodeWords(in.rest(), in.restSize())
                                                    : decodeText(in.rest(), in.restSize(), selector & 0x80);
    switch ((selector & 0x3f) % 4) {
    case 0: fuzzH01d1(state, typed, desk); break;
    case 1: fuzzH01d2(state, typed, desk); break;
    case 2: fuzzH01d3(state, typed, desk); break;
    case 3: fuzzLex1(state, typed, desk); break;
    }
    return 0;
}
