#include "stories/StoryImportReport.h"

#include "resources/Interaction.h"


namespace kivra {

void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent)
{
    if (!result.ok) {
        ShowMessage(result.fileRejected ? Message::FileNotImportable : Message::ImportFailed, parent,
                    {path, result.error});
        return;
    }
    for (const StoryImport::PictureProblem& p : result.pictureProblems)
        ShowMessage(p.messageId, parent, {p.storyName, p.path, p.reason});
    QStringList refused;
    for (const StoryImport::RowRefusal& r : result.refusedRows)
        refused << QStringLiteral("row %1 (\"%2\"): %3.").arg(r.row).arg(r.storyName, r.reason);
    if (!refused.isEmpty())
        ShowMessage(Message::ImportRowsRefused, parent, {path, refused.join(u'\n')});
}

} // namespace kivra
