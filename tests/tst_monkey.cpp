// A random learner. From a seed it runs the whole program on the fake desktop and does, over and
// over, whatever a learner can do: click the buttons and tick boxes of the open windows, pick menu
// items, type or paste any text (Hungarian letters, the substitution keys, blanks, any Unicode,
// texts of tens of thousands of characters), press Enter, access keys and editing keys, close any
// window by its close box, click the About window's note-pad, let the About window's timers tick,
// press End. Now and then it knows the answer and gives it, so that runs get completed too. After
// every single event it checks what the windows promise: one exercise window at a time, never
// together with the menu, the hand-over flag back at 0, counters within their range and in step
// with the transcript, the pictures and the locked boxes, message boxes titled by their window.
//
//   TARVO_MONKEY_SEED           the seed (default 1); the same seed gives the same run
//   TARVO_MONKEY_EVENTS         events to run (default 20000)
//   TARVO_MONKEY_EVENT_TIMEOUT  seconds one event may take before the watchdog aborts (default 10)
//   TARVO_MONKEY_TRACE=1        print every event as it is run
//   TARVO_MONKEY_REAL_EVENTS    events of the run with real message boxes (default 2000)
//
// The run with real message boxes (randomLearnerWithRealBoxes) shows every box as the real
// desktop does, with its own event loop, and answers it from a timer. While a box is open the
// learner does what still reaches the program: presses a button of any window through the
// accessibility interface (End included), clicks a window's close box, or lets a timer tick.
//
// A failure names the seed, the event number and the events that led to it; rerun with the same
// seed and TARVO_MONKEY_EVENTS set to that number to stop right there.
#include "app/alap.h"
#include "app/progresswindow.h"
#include "core/desktop.h"
#include "app/hatter.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/h01d3/sentencebank.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace {

quint64 envNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

constexpr quint64 defaultEvents = 20000;
constexpr quint64 defaultRealEvents = 2000;

// QtTest gives one test function five minutes; a long run needs more. Every single event is
// bounded by the watchdog below instead.
const bool functionTimeoutSet = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const quint64 events = envNumber("TARVO_MONKEY_EVENTS", defaultEvents);
        const quint64 ms = qBound<quint64>(300000, events * 50, 2000000000);
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(ms));
    }
    return true;
}();

