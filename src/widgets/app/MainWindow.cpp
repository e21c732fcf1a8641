#include "app/MainWindow.h"

#include "reading/BibleChooser.h"
#include "reading/BookCatalogue.h"
#include "reading/VerseOfTheDay.h"
#include "bookmarks/BookmarkPanel.h"
#include "reading/ReadingView.h"
#include "study/CommentaryPane.h"
#include "reading/ReferenceBox.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"
#include "stories/StoryPanel.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>

namespace kivra {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Kivra! Bible 2.0"));
    m_passageBookmarks = new DataControl(this);
    m_passageBookmarks->setObjectName(QStringLiteral("adoBookmark"));

    // Down the window: the title strip, the two columns, the status bar. The left column holds the
    // go-to box, the tabs and the panels; the right one the commands, the search row, the views and
    // the notes. Each control keeps its designed size unless its text needs more, and the window's
    // smallest size follows from the layouts.
    auto* central = Named(new QWidget(this), "frmMainClient");
    setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(createTitleStrip());
    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(8, 0, 16, 0);
    columns->setSpacing(7);
    columns->addLayout(createLeftColumn());
    columns->addLayout(createRightColumn(), 1);
    page->addLayout(columns, 1);
    page->addWidget(createStatusBar());

    resize(900, 600);
    connectPanels();
    setupShortcuts();
    setTabOrder();
}

QWidget* MainWindow::createTitleStrip()
{
    return new TitleStrip(tr("Kivra! Bible 2.0"), 404);
}

// A command: its picture, and its caption, which a click also reaches. A caption longer than its
// designed width first takes the gap before the next picture, leaving it one pixel.
QToolButton* MainWindow::addCommand(QBoxLayout* row, const char* imageName, const char* labelName,
                                    const QString& caption, int captionWidth, int gapAfter)
{
    QToolButton* image = MakeImageButton(nullptr, QLatin1String(imageName), 24);
    auto* label = FixHeight(FixWidth(Named(new ClickLabel(caption), labelName), captionWidth), 17);
    label->forwardTo(image);
    row->addWidget(image, 0, Qt::AlignTop);
    row->addSpacing(4);
    row->addLayout(CaptionBeside(label));
    row->addSpacing(std::max(std::min(gapAfter, 1), captionWidth + gapAfter - label->width()));
    return image;
}

QLayout* MainWindow::createCommandRow()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    m_addBookmark = addCommand(row, "imgAddFavourite", "lblAddFavourite", tr("Bookmark"), 64, 4);
    m_advancedSearch = addCommand(row, "imgAdvancedSearch", "lblAdvancedSearch", tr("Advanced Search"), 104, 4);
    m_clearSearch = addCommand(row, "imgClearSearch", "lblClearSearch", tr("Clear Search"), 80, 4);
    m_print = addCommand(row, "imgPrint", "lblPrint", tr("Print"), 34, 2);
    m_options = addCommand(row, "imgSettings", "lblSettings", tr("Options"), 50, 2);
    m_support = addCommand(row, "imgSupport", "lblSupport", tr("Support"), 50, 2);
    m_about = addCommand(row, "imgAbout", "lblAbout", tr("About"), 40, 0);
    row->addStretch(1);
    return row;
}

