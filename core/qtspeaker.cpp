#include "core/qtspeaker.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

// The engine's side of QtSpeaker: created in the GUI thread, then moved to the speech thread,
// where every one of its functions runs.
class SpeechWorker : public QObject {
    Q_OBJECT
public:
    void open(double rate)
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        const QString engine = engines.contains(QLatin1String("speechd")) ? QStringLiteral("speechd")
                                                                           : engines.value(0);
        if (engine.isEmpty()) {
            emit opened(Speaker::Voice::Missing, QStringLiteral("no speech engine plugin for Qt"));
            return;
        }
        tts_ = new QTextToSpeech(engine, this);
        if (tts_->state() == QTextToSpeech::Error) {
            emit opened(Speaker::Voice::Missing, engine + QStringLiteral(": ") + tts_->errorString());
            return;
        }
        // Hungarian as spoken in Hungary if the engine has it, else any Hungarian.
        QLocale hungarian;
        bool found = false;
        for (const QLocale &locale : tts_->availableLocales()) {
            if (locale.language() != QLocale::Hungarian)
                continue;
            if (!found || locale.territory() == QLocale::Hungary)
                hungarian = locale;
            found = true;
        }
        if (!found) {
            emit opened(Speaker::Voice::Missing, engine + QStringLiteral(": no Hungarian voice"));
            return;
        }
        tts_->setLocale(hungarian);
        const QList<QVoice> voices = tts_->availableVoices();
        if (voices.isEmpty() || tts_->locale().language() != QLocale::Hungarian) {
            emit opened(Speaker::Voice::Missing, engine + QStringLiteral(": no Hungarian voice"));
            return;
        }
        QVoice chosen = voices.first();
        for (const QVoice &voice : voices)
            if (voice.name().contains(QLatin1String("hungarian"), Qt::CaseInsensitive)) {
                chosen = voice;
                break;
            }
        tts_->setVoice(chosen);
        tts_->setRate(rate);
        // Speaking, then back to Ready once the utterance has ended or been cut off; an engine
        // that fails says why on the console.
        connect(tts_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking || state == QTextToSpeech::Ready)
                emit speaking(state == QTextToSpeech::Speaking);
            else if (state == QTextToSpeech::Error)
                qWarning("Tarvo: speech failed: %s", qPrintable(tts_->errorString()));
        });
        ready_ = true;
        emit opened(Speaker::Voice::Hungarian, QStringLiteral("%1: %2 (%3)")
                                                   .arg(engine, tts_->voice().name(), tts_->locale().name()));
    }

    void say(const QString &text)
    {
        if (!ready_)
            return;
        tts_->stop();
        tts_->say(text);
    }

    void stop()
    {
        if (ready_)
            tts_->stop();
    }

    void setRate(double rate)
    {
        if (ready_)
            tts_->setRate(rate);
    }

signals:
    void opened(Speaker::Voice voice, const QString &description);
    void speaking(bool on);

private:
    QTextToSpeech *tts_ = nullptr;
    bool ready_ = false;
};

QtSpeaker::QtSpeaker() = default;

QtSpeaker::~QtSpeaker()
{
    if (!thread_)
        return;
    // Silence first, then end the thread's event loop from inside, after the calls before it.
    QMetaObject::invokeMethod(worker_, [worker = worker_] {
        worker->stop();
        QThread::currentThread()->quit();
    });
    // The worker (and with it the engine) is deleted in its own thread as that thread ends.
    // Connecting can take a few seconds (speech-dispatcher lists every voice it has), so the
    // end may wait for that; a daemon that never answers must not hold the program up for
    // good, and its thread is then left to the process's exit.
    if (thread_->wait(10000))
        delete thread_;
}

void QtSpeaker::open()
{
    if (thread_)
        return;
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    worker_ = new SpeechWorker;
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SpeechWorker::opened, this, [this](Speaker::Voice voice, const QString &description) {
        voice_ = voice;
        emit voiceKnown(voice, description);
    });
    connect(worker_, &SpeechWorker::speaking, this, &Speaker::speaking);
    thread_->start(QThread::LowPriority);
    const double r = rate();
    QMetaObject::invokeMethod(worker_, [worker = worker_, r] { worker->open(r); });
}

void QtSpeaker::say(const QString &text)
{
    open();
    QMetaObject::invokeMethod(worker_, [worker = worker_, text] { worker->say(text); });
}

void QtSpeaker::stop()
{
    if (worker_)
        QMetaObject::invokeMethod(worker_, &SpeechWorker::stop);
}

void QtSpeaker::setSlow(bool slow)
{
    slow_ = slow;
    if (worker_) {
        const double r = rate();
        QMetaObject::invokeMethod(worker_, [worker = worker_, r] { worker->setRate(r); });
    }
}

#include "qtspeaker.moc"
