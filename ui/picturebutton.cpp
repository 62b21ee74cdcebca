#include "ui/picturebutton.h"

#include "ui/twips.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(const QString &caption, const Picture &rest, const Picture &active, QWidget *parent)
    : QPushButton(caption, parent), rest_(rest), active_(active)
{
    setAttribute(Qt::WA_Hover);
}

const Picture &PictureButton::shownPicture() const
{
    return (hovered_ || isDown()) ? active_ : rest_;
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    hovered_ = true;
    update();
    QPushButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    hovered_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    // Picture on the left, caption (with its access key underlined) on the right.
    const QRect inner = rect().adjusted(6, 4, -6, -4);
    const int side = qMin(inner.height(), 32);
    const int shift = isDown() ? 1 : 0;
    QRect pictureRect(inner.left() + shift, inner.center().y() - side / 2 + shift, side, side);
    painter.drawPixmap(pictureRect.topLeft(), renderPicture(shownPicture(), pictureRect.size(), devicePixelRatioF()));
    QRect textRect(pictureRect.right() + 4, inner.top() + shift, inner.right() - pictureRect.right() - 4,
                   inner.height());
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, 0, 2, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

PictureButton *makePictureButton(QWidget *parent, const QString &name, const QString &caption, const Picture &rest,
                                 const Picture &active, int left, int top, int width, int height)
{
    auto *button = new PictureButton(caption, rest, active, parent);
    button->setObjectName(name);
    button->setGeometry(twRect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}
