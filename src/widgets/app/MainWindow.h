#pragma once
// The main window, a frame: title strip and search row, the three tab panels on the left, the
// reading / results / web views on the right, the notes area, the command buttons and the status
// bar. The panels and views are classes of their own; the window creates and places them and
// connects what one asks of another.

#include "reading/Passage.h"

#include <QMainWindow>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QButtonGroup;
class QLayout;
class QKeySequence;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QStatusBar;
class QTextEdit;
class QPushButton;
class QToolButton;

namespace kivra {

class BookmarkPanel;
class CommentaryPane;
class ReadAloud;
class ClickLabel;
class DataControl;
class ReadingView;
class ReferenceBox;
class BibleChooser;
class SearchResultsView;
class StoryPanel;
class VerseRangeSelector;
class WebPanelPages;
class WordStudy;
struct Passage;
struct StrongsNumber;
struct SearchQuery;
enum class KeyCommand;

// What the content area shows: a passage, or the results of a search.
enum class ViewMode { Reader, Searcher };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Start-up: folders and connections are open; fills the lists, loads options, shows the verse
    // of the day. Returns false (after telling the user) when the options row is missing.
    bool load();
    void restoreLastPassage();
    // The verse of the day in txtWordsFromGod, after an empty line, in a font that lets it be read whole.
    void showWordsFromGod(const QString& verse);

    // The passage of the selectors in the reading view, with the notes of its bookmark.
    void openPassage();
    // A stored passage (a bookmark's, the command line's) in the selectors and the reading view.
    void openStoredPassage(const Passage& passage);
    // Shows the typed reference as if chosen in the selectors; a wrong one gets a message.
    bool goToReference(const QString& text);

