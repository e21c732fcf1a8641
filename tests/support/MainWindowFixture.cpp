#include "support/MainWindowFixture.h"

namespace kivra::test {

std::unique_ptr<MainWindow> OpenMainWindow(bool show)
{
    auto window = std::make_unique<MainWindow>();
    if (!window->Form_Load())
        return nullptr;
    if (show)
        window->show();
    window->RestoreLastPassage();
    return window;
}

} // namespace kivra::test
