// Story exchange files: numbering, pictures in the image folder, refusals, altered files, the panel buttons.
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "storage/Database.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "stories/ImportedPictures.h"
#include "stories/StoryImportReport.h"
#include "stories/StoryStore.h"
#include "support/AlteredExchangeFiles.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;
using kivra::test::TempProgramFolder;
using kivra::test::ReadFile;

namespace {

const QDate Today(2026, 3, 9);

QByteArray png(int size = 40) { return test::PngBytes(QSize(size, size), Qt::darkCyan); }

void addPart(int story, int part, const QString& name, const QString& picture, const QString& notes = "notes")
{
    ASSERT_TRUE(ExecuteStatement(
        StoryConnection(),
        "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", \"StoryName\", \"StoryTestament\", "
        "\"StoryBook\", \"StoryChapter\", \"StorySection\", \"StoryToBook\", \"StoryToChapter\", \"StoryToSection\", "
        "\"StoryNotes\", \"StoryImagePath\", \"StoryImageType\") "
        "VALUES (?, ?, ?, 'Old Testament', 'Ruth', ?, 1, 'Ruth', 2, 3, ?, ?, ?)",
        {story, part, name, part + 1, notes, picture, picture.right(3)}));
}

void clearStories() { ASSERT_TRUE(ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\"")); }

QString writePicture(const QString& folder, const QString& name, const QByteArray& bytes)
{
    EXPECT_TRUE(test::WriteFile(folder + u'/' + name, bytes));
    return folder + u'/' + name;
}

// "number|part|name|path" per row in storage order.
QStringList storedRows()
{
    QStringList out;
    auto rs = queryRows(StoryConnection(), "SELECT * FROM \"tblBibleStory\" ORDER BY \"Index\"");
    for (; !rs->eof(); rs->MoveNext())
        out << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(rs->text("StoryNumber"), rs->text("StoryPartNumber"), rs->text("StoryName"),
                        rs->text("StoryImagePath"), rs->text("StoryImageType"));
    return out;
}

// The exported table of one story, "Ruth", with a picture; the stories are left empty for the import.
TableGram exportedStoryWithPicture(const QString& folder)
{
    clearStories();
    addPart(1, 0, "Ruth", writePicture(folder, "ruth.png", png()));
    QString error;
    const std::optional<TableGram> table = AllStoriesTable(StoryConnection(), &error);
    EXPECT_TRUE(table) << error.toStdString();
    clearStories();
    return table.value_or(TableGram{});
}

} // namespace

using StoryExchange = test::InFolder<TempProgramFolder>;

TEST_F(StoryExchange, OneStoryTravelsWithItsPictureAndBecomesStoryOne)
{
    const QByteArray picture = png(300);
    const QString source = writePicture(folder.path(), "ruth.png", picture);
    addPart(7, 0, "Ruth", source, QStringLiteral("Naomi — «returns»"));
    addPart(7, 1, "Ruth", source);
    addPart(7, 2, "Ruth", "");
    addPart(8, 0, "Other", source);

    QString error;
    auto table = OneStoryTable(StoryConnection(), 7, &error);
    ASSERT_TRUE(table) << error.toStdString();
    ASSERT_EQ(table->rows.size(), 3);
    table->rows[2][table->columnIndex("StoryNotes")] = QVariant();  // missing values import as the empty text
    table->rows[2][table->columnIndex("StoryToBook")] = QVariant();
    const int image = table->columnIndex("StoryImage");
    EXPECT_EQ(table->rows[0][image].toByteArray(), picture);
    EXPECT_TRUE(table->rows[1][image].isNull());  // the first row carries the picture for all
    const QString file = folder.path() + "/ruth.kbs";
    ASSERT_TRUE(WriteFileSafely(file, writeTableGram(*table), &error)) << error.toStdString();

    clearStories();
    const StoryImport result = ImportStoryFile(StoryConnection(), file, ImageFolder(), Today);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.storyNumbers, QList<int>({1}));
    EXPECT_TRUE(result.pictureProblems.isEmpty());
    const QString stored = ImageFolder() + "20260309_1.png";
    EXPECT_EQ(ReadFile(stored), picture);
    EXPECT_EQ(storedRows(), QStringList({"1|0|Ruth|" + stored + "|", "1|1|Ruth|" + stored + "|", "1|2|Ruth||"}));
    auto notes = queryRows(StoryConnection(), "SELECT \"StoryNotes\", \"StoryChapter\" FROM \"tblBibleStory\" ORDER BY \"Index\"");
    EXPECT_EQ(notes->text("StoryNotes"), QStringLiteral("Naomi — «returns»"));
    EXPECT_EQ(notes->integer("StoryChapter"), 1);
    auto nulls = queryRows(
        StoryConnection(), "SELECT COUNT(*) AS n FROM \"tblBibleStory\" WHERE \"StoryNotes\" IS NULL "
                           "OR \"StoryToBook\" IS NULL OR \"StoryImagePath\" IS NULL");
    EXPECT_EQ(nulls->integer("n"), 0);
}

