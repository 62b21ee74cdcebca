// Writes a pseudo-translation of a .ts file: every message translated as its own source text
// wrapped in [[ ]], placeholders and access keys kept, every plural form alike. A test loads it
// and shows that every text the windows show went through the translation system.
//   tarvo-pseudots IN.ts OUT.ts
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvo-pseudots IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tarvo-pseudots: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    QString source;
    bool numerus = false;
    int messages = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"message")
            numerus = reader.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
        if (reader.isStartElement() && reader.name() == u"translation") {
            // The translation is replaced as a whole, whatever it held.
            reader.skipCurrentElement();
            const QString wrapped = QStringLiteral("[[") + source + QStringLiteral("]]");
            writer.writeStartElement(QStringLiteral("translation"));
            if (numerus) {
                for (int form = 0; form < 2; ++form)
                    writer.writeTextElement(QStringLiteral("numerusform"), wrapped);
            } else {
                writer.writeCharacters(wrapped);
            }
            writer.writeEndElement();
            ++messages;
            continue;
        }
        if (reader.isStartElement() && reader.name() == u"source") {
            writer.writeCurrentToken(reader);
            source = reader.readElementText();
            writer.writeCharacters(source);
            writer.writeEndElement();
            continue;
        }
        if (reader.tokenType() == QXmlStreamReader::DTD || reader.isWhitespace())
            continue;
        writer.writeCurrentToken(reader);
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "tarvo-pseudots: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    std::printf("tarvo-pseudots: %d messages\n", messages);
    return 0;
}