// Aborts the process when one event does not return in time: a handler that loops forever
// would otherwise hang the suite without saying where.
class Watchdog {
public:
    explicit Watchdog(int limitSeconds) : limit_(limitSeconds), thread_([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void begin(const QByteArray &what)
    {
        std::lock_guard lock(mutex_);
        what_ = what;
        started_ = Clock::now();
        busy_ = true;
    }
    void end()
    {
        std::lock_guard lock(mutex_);
        busy_ = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    void watch()
    {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(200));
            if (busy_ && Clock::now() - started_ > std::chrono::seconds(limit_)) {
                std::fprintf(stderr, "\nMONKEY WATCHDOG: no return after %d s from %s\n", limit_, what_.constData());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    const int limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    QByteArray what_;
    Clock::time_point started_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread thread_; // last: starts once everything above exists
};

// Warnings that the simulated input itself causes: an event that nobody took, a disabled
// widget under the mouse.
QtMessageHandler previousHandler = nullptr;
QStringList unexpectedMessages;
void monkeyMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("not accepted by receiving widget")) ||
        message.contains(QLatin1String("OpenType support missing for")) || // text in scripts no font covers
        message.startsWith(QLatin1String("This plugin does not support"))) // the offscreen platform
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        if (unexpectedMessages.size() < 50 && !unexpectedMessages.contains(message))
            unexpectedMessages.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

const QString tableKeys = QStringLiteral("';:'\"`~=+0)[{]}-_\\|");
const QString hungarianLetters = QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
const QStringList fragments = {
    QStringLiteral("a"),          QStringLiteral("az"),          QStringLiteral("Az"),
    QStringLiteral(" az "),       QStringLiteral("azautó"),      QStringLiteral("vagy"),
    QStringLiteral("vagyok"),     QStringLiteral("Igen, az."),   QStringLiteral("Nem, nem az."),
    QStringLiteral("igen,  az."), QStringLiteral("Igen, ez autó."), QStringLiteral("autó"),
    QStringLiteral("fürdőszoba"), QStringLiteral("tanárnő"),     QStringLiteral("csúnya"),
    QStringLiteral("kényelmes"),  QStringLiteral("újságíró"),    QStringLiteral("Nem, ő nem magyar."),
};

struct Event {
    QString what;
    std::function<void()> act;
};

struct Stats {
    quint64 events = 0, checks = 0, runs = 0, endButton = 0, lastWindowClosed = 0;
    quint64 boxes = 0, wrong = 0, rightTries = 0, longTexts = 0, keyEvents = 0;
    quint64 realBoxes = 0, pressesUnderBox = 0, closesUnderBox = 0;
    QMap<QString, quint64> completions; // by window
    QMap<QString, quint64> shown;       // window name -> events during which it was visible
    QMap<QString, quint64> kinds;       // event kind -> count
};

class Monkey {
public:
    Monkey(quint32 seed, int watchdogSeconds, bool realBoxes = false)
        : seed_(seed), rng_(seed), watchdog_(watchdogSeconds), realBoxes_(realBoxes)
    {
        trace_ = qEnvironmentVariableIntValue("TARVO_MONKEY_TRACE") != 0;
        if (realBoxes_) {
            boxTimer_.setInterval(2);
            QObject::connect(&boxTimer_, &QTimer::timeout, [this] { tickWhileBoxIsOpen(); });
            boxTimer_.start();
        }
    }
    ~Monkey()
    {
        run_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Stats stats;
    quint64 digest = 1469598103934665603ULL;

    // A fresh program run on a fresh fake desktop; the first one goes straight to the menu, as
    // start-up does after 800 ms, later ones may linger on the title card.
    void startRun(bool stayOnTitleCard)
    {
        const bool ended = run_ && Program::get().ended();
        run_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (realBoxes_ && ended)
            letEventLoopsRunAgain();
        run_ = std::make_unique<TestRun>();
        ++stats.runs;
        lastTop_.clear();
        run_->desktop().onBox = [this](const FakeDesktop::Box &) { whileBoxIsOpen(); };
        run_->desktop().realBoxes = realBoxes_;
        Program::get().start();
        if (!stayOnTitleCard)
            sobre().Timer1_Timer();
    }

    // One event and the checks after it; returns the first broken promise, or an empty text.
    QString step(quint64 index)
    {
        index_ = index;
        endedByButton_ = false;
        watchEndButton();
        Event event = chooseEvent();
        remember(event.what);
        if (trace_)
            std::fprintf(stderr, "%llu %s\n", (unsigned long long)index, qUtf8Printable(event.what));
        watchdog_.begin(QStringLiteral("seed %1, event %2: %3").arg(seed_).arg(index).arg(event.what).toUtf8());
        event.act();
        closePopups();
        if (rng_.bounded(3) == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (rng_.bounded(64) == 0)
            settle();
        watchdog_.end();
        ++stats.events;
        for (Form *form : Program::get().forms())
            if (form->isVisible())
                ++stats.shown[form->name()];

        const QString broken = checkInvariants();
        if (!broken.isEmpty())
            return failure(broken);
        if (Program::get().ended()) {
            if (endedByButton_)
                ++stats.endButton;
            else
                ++stats.lastWindowClosed;
            endedByButton_ = false;
            startRun(rng_.bounded(4) == 0);
            const QString afterStart = checkInvariants();
            if (!afterStart.isEmpty())
                return failure(QStringLiteral("after a fresh start: ") + afterStart);
        }
        return {};
    }

    QString recentEvents() const { return recent_.join(QLatin1Char('\n')); }

private:
    // ---- choosing ---------------------------------------------------------------------------

    int below(int n) { return n <= 0 ? 0 : int(rng_.bounded(quint32(n))); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    template <class T>
    T pick(const QList<T> &list)
    {
        return list.at(below(int(list.size())));
    }

    QList<Form *> visibleForms() const
    {
        QList<Form *> out;
        for (Form *form : Program::get().forms())
            if (form->isVisible())
                out.append(form);
        return out;
    }

    static bool isExercise(const Form *form) { return qobject_cast<const ExerciseForm *>(form) != nullptr; }

    template <class T>
    static T *loadedForm()
    {
        for (Form *form : Program::get().forms())
            if (auto *typed = qobject_cast<T *>(form); typed && typed->isLoaded())
                return typed;
        return nullptr;
    }

    static QString nameOf(const QObject *object)
    {
        const auto *widget = qobject_cast<const QWidget *>(object);
        const QString window = widget && widget->window() ? widget->window()->objectName() : QString();
        return window + QLatin1Char('/') + object->objectName();
    }

    static bool isEndButton(const QAbstractButton *button)
    {
        return button->window()->objectName() == QLatin1String("alap") &&
               button->objectName() == QLatin1String("Command1");
    }

    QList<QAbstractButton *> clickableButtons(bool includeEnd) const
    {
        QList<QAbstractButton *> out;
        for (Form *form : visibleForms())
            for (QAbstractButton *button : form->window()->findChildren<QAbstractButton *>())
                if (button->isVisible() && button->isEnabled() && (includeEnd || !isEndButton(button)))
                    out.append(button);
        return out;
    }

    QList<QLineEdit *> boxes(bool editableOnly) const
    {
        QList<QLineEdit *> out;
        for (Form *form : visibleForms())
            for (QLineEdit *box : form->window()->findChildren<QLineEdit *>())
                if (box->isVisible() && (!editableOnly || (box->isEnabled() && !box->isReadOnly())))
                    out.append(box);
        return out;
    }

    QList<QAction *> menuItems() const
    {
        QList<QAction *> out;
        for (Form *form : visibleForms())
            for (QMenu *menu : form->window()->findChildren<QMenu *>())
                for (QAction *item : menu->actions())
                    if (!item->isSeparator() && item->isEnabled() && item->isVisible() && !item->menu())
                        out.append(item);
        return out;
    }

    ExerciseForm *openExercise() const
    {
        for (Form *form : visibleForms())
            if (auto *exercise = qobject_cast<ExerciseForm *>(form))
                return exercise;
        return nullptr;
    }

    enum Kind {
        ClickButton, MouseClick, MenuItem, TypeKeys, SetText, InsertText, EditingKey, AccessKey, Enter,
        AnswerRight, CloseBox, NotePad, AboutOk, Timer1Tick, Timer2Tick, End, EdgeDraw, Render, Settle, KindCount
    };

    Event chooseEvent()
    {
        if (streak_ > 0) {
            --streak_;
            Event event = answerRight();
            if (event.act)
                return event;
            streak_ = 0;
        }
        static const int weights[KindCount] = {
            /*ClickButton*/ 26, /*MouseClick*/ 6, /*MenuItem*/ 7, /*TypeKeys*/ 12, /*SetText*/ 7, /*InsertText*/ 3,
            /*EditingKey*/ 6, /*AccessKey*/ 3, /*Enter*/ 12, /*AnswerRight*/ 16, /*CloseBox*/ 3, /*NotePad*/ 1,
            /*AboutOk*/ 1, /*Timer1Tick*/ 2, /*Timer2Tick*/ 2, /*End*/ 1, /*EdgeDraw*/ 1, /*Render*/ 1, /*Settle*/ 1,
        };
        static const int total = [] {
            int sum = 0;
            for (int w : weights)
                sum += w;
            return sum;
        }();
        // On the title card the learner mostly waits for its timer.
        if (sobre().isLoaded() && !module1().aboutShown && chance(3))
            return timer1Tick();
        for (;;) {
            int r = below(total);
            int kind = 0;
            while (r >= weights[kind])
                r -= weights[kind++];
            Event event = makeEvent(Kind(kind));
            if (event.act) {
                ++stats.kinds[event.what.section(QLatin1Char(' '), 0, 0)];
                return event;
            }
        }
    }

    Event makeEvent(Kind kind)
    {
        switch (kind) {
        case ClickButton: return clickButton();
        case MouseClick: return mouseClick();
        case MenuItem: return menuItem();
        case TypeKeys: return typeKeys();
        case SetText: return setText(false);
        case InsertText: return setText(true);
        case EditingKey: return editingKey();
        case AccessKey: return accessKey();
        case Enter: return enter();
        case AnswerRight:
            if (chance(8))
                streak_ = 5 + below(40);
            return answerRight();
        case CloseBox: return closeBox();
        case NotePad: return notePad();
        case AboutOk: return aboutOk();
        case Timer1Tick: return timer1Tick();
        case Timer2Tick: return timer2Tick();
        case End: return endButton();
        case EdgeDraw: return edgeDraw();
        case Render: return render();
        case Settle: return {QStringLiteral("settle"), [this] { settle(); }};
        case KindCount: break;
        }
        return {};
    }

    // ---- text -------------------------------------------------------------------------------

    QString randomCharacter()
    {
        switch (below(10)) {
        case 0:
        case 1: return QString(tableKeys.at(below(int(tableKeys.size()))));
        case 2: return QString(hungarianLetters.at(below(int(hungarianLetters.size()))));
        case 3: return QString(QChar(u'0' + below(10)));
        case 4: {
            static const QString blanks = QStringLiteral(" \t\u00a0\u3000\n\r");
            return QString(blanks.at(below(3) == 0 ? below(int(blanks.size())) : 0));
        }
        case 5: return QString(QChar(char16_t((chance(2) ? u'a' : u'A') + below(26))));
        case 6: return QString(QChar(char16_t(below(0x10000)))); // any UTF-16 unit, lone surrogates included
        case 7: {
            const char32_t codePoint = char32_t(0x10000 + below(0x100000));
            return QString::fromUcs4(&codePoint, 1); // a surrogate pair
        }
        case 8: {
            static const char16_t odd[] = {0x0300, 0x0301, 0x0308, 0x030B, 0x202E, 0x200B, 0x200D, 0xFEFF, 0x0000, 0xFFFD};
            return QString(QChar(odd[below(int(std::size(odd)))]));
        }
        default: return pick(fragments);
        }
    }

    QString randomText()
    {
        const int r = below(100);
        int length;
        if (r < 60)
            length = below(9);
        else if (r < 85)
            length = 9 + below(52);
        else if (r < 96)
            length = 61 + below(2000);
        else
            length = 2000 + below(48001); // up to 50,000
        if (length > 2000)
            ++stats.longTexts;
        QString text;
        text.reserve(length + 32);
        while (text.size() < length) {
            if (length > 2000 && chance(50) && !text.isEmpty())
                text += text.left(qMin<qsizetype>(text.size(), length - text.size())); // long runs repeat
            else
                text += randomCharacter();
        }
        if (text.size() > 50000)
            text.truncate(50000);
        return text;
    }

    static QString shortly(const QString &text)
    {
        QString shown = text.left(24);
        for (QChar &c : shown)
            if (!c.isPrint())
                c = QChar(u'?');
        return QStringLiteral("'%1%2' (%3)").arg(shown, text.size() > 24 ? QStringLiteral("...") : QString()).arg(text.size());
    }

    static Qt::Key keyFor(const QString &text)
    {
        if (text.size() != 1)
            return Qt::Key_unknown;
        const QChar c = text.at(0);
        if (c.unicode() < 128 && c.isLetterOrNumber())
            return Qt::Key(c.toUpper().unicode());
        if (c.unicode() > 32 && c.unicode() < 127)
            return Qt::Key(c.unicode()); // Qt's key codes of ASCII punctuation are the characters
        if (c == QLatin1Char(' '))
            return Qt::Key_Space;
        return Qt::Key_unknown;
    }

    // Types a text key by key: every code point (a surrogate pair as one) is one key press.
    void typeInto(QWidget *target, const QString &text)
    {
        QPointer<QWidget> guard(target);
        for (qsizetype i = 0; i < text.size() && guard && guard->isVisible();) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
            const QString character = text.mid(i, n);
            QTest::sendKeyEvent(QTest::Click, guard, keyFor(character), character, Qt::NoModifier);
            ++stats.keyEvents;
            i += n;
        }
    }

    // ---- events -----------------------------------------------------------------------------

    Event clickButton()
    {
        QList<QAbstractButton *> buttons = clickableButtons(false);
        // Half the time a push button: a window with a grid of tick boxes would otherwise keep
        // the learner for long.
        if (chance(2)) {
            QList<QAbstractButton *> pushButtons;
            for (QAbstractButton *button : std::as_const(buttons))
                if (qobject_cast<QPushButton *>(button))
                    pushButtons.append(button);
            if (!pushButtons.isEmpty())
                buttons = pushButtons;
        }
        if (buttons.isEmpty())
            return {};
        QPointer<QAbstractButton> button = pick(buttons);
        return {QStringLiteral("click ") + nameOf(button), [button] {
                    if (button)
                        button->click();
                }};
    }

    Event mouseClick()
    {
        QList<QWidget *> targets;
        for (Form *form : visibleForms())
            for (QWidget *widget : form->window()->findChildren<QWidget *>())
                if (widget->isVisible() && !widget->isWindow() && !widget->size().isEmpty())
                    targets.append(widget);
        if (targets.isEmpty())
            return {};
        QPointer<QWidget> target = pick(targets);
        const QPoint at(below(target->width()), below(target->height()));
        const bool twice = chance(8);
        return {QStringLiteral("%1 %2 at %3,%4").arg(twice ? QStringLiteral("dclick") : QStringLiteral("mouse"), nameOf(target)).arg(at.x()).arg(at.y()),
                [target, at, twice] {
                    if (!target)
                        return;
                    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
                    if (twice && target)
                        QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
                }};
    }

    Event menuItem()
    {
        const QList<QAction *> items = menuItems();
        if (items.isEmpty())
            return {};
        QPointer<QAction> item = pick(items);
        const QString where = item->parent() && qobject_cast<QWidget *>(item->parent())
                                  ? qobject_cast<QWidget *>(item->parent())->window()->objectName()
                                  : QString();
        return {QStringLiteral("menu ") + where + QLatin1Char('/') + item->objectName(), [item] {
                    if (item)
                        item->trigger();
                }};
    }

    QWidget *keyTarget(bool editableOnly)
    {
        if (chance(2)) {
            const QList<QLineEdit *> editable = boxes(editableOnly);
            if (!editable.isEmpty())
                return pick(editable);
        }
        const QList<Form *> forms = visibleForms();
        if (forms.isEmpty())
            return nullptr;
        QWidget *window = pick(forms)->window();
        return window->focusWidget() ? window->focusWidget() : window;
    }

    Event typeKeys()
    {
        QPointer<QWidget> target = keyTarget(true);
        if (!target)
            return {};
        QString text;
        const int length = 1 + below(chance(10) ? 200 : 12);
        while (text.size() < length)
            text += randomCharacter();
        return {QStringLiteral("keys ") + nameOf(target) + QLatin1Char(' ') + shortly(text), [this, target, text] {
                    if (target)
                        typeInto(target, text);
                }};
    }

    Event setText(bool insert)
    {
        const QList<QLineEdit *> editable = boxes(true);
        if (editable.isEmpty())
            return {};
        QPointer<QLineEdit> box = pick(editable);
        const QString text = randomText();
        return {QStringLiteral("%1 %2 %3").arg(insert ? QStringLiteral("insert") : QStringLiteral("settext"), nameOf(box), shortly(text)),
                [box, text, insert] {
                    if (!box)
                        return;
                    if (insert)
                        box->insert(text);
                    else
                        box->setText(text);
                }};
    }

    Event editingKey()
    {
        QPointer<QWidget> target = keyTarget(false);
        if (!target)
            return {};
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char *text;
        };
        static const Key keys[] = {
            {Qt::Key_Backspace, Qt::NoModifier, "\b"}, {Qt::Key_Delete, Qt::NoModifier, ""},
            {Qt::Key_Left, Qt::NoModifier, ""},       {Qt::Key_Right, Qt::NoModifier, ""},
            {Qt::Key_Home, Qt::NoModifier, ""},       {Qt::Key_End, Qt::ShiftModifier, ""},
            {Qt::Key_Tab, Qt::NoModifier, "\t"},      {Qt::Key_Backtab, Qt::ShiftModifier, ""},
            {Qt::Key_Escape, Qt::NoModifier, ""},     {Qt::Key_Space, Qt::NoModifier, " "},
            {Qt::Key_Return, Qt::NoModifier, "\r"},   {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
            {Qt::Key_Up, Qt::NoModifier, ""},         {Qt::Key_F1, Qt::NoModifier, ""},
            {Qt::Key_A, Qt::ControlModifier, ""},     {Qt::Key_Z, Qt::ControlModifier, ""},
            {Qt::Key_Y, Qt::ControlModifier, ""},     {Qt::Key_X, Qt::ControlModifier, ""},
            {Qt::Key_C, Qt::ControlModifier, ""},     {Qt::Key_V, Qt::ControlModifier, ""},
            {Qt::Key_Backspace, Qt::ControlModifier, ""},
        };
        const Key key = keys[below(int(std::size(keys)))];
        return {QStringLiteral("key %1 %2+%3").arg(nameOf(target)).arg(int(key.modifiers), 0, 16).arg(int(key.key), 0, 16),
                [this, target, key] {
                    if (!target)
                        return;
                    ++stats.keyEvents;
                    QTest::sendKeyEvent(QTest::Click, target, key.key, QString::fromLatin1(key.text), key.modifiers);
                }};
    }

    Event accessKey()
    {
        const QList<Form *> forms = visibleForms();
        if (forms.isEmpty())
            return {};
        QPointer<QWidget> window = pick(forms)->window();
        const int r = below(36);
        const QChar c = r < 10 ? QChar(u'0' + r) : QChar(u'a' + (r - 10));
        const Qt::Key key = Qt::Key(c.toUpper().unicode());
        return {QStringLiteral("alt %1+%2").arg(window->objectName()).arg(c), [this, window, key, c] {
                    if (!window)
                        return;
                    // The learner clicks the window first, then presses Alt and the key.
                    QApplication::setActiveWindow(window);
                    QWidget *target = window->focusWidget() ? window->focusWidget() : window.data();
                    ++stats.keyEvents;
                    QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::AltModifier);
                }};
    }

    Event enter()
    {
        const QList<Form *> forms = visibleForms();
        if (forms.isEmpty())
            return {};
        QWidget *active = QApplication::activeWindow();
        QPointer<QWidget> window = active && active->isVisible() && qobject_cast<FormWindow *>(active) &&
                                           static_cast<FormWindow *>(active)->form() && chance(2)
                                       ? active
                                       : pick(forms)->window();
        return {QStringLiteral("enter ") + window->objectName(), [window] {
                    if (window)
                        pressEnter(window);
                }};
    }

    Event closeBox()
    {
        const QList<Form *> forms = visibleForms();
        if (forms.isEmpty())
            return {};
        QPointer<QWidget> window = pick(forms)->window();
        return {QStringLiteral("closebox ") + window->objectName(), [window] {
                    if (window)
                        clickCloseBox(window);
                }};
    }

    Event notePad()
    {
        if (!sobre().isLoaded())
            return {};
        QPointer<QWidget> pad = sobre().ui().Image2;
        return {QStringLiteral("notepad sobre/Image2"), [pad] {
                    if (pad)
                        QTest::mouseClick(pad, Qt::LeftButton);
                }};
    }

    Event aboutOk()
    {
        if (!sobre().isLoaded() || !sobre().ui().Command1->isVisible())
            return {};
        QPointer<QPushButton> ok = sobre().ui().Command1;
        return {QStringLiteral("click sobre/Command1 (OK)"), [ok] {
                    if (ok)
                        ok->click();
                }};
    }

    // The timers tick only while their window is loaded and they run; a tick is the handler
    // the timer would call.
    Event timer1Tick()
    {
        if (!sobre().isLoaded() || !sobre().ui().Timer1->isActive())
            return {};
        return {QStringLiteral("tick sobre/Timer1"), [] { sobre().Timer1_Timer(); }};
    }

    Event timer2Tick()
    {
        if (!sobre().isLoaded() || !sobre().ui().Timer2->isActive())
            return {};
        return {QStringLiteral("tick sobre/Timer2"), [] { sobre().Timer2_Timer(); }};
    }

    // While a message box is open only the timers can act: they tick in the box's event loop.
    void whileBoxIsOpen()
    {
        if (!chance(6) || !sobre().isLoaded())
            return;
        if (sobre().ui().Timer2->isActive())
            sobre().Timer2_Timer();
        if (sobre().isLoaded() && sobre().ui().Timer1->isActive() && chance(2))
            sobre().Timer1_Timer();
    }

    // With real boxes: runs from a timer inside the box's event loop. In each new box the
    // learner acts once, waits until an accessible press has gone through (it clicks after a
    // short animation) and a turn or two more, then presses OK.
    void tickWhileBoxIsOpen()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box != actedIn_) {
            actedIn_ = box;
            ++stats.realBoxes;
            actInBox();
            turnsLeft_ = below(3);
            return;
        }
        if (pressedInBox_ && pressedInBox_->isDown())
            return;
        if (turnsLeft_-- > 0)
            return;
        box->button(QMessageBox::Ok)->click();
    }

    void actInBox()
    {
        pressedInBox_ = nullptr;
        QString what;
        switch (below(8)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const QList<QAbstractButton *> buttons = clickableButtons(true);
            if (buttons.isEmpty())
                break;
            QAbstractButton *button = pick(buttons);
            what = QStringLiteral("accessible press ") + nameOf(button);
            pressedInBox_ = button;
            pressAccessibly(button);
            ++stats.pressesUnderBox;
            break;
        }
        case 4: {
            const QList<Form *> forms = visibleForms();
            if (forms.isEmpty())
                break;
            QWidget *window = pick(forms)->window();
            what = QStringLiteral("closebox ") + window->objectName();
            clickCloseBox(window);
            ++stats.closesUnderBox;
            break;
        }
        case 5:
            what = QStringLiteral("timers");
            whileBoxIsOpen();
            break;
        default: break; // the learner reads the box
        }
        if (!what.isEmpty()) {
            remember(QStringLiteral("  in the box: ") + what);
            if (trace_)
                std::fprintf(stderr, "    in the box: %s\n", qUtf8Printable(what));
        }
    }

