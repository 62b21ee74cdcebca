#pragma once
#include "core/speech.h"

class QThread;
class SpeechWorker;

// The desktop's speech: Qt TextToSpeech over speech-dispatcher, in a Hungarian voice at a rate
// a little below the normal one. Connecting to speech-dispatcher can take a while (it may have
// to start the daemon first), so the engine lives in a thread of its own, created on open():
// no window ever waits for it, and start-up does not touch it at all.
class QtSpeaker : public Speaker {
    Q_OBJECT
public:
    QtSpeaker();
    ~QtSpeaker() override;

    void open() override;
    Voice voice() const override { return voice_; }
    void say(const QString &text) override;
    void stop() override;
    void setSlow(bool slow) override;

    // The engine's rates (-1 to 1, 0 normal) for the usual and the slow speech.
    static constexpr double usualRate = -0.15;
    static constexpr double slowRate = -0.45;

private:
    double rate() const { return slow_ ? slowRate : usualRate; }

    QThread *thread_ = nullptr;
    SpeechWorker *worker_ = nullptr; // lives in thread_
    Voice voice_ = Voice::Unknown;
    bool slow_ = false;
};
