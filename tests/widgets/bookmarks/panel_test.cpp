// The bookmark editor and the bookmark panel of the main window.
#include "support/BookmarkTestData.h"
#include "app/MainWindow.h"
#include "bookmarks/BookmarkEditor.h"
#include "bookmarks/BookmarkStore.h"
#include "reading/SelectorCombos.h"
#include "resources/Widgets.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace kivra;
using namespace kivra::test;

namespace {

// Runs check on the next modal bookmark editor, then cancels it; whether one opened.
bool withEditor(const std::function<void()>& open, const std::function<void(BookmarkEditor&)>& check)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<BookmarkEditor*>(QApplication::activeModalWidget());
        if (!editor)
            return;
        opened = true;
        check(*editor);
        if (editor->isVisible())
            editor->reject();
    });
    open();
    QCoreApplication::processEvents();  // a timer left over when no editor opened
    return opened;
}

QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QString shown(const MainWindow& w)
{
    const Passage p = Child<VerseRangeSelector>(w, "VerseRangeSelector")->passage();
    return QStringLiteral("%1 %2:%3-%4:%5").arg(p.book).arg(p.fromChapter).arg(p.fromVerse).arg(p.toChapter).arg(p.toVerse);
}

// Clicks, or double-clicks, an entry of the bookmark list where it is drawn.
void clickEntry(MainWindow& w, int row, bool twice = false)
{
    QListWidget* list = Child<QListWidget>(w, "lstBookmark");
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

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

class Panel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        // A: Genesis 1:1-1:3 links to B and C; B links back to A; C has no links.
        a = AddBookmark(Range(QStringLiteral("Genesis"), 1, 1, 1, 3, QStringLiteral("0100001"), QStringLiteral("notes A")));
        b = AddBookmark(Range(QStringLiteral("John"), 3, 16, 3, 16, QStringLiteral("0100002"), QStringLiteral("notes B"),
                              QStringLiteral("New Testament")));
        c = AddBookmark(Range(QStringLiteral("Psalms"), 23, 1, 23, 6, QStringLiteral("0100003"), QStringLiteral("notes C")));
        AddLink(QStringLiteral("0100001"), QStringLiteral("0100002"));
        AddLink(QStringLiteral("100001"), QStringLiteral("100003"));  // kept as numbers by an older version
        AddLink(QStringLiteral("0100002"), QStringLiteral("0100001"));
        w = test::OpenMainWindow(true);
        ASSERT_TRUE(w);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }

    QComboBox* related() const { return Child<QComboBox>(*w, "cboRelatedVerse"); }
    QListWidget* list() const { return Child<QListWidget>(*w, "lstBookmark"); }
    QToolButton* button(const char* name) const { return Child<QToolButton>(*w, name); }
    QString panelNotes() const { return Child<QPlainTextEdit>(*w, "txtBookmarkNotes")->toPlainText(); }
    QString notes() const { return Child<QPlainTextEdit>(*w, "txtNotes")->toPlainText(); }
    void openGenesis1To(int verse) { w->openStoredPassage({QStringLiteral("Genesis"), 1, 1, 1, verse}); }

    TempProgramFolder folder;
    std::unique_ptr<MainWindow> w;
    qint64 a = 0, b = 0, c = 0;
};

TEST_F(Panel, TheTabSelectsTheFirstBookmarkAndTheNotesFollowTheSelection)
{
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes A"));
    // The notes follow the mouse and the arrow keys.
    clickEntry(*w, 2);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes C"));
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes B"));
    clickEntry(*w, 0, true);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes A"));
    EXPECT_EQ(notes(), QStringLiteral("notes A"));
}

