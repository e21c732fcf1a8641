// The cascading selectors and the reading pane, driven through the main window's real widgets.
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"
#include "reading/VerseRangeSelector.h"
#include <QTest>

#include "app/MainWindow.h"
#include "reading/Passage.h"
#include "settings/Options.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

class ReadingTest : public ::testing::Test {
protected:
    test::TempProgramFolder folder;
    std::unique_ptr<MainWindow> w;
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        w = test::OpenMainWindow();
        ASSERT_TRUE(w);
    }
    QString range() const
    {
        return QStringLiteral("%1:%2-%3:%4").arg(Child<QComboBox>(*w, "cboFromChapter")->currentText(), Child<QComboBox>(*w, "cboFromSection")->currentText(),
                                                  Child<QComboBox>(*w, "cboToChapter")->currentText(), Child<QComboBox>(*w, "cboToSection")->currentText());
    }
};

TEST_F(ReadingTest, CascadeKeepsAWholePassage)
{
    EXPECT_EQ(Child<QComboBox>(*w, "cboTestament")->count(), 2);
    EXPECT_EQ(Child<QComboBox>(*w, "cboBook")->currentText(), QStringLiteral("Genesis"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));

    Child<QComboBox>(*w, "cboTestament")->setCurrentIndex(1);  // a choice in code runs the same handler as a user's
    EXPECT_EQ(Child<QComboBox>(*w, "cboBook")->count(), 27);
    EXPECT_EQ(Child<QComboBox>(*w, "cboBook")->currentText(), QStringLiteral("Matthew"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:25"));

    Child<QComboBox>(*w, "cboBook")->setCurrentIndex(Child<QComboBox>(*w, "cboBook")->findText(QStringLiteral("Revelation")));
    EXPECT_EQ(Child<QComboBox>(*w, "cboFromChapter")->count(), 22);  // the last chapter is offered
    Child<QComboBox>(*w, "cboToChapter")->setCurrentIndex(8);        // to-chapter 9 keeps the start
    EXPECT_EQ(range(), QStringLiteral("1:1-9:21"));
    Child<QComboBox>(*w, "cboFromChapter")->setCurrentIndex(4);      // from-chapter 5 pulls the end along
    EXPECT_EQ(range(), QStringLiteral("5:1-5:14"));

    // An end before the start is accepted; Open Bible then finds nothing and keeps the pane.
    const QString before = w->readingView()->text();
    Child<QComboBox>(*w, "cboToChapter")->setCurrentIndex(2);
    EXPECT_EQ(range(), QStringLiteral("5:1-3:22"));
    Child<QToolButton>(*w, "imgRetrieveBible")->click();
    EXPECT_EQ(w->readingView()->text(), before);
    EXPECT_EQ(Child<QLabel>(*w, "stbPanel1")->text(), QStringLiteral("[New Testament] : [Revelation] : 5:1 - 3:22"));
}

TEST_F(ReadingTest, PassageAcrossChaptersAndTheFourOptionCombinations)
{
    ASSERT_TRUE(Child<VerseRangeSelector>(*w, "VerseRangeSelector")->choosePassage({QStringLiteral("Genesis"), 1, 30, 2, 3}));
    const QString v130 = QStringLiteral("And to every beast of the earth, and to every fowl of the air, and to every thing that creepeth upon the earth, wherein there is life, I have given every green herb for meat: and it was so.");
    const QString v23 = QStringLiteral("And God blessed the seventh day, and sanctified it: because that in it he had rested from all his work which God created and made.");

    options().InsertNewLineAfterText = 1;
    options().ShowChapterSection = 1;
    w->openPassage();
    QString text = w->readingView()->text();
    EXPECT_TRUE(text.startsWith(v130 + QStringLiteral("(1:30)\n\n")));
    EXPECT_TRUE(text.endsWith(v23 + QStringLiteral("(2:3)\n\n")));
    EXPECT_EQ(text.count(QStringLiteral("\n\n")), 5);

    options().ShowChapterSection = 0;
    w->openPassage();
    EXPECT_TRUE(w->readingView()->text().startsWith(v130 + QStringLiteral("\n\n")));

    options().InsertNewLineAfterText = 2;  // only 1 switches an option on
    options().ShowChapterSection = 1;
    w->openPassage();
    EXPECT_TRUE(w->readingView()->text().startsWith(v130 + QStringLiteral("(1:30)And God saw every thing")));

    options().ShowChapterSection = 0;
    w->openPassage();
    text = w->readingView()->text();
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_TRUE(text.startsWith(v130 + QStringLiteral("And God saw")));
    EXPECT_TRUE(text.endsWith(v23));
}

TEST_F(ReadingTest, ChapterNavigationStopsAtTheBookEnds)
{
    Child<QToolButton>(*w, "imgPrevious")->click();  // chapter 1: nothing changes
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));
    Child<QToolButton>(*w, "imgNext")->click();
    EXPECT_EQ(range(), QStringLiteral("2:1-2:25"));
    EXPECT_TRUE(w->readingView()->text().startsWith(QStringLiteral("Thus the heavens and the earth were finished")));
    Child<QComboBox>(*w, "cboFromChapter")->setCurrentIndex(Child<QComboBox>(*w, "cboFromChapter")->count() - 1);
    Child<QToolButton>(*w, "imgRetrieveBible")->click();
    const QString last = w->readingView()->text();
    Child<QToolButton>(*w, "imgNext")->click();  // no move into the next book
    EXPECT_EQ(w->readingView()->text(), last);
    EXPECT_EQ(Child<QComboBox>(*w, "cboFromChapter")->currentText(), QStringLiteral("50"));
    Child<QToolButton>(*w, "imgPrevious")->click();
    EXPECT_EQ(range(), QStringLiteral("49:1-49:33"));
}

