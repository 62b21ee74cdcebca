#include "app/hatter.h"

#include "core/module1.h"
#include "ui/controls.h"
#include "ui/windowservices.h"

Hatter::Hatter()
    : Form({QStringLiteral("hatter"), QStringLiteral("   T A R V O  !"), 7710, 5940, QColor(224, 224, 224),
            vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)})
{
}

void Hatter::Form_Load()
{
    // Placed in the middle of the screen, so that it stands behind the centred windows.
    centerForm(window());
}
