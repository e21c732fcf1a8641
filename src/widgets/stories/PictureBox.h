#pragma once
#include "stories/StoryPicture.h"

#include <QLabel>

namespace kivra {

// A label that shows a StoryPicture scaled to fit its own size, following resizes.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const StoryPicture& picture);
    void clearPicture();
    const StoryPicture& picture() const { return m_picture; }
    QString sourcePath;  // the file last shown, for tests and the curious

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();
    StoryPicture m_picture;
};

// Shows the picture at path; a missing or unreadable file shows notFoundPicture instead.
// Returns how the named file itself loaded.
PictureLoad ShowPictureFile(PictureBox* box, const QString& path, const QString& notFoundPicture);

} // namespace kivra
