#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

// A compiled-in drawing and the way it is shown: in colour, as its ink alone (a black-and-white
// line drawing of the same picture) or turned to grey. Copying a Picture copies no pixels;
// pixels are rendered once per size and cached.
struct Picture {
    enum Tone { Colour, Ink, Grey };
    QString resource;
    Tone tone = Colour;

    bool isNull() const { return resource.isEmpty(); }
    bool operator==(const Picture &other) const = default;
};

// The picture rendered at a size in device-independent pixels for a device pixel ratio, in whole
// device pixels (rounded up); drawn at its top left corner, it maps pixel for pixel to the screen.
QPixmap renderPicture(const Picture &picture, QSize size, qreal devicePixelRatio);
// Number of renderings done so far (the cache's misses), for benchmarks and tests.
int pictureRenderCount();

// A picture control: shows its picture stretched to its size and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture picture_;
    bool pressed_ = false;
};

PictureBox *makePicture(QWidget *parent, const QString &name, int left, int top, int width, int height);
