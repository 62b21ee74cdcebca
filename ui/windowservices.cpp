#include "ui/windowservices.h"

#include "core/desktop.h"

#include <QAction>
#include <QScreen>
#include <QWidget>
#include <cmath>

void centerForm(QWidget *window)
{
    const QRect screen = window->screen()->geometry();
    const QSize outer = window->frameGeometry().size();
    const double left = (screen.width() - outer.width()) / 2.0;
    const double top = (screen.height() - outer.height()) / 2.0;
    window->move(screen.x() + int(std::floor(left)), screen.y() + int(std::floor(top)));
}

void toggleOnTop(QAction *item, QWidget *window)
{
    const bool on = !item->isChecked();
    desktop().setTopmost(window, on);
    item->setChecked(on);
}
