// The study aids on Debian's modules. Goals: the word panel opens within 50 ms of the pointer coming
// to rest (the Bible's numbers read before), a chapter's commentary is on screen within 100 ms, and
// every verse of a Strong's number is found within one frame (16 ms) once the numbers are read.
#include "app/MainWindow.h"
#include "reading/ChosenBible.h"
#include "reading/ReadingView.h"
#include "shelf/Shelf.h"
#include "study/Commentary.h"
#include "study/CommentaryPane.h"
#include "study/Strongs.h"
#include "study/WordStudy.h"
#include "WindowSession.h"
#include "support/Fixture.h"

#include <QComboBox>
#include <QTextBrowser>
#include <QTextEdit>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

using bench::session;

bool installed(benchmark::State& state, const char* module)
{
    session();
    if (Shelf::instance().module(QString::fromLatin1(module)))
        return true;
    state.SkipWithError("the module is not installed");
    return false;
}

// Reading the Strong's numbers of the KJV: what the first word panel of a session waits for.
void BM_StrongsIndexFirstUse(benchmark::State& state)
{
    if (!installed(state, "engKJV2006eb") || !ChooseBible(QStringLiteral("engKJV2006eb")))
        return;
    qsizetype words = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ChooseBible({});
        Shelf::instance().reload();
        ChooseBible(QStringLiteral("engKJV2006eb"));
        state.ResumeTiming();
        words = StrongsIndex::of(ChosenModuleText())->wordCount();
    }
    state.SetLabel(std::to_string(words) + " marked words");
}

// The pointer at rest on "loved" in John 3:16 until the panel is drawn, lexicon entry included.
void BM_WordPanelOpens(benchmark::State& state)
{
    if (!installed(state, "engKJV2006eb") || !installed(state, "StrongsGreek") || !ChooseBible(QStringLiteral("engKJV2006eb")))
        return;
    MainWindow& w = session().window;
    w.goToReference(QStringLiteral("John 3:16"));
    auto* panel = w.findChild<WordStudy*>(QStringLiteral("WordStudy"));
    const int loved = int(w.readingView()->text().indexOf(QStringLiteral("loved"))) + 1;
    for (auto _ : state) {
        panel->hide();
        panel->showAt(loved);
        panel->repaint();
    }
    state.SetLabel(panel->shownNumber() ? panel->shownNumber()->text().toStdString() : "no panel");
    ChooseBible({});
}

// Every verse of the KJV carrying G25, the numbers read before.
void BM_EveryVerseOfANumber(benchmark::State& state)
{
    if (!installed(state, "engKJV2006eb") || !ChooseBible(QStringLiteral("engKJV2006eb")))
        return;
    const auto index = StrongsIndex::of(ChosenModuleText());
    qsizetype found = 0;
    for (auto _ : state)
        found = index->entriesWith({'G', 25}).size();
    state.SetLabel(std::to_string(found) + " verses");
    ChooseBible({});
}

// Scofield's notes on John 3 read and shown in the commentary pane.
void BM_ChapterCommentary(benchmark::State& state)
{
    if (!installed(state, "Scofield"))
        return;
    MainWindow& w = session().window;
    auto* pane = w.findChild<CommentaryPane*>(QStringLiteral("CommentaryPane"));
    pane->show();
    pane->chooser()->setCurrentIndex(pane->chooser()->findData(QStringLiteral("Scofield")));
    for (auto _ : state) {
        pane->showPassage(Passage{QStringLiteral("John"), 3, 1, 3, 36});
        pane->repaint();
    }
    state.SetLabel(std::to_string(pane->notesBox()->toPlainText().size()) + " characters");
}

} // namespace

BENCHMARK(BM_StrongsIndexFirstUse)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WordPanelOpens)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryVerseOfANumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChapterCommentary)->Unit(benchmark::kMillisecond);
