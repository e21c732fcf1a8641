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

class BookmarkEditor : public QDialog, public PassageSelectors {
    Q_OBJECT
public:
    explicit BookmarkEditor(QWidget* parent = nullptr);

    // The range the editor was opened with (set before Form_Load); kept for the window's life.
    QString RangeTestament, RangeBook, RangeChapter, RangeSection, RangeToChapter, RangeToSection;

    void Form_Load();
    void FillBookmarkList(const QSqlDatabase& db);
    void SelectRelatedBookmarks(const QString& reference);
    void ShowRangeCaption();
    // Saves and closes the window; false (the window stays, the user is told) when nothing could be saved.
    bool SaveBookmark();
    bool SaveBookmarkRelations(const QString& reference);
    void imgCancelBookmark_Click();

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
    PassageChoice openedRange() const;
};

// Opens a new editor on range, modally; returns when the window closes, true when it saved.
bool OpenBookmarkEditor(QWidget* parent, const PassageChoice& range);

} // namespace kivra