TEST_F(StoryExchange, StoriesGetNumbersAfterTheGreatestInTheOrderOfTheirOldOnes)
{
    const QString a = writePicture(folder.path(), "a.png", png(10));
    const QString b = writePicture(folder.path(), "b.png", png(20));
    addPart(30, 0, "Thirty", a);
    addPart(5, 0, "Five", "");
    addPart(30, 1, "Thirty", a);
    addPart(12, 0, "Twelve", b);
    QString error;
    const auto table = AllStoriesTable(StoryConnection(), &error);
    ASSERT_TRUE(table);
    const int image = table->columnIndex("StoryImage");
    EXPECT_EQ(table->rows[2][image].toByteArray(), png(10));  // every row with a path carries the picture

    clearStories();
    addPart(10, 0, "Ten", "");
    const StoryImport result = ImportStoryTable(StoryConnection(), *table, ImageFolder(), Today);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.storyNumbers, QList<int>({11, 12, 13}));
    const QString f = ImageFolder();
    EXPECT_EQ(storedRows(), QStringList({"10|0|Ten||", "11|0|Five||", "12|0|Twelve|" + f + "20260309_12.png|",
                                         "13|0|Thirty|" + f + "20260309_13.png|", "13|1|Thirty|" + f + "20260309_13.png|"}));
    EXPECT_EQ(ReadFile(f + "20260309_13.png"), png(10));

    addPart(2147483647, 0, "C", "");  // no number is left above the greatest possible
    EXPECT_FALSE(NextStoryNumber(StoryConnection()).has_value());
}

TEST_F(StoryExchange, RefusedPicturesAreSkippedAndTheStoryStillComes)
{
    const QString a = writePicture(folder.path(), "a.png", png());
    addPart(1, 0, "Escape", a);
    addPart(2, 0, "Junk", a);
    addPart(3, 0, "Huge", a);
    QString error;
    TableGram table = *AllStoriesTable(StoryConnection(), &error);
    const int image = table.columnIndex("StoryImage");
    table.rows[0][table.columnIndex("StoryImageType")] = QStringLiteral("/../../evil");
    table.rows[1][image] = QByteArray("this is no picture at all");
    QByteArray huge = png();
    huge.resize(MaxStoryPictureBytes + 1);
    table.rows[2][image] = huge;

    clearStories();
    const StoryImport result = ImportStoryTable(StoryConnection(), table, ImageFolder(), Today);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.pictureProblems.size(), 2);
    EXPECT_EQ(result.pictureProblems[0].messageId, Message::StoryPictureUnreadable);
    EXPECT_EQ(result.pictureProblems[1].messageId, Message::StoryPictureTooLarge);
    const QString f = ImageFolder();
    EXPECT_EQ(storedRows(), QStringList({"1|0|Escape|" + f + "20260309_1.evil|", "2|0|Junk||", "3|0|Huge||"}));
    EXPECT_TRUE(QFile::exists(f + "20260309_1.evil"));
    EXPECT_FALSE(QFile::exists(f + "20260309_2.png"));
    ReportStoryImport(result, "x.kbs", nullptr);
    EXPECT_EQ(folder.ui().messages, QList<Message>({Message::StoryPicturesNotImported}));
    EXPECT_TRUE(folder.ui().messageTexts[0].contains("Junk"));
    EXPECT_TRUE(folder.ui().messageTexts[0].contains("Huge"));
}

