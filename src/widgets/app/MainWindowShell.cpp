// Geometry on resize, tooltips, command buttons, web panel and links of the main window.
#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/WebPanel.h"
#include "output/VerseExport.h"
#include "reading/ReadingView.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/OptionsDialog.h"
#include "settings/TextBoxOptions.h"
#include "settings/ThemeColours.h"
#include "storage/Globals.h"

#include <QApplication>
#include <QComboBox>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace kivra {

void MainWindow::connectShell()
{

    m_donateCaption->setCursor(Qt::ArrowCursor);  // a caption only; the picture is the button
    auto* webLayout = new QVBoxLayout(m_webPanel);
    webLayout->setContentsMargins(0, 0, 0, 0);

    connect(m_options, &QToolButton::clicked, this, &MainWindow::openOptions);
    connect(m_about, &QToolButton::clicked, this, &MainWindow::openAbout);
    connect(m_web, &QToolButton::clicked, this, &MainWindow::openWebPanel);
    connect(m_print, &QToolButton::clicked, this, &MainWindow::printVerses);
    connect(m_exportVerses, &QToolButton::clicked, this, &MainWindow::exportVerses);
    connect(m_support, &QToolButton::clicked, this, [this] { openWebAddress(SupportPageAddress); });
    connect(m_donate, &QToolButton::clicked, this, [this] { openWebAddress(DonationPageAddress); });
}

void MainWindow::setTooltips()
{
    static const struct {
        const char* control;
        Caption id;
    } tips[] = {
        {"imgAddFavourite", Caption::BookmarkVerse},
        {"imgAdvancedSearch", Caption::AdvancedSearch},
        {"imgClearSearch", Caption::ClearSearch},
        {"imgSettings", Caption::ConfigureSettings},
        {"imgSupport", Caption::TechnicalSupport},
        {"imgWeb", Caption::PrayOnline},
        {"imgPrint", Caption::PrintVerse},
        {"imgDonate", Caption::Donate},
        {"imgVerseSelector", Caption::LoadVerseSelector},
        {"imgBibleStory", Caption::LoadStorySelector},
        {"imgBookmark", Caption::LoadBookmarkList},
        {"imgRetrieveBible", Caption::OpenBible},
        {"imgPrevious", Caption::PreviousChapter},
        {"imgNext", Caption::NextChapter},
        {"imgRetrieveBibleStory", Caption::OpenStory},
        {"imgCreateBibleStory", Caption::CreateStory},
        {"imgEditBibleStory", Caption::EditStory},
        {"imgDeleteBibleStory", Caption::DeleteStory},
        {"imgCopyBibleStory", Caption::CopyStory},
        {"imgImportBibleStory", Caption::ImportStory},
        {"imgExportBibleStory", Caption::ExportStory},
        {"imgExportAllBibleStory", Caption::ExportAllStories},
        {"imgOpenBookmark", Caption::GoToBookmarkedVerse},
        {"imgEditBookmark", Caption::EditBookmark},
        {"imgDeleteBookmark", Caption::DeleteBookmark},
        {"imgImportBookmark", Caption::ImportBookmark},
        {"imgExportBookmark", Caption::ExportBookmark},
        {"imgExportAllBookmark", Caption::ExportAllBookmarks},
    };
    for (const auto& tip : tips)
        if (auto* control = findChild<QWidget*>(QLatin1String(tip.control)))
            control->setToolTip(LoadResString(tip.id));
    m_exportVerses->setToolTip(LoadResString(Caption::ExportPassageToRtf));
    // The clickable captions follow their pictures' tooltips by themselves; Donate's is only a caption.
    m_donateCaption->setToolTip(m_donate->toolTip());
}

void MainWindow::openOptions()
{
    OptionsDialog window(this);
    connect(&window, &OptionsDialog::optionsSaved, this, [this] { showPassage(false); });
    window.exec();
}

void MainWindow::openAbout()
{
    AboutDialog window(this);
    window.exec();
}

void MainWindow::openWebPanel()
{
    WaitCursor wait;
    if (!m_webView && !createWebView())
        return;  // the message is given; the view on screen stays as it was
    m_views->setCurrentWidget(m_webPanel->parentWidget());
    m_webPages->open(QUrl::fromLocalFile(WebPanelDefaultPage()), QUrl(HomePageAddress), 0.7);
}

bool MainWindow::createWebView()
{
    QString error;
    QWidget* view = CreateWebView(m_webPanel, WebPanelLibraryPath(), &error);
    if (!view) {
        ShowMessage(Message::WebPanelNotStarted, this, {error});
        return false;
    }
    view->setObjectName(QStringLiteral("wbrWebView"));
    m_webPanel->layout()->addWidget(view);
    m_webView = view;
    m_webPages = new WebPanelPages(view, tr("The prayer page cannot be reached. Check that this computer is "
                                            "connected to the internet, then click \"Pray\" again."));
    return true;
}

bool MainWindow::openWebAddress(const QString& address)
{
    if (interaction().openUrl(QUrl(address)))
        return true;
    ShowMessage(Message::WebPageNotOpened, this, {address});
    return false;
}

void MainWindow::exportVerses()
{
    WaitCursor wait;
    // Export always writes the passage of the six selectors, never the result list.
    openPassage();
    // A range that runs backwards shows nothing new: what the pane still shows is written, and named.
    const QString name = ProposedRtfFileName(m_reading->shownPassage().value_or(m_selectors->passage()));
    const QString path = AskRtfFileName(this, name, tr("Export Bible Verse"));
    if (path.isEmpty())
        return;
    // The file has the options' font and colour, whatever the zoom and the theme show.
    ApplyExportFormat(m_reading->textBox());
    SaveDocumentAsRtf(*m_reading->textBox()->document(), path, this);
    ApplyReadingFont(m_reading->textBox());
}

} // namespace kivra
