#pragma once
// The results of a search: the grid of found verses, the selected verse's text under it with the
// matches marked, moving in the grid and copying a result. The grid's selection model is the one
// owner of the current result; everything that shows the current result follows it. The grid and
// the verse each sit in a sunken frame, the verse's of a fixed height under the grid's.
#include <QWidget>
#include <QVariantList>
#include <optional>

class QModelIndex;
class QPoint;
class QTableView;
class QTextEdit;

namespace kivra {

class DataControl;
class MatchDelegate;
class MatchMarks;
struct SearchQuery;

// The verse of one result row.
struct SearchResult {
    QString id, testament, bookAbbreviation;  // testament is "Old" or "New"
    int chapter = 0, verse = 0;
    QString text;
};

class SearchResultsView : public QWidget {
    Q_OBJECT
public:
    explicit SearchResultsView(QWidget* parent);

    QTableView* grid() const { return m_grid; }
    DataControl* rows() const { return m_rows; }

    // The verses the query finds, scanned in memory, or found by its statement when the texts
    // cannot be held. The columns are fitted to the new rows.
    void showQuery(const SearchQuery& query);
    // The verses at these rows of the chosen Bible's texts (BibleVerseTexts), marked as marks say.
    void showRows(const QList<int>& rows, const MatchMarks& marks);
    // The rows of any statement on the Bible, nothing marked in them.
    void showStatement(const QString& sql, const QVariantList& params);
    // After new rows: the first one is the current result (none when there are no rows).
    void selectFirstResult();
    // Fits the columns to the grid's width: fixed narrow columns, the text takes the rest.
    void fitColumns();

    int count() const;
    bool hasSelectedResult() const;
    std::optional<SearchResult> currentResult() const;
    QString selectedText() const;  // the current result's verse as shown under the grid
    // The current result's text, with "(Book c:v-c:v)" after it on request.
    void copyCurrent(bool withReference);
    QString bookNameOf(const QString& abbreviation) const;  // the empty text when there is no such book

signals:
    void currentResultChanged();
    void openRequested();  // Enter or a double click on a result
    void bookmarkRequested();
    void previewRequested();
    void readAloudRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formatGrid();
    void selectRow(int row);
    void followCurrentRow(const QModelIndex& current);
    void markSelectedVerseMatches();
    bool isClickOnEmptySpace(QEvent* event) const;
    void showMenu(const QPoint& at);

    DataControl* m_rows;
    QTableView* m_grid;
    QWidget* m_gridViewport;  // kept: events still arrive while the grid is being destroyed
    MatchDelegate* m_textCells;  // paints the Text cells with the matches marked
    QTextEdit* m_selectedVerse;
};

} // namespace kivra
