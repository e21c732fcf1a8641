#pragma once
// The story editor: name, parts chosen with the verse range selector, their order and notes, and the
// story's picture. Parts and notes are written as they change; order, name and picture on Save; the
// backup copy taken at opening makes Cancel possible.
#include "reading/VerseRangeSelector.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

namespace kivra {

class DataControl;
class PictureBox;

// A new story, or a stored one changed in place (with a backup for Cancel).
enum class StoryEditorMode { Add, Edit };

class StoryEditor : public QWidget {
    Q_OBJECT
public:
    // storyNumber is the story to edit; a new story takes the next free number with its first part.
    StoryEditor(StoryEditorMode mode, int storyNumber, QWidget* parent = nullptr);
    ~StoryEditor() override;

    // Loads the story once; showing the window runs it if the opener has not. False when the story
    // cannot be changed with Cancel still possible (its backup could not be written).
    bool load();
    bool isEditMode() const { return m_mode == StoryEditorMode::Edit; }
    int storyNumber() const { return m_storyNumber; }  // 0 for a new story until its first part
    const QString& picturePath() const { return m_picturePath; }

    void addSelectedVerses();
    void removeChosenPart();
    void moveChosenPartUp();
    void moveChosenPartDown();
    void showChosenPartNotes();
    void writeNotes();
    void browsePicture();
    void clearPicture();
    void save();
    void cancel();

    QLabel* imgTitleBar;
    QLabel* lblTopHeading;
    QLineEdit* txtBibleStoryName;
    VerseRangeSelector* verseSelector;
    QListWidget* lstBibleStoryPart;
    QPlainTextEdit* txtBibleStoryVerseNotes;
    DataControl* adoBibleVerse;
    PictureBox* imgBibleStoryThumbNail;
    QToolButton* imgBrowseBibleStoryPicture;
    QToolButton* imgClearBibleStoryPicture;
    QToolButton* imgSelectVerse;
    QToolButton* imgDeselectVerse;
    QToolButton* imgMoveUp;
    QToolButton* imgMoveDown;
    QToolButton* imgSaveBibleStory;
    QToolButton* imgCancelBibleStory;

signals:
    void storySaved();  // the story is stored; the window closes next

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectControls();
    void setTooltips();
    void loadParts();
    void showPlaceholder();
    void bindNotes(int index);
    void keepTypedNotes();
    void swapParts(int from, int to);
    QList<int> partIndexes() const;

    StoryEditorMode m_mode = StoryEditorMode::Add;
    int m_storyNumber = 0;
    QString m_picturePath;
    qint64 m_partCounter = 0;  // the next temporary part number
    bool m_loaded = false;
    bool m_loadedOk = false;
    QList<int> m_addedIndexes;  // the rows this editor wrote, all Cancel may remove of a new story
    int m_notesIndex = 0;        // Index of the part whose notes the box shows
    bool m_notesTyped = false;   // the box differs from what was last written
};

// A new editor, shown modeless; it deletes itself when closed. storyNumber is used in edit mode.
// nullptr, after saying so, when the story cannot be opened for changes.
StoryEditor* OpenStoryEditor(StoryEditorMode mode, int storyNumber, QWidget* owner);

} // namespace kivra
