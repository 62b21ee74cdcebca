#include "core/services.h"

#include "core/desktop.h"
#include "core/module1.h"

#include <QSettings>
#include <QtGlobal>

namespace {
Module1 *currentShared = nullptr;
Desktop *currentDesktop = nullptr;
} // namespace

void installServices(Module1 *shared, Desktop *desktop)
{
    currentShared = shared;
    currentDesktop = desktop;
}

QSettings learnerSettings()
{
    return QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"));
}

Module1 &module1()
{
    Q_ASSERT(currentShared);
    return *currentShared;
}

Desktop &desktop()
{
    Q_ASSERT(currentDesktop);
    return *currentDesktop;
}