QLayout* MainWindow::createLeftColumn()
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 15, 0, 6);
    column->setSpacing(0);
    // Over the go-to box, on the line of the commands: the Bible being read, and the way to compare.
    auto* bible = new QHBoxLayout;
    bible->setSpacing(0);
    auto* bibleCaption = FixHeight(FixWidth(Named(new QLabel(tr("Bible")), "lblBible"), 40), 21);
    m_bibleChooser = FixHeight(new BibleChooser, 21);
    bibleCaption->setBuddy(m_bibleChooser);
    m_compare = FixHeight(Named(new QPushButton(tr("Compare")), "cmdCompare"), 21);  // no picture says "compare"
    // As narrow as its word allows: the style's minimum width for push buttons would widen the panel.
    const QFontMetrics metrics = m_compare->fontMetrics();
    m_compare->setFixedWidth(std::max(64, metrics.horizontalAdvance(m_compare->text()) + 2 * metrics.averageCharWidth()));
    m_compare->setToolTip(tr("The passage in two or three Bibles side by side"));
    bible->addWidget(bibleCaption);
    bible->addWidget(m_bibleChooser, 1);
    bible->addSpacing(3);
    bible->addWidget(m_compare);
    column->addLayout(bible);
    column->addSpacing(5);
    // Over the tab pictures, on the line of the search box: the go-to box.
    auto* goTo = new QHBoxLayout;
    goTo->setSpacing(0);
    auto* caption = FixHeight(FixWidth(Named(new QLabel(tr("Go to")), "lblGoToReference"), 40), 19);
    m_goToReference = FixHeight(new ReferenceBox, 19);
    caption->setBuddy(m_goToReference);
    goTo->addWidget(caption);
    goTo->addWidget(m_goToReference, 1);
    column->addLayout(goTo);
    column->addSpacing(10);

    auto* tabs = new QHBoxLayout;
    tabs->setContentsMargins(8, 0, 0, 0);
    tabs->setSpacing(6);
    m_verseSelectorTab = MakeImageButton(nullptr, QStringLiteral("imgVerseSelector"), 50);
    m_storyTab = MakeImageButton(nullptr, QStringLiteral("imgBibleStory"), 50);
    m_bookmarkTab = MakeImageButton(nullptr, QStringLiteral("imgBookmark"), 50);
    m_donate = MakeImageButton(nullptr, QStringLiteral("imgDonate"), 50);
    for (QToolButton* tab : {m_verseSelectorTab, m_storyTab, m_bookmarkTab})
        tabs->addWidget(tab, 0, Qt::AlignTop);
    auto* donate = new QVBoxLayout;
    donate->setSpacing(2);
    m_donateCaption = FixHeight(FixWidth(Named(new QLabel(tr("Donate")), "lblDonate"), 50), 16);
    m_donateCaption->setAlignment(Qt::AlignHCenter);
    donate->addWidget(m_donate, 0, Qt::AlignHCenter);
    donate->addWidget(m_donateCaption);
    tabs->addLayout(donate);
    tabs->addStretch(1);
    column->addLayout(tabs);
    column->addSpacing(15);

    m_panels = Named(new QStackedWidget, "panelStack");
    m_panels->addWidget(createVerseSelectorPanel());
    m_bookmarkPanel = new BookmarkPanel(m_panels);
    m_panels->addWidget(m_bookmarkPanel);
    m_storyPanel = new StoryPanel(m_panels);
    m_panels->addWidget(m_storyPanel);
    // The panels keep their designed width unless their captions need more.
    m_panels->setFixedWidth(std::max(233, m_panels->minimumSizeHint().width()));
    column->addWidget(m_panels, 1);
    return column;
}

