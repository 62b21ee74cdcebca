#pragma once
#include <QString>
#include <QStringList>

// The interface language. Tarvo's texts are written in English; a translation is a .qm file
// built into the program (":/i18n/tarvo_<language>.qm"). Hungarian exercise content is never
// translated.
namespace Translations {

// Installs the translation for the first of the given languages (as QLocale::uiLanguages()
// lists them, most wanted first) that Tarvo has, together with Qt's own translation for it, so
// that standard buttons and dialogs speak the same language, and makes that language the
// default locale for dates and day names. English anywhere in the list before a translated
// language wins: it is the language the texts are written in. Without a translation the
// interface stays English and the default locale English (United States). Returns the language
// installed ("de"), or an empty string for English. Calling it again replaces what an earlier
// call installed.
QString install(const QStringList &uiLanguages);

// Installs a translation file as the only one (a test's pseudo-translation); false if it does
// not load.
bool installFile(const QString &qmPath);

// Removes whatever install or installFile installed: English again.
void uninstall();

} // namespace Translations
