#include "app/progresswindow.h"

#include "core/desktop.h"
#include "core/fsrs.h"
#include "core/lessons.h"
#include "core/progressstore.h"
#include "ui/celltips.h"
#include "ui/daychart.h"
#include "ui/windowservices.h"

#include <QCoreApplication>
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

// How the list names an item. Lesson 1's keys are the texts its exercises show; an item of the
// learner's own lessons is named by what asks it (a word by its translation, definition or, for
// a picture, the word itself; an article by its noun), one that has left its lesson by its answer.
QString itemName(const PracticeWord &w, const LessonItem *item)
{
    if (w.lesson == lessonOneId())
        return w.item;
    if (const auto *word = item ? item->as<WordItem>() : nullptr)
        return word->prompt.isEmpty() ? word->answer : word->prompt;
    if (const auto *article = item ? item->as<ArticleItem>() : nullptr)
        return article->noun;
    return w.expected.isEmpty() ? w.item : w.expected;
}

// Exercise 1 is named by the two Hungarian articles it drills, which stay Hungarian in any language.
const char *const exerciseNames[] = {
    "1. a / az", QT_TRANSLATE_NOOP("ProgressWindow", "2. Questions"),
    QT_TRANSLATE_NOOP("ProgressWindow", "3. To be"), QT_TRANSLATE_NOOP("ProgressWindow", "4. Antonyms"),
    QT_TRANSLATE_NOOP("ProgressWindow", "5. Pictures")};

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
        return QCoreApplication::translate("ProgressWindow", "never");
    const QDateTime local = utc.toLocalTime();
    const qint64 daysAgo = local.date().daysTo(QDate::currentDate());
    const QLocale locale;
    const QString time = locale.toString(local, QCoreApplication::translate("ProgressWindow", "HH:mm"));
    if (daysAgo == 0)
        //: %1 is the time of day
        return QCoreApplication::translate("ProgressWindow", "today, %1").arg(time);
    if (daysAgo == 1)
        return QCoreApplication::translate("ProgressWindow", "yesterday, %1").arg(time);
    return locale.toString(local, QCoreApplication::translate("ProgressWindow", "yyyy-MM-dd HH:mm"));
}

// When an item is next due, counted in review days (a review day starts at 04:00).
QString dueText(const QDate &due, const QDate &today)
{
    if (!due.isValid())
        return QStringLiteral("-");
    const qint64 days = today.daysTo(due);
    if (days <= 0)
        return QCoreApplication::translate("ProgressWindow", "now");
    if (days == 1)
        return QCoreApplication::translate("ProgressWindow", "tomorrow");
    return QLocale().toString(due, QCoreApplication::translate("ProgressWindow", "yyyy-MM-dd"));
}

} // namespace

ProgressWindow::ProgressWindow(ProgressStore &store)
    : FormWith({QStringLiteral("progress"), caption(), 12600, 9300, QColor(), QFont()}), store_(store)
{
    setClosesOnEscape(true);
}

QString ProgressWindow::caption()
{
    return tr("Tarvo - My progress");
}

