#pragma once
#include <QString>
#include <QStringList>

class QWidget;
class QAction;

// The variables that several windows share.
struct Module1 {
    QString wrongMessage;
    QString newLine;
    QStringList nounList = QStringList(20);
    int exerciseCode = 0;   // which exercise h01d3 runs (3 or 4), then its run code; 0 when unloaded
    bool aboutShown = false; // sobre has unloaded once: from now on it is the About window
    int switching = 0;       // an exercise window is unloading itself to open another window
};

Module1 &module1();

void setWrongMessage();
void fillNounList();
// Centres a window's outer frame on the whole screen; a window larger than the screen reaches
// past both edges by the same amount.
void centerForm(QWidget *window);
// The On Top item of an exercise window: puts the window above all others and checks the item,
// or lets others cover it and unchecks the item.
void toggleOnTop(QAction *item, QWidget *window);
