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
        w->txtSearchString->setText(text);
        QTest::keyClick(w->txtSearchString, Qt::Key_Return);
    }
    QString status() const { return w->stbPanel1->text(); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& i : w->dgdSearchResults->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    void key(Qt::Key k) { QTest::keyClick(w->dgdSearchResults, k); }
    QString currentReference() const
    {
        return w->adoBible->currentText(QStringLiteral("BookAbbreviation")) + u' '
               + w->adoBible->currentText(QStringLiteral("Chapter")) + u':'
               + w->adoBible->currentText(QStringLiteral("Sections"));
    }
};

TEST_F(SearchWindow, PromptReadsFromItsStartAndAClickSelectsIt)
{
    EXPECT_EQ(w->txtSearchString->text(), LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(w->txtSearchString->cursorPosition(), 0);
    QTest::mouseClick(w->txtSearchString, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(w->txtSearchString->selectedText(), LoadResString(Caption::SearchPrompt));
}

TEST_F(SearchWindow, EnterSearchesAndShowsTheResultsView)
{
    search(QStringLiteral("  grace "));
    EXPECT_EQ(w->ViewMode, QStringLiteral("Searcher"));
    EXPECT_FALSE(w->dgdSearchResults->isHidden());
    EXPECT_FALSE(w->txtSelectedSection->isHidden());
    EXPECT_TRUE(w->txtBibleText->isHidden());
    EXPECT_EQ(status(), QStringLiteral("160 verses found"));
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 6:8"));
    EXPECT_EQ(w->txtSelectedSection->toPlainText(), QStringLiteral("But Noah found grace in the eyes of the LORD."));
    EXPECT_EQ(w->txtSearchString->selectedText(), QStringLiteral("  grace "));
    // The grid's columns: ID hidden, Book captioned as such.
    EXPECT_TRUE(w->dgdSearchResults->isColumnHidden(0));
    EXPECT_EQ(w->adoBible->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Book"));
    EXPECT_EQ(w->dgdSearchResults->columnWidth(1), 60);
    // Every caption reads whole within its narrow column.
    const QHeaderView* header = w->dgdSearchResults->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1;
    for (int column = 1; column <= 4; ++column) {
        const QString caption = w->adoBible->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(header->fontMetrics().horizontalAdvance(caption) + margins, w->dgdSearchResults->columnWidth(column))
            << caption.toStdString();
    }

    search(QStringLiteral("Jesus wept"));
    EXPECT_EQ(status(), QStringLiteral("1 verse found"));
    search(LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(status(), QStringLiteral("0 verse found"));
    EXPECT_TRUE(w->txtSelectedSection->toPlainText().isEmpty());
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
    ASSERT_EQ(w->adoBible->data(w->adoBible->index(0, 2)).toString(), QStringLiteral("1Sam"));
    QWidget* viewport = w->dgdSearchResults->viewport();
    const QPoint at = w->dgdSearchResults->visualRect(w->adoBible->index(0, 2)).center();
    QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("1 Samuel"));
}

TEST_F(SearchWindow, AnExactlyEmptyBoxDoesNothing)
{
    search(QString());
    EXPECT_EQ(w->ViewMode, QStringLiteral("Reader"));
    EXPECT_TRUE(w->dgdSearchResults->isHidden());
    // Other keys type as usual.
    QTest::keyClicks(w->txtSearchString, QStringLiteral("lamb"));
    EXPECT_EQ(w->txtSearchString->text(), QStringLiteral("lamb"));
    EXPECT_EQ(w->ViewMode, QStringLiteral("Reader"));
}

TEST_F(SearchWindow, KeysMoveOneRecordAndStopAtBothEnds)
{
    search(QStringLiteral("Jesus wept"));
    key(Qt::Key_Down);  // a single result: nowhere to go
    EXPECT_EQ(w->adoBible->currentRow(), 0);

    search(QStringLiteral("grace"));
    key(Qt::Key_Up);
    EXPECT_EQ(w->adoBible->currentRow(), 0);
    key(Qt::Key_Down);
    EXPECT_EQ(w->adoBible->currentRow(), 1);
    EXPECT_EQ(selectedRows(), QList<int>({1}));
    key(Qt::Key_End);
    EXPECT_EQ(w->adoBible->currentRow(), 159);
    EXPECT_EQ(currentReference(), QStringLiteral("Rev 22:21"));
    key(Qt::Key_Down);
    EXPECT_EQ(w->adoBible->currentRow(), 159);
    key(Qt::Key_Up);
    EXPECT_EQ(w->adoBible->currentRow(), 158);
    key(Qt::Key_Home);
    EXPECT_EQ(w->adoBible->currentRow(), 0);
    EXPECT_EQ(selectedRows(), QList<int>({0}));
    // A click on a row makes it the current record, the one selected row.
    const QTableView* grid = w->dgdSearchResults;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(w->adoBible->index(3, 5)).center());
    EXPECT_EQ(w->adoBible->currentRow(), 3);
    EXPECT_EQ(selectedRows(), QList<int>({3}));
    EXPECT_EQ(w->txtSelectedSection->toPlainText(), w->adoBible->currentText(QStringLiteral("Text")));
}

TEST_F(SearchWindow, TextColumnMakesRoomForTheScrollBarOnlyWhenRowsOverflow)
{
    QTableView* grid = w->dgdSearchResults;
    const int room = grid->width() - 2 * grid->frameWidth() - (60 + 30 + 45 + 45);
    const int fitting = grid->height() / 16 - 2;
    ASSERT_GT(fitting, 3);
    search(QStringLiteral("Jesus wept"));
    EXPECT_EQ(grid->columnWidth(5), room);
    // Exactly as many rows as fit, then one more.
    w->AdvancedSearch(QStringLiteral(R"(SELECT * FROM "tblBible" WHERE "ID" <= ? ORDER BY "ID")"), {fitting});
    EXPECT_EQ(grid->columnWidth(5), room);
    w->AdvancedSearch(QStringLiteral(R"(SELECT * FROM "tblBible" WHERE "ID" <= ? ORDER BY "ID")"), {fitting + 1});
    EXPECT_EQ(grid->columnWidth(5), room - 17);
    EXPECT_EQ(status(), QStringLiteral("%1 verses found").arg(fitting + 1));
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
    EXPECT_EQ(w->txtNotes->toPlainText(), QStringLiteral("Noah and grace"));
    key(Qt::Key_Down);
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 19:19"));  // inside the range bookmark
    EXPECT_TRUE(w->txtNotes->toPlainText().isEmpty());
    key(Qt::Key_Up);
    EXPECT_EQ(w->txtNotes->toPlainText(), QStringLiteral("Noah and grace"));
}

TEST_F(SearchWindow, ClearSearchReturnsToThePassageOnlyFromResults)
{
    w->txtSearchString->setText(QStringLiteral("typed"));
    QTest::mouseClick(w->imgClearSearch, Qt::LeftButton);
    EXPECT_EQ(w->txtSearchString->text(), QStringLiteral("typed"));  // reading: nothing happens

    search(QStringLiteral("grace"));
    QTest::mouseClick(w->imgClearSearch, Qt::LeftButton);
    EXPECT_EQ(w->ViewMode, QStringLiteral("Reader"));
    EXPECT_EQ(w->txtSearchString->text(), LoadResString(Caption::SearchPrompt));
    EXPECT_EQ(w->txtSearchString->cursorPosition(), 0);
    EXPECT_TRUE(w->dgdSearchResults->isHidden());
    EXPECT_FALSE(w->txtBibleText->isHidden());
    EXPECT_TRUE(w->passageText().startsWith(QStringLiteral("In the beginning")));
}

TEST_F(SearchWindow, AdvancedWindowOpensOnFirstItemsAndSearchesTheRange)
{
    AdvancedSearchDialog window(w.get());
    window.Form_Load();
    EXPECT_EQ(window.cboOperator1->currentText(), QStringLiteral("Contains"));
    EXPECT_EQ(window.cboOperator2->currentText(), QStringLiteral("Contains"));
    EXPECT_EQ(window.cboQueryStringOperator->currentText(), QStringLiteral("AND"));
    EXPECT_EQ(window.cboTestament->currentText(), QStringLiteral("Old Testament"));
    EXPECT_TRUE(window.optSearchScope[1]->isChecked());
    EXPECT_EQ(window.imgSearch->toolTip(), LoadResString(Caption::StartAdvancedSearch));
    EXPECT_EQ(window.imgCancel->toolTip(), LoadResString(Caption::CancelAdvancedSearch));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtSearchString1")), window.txtSearchString1);

    window.txtSearchString1->setText(QStringLiteral("light"));
    window.txtSearchString2->setText(QStringLiteral("dark"));
    window.optSearchScope[0]->setChecked(true);
    ASSERT_TRUE(window.verseSelector->choosePassage({"Old Testament", "Genesis", "1", "1", "2", "5"}));
    QObject::connect(&window, &AdvancedSearchDialog::searchRequested, w.get(), &MainWindow::ShowSearchResults);
    w->txtNotes->setPlainText(QStringLiteral("kept"));
    QTest::keyClick(window.txtSearchString2, Qt::Key_Return);  // Enter in either box searches
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(w->ViewMode, QStringLiteral("Searcher"));
    EXPECT_EQ(status(), QStringLiteral("3 verses found"));
    EXPECT_EQ(currentReference(), QStringLiteral("Gen 1:4"));
    EXPECT_EQ(w->txtSearchString->text(), LoadResString(Caption::SearchPrompt));  // the quick search box is left alone

    // "Does not contain" in the second term.
    AdvancedSearchDialog second(w.get());
    second.Form_Load();
    second.txtSearchString2->setText(QStringLiteral("e"));
    second.cboOperator2->setCurrentIndex(1);
    QObject::connect(&second, &AdvancedSearchDialog::searchRequested, w.get(), &MainWindow::ShowSearchResults);
    QTest::keyClick(second.txtSearchString1, Qt::Key_Enter);
    for (int row = 0; row < w->adoBible->recordCount(); ++row)
        EXPECT_FALSE(w->adoBible->data(w->adoBible->index(row, 5)).toString().contains(u'e', Qt::CaseInsensitive));
}

TEST_F(SearchWindow, CancelChangesNothing)
{
    search(QStringLiteral("grace"));
    key(Qt::Key_Down);
    w->txtSearchString->setText(QStringLiteral("grace and peace"));
    bool cancelled = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<AdvancedSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        window->txtSearchString1->setText(QStringLiteral("light"));
        QTest::mouseClick(window->imgCancel, Qt::LeftButton);
        cancelled = true;
    });
    QTest::mouseClick(w->imgAdvancedSearch, Qt::LeftButton);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(w->ViewMode, QStringLiteral("Searcher"));
    EXPECT_EQ(status(), QStringLiteral("160 verses found"));
    EXPECT_EQ(w->adoBible->currentRow(), 1);
    EXPECT_EQ(w->txtSearchString->text(), QStringLiteral("grace and peace"));
    EXPECT_FALSE(w->dgdSearchResults->isHidden());
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
    const auto* delegate = qobject_cast<MatchDelegate*>(w.dgdSearchResults->itemDelegateForColumn(5));
    ASSERT_TRUE(delegate);
    ASSERT_GT(w.adoBible->recordCount(), 0);
    for (int row = 0; row < std::min(20, w.adoBible->recordCount()); ++row) {
        const QModelIndex cell = w.adoBible->index(row, 5);
        const QList<QPair<int, int>> expected = matchRanges(expression, cell.data().toString());
        EXPECT_FALSE(expected.isEmpty()) << row;
        EXPECT_EQ(delegate->markedRanges(cell), expected) << row;
    }
    EXPECT_EQ(markedInSelectedVerse(w.txtSelectedSection), matchRanges(expression, w.txtSelectedSection->toPlainText()));
}

