// KVTML 2, the XML of KDE's vocabulary programs: identifiers (the languages, each with a
// locale), entries with one translation per identifier, lessons as nested containers that name
// their entries, and word types as containers of the same kind.
#include "core/wordlist.h"
#include "core/wordlist_p.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>

namespace WordList {

namespace {

using detail::languageOf;

// Containers nested deeper than this are read as the deepest one (their entries go to it).
constexpr int maxDepth = 32;

struct Translation {
    QString text, comment;
    QStringList images;
};

struct Entry {
    QString id;
    bool inactive = false;
    bool noun = false;
    QMap<QString, Translation> translations; // by identifier id, in a fixed order
};

struct Identifier {
    QString id, name, locale;
};

struct ListLesson {
    QString title;
    QStringList entries;
};

class KvtmlParser {
public:
    explicit KvtmlParser(const QByteArray &bytes) : xml(bytes) {}

    // False when the file is not a KVTML 2 list or the XML is broken; refused says why when it
    // is not the XML.
    bool parse();

    QXmlStreamReader xml;
    QString refused;
    QString title;
    bool hasIdentifiers = false;
    QList<Identifier> identifiers;
    QList<Entry> entries;
    QList<ListLesson> lessons;
    QSet<QString> nouns; // entry ids in a noun container
    bool wordTypes = false; // the list has word types, in its entries or as containers

private:
    QString readText() { return xml.readElementText(QXmlStreamReader::SkipChildElements); }
    void information();
    void identifier();
    void entry();
    void translation(Entry &entry);
    void lessonContainer(QString parent, int depth);
    void typeContainer(bool noun, int depth);
    void collectEntries(QStringList &ids);
};

bool isNounType(const QString &type)
{
    const QString t = type.trimmed().toLower();
    return t.startsWith(QLatin1String("noun")) || t.startsWith(QLatin1String("wordtype-noun"));
}

bool KvtmlParser::parse()
{
    // The prolog: a document type that declares entities is refused before any is expanded, so
    // neither a bomb of nested entities nor one that names an outside file gets anywhere.
    // Nothing outside the file is ever fetched or read.
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        if (xml.tokenType() == QXmlStreamReader::DTD &&
            (!xml.entityDeclarations().isEmpty() || xml.text().contains(QLatin1String("<!ENTITY")))) {
            refused = QStringLiteral("entities");
            return false;
        }
    }
    if (xml.hasError())
        return false;
    if (xml.name() != QLatin1String("kvtml")) {
        refused = QStringLiteral("root");
        return false;
    }
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("information")) {
            information();
        } else if (name == QLatin1String("identifiers")) {
            hasIdentifiers = true;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("identifier"))
                    identifier();
                else
                    xml.skipCurrentElement();
            }
        } else if (name == QLatin1String("entries")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("entry"))
                    entry();
                else
                    xml.skipCurrentElement();
            }
        } else if (name == QLatin1String("lessons")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("container"))
                    lessonContainer(QString(), 0);
                else
                    xml.skipCurrentElement();
            }
        } else if (name == QLatin1String("wordtypes")) {
            wordTypes = true;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("container"))
                    typeContainer(false, 0);
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    // Whatever follows the root element must still be well-formed.
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        return false;
    if (!hasIdentifiers) {
        refused = QStringLiteral("root");
        return false;
    }
    return true;
}

void KvtmlParser::information()
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("title"))
            title = readText();
        else
            xml.skipCurrentElement();
    }
}

void KvtmlParser::identifier()
{
    Identifier id{xml.attributes().value(QLatin1String("id")).toString(), QString(), QString()};
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            id.name = readText();
        else if (xml.name() == QLatin1String("locale"))
            id.locale = readText();
        else
            xml.skipCurrentElement();
    }
    identifiers.append(id);
}

void KvtmlParser::entry()
{
    Entry e;
    e.id = xml.attributes().value(QLatin1String("id")).toString();
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("inactive")) {
            const QString value = readText().trimmed().toLower();
            e.inactive = value == QLatin1String("true") || value == QLatin1String("1");
        } else if (name == QLatin1String("translation")) {
            translation(e);
        } else if (name == QLatin1String("wordtype")) {
            wordTypes = true;
            e.noun = isNounType(xml.readElementText(QXmlStreamReader::IncludeChildElements)) || e.noun;
        } else {
            xml.skipCurrentElement();
        }
    }
    entries.append(e);
}

