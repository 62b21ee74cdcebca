#pragma once
#include "app/program.h"
#include "fakedesktop.h"

#include "core/progressstore.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

// A fresh program run on a fake desktop, for one test function. Its progress is kept in a
// temporary folder of its own (progress.sqlite there), never in the learner's data folder,
// unless the test hands over a store of its own.
class TestRun {
public:
    TestRun();
    explicit TestRun(std::unique_ptr<ProgressStore> store);
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
