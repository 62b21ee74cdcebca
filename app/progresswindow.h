#pragma once
#include "ui/form.h"

class DayChart;
class ProgressStore;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;

struct ProgressUi {
    QTableWidget *exercises;
    QTabWidget *dayTabs;
    DayChart *chart;
    QTableWidget *days;   // the chart's figures
    QTableWidget *words;  // words to practise
    QLabel *where;
    QPushButton *forget, *exportCsv, *close;
};

// The learner's record: each exercise's figures, the answers of the last 30 days, the items to
// practise, and the file it is all kept in. Opened from the Progress menu of every window.
class ProgressWindow : public FormWith<ProgressUi> {
    Q_OBJECT
public:
    // The record it shows.
    explicit ProgressWindow(ProgressStore &store);
    static QString caption();
    // How many days the chart covers and how many items the practice list shows.
    static constexpr int chartDays = 30;
    static constexpr int wordCount = 20;

    // Shows the window with its figures read afresh.
    void open();
    void refresh();
    void forgetProgress();
    void exportCsv();

protected:
    void build(ProgressUi &ui, QWidget *client) override;
    void Form_Load() override;

private:
    void fitExercisesTable();

    ProgressStore &store_;
};
