#pragma once
#include "app/program.h"
#include "fakedesktop.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QPointer>
#include "core/progressstore.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

// A fresh program run on a fake desktop, for one test function. Its progress is kept in a
// temporary folder of its own (progress.sqlite there), never in the learner's data folder,
// unless the test hands over a store of its own. The learner's settings live in a temporary
// directory of the test process, never in the real ones; each run starts with none unless it
// keeps those of the run before it.
class TestRun {
public:
    enum Settings { FreshSettings, KeepSettings };
    explicit TestRun(Settings settings = FreshSettings);
    explicit TestRun(std::unique_ptr<ProgressStore> store, Settings settings = FreshSettings);
    ~TestRun();
    Program &program() { return *program_; }
    FakeDesktop &desktop() { return *desktop_; }
    ProgressStore &store() { return program_->progressStore(); }
    // The temporary folder of the run's own store.
    QString dataDir() const { return dataDir_.path(); }

private:
    QTemporaryDir dataDir_;
    FakeDesktop *desktop_;
    std::unique_ptr<Program> program_;
};

// A fresh program run on the real desktop: real message boxes, each running its own event loop
// until something answers it (see BoxAnswerer).
class RealRun {
public:
    RealRun();
    ~RealRun();
    Program &program() { return *program_; }

private:
    std::unique_ptr<Program> program_;
};

// The end of the program (QCoreApplication::exit) asks every event loop to quit, and every loop
// started later too returns at once, until the application's own loop runs again. This runs it
// once, so that the boxes of the next run in the same test process run their loops.
void letEventLoopsRunAgain();

// Answers the real message boxes of a test from a timer, inside their own event loops. In the
// first box it runs whileOpen (a press on another window, a close request, a timer's work) and
// lets whatever that started run inside the box (an accessibility press clicks after a short
// animation; a deferred delete runs at the box's next turn) before it presses the box's OK.
// Every later box is answered at once.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(std::function<void(QWidget *box)> whileOpen = {});
    // A button that whileOpen pressed through the accessibility interface: the first box stays
    // open until the press has gone through.
    void awaitPress(QAbstractButton *button) { pressed_ = button; }
    QStringList titles; // of every box answered, in order
    QStringList texts;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    std::function<void(QWidget *)> whileOpen_;
    QPointer<QAbstractButton> pressed_;
    bool acted_ = false;
    int turnsLeft_ = 0;
    int timer_ = 0;
};

// What a screen reader reads for a widget: its accessible name and description.
QString accessibleText(QWidget *widget, QAccessible::Text which = QAccessible::Name);

// Presses a button as a screen reader or switch access does: through its accessible press action.
void pressAccessibly(QAbstractButton *button);

// Points the learner's settings at the test process's temporary directory (as every TestRun
// does), for a program a test creates itself; fresh: without any settings of earlier runs.
void useTestSettings(bool fresh);

// The windows shown on screen now, by name.
QStringList visibleWindows();
// Triggers a menu item of a window by its object name.
void triggerMenu(QWidget *window, const QString &itemName);
// Types text key by key, as a keyboard does; unlike QTest::keyClicks it takes any letter.
void typeText(QWidget *widget, const QString &text);
// Presses Enter where the focus is in the window.
void pressEnter(QWidget *window);
// Clicks the close box of a window.
void clickCloseBox(QWidget *window);
