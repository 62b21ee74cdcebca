#include "ui/keyinput.h"

#include "core/hungariankey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class HungarianKeyFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || forwarding_)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text().size() != 1)
            return false;
        char16_t code = key->text().at(0).unicode();
        hungarianKey(code);
        if (code == key->text().at(0).unicode())
            return false;
        // The box receives the same key press carrying the Hungarian letter instead.
        QKeyEvent substituted(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(code)),
                              key->isAutoRepeat(), key->count());
        forwarding_ = true;
        QCoreApplication::sendEvent(watched, &substituted);
        forwarding_ = false;
        return true;
    }

private:
    bool forwarding_ = false;
};

} // namespace

void attachHungarianKeys(QLineEdit *box)
{
    box->installEventFilter(new HungarianKeyFilter(box));
}
