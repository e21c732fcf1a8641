// The cascading selectors and the reading pane, driven through the main window's real widgets.
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"

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
        return QStringLiteral("%1:%2-%3:%4").arg(w->cboFromChapter->currentText(), w->cboFromSection->currentText(),
                                                  w->cboToChapter->currentText(), w->cboToSection->currentText());
    }
};

TEST_F(ReadingTest, CascadeKeepsAWholePassage)
{
    EXPECT_EQ(w->cboTestament->count(), 2);
    EXPECT_EQ(w->cboBook->currentText(), QStringLiteral("Genesis"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));

    w->cboTestament->setCurrentIndex(1);  // a choice in code runs the same handler as a user's
    EXPECT_EQ(w->cboBook->count(), 27);
    EXPECT_EQ(w->cboBook->currentText(), QStringLiteral("Matthew"));
    EXPECT_EQ(range(), QStringLiteral("1:1-1:25"));

    w->cboBook->setCurrentIndex(w->cboBook->findText(QStringLiteral("Revelation")));
    EXPECT_EQ(w->cboFromChapter->count(), 22);  // the last chapter is offered
    w->cboToChapter->setCurrentIndex(8);        // to-chapter 9 keeps the start
    EXPECT_EQ(range(), QStringLiteral("1:1-9:21"));
    w->cboFromChapter->setCurrentIndex(4);      // from-chapter 5 pulls the end along
    EXPECT_EQ(range(), QStringLiteral("5:1-5:14"));

    // An end before the start is accepted; Open Bible then finds nothing and keeps the pane.
    const QString before = w->passageText();
    w->cboToChapter->setCurrentIndex(2);
    EXPECT_EQ(range(), QStringLiteral("5:1-3:22"));
    w->imgRetrieveBible->click();
    EXPECT_EQ(w->passageText(), before);
    EXPECT_EQ(w->stbPanel1->text(), QStringLiteral("[New Testament] : [Revelation] : 5:1 - 3:22"));
}

TEST_F(ReadingTest, PassageAcrossChaptersAndTheFourOptionCombinations)
{
    ASSERT_TRUE(w->verseSelector->choosePassage({QStringLiteral("Genesis"), 1, 30, 2, 3}));
    const QString v130 = QStringLiteral("And to every beast of the earth, and to every fowl of the air, and to every thing that creepeth upon the earth, wherein there is life, I have given every green herb for meat: and it was so.");
    const QString v23 = QStringLiteral("And God blessed the seventh day, and sanctified it: because that in it he had rested from all his work which God created and made.");

    options().InsertNewLineAfterText = 1;
    options().ShowChapterSection = 1;
    w->ShowBibleText(false);
    QString text = w->passageText();
    EXPECT_TRUE(text.startsWith(v130 + QStringLiteral("(1:30)\n\n")));
    EXPECT_TRUE(text.endsWith(v23 + QStringLiteral("(2:3)\n\n")));
    EXPECT_EQ(text.count(QStringLiteral("\n\n")), 5);

    options().ShowChapterSection = 0;
    w->ShowBibleText(false);
    EXPECT_TRUE(w->passageText().startsWith(v130 + QStringLiteral("\n\n")));

    options().InsertNewLineAfterText = 2;  // only 1 switches an option on
    options().ShowChapterSection = 1;
    w->ShowBibleText(false);
    EXPECT_TRUE(w->passageText().startsWith(v130 + QStringLiteral("(1:30)And God saw every thing")));

    options().ShowChapterSection = 0;
    w->ShowBibleText(false);
    text = w->passageText();
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_TRUE(text.startsWith(v130 + QStringLiteral("And God saw")));
    EXPECT_TRUE(text.endsWith(v23));
}

TEST_F(ReadingTest, ChapterNavigationStopsAtTheBookEnds)
{
    w->imgPrevious->click();  // chapter 1: nothing changes
    EXPECT_EQ(range(), QStringLiteral("1:1-1:31"));
    w->imgNext->click();
    EXPECT_EQ(range(), QStringLiteral("2:1-2:25"));
    EXPECT_TRUE(w->passageText().startsWith(QStringLiteral("Thus the heavens and the earth were finished")));
    w->cboFromChapter->setCurrentIndex(w->cboFromChapter->count() - 1);
    w->imgRetrieveBible->click();
    const QString last = w->passageText();
    w->imgNext->click();  // no move into the next book
    EXPECT_EQ(w->passageText(), last);
    EXPECT_EQ(w->cboFromChapter->currentText(), QStringLiteral("50"));
    w->imgPrevious->click();
    EXPECT_EQ(range(), QStringLiteral("49:1-49:33"));
}

