// The quick search, the results grid and the advanced search window, driven through the real widgets.
#include "app/MainWindow.h"
#include "reading/MatchDelegate.h"
#include "reading/VerseRangeSelector.h"
#include "reading/AdvancedSearchDialog.h"
#include "resources/Strings.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"
#include "reading/SearchResultsView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

namespace {

class SearchWindow : public ::testing::Test {
protected:
    test::TempProgramFolder folder;
    std::unique_ptr<MainWindow> w;

    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        w = test::OpenMainWindow();
        ASSERT_TRUE(w);
    }

    void search(const QString& text)
    {
        searchBox()->setText(text);
        QTest::keyClick(searchBox(), Qt::Key_Return);
    }
    QString status() const { return Child<QLabel>(*w, "stbPanel1")->text(); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& i : grid()->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    void key(Qt::Key k) { QTest::keyClick(grid(), k); }
    QLineEdit* searchBox() const { return Child<QLineEdit>(*w, "txtSearchString"); }
    QTableView* grid() const { return Child<QTableView>(*w, "dgdSearchResults"); }
    QTextEdit* selectedVerse() const { return Child<QTextEdit>(*w, "txtSelectedSection"); }
    DataControl* rows() const { return w->searchResults()->rows(); }
    int currentRow() const { return grid()->selectionModel()->currentIndex().row(); }
    QString currentReference() const
    {
        return rows()->currentText(QStringLiteral("BookAbbreviation")) + u' '
               + rows()->currentText(QStringLiteral("Chapter")) + u':'
               + rows()->currentText(QStringLiteral("Sections"));
    }
};

TEST_F(SearchWindow, PromptReadsFromItsStartAndAClickSelectsIt)
{
    EXPECT_EQ(searchBox()->text(), LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(searchBox()->cursorPosition(), 0);
    QTest::mouseClick(searchBox(), Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(searchBox()->selectedText(), LoadResString(Caption::SearchPrompt));
}

TEST_F(SearchWindow, EnterSearchesAndShowsTheResultsView)
{
    search(QStringLiteral("  grace "));
    EXPECT_EQ(w->viewMode(), ViewMode::Searcher);
    EXPECT_FALSE(grid()->isHidden());
    EXPECT_FALSE(selectedVerse()->isHidden());
    EXPECT_TRUE(Child<QTextEdit>(*w, "txtBibleText")->isHidden());
    EXPECT_EQ(status(), QStringLiteral("160 verses found"));
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 6:8"));
    EXPECT_EQ(selectedVerse()->toPlainText(), QStringLiteral("But Noah found grace in the eyes of the LORD."));
    EXPECT_EQ(searchBox()->selectedText(), QStringLiteral("  grace "));
    // The grid's columns: ID hidden, Book captioned as such.
    EXPECT_TRUE(grid()->isColumnHidden(0));
    EXPECT_EQ(rows()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Book"));
    EXPECT_EQ(grid()->columnWidth(1), 60);
    // Every caption reads whole within its narrow column.
    const QHeaderView* header = grid()->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1;
    for (int column = 1; column <= 4; ++column) {
        const QString caption = rows()->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(header->fontMetrics().horizontalAdvance(caption) + margins, grid()->columnWidth(column))
            << caption.toStdString();
    }

    search(QStringLiteral("Jesus wept"));
    EXPECT_EQ(status(), QStringLiteral("1 verse found"));
    search(LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(status(), QStringLiteral("0 verse found"));
    EXPECT_TRUE(selectedVerse()->toPlainText().isEmpty());
    search(QStringLiteral("   "));
    EXPECT_EQ(status(), QStringLiteral("31102 verses found"));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 1:1"));
    search(QStringLiteral("\"grace\""));  // a quote is searched for, not a broken statement
    EXPECT_EQ(status(), QStringLiteral("0 verse found"));
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(SearchWindow, TheBookCellsTooltipNamesTheBook)
{
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    search(QStringLiteral("Hannah"));
    ASSERT_EQ(rows()->data(rows()->index(0, 2)).toString(), QStringLiteral("1Sam"));
    QWidget* viewport = grid()->viewport();
    const QPoint at = grid()->visualRect(rows()->index(0, 2)).center();
    QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("1 Samuel"));
}

TEST_F(SearchWindow, AnExactlyEmptyBoxDoesNothing)
{
    search(QString());
    EXPECT_EQ(w->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(grid()->isHidden());
    // Other keys type as usual.
    QTest::keyClicks(searchBox(), QStringLiteral("lamb"));
    EXPECT_EQ(searchBox()->text(), QStringLiteral("lamb"));
    EXPECT_EQ(w->viewMode(), ViewMode::Reader);
}

TEST_F(SearchWindow, KeysMoveOneRecordAndStopAtBothEnds)
{
    QAbstractItemModelTester modelCheck(rows(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    search(QStringLiteral("Jesus wept"));
    key(Qt::Key_Down);  // a single result: nowhere to go
    EXPECT_EQ(currentRow(), 0);

    search(QStringLiteral("grace"));
    key(Qt::Key_Up);
    EXPECT_EQ(currentRow(), 0);
    key(Qt::Key_Down);
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(selectedRows(), QList<int>({1}));
    key(Qt::Key_End);
    EXPECT_EQ(currentRow(), 159);
    EXPECT_EQ(currentReference(), QStringLiteral("Rev 22:21"));
    key(Qt::Key_Down);
    EXPECT_EQ(currentRow(), 159);
    key(Qt::Key_Up);
    EXPECT_EQ(currentRow(), 158);
    key(Qt::Key_Home);
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    // A click on a row makes it the current record, the one selected row.
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(rows()->index(3, 5)).center());
    EXPECT_EQ(currentRow(), 3);
    EXPECT_EQ(selectedRows(), QList<int>({3}));
    EXPECT_EQ(selectedVerse()->toPlainText(), grid()->currentIndex().siblingAtColumn(5).data().toString());
}

TEST_F(SearchWindow, TextColumnMakesRoomForTheScrollBarOnlyWhenRowsOverflow)
{
    QTableView* table = grid();
    const int room = table->width() - 2 * table->frameWidth() - (60 + 30 + 45 + 45);
    const int fitting = table->height() / 16 - 2;
    ASSERT_GT(fitting, 3);
    search(QStringLiteral("Jesus wept"));
    EXPECT_EQ(table->columnWidth(5), room);
    // Exactly as many rows as fit, then one more.
    const QString firstVerses = QStringLiteral(R"(SELECT * FROM "tblBible" WHERE "ID" <= ? ORDER BY "ID")");
    w->searchResults()->showStatement(firstVerses, {fitting});
    EXPECT_EQ(table->columnWidth(5), room);
    w->searchResults()->showStatement(firstVerses, {fitting + 1});
    EXPECT_EQ(table->columnWidth(5), room - 17);
}

TEST_F(SearchWindow, NotesOfTheOneVerseBookmarkOnly)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName, QStringLiteral(R"(
        INSERT INTO "tblBookmark" ("BookMarkTestament", "BookMarkBook", "BookMarkChapter", "BookMarkSection",
            "BookMarkToBook", "BookMarkToChapter", "BookMarkToSection", "BookMarkNotes", "BookmarkReference")
        VALUES ('Old Testament', 'Genesis', 6, 8, 'Genesis', 6, 8, 'Noah and grace', '1001'),
               ('Old Testament', 'Genesis', 19, 1, 'Genesis', 19, 30, 'Lot flees', '1002'))")));
    search(QStringLiteral("grace"));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 6:8"));
    EXPECT_EQ(Child<QPlainTextEdit>(*w, "txtNotes")->toPlainText(), QStringLiteral("Noah and grace"));
    key(Qt::Key_Down);
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 19:19"));  // inside the range bookmark
    EXPECT_TRUE(Child<QPlainTextEdit>(*w, "txtNotes")->toPlainText().isEmpty());
    key(Qt::Key_Up);
    EXPECT_EQ(Child<QPlainTextEdit>(*w, "txtNotes")->toPlainText(), QStringLiteral("Noah and grace"));
}

TEST_F(SearchWindow, ClearSearchReturnsToThePassageOnlyFromResults)
{
    searchBox()->setText(QStringLiteral("typed"));
    QTest::mouseClick(Child<QToolButton>(*w, "imgClearSearch"), Qt::LeftButton);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("typed"));  // reading: nothing happens

    search(QStringLiteral("grace"));
    QTest::mouseClick(Child<QToolButton>(*w, "imgClearSearch"), Qt::LeftButton);
    EXPECT_EQ(w->viewMode(), ViewMode::Reader);
    EXPECT_EQ(searchBox()->text(), LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(searchBox()->cursorPosition(), 0);
    EXPECT_TRUE(grid()->isHidden());
    EXPECT_FALSE(Child<QTextEdit>(*w, "txtBibleText")->isHidden());
    EXPECT_TRUE(w->readingView()->text().startsWith(QStringLiteral("In the beginning")));
}

TEST_F(SearchWindow, AdvancedWindowOpensOnFirstItemsAndSearchesTheRange)
{
    const auto firstTermsInGenesis = [](QWidget* dialog) {
        auto& window = *static_cast<AdvancedSearchDialog*>(dialog);
        EXPECT_EQ(window.cboOperator1->currentText(), QStringLiteral("Contains"));
        EXPECT_EQ(window.cboOperator2->currentText(), QStringLiteral("Contains"));
        EXPECT_EQ(window.cboQueryStringOperator->currentText(), QStringLiteral("AND"));
        EXPECT_EQ(window.cboTestament->currentText(), QStringLiteral("Old Testament"));
        EXPECT_TRUE(window.optSearchScope[1]->isChecked());
        EXPECT_EQ(window.imgSearch->toolTip(), LoadResString(Caption::StartAdvancedSearch));
        EXPECT_EQ(window.imgCancel->toolTip(), LoadResString(Caption::CancelAdvancedSearch));
        window.txtSearchString1->setText(QStringLiteral("light"));
        window.txtSearchString2->setText(QStringLiteral("dark"));
        window.optSearchScope[0]->setChecked(true);
        EXPECT_TRUE(window.verseSelector->choosePassage({QStringLiteral("Genesis"), 1, 1, 2, 5}));
        QTest::keyClick(window.txtSearchString2, Qt::Key_Return);  // Enter in either box searches
    };
    test::RunOnModals({{"kivra::AdvancedSearchDialog", firstTermsInGenesis}});
    Child<QPlainTextEdit>(*w, "txtNotes")->setPlainText(QStringLiteral("kept"));
    Child<QToolButton>(*w, "imgAdvancedSearch")->click();
    EXPECT_EQ(w->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(status(), QStringLiteral("3 verses found"));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 1:4"));
    EXPECT_EQ(searchBox()->text(), LoadResString(Caption::SearchPrompt));  // the quick search box is left alone

    // "Does not contain" in the second term.
    test::RunOnModals({{"kivra::AdvancedSearchDialog", [](QWidget* dialog) {
                            auto& window = *static_cast<AdvancedSearchDialog*>(dialog);
                            window.txtSearchString2->setText(QStringLiteral("e"));
                            window.cboOperator2->setCurrentIndex(1);
                            QTest::keyClick(window.txtSearchString1, Qt::Key_Enter);
                        }}});
    Child<QToolButton>(*w, "imgAdvancedSearch")->click();
    const DataControl* rows = w->searchResults()->rows();
    ASSERT_GT(rows->recordCount(), 0);
    for (int row = 0; row < rows->recordCount(); ++row)
        EXPECT_FALSE(rows->index(row, 5).data().toString().contains(u'e', Qt::CaseInsensitive));
}

TEST_F(SearchWindow, CancelChangesNothing)
{
    search(QStringLiteral("grace"));
    key(Qt::Key_Down);
    searchBox()->setText(QStringLiteral("grace and peace"));
    bool cancelled = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<AdvancedSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        window->txtSearchString1->setText(QStringLiteral("light"));
        QTest::mouseClick(window->imgCancel, Qt::LeftButton);
        cancelled = true;
    });
    QTest::mouseClick(Child<QToolButton>(*w, "imgAdvancedSearch"), Qt::LeftButton);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(w->viewMode(), ViewMode::Searcher);
    EXPECT_EQ(status(), QStringLiteral("160 verses found"));
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("grace and peace"));
    EXPECT_FALSE(grid()->isHidden());
}

// (start, length) of each match of expression in text.
QList<QPair<int, int>> matchRanges(const QString& expression, const QString& text)
{
    QList<QPair<int, int>> ranges;
    auto it = QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        ranges.append({int(m.capturedStart()), int(m.capturedLength())});
    }
    return ranges;
}

QList<QPair<int, int>> markedInSelectedVerse(const QTextEdit* box)
{
    QList<QPair<int, int>> ranges;
    for (const QTextEdit::ExtraSelection& s : box->extraSelections())
        ranges.append({s.cursor.selectionStart(), s.cursor.selectionEnd() - s.cursor.selectionStart()});
    return ranges;
}

// Checks the marks of the grid's first rows and of the selected verse against expression.
void expectMarks(const MainWindow& w, const QString& expression)
{
    const auto* delegate = qobject_cast<MatchDelegate*>(Child<QTableView>(w, "dgdSearchResults")->itemDelegateForColumn(5));
    ASSERT_TRUE(delegate);
    ASSERT_GT(Child<DataControl>(w, "adoBible")->recordCount(), 0);
    for (int row = 0; row < std::min(20, Child<DataControl>(w, "adoBible")->recordCount()); ++row) {
        const QModelIndex cell = Child<DataControl>(w, "adoBible")->index(row, 5);
        const QList<QPair<int, int>> expected = matchRanges(expression, cell.data().toString());
        EXPECT_FALSE(expected.isEmpty()) << row;
        EXPECT_EQ(delegate->markedRanges(cell), expected) << row;
    }
    EXPECT_EQ(markedInSelectedVerse(Child<QTextEdit>(w, "txtSelectedSection")), matchRanges(expression, Child<QTextEdit>(w, "txtSelectedSection")->toPlainText()));
}

TEST_F(SearchWindow, WholeWordsLeaveOutLongerWordsAndTheMatchesAreMarked)
{
    // The box reads whole and covers no other control of the search row.
    EXPECT_LE(Child<QCheckBox>(*w, "chkWholeWords")->sizeHint().width(), Child<QCheckBox>(*w, "chkWholeWords")->width());
    for (const char* name : {"imgExportBibleVerse", "imgWeb", "lblWeb", "lblWithinBible"}) {
        const QWidget* other = w->findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(other) << name;
        EXPECT_FALSE(Child<QCheckBox>(*w, "chkWholeWords")->geometry().intersects(other->geometry())) << name;
    }

    search(QStringLiteral("faith"));
    const QString found = status();
    expectMarks(*w, QStringLiteral("faith"));
    grid()->viewport()->repaint();  // the marked cells paint

    QTest::mouseClick(Child<QCheckBox>(*w, "chkWholeWords"), Qt::LeftButton);
    ASSERT_TRUE(Child<QCheckBox>(*w, "chkWholeWords")->isChecked());
    search(QStringLiteral("faith"));
    EXPECT_NE(status(), found);
    const QString wholeFaith = QStringLiteral("(?<![A-Za-z'])faith(?![A-Za-z'])");
    for (int row = 0; row < rows()->recordCount(); ++row)
        EXPECT_TRUE(QRegularExpression(wholeFaith, QRegularExpression::CaseInsensitiveOption).match(rows()->index(row, 5).data().toString()).hasMatch());
    expectMarks(*w, wholeFaith);
    key(Qt::Key_Down);
    expectMarks(*w, wholeFaith);
}

TEST_F(SearchWindow, AdvancedSearchMarksWhatItContainsInWholeWords)
{
    bool searched = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<AdvancedSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        QTest::mouseClick(window->chkWholeWords, Qt::LeftButton);
        window->txtSearchString1->setText(QStringLiteral("l_ve%"));
        window->txtSearchString2->setText(QStringLiteral("god"));
        window->cboOperator2->setCurrentIndex(1);  // does not contain
        QTest::keyClick(window->txtSearchString1, Qt::Key_Return);
        searched = true;
    });
    QTest::mouseClick(Child<QToolButton>(*w, "imgAdvancedSearch"), Qt::LeftButton);
    ASSERT_TRUE(searched);
    expectMarks(*w, QStringLiteral("(?<![A-Za-z'])l[A-Za-z']ve[A-Za-z']*(?![A-Za-z'])"));
}

} // namespace
