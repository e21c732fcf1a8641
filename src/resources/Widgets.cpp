#include "resources/Widgets.h"

#include "resources/Icons.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kivra {

QToolButton* MakeImageButton(QWidget* parent, const QString& objectName, int size)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setIcon(controlIcon(objectName));
    button->setIconSize(QSize(size - 4, size - 4));
    button->setFixedSize(size, size);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::forwardTo(QAbstractButton* button)
{
    connect(this, &ClickLabel::clicked, button, &QAbstractButton::click);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace kivra
