#include "ui/picture.h"

#include "ui/accessible.h"
#include "ui/twips.h"

#include <QFile>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace {

int renders = 0;

QByteArray svgSource(const Picture &picture)
{
    QFile file(picture.resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    // The ink version is the same drawing with its colour group switched off.
    if (picture.tone == Picture::Ink)
        data.replace("id=\"colour\"", "id=\"colour\" display=\"none\"");
    return data;
}

} // namespace

QPixmap renderPicture(const Picture &picture, QSize size, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    if (picture.isNull() || size.isEmpty())
        return {};
    // Whole device pixels, rounded up, so that the picture covers its control at any scale.
    const QSizeF exact = QSizeF(size) * devicePixelRatio;
    const QSize pixels(int(std::ceil(exact.width() - 1e-6)), int(std::ceil(exact.height() - 1e-6)));
    const QString key = QStringLiteral("%1|%2|%3x%4")
                            .arg(picture.resource)
                            .arg(int(picture.tone))
                            .arg(pixels.width())
                            .arg(pixels.height());
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    ++renders;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QSvgRenderer renderer(svgSource(picture));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    if (picture.tone == Picture::Grey)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

int pictureRenderCount()
{
    return renders;
}

namespace {
// A picture is a graphic to a screen reader, which reads its name and description; as a plain
// widget it would be a filler, which screen readers pass over.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
};
} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    installAccessible<PictureBox, PictureAccessible>();
}

void PictureBox::setPicture(const Picture &picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // Pixel for pixel from the top left corner: at a fractional scale (97 x 73 at 1.5 is
    // 145.5 x 109.5 device pixels) a picture stretched to the control would be resampled and blur.
    painter.drawPixmap(QPoint(0, 0), renderPicture(picture_, size(), devicePixelRatioF()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

PictureBox *makePicture(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(name);
    box->setGeometry(twRect(left, top, width, height));
    return box;
}
