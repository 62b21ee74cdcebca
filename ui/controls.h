#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <initializer_list>

class QWidget;
class QPushButton;
class QLabel;
class QLineEdit;
class QCheckBox;
class QTimer;

// Factories for the controls of the laid-out windows. Positions and sizes are in twips; the
// object name of every control is its name in the layout ("Command1", "Check1(3)").
QString indexed(const char *name, int index);
QFont vbFont(const QString &family, qreal points, bool bold = false, bool italic = false);
// The colour moved in lightness away from a background until it reaches the contrast ratio
// asked for (as far as black or white allows); a colour that reaches it already stays.
QColor withContrast(const QColor &colour, const QColor &background, double ratio);
// Fixes one background role of a palette and, with it, the text role that goes on it: the given
// text colour, or else black or white, whichever reads better. Disabled text becomes a grey
// that still reaches 3:1, and a selection stays visible on the background.
void fixColours(QPalette &palette, QPalette::ColorRole ground, QPalette::ColorRole ink, const QColor &background,
                const QColor &text = QColor());
// Fixes a widget's background (window and text-box background) and the text on it, and lets the
// widget fill its background.
void setBackground(QWidget *widget, const QColor &colour, const QColor &text = QColor());
// Fixes a text box's background and text colour; the box paints its frame as ever.
void setBoxColours(QWidget *box, const QColor &background, const QColor &text);

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                        int width, int height);
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                  int height, const QColor &background = QColor());
QLineEdit *makeTextBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                       Qt::Alignment alignment = Qt::AlignLeft);
// A TickBox (ui/tickbox.h): a screen reader ticks it as a mouse click does.
QCheckBox *makeTickBox(QWidget *parent, const QString &name, int left, int top);
// Tab moves through the widgets in this order.
void setTabChain(std::initializer_list<QWidget *> widgets);
QTimer *makeTimer(QObject *parent, const QString &name, int intervalMs);
