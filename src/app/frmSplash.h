#pragma once
#include <QWidget>

namespace kivra {
// The first window: shown while the main window loads.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
};
} // namespace kivra
