// The story editor, the viewer and the story panel, driven through their controls.
#include "support/Fixture.h"
#include "support/MachineNeeds.h"
#include "support/MainWindowFixture.h"

#include "app/MainWindow.h"
#include "reading/VerseRangeSelector.h"
#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "stories/PictureBox.h"
#include "stories/StoryStore.h"
#include "stories/StoryEditor.h"
#include "stories/StoryViewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSqlQuery>
#include <QShortcut>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using kivra::test::Child;

using namespace kivra;

namespace {

Passage genesis(int chapter, int fromVerse, int toVerse)
{
    return {QStringLiteral("Genesis"), chapter, fromVerse, chapter, toVerse};
}

void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

class StoryWindowsTest : public test::MainWindowTest {
protected:
    void TearDown() override
    {
        window.reset();
        processDeletes();
    }
    QList<Message>& messages() { return folder.ui().messages; }
    void clickAll(std::initializer_list<const char*> buttons)
    {
        for (const char* name : buttons)
            QTest::mouseClick(Child<QToolButton>(*window, name), Qt::LeftButton);
    }
    // A double click on the first story of the panel.
    void openFirstStory()
    {
        QTest::mouseClick(Child<QToolButton>(*window, "imgBibleStory"), Qt::LeftButton);
        QListWidget* list = Child<QListWidget>(*window, "lstBibleStory");
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first);  // a double click starts with a press
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    }

    StoryEditor* addPart(StoryEditor* editor, int chapter, int from, int to)
    {
        EXPECT_TRUE(editor->verseSelector->choosePassage(genesis(chapter, from, to)));
        QTest::mouseClick(editor->imgSelectVerse, Qt::LeftButton);
        return editor;
    }
    // A saved story made through the editor.
    int makeStory(const QString& name, const QList<int>& chapters)
    {
        auto* editor = OpenStoryEditor(StoryEditorMode::Add, 0, window.get());
        for (int c : chapters)
            addPart(editor, c, 1, 2);
        const int number = editor->storyNumber();
        editor->txtBibleStoryName->setText(name);
        QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
        processDeletes();
        return number;
    }
};

TEST_F(StoryWindowsTest, EditorBuildsOrdersAndSavesAStory)
{
    QTest::mouseClick(Child<QToolButton>(*window, "imgCreateBibleStory"), Qt::LeftButton);
    QPointer<StoryEditor> editor = window->findChild<StoryEditor*>();
    ASSERT_TRUE(editor);
    QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
    editor->txtBibleStoryName->setText("Ruth \"the Moabite\"");
    QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
    QTest::mouseClick(editor->imgDeselectVerse, Qt::LeftButton);
    EXPECT_EQ(messages(),
              (QList<Message>{Message::StoryNameMissing, Message::StoryHasNoVerse, Message::SelectVerseToRemove}));

    for (int c = 1; c <= 4; ++c)
        addPart(editor, c, 1, 3);
    EXPECT_EQ(editor->storyNumber(), 1);
    QListWidget* list = editor->lstBibleStoryPart;
    EXPECT_EQ(list->item(0)->text(), "Old Testament : Genesis : 1:1 : 1:3");
    EXPECT_EQ(list->currentRow(), 3);

    // Notes typed for a part survive selecting another part and saving.
    list->setCurrentRow(1);
    editor->txtBibleStoryVerseNotes->setPlainText("second part notes");
    list->setCurrentRow(0);
    QTest::mouseClick(editor->imgMoveUp, Qt::LeftButton);
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(3);
    QTest::mouseClick(editor->imgMoveDown, Qt::LeftButton);
    QTest::mouseClick(editor->imgMoveUp, Qt::LeftButton);  // chapters 1, 2, 4, 3
    EXPECT_EQ(list->currentRow(), 2);
    editor->txtBibleStoryVerseNotes->setPlainText("chapter four");

    list->setCurrentRow(0);
    QTest::mouseClick(editor->imgDeselectVerse, Qt::LeftButton);  // the first: the new first is selected
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(2);
    QTest::mouseClick(editor->imgDeselectVerse, Qt::LeftButton);  // any other: the one above
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(itemTexts(list), (QStringList{"Old Testament : Genesis : 2:1 : 2:3", "Old Testament : Genesis : 4:1 : 4:3"}));
    editor->txtBibleStoryVerseNotes->setPlainText("typed, then saved");

    Child<QListWidget>(*window, "lstBibleStory")->clear();
    QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
    processDeletes();
    EXPECT_TRUE(editor.isNull()) << "Save closes the editor";
    const QList<StoryPartRow> parts = ReadStoryParts(1);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0].chapter, "2");
    EXPECT_EQ(parts[0].notes, "second part notes");
    EXPECT_EQ(parts[1].chapter, "4");
    EXPECT_EQ(parts[1].notes, "typed, then saved");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(parts[i].partNumber, i);
        EXPECT_EQ(parts[i].name, "Ruth \"the Moabite\"");
    }
    EXPECT_EQ(itemTexts(Child<QListWidget>(*window, "lstBibleStory")), QStringList{"    Ruth \"the Moabite\""}) << "the list is reloaded";
    EXPECT_EQ(messages().size(), 3);
}

