#include "app/module1.h"

#include "app/desktop.h"
#include "app/program.h"

#include <QAction>
#include <QScreen>
#include <QWidget>
#include <cmath>

Module1 &module1()
{
    return Program::get().shared;
}

void setWrongMessage()
{
    module1().wrongMessage = QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
}

void fillNounList()
{
    module1().nounList = {
        QStringLiteral("autó"),     QStringLiteral("diák"),     QStringLiteral("fiú"),      QStringLiteral("fürdőszoba"),
        QStringLiteral("ház"),      QStringLiteral("híd"),      QStringLiteral("kulcs"),    QStringLiteral("lány"),
        QStringLiteral("mérnök"),   QStringLiteral("múzeum"),   QStringLiteral("orvos"),    QStringLiteral("sofőr"),
        QStringLiteral("szálloda"), QStringLiteral("szekrény"), QStringLiteral("sziget"),   QStringLiteral("szoba"),
        QStringLiteral("tanár"),    QStringLiteral("tanárnő"),  QStringLiteral("templom"),  QStringLiteral("újságíró"),
    };
}

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
    Program::get().desktop().setTopmost(window, on);
    item->setChecked(on);
}
