#include "bookmarks/BookmarkEditor.h"

#include "bookmarks/BookmarkReference.h"
#include "bookmarks/BookmarkStore.h"
#include "reading/LocalBookNames.h"
#include "resources/Accessibility.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QSet>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kivra {
BookmarkEditor::BookmarkEditor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBookmark"));
    setWindowTitle(tr("Bookmark"));
    setWindowIcon(applicationIcon());

    auto* strip = new TitleStrip(tr("Bookmark"), 0);
    imgTitleBar = strip;
    lblTopHeading = strip->heading();
    verseSelector = Named(new VerseRangeSelector, "verseSelector");
    verseSelector->setFixedSize(233, std::max(232, verseSelector->minimumSizeHint().height()));

    lblDetails = FixHeight(Named(new QLabel(tr("Details:")), "lblDetails"), 18);
    lblDetails->setFont(lblTopHeading->font());
    lblBookmarkNotes = FixHeight(Named(new QLabel(tr("Notes for this bookmark:")), "lblBookmarkNotes"), 16);
    txtBookmarkNotes = Named(new QPlainTextEdit, "txtBookmarkNotes");
    txtBookmarkNotes->setFixedHeight(112);
    lblRelatedBookmark = FixHeight(Named(new QLabel(tr("Related Bookmark:")), "lblRelatedBookmark"), 16);
    lstBookmark = Named(new QListWidget, "lstBookmark");
    lstBookmark->setFixedHeight(150);
    lstBookmark->setSelectionMode(QAbstractItemView::MultiSelection);
    lstBookmark->setUniformItemSizes(true);
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    lstBookmark->setFont(fixed);  // the entries line up their ranges with blanks
    lblBookmarkNotes->setBuddy(txtBookmarkNotes);
    lblRelatedBookmark->setBuddy(lstBookmark);
    imgSaveBookmark = MakeImageButton(this, QStringLiteral("imgSaveBookmark"), 32);
    imgCancelBookmark = MakeImageButton(this, QStringLiteral("imgCancelBookmark"), 32);

    // The selectors on the left, the details in a column of 336 (or what its captions need) on the
    // right, the two buttons in the bottom right corner; the window fits round them.
    auto* details = new QVBoxLayout;
    details->setSpacing(0);
    for (auto [gap, control] : {std::pair<int, QWidget*>{0, lblDetails}, {4, lblBookmarkNotes}, {2, txtBookmarkNotes},
                                {8, lblRelatedBookmark}, {2, lstBookmark}}) {
        details->addSpacing(gap);
        details->addWidget(control);
        control->setFixedWidth(std::max(336, control->sizeHint().width()));
    }
    auto* selector = new QVBoxLayout;
    selector->addSpacing(4);
    selector->addWidget(verseSelector);
    selector->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(16, 13, 16, 0);
    columns->setSpacing(19);
    columns->addLayout(selector);
    columns->addLayout(details);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 12, 16, 12);
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(imgSaveBookmark);
    buttons->addWidget(imgCancelBookmark);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(strip);
    layout->addLayout(columns);
    layout->addLayout(buttons);

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
    QStringList texts;
    texts.reserve(rows.size());
    for (const BookmarkListRow& row : rows)
        texts << row.text;
    lstBookmark->addItems(texts);  // one insertion for all of them
    for (int i = 0; i < rows.size(); ++i)
        lstBookmark->item(i)->setData(Qt::UserRole, rows[i].reference);
}

void BookmarkEditor::markRelatedBookmarks(const QString& reference)
{
    // A bookmark has a few links and the list may hold ten thousand entries: one pass over the
    // list looks each entry up among the links, as stored first, then without leading zeros for
    // links written by older versions that kept references as numbers.
    QSet<QString> wanted;
    for (const QString& hooked : RelatedReferences(OptionsConnection(), reference))
        wanted.insert(hooked);
    QSet<QString> unmatched = wanted;
    for (int i = 0; i < lstBookmark->count() && !unmatched.isEmpty(); ++i) {
        const QString r = lstBookmark->item(i)->data(Qt::UserRole).toString();
        if (!r.isEmpty() && unmatched.remove(r))
            lstBookmark->item(i)->setSelected(true);
    }
    QSet<QString> normalized;
    for (const QString& hooked : std::as_const(unmatched))
        if (!NormalizedReference(hooked).isEmpty())
            normalized.insert(NormalizedReference(hooked));
    for (int i = 0; i < lstBookmark->count() && !normalized.isEmpty(); ++i) {
        QListWidgetItem* item = lstBookmark->item(i);
        const QString r = item->data(Qt::UserRole).toString();
        if (!r.isEmpty() && normalized.remove(NormalizedReference(r)))
            item->setSelected(true);
    }
}

void BookmarkEditor::showRangeCaption()
{
    const Passage p = verseSelector->passage();
    setWindowTitle(QStringLiteral("%1 : %2 : %3:%4 - %5:%6")
                       .arg(verseSelector->testamentName(), ShownBookName(p.book), QString::number(p.fromChapter),
                            QString::number(p.fromVerse), QString::number(p.toChapter), QString::number(p.toVerse)));
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