TEST_F(StoryExchange, AnAlteredFileBringsOnlyItsGoodStoriesAndAFailingStoreNothing)
{
    addPart(1, 0, "Kept", writePicture(folder.path(), "a.png", png()));
    addPart(2, 0, "Long", "");
    addPart(2, 1, "Long", "");
    QString error;
    const TableGram good = *AllStoriesTable(StoryConnection(), &error);
    const QString file = folder.path() + "/altered.kbs";
    const QStringList imagesBefore = QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden);
    for (const test::AlteredFile& change : test::AlteredFiles()) {
        const std::string what = change.column ? change.column : "cut";
        clearStories();
        folder.ui().messages.clear();
        folder.ui().messageTexts.clear();
        ASSERT_TRUE(WriteFileSafely(file, test::Altered(good, "Story", change), &error));
        const StoryImport result = ImportStoryFile(StoryConnection(), file, ImageFolder(), Today);
        ReportStoryImport(result, "x.kbs", nullptr);
        if (!change.refusal) {
            EXPECT_TRUE(result.fileRejected) << what;
            if (change.column) {
                EXPECT_TRUE(result.error.contains(change.column)) << what << ": " << result.error.toStdString();
            }
            EXPECT_TRUE(storedRows().isEmpty()) << what;
            EXPECT_EQ(QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden), imagesBefore) << what;
            continue;
        }
        // One bad part refuses its whole story.
        EXPECT_EQ(storedRows().size(), 1) << what;
        EXPECT_TRUE(storedRows().value(0).startsWith("1|0|Kept|")) << what;
        ASSERT_EQ(folder.ui().messages, QList<Message>{Message::ImportRowsRefused}) << what;
        const QString text = folder.ui().messageTexts[0];
        EXPECT_TRUE(text.contains("row 3 (\"Long\"): ") && text.contains(change.refusal)) << text.toStdString();
    }

    clearStories();
    const QStringList imagesNow = QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden);
    ASSERT_TRUE(TempProgramFolder::exec(StoryConnectionName,
                                        "CREATE TRIGGER refuse BEFORE INSERT ON \"tblBibleStory\" "
                                        "WHEN NEW.\"StoryName\" = 'Long' BEGIN SELECT RAISE(ABORT, 'full'); END"));
    const StoryImport result = ImportStoryTable(StoryConnection(), good, ImageFolder(), Today);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.fileRejected);
    EXPECT_TRUE(storedRows().isEmpty());
    EXPECT_EQ(QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden), imagesNow);
}

TEST_F(StoryExchange, AFileAlreadyUnderThePictureNameIsKept)
{
    const TableGram table = exportedStoryWithPicture(folder.path());
    const QString f = ImageFolder();
    writePicture(f, "20260309_1.png", "someone else's");
    addPart(0, 0, "Older", f + "20260309_1-2.png");  // its file is gone, but a story still names it

    const StoryImport result = ImportStoryTable(StoryConnection(), table, f, Today);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(ReadFile(f + "20260309_1.png"), "someone else's");
    EXPECT_EQ(storedRows().value(1), "1|0|Ruth|" + f + "20260309_1-3.png|");
    EXPECT_EQ(ReadFile(f + "20260309_1-3.png"), png());
}

TEST_F(StoryExchange, LinksAtAPictureOrTemporaryNameArePassedOver)
{
    const TableGram table = exportedStoryWithPicture(folder.path());
    const QString f = ImageFolder();
    const QString outside = writePicture(folder.path(), "outside", "keep me");
    ASSERT_TRUE(QFile::link(outside, f + "20260309_1.png"));
    ASSERT_TRUE(QFile::link(outside, TemporaryPicturePath(f, "20260309_1-2.png")));
    // A link to nothing, where writing through it would make the file it names.
    const QString nowhere = folder.path() + "/created-through-link";
    ASSERT_TRUE(QFile::link(nowhere, TemporaryPicturePath(f, "20260309_1.png")));

    const StoryImport result = ImportStoryTable(StoryConnection(), table, f, Today);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.pictureProblems.isEmpty());
    EXPECT_EQ(storedRows(), QStringList{"1|0|Ruth|" + f + "20260309_1-2.png|"});
    EXPECT_EQ(ReadFile(f + "20260309_1-2.png"), png());
    EXPECT_EQ(ReadFile(outside), "keep me");
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(StoryExchange, PanelButtonsAskTheDocumentedQuestions)
{
    addPart(4, 0, "Ruth/Naomi", "");  // a "/" must name no folder
    MainWindow w;
    w.load();
    w.restoreLastPassage();
    auto& ui = folder.ui();
    auto* list = Child<QListWidget>(w, "lstBibleStory");
    list->clear();
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBibleStory"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBibleStory"), Qt::LeftButton);
    auto* item = new QListWidgetItem(QStringLiteral("    Ruth/Naomi "), list);
    item->setData(Qt::UserRole, 4);
    list->clearSelection();
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBibleStory"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBibleStory"), Qt::LeftButton);
    EXPECT_EQ(ui.messages,
              QList<Message>({Message::NoStories, Message::NoStories, Message::SelectStoryToExport,
                              Message::NoStories}));

    item->setSelected(true);
    const QString one = folder.path() + "/Ruth-Naomi";  // the extension is added
    ui.fileAnswers = {one, folder.path() + "/all.kbs", one + ".kbs"};
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBibleStory"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBibleStory"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgImportBibleStory"), Qt::LeftButton);
    EXPECT_EQ(ui.dialogTitles,
              QStringList({"Export Bible Story", "Export the Whole Bible Story List", "Import Bible Story"}));
    EXPECT_EQ(ui.dialogInitialNames, QStringList({"Ruth-Naomi.kbs", "All Bible Stories.kbs", ""}));
    EXPECT_EQ(ui.dialogFilters,
              QStringList({"Kivra Bible Story (*.kbs)", "Kivra Bible Story (*.kbs)", "Kivra! Bible Story (*.kbs)"}));
    EXPECT_TRUE(QFile::exists(folder.path() + "/all.kbs"));
    EXPECT_EQ(storedRows(), QStringList({"4|0|Ruth/Naomi||", "5|0|Ruth/Naomi||"}));
    // The list is reloaded with the imported story, the last item, selected.
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->selectedItems().value(0), list->item(1));
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toInt(), 5);
}

