#pragma once
// Small widgets the windows share: image buttons and caption labels that act like their buttons.
#include <QLabel>
#include <QToolButton>

namespace kivra {

// A flat button showing the icon of objectName at the given size.
QToolButton* MakeImageButton(QWidget* parent, const QString& objectName, int size = 24);

// A label that reports clicks, for captions that forward to their image button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
    // The label forwards each click to button (and copies its tooltip when it has one).
    void forwardTo(QAbstractButton* button);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A label given keyboard focus (a link-like caption) also acts on Space and Enter.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kivra
