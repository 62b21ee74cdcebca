#include "core/lessonfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <utility>

namespace LessonFile {

namespace {

const char *const kindNames[] = {"article", "question", "gap", "picture", "word"};

// The byte offset of the first byte that does not belong to well-formed UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included), or -1.
qsizetype firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else
            return i;
        if (i + length > n)
            return i;
        if (p[i + 1] < low || p[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return i;
        i += length;
    }
    return -1;
}

// Line and column (both from 1; the column in characters) of a byte offset into UTF-8 text.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i)
        if (bytes.at(i) == '\n') {
            ++line;
            lineStart = i + 1;
        }
    int column = 1;
    for (qsizetype i = lineStart; i < offset; ++i)
        if ((static_cast<unsigned char>(bytes.at(i)) & 0xC0) != 0x80) // not a continuation byte
            ++column;
    return {line, column};
}

// A text of the file as a message quotes it: at most 60 characters, control characters shown
// as replacement characters.
QString shown(const QString &text)
{
    QString out = text.size() > 60 ? text.left(59) + QChar(u'…') : text;
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar::ReplacementCharacter;
    return out;
}

// A fault of the file as a whole: "lesson.json: the file is empty".
QString fileFault(const QString &file, const QString &what)
{
    //: %1 is the file, %2 what is wrong with it.
    return QCoreApplication::translate("Lesson", "%1: %2").arg(file, what);
}

// Reads the parsed document into a lesson, stopping at the first fault with its place.
class Reader {
public:
    Reader(QString name, const QString &folder) : name_(std::move(name)), folder_(folder)
    {
        if (!folder_.isEmpty()) {
            canonicalFolder_ = QDir(folder_).canonicalPath();
            if (!canonicalFolder_.isEmpty() && !canonicalFolder_.endsWith(QLatin1Char('/')))
                canonicalFolder_ += QLatin1Char('/');
        }
    }

    QString error;

    // The lesson of a document; false, with the error set, at the first fault.
    bool read(const QJsonObject &root, Lesson &lesson)
    {
        if (!onlyFields(root, {"format", "version", "id", "title", "sections"}))
            return false;
        const QJsonValue format = root.value(QLatin1String("format"));
        if (!format.isString() || format.toString() != QLatin1String("tarvo-lesson"))
            return fail(QCoreApplication::translate(
                "Lesson", "this is not a Tarvo lesson file (its \"format\" is not \"tarvo-lesson\")"));
        const QJsonValue version = root.value(QLatin1String("version"));
        if (!version.isDouble() || version.toDouble() != double(version.toInt()) || version.toInt() < 1)
            return fail(QCoreApplication::translate("Lesson", "\"version\" must be a whole number from 1"));
        if (version.toInt() > formatVersion)
            return fail(QCoreApplication::translate(
                            "Lesson", "the file is written in format version %1; this Tarvo reads version %2")
                            .arg(version.toInt())
                            .arg(formatVersion));
        if (!text(root, "id", lesson.id) || !text(root, "title", lesson.title))
            return false;
        const QJsonValue sections = root.value(QLatin1String("sections"));
        if (!sections.isArray() || sections.toArray().isEmpty())
            return fail(QCoreApplication::translate("Lesson", "\"sections\" must be a list of at least one section"));
        const QJsonArray list = sections.toArray();
        if (list.size() > maxSections)
            return fail(QCoreApplication::translate("Lesson", "more than %1 sections").arg(maxSections));
        QSet<QString> ids;
        for (qsizetype s = 0; s < list.size(); ++s) {
            section_ = int(s) + 1;
            LessonSection section;
            if (!readSection(list.at(s), section))
                return false;
            item_ = 0; // a fault from here on is the section's own
            if (ids.contains(section.id))
                return fail(QCoreApplication::translate("Lesson", "the section id \"%1\" is used twice")
                                .arg(shown(section.id)));
            ids.insert(section.id);
            lesson.sections.append(std::move(section));
        }
        return true;
    }

private:
    QString name_;
    QString folder_;          // where the file's own pictures are; empty: it may name none
    QString canonicalFolder_; // the same with links resolved, ending in "/"
    int section_ = 0; // the place being read: section and item numbers from 1, 0 for none
    int item_ = 0;
    QString key_;
    int items_ = 0;

