// Bookmark panel, related bookmarks and the notes of the shown passage.
#include "app/MainWindow.h"

#include "bookmarks/BookmarkStore.h"
#include "bookmarks/BookmarkEditor.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>

namespace kivra {
namespace {

// The notes boxes show notes; they are changed only in the bookmark editor. Every key pressed in
// one tells the user where to go instead (and is not taken).
class NotesKeyGuard : public QObject {
public:
    NotesKeyGuard(QObject* parent, QWidget* panelNotes) : QObject(parent), m_panelNotes(panelNotes) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        ShowMessage(watched == m_panelNotes ? Message::EditBookmarkToChangeNotes : Message::BookmarkVerseBeforeNotes,
                    qobject_cast<QWidget*>(watched)->window());
        return true;
    }

private:
    QWidget* m_panelNotes;
};

PassageChoice rangeOf(const Recordset& row)
{
    return {row.text(QStringLiteral("BookMarkTestament")), row.text(QStringLiteral("BookMarkBook")),
            row.text(QStringLiteral("BookMarkChapter")),   row.text(QStringLiteral("BookMarkSection")),
            row.text(QStringLiteral("BookMarkToChapter")), row.text(QStringLiteral("BookMarkToSection"))};
}

RecordsetPtr bookmarkByIndex(qint64 index)
{
    auto rs = GetADONumericRecordSet(OptionsConnection(), BookmarkTable, QStringLiteral("Index"),
                                     QString::number(index));
    return rs && !rs->eof() ? std::move(rs) : nullptr;
}

// A passage in the selectors' form with every number as the decimal text of its value.
PassageChoice withPlainNumbers(const PassageChoice& p)
{
    return BookmarkRange::fromChoice(p).toChoice();
}

} // namespace

void MainWindow::connectBookmarks()
{
    connect(imgBookmark, &QToolButton::clicked, this, &MainWindow::imgBookmark_Click);
    connect(imgAddFavourite, &QToolButton::clicked, this, &MainWindow::BookmarkCurrentVerse);
    connect(imgOpenBookmark, &QToolButton::clicked, this, &MainWindow::OpenBookmark);
    connect(imgEditBookmark, &QToolButton::clicked, this, &MainWindow::EditBookmark);
    connect(imgDeleteBookmark, &QToolButton::clicked, this, &MainWindow::DeleteBookmark);
    lstBookmark->setSelectionMode(QAbstractItemView::SingleSelection);
    lstBookmark->setUniformItemSizes(true);
    // A mouse press moves the current row before it selects the entry: the notes follow the selection.
    connect(lstBookmark, &QListWidget::itemSelectionChanged, this, &MainWindow::ShowBookmarkNotes);
    connect(lstBookmark, &QListWidget::itemDoubleClicked, this, &MainWindow::OpenBookmark);
    connect(cboRelatedVerse, &QComboBox::activated, this,
            [this](int entry) { GoToBookmarkReference(cboRelatedVerse->itemData(entry).toString()); });
    // txtNotes follows the current row of adoBookmark, as a bound text box does.
    connect(adoBookmark, &DataControl::currentRowChanged, this,
            [this] { ShowNotes(txtNotes, adoBookmark->currentText(QStringLiteral("BookMarkNotes"))); });
    bookmarkNotesGuard = new NotesKeyGuard(this, txtBookmarkNotes);
    for (QPlainTextEdit* box : {txtNotes, txtBookmarkNotes}) {
        box->setReadOnly(true);  // no paste or drop either
        box->installEventFilter(bookmarkNotesGuard);
    }
}

void MainWindow::imgBookmark_Click()
{
    showOnlyPanel(picBookmark);
    LoadBookmarkList();
}

// The one-verse range of the selected search result; false (after telling the user, or quietly
// when the row cannot be read) when there is none.
bool MainWindow::bookmarkRangeFromResult(PassageChoice* range)
{
    if (adoBible->recordCount() == 0) {
        ShowMessage(Message::NoBibleTextToBookmark, this);
        return false;
    }
    const QItemSelectionModel* selection = dgdSearchResults->selectionModel();
    if (!selection || !selection->hasSelection() || adoBible->currentRow() < 0) {
        ShowMessage(Message::SelectEntryToBookmark, this);
        return false;
    }
    const QString book = bookNameOf(adoBible->currentText(QStringLiteral("BookAbbreviation")));
    if (book.isEmpty())
        return false;
    const QString chapter = QString::number(adoBible->currentValue(QStringLiteral("Chapter")).toInt());
    const QString verse = QString::number(adoBible->currentValue(QStringLiteral("Sections")).toInt());
    *range = {adoBible->currentText(QStringLiteral("Testament")) + QStringLiteral(" Testament"),
              book, chapter, verse, chapter, verse};
    return true;
}

void MainWindow::BookmarkCurrentVerse()
{
    PassageChoice range;
    {
        WaitCursor wait;
        if (ViewMode.toLower() == QLatin1String("searcher")) {
            if (!bookmarkRangeFromResult(&range))
                return;
        } else {
            range = withPlainNumbers(verseSelector->passage());
        }
    }
    if (OpenBookmarkEditor(this, range))
        showSavedBookmarkNotes();
}

void MainWindow::showSavedBookmarkNotes()
{
    if (ViewMode.toLower() == QLatin1String("searcher"))
        ShowResultBookmark();
    else
        ShowPassageBookmark();
}

