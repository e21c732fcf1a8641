#include "stories/StoryImportReport.h"

#include "resources/Interaction.h"
#include "resources/Logging.h"

#include <QCoreApplication>

namespace kivra {
namespace {

constexpr int NamedStories = 5;  // a summary names this many stories and counts the rest

// "40 pictures cannot be read as pictures: "Ruth", "Esther", ..." for the problems of one kind.
QString problemLine(const QList<StoryImport::PictureProblem>& problems, Message kind)
{
    QStringList names;
    int count = 0;
    for (const StoryImport::PictureProblem& p : problems) {
        if (p.messageId != kind)
            continue;
        if (++count <= NamedStories)
            names << QStringLiteral("\"%1\"").arg(p.storyName);
    }
    if (count == 0)
        return {};
    QString list = names.join(QStringLiteral(", "));
    if (count > NamedStories)
        list += QCoreApplication::translate("StoryImportReport", " and %n more", nullptr, count - NamedStories);
    const bool one = count == 1;
    const char* text = kind == Message::StoryPictureTooLarge
                           ? (one ? QT_TRANSLATE_N_NOOP("StoryImportReport", "One picture is larger than 50 MB: %1.")
                                  : QT_TRANSLATE_N_NOOP("StoryImportReport", "%n pictures are larger than 50 MB: %1."))
                       : kind == Message::StoryPictureUnreadable
                           ? (one ? QT_TRANSLATE_N_NOOP("StoryImportReport", "One picture cannot be read as a picture: %1.")
                                  : QT_TRANSLATE_N_NOOP("StoryImportReport", "%n pictures cannot be read as pictures: %1."))
                           : (one ? QT_TRANSLATE_N_NOOP("StoryImportReport", "One picture could not be written to the picture folder: %1.")
                                  : QT_TRANSLATE_N_NOOP("StoryImportReport", "%n pictures could not be written to the picture folder: %1."));
    return QStringLiteral("\n\n") + QCoreApplication::translate("StoryImportReport", text, nullptr, count).arg(list);
}

} // namespace

void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent)
{
    if (!result.ok) {
        qCWarning(lcStories).noquote() << "Import of" << path << "failed:" << result.error;
        ShowMessage(result.fileRejected ? Message::FileNotImportable : Message::ImportFailed, parent, {path});
        return;
    }
    for (const StoryImport::PictureProblem& p : result.pictureProblems)
        if (!p.reason.isEmpty())
            qCWarning(lcStories).noquote() << "Picture" << p.path << "of" << p.storyName << "skipped:" << p.reason;
    // One picture keeps its own message; more are told in one summary rather than a box each.
    if (result.pictureProblems.size() == 1) {
        const StoryImport::PictureProblem& p = result.pictureProblems.constFirst();
        ShowMessage(p.messageId, parent, {p.storyName, p.path, p.reason});
    } else if (!result.pictureProblems.isEmpty()) {
        QString lines;
        for (Message kind : {Message::StoryPictureTooLarge, Message::StoryPictureUnreadable, Message::StoryPictureNotWritten})
            lines += problemLine(result.pictureProblems, kind);
        ShowMessage(Message::StoryPicturesNotImported, parent, {lines});
    }
    QStringList refused;
    int count = 0;
    for (const StoryImport::RowRefusal& r : result.refusedRows)
        if (++count <= NamedStories)
            refused << QCoreApplication::translate("StoryImportReport", "row %1 (\"%2\"): %3.")
                           .arg(r.row)
                           .arg(r.storyName, r.reason);
    if (count > NamedStories)
        refused << QCoreApplication::translate("StoryImportReport", "and %n more.", nullptr, count - NamedStories);
    if (!refused.isEmpty())
        ShowMessage(Message::ImportRowsRefused, parent, {path, refused.join(u'\n')});
}

} // namespace kivra
