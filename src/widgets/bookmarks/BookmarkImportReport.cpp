#include "bookmarks/BookmarkImportReport.h"

#include "bookmarks/BookmarkStore.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "storage/Globals.h"

#include <QCoreApplication>

namespace kivra {
namespace {

constexpr int NamedRefusals = 5;  // a summary names this many and counts the rest

// The passage of the bookmark already holding the reference, as the list shows it, or the
// reference itself when the store cannot tell.
QString refusedName(const BookmarkImport::Refusal& refusal)
{
    if (refusal.duplicate) {
        if (const RecordsetPtr row = FindBookmarkByReference(OptionsConnection(), refusal.reference)) {
            const Passage p = BookmarkPassage(*row);
            return QStringLiteral("%1 %2:%3-%4:%5")
                .arg(p.book)
                .arg(p.fromChapter)
                .arg(p.fromVerse)
                .arg(p.toChapter)
                .arg(p.toVerse);
        }
    }
    return QStringLiteral("\"%1\"").arg(refusal.reference);
}

// "3 bookmarks are already in your bookmark list: Genesis 1:1-1:3, ..." for the refusals of one kind.
QString refusalLine(const QList<BookmarkImport::Refusal>& refusals, bool duplicates)
{
    QStringList names;
    int count = 0;
    for (const BookmarkImport::Refusal& refusal : refusals) {
        if (refusal.duplicate != duplicates)
            continue;
        if (++count <= NamedRefusals)
            names << refusedName(refusal);
    }
    if (count == 0)
        return {};
    QString list = names.join(QStringLiteral(", "));
    if (count > NamedRefusals)
        list += QCoreApplication::translate("BookmarkImportReport", " and %n more", nullptr, count - NamedRefusals);
    const bool one = count == 1;
    const char* text =
        duplicates
            ? (one ? QT_TRANSLATE_N_NOOP("BookmarkImportReport", "One bookmark is already in your bookmark list: %1.")
                   : QT_TRANSLATE_N_NOOP("BookmarkImportReport", "%n bookmarks are already in your bookmark list: %1."))
            : (one ? QT_TRANSLATE_N_NOOP("BookmarkImportReport",
                                         "One bookmark has a reference that is not a bookmark number: %1.")
                   : QT_TRANSLATE_N_NOOP("BookmarkImportReport",
                                         "%n bookmarks have a reference that is not a bookmark number: %1."));
    return QStringLiteral("\n\n") + QCoreApplication::translate("BookmarkImportReport", text, nullptr, count).arg(list);
}

} // namespace

void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent)
{
    if (!result.ok) {
        qCWarning(lcBookmarks).noquote() << "Import of" << path << "failed:" << result.error;
        ShowMessage(result.fileRejected ? Message::FileNotImportable : Message::ImportFailed, parent, {path});
        return;
    }
    QList<BookmarkImport::Refusal> refused;  // already present, or not a bookmark number
    QStringList outsideTheBible;
    int outside = 0;
    for (const BookmarkImport::Refusal& refusal : result.refused) {
        if (refusal.passageProblem.isEmpty())
            refused << refusal;
        else if (++outside <= NamedRefusals)
            outsideTheBible << QCoreApplication::translate("BookmarkImportReport", "row %1 (bookmark %2): %3.")
                                   .arg(refusal.row)
                                   .arg(refusal.reference, refusal.passageProblem);
    }
    if (outside > NamedRefusals)
        outsideTheBible << QCoreApplication::translate("BookmarkImportReport", "and %n more.", nullptr,
                                                      outside - NamedRefusals);
    // One refusal keeps its own message; more are told in one summary, so a file imported twice
    // does not raise a box per bookmark.
    if (refused.size() == 1) {
        if (refused.constFirst().duplicate)
            ShowMessage(Message::BookmarkAlreadyExists, parent);
        else
            ShowMessage(Message::BookmarkReferenceNotNumber, parent, {refused.constFirst().reference});
    } else if (!refused.isEmpty()) {
        ShowMessage(Message::BookmarksNotImported, parent, {refusalLine(refused, true) + refusalLine(refused, false)});
    }
    if (!outsideTheBible.isEmpty())
        ShowMessage(Message::ImportRowsRefused, parent, {path, outsideTheBible.join(u'\n')});
}

} // namespace kivra
