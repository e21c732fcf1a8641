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

using namespace kivra;

namespace {

class OpenResult : public test::MainWindowTest {
protected:
    void search(const QString& text)
    {
        window->txtSearchString->clear();
        QTest::keyClicks(window->txtSearchString, text);
        QTest::keyClick(window->txtSearchString, Qt::Key_Return);
    }
    QPoint rowCentre(int row) const
    {
        return window->dgdSearchResults->visualRect(window->adoBible->index(row, 5)).center();
    }
    QStringList selectors() const
    {
        return {window->cboTestament->currentText(),  window->cboBook->currentText(),
                window->cboFromChapter->currentText(), window->cboFromSection->currentText(),
                window->cboToChapter->currentText(),   window->cboToSection->currentText()};
    }
    QString selectedVerse() const { return window->txtBibleText->textCursor().selectedText(); }
    bool selectionInView() const
    {
        return window->txtBibleText->viewport()->rect().contains(window->txtBibleText->cursorRect());
    }
};

} // namespace

TEST_F(OpenResult, DoubleClickShowsTheWholeChapterWithTheVerseSelectedAndInView)
{
    search(QStringLiteral("lamp unto my feet"));
    ASSERT_EQ(window->adoBible->recordCount(), 1);
    // A double click is a click and then the second press, which the window system reports as a double click.
    QTest::mouseClick(window->dgdSearchResults->viewport(), Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseDClick(window->dgdSearchResults->viewport(), Qt::LeftButton, {}, rowCentre(0));

    EXPECT_EQ(selectors(), (QStringList{"Old Testament", "Psalms", "119", "1", "119", "176"}));
    EXPECT_EQ(window->ViewMode, QStringLiteral("Reader"));
    EXPECT_TRUE(window->txtBibleText->isVisible());
    EXPECT_FALSE(window->dgdSearchResults->isVisible());
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Thy word is a lamp unto my feet")));
    EXPECT_FALSE(selectedVerse().contains(QStringLiteral("I have sworn")));  // the next verse is not selected
    // Verse 105 of 176 lies far below the top of the chapter: the pane has scrolled to it.
    EXPECT_GT(window->txtBibleText->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(selectionInView());
}

TEST_F(OpenResult, EnterOpensTheSelectedRowWhileAClickOnlySelectsIt)
{
    search(QStringLiteral("suffereth long"));
    ASSERT_GE(window->adoBible->recordCount(), 1);
    QTest::mouseClick(window->dgdSearchResults->viewport(), Qt::LeftButton, {}, rowCentre(0));
    EXPECT_EQ(window->ViewMode, QStringLiteral("Searcher"));  // a click keeps the results
    QTest::keyClick(window->dgdSearchResults, Qt::Key_Return);

    EXPECT_EQ(selectors(), (QStringList{"New Testament", "1 Corinthians", "13", "1", "13", "13"}));
    EXPECT_TRUE(selectedVerse().startsWith(QStringLiteral("Charity suffereth long")));
    EXPECT_TRUE(selectionInView());

    // Clear Search while reading does nothing, as before; the verse selector tab keeps the chapter.
    const QString shown = window->txtBibleText->toPlainText();
    QTest::mouseClick(window->imgClearSearch, Qt::LeftButton);
    QTest::mouseClick(window->imgVerseSelector, Qt::LeftButton);
    EXPECT_EQ(window->txtBibleText->toPlainText(), shown);
    EXPECT_EQ(selectors()[1], QStringLiteral("1 Corinthians"));
}