TEST_F(Panel, OperationsWithoutASelectionOrAnyBookmarkTellTheUserAndChangeNothing)
{
    const auto openEditDelete = [this] {
        for (const char* name : {"imgOpenBookmark", "imgEditBookmark", "imgDeleteBookmark"})
            QTest::mouseClick(button(name), Qt::LeftButton);
    };
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    list()->clearSelection();
    const QStringList rows = BookmarkRows();
    openEditDelete();
    EXPECT_EQ(folder.ui().messages,
              (QList<Message>{Message::SelectBookmarkToOpen, Message::SelectBookmarkToEdit,
                              Message::SelectBookmarkToDelete}));
    EXPECT_EQ(BookmarkRows(), rows);

    TempProgramFolder::exec(OptionsConnectionName, QStringLiteral("DELETE FROM \"tblBookmark\""));
    Child<QPlainTextEdit>(*w, "txtBookmarkNotes")->setPlainText(QStringLiteral("before"));
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(panelNotes(), QStringLiteral("before"));
    folder.ui().messages.clear();
    openEditDelete();
    EXPECT_EQ(folder.ui().messages, (QList<Message>{Message::NoBookmarks, Message::NoBookmarks, Message::NoBookmarks}));
}

TEST_F(Panel, OpeningFollowsLinksAndComesBack)
{
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    clickEntry(*w, 0, true);
    EXPECT_EQ(shown(*w), QStringLiteral("Genesis 1:1-1:3"));
    EXPECT_EQ(notes(), QStringLiteral("notes A"));
    EXPECT_TRUE(related()->isVisibleTo(w.get()));
    EXPECT_EQ(entries(related()),
              (QStringList{QStringLiteral("Please select a related bookmark"), QString(50, QLatin1Char('-')),
                           QStringLiteral("Back to the original bookmark"), QStringLiteral("   John   3 : 16 - 3 : 16 "),
                           QStringLiteral("   Psalms   23 : 1 - 23 : 6 ")}));
    EXPECT_EQ(related()->currentIndex(), 0);

    emit related()->activated(4);
    EXPECT_EQ(shown(*w), QStringLiteral("Psalms 23:1-23:6"));
    EXPECT_EQ(notes(), QStringLiteral("notes C"));
    emit related()->activated(1);  // the hyphen line: the passage again
    EXPECT_EQ(shown(*w), QStringLiteral("Psalms 23:1-23:6"));
    emit related()->activated(2);
    EXPECT_EQ(shown(*w), QStringLiteral("Genesis 1:1-1:3"));
    EXPECT_EQ(related()->count(), 5) << "not refilled by following a link";

    // A bookmark without links offers only "No related bookmark found". Enter opens, as a double click does.
    list()->setCurrentRow(2);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(entries(related()), QStringList{QStringLiteral("No related bookmark found")});
    EXPECT_EQ(shown(*w), QStringLiteral("Psalms 23:1-23:6"));
}

TEST_F(Panel, APassageThatDoesNotExistIsNamedAndTheShownOneStays)
{
    // Imported bookmarks may name any passage.
    AddBookmark(Range(QStringLiteral("Hezekiah"), 1, 1, 1, 2, QStringLiteral("0100004"), QString()));
    AddBookmark(Range(QStringLiteral("Genesis"), -5, 1, 1, 2, QStringLiteral("0100005"), QString()));
    AddBookmark(Range(QStringLiteral("Genesis"), 1, 16400, 1, 16400, QStringLiteral("0100006"), QString()));
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    const QString passage = shown(*w), text = Child<QTextEdit>(*w, "txtBibleText")->toPlainText();
    for (const QString& named : {QStringLiteral("[Hezekiah] : 1:1 - 1:2"), QStringLiteral("[Genesis] : -5:1 - 1:2"),
                                 QStringLiteral("[Genesis] : 1:16400 - 1:16400")}) {
        folder.ui().messages.clear();
        folder.ui().messageTexts.clear();
        const QString listed = named.section(u' ', 2).replace(QStringLiteral(":"), QStringLiteral(" : "));
        const QList<QListWidgetItem*> items = list()->findItems(listed, Qt::MatchContains);
        ASSERT_EQ(items.size(), 1) << listed.toStdString();
        clickEntry(*w, list()->row(items[0]), true);
        EXPECT_EQ(folder.ui().messages, QList<Message>{Message::PassageNotInBible});
        EXPECT_TRUE(folder.ui().messageTexts.value(0).contains(named)) << folder.ui().messageTexts.value(0).toStdString();
        EXPECT_EQ(shown(*w), passage);
        EXPECT_EQ(Child<QTextEdit>(*w, "txtBibleText")->toPlainText(), text);
    }
}