    bool fail(const QString &what)
    {
        QString place;
        if (item_ > 0 && !key_.isEmpty())
            //: The place of a fault in a lesson file: %3 is the item's key.
            place = QCoreApplication::translate("Lesson", "section %1, item %2 (\"%3\")")
                        .arg(section_)
                        .arg(item_)
                        .arg(shown(key_));
        else if (item_ > 0)
            place = QCoreApplication::translate("Lesson", "section %1, item %2").arg(section_).arg(item_);
        else if (section_ > 0)
            place = QCoreApplication::translate("Lesson", "section %1").arg(section_);
        if (place.isEmpty()) {
            error = fileFault(name_, what);
            return false;
        }
        //: %1 is the file, %2 the place in it (a section and an item), %3 what is wrong.
        error = QCoreApplication::translate("Lesson", "%1, %2: %3").arg(name_, place, what);
        return false;
    }

    bool onlyFields(const QJsonObject &object, std::initializer_list<const char *> known)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool found = false;
            for (const char *field : known)
                found = found || it.key() == QLatin1String(field);
            if (!found)
                return fail(QCoreApplication::translate("Lesson", "unknown field \"%1\"").arg(shown(it.key())));
        }
        return true;
    }

    // A text field: present and not empty (unless optional: then it may be missing or empty), a
    // string, within the length limit, and free of control characters and broken surrogates.
    bool text(const QJsonObject &object, const char *field, QString &out, bool optional = false)
    {
        const QJsonValue value = object.value(QLatin1String(field));
        if (value.isUndefined()) {
            if (optional)
                return true;
            return fail(QCoreApplication::translate("Lesson", "the field \"%1\" is missing").arg(QLatin1String(field)));
        }
        if (!value.isString())
            return fail(
                QCoreApplication::translate("Lesson", "\"%1\" must be a text in quotes").arg(QLatin1String(field)));
        const QString s = value.toString();
        if (s.size() > maxTextLength)
            return fail(QCoreApplication::translate("Lesson", "\"%1\" is too long (%2 characters; at most %3)")
                            .arg(QLatin1String(field))
                            .arg(s.size())
                            .arg(maxTextLength));
        if (s.isEmpty() && !optional)
            return fail(QCoreApplication::translate("Lesson", "\"%1\" must not be empty").arg(QLatin1String(field)));
        if (!QStringView(s).isValidUtf16())
            return fail(
                QCoreApplication::translate("Lesson", "\"%1\" holds a broken character").arg(QLatin1String(field)));
        for (QChar c : s)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return fail(QCoreApplication::translate("Lesson", "\"%1\" holds a control character")
                                .arg(QLatin1String(field)));
        out = s;
        return true;
    }

    bool flag(const QJsonObject &object, const char *field, bool &out, bool optional)
    {
        const QJsonValue value = object.value(QLatin1String(field));
        if (value.isUndefined() && optional)
            return true;
        if (value.isUndefined())
            return fail(QCoreApplication::translate("Lesson", "the field \"%1\" is missing").arg(QLatin1String(field)));
        if (!value.isBool())
            return fail(
                QCoreApplication::translate("Lesson", "\"%1\" must be true or false").arg(QLatin1String(field)));
        out = value.toBool();
        return true;
    }

    bool picture(const QJsonObject &object, QString &out, bool optional)
    {
        if (!text(object, "picture", out, optional))
            return false;
        if (out.isEmpty())
            return true;
        if (isPictureFile(out)) {
            const QString file = pictureFile(out);
            if (file.isEmpty())
                return fail(QCoreApplication::translate("Lesson", "there is no picture \"%1\"").arg(shown(out)));
            out = file;
            return true;
        }
        static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_-]+(/[A-Za-z0-9_-]+)*$"));
        if (!name.match(out).hasMatch() || !QFile::exists(pictureResource(out)))
            return fail(QCoreApplication::translate("Lesson", "there is no picture \"%1\"").arg(shown(out)));
        return true;
    }

    // The picture file a reference names, as a path in the folder the file was read from; empty
    // when it is not a plain file in that folder or below it (no "..", no absolute path, no link
    // that leads out).
    QString pictureFile(const QString &reference) const
    {
        if (canonicalFolder_.isEmpty() || reference.startsWith(QLatin1Char('/')) || reference.contains(QLatin1Char('\\')))
            return QString();
        for (const QStringView part : QStringView(reference).split(QLatin1Char('/')))
            if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
                return QString();
        const QString path = folder_ + QLatin1Char('/') + reference;
        const QFileInfo info(path);
        if (!info.isFile() || !info.canonicalFilePath().startsWith(canonicalFolder_))
            return QString();
        return path;
    }

    bool readSection(const QJsonValue &value, LessonSection &section)
    {
        item_ = 0;
        key_.clear();
        if (!value.isObject())
            return fail(QCoreApplication::translate("Lesson", "a section must be an object in braces"));
        const QJsonObject object = value.toObject();
        if (!onlyFields(object, {"id", "title", "items"}) || !text(object, "id", section.id) ||
            !text(object, "title", section.title, true))
            return false;
        const QJsonValue items = object.value(QLatin1String("items"));
        if (!items.isArray() || items.toArray().isEmpty())
            return fail(QCoreApplication::translate("Lesson", "\"items\" must be a list of at least one item"));
        const QJsonArray list = items.toArray();
        QSet<QString> keys;
        bool plusSeen = false;
        for (qsizetype i = 0; i < list.size(); ++i) {
            item_ = int(i) + 1;
            key_.clear();
            if (++items_ > maxItems)
                return fail(QCoreApplication::translate("Lesson", "more than %1 items").arg(maxItems));
            LessonItem item;
            if (!readItem(list.at(i), item))
                return false;
            if (keys.contains(item.key))
                return fail(QCoreApplication::translate("Lesson", "the key \"%1\" is used twice in this section")
                                .arg(shown(item.key)));
            keys.insert(item.key);
            if (const auto *gap = item.as<GapItem>()) {
                if (plusSeen && !gap->plus)
                    return fail(QCoreApplication::translate(
                        "Lesson", "an item of the ordinary run follows an item of the Plus run"));
                plusSeen = plusSeen || gap->plus;
            }
            section.items.append(std::move(item));
        }
        return true;
    }

    bool readItem(const QJsonValue &value, LessonItem &item)
    {
        if (!value.isObject())
            return fail(QCoreApplication::translate("Lesson", "an item must be an object in braces"));
        const QJsonObject o = value.toObject();
        if (!text(o, "key", item.key))
            return false;
        key_ = item.key;
        QString kind;
        if (!text(o, "kind", kind))
            return false;
        if (kind == QLatin1String("article")) {
            ArticleItem a;
            if (!onlyFields(o, {"key", "kind", "noun", "article"}) || !text(o, "noun", a.noun) ||
                !text(o, "article", a.article))
                return false;
            if (a.article != QLatin1String("a") && a.article != QLatin1String("az"))
                return fail(QCoreApplication::translate("Lesson", "\"article\" must be \"a\" or \"az\""));
            item.content = a;
        } else if (kind == QLatin1String("question")) {
            QuestionItem q;
            if (!onlyFields(o, {"key", "kind", "question", "subject", "pronoun", "predicate", "yes", "picture"}) ||
                !text(o, "question", q.question) || !text(o, "subject", q.subject) || !text(o, "pronoun", q.pronoun) ||
                !text(o, "predicate", q.predicate) || !flag(o, "yes", q.yes, false) || !picture(o, q.picture, false))
                return false;
            item.content = q;
        } else if (kind == QLatin1String("gap")) {
            GapItem g;
            if (!onlyFields(o, {"key", "kind", "stem", "answer", "ending", "plus"}) || !text(o, "stem", g.stem) ||
                !text(o, "answer", g.answer, true) || !text(o, "ending", g.ending, true) ||
                !flag(o, "plus", g.plus, true))
                return false;
            item.content = g;
        } else if (kind == QLatin1String("picture")) {
            PictureItem p;
            if (!onlyFields(o, {"key", "kind", "picture", "answer"}) || !picture(o, p.picture, false) ||
                !text(o, "answer", p.answer))
                return false;
            item.content = p;
        } else if (kind == QLatin1String("word")) {
            WordItem w;
            if (!onlyFields(o, {"key", "kind", "prompt", "language", "picture", "answer"}) ||
                !text(o, "prompt", w.prompt, true) || !text(o, "language", w.language, true) ||
                !picture(o, w.picture, true) || !text(o, "answer", w.answer))
                return false;
            if (w.prompt.isEmpty() && w.picture.isEmpty())
                return fail(QCoreApplication::translate("Lesson", "a word needs a \"prompt\" or a \"picture\""));
            item.content = w;
        } else {
            return fail(QCoreApplication::translate(
                            "Lesson", "unknown kind \"%1\" (the kinds are article, question, gap, picture and word)")
                            .arg(shown(kind)));
        }
        return true;
    }
};