TEST_F(ReadingTest, RestoreEqualsChoosingByHandAndCloseSavesThePassage)
{
    const QString restored = w->passageText();
    w->LoadBibleTextOnDemand({QStringLiteral("Psalms"), 23, 1, 23, 6});
    EXPECT_TRUE(w->passageText().startsWith(QStringLiteral("The LORD is my shepherd; I shall not want.(23:1)")));
    w->close();  // saves the six selector texts

    auto w2 = test::OpenMainWindow();
    ASSERT_TRUE(w2);
    EXPECT_EQ(w2->passageText(), w->passageText());
    EXPECT_EQ(w2->stbPanel1->text(), QStringLiteral("[Old Testament] : [Psalms] : 23:1 - 23:6"));

    w2->LoadBibleTextOnDemand({QStringLiteral("Genesis"), 1, 1, 1, 31});
    EXPECT_EQ(w2->passageText(), restored);
}

TEST_F(ReadingTest, ASavedPassageThatNoLongerFitsShowsTheFirstBook)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
        QStringLiteral("UPDATE tblOptions SET BookMarkBook = 'Hezekiah', BookMarkChapter = 99")));
    ASSERT_TRUE(LoadOptions());
    MainWindow other;
    ASSERT_TRUE(other.Form_Load());
    other.RestoreLastPassage();
    EXPECT_EQ(other.cboBook->currentText(), QStringLiteral("Genesis"));
    EXPECT_TRUE(other.passageText().startsWith(QStringLiteral("In the beginning God created")));
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
    ASSERT_TRUE(w->verseSelector->choosePassage({QStringLiteral("Genesis"), 1, 1, 1, 3}));
    w->ShowBibleText(false);
    w->CopyPassage(true);
    const QString all = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(all.startsWith(QStringLiteral("In the beginning")));
    EXPECT_TRUE(all.endsWith(QStringLiteral("there was light.(1:3)\n(Genesis 1:1-1:3)")));

    // A selection inside verse 2 names verse 2 only; plain Copy carries no reference.
    const int start = int(w->passageText().indexOf(QStringLiteral("And the earth")));
    QTextCursor cursor = w->txtBibleText->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + 13, QTextCursor::KeepAnchor);
    w->txtBibleText->setTextCursor(cursor);
    w->CopyPassage(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth\n(Genesis 1:2-1:2)"));
    w->CopyPassage(false);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("And the earth"));

    // A selection from the middle of verse 1 to the end of verse 2.
    cursor.setPosition(10);
    cursor.setPosition(start + 20, QTextCursor::KeepAnchor);
    w->txtBibleText->setTextCursor(cursor);
    EXPECT_EQ(w->passageSelectionReference(), QStringLiteral("(Genesis 1:1-1:2)"));
}

TEST_F(ReadingTest, SearchResultCopiesWithItsReference)
{
    w->adoBible->bind(BibleConnection(), QStringLiteral("SELECT * FROM \"tblBible\" WHERE \"ID\" IN (26137, 26138) ORDER BY \"ID\""));
    w->adoBible->setCurrentRow(0);
    w->CopySelectedResult(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("For God so loved the world, that he gave his only begotten Son, that whosoever believeth in "
                             "him should not perish, but have everlasting life.\n(John 3:16-3:16)"));
    w->CopySelectedResult(false);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("everlasting life.")));
}

TEST_F(ReadingTest, TabGoesFromTheSearchBoxThroughThePassageChoice)
{
    EXPECT_EQ(w->txtSearchString->nextInFocusChain(), static_cast<QWidget*>(w->cboTestament));
    EXPECT_EQ(w->cboToSection->nextInFocusChain(), static_cast<QWidget*>(w->imgPrevious));
    EXPECT_EQ(w->imgNext->nextInFocusChain(), static_cast<QWidget*>(w->txtBibleText));
}
