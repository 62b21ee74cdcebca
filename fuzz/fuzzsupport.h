#pragma once
// What both fuzz targets share: turning the input bytes into text and numbers, a desktop that
// records instead of showing, the offscreen application, and the way a broken property ends
// the run.
#include "core/desktop.h"
#include "core/speech.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Takes parameters off the front of the input; past its end every value reads as zero.
class ByteReader {
public:
    ByteReader(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    template <class T>
    T take()
    {
        T value{};
        const size_t n = std::min(sizeof(T), size_ - pos_);
        std::memcpy(&value, data_ + pos_, n);
        pos_ += n;
        return value;
    }
    const uint8_t *rest() const { return data_ + pos_; }
    size_t restSize() const { return size_ - pos_; }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

// The text that the rest of the input carries: UTF-8 (invalid sequences become U+FFFD) or raw
// UTF-16 code units, so that lone surrogates and any other code unit reach the routines too.
QString decodeText(const uint8_t *data, size_t size, bool utf16);

// A uniform value in [0, 1) from eight bytes, as a random generator hands it out: either the
// 53-bit fraction of the bits, or the bits themselves as a double when that lies in [0, 1),
// which reaches the values just below 1 and the tiny ones.
double unitInterval(uint64_t bits);

// Reports a broken property with the text that broke it and aborts, so that libFuzzer keeps the
// input as a crash.
[[noreturn]] void violated(const char *property, const QString &input, const QString &detail = QString());

#define FUZZ_CHECK(condition, input, detail)                                                                         \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            violated(#condition, (input), (detail));                                                                   \
    } while (0)

// A desktop that records boxes and beeps, acknowledges every box at once, and draws from a
// queue that the fuzz input fills; then from a fixed sequence that clear() restarts, or, when
// stuck is set, the last value again and again (a generator that has got stuck).
// A speaker without an engine: no voice, and nothing said.
class SilentSpeaker : public Speaker {
public:
    void open() override {}
    Voice voice() const override { return Voice::Missing; }
    void say(const QString &) override {}
    void stop() override {}
    void setSlow(bool) override {}
};

class RecordingDesktop : public Desktop {
public:
    struct Box {
        QString title;
        QString text;
        MsgIcon icon;
    };

    void messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon) override;
    void beep() override { ++beeps; }
    void setTopmost(QWidget *, bool) override {}
    double random() override;
    void endProgram() override {}
    Speaker &speaker() override { return speaker_; }

    void clear();

    QList<Box> boxes;
    QList<double> draws;
    bool stuck = false;
    int beeps = 0;
    int randomCalls = 0;

private:
    SilentSpeaker speaker_;
    double last_ = 0.0;
    uint64_t sequence_ = 0;
};

// The offscreen QApplication and the program run on a RecordingDesktop, created once.
RecordingDesktop &fuzzProgram();

// Short printable rendering of a text for the reports: code units as U+XXXX beyond ASCII.
QString describe(const QString &text, qsizetype limit = 160);
