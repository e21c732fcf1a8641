#pragma once
#include <QWidget>

namespace kivra {
// The first window: shown while the main window loads.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);
};
} // namespace kivra
