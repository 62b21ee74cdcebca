#pragma once
#include <QObject>
#include <QString>
#include <optional>

// A speech engine with a Hungarian voice, as the desktop offers it (see Desktop::speaker()).
// Every call returns at once; the engine does its work in the background.
class Speaker : public QObject {
    Q_OBJECT
public:
    enum class Voice {
        Unknown,   // the engine has not been asked yet, or has not answered
        Hungarian, // a Hungarian voice is chosen and ready
        Missing,   // no speech engine, or no Hungarian voice in it
    };
    Q_ENUM(Voice)

    // Connects to the engine, once; voiceKnown() follows when it has answered.
    virtual void open() = 0;
    virtual Voice voice() const = 0;
    // Speaks the text in the Hungarian voice, cutting off whatever is still being spoken.
    virtual void say(const QString &text) = 0;
    // Silences what is being spoken, and anything asked for but not yet begun.
    virtual void stop() = 0;
    // Slower still than the usual rate, which is a little slower than the engine's normal one.
    virtual void setSlow(bool slow) = 0;
    // Whether a screen reader already speaks the desktop (QAccessible::isActive()).
    virtual bool screenReaderActive() const;

signals:
    // The engine has answered; description names the voice chosen, or says what is missing.
    void voiceKnown(Speaker::Voice voice, const QString &description);
    // An utterance has begun (true), or has ended or been cut off and the engine is ready
    // again (false).
    void speaking(bool on);
};

// Whether and how the exercise windows speak Hungarian: the learner's choices (remembered in
// the settings), the last utterance for "Say it again", and the speaker of the desktop. The
// program installs one for its run (installSpeech); the windows reach it as speech().
//
// Nothing touches the engine or the settings until first use (prepare()), so that start-up
// stays as fast as it was. Until the learner has chosen, speaking is on once the engine has
// found a Hungarian voice, unless a screen reader is active; that first decision is stored.
class Speech : public QObject {
    Q_OBJECT
public:
    explicit Speech(Speaker &speaker);
    ~Speech() override;

    // First use: reads the settings and has the speaker connect to its engine.
    void prepare();

    // False once the engine has answered that it has no Hungarian voice (or is not there).
    bool available() const;
    bool isOn() const;
    bool slowly() const { return slowly_; }
    void setOn(bool on);
    void setSlowly(bool slowly);

    // Speaks a Hungarian phrase if speaking is on, replacing the one being spoken.
    void say(const QString &text);
    // The last phrase spoken, once more.
    void sayAgain();
    QString lastUtterance() const { return last_; }
    // Silences what is being spoken.
    void stop();
    // A window has closed: silence, and nothing left to say again.
    void forget();

    // While a Hold lives (a wrong-answer box is up), nothing is spoken.
    class Hold {
    public:
        explicit Hold(Speech &speech);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        Speech &speech_;
    };

    // What the learner needs to install to hear Hungarian.
    static QString installHint();

signals:
    // Whether speech is available, on or slow has changed.
    void changed();

private:
    void voiceKnown(Speaker::Voice voice);
    void store(const char *key, bool value);

    Speaker &speaker_;
    bool prepared_ = false;
    std::optional<bool> on_; // empty until read from the settings or decided
    bool slowly_ = false;
    int held_ = 0;
    QString last_;
    QString pending_; // asked for before the first decision
};

// The speech service of the running program (nullptr clears it).
void installSpeech(Speech *speech);
Speech &speech();
