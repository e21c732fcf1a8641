#include "app/AboutDialog.h"

#include "resources/Icons.h"
#include "resources/Widgets.h"
#include "settings/ThemeColours.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace kivra {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Kivra! Bible"));
    setCursor(Qt::PointingHandCursor);

    imgAbout = new QLabel(this);
    imgAbout->setObjectName(QStringLiteral("imgAboutPicture"));
    const QPixmap picture = windowPicture(QStringLiteral("about"), QSize(450, 300));
    if (picture.isNull()) {
        imgAbout->setText(tr("Kivra! Bible 2.0"));
        imgAbout->setAlignment(Qt::AlignCenter);
    } else {
        imgAbout->setPixmap(picture);
    }
    // The picture only shows; its clicks reach the window.
    imgAbout->setAttribute(Qt::WA_TransparentForMouseEvents);

    lbClose = new ClickLabel(tr("Click here to close this window"), this);
    lbClose->setObjectName(QStringLiteral("lbClose"));
    lbClose->setAlignment(Qt::AlignCenter);
    // The caption lies on the foot of the picture; a longer one widens the window.
    FixHeight(lbClose, 20);
    imgAbout->setFixedSize(std::max(450, lbClose->sizeHint().width()), 300);
    auto* onPicture = new QVBoxLayout(imgAbout);
    onPicture->setContentsMargins(0, 272, 0, 8);
    onPicture->addWidget(lbClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imgAbout);
    connect(lbClose, &ClickLabel::clicked, this, &QDialog::accept);
    // The closing line lies on the picture, not on the theme's window colour.
    if (!picture.isNull()) {
        QPalette captionColours = lbClose->palette();
        captionColours.setColor(QPalette::WindowText, TextColourOn(AverageColour(picture.toImage(), lbClose->geometry())));
        lbClose->setPalette(captionColours);
    }
}

void AboutDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        accept();
    else
        QDialog::mouseReleaseEvent(event);
}

} // namespace kivra
