#include "ui/tickbox.h"

#include "ui/accessible.h"
#include "ui/form.h"

#include <QApplication>
#include <QTimer>

namespace {

// Clicks the box as the mouse does, once the accessibility call has returned: a handler may open
// a modal box, and the screen reader that asked must not wait for it to be answered. Whether the
// click can happen is judged when it happens, so a box opened meanwhile stops it whole.
void clickSoon(QCheckBox *box)
{
    QTimer::singleShot(0, box, [box] {
        if (!box->isEnabled() || !box->isVisible() || blockedByModal(box))
            return;
        if (box->focusPolicy() & Qt::ClickFocus)
            box->setFocus(Qt::MouseFocusReason);
        box->click();
    });
}

class TickBoxAccessible : public QAccessibleWidget {
public:
    explicit TickBoxAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = box()->text().remove(QLatin1Char('&'));
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = box()->checkState() == Qt::Checked;
        s.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
        s.pressed = box()->isDown();
        return s;
    }

    // What Qt offers for a check box: toggle, and set focus when the box takes the focus.
    QStringList actionNames() const override
    {
        QStringList names;
        if (box()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        // Qt also answers press on a check box, though it does not offer it.
        if (action == toggleAction() || action == pressAction()) {
            if (box()->isEnabled())
                clickSoon(box());
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QCheckBox *box() const { return static_cast<QCheckBox *>(widget()); }
};

} // namespace

TickBox::TickBox(QWidget *parent) : QCheckBox(parent)
{
    installAccessible<TickBox, TickBoxAccessible>();
}