QWidget* MainWindow::createVerseSelectorPanel()
{
    m_verseSelectorPanel = Named(new QWidget, "picVerseSelector");
    auto* layout = new QVBoxLayout(m_verseSelectorPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_selectors = new VerseRangeSelector;
    m_selectors->setFixedHeight(std::max(232, m_selectors->minimumSizeHint().height()));
    layout->addWidget(m_selectors);
    layout->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(40, 0, 0, 0);
    buttons->setSpacing(28);
    m_previousChapter = MakeImageButton(nullptr, QStringLiteral("imgPrevious"), 32);
    m_openPassage = MakeImageButton(nullptr, QStringLiteral("imgRetrieveBible"), 32);
    m_nextChapter = MakeImageButton(nullptr, QStringLiteral("imgNext"), 32);
    for (QToolButton* button : {m_previousChapter, m_openPassage, m_nextChapter})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addSpacing(4);
    layout->addWidget(FixHeight(Named(new QLabel(tr("Words from God :")), "lblWordsFromGod"), 16));
    layout->addSpacing(2);
    m_wordsFromGod = Named(new QPlainTextEdit, "txtWordsFromGod");
    m_wordsFromGod->setReadOnly(true);
    // Four lines of the verse of the day at the least, with the box's margins.
    m_wordsFromGod->setMinimumHeight(64);
    m_wordsFromGod->installEventFilter(this);  // its font is fitted to each height
    layout->addWidget(m_wordsFromGod, 1);
    return m_verseSelectorPanel;
}

QLayout* MainWindow::createRightColumn()
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 9, 0, 6);
    column->setSpacing(0);
    column->addLayout(createCommandRow());
    column->addSpacing(5);
    // The search row, the views and the notes end 2 short of the column's right edge, the
    // related-bookmark box at it.
    auto* upper = new QVBoxLayout;
    upper->setContentsMargins(0, 0, 2, 0);
    upper->setSpacing(0);
    upper->addWidget(createSearchRow());

    m_views = Named(new QStackedWidget, "viewStack");
    m_reading = new ReadingView(m_selectors, m_views);
    m_results = new SearchResultsView(m_views);
    m_results->grid()->installEventFilter(this);  // its columns are fitted to each width
    auto* webPage = new QWidget;
    auto* webPageLayout = new QVBoxLayout(webPage);
    webPageLayout->setContentsMargins(0, 0, 0, 8);  // the web panel stops 8 short of the other views
    m_webPanel = Named(new QWidget, "wbrWebPanel");
    webPageLayout->addWidget(m_webPanel);
    for (QWidget* view : {static_cast<QWidget*>(m_reading), static_cast<QWidget*>(m_results), webPage})
        m_views->addWidget(view);
    auto* viewsRow = new QHBoxLayout;
    viewsRow->setSpacing(0);
    viewsRow->addWidget(m_views, 3);
    m_commentary = new CommentaryPane(nullptr);
    m_commentary->hide();
    viewsRow->addWidget(m_commentary, 2);
    upper->addLayout(viewsRow, 1);
    column->addLayout(upper, 1);
    column->addSpacing(3);
    column->addWidget(createNotesArea());
    return column;
}

QWidget* MainWindow::createNotesArea()
{
    // The heading and the notes end 2 short of the right edge, the related-bookmark box at it; the
    // box rises 2 above the heading's line.
    auto* area = Named(new QWidget, "notesArea");
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (auto [row, height] : {std::pair{0, 2}, {2, 3}, {3, 2}})
        grid->setRowMinimumHeight(row, height);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(0, 1);
    auto shortOfTheEdge = [](QWidget* control) {
        auto* box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 2, 0);
        box->addWidget(control);
        return box;
    };
    grid->addLayout(shortOfTheEdge(FixHeight(Named(new QLabel(tr("Notes:")), "lblNotesHeading"), 16)), 1, 0, 1, 4);
    m_notes = Named(new QPlainTextEdit, "txtNotes");
    m_notes->setFrameShape(QFrame::NoFrame);
    m_notes->setFixedHeight(57);
    KeepNotesForShowing(m_notes, Message::BookmarkVerseBeforeNotes);
    grid->addLayout(shortOfTheEdge(FramePane(m_notes, "shpBibleNotes", QMargins(8, 8, 8, 8))), 4, 0, 1, 4);
    m_relatedCaption = FixHeight(FixWidth(Named(new QLabel(tr("Related Bookmark:")), "lblRelatedVerse"), 120), 16);
    grid->addWidget(m_relatedCaption, 1, 1);
    m_related = Named(new QComboBox, "cboRelatedVerse");
    FixHeight(m_related, 21)->setFixedWidth(193);
    grid->addWidget(m_related, 0, 3, 3, 1);
    // The box keeps its narrow place above the notes; its list opens wide enough to read the entries.
    m_related->view()->setMinimumWidth(360);
    connect(m_related, &QComboBox::currentTextChanged, m_related, &QWidget::setToolTip);
    hideRelatedBookmarks();
    return area;
}

QWidget* MainWindow::createStatusBar()
{
    auto* bar = Named(new QStatusBar, "stbBible");
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(25);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("stbPanel1"));
    m_status->setMinimumWidth(250);
    bar->addWidget(m_status);
    m_backToResults = new QToolButton(bar);
    m_backToResults->setObjectName(QStringLiteral("cmdBackToResults"));
    m_backToResults->setText(tr("Back to results"));
    m_backToResults->setIcon(controlIcon(m_backToResults->objectName()));
    m_backToResults->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_backToResults->setToolTip(tr("Show the search results again"));
    m_backToResults->setAutoRaise(true);
    m_backToResults->hide();
    bar->addPermanentWidget(m_backToResults);
    return bar;
}

