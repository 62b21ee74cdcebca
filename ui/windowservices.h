#pragma once

class QWidget;
class QAction;

// Centres a window's outer frame on the whole screen; a window larger than the screen reaches
// past both edges by the same amount.
void centerForm(QWidget *window);
// The On Top item of an exercise window: puts the window above all others and checks the item,
// or lets others cover it and unchecks the item.
void toggleOnTop(QAction *item, QWidget *window);