TEST_F(StoryExchange, WhatAKilledImportLeftIsFinishedOrRemoved)
{
    const QString f = ImageFolder();
    // Killed after its commit: the story names the picture, which still waits under its temporary name.
    addPart(1, 0, "Committed", f + "20260309_1.png");
    writePicture(f, QFileInfo(TemporaryPicturePath(f, "20260309_1.png")).fileName(), png(11));
    // Killed before it: no story names the picture.
    writePicture(f, QFileInfo(TemporaryPicturePath(f, "20260309_2.png")).fileName(), png(12));
    // A file of the same name is already there: the leftover never replaces it.
    addPart(3, 0, "Kept", f + "20260309_3.png");
    writePicture(f, "20260309_3.png", "kept");
    writePicture(f, QFileInfo(TemporaryPicturePath(f, "20260309_3.png")).fileName(), png(13));
    writePicture(f, ".hidden-but-not-ours.part", "mine");
    // A link planted at the final name: the story is not left pointing at it.
    addPart(5, 0, "Linked", f + "20260309_5.png");
    writePicture(f, QFileInfo(TemporaryPicturePath(f, "20260309_5.png", 2)).fileName(), png(15));
    ASSERT_TRUE(QFile::link(f + "20260309_3.png", f + "20260309_5.png"));
    const QStringList others = QDir(f).entryList({"obj_*"}, QDir::Files);

    FinishInterruptedImports(StoryConnection(), f);
    EXPECT_EQ(ReadFile(f + "20260309_1.png"), png(11));
    EXPECT_EQ(ReadFile(f + "20260309_3.png"), "kept");
    EXPECT_EQ(storedRows().value(2), "5|0|Linked||png");
    QStringList expected = others + QStringList{".hidden-but-not-ours.part", "20260309_1.png", "20260309_3.png",
                                                "20260309_5.png"};
    expected.sort();
    EXPECT_EQ(QDir(f).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST_F(StoryExchange, AnotherProgramThatKeepsItsLockMakesTheImportFailCleanly)
{
    const TableGram table = exportedStoryWithPicture(folder.path());
    const QStringList imagesBefore = QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden);

    {
        // Another import into the same folder that does not end.
        const PictureFolderLock otherImport(ImageFolder(), 0);
        ASSERT_TRUE(otherImport.ok());
        const StoryImport result = ImportStoryTable(StoryConnection(), table, ImageFolder(), Today);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("another import")) << result.error.toStdString();
    }
    {
        // Another program in the middle of writing the story database.
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other program");
        other.setDatabaseName(folder.dbPath(StoryDatabaseFile));
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(ExecuteStatement(other, "BEGIN IMMEDIATE"));
        const StoryImport result = ImportStoryTable(StoryConnection(), table, ImageFolder(), Today);
        EXPECT_FALSE(result.ok);
        ReportStoryImport(result, "ruth.kbs", nullptr);
        EXPECT_EQ(folder.ui().messages, QList<Message>{Message::ImportFailed});
        ExecuteStatement(other, "ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("other program");
    EXPECT_TRUE(storedRows().isEmpty());
    EXPECT_EQ(QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden), imagesBefore);
}
