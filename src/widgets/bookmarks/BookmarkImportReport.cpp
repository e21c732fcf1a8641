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
    for (const BookmarkImport::Refusal& refusal : result.refused) {
        if (refusal.duplicate)
            ShowMessage(Message::BookmarkAlreadyExists, parent);
        else
            ShowMessage(Message::BookmarkReferenceNotNumber, parent, {refusal.reference});
    }
}

} // namespace kivra
