#pragma once
// The bookmark panel of the main window: the bookmark list with the notes of the selected one,
// opening, editing and deleting a bookmark, and the bookmark exchange files.
#include "resources/Strings.h"
#include "reading/Passage.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QToolButton;

namespace kivra {

// Notes are changed only in the bookmark editor: the box refuses every key, telling the user
// message (where to go instead), and takes no paste or drop.
void KeepNotesForShowing(QPlainTextEdit* box, Message message);

class BookmarkPanel : public QWidget {
    Q_OBJECT
public:
    explicit BookmarkPanel(QWidget* parent);

    // The list again from the database, the first entry selected.
    void reload();

signals:
    void openRequested(int bookmarkIndex);
    void bookmarkSaved();  // the editor saved a bookmark opened from the list
    void bookmarksImported();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSelectedNotes();
    // The selected bookmark entry; nullptr after telling the user (NoBookmarks, or the operation's message).
    QListWidgetItem* selectedBookmark(Message noSelectionMessage);
    void openSelected();
    void editSelected();
    void deleteSelected();
    void importFile();
    void exportSelected();
    void exportAll();

    QToolButton* m_open;
    QToolButton* m_edit;
    QToolButton* m_delete;
    QToolButton* m_import;
    QToolButton* m_export;
    QToolButton* m_exportAll;
    QLabel* m_listCaption;
    QListWidget* m_list;
    QLabel* m_notesCaption;
    QPlainTextEdit* m_notes;
};

} // namespace kivra
