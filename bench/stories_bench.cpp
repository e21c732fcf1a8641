// Opening a story of 200 parts in the viewer and in the editor (goal: under 500 ms each).
#include "support/Fixture.h"

#include "settings/Options.h"
#include "stories/StoryStore.h"
#include "stories/StoryText.h"
#include "stories/StoryEditor.h"
#include "stories/StoryViewer.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kivra;

namespace {

constexpr int StoryNumber = 1;
constexpr int Parts = 200;

test::TempProgramFolder& folder()
{
    static auto instance = [] {
        auto f = std::make_unique<test::TempProgramFolder>();
        QList<int> indexes;
        qint64 counter = FirstTemporaryPartNumber;
        int story = StoryNumber;
        for (int i = 0; i < Parts; ++i) {
            const int chapter = i % 50 + 1;
            indexes << AddStoryPart(&story, counter++, {QStringLiteral("Genesis"), chapter, 1, chapter, 10});
            WriteStoryNotes(indexes.last(), QStringLiteral("Notes of part %1").arg(i + 1));
        }
        SaveStory(StoryNumber, indexes, "Genesis in two hundred parts", {}, &counter);
        return f;
    }();
    return *instance;
}

void BM_OpenStoryInViewer(benchmark::State& state)
{
    folder();
    for (auto _ : state) {
        auto* viewer = OpenStoryViewer(StoryNumber, nullptr);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(viewer);
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_OpenStoryInViewer)->Unit(benchmark::kMillisecond);

// The viewer's text alone, without the window.
void BM_BuildStoryText(benchmark::State& state)
{
    folder();
    for (auto _ : state) {
        const StoryText text = BuildStoryText(ReadStoryParts(StoryNumber), options(), QStringLiteral("\n"));
        benchmark::DoNotOptimize(text.text.size());
    }
}
BENCHMARK(BM_BuildStoryText)->Unit(benchmark::kMillisecond);

void BM_OpenStoryInEditor(benchmark::State& state)
{
    folder();
    for (auto _ : state) {
        auto* editor = OpenStoryEditor(StoryEditorMode::Edit, StoryNumber, nullptr);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(editor);
        editor->close();  // by the frame: the next opening replaces the backup rows
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_OpenStoryInEditor)->Unit(benchmark::kMillisecond);

} // namespace
