#include "ui/windowservices.h"

#include "core/desktop.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {
QString &platformNameForTesting()
{
    static QString name;
    return name;
}

QPoint centredPosition(QWidget *window)
{
    const QRect screen = window->screen()->geometry();
    const QSize outer = window->frameGeometry().size();
    const double left = (screen.width() - outer.width()) / 2.0;
    const double top = (screen.height() - outer.height()) / 2.0;
    return {screen.x() + int(std::floor(left)), screen.y() + int(std::floor(top))};
}

// A window that is not on screen yet has no frame: the window manager adds its title bar and
// borders once the window is shown, and Qt learns of them a moment later. Centred on its client
// size alone, the frame would sit half a title bar too low. This centres the window again, once,
// when its frame becomes known, unless it has been moved meanwhile.
class CentreOnceFramed : public QObject {
public:
    CentreOnceFramed(QWidget *window, QPoint placed) : QObject(window), window_(window), placed_(placed)
    {
        setObjectName(QStringLiteral("centreOnceFramed"));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                   event->type() == QEvent::Show)) {
            if (window_->pos() != placed_) {
                deleteLater(); // moved by someone else: their place stands
            } else if (window_->frameGeometry().size() != window_->size()) {
                const QPoint centred = centredPosition(window_);
                deleteLater();
                window_->removeEventFilter(this);
                if (centred != placed_)
                    window_->move(centred);
            }
        }
        return false;
    }

private:
    QWidget *window_;
    QPoint placed_;
};
} // namespace

const char *const onTopUnavailableTip =
    QT_TRANSLATE_NOOP("WindowServices", "This desktop does not let a program keep its window above the others.");

void setPlatformNameForTesting(const QString &name)
{
    platformNameForTesting() = name;
}

bool desktopPlacesWindows()
{
    const QString &testing = platformNameForTesting();
    const QString name = testing.isEmpty() ? QGuiApplication::platformName() : testing;
    return !name.startsWith(QLatin1String("wayland"));
}

void centerForm(QWidget *window)
{
    // Wayland has no global coordinates: a move would only draw a warning per window.
    if (!desktopPlacesWindows())
        return;
    const QPoint placed = centredPosition(window);
    window->move(placed);
    if (window->frameGeometry().size() == window->size() &&
        !window->findChild<QObject *>(QStringLiteral("centreOnceFramed"), Qt::FindDirectChildrenOnly))
        new CentreOnceFramed(window, placed);
}

void toggleOnTop(QAction *item, QWidget *window)
{
    const bool on = !item->isChecked();
    if (desktopPlacesWindows())
        desktop().setTopmost(window, on);
    item->setChecked(on);
}

void disableWhereUnavailable(QAction *onTopItem)
{
    if (desktopPlacesWindows())
        return;
    onTopItem->setEnabled(false);
    const QString tip = QCoreApplication::translate("WindowServices", onTopUnavailableTip);
    onTopItem->setStatusTip(tip);
    onTopItem->setToolTip(tip);
}
