// The SWORD Bibles searched as the built-in one is, beside the library's own reader on the same terms.
// Goals: the first search of a module, reading the library and the whole module included, under 1 s;
// every later search from Enter to the painted grid within one frame (16 ms).
#include "app/MainWindow.h"
#include "reading/ChosenBible.h"
#include "reading/Search.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseTexts.h"
#include "shelf/Shelf.h"
#include "WindowSession.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

// (module, term) as a reader of each would search.
const char* const kSearches[][2] = {{"engWEB2015eb", "whoever"}, {"spaRV1909eb", "amó"}, {"spaRV1909eb", "ESPÍRITU"}};

QString moduleOf(const benchmark::State& state) { return QString::fromUtf8(kSearches[state.range(0)][0]); }
QString termOf(const benchmark::State& state) { return QString::fromUtf8(kSearches[state.range(0)][1]); }

using bench::session;

bool installed(benchmark::State& state)
{
    if (Shelf::instance().module(moduleOf(state)))
        return true;
    state.SkipWithError("the module is not installed");
    return false;
}

// From nothing read to the found verses: the library's catalogue, the module turned into clean text,
// the texts folded for searching, and the scan.
void BM_FirstSearchOfAModule(benchmark::State& state)
{
    session();
    if (!installed(state))
        return;
    int found = 0;
    for (auto _ : state) {
        ChooseBible({});
        Shelf::instance().reload();
        ChooseBible(moduleOf(state));
        found = int(BibleVerseTexts()->matching(QuickSearchScan(termOf(state)).filter).size());
    }
    ChooseBible({});
    state.SetLabel(QStringLiteral("%1 '%2' %3 verses").arg(moduleOf(state), termOf(state)).arg(found).toStdString());
}

// The library's catalogue alone: what opening the chooser costs the first time.
void BM_ShelfCatalogue(benchmark::State& state)
{
    for (auto _ : state) {
        Shelf::instance().reload();
        benchmark::DoNotOptimize(Shelf::instance().modules());
    }
}

// Enter in the search box until the grid is painted, the module chosen and read before.
void BM_ModuleEnterToPaintedGrid(benchmark::State& state)
{
    MainWindow& w = session().window;
    if (!installed(state) || !ChooseBible(moduleOf(state)))
        return;
    QWidget* viewport = w.searchResults()->grid()->viewport();
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("txtSearchString"));
    const auto searchAndPaint = [&] {
        box->setText(termOf(state));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        viewport->repaint();  // the paint the event loop would do next, done now
    };
    searchAndPaint();  // the first search of the module is timed above
    for (auto _ : state)
        searchAndPaint();
    state.SetLabel(QStringLiteral("%1 '%2' %3 verses").arg(moduleOf(state), termOf(state))
                       .arg(w.searchResults()->count()).toStdString());
    ChooseBible({});
}

// The library's own reader: "diatheke -b MODULE -s phrase -k TERM", a process per search as it is used.
void BM_DiathekePhraseSearch(benchmark::State& state)
{
    if (!installed(state))
        return;
    QString last;
    for (auto _ : state) {
        QProcess diatheke;
        diatheke.start(QStringLiteral("diatheke"), {QStringLiteral("-b"), moduleOf(state), QStringLiteral("-s"),
                                                    QStringLiteral("phrase"), QStringLiteral("-k"), termOf(state)});
        diatheke.waitForFinished(60000);
        last = QString::fromUtf8(diatheke.readAll()).section(QStringLiteral("--"), -1).trimmed();
    }
    state.SetLabel(QStringLiteral("%1 '%2': %3").arg(moduleOf(state), termOf(state), last).toStdString());
}

} // namespace

BENCHMARK(BM_ShelfCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FirstSearchOfAModule)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ModuleEnterToPaintedGrid)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiathekePhraseSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(2);
