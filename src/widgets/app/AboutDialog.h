#pragma once
// The about window: the program's picture; a click anywhere closes it.
#include <QDialog>

class QLabel;

namespace kivra {

class ClickLabel;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* imgAbout;
    ClickLabel* lbClose;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kivra
