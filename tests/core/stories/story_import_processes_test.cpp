// Story imports run as the program, at once, killed or beside a window: each story keeps its own picture.
#include "storage/Database.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "stories/ImportedPictures.h"
#include "stories/StoryExchange.h"
#include "support/DatabaseFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kivra;
using kivra::test::TempDatabaseFolder;
using kivra::test::ReadFile;

namespace {

const QString Program = QStringLiteral(KIVRA_PROGRAM_DIR "/kivra-bible");

QByteArray png(int seed)
{
    return test::PngBytes(QSize(6 + seed % 5, 6), QColor::fromRgb(QRandomGenerator(uint(seed)).generate()));
}

QStringList imageFolderEntries() { return QDir(ImageFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

// An exchange file of stories prefix1..N, two parts and one picture each (pictureOf learns them).
QString makeExchangeFile(const QString& folder, const QString& prefix, int stories, QHash<QString, QByteArray>* pictureOf)
{
    EXPECT_TRUE(ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\""));
    for (int s = 1; s <= stories; ++s) {
        const QString name = prefix + QString::number(s);
        const QByteArray bytes = png(int(qHash(name)));
        const QString source = folder + u'/' + name + ".png";
        EXPECT_TRUE(test::WriteFile(source, bytes));
        (*pictureOf)[name] = bytes;
        for (int part = 0; part < 2; ++part)
            EXPECT_TRUE(ExecuteStatement(StoryConnection(),
                                         "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", "
                                         "\"StoryName\", \"StoryTestament\", \"StoryBook\", \"StoryChapter\", "
                                         "\"StorySection\", \"StoryToChapter\", \"StoryToSection\", \"StoryImagePath\", "
                                         "\"StoryImageType\") VALUES (?, ?, ?, 'Old Testament', 'Ruth', 1, 1, 1, 2, ?, 'png')",
                                         {s, part, name, source}));
    }
    QString error;
    const auto table = AllStoriesTable(StoryConnection(), &error);
    EXPECT_TRUE(table.has_value()) << error.toStdString();
    const QString file = folder + u'/' + prefix + ".kbs";
    EXPECT_TRUE(test::WriteFile(file, writeTableGram(*table)));
    EXPECT_TRUE(ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\""));
    return file;
}

QProcess* startImport(const QString& appDir, const QString& file)
{
    auto* p = new QProcess;
    p->start(Program, {"--app-dir", appDir, "import-stories", file});
    return p;
}

struct Stored {
    QString name, path;
};

QList<Stored> storedStories()
{
    QList<Stored> out;
    auto rs = queryRows(StoryConnection(),
                        "SELECT \"StoryName\", \"StoryImagePath\" FROM \"tblBibleStory\"");
    for (; rs && !rs->eof(); rs->MoveNext())
        out.append({rs->text("StoryName"), rs->text("StoryImagePath")});
    return out;
}

// Each story's picture holds its own bytes, and the image folder holds nothing a story does not name.
void expectPicturesWhole(const QHash<QString, QByteArray>& pictureOf, const QStringList& stock)
{
    QSet<QString> used(stock.cbegin(), stock.cend());
    for (const Stored& s : storedStories()) {
        if (s.path.isEmpty())
            continue;
        EXPECT_EQ(ReadFile(s.path), pictureOf.value(s.name)) << s.name.toStdString() << " " << s.path.toStdString();
        used.insert(QFileInfo(s.path).fileName());
    }
    for (const QString& entry : imageFolderEntries())
        EXPECT_TRUE(used.contains(entry)) << "no story uses " << entry.toStdString();
}

bool integrityOk()
{
    auto rs = queryRows(StoryConnection(), "PRAGMA integrity_check");
    return rs && !rs->eof() && rs->at(0, 0).toString() == "ok";
}

int storiesNamed(const QString& prefix)
{
    const QList<Stored> stored = storedStories();
    return int(std::count_if(stored.cbegin(), stored.cend(), [&](const Stored& s) { return s.name.startsWith(prefix); }));
}

} // namespace

using StoryImportProcesses = test::InFolder<>;

TEST_F(StoryImportProcesses, TwoImportsAtOnceEachKeepTheirOwnPictures)
{
    const QStringList stock = imageFolderEntries();
    QHash<QString, QByteArray> pictureOf;
    const QString one = makeExchangeFile(folder.path(), "One", 3, &pictureOf);
    const QString two = makeExchangeFile(folder.path(), "Two", 3, &pictureOf);
    for (int run = 0; run < 20; ++run) {
        std::unique_ptr<QProcess> a(startImport(folder.path(), one)), b(startImport(folder.path(), two));
        for (QProcess* p : {a.get(), b.get()}) {
            ASSERT_TRUE(p->waitForFinished(60000));
            EXPECT_EQ(p->exitCode(), 0) << run << " " << p->readAllStandardError().toStdString();
            EXPECT_TRUE(p->readAllStandardOutput().startsWith("Imported 3 stories")) << run;
        }
    }
    EXPECT_EQ(storiesNamed("One"), 20 * 3 * 2);
    EXPECT_EQ(storiesNamed("Two"), 20 * 3 * 2);
    expectPicturesWhole(pictureOf, stock);
}

