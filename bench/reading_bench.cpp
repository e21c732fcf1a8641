// Start-up and passage display: the main window loaded with its passage restored, and the
// reading pane filled for a chapter and for the whole book of Psalms.
#include "support/Fixture.h"

#include "app/MainWindow.h"
#include "reading/VerseRangeSelector.h"
#include "reading/ReadingView.h"

#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

using namespace kivra;

static void BM_MainWindowLoad(benchmark::State& state)
{
    test::TempProgramFolder folder;
    for (auto _ : state) {
        MainWindow w;
        w.load();
        w.show();
        w.restoreLastPassage();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.readingView()->text());
    }
}
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMillisecond);

static void showPassage(benchmark::State& state, const Passage& passage, int expectedChars)
{
    test::TempProgramFolder folder;
    MainWindow w;
    w.load();
    w.restoreLastPassage();
    w.findChild<VerseRangeSelector*>()->choosePassage(passage);
    for (auto _ : state) {
        w.openPassage();
        benchmark::DoNotOptimize(w.readingView()->text());
    }
    if (w.readingView()->text().size() < expectedChars)
        state.SkipWithError("passage not shown");
}

static void BM_ShowGenesis1(benchmark::State& state)
{
    showPassage(state, {QStringLiteral("Genesis"), 1, 1, 1, 31}, 3000);
}
BENCHMARK(BM_ShowGenesis1)->Unit(benchmark::kMillisecond);

static void BM_ShowAllPsalms(benchmark::State& state)
{
    showPassage(state, {QStringLiteral("Psalms"), 1, 1, 150, 6}, 200000);
}
BENCHMARK(BM_ShowAllPsalms)->Unit(benchmark::kMillisecond);
