#include "reading/VerseRangeSelector.h"

#include "reading/SelectorCombos.h"
#include "resources/Accessibility.h"

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
    // The two "Section:" boxes are told apart when read aloud.
    cboFromSection->setAccessibleName(tr("From verse"));
    cboToSection->setAccessibleName(tr("To verse"));
    int row = 0;
    for (const auto& [caption, combo] : rows) {
        auto* label = new QLabel(tr(caption), this);
        LabelFor(label, combo);
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
    m_books = BibleBooks();
    QList<ListEntry> testaments;
    for (const Testament& testament : m_books->testaments())
        testaments.append({testament.name, testament.word});
    FillCombo(cboTestament, testaments, true);
}

const BookCatalogue& VerseRangeSelector::books() const
{
    if (!m_books)
        m_books = BibleBooks();
    return *m_books;
}

const BibleBook* VerseRangeSelector::chosenBook() const
{
    return books().bookAbbreviated(bookAbbreviation());
}

void VerseRangeSelector::testamentChosen()
{
    if (cboTestament->currentIndex() < 0)
        return;
    QList<ListEntry> books;
    for (const BibleBook* book : this->books().booksOf(testamentWord()))
        books.append({book->name, book->abbreviation});
    FillCombo(cboBook, books, true);
}

void VerseRangeSelector::bookChosen()
{
    const BibleBook* book = chosenBook();
    if (!book)
        return;
    FillComboWithNumbers(cboFromChapter, 1, book->chapters(), true);
    FillComboWithNumbers(cboToChapter, 1, book->chapters(), true);
}

void VerseRangeSelector::fromChapterChosen()
{
    const BibleBook* book = chosenBook();
    if (cboFromChapter->currentIndex() < 0 || !book)
        return;
    // The end of the range follows its start.
    if (cboToChapter->currentIndex() >= 0)
        cboToChapter->setCurrentIndex(cboFromChapter->currentIndex());
    FillComboWithNumbers(cboFromSection, 1, book->verses(chosenNumber(cboFromChapter)), true);
}

void VerseRangeSelector::toChapterChosen()
{
    const BibleBook* book = chosenBook();
    if (cboToChapter->currentIndex() < 0 || !book)
        return;
    FillComboWithNumbers(cboToSection, 1, book->verses(chosenNumber(cboToChapter)), true);
    cboToSection->setCurrentIndex(cboToSection->count() - 1);
}

int VerseRangeSelector::chosenNumber(const QComboBox* combo)
{
    return combo->currentText().trimmed().toInt();
}

bool VerseRangeSelector::choosePassage(const Passage& p)
{
    const BibleBook* book = books().bookNamed(p.book);
    return book && ChooseComboText(cboTestament, book->testament.name) && ChooseComboText(cboBook, p.book)
        && ChooseComboText(cboFromChapter, QString::number(p.fromChapter))
        && ChooseComboText(cboFromSection, QString::number(p.fromVerse))
        && ChooseComboText(cboToChapter, QString::number(p.toChapter))
        && ChooseComboText(cboToSection, QString::number(p.toVerse));
}

Passage VerseRangeSelector::passage() const
{
    return {cboBook->currentText(), chosenNumber(cboFromChapter), chosenNumber(cboFromSection),
            chosenNumber(cboToChapter), chosenNumber(cboToSection)};
}

QString VerseRangeSelector::testamentWord() const
{
    return ChosenValue(cboTestament);
}

QString VerseRangeSelector::bookAbbreviation() const
{
    return ChosenValue(cboBook);
}

} // namespace kivra
