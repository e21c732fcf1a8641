// Bookmark and story exchange files, from the main window's panels.
#include "app/MainWindow.h"

#include "bookmarks/BookmarkImportReport.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "stories/StoryImportReport.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace kivra {

void MainWindow::connectExchange()
{
    connect(imgExportBookmark, &QToolButton::clicked, this, &MainWindow::ExportBookmark);
    connect(imgExportAllBookmark, &QToolButton::clicked, this, &MainWindow::ExportAllBookmarks);
    connect(imgImportBookmark, &QToolButton::clicked, this, &MainWindow::ImportBookmarks);
    connect(imgExportBibleStory, &QToolButton::clicked, this, &MainWindow::imgExportBibleStory_Click);
    connect(imgExportAllBibleStory, &QToolButton::clicked, this, &MainWindow::imgExportAllBibleStory_Click);
    connect(imgImportBibleStory, &QToolButton::clicked, this, &MainWindow::imgImportBibleStory_Click);
}

QString MainWindow::askExportPath(const QString& title, const QString& initialName, const QString& filter)
{
    const QString path = interaction().saveFileName(this, title, initialName, filter);
    if (path.isEmpty())
        return {};
    if (QFileInfo::exists(path) && !interaction().ask({}, LoadResString(Message::ReplaceExchangeFile).arg(path), this))
        return {};
    return path;
}

bool MainWindow::writeExchangeFile(const std::optional<TableGram>& table, const QString& path, const QString& error)
{
    QString why = error;
    ExportOutcome outcome = ExportOutcome::Failed;
    {
        WaitCursor wait;
        if (table)
            outcome = WriteExchangeTable(*table, path, &why);
    }
    if (outcome == ExportOutcome::Failed)
        ShowMessage(Message::ExchangeFileNotWritten, this, {path, why});
    return outcome == ExportOutcome::Written;
}

void MainWindow::ExportBookmark()
{
    if (lstBookmark->count() == 0) {
        ShowMessage(Message::NoBookmarks, this);
        return;
    }
    const QList<QListWidgetItem*> selected = lstBookmark->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(Message::SelectBookmarkToExport, this);
        return;
    }
    const int index = selected.first()->data(Qt::UserRole).toInt();
    const QString path = askExportPath(tr("Export Bookmark"), {}, BookmarkFileFilter);
    if (path.isEmpty())
        return;
    QString error;
    // A bookmark that links to nothing gives no file.
    writeExchangeFile(LinkedBookmarksTable(OptionsConnection(), index, &error), path, error);
}

void MainWindow::ExportAllBookmarks()
{
    if (lstBookmark->count() == 0 || lstBookmark->selectedItems().isEmpty()) {
        ShowMessage(Message::NoBookmarks, this);
        return;
    }
    const QString path = askExportPath(tr("Export the Whole Bookmark List"), QStringLiteral("All Bookmarks"),
                                       BookmarkFileFilter);
    if (path.isEmpty())
        return;
    QString error;
    writeExchangeFile(AllBookmarksTable(OptionsConnection(), &error), path, error);
}

void MainWindow::ImportBookmarks()
{
    const QString path = interaction().openFileName(this, tr("Import Bookmark"), {}, BookmarkFileFilter);
    if (path.isEmpty())
        return;
    BookmarkImport result;
    {
        WaitCursor wait;
        result = ImportBookmarkFile(OptionsConnection(), path);
    }
    ReportBookmarkImport(result, path, this);
    if (!result.ok)
        return;
    showOnlyPanel(picBookmark);
    LoadBookmarkList();
    if (lstBookmark->count() > 0)
        lstBookmark->setCurrentRow(lstBookmark->count() - 1);
}

void MainWindow::imgExportBibleStory_Click()
{
    if (lstBibleStory->count() == 0) {
        ShowMessage(Message::NoStories, this);
        return;
    }
    const QList<QListWidgetItem*> selected = lstBibleStory->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(Message::SelectStoryToExport, this);
        return;
    }
    const QString name = selected.first()->text().trimmed();
    const int storyNumber = selected.first()->data(Qt::UserRole).toInt();
    const QString path = askExportPath(tr("Export Bible Story"), name, StorySaveFilter);
    if (path.isEmpty())
        return;
    QString error;
    writeExchangeFile(OneStoryTable(StoryConnection(), storyNumber, &error), path, error);
}

void MainWindow::imgExportAllBibleStory_Click()
{
    if (lstBibleStory->count() == 0 || lstBibleStory->selectedItems().isEmpty()) {
        ShowMessage(Message::NoStories, this);
        return;
    }
    const QString path = askExportPath(tr("Export the Whole Bible Story List"),
                                       QStringLiteral("All Bible Stories"), StorySaveFilter);
    if (path.isEmpty())
        return;
    QString error;
    writeExchangeFile(AllStoriesTable(StoryConnection(), &error), path, error);
}

void MainWindow::imgImportBibleStory_Click()
{
    const QString path = interaction().openFileName(this, tr("Import Bible Story"), {}, StoryOpenFilter);
    if (path.isEmpty())
        return;
    StoryImport result;
    {
        WaitCursor wait;
        result = ImportStoryFile(StoryConnection(), path, ImageFolder(), QDate::currentDate());
    }
    ReportStoryImport(result, path, this);
    if (!result.ok)
        return;
    imgBibleStory_Click();
    if (lstBibleStory->count() > 0)
        lstBibleStory->setCurrentRow(lstBibleStory->count() - 1);
}

} // namespace kivra
