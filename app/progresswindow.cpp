#include "app/progresswindow.h"

#include "app/program.h"
#include "core/desktop.h"
#include "core/progressstore.h"
#include "ui/daychart.h"
#include "ui/windowservices.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char *const exerciseNames[] = {"1. a / az", "2. Questions", "3. To be", "4. Antonyms", "5. Pictures"};

QTableWidget *makeTable(QWidget *parent, const QString &name, const QString &accessibleName, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

QTableWidgetItem *cell(const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString whenText(const QDateTime &utc)
{
    if (!utc.isValid())
        return QStringLiteral("never");
    const QDateTime local = utc.toLocalTime();
    const qint64 daysAgo = local.date().daysTo(QDate::currentDate());
    const QString time = local.toString(QStringLiteral("HH:mm"));
    if (daysAgo == 0)
        return QStringLiteral("today, %1").arg(time);
    if (daysAgo == 1)
        return QStringLiteral("yesterday, %1").arg(time);
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// When an item is next due, counted in review days (a review day starts at 04:00).
QString dueText(const QDate &due, const QDate &today)
{
    if (!due.isValid())
        return QStringLiteral("-");
    const qint64 days = today.daysTo(due);
    if (days <= 0)
        return QStringLiteral("now");
    if (days == 1)
        return QStringLiteral("tomorrow");
    return due.toString(Qt::ISODate);
}

} // namespace

ProgressWindow::ProgressWindow() : FormWith({QStringLiteral("progress"), caption(), 12600, 9300, QColor(), QFont()}) {}

QString ProgressWindow::caption()
{
    return QStringLiteral("Tarvo - My progress");
}

void ProgressWindow::build(ProgressUi &ui, QWidget *c)
{
    auto *layout = new QVBoxLayout(c);

    auto *exercisesLabel = new QLabel(QStringLiteral("&Exercises"), c);
    ui.exercises = makeTable(c, QStringLiteral("exercises"), QStringLiteral("Exercises"),
                             {QStringLiteral("Exercise"), QStringLiteral("Runs completed"), QStringLiteral("Answers"),
                              QStringLiteral("Right at the first try"), QStringLiteral("Last practised"),
                              QStringLiteral("Due today"), QStringLiteral("Due in 7 days")});
    ui.exercises->setRowCount(5);
    for (int i = 0; i < 5; ++i)
        ui.exercises->setItem(i, 0, cell(QLatin1String(exerciseNames[i])));
    ui.exercises->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.exercises->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    exercisesLabel->setBuddy(ui.exercises);
    layout->addWidget(exercisesLabel);
    layout->addWidget(ui.exercises);

    auto *middle = new QHBoxLayout;
    auto *daysBox = new QVBoxLayout;
    auto *daysLabel = new QLabel(QStringLiteral("&Answers of the last %1 days").arg(chartDays), c);
    ui.dayTabs = new QTabWidget(c);
    ui.dayTabs->setObjectName(QStringLiteral("dayTabs"));
    ui.dayTabs->setAccessibleName(QStringLiteral("Answers of the last %1 days").arg(chartDays));
    ui.chart = new DayChart(ui.dayTabs);
    ui.chart->setObjectName(QStringLiteral("chart"));
    ui.days = makeTable(ui.dayTabs, QStringLiteral("days"), QStringLiteral("Answers per day, as figures"),
                        {QStringLiteral("Day"), QStringLiteral("Right"), QStringLiteral("Wrong")});
    ui.dayTabs->addTab(ui.chart, QStringLiteral("C&hart"));
    ui.dayTabs->addTab(ui.days, QStringLiteral("&Figures"));
    daysLabel->setBuddy(ui.dayTabs);
    daysBox->addWidget(daysLabel);
    daysBox->addWidget(ui.dayTabs);
    middle->addLayout(daysBox, 1);

    auto *wordsBox = new QVBoxLayout;
    auto *wordsLabel = new QLabel(QStringLiteral("&Words to practise"), c);
    ui.words = makeTable(c, QStringLiteral("words"), QStringLiteral("Words to practise"),
                         {QStringLiteral("Item"), QStringLiteral("Right answer"), QStringLiteral("Wrong"),
                          QStringLiteral("Next due")});
    ui.words->setAccessibleDescription(QStringLiteral("The items you answered wrong most often, with their right answers "
                                                      "and when each is next due for review"));
    ui.words->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui.words->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui.words->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    ui.words->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    ui.words->horizontalHeader()->setStretchLastSection(false);
    wordsLabel->setBuddy(ui.words);
    wordsBox->addWidget(wordsLabel);
    wordsBox->addWidget(ui.words);
    middle->addLayout(wordsBox, 1);
    layout->addLayout(middle, 1);

    ui.where = new QLabel(c);
    ui.where->setObjectName(QStringLiteral("where"));
    ui.where->setWordWrap(true);
    ui.where->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.where->setAccessibleName(QStringLiteral("Where your progress is kept"));
    layout->addWidget(ui.where);

    auto *buttons = new QHBoxLayout;
    ui.forget = new QPushButton(QStringLiteral("F&orget my progress..."), c);
    ui.forget->setObjectName(QStringLiteral("forget"));
    ui.exportCsv = new QPushButton(QStringLiteral("E&xport as CSV..."), c);
    ui.exportCsv->setObjectName(QStringLiteral("exportCsv"));
    ui.close = new QPushButton(QStringLiteral("&Close"), c);
    ui.close->setObjectName(QStringLiteral("close"));
    buttons->addWidget(ui.forget);
    buttons->addWidget(ui.exportCsv);
    buttons->addStretch(1);
    buttons->addWidget(ui.close);
    layout->addLayout(buttons);

    onControl(ui.forget, &QPushButton::clicked, this, &ProgressWindow::forgetProgress);
    onControl(ui.exportCsv, &QPushButton::clicked, this, &ProgressWindow::exportCsv);
    onControl(ui.close, &QPushButton::clicked, [this] { unload(); });
    setDefaultButton(ui.close);
}

void ProgressWindow::Form_Load()
{
    centerForm(window());
    // The exercise windows stay above others; this one opens above them.
    desktop().setTopmost(window(), true);
}

void ProgressWindow::open()
{
    refresh();
    show();
    ui().close->setFocus(Qt::OtherFocusReason);
}

void ProgressWindow::refresh()
{
    ProgressUi &u = ui();
    ProgressStore &store = Program::get().progressStore();
    const QLocale locale;

    const QList<ExerciseSummary> summaries = store.exerciseSummaries();
    for (const ExerciseSummary &s : summaries) {
        const int row = s.exercise - 1;
        u.exercises->setItem(row, 1, cell(locale.toString(s.runsCompleted), true));
        u.exercises->setItem(row, 2, cell(locale.toString(s.answers), true));
        const QString share = s.firstTries > 0 ? QStringLiteral("%1 %").arg(qRound(100.0 * s.firstTriesRight / s.firstTries))
                                               : QStringLiteral("-");
        u.exercises->setItem(row, 3, cell(share, true));
        u.exercises->setItem(row, 4, cell(whenText(s.lastPractised)));
    }
    for (const DueOutlook &o : store.dueOutlook()) {
        if (o.exercise < 1 || o.exercise > 5)
            continue;
        u.exercises->setItem(o.exercise - 1, 5, cell(locale.toString(o.dueToday), true));
        u.exercises->setItem(o.exercise - 1, 6, cell(locale.toString(o.dueWeek), true));
    }
    u.exercises->setFixedHeight(u.exercises->horizontalHeader()->height() + 5 * u.exercises->rowHeight(0) +
                                2 * u.exercises->frameWidth());

    const QList<DayCount> days = store.dailyCounts(QDate::currentDate(), chartDays);
    u.chart->setDays(days);
    u.days->setRowCount(int(days.size()));
    for (int i = 0; i < days.size(); ++i) {
        // Newest first, where a reader starts.
        const DayCount &d = days[days.size() - 1 - i];
        u.days->setItem(i, 0, cell(d.day.toString(Qt::ISODate)));
        u.days->setItem(i, 1, cell(QString::number(d.right), true));
        u.days->setItem(i, 2, cell(QString::number(d.wrong), true));
    }

    const QDate today = store.now().toLocalTime().addSecs(-4 * 3600).date();
    const QList<PracticeWord> words = store.wordsToPractise(wordCount);
    u.words->setRowCount(int(words.size()));
    for (int i = 0; i < words.size(); ++i) {
        // A word forgotten again and again is marked, in the text itself so that it is read out.
        const PracticeWord &w = words[i];
        u.words->setItem(i, 0, cell(w.hard ? w.item + QStringLiteral(" (hard word)") : w.item));
        u.words->setItem(i, 1, cell(w.expected));
        u.words->setItem(i, 2, cell(QString::number(w.wrong), true));
        u.words->setItem(i, 3, cell(dueText(w.due, today)));
        u.words->item(i, 0)->setToolTip(
            w.hard ? QStringLiteral("Exercise %1; forgotten %2 times after it had been learnt").arg(w.exercise).arg(w.lapses)
                   : QStringLiteral("Exercise %1").arg(w.exercise));
    }

    const QString path = store.filePath();
    if (path.isEmpty()) {
        u.where->setText(QStringLiteral("Nothing of this run is being kept."));
    } else {
        QString text = QStringLiteral("Your progress is kept on this computer only, nowhere else, in the file\n%1\n"
                                      "To remove it, press Forget my progress, or delete that file while Tarvo is closed.")
                           .arg(QDir::toNativeSeparators(path));
        if (!store.saving())
            text += QStringLiteral("\nWhat you do now is not being saved.");
        u.where->setText(text);
    }
    u.forget->setEnabled(store.saving());
    u.exportCsv->setEnabled(store.canRead());
}

void ProgressWindow::forgetProgress()
{
    bool yes = false;
    const bool loaded = runModal([&](QWidget *owner) {
        yes = desktop().question(owner, caption(),
                                 QStringLiteral("Forget all your progress?\n\nEvery run and answer recorded so far will "
                                                "be removed. This cannot be undone."));
    });
    if (!loaded || !yes)
        return;
    if (!Program::get().progressStore().forget() &&
        !messageBox(caption(), QStringLiteral("Your progress could not be removed."), MsgIcon::Exclamation))
        return;
    refresh();
}

void ProgressWindow::exportCsv()
{
    const QString suggested = QDir::homePath() + QStringLiteral("/tarvo-progress-%1.csv")
                                                     .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    QString path;
    const bool loaded = runModal([&](QWidget *owner) {
        path = desktop().saveFileName(owner, QStringLiteral("Export as CSV"), suggested,
                                      QStringLiteral("CSV files (*.csv);;All files (*)"));
    });
    if (!loaded || path.isEmpty())
        return;
    QString error;
    window()->setCursor(Qt::WaitCursor); // a long record takes a moment to write
    const bool written = Program::get().progressStore().exportCsv(path, &error);
    window()->unsetCursor();
    if (written)
        messageBox(caption(), QStringLiteral("Every answer has been written to\n%1").arg(QDir::toNativeSeparators(path)),
                   MsgIcon::Information);
    else
        messageBox(caption(), error, MsgIcon::Exclamation);
}
