#pragma once
#include <QCheckBox>

// The tick box of the laid-out windows. A screen reader, switch access or voice control ticks it
// through the accessibility interface with its toggle (or press) action; either acts exactly as
// a mouse click: the box takes the focus, the tick changes and the click handlers run, once.
// Under a modal box, where a click does nothing, the action does nothing either, tick included.
// Qt's own interface for a check box merely flips the tick, and no click handler hears of it.
class TickBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TickBox(QWidget *parent = nullptr);
};
