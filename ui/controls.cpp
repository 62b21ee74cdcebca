#include "ui/controls.h"

#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont vbFont(const QString &family, qreal points, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                        int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twRect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                  int height, const QColor &background)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(twRect(left, top, width, height));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (background.isValid())
        setBackground(label, background);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                       Qt::Alignment alignment)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(twRect(left, top, width, height));
    box->setAlignment(alignment | Qt::AlignVCenter);
    return box;
}

QCheckBox *makeTickBox(QWidget *parent, const QString &name, int left, int top)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(twRect(left, top, 255, 255));
    box->setAutoFillBackground(true);
    return box;
}

void setTabChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QTimer *makeTimer(QObject *parent, const QString &name, int intervalMs)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}
