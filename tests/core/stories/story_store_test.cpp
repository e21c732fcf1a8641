// The story rows without windows, the viewer's text and the decoding of pictures.
#include "support/DatabaseFolder.h"
#include "support/MachineNeeds.h"

#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "stories/StoryPicture.h"
#include "stories/StoryStore.h"
#include "stories/StoryText.h"

#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

const QString Story = StoryConnectionName;

Passage genesis(int fromChapter, int fromVerse, int toChapter, int toVerse)
{
    return {QStringLiteral("Genesis"), fromChapter, fromVerse, toChapter, toVerse};
}

// "Index|StoryNumber|StoryPartNumber|StoryName|StoryNotes|StoryImagePath|StoryImageType" per row.
QStringList rows(const QString& table, int storyNumber)
{
    QSqlQuery q(StoryConnection());
    q.prepare(QStringLiteral("SELECT \"Index\", StoryNumber, StoryPartNumber, StoryName, StoryNotes, StoryImagePath, "
                             "StoryImageType, StoryChapter, StorySection FROM \"%1\" WHERE StoryNumber = ? "
                             "ORDER BY \"Index\"").arg(table));
    q.addBindValue(storyNumber);
    q.exec();
    QStringList out;
    while (q.next()) {
        QStringList columns;
        for (int c = 0; c < 9; ++c)
            columns << (q.value(c).isNull() ? QStringLiteral("<null>") : q.value(c).toString());
        out << columns.join(QLatin1Char('|'));
    }
    return out;
}

// A saved story of the given parts (Genesis chapter c, verses 1-2 each).
QList<int> makeStory(int number, const QString& name, const QList<int>& chapters)
{
    QList<int> indexes;
    qint64 counter = FirstTemporaryPartNumber;
    for (int c : chapters)
        indexes << AddStoryPart(&number, counter++, genesis(c, 1, c, 2));
    EXPECT_TRUE(SaveStory(number, indexes, name, {}, &counter));
    return indexes;
}

using StoryStoreTest = test::InFolder<>;

// Story names serve as a text key for the width rule: the rule is the same for any table.
TEST_F(StoryStoreTest, NextNumbersAreOneThenGreatestPlusOneAndATextKeyKeepsItsTailsWidth)
{
    auto next = [] { return GetNextKeyValue(StoryConnection(), StoryTable, "StoryName", "StoryName"); };
    EXPECT_EQ(GetNextKeyValue(StoryConnection(), StoryTable, "StoryNumber", "StoryNumber"), QString());
    EXPECT_EQ(NextStoryNumber(), 1);
    makeStory(7, "Abc", {1});
    EXPECT_EQ(next(), "Abc1") << "no numeric tail: digits are appended";
    makeStory(2, "Abc009", {1});
    makeStory(3, "Abd 7", {1});
    EXPECT_EQ(NextStoryNumber(), 8);
    EXPECT_EQ(next(), "Abd 8") << "a blank ends the tail";
    ASSERT_TRUE(DeleteStory(3));
    EXPECT_EQ(next(), "Abc010");
}

// Part order and the name as typed are checked through the editor; the picture's path is not shown there.
TEST_F(StoryStoreTest, SaveStoresThePicturePathAsTypedAndItsTypeFromTheExtension)
{
    qint64 counter = FirstTemporaryPartNumber;
    int five = 5;
    const QList<int> indexes = {AddStoryPart(&five, counter++, genesis(1, 1, 1, 3)), AddStoryPart(&five, counter++, genesis(2, 1, 2, 3))};
    ASSERT_TRUE(SaveStory(5, indexes, "Name", "/pictures/say \"cheese\"; DROP TABLE x --.JPG", &counter));
    for (const QString& row : rows(StoryTable, 5))
        EXPECT_TRUE(row.contains("|/pictures/say \"cheese\"; DROP TABLE x --.JPG|JPG|")) << row.toStdString();
}

