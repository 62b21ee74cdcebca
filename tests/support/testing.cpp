#include "testing.h"

#include "ui/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStandardPaths>

namespace {
QtMessageHandler previous = nullptr;

// The offscreen platform cannot change the stacking order and says so on every raise.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    if (previous)
        previous(type, context, message);
}
} // namespace

TestRun::TestRun() : TestRun(nullptr) {}

TestRun::TestRun(std::unique_ptr<ProgressStore> store)
{
    // Whatever a test opens by the standard paths lands in a test folder, not the learner's.
    QStandardPaths::setTestModeEnabled(true);
    static const bool installed = [] {
        previous = qInstallMessageHandler(quietHandler);
        return true;
    }();
    Q_UNUSED(installed);
    auto desktop = std::make_unique<FakeDesktop>();
    desktop_ = desktop.get();
    if (!store)
        store = std::make_unique<SqliteProgressStore>(dataDir_.filePath(QStringLiteral("progress.sqlite")));
    program_ = std::make_unique<Program>(std::move(desktop), std::move(store));
}

TestRun::~TestRun()
{
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<FormWindow *>(w))
            names.append(w->objectName());
    names.sort();
    return names;
}

void triggerMenu(QWidget *window, const QString &itemName)
{
    auto *item = window->findChild<QAction *>(itemName);
    QVERIFY2(item, qPrintable(itemName));
    QVERIFY2(item->isEnabled(), qPrintable(itemName));
    item->trigger();
}

void pressEnter(QWidget *window)
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Return);
}

void clickCloseBox(QWidget *window)
{
    QCloseEvent event;
    QApplication::sendEvent(window, &event);
}

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 128 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}
