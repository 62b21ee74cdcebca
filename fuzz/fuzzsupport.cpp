#include "fuzzsupport.h"

#include "app/program.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

QString decodeText(const uint8_t *data, size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);
    return text;
}

double unitInterval(uint64_t bits)
{
    if (bits & 1) {
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (value >= 0.0 && value < 1.0)
            return value;
    }
    return double(bits >> 11) * 0x1.0p-53;
}

QString describe(const QString &text, qsizetype limit)
{
    QString out;
    for (qsizetype i = 0; i < text.size() && i < limit; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 && c < 0x7f)
            out += QChar(c);
        else
            out += QStringLiteral("<U+%1>").arg(QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    if (text.size() > limit)
        out += QStringLiteral("... (%1 code units)").arg(text.size());
    return out;
}

void violated(const char *property, const QString &input, const QString &detail)
{
    std::fprintf(stderr, "\n*** property violated: %s\n*** input:  \"%s\"\n", property,
                 describe(input).toUtf8().constData());
    if (!detail.isEmpty())
        std::fprintf(stderr, "*** detail: %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

void RecordingDesktop::messageBox(QWidget *, const QString &title, const QString &text, MsgIcon icon)
{
    boxes.append(Box{title, text, icon});
}

double RecordingDesktop::random()
{
    ++randomCalls;
    if (!draws.isEmpty())
        last_ = draws.takeFirst();
    else if (!stuck)
        last_ = unitInterval((sequence_ = sequence_ * 6364136223846793005u + 1442695040888963407u) & ~uint64_t(1));
    return last_;
}

void RecordingDesktop::clear()
{
    boxes.clear();
    draws.clear();
    stuck = false;
    beeps = 0;
    randomCalls = 0;
    last_ = 0.0;
    sequence_ = 0;
}

namespace {
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform reports what it cannot do (raise, stacking); nothing else is expected.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        std::abort();
    }
}
} // namespace

RecordingDesktop &fuzzProgram()
{
    static RecordingDesktop *desktop = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietMessages);
        static int argc = 1;
        static char name[] = "tarvo-fuzz";
        static char *argv[] = {name, nullptr};
        // Both live until the process ends: libFuzzer leaves through exit(), and Qt's own globals
        // are gone by the time static destructors would take the windows down.
        new QApplication(argc, argv);
        auto owned = std::make_unique<RecordingDesktop>();
        RecordingDesktop *raw = owned.get();
        new Program(std::move(owned));
        setWrongMessage();
        return raw;
    }();
    return *desktop;
}
