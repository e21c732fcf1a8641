// Geometry on resize, tooltips, command buttons, web panel and links of the main window.
#include "app/MainWindow.h"

#include "app/MainLayout.h"
#include "app/WebPanel.h"
#include "app/AboutDialog.h"
#include "output/VerseExport.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/OptionsDialog.h"
#include "storage/Globals.h"

#include <QApplication>
#include <QComboBox>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace kivra {

void MainWindow::connectShell()
{
    setTitleStripPicture();
    QPalette heading = lblTopHeading->palette();
    heading.setColor(QPalette::WindowText, Qt::white);  // readable on the dark title strip
    lblTopHeading->setPalette(heading);

    // The print box of the old program: hidden, and its font is the one printing uses.
    rxtPrint = new QTextEdit(centralWidget());
    rxtPrint->setObjectName(QStringLiteral("rxtPrint"));
    QFont printFont(QStringLiteral("MS Sans Serif"));
    printFont.setStyleHint(QFont::SansSerif);
    printFont.setPointSizeF(8.5);
    rxtPrint->setFont(printFont);
    rxtPrint->setPlainText(QStringLiteral("Print"));
    rxtPrint->hide();

    lblDonate->setCursor(Qt::ArrowCursor);  // a caption only; the picture is the button
    auto* webLayout = new QVBoxLayout(wbrWebPanel);
    webLayout->setContentsMargins(0, 0, 0, 0);

    connect(imgSettings, &QToolButton::clicked, this, &MainWindow::imgSettings_Click);
    connect(imgAbout, &QToolButton::clicked, this, &MainWindow::imgAbout_Click);
    connect(imgWeb, &QToolButton::clicked, this, &MainWindow::imgWeb_Click);
    connect(imgPrint, &QToolButton::clicked, this, &MainWindow::PrintBibleVerse);
    connect(imgExportBibleVerse, &QToolButton::clicked, this, &MainWindow::ExportBibleVerse);
    connect(imgSupport, &QToolButton::clicked, this, [this] { OpenWebAddress(SupportPageAddress); });
    connect(imgDonate, &QToolButton::clicked, this, [this] { OpenWebAddress(DonationPageAddress); });
}

void MainWindow::setTitleStripPicture()
{
    // Drawn for the present width so the strip stays sharp instead of being stretched.
    const int width = std::max(imgTitleBar->width(), 1);
    if (width == titleStripWidth)
        return;
    titleStripWidth = width;
    imgTitleBar->setPixmap(windowPicture(QStringLiteral("title-strip"), QSize(width, imgTitleBar->height())));
}

void MainWindow::LayoutMainWindow()
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
        setDataGrid();  // refits the grid's columns to the new width
}

void MainWindow::SetMainWindowTooltips()
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
    imgExportBibleVerse->setToolTip(LoadResString(Caption::ExportPassageToRtf));
    // The clickable captions follow their pictures' tooltips by themselves; Donate's is only a caption.
    lblDonate->setToolTip(imgDonate->toolTip());
}

void MainWindow::imgSettings_Click()
{
    OptionsDialog window(this);
    connect(&window, &OptionsDialog::optionsSaved, this, [this] { ShowBibleText(false); });
    window.exec();
}

void MainWindow::imgAbout_Click()
{
    AboutDialog window(this);
    window.exec();
}

void MainWindow::imgWeb_Click()
{
    WaitCursor wait;
    if (!webView && !createWebView())
        return;  // the message is given; the view on screen stays as it was
    for (QWidget* w : {static_cast<QWidget*>(shpBibleText), static_cast<QWidget*>(txtBibleText),
                       static_cast<QWidget*>(shpSearchResults), static_cast<QWidget*>(dgdSearchResults),
                       static_cast<QWidget*>(shpSelectedVerse), static_cast<QWidget*>(txtSelectedSection)})
        w->hide();
    wbrWebPanel->show();
    OpenInWebView(webView, QUrl::fromLocalFile(WebPanelDefaultPage()));
    Pause(0.7);
    OpenInWebView(webView, QUrl(HomePageAddress));
}

bool MainWindow::createWebView()
{
    QString error;
    QWidget* view = CreateWebView(wbrWebPanel, WebPanelLibraryPath(), &error);
    if (!view) {
        ShowMessage(Message::WebPanelNotStarted, this, {error});
        return false;
    }
    view->setObjectName(QStringLiteral("wbrWebView"));
    wbrWebPanel->layout()->addWidget(view);
    webView = view;
    return true;
}

bool MainWindow::OpenWebAddress(const QString& address)
{
    if (interaction().openUrl(QUrl(address)))
        return true;
    ShowMessage(Message::WebPageNotOpened, this, {address});
    return false;
}

void MainWindow::ExportBibleVerse()
{
    WaitCursor wait;
    // Export always writes the passage of the six selectors, never the result list.
    imgRetrieveBible_Click();
    QApplication::processEvents();
    const QString name = ProposedRtfFileName(cboTestament->currentText(), cboBook->currentText(),
                                             cboFromChapter->currentText(), cboFromSection->currentText(),
                                             cboToChapter->currentText(), cboToSection->currentText());
    const QString path = AskRtfFileName(this, name, tr("Export Bible Verse"));
    if (!path.isEmpty())
        SaveDocumentAsRtf(*txtBibleText->document(), path, this);
}

void MainWindow::PrintBibleVerse()
{
    WaitCursor wait;
    fillPrintBox();
    PrintRichTextBox(rxtPrint, this, printHeading());
}

} // namespace kivra
