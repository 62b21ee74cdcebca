#include "ui/daychart.h"

#include "ui/controls.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace {
const QColor rightColour(46, 139, 87);
const QColor wrongColour(205, 55, 45);

// A round step for the value axis that gives at most four lines.
int axisStep(int top)
{
    for (int magnitude = 1;; magnitude *= 10)
        for (int m : {1, 2, 5})
            if (top / (m * magnitude) <= 4)
                return m * magnitude;
}
} // namespace

DayChart::DayChart(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Answers of the last 30 days, right and wrong per day"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayChart::setDays(const QList<DayCount> &days)
{
    days_ = days;
    int right = 0, wrong = 0, active = 0;
    for (const DayCount &d : days) {
        right += d.right;
        wrong += d.wrong;
        active += d.right + d.wrong > 0;
    }
    //: %n: answers right, %1: answers wrong, %2: days with answers, %3: days the chart shows
    setAccessibleDescription(tr("%n answers right and %1 wrong on %2 of the last %3 days. The table of "
                                "figures lists them day by day.",
                                nullptr, right)
                                 .arg(wrong)
                                 .arg(active)
                                 .arg(days.size()));
    update();
}

QSize DayChart::sizeHint() const
{
    return {420, 170};
}

QSize DayChart::minimumSizeHint() const
{
    return {240, 120};
}

void DayChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    // The chart stands on the desktop's text-box colours; its bars keep their green and red where
    // these stand out from that background and turn lighter or darker where not (a dark theme).
    const QColor right = withContrast(rightColour, palette().color(QPalette::Base), 3.0);
    const QColor wrong = withContrast(wrongColour, palette().color(QPalette::Base), 3.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics fm = fontMetrics();
    int top = 1;
    for (const DayCount &d : std::as_const(days_))
        top = std::max(top, d.right + d.wrong);
    const int step = axisStep(top);
    top = (top + step - 1) / step * step;

    const int legend = fm.height() + 6;
    const QRect plot = rect().adjusted(fm.horizontalAdvance(QString::number(top)) + 10, legend + 4, -8,
                                       -(fm.height() + 8));
    if (plot.width() <= 0 || plot.height() <= 0 || days_.isEmpty())
        return;

    // Value lines and their figures.
    p.setPen(palette().color(QPalette::Mid));
    for (int v = 0; v <= top; v += step) {
        const int y = plot.bottom() - int(qint64(plot.height()) * v / top);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(0, y - fm.height() / 2, plot.left() - 5, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v));
        p.setPen(palette().color(QPalette::Mid));
    }

    // The bars.
    const double slot = double(plot.width()) / days_.size();
    const int barWidth = std::max(2, int(slot * 0.7));
    for (int i = 0; i < days_.size(); ++i) {
        const DayCount &d = days_[i];
        const int x = plot.left() + int(slot * i + (slot - barWidth) / 2);
        const int rightHeight = int(qint64(plot.height()) * d.right / top);
        const int wrongHeight = int(qint64(plot.height()) * (d.right + d.wrong) / top) - rightHeight;
        p.fillRect(x, plot.bottom() - rightHeight + 1, barWidth, rightHeight, right);
        p.fillRect(x, plot.bottom() - rightHeight - wrongHeight + 1, barWidth, wrongHeight, wrong);
    }

    // Dates under the first bar, every seventh day and the last.
    p.setPen(palette().color(QPalette::Text));
    for (int i = 0; i < days_.size(); ++i) {
        if (i % 7 != days_.size() % 7 - 1 && i != days_.size() - 1)
            continue;
        QString label;
        if (i == days_.size() - 1)
            //: under the chart's last bar
            label = tr("today");
        else
            //: the date format under the chart's bars
            label = QLocale().toString(days_[i].day, tr("d MMM"));
        const int centre = plot.left() + int(slot * (i + 0.5));
        const int w = fm.horizontalAdvance(label);
        const int x = std::clamp(centre - w / 2, plot.left(), width() - w - 2);
        p.drawText(x, plot.bottom() + 4 + fm.ascent(), label);
    }

    // The legend.
    int x = plot.left();
    //: the chart's legend: the colour of the answers right
    const QString rightText = tr("right");
    //: the chart's legend: the colour of the answers wrong
    const QString wrongText = tr("wrong");
    for (const auto &[colour, text] : {std::pair{right, rightText}, std::pair{wrong, wrongText}}) {
        p.fillRect(x, 4 + (fm.height() - 10) / 2, 10, 10, colour);
        p.drawText(x + 14, 4 + fm.ascent(), text);
        x += 14 + fm.horizontalAdvance(text) + 16;
    }
}