    Event endButton()
    {
        if (!loadedForm<Alap>() || !alap().ui().Command1->isEnabled())
            return {};
        QPointer<QPushButton> end = alap().ui().Command1;
        return {QStringLiteral("click alap/Command1 (End)"), [end] {
                    if (end)
                        end->click();
                }};
    }

    // The extremes of the random source: 0 and the largest double below 1, which single
    // precision rounds up to 1.
    Event edgeDraw()
    {
        const double value = chance(2) ? 0.0 : std::nextafter(1.0, 0.0);
        return {QStringLiteral("draw %1").arg(value, 0, 'g', 17), [this, value] { run_->desktop().draws.append(value); }};
    }

    // Paints a window as the screen would, pictures included.
    Event render()
    {
        const QList<Form *> forms = visibleForms();
        if (forms.isEmpty())
            return {};
        QPointer<QWidget> window = pick(forms)->window();
        return {QStringLiteral("render ") + window->objectName(), [window] {
                    if (window)
                        window->grab();
                }};
    }

    // Lets the event loop run once, as between two real key presses. Not on the title card,
    // whose timer would then tick by the clock instead of by the seed.
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!(sobre().isLoaded() && sobre().ui().Timer1->isActive()))
            QCoreApplication::processEvents();
    }

    // The learner who knows the answer: starts the exercise if it waits for Start, then gives
    // the expected answer (with stray blanks, or typed key by key) and presses Enter or Next.
    Event answerRight()
    {
        ExerciseForm *exercise = openExercise();
        if (!exercise)
            return {};
        QPushButton *start = exercise->frame().start;
        const bool pressStart = start->isVisible() && start->isEnabled() && !chance(5);
        const int variant = below(100);
        const quint32 salt = rng_.generate();
        QPointer<ExerciseForm> form = exercise;
        return {QStringLiteral("answer %1%2 v%3 s%4").arg(exercise->name(), pressStart ? QStringLiteral(" +start") : QString()).arg(variant).arg(salt),
                [this, form, pressStart, variant, salt] {
                    if (!form || !form->isLoaded())
                        return;
                    if (pressStart)
                        form->frame().start->click();
                    if (form && form->isLoaded())
                        giveAnswer(form, variant, salt);
                }};
    }

    static QString padded(const QString &answer, int variant)
    {
        if (variant % 4 == 1)
            return QStringLiteral("  ") + answer;
        if (variant % 4 == 2)
            return answer + QStringLiteral("   ");
        return answer;
    }

    void giveAnswer(ExerciseForm *form, int variant, quint32 salt)
    {
        ++stats.rightTries;
        QLineEdit *box = nullptr;
        QString answer;
        if (auto *w = qobject_cast<H01d1 *>(form)) {
            box = w->ui().Text2;
            answer = padded(w->articles.value(w->current), variant);
        } else if (auto *w = qobject_cast<H01d2 *>(form)) {
            H01d2Ui &u = w->ui();
            // Prefer an item not yet accepted, as a learner does.
            QList<int> open;
            for (int i = 0; i < H01d2::itemCount; ++i)
                if (!u.Text1[i]->isReadOnly())
                    open.append(i);
            const int item = !open.isEmpty() && salt % 5 != 0 ? open.at(int(salt % quint32(open.size())))
                                                               : int(salt % H01d2::itemCount);
            u.Check1[item]->click();
            if (!form->isLoaded())
                return;
            const QString forms[] = {w->longAnswer, w->shortAnswer, w->predicateAnswer, w->pronounAnswer};
            answer = forms[(salt >> 8) % 4];
            if (variant % 5 == 3 && !answer.isEmpty())
                answer[0] = answer.at(0).toLower(); // corrected with a warning
            if (variant % 7 == 4)
                answer.replace(QLatin1Char(' '), QStringLiteral("   ")); // runs of blanks shrink
            answer = padded(answer, variant);
            box = u.Text1[item];
        } else if (auto *w = qobject_cast<H01d3 *>(form)) {
            box = w->ui().Text1;
            answer = padded(w->keys.value(w->current), variant);
        } else if (auto *w = qobject_cast<Lex1 *>(form)) {
            Lex1Ui &u = w->ui();
            QList<int> unnamed;
            for (int i = 0; i < Lex1::nounCount; ++i)
                if (u.Text2[i]->text().isEmpty())
                    unnamed.append(i);
            const int noun = !unnamed.isEmpty() && salt % 6 != 0 ? unnamed.at(int(salt % quint32(unnamed.size())))
                                                                 : int(salt % Lex1::nounCount);
            box = u.Text1;
            answer = padded(module1().nounList.value(noun), variant);
        }
        if (!box || !box->isVisible())
            return;
        if (!box->isReadOnly()) {
            const bool substituted = std::any_of(answer.cbegin(), answer.cend(), [](QChar c) { return tableKeys.contains(c); });
            if (variant < 70 || substituted)
                box->setText(answer);
            else {
                // Key by key: the accented letters come as themselves, untouched by the substitution.
                box->setFocus(Qt::MouseFocusReason);
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_A, QString(), Qt::ControlModifier);
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QString(), Qt::NoModifier);
                typeInto(box, answer);
            }
        }
        if (!form->isLoaded())
            return;
        QPushButton *next = form->frame().next;
        if (variant % 3 == 0 && next->isVisible() && next->isEnabled())
            next->click();
        else if (box->isVisible())
            pressEnter(box->window());
    }

    // Notes when End is pressed, however it is pressed (click, mouse, Enter, Space, Alt+E).
    void watchEndButton()
    {
        Alap *menu = loadedForm<Alap>();
        if (!menu || watchedEnd_ == menu->ui().Command1)
            return;
        watchedEnd_ = menu->ui().Command1;
        QObject::connect(watchedEnd_, &QPushButton::clicked, watchedEnd_, [this] { endedByButton_ = true; });
    }

    // ---- after the event --------------------------------------------------------------------

    static void closePopups()
    {
        for (int guard = 0; guard < 10 && QApplication::activePopupWidget(); ++guard)
            QApplication::activePopupWidget()->close();
    }

    void remember(const QString &what)
    {
        const QByteArray bytes = what.toUtf8();
        for (char c : bytes) {
            digest ^= quint8(c);
            digest *= 1099511628211ULL;
        }
        recent_.append(QStringLiteral("  #%1 %2").arg(index_).arg(what));
        if (recent_.size() > 40)
            recent_.removeFirst();
    }

    QString failure(const QString &broken) const
    {
        return QStringLiteral("seed %1, event %2: %3\nlast events:\n%4\nrerun: TARVO_MONKEY_SEED=%1 TARVO_MONKEY_EVENTS=%5")
            .arg(seed_)
            .arg(index_)
            .arg(broken, recentEvents())
            .arg(index_ + 1);
    }

    // ---- the promises -----------------------------------------------------------------------

