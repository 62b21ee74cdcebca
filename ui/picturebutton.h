#pragma once
#include "ui/picture.h"

#include <QPushButton>

// A push button that shows a picture beside its caption: the first picture at rest, the second
// while the mouse is over it or it is held down.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString &caption, const Picture &rest, const Picture &active, QWidget *parent = nullptr);
    const Picture &shownPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Picture rest_;
    Picture active_;
    bool hovered_ = false;
};

PictureButton *makePictureButton(QWidget *parent, const QString &name, const QString &caption, const Picture &rest,
                                 const Picture &active, int left, int top, int width, int height);
