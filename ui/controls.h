#pragma once
#include <QColor>
#include <QFont>
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
void setBackground(QWidget *widget, const QColor &colour);

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                        int width, int height);
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                  int height, const QColor &background = QColor());
QLineEdit *makeTextBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                       Qt::Alignment alignment = Qt::AlignLeft);
QCheckBox *makeTickBox(QWidget *parent, const QString &name, int left, int top);
// Tab moves through the widgets in this order.
void setTabChain(std::initializer_list<QWidget *> widgets);
QTimer *makeTimer(QObject *parent, const QString &name, int intervalMs);
