// Opening and closing the windows again and again leaves nothing behind: every window goes away
// with all its controls, menus, timers and key filters, and memory stays flat. Each route opens
// and closes its windows a thousand times (TARVO_GROWTH_CYCLES to change that), doing a little
// work in each window on the way, then compares the live widgets and objects with their count
// before, prints the resident memory at start and end and checks that neither it nor the heap in
// use has grown over the second half of the rounds (TARVO_GROWTH_TRACE=1 prints both every
// hundred rounds). Under a sanitizer or
// valgrind, whose allocators keep freed memory, only the counts are compared; their own leak
// reports at exit do the rest.
#include "app/alap.h"
#include "app/hatter.h"
#include "app/progresswindow.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/picturebutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>

#include <malloc.h>
#include <unistd.h>

namespace {

// A thousand rounds of a route take longer than QtTest's five minutes for one test function
// in a sanitizer build; CTest's own time limit still applies.
const bool functionTimeoutSet = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "3600000");
    return true;
}();

int cycles()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TARVO_GROWTH_CYCLES", &ok);
    return ok && n > 0 ? n : 1000;
}

// Resident memory once the allocator has handed back what is free, so that the figure follows
// what is alive rather than the high-water mark.
qint64 residentKiB()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : -1;
}

// Bytes the program holds on the heap now (glibc's count of allocated bytes).
qint64 heapInUseKiB()
{
    return qint64(mallinfo2().uordblks / 1024);
}

// Under a sanitizer or valgrind the process's memory is theirs as much as ours.
bool memoryIsOurs()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return !qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("vgpreload"));
#endif
}

struct Census {
    qsizetype widgets = 0;
    qsizetype objects = 0;
    QStringList windows;
    bool operator==(const Census &) const = default;
    QString text() const
    {
        return QStringLiteral("%1 widgets, %2 objects, windows %3").arg(widgets).arg(objects).arg(windows.join(QLatin1Char(',')));
    }
};

// Lets the deferred deletions and the event loop run, then counts what is alive.
Census census()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    Census c;
    c.widgets = QApplication::allWidgets().size();
    c.objects = qApp->findChildren<QObject *>().size();
    for (QWidget *top : QApplication::topLevelWidgets())
        c.objects += 1 + top->findChildren<QObject *>().size();
    c.windows = visibleWindows();
    return c;
}

void startToMenu()
{
    Program::get().start();
    sobre().Timer1_Timer();
}

// A little of what a learner does in an exercise window: Start, an answer, Enter.
void work(ExerciseForm &window, QLineEdit *box, const QString &answer)
{
    if (window.frame().start->isVisible() && window.frame().start->isEnabled())
        window.frame().start->click();
    if (box->isVisible() && !box->isReadOnly()) {
        box->setFocus();
        QTest::keyClicks(box, answer);
        pressEnter(window.window());
    }
}

void workIn(int exercise)
{
    switch (exercise) {
    case 1: work(h01d1(), h01d1().ui().Text2, QStringLiteral("az")); break;
    case 2:
        h01d2().ui().Check1[3]->click();
        work(h01d2(), h01d2().ui().Text1[3], QStringLiteral("Igen, az."));
        break;
    case 3:
    case 4: work(h01d3(), h01d3().ui().Text1, QStringLiteral("vagy")); break;
    case 5: work(lex1(), lex1().ui().Text1, QStringLiteral("h'z")); break;
    default: break;
    }
}

ExerciseForm &exerciseWindow(int exercise)
{
    switch (exercise) {
    case 1: return h01d1();
    case 2: return h01d2();
    case 5: return lex1();
    default: return h01d3();
    }
}

PictureButton *menuButton(int exercise)
{
    AlapUi &u = alap().ui();
    PictureButton *buttons[] = {u.Button1, u.Button2, u.Button3, u.Button4, u.Button5};
    return buttons[exercise - 1];
}

} // namespace

class GrowthTest : public QObject {
    Q_OBJECT

private:
    const bool timeoutSet_ = functionTimeoutSet;