#define PROMISE(cond, text)                                                                                            \
    do {                                                                                                               \
        ++stats.checks;                                                                                                \
        if (!(cond))                                                                                                   \
            return QString(text);                                                                                      \
    } while (0)

    QString checkInvariants()
    {
        Program &program = Program::get();
        const Module1 &m = module1();
        FakeDesktop &desk = run_->desktop();

        // Windows: loaded exactly while shown; one exercise at a time; never with the menu.
        int exercisesLoaded = 0;
        bool anyVisible = false;
        for (Form *form : program.forms()) {
            PROMISE(form->isLoaded() == form->isVisible(),
                    form->name() + (form->isLoaded() ? QStringLiteral(" is loaded but hidden") : QStringLiteral(" is shown but not loaded")));
            anyVisible = anyVisible || form->isVisible();
            if (isExercise(form) && form->isLoaded())
                ++exercisesLoaded;
        }
        PROMISE(exercisesLoaded <= 1, QStringLiteral("%1 exercise windows are loaded").arg(exercisesLoaded));
        PROMISE(!(loadedForm<Alap>() && exercisesLoaded > 0), QStringLiteral("the menu and an exercise window are loaded together"));
        PROMISE(m.switching == 0, QStringLiteral("switching is %1 between events").arg(m.switching));
        PROMISE(loadedForm<H01d3>() || m.exerciseCode == 0,
                QStringLiteral("exerciseCode is %1 while h01d3 is not loaded").arg(m.exerciseCode));

        // The run ends exactly when no window is left.
        PROMISE(program.ended() == !anyVisible,
                program.ended() ? QStringLiteral("the run ended with a window on screen") : QStringLiteral("no window is left but the run goes on"));
        PROMISE(desk.endCalls == (program.ended() ? 1 : 0), QStringLiteral("the desktop was told to end %1 times").arg(desk.endCalls));
        if (program.ended())
            for (Form *form : program.forms())
                PROMISE(!form->isLoaded(), form->name() + QStringLiteral(" is still loaded after the end"));

        // Message boxes: each belongs to a window, has a text and carries its window's title.
        for (const FakeDesktop::Box &box : std::as_const(desk.boxes)) {
            ++stats.boxes;
            if (box.text == m.wrongMessage)
                ++stats.wrong;
            PROMISE(!box.text.isEmpty(), QStringLiteral("an empty message box from ") + box.owner);
            QString expected;
            const ExerciseForm *owner = nullptr;
            for (Form *form : program.forms())
                if (form->name() == box.owner)
                    owner = qobject_cast<const ExerciseForm *>(form);
            // The menu also tells, once, what went wrong with the progress store, under the
            // Progress window's title.
            if (box.owner == QLatin1String("alap"))
                expected = box.title == ProgressWindow::caption() ? box.title : QStringLiteral("How to ...");
            else if (box.owner == QLatin1String("progress"))
                expected = ProgressWindow::caption();
            else if (box.owner == QLatin1String("sobre"))
                expected = QStringLiteral("About Tarvo!");
            else if (owner)
                expected = owner->title;
            else
                return QStringLiteral("a message box without a window: '%1'").arg(box.text);
            const bool lexTitle = box.owner == QLatin1String("lex1") &&
                                  (box.title == QLatin1String("Words --- Exercise") || box.title == QLatin1String("Solutions (All)"));
            PROMISE(box.title == expected || lexTitle,
                    QStringLiteral("box of %1 titled '%2', not '%3'").arg(box.owner, box.title, expected));
            if (box.text.startsWith(QLatin1String("You have completed")) || box.text.contains(QLatin1String("has been accomplished")) ||
                box.text.startsWith(QLatin1String("Congratulations")))
                ++stats.completions[box.owner];
        }
        desk.boxes.clear();

        // Stacking: the menu and the About window put themselves on top; an exercise window's
        // On Top item shows the state it asked for last.
        for (const FakeDesktop::Topmost &t : std::as_const(desk.topmost))
            lastTop_[t.window] = t.on;
        desk.topmost.clear();
        if (loadedForm<Alap>())
            PROMISE(lastTop_.value(QStringLiteral("alap")), QStringLiteral("the menu is not on top"));
        if (sobre().isLoaded())
            PROMISE(lastTop_.value(QStringLiteral("sobre")), QStringLiteral("the About window is not on top"));
        if (ExerciseForm *exercise = loadedForm<ExerciseForm>()) {
            PROMISE(lastTop_.contains(exercise->name()) && lastTop_.value(exercise->name()) == exercise->frame().onTop->isChecked(),
                    exercise->name() + QStringLiteral(": the On Top check mark does not match the window"));
            PROMISE(exercise->window()->windowTitle() == exercise->title, exercise->name() + QStringLiteral(": caption is not the title"));
        }

        if (const QString broken = checkSobre(); !broken.isEmpty())
            return broken;
        if (const QString broken = checkH01d1(); !broken.isEmpty())
            return broken;
        if (const QString broken = checkH01d2(); !broken.isEmpty())
            return broken;
        if (const QString broken = checkH01d3(); !broken.isEmpty())
            return broken;
        return checkLex1();
    }

    QString checkSobre()
    {
        Sobre *w = loadedForm<Sobre>();
        if (!module1().aboutShown) {
            PROMISE(!loadedForm<Alap>(), QStringLiteral("the menu is up while the title card has not gone"));
            PROMISE(!loadedForm<ExerciseForm>(), QStringLiteral("an exercise is up while the title card has not gone"));
        }
        if (!w)
            return {};
        SobreUi &u = w->ui();
        PROMISE(u.Timer2->isActive(), QStringLiteral("sobre: the logo stands still"));
        if (module1().aboutShown) {
            PROMISE(u.Command1->isVisible(), QStringLiteral("sobre: the About window has no OK button"));
            PROMISE(!u.Timer1->isActive(), QStringLiteral("sobre: the About window would close by itself"));
        } else {
            PROMISE(!u.Command1->isVisible(), QStringLiteral("sobre: the title card shows OK"));
            PROMISE(u.Timer1->isActive(), QStringLiteral("sobre: the title card's timer is stopped"));
        }
        const Picture logo = u.Image1->picture();
        PROMISE(logo == u.Image3->picture() || logo == u.Image4->picture() || logo == u.Image5->picture(),
                QStringLiteral("sobre: the logo shows no frame of its animation"));
        return {};
    }

    QString checkH01d1()
    {
        H01d1 *w = loadedForm<H01d1>();
        if (!w)
            return {};
        H01d1Ui &u = w->ui();
        PROMISE(w->words.size() == H01d1::slotCount && w->articles.size() == H01d1::slotCount, QStringLiteral("h01d1: item bank resized"));
        PROMISE(w->solved >= 0 && w->solved <= 22, QStringLiteral("h01d1: solved = %1").arg(w->solved));
        PROMISE(w->current >= 0 && w->current < H01d1::slotCount, QStringLiteral("h01d1: current = %1").arg(w->current));
        const qsizetype entries = u.Label3->text().count(QStringLiteral("; "));
        int answered = 0;
        for (const QString &word : std::as_const(w->words))
            answered += word.isEmpty() ? 1 : 0;
        const bool complete = u.Command1->isEnabled() && u.Command1->text() == QLatin1String("Restart");
        const bool running = !u.Command1->isEnabled();
        if (complete) {
            PROMISE(entries == H01d1::runLength && w->solved == 0 && answered == 0 && !u.Command2->isEnabled(),
                    QStringLiteral("h01d1 complete: %1 entries, solved %2, %3 nouns marked, Next %4")
                        .arg(entries).arg(w->solved).arg(answered).arg(u.Command2->isEnabled()));
        } else {
            PROMISE(entries == w->solved, QStringLiteral("h01d1: transcript has %1 entries, solved is %2").arg(entries).arg(w->solved));
            PROMISE(answered == w->solved, QStringLiteral("h01d1: %1 nouns marked, solved is %2").arg(answered).arg(w->solved));
            PROMISE(u.Command2->isEnabled(), QStringLiteral("h01d1: Next is disabled before the run is complete"));
        }
        if (running) {
            PROMISE(w->current >= 1 && !w->words.at(w->current).isEmpty() && u.Text1->text() == w->words.at(w->current),
                    QStringLiteral("h01d1 running: slot %1, noun box '%2'").arg(w->current).arg(u.Text1->text()));
        }
        PROMISE(!u.Command10->isEnabled() && u.Command5->isEnabled() && u.Command6->isEnabled() && u.Command7->isEnabled() &&
                    u.Command9->isEnabled(),
                QStringLiteral("h01d1: the go-to row is wrong"));
        return {};
    }

    QString checkH01d2()
    {
        H01d2 *w = loadedForm<H01d2>();
        if (!w)
            return {};
        H01d2Ui &u = w->ui();
        PROMISE(w->solved >= 0 && w->solved <= 7, QStringLiteral("h01d2: solved = %1").arg(w->solved));
        PROMISE(w->current >= 0 && w->current < H01d2::itemCount, QStringLiteral("h01d2: current = %1").arg(w->current));
        int locked = 0, coloured = 0, drawn = 0;
        for (int i = 0; i < H01d2::itemCount; ++i) {
            const Picture picture = u.Image1[i]->picture();
            const bool colour = !picture.isNull() && picture.tone == Picture::Colour;
            PROMISE(u.Text1[i]->isReadOnly() == colour,
                    QStringLiteral("h01d2: item %1 is %2 but its picture is %3")
                        .arg(i)
                        .arg(u.Text1[i]->isReadOnly() ? QStringLiteral("locked") : QStringLiteral("open"))
                        .arg(colour ? QStringLiteral("coloured") : QStringLiteral("not coloured")));
            if (!picture.isNull())
                PROMISE(picture.resource == u.Image2[i]->picture().resource, QStringLiteral("h01d2: item %1 shows another drawing").arg(i));
            locked += u.Text1[i]->isReadOnly() ? 1 : 0;
            coloured += colour ? 1 : 0;
            drawn += picture.isNull() ? 0 : 1;
        }
        PROMISE(locked == coloured, QStringLiteral("h01d2: %1 boxes locked, %2 pictures coloured").arg(locked).arg(coloured));
        const bool running = !u.Command1->isEnabled();
        const QString caption = u.Command1->text();
        if (running) {
            PROMISE(w->solved == locked && locked < H01d2::itemCount && drawn == H01d2::itemCount && u.Command2->isEnabled(),
                    QStringLiteral("h01d2 running: solved %1, %2 locked, %3 drawn").arg(w->solved).arg(locked).arg(drawn));
        } else if (caption == QLatin1String("&Restart")) {
            PROMISE(w->solved == 0 && !u.Command2->isEnabled(), QStringLiteral("h01d2 complete: solved %1, Next enabled %2").arg(w->solved).arg(u.Command2->isEnabled()));
        } else {
            PROMISE(caption == QLatin1String("&Start") && w->solved >= locked,
                    QStringLiteral("h01d2 ready: caption '%1', solved %2, %3 locked").arg(caption).arg(w->solved).arg(locked));
        }
        PROMISE(!u.Command5->isEnabled() && u.Command10->isEnabled() && u.Command6->isEnabled() && u.Command7->isEnabled() &&
                    u.Command8->isEnabled(),
                QStringLiteral("h01d2: the go-to row is wrong"));
        return {};
    }

    QString checkH01d3()
    {
        H01d3 *w = loadedForm<H01d3>();
        if (!w)
            return {};
        H01d3Ui &u = w->ui();
        const int code = module1().exerciseCode;
        int lo = 0, hi = -1;
        PROMISE(SentenceBank::runRange(code, lo, hi), QStringLiteral("h01d3: exerciseCode %1 while loaded").arg(code));
        PROMISE(w->stems.size() == H01d3::bankSize && w->ends.size() == H01d3::bankSize && w->keys.size() == H01d3::bankSize,
                QStringLiteral("h01d3: item bank resized"));
        const bool three = !u.Command6->isEnabled();
        const bool four = !u.Command7->isEnabled();
        PROMISE(three != four, QStringLiteral("h01d3: %1 of the buttons 3 and 4 are disabled").arg(int(three) + int(four)));
        PROMISE(w->title == (three ? QStringLiteral("Tarvo! --- 1. Lecke: 3.") : QStringLiteral("Tarvo! --- 1. Lecke: 4.")),
                QStringLiteral("h01d3: title '%1' with button %2 disabled").arg(w->title).arg(three ? 3 : 4));
        PROMISE(w->plusMode == 0 || w->plusMode == 1, QStringLiteral("h01d3: plusMode %1").arg(w->plusMode));
        PROMISE(w->answered >= 0 && w->answered <= 24, QStringLiteral("h01d3: answered %1").arg(w->answered));
        PROMISE(w->current >= 0 && w->current < H01d3::bankSize, QStringLiteral("h01d3: current %1").arg(w->current));
        const bool running = !u.Command1->isEnabled();
        if (running) {
            const int n = hi - lo + 1;
            PROMISE(three ? (code == 1 || code == 3) : (code == 2 || code == 4),
                    QStringLiteral("h01d3 running: run code %1 for exercise %2").arg(code).arg(three ? 3 : 4));
            PROMISE(w->answered >= 1 && w->answered <= n, QStringLiteral("h01d3 running: answered %1 of %2 (code %3)").arg(w->answered).arg(n).arg(code));
            PROMISE(w->current >= lo && w->current <= hi && !w->stems.at(w->current).isEmpty(),
                    QStringLiteral("h01d3 running: item %1 outside %2..%3 or already used").arg(w->current).arg(lo).arg(hi));
            PROMISE(u.Text2->text() == w->stems.at(w->current) + QLatin1Char(' ') && u.Text3->text() == QLatin1Char(' ') + w->ends.at(w->current),
                    QStringLiteral("h01d3 running: the line shows '%1' / '%2' for item %3").arg(u.Text2->text(), u.Text3->text()).arg(w->current));
            int used = 0;
            for (int i = lo; i <= hi; ++i)
                used += w->stems.at(i).isEmpty() ? 1 : 0;
            PROMISE(used == w->answered - 1, QStringLiteral("h01d3 running: %1 items used, answered %2").arg(used).arg(w->answered));
            PROMISE(u.Command2->isEnabled() && !u.Plus->isVisible() && !u.Label1->isVisible(),
                    QStringLiteral("h01d3 running: Next or Plus in the wrong state"));
        } else if (u.Command1->text() == QLatin1String("&Restart")) {
            PROMISE(w->answered == 0 && !u.Command2->isEnabled() && u.Plus->isVisible(),
                    QStringLiteral("h01d3 complete: answered %1, Next enabled %2").arg(w->answered).arg(u.Command2->isEnabled()));
        }
        PROMISE(u.Command10->isEnabled() && u.Command5->isEnabled() && u.Command11->isEnabled() && u.Command8->isEnabled(),
                QStringLiteral("h01d3: the go-to row is wrong"));
        return {};
    }

    QString checkLex1()
    {
        Lex1 *w = loadedForm<Lex1>();
        if (!w)
            return {};
        Lex1Ui &u = w->ui();
        const QStringList &nouns = module1().nounList;
        PROMISE(nouns.size() == Lex1::nounCount, QStringLiteral("lex1: %1 nouns").arg(nouns.size()));
        int coloured = 0, named = 0;
        for (int i = 0; i < Lex1::nounCount; ++i) {
            const Picture picture = u.Image1[i]->picture();
            const bool colour = !picture.isNull() && picture.tone == Picture::Colour;
            const QString text = u.Text2[i]->text();
            PROMISE(text.isEmpty() || text == nouns.at(i), QStringLiteral("lex1: cell %1 reads '%2'").arg(i).arg(text));
            PROMISE(!colour || text == nouns.at(i), QStringLiteral("lex1: cell %1 is coloured but not named").arg(i));
            coloured += colour ? 1 : 0;
            named += text.isEmpty() ? 0 : 1;
        }
        const QString caption = u.Command1->text();
        const bool running = u.Command2->isVisible();
        if (!running && caption == QLatin1String("S&tart")) {
            PROMISE(coloured == 0 && named == 0 && !u.Text1->isVisible(), QStringLiteral("lex1 idle: %1 coloured, %2 named").arg(coloured).arg(named));
            return {};
        }
        PROMISE(w->solved >= 0 && w->solved <= Lex1::nounCount, QStringLiteral("lex1: solved %1").arg(w->solved));
        PROMISE(coloured == w->solved, QStringLiteral("lex1: %1 pictures coloured, solved %2").arg(coloured).arg(w->solved));
        for (int i = Lex1::nounCount; i < Lex1Ui::cellCount; ++i)
            PROMISE(!u.Image1[i]->isVisible() && !u.Check1[i]->isVisible() && !u.Text2[i]->isVisible(),
                    QStringLiteral("lex1: spare cell %1 shown after Start").arg(i));
        if (running) {
            PROMISE(!u.Command1->isVisible() && u.Text1->isVisible() && w->solved < Lex1::nounCount && w->defaultButton() == u.Command2,
                    QStringLiteral("lex1 running: Start shown %1, entry shown %2, solved %3")
                        .arg(u.Command1->isVisible()).arg(u.Text1->isVisible()).arg(w->solved));
        } else if (caption == QLatin1String("Res&tart")) {
            PROMISE(w->solved == Lex1::nounCount && !u.Text1->isVisible() && !u.Command3->isVisible() && u.Command1->isVisible(),
                    QStringLiteral("lex1 completed: solved %1").arg(w->solved));
        } else {
            PROMISE(caption == QLatin1String("&Restart") && named == Lex1::nounCount && u.Command1->isVisible(),
                    QStringLiteral("lex1 solutions shown: caption '%1', %2 named").arg(caption).arg(named));
        }
        return {};
    }