// What one part asks of another goes through the window.
void MainWindow::connectPanels()
{
    connect(m_verseSelectorTab, &QToolButton::clicked, this, &MainWindow::showVerseSelectorPanel);
    connect(m_bookmarkTab, &QToolButton::clicked, this, &MainWindow::showBookmarkPanel);
    connect(m_storyTab, &QToolButton::clicked, this, &MainWindow::showStoryPanel);
    connect(m_openPassage, &QToolButton::clicked, this, &MainWindow::openPassage);
    connect(m_nextChapter, &QToolButton::clicked, this, [this] {
        if (m_selectors->chooseNextChapter())
            openPassage();
    });
    connect(m_previousChapter, &QToolButton::clicked, this, [this] {
        if (m_selectors->choosePreviousChapter())
            openPassage();
    });

    connect(m_reading, &ReadingView::bookmarkRequested, m_addBookmark, &QToolButton::click);
    connect(m_reading, &ReadingView::previewRequested, this, &MainWindow::previewVerses);
    connect(m_results, &SearchResultsView::bookmarkRequested, m_addBookmark, &QToolButton::click);
    connect(m_results, &SearchResultsView::previewRequested, this, &MainWindow::previewVerses);
    connect(m_results, &SearchResultsView::currentResultChanged, this, &MainWindow::showResultBookmark);
    connect(m_results, &SearchResultsView::openRequested, this, &MainWindow::openResultInChapter);

    connect(m_bookmarkPanel, &BookmarkPanel::openRequested, this, &MainWindow::openBookmark);
    connect(m_bookmarkPanel, &BookmarkPanel::bookmarkSaved, this, &MainWindow::showSavedBookmarkNotes);
    connect(m_bookmarkPanel, &BookmarkPanel::bookmarksImported, this, [this] { showOnlyPanel(m_bookmarkPanel); });
    connect(m_storyPanel, &StoryPanel::storiesChanged, this, &MainWindow::showStoryPanel);

    connect(m_addBookmark, &QToolButton::clicked, this, &MainWindow::bookmarkCurrentVerse);
    connect(m_related, &QComboBox::activated, this,
            [this](int entry) { goToBookmarkReference(m_related->itemData(entry).toString()); });
    // m_notes follows the current row of the passage's bookmarks, as a bound text box does.
    connect(m_passageBookmarks, &DataControl::currentRowChanged, this,
            [this] { ShowNotes(m_notes, m_passageBookmarks->currentText(QStringLiteral("BookMarkNotes"))); });

    connectSearch();
    connectShell();
    connectReaderAids();
    connectStudy();
}

bool MainWindow::load()
{
    WaitCursor wait;
    m_selectors->fillTestaments();
    if (!LoadOptions()) {
        ShowMessage(Message::OptionsRowMissing, this, {folders().userDatabasePath + OptionsDatabaseFile});
        return false;
    }
    setTooltips();
    addShortcutHints();
    nameControls();
    m_searchText->setText(LoadResString(Caption::SearchPrompt));
    showWordsFromGod(GetWordsFromGod(1));
    m_results->fitColumns();
    return true;
}

void MainWindow::showWordsFromGod(const QString& verse)
{
    ApplyDefaultFontToTextBox(m_wordsFromGod);
    m_wordsFromGodFont = m_wordsFromGod->font();
    m_wordsFromGodText = QString(verse).replace(NewLine, QStringLiteral("\n"));
    fitWordsFromGod();
}