TEST_F(StoryWindowsTest, EnterWritesNotesOnlyForASelectedPart)
{
    auto* editor = addPart(OpenStoryEditor(StoryEditorMode::Add, 0, window.get()), 1, 1, 2);
    QPlainTextEdit* notes = editor->txtBibleStoryVerseNotes;
    QTest::keyClicks(notes, "on enter");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClick(notes, Qt::Key_Enter);
    const int index = editor->lstBibleStoryPart->item(0)->data(Qt::UserRole).toInt();
    EXPECT_EQ(ReadStoryNotes(index), "on enter") << "saved as typed, without line breaks";
    EXPECT_EQ(notes->toPlainText(), "on enter");
    editor->lstBibleStoryPart->clearSelection();
    notes->setPlainText("nowhere");
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(ReadStoryNotes(index), "on enter");
    QTest::mouseClick(editor->imgCancelBibleStory, Qt::LeftButton);
    EXPECT_TRUE(ReadStoryParts(1).isEmpty()) << "Cancel of a new story removes it";
}

TEST_F(StoryWindowsTest, AHugeNoteOnOneLineIsReadByKeyboardInTheEditorAndKeptWhole)
{
    const int number = makeStory("Long", {1});
    QString huge;
    while (huge.size() < 10 * 1024 * 1024)
        huge += QStringLiteral("grace and peace ");
    QSqlQuery set(StoryConnection());
    set.prepare(QStringLiteral("UPDATE \"tblBibleStory\" SET \"StoryNotes\" = ?"));
    set.addBindValue(huge);
    ASSERT_TRUE(set.exec());
    auto* editor = OpenStoryEditor(StoryEditorMode::Edit, number, window.get());
    editor->lstBibleStoryPart->setCurrentRow(0);
    QPlainTextEdit* notes = editor->txtBibleStoryVerseNotes;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(notes, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(notes->textCursor().position(), 0);
    QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(notes->textCursor().position(), notes->document()->characterCount() - 1);
    EXPECT_GT(notes->verticalScrollBar()->value(), 0);
    QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
    EXPECT_TRUE(ReadStoryParts(number).value(0).notes == huge);
}

TEST_F(StoryWindowsTest, EditingThenCancellingRestoresTheStory)
{
    const int number = makeStory("Esther", {1, 2, 3});
    const QList<StoryPartRow> before = ReadStoryParts(number);
    auto* editor = OpenStoryEditor(StoryEditorMode::Edit, number, window.get());
    EXPECT_EQ(editor->windowTitle(), "Editing \"Esther\"");
    EXPECT_EQ(editor->txtBibleStoryName->text(), "Esther");
    EXPECT_EQ(editor->imgBibleStoryThumbNail->sourcePath, ":placeholder") << "an empty path keeps the placeholder";
    editor->lstBibleStoryPart->setCurrentRow(1);
    QTest::mouseClick(editor->imgDeselectVerse, Qt::LeftButton);
    addPart(editor, 9, 1, 1);
    editor->txtBibleStoryVerseNotes->setPlainText("typed");
    editor->lstBibleStoryPart->setCurrentRow(0);
    emit editor->findChild<QShortcut*>("escapeShortcut")->activated();  // Escape cancels
    const QList<StoryPartRow> after = ReadStoryParts(number);
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].index, before[i].index);
        EXPECT_EQ(after[i].notes, before[i].notes);
    }
}

