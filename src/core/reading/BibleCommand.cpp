#include "reading/BibleCommand.h"

#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"

#include <QStringList>
#include <QTextStream>

namespace kivra {

int RunBiblesCommand(QTextStream& out, QTextStream& err)
{
    for (const ModuleInfo& bible : Shelf::instance().modulesOf(ModuleKind::Bible, false)) {
        if (bible.usable())
            out << bible.name << '\t' << bible.description << '\t' << bible.language << '\n';
        else
            err << bible.name << " cannot be read: " << bible.problem << '\n';
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
        err << "The Bible \"" << name << "\" cannot be read: " << error << ". ";
    else
        err << "There is no Bible \"" << name << "\". ";
    if (installed.isEmpty())
        err << "No SWORD Bible is installed.\n";
    else
        err << "Installed Bibles: " << installed.join(QStringLiteral(", ")) << ".\n";
    return false;
}

} // namespace kivra
