// CSV and tab-separated text as spreadsheets and card programs write it: the delimiter found
// from the file, fields in double quotes (with line breaks and doubled quotes inside), a header
// row when the first row names languages, UTF-8 or UTF-16 by a byte order mark, UTF-8 without
// one, and Windows-1250 (a Hungarian Windows spreadsheet's text) when the bytes are not UTF-8.
#include "core/wordlist.h"
#include "core/wordlist_p.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

namespace WordList {

namespace {

constexpr int maxColumns = 64;   // later fields of a row are ignored
constexpr int sampleRows = 200;  // rows looked at to find the delimiter and the Hungarian column

// The text of the bytes; false when they are Windows-1250 and this system cannot decode it.
bool decode(const QByteArray &bytes, QString &text)
{
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        text = decoder(bytes);
        return true;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8(bytes);
    if (!utf8.hasError())
        return true;
    // Qt reads Windows-1250 through ICU (Debian's Qt is built with it).
    QStringDecoder windows("windows-1250");
    if (!windows.isValid())
        return false;
    text = windows(bytes);
    return true;
}

// Lines beginning with "#" at the top (and blank ones) are a card program's notes.
qsizetype afterNotes(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        if (!text.sliced(pos, end - pos).trimmed().isEmpty() && text[pos] != QLatin1Char('#'))
            break;
        pos = end;
        while (pos < text.size() && (text[pos] == QLatin1Char('\n') || text[pos] == QLatin1Char('\r')))
            ++pos;
    }
    return pos;
}

// The rows of the text one by one.
class Rows {
public:
    Rows(QStringView text, QChar delimiter) : text_(text), delimiter_(delimiter) {}
    bool next(QStringList &fields)
    {
        fields.clear();
        if (pos_ >= text_.size())
            return false;
        QString field;
        bool quoted = false, start = true;
        const auto endField = [&] {
            if (fields.size() < maxColumns)
                fields.append(field);
            field.clear();
            start = true;
        };
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (quoted) {
                if (c != QLatin1Char('"'))
                    field.append(c);
                else if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"'))
                    field.append(text_[pos_++]);
                else
                    quoted = false;
            } else if (c == QLatin1Char('"') && start) {
                quoted = true;
                start = false;
            } else if (c == delimiter_) {
                endField();
            } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                if (c == QLatin1Char('\r') && pos_ < text_.size() && text_[pos_] == QLatin1Char('\n'))
                    ++pos_;
                break;
            } else {
                field.append(c);
                start = false;
            }
        }
        endField();
        return true;
    }

private:
    QStringView text_;
    QChar delimiter_;
    qsizetype pos_ = 0;
};

// The delimiter most rows of the beginning have (outside quotes): tab before semicolon before
// comma when as many rows have each; none when no row has any.
QChar findDelimiter(QStringView text)
{
    const QChar candidates[] = {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')};
    int rows[3] = {}, seen[3] = {}, counted = 0;
    bool quoted = false;
    const auto endRow = [&] {
        for (int k = 0; k < 3; ++k)
            rows[k] += seen[k];
        std::fill(std::begin(seen), std::end(seen), 0);
        ++counted;
    };
    for (qsizetype i = 0; i < text.size() && counted < sampleRows; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            endRow();
        else if (!quoted)
            for (int k = 0; k < 3; ++k)
                seen[k] = seen[k] || c == candidates[k];
    }
    endRow();
    const int best = int(std::max_element(std::begin(rows), std::end(rows)) - std::begin(rows));
    return rows[best] > 0 ? candidates[best] : QChar();
}

// The language a header cell names ("hu" for "Magyar"), "-" for a header word that names none
// ("word", "definition"), or empty when the cell is no header word.
QString headerLanguage(const QString &cell)
{
    static const struct {
        const char *language;
        const char16_t *names;
    } known[] = {
        {"hu", u"hungarian|magyar|hu|hun|hu_hu|hu-hu|ungarisch|hongrois|húngaro|ungherese|węgierski"},
        {"en", u"english|angol|en|eng|englisch|anglais|inglés|inglese|angielski"},
        {"de", u"german|deutsch|de|deu|ger|német|allemand|alemán|tedesco|niemiecki"},
        {"fr", u"french|français|francais|francia|fr|fra|französisch|francés|francese"},
        {"es", u"spanish|español|espanol|spanyol|es|spa|spanisch|espagnol"},
        {"it", u"italian|italiano|olasz|it|ita|italienisch|italien"},
        {"pl", u"polish|polski|lengyel|pl|pol|polnisch|polonais"},
        {"-", u"word|words|term|translation|meaning|definition|front|back|question|answer|prompt|"
              u"szó|szavak|jelentés|fordítás|értelmezés|wort|wörter|übersetzung|bedeutung"},
    };
    const QString name = cleanText(cell).toLower();
    for (const auto &k : known)
        if (QStringView(k.names).split(u'|').contains(name))
            return QString::fromLatin1(k.language);
    return QString();
}

// How Hungarian a cell looks: ő and ű are Hungarian's own, the other accents common in it; ä
// and ß are German's.
int hungarianLetters(const QString &cell)
{
    int score = 0;
    for (QChar c : cell) {
        const QChar l = c.toLower();
        if (l == QChar(0x151) || l == QChar(0x171))
            score += 3;
        else if (QStringView(u"áéíóöúü").contains(l))
            score += 1;
        else if (l == QChar(0xE4) || l == QChar(0xDF))
            score -= 3;
    }
    return std::clamp(score, -3, 3);
}

int column(const QString &id, int count)
{
    bool ok = false;
    const int n = id.toInt(&ok);
    return ok && n >= 0 && n < count ? n : -1;
}

} // namespace