void KvtmlParser::translation(Entry &e)
{
    Translation &t = e.translations[xml.attributes().value(QLatin1String("id")).toString()];
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("text"))
            t.text = readText();
        else if (name == QLatin1String("comment"))
            t.comment = readText();
        else if (name == QLatin1String("image"))
            t.images.append(readText());
        else if (name == QLatin1String("wordtype")) {
            wordTypes = true;
            e.noun = isNounType(xml.readElementText(QXmlStreamReader::IncludeChildElements)) || e.noun;
        } else
            xml.skipCurrentElement();
    }
}

// A lesson and the lessons inside it; each lesson takes its place in the document's order, and
// its title is its parents' titles and its name joined by " / ". The parent's title is a copy:
// the list of lessons grows under it.
void KvtmlParser::lessonContainer(QString parent, int depth)
{
    const qsizetype slot = lessons.size();
    lessons.append({parent, {}});
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            const QString own = cleanText(readText());
            lessons[slot].title = (parent.isEmpty() ? own : parent + QStringLiteral(" / ") + own).left(maxTextLength);
        } else if (name == QLatin1String("entry") || name == QLatin1String("containerentry")) {
            lessons[slot].entries.append(xml.attributes().value(QLatin1String("id")).toString());
            xml.skipCurrentElement();
        } else if (name == QLatin1String("container") && depth < maxDepth) {
            lessonContainer(lessons[slot].title, depth + 1);
        } else if (name == QLatin1String("container")) {
            // Too deep: its entries count as the deepest lesson's.
            collectEntries(lessons[slot].entries);
        } else {
            xml.skipCurrentElement();
        }
    }
}

// The ids of every entry in the current element, however deep, read without recursion.
void KvtmlParser::collectEntries(QStringList &ids)
{
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (xml.name() == QLatin1String("entry") || xml.name() == QLatin1String("containerentry"))
                ids.append(xml.attributes().value(QLatin1String("id")).toString());
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
}

// A word type and the types inside it: a noun type makes every entry in it (and in the types
// inside it) a noun.
void KvtmlParser::typeContainer(bool noun, int depth)
{
    QStringList members;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            const QString own = readText().trimmed().toLower();
            noun = noun || own == QLatin1String("noun") || own == QLatin1String("nouns");
        } else if (name == QLatin1String("specialwordtype") || name == QLatin1String("containertype")) {
            noun = isNounType(readText()) || noun;
        } else if (name == QLatin1String("entry") || name == QLatin1String("containerentry")) {
            members.append(xml.attributes().value(QLatin1String("id")).toString());
            xml.skipCurrentElement();
        } else if (name == QLatin1String("container") && depth < maxDepth) {
            typeContainer(noun, depth + 1);
        } else if (name == QLatin1String("container")) {
            collectEntries(members);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (noun)
        for (const QString &id : std::as_const(members))
            nouns.insert(id);
}

QString describe(const Identifier &id)
{
    const QString name = cleanText(id.name), locale = cleanText(id.locale);
    if (!name.isEmpty() && !locale.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, locale);
    if (!name.isEmpty() || !locale.isEmpty())
        return name + locale;
    return QStringLiteral("#") + cleanText(id.id);
}

bool isHungarian(const Identifier &id)
{
    const QString name = id.name.trimmed().toLower();
    return languageOf(id.locale) == QLatin1String("hu") || name == QLatin1String("hungarian") ||
           name == QLatin1String("magyar");
}

} // namespace

