#pragma once
#include <QFrame>

// A bevelled 3D panel with an optional caption in its own font, centred; it may hold other
// controls.
class Panel3D : public QFrame {
    Q_OBJECT
public:
    explicit Panel3D(const QString &caption = QString(), QWidget *parent = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
};

Panel3D *makePanel3D(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                     int height);
