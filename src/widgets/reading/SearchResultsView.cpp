#include "reading/SearchResultsView.h"

#include "reading/MatchDelegate.h"
#include "reading/BookCatalogue.h"
#include "reading/LocalBookNames.h"
#include "reading/Passage.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "resources/Interaction.h"
#include "resources/Widgets.h"
#include "settings/TextBoxOptions.h"
#include "settings/ThemeColours.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <QTextCursor>
#include <QTextEdit>

namespace kivra {
namespace {

constexpr int GridRowHeight = 16;
constexpr int GridHeaderLines = 2;
constexpr int GridScrollBarWidth = 17;
constexpr int CurrentColumn = 1;  // the cell a moved-to row is made current at

bool isMovementKey(int key)
{
    return key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

SearchResultsView::SearchResultsView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SearchResultsView"));
    m_rows = new DataControl(this);
    m_rows->setObjectName(QStringLiteral("adoBible"));
    m_grid = Named(new QTableView, "dgdSearchResults");
    m_textCells = new MatchDelegate(m_grid);
    m_grid->setModel(m_rows);
    m_selectedVerse = Named(new QTextEdit, "txtSelectedSection");
    m_selectedVerse->setReadOnly(true);
    m_selectedVerse->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(FramePane(m_grid, "shpSearchResults", QMargins(8, 8, 8, 8)), 1);
    QFrame* selectedFrame = FramePane(m_selectedVerse, "shpSelectedVerse", QMargins(8, 8, 8, 8));
    selectedFrame->setFixedHeight(57);
    layout->addWidget(selectedFrame);
    m_selectedVerse->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab leaves the grid: within it the movement keys move from result to result.
    m_grid->setTabKeyNavigation(false);
    m_grid->setAccessibleName(tr("Search results"));
    m_selectedVerse->setAccessibleName(tr("Selected verse"));
    formatGrid();

    m_grid->installEventFilter(this);
    m_gridViewport = m_grid->viewport();
    m_gridViewport->installEventFilter(this);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SearchResultsView::followCurrentRow);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        selectRow(index.row());
        emit openRequested();
    });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &SearchResultsView::showMenu);
}

// Settings of the grid that no result set changes.
void SearchResultsView::formatGrid()
{
    QTableView* grid = m_grid;
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
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));  // as the frame round it
    grid->setPalette(palette);
}

void SearchResultsView::showQuery(const SearchQuery& query)
{
    WaitCursor wait;
    m_textCells->setMarks(MatchMarks(query.filter));
    // The verses are scanned in memory and the grid asks only for the rows it paints; the
    // statement is the way when the texts cannot be held.
    if (const std::shared_ptr<const VerseTexts> verses = BibleVerseTexts()) {
        const QList<int> found = verses->matching(query.filter);
        m_rows->bindRows(SearchColumnNames, int(found.size()),
                         [verses, found](int row, int column) { return verses->cell(found[row], column); });
    } else {
        m_rows->bind(BibleConnection(), query.sql, query.params);
    }
    ApplyDefaultFontToTextBox(m_selectedVerse);
    fitColumns();
}

void SearchResultsView::showRows(const QList<int>& rows, const MatchMarks& marks)
{
    WaitCursor wait;
    m_textCells->setMarks(marks);
    const std::shared_ptr<const VerseTexts> verses = BibleVerseTexts();
    m_rows->bindRows(SearchColumnNames, verses ? int(rows.size()) : 0,
                     [verses, rows](int row, int column) { return verses->cell(rows[row], column); });
    ApplyDefaultFontToTextBox(m_selectedVerse);
    fitColumns();
}

void SearchResultsView::showStatement(const QString& sql, const QVariantList& params)
{
    WaitCursor wait;
    m_textCells->setMarks({});  // a bare statement names nothing to mark
    m_rows->bind(BibleConnection(), sql, params);
    ApplyDefaultFontToTextBox(m_selectedVerse);
    fitColumns();
}

void SearchResultsView::fitColumns()
{
    QTableView* grid = m_grid;
    int total = 0;
    int textColumn = -1;
    // The headers are the columns' names, shown translated; a second fitting sees them as shown.
    const auto is = [](const QString& caption, const char* name) {
        return caption == QLatin1String(name) || caption == tr(name);
    };
    m_rows->setToolTipColumn(-1, {});
    for (int column = 0; column < m_rows->columnCount(); ++column) {
        const QString caption = m_rows->headerData(column, Qt::Horizontal).toString();
        int width = 0;
        QString shown = caption;
        if (is(caption, QT_TR_NOOP("Testament"))) {
            width = 60;
            shown = tr("Testament");
        } else if (caption == QLatin1String("BookAbbreviation") || is(caption, QT_TR_NOOP("Book"))) {
            width = 30;
            shown = tr("Book");
            // The abbreviation's tip is the book's whole name.
            m_rows->setToolTipColumn(column, [this](const QVariant& value) {
                const QString name = bookNameOf(value.toString());
                return name.isEmpty() ? value.toString() : name;
            });
        } else if (is(caption, QT_TR_NOOP("Chapter")) || is(caption, QT_TR_NOOP("Sections"))) {
            width = 45;
            shown = is(caption, "Chapter") ? tr("Chapter") : tr("Sections");
        } else if (is(caption, QT_TR_NOOP("Text"))) {
            if (tr("Text") != caption)
                m_rows->setHeaderCaption(column, tr("Text"));
            textColumn = column;
            grid->setItemDelegateForColumn(column, m_textCells);
            continue;
        } else {
            grid->setColumnHidden(column, true);
            continue;
        }
        grid->setColumnHidden(column, false);
        grid->setColumnWidth(column, width);
        if (shown != caption)
            m_rows->setHeaderCaption(column, shown);
        total += grid->columnWidth(column);
    }
    // The grid's own frame is not room for columns.
    const int gridWidth = grid->width() - 2 * grid->frameWidth();
    const int visibleRows = grid->height() / GridRowHeight - GridHeaderLines;
    if (textColumn >= 0) {
        const int scrollBar = visibleRows < m_rows->recordCount() ? GridScrollBarWidth : 0;
        grid->setColumnHidden(textColumn, false);
        grid->setColumnWidth(textColumn, std::max(0, gridWidth - total - scrollBar));
    }
}

