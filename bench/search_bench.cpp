// The quick search split into its two costs: the statement (rows read into a recordset) and the
// grid fill (binding the rows to the results grid, formatting it and writing the count).
// Goals: grace (160 verses) whole in under 10 ms; a text of blanks (31102 verses) in under 60 ms.
#include "app/frmMain.h"
#include "reading/Search.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

const char* const kTexts[] = {"grace", "LORD", "the", "   "};

struct Session {
    test::TempProgramFolder folder;
    frmMain window;
    Session()
    {
        window.Form_Load();
        window.RestoreLastPassage();
        window.show();
    }
};

Session& session()
{
    static Session s;
    return s;
}

void BM_Query(benchmark::State& state)
{
    session();
    const QString text = TrimBlanks(QString::fromLatin1(kTexts[state.range(0)]));
    int rows = 0;
    for (auto _ : state) {
        const SearchQuery q = BuildQuickSearch(BibleConnection(), text);
        auto rs = Recordset::open(BibleConnection(), q.sql, q.params);
        rows = rs ? rs->recordCount() : -1;
        benchmark::DoNotOptimize(rs);
    }
    state.SetLabel(QStringLiteral("'%1' %2 rows").arg(QString::fromLatin1(kTexts[state.range(0)])).arg(rows).toStdString());
}

// Bind and show only: the rows of a ready recordset into the model, the grid and the status.
void BM_GridFill(benchmark::State& state)
{
    frmMain& w = session().window;
    const SearchQuery q = BuildQuickSearch(BibleConnection(), TrimBlanks(QString::fromLatin1(kTexts[state.range(0)])));
    for (auto _ : state) {
        state.PauseTiming();
        w.adoBible->clear();
        state.ResumeTiming();
        w.AdvancedSearch(q.sql, q.params);  // the same showing steps as the quick search
        QApplication::processEvents();      // the grid paints its first rows
    }
    state.SetLabel(q.usesIndex ? "index" : "scan");
}

// What the user waits for: Enter in the box until the grid is painted with its count.
void BM_WholeQuickSearch(benchmark::State& state)
{
    frmMain& w = session().window;
    for (auto _ : state) {
        w.txtSearchString->setText(QString::fromLatin1(kTexts[state.range(0)]));
        w.txtSearchString_KeyPress(13);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_Query)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFill)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeQuickSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
