#include "bookmarks/ExchangeExport.h"

#include "bookmarks/BookmarkExchange.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"

#include <QFileInfo>

namespace kivra {

QString AskExportPath(QWidget* parent, const QString& title, const QString& initialName, const QString& filter,
                      const QString& extension)
{
    QString offered = initialName.isEmpty() ? QString() : WithExtension(OfferedFileName(initialName), extension);
    for (;;) {
        const QString chosen = interaction().saveFileName(parent, title, offered, filter);
        if (chosen.isEmpty())
            return {};
        // Without its extension the file would not be listed by the import's own filter.
        const QString path = WithExtension(chosen, extension);
        if (!QFileInfo::exists(path)
            || interaction().ask({}, LoadResString(Message::ReplaceExchangeFile).arg(path), parent))
            return path;
        offered = path;  // "No": choose another name
    }
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
