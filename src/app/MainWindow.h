#pragma once
// The main window: title strip, three tab panels on the left, the reading / results / web views on
// the right, the notes area, the command buttons and the status bar.
#include "resources/Strings.h"
#include "reading/Passage.h"
#include "reading/VerseRangeSelector.h"
#include "storage/TableGram.h"

#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QFrame;
class QHelpEvent;
class QLabel;
class QKeySequence;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QStatusBar;
class QTableView;
class QTextEdit;
class QToolButton;

namespace kivra {

class ClickLabel;
class MatchDelegate;
class DataControl;
class ReferenceBox;
struct BibleReference;
struct SearchQuery;

class MainWindow : public QMainWindow, public PassageSelectors {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: folders and connections are open; fills the lists, loads options, shows the verse
    // of the day. Returns false (after telling the user) when the options row is missing.
    bool Form_Load();
    // The verse of the day in txtWordsFromGod, after an empty line, in a font that lets it be read whole.
    void ShowWordsFromGod(const QString& verse);
    void RestoreLastPassage();

    // ---- Reading view
    void ShowBibleText(bool setFocus);
    void LoadBibleTextOnDemand(const QString& testament, const QString& book, const QString& fromChapter,
                               const QString& fromSection, const QString& toChapter, const QString& toSection);
    void imgRetrieveBible_Click();
    void ShowNextChapter();
    void ShowPreviousChapter();
    void imgVerseSelector_Click();
    QString passageText() const;  // the reading pane's text
    // "(Book c:v-c:v)" of the verses the pane's selection touches (the whole passage without one).
    QString passageSelectionReference() const;
    void CopyPassage(bool withReference);
    // The selected search result's verse text, with "(Book c:v-c:v)" after it on request.
    void CopySelectedResult(bool withReference);
    void SavePassageOnClose();

    // ---- Search
    void ClearSearch();
    void ShowSearchResults(const SearchQuery& query);  // the quick and the advanced search
    void AdvancedSearch(const QString& sql, const QVariantList& params);  // the rows of any statement
    void setDataGrid();
    void txtSearchString_KeyPress(int keyAscii);  // 13 (Enter) runs the quick search
    void MoveResultCursor(DataControl* control, int key);  // Qt::Key_End, Key_Home, Key_Up, Key_Down
    void imgAdvancedSearch_Click();
    void SelectCurrentResultRow();
    void ShowResultBookmark();

    // ---- Bookmarks
    void BookmarkCurrentVerse();
    void ShowPassageBookmark();
    void LoadBibleTextByIndex(int bookmarkIndex);
    void LoadBookmarkList();
    void imgBookmark_Click();
    void ShowBookmarkNotes();
    void OpenBookmark();
    void FillRelatedBookmarks(int bookmarkIndex);
    void GoToBookmarkReference(const QString& reference);
    void EditBookmark();
    void DeleteBookmark();

    // ---- Stories
    void imgBibleStory_Click();
    void imgRetrieveBibleStory_Click();
    void imgCreateBibleStory_Click();
    void imgEditBibleStory_Click();
    void imgCopyBibleStory_Click();
    void imgDeleteBibleStory_Click();

    // ---- Exchange files
    void ExportBookmark();
    void ExportAllBookmarks();
    void ImportBookmarks();
    void imgExportBibleStory_Click();
    void imgExportAllBibleStory_Click();
    void imgImportBibleStory_Click();

    // ---- Shell
    void LayoutMainWindow();
    void SetMainWindowTooltips();
    void imgSettings_Click();
    void imgAbout_Click();
    void imgWeb_Click();
    void ExportBibleVerse();
    void PrintBibleVerse();
    // Opens an address in the desktop's browser; tells the user when that fails.
    bool OpenWebAddress(const QString& address);

    // ---- Reader aids: go to a typed reference, open a result in its chapter, print preview
    // Shows the typed reference as if chosen in the selectors; a wrong one gets a message.
    bool GoToReference(const QString& text);
    void ShowReference(const BibleReference& reference);
    // The selected result's whole chapter in the reading view, the verse selected and in view.
    void OpenResultInChapter();
    void PreviewBibleVerse();

    QString ViewMode = QStringLiteral("Reader");

    // Title strip and search row
    QLabel* imgTitleBar;
    QFrame* shpTitleBar;
    QLabel* lblTopHeading;
    QLabel* lblSearchFor;
    QLineEdit* txtSearchString;
    QCheckBox* chkWholeWords;  // the quick search matches whole words only
    QLabel* lblWithinBible;
    ReferenceBox* txtGoToReference = nullptr;

    // Command buttons and their captions
    QToolButton* imgAddFavourite;
    ClickLabel* lblAddFavourite;
    QToolButton* imgAdvancedSearch;
    ClickLabel* lblAdvancedSearch;
    QToolButton* imgClearSearch;
    ClickLabel* lblClearSearch;
    QToolButton* imgPrint;
    ClickLabel* lblPrint;
    QToolButton* imgSettings;
    ClickLabel* lblSettings;
    QToolButton* imgSupport;
    ClickLabel* lblSupport;
    QToolButton* imgAbout;
    ClickLabel* lblAbout;
    QToolButton* imgWeb;
    ClickLabel* lblWeb;
    QToolButton* imgDonate;
    QLabel* lblDonate;
    QToolButton* imgExportBibleVerse;

