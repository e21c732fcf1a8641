#pragma once
// The story viewer: every part of one story under its heading, the notes of all parts and the
// story's picture. Read only; a new window for every opening.
#include <QWidget>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QTextEdit;
class QToolButton;

namespace kivra {

class PictureBox;

class StoryViewer : public QWidget {
    Q_OBJECT
public:
    explicit StoryViewer(int storyNumber, QWidget* parent = nullptr);

    int storyNumber() const { return m_storyNumber; }
    // Builds the whole content once; showing the window runs it if the opener has not.
    void load();

    QLabel* imgTitleBar;
    QLabel* lblTopHeading;
    QLabel* lblStoryVerse;
    QFrame* shpBibleStoryText;
    QTextEdit* rxtBibleStoryText;
    QLabel* lblStoryNotes;
    QFrame* shpNotes;
    QPlainTextEdit* txtNotes;
    QLabel* lblStoryPicture;
    QFrame* picBibleStory;
    PictureBox* imgBibleStoryImage;
    QToolButton* imgCloseBibleStory;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_storyNumber = 0;
    bool m_loaded = false;
};

// A new viewer on the story, shown modeless; it deletes itself when closed.
StoryViewer* OpenStoryViewer(int storyNumber, QWidget* owner);

} // namespace kivra