TEST_F(ReadingTest, RestoreEqualsChoosingByHandAndCloseSavesThePassage)
{
    const QString restored = w->readingView()->text();
    w->openStoredPassage({QStringLiteral("Psalms"), 23, 1, 23, 6});
    EXPECT_TRUE(w->readingView()->text().startsWith(QStringLiteral("The LORD is my shepherd; I shall not want.(23:1)")));
    w->close();  // saves the six selector texts

    auto w2 = test::OpenMainWindow();
    ASSERT_TRUE(w2);
    EXPECT_EQ(w2->readingView()->text(), w->readingView()->text());
    EXPECT_EQ(Child<QLabel>(*w2, "stbPanel1")->text(), QStringLiteral("[Old Testament] : [Psalms] : 23:1 - 23:6"));

    w2->openStoredPassage({QStringLiteral("Genesis"), 1, 1, 1, 31});
    EXPECT_EQ(w2->readingView()->text(), restored);
}

TEST_F(ReadingTest, ASavedPassageThatNoLongerFitsShowsTheFirstBook)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
        QStringLiteral("UPDATE tblOptions SET BookMarkBook = 'Hezekiah', BookMarkChapter = 99")));
    ASSERT_TRUE(LoadOptions());
    MainWindow other;
    ASSERT_TRUE(other.load());
    other.restoreLastPassage();
    EXPECT_EQ(Child<QComboBox>(other, "cboBook")->currentText(), QStringLiteral("Genesis"));
    EXPECT_TRUE(other.readingView()->text().startsWith(QStringLiteral("In the beginning God created")));
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
    ASSERT_TRUE(Child<VerseRangeSelector>(*w, "VerseRangeSelector")->choosePassage({QStringLiteral("Genesis"), 1, 1, 1, 3}));
    w->openPassage();
    w->readingView()->copy(true);
    const QString all = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(all.startsWith(QStringLiteral("In the beginning")));
    EXPECT_TRUE(all.endsWith(QStringLiteral("there was light.(1:3)\n(Genesis 1:1-1:3)")));

    // A selection inside verse 2 names verse 2 only; plain Copy carries no reference.
    const int start = int(w->readingView()->text().indexOf(QStringLiteral("And the earth")));
    QTextCursor cursor = Child<QTextEdit>(*w, "txtBibleText")->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + 13, QTextCursor::KeepAnchor);
    Child<QTextEdit>(*w, "txtBibleText")->setTextCursor(cursor);
    w->readingView()->copy(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth\n(Genesis 1:2-1:2)"));
    w->readingView()->copy(false);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth"));

    // A selection from the middle of verse 1 to the end of verse 2.
    cursor.setPosition(10);
    cursor.setPosition(start + 20, QTextCursor::KeepAnchor);
    Child<QTextEdit>(*w, "txtBibleText")->setTextCursor(cursor);
    EXPECT_EQ(w->readingView()->selectionReference(), QStringLiteral("(Genesis 1:1-1:2)"));
}

TEST_F(ReadingTest, SearchResultCopiesWithItsReference)
{
    Child<QLineEdit>(*w, "txtSearchString")->setText(QStringLiteral("God so loved the world"));
    QTest::keyClick(Child<QLineEdit>(*w, "txtSearchString"), Qt::Key_Return);
    w->searchResults()->copyCurrent(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("For God so loved the world, that he gave his only begotten Son, that whosoever believeth in "
                             "him should not perish, but have everlasting life.\n(John 3:16-3:16)"));
    w->searchResults()->copyCurrent(false);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("everlasting life.")));
}

TEST_F(ReadingTest, TabGoesFromTheSearchBoxThroughThePassageChoice)
{
    EXPECT_EQ(Child<QLineEdit>(*w, "txtSearchString")->nextInFocusChain(), static_cast<QWidget*>(Child<QComboBox>(*w, "cboTestament")));
    EXPECT_EQ(Child<QComboBox>(*w, "cboToSection")->nextInFocusChain(), static_cast<QWidget*>(Child<QToolButton>(*w, "imgPrevious")));
    EXPECT_EQ(Child<QToolButton>(*w, "imgNext")->nextInFocusChain(), static_cast<QWidget*>(Child<QTextEdit>(*w, "txtBibleText")));
}
