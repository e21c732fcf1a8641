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

} // namespace

void SelectAllOnClick(QLineEdit* box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

AdvancedSearchDialog::AdvancedSearchDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAdvancedSearch"));
    setWindowTitle(tr("Advanced Search"));
    lblTopHeading = Named(new QLabel(tr("Advanced Search")), "lblTopHeading");
    QFont heading = lblTopHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() + 2);
    lblTopHeading->setFont(heading);
    lblNotesHeading = FixHeight(Named(new QLabel(tr("Search for bible verse (s):")), "lblNotesHeading"), 18);

    txtSearchString1 = FixHeight(Named(new QLineEdit, "txtSearchString1"), 24);
    cboOperator1 = FixHeight(Named(new QComboBox, "cboOperator1"), 24);
    cboQueryStringOperator = FixHeight(Named(new QComboBox, "cboQueryStringOperator"), 24);
    txtSearchString2 = FixHeight(Named(new QLineEdit, "txtSearchString2"), 24);
    cboOperator2 = FixHeight(Named(new QComboBox, "cboOperator2"), 24);
    SelectAllOnClick(txtSearchString1);
    SelectAllOnClick(txtSearchString2);
    optSearchScope[1] = FixHeight(Named(new QRadioButton(tr("Search within All BOOKS")), "optSearchScope1"), 22);
    optSearchScope[0] = FixHeight(Named(new QRadioButton(tr("Search Within the following scope")), "optSearchScope0"), 22);

    verseSelector = Named(new VerseRangeSelector, "VerseRangeSelector");
    verseSelector->arrangeInTwoRows();  // the six boxes side by side fit the window
    verseSelector->setFixedHeight(std::max(88, verseSelector->minimumSizeHint().height()));

    chkWholeWords = FixHeight(Named(new QCheckBox(tr("Whole words")), "chkWholeWords"), 22);
    imgSearch = MakeImageButton(this, QStringLiteral("imgSearch"), 28);
    imgCancel = MakeImageButton(this, QStringLiteral("imgCancel"), 28);

    // Down the window: the heading, the two search texts with their operators and the joiner
    // between them, the scope, the range, then the whole-word box and the buttons; each control
    // keeps its designed width unless its text needs more, and the window fits round them.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblTopHeading, 0, Qt::AlignHCenter);
    layout->addSpacing(std::max(4, 28 - lblTopHeading->sizeHint().height()));
    layout->addWidget(lblNotesHeading);
    const auto row = [layout](int gapAbove, std::initializer_list<std::pair<QWidget*, int>> controls, int spacing) {
        layout->addSpacing(gapAbove);
        auto* line = new QHBoxLayout;
        line->setSpacing(spacing);
        for (auto [control, width] : controls)
            line->addWidget(FixWidth(control, width));
        line->addStretch(1);
        layout->addLayout(line);
    };
    row(2, {{txtSearchString1, 272}, {cboOperator1, 146}}, 8);
    row(6, {{cboQueryStringOperator, 90}}, 8);
    row(6, {{txtSearchString2, 272}, {cboOperator2, 146}}, 8);
    row(8, {{optSearchScope[1], 190}, {optSearchScope[0], 232}}, 4);
    layout->addSpacing(4);
    verseSelector->setFixedWidth(std::max(426, verseSelector->minimumSizeHint().width()));
    layout->addWidget(verseSelector);
    layout->addSpacing(6);
    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(0, 0, 4, 0);
    foot->setSpacing(8);
    foot->addWidget(FixWidth(chkWholeWords, 150));
    foot->addStretch(1);
    foot->addWidget(imgSearch);
    foot->addWidget(imgCancel);
    layout->addLayout(foot);

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
    const Passage range = verseSelector->passage();
    in.fromChapter = range.fromChapter;
    in.fromSection = range.fromVerse;
    in.toChapter = range.toChapter;
    in.toSection = range.toVerse;
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