    // Tabs and panels
    QToolButton* imgVerseSelector;
    QToolButton* imgBibleStory;
    QToolButton* imgBookmark;
    QWidget* picVerseSelector;
    VerseRangeSelector* verseSelector;
    QToolButton* imgRetrieveBible;
    QToolButton* imgPrevious;
    QToolButton* imgNext;
    QLabel* lblWordsFromGod;
    QPlainTextEdit* txtWordsFromGod;

    QWidget* picBookmark;
    QLabel* lblBookmark;
    QListWidget* lstBookmark;
    QLabel* lblBookmarkNotes;
    QPlainTextEdit* txtBookmarkNotes;
    QToolButton* imgOpenBookmark;
    QToolButton* imgEditBookmark;
    QToolButton* imgDeleteBookmark;
    QToolButton* imgImportBookmark;
    QToolButton* imgExportBookmark;
    QToolButton* imgExportAllBookmark;

    QWidget* picBibleStorySelector;
    QLabel* lblBibleStory;
    QListWidget* lstBibleStory;
    QToolButton* imgRetrieveBibleStory;
    QToolButton* imgCreateBibleStory;
    QToolButton* imgEditBibleStory;
    QToolButton* imgDeleteBibleStory;
    QToolButton* imgCopyBibleStory;
    QToolButton* imgImportBibleStory;
    QToolButton* imgExportBibleStory;
    QToolButton* imgExportAllBibleStory;

    // Content area
    QFrame* shpBibleText;
    QTextEdit* txtBibleText;
    QFrame* shpSearchResults;
    QTableView* dgdSearchResults;
    MatchDelegate* dgdSearchResultsText;  // paints the Text cells with the matches marked
    QFrame* shpSelectedVerse;
    QTextEdit* txtSelectedSection;
    QWidget* wbrWebPanel;

    // Notes area
    QLabel* lblNotesHeading;
    QFrame* shpBibleNotes;
    QPlainTextEdit* txtNotes;
    QLabel* lblRelatedVerse;
    QComboBox* cboRelatedVerse;

    QStatusBar* stbBible;
    QLabel* stbPanel1;

    DataControl* adoBible;     // search results
    DataControl* adoBookmark;  // notes of the shown passage or result

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // key puts the focus in box with its text selected, ready to be typed over.
    void addFocusShortcut(const QKeySequence& key, QLineEdit* box);
    void createTitleAndCommands(QWidget* central);
    void createPanels(QWidget* central);
    void createContentArea(QWidget* central);
    void showReadingView();
    // Sets the six selectors to a stored passage (a bookmark's, another window's). One that does not
    // exist (an unknown book, chapter -5) leaves the selectors as they were, and the user is told.
    void chooseStoredPassage(const PassageChoice& passage);
    void showOnlyPanel(QWidget* panel);
    void showPassageMenu(const QPoint& at);
    void showResultMenu(const QPoint& at);
    void setTabOrder();
    void setupShortcuts();
    void addShortcutHints();

    QList<VerseSpan> m_passageSpans;  // verse starts in txtBibleText
    QString m_passageBook;

    // Each subsystem wires its own controls (defined next to its handlers).
    void connectReading();
    void connectSearch();
    void connectBookmarks();
    void connectStories();
    void connectShell();
    void connectExchange();
    void connectReaderAids();

    // ---- Reader aids state
    void fillPrintBox();               // what Print and the preview print: the passage or the result
    QString printHeading() const;      // the reference of what they print
    void selectShownVerse(int chapter, int verse);

    // ---- Search state
    void showResultsView();
    void dgdSearchResults_RowColChange();
    void markSelectedVerseMatches();
    void bindSearchStatement(const QString& sql, const QVariantList& params);
    void formatGridOnce();
    QString bookNameOf(const QString& abbreviation) const;  // the empty text when there is no such book
    bool showBookNameTip(QHelpEvent* event);

    // ---- Bookmark state
    // The selected bookmark entry; nullptr after telling the user (NoBookmarks, or the operation's message).
    QListWidgetItem* selectedBookmark(Message noSelectionMessage);
    QObject* bookmarkNotesGuard = nullptr;  // turns keys in the notes boxes into a message
    bool bookmarkRangeFromResult(PassageChoice* range);
    // The notes under the passage or result again, after the editor saved a bookmark.
    void showSavedBookmarkNotes();

    // ---- Story state
    // The selected story's number; 0 after telling the user (NoStories, or the operation's message).
    int selectedStoryNumber(Message noSelectionMessage);

    // ---- Shell state
    void fitWordsFromGod();
    QFont wordsFromGodFont;  // the documented font of the verse of the day, before fitting
    void setTitleStripPicture();
    QTextEdit* rxtPrint = nullptr;   // hidden; holds the text that Print sends to the printer
    QWidget* webView = nullptr;      // the browser inside wbrWebPanel, made on first use
    bool createWebView();
    void showBoundResults();         // the results view for the rows adoBible now holds            // false after telling the user the engine could not start
    int titleStripWidth = 0;         // width the title picture was last drawn for

    // ---- Exchange state
    // The chosen path for an export, or the empty text when cancelled or replacing was declined.
    QString askExportPath(const QString& title, const QString& initialName, const QString& filter);
    bool writeExchangeFile(const std::optional<TableGram>& table, const QString& path, const QString& error);
};

MainWindow* mainWindow();  // the one main window, or nullptr before it exists

} // namespace kivra
