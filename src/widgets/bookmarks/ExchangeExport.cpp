#include "bookmarks/ExchangeExport.h"

#include "bookmarks/BookmarkExchange.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"

#include <QFileInfo>

namespace kivra {

QString AskExportPath(QWidget* parent, const QString& title, const QString& initialName, const QString& filter)
{
    const QString path = interaction().saveFileName(parent, title, initialName, filter);
    if (path.isEmpty())
        return {};
    if (QFileInfo::exists(path) && !interaction().ask({}, LoadResString(Message::ReplaceExchangeFile).arg(path),
                                                      parent))
        return {};
    return path;
}

bool WriteExchangeFileOrTell(QWidget* parent, const std::optional<TableGram>& table, const QString& path,
                             const QString& error)
{
    QString why = error;
    ExportOutcome outcome = ExportOutcome::Failed;
    {
        WaitCursor wait;
        if (table)
            outcome = WriteExchangeTable(*table, path, &why);
    }
    if (outcome == ExportOutcome::Failed)
        ShowMessage(Message::ExchangeFileNotWritten, parent, {path, why});
    return outcome == ExportOutcome::Written;
}

} // namespace kivra