int SearchResultsView::count() const { return m_rows->recordCount(); }

void SearchResultsView::selectFirstResult()
{
    if (count() > 0)
        selectRow(0);
    else
        followCurrentRow({});
}

void SearchResultsView::selectRow(int row)
{
    const QModelIndex index = m_rows->index(row, CurrentColumn);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

// The one place the current result is followed: the row the records answer for, the verse under
// the grid with its matches marked, and whoever shows more of it.
void SearchResultsView::followCurrentRow(const QModelIndex& current)
{
    if (current.isValid())
        m_rows->setCurrentRow(current.row());
    m_selectedVerse->setPlainText(current.isValid() ? m_rows->currentText(QStringLiteral("Text")) : QString());
    markSelectedVerseMatches();
    emit currentResultChanged();
}

void SearchResultsView::markSelectedVerseMatches()
{
    QList<QTextEdit::ExtraSelection> marks;
    const int row = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    for (const auto& [start, length] : m_textCells->marks().ranges(m_selectedVerse->toPlainText(), row)) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_selectedVerse->document());
        mark.cursor.setPosition(start);
        mark.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        mark.format.setBackground(MatchMarkColours().background);
        mark.format.setForeground(MatchMarkColours().text);
        marks << mark;
    }
    m_selectedVerse->setExtraSelections(marks);
    // The box shows two lines: the first match is brought into them.
    if (!marks.isEmpty()) {
        QTextCursor first = marks.constFirst().cursor;
        first.clearSelection();
        m_selectedVerse->setTextCursor(first);
        m_selectedVerse->ensureCursorVisible();
    }
}

bool SearchResultsView::hasSelectedResult() const
{
    return m_grid->selectionModel()->hasSelection() && m_grid->currentIndex().isValid();
}

std::optional<SearchResult> SearchResultsView::currentResult() const
{
    if (!m_grid->currentIndex().isValid() || m_rows->currentRow() < 0)
        return std::nullopt;
    SearchResult result;
    result.id = m_rows->currentText(QStringLiteral("ID"));
    result.testament = m_rows->currentText(QStringLiteral("Testament"));
    result.bookAbbreviation = m_rows->currentText(QStringLiteral("BookAbbreviation"));
    result.chapter = m_rows->currentValue(QStringLiteral("Chapter")).toInt();
    result.verse = m_rows->currentValue(QStringLiteral("Sections")).toInt();
    result.text = m_rows->currentText(QStringLiteral("Text"));
    return result;
}

QString SearchResultsView::selectedText() const { return m_selectedVerse->toPlainText(); }

void SearchResultsView::copyCurrent(bool withReference)
{
    const std::optional<SearchResult> result = currentResult();
    if (!result)
        return;
    QString text = result->text;
    if (withReference) {
        QString name = bookNameOf(result->bookAbbreviation);
        if (name.isEmpty())
            name = result->bookAbbreviation;
        const QString verse = QStringLiteral("%1:%2").arg(result->chapter).arg(result->verse);
        text = TextWithReference(text, QStringLiteral("(%1 %2-%2)").arg(name, verse));
    }
    QGuiApplication::clipboard()->setText(text);
}

QString SearchResultsView::bookNameOf(const QString& abbreviation) const
{
    const BibleBook* book = BibleBooks()->bookAbbreviated(abbreviation);
    return book ? ShownBookName(*book) : QString();  // as the reader's selectors name it
}

// The grid's four movement keys move the current result and nothing else, so one key press moves
// one record; Enter opens the result in its chapter. A click on the grid's empty space is kept from it.
bool SearchResultsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_gridViewport && isClickOnEmptySpace(event))
        return true;  // the grid would clear its highlight and keep the current row: two states
    if (watched != m_grid || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (isMovementKey(key)) {
        if (count() > 0)
            selectRow(ResultCursorTarget(m_grid->currentIndex().row(), count(), key));
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit openRequested();
        return true;
    }
    return false;
}

// A press, double click or drag below the last row or right of the columns.
bool SearchResultsView::isClickOnEmptySpace(QEvent* event) const
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton)
        return false;
    return !m_grid->indexAt(mouse->position().toPoint()).isValid();
}

void SearchResultsView::showMenu(const QPoint& at)
{
    ShowVerseMenu(m_grid, at,
                  {[this](bool withReference) { copyCurrent(withReference); }, [this] { emit bookmarkRequested(); },
                   [this] { emit previewRequested(); }, [this] { emit readAloudRequested(); }, {}});
}

} // namespace kivra
