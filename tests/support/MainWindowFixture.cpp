#include "support/MainWindowFixture.h"

namespace kivra::test {

std::unique_ptr<MainWindow> OpenMainWindow(bool show)
{
    auto window = std::make_unique<MainWindow>();
    if (!window->load())
        return nullptr;
    if (show)
        window->show();
    window->restoreLastPassage();
    return window;
}

} // namespace kivra::test
