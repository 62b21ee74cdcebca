#pragma once
#include "core/desktop.h"
#include "core/speech.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <functional>

// A speaker that records what it is asked to say instead of speaking. Its engine has a Hungarian
// voice unless the test says otherwise; it answers at once when opened, or, with answerLater,
// only when the test calls answer().
class FakeSpeaker : public Speaker {
    Q_OBJECT
public:
    void open() override;
    Voice voice() const override { return voice_; }
    void say(const QString &text) override { spoken.append(text); }
    void stop() override { ++stops; }
    void setSlow(bool on) override { slow = on; }
    bool screenReaderActive() const override { return screenReader; }

    // The engine's answer, for a speaker opened with answerLater.
    void answer(Voice voice);

    Voice engineVoice = Voice::Hungarian; // what the engine will answer
    bool answerLater = false;
    bool opened = false;
    QStringList spoken;
    int stops = 0;
    bool slow = false;
    bool screenReader = false;

private:
    Voice voice_ = Voice::Unknown;
};

// A desktop that records instead of showing: every message box (acknowledged at once), beep
// and change of the stacking order; random draws come from a queue the test fills, then from a
// fixed-seed generator.
class FakeDesktop : public Desktop {
public:
    struct Box {
        QString owner; // object name of the window the box belongs to
        QString title;
        QString text;
        MsgIcon icon;
    };
    struct Topmost {
        QString window;
        bool on;
        bool operator==(const Topmost &) const = default;
    };

    void messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon) override;
    void beep() override { ++beeps; }
    void setTopmost(QWidget *window, bool on) override;
    double random() override;
    void endProgram() override;
    Speaker &speaker() override { return speech; }
    // Questions are recorded with the boxes' fields and answered with questionAnswer.
    bool question(QWidget *owner, const QString &title, const QString &text) override;
    // Records the title and suggested name; returns savePath (empty: cancelled).
    QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter) override;
    // Records the filter; returns openPaths (empty: cancelled).
    QStringList openFileNames(QWidget *owner, const QString &title, const QString &filter) override;

    QList<Box> boxes;
    QList<Topmost> topmost;
    QList<double> draws;
    int beeps = 0;
    int endCalls = 0;
    FakeSpeaker speech;
    QList<Box> questions;
    bool questionAnswer = false;
    QStringList saveDialogs; // the suggested names, one per dialog
    QString savePath;
    QStringList openDialogs; // the filters, one per dialog
    QStringList openPaths;
    // Runs while a box is "open", as if the learner acted before pressing OK.
    std::function<void(const Box &)> onBox;
    // Boxes recorded and also shown for real, each running its own event loop until something
    // answers it (onBox is not called then); the end of the program then also ends the event
    // loops, as on the real desktop.
    bool realBoxes = false;

    Box lastBox() const { return boxes.isEmpty() ? Box{} : boxes.last(); }
    void clear();
};