Result parseKvtml(const QByteArray &bytes, const QString &name, const QString &folder, const Options &options)
{
    detail::Builder builder(name, folder, options);
    KvtmlParser parser(bytes);
    if (!parser.parse()) {
        if (parser.refused == QLatin1String("entities"))
            return builder.fail(QCoreApplication::translate("WordList", "%1: the file declares entities of its own, which "
                                                                        "Tarvo does not read")
                                    .arg(name));
        if (parser.refused == QLatin1String("root"))
            return builder.fail(QCoreApplication::translate("WordList", "%1: this is not a KVTML 2 word list").arg(name));
        return builder.fail(QCoreApplication::translate("WordList", "%1, line %2, column %3: %4")
                                .arg(name)
                                .arg(parser.xml.lineNumber())
                                .arg(parser.xml.columnNumber())
                                .arg(parser.xml.errorString()));
    }

    Result &result = builder.result();
    const Identifier *hungarian = nullptr;
    const Identifier *prompt = nullptr;
    for (const Identifier &id : std::as_const(parser.identifiers))
        result.columns.append({id.id, cleanText(id.name), languageOf(cleanText(id.locale))});
    for (const Identifier &id : std::as_const(parser.identifiers))
        if (!options.hungarianColumn.isEmpty() && id.id == options.hungarianColumn)
            hungarian = &id;
    for (const Identifier &id : std::as_const(parser.identifiers))
        if (!hungarian && isHungarian(id))
            hungarian = &id;
    if (!hungarian) {
        // The languages found, as many as a message can show.
        QStringList found;
        for (const Identifier &id : std::as_const(parser.identifiers))
            found.append(describe(id).left(40));
        if (found.size() > 10)
            found = found.mid(0, 10) << QStringLiteral("…");
        Result refused = builder.fail(
            found.isEmpty() ? QCoreApplication::translate("WordList", "%1: the list names no languages").arg(name)
                            : QCoreApplication::translate("WordList", "%1: no language of the list is Hungarian "
                                                                      "(languages found: %2)")
                                  .arg(name, found.join(QStringLiteral(", "))));
        refused.hungarianMissing = !found.isEmpty();
        return refused;
    }
    // The prompt: the learner's choice, else their interface language, else English, else the
    // first other language; none in a list of Hungarian only.
    const auto pick = [&](const auto &fits) -> const Identifier * {
        for (const Identifier &id : std::as_const(parser.identifiers))
            if (id.id != hungarian->id && fits(id))
                return &id;
        return nullptr;
    };
    const QString own = languageOf(options.interfaceLanguage);
    if (!options.promptColumn.isEmpty())
        prompt = pick([&](const Identifier &id) { return id.id == options.promptColumn; });
    if (!prompt && !own.isEmpty())
        prompt = pick([&](const Identifier &id) { return languageOf(id.locale) == own; });
    if (!prompt)
        prompt = pick([](const Identifier &id) { return languageOf(id.locale) == QLatin1String("en"); });
    if (!prompt)
        prompt = pick([](const Identifier &) { return true; });
    result.wordTypes = parser.wordTypes;
    result.hungarianColumn = hungarian->id;
    result.promptColumn = prompt ? prompt->id : QString();
    const QString promptLanguage = prompt ? languageOf(cleanText(prompt->locale)) : QString();

    QHash<QString, qsizetype> byId;
    for (qsizetype i = 0; i < parser.entries.size(); ++i)
        byId.insert(parser.entries[i].id, i);
    QList<bool> placed(parser.entries.size(), false);
    const auto add = [&](qsizetype index) {
        placed[index] = true;
        const Entry &e = parser.entries[index];
        if (e.inactive) {
            ++result.setAside.inactive;
            return true;
        }
        const Translation word = e.translations.value(hungarian->id);
        const Translation asked = prompt ? e.translations.value(prompt->id) : Translation();
        detail::Entry made{word.text, asked.text, promptLanguage, word.comment, asked.images + word.images,
                           e.noun || parser.nouns.contains(e.id)};
        for (auto t = e.translations.cbegin(); t != e.translations.cend(); ++t)
            if (t.key() != hungarian->id && (!prompt || t.key() != prompt->id))
                made.pictures += t->images;
        return builder.add(made);
    };
    bool room = true;
    for (qsizetype l = 0; l < parser.lessons.size() && room; ++l) {
        const ListLesson &lesson = parser.lessons[l];
        builder.section(lesson.title.isEmpty() ? QStringLiteral("lesson %1").arg(l + 1) : QStringLiteral("lesson:") + lesson.title,
                        lesson.title);
        for (const QString &id : lesson.entries) {
            const auto found = byId.constFind(id);
            if (found != byId.constEnd() && !placed[*found] && !(room = add(*found)))
                break;
        }
    }
    builder.section(QStringLiteral("words"), cleanText(parser.title));
    for (qsizetype i = 0; i < parser.entries.size() && room; ++i)
        if (!placed[i])
            room = add(i);
    return builder.finish(parser.title);
}

} // namespace WordList
