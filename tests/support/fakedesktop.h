#pragma once
#include "core/desktop.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <functional>

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
    void endProgram() override { ++endCalls; }
    // Questions are recorded with the boxes' fields and answered with questionAnswer.
    bool question(QWidget *owner, const QString &title, const QString &text) override;
    // Records the title and suggested name; returns savePath (empty: cancelled).
    QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter) override;

    QList<Box> boxes;
    QList<Topmost> topmost;
    QList<double> draws;
    int beeps = 0;
    int endCalls = 0;
    QList<Box> questions;
    bool questionAnswer = false;
    QStringList saveDialogs; // the suggested names, one per dialog
    QString savePath;
    // Runs while a box is "open", as if the learner acted before pressing OK.
    std::function<void(const Box &)> onBox;

    Box lastBox() const { return boxes.isEmpty() ? Box{} : boxes.last(); }
    void clear();
};
