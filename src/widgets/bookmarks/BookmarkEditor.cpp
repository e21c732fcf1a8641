#include "bookmarks/BookmarkEditor.h"

#include "bookmarks/BookmarkReference.h"
#include "bookmarks/BookmarkStore.h"
#include "resources/Accessibility.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace kivra {
namespace {

template <typename T> T* place(T* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

constexpr int WindowWidth = 620;
constexpr int WindowHeight = 420;

} // namespace

BookmarkEditor::BookmarkEditor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBookmark"));
    setWindowTitle(tr("Bookmark"));
    setWindowIcon(applicationIcon());
    setFixedSize(WindowWidth, WindowHeight);

    imgTitleBar = place(new QLabel(this), "imgTitleBar", QRect(0, 0, WindowWidth, 23));
    imgTitleBar->setPixmap(windowPicture(QStringLiteral("title-strip"), QSize(WindowWidth, 23)));
    lblTopHeading = place(new QLabel(tr("Bookmark"), this), "lblTopHeading", QRect(0, 2, 10, 19));
    QFont heading = lblTopHeading->font();
    heading.setBold(true);
    lblTopHeading->setFont(heading);
    lblTopHeading->adjustSize();

    verseSelector = place(new VerseRangeSelector(this), "verseSelector", QRect(16, 40, 233, 232));
    takeSelectors(*verseSelector);

    lblDetails = place(new QLabel(tr("Details:"), this), "lblDetails", QRect(268, 36, 336, 18));
    lblDetails->setFont(heading);
    lblBookmarkNotes = place(new QLabel(tr("Notes for this bookmark:"), this), "lblBookmarkNotes",
                             QRect(268, 58, 336, 16));
    txtBookmarkNotes = place(new QPlainTextEdit(this), "txtBookmarkNotes", QRect(268, 76, 336, 112));
    lblRelatedBookmark = place(new QLabel(tr("Related Bookmark:"), this), "lblRelatedBookmark",
                               QRect(268, 196, 336, 16));
    lstBookmark = place(new QListWidget(this), "lstBookmark", QRect(268, 214, 336, 150));
    lstBookmark->setSelectionMode(QAbstractItemView::MultiSelection);
    lstBookmark->setUniformItemSizes(true);
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    lstBookmark->setFont(fixed);  // the entries line up their ranges with blanks
    lblBookmarkNotes->setBuddy(txtBookmarkNotes);
    lblRelatedBookmark->setBuddy(lstBookmark);

    imgSaveBookmark = MakeImageButton(this, QStringLiteral("imgSaveBookmark"), 32);
    imgSaveBookmark->move(WindowWidth - 16 - 32 - 8 - 32, WindowHeight - 16 - 32 + 4);
    imgCancelBookmark = MakeImageButton(this, QStringLiteral("imgCancelBookmark"), 32);
    imgCancelBookmark->move(WindowWidth - 16 - 32, WindowHeight - 16 - 32 + 4);

    connect(verseSelector, &VerseRangeSelector::selectionChanged, this, &BookmarkEditor::showRangeCaption);
    connect(imgSaveBookmark, &QToolButton::clicked, this, [this] { save(); });
    connect(imgCancelBookmark, &QToolButton::clicked, this, &BookmarkEditor::reject);
}

void BookmarkEditor::load(const Passage& range)
{
    WaitCursor wait;
    m_openedRange = range;
    imgSaveBookmark->setToolTip(LoadResString(Caption::SaveBookmark));
    imgCancelBookmark->setToolTip(LoadResString(Caption::CancelBookmark));
    NameUnnamedControls(this);  // for screen readers, now that the pictures have their tooltips
    const QSqlDatabase db = OptionsConnection();
    auto existing = BookmarkRangeQuery(db, range);
    fillBookmarkList(db);
    if (existing && !existing->eof()) {
        EditNotes(txtBookmarkNotes, existing->text(QStringLiteral("BookMarkNotes")));
        markRelatedBookmarks(existing->text(QStringLiteral("BookmarkReference")));
    }
    verseSelector->fillTestaments();
    if (!verseSelector->choosePassage(range))
        qCWarning(lcBookmarks).noquote() << "The bookmarked range is not in the lists:" << PassageStatusText(range);
    showRangeCaption();
}

void BookmarkEditor::fillBookmarkList(const QSqlDatabase& db)
{
    const QList<BookmarkListRow> rows = ReadBookmarkList(db);
    lstBookmark->clear();
    for (const BookmarkListRow& row : rows) {
        auto* item = new QListWidgetItem(row.text);
        item->setData(Qt::UserRole, row.reference);
        lstBookmark->addItem(item);
    }
}

void BookmarkEditor::markRelatedBookmarks(const QString& reference)
{
    // Where each reference sits in the list: as stored, and without leading zeros for links
    // written by older versions that kept references as numbers.
    QHash<QString, int> exact, normalized;
    for (int i = lstBookmark->count() - 1; i >= 0; --i) {
        const QString r = lstBookmark->item(i)->data(Qt::UserRole).toString();
        if (r.isEmpty())
            continue;
        exact.insert(r, i);
        normalized.insert(NormalizedReference(r), i);
    }
    for (const QString& hooked : RelatedReferences(OptionsConnection(), reference)) {
        int row = exact.value(hooked, -1);
        if (row < 0 && !NormalizedReference(hooked).isEmpty())
            row = normalized.value(NormalizedReference(hooked), -1);
        if (row >= 0)
            lstBookmark->item(row)->setSelected(true);
    }
}

void BookmarkEditor::showRangeCaption()
{
    const Passage p = verseSelector->passage();
    setWindowTitle(QStringLiteral("%1 : %2 : %3:%4 - %5:%6")
                       .arg(cboTestament->currentText(), p.book, QString::number(p.fromChapter),
                            QString::number(p.fromVerse), QString::number(p.toChapter), QString::number(p.toVerse)));
    lblTopHeading->move((width() - lblTopHeading->width()) / 2, lblTopHeading->y());
}

QStringList BookmarkEditor::markedReferences() const
{
    QStringList marked;
    for (int i = 0; i < lstBookmark->count(); ++i) {
        const QListWidgetItem* item = lstBookmark->item(i);
        const QString reference = item->data(Qt::UserRole).toString();
        if (item->isSelected() && !reference.isEmpty())
            marked << reference;
    }
    return marked;
}

bool BookmarkEditor::save()
{
    const BookmarkEdit edit{verseSelector->passage(), NotesOf(txtBookmarkNotes), markedReferences()};
    std::optional<QString> reference;
    {
        WaitCursor wait;
        reference = SaveBookmarkRecord(OptionsConnection(), m_openedRange, edit);
    }
    if (!reference) {
        ShowMessage(Message::BookmarkNotSaved, this);
        return false;
    }
    accept();
    return true;
}

bool OpenBookmarkEditor(QWidget* parent, const Passage& range)
{
    BookmarkEditor editor(parent);
    editor.load(range);
    return editor.exec() == QDialog::Accepted;
}

} // namespace kivra
