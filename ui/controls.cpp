#include "ui/controls.h"

#include "ui/tickbox.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

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

namespace {
double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The contrast ratio of two colours (WCAG 2.1): from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Black or white, whichever reads better on a background.
QColor readableOn(const QColor &background)
{
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                         : QColor(Qt::white);
}
} // namespace

QColor withContrast(const QColor &colour, const QColor &background, double ratio)
{
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    // Towards black or white, whichever lies farther from the background, in small steps.
    const QColor end = readableOn(background);
    for (int step = 1; step <= 20; ++step) {
        const QColor c = mix(colour, end, step / 20.0);
        if (contrastRatio(c, background) >= ratio)
            return c;
    }
    return end;
}

void fixColours(QPalette &palette, QPalette::ColorRole ground, QPalette::ColorRole ink, const QColor &background,
                const QColor &text)
{
    const QColor fore = text.isValid() ? text : readableOn(background);
    palette.setColor(ground, background);
    palette.setColor(ink, fore);
    // Disabled text: the desktop's own disabled colour where it still reads on this background
    // and looks lighter than the text, else the text faded halfway towards the background and
    // kept at 3:1.
    const QColor themeDisabled = palette.color(QPalette::Disabled, ink);
    const bool fades = std::abs(luminance(themeDisabled) - luminance(background)) <
                       std::abs(luminance(fore) - luminance(background));
    palette.setColor(QPalette::Disabled, ink,
                     fades && contrastRatio(themeDisabled, background) >= 3.0
                         ? themeDisabled
                         : withContrast(mix(fore, background, 0.5), background, 3.0));
    // A selection in a text box stands out from the box's background, its text from the
    // selection. (Only there: a window's selection colour would reach the desktop-coloured boxes
    // on it.)
    if (ground != QPalette::Base)
        return;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = withContrast(palette.color(group, QPalette::Highlight), background, 3.0);
        if (highlight != palette.color(group, QPalette::Highlight)) {
            palette.setColor(group, QPalette::Highlight, highlight);
            palette.setColor(group, QPalette::HighlightedText, readableOn(highlight));
        }
    }
}

void setBackground(QWidget *widget, const QColor &colour, const QColor &text)
{
    QPalette pal = widget->palette();
    fixColours(pal, QPalette::Window, QPalette::WindowText, colour, text);
    fixColours(pal, QPalette::Base, QPalette::Text, colour, text);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setBoxColours(QWidget *box, const QColor &background, const QColor &text)
{
    QPalette pal = box->palette();
    fixColours(pal, QPalette::Base, QPalette::Text, background, text);
    box->setPalette(pal);
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
    auto *box = new TickBox(parent);
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