TEST_F(StoryStoreTest, AFailedSaveLeavesTheStoryAsItWas)
{
    const QList<int> indexes = makeStory(2, "Ruth", {1, 2});
    ASSERT_TRUE(BackupStory(2));
    const QStringList before = rows(StoryTable, 2);
    // The last statement of the save fails: nothing of the save may stay.
    ASSERT_TRUE(test::TempDatabaseFolder::exec(Story, "CREATE TRIGGER refuse BEFORE UPDATE OF StoryImagePath ON "
                                                     "tblBibleStory BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    qint64 counter = FirstTemporaryPartNumber;
    EXPECT_FALSE(SaveStory(2, {indexes[1], indexes[0]}, "Naomi", "/x.gif", &counter));
    EXPECT_EQ(rows(StoryTable, 2), before);
    EXPECT_EQ(rows(StoryBackupTable, 2).size(), 2) << "the backup is kept for Cancel";
}

TEST_F(StoryStoreTest, CancelRestoresTheStoryExactlyEvenAfterAStaleBackup)
{
    const QList<int> indexes = makeStory(4, "Ruth", {1, 2, 3});
    ASSERT_TRUE(WriteStoryNotes(indexes[1], "kept notes"));
    const QStringList original = rows(StoryTable, 4);
    ASSERT_TRUE(BackupStory(4));  // an editor closed by its frame left these rows
    ASSERT_TRUE(BackupStory(4));  // the next opening replaces them
    EXPECT_EQ(rows(StoryBackupTable, 4), original);

    ASSERT_TRUE(RemoveStoryPart(indexes[1]));
    ASSERT_TRUE(WriteStoryNotes(indexes[0], "changed"));
    int four = 4;
    AddStoryPart(&four, FirstTemporaryPartNumber, genesis(5, 1, 5, 2));
    ASSERT_TRUE(CancelStory(4, true));
    EXPECT_EQ(rows(StoryTable, 4), original) << "removed part back with Index and notes, added one gone";
    EXPECT_TRUE(rows(StoryBackupTable, 4).isEmpty());

    // Without backup rows an edited story is left alone rather than deleted.
    EXPECT_TRUE(CancelStory(4, true));
    EXPECT_EQ(rows(StoryTable, 4), original);
}

TEST_F(StoryStoreTest, DeleteTakesAnImportedPictureWithTheLastStoryUsingIt)
{
    const QString f = ImageFolder();
    auto picture = [&](int number, const QString& path) {
        makeStory(number, "S", {1});
        ASSERT_TRUE(test::TempDatabaseFolder::exec(
            Story, QStringLiteral("UPDATE tblBibleStory SET StoryImagePath = '%1' WHERE StoryNumber = %2").arg(path).arg(number)));
    };
    QFile(f + "20260309_1.png").open(QIODevice::WriteOnly);
    picture(1, f + "20260309_1.png");
    picture(2, f + "20260309_1.png");
    picture(3, StoryNoImagePicture());
    ASSERT_TRUE(QFile::link(StoryImageNotFoundPicture(), f + "20260309_4.gif"));
    picture(4, f + "20260309_4.gif");  // a link is never removed, nor what it points to
    ASSERT_TRUE(DeleteStory(1));
    EXPECT_TRUE(QFile::exists(f + "20260309_1.png")) << "story 2 still shows it";
    for (int number = 2; number <= 4; ++number)
        ASSERT_TRUE(DeleteStory(number));
    EXPECT_FALSE(QFile::exists(f + "20260309_1.png"));
    for (const QString& kept : {StoryNoImagePicture(), StoryImageNotFoundPicture(), f + "20260309_4.gif"})
        EXPECT_TRUE(QFile::exists(kept)) << kept.toStdString();
}

TEST_F(StoryStoreTest, SaveKeepsOtherStoriesBackups)
{
    makeStory(1, "Ruth", {1});
    ASSERT_TRUE(BackupStory(1));  // another editor is open on story 1
    makeStory(3, "Esther", {1});
    EXPECT_EQ(rows(StoryBackupTable, 1).size(), 1) << "saving story 3 must not take story 1's Cancel away";
}

TEST_F(StoryStoreTest, CopyGivesConsecutiveNumbersAndPrefixesTheName)
{
    makeStory(1, "Ruth", {1, 2});
    ASSERT_TRUE(test::TempDatabaseFolder::exec(Story, "UPDATE tblBibleStory SET StoryNotes = 'n', StoryImagePath = "
                                                     "'/p.gif', StoryImageType = 'gif'"));
    EXPECT_EQ(CopyStory(1), 2);
    EXPECT_EQ(CopyStory(1), 3);
    EXPECT_EQ(CopyStory(3), 4);
    // Every field but the number, the name and the picture's type, part by part.
    const auto copied = [](QString row) { return row.section(u'|', 2, 2) + row.section(u'|', 4, 5) + row.section(u'|', 7); };
    const QStringList source = rows(StoryTable, 1), copy = rows(StoryTable, 3);
    ASSERT_EQ(copy.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(copied(copy[i]), copied(source[i]));
        EXPECT_EQ(copy[i].section(u'|', 3, 3), "Copy of Ruth");
        EXPECT_EQ(copy[i].section(u'|', 6, 6), "<null>") << "the type is not copied";
    }
    EXPECT_EQ(ReadStoryParts(4).first().name, "Copy of Copy of Ruth");
}

TEST_F(StoryStoreTest, ListHasOneEntryPerDistinctName)
{
    makeStory(2, "Ruth", {1, 2});
    makeStory(1, "Esther", {1});
    ASSERT_TRUE(test::TempDatabaseFolder::exec(Story, "UPDATE tblBibleStory SET StoryName = 'Naomi' WHERE "
                                                     "StoryNumber = 2 AND StoryPartNumber = 1"));
    const QList<StoryListEntry> entries = StoryListEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].text, "    Esther");
    EXPECT_EQ(entries[0].number, 1);
    EXPECT_EQ(entries[1].number, 2);
    EXPECT_EQ(entries[2].number, 2);
}

