#include "ui/panel3d.h"

#include "ui/twips.h"

#include <QPainter>

Panel3D::Panel3D(const QString &caption, QWidget *parent) : QFrame(parent), caption_(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAccessibleName(caption);
}

void Panel3D::setCaption(const QString &caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

QSize Panel3D::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, caption_) + QSize(16, 12);
}

void Panel3D::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

Panel3D *makePanel3D(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                     int height)
{
    auto *panel = new Panel3D(caption, parent);
    panel->setObjectName(name);
    panel->setGeometry(twRect(left, top, width, height));
    return panel;
}