TEST_F(StoryImportProcesses, AnExportAfterAKillCarriesThePicturesOfTheCommittedImport)
{
    // What a kill just after the commit leaves: the story names its picture, still under its temporary name.
    const QString picture = ImageFolder() + "20260309_1.png";
    ASSERT_TRUE(ExecuteStatement(StoryConnection(),
                                 "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", \"StoryName\", "
                                 "\"StoryTestament\", \"StoryBook\", \"StoryChapter\", \"StorySection\", "
                                 "\"StoryToChapter\", \"StoryToSection\", \"StoryImagePath\") "
                                 "VALUES (1, 0, 'Ruth', 'Old Testament', 'Ruth', 1, 1, 1, 2, ?)",
                                 {picture}));
    ASSERT_TRUE(test::WriteFile(TemporaryPicturePath(ImageFolder(), "20260309_1.png"), png(1)));
    const QString out = folder.path() + "/all.kbs";
    QProcess p;
    p.start(Program, {"--app-dir", folder.path(), "export-stories", out});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QString error;
    const auto table = ReadTableGramFile(out, &error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->rows.value(0).value(table->columnIndex("StoryImage")).toByteArray(), png(1));
}

TEST_F(StoryImportProcesses, AWindowKeepsTheFolderFromOtherWritersUntilItEnds)
{
    QHash<QString, QByteArray> pictureOf;
    const QString file = makeExchangeFile(folder.path(), "Waiting", 1, &pictureOf);
    auto startWindow = [&](QProcess* p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p->setProcessEnvironment(env);
        p->start(Program, {"--app-dir", folder.path(), "--no-splash"});
    };
    QProcess window;
    startWindow(&window);
    ASSERT_TRUE(window.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(folder.path() + "/.kivra-bible.lock") && waited.elapsed() < 30000)
        QThread::msleep(50);

    std::unique_ptr<QProcess> import(startImport(folder.path(), file));
    ASSERT_TRUE(import->waitForFinished(60000));
    EXPECT_EQ(import->exitCode(), 1);
    EXPECT_TRUE(import->readAllStandardError().contains("is using the folder"));
    EXPECT_EQ(storiesNamed("Waiting"), 0);

    QProcess second;  // brings the first window forward and ends
    startWindow(&second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(window.state(), QProcess::Running);

    window.kill();  // the lock goes with the process, however it ends
    window.waitForFinished();
    import.reset(startImport(folder.path(), file));
    ASSERT_TRUE(import->waitForFinished(60000));
    EXPECT_EQ(import->exitCode(), 0) << import->readAllStandardError().toStdString();
    EXPECT_EQ(storiesNamed("Waiting"), 2);
}

TEST_F(StoryImportProcesses, AnImportKilledAnywhereLeavesAllOrNothing)
{
    const QStringList stock = imageFolderEntries();
    QHash<QString, QByteArray> pictureOf;
    const QString killed = makeExchangeFile(folder.path(), "Killed", 25, &pictureOf);
    // Importing another file is the next start that tidies up after a killed one.
    const QString tick = makeExchangeFile(folder.path(), "Tick", 1, &pictureOf);
    // How long a whole import takes here, so the kills fall anywhere in one (or just after it).
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProcess> whole(startImport(folder.path(), killed));
    ASSERT_TRUE(whole->waitForFinished(60000));
    ASSERT_EQ(whole->exitCode(), 0);
    const int wholeMs = int(clock.elapsed());

    for (int run = 0; run < 20; ++run) {
        const int before = storiesNamed("Killed");
        std::unique_ptr<QProcess> p(startImport(folder.path(), killed));
        ASSERT_TRUE(p->waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(wholeMs * 3 / 2 + 1));
        p->kill();
        p->waitForFinished();

        std::unique_ptr<QProcess> next(startImport(folder.path(), tick));
        ASSERT_TRUE(next->waitForFinished(60000));
        EXPECT_EQ(next->exitCode(), 0) << next->readAllStandardError().toStdString();

        EXPECT_TRUE(integrityOk()) << run;
        const int added = storiesNamed("Killed") - before;
        EXPECT_TRUE(added == 0 || added == 25 * 2) << run << ": " << added << " parts";
        expectPicturesWhole(pictureOf, stock);
    }
}
