#pragma once
// The main window on a temporary program folder, loaded and with its last passage restored.
#include "app/MainWindow.h"
#include "reading/ReadingView.h"
#include "reading/SearchResultsView.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kivra::test {

// A control of a window by its objectName; the test fails when there is none.
template <typename T = QWidget> T* Child(const QObject& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(child) << "no " << name;
    return child;
}

// The six texts of the passage selectors, testament first.
QStringList ShownPassage(const QObject& window);

// Types text into the quick search box and presses Enter.
void Search(const QObject& window, const QString& text);

// nullptr when the window cannot load (the options row is missing).
std::unique_ptr<MainWindow> OpenMainWindow(bool show = false);

// A temporary program folder and a shown main window on it.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        window = OpenMainWindow(true);
        ASSERT_TRUE(window);
    }
    QWidget* child(const char* name) const { return window->findChild<QWidget*>(QLatin1String(name)); }
    void search(const QString& text) const { Search(*window, text); }

    TempProgramFolder folder;
    std::unique_ptr<MainWindow> window;
};

} // namespace kivra::test
