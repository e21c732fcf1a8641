#include "stories/StoryImportReport.h"

#include "resources/Interaction.h"

#include <QFileInfo>

namespace kivra {

void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent)
{
    if (!result.linkFound.isEmpty()) {
        ShowMessage(Message::LinkInPictureFolder, parent, {QFileInfo(result.linkFound).fileName()});
        return;
    }
    if (!result.ok) {
        ShowMessage(result.fileRejected ? Message::FileNotImportable : Message::ImportFailed, parent,
                    {path, result.error});
        return;
    }
    for (const StoryImport::PictureProblem& p : result.pictureProblems)
        ShowMessage(p.messageId, parent, {p.storyName, p.path, p.reason});
}

} // namespace kivra