TEST_F(Panel, DeleteSelectsThePreviousEntryAndDropsTheLinks)
{
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    list()->setCurrentRow(2);
    QTest::mouseClick(button("imgDeleteBookmark"), Qt::LeftButton);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(list()->selectedItems().size(), 1);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes B"));

    AddLink(QStringLiteral("1000010"), QStringLiteral("0100002"));  // not A's number, though it starts like it
    list()->setCurrentRow(0);  // A, with links from and to it
    QTest::mouseClick(button("imgDeleteBookmark"), Qt::LeftButton);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(panelNotes(), QStringLiteral("notes B"));
    EXPECT_EQ(Links(), QStringList{QStringLiteral("1000010>0100002")});
    QTest::mouseClick(button("imgOpenBookmark"), Qt::LeftButton);  // B lost its only link
    EXPECT_EQ(entries(related()), QStringList{QStringLiteral("No related bookmark found")});

    QTest::mouseClick(button("imgDeleteBookmark"), Qt::LeftButton);  // the last one: its notes go with it
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(panelNotes().isEmpty());
    EXPECT_TRUE(BookmarkRows().isEmpty());
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(Panel, NotesUnderThePassageOnlyForTheExactRangeAndNeverTypedInto)
{
    openGenesis1To(3);
    EXPECT_EQ(notes(), QStringLiteral("notes A"));
    openGenesis1To(4);
    EXPECT_EQ(notes(), QString());
    ASSERT_TRUE(ChooseComboText(Child<QComboBox>(*w, "cboToSection"), QStringLiteral("3")));
    QTest::mouseClick(button("imgRetrieveBible"), Qt::LeftButton);
    EXPECT_EQ(notes(), QStringLiteral("notes A"));

    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    QTest::keyClick(Child<QPlainTextEdit>(*w, "txtNotes"), Qt::Key_X);
    QTest::keyClicks(Child<QPlainTextEdit>(*w, "txtBookmarkNotes"), QStringLiteral("y"));
    QTest::keyClick(Child<QPlainTextEdit>(*w, "txtBookmarkNotes"), Qt::Key_V, Qt::ControlModifier);
    // Typing and pasting are answered; the Ctrl of Ctrl+V alone is not.
    EXPECT_EQ(folder.ui().messages,
              (QList<Message>{Message::BookmarkVerseBeforeNotes, Message::EditBookmarkToChangeNotes,
                              Message::EditBookmarkToChangeNotes}));
    EXPECT_EQ(notes(), QStringLiteral("notes A"));
    EXPECT_EQ(panelNotes(), QStringLiteral("notes A"));
    EXPECT_EQ(Field(a, QStringLiteral("BookMarkNotes")), QStringLiteral("notes A"));
}

TEST_F(Panel, NotesOfAnyLengthAreShownInPiecesAndKeptWhole)
{
    QString huge;
    while (huge.size() < 10 * NotesParagraphLimit)
        huge += QStringLiteral("grace and peace ");
    const qint64 ruth = AddBookmark(Range(QStringLiteral("Ruth"), 1, 1, 1, 2, QStringLiteral("0100009"), huge));
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    clickEntry(*w, list()->row(list()->findItems(QStringLiteral("Ruth"), Qt::MatchContains).value(0)));
    // A box lays out a paragraph as a whole: none of the shown ones may be huge.
    const QTextDocument* shown = Child<QPlainTextEdit>(*w, "txtBookmarkNotes")->document();
    for (QTextBlock block = shown->begin(); block.isValid(); block = block.next())
        ASSERT_LE(block.length(), NotesParagraphLimit + 1);
    EXPECT_TRUE(panelNotes().remove(u'\n') == huge);

    // The editor shows them the same way, cannot change them there, and saves them unchanged.
    EXPECT_TRUE(withEditor([&] { QTest::mouseClick(button("imgEditBookmark"), Qt::LeftButton); }, [](BookmarkEditor& e) {
        EXPECT_TRUE(e.txtBookmarkNotes->isReadOnly());
        EXPECT_GT(e.txtBookmarkNotes->document()->blockCount(), 1);
        QTest::mouseClick(e.imgSaveBookmark, Qt::LeftButton);
    }));
    EXPECT_TRUE(Field(ruth, QStringLiteral("BookMarkNotes")) == huge);
}

TEST_F(Panel, BookmarkingTheShownPassageOpensTheEditorOnIt)
{
    openGenesis1To(3);
    EXPECT_TRUE(withEditor([&] { QTest::mouseClick(Child<ClickLabel>(*w, "lblAddFavourite"), Qt::LeftButton); }, [](BookmarkEditor& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Old Testament : Genesis : 1:1 - 1:3"));
        EXPECT_EQ(e.openedRange().toVerse, 3);
        EXPECT_EQ(e.txtBookmarkNotes->toPlainText(), QStringLiteral("notes A"));
        QTest::keyClick(e.txtBookmarkNotes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e.txtBookmarkNotes, QStringLiteral("edited"));
        QTest::mouseClick(e.imgSaveBookmark, Qt::LeftButton);
    }));
    EXPECT_EQ(Field(a, QStringLiteral("BookMarkNotes")), QStringLiteral("edited"));
    EXPECT_EQ(notes(), QStringLiteral("edited")) << "shown under the passage at once";
    EXPECT_EQ(BookmarkRows().size(), 3);

    // Edit from the panel opens the editor on the selected bookmark's range.
    QTest::mouseClick(button("imgBookmark"), Qt::LeftButton);
    list()->setCurrentRow(1);
    EXPECT_TRUE(withEditor([&] { QTest::mouseClick(button("imgEditBookmark"), Qt::LeftButton); }, [](BookmarkEditor& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("New Testament : John : 3:16 - 3:16"));
        EXPECT_EQ(e.lstBookmark->selectedItems().size(), 1);
        ASSERT_TRUE(e.verseSelector->choosePassage({QStringLiteral("John"), 3, 16, 3, 18}));
        QTest::mouseClick(e.imgSaveBookmark, Qt::LeftButton);
    }));
    // The list shows the range as saved, the entry still selected and readable whole in its tooltip.
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_TRUE(list()->currentItem()->text().endsWith(QStringLiteral("3 : 16 - 3 : 18")));
    EXPECT_EQ(list()->currentItem()->toolTip(), QStringLiteral("John 3 : 16 - 3 : 18"));
}

