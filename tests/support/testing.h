#pragma once
#include "app/program.h"
#include "fakedesktop.h"

#include <QAction>
#include <QTest>
#include <QWidget>
#include <memory>

// A fresh program run on a fake desktop, for one test function. The learner's settings live in
// a temporary directory of the test process, never in the real ones; each run starts with none
// unless it keeps those of the run before it.
class TestRun {
public:
    enum Settings { FreshSettings, KeepSettings };
    explicit TestRun(Settings settings = FreshSettings);
    ~TestRun();
    Program &program() { return *program_; }
    FakeDesktop &desktop() { return *desktop_; }

private:
    FakeDesktop *desktop_;
    std::unique_ptr<Program> program_;
};

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
