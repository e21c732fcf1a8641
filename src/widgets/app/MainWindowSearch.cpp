// The quick and the advanced search of the main window; the results view shows what they find.
#include "app/MainWindow.h"

#include "reading/AdvancedSearchDialog.h"
#include "reading/Search.h"
#include "reading/SearchResultsView.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QToolButton>

namespace kivra {
namespace {

// The prompt is longer than the designed box is wide: it is shown in a face stepped down until it
// reads whole, and the box widens only below the smallest face. What the reader types keeps the
// box's own face.
void FitPromptFace(QLineEdit* box, bool prompt)
{
    QFont face = box->parentWidget()->font();
    if (prompt) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QMargins margins = box->textMargins();
        // QLineEdit keeps two pixels free on each side of its text.
        const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
                       - margins.left() - margins.right() - 4;
        const QString text = box->text();
        while (QFontMetrics(face).horizontalAdvance(text) > room && face.pointSizeF() > 6.5)
            face.setPointSizeF(face.pointSizeF() - 0.5);
        const int missing = QFontMetrics(face).horizontalAdvance(text) - room;
        if (missing > 0)
            box->setFixedWidth(box->width() + missing);
    }
    box->setFont(face);
}

} // namespace

// The search row on its sunken strip; the Pray button hangs over the strip's lower edge.
QWidget* MainWindow::createSearchRow()
{
    auto* row = Named(new QWidget, "searchRow");
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    // Rows: 1 and 2 above the text line, the text line, 3 under it to the strip's edge, 2 below.
    for (auto [rowIndex, height] : {std::pair{0, 1}, {1, 2}, {3, 3}, {4, 2}})
        grid->setRowMinimumHeight(rowIndex, height);
    auto* strip = Named(new QFrame, "shpTitleBar");
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setFrameShadow(QFrame::Sunken);
    grid->addWidget(strip, 0, 0, 4, 17);

    m_searchText = FixHeight(Named(new QLineEdit, "txtSearchString"), 19);
    m_searchText->setFixedWidth(195);
    m_exportVerses = MakeImageButton(nullptr, QStringLiteral("imgExportBibleVerse"), 24);
    m_wholeWords = Named(new QCheckBox(tr("Whole words")), "chkWholeWords");
    // The gap between the export button and "Pray" is narrow: the face steps down from the grid's
    // small one until the caption reads whole in it, and the box widens only below the smallest.
    QFont small = m_wholeWords->font();
    small.setPointSizeF(8);
    m_wholeWords->setFont(small);
    while (m_wholeWords->sizeHint().width() > 90 && small.pointSizeF() > 6) {
        small.setPointSizeF(small.pointSizeF() - 0.5);
        m_wholeWords->setFont(small);
    }
    FixHeight(FixWidth(m_wholeWords, 90), 19);
    m_web = MakeImageButton(nullptr, QStringLiteral("imgWeb"), 24);
    auto* webCaption = FixHeight(FixWidth(Named(new ClickLabel(tr("Pray")), "lblWeb"), 40), 17);
    webCaption->forwardTo(m_web);
    // The commentary pane's switch, so a reader finds it without knowing its key.
    m_commentaryButton = MakeImageButton(nullptr, QStringLiteral("imgCommentary"), 24);
    m_commentaryButton->setCheckable(true);
    m_commentaryButton->setToolTip(tr("A commentary beside the passage"));
    // Columns: a gap, then a control, in turn.
    const std::pair<int, QWidget*> columns[] = {
        {8, FixHeight(FixWidth(Named(new QLabel(tr("Search for")), "lblSearchFor"), 62), 19)},
        {2, m_searchText},
        {5, FixHeight(FixWidth(Named(new QLabel(tr("within Bible")), "lblWithinBible"), 80), 19)},
        {16, m_exportVerses},
        {4, m_wholeWords},
        {2, m_web},
        {8, webCaption},
        {8, m_commentaryButton}};
    int column = 0;
    for (auto [gap, control] : columns) {
        grid->setColumnMinimumWidth(column, gap);
        column += 2;
        if (control == m_exportVerses || control == m_commentaryButton)
            grid->addWidget(control, 1, column - 1, 3, 1);
        else if (control == m_web)
            grid->addWidget(control, 2, column - 1, 3, 1);
        else if (control == webCaption)
            grid->addLayout(CaptionBeside(webCaption), 2, column - 1, 3, 1);
        else
            grid->addWidget(control, 2, column - 1, Qt::AlignVCenter);
    }
    grid->setColumnStretch(column, 1);
    return row;
}

void MainWindow::connectSearch()
{
    connect(m_searchText, &QLineEdit::returnPressed, this, &MainWindow::runQuickSearch);
    SelectAllOnClick(m_searchText);
    // The prompt is set with the caret at its end, which scrolls its start out of the narrow box.
    connect(m_searchText, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool prompt = !m_searchText->isModified() && text == LoadResString(Caption::SearchPrompt);
        FitPromptFace(m_searchText, prompt);
        if (prompt)
            m_searchText->setCursorPosition(0);
    });
    connect(m_clearSearch, &QToolButton::clicked, this, &MainWindow::clearSearch);
    connect(m_advancedSearch, &QToolButton::clicked, this, &MainWindow::openAdvancedSearch);
    connect(m_wholeWords, &QCheckBox::toggled, this, &MainWindow::repeatQuickSearch);
    connect(m_backToResults, &QToolButton::clicked, this, &MainWindow::backToResults);
}

void MainWindow::runQuickSearch()
{
    WaitCursor wait;
    if (m_searchText->text().isEmpty())
        return;
    m_notes->setPlainText(QString());
    m_quickSearchText = TrimBlanks(m_searchText->text());
    showQuickSearch();
    SelectAllText(m_searchText);
}

void MainWindow::showQuickSearch()
{
    SearchQuery query = QuickSearchScan(m_quickSearchText);
    query.filter.wholeWords = m_resultsInWholeWords = m_wholeWords->isChecked();
    showSearchResults(query);
}

// The results on screen must answer the box as it is ticked now, for the text they were found for
// (the search box may hold a new text not yet searched for). Kept results behind a passage are
// found again when they are brought back.
void MainWindow::repeatQuickSearch()
{
    if (m_viewMode == ViewMode::Searcher && !m_quickSearchText.isNull())
        showQuickSearch();
}

void MainWindow::backToResults()
{
    if (!m_resultsKept || m_viewMode == ViewMode::Searcher)
        return;
    if (!m_quickSearchText.isNull() && m_resultsInWholeWords != m_wholeWords->isChecked()) {
        showQuickSearch();
        return;
    }
    m_viewMode = ViewMode::Searcher;
    showResultsView();
    m_status->setText(FoundStatusText(m_results->count()));
    showResultBookmark();
    m_results->grid()->setFocus();
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
    connect(&window, &AdvancedSearchDialog::searchRequested, this, [this](const SearchQuery& query) {
        m_quickSearchText = QString();  // the quick search's "Whole words" does not govern these results
        showSearchResults(query);
    });
    window.exec();
}

void MainWindow::showBoundResults()
{
    m_viewMode = ViewMode::Searcher;
    m_resultsKept = true;
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
    m_resultsKept = false;
    m_quickSearchText = QString();
    m_searchText->setAccessibleDescription(QString());  // its tooltip again
    openPassage();
}

} // namespace kivra
