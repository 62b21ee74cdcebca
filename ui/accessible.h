#pragma once
#include <QAccessible>
#include <QAccessibleWidget>

// Makes Qt give every widget of class W the accessible interface Interface (constructed from the
// widget). Call it in W's constructor: it installs the factory once, before the first such widget
// can be asked for its interface, since Qt keeps an interface once made.
template <class W, class Interface>
void installAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(W::staticMetaObject.className()) && object && object->isWidgetType())
                return new Interface(static_cast<QWidget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