    // Runs one route a number of times between two censuses taken at the menu.
    void measure(const char *route, const std::function<void(int)> &once)
    {
        TestRun run;
        startToMenu();
        // The progress store opens once, a little after the menu is up (the driver, its page
        // cache): open it now, so that the rounds count only what they themselves keep.
        run.store().saving();
        const Census raw = census();
        // The first rounds fill caches for good: fonts and glyphs, rendered pictures, styles.
        for (int warm = 0; warm < 3; ++warm) {
            once(0);
            census();
        }
        run.desktop().clear();
        const Census before = census();
        const qint64 rssBefore = residentKiB();
        const qint64 heapBefore = heapInUseKiB();
        const int n = cycles();
        const bool trace = qEnvironmentVariableIsSet("TARVO_GROWTH_TRACE");
        // Caches keep filling for a few hundred rounds as the random draws bring items not seen
        // before; memory is compared over the second half, where a leak still grows and a cache
        // no longer does.
        qint64 rssHalfway = rssBefore, heapHalfway = heapBefore;
        for (int i = 1; i <= n; ++i) {
            if (i == n / 2 + 1) {
                rssHalfway = residentKiB();
                heapHalfway = heapInUseKiB();
            }
            once(i);
            // What the event loop does between two clicks of a real learner.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            run.desktop().clear();
            if (trace && i % 100 == 0)
                qInfo("%s: round %d, resident memory %lld KiB, heap in use %lld KiB", route, i, (long long)residentKiB(),
                      (long long)heapInUseKiB());
        }
        const Census after = census();
        const qint64 rssAfter = residentKiB();
        const qint64 heapAfter = heapInUseKiB();
        qInfo("%s: %d rounds; before: %s; after: %s; the first rounds added %lld widgets; resident memory %lld KiB at "
              "start, %lld KiB at end (%+lld KiB); heap in use %+lld KiB",
              route, n, qPrintable(before.text()), qPrintable(after.text()), (long long)(before.widgets - raw.widgets),
              (long long)rssBefore, (long long)rssAfter, (long long)(rssAfter - rssBefore),
              (long long)(heapAfter - heapBefore));
        QCOMPARE(after.windows, (QStringList{QStringLiteral("alap"), QStringLiteral("hatter")}));
        QCOMPARE(after.widgets, before.widgets);
        QCOMPARE(after.objects, before.objects);
        QCOMPARE(run.desktop().endCalls, 0);
        checkMemory(n - n / 2, rssAfter - rssHalfway, heapAfter - heapHalfway);
    }

    // A window's worth of controls is tens of kilobytes: leaking one per round would show here
    // as many megabytes.
    static void checkMemory(int rounds, qint64 rssGrowthKiB, qint64 heapGrowthKiB)
    {
        if (!memoryIsOurs() || rounds < 250)
            return;
        QVERIFY2(heapGrowthKiB < 512, qPrintable(QStringLiteral("heap in use grew by %1 KiB").arg(heapGrowthKiB)));
        QVERIFY2(rssGrowthKiB < 4096, qPrintable(QStringLiteral("resident memory grew by %1 KiB").arg(rssGrowthKiB)));
    }

private slots:
    void initTestCase()
    {
        // Qt's styles keep drawn bevels in the pixmap cache, under keys that every new window's
        // palette makes new; it fills up to its 10 MB limit over the rounds and would hide a leak
        // of ours. Without it, the memory in use must stay flat.
        QPixmapCache::setCacheLimit(0);
    }

    // Each exercise from the menu and back with Close.
    void menuButtonsAndClose()
    {
        measure("menu buttons and Close", [](int) {
            for (int exercise = 1; exercise <= 5; ++exercise) {
                menuButton(exercise)->click();
                QVERIFY(exerciseWindow(exercise).isVisible());
                QVERIFY(!alap().isLoaded());
                workIn(exercise);
                exerciseWindow(exercise).frame().close->click();
                QVERIFY(alap().isVisible());
            }
        });
    }

    // Each exercise from the menu and back with its close box.
    void closeBoxes()
    {
        measure("close boxes", [](int) {
            for (int exercise = 1; exercise <= 5; ++exercise) {
                menuButton(exercise)->click();
                workIn(exercise);
                clickCloseBox(exerciseWindow(exercise).window());
                QVERIFY(!exerciseWindow(exercise).isLoaded());
                QVERIFY(alap().isVisible());
            }
        });
    }

    // From one exercise to the next through the "Go to exercise" rows, every button of them.
    void goToButtons()
    {
        measure("go-to buttons", [](int round) {
            // 1 -> 2 -> 1 -> 3 -> 4 (inside h01d3) -> 2 -> 4 -> 1 -> 4 -> 5, or the reverse-ish way
            const QList<int> path = round % 2 ? QList<int>{1, 2, 1, 3, 4, 2, 4, 1, 4, 5}
                                              : QList<int>{2, 3, 1, 5};
            menuButton(path.first())->click();
            int here = path.first();
            for (int k = 1; k < path.size(); ++k) {
                const int target = path.at(k);
                workIn(here);
                exerciseWindow(here).frame().goTo[target]->click();
                QVERIFY(exerciseWindow(target).isVisible());
                here = target;
            }
            if (here == 5 && round % 4 == 1)
                clickCloseBox(lex1().window());
            else
                exerciseWindow(here).frame().close->click();
            QVERIFY(alap().isVisible());
            // The other go-to buttons of h01d3: 5 and 2.
            menuButton(3)->click();
            h01d3().frame().goTo[5]->click();
            lex1().frame().close->click();
            menuButton(4)->click();
            h01d3().frame().goTo[2]->click();
            h01d2().frame().goTo[5]->click();
            lex1().frame().close->click();
            QVERIFY(alap().isVisible());
        });
    }