    ViewMode viewMode() const { return m_viewMode; }
    ReadingView* readingView() const { return m_reading; }
    SearchResultsView* searchResults() const { return m_results; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- Building and wiring (MainWindow.cpp)
    QWidget* createTitleStrip();
    QLayout* createLeftColumn();
    QWidget* createVerseSelectorPanel();
    QLayout* createRightColumn();
    QLayout* createCommandRow();
    QToolButton* addCommand(QBoxLayout* row, const char* imageName, const char* labelName,
                            const QString& caption, int captionWidth, int gapAfter);
    QWidget* createSearchRow();
    QWidget* createNotesArea();
    QWidget* createStatusBar();
    void connectPanels();
    void connectSearch();
    void connectShell();
    void connectReaderAids();
    void showOnlyPanel(QWidget* panel);
    void showVerseSelectorPanel();
    void showBookmarkPanel();
    void showStoryPanel();
    void showReadingView();
    void showResultsView();
    void showPassage(bool setFocus);
    void hideRelatedBookmarks();
    void fitWordsFromGod();

    // ---- Keys, the focus order and names for screen readers (MainWindowKeys.cpp)
    void setupShortcuts();  // one shortcut per entry of the key table
    void addShortcutHints();
    void runKeyCommand(KeyCommand command);
    // The box takes the focus with its text selected, ready to be typed over.
    static void focusBox(QLineEdit* box);
    void setTabOrder();
    void nameControls();
    void markShownTab(QWidget* panel);
    void showKeyList();
    void zoomReading(int points);  // 0: the size of the options
    void readAloud();  // the passage or the selected result; again: pause, resume
    void announceCount(const QString& text);  // a search's count, in the status and read out

    // ---- Search (MainWindowSearch.cpp)
    void runQuickSearch();
    void showSearchResults(const SearchQuery& query);  // the quick and the advanced search
    void openAdvancedSearch();
    void clearSearch();
    void showBoundResults();
    void fitResultColumns();
    void showQuickSearch();    // the results of m_quickSearchText as "Whole words" is ticked now
    void repeatQuickSearch();  // after "Whole words" changed under the results of a quick search
    // The results an opened result came from, as they were left, the same row selected.
    void backToResults();

    // ---- Bookmarks of the shown passage or result (MainWindowBookmarks.cpp)
    void bookmarkCurrentVerse();
    // The current result's verse; nothing (after telling the user) when there is none.
    std::optional<Passage> resultBookmarkRange();
    void showPassageBookmark();
    void showResultBookmark();
    // The notes under the passage or result again, after the editor saved a bookmark.
    void showSavedBookmarkNotes();
    void openBookmark(int bookmarkIndex);
    void fillRelatedBookmarks(int bookmarkIndex);
    void goToBookmarkReference(const QString& reference);

    // ---- Reader aids (MainWindowReaderAids.cpp)
    void showReference(const Passage& reference);
    void followChosenBible();
    // The current result's whole chapter in the reading view, the verse selected and in view.
    void openResultInChapter();
    QString printText() const;     // what Print and the preview print: the passage or the result
    QString printHeading() const;  // the reference of what they print
    void printVerses();
    void previewVerses();

    // ---- Word study and commentary (MainWindowStudy.cpp)
    void connectStudy();
    void showEveryUse(const StrongsNumber& number);  // every verse carrying the number, in the results
    void toggleCommentary();

    // ---- Shell (MainWindowShell.cpp)
    void setTooltips();
    void openOptions();
    void openAbout();
    void openWebPanel();
    bool createWebView();  // false after telling the user the engine could not start
    void exportVerses();
    // Opens an address in the desktop's browser; tells the user when that fails.
    bool openWebAddress(const QString& address);

    ViewMode m_viewMode = ViewMode::Reader;

    // Title strip, search row and command buttons
    QLineEdit* m_searchText;
    QCheckBox* m_wholeWords;  // the quick search matches whole words only
    QString m_quickSearchText;  // what the results shown were found for; empty after an advanced search
    bool m_resultsInWholeWords = false;  // whether they were found as whole words
    QToolButton* m_backToResults;  // shown in the reading view while the results of a search are kept
    bool m_resultsKept = false;    // from a search until Clear Search
    ReferenceBox* m_goToReference;
    BibleChooser* m_bibleChooser;
    QPushButton* m_compare;
    QToolButton* m_addBookmark;
    QToolButton* m_advancedSearch;
    QToolButton* m_clearSearch;
    QToolButton* m_print;
    QToolButton* m_options;
    QToolButton* m_support;
    QToolButton* m_about;
    QToolButton* m_web;
    QToolButton* m_commentaryButton;
    QToolButton* m_donate;
    QLabel* m_donateCaption;
    QToolButton* m_exportVerses;

    // Tabs and panels
    QToolButton* m_verseSelectorTab;
    QStackedWidget* m_panels;  // one of the three panels at a time
    QToolButton* m_storyTab;
    QToolButton* m_bookmarkTab;
    QButtonGroup* m_tabs = nullptr;  // the three tab pictures, one of them marked as shown
    QWidget* m_verseSelectorPanel;
    VerseRangeSelector* m_selectors;
    QToolButton* m_openPassage;
    QToolButton* m_previousChapter;
    QToolButton* m_nextChapter;
    QPlainTextEdit* m_wordsFromGod;
    QFont m_wordsFromGodFont;  // the documented font of the verse of the day, before fitting
    QString m_wordsFromGodText;  // the verse, an empty line and its reference, as drawn
    BookmarkPanel* m_bookmarkPanel;
    StoryPanel* m_storyPanel;

    // Content area: one of the three views at a time
    QStackedWidget* m_views;
    ReadingView* m_reading;
    SearchResultsView* m_results = nullptr;
    QWidget* m_webPanel;  // inside the third view, 8 short of its foot
    QWidget* m_webView = nullptr;  // the browser inside m_webPanel, made on first use
    WebPanelPages* m_webPages = nullptr;  // what m_webView shows

    // Notes area
    QPlainTextEdit* m_notes;
    QLabel* m_relatedCaption;
    QComboBox* m_related;
    DataControl* m_passageBookmarks;  // the bookmarks on the shown passage or result; m_notes follows it

    WordStudy* m_wordStudy = nullptr;
    CommentaryPane* m_commentary = nullptr;  // beside the views, hidden until asked for

    QLabel* m_status;
    ReadAloud* m_readAloud = nullptr;
};

} // namespace kivra
