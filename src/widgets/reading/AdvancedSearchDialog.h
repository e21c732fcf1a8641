#pragma once
// The advanced search window: two texts with their match operators, the logical operator between
// them, and all books or a verse range. Search hands the statement to the main window and closes.
#include "reading/Search.h"
#include "reading/VerseRangeSelector.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace kivra {


// Selects the whole text of box (the caret at the end).
void SelectAllText(QLineEdit* box);
// Makes every mouse click in box select all of its text, so typing replaces it.
void SelectAllOnClick(QLineEdit* box);

class AdvancedSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit AdvancedSearchDialog(QWidget* parent = nullptr);

    // Tooltips, the operator and range lists (first entries chosen), the centred heading.
    void load();
    AdvancedSearchInput inputs() const;
    SearchQuery BuildAdvancedQuery() const;
    void search();

    QLabel* lblTopHeading;
    QLabel* lblNotesHeading;
    QLineEdit* txtSearchString1;
    QLineEdit* txtSearchString2;
    QComboBox* cboOperator1;
    QComboBox* cboOperator2;
    QComboBox* cboQueryStringOperator;
    QCheckBox* chkWholeWords;
    QRadioButton* optSearchScope[2];  // 0: within the range below, 1: all books
    VerseRangeSelector* verseSelector;
    QToolButton* imgSearch;
    QToolButton* imgCancel;

signals:
    // Search was clicked with a statement that can run; the main window shows its results.
    void searchRequested(const kivra::SearchQuery& query);

private:
};

} // namespace kivra
