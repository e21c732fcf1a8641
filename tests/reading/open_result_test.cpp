// Opening a search result in its chapter: a double click or Enter on the row, as a user does it.
#include "storage/DataControl.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
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
    void search(const QString& text)
    {
        Child<QLineEdit>(*window, "txtSearchString")->clear();
        QTest::keyClicks(Child<QLineEdit>(*window, "txtSearchString"), text);
        QTest::keyClick(Child<QLineEdit>(*window, "txtSearchString"), Qt::Key_Return);
    }
    QPoint rowCentre(int row) const
    {
        return Child<QTableView>(*window, "dgdSearchResults")->visualRect(Child<DataControl>(*window, "adoBible")->index(row, 5)).center();
    }
    QStringList selectors() const
    {
        return {Child<QComboBox>(*window, "cboTestament")->currentText(),  Child<QComboBox>(*window, "cboBook")->currentText(),
                Child<QComboBox>(*window, "cboFromChapter")->currentText(), Child<QComboBox>(*window, "cboFromSection")->currentText(),
                Child<QComboBox>(*window, "cboToChapter")->currentText(),   Child<QComboBox>(*window, "cboToSection")->currentText()};
    }
    QString selectedVerse() const { return Child<QTextEdit>(*window, "txtBibleText")->textCursor().selectedText(); }
    bool selectionInView() const
    {
        return Child<QTextEdit>(*window, "txtBibleText")->viewport()->rect().contains(Child<QTextEdit>(*window, "txtBibleText")->cursorRect());
    }
};

} // namespace

TEST_F(OpenResult, DoubleClickShowsTheWholeChapterWithTheVerseSelectedAndInView)
{
    search(QStringLiteral("lamp unto my feet"));
    ASSERT_EQ(Child<DataControl>(*window, "adoBible")->recordCount(), 1);
    // A double click is a click and then the second press, which the window system reports as a double click.
    QTest::mouseClick(Child<QTableView>(*window, "dgdSearchResults")->viewport(), Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseDClick(Child<QTableView>(*window, "dgdSearchResults")->viewport(), Qt::LeftButton, {}, rowCentre(0));

    EXPECT_EQ(selectors(), (QStringList{"Old Testament", "Psalms", "119", "1", "119", "176"}));
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(Child<QTextEdit>(*window, "txtBibleText")->isVisible());
    EXPECT_FALSE(Child<QTableView>(*window, "dgdSearchResults")->isVisible());
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Thy word is a lamp unto my feet")));
    EXPECT_FALSE(selectedVerse().contains(QStringLiteral("I have sworn")));  // the next verse is not selected
    // Verse 105 of 176 lies far below the top of the chapter: the pane has scrolled to it.
    EXPECT_GT(Child<QTextEdit>(*window, "txtBibleText")->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(selectionInView());
}

TEST_F(OpenResult, EnterOpensTheSelectedRowWhileAClickOnlySelectsIt)
{
    search(QStringLiteral("suffereth long"));
    ASSERT_GE(Child<DataControl>(*window, "adoBible")->recordCount(), 1);
    QTest::mouseClick(Child<QTableView>(*window, "dgdSearchResults")->viewport(), Qt::LeftButton, {}, rowCentre(0));
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);  // a click keeps the results
    QTest::keyClick(Child<QTableView>(*window, "dgdSearchResults"), Qt::Key_Return);

    EXPECT_EQ(selectors(), (QStringList{"New Testament", "1 Corinthians", "13", "1", "13", "13"}));
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Charity suffereth long")));
    EXPECT_TRUE(selectionInView());

    // Clear Search while reading does nothing, as before; the verse selector tab keeps the chapter.
    const QString shown = Child<QTextEdit>(*window, "txtBibleText")->toPlainText();
    QTest::mouseClick(Child<QToolButton>(*window, "imgClearSearch"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(*window, "imgVerseSelector"), Qt::LeftButton);
    EXPECT_EQ(Child<QTextEdit>(*window, "txtBibleText")->toPlainText(), shown);
    EXPECT_EQ(selectors()[1], QStringLiteral("1 Corinthians"));
}
