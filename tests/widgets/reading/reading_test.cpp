// The cascading selectors and the reading pane, driven through the main window's real widgets.
#include "app/MainWindow.h"
#include "reading/Passage.h"
#include "reading/VerseRangeSelector.h"
#include "settings/Options.h"
#include "storage/Globals.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <tuple>

using kivra::test::Child;

using namespace kivra;

class ReadingTest : public test::MainWindowTest {
protected:
    VerseRangeSelector* selector() const { return Child<VerseRangeSelector>(*window, "VerseRangeSelector"); }
    QComboBox* combo(const char* name) const { return Child<QComboBox>(*window, name); }
    QString range() const { return range(*window); }
    static QString range(const MainWindow& w)
    {
        const auto text = [&](const char* name) { return Child<QComboBox>(w, name)->currentText(); };
        return QStringLiteral("%1:%2-%3:%4").arg(text("cboFromChapter"), text("cboFromSection"), text("cboToChapter"),
                                                  text("cboToSection"));
    }
};

TEST_F(ReadingTest, CascadeKeepsAWholePassage)
{
    EXPECT_EQ(combo("cboTestament")->count(), 2);
    EXPECT_EQ(combo("cboBook")->currentText(), QStringLiteral("Genesis"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));

    combo("cboTestament")->setCurrentIndex(1);  // a choice in code runs the same handler as a user's
    EXPECT_EQ(combo("cboBook")->count(), 27);
    EXPECT_EQ(combo("cboBook")->currentText(), QStringLiteral("Matthew"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:25"));

    combo("cboBook")->setCurrentIndex(combo("cboBook")->findText(QStringLiteral("Revelation")));
    EXPECT_EQ(combo("cboFromChapter")->count(), 22);  // the last chapter is offered
    combo("cboToChapter")->setCurrentIndex(8);        // to-chapter 9 keeps the start
    EXPECT_EQ(range(), QStringLiteral("1:1-9:21"));
    combo("cboFromChapter")->setCurrentIndex(4);      // from-chapter 5 pulls the end along
    EXPECT_EQ(range(), QStringLiteral("5:1-5:14"));

    // An end before the start is accepted; Open Bible then finds nothing and keeps the pane.
    const QString before = window->readingView()->text();
    combo("cboToChapter")->setCurrentIndex(2);
    EXPECT_EQ(range(), QStringLiteral("5:1-3:22"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgRetrieveBible"), Qt::LeftButton);
    EXPECT_EQ(window->readingView()->text(), before);
    EXPECT_EQ(Child<QLabel>(*window, "stbPanel1")->text(), QStringLiteral("[New Testament] : [Revelation] : 5:1 - 3:22"));
}

TEST_F(ReadingTest, PassageAcrossChaptersAndTheFourOptionCombinations)
{
    ASSERT_TRUE(selector()->choosePassage({QStringLiteral("Genesis"), 1, 30, 2, 3}));

    // (new line option, numbers option, what follows the first verse, what ends the passage)
    const std::tuple<int, int, QString, QString> combinations[] = {
        {1, 1, QStringLiteral("(1:30)\n\nAnd God saw"), QStringLiteral("(2:3)\n\n")},
        {1, 0, QStringLiteral("\n\nAnd God saw"), QStringLiteral("\n\n")},
        {2, 1, QStringLiteral("(1:30)And God saw"), QStringLiteral("(2:3)")},  // only 1 switches an option on
        {0, 0, QStringLiteral("And God saw"), QString()},
    };
    for (const auto& [newLine, numbers, afterFirst, end] : combinations) {
        options().InsertNewLineAfterText = newLine;
        options().ShowChapterSection = numbers;
        window->openPassage();
        const QString text = window->readingView()->text();
        EXPECT_TRUE(text.startsWith(QStringLiteral("And to every beast"))) << newLine << numbers;
        EXPECT_TRUE(text.contains(QStringLiteral("and it was so.") + afterFirst)) << newLine << numbers;
        EXPECT_TRUE(text.endsWith(QStringLiteral("created and made.") + end)) << newLine << numbers;
        EXPECT_EQ(text.count(QStringLiteral("\n\n")), newLine == 1 ? 5 : 0);
    }
}

TEST_F(ReadingTest, ChapterNavigationStopsAtTheBookEnds)
{
    QTest::mouseClick(Child<QToolButton>(*window, "imgPrevious"), Qt::LeftButton);  // chapter 1: nothing changes
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgNext"), Qt::LeftButton);
    EXPECT_EQ(range(), QStringLiteral("2:1-2:25"));
    EXPECT_TRUE(window->readingView()->text().startsWith(QStringLiteral("Thus the heavens and the earth were finished")));
    combo("cboFromChapter")->setCurrentIndex(combo("cboFromChapter")->count() - 1);
    QTest::mouseClick(Child<QToolButton>(*window, "imgRetrieveBible"), Qt::LeftButton);
    const QString last = window->readingView()->text();
    QTest::mouseClick(Child<QToolButton>(*window, "imgNext"), Qt::LeftButton);  // no move into the next book
    EXPECT_EQ(window->readingView()->text(), last);
    EXPECT_EQ(combo("cboFromChapter")->currentText(), QStringLiteral("50"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgPrevious"), Qt::LeftButton);
    EXPECT_EQ(range(), QStringLiteral("49:1-49:33"));
}

TEST_F(ReadingTest, TheNextStartShowsThePassageLastShownNotARangeThatRunsBackwards)
{
    window->openStoredPassage({QStringLiteral("Psalms"), 23, 1, 23, 6});
    QTest::keyClick(combo("cboFromChapter"), Qt::Key_Down);  // 24:1-24:10
    QTest::keyClick(combo("cboToChapter"), Qt::Key_Up);      // 24:1-23:6: nothing new to show
    QTest::mouseClick(Child<QToolButton>(*window, "imgRetrieveBible"), Qt::LeftButton);
    window->close();  // saves the six selector texts
    auto w2 = test::OpenMainWindow();
    ASSERT_TRUE(w2);
    EXPECT_EQ(w2->readingView()->text(), window->readingView()->text());
    EXPECT_EQ(Child<QLabel>(*w2, "stbPanel1")->text(), QStringLiteral("[Old Testament] : [Psalms] : 23:1 - 23:6"));

    // Such a range saved by an older copy starts on its first verse, to the end of that chapter.
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
        QStringLiteral("UPDATE tblOptions SET BookMarkChapter = 24, BookMarkToChapter = 23")));
    ASSERT_TRUE(LoadOptions());
    auto w3 = test::OpenMainWindow();
    ASSERT_TRUE(w3);
    EXPECT_EQ(range(*w3), QStringLiteral("24:1-24:10"));
    EXPECT_TRUE(w3->readingView()->text().startsWith(QStringLiteral("The earth is the LORD")));
}

TEST_F(ReadingTest, ASavedPassageThatNoLongerFitsShowsTheFirstBook)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
        QStringLiteral("UPDATE tblOptions SET BookMarkBook = 'Hezekiah', BookMarkChapter = 99")));
    ASSERT_TRUE(LoadOptions());
    const auto other = test::OpenMainWindow();
    ASSERT_TRUE(other);
    EXPECT_EQ(Child<QComboBox>(*other, "cboBook")->currentText(), QStringLiteral("Genesis"));
    EXPECT_TRUE(other->readingView()->text().startsWith(QStringLiteral("In the beginning God created")));
}

TEST(PassageText, RangeParsingAndKeys)
{
    Passage p{QStringLiteral("Genesis")};
    EXPECT_TRUE(ParseVerseRange(QStringLiteral(" 1:30 - 2:3 "), &p));
    EXPECT_EQ(p, (Passage{QStringLiteral("Genesis"), 1, 30, 2, 3}));
    EXPECT_FALSE(ParseVerseRange(QStringLiteral("1:30"), &p));
    EXPECT_FALSE(ParseVerseRange(QStringLiteral("1:1-2:x"), &p));
    EXPECT_LT(VerseKey(9, 10), VerseKey(10, 1));
}

TEST_F(ReadingTest, CopyWithReferenceNamesTheSelectedVerses)
{
    ASSERT_TRUE(selector()->choosePassage({QStringLiteral("Genesis"), 1, 1, 1, 3}));
    window->openPassage();
    window->readingView()->copy(true);
    const QString all = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(all.startsWith(QStringLiteral("In the beginning")));
    EXPECT_TRUE(all.endsWith(QStringLiteral("there was light.(1:3)\n(Genesis 1:1-1:3)")));

    // A selection inside verse 2 names verse 2 only; plain Copy carries no reference.
    const int start = int(window->readingView()->text().indexOf(QStringLiteral("And the earth")));
    QTextCursor cursor = Child<QTextEdit>(*window, "txtBibleText")->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + 13, QTextCursor::KeepAnchor);
    Child<QTextEdit>(*window, "txtBibleText")->setTextCursor(cursor);
    window->readingView()->copy(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth\n(Genesis 1:2-1:2)"));
    window->readingView()->copy(false);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth"));

    // A selection from the middle of verse 1 to the end of verse 2.
    cursor.setPosition(10);
    cursor.setPosition(start + 20, QTextCursor::KeepAnchor);
    Child<QTextEdit>(*window, "txtBibleText")->setTextCursor(cursor);
    EXPECT_EQ(window->readingView()->selectionReference(), QStringLiteral("(Genesis 1:1-1:2)"));
}

TEST_F(ReadingTest, SearchResultCopiesWithItsReference)
{
    search(QStringLiteral("God so loved the world"));
    window->searchResults()->copyCurrent(true);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("everlasting life.\n(John 3:16-3:16)")));
    window->searchResults()->copyCurrent(false);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("everlasting life.")));
}
