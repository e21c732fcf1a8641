// Geometry on resize, tooltips, command buttons, web panel and links of the main window.
#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/MainLayout.h"
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
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace kivra {

void MainWindow::connectShell()
{
    setTitleStripPicture();

    // The print box of the old program: hidden, and its font is the one printing uses.
    m_printBox = new QTextEdit(centralWidget());
    m_printBox->setObjectName(QStringLiteral("rxtPrint"));
    QFont printFont(QStringLiteral("MS Sans Serif"));
    printFont.setStyleHint(QFont::SansSerif);
    printFont.setPointSizeF(8.5);
    m_printBox->setFont(printFont);
    m_printBox->setPlainText(QStringLiteral("Print"));
    m_printBox->hide();

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

void MainWindow::setTitleStripPicture()
{
    // Drawn for the present width so the strip stays sharp instead of being stretched.
    const int width = std::max(m_titleStrip->width(), 1);
    if (width == m_titleStripWidth)
        return;
    m_titleStripWidth = width;
    const QPixmap strip = windowPicture(QStringLiteral("title-strip"), QSize(width, m_titleStrip->height()));
    m_titleStrip->setPixmap(strip);
    // The heading lies on the strip: its colour is the one that reads on the strip's.
    const QRect behindHeading = m_heading->geometry().translated(-m_titleStrip->pos());
    QPalette heading = m_heading->palette();
    heading.setColor(QPalette::WindowText, TextColourOn(AverageColour(strip.toImage(), behindHeading)));
    m_heading->setPalette(heading);
}

void MainWindow::layoutControls()
{
    // The window has no menu or status bar of its own: its inner size is the client area. Where the
    // window system makes it smaller than its minimum (no window manager), the layout stays that of
    // the minimum and the window shows part of it.
    const QSize inner = size().expandedTo(minimumSize());
    const MainLayout layout = LayoutMainWindowGeometry(inner.width(), inner.height());
    for (const LayoutAssignment& a : layout.assignments) {
        auto* control = findChild<QWidget*>(a.control);
        if (!control)
            continue;
        QRect rect = control->geometry();
        ApplyAssignment(rect, a.property, a.value);
        control->setGeometry(rect);
    }
    setTitleStripPicture();
    fitWordsFromGod();  // its box changes height with the window
    if (layout.complete)
        fitResultColumns();  // refits the grid's columns to the new width
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
    m_reading->setVisible(false);
    m_results->setVisible(false);
    m_webPanel->show();
    OpenInWebView(m_webView, QUrl::fromLocalFile(WebPanelDefaultPage()));
    Pause(0.7);
    OpenInWebView(m_webView, QUrl(HomePageAddress));
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
    QApplication::processEvents();
    const QString name = ProposedRtfFileName(m_selectors->passage());
    const QString path = AskRtfFileName(this, name, tr("Export Bible Verse"));
    if (path.isEmpty())
        return;
    // The file has the options' font and colour, whatever the zoom and the theme show.
    ApplyExportFormat(m_reading->textBox());
    SaveDocumentAsRtf(*m_reading->textBox()->document(), path, this);
    ApplyReadingFont(m_reading->textBox());
}

} // namespace kivra
