#include "ui/form.h"

#include "ui/controls.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

namespace {
// Message boxes open now, over all windows, and the widgets of windows unloaded meanwhile.
int openBoxes = 0;
QList<QPointer<FormWindow>> laidAside;

// A window unloaded while a box is open is hidden at once, but its widget is deleted only once
// the last box has been answered: a deferred delete would otherwise run inside the box's own
// event loop, deleting the box (a child of some window) and the controls of a handler that is
// still waiting for the box to return.
void deleteWhenNoBoxIsOpen(FormWindow *w)
{
    if (openBoxes > 0)
        laidAside.append(w);
    else
        w->deleteLater();
}
} // namespace

FormWindow::FormWindow(Form *form) : form_(form), client_(new QWidget(this))
{
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form hides and destroys this widget itself when it unloads. Under a modal box the
    // close box does nothing, as every other control of the window.
    event->ignore();
    if (form_ && !form_->blockedByBox())
        form_->unload();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc reaches the window when no control took it (none of ours does).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && form_ && form_->closesOnEscape()) {
        if (!form_->blockedByBox())
            form_->unload();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && form_) {
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget())) {
            if (focused->isEnabled() && focused->isVisible()) {
                focused->click();
                return;
            }
        }
        QPushButton *button = form_->defaultButton();
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

Form::Form(FormLook look) : look_(std::move(look)) {}

Form::~Form()
{
    // No virtual calls here: the derived parts are gone already.
    if (window_) {
        window_->detach();
        delete window_;
    }
}

bool Form::isVisible() const
{
    return window_ && window_->isVisible();
}

void Form::load()
{
    if (window_)
        return;
    auto *w = new FormWindow(this);
    w->setObjectName(look_.name);
    w->setWindowTitle(look_.caption);
    QWidget *client = w->client();
    client->setFixedSize(twSize(look_.widthTwips, look_.heightTwips));
    client->setFont(look_.font);
    if (look_.background.isValid()) {
        // The window's text goes with its background. Only these two roles: text boxes and
        // buttons on the window keep the desktop's colours, background and text alike.
        QPalette pal = client->palette();
        fixColours(pal, QPalette::Window, QPalette::WindowText, look_.background);
        client->setPalette(pal);
        client->setAutoFillBackground(true);
    }
    window_ = w;
    ++loads_;
    createControls(client);
    // A laid-out window can be a few pixels smaller than its controls (the exercise windows'
    // "Go to exercise" row reaches past their right edge); it grows to show them whole.
    QRect contents;
    for (QWidget *child : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            contents |= child->geometry();
    client->setFixedSize(client->size().expandedTo(QSize(contents.right() + 1, contents.bottom() + 1)));
    w->layout()->activate();
    w->adjustSize();
    Form_Load();
}

void Form::unload()
{
    if (!window_ || unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    unloading_ = false;
    destroyWindow();
    emit unloaded();
}

void Form::discard()
{
    destroyWindow();
}

void Form::destroyWindow()
{
    if (!window_)
        return;
    FormWindow *w = window_;
    window_ = nullptr;
    defaultButton_ = nullptr;
    destroyControls();
    // A form may unload itself from one of its own handlers: hide the widget now and let Qt
    // delete it once that handler has returned. Its timers stop at once.
    for (QTimer *timer : w->findChildren<QTimer *>())
        timer->stop();
    w->detach();
    w->hide();
    deleteWhenNoBoxIsOpen(w);
}

bool blockedByModal(const QWidget *widget)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->window() != widget->window();
}

bool Form::blockedByBox() const
{
    return window_ && blockedByModal(window_);
}

bool Form::ownsControl(const QObject *control) const
{
    for (const QObject *o = control; o && window_; o = o->parent())
        if (o == window_)
            return true;
    return false;
}

bool Form::messageBox(const QString &title, const QString &text, MsgIcon icon)
{
    return runModal([&](QWidget *owner) { desktop().messageBox(owner, title, text, icon); });
}

bool Form::runModal(const std::function<void(QWidget *owner)> &show)
{
    FormWindow *owner = window();
    const quint64 load = loads_;
    ++openBoxes;
    show(owner);
    if (--openBoxes == 0) {
        const QList<QPointer<FormWindow>> windows = std::exchange(laidAside, {});
        for (FormWindow *w : windows)
            if (w)
                w->deleteLater();
    }
    return window_ && loads_ == load;
}

void Form::show()
{
    load();
    if (window_->isVisible())
        window_->raise(); // already on screen: only comes forward
    else
        window_->show();
    window_->activateWindow();
}

FormWindow *Form::window()
{
    load();
    return window_;
}

void Form::setDefaultButton(QPushButton *button)
{
    load();
    if (defaultButton_ && defaultButton_ != button)
        defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button)
        button->setDefault(true);
}

QPushButton *Form::defaultButton()
{
    return window_ ? defaultButton_.data() : nullptr;
}
