#include "reading/VerseRangeSelector.h"

#include "reading/SelectorCombos.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace kivra {

VerseRangeSelector::VerseRangeSelector(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VerseRangeSelector"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto makeCombo = [this](const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(name));
        combo->setPlaceholderText(NoChoiceText);
        combo->setMaxVisibleItems(20);
        return combo;
    };
    cboTestament = makeCombo("cboTestament");
    cboBook = makeCombo("cboBook");
    cboFromChapter = makeCombo("cboFromChapter");
    cboFromSection = makeCombo("cboFromSection");
    cboToChapter = makeCombo("cboToChapter");
    cboToSection = makeCombo("cboToSection");

    const QList<QPair<const char*, QComboBox*>> rows = {
        {QT_TR_NOOP("Testament:"), cboTestament}, {QT_TR_NOOP("Book:"), cboBook},
        {QT_TR_NOOP("From Chapter:"), cboFromChapter},
        {QT_TR_NOOP("Section:"), cboFromSection}, {QT_TR_NOOP("To Chapter:"), cboToChapter},
        {QT_TR_NOOP("Section:"), cboToSection}};
    int row = 0;
    for (const auto& [caption, combo] : rows) {
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(combo);
        m_labels << label;
        grid->addWidget(label, row++, 0);
        grid->addWidget(combo, row++, 0);
    }

    connect(cboTestament, &QComboBox::currentIndexChanged, this, [this] { testamentChosen(); emit selectionChanged(); });
    connect(cboBook, &QComboBox::currentIndexChanged, this, [this] { bookChosen(); emit selectionChanged(); });
    connect(cboFromChapter, &QComboBox::currentIndexChanged, this, [this] { fromChapterChosen(); emit selectionChanged(); });
    connect(cboToChapter, &QComboBox::currentIndexChanged, this, [this] { toChapterChosen(); emit selectionChanged(); });
    connect(cboFromSection, &QComboBox::currentIndexChanged, this, [this] { emit selectionChanged(); });
    connect(cboToSection, &QComboBox::currentIndexChanged, this, [this] { emit selectionChanged(); });
}

void VerseRangeSelector::fillTestaments()
{
    FillComboWithItemData(cboTestament, BibleConnection(), QStringLiteral("tblSettings_ComboBox_Double_Value"),
                          QStringLiteral("DataFieldCategory"), QStringLiteral("Testament"),
                          QStringLiteral("DataFieldExternalName"), QStringLiteral("Index"), true);
}

void VerseRangeSelector::testamentChosen()
{
    if (cboTestament->currentIndex() < 0)
        return;
    FillComboWithItemData(cboBook, BibleConnection(), QStringLiteral("tblBibleBook"), QStringLiteral("Testament"),
                          TestamentWord(cboTestament->currentText()), QStringLiteral("Book"), QStringLiteral("Index"),
                          true);
}

void VerseRangeSelector::bookChosen()
{
    if (cboBook->currentIndex() < 0)
        return;
    const int chapters = GetNumberOfChapter(bookAbbreviation());
    FillComboWithNumbers(cboFromChapter, 1, chapters, true);
    FillComboWithNumbers(cboToChapter, 1, chapters, true);
}

void VerseRangeSelector::fromChapterChosen()
{
    if (cboFromChapter->currentIndex() < 0)
        return;
    // The end of the range follows its start.
    if (cboToChapter->currentIndex() >= 0)
        cboToChapter->setCurrentIndex(cboFromChapter->currentIndex());
    const int verses = GetNumOfSection(bookAbbreviation(), cboFromChapter->currentText().trimmed().toInt());
    FillComboWithNumbers(cboFromSection, 1, verses, true);
}

void VerseRangeSelector::toChapterChosen()
{
    if (cboToChapter->currentIndex() < 0)
        return;
    const int verses = GetNumOfSection(bookAbbreviation(), cboToChapter->currentText().trimmed().toInt());
    FillComboWithNumbers(cboToSection, 1, verses, true);
    cboToSection->setCurrentIndex(cboToSection->count() - 1);
}

bool VerseRangeSelector::choosePassage(const PassageChoice& p)
{
    return ChooseComboText(cboTestament, p.testament) && ChooseComboText(cboBook, p.book)
        && ChooseComboText(cboFromChapter, p.fromChapter) && ChooseComboText(cboFromSection, p.fromSection)
        && ChooseComboText(cboToChapter, p.toChapter) && ChooseComboText(cboToSection, p.toSection);
}

PassageChoice VerseRangeSelector::passage() const
{
    return {cboTestament->currentText(), cboBook->currentText(),   cboFromChapter->currentText(),
            cboFromSection->currentText(), cboToChapter->currentText(), cboToSection->currentText()};
}

QString VerseRangeSelector::testamentWord() const
{
    return GetComboLinkedValue(cboTestament, QStringLiteral("tblSettings_ComboBox_Double_Value"),
                               QStringLiteral("DataFieldInternalName"));
}

QString VerseRangeSelector::bookAbbreviation() const
{
    return GetComboLinkedValue(cboBook, QStringLiteral("tblBibleBook"), QStringLiteral("BookAbbreviation"));
}

} // namespace kivra
