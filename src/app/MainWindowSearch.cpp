// Quick search, results grid and advanced search of the main window.
#include "app/MainWindow.h"

#include "bookmarks/BookmarkStore.h"
#include "reading/MatchDelegate.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "reading/AdvancedSearchDialog.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

#include <cmath>

namespace kivra {
namespace {

constexpr int GridRowHeight = 16;
constexpr int GridHeaderLines = 2;
constexpr int GridScrollBarWidth = 17;

// Enter in the search box runs the quick search; the grid's four movement keys move the result
// cursor and nothing else, so one key press moves one record.
class SearchKeys : public QObject {
public:
    explicit SearchKeys(MainWindow* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_window->txtSearchString && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            m_window->txtSearchString_KeyPress(13);
            return true;
        }
        if (watched == m_window->dgdSearchResults
            && (key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Up || key == Qt::Key_Down)) {
            m_window->MoveResultCursor(m_window->adoBible, key);
            return true;
        }
        return false;
    }

private:
    MainWindow* m_window;
};

} // namespace

void MainWindow::connectSearch()
{
    auto* keys = new SearchKeys(this);
    txtSearchString->installEventFilter(keys);
    dgdSearchResults->installEventFilter(keys);
    SelectAllOnClick(txtSearchString);
    // The prompt is set with the caret at its end, which scrolls its start out of the narrow box.
    connect(txtSearchString, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!txtSearchString->isModified() && text == LoadResString(Caption::SearchPrompt))
            txtSearchString->setCursorPosition(0);
    });

    formatGridOnce();
    dgdSearchResults->viewport()->installEventFilter(this);
    connect(dgdSearchResults->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    adoBible->setCurrentRow(current.row());
            });
    connect(adoBible, &DataControl::currentRowChanged, this, &MainWindow::dgdSearchResults_RowColChange);
    connect(imgClearSearch, &QToolButton::clicked, this, &MainWindow::ClearSearch);
    connect(imgAdvancedSearch, &QToolButton::clicked, this, &MainWindow::imgAdvancedSearch_Click);
}

// Settings of the grid that no result set changes.
void MainWindow::formatGridOnce()
{
    QTableView* grid = dgdSearchResults;
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setWordWrap(false);
    grid->setLayoutDirection(Qt::LeftToRight);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionsMovable(false);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The columns keep their narrow widths (Book is 30 pixels): a small face lets "Gen" and the
    // captions fit where the usual desktop font would cut them short.
    QFont cellFont = grid->font();
    cellFont.setPointSize(8);
    grid->setFont(cellFont);
    grid->setTextElideMode(Qt::ElideNone);
    QFont headerFont(QStringLiteral("MS Sans Serif"), 8);
    headerFont.setBold(false);
    headerFont.setUnderline(true);
    // The captions must read whole in those widths ("Chapte", "Section" otherwise), so the face
    // steps down until the longest of them fits inside the section's margins.
    const QHeaderView* header = grid->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 1;
    const auto captionsFit = [margins](const QFont& font) {
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(QStringLiteral("Testament")) + margins <= 60
            && metrics.horizontalAdvance(QStringLiteral("Book")) + margins <= 30
            && metrics.horizontalAdvance(QStringLiteral("Chapter")) + margins <= 45
            && metrics.horizontalAdvance(QStringLiteral("Sections")) + margins <= 45;
    };
    while (!captionsFit(headerFont) && headerFont.pointSizeF() > 6)
        headerFont.setPointSizeF(headerFont.pointSizeF() - 0.5);
    grid->horizontalHeader()->setFont(headerFont);
    grid->horizontalHeader()->setFixedHeight(GridHeaderLines * GridRowHeight);
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));
    grid->setPalette(palette);
}

void MainWindow::txtSearchString_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    WaitCursor wait;
    if (txtSearchString->text().isEmpty())
        return;
    txtNotes->setPlainText(QString());
    SearchQuery query = QuickSearchScan(TrimBlanks(txtSearchString->text()));
    query.filter.wholeWords = chkWholeWords->isChecked();
    ShowSearchResults(query);
    SelectAllText(txtSearchString);
}

void MainWindow::ShowSearchResults(const SearchQuery& query)
{
    WaitCursor wait;
    dgdSearchResultsText->setMarks(MatchMarks(query.filter));
    // The verses are scanned in memory and the grid asks only for the rows it paints; the
    // statement is the way when the texts cannot be held.
    if (const std::shared_ptr<const VerseTexts> verses = BibleVerseTexts()) {
        const QList<int> rows = verses->matching(query.filter);
        adoBible->bindRows(SearchColumnNames, int(rows.size()),
                           [verses, rows](int row, int column) { return verses->cell(rows[row], column); });
        showBoundResults();
    } else {
        bindSearchStatement(query.sql, query.params);
    }
}

void MainWindow::AdvancedSearch(const QString& sql, const QVariantList& params)
{
    dgdSearchResultsText->setMarks({});  // a bare statement names nothing to mark
    bindSearchStatement(sql, params);
}

void MainWindow::bindSearchStatement(const QString& sql, const QVariantList& params)
{
    WaitCursor wait;
    adoBible->bind(BibleConnection(), sql, params);
    showBoundResults();
}

void MainWindow::showBoundResults()
{
    ViewMode = QStringLiteral("Searcher");
    ApplyDefaultFontToTextBox(txtSelectedSection);
    showResultsView();
    setDataGrid();
    dgdSearchResults_RowColChange();
}

void MainWindow::imgAdvancedSearch_Click()
{
    AdvancedSearchDialog window(this);
    window.Form_Load();
    connect(&window, &AdvancedSearchDialog::searchRequested, this, &MainWindow::ShowSearchResults);
    window.exec();
}