#undef PROMISE

    quint32 seed_;
    QRandomGenerator rng_;
    Watchdog watchdog_;
    std::unique_ptr<TestRun> run_;
    QHash<QString, bool> lastTop_;
    QStringList recent_;
    quint64 index_ = 0;
    int streak_ = 0;
    bool endedByButton_ = false;
    QPointer<QPushButton> watchedEnd_;
    bool trace_ = false;
    bool realBoxes_ = false;
    QTimer boxTimer_;
    QPointer<QMessageBox> actedIn_;
    QPointer<QAbstractButton> pressedInBox_;
    int turnsLeft_ = 0;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_UNUSED(functionTimeoutSet);
        previousHandler = qInstallMessageHandler(monkeyMessageHandler);
    }

    void randomLearner() { learn(false, envNumber("TARVO_MONKEY_EVENTS", defaultEvents)); }

    // Every message box real, answered from a timer, with presses, close requests and timer
    // ticks while it is open.
    void randomLearnerWithRealBoxes() { learn(true, envNumber("TARVO_MONKEY_REAL_EVENTS", defaultRealEvents)); }

private:
    void learn(bool realBoxes, quint64 events)
    {
        const quint32 seed = quint32(envNumber("TARVO_MONKEY_SEED", 1));
        const int timeout = int(envNumber("TARVO_MONKEY_EVENT_TIMEOUT", 10));
        qInfo("monkey: seed %u, %llu events, %d s per event%s", seed, (unsigned long long)events, timeout,
              realBoxes ? ", real message boxes" : "");

        Monkey monkey(seed, timeout, realBoxes);
        monkey.startRun(false);
        const auto started = std::chrono::steady_clock::now();
        for (quint64 i = 1; i <= events; ++i) {
            const QString broken = monkey.step(i);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
            if (i % 100000 == 0)
                qInfo("monkey: %llu events", (unsigned long long)i);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

        const Stats &s = monkey.stats;
        qInfo("monkey: seed %u: %llu events in %.1f s, %llu checks passed, %llu program runs (%llu ended by End, %llu by "
              "closing the last window), %llu message boxes (%llu wrong answers), %llu answers given by the learner who "
              "knows them, %llu key events, %llu texts over 2000 characters; digest %016llx",
              seed, (unsigned long long)s.events, seconds, (unsigned long long)s.checks, (unsigned long long)s.runs,
              (unsigned long long)s.endButton, (unsigned long long)s.lastWindowClosed, (unsigned long long)s.boxes,
              (unsigned long long)s.wrong, (unsigned long long)s.rightTries, (unsigned long long)s.keyEvents,
              (unsigned long long)s.longTexts, (unsigned long long)monkey.digest);
        QStringList completed, shown, kinds;
        for (auto it = s.completions.cbegin(); it != s.completions.cend(); ++it)
            completed << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        for (auto it = s.shown.cbegin(); it != s.shown.cend(); ++it)
            shown << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        for (auto it = s.kinds.cbegin(); it != s.kinds.cend(); ++it)
            kinds << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        qInfo("monkey: completed runs: %s", qPrintable(completed.join(QStringLiteral(", "))));
        qInfo("monkey: events with the window on screen: %s", qPrintable(shown.join(QStringLiteral(", "))));
        qInfo("monkey: events by kind: %s", qPrintable(kinds.join(QStringLiteral(", "))));
        if (realBoxes)
            qInfo("monkey: %llu real message boxes, %llu accessible presses and %llu close requests while one was open",
                  (unsigned long long)s.realBoxes, (unsigned long long)s.pressesUnderBox,
                  (unsigned long long)s.closesUnderBox);
        if (!unexpectedMessages.isEmpty())
            qInfo("monkey: messages from Qt: %s", qPrintable(unexpectedMessages.join(QStringLiteral(" | "))));

        // A run long enough to mean anything must have reached every window and finished every
        // exercise; otherwise the monkey has stopped exploring and proves little.
        if (!realBoxes && events >= defaultEvents) {
            for (const char *name : {"alap", "hatter", "sobre", "h01d1", "h01d2", "h01d3", "lex1", "progress"})
                QVERIFY2(s.shown.value(QLatin1String(name)) > 0, name);
            for (const char *name : {"h01d1", "h01d2", "h01d3", "lex1"})
                QVERIFY2(s.completions.value(QLatin1String(name)) > 0, name);
            QVERIFY(s.endButton > 0 && s.lastWindowClosed > 0);
        }
    }

private slots:
    // The one thing that can act while a message box is open is a timer. On the title card the
    // learner may click the note-pad before the card's 800 ms are up: the card's tick then comes
    // while the information box is open. The card waits for the box and hands over to the menu
    // at its next tick; on the real desktop, unloading it under the box destroyed the box with
    // its window and crashed.
    void titleCardWaitsForItsInformationBox_data()
    {
        QTest::addColumn<bool>("realDesktop");
        QTest::newRow("real desktop, real timer") << true;
        QTest::newRow("fake desktop, tick inside the box") << false;
    }

    void titleCardWaitsForItsInformationBox()
    {
        QFETCH(bool, realDesktop);
        const auto loaded = [](const char *name) {
            for (Form *form : Program::get().forms())
                if (form->name() == QLatin1String(name))
                    return form->isLoaded();
            return false;
        };
        bool cardDuringBox = false;
        bool menuDuringBox = true;
        std::unique_ptr<TestRun> fake;
        std::unique_ptr<Program> real;
        if (realDesktop) {
            real = std::make_unique<Program>(std::make_unique<QtDesktop>());
            real->start();
            // Closes the box once the card's timer has ticked twice.
            QTimer::singleShot(2000, [&] {
                cardDuringBox = loaded("sobre");
                menuDuringBox = loaded("alap");
                if (QWidget *box = QApplication::activeModalWidget())
                    box->close();
            });
        } else {
            fake = std::make_unique<TestRun>();
            Program::get().start();
            fake->desktop().onBox = [&](const FakeDesktop::Box &) {
                sobre().Timer1_Timer();
                cardDuringBox = loaded("sobre");
                menuDuringBox = loaded("alap");
            };
        }
        QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton); // returns when the box is closed
        QVERIFY(cardDuringBox);
        QVERIFY(!menuDuringBox);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(loaded("sobre"));
        QVERIFY(!module1().aboutShown);

        if (realDesktop)
            QTRY_VERIFY_WITH_TIMEOUT(loaded("alap"), 3000);
        else
            sobre().Timer1_Timer();
        QVERIFY(!loaded("sobre"));
        QCOMPARE(visibleWindows(), (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
        QVERIFY(module1().aboutShown);
        real.reset();
        fake.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
