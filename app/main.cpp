#include "core/desktop.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tarvo"));
    // The program ends when its last window closes or End is pressed; it decides that itself.
    QApplication::setQuitOnLastWindowClosed(false);
    Program program(std::make_unique<QtDesktop>());
    program.start();
    return QApplication::exec();
}
