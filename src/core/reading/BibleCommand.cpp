#include "reading/BibleCommand.h"

#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace kivra {

int RunBiblesCommand(QTextStream& out, QTextStream& err)
{
    for (const ModuleInfo& bible : Shelf::instance().modulesOf(ModuleKind::Bible, false)) {
        if (bible.usable())
            out << bible.name << '\t' << bible.description << '\t' << bible.language << '\n';
        else
            err << QCoreApplication::translate("BibleCommand", "%1 cannot be read: %2").arg(bible.name, bible.problem)
                << '\n';
    }
    return 0;
}

bool ChooseBibleForCommand(const QString& name, QTextStream& err)
{
    QString error;
    if (ChooseBible(name, &error))
        return true;
    QStringList installed;
    for (const ModuleInfo& bible : Shelf::instance().modulesOf(ModuleKind::Bible))
        installed << bible.name;
    if (Shelf::instance().module(name))
        err << QCoreApplication::translate("BibleCommand", "The Bible \"%1\" cannot be read: %2. ").arg(name, error);
    else
        err << QCoreApplication::translate("BibleCommand", "There is no Bible \"%1\". ").arg(name);
    if (installed.isEmpty())
        err << QCoreApplication::translate("BibleCommand", "No SWORD Bible is installed.") << '\n';
    else
        err << QCoreApplication::translate("BibleCommand", "Installed Bibles: %1.").arg(installed.join(QStringLiteral(", ")))
            << '\n';
    return false;
}

} // namespace kivra