void MainWindow::showResultsView()
{
    shpBibleText->hide();
    txtBibleText->hide();
    shpSearchResults->show();
    dgdSearchResults->show();
    shpSelectedVerse->show();
    txtSelectedSection->show();
    wbrWebPanel->hide();
}

void MainWindow::setDataGrid()
{
    QTableView* grid = dgdSearchResults;
    int total = 0;
    int textColumn = -1;
    for (int column = 0; column < adoBible->columnCount(); ++column) {
        const QString caption = adoBible->headerData(column, Qt::Horizontal).toString();
        int width = 0;
        QString shown = caption;
        if (caption == QLatin1String("Testament")) {
            width = 60;
        } else if (caption == QLatin1String("BookAbbreviation") || caption == QLatin1String("Book")) {
            width = 30;
            shown = QStringLiteral("Book");
        } else if (caption == QLatin1String("Chapter") || caption == QLatin1String("Sections")) {
            width = 45;
        } else if (caption == QLatin1String("Text")) {
            textColumn = column;
            grid->setItemDelegateForColumn(column, dgdSearchResultsText);
            continue;
        } else {
            grid->setColumnHidden(column, true);
            continue;
        }
        grid->setColumnHidden(column, false);
        grid->setColumnWidth(column, width);
        if (shown != caption)
            adoBible->setHeaderCaption(column, shown);
        total += grid->columnWidth(column);
    }
    // The grid's own frame is not room for columns.
    const int gridWidth = grid->width() - 2 * grid->frameWidth();
    const int visibleRows = grid->height() / GridRowHeight - GridHeaderLines;
    if (textColumn >= 0) {
        const int scrollBar = visibleRows < adoBible->recordCount() ? GridScrollBarWidth : 0;
        grid->setColumnHidden(textColumn, false);
        grid->setColumnWidth(textColumn, std::max(0, gridWidth - total - scrollBar));
    }
    // The count belongs to the results view; a resize while a passage is read keeps its status.
    if (ViewMode.toLower() == QLatin1String("searcher"))
        stbPanel1->setText(FoundStatusText(adoBible->recordCount()));
}

void MainWindow::dgdSearchResults_RowColChange()
{
    SelectCurrentResultRow();
    txtSelectedSection->setPlainText(adoBible->currentText(QStringLiteral("Text")));
    markSelectedVerseMatches();
    ShowResultBookmark();
}

void MainWindow::markSelectedVerseMatches()
{
    QList<QTextEdit::ExtraSelection> marks;
    for (const auto& [start, length] : dgdSearchResultsText->marks().ranges(txtSelectedSection->toPlainText())) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(txtSelectedSection->document());
        mark.cursor.setPosition(start);
        mark.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        mark.format.setBackground(MatchMarkColour());
        marks << mark;
    }
    txtSelectedSection->setExtraSelections(marks);
}

void MainWindow::SelectCurrentResultRow()
{
    const int row = adoBible->currentRow();
    if (row < 0 || row >= adoBible->recordCount())
        return;
    const QModelIndex index = adoBible->index(row, 1);
    dgdSearchResults->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                   | QItemSelectionModel::Rows);
    dgdSearchResults->scrollTo(index);
}

void MainWindow::ShowResultBookmark()
{
    if (dgdSearchResults->isHidden() || adoBible->currentText(QStringLiteral("ID")).isEmpty())
        return;
    const QString testament = adoBible->currentText(QStringLiteral("Testament")) + QStringLiteral(" Testament");
    const QString book = bookNameOf(adoBible->currentText(QStringLiteral("BookAbbreviation")));
    const int chapter = adoBible->currentValue(QStringLiteral("Chapter")).toInt();
    const int verse = adoBible->currentValue(QStringLiteral("Sections")).toInt();
    // Only a bookmark on exactly this one verse; one on a range around it is not this verse's. The
    // same exact-range match as under a passage, and txtNotes follows adoBookmark as it does there.
    BookmarkRange range;
    range.testament = testament;
    range.book = book;
    range.fromChapter = range.toChapter = chapter;
    range.fromSection = range.toSection = verse;
    adoBookmark->bind(OptionsConnection(), BookmarkRangeSql(), BookmarkRangeParams(range));
}

QString MainWindow::bookNameOf(const QString& abbreviation) const
{
    if (abbreviation.isEmpty())
        return {};  // no condition would read the first book
    auto books = GetADORecordSet(BibleConnection(), QStringLiteral("tblBibleBook"), QStringLiteral("BookAbbreviation"),
                                 abbreviation, QStringLiteral("="));
    return books && !books->eof() ? books->text(QStringLiteral("Book")) : QString();
}

// The Book column is too narrow for some abbreviations ("1Sam"); its cells' tooltips name the book.
bool MainWindow::showBookNameTip(QHelpEvent* event)
{
    const QModelIndex cell = dgdSearchResults->indexAt(event->pos());
    if (!cell.isValid() || adoBible->headerData(cell.column(), Qt::Horizontal).toString() != QLatin1String("Book"))
        return false;
    const QString abbreviation = adoBible->data(cell).toString();
    const QString name = bookNameOf(abbreviation);
    QToolTip::showText(event->globalPos(), name.isEmpty() ? abbreviation : name, dgdSearchResults->viewport());
    return true;
}

void MainWindow::MoveResultCursor(DataControl* control, int key)
{
    if (!control || control->recordCount() == 0)
        return;
    control->setCurrentRow(ResultCursorTarget(control->currentRow(), control->recordCount(), key));
}

void MainWindow::ClearSearch()
{
    if (ViewMode.toLower() == QLatin1String("reader"))
        return;
    txtSearchString->setText(LoadResString(Caption::SearchPrompt));
    imgRetrieveBible_Click();
}

} // namespace kivra
