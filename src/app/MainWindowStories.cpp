// Story panel of the main window: the story list and the open, create, edit, copy and delete
// operations. The import and export buttons belong to the story exchange files.
#include "app/MainWindow.h"

#include "resources/Interaction.h"
#include "stories/StoryStore.h"
#include "stories/StoryEditor.h"
#include "stories/StoryViewer.h"

#include <QListWidget>
#include <QToolButton>

namespace kivra {

void MainWindow::connectStories()
{
    connect(imgBibleStory, &QToolButton::clicked, this, &MainWindow::imgBibleStory_Click);
    connect(imgRetrieveBibleStory, &QToolButton::clicked, this, &MainWindow::imgRetrieveBibleStory_Click);
    connect(lstBibleStory, &QListWidget::itemDoubleClicked, this, &MainWindow::imgRetrieveBibleStory_Click);
    connect(imgCreateBibleStory, &QToolButton::clicked, this, &MainWindow::imgCreateBibleStory_Click);
    connect(imgEditBibleStory, &QToolButton::clicked, this, &MainWindow::imgEditBibleStory_Click);
    connect(imgCopyBibleStory, &QToolButton::clicked, this, &MainWindow::imgCopyBibleStory_Click);
    connect(imgDeleteBibleStory, &QToolButton::clicked, this, &MainWindow::imgDeleteBibleStory_Click);
}

void MainWindow::imgBibleStory_Click()
{
    showOnlyPanel(picBibleStorySelector);
    showReadingView();
    lstBibleStory->clear();
    for (const StoryListEntry& entry : StoryListEntries()) {
        auto* item = new QListWidgetItem(entry.text, lstBibleStory);
        item->setData(Qt::UserRole, entry.number);
    }
    if (lstBibleStory->count() > 0)
        lstBibleStory->setCurrentRow(0);
}

int MainWindow::selectedStoryNumber(Message noSelectionMessage)
{
    if (lstBibleStory->count() == 0) {
        ShowMessage(Message::NoStories, this);
        return 0;
    }
    const QList<QListWidgetItem*> selected = lstBibleStory->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(noSelectionMessage, this);
        return 0;
    }
    return selected.first()->data(Qt::UserRole).toInt();
}

void MainWindow::imgRetrieveBibleStory_Click()
{
    const int number = selectedStoryNumber(Message::SelectStoryToOpen);
    if (number == 0)
        return;
    WaitCursor wait;
    OpenStoryViewer(number, this);
}

void MainWindow::imgCreateBibleStory_Click()
{
    OpenStoryEditor(AddStoryMode, 0, this);
}

void MainWindow::imgEditBibleStory_Click()
{
    const int number = selectedStoryNumber(Message::SelectStoryToEdit);
    if (number == 0)
        return;
    WaitCursor wait;
    OpenStoryEditor(EditStoryMode, number, this);
}

void MainWindow::imgCopyBibleStory_Click()
{
    const int number = selectedStoryNumber(Message::SelectStoryToCopy);
    if (number == 0)
        return;
    WaitCursor wait;
    const int copy = CopyStory(number);
    if (copy == 0) {
        ShowMessage(Message::StoryNotCopied, this);
        return;
    }
    imgBibleStory_Click();
    // The copy is stored already; the editor is there to rename it.
    OpenStoryEditor(EditStoryMode, copy, this);
}

void MainWindow::imgDeleteBibleStory_Click()
{
    const int number = selectedStoryNumber(Message::SelectStoryToDelete);
    if (number == 0)
        return;
    WaitCursor wait;
    if (!DeleteStory(number)) {
        ShowMessage(Message::StoryNotDeleted, this);
        return;
    }
    const int i = lstBibleStory->row(lstBibleStory->selectedItems().first());
    delete lstBibleStory->takeItem(i);
    lstBibleStory->clearSelection();
    if (i > 0 && i - 1 < lstBibleStory->count())
        lstBibleStory->setCurrentRow(i - 1);
    else if (i == 0 && lstBibleStory->count() > 0)
        lstBibleStory->setCurrentRow(0);
}

} // namespace kivra
