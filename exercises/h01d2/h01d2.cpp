#include "exercises/h01d2/h01d2.h"
#include "ui/controls.h"
#include <QPushButton>

H01d2::H01d2() : FormWith({QStringLiteral("h01d2"), QString(), 9195, 6135, QColor(224, 224, 224), vbFont(QStringLiteral("MS Sans Serif"), 8.25)}, 2) {}

void H01d2::build(H01d2Ui &ui, QWidget *c)
{
    ui.Command1 = makeButton(c, "Command1", QStringLiteral("&Start"), 0, 0, 1095, 375);
    bindFrame({}, {"mnuOptions", "mnuOntop", "&OnTop", "mnuHelp", "mnuHow", "mnuAbout"});
}
