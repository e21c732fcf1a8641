#include "bookmarks/BookmarkPanel.h"

#include "bookmarks/BookmarkEditor.h"
#include "bookmarks/BookmarkExchange.h"
#include "bookmarks/BookmarkImportReport.h"
#include "bookmarks/BookmarkStore.h"
#include "bookmarks/ExchangeExport.h"
#include "resources/Accessibility.h"
#include "resources/Interaction.h"
#include "resources/Widgets.h"
#include "storage/Globals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kivra {
namespace {

// Typing or pasting into the notes is answered with where they are changed; the keys that move the focus,
// the caret or the view, Escape and the window's shortcuts go on as anywhere else.
class NotesKeyGuard : public QObject {
public:
    NotesKeyGuard(QPlainTextEdit* box, Message message) : QObject(box), m_message(message) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !isTyping(static_cast<QKeyEvent*>(event)))
            return false;
        ShowMessage(m_message, qobject_cast<QWidget*>(watched)->window());
        return true;
    }

private:
    static bool isTyping(const QKeyEvent* key)
    {
        for (QKeySequence::StandardKey change : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo,
                                                 QKeySequence::Redo})
            if (key->matches(change))
                return true;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return !key->text().isEmpty() && key->text().at(0).isPrint();
        }
    }

private:
    Message m_message;
};

} // namespace

void KeepNotesForShowing(QPlainTextEdit* box, Message message)
{
    box->setReadOnly(true);  // no paste or drop either
    // Read with the keyboard as well: a caret to move and select with, and Tab to leave.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->installEventFilter(new NotesKeyGuard(box, message));
}

BookmarkPanel::BookmarkPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picBookmark"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (auto [member, name] : {std::pair{&m_open, "imgOpenBookmark"}, {&m_edit, "imgEditBookmark"},
                                {&m_delete, "imgDeleteBookmark"}, {&m_import, "imgImportBookmark"},
                                {&m_export, "imgExportBookmark"}, {&m_exportAll, "imgExportAllBookmark"}}) {
        *member = MakeImageButton(this, QLatin1String(name), 28);
        buttons->addWidget(*member);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addSpacing(2);
    m_listCaption = FixHeight(Named(new QLabel(tr("Bookmark:")), "lblBookmark"), 16);
    layout->addWidget(m_listCaption);
    m_list = Named(new QListWidget, "lstBookmark");
    layout->addWidget(m_list, 1);
    // The notes keep to the bottom of the panel; the list takes what the panel's height leaves.
    layout->addSpacing(17);
    m_notesCaption = FixHeight(Named(new QLabel(tr("Bookmark Notes :")), "lblBookmarkNotes"), 16);
    layout->addWidget(m_notesCaption);
    m_notes = Named(new QPlainTextEdit, "txtBookmarkNotes");
    m_notes->setFixedHeight(80);
    layout->addWidget(m_notes);
    KeepNotesForShowing(m_notes, Message::EditBookmarkToChangeNotes);
    LabelFor(m_listCaption, m_list);
    LabelFor(m_notesCaption, m_notes);

    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    // A mouse press moves the current row before it selects the entry: the notes follow the selection.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &BookmarkPanel::showSelectedNotes);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &BookmarkPanel::openSelected);
    m_list->installEventFilter(this);  // Enter opens the bookmark, as a double click does
    connect(m_open, &QToolButton::clicked, this, &BookmarkPanel::openSelected);
    connect(m_edit, &QToolButton::clicked, this, &BookmarkPanel::editSelected);
    connect(m_delete, &QToolButton::clicked, this, &BookmarkPanel::deleteSelected);
    connect(m_import, &QToolButton::clicked, this, &BookmarkPanel::importFile);
    connect(m_export, &QToolButton::clicked, this, &BookmarkPanel::exportSelected);
    connect(m_exportAll, &QToolButton::clicked, this, &BookmarkPanel::exportAll);
}