TEST_F(Panel, BookmarkingASearchResultTakesTheSelectedVerse)
{
    Search(*w, QStringLiteral("xyzzy"));
    EXPECT_FALSE(withEditor([&] { QTest::mouseClick(button("imgAddFavourite"), Qt::LeftButton); }, [](BookmarkEditor&) {}));
    EXPECT_EQ(folder.ui().messages, QList<Message>{Message::NoBibleTextToBookmark});

    Search(*w, QStringLiteral("sent not his Son into the world"));
    QTableView* grid = Child<QTableView>(*w, "dgdSearchResults");
    ASSERT_GE(grid->model()->rowCount(), 1);
    grid->clearSelection();
    EXPECT_FALSE(withEditor([&] { QTest::mouseClick(button("imgAddFavourite"), Qt::LeftButton); }, [](BookmarkEditor&) {}));
    EXPECT_EQ(folder.ui().messages, (QList<Message>{Message::NoBibleTextToBookmark, Message::SelectEntryToBookmark}));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 5)).center());
    EXPECT_TRUE(withEditor([&] { QTest::mouseClick(button("imgAddFavourite"), Qt::LeftButton); }, [](BookmarkEditor& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("New Testament : John : 3:17 - 3:17"));
        EXPECT_TRUE(e.txtBookmarkNotes->toPlainText().isEmpty());
    }));
    EXPECT_EQ(BookmarkRows().size(), 3) << "cancelled";
}

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
    AddBookmark(Bm(7, QStringLiteral("0700002")));
    AddBookmark(Range(QStringLiteral("Genesis"), 1, 1, 2, 3, QStringLiteral("0700001"), QStringLiteral("In the beginning")));
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
    const qint64 index = AddBookmark(Range(QStringLiteral("Genesis"), 1, 1, 2, 3, QStringLiteral("0700001"), QStringLiteral("notes")));
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
