#include "fakedesktop.h"

#include <QRandomGenerator>
#include <QWidget>

void FakeDesktop::messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon)
{
    QWidget *window = owner ? owner->window() : nullptr;
    Box box{window ? window->objectName() : QString(), title, text, icon};
    boxes.append(box);
    if (realBoxes)
        QtDesktop().messageBox(owner, title, text, icon);
    else if (onBox)
        onBox(box);
}

void FakeDesktop::endProgram()
{
    ++endCalls;
    if (realBoxes)
        QtDesktop().endProgram();
}

bool FakeDesktop::question(QWidget *owner, const QString &title, const QString &text)
{
    QWidget *window = owner ? owner->window() : nullptr;
    questions.append({window ? window->objectName() : QString(), title, text, MsgIcon::None});
    return questionAnswer;
}

QString FakeDesktop::saveFileName(QWidget *, const QString &, const QString &suggested, const QString &)
{
    saveDialogs.append(suggested);
    return savePath;
}

QStringList FakeDesktop::openFileNames(QWidget *, const QString &, const QString &filter)
{
    openDialogs.append(filter);
    return openPaths;
}

void FakeDesktop::setTopmost(QWidget *window, bool on)
{
    topmost.append({window->objectName(), on});
}

double FakeDesktop::random()
{
    static QRandomGenerator generator(20261207);
    if (!draws.isEmpty())
        return draws.takeFirst();
    return generator.generateDouble();
}

void FakeDesktop::clear()
{
    boxes.clear();
    topmost.clear();
    questions.clear();
    saveDialogs.clear();
    openDialogs.clear();
    speech.spoken.clear();
    beeps = 0;
}

void FakeSpeaker::open()
{
    opened = true;
    if (!answerLater)
        voice_ = engineVoice;
}

void FakeSpeaker::answer(Voice voice)
{
    voice_ = voice;
    emit voiceKnown(voice, QString());
}