TEST_F(StoryWindowsTest, ANewStoryNeverMergesWithOrRemovesAStoryStoredMeanwhile)
{
    // Another program adds a story as an import does: the greatest number plus one.
    const auto storeElsewhere = [] {
        ASSERT_TRUE(test::TempProgramFolder::exec(
            StoryConnectionName, "INSERT INTO tblBibleStory (StoryNumber, StoryPartNumber, StoryName, StoryTestament, "
                                 "StoryBook, StoryChapter, StorySection, StoryToChapter, StoryToSection) SELECT "
                                 "IFNULL(MAX(StoryNumber), 0) + 1, 0, 'Other', 'Old Testament', 'Ruth', 1, 1, 1, 2 "
                                 "FROM tblBibleStory"));
    };
    QTest::mouseClick(Child<QToolButton>(*window, "imgCreateBibleStory"), Qt::LeftButton);
    StoryEditor* saved = window->findChild<StoryEditor*>();
    StoryEditor* cancelled = OpenStoryEditor(StoryEditorMode::Add, 0, window.get());
    storeElsewhere();
    addPart(saved, 1, 1, 2)->txtBibleStoryName->setText("Mine");
    QTest::mouseClick(saved->imgSaveBibleStory, Qt::LeftButton);
    storeElsewhere();
    QTest::mouseClick(cancelled->imgCancelBibleStory, Qt::LeftButton);
    QStringList stories;
    for (const StoryListEntry& entry : StoryListEntries())
        stories << entry.text.trimmed() + ":" + QString::number(ReadStoryParts(entry.number).size());
    EXPECT_EQ(stories, (QStringList{"Other:1", "Mine:1", "Other:1"}));
}

TEST_F(StoryWindowsTest, EditingStartsOnlyWhenCancelCanRestore)
{
    makeStory("Esther", {1, 2});
    // The disk fills up: the backup the editor writes for Cancel fails.
    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName,
                                              "CREATE TEMP TRIGGER full BEFORE INSERT ON tblBibleStory_Backup "
                                              "BEGIN SELECT RAISE(FAIL, 'database or disk is full'); END"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgBibleStory"), Qt::LeftButton);
    Child<QListWidget>(*window, "lstBibleStory")->setCurrentRow(0);
    QTest::mouseClick(Child<QToolButton>(*window, "imgEditBibleStory"), Qt::LeftButton);
    EXPECT_EQ(messages(), QList<Message>{Message::StoryNotBackedUp});
    EXPECT_FALSE(window->findChild<StoryEditor*>());
    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName, "DROP TRIGGER temp.full"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgEditBibleStory"), Qt::LeftButton);
    EXPECT_TRUE(window->findChild<StoryEditor*>());
}

TEST_F(StoryWindowsTest, EditorPictureBrowseMissingAndClear)
{
    const int number = makeStory("Jonah", {1});
    const QString gone = folder.path() + "/no/such/picture.jpg";
    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName,
                                              QString("UPDATE tblBibleStory SET StoryImagePath = '%1'").arg(gone)));
    auto* editor = OpenStoryEditor(StoryEditorMode::Edit, number, window.get());
    EXPECT_EQ(editor->imgBibleStoryThumbNail->sourcePath, StoryImageNotFoundPicture());

    folder.ui().fileAnswers << folder.path() + "/Db/dbStory.dat";  // not a picture
    QTest::mouseClick(editor->imgBrowseBibleStoryPicture, Qt::LeftButton);
    EXPECT_EQ(folder.ui().dialogTitles.value(0), "Load Bible Story Verse Image");
    EXPECT_EQ(folder.ui().dialogInitialNames.value(0), gone);
    const QStringList filters = folder.ui().dialogFilters.value(0).split(";;");
    ASSERT_EQ(filters.size(), 6);
    EXPECT_TRUE(filters[0].startsWith("Bitmaps (*.bmp;*.dib)"));
    EXPECT_TRUE(filters[2].startsWith("JPEG Images (*.JPG)"));
    EXPECT_TRUE(filters[3].startsWith("Metafiles (*.wmf;*.emf)"));
    EXPECT_TRUE(filters[5].startsWith("All Files (*.*)"));
    EXPECT_EQ(editor->picturePath(), folder.path() + "/Db/dbStory.dat");
    EXPECT_EQ(editor->imgBibleStoryThumbNail->sourcePath, StoryImageNotFoundPicture()) << "the old picture stays";

    QTest::mouseClick(editor->imgBrowseBibleStoryPicture, Qt::LeftButton);  // cancelled: nothing changes
    EXPECT_EQ(editor->picturePath(), folder.path() + "/Db/dbStory.dat");

    QTest::mouseClick(editor->imgClearBibleStoryPicture, Qt::LeftButton);
    QTest::mouseClick(editor->imgSaveBibleStory, Qt::LeftButton);
    auto rs = ReadStoryParts(number);
    ASSERT_EQ(rs.size(), 1);
    EXPECT_EQ(rs[0].imagePath, StoryNoImagePicture());
    const auto type = queryRows(StoryConnection(), QStringLiteral("SELECT StoryImageType FROM tblBibleStory"));
    EXPECT_EQ(type->text(QStringLiteral("StoryImageType")), QStringLiteral("gif"));
}