void BookmarkPanel::reload()
{
    const QList<BookmarkListRow> rows = ReadBookmarkList(OptionsConnection());
    m_list->clear();
    QStringList texts;
    texts.reserve(rows.size());
    for (const BookmarkListRow& row : rows)
        texts << row.text;
    m_list->addItems(texts);  // one insertion for all of them
    for (int i = 0; i < rows.size(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setData(Qt::UserRole, rows[i].index);
        item->setToolTip(rows[i].text.simplified());  // a long book name with its range is cut in the narrow list
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

bool BookmarkPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    openSelected();
    return true;
}

void BookmarkPanel::showSelectedNotes()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    if (auto row = ReadBookmark(OptionsConnection(), selected.first()->data(Qt::UserRole).toLongLong()))
        ShowNotes(m_notes, row->text(QStringLiteral("BookMarkNotes")));
}

QListWidgetItem* BookmarkPanel::selectedBookmark(Message noSelectionMessage)
{
    if (m_list->count() == 0) {
        ShowMessage(Message::NoBookmarks, window());
        return nullptr;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(noSelectionMessage, window());
        return nullptr;
    }
    return selected.first();
}

void BookmarkPanel::openSelected()
{
    if (QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToOpen))
        emit openRequested(item->data(Qt::UserRole).toInt());
}

void BookmarkPanel::editSelected()
{
    QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToEdit);
    if (!item)
        return;
    RecordsetPtr row;
    {
        WaitCursor wait;
        row = ReadBookmark(OptionsConnection(), item->data(Qt::UserRole).toLongLong());
    }
    if (!row || !OpenBookmarkEditor(window(), BookmarkPassage(*row)))
        return;
    // The entry shows the range as saved, and stays the selected one.
    const QVariant index = item->data(Qt::UserRole);
    reload();
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole) == index)
            m_list->setCurrentRow(i);
    emit bookmarkSaved();
}

void BookmarkPanel::deleteSelected()
{
    QListWidgetItem* item = selectedBookmark(Message::SelectBookmarkToDelete);
    if (!item)
        return;
    WaitCursor wait;
    const int position = m_list->row(item);
    if (!DeleteBookmarkByIndex(OptionsConnection(), item->data(Qt::UserRole).toLongLong())) {
        ShowMessage(Message::BookmarkNotDeleted, window());
        return;
    }
    {
        // The list moves its current entry by itself when one is removed; choose the entry here.
        const QSignalBlocker quiet(m_list);
        delete m_list->takeItem(position);
        const int next = position > 0 ? position - 1 : 0;
        if (next < m_list->count())
            m_list->setCurrentRow(next);
    }
    if (m_list->count() > 0)
        showSelectedNotes();
    else
        m_notes->clear();  // the last bookmark's notes go with it
}

void BookmarkPanel::importFile()
{
    const QString path =
        interaction().openFileName(window(), tr("Import Bookmark"), {}, QCoreApplication::translate("Exchange", BookmarkFileFilter));
    if (path.isEmpty())
        return;
    BookmarkImport result;
    {
        WaitCursor wait;
        result = ImportBookmarkFile(OptionsConnection(), path);
    }
    ReportBookmarkImport(result, path, window());
    if (!result.ok)
        return;
    emit bookmarksImported();
    reload();
    if (m_list->count() > 0)
        m_list->setCurrentRow(m_list->count() - 1);
}

void BookmarkPanel::exportSelected()
{
    if (m_list->count() == 0) {
        ShowMessage(Message::NoBookmarks, window());
        return;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(Message::SelectBookmarkToExport, window());
        return;
    }
    const int index = selected.first()->data(Qt::UserRole).toInt();
    QString error;
    const std::optional<TableGram> table = LinkedBookmarksTable(OptionsConnection(), index, &error);
    // A bookmark that links to nothing gives no file: say so before asking for a name.
    if (table && table->rows.isEmpty()) {
        ShowMessage(Message::BookmarkHasNoLinks, window());
        return;
    }
    const QString path = AskExportPath(window(), tr("Export Bookmark"), {},
                                       QCoreApplication::translate("Exchange", BookmarkFileFilter),
                                       QStringLiteral("kbm"));
    if (path.isEmpty())
        return;
    WriteExchangeFileOrTell(window(), table, path, error);
}

void BookmarkPanel::exportAll()
{
    if (m_list->count() == 0 || m_list->selectedItems().isEmpty()) {
        ShowMessage(Message::NoBookmarks, window());
        return;
    }
    const QString path = AskExportPath(window(), tr("Export the Whole Bookmark List"), tr("All Bookmarks"),
                                       QCoreApplication::translate("Exchange", BookmarkFileFilter),
                                       QStringLiteral("kbm"));
    if (path.isEmpty())
        return;
    QString error;
    WriteExchangeFileOrTell(window(), AllBookmarksTable(OptionsConnection(), &error), path, error);
}

} // namespace kivra