TEST_F(StoryStoreTest, ViewerTextOfTheCreationExample)
{
    StoryPartRow part;
    part.name = "Creation";
    part.testament = "Old Testament";
    part.book = "Genesis";
    part.chapter = part.toChapter = "1";
    part.section = "1";
    part.toSection = "2";
    part.notes = "  In the beginning  ";
    OptionValues on;
    on.InsertNewLineAfterText = on.ShowChapterSection = 1;
    const QString heading = "Creation / Part 1 [Gen] : 1:1 - 1:2";
    const QString rule(heading.size(), '_');
    const QString top = rule + NewLine + NewLine + heading + NewLine + rule + NewLine + NewLine + "In the beginning";
    StoryText text = BuildStoryText({part}, on, NewLine);
    EXPECT_TRUE(text.text.startsWith(top));
    EXPECT_TRUE(text.text.contains("the earth.(Gen 1:1)" + NewLine + NewLine + "And the earth was"));
    EXPECT_TRUE(text.text.endsWith("the waters.(Gen 1:2)" + NewLine + NewLine));
    EXPECT_EQ(text.notes, "Part 1 notes: " + NewLine + "   In the beginning" + NewLine + NewLine);

    // Options off: the next part's rule runs on after the last verse; an empty range adds only notes.
    StoryPartRow second = part;
    second.partNumber = 1;
    second.chapter = second.toChapter = "2";
    second.section = "1";
    second.toSection = "1";
    StoryPartRow empty = part;
    empty.partNumber = 2;
    empty.section = "40";
    empty.toSection = "41";
    text = BuildStoryText({part, second, empty}, OptionValues{}, NewLine);
    const QString heading2 = "Creation / Part 2 [Gen] : 2:1 - 2:1";
    EXPECT_TRUE(text.text.startsWith(top));
    EXPECT_TRUE(text.text.contains("the earth.And the earth was"));
    EXPECT_TRUE(text.text.contains("the waters." + QString(heading2.size(), '_')));
    EXPECT_TRUE(text.text.endsWith("host of them."));
    EXPECT_TRUE(text.notes.contains("Part 3 notes: "));

    StoryPartRow unknown = part;
    unknown.book = "Hezekiah";
    text = BuildStoryText({part, unknown, second}, on, NewLine);
    EXPECT_FALSE(text.complete);
    EXPECT_FALSE(text.text.contains("Part 2")) << "the text stops at a part that cannot be shown";

    part.name = "Tithes 10%1";
    EXPECT_TRUE(BuildStoryText({part}, on, NewLine).text.contains("Tithes 10%1 / Part 1 [Gen] : 1:1 - 1:2"))
        << "a name is shown as typed";
}

class StoryPictureTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes)
    {
        EXPECT_TRUE(test::WriteFile(dir.filePath(name), bytes));
        return dir.filePath(name);
    }
};

TEST_F(StoryPictureTest, RasterFormatsLoadAndScaleKeepingTheirAspect)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QStringList paths = {QStringLiteral(KIVRA_PROGRAM_DIR "/image/obj_bible_story_no_image_full.gif")};
    for (const char* format : {"bmp", "jpg", "png", "ico"}) {
        paths << dir.filePath(QStringLiteral("p.") + format);
        ASSERT_TRUE(image.save(paths.last(), format)) << format;
    }
    for (const QString& path : paths) {
        const std::string format = path.toStdString();
        PictureLoad outcome = PictureLoad::Missing;
        const StoryPicture picture = StoryPicture::fromFile(path, &outcome);
        EXPECT_EQ(outcome, PictureLoad::Loaded) << format;
        const QSize shown = picture.render(QSize(133, 100)).size();
        const QSize natural = picture.naturalSize();
        EXPECT_TRUE(shown.width() == 133 || shown.height() == 100) << format;
        EXPECT_NEAR(double(shown.width()) / shown.height(), double(natural.width()) / natural.height(), 0.05) << format;
    }
}

TEST_F(StoryPictureTest, MetafilesAreDrawnAsVectors)
{
    for (const char* name : {"sample.wmf", "sample.emf"}) {
        const QString path = QStringLiteral(KIVRA_FIXTURES_DIR "/") + name;
        const bool wmf = QString::fromLatin1(name).endsWith("wmf");
        if (!(wmf ? WmfSupported() : EmfSupported()))
            GTEST_SKIP() << "converter not built in for " << name;
        if (wmf)
            KIVRA_NEEDS(test::lacksMetafileFonts());
        PictureLoad outcome = PictureLoad::Missing;
        const StoryPicture picture = StoryPicture::fromFile(path, &outcome);
        EXPECT_EQ(outcome, PictureLoad::Loaded) << name;
        EXPECT_TRUE(picture.isVector()) << name;
        const QImage shown = picture.render(QSize(300, 300));
        EXPECT_FALSE(shown.isNull()) << name;
        EXPECT_TRUE(shown.width() == 300 || shown.height() == 300) << name;
    }
}

TEST_F(StoryPictureTest, BrokenAndMissingFilesAreReportedNotFatal)
{
    QFile wmf(QStringLiteral(KIVRA_FIXTURES_DIR "/sample.wmf"));
    QFile emf(QStringLiteral(KIVRA_FIXTURES_DIR "/sample.emf"));
    ASSERT_TRUE(wmf.open(QIODevice::ReadOnly) && emf.open(QIODevice::ReadOnly));
    const QByteArray wmfBytes = wmf.readAll(), emfBytes = emf.readAll();
    QByteArray scrambled = emfBytes;
    for (qsizetype i = 100; i < scrambled.size(); i += 7)
        scrambled[i] = char(0xff);
    const QStringList broken = {write("text.jpg", "not a picture at all"), write("empty.gif", ""),
                                write("half.wmf", wmfBytes.left(wmfBytes.size() / 3)),
                                write("half.emf", emfBytes.left(emfBytes.size() / 2)),
                                write("scrambled.emf", scrambled), write("header.wmf", wmfBytes.left(24))};
    for (const QString& path : broken) {
        PictureLoad outcome = PictureLoad::Loaded;
        const StoryPicture picture = StoryPicture::fromFile(path, &outcome);
        if (outcome == PictureLoad::Loaded)  // a converter may salvage part of a damaged metafile
            EXPECT_FALSE(picture.render(QSize(50, 50)).isNull()) << path.toStdString();
        else
            EXPECT_EQ(outcome, PictureLoad::Unreadable) << path.toStdString();
    }
    PictureLoad outcome = PictureLoad::Loaded;
    EXPECT_TRUE(StoryPicture::fromFile(dir.filePath("gone.gif"), &outcome).isNull());
    EXPECT_EQ(outcome, PictureLoad::Missing);
}

} // namespace
