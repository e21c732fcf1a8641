#include "stories/StoryPanel.h"

#include "bookmarks/ExchangeExport.h"
#include "resources/Accessibility.h"
#include "resources/Interaction.h"
#include "resources/Widgets.h"
#include "stories/StoryEditor.h"
#include "stories/StoryExchange.h"
#include "stories/StoryImportReport.h"
#include "stories/StoryStore.h"
#include "stories/StoryViewer.h"
#include "storage/Globals.h"

#include <QCoreApplication>
#include <QDate>
#include <QListWidget>
#include <QVBoxLayout>

namespace kivra {

StoryPanel::StoryPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picBibleStorySelector"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    for (auto [member, name] :
         {std::pair{&m_open, "imgRetrieveBibleStory"}, {&m_create, "imgCreateBibleStory"},
          {&m_edit, "imgEditBibleStory"}, {&m_delete, "imgDeleteBibleStory"}, {&m_copy, "imgCopyBibleStory"},
          {&m_import, "imgImportBibleStory"}, {&m_export, "imgExportBibleStory"},
          {&m_exportAll, "imgExportAllBibleStory"}}) {
        *member = MakeImageButton(this, QLatin1String(name), 28);
        buttons->addWidget(*member);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addSpacing(2);
    m_listCaption = FixHeight(Named(new QLabel(tr("Bible Story:")), "lblBibleStory"), 16);
    layout->addWidget(m_listCaption);
    m_list = Named(new QListWidget, "lstBibleStory");
    layout->addWidget(m_list, 1);
    LabelFor(m_listCaption, m_list);

    connect(m_open, &QToolButton::clicked, this, &StoryPanel::openSelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &StoryPanel::openSelected);
    connect(m_create, &QToolButton::clicked, this, &StoryPanel::createStory);
    connect(m_edit, &QToolButton::clicked, this, &StoryPanel::editSelected);
    connect(m_copy, &QToolButton::clicked, this, &StoryPanel::copySelected);
    connect(m_delete, &QToolButton::clicked, this, &StoryPanel::deleteSelected);
    connect(m_import, &QToolButton::clicked, this, &StoryPanel::importFile);
    connect(m_export, &QToolButton::clicked, this, &StoryPanel::exportSelected);
    connect(m_exportAll, &QToolButton::clicked, this, &StoryPanel::exportAll);
}

void StoryPanel::reload()
{
    m_list->clear();
    for (const StoryListEntry& entry : StoryListEntries()) {
        auto* item = new QListWidgetItem(entry.text, m_list);
        item->setData(Qt::UserRole, entry.number);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void StoryPanel::selectLast()
{
    if (m_list->count() > 0)
        m_list->setCurrentRow(m_list->count() - 1);
}

int StoryPanel::selectedStoryNumber(Message noSelectionMessage)
{
    if (m_list->count() == 0) {
        ShowMessage(Message::NoStories, window());
        return 0;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(noSelectionMessage, window());
        return 0;
    }
    return selected.first()->data(Qt::UserRole).toInt();
}

void StoryPanel::openSelected()
{
    const int number = selectedStoryNumber(Message::SelectStoryToOpen);
    if (number == 0)
        return;
    WaitCursor wait;
    OpenStoryViewer(number, window());
}

void StoryPanel::openEditor(StoryEditorMode mode, int storyNumber)
{
    StoryEditor* editor = OpenStoryEditor(mode, storyNumber, window());
    if (editor)
        connect(editor, &StoryEditor::storySaved, this, &StoryPanel::storiesChanged);
}

void StoryPanel::createStory()
{
    openEditor(StoryEditorMode::Add, 0);
}

void StoryPanel::editSelected()
{
    const int number = selectedStoryNumber(Message::SelectStoryToEdit);
    if (number == 0)
        return;
    WaitCursor wait;
    openEditor(StoryEditorMode::Edit, number);
}

void StoryPanel::copySelected()
{
    const int number = selectedStoryNumber(Message::SelectStoryToCopy);
    if (number == 0)
        return;
    WaitCursor wait;
    const int copy = CopyStory(number);
    if (copy == 0) {
        ShowMessage(Message::StoryNotCopied, window());
        return;
    }
    emit storiesChanged();
    // The copy is stored already; the editor is there to rename it.
    openEditor(StoryEditorMode::Edit, copy);
}

void StoryPanel::deleteSelected()
{
    const int number = selectedStoryNumber(Message::SelectStoryToDelete);
    if (number == 0)
        return;
    WaitCursor wait;
    if (!DeleteStory(number)) {
        ShowMessage(Message::StoryNotDeleted, window());
        return;
    }
    const int i = m_list->row(m_list->selectedItems().first());
    delete m_list->takeItem(i);
    m_list->clearSelection();
    if (i > 0 && i - 1 < m_list->count())
        m_list->setCurrentRow(i - 1);
    else if (i == 0 && m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void StoryPanel::importFile()
{
    const QString path =
        interaction().openFileName(window(), tr("Import Bible Story"), {}, QCoreApplication::translate("Exchange", StoryOpenFilter));
    if (path.isEmpty())
        return;
    StoryImport result;
    {
        WaitCursor wait;
        result = ImportStoryFile(StoryConnection(), path, ImageFolder(), QDate::currentDate());
    }
    ReportStoryImport(result, path, window());
    if (!result.ok)
        return;
    emit storiesChanged();
    selectLast();
}

void StoryPanel::exportSelected()
{
    if (m_list->count() == 0) {
        ShowMessage(Message::NoStories, window());
        return;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(Message::SelectStoryToExport, window());
        return;
    }
    const QString name = selected.first()->text().trimmed();
    const int storyNumber = selected.first()->data(Qt::UserRole).toInt();
    const QString path = AskExportPath(window(), tr("Export Bible Story"), name,
                                       QCoreApplication::translate("Exchange", StorySaveFilter),
                                       QStringLiteral("kbs"));
    if (path.isEmpty())
        return;
    QString error;
    WriteExchangeFileOrTell(window(), OneStoryTable(StoryConnection(), storyNumber, &error), path, error);
}

void StoryPanel::exportAll()
{
    if (m_list->count() == 0 || m_list->selectedItems().isEmpty()) {
        ShowMessage(Message::NoStories, window());
        return;
    }
    const QString path = AskExportPath(window(), tr("Export the Whole Bible Story List"), tr("All Bible Stories"),
                                       QCoreApplication::translate("Exchange", StorySaveFilter),
                                       QStringLiteral("kbs"));
    if (path.isEmpty())
        return;
    QString error;
    WriteExchangeFileOrTell(window(), AllStoriesTable(StoryConnection(), &error), path, error);
}

} // namespace kivra
