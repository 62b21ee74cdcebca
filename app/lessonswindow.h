#pragma once
#include "core/lessonlibrary.h"
#include "core/wordlist.h"
#include "ui/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

struct LessonsUi {
    QStackedWidget *pages;
    // The list of lessons.
    QTableWidget *lessons;
    QLabel *problems; // files of the folder that do not load
    QLabel *where;
    QPushButton *import, *practise, *remove, *close;
    QSpinBox *newPerDay;
    // What Tarvo asks about a word list on its way in.
    QWidget *choices;
    QLabel *choicesTitle, *choicesText;
    QLabel *hungarianLabel, *promptLabel;
    QComboBox *hungarian, *prompt;
    QCheckBox *nouns;
    QLabel *preview;
    QPushButton *importNow, *cancel;
};

// The lessons: lesson 1, which the menu's exercises practise, and every word list the learner
// has imported, each with its words and how far the learner has come with it. Word lists come in
// by Import..., by a drop on the window, or from the command line; one that does not say which
// column is Hungarian, or which words are nouns, is asked about first. Opened from the Progress
// menu of every window and by `tarvo --lessons`.
class Program;

class LessonsWindow : public FormWith<LessonsUi> {
    Q_OBJECT
public:
    explicit LessonsWindow(Program &program);
    static QString caption();
    // The file dialog's filter: the word lists Tarvo reads.
    static QString fileFilter();
    // How many items a practice brings that the learner has not met yet, in each lesson each day:
    // 20 until the learner sets it here; kept in the settings.
    static int newPerDay();
    static void setNewPerDay(int items);
    static constexpr int defaultNewPerDay = 20, maxNewPerDay = 500;

    // Shows the window with its lessons read afresh.
    void open();
    void refresh();
    // Imports word lists one after the other; one that needs the learner's choices waits for
    // them. When the last is in, one box tells what came of each.
    void importFiles(const QStringList &paths);
    void chooseFiles();
    void practiseSelected();
    void removeSelected();
    void importChosen();
    void cancelChoices();

    // The lessons listed after lesson 1, in their rows' order; the id of the selected row's lesson.
    const QList<LibraryLesson> &listed() const { return lessons_; }
    QString selectedId();
    // Whether Tarvo is asking about a word list now.
    bool choosing();

protected:
    void build(LessonsUi &ui, QWidget *client) override;
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nextFile();
    void showList();
    void showChoices();
    void readAgain();
    void showPreview();
    void updateButtons();
    void report(const LessonLibrary::Imported &imported);
    void finishImports();

    Program &program_;
    QList<LibraryLesson> lessons_;
    QStringList queue_;       // files still to import
    QString pendingPath_;     // the file Tarvo is asking about
    WordList::Result pending_; // as read with the choices made so far
    QStringList reports_;     // what came of each file of this import
    bool failed_ = false;
    QString lastImported_;    // selected when the list is shown again
};
