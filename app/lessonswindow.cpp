#include "app/lessonswindow.h"

#include "app/program.h"
#include "core/desktop.h"
#include "core/progressstore.h"
#include "core/services.h"
#include "ui/tickbox.h"
#include "ui/windowservices.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

enum Column { TitleColumn, WordsColumn, MetColumn, DueColumn };

QTableWidgetItem *cell(const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A figure the record does not give: a dash on screen, words for a screen reader.
QTableWidgetItem *figure(const std::optional<int> &value)
{
    if (value)
        return cell(QLocale().toString(*value), true);
    QTableWidgetItem *item = cell(QStringLiteral("–"), true);
    item->setData(Qt::AccessibleTextRole, LessonsWindow::tr("not known"));
    return item;
}

// A column of a word list as the learner picks it: its name, its language, or its place.
QString columnText(const WordList::Column &column, int index)
{
    if (!column.name.isEmpty() && !column.language.isEmpty() && column.name != column.language)
        return QStringLiteral("%1 (%2)").arg(column.name, column.language);
    if (!column.name.isEmpty())
        return column.name;
    if (!column.language.isEmpty())
        //: A column of a word list named by its language code (%1, "en")
        return LessonsWindow::tr("Language %1").arg(column.language);
    return LessonsWindow::tr("Column %1").arg(index + 1);
}

void fillColumns(QComboBox *box, const QList<WordList::Column> &columns, const QString &current)
{
    const QSignalBlocker quiet(box);
    box->clear();
    for (int i = 0; i < columns.size(); ++i)
        box->addItem(columnText(columns[i], i), columns[i].id);
    box->setCurrentIndex(std::max(0, box->findData(current)));
}

} // namespace

LessonsWindow::LessonsWindow(Program &program)
    : FormWith({QStringLiteral("lessons"), caption(), 9600, 6600, QColor(), QFont()}), program_(program)
{
    setClosesOnEscape(true);
}

QString LessonsWindow::caption()
{
    return tr("Tarvo - Lessons");
}

QString LessonsWindow::fileFilter()
{
    return tr("Word lists (*.kvtml *.csv *.tsv *.txt);;All files (*)");
}

namespace {

const QString newPerDayKey = QStringLiteral("lessons/newPerDay");

} // namespace

int LessonsWindow::newPerDay()
{
    bool ok = false;
    const int items = learnerSettings().value(newPerDayKey, defaultNewPerDay).toInt(&ok);
    // A hand-edited setting that is no number, or out of range, is taken as the nearest one that is.
    return ok ? std::clamp(items, 1, maxNewPerDay) : defaultNewPerDay;
}

void LessonsWindow::setNewPerDay(int items)
{
    learnerSettings().setValue(newPerDayKey, std::clamp(items, 1, maxNewPerDay));
}