void MainWindow::fitWordsFromGod()
{
    if (m_wordsFromGodText.isEmpty()) {
        m_wordsFromGod->clear();
        return;
    }
    // The box keeps its document margin all round and one more pixel for the caret and below the
    // last line.
    const int margin = int(std::ceil(m_wordsFromGod->document()->documentMargin()));
    const QSize inside = m_wordsFromGod->contentsRect().size() - QSize(2 * margin + 1, 2 * margin + 1);
    const VerseOfTheDayLayout layout = LayOutVerseOfTheDay(m_wordsFromGodText, m_wordsFromGodFont, inside);
    m_wordsFromGod->setFont(layout.font);
    if (m_wordsFromGod->toPlainText() != layout.text)
        m_wordsFromGod->setPlainText(layout.text);
    // A verse that fits gets no scroll bar, not even one the box sets up while it is still hidden.
    m_wordsFromGod->setVerticalScrollBarPolicy(layout.fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

// Older copies saved a range that runs backwards, which shows nothing: start on its first verse and
// read to the end of that chapter instead of on an empty pane.
static Passage ShowablePassage(Passage saved)
{
    const auto books = BibleBooks();
    const BibleBook* book = books->bookNamed(saved.book);
    if (saved.fromKey() > saved.toKey() && book && book->hasVerse(saved.fromChapter, saved.fromVerse)) {
        saved.toChapter = saved.fromChapter;
        saved.toVerse = book->verses(saved.fromChapter);
    }
    return saved;
}

void MainWindow::restoreLastPassage()
{
    // A saved passage that no longer fits the lists (a damaged options row) is dropped for the
    // first book of the first testament rather than ending the program.
    if (!m_selectors->choosePassage(ShowablePassage(LastPassage(options())))) {
        qCWarning(lcApp).noquote() << "The saved passage does not fit the lists; showing the first book";
        m_selectors->reset();
    }
    ApplyReadingFont(m_reading->textBox());
    openPassage();
    hideRelatedBookmarks();
}

void MainWindow::openPassage()
{
    showPassage(true);
    showPassageBookmark();
}

void MainWindow::showPassage(bool setFocus)
{
    WaitCursor wait;
    m_viewMode = ViewMode::Reader;
    m_reading->showChosenPassage();
    // The go-to box names what is shown, not what was typed there for an earlier passage.
    m_goToReference->setText(m_reading->heading());
    showReadingView();
    m_status->setText(m_reading->statusText());
    if (setFocus)
        m_reading->textBox()->setFocus();
}

void MainWindow::openStoredPassage(const Passage& passage)
{
    WaitCursor wait;
    m_viewMode = ViewMode::Reader;
    m_reading->chooseStoredPassage(passage);
    openPassage();
}

void MainWindow::showReadingView()
{
    m_views->setCurrentWidget(m_reading);
    m_backToResults->setVisible(m_resultsKept);
}

void MainWindow::showResultsView()
{
    m_views->setCurrentWidget(m_results);
    m_backToResults->hide();
}

void MainWindow::hideRelatedBookmarks()
{
    m_relatedCaption->hide();
    m_related->hide();
}

void MainWindow::showOnlyPanel(QWidget* panel)
{
    m_panels->setCurrentWidget(panel);
    markShownTab(panel);
    hideRelatedBookmarks();
    if (m_views->currentWidget() == m_webPanel->parentWidget())  // the web panel gives way
        m_viewMode == ViewMode::Searcher ? showResultsView() : showReadingView();
}

void MainWindow::showVerseSelectorPanel()
{
    showOnlyPanel(m_verseSelectorPanel);
    showReadingView();
}

void MainWindow::showBookmarkPanel()
{
    showOnlyPanel(m_bookmarkPanel);
    m_bookmarkPanel->reload();
}

void MainWindow::showStoryPanel()
{
    showOnlyPanel(m_storyPanel);
    showReadingView();
    m_storyPanel->reload();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A range that runs backwards showed nothing: the next start opens what the pane last showed.
    const Passage chosen = m_selectors->passage();
    if (!SaveLastPassage(PassageExists(chosen) ? chosen : m_reading->shownPassage().value_or(chosen)))
        qCWarning(lcApp) << "The passage shown could not be kept for the next start";
    // Open story editors and viewers outlive the main window: the user closes them, and the
    // program ends with the last of them. Left as children they would die with it, unsaved.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() || !child->isVisible())
            continue;
        const QRect geometry = child->geometry();
        child->setParent(nullptr, child->windowFlags());
        child->setGeometry(geometry);
        child->show();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_wordsFromGod)
            fitWordsFromGod();
        else if (m_results && watched == m_results->grid())
            fitResultColumns();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kivra
