#include "exercises/h01d3/h01d3.h"
#include "ui/controls.h"
#include <QPushButton>

H01d3::H01d3() : FormWith({QStringLiteral("h01d3"), QString(), 9210, 5880, QColor(255, 255, 224), vbFont(QStringLiteral("MS Sans Serif"), 8.25, true)}, 3) {}

void H01d3::build(H01d3Ui &ui, QWidget *c)
{
    ui.Command6 = makeButton(c, "Command6", QStringLiteral("&3"), 7800, 0, 495, 495);
    ui.Command7 = makeButton(c, "Command7", QStringLiteral("&4"), 8280, 0, 495, 495);
    bindFrame({}, {"mnuOptions", "mnuOntop", "On&Top", "mnuHelp", "menuHow", "mnuAbout"});
}