// A JSON string: quotes, backslashes and control characters escaped, everything else as UTF-8.
void quoted(QByteArray &out, const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += QLatin1Char('"');
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\')
            escaped += QLatin1Char('\\');
        if (u < 0x20)
            escaped += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    escaped += QLatin1Char('"');
    out += escaped.toUtf8();
}

void field(QByteArray &out, const char *name, const QString &value)
{
    out += ", \"";
    out += name;
    out += "\": ";
    quoted(out, value);
}

void field(QByteArray &out, const char *name, bool value)
{
    out += ", \"";
    out += name;
    out += value ? "\": true" : "\": false";
}

// A picture as the file names it: a picture file in the file's folder by its path from there.
QString pictureName(const QString &picture, const QString &folder)
{
    if (folder.isEmpty() || !picture.startsWith(folder))
        return picture;
    return picture.mid(folder.size());
}

void writeItem(QByteArray &out, const LessonItem &item, const QString &folder)
{
    out += "        { \"key\": ";
    quoted(out, item.key);
    out += ", \"kind\": \"";
    out += kindNames[int(item.kind())];
    out += '"';
    if (const auto *a = item.as<ArticleItem>()) {
        field(out, "noun", a->noun);
        field(out, "article", a->article);
    } else if (const auto *q = item.as<QuestionItem>()) {
        field(out, "question", q->question);
        field(out, "subject", q->subject);
        field(out, "pronoun", q->pronoun);
        field(out, "predicate", q->predicate);
        field(out, "yes", q->yes);
        field(out, "picture", pictureName(q->picture, folder));
    } else if (const auto *g = item.as<GapItem>()) {
        field(out, "stem", g->stem);
        field(out, "answer", g->answer);
        field(out, "ending", g->ending);
        if (g->plus)
            field(out, "plus", true);
    } else if (const auto *p = item.as<PictureItem>()) {
        field(out, "picture", pictureName(p->picture, folder));
        field(out, "answer", p->answer);
    } else if (const auto *w = item.as<WordItem>()) {
        if (!w->prompt.isEmpty())
            field(out, "prompt", w->prompt);
        if (!w->language.isEmpty())
            field(out, "language", w->language);
        if (!w->picture.isEmpty())
            field(out, "picture", pictureName(w->picture, folder));
        field(out, "answer", w->answer);
    }
    out += " }";
}

} // namespace

