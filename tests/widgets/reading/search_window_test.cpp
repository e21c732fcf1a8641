// The quick search, the results grid and the advanced search window, driven through the real widgets.
#include "app/MainWindow.h"
#include "reading/AdvancedSearchDialog.h"
#include "reading/MatchDelegate.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Strings.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"
#include "support/BookmarkTestData.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"
#include "support/WholeWords.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

namespace {

class SearchWindow : public test::MainWindowTest {
protected:
    // Runs fill on the advanced search window opened from its button.
    void advancedSearch(std::function<void(AdvancedSearchDialog&)> fill)
    {
        const auto modals = test::RunOnModals({{"kivra::AdvancedSearchDialog",
                            [fill](QWidget* dialog) { fill(*static_cast<AdvancedSearchDialog*>(dialog)); }}});
        QTest::mouseClick(Child<QToolButton>(*window, "imgAdvancedSearch"), Qt::LeftButton);
    }
    QString status() const { return Child<QLabel>(*window, "stbPanel1")->text(); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& i : grid()->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    void key(Qt::Key k) { QTest::keyClick(grid(), k); }
    QLineEdit* searchBox() const { return Child<QLineEdit>(*window, "txtSearchString"); }
    QTableView* grid() const { return Child<QTableView>(*window, "dgdSearchResults"); }
    QTextEdit* selectedVerse() const { return Child<QTextEdit>(*window, "txtSelectedSection"); }
    QTextEdit* pane() const { return Child<QTextEdit>(*window, "txtBibleText"); }
    QString selectedInPane() const { return pane()->textCursor().selectedText(); }
    bool selectionInView() const { return pane()->viewport()->rect().contains(pane()->cursorRect()); }
    QPoint firstRow() const { return grid()->visualRect(rows()->index(0, 5)).center(); }
    // Types text into the search box, presses Enter and clicks the first result.
    void searchAndClickTheFirst(const QString& text)
    {
        searchBox()->clear();
        QTest::keyClicks(searchBox(), text);
        QTest::keyClick(searchBox(), Qt::Key_Return);
        ASSERT_GE(rows()->recordCount(), 1);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, firstRow());
    }
    QString notes() const { return Child<QPlainTextEdit>(*window, "txtNotes")->toPlainText(); }
    DataControl* rows() const { return window->searchResults()->rows(); }
    int currentRow() const { return grid()->selectionModel()->currentIndex().row(); }
    QString currentReference() const
    {
        return rows()->currentText(QStringLiteral("BookAbbreviation")) + u' '
               + rows()->currentText(QStringLiteral("Chapter")) + u':'
               + rows()->currentText(QStringLiteral("Sections"));
    }
};

TEST_F(SearchWindow, EnterSearchesTrimmedWordsAndAnEmptyBoxDoesNothing)
{
    // The prompt reads from its start and a click selects it for typing over.
    EXPECT_EQ(searchBox()->cursorPosition(), 0);
    QTest::mouseClick(searchBox(), Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(searchBox()->selectedText(), LoadResString(Caption::SearchPrompt));

    search(QString());
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_FALSE(grid()->isVisible());

    search(QStringLiteral("  grace "));
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_TRUE(selectedVerse()->isVisible());
    EXPECT_FALSE(child("txtBibleText")->isVisible());
    EXPECT_EQ(status(), QStringLiteral("160 verses found"));
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 6:8"));
    EXPECT_EQ(selectedVerse()->toPlainText(), QStringLiteral("But Noah found grace in the eyes of the LORD."));
    EXPECT_EQ(searchBox()->selectedText(), QStringLiteral("  grace "));
    EXPECT_TRUE(grid()->isColumnHidden(0));  // the record number is not for reading

    const std::pair<QString, QString> found[] = {
        {QStringLiteral("Jesus wept"), QStringLiteral("1 verse found")},
        {LoadResString(Caption::SearchPrompt), QStringLiteral("0 verse found")},  // the prompt is searched as typed
        {QStringLiteral("   "), QStringLiteral("31102 verses found")},
        {QStringLiteral("\"grace\""), QStringLiteral("0 verse found")},  // a quote, not a broken statement
    };
    for (const auto& [words, says] : found) {
        search(words);
        EXPECT_EQ(status(), says) << words.toStdString();
    }
    EXPECT_TRUE(selectedVerse()->toPlainText().isEmpty());
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(SearchWindow, TheBookCellsTooltipNamesTheBook)
{
    search(QStringLiteral("Hannah"));
    ASSERT_EQ(rows()->data(rows()->index(0, 2)).toString(), QStringLiteral("1Sam"));
    QWidget* viewport = grid()->viewport();
    const QPoint at = grid()->visualRect(rows()->index(0, 2)).center();
    QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("1 Samuel"));
}

TEST_F(SearchWindow, KeysAndClicksMoveOneRecordWithItsNotesAndStopAtBothEndsAndBelowTheLastRow)
{
    // Notes show for the one-verse bookmark only, not for a range holding the verse.
    const QString genesis = QStringLiteral("Genesis");
    ASSERT_TRUE(test::AddBookmark(test::Range(genesis, 6, 8, 6, 8, QStringLiteral("1001"), QStringLiteral("Noah and grace"))));
    ASSERT_TRUE(test::AddBookmark(test::Range(genesis, 19, 1, 19, 30, QStringLiteral("1002"), QStringLiteral("Lot flees"))));
    QAbstractItemModelTester modelCheck(rows(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    search(QStringLiteral("Jesus wept"));
    key(Qt::Key_Down);  // a single result: nowhere to go
    EXPECT_EQ(currentRow(), 0);
    const QRect only = grid()->visualRect(rows()->index(0, 5));  // a click below it changes nothing
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, only.center() + QPoint(0, 3 * only.height()));
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_TRUE(window->searchResults()->hasSelectedResult());

    search(QStringLiteral("grace"));
    EXPECT_EQ(notes(), QStringLiteral("Noah and grace"));
    key(Qt::Key_Up);
    EXPECT_EQ(currentRow(), 0);
    key(Qt::Key_Down);
    EXPECT_EQ(selectedRows(), QList<int>({1}));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 19:19"));
    EXPECT_TRUE(notes().isEmpty());
    key(Qt::Key_End);
    EXPECT_EQ(currentReference(), QStringLiteral("Rev 22:21"));
    key(Qt::Key_Down);
    EXPECT_EQ(currentRow(), 159);
    key(Qt::Key_Up);
    EXPECT_EQ(currentRow(), 158);
    key(Qt::Key_Home);
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_EQ(notes(), QStringLiteral("Noah and grace"));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(rows()->index(3, 5)).center());
    EXPECT_EQ(selectedRows(), QList<int>({3}));
    EXPECT_EQ(selectedVerse()->toPlainText(), grid()->currentIndex().siblingAtColumn(5).data().toString());
}

TEST_F(SearchWindow, TheVerseUnderTheGridShowsItsFirstMatch)
{
    search(QStringLiteral("an hundred twenty and seven provinces"));
    ASSERT_EQ(currentReference(), QStringLiteral("Esth 8:9"));
    QTextCursor match = selectedVerse()->extraSelections().value(0).cursor;
    match.setPosition(match.selectionStart());
    EXPECT_TRUE(selectedVerse()->viewport()->rect().contains(selectedVerse()->cursorRect(match)));
}

TEST_F(SearchWindow, ClearSearchReturnsToThePassageOnlyFromResults)
{
    searchBox()->setText(QStringLiteral("typed"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgClearSearch"), Qt::LeftButton);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("typed"));  // reading: nothing happens

    search(QStringLiteral("grace"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgClearSearch"), Qt::LeftButton);
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_EQ(searchBox()->text(), LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(searchBox()->cursorPosition(), 0);
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(window->readingView()->text().startsWith(QStringLiteral("In the beginning")));
}

TEST_F(SearchWindow, AdvancedWindowSearchesTheRangeAndCancelChangesNothing)
{
    advancedSearch([](AdvancedSearchDialog& dialog) {
        EXPECT_EQ(dialog.verseSelector->testamentName(), QStringLiteral("Old Testament"));
        EXPECT_TRUE(dialog.optSearchScope[1]->isChecked());
        dialog.txtSearchString1->setText(QStringLiteral("light"));
        dialog.txtSearchString2->setText(QStringLiteral("dark"));
        dialog.optSearchScope[0]->setChecked(true);
        EXPECT_TRUE(dialog.verseSelector->choosePassage({QStringLiteral("Genesis"), 1, 1, 2, 5}));
        QTest::keyClick(dialog.txtSearchString2, Qt::Key_Return);  // Enter in either box searches
    });
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(status(), QStringLiteral("3 verses found"));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 1:4"));
    EXPECT_EQ(searchBox()->text(), LoadResString(Caption::SearchPrompt));  // the quick search box is left alone

    advancedSearch([](AdvancedSearchDialog& dialog) {
        dialog.txtSearchString2->setText(QStringLiteral("e"));
        dialog.cboOperator2->setCurrentIndex(1);  // does not contain
        QTest::keyClick(dialog.txtSearchString1, Qt::Key_Enter);
    });
    ASSERT_GT(rows()->recordCount(), 0);
    for (int row = 0; row < rows()->recordCount(); ++row)
        EXPECT_FALSE(rows()->index(row, 5).data().toString().contains(u'e', Qt::CaseInsensitive));

    key(Qt::Key_Down);
    const QString found = status();
    searchBox()->setText(QStringLiteral("grace and peace"));
    advancedSearch([](AdvancedSearchDialog& dialog) {
        dialog.txtSearchString1->setText(QStringLiteral("dark"));
        QTest::mouseClick(dialog.imgCancel, Qt::LeftButton);
    });
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(status(), found);
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("grace and peace"));
}

// (start, length) of each match of expression in text.
QList<QPair<int, int>> matchRanges(const QRegularExpression& expression, const QString& text)
{
    QList<QPair<int, int>> ranges;
    auto it = expression.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        ranges.append({int(m.capturedStart()), int(m.capturedLength())});
    }
    return ranges;
}

// Checks the marks of the grid's first rows and of the selected verse against expression.
void expectMarks(const MainWindow& w, const QRegularExpression& expression)
{
    const auto* delegate = qobject_cast<MatchDelegate*>(Child<QTableView>(w, "dgdSearchResults")->itemDelegateForColumn(5));
    ASSERT_TRUE(delegate);
    const DataControl* rows = w.searchResults()->rows();
    ASSERT_GT(rows->recordCount(), 0);
    for (int row = 0; row < std::min(20, rows->recordCount()); ++row) {
        const QModelIndex cell = rows->index(row, 5);
        const QList<QPair<int, int>> expected = matchRanges(expression, cell.data().toString());
        EXPECT_FALSE(expected.isEmpty()) << row;
        EXPECT_EQ(delegate->markedRanges(cell), expected) << row;
    }
    const auto* verse = Child<QTextEdit>(w, "txtSelectedSection");
    QList<QPair<int, int>> marked;
    for (const QTextEdit::ExtraSelection& s : verse->extraSelections())
        marked.append({s.cursor.selectionStart(), s.cursor.selectionEnd() - s.cursor.selectionStart()});
    EXPECT_EQ(marked, matchRanges(expression, verse->toPlainText()));
}

TEST_F(SearchWindow, WholeWordsLeaveOutLongerWordsAndTheMatchesAreMarked)
{
    search(QStringLiteral("faith"));
    const QString found = status();
    expectMarks(*window, QRegularExpression(QStringLiteral("faith"), QRegularExpression::CaseInsensitiveOption));
    grid()->viewport()->repaint();  // the marked cells paint

    searchBox()->setText(QStringLiteral("not searched for yet"));
    QTest::mouseClick(Child<QCheckBox>(*window, "chkWholeWords"), Qt::LeftButton);  // searches again
    EXPECT_NE(status(), found);
    const QRegularExpression wholeFaith = test::WholeWordsExpression(QStringLiteral("faith"));
    expectMarks(*window, wholeFaith);
    key(Qt::Key_Down);
    expectMarks(*window, wholeFaith);

    // The advanced window marks what it contains, its wildcards read as such.
    advancedSearch([](AdvancedSearchDialog& dialog) {
        QTest::mouseClick(dialog.chkWholeWords, Qt::LeftButton);
        dialog.txtSearchString1->setText(QStringLiteral("l_ve%"));
        dialog.txtSearchString2->setText(QStringLiteral("god"));
        dialog.cboOperator2->setCurrentIndex(1);  // does not contain
        QTest::keyClick(dialog.txtSearchString1, Qt::Key_Return);
    });
    expectMarks(*window, test::WholeWordsExpression(QStringLiteral("l_ve%")));
}

TEST_F(SearchWindow, ADoubleClickOrEnterOpensTheChapterWithTheVerseSelectedAndInView)
{
    searchAndClickTheFirst(QStringLiteral("lamp unto my feet"));
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);  // a click only selects
    // The second press of a double click, which the window system reports as a double click.
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, firstRow());
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Psalms", "119", "1", "119", "176"}));
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(pane()->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(selectedInPane().startsWith(QStringLiteral("Thy word is a lamp unto my feet")));
    EXPECT_FALSE(selectedInPane().contains(QStringLiteral("I have sworn")));  // the next verse is not selected
    // Verse 105 of 176 lies far below the top of the chapter: the pane has scrolled to it.
    EXPECT_GT(pane()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(selectionInView());

    searchAndClickTheFirst(QStringLiteral("suffereth long"));
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "1 Corinthians", "13", "1", "13", "13"}));
    EXPECT_TRUE(selectedInPane().startsWith(QStringLiteral("Charity suffereth long")));
    EXPECT_TRUE(selectionInView());
    // The verse selector tab keeps the chapter.
    const QString shown = pane()->toPlainText();
    QTest::mouseClick(Child<QToolButton>(*window, "imgVerseSelector"), Qt::LeftButton);
    EXPECT_EQ(pane()->toPlainText(), shown);
}

TEST_F(SearchWindow, BackToResultsShowsTheSameResultsWithTheSameRowSelected)
{
    searchAndClickTheFirst(QStringLiteral("grace"));
    const int found = window->searchResults()->count();
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(window->viewMode(), ViewMode::Reader);
    auto* back = Child<QToolButton>(*window, "cmdBackToResults");
    ASSERT_TRUE(back->isVisible());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(window->searchResults()->count(), found);
    EXPECT_EQ(selectedRows(), QList<int>({1}));

    key(Qt::Key_Return);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(selectedRows(), QList<int>({1}));
}

} // namespace
