#include "support/MainWindowFixture.h"

#include <QComboBox>

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

QStringList ShownPassage(const QObject& window)
{
    QStringList texts;
    for (const char* name : {"cboTestament", "cboBook", "cboFromChapter", "cboFromSection", "cboToChapter", "cboToSection"})
        texts << Child<QComboBox>(window, name)->currentText();
    return texts;
}

} // namespace kivra::test
