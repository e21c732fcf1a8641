#include "app/SplashScreen.h"

#include "resources/Icons.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace kivra {

SplashScreen::SplashScreen(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplash"));
    const QPixmap pixmap = windowPicture(QStringLiteral("splash"), QSize(480, 300));
    if (pixmap.isNull()) {
        picture->setText(tr("Kivra! Bible 2.0"));
        picture->setAlignment(Qt::AlignCenter);
        picture->setMinimumSize(480, 300);
    } else {
        picture->setPixmap(pixmap);
    }
    layout->addWidget(picture);
    adjustSize();
    // A splash window gets no placement from the window manager: centre it ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace kivra