TEST_F(SearchWindow, WholeWordsLeaveOutLongerWordsAndTheMatchesAreMarked)
{
    // The box reads whole and covers no other control of the search row.
    EXPECT_LE(w->chkWholeWords->sizeHint().width(), w->chkWholeWords->width());
    for (const char* name : {"imgExportBibleVerse", "imgWeb", "lblWeb", "lblWithinBible"}) {
        const QWidget* other = w->findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(other) << name;
        EXPECT_FALSE(w->chkWholeWords->geometry().intersects(other->geometry())) << name;
    }

    search(QStringLiteral("faith"));
    const QString found = status();
    expectMarks(*w, QStringLiteral("faith"));
    w->dgdSearchResults->viewport()->repaint();  // the marked cells paint

    QTest::mouseClick(w->chkWholeWords, Qt::LeftButton);
    ASSERT_TRUE(w->chkWholeWords->isChecked());
    search(QStringLiteral("faith"));
    EXPECT_NE(status(), found);
    const QString wholeFaith = QStringLiteral("(?<![A-Za-z'])faith(?![A-Za-z'])");
    for (int row = 0; row < w->adoBible->recordCount(); ++row)
        EXPECT_TRUE(QRegularExpression(wholeFaith, QRegularExpression::CaseInsensitiveOption).match(w->adoBible->index(row, 5).data().toString()).hasMatch());
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
    QTest::mouseClick(w->imgAdvancedSearch, Qt::LeftButton);
    ASSERT_TRUE(searched);
    expectMarks(*w, QStringLiteral("(?<![A-Za-z'])l[A-Za-z']ve[A-Za-z']*(?![A-Za-z'])"));
}

} // namespace