void MainWindow::ShowPassageBookmark()
{
    WaitCursor wait;
    const BookmarkRange range = BookmarkRange::fromChoice(verseSelector->passage());
    adoBookmark->bind(OptionsConnection(), BookmarkRangeSql(), BookmarkRangeParams(range));
}

void MainWindow::LoadBookmarkList()
{
    const QList<BookmarkListRow> rows = ReadBookmarkList(OptionsConnection());
    lstBookmark->clear();
    for (const BookmarkListRow& row : rows) {
        auto* item = new QListWidgetItem(row.text);
        item->setData(Qt::UserRole, row.index);
        lstBookmark->addItem(item);
    }
    if (lstBookmark->count() > 0)
        lstBookmark->setCurrentRow(0);
}

void MainWindow::ShowBookmarkNotes()
{
    const QList<QListWidgetItem*> selected = lstBookmark->selectedItems();
    if (selected.isEmpty())
        return;
    auto row = bookmarkByIndex(selected.first()->data(Qt::UserRole).toLongLong());
    if (row)
        ShowNotes(txtBookmarkNotes, row->text(QStringLiteral("BookMarkNotes")));
}

QListWidgetItem* MainWindow::selectedBookmark(Message noSelectionMessage)
{
    if (lstBookmark->count() == 0) {
        ShowMessage(Message::NoBookmarks, this);
        return nullptr;
    }
    const QList<QListWidgetItem*> selected = lstBookmark->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(noSelectionMessage, this);
        return nullptr;
    }
    return selected.first();
}

void MainWindow::OpenBookmark()
{
    QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToOpen);
    if (!item)
        return;
    WaitCursor wait;
    const int index = item->data(Qt::UserRole).toInt();
    LoadBibleTextByIndex(index);
    FillRelatedBookmarks(index);
}

void MainWindow::LoadBibleTextByIndex(int bookmarkIndex)
{
    WaitCursor wait;
    if (auto row = bookmarkByIndex(bookmarkIndex))
        chooseStoredPassage(rangeOf(*row));
    imgRetrieveBible_Click();
}

void MainWindow::FillRelatedBookmarks(int bookmarkIndex)
{
    const QSqlDatabase db = OptionsConnection();
    const QString reference = GetBookmarkReference(db, bookmarkIndex);
    if (reference.isEmpty())
        return;
    const QStringList related = RelatedReferences(db, reference);
    {
        const QSignalBlocker quiet(cboRelatedVerse);
        cboRelatedVerse->clear();
        if (related.isEmpty()) {
            cboRelatedVerse->addItem(LoadResString(Caption::NoRelatedBookmark), QString());
        } else {
            cboRelatedVerse->addItem(LoadResString(Caption::SelectRelatedBookmark), QString());
            cboRelatedVerse->addItem(QString(50, QLatin1Char('-')), QString());
            cboRelatedVerse->addItem(LoadResString(Caption::BackToOriginalBookmark), reference);
            for (const QString& hooked : related) {
                auto row = FindBookmarkByReference(db, hooked);
                if (!row)
                    continue;  // a link to a bookmark that is gone
                cboRelatedVerse->addItem(
                    RelatedBookmarkText(row->text(QStringLiteral("BookMarkBook")),
                                        row->integer(QStringLiteral("BookMarkChapter")),
                                        row->integer(QStringLiteral("BookMarkSection")),
                                        row->integer(QStringLiteral("BookMarkToChapter")),
                                        row->integer(QStringLiteral("BookMarkToSection"))),
                    row->text(QStringLiteral("BookmarkReference")));
            }
        }
        cboRelatedVerse->setCurrentIndex(0);
    }
    lblRelatedVerse->show();
    cboRelatedVerse->show();
    GoToBookmarkReference(cboRelatedVerse->itemData(0).toString());
}

void MainWindow::GoToBookmarkReference(const QString& reference)
{
    WaitCursor wait;
    // The empty reference (the heading entries) names no bookmark: the passage is shown again.
    if (auto row = FindBookmarkByReference(OptionsConnection(), reference))
        chooseStoredPassage(rangeOf(*row));
    imgRetrieveBible_Click();
}

void MainWindow::EditBookmark()
{
    QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToEdit);
    if (!item)
        return;
    RecordsetPtr row;
    {
        WaitCursor wait;
        row = bookmarkByIndex(item->data(Qt::UserRole).toLongLong());
    }
    if (row && OpenBookmarkEditor(this, rangeOf(*row)))
        showSavedBookmarkNotes();
}

void MainWindow::DeleteBookmark()
{
    QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToDelete);
    if (!item)
        return;
    WaitCursor wait;
    const int position = lstBookmark->row(item);
    if (!DeleteBookmarkByIndex(OptionsConnection(), item->data(Qt::UserRole).toLongLong())) {
        ShowMessage(Message::BookmarkNotDeleted, this);
        return;
    }
    {
        // The list moves its current entry by itself when one is removed; choose the entry here.
        const QSignalBlocker quiet(lstBookmark);
        delete lstBookmark->takeItem(position);
        const int next = position > 0 ? position - 1 : 0;
        if (next < lstBookmark->count())
            lstBookmark->setCurrentRow(next);
    }
    if (lstBookmark->count() > 0)
        ShowBookmarkNotes();
}

} // namespace kivra