TEST_F(StoryWindowsTest, ViewerShowsPartsInOrderWithNotesAndStockPictures)
{
    const int number = makeStory("Creation", {1, 2});
    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName,
                                              "UPDATE tblBibleStory SET StoryPartNumber = 1 - StoryPartNumber, "
                                              "StoryNotes = CASE StoryChapter WHEN 2 THEN '  first  ' END"));
    auto* viewer = OpenStoryViewer(number, window.get());
    EXPECT_EQ(viewer->windowTitle(), "Creation");
    EXPECT_EQ(viewer->lblTopHeading->text(), "Creation");
    const QString text = viewer->rxtBibleStoryText->toPlainText();
    EXPECT_LT(text.indexOf("Creation / Part 1 [Gen] : 2:1 - 2:2"), text.indexOf("Creation / Part 2 [Gen] : 1:1 - 1:2"));
    EXPECT_TRUE(viewer->txtNotes->toPlainText().startsWith("Part 1 notes: \n   first\n\nPart 2 notes:"));
    EXPECT_EQ(viewer->imgBibleStoryImage->sourcePath, StoryNoImageFullPicture()) << "a null path";
    EXPECT_EQ(viewer->rxtBibleStoryText->document()->defaultFont().family(), options().DefaultFont);

    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName, "UPDATE tblBibleStory SET StoryImagePath = '/gone.gif'"));
    auto* second = OpenStoryViewer(number, window.get());
    EXPECT_EQ(second->imgBibleStoryImage->sourcePath, StoryImageNotFoundFullPicture());
    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName,
                                              QString("UPDATE tblBibleStory SET StoryImagePath = '%1'")
                                                  .arg(KIVRA_FIXTURES_DIR "/sample.wmf")));
    auto* third = OpenStoryViewer(number, window.get());
    if (WmfSupported()) {
        KIVRA_NEEDS(test::lacksMetafileFonts());
        EXPECT_EQ(third->imgBibleStoryImage->sourcePath, KIVRA_FIXTURES_DIR "/sample.wmf");
    }
    EXPECT_EQ(window->findChildren<StoryViewer*>().size(), 3) << "several viewers at once";

    QTest::mouseClick(viewer->imgCloseBibleStory, Qt::LeftButton);
    emit second->findChild<QShortcut*>("escapeShortcut")->activated();  // Escape closes
    processDeletes();
    EXPECT_EQ(window->findChildren<StoryViewer*>().size(), 1);
}

