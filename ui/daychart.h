#pragma once
#include "core/progressstore.h"

#include <QWidget>

// Right and wrong answers per day as stacked bars: right in green at the bottom, wrong in red on
// top, one bar a day, the oldest on the left. Its figures are in its accessible description and,
// for reading one by one, in the table that goes with it.
class DayChart : public QWidget {
    Q_OBJECT
public:
    explicit DayChart(QWidget *parent = nullptr);
    void setDays(const QList<DayCount> &days);
    const QList<DayCount> &days() const { return days_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<DayCount> days_;
};
