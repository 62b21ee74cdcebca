// Checks the desktop's speech against the real engine: the Hungarian voice is found, and a
// Hungarian sentence is spoken to its end. Run by scripts/speech-check.sh, which gives it a
// private speech-dispatcher that plays into ALSA's null device.
//
//   tarvo-speechcheck [sentence]     exit status 0 when both hold within the time limits
#include "core/qtspeaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int voiceLimitMs = 20000; // connecting may first start the daemon
constexpr int speechLimitMs = 10000;

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString sentence = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                      : QStringLiteral("Ez a fiú magas, az alacsony.");
    QtSpeaker speaker;
    QElapsedTimer clock;
    QElapsedTimer speechClock;
    bool begun = false;
    QTimer deadline;
    deadline.setSingleShot(true);

    QObject::connect(&deadline, &QTimer::timeout, [&] {
        if (speechClock.isValid())
            report(QStringLiteral("FAIL: %1 ms after it was asked for, the sentence %2")
                       .arg(speechClock.elapsed())
                       .arg(begun ? QStringLiteral("had not ended") : QStringLiteral("had not begun")));
        else
            report(QStringLiteral("FAIL: no answer from the engine after %1 ms").arg(clock.elapsed()));
        QCoreApplication::exit(1);
    });
    QObject::connect(&speaker, &Speaker::voiceKnown, [&](Speaker::Voice voice, const QString &description) {
        if (voice != Speaker::Voice::Hungarian) {
            report(QStringLiteral("FAIL: no Hungarian voice after %1 ms: %2").arg(clock.elapsed()).arg(description));
            QCoreApplication::exit(1);
            return;
        }
        report(QStringLiteral("voice found after %1 ms: %2").arg(clock.elapsed()).arg(description));
        report(QStringLiteral("saying: ") + sentence);
        speechClock.start();
        deadline.start(speechLimitMs);
        speaker.say(sentence);
    });
    QObject::connect(&speaker, &Speaker::speaking, [&](bool on) {
        if (!speechClock.isValid())
            return;
        if (on && !begun) {
            begun = true;
            report(QStringLiteral("speaking after %1 ms").arg(speechClock.elapsed()));
        } else if (!on && begun) {
            report(QStringLiteral("ready again after %1 ms: spoken to its end").arg(speechClock.elapsed()));
            QCoreApplication::exit(0);
        }
    });

    clock.start();
    deadline.start(voiceLimitMs);
    speaker.open();
    return QCoreApplication::exec();
}