TEST_F(StoryWindowsTest, ViewerNamesThePassagesThatDoNotExistAndShowsABackwardOneSilentlyAsNothing)
{
    // Imported rows may name any passage: backwards, chapter -5, verse 16400, a book not in the Bible.
    const int number = makeStory("Odd", {2, 2, 3, 4});
    for (const char* change : {"StoryToChapter = 1 WHERE StoryPartNumber = 0", "StoryChapter = -5 WHERE StoryPartNumber = 1",
                               "StorySection = 16400, StoryToSection = 16400 WHERE StoryPartNumber = 2"})
        ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName, QStringLiteral("UPDATE tblBibleStory SET ") + change));
    openFirstStory();
    auto* viewer = window->findChild<StoryViewer*>();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->storyNumber(), number);
    EXPECT_FALSE(viewer->rxtBibleStoryText->toPlainText().contains(" 2:1 "));
    EXPECT_TRUE(viewer->rxtBibleStoryText->toPlainText().contains("Odd / Part 4 [Gen] : 4:1 - 4:2"));
    ASSERT_EQ(messages(), QList<Message>{Message::PassageNotInBible});
    const QString text = folder.ui().messageTexts.value(0);
    EXPECT_TRUE(text.contains("[Genesis] : -5:1 - 2:2")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Genesis] : 3:16400 - 3:16400")) << text.toStdString();
    EXPECT_FALSE(text.contains(" 4:1 ")) << "the part that exists is not named";
    EXPECT_FALSE(text.contains(" 2:1 - 1:2")) << "nor the backward one";

    ASSERT_TRUE(test::TempProgramFolder::exec(StoryConnectionName, "UPDATE tblBibleStory SET StoryBook = 'Hezekiah'"));
    OpenStoryViewer(number, window.get());
    ASSERT_EQ(messages(), (QList<Message>{Message::PassageNotInBible, Message::PassageNotInBible}));
    EXPECT_TRUE(folder.ui().messageTexts.value(1).contains("[Hezekiah]"));
}

TEST_F(StoryWindowsTest, PanelOperationsCheckTheListFirst)
{
    QTest::mouseClick(Child<QToolButton>(*window, "imgBibleStory"), Qt::LeftButton);
    clickAll({"imgRetrieveBibleStory", "imgEditBibleStory", "imgCopyBibleStory", "imgDeleteBibleStory"});
    EXPECT_EQ(messages(),
              (QList<Message>{Message::NoStories, Message::NoStories, Message::NoStories, Message::NoStories}));
    QTest::mouseClick(Child<QToolButton>(*window, "imgCreateBibleStory"), Qt::LeftButton);
    EXPECT_EQ(window->findChildren<StoryEditor*>().size(), 1);
    EXPECT_EQ(messages().size(), 4);

    makeStory("Ruth", {1});
    makeStory("Esther", {2});
    QTest::mouseClick(Child<QToolButton>(*window, "imgBibleStory"), Qt::LeftButton);
    EXPECT_EQ(Child<QListWidget>(*window, "lstBibleStory")->currentRow(), 0);
    Child<QListWidget>(*window, "lstBibleStory")->clearSelection();
    messages().clear();
    clickAll({"imgRetrieveBibleStory", "imgCopyBibleStory", "imgEditBibleStory", "imgDeleteBibleStory"});
    EXPECT_EQ(messages(),
              (QList<Message>{Message::SelectStoryToOpen, Message::SelectStoryToCopy, Message::SelectStoryToEdit,
                              Message::SelectStoryToDelete}));
}

TEST_F(StoryWindowsTest, PanelOpensCopiesAndDeletes)
{
    const int ruth = makeStory("Ruth", {1, 2});
    makeStory("Esther", {3});
    makeStory("Jonah", {4});
    openFirstStory();
    QListWidget* list = Child<QListWidget>(*window, "lstBibleStory");
    auto viewers = window->findChildren<StoryViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_EQ(viewers[0]->storyNumber(), ruth);

    QTest::mouseClick(Child<QToolButton>(*window, "imgCopyBibleStory"), Qt::LeftButton);
    auto editors = window->findChildren<StoryEditor*>();
    ASSERT_EQ(editors.size(), 1);
    EXPECT_EQ(editors[0]->windowTitle(), "Editing \"Copy of Ruth\"");
    EXPECT_EQ(editors[0]->storyNumber(), 4);
    QTest::mouseClick(editors[0]->imgCancelBibleStory, Qt::LeftButton);
    EXPECT_EQ(ReadStoryParts(4).size(), 2) << "Cancel keeps the copy as it was made";
    EXPECT_EQ(list->count(), 4);

    list->setCurrentRow(2);  // Jonah: the one above is selected
    QTest::mouseClick(Child<QToolButton>(*window, "imgDeleteBibleStory"), Qt::LeftButton);
    EXPECT_EQ(list->currentItem()->text(), "    Esther");
    list->setCurrentRow(0);  // the first: the new first is selected
    QTest::mouseClick(Child<QToolButton>(*window, "imgDeleteBibleStory"), Qt::LeftButton);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(itemTexts(list), (QStringList{"    Esther", "    Copy of Ruth"}));
    EXPECT_TRUE(ReadStoryParts(ruth).isEmpty());
}

} // namespace
