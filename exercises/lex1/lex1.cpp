#include "exercises/lex1/lex1.h"
#include "ui/controls.h"
#include <QPushButton>

Lex1::Lex1() : FormWith({QStringLiteral("lex1"), QString(), 9195, 6135, QColor(224, 224, 224), vbFont(QStringLiteral("MS Sans Serif"), 8.25)}, 5) {}

void Lex1::build(Lex1Ui &ui, QWidget *c)
{
    ui.Command1 = makeButton(c, "Command1", QStringLiteral("&Start"), 0, 0, 1095, 375);
    bindFrame({}, {"mnuOptions", "mnuOntop", "&OnTop", "mnuHelp", "mnuHow", "mnuAbout"});
}
