#include "ui/celltips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class WholeTextTips : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid() || !cuts(option, index, view))
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QString tip = index.data(Qt::DisplayRole).toString();
        if (const QString own = index.data(Qt::ToolTipRole).toString(); !own.isEmpty())
            tip += QLatin1Char('\n') + own;
        QToolTip::showText(event->globalPos(), tip, view->viewport(), view->visualRect(index));
        return true;
    }

private:
    // Whether the cell's text is wider than the room the style gives it.
    bool cuts(const QStyleOptionViewItem &option, const QModelIndex &index, const QWidget *widget) const
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        if (item.text.isEmpty())
            return false;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        // The margin the style keeps on either side of an item's text (as QCommonStyle draws it).
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        return item.fontMetrics.horizontalAdvance(item.text) > room.width() - 2 * margin;
    }
};

} // namespace

void showWholeTextWhereCut(QAbstractItemView *view)
{
    view->setItemDelegate(new WholeTextTips(view));
}