void ProgressWindow::build(ProgressUi &ui, QWidget *c)
{
    auto *layout = new QVBoxLayout(c);

    auto *exercisesLabel = new QLabel(tr("&Exercises"), c);
    ui.exercises = makeTable(c, QStringLiteral("exercises"), tr("Exercises"),
                             {tr("Exercise"), tr("Runs completed"), tr("Answers"), tr("Right at the first try"),
                              tr("Last practised"), tr("Due today"), tr("Due in 7 days")});
    ui.exercises->setRowCount(5);
    for (int i = 0; i < 5; ++i)
        ui.exercises->setItem(i, 0, cell(i == 0 ? QString::fromLatin1(exerciseNames[0]) : tr(exerciseNames[i])));
    ui.exercises->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.exercises->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    exercisesLabel->setBuddy(ui.exercises);
    layout->addWidget(exercisesLabel);
    layout->addWidget(ui.exercises);

    auto *middle = new QHBoxLayout;
    auto *daysBox = new QVBoxLayout;
    auto *daysLabel = new QLabel(tr("&Answers of the last %n days", nullptr, chartDays), c);
    ui.dayTabs = new QTabWidget(c);
    ui.dayTabs->setObjectName(QStringLiteral("dayTabs"));
    ui.dayTabs->setAccessibleName(tr("Answers of the last %n days", nullptr, chartDays));
    ui.chart = new DayChart(ui.dayTabs);
    ui.chart->setObjectName(QStringLiteral("chart"));
    ui.days = makeTable(ui.dayTabs, QStringLiteral("days"), tr("Answers per day, as figures"),
                        {tr("Day"), tr("Right"), tr("Wrong")});
    ui.dayTabs->addTab(ui.chart, tr("C&hart"));
    ui.dayTabs->addTab(ui.days, tr("&Figures"));
    daysLabel->setBuddy(ui.dayTabs);
    daysBox->addWidget(daysLabel);
    daysBox->addWidget(ui.dayTabs);
    middle->addLayout(daysBox, 1);

    auto *wordsBox = new QVBoxLayout;
    auto *wordsLabel = new QLabel(tr("&Words to practise"), c);
    ui.words = makeTable(c, QStringLiteral("words"), tr("Words to practise"),
                         {tr("Item"), tr("Right answer"), tr("Wrong"), tr("Next due")});
    ui.words->setAccessibleDescription(tr("The items you answered wrong most often, with their right answers "
                                          "and when each is next due for review"));
    ui.words->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui.words->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui.words->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    ui.words->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    ui.words->horizontalHeader()->setStretchLastSection(false);
    // A long sentence or a longer language cuts an item or its answer: the tip shows it whole.
    showWholeTextWhereCut(ui.words);
    wordsLabel->setBuddy(ui.words);
    wordsBox->addWidget(wordsLabel);
    wordsBox->addWidget(ui.words);
    middle->addLayout(wordsBox, 1);
    layout->addLayout(middle, 1);

    ui.where = new QLabel(c);
    ui.where->setObjectName(QStringLiteral("where"));
    ui.where->setWordWrap(true);
    ui.where->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.where->setAccessibleName(tr("Where your progress is kept"));
    layout->addWidget(ui.where);

    auto *buttons = new QHBoxLayout;
    ui.forget = new QPushButton(tr("F&orget my progress..."), c);
    ui.forget->setObjectName(QStringLiteral("forget"));
    ui.exportCsv = new QPushButton(tr("E&xport as CSV..."), c);
    ui.exportCsv->setObjectName(QStringLiteral("exportCsv"));
    ui.close = new QPushButton(tr("&Close"), c);
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
    ProgressStore &store = store_;
    const QLocale locale;

    const QList<ExerciseSummary> summaries = store.exerciseSummaries();
    for (const ExerciseSummary &s : summaries) {
        const int row = s.exercise - 1;
        u.exercises->setItem(row, 1, cell(locale.toString(s.runsCompleted), true));
        u.exercises->setItem(row, 2, cell(locale.toString(s.answers), true));
        //: a percentage
        const QString share = s.firstTries > 0 ? tr("%1 %").arg(qRound(100.0 * s.firstTriesRight / s.firstTries))
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
    fitExercisesTable();

    const QList<DayCount> days = store.dailyCounts(QDate::currentDate(), chartDays);
    u.chart->setDays(days);
    u.days->setRowCount(int(days.size()));
    for (int i = 0; i < days.size(); ++i) {
        // Newest first, where a reader starts.
        const DayCount &d = days[days.size() - 1 - i];
        u.days->setItem(i, 0, cell(locale.toString(d.day, tr("yyyy-MM-dd"))));
        u.days->setItem(i, 1, cell(QString::number(d.right), true));
        u.days->setItem(i, 2, cell(QString::number(d.wrong), true));
    }

    const QDate today = fsrs::reviewDay(store.now());
    const QList<PracticeWord> words = store.wordsToPractise(wordCount);
    u.words->setRowCount(int(words.size()));
    for (int i = 0; i < words.size(); ++i) {
        // A word forgotten again and again is marked, in the text itself so that it is read out.
        const PracticeWord &w = words[i];
        const LessonItem *item = Lessons::item(w.lesson, w.section, w.item);
        const QString name = itemName(w, item);
        //: %1 is the Hungarian item
        u.words->setItem(i, 0, cell(w.hard ? tr("%1 (hard word)").arg(name) : name));
        u.words->setItem(i, 1, cell(w.expected));
        u.words->setItem(i, 2, cell(QString::number(w.wrong), true));
        u.words->setItem(i, 3, cell(item ? dueText(w.due, today) : tr("no longer in any lesson")));
        // Where the item is asked: lesson 1's exercise, or the learner's own lesson.
        const std::shared_ptr<const Lesson> lesson = w.lesson == lessonOneId() ? nullptr : Lessons::find(w.lesson);
        //: %1 is the title of one of the learner's own lessons
        const QString where = lesson ? tr("From “%1”").arg(lesson->title) : tr("Exercise %1").arg(w.exercise);
        u.words->item(i, 0)->setToolTip(
            w.hard ? tr("%1; forgotten %n times after it had been learnt", nullptr, w.lapses).arg(where) : where);
    }

    const QString path = store.filePath();
    if (path.isEmpty()) {
        u.where->setText(tr("Nothing of this run is being kept."));
    } else {
        QString text = tr("Your progress is kept on this computer only, nowhere else, in the file\n%1\n"
                          "To remove it, press Forget my progress, or delete that file while Tarvo is closed.")
                           .arg(QDir::toNativeSeparators(path));
        if (!store.saving())
            text += QLatin1Char('\n') + tr("What you do now is not being saved.");
        u.where->setText(text);
    }
    u.forget->setEnabled(store.saving());
    u.exportCsv->setEnabled(store.canRead());
}

// Every column of the exercises table shows whole: under a larger font or in a longer language
// the window grows to the table rather than hiding its last columns behind a scroll bar.
void ProgressWindow::fitExercisesTable()
{
    QTableWidget *table = ui().exercises;
    table->resizeColumnsToContents();
    const int vertical = table->verticalHeader()->isHidden() ? 0 : table->verticalHeader()->sizeHint().width();
    table->setMinimumWidth(table->horizontalHeader()->length() + vertical + 2 * table->frameWidth());
    QWidget *client = window()->client();
    const QSize needed = client->size().expandedTo(client->layout()->minimumSize());
    if (needed == client->size())
        return;
    client->setFixedSize(needed);
    window()->adjustSize();
    centerForm(window());
}

void ProgressWindow::forgetProgress()
{
    bool yes = false;
    const bool loaded = runModal([&](QWidget *owner) {
        yes = desktop().question(owner, caption(),
                                 tr("Forget all your progress?\n\nEvery run and answer recorded so far will "
                                    "be removed. This cannot be undone."));
    });
    if (!loaded || !yes)
        return;
    if (!store_.forget() &&
        !messageBox(caption(), tr("Your progress could not be removed."), MsgIcon::Exclamation))
        return;
    refresh();
}

void ProgressWindow::exportCsv()
{
    const QString suggested = QDir::homePath() + QStringLiteral("/tarvo-progress-%1.csv")
                                                     .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    QString path;
    const bool loaded = runModal([&](QWidget *owner) {
        path = desktop().saveFileName(owner, tr("Export as CSV"), suggested, tr("CSV files (*.csv);;All files (*)"));
    });
    if (!loaded || path.isEmpty())
        return;
    QString error;
    window()->setCursor(Qt::WaitCursor); // a long record takes a moment to write
    const bool written = store_.exportCsv(path, &error);
    window()->unsetCursor();
    if (written)
        messageBox(caption(), tr("Every answer has been written to\n%1").arg(QDir::toNativeSeparators(path)),
                   MsgIcon::Information);
    else
        messageBox(caption(), error, MsgIcon::Exclamation);
}
