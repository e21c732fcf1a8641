// Exchange files: export and import of 10,000 bookmarks, and of 100 stories (three parts each)
// with a 200 KB picture per story.
#include "support/Fixture.h"

#include "bookmarks/BookmarkExchange.h"
#include "storage/Database.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "stories/StoryExchange.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

const int Bookmarks = 10000;
const int Stories = 100;

void fillBookmarks()
{
    Transaction t(OptionsConnection());
    ExecuteStatement(OptionsConnection(), "DELETE FROM \"tblBookmark\"");
    ExecuteStatement(OptionsConnection(), "DELETE FROM \"tblBookmark_Relation\"");
    const QString notes = QStringLiteral("Notes on this passage, long enough to be realistic. ").repeated(3);
    for (int i = 0; i < Bookmarks; ++i) {
        const QString ref = QString::number(100000000 + i);
        ExecuteStatement(OptionsConnection(),
                         "INSERT INTO \"tblBookmark\" (\"BookMarkTestament\", \"BookMarkBook\", \"BookMarkChapter\", "
                         "\"BookMarkSection\", \"BookMarkToBook\", \"BookMarkToChapter\", \"BookMarkToSection\", "
                         "\"BookMarkNotes\", \"BookmarkReference\", \"BookmarkHooker\", "
                         "\"AssociatedBookmarkReferenceList\") VALUES ('Old Testament', 'Psalms', ?, 1, 'Psalms', ?, 6, "
                         "?, ?, ?, ?)",
                         {1 + i % 150, 1 + i % 150, notes, ref, ref,
                          QString::number(100000000 + (i + 1) % Bookmarks) + u',' + QString::number(100000000 + (i + 7) % Bookmarks) + u','});
    }
    t.commit();
}

void clearBookmarks()
{
    ExecuteStatement(OptionsConnection(), "DELETE FROM \"tblBookmark\"");
    ExecuteStatement(OptionsConnection(), "DELETE FROM \"tblBookmark_Relation\"");
}

void BM_ExportAllBookmarks(benchmark::State& state)
{
    test::TempProgramFolder folder;
    fillBookmarks();
    const QString path = folder.path() + "/all.kbm";
    QString error;
    for (auto _ : state)
        if (WriteExchangeTable(*AllBookmarksTable(OptionsConnection(), &error), path, &error) != ExportOutcome::Written)
            state.SkipWithError("export failed");
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportAllBookmarks)->Unit(benchmark::kMillisecond);

void BM_ImportBookmarks(benchmark::State& state)
{
    test::TempProgramFolder folder;
    fillBookmarks();
    const QString path = folder.path() + "/all.kbm";
    QString error;
    WriteExchangeTable(*AllBookmarksTable(OptionsConnection(), &error), path, &error);
    for (auto _ : state) {
        state.PauseTiming();
        clearBookmarks();
        state.ResumeTiming();
        const BookmarkImport result = ImportBookmarkFile(OptionsConnection(), path);
        if (result.added != Bookmarks)
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportBookmarks)->Unit(benchmark::kMillisecond);

// A 200 KB picture per story, each a little different.
void fillStories(const QString& folder)
{
    Transaction t(StoryConnection());
    ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\"");
    for (int s = 1; s <= Stories; ++s) {
        QImage image(256, 266, QImage::Format_RGB888);
        image.fill(QColor::fromHsv(s * 3, 200, 200));
        const QString picture = folder + QStringLiteral("/story%1.bmp").arg(s);
        image.save(picture, "BMP");
        for (int part = 0; part < 3; ++part)
            ExecuteStatement(StoryConnection(),
                             "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", \"StoryName\", "
                             "\"StoryTestament\", \"StoryBook\", \"StoryChapter\", \"StorySection\", \"StoryToBook\", "
                             "\"StoryToChapter\", \"StoryToSection\", \"StoryNotes\", \"StoryImagePath\", "
                             "\"StoryImageType\") VALUES (?, ?, ?, 'Old Testament', 'Ruth', 1, 1, 'Ruth', 1, 5, "
                             "'Notes of the part', ?, 'bmp')",
                             {s, part, QStringLiteral("Story %1").arg(s), picture});
    }
    t.commit();
}

void BM_ExportAllStories(benchmark::State& state)
{
    test::TempProgramFolder folder;
    fillStories(folder.path());
    const QString path = folder.path() + "/all.kbs";
    QString error;
    for (auto _ : state)
        if (WriteExchangeTable(*AllStoriesTable(StoryConnection(), &error), path, &error) != ExportOutcome::Written)
            state.SkipWithError("export failed");
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportAllStories)->Unit(benchmark::kMillisecond);

void BM_ImportStories(benchmark::State& state)
{
    test::TempProgramFolder folder;
    fillStories(folder.path());
    const QString path = folder.path() + "/all.kbs";
    QString error;
    WriteExchangeTable(*AllStoriesTable(StoryConnection(), &error), path, &error);
    const QStringList stock = QDir(ImageFolder()).entryList(QDir::Files);
    for (auto _ : state) {
        state.PauseTiming();
        ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\"");
        for (const QString& f : QDir(ImageFolder()).entryList(QDir::Files))
            if (!stock.contains(f))
                QFile::remove(ImageFolder() + f);
        state.ResumeTiming();
        const StoryImport result = ImportStoryFile(StoryConnection(), path, ImageFolder(), QDate::currentDate());
        if (result.storyNumbers.size() != Stories || !result.pictureProblems.isEmpty())
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportStories)->Unit(benchmark::kMillisecond);

} // namespace
