#pragma once
// The story panel of the main window: the story list, opening, creating, editing, copying and
// deleting a story, and the story exchange files.
#include "resources/Strings.h"
#include <QWidget>

class QLabel;
class QListWidget;
class QToolButton;

namespace kivra {

enum class StoryEditorMode;

class StoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit StoryPanel(QWidget* parent);

    // The list again from the database, the first entry selected.
    void reload();

signals:
    // A story was saved, copied or imported: the list is to be shown again.
    void storiesChanged();

private:
    // The selected story's number; 0 after telling the user (NoStories, or the operation's message).
    int selectedStoryNumber(Message noSelectionMessage);
    void openSelected();
    void createStory();
    void editSelected();
    void copySelected();
    void deleteSelected();
    void importFile();
    void exportSelected();
    void exportAll();
    void openEditor(StoryEditorMode mode, int storyNumber);
    void selectLast();

    QToolButton* m_open;
    QToolButton* m_create;
    QToolButton* m_edit;
    QToolButton* m_delete;
    QToolButton* m_copy;
    QToolButton* m_import;
    QToolButton* m_export;
    QToolButton* m_exportAll;
    QLabel* m_listCaption;
    QListWidget* m_list;
};

} // namespace kivra
