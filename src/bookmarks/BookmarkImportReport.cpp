#include "bookmarks/BookmarkImportReport.h"

#include "resources/Interaction.h"

namespace kivra {

void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent)
{
    if (!result.ok) {
        ShowMessage(result.fileRejected ? 781 : 787, parent, {path, result.error});
        return;
    }
    for (const BookmarkImport::Refusal& refusal : result.refused) {
        if (refusal.duplicate)
            ShowMessage(140, parent);
        else
            ShowMessage(783, parent, {refusal.reference});
    }
}

} // namespace kivra