Result parseCsv(const QByteArray &bytes, const QString &name, const Options &options)
{
    detail::Builder builder(name, QString(), options);
    QString all;
    if (!decode(bytes, all))
        return builder.fail(QCoreApplication::translate("WordList", "%1: the file is not UTF-8, and this system cannot "
                                                                    "read it as Windows-1250")
                                .arg(name));
    const QStringView text = QStringView(all).sliced(afterNotes(all));
    const QChar delimiter = findDelimiter(text);

    // The beginning: the header, the number of columns and how Hungarian each looks.
    QStringList fields, header;
    QList<QString> languages;
    QList<int> scores;
    bool hasHeader = false;
    int columns = 0;
    Rows sample(text, delimiter);
    for (int row = 0; row < sampleRows && sample.next(fields); ++row) {
        if (row == 0) {
            for (const QString &cell : std::as_const(fields)) {
                languages.append(headerLanguage(cell));
                hasHeader = hasHeader || !languages.last().isEmpty();
            }
            if (hasHeader) {
                header = fields;
                columns = int(fields.size());
                continue;
            }
            languages.clear();
        }
        columns = std::max(columns, int(fields.size()));
        scores.resize(columns);
        for (qsizetype i = 0; i < fields.size(); ++i)
            scores[i] += hungarianLetters(fields[i]);
    }
    languages.resize(columns);
    scores.resize(columns);
    Result &result = builder.result();
    for (int i = 0; i < columns; ++i) {
        const QString language = languages[i] == QLatin1String("-") ? QString() : languages[i];
        result.columns.append({QString::number(i), i < header.size() ? cleanText(header[i]) : QString(), language});
    }
    if (columns < 2)
        return builder.fail(QCoreApplication::translate("WordList", "%1: the list has only one column; it needs a "
                                                                    "second one with the translations")
                                .arg(name));

    int hungarian = column(options.hungarianColumn, columns);
    if (hungarian < 0)
        hungarian = int(languages.indexOf(QStringLiteral("hu")));
    if (hungarian < 0) {
        hungarian = int(std::max_element(scores.cbegin(), scores.cend()) - scores.cbegin());
        result.columnsGuessed = true;
    }
    int prompt = column(options.promptColumn, columns);
    const QString own = detail::languageOf(options.interfaceLanguage);
    for (const QString &wanted : {own, QStringLiteral("en")})
        for (int i = 0; i < columns && (prompt < 0 || prompt == hungarian); ++i)
            if (!wanted.isEmpty() && languages[i] == wanted)
                prompt = i;
    if (prompt < 0 || prompt == hungarian)
        prompt = hungarian == 0 ? 1 : 0;
    result.hungarianColumn = QString::number(hungarian);
    result.promptColumn = QString::number(prompt);
    const QString promptLanguage = result.columns[prompt].language;

    builder.section(QStringLiteral("words"), QFileInfo(name).completeBaseName());
    Rows rows(text, delimiter);
    if (hasHeader)
        rows.next(fields);
    while (rows.next(fields)) {
        if (std::all_of(fields.cbegin(), fields.cend(), [](const QString &f) { return f.trimmed().isEmpty(); }))
            continue;
        detail::Entry entry;
        entry.hungarian = fields.value(hungarian);
        entry.prompt = fields.value(prompt);
        entry.language = promptLanguage;
        if (!builder.add(entry))
            break;
    }
    return builder.finish(QFileInfo(name).completeBaseName());
}

} // namespace WordList
