// The window's language: the program's own translation (built into the program) and Qt's own
// (file and print dialogs, the fields' context menus, from the system's Qt translations), for the
// first of the user's languages that the program speaks. English, the language the texts are
// written in, for any other.
#pragma once

#include <QString>
#include <QStringList>

namespace vexmoor::platform {

// The languages in the desktop's order of preference, as Qt reads them from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG; independent of the number format (LC_NUMERIC).
QStringList DesktopLanguages();

// Installs the translations for the first of `languages` ("de", "fr_FR", "de-DE", ...) that the
// program has, in place of those installed before, and returns its language ("de", "fr"), or
// "en" when it runs in English. Controls made afterwards speak it.
QString InstallTranslations(const QStringList& languages);

// Installs the desktop languages' translations, once; later calls keep what is installed.
QString InstallDesktopTranslations();

} // namespace vexmoor::platform
