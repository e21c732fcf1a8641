#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

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

void Search(const QObject& window, const QString& text)
{
    auto* box = Child<QLineEdit>(window, "txtSearchString");
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

QStringList ShownPassage(const QObject& window)
{
    QStringList texts;
    for (const char* name : {"cboTestament", "cboBook", "cboFromChapter", "cboFromSection", "cboToChapter", "cboToSection"})
        texts << Child<QComboBox>(window, name)->currentText();
    return texts;
}

} // namespace kivra::test
