// The quick and the advanced search of the main window; the results view shows what they find.
#include "app/MainWindow.h"

#include "reading/AdvancedSearchDialog.h"
#include "reading/Search.h"
#include "reading/SearchResultsView.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace kivra {
namespace {

// Return or Enter in the search box runs the quick search (and is not taken as text).
class SearchOnEnter : public QObject {
public:
    SearchOnEnter(QLineEdit* box, std::function<void()> search) : QObject(box), m_search(std::move(search))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_search();
        return true;
    }

private:
    std::function<void()> m_search;
};

} // namespace

void MainWindow::connectSearch()
{
    new SearchOnEnter(m_searchText, [this] { runQuickSearch(); });
    SelectAllOnClick(m_searchText);
    // The prompt is set with the caret at its end, which scrolls its start out of the narrow box.
    connect(m_searchText, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_searchText->isModified() && text == LoadResString(Caption::SearchPrompt))
            m_searchText->setCursorPosition(0);
    });
    connect(m_clearSearch, &QToolButton::clicked, this, &MainWindow::clearSearch);
    connect(m_advancedSearch, &QToolButton::clicked, this, &MainWindow::openAdvancedSearch);
}

void MainWindow::runQuickSearch()
{
    WaitCursor wait;
    if (m_searchText->text().isEmpty())
        return;
    m_notes->setPlainText(QString());
    SearchQuery query = QuickSearchScan(TrimBlanks(m_searchText->text()));
    query.filter.wholeWords = m_wholeWords->isChecked();
    showSearchResults(query);
    SelectAllText(m_searchText);
}

void MainWindow::showSearchResults(const SearchQuery& query)
{
    m_results->showQuery(query);
    showBoundResults();
}

void MainWindow::openAdvancedSearch()
{
    AdvancedSearchDialog window(this);
    window.load();
    connect(&window, &AdvancedSearchDialog::searchRequested, this, &MainWindow::showSearchResults);
    window.exec();
}

void MainWindow::showBoundResults()
{
    m_viewMode = ViewMode::Searcher;
    showResultsView();
    announceCount(FoundStatusText(m_results->count()));
    m_results->selectFirstResult();
}

void MainWindow::fitResultColumns()
{
    m_results->fitColumns();
    // The count belongs to the results view; a resize while a passage is read keeps its status.
    if (m_viewMode == ViewMode::Searcher)
        m_status->setText(FoundStatusText(m_results->count()));
}

void MainWindow::clearSearch()
{
    if (m_viewMode == ViewMode::Reader)
        return;
    m_searchText->setText(LoadResString(Caption::SearchPrompt));
    m_searchText->setAccessibleDescription(QString());  // its tooltip again
    openPassage();
}

} // namespace kivra
