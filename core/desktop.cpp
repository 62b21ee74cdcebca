#include "core/desktop.h"

#include "core/qtspeaker.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QWindow>

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() = default;

Speaker &QtDesktop::speaker()
{
    if (!speaker_)
        speaker_ = std::make_unique<QtSpeaker>();
    return *speaker_;
}

void QtDesktop::messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MsgIcon::None: qtIcon = QMessageBox::NoIcon; break;
    case MsgIcon::Stop: qtIcon = QMessageBox::Critical; break;
    case MsgIcon::Exclamation: qtIcon = QMessageBox::Warning; break;
    case MsgIcon::Information: qtIcon = QMessageBox::Information; break;
    }
    // On the heap and watched: the box is a child of its owner, and should the owner's widget be
    // deleted while the box runs its event loop, the box goes with it and exec() returns; a box
    // on the stack would then be freed twice.
    QPointer<QMessageBox> box = new QMessageBox(qtIcon, title, text, QMessageBox::Ok, owner);
    box->exec();
    delete box.data();
}

void QtDesktop::beep()
{
    QApplication::beep();
}

void QtDesktop::setTopmost(QWidget *window, bool on)
{
    if (!window->isVisible()) {
        // Not on screen yet: the flag simply goes with the window when it is shown.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    // On screen: change the native window's flag directly, since changing the widget's flags
    // would hide the window and create its native window anew.
    window->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
    if (on)
        window->raise();
}

double QtDesktop::random()
{
    // One well-seeded generator for the whole run: reseeding before every draw would, with a
    // coarse clock, return the same number again and again.
    return QRandomGenerator::global()->generateDouble();
}

void QtDesktop::endProgram()
{
    QCoreApplication::exit(0);
}

bool Desktop::question(QWidget *, const QString &, const QString &)
{
    return false;
}

QString Desktop::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return {};
}

QStringList Desktop::openFileNames(QWidget *, const QString &, const QString &)
{
    return {};
}

bool QtDesktop::question(QWidget *owner, const QString &title, const QString &text)
{
    // On the heap and watched, as the message box is.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    box->setDefaultButton(QMessageBox::No);
    const bool yes = box->exec() == QMessageBox::Yes;
    delete box.data();
    return yes;
}

QString QtDesktop::saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(owner, title, suggested, filter);
}

QStringList QtDesktop::openFileNames(QWidget *owner, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(owner, title, QString(), filter);
}