    // The Progress window from the menu and from every exercise window, after an answer, closed
    // with Close or its close box.
    void progressWindow()
    {
        measure("Progress window", [](int round) {
            const int exercise = 1 + round % 5;
            menuButton(exercise)->click();
            workIn(exercise);
            triggerMenu(exerciseWindow(exercise).window(), QStringLiteral("mnuShowProgress"));
            QVERIFY(progress().isVisible());
            if (round % 2)
                clickCloseBox(progress().window());
            else
                progress().ui().close->click();
            QVERIFY(!progress().isLoaded());
            exerciseWindow(exercise).frame().close->click();
            triggerMenu(alap().window(), QStringLiteral("mnuShowProgress"));
            progress().ui().close->click();
        });
    }

    // The About window from the menu and from every exercise window, closed with OK or its
    // close box; the background window closed and brought back by the menu.
    void aboutAndBackground()
    {
        measure("About window and background", [](int round) {
            triggerMenu(alap().window(), QStringLiteral("mnuabout"));
            QVERIFY(sobre().isVisible());
            QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton); // the note-pad
            sobre().Timer2_Timer();
            sobre().ui().Command1->click(); // OK
            QVERIFY(!sobre().isLoaded());

            const char *aboutItems[] = {"MnuAbout", "mnuAbout", "mnuAbout", "mnuAbout", "mnuAbout"};
            for (int exercise = 1; exercise <= 5; ++exercise) {
                menuButton(exercise)->click();
                triggerMenu(exerciseWindow(exercise).window(), QLatin1String(aboutItems[exercise - 1]));
                if (sobre().isLoaded()) { // unless the window's About item does nothing
                    if (round % 2)
                        clickCloseBox(sobre().window());
                    else
                        sobre().ui().Command1->click();
                    QVERIFY(!sobre().isLoaded());
                }
                exerciseWindow(exercise).frame().close->click();
            }

            clickCloseBox(hatter().window());
            QVERIFY(!hatter().isLoaded());
            menuButton(1 + round % 5)->click();
            exerciseWindow(1 + round % 5).frame().close->click();
            QVERIFY(hatter().isVisible());
        });
    }

    // Whole program runs: title card, menu, an exercise, End; and runs ended by closing the
    // last window.
    void programRuns()
    {
        for (int warm = 0; warm < 3; ++warm) { // fonts, styles and pictures come once
            TestRun run;
            startToMenu();
            census();
        }
        const Census before = census();
        const qint64 rssBefore = residentKiB();
        const qint64 heapBefore = heapInUseKiB();
        const int n = cycles();
        qint64 rssHalfway = rssBefore, heapHalfway = heapBefore;
        for (int i = 0; i < n; ++i) {
            if (i == n / 2) {
                rssHalfway = residentKiB();
                heapHalfway = heapInUseKiB();
            }
            QCoreApplication::processEvents(); // the previous run's windows are gone by now
            TestRun run;
            Program::get().start();
            if (i % 3 == 0) {
                QTest::mouseClick(sobre().ui().Image2, Qt::LeftButton); // the note-pad on the title card
                clickCloseBox(sobre().window()); // closing the title card ends the run
                QCOMPARE(run.desktop().endCalls, 1);
                continue;
            }
            sobre().Timer1_Timer();
            menuButton(1 + i % 5)->click();
            workIn(1 + i % 5);
            exerciseWindow(1 + i % 5).frame().close->click();
            if (i % 3 == 1) {
                alap().ui().Command1->click(); // End
            } else {
                clickCloseBox(alap().window());
                clickCloseBox(hatter().window());
            }
            QCOMPARE(run.desktop().endCalls, 1);
            QVERIFY(visibleWindows().isEmpty());
        }
        const Census after = census();
        const qint64 rssAfter = residentKiB();
        const qint64 heapAfter = heapInUseKiB();
        qInfo("program runs: %d runs; before: %s; after: %s; resident memory %lld KiB at start, %lld KiB at end (%+lld KiB); "
              "heap in use %+lld KiB",
              n, qPrintable(before.text()), qPrintable(after.text()), (long long)rssBefore, (long long)rssAfter,
              (long long)(rssAfter - rssBefore), (long long)(heapAfter - heapBefore));
        QCOMPARE(after, before);
        checkMemory(n - n / 2, rssAfter - rssHalfway, heapAfter - heapHalfway);
    }
};

QTEST_MAIN(GrowthTest)
#include "tst_growth.moc"
