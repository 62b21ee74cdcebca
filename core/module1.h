#pragma once
#include <QString>
#include <QStringList>

// The variables that several windows share.
struct Module1 {
    QString wrongMessage;
    QString newLine;
    QStringList nounList = QStringList(20);
    int exerciseCode = 0;   // which exercise h01d3 runs (3 or 4), then its run code; 0 when unloaded
    bool aboutShown = false; // sobre has unloaded once: from now on it is the About window
    int switching = 0;       // an exercise window is unloading itself to open another window
};

// The shared variables of the running program (installed by it, see core/services.h).
Module1 &module1();

void setWrongMessage();
// Fills nounList with the nouns of exercise 5.
void fillNounList();
// The twenty nouns of exercise 5, one for each picture, in alphabetical order: lesson 1's
// section "5" (core/lessonfile.h).
QStringList nounTable();
