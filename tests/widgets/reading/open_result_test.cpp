// Opening a search result in its chapter: a double click or Enter on the row, as a user does it.
#include "storage/DataControl.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

namespace {

class OpenResult : public test::MainWindowTest {
protected:
    // Searches for text and clicks the first result, which then is the one selected.
    void searchAndClickTheFirst(const QString& text)
    {
        auto* box = Child<QLineEdit>(*window, "txtSearchString");
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_GE(window->searchResults()->rows()->recordCount(), 1);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, firstRow());
    }
    QTableView* grid() const { return Child<QTableView>(*window, "dgdSearchResults"); }
    QPoint firstRow() const { return grid()->visualRect(window->searchResults()->rows()->index(0, 5)).center(); }
    QTextEdit* pane() const { return Child<QTextEdit>(*window, "txtBibleText"); }
    QString selectedVerse() const { return pane()->textCursor().selectedText(); }
    bool selectionInView() const { return pane()->viewport()->rect().contains(pane()->cursorRect()); }
};

} // namespace

TEST_F(OpenResult, DoubleClickShowsTheWholeChapterWithTheVerseSelectedAndInView)
{
    searchAndClickTheFirst(QStringLiteral("lamp unto my feet"));
    // The second press of a double click, which the window system reports as a double click.
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, firstRow());

    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Psalms", "119", "1", "119", "176"}));
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Thy word is a lamp unto my feet")));
    EXPECT_FALSE(selectedVerse().contains(QStringLiteral("I have sworn")));  // the next verse is not selected
    // Verse 105 of 176 lies far below the top of the chapter: the pane has scrolled to it.
    EXPECT_GT(pane()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(selectionInView());
}

TEST_F(OpenResult, EnterOpensTheSelectedRowWhileAClickOnlySelectsIt)
{
    searchAndClickTheFirst(QStringLiteral("suffereth long"));
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);  // a click keeps the results
    QTest::keyClick(grid(), Qt::Key_Return);

    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "1 Corinthians", "13", "1", "13", "13"}));
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Charity suffereth long")));
    EXPECT_TRUE(selectionInView());

    // The verse selector tab keeps the chapter.
    const QString shown = pane()->toPlainText();
    QTest::mouseClick(Child<QToolButton>(*window, "imgVerseSelector"), Qt::LeftButton);
    EXPECT_EQ(pane()->toPlainText(), shown);
}

TEST_F(OpenResult, BackToResultsShowsTheSameResultsWithTheSameRowSelected)
{
    searchAndClickTheFirst(QStringLiteral("grace"));
    const int found = window->searchResults()->count();
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_EQ(window->viewMode(), ViewMode::Reader);
    auto* back = Child<QToolButton>(*window, "cmdBackToResults");
    ASSERT_TRUE(back->isVisible());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(window->searchResults()->count(), found);
    EXPECT_EQ(grid()->selectionModel()->selectedRows().value(0).row(), 1);

    QTest::keyClick(grid(), Qt::Key_Return);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(grid()->selectionModel()->selectedRows().value(0).row(), 1);
}
