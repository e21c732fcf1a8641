// The word panel and the commentary beside the passage, driven as a reader does: the mouse resting
// on a word, the key on a selected word, the panel's button, a link clicked in the commentary.
#include "reading/BibleChooser.h"
#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"
#include "storage/DataControl.h"
#include "study/CommentaryPane.h"
#include "study/WordStudy.h"
#include "support/MainWindowFixture.h"
#include "support/TinyShelf.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

using kivra::test::Child;
using namespace kivra;
using namespace Qt::StringLiterals;

namespace {

class WordStudyWindow : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        KIVRA_NEEDS(modules.shortfall());
        test::MainWindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void chooseTiny()
    {
        auto* chooser = Child<BibleChooser>(*window, "cboBible");
        chooser->fillFromShelf();
        chooser->setFocus();
        QTest::keyClick(chooser, Qt::Key_Down);
        ASSERT_EQ(ChosenBibleName(), u"Tiny"_s);
    }
    QTextEdit* pane() const { return Child<QTextEdit>(*window, "txtBibleText"); }
    WordStudy* panel() const { return Child<WordStudy>(*window, "WordStudy"); }
    // Where a word of the pane is drawn, in its viewport.
    QPoint wordPoint(const QString& word) const
    {
        QTextCursor at(pane()->document());
        at.setPosition(int(pane()->toPlainText().indexOf(word)) + 1);
        return pane()->cursorRect(at).center();
    }
    QString panelText() const
    {
        QStringList texts;
        for (const QLabel* label : panel()->findChildren<QLabel*>())
            texts << label->text();
        return texts.join(u'\n');
    }
    test::TinyShelfFolder modules{true};
};

TEST_F(WordStudyWindow, RestingOnAWordShowsItsEntryAndItsButtonListsEveryVerseWithTheNumber)
{
    chooseTiny();
    ASSERT_TRUE(window->goToReference(u"John 3:16"_s));
    EXPECT_EQ(pane()->toPlainText().count(u"G25"_s), 0);  // the numbers stay out of the text
    QTest::mouseMove(pane()->viewport(), wordPoint(u"amó"_s));
    ASSERT_TRUE(QTest::qWaitFor([this] { return panel()->isVisible(); }, 2000));
    EXPECT_TRUE(panelText().contains(u"G25"_s) && panelText().contains(u"ἀγαπάω"_s)) << panelText().toStdString();
    EXPECT_TRUE(panelText().contains(u"to love."_s));
    EXPECT_TRUE(pane()->viewport()->geometry().intersects(panel()->geometry()));

    QTest::mouseClick(panel()->everyUseButton(), Qt::LeftButton);
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);
    ASSERT_EQ(window->searchResults()->count(), 1);
    EXPECT_EQ(window->searchResults()->currentResult()->chapter, 3);
    // The word carrying the number is marked under the grid.
    const QString verse = window->searchResults()->selectedText();
    const QList<QTextEdit::ExtraSelection> marks = Child<QTextEdit>(*window, "txtSelectedSection")->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.selectedText(), u"amó"_s) << verse.toStdString();
}

TEST_F(WordStudyWindow, TheKeyOpensThePanelOnTheSelectedWordAndSaysWhichPackageBringsTheLexicon)
{
    chooseTiny();
    ASSERT_TRUE(window->goToReference(u"Gen 1:1"_s));
    pane()->setFocus();
    QTest::mouseDClick(pane()->viewport(), Qt::LeftButton, {}, wordPoint(u"Dios"_s));  // selects the word
    QTest::keyClick(pane(), Qt::Key_F2);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->shownNumber(), (StrongsNumber{'H', 430}));
    EXPECT_TRUE(panelText().contains(u"sword-dict-strongs-hebrew"_s)) << panelText().toStdString();
    QTest::keyClick(pane(), Qt::Key_Escape);
    EXPECT_FALSE(panel()->isVisible());
    // On request the numbers stand after their words; off again, the text is as it was.
    const QString plain = pane()->toPlainText();
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(pane()->toPlainText().startsWith(u"DiosH430 creóH1254"_s)) << pane()->toPlainText().toStdString();
    QTest::mouseMove(pane()->viewport(), wordPoint(u"creó"_s));
    EXPECT_TRUE(QTest::qWaitFor([this] { return panel()->shownNumber() == StrongsNumber{'H', 1254}; }, 2000));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pane()->toPlainText(), plain);
}

TEST_F(WordStudyWindow, TheCommentaryFollowsThePassageAndItsLinksOpenTheirPassage)
{
    ASSERT_TRUE(window->goToReference(u"John 3:16"_s));
    QTimer::singleShot(0, [] {  // the passage's verse menu offers the commentary
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == u"Commentary beside the passage"_s)
                menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QWidget* text = Child<QTextEdit>(*window, "txtBibleText")->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, text->rect().center(), text->mapToGlobal(text->rect().center()));
    QApplication::sendEvent(text, &request);
    auto* pane = Child<CommentaryPane>(*window, "CommentaryPane");
    ASSERT_TRUE(pane->isVisible());
    EXPECT_EQ(pane->chooser()->currentData().toString(), u"TinyNotes"_s);  // the damaged one is not the first choice
    QTextBrowser* notes = pane->notesBox();
    EXPECT_TRUE(notes->toPlainText().contains(u"Lost sheep, Matthew 10:6; Luke 15:4,6."_s)) << notes->toPlainText().toStdString();

    QTextCursor link = notes->document()->find(u"Matthew 10:6"_s);
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, notes->cursorRect(link).center());
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "Matthew", "10", "6", "10", "6"}));
    EXPECT_TRUE(notes->toPlainText().contains(u"has no note on Matthew 10:6"_s)) << notes->toPlainText().toStdString();

    pane->chooser()->setCurrentIndex(pane->chooser()->findData(u"Damaged"_s));
    EXPECT_TRUE(notes->toPlainText().contains(u"cannot be read"_s)) << notes->toPlainText().toStdString();
    window->activateWindow();  // the closed menu leaves no window active on the offscreen platform
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(pane->isVisible());
    // The picture button beside "Pray" does the same, and shows whether the pane is open.
    auto* button = Child<QToolButton>(*window, "imgCommentary");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(pane->isVisible() && button->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(pane->isVisible() || button->isChecked());
}

} // namespace