Result parse(const QByteArray &source, const QString &name, const QString &folder)
{
    const auto failed = [&name](const QString &what) { return Result{Lesson(), fileFault(name, what)}; };
    const auto failedAt = [&name](const QByteArray &text, qsizetype offset, const QString &what) {
        const auto [line, column] = lineAndColumn(text, offset);
        //: %1 is the file, %2 and %3 the place in it, %4 what is wrong.
        return Result{Lesson(), QCoreApplication::translate("Lesson", "%1, line %2, column %3: %4")
                                    .arg(name)
                                    .arg(line)
                                    .arg(column)
                                    .arg(what)};
    };
    if (source.isEmpty())
        return failed(QCoreApplication::translate("Lesson", "the file is empty"));
    if (source.size() > maxFileBytes)
        return failed(QCoreApplication::translate("Lesson", "the file is larger than %1 MB").arg(maxFileBytes >> 20));
    // A byte-order mark, as some editors write one, is not part of the text.
    const QByteArray bytes = source.startsWith("\xEF\xBB\xBF") ? source.mid(3) : source;
    if (const qsizetype bad = firstInvalidUtf8(bytes); bad >= 0)
        return failedAt(bytes, bad, QCoreApplication::translate("Lesson", "the text is not UTF-8"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failedAt(bytes, parseError.offset, parseError.errorString());
    if (!document.isObject())
        return failed(QCoreApplication::translate("Lesson", "the file does not hold a lesson (an object in braces)"));
    Reader reader(name, folder.isEmpty() ? QString() : QDir(folder).absolutePath());
    Lesson lesson;
    if (!reader.read(document.object(), lesson))
        return Result{Lesson(), reader.error};
    return Result{std::move(lesson), QString()};
}

Result load(const QString &path)
{
    const auto failed = [&path](const QString &what) { return Result{Lesson(), fileFault(path, what)}; };
    if (QFileInfo(path).isDir())
        return failed(QCoreApplication::translate("Lesson", "this is a folder, not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QCoreApplication::translate("Lesson", "the file cannot be read (%1)").arg(file.errorString()));
    // Never read more than a lesson file may hold, whatever size the file claims.
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(QCoreApplication::translate("Lesson", "the file cannot be read (%1)").arg(file.errorString()));
    return parse(bytes, path, QFileInfo(path).absolutePath());
}

QByteArray write(const Lesson &lesson, const QString &folder)
{
    QString inside = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
    if (!inside.isEmpty() && !inside.endsWith(QLatin1Char('/')))
        inside += QLatin1Char('/');
    QByteArray out = "{\n  \"format\": \"tarvo-lesson\",\n  \"version\": ";
    out += QByteArray::number(formatVersion);
    out += ",\n  \"id\": ";
    quoted(out, lesson.id);
    out += ",\n  \"title\": ";
    quoted(out, lesson.title);
    out += ",\n  \"sections\": [\n";
    for (qsizetype s = 0; s < lesson.sections.size(); ++s) {
        const LessonSection &section = lesson.sections.at(s);
        out += "    {\n      \"id\": ";
        quoted(out, section.id);
        if (!section.title.isEmpty()) {
            out += ",\n      \"title\": ";
            quoted(out, section.title);
        }
        out += ",\n      \"items\": [\n";
        for (qsizetype i = 0; i < section.items.size(); ++i) {
            writeItem(out, section.items.at(i), inside);
            out += i + 1 < section.items.size() ? ",\n" : "\n";
        }
        out += "      ]\n    }";
        out += s + 1 < lesson.sections.size() ? ",\n" : "\n";
    }
    out += "  ]\n}\n";
    return out;
}

} // namespace LessonFile

namespace {
bool lessonOneWasRead = false;
} // namespace

const Lesson &lessonOne()
{
    static const Lesson lesson = [] {
        lessonOneWasRead = true;
        const LessonFile::Result result = LessonFile::load(QStringLiteral(":/lessons/lesson1.json"));
        if (!result.ok())
            qCritical("%s", qPrintable(result.error));
        return result.lesson;
    }();
    return lesson;
}

bool lessonOneRead()
{
    return lessonOneWasRead;
}

const LessonSection &lessonOneSection(int exercise)
{
    static const LessonSection none;
    const LessonSection *section = lessonOne().section(QString::number(exercise));
    return section ? *section : none;
}
