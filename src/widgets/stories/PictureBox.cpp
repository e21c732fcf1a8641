#include "stories/PictureBox.h"

namespace kivra {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void PictureBox::setPicture(const StoryPicture& picture)
{
    m_picture = picture;
    redraw();
}

void PictureBox::clearPicture()
{
    m_picture = StoryPicture();
    sourcePath.clear();
    clear();
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    redraw();
}

void PictureBox::redraw()
{
    const QImage image = m_picture.render(contentsRect().size());
    if (image.isNull())
        clear();
    else
        setPixmap(QPixmap::fromImage(image));
}

PictureLoad ShowPictureFile(PictureBox* box, const QString& path, const QString& notFoundPicture)
{
    PictureLoad outcome = PictureLoad::Missing;
    StoryPicture picture = StoryPicture::fromFile(path, &outcome);
    if (outcome == PictureLoad::Loaded) {
        box->setPicture(picture);
        box->sourcePath = path;
    } else {
        box->setPicture(StoryPicture::fromFile(notFoundPicture));
        box->sourcePath = notFoundPicture;
    }
    return outcome;
}

} // namespace kivra
