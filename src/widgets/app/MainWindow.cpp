#include "app/MainWindow.h"

#include "app/MainLayout.h"
#include "reading/VerseOfTheDay.h"
#include "bookmarks/BookmarkPanel.h"
#include "reading/ReadingView.h"
#include "reading/ReferenceBox.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
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
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>

#include <cmath>

namespace kivra {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Kivra! Bible 2.0"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);
    m_passageBookmarks = new DataControl(this);
    m_passageBookmarks->setObjectName(QStringLiteral("adoBookmark"));

    // The views share one place and are created back to front, as are the panels.
    createPanels(central);
    m_reading = new ReadingView(central, m_selectors, this);
    m_results = new SearchResultsView(central, this);
    m_webPanel = Place(new QWidget(central), "wbrWebPanel", QRect(248, 88, 633, 393));
    m_webPanel->hide();
    createNotesArea(central);
    createTitleAndCommands(central);
    createStatusBar(central);

    resize(900, 600);
    // Smaller, the resize rules no longer hold: the reading pane would run under the status bar.
    setMinimumSize(MinimumMainWindowSize());
    connectPanels();
    setupShortcuts();
    setTabOrder();
}

void MainWindow::createTitleAndCommands(QWidget* c)
{
    m_titleStrip = Place(new QLabel(c), "imgTitleBar", QRect(0, 0, 1280, 23));
    m_titleStrip->setScaledContents(true);
    m_titleStrip->lower();
    m_heading = Place(new QLabel(tr("Kivra! Bible 2.0"), c), "lblTopHeading", QRect(248, 2, 404, 19));
    m_heading->setAlignment(Qt::AlignCenter);
    QFont heading = m_heading->font();
    heading.setBold(true);
    m_heading->setFont(heading);

    MakeSunkenFrame(c, "shpTitleBar", QRect(248, 61, 633, 25))->lower();
    Place(new QLabel(tr("Search for"), c), "lblSearchFor", QRect(256, 64, 62, 19));
    m_searchText = Place(new QLineEdit(c), "txtSearchString", QRect(320, 64, 195, 19));
    Place(new QLabel(tr("within Bible"), c), "lblWithinBible", QRect(520, 64, 80, 19));

    auto command = [c](const char* imageName, const char* labelName, const char* caption, QPoint at,
                       QPoint labelAt, int labelWidth) {
        QToolButton* image = MakeImageButton(c, QLatin1String(imageName), 24);
        image->move(at);
        auto* label = Place(new ClickLabel(tr(caption), c), labelName, QRect(labelAt, QSize(labelWidth, 17)));
        label->forwardTo(image);
        return image;
    };
    m_addBookmark = command("imgAddFavourite", "lblAddFavourite", "Bookmark", {248, 32}, {276, 36}, 64);
    m_advancedSearch =
        command("imgAdvancedSearch", "lblAdvancedSearch", "Advanced Search", {344, 32}, {372, 36}, 104);
    m_clearSearch = command("imgClearSearch", "lblClearSearch", "Clear Search", {480, 32}, {508, 36}, 80);
    m_print = command("imgPrint", "lblPrint", "Print", {592, 32}, {620, 36}, 34);
    m_options = command("imgSettings", "lblSettings", "Options", {656, 32}, {684, 36}, 50);
    m_support = command("imgSupport", "lblSupport", "Support", {736, 32}, {764, 36}, 50);
    m_about = command("imgAbout", "lblAbout", "About", {816, 32}, {844, 36}, 40);
    m_web = command("imgWeb", "lblWeb", "Pray", {736, 64}, {768, 68}, 40);
    m_exportVerses = MakeImageButton(c, QStringLiteral("imgExportBibleVerse"), 24);
    m_exportVerses->move(616, 62);
    // The gap between the export button and "Pray" is narrow: the face steps down from the grid's
    // small one until the caption reads whole in it.
    m_wholeWords = Place(new QCheckBox(tr("Whole words"), c), "chkWholeWords", QRect(644, 64, 90, 19));
    QFont small = m_wholeWords->font();
    small.setPointSizeF(8);
    m_wholeWords->setFont(small);
    while (m_wholeWords->sizeHint().width() > m_wholeWords->width() && small.pointSizeF() > 6) {
        small.setPointSizeF(small.pointSizeF() - 0.5);
        m_wholeWords->setFont(small);
    }
}

