#include "testing.h"

#include "core/translations.h"
#include "ui/form.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QtMessageHandler previous = nullptr;

// The offscreen platform cannot change the stacking order and says so on every raise; nor does
// it take size hints, and says so for every real message box.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()")) ||
        message.contains(QLatin1String("does not support propagateSizeHints()")))
        return;
    if (previous)
        previous(type, context, message);
}

void quietenPlatform()
{
    // Whatever a test opens by the standard paths lands in a test folder, not the learner's.
    QStandardPaths::setTestModeEnabled(true);
    static const bool installed = [] {
        previous = qInstallMessageHandler(quietHandler);
        // TARVO_TEST_LANGUAGE=de runs a suite in that interface language (English otherwise).
        const QString language = qEnvironmentVariable("TARVO_TEST_LANGUAGE");
        if (!language.isEmpty() && Translations::install({language}).isEmpty())
            qFatal("No translation for %s", qPrintable(language));
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

TestRun::TestRun(Settings settings) : TestRun(nullptr, settings) {}

TestRun::TestRun(std::unique_ptr<ProgressStore> store, Settings settings)
{
    quietenPlatform();
    useTestSettings(settings == FreshSettings);
    auto desktop = std::make_unique<FakeDesktop>();
    desktop_ = desktop.get();
    if (!store)
        store = std::make_unique<SqliteProgressStore>(dataDir_.filePath(QStringLiteral("progress.sqlite")));
    program_ = std::make_unique<Program>(std::move(desktop), std::move(store));
    program_->setLessonFolder(dataDir_.filePath(QStringLiteral("lessons")));
}

void useTestSettings(bool fresh)
{
    // Removed with everything in it when the test process ends.
    static QTemporaryDir settingsDir;
    static const bool redirected = [] {
        QStandardPaths::setTestModeEnabled(true);
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
        return true;
    }();
    Q_UNUSED(redirected);
    if (fresh)
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).clear();
}

TestRun::~TestRun()
{
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
// The real desktop, but for its speech engine: connecting to speech-dispatcher takes seconds and
// these runs are about message boxes, so they speak into a recording speaker.
class QuietQtDesktop : public QtDesktop {
public:
    Speaker &speaker() override { return quiet_; }

private:
    FakeSpeaker quiet_;
};
} // namespace

RealRun::RealRun()
{
    quietenPlatform();
    useTestSettings(true);
    program_ = std::make_unique<Program>(std::make_unique<QuietQtDesktop>());
}

RealRun::~RealRun()
{
    const bool ended = program_->ended();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (ended)
        letEventLoopsRunAgain();
}

void letEventLoopsRunAgain()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

BoxAnswerer::BoxAnswerer(std::function<void(QWidget *)> whileOpen) : whileOpen_(std::move(whileOpen))
{
    timer_ = startTimer(5);
}

void BoxAnswerer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timer_)
        return;
    QWidget *box = QApplication::activeModalWidget();
    if (!box)
        return;
    if (!acted_) {
        acted_ = true;
        if (whileOpen_)
            whileOpen_(box);
        turnsLeft_ = 3;
        return;
    }
    // An accessible press clicks once its animation is over; the box waits for it, and then a
    // few turns more for what the click set off.
    if (pressed_ && pressed_->isDown())
        return;
    if (turnsLeft_ > 0) {
        --turnsLeft_;
        return;
    }
    titles.append(box->windowTitle());
    if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
        texts.append(messageBox->text());
        // A box with OK is acknowledged; a question gets its default answer.
        QAbstractButton *answer = messageBox->button(QMessageBox::Ok);
        if (!answer)
            answer = messageBox->defaultButton();
        answer->click();
    } else {
        box->close();
    }
}

QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which) : QString();
}

void pressAccessibly(QAbstractButton *button)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
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
