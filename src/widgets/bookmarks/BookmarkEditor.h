#pragma once
// The bookmark editor: adjusts the range with the six selectors, takes the notes and marks the
// related bookmarks; saving changes the bookmark on the range it was opened with, or adds one.
#include "reading/VerseRangeSelector.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

namespace kivra {

class BookmarkEditor : public QDialog {
    Q_OBJECT
public:
    explicit BookmarkEditor(QWidget* parent = nullptr);

    // Opens the editor on a range: the bookmark on it (if any) gives the notes and the marked related
    // bookmarks. Saving changes that bookmark even when the range was moved.
    void load(const Passage& range);
    const Passage& openedRange() const { return m_openedRange; }
    // Saves and closes the window; false (the window stays, the user is told) when nothing could be saved.
    bool save();

    QStringList markedReferences() const;  // the marked entries of lstBookmark, in list order

    QLabel* imgTitleBar;
    QLabel* lblTopHeading;
    VerseRangeSelector* verseSelector;
    QLabel* lblDetails;
    QLabel* lblBookmarkNotes;
    QPlainTextEdit* txtBookmarkNotes;
    QLabel* lblRelatedBookmark;
    QListWidget* lstBookmark;
    QToolButton* imgSaveBookmark;
    QToolButton* imgCancelBookmark;

private:
    void fillBookmarkList(const QSqlDatabase& db);
    void markRelatedBookmarks(const QString& reference);
    void showRangeCaption();

    Passage m_openedRange;
};

// Opens a new editor on range, modally; returns when the window closes, true when it saved.
bool OpenBookmarkEditor(QWidget* parent, const Passage& range);

} // namespace kivra
