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

inline const QString AddStoryMode = QStringLiteral("add_bible_story");
inline const QString EditStoryMode = QStringLiteral("edit_bible_story");

class StoryEditor : public QWidget, public PassageSelectors {
    Q_OBJECT
public:
    explicit StoryEditor(QWidget* parent = nullptr);
    ~StoryEditor() override;

    QString mstrBibleStoryMode;           // set by the opener
    int mlngBibleStoryNumber = 0;         // set by the opener in edit mode
    QString mstrBibleStoryImagePath;
    qint64 mlngBibleStoryPartCounter = 0;

    // Loads the story once; showing the window runs it if the opener has not.
    void Form_Load();
    bool isEditMode() const;

    void imgSelectVerse_Click();
    void imgDeselectVerse_Click();
    void imgMoveUp_Click();
    void imgMoveDown_Click();
    void lstBibleStoryPart_Click();
    void txtBibleStoryVerseNotes_Enter();
    void imgBrowseBibleStoryPicture_Click();
    void imgClearBibleStoryPicture_Click();
    void imgSaveBibleStory_Click();
    void imgCancelBibleStory_Click();

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
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPictureAndNotes();
    void connectControls();
    void setTooltips();
    void loadParts();
    void showPlaceholder();
    void bindNotes(int index);
    void keepTypedNotes();
    void swapParts(int from, int to);
    QList<int> partIndexes() const;

    bool m_loaded = false;
    bool m_reserved = false;
    int m_notesIndex = 0;        // Index of the part whose notes the box shows
    bool m_notesTyped = false;   // the box differs from what was last written
};

// A new editor, shown modeless; it deletes itself when closed. storyNumber is used in edit mode.
StoryEditor* OpenStoryEditor(const QString& mode, int storyNumber, QWidget* owner);

} // namespace kivra
