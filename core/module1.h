#pragma once
#include <QString>
#include <QStringList>

// Why an exercise window unloads, as Module1::switching holds it.
enum class Unloading : int {
    ToMenu = 0,          // closed: its unload handler shows the menu
    ToAnotherWindow = 1, // it has opened another window and unloads itself for it
};

// The variables that several windows share.
struct Module1 {
    QString wrongMessage;
    QString newLine;
    QStringList nounList = QStringList(20);
    // Which exercise h01d3 runs: 0 while it is unloaded; the exercise it is opened for (3 or 4,
    // set by its opener before it loads, and read by its load); from Start, the run code
    // (SentenceBank::RunCode).
    int exerciseCode = 0;
    bool aboutShown = false; // sobre has unloaded once: from now on it is the About window
    int switching = 0;       // an Unloading: why the exercise window unloading now does so

    // A window that has opened another one unloads itself for it: its unload handler is told so.
    void unloadForAnotherWindow() { switching = int(Unloading::ToAnotherWindow); }
    // The unload handler's question: why the window unloads. The answer is taken: the next
    // unload is to the menu unless a window says otherwise again.
    Unloading takeUnloading()
    {
        const Unloading why = switching == int(Unloading::ToAnotherWindow) ? Unloading::ToAnotherWindow : Unloading::ToMenu;
        if (why == Unloading::ToAnotherWindow)
            switching = int(Unloading::ToMenu);
        return why;
    }
};

// The shared variables of the running program (installed by it, see core/services.h).
Module1 &module1();

void setWrongMessage();
// Fills nounList with the nouns of exercise 5.
void fillNounList();
// The twenty nouns of exercise 5, one for each picture, in alphabetical order: lesson 1's
// section "5" (core/lessonfile.h).
QStringList nounTable();
