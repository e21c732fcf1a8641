#include "bookmarks/BookmarkStore.h"
#include "bookmarks/BookmarkEditor.h"
#include "reading/SelectorCombos.h"
#include "support/Fixture.h"
#include "support/BookmarkTestData.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kivra;
using namespace kivra::test;

namespace {

const Passage Gen = {QStringLiteral("Genesis"), 1, 1, 2, 3};

QStringList marked(const BookmarkEditor& e)
{
    QStringList texts;
    for (int i = 0; i < e.lstBookmark->count(); ++i)
        if (e.lstBookmark->item(i)->isSelected())
            texts << e.lstBookmark->item(i)->text();
    return texts;
}

} // namespace

using Editor = kivra::test::InFolder<TempProgramFolder>;

TEST_F(Editor, OpensOnANewRangeWithEveryBookmarkListedAndNothingMarked)
{
    AddBookmark(Bm(5, QStringLiteral("0123456")));
    AddBookmark(Bm(6, QStringLiteral("0123457")));
    BookmarkEditor e;
    e.load(Gen);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Old Testament : Genesis : 1:1 - 2:3"));
    EXPECT_EQ(e.verseSelector->passage(), Gen);
    EXPECT_EQ(e.lstBookmark->count(), 2);
    EXPECT_EQ(e.lstBookmark->item(0)->text(), QStringLiteral("   Genesis             5 : 1 - 1 : 1"));
    EXPECT_EQ(e.lstBookmark->item(1)->data(Qt::UserRole).toString(), QStringLiteral("0123457"));
    EXPECT_TRUE(marked(e).isEmpty());
    EXPECT_TRUE(e.txtBookmarkNotes->toPlainText().isEmpty());
    // The heading stays centred.
    EXPECT_LE(std::abs(e.lblTopHeading->x() * 2 + e.lblTopHeading->width() - e.width()), 1);
}

TEST_F(Editor, OpensOnABookmarkedRangeWithItsNotesAndLinksAndSavesThatRow)
{
    // The links were written by an older version without the leading zero of 0700002.
    SeedBookmark own = Bm(1, QStringLiteral("0700001"), QStringLiteral("In the beginning"));
    own.tc = 2;
    own.ts = 3;
    AddBookmark(Bm(7, QStringLiteral("0700002")));
    AddBookmark(own);
    AddBookmark(Bm(8, QStringLiteral("0700003")));
    AddLink(QStringLiteral("700001"), QStringLiteral("700002"));
    AddLink(QStringLiteral("0700001"), QStringLiteral("0700003"));
    BookmarkEditor e;
    e.load(Gen);
    EXPECT_EQ(e.txtBookmarkNotes->toPlainText(), QStringLiteral("In the beginning"));
    EXPECT_EQ(marked(e), (QStringList{QStringLiteral("   Genesis             7 : 1 - 1 : 1"),
                                      QStringLiteral("   Genesis             8 : 1 - 1 : 1")}));

    // Unmark one, change the notes, save with the button: the same row changes, the window closes.
    e.show();
    e.lstBookmark->item(0)->setSelected(false);
    e.txtBookmarkNotes->setPlainText(QStringLiteral("changed"));
    const int rows = BookmarkRows().size();
    QTest::mouseClick(e.imgSaveBookmark, Qt::LeftButton);
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(BookmarkRows().size(), rows);
    EXPECT_EQ(Field(2, QStringLiteral("BookMarkNotes")), QStringLiteral("changed"));
    EXPECT_EQ(Links(), QStringList{QStringLiteral("0700001>0700003")});
}

TEST_F(Editor, ChangingTheRangeUpdatesTheCaptionAndMovesTheBookmark)
{
    SeedBookmark own = Bm(1, QStringLiteral("0700001"), QStringLiteral("notes"));
    own.tc = 2;
    own.ts = 3;
    const qint64 index = AddBookmark(own);
    BookmarkEditor e;
    e.load(Gen);
    ASSERT_TRUE(ChooseComboText(e.findChild<QComboBox*>(QStringLiteral("cboFromChapter")), QStringLiteral("4")));  // the end follows to 4:last
    ASSERT_TRUE(ChooseComboText(e.findChild<QComboBox*>(QStringLiteral("cboFromSection")), QStringLiteral("2")));
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Old Testament : Genesis : 4:2 - 4:26"));
    ASSERT_TRUE(e.save());
    EXPECT_EQ(BookmarkRows().size(), 1);
    EXPECT_EQ(Field(index, QStringLiteral("BookMarkChapter")), QStringLiteral("4"));
    EXPECT_EQ(Field(index, QStringLiteral("BookMarkToSection")), QStringLiteral("26"));
    EXPECT_EQ(Field(index, QStringLiteral("BookmarkReference")), QStringLiteral("0700001"));
    EXPECT_EQ(Field(index, QStringLiteral("BookMarkNotes")), QStringLiteral("notes"));
}

TEST_F(Editor, CancelChangesNothing)
{
    AddBookmark(Bm(5, QStringLiteral("0123456"), QStringLiteral("old")));
    AddLink(QStringLiteral("0123456"), QStringLiteral("0123456"));
    const QStringList rows = BookmarkRows();
    const QStringList links = Links();
    BookmarkEditor e;
    e.load(Gen);
    e.show();
    e.txtBookmarkNotes->setPlainText(QStringLiteral("typed"));
    e.lstBookmark->item(0)->setSelected(true);
    QTest::mouseClick(e.imgCancelBookmark, Qt::LeftButton);
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.result(), QDialog::Rejected);
    EXPECT_EQ(BookmarkRows(), rows);
    EXPECT_EQ(Links(), links);
}

TEST_F(Editor, ANewBookmarkGetsAReferenceAndLinksToTheMarkedOnes)
{
    AddBookmark(Bm(5, QStringLiteral("0123456")));
    AddBookmark(Bm(6, QStringLiteral("0123457")));
    BookmarkEditor e;
    e.load(Gen);
    e.lstBookmark->item(1)->setSelected(true);
    e.txtBookmarkNotes->setPlainText(QStringLiteral("new"));
    ASSERT_TRUE(e.save());
    auto row = BookmarkRangeQuery(OptionsConnection(), Gen);
    ASSERT_FALSE(row->eof());
    const QString reference = row->text(QStringLiteral("BookmarkReference"));
    EXPECT_FALSE(reference.isEmpty());
    EXPECT_EQ(row->text(QStringLiteral("BookMarkNotes")), QStringLiteral("new"));
    EXPECT_EQ(Links(), QStringList{reference + QStringLiteral(">0123457")});
}
