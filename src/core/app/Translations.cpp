#include "app/Translations.h"

#include "resources/Logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kivra {
namespace {

// Loads one translation in place of the one slot held (owned by the application); false, and an
// empty slot, when there is none for the locale.
bool replaceTranslator(QPointer<QTranslator>& slot, const QLocale& locale, const QString& name,
                       const QString& folder)
{
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
    return true;
}

} // namespace

bool InstallTranslations(const QLocale& locale, const QString& folder)
{
    static QPointer<QTranslator> qtbase;
    static QPointer<QTranslator> program;
    replaceTranslator(qtbase, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool found = replaceTranslator(program, locale, QStringLiteral("kivra-bible"), folder);
    if (!found)
        qCDebug(lcApp) << "No translation for" << locale.uiLanguages() << "in" << folder;
    return found;
}

QString TranslationsFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/translations");
}

} // namespace kivra
