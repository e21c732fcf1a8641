#include "reading/AdvancedSearchDialog.h"

#include "reading/SelectorCombos.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Accessibility.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kivra {

void SelectAllText(QLineEdit* box)
{
    box->selectAll();
}

namespace {
// Selects the box's text once the click has been handled, as a click would otherwise place the caret.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                SelectAllText(box);
        return false;
    }
};

template <typename T> T* place(T* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

void SelectAllOnClick(QLineEdit* box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

AdvancedSearchDialog::AdvancedSearchDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAdvancedSearch"));
    setWindowTitle(tr("Advanced Search"));
    setFixedSize(450, 300);

    lblTopHeading = place(new QLabel(tr("Advanced Search"), this), "lblTopHeading", QRect(0, 6, 120, 20));
    QFont heading = lblTopHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() + 2);
    lblTopHeading->setFont(heading);
    lblTopHeading->adjustSize();
    lblNotesHeading = place(new QLabel(tr("Search for bible verse (s):"), this), "lblNotesHeading",
                            QRect(12, 34, 300, 18));

    txtSearchString1 = place(new QLineEdit(this), "txtSearchString1", QRect(12, 54, 272, 24));
    cboOperator1 = place(new QComboBox(this), "cboOperator1", QRect(292, 54, 146, 24));
    cboQueryStringOperator = place(new QComboBox(this), "cboQueryStringOperator", QRect(12, 84, 90, 24));
    txtSearchString2 = place(new QLineEdit(this), "txtSearchString2", QRect(12, 114, 272, 24));
    cboOperator2 = place(new QComboBox(this), "cboOperator2", QRect(292, 114, 146, 24));
    SelectAllOnClick(txtSearchString1);
    SelectAllOnClick(txtSearchString2);

    optSearchScope[1] = place(new QRadioButton(tr("Search within All BOOKS"), this), "optSearchScope1",
                              QRect(12, 146, 190, 22));
    optSearchScope[0] = place(new QRadioButton(tr("Search Within the following scope"), this),
                              "optSearchScope0", QRect(206, 146, 232, 22));

    verseSelector = place(new VerseRangeSelector(this), "VerseRangeSelector", QRect(12, 172, 426, 88));
    takeSelectors(*verseSelector);
    arrangeSelector();

    chkWholeWords = place(new QCheckBox(tr("Whole words"), this), "chkWholeWords", QRect(12, 269, 150, 22));
    imgSearch = MakeImageButton(this, QStringLiteral("imgSearch"), 28);
    imgSearch->move(370, 266);
    imgCancel = MakeImageButton(this, QStringLiteral("imgCancel"), 28);
    imgCancel->move(406, 266);

    // The range only counts within the scope; greying it otherwise shows what the search will use.
    connect(optSearchScope[0], &QRadioButton::toggled, verseSelector, &QWidget::setEnabled);
    optSearchScope[1]->setChecked(true);
    verseSelector->setEnabled(false);
    connect(imgSearch, &QToolButton::clicked, this, &AdvancedSearchDialog::search);
    // Enter in either text box searches, as the search button does.
    for (QLineEdit* box : {txtSearchString1, txtSearchString2})
        connect(box, &QLineEdit::returnPressed, imgSearch, &QToolButton::click);
    connect(imgCancel, &QToolButton::clicked, this, &AdvancedSearchDialog::reject);
}

// The selector stacks its six boxes for a narrow panel; here they go side by side to fit the window:
// testament and book in the first row, from and to chapter:verse in the second.
void AdvancedSearchDialog::arrangeSelector()
{
    auto* grid = qobject_cast<QGridLayout*>(verseSelector->layout());
    if (!grid)
        return;
    const QList<QLabel*> labels = verseSelector->labels();
    const QList<QComboBox*> combos = {cboTestament, cboBook, cboFromChapter, cboFromSection, cboToChapter, cboToSection};
    for (int i = 0; i < combos.size(); ++i) {
        grid->removeWidget(labels.value(i));
        grid->removeWidget(combos[i]);
    }
    const struct { int row, column, span; } cells[] = {{0, 0, 2}, {0, 2, 2}, {2, 0, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}};
    for (int i = 0; i < combos.size(); ++i) {
        if (QLabel* label = labels.value(i))
            grid->addWidget(label, cells[i].row, cells[i].column, 1, cells[i].span);
        grid->addWidget(combos[i], cells[i].row + 1, cells[i].column, 1, cells[i].span);
    }
    grid->setHorizontalSpacing(8);
}

void AdvancedSearchDialog::load()
{
    imgSearch->setToolTip(LoadResString(Caption::StartAdvancedSearch));
    imgCancel->setToolTip(LoadResString(Caption::CancelAdvancedSearch));
    txtSearchString1->setAccessibleName(tr("First text"));
    txtSearchString2->setAccessibleName(tr("Second text"));
    NameUnnamedControls(this);  // for screen readers, now that the pictures have their tooltips
    FillCombo(cboOperator1, ValueList(QStringLiteral("Operator1")), true);
    FillCombo(cboOperator2, ValueList(QStringLiteral("Operator2")), true);
    verseSelector->fillTestaments();
    FillCombo(cboQueryStringOperator, TextList(QStringLiteral("QueryStringOperator")), true);
    lblTopHeading->move((width() - lblTopHeading->width()) / 2, lblTopHeading->y());
}

AdvancedSearchInput AdvancedSearchDialog::inputs() const
{
    AdvancedSearchInput in;
    in.text1 = txtSearchString1->text();
    in.operator1 = ChosenValue(cboOperator1);
    in.joiner = cboQueryStringOperator->currentText();
    in.text2 = txtSearchString2->text();
    in.operator2 = ChosenValue(cboOperator2);
    in.withinScope = optSearchScope[0]->isChecked();
    in.wholeWords = chkWholeWords->isChecked();
    in.testamentWord = verseSelector->testamentWord();
    in.bookAbbreviation = verseSelector->bookAbbreviation();
    in.fromChapter = cboFromChapter->currentText().trimmed().toInt();
    in.fromSection = cboFromSection->currentText().trimmed().toInt();
    in.toChapter = cboToChapter->currentText().trimmed().toInt();
    in.toSection = cboToSection->currentText().trimmed().toInt();
    return in;
}

SearchQuery AdvancedSearchDialog::BuildAdvancedQuery() const
{
    QString badOperator;
    SearchQuery q = kivra::BuildAdvancedQuery(inputs(), &badOperator);
    if (!q.valid())
        qCWarning(lcSearch).noquote() << "Advanced search: unknown operator" << badOperator;
    return q;
}

void AdvancedSearchDialog::search()
{
    WaitCursor wait;
    const SearchQuery q = BuildAdvancedQuery();
    if (!q.valid()) {
        ShowMessage(Message::UnknownSearchOperators, this);
        return;
    }
    emit searchRequested(q);
    accept();
}

} // namespace kivra
