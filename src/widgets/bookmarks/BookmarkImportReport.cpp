#include "bookmarks/BookmarkImportReport.h"

#include "resources/Interaction.h"

namespace kivra {

void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent)
{
    if (!result.ok) {
        ShowMessage(result.fileRejected ? Message::FileNotImportable : Message::ImportFailed, parent,
                    {path, result.error});
        return;
    }
    QStringList outsideTheBible;
    for (const BookmarkImport::Refusal& refusal : result.refused) {
        if (!refusal.passageProblem.isEmpty())
            outsideTheBible << QStringLiteral("row %1 (bookmark %2): %3.")
                                   .arg(refusal.row)
                                   .arg(refusal.reference, refusal.passageProblem);
        else if (refusal.duplicate)
            ShowMessage(Message::BookmarkAlreadyExists, parent);
        else
            ShowMessage(Message::BookmarkReferenceNotNumber, parent, {refusal.reference});
    }
    if (!outsideTheBible.isEmpty())
        ShowMessage(Message::ImportRowsRefused, parent, {path, outsideTheBible.join(u'\n')});
}

} // namespace kivra
