#pragma once

#include <QLocale>
#include <QString>

namespace kivra {

// Installs the program's translation for locale, kivra-bible_<language>.qm from folder, and Qt's own
// (qtbase_<language>.qm) when the system has it. A second call replaces the first; a locale with no
// translation leaves the English texts. True when the program's translation was found.
bool InstallTranslations(const QLocale& locale, const QString& folder);

// The translations folder of the program folder.
QString TranslationsFolder(const QString& programFolder);

} // namespace kivra
