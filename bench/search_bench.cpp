// The quick search split into its two costs: the statement (rows read into a recordset) and the
// grid fill (binding the rows to the results grid, formatting it and writing the count).
// Goals: Enter to the painted grid and count within one frame (16 ms) for every text, a text of
// blanks (31102 verses) included; the advanced search with two terms in under 30 ms.
#include "app/MainWindow.h"
#include "reading/SearchResultsView.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "WindowSession.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

const char* const kTexts[] = {"grace", "LORD", "the", "   "};

using bench::session;

std::string statusText(const MainWindow& w)
{
    return w.findChild<QLabel*>(QStringLiteral("stbPanel1"))->text().toStdString();
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
    MainWindow& w = session().window;
    const SearchQuery q = BuildQuickSearch(BibleConnection(), TrimBlanks(QString::fromLatin1(kTexts[state.range(0)])));
    for (auto _ : state) {
        state.PauseTiming();
        w.searchResults()->rows()->clear();
        state.ResumeTiming();
        w.searchResults()->showStatement(q.sql, q.params);
        w.searchResults()->selectFirstResult();
        QApplication::processEvents();      // the grid paints its first rows
    }
    state.SetLabel(q.usesIndex ? "index" : "scan");
}

// Counts the paints a widget receives, so a benchmark can wait for the one it causes.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override { m_widget->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }
    // Runs the event loop until the widget has painted (at most two seconds).
    void waitForPaint()
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_painted && timer.elapsed() < 2000)
            QApplication::processEvents();
        m_painted = false;
    }

private:
    QWidget* m_widget;
    bool m_painted = false;
};

// What the user waits for: Enter in the box until the grid is painted with its count.
void BM_EnterToPaintedGrid(benchmark::State& state)
{
    MainWindow& w = session().window;
    PaintWatch grid(w.searchResults()->grid()->viewport());
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("txtSearchString"));
    const auto searchOnEnter = [box] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
    };
    box->setText(QString::fromLatin1(kTexts[state.range(0)]));
    searchOnEnter();  // the first search reads the texts; it is timed by BM_FirstSearch
    grid.waitForPaint();
    for (auto _ : state) {
        box->setText(QString::fromLatin1(kTexts[state.range(0)]));
        searchOnEnter();
        grid.waitForPaint();
    }
    state.SetLabel(statusText(w));
}

// The same with "Whole words" ticked: the words are found by their letters, then their edges checked.
void BM_WholeWordsEnterToPaintedGrid(benchmark::State& state)
{
    QCheckBox* wholeWords = session().window.findChild<QCheckBox*>(QStringLiteral("chkWholeWords"));
    wholeWords->setChecked(true);
    BM_EnterToPaintedGrid(state);
    wholeWords->setChecked(false);
}

// The advanced search with two terms over the whole Bible, from the button to the painted grid.
void BM_AdvancedTwoTermsToPaintedGrid(benchmark::State& state)
{
    MainWindow& w = session().window;
    PaintWatch grid(w.searchResults()->grid()->viewport());
    AdvancedSearchInput in;
    in.text1 = QStringLiteral("light");
    in.text2 = QStringLiteral("the");
    in.operator1 = in.operator2 = QStringLiteral("LIKE");
    in.joiner = QStringLiteral("AND");
    const SearchQuery q = BuildAdvancedQuery(in);
    for (auto _ : state) {
        w.searchResults()->showQuery(q);
        w.searchResults()->selectFirstResult();
        grid.waitForPaint();
    }
    state.SetLabel(std::to_string(w.searchResults()->count()) + " rows");
}

// The one-time price of the first search: every verse read into memory.
void BM_FirstSearchReadsTheTexts(benchmark::State& state)
{
    session();
    for (auto _ : state)
        benchmark::DoNotOptimize(VerseTexts::load(BibleConnection()));
}

} // namespace

BENCHMARK(BM_Query)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFill)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnterToPaintedGrid)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeWordsEnterToPaintedGrid)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdvancedTwoTermsToPaintedGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSearchReadsTheTexts)->Unit(benchmark::kMillisecond);