void MainWindow::createPanels(QWidget* c)
{
    m_verseSelectorTab = MakeImageButton(c, QStringLiteral("imgVerseSelector"), 50);
    m_verseSelectorTab->move(16, 93);
    m_storyTab = MakeImageButton(c, QStringLiteral("imgBibleStory"), 50);
    m_storyTab->move(72, 93);
    m_bookmarkTab = MakeImageButton(c, QStringLiteral("imgBookmark"), 50);
    m_bookmarkTab->move(128, 93);
    m_donate = MakeImageButton(c, QStringLiteral("imgDonate"), 50);
    m_donate->move(184, 93);
    m_donateCaption = Place(new QLabel(tr("Donate"), c), "lblDonate", QRect(184, 145, 50, 16));
    m_donateCaption->setAlignment(Qt::AlignHCenter);

    const QRect panelRect(8, 176, 233, 393);
    m_verseSelectorPanel = Place(new QWidget(c), "picVerseSelector", panelRect);
    m_selectors = new VerseRangeSelector(m_verseSelectorPanel);
    m_selectors->setGeometry(0, 0, 233, 232);
    m_previousChapter = MakeImageButton(m_verseSelectorPanel, QStringLiteral("imgPrevious"), 32);
    m_previousChapter->move(40, 238);
    m_openPassage = MakeImageButton(m_verseSelectorPanel, QStringLiteral("imgRetrieveBible"), 32);
    m_openPassage->move(100, 238);
    m_nextChapter = MakeImageButton(m_verseSelectorPanel, QStringLiteral("imgNext"), 32);
    m_nextChapter->move(160, 238);
    Place(new QLabel(tr("Words from God :"), m_verseSelectorPanel), "lblWordsFromGod",
          QRect(0, 274, 233, 16));
    m_wordsFromGod = Place(new QPlainTextEdit(m_verseSelectorPanel), "txtWordsFromGod", QRect(0, 292, 233, 101));
    m_wordsFromGod->setReadOnly(true);

    m_bookmarkPanel = new BookmarkPanel(c);
    m_bookmarkPanel->setGeometry(panelRect);
    m_bookmarkPanel->hide();
    m_storyPanel = new StoryPanel(c);
    m_storyPanel->setGeometry(panelRect);
    m_storyPanel->hide();
}

void MainWindow::createNotesArea(QWidget* c)
{
    Place(new QLabel(tr("Notes:"), c), "lblNotesHeading", QRect(248, 480, 633, 16));
    MakeSunkenFrame(c, "shpBibleNotes", QRect(248, 496, 633, 73));
    m_notes = Place(new QPlainTextEdit(c), "txtNotes", QRect(256, 504, 617, 57));
    m_notes->setFrameShape(QFrame::NoFrame);
    KeepNotesForShowing(m_notes, Message::BookmarkVerseBeforeNotes);
    m_relatedCaption = Place(new QLabel(tr("Related Bookmark:"), c), "lblRelatedVerse",
                             QRect(568, 480, 120, 16));
    m_related = Place(new QComboBox(c), "cboRelatedVerse", QRect(688, 472, 193, 21));
    // The box keeps its narrow place above the notes; its list opens wide enough to read the entries.
    m_related->view()->setMinimumWidth(360);
    connect(m_related, &QComboBox::currentTextChanged, m_related, &QWidget::setToolTip);
    hideRelatedBookmarks();
}

void MainWindow::createStatusBar(QWidget* c)
{
    auto* bar = new QStatusBar(c);
    bar->setObjectName(QStringLiteral("stbBible"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("stbPanel1"));
    m_status->setMinimumWidth(250);
    bar->addWidget(m_status);
    bar->setGeometry(0, 575, 900, 25);
}

// What one part asks of another goes through the window.
void MainWindow::connectPanels()
{
    connect(m_verseSelectorTab, &QToolButton::clicked, this, &MainWindow::showVerseSelectorPanel);
    connect(m_bookmarkTab, &QToolButton::clicked, this, &MainWindow::showBookmarkPanel);
    connect(m_storyTab, &QToolButton::clicked, this, &MainWindow::showStoryPanel);
    connect(m_openPassage, &QToolButton::clicked, this, &MainWindow::openPassage);
    connect(m_nextChapter, &QToolButton::clicked, this, [this] {
        if (m_reading->chooseNextChapter())
            openPassage();
    });
    connect(m_previousChapter, &QToolButton::clicked, this, [this] {
        if (m_reading->choosePreviousChapter())
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
    m_wordsFromGod->setPlainText(QStringLiteral("\n") + QString(verse).replace(NewLine, QStringLiteral("\n")));
    fitWordsFromGod();
}

void MainWindow::fitWordsFromGod()
{
    if (m_wordsFromGod->toPlainText().isEmpty())
        return;
    // The box keeps its document margin all round and one more pixel for the caret and below the
    // last line.
    const int margin = int(std::ceil(m_wordsFromGod->document()->documentMargin()));
    const QSize inside = m_wordsFromGod->contentsRect().size() - QSize(2 * margin + 1, 2 * margin + 1);
    m_wordsFromGod->setFont(FontToFitVerse(m_wordsFromGodFont, m_wordsFromGod->toPlainText(), inside, 7.0));
}

void MainWindow::restoreLastPassage()
{
    // A saved passage that no longer fits the lists (a damaged options row) is dropped for the
    // first book of the first testament rather than ending the program.
    if (!m_selectors->choosePassage(LastPassage(options()))) {
        qCWarning(lcApp).noquote() << "The saved passage does not fit the lists; showing the first book";
        m_selectors->cboTestament->setCurrentIndex(-1);
        m_selectors->cboTestament->setCurrentIndex(0);
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
    m_reading->setVisible(true);
    m_results->setVisible(false);
    m_webPanel->hide();
}

void MainWindow::showResultsView()
{
    m_reading->setVisible(false);
    m_results->setVisible(true);
    m_webPanel->hide();
}

void MainWindow::hideRelatedBookmarks()
{
    m_relatedCaption->hide();
    m_related->hide();
}

void MainWindow::showOnlyPanel(QWidget* panel)
{
    for (QWidget* p : {m_verseSelectorPanel, static_cast<QWidget*>(m_bookmarkPanel), static_cast<QWidget*>(m_storyPanel)})
        p->setVisible(p == panel);
    panel->move(8, panel->y());
    markShownTab(panel);
    hideRelatedBookmarks();
    m_webPanel->hide();
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
    if (!SaveLastPassage(m_selectors->passage()))
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

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layoutControls();
}

} // namespace kivra
