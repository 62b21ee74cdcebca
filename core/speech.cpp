#include "core/speech.h"

#include "core/services.h"

#include <QAccessible>
#include <QSettings>
#include <utility>

namespace {
Speech *currentSpeech = nullptr;

const char *const speakKey = "speech/speak";
const char *const slowlyKey = "speech/slowly";
} // namespace

bool Speaker::screenReaderActive() const
{
    return QAccessible::isActive();
}

void installSpeech(Speech *speech)
{
    currentSpeech = speech;
}

Speech &speech()
{
    Q_ASSERT(currentSpeech);
    return *currentSpeech;
}

Speech::Speech(Speaker &speaker) : speaker_(speaker)
{
    connect(&speaker_, &Speaker::voiceKnown, this, [this](Speaker::Voice voice) { voiceKnown(voice); });
}

Speech::~Speech()
{
    if (prepared_)
        speaker_.stop();
}

QString Speech::installHint()
{
    return tr("No Hungarian voice: install speech-dispatcher, speech-dispatcher-espeak-ng and "
              "qt6-speech-speechd-plugin to hear Hungarian.");
}

void Speech::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    QSettings s = learnerSettings();
    if (s.contains(QLatin1String(speakKey)))
        on_ = s.value(QLatin1String(speakKey)).toBool();
    slowly_ = s.value(QLatin1String(slowlyKey), false).toBool();
    speaker_.setSlow(slowly_);
    speaker_.open();
    if (speaker_.voice() != Speaker::Voice::Unknown)
        voiceKnown(speaker_.voice());
}

void Speech::voiceKnown(Speaker::Voice voice)
{
    if (voice == Speaker::Voice::Hungarian && !on_) {
        // The first start with a voice: on, unless a screen reader speaks already. Stored, so
        // that from now on the setting holds whatever happens at start-up.
        on_ = !speaker_.screenReaderActive();
        store(speakKey, *on_);
    }
    const QString pending = std::exchange(pending_, QString());
    emit changed();
    if (!pending.isEmpty())
        say(pending);
}

bool Speech::available() const
{
    return speaker_.voice() != Speaker::Voice::Missing;
}

bool Speech::isOn() const
{
    return available() && on_.value_or(false);
}

void Speech::setOn(bool on)
{
    prepare();
    on_ = on;
    store(speakKey, on);
    if (!on)
        stop();
    emit changed();
}

void Speech::setSlowly(bool slowly)
{
    prepare();
    slowly_ = slowly;
    store(slowlyKey, slowly);
    speaker_.setSlow(slowly);
    emit changed();
}

void Speech::say(const QString &text)
{
    prepare();
    if (text.isEmpty() || held_ > 0 || !available())
        return;
    if (!on_) {
        // The engine has not answered yet: the phrase waits for the first decision.
        if (speaker_.voice() == Speaker::Voice::Unknown)
            pending_ = text;
        return;
    }
    if (!*on_)
        return;
    last_ = text;
    speaker_.say(text);
}

void Speech::sayAgain()
{
    if (isOn() && held_ == 0 && !last_.isEmpty())
        speaker_.say(last_);
}

void Speech::stop()
{
    pending_.clear();
    if (prepared_)
        speaker_.stop();
}

void Speech::forget()
{
    stop();
    last_.clear();
}

void Speech::store(const char *key, bool value)
{
    QSettings s = learnerSettings();
    s.setValue(QLatin1String(key), value);
}

Speech::Hold::Hold(Speech &speech) : speech_(speech)
{
    ++speech_.held_;
    speech_.stop();
}

Speech::Hold::~Hold()
{
    --speech_.held_;
}