void LessonsWindow::build(LessonsUi &ui, QWidget *c)
{
    auto *outer = new QVBoxLayout(c);
    ui.pages = new QStackedWidget(c);
    outer->addWidget(ui.pages);

    // The list.
    auto *list = new QWidget(ui.pages);
    auto *layout = new QVBoxLayout(list);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *lessonsLabel = new QLabel(tr("&Lessons"), list);
    ui.lessons = new QTableWidget(0, 4, list);
    ui.lessons->setObjectName(QStringLiteral("lessons"));
    ui.lessons->setAccessibleName(tr("Lessons"));
    ui.lessons->setAccessibleDescription(
        tr("Lesson 1 and the word lists you imported. Enter or a double click practises the lesson."));
    ui.lessons->setHorizontalHeaderLabels({tr("Lesson"), tr("Words"), tr("Met so far"), tr("Due today")});
    ui.lessons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.lessons->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.lessons->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.lessons->setTabKeyNavigation(false);
    ui.lessons->setWordWrap(false);
    ui.lessons->verticalHeader()->hide();
    QHeaderView *header = ui.lessons->horizontalHeader();
    header->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    for (int column : {WordsColumn, MetColumn, DueColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    lessonsLabel->setBuddy(ui.lessons);
    layout->addWidget(lessonsLabel);
    layout->addWidget(ui.lessons, 1);

    ui.problems = new QLabel(list);
    ui.problems->setObjectName(QStringLiteral("problems"));
    ui.problems->setWordWrap(true);
    ui.problems->setTextFormat(Qt::PlainText);
    ui.problems->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.problems->setAccessibleName(tr("Files that could not be read"));
    ui.problems->hide();
    layout->addWidget(ui.problems);

    ui.where = new QLabel(list);
    ui.where->setObjectName(QStringLiteral("where"));
    ui.where->setWordWrap(true);
    ui.where->setTextFormat(Qt::PlainText);
    ui.where->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.where->setAccessibleName(tr("Where your lessons are kept"));
    layout->addWidget(ui.where);

    auto *daily = new QHBoxLayout;
    ui.newPerDay = new QSpinBox(list);
    ui.newPerDay->setObjectName(QStringLiteral("newPerDay"));
    ui.newPerDay->setRange(1, maxNewPerDay);
    ui.newPerDay->setValue(newPerDay());
    ui.newPerDay->setAccessibleName(tr("New items a day"));
    const QString dailyTip = tr("How many items you have not met yet a practice brings, in each lesson each day. "
                                "A noun's article is an item of its own.");
    ui.newPerDay->setToolTip(dailyTip);
    ui.newPerDay->setAccessibleDescription(dailyTip);
    auto *dailyLabel = new QLabel(tr("&New items a day:"), list);
    dailyLabel->setBuddy(ui.newPerDay);
    daily->addWidget(dailyLabel);
    daily->addWidget(ui.newPerDay);
    daily->addStretch(1);
    layout->addLayout(daily);

    auto *buttons = new QHBoxLayout;
    ui.import = new QPushButton(tr("&Import..."), list);
    ui.import->setObjectName(QStringLiteral("import"));
    ui.import->setToolTip(tr("Import a word list: KVTML (Parley, KWordQuiz), CSV or tab-separated text"));
    ui.practise = new QPushButton(tr("&Practise"), list);
    ui.practise->setObjectName(QStringLiteral("practise"));
    ui.remove = new QPushButton(tr("Re&move..."), list);
    ui.remove->setObjectName(QStringLiteral("remove"));
    ui.close = new QPushButton(tr("&Close"), list);
    ui.close->setObjectName(QStringLiteral("close"));
    buttons->addWidget(ui.import);
    buttons->addWidget(ui.practise);
    buttons->addWidget(ui.remove);
    buttons->addStretch(1);
    buttons->addWidget(ui.close);
    layout->addLayout(buttons);
    ui.pages->addWidget(list);

    // The choices for a word list on its way in.
    ui.choices = new QWidget(ui.pages);
    ui.choices->setObjectName(QStringLiteral("choices"));
    auto *asking = new QVBoxLayout(ui.choices);
    asking->setContentsMargins(0, 0, 0, 0);
    ui.choicesTitle = new QLabel(ui.choices);
    ui.choicesTitle->setObjectName(QStringLiteral("choicesTitle"));
    ui.choicesTitle->setTextFormat(Qt::PlainText);
    ui.choicesTitle->setWordWrap(true);
    QFont bold = ui.choicesTitle->font();
    bold.setBold(true);
    ui.choicesTitle->setFont(bold);
    ui.choicesTitle->setAccessibleDescription(tr("The word list being imported"));
    asking->addWidget(ui.choicesTitle);
    ui.choicesText = new QLabel(ui.choices);
    ui.choicesText->setObjectName(QStringLiteral("choicesText"));
    ui.choicesText->setTextFormat(Qt::PlainText);
    ui.choicesText->setWordWrap(true);
    ui.choicesText->setAccessibleDescription(tr("What to choose"));
    asking->addWidget(ui.choicesText);
    auto *form = new QFormLayout;
    ui.hungarian = new QComboBox(ui.choices);
    ui.hungarian->setObjectName(QStringLiteral("hungarian"));
    ui.hungarian->setAccessibleName(tr("Column of the Hungarian words"));
    ui.hungarianLabel = new QLabel(tr("&Hungarian words:"), ui.choices);
    ui.hungarianLabel->setBuddy(ui.hungarian);
    form->addRow(ui.hungarianLabel, ui.hungarian);
    ui.prompt = new QComboBox(ui.choices);
    ui.prompt->setObjectName(QStringLiteral("prompt"));
    ui.prompt->setAccessibleName(tr("Column to ask by"));
    ui.promptLabel = new QLabel(tr("&Ask by:"), ui.choices);
    ui.promptLabel->setBuddy(ui.prompt);
    form->addRow(ui.promptLabel, ui.prompt);
    asking->addLayout(form);
    ui.nouns = new TickBox(ui.choices);
    ui.nouns->setObjectName(QStringLiteral("nouns"));
    ui.nouns->setText(tr("These are &nouns"));
    ui.nouns->setAccessibleDescription(tr("Tarvo then also asks each word's article, a or az"));
    asking->addWidget(ui.nouns);
    ui.preview = new QLabel(ui.choices);
    ui.preview->setObjectName(QStringLiteral("preview"));
    ui.preview->setTextFormat(Qt::PlainText);
    ui.preview->setWordWrap(true);
    ui.preview->setAccessibleDescription(tr("The first words as they would be imported"));
    asking->addWidget(ui.preview);
    asking->addStretch(1);
    auto *answer = new QHBoxLayout;
    ui.importNow = new QPushButton(tr("&Import"), ui.choices);
    ui.importNow->setObjectName(QStringLiteral("importNow"));
    ui.cancel = new QPushButton(tr("&Cancel"), ui.choices);
    ui.cancel->setObjectName(QStringLiteral("cancel"));
    answer->addStretch(1);
    answer->addWidget(ui.importNow);
    answer->addWidget(ui.cancel);
    asking->addLayout(answer);
    ui.pages->addWidget(ui.choices);

    onControl(ui.import, &QPushButton::clicked, this, &LessonsWindow::chooseFiles);
    onControl(ui.practise, &QPushButton::clicked, this, &LessonsWindow::practiseSelected);
    onControl(ui.remove, &QPushButton::clicked, this, &LessonsWindow::removeSelected);
    onControl(ui.close, &QPushButton::clicked, [this] { unload(); });
    onControl(ui.lessons, &QTableWidget::itemSelectionChanged, this, &LessonsWindow::updateButtons);
    onControl(ui.lessons, &QTableWidget::cellDoubleClicked, this, &LessonsWindow::practiseSelected);
    onControl(ui.newPerDay, &QSpinBox::valueChanged, [this] { setNewPerDay(this->ui().newPerDay->value()); });
    onControl(ui.hungarian, &QComboBox::currentIndexChanged, this, &LessonsWindow::readAgain);
    onControl(ui.prompt, &QComboBox::currentIndexChanged, this, &LessonsWindow::readAgain);
    onControl(ui.nouns, &QCheckBox::clicked, this, &LessonsWindow::readAgain);
    onControl(ui.importNow, &QPushButton::clicked, this, &LessonsWindow::importChosen);
    onControl(ui.cancel, &QPushButton::clicked, this, &LessonsWindow::cancelChoices);
    setDefaultButton(ui.practise);

    // A word list dropped anywhere on the window is imported.
    window()->setAcceptDrops(true);
    window()->installEventFilter(this);
}

void LessonsWindow::Form_Load()
{
    centerForm(window());
    // The exercise windows stay above others; this one opens above them.
    desktop().setTopmost(window(), true);
}

void LessonsWindow::Form_Unload()
{
    // Lists not yet imported are left out, as Cancel leaves them.
    queue_.clear();
    pendingPath_.clear();
    reports_.clear();
    failed_ = false;
}

void LessonsWindow::open()
{
    refresh();
    show();
    ui().lessons->setFocus(Qt::OtherFocusReason);
}

void LessonsWindow::refresh()
{
    LessonsUi &u = ui();
    const QString selected = lastImported_.isEmpty() ? selectedId() : lastImported_;
    lastImported_.clear();
    LessonLibrary &library = program_.lessonLibrary();
    const LessonLibrary::Listing listing = library.list();
    lessons_ = listing.lessons;
    QHash<QString, LessonProgress> standings;
    const bool readable = program_.progressStore().canRead();
    for (const LessonProgress &standing : program_.progressStore().lessonProgress())
        standings.insert(standing.lesson, standing);

    const Lesson &one = lessonOne();
    u.lessons->setRowCount(int(lessons_.size()) + 1);
    const auto fill = [&](int row, const QString &id, const QString &title, int words) {
        QTableWidgetItem *name = cell(title);
        name->setData(Qt::UserRole, id);
        u.lessons->setItem(row, TitleColumn, name);
        u.lessons->setItem(row, WordsColumn, cell(QLocale().toString(words), true));
        // A lesson the readable record has no answers of has met none and has none due; only a
        // record that cannot be read leaves the figures unknown.
        const auto standing = standings.constFind(id);
        const bool known = standing != standings.constEnd();
        const std::optional<int> none = readable ? std::optional(0) : std::nullopt;
        u.lessons->setItem(row, MetColumn, figure(known ? std::optional(standing->met) : none));
        u.lessons->setItem(row, DueColumn, figure(known ? std::optional(standing->dueToday) : none));
    };
    fill(0, one.id, one.title, one.itemCount());
    u.lessons->item(0, TitleColumn)->setToolTip(tr("Built in: the five exercises of the menu"));
    u.lessons->item(0, WordsColumn)->setToolTip(tr("Items of the five exercises"));
    int selectRow = 0;
    for (int i = 0; i < lessons_.size(); ++i) {
        const LibraryLesson &lesson = lessons_[i];
        fill(i + 1, lesson.id, lesson.title, lesson.words);
        if (lesson.id == selected)
            selectRow = i + 1;
    }
    u.lessons->selectRow(selectRow);
    u.lessons->setCurrentCell(selectRow, TitleColumn);

    u.problems->setVisible(!listing.problems.isEmpty());
    if (!listing.problems.isEmpty())
        u.problems->setText(tr("These files in the lessons folder could not be read and are left as they are:") +
                            QLatin1Char('\n') + listing.problems.join(QLatin1Char('\n')));
    u.where->setText(tr("Your imported lessons are kept in the folder\n%1")
                         .arg(QDir::toNativeSeparators(library.folder())));
    updateButtons();
}

QString LessonsWindow::selectedId()
{
    QTableWidget *table = ui().lessons;
    const QList<QTableWidgetItem *> selected = table->selectedItems();
    if (selected.isEmpty())
        return QString();
    const QTableWidgetItem *title = table->item(selected.first()->row(), TitleColumn);
    return title ? title->data(Qt::UserRole).toString() : QString();
}

bool LessonsWindow::choosing()
{
    return isLoaded() && ui().pages->currentWidget() == ui().choices;
}

void LessonsWindow::updateButtons()
{
    LessonsUi &u = ui();
    const QString id = selectedId();
    u.practise->setEnabled(!id.isEmpty());
    // Lesson 1 is built in: it cannot be removed.
    u.remove->setEnabled(!id.isEmpty() && id != lessonOne().id);
}

void LessonsWindow::chooseFiles()
{
    QStringList paths;
    if (!runModal([&](QWidget *owner) { paths = desktop().openFileNames(owner, tr("Import word lists"), fileFilter()); }))
        return;
    importFiles(paths);
}

void LessonsWindow::importFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (!isVisible())
        open();
    queue_ += paths;
    if (!choosing())
        nextFile();
}

// The files of the queue, one after the other: a list that says all Tarvo needs is imported at
// once; for one that leaves something open the window asks and waits.
void LessonsWindow::nextFile()
{
    while (!queue_.isEmpty()) {
        const QString path = queue_.takeFirst();
        WordList::Options options;
        options.interfaceLanguage = QLocale().name();
        WordList::Result read = WordList::read(path, options);
        if (read.columnsGuessed || read.hungarianMissing || (read.ok() && !read.wordTypes)) {
            pendingPath_ = path;
            pending_ = std::move(read);
            showChoices();
            return;
        }
        report(program_.lessonLibrary().add(path, read));
    }
    finishImports();
}

void LessonsWindow::showChoices()
{
    LessonsUi &u = ui();
    //: %1 is the word list's file name
    u.choicesTitle->setText(tr("Importing “%1”").arg(QFileInfo(pendingPath_).fileName()));
    const bool columns = pending_.columnsGuessed || pending_.hungarianMissing;
    if (pending_.hungarianMissing)
        u.choicesText->setText(tr("No language of this list is marked as Hungarian. Choose the one that is, and the "
                                  "one Tarvo asks by."));
    else if (pending_.columnsGuessed)
        u.choicesText->setText(tr("The list does not say which column holds the Hungarian words. Tarvo has made a "
                                  "guess: check the first words below, and choose other columns if they are wrong."));
    else
        u.choicesText->setText(tr("The list does not say which of its words are nouns. If they all are, tick the "
                                  "box: Tarvo then also asks each one's article."));
    fillColumns(u.hungarian, pending_.columns, pending_.hungarianColumn);
    fillColumns(u.prompt, pending_.columns, pending_.promptColumn);
    for (QWidget *w : std::initializer_list<QWidget *>{u.hungarianLabel, u.hungarian, u.promptLabel, u.prompt})
        w->setVisible(columns);
    u.nouns->setChecked(false);
    u.pages->setCurrentWidget(u.choices);
    setDefaultButton(u.importNow);
    if (pending_.hungarianMissing)
        readAgain(); // with the first column as the Hungarian one, for the preview
    else
        showPreview();
    (columns ? static_cast<QWidget *>(u.hungarian) : u.nouns)->setFocus(Qt::OtherFocusReason);
}

// The pending list read again with the choices as they stand now.
void LessonsWindow::readAgain()
{
    LessonsUi &u = ui();
    if (pendingPath_.isEmpty())
        return;
    WordList::Options options;
    options.interfaceLanguage = QLocale().name();
    options.nouns = u.nouns->isChecked();
    if (!u.hungarian->isHidden()) {
        options.hungarianColumn = u.hungarian->currentData().toString();
        options.promptColumn = u.prompt->currentData().toString();
    } else {
        options.hungarianColumn = pending_.hungarianColumn;
        options.promptColumn = pending_.promptColumn;
    }
    const bool missing = pending_.hungarianMissing;
    pending_ = WordList::read(pendingPath_, options);
    pending_.hungarianMissing = missing; // the learner has chosen: the columns stay on show
    if (pending_.ok()) {
        // The reader may ask by another column than the one chosen (not the Hungarian one itself).
        const QSignalBlocker quiet(u.prompt);
        u.prompt->setCurrentIndex(std::max(0, u.prompt->findData(pending_.promptColumn)));
    }
    showPreview();
}

void LessonsWindow::showPreview()
{
    LessonsUi &u = ui();
    u.nouns->setVisible(!pending_.wordTypes);
    u.importNow->setEnabled(pending_.ok());
    if (!pending_.ok()) {
        u.preview->setText(pending_.error);
        return;
    }
    QStringList words;
    for (const LessonSection &section : pending_.lesson.sections)
        for (const LessonItem &item : section.items)
            if (const auto *word = item.as<WordItem>(); word && words.size() < 4)
                words.append(word->prompt.isEmpty() ? word->answer
                                                    : QStringLiteral("%1 (%2)").arg(word->answer, word->prompt.left(60)));
    //: %1 lists the first words of a word list, each followed by its prompt in brackets
    u.preview->setText(tr("First words: %1").arg(words.join(QStringLiteral("; "))));
}

void LessonsWindow::importChosen()
{
    if (pendingPath_.isEmpty() || !pending_.ok())
        return;
    report(program_.lessonLibrary().add(pendingPath_, pending_));
    pendingPath_.clear();
    pending_ = {};
    showList();
    nextFile();
}

void LessonsWindow::cancelChoices()
{
    if (!choosing())
        return;
    pendingPath_.clear();
    pending_ = {};
    showList();
    nextFile();
}

void LessonsWindow::showList()
{
    ui().pages->setCurrentIndex(0);
    setDefaultButton(ui().practise);
}

void LessonsWindow::report(const LessonLibrary::Imported &imported)
{
    reports_.append(imported.lines().join(QLatin1Char('\n')));
    failed_ = failed_ || !imported.ok();
    if (imported.ok())
        lastImported_ = imported.id;
}

void LessonsWindow::finishImports()
{
    LessonsUi &u = ui();
    showList();
    if (reports_.isEmpty()) {
        u.lessons->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString text = reports_.join(QStringLiteral("\n\n"));
    const MsgIcon icon = failed_ ? MsgIcon::Exclamation : MsgIcon::Information;
    reports_.clear();
    failed_ = false;
    refresh();
    u.lessons->setFocus(Qt::OtherFocusReason);
    messageBox(caption(), text, icon);
}

void LessonsWindow::practiseSelected()
{
    const QString id = selectedId();
    if (!id.isEmpty())
        program_.practise(id);
}

void LessonsWindow::removeSelected()
{
    const QString id = selectedId();
    const auto found = std::find_if(lessons_.cbegin(), lessons_.cend(), [&id](const LibraryLesson &l) { return l.id == id; });
    if (found == lessons_.cend())
        return;
    const LibraryLesson lesson = *found;
    bool yes = false;
    const bool loaded = runModal([&](QWidget *owner) {
        yes = desktop().question(owner, caption(),
                                 tr("Remove the lesson “%1”?\n\nIts words leave the review. Your answers to them stay "
                                    "in your record, and you can import the list again.")
                                     .arg(lesson.title));
    });
    if (!loaded || !yes)
        return;
    QString error;
    if (!program_.lessonLibrary().remove(lesson, &error) && !messageBox(caption(), error, MsgIcon::Exclamation))
        return;
    refresh();
}

bool LessonsWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Esc while Tarvo asks about a list leaves the list out, as Cancel does; on the list of
    // lessons it closes the window.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier && choosing()) {
        if (!blockedByBox())
            cancelChoices();
        return true;
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        QStringList paths;
        if (drop->mimeData()->hasUrls())
            for (const QUrl &url : drop->mimeData()->urls())
                if (url.isLocalFile() && WordList::isWordListName(url.toLocalFile()))
                    paths.append(url.toLocalFile());
        if (paths.isEmpty() || blockedByBox() || choosing()) {
            event->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            importFiles(paths);
        return true;
    }
    return Form::eventFilter(watched, event);
}
