#include "reading/VerseRangeSelector.h"

#include "reading/LocalBookNames.h"
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
        combo->setPlaceholderText(QCoreApplication::translate("Selector", NoChoiceText));
        combo->setMaxVisibleItems(20);
        // The boxes may close up to their text where a window gives the selectors little height.
        combo->setMinimumHeight(combo->fontMetrics().height() + 6);
        return combo;
    };
    m_testament = makeCombo("cboTestament");
    m_book = makeCombo("cboBook");
    m_fromChapter = makeCombo("cboFromChapter");
    m_fromVerse = makeCombo("cboFromSection");
    m_toChapter = makeCombo("cboToChapter");
    m_toVerse = makeCombo("cboToSection");

    const QList<QPair<const char*, QComboBox*>> rows = {
        {QT_TR_NOOP("Testament:"), m_testament}, {QT_TR_NOOP("Book:"), m_book},
        {QT_TR_NOOP("From Chapter:"), m_fromChapter},
        {QT_TR_NOOP("Section:"), m_fromVerse}, {QT_TR_NOOP("To Chapter:"), m_toChapter},
        {QT_TR_NOOP("Section:"), m_toVerse}};
    // The two "Section:" boxes are told apart when read aloud.
    m_fromVerse->setAccessibleName(tr("From verse"));
    m_toVerse->setAccessibleName(tr("To verse"));
    int row = 0;
    for (const auto& [caption, combo] : rows) {
        auto* label = new QLabel(tr(caption), this);
        LabelFor(label, combo);
        m_labels << label;
        grid->addWidget(label, row++, 0);
        grid->addWidget(combo, row++, 0);
    }

    connect(m_testament, &QComboBox::currentIndexChanged, this, [this] { testamentChosen(); emit selectionChanged(); });
    connect(m_book, &QComboBox::currentIndexChanged, this, [this] { bookChosen(); emit selectionChanged(); });
    connect(m_fromChapter, &QComboBox::currentIndexChanged, this, [this] { fromChapterChosen(); emit selectionChanged(); });
    connect(m_toChapter, &QComboBox::currentIndexChanged, this, [this] { toChapterChosen(); emit selectionChanged(); });
    connect(m_fromVerse, &QComboBox::currentIndexChanged, this, [this] { emit selectionChanged(); });
    connect(m_toVerse, &QComboBox::currentIndexChanged, this, [this] { emit selectionChanged(); });
}

void VerseRangeSelector::fillTestaments()
{
    m_books = BibleBooks();
    QList<ListEntry> testaments;
    for (const Testament& testament : m_books->testaments())
        testaments.append({testament.name, testament.word});
    FillCombo(m_testament, testaments, true);
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
    if (m_testament->currentIndex() < 0)
        return;
    QList<ListEntry> books;
    for (const BibleBook* book : this->books().booksOf(testamentWord()))
        books.append({ShownBookName(*book), book->abbreviation});
    FillCombo(m_book, books, true);
}

void VerseRangeSelector::bookChosen()
{
    const BibleBook* book = chosenBook();
    if (!book)
        return;
    FillComboWithNumbers(m_fromChapter, 1, book->chapters(), true);
    FillComboWithNumbers(m_toChapter, 1, book->chapters(), true);
}

void VerseRangeSelector::fromChapterChosen()
{
    const BibleBook* book = chosenBook();
    if (m_fromChapter->currentIndex() < 0 || !book)
        return;
    // The end of the range follows its start.
    if (m_toChapter->currentIndex() >= 0)
        m_toChapter->setCurrentIndex(m_fromChapter->currentIndex());
    FillComboWithNumbers(m_fromVerse, 1, book->verses(chosenNumber(m_fromChapter)), true);
}

void VerseRangeSelector::toChapterChosen()
{
    const BibleBook* book = chosenBook();
    if (m_toChapter->currentIndex() < 0 || !book)
        return;
    FillComboWithNumbers(m_toVerse, 1, book->verses(chosenNumber(m_toChapter)), true);
    m_toVerse->setCurrentIndex(m_toVerse->count() - 1);
}

int VerseRangeSelector::chosenNumber(const QComboBox* combo)
{
    return combo->currentText().trimmed().toInt();
}

bool VerseRangeSelector::choosePassage(const Passage& p)
{
    const BibleBook* book = books().bookNamed(p.book);
    const auto chooseValue = [](QComboBox* combo, const QString& value) {
        const int index = combo->findData(value);
        combo->setCurrentIndex(index >= 0 ? index : combo->currentIndex());
        return index >= 0;
    };
    return book && chooseValue(m_testament, book->testament.word) && chooseValue(m_book, book->abbreviation)
        && ChooseComboText(m_fromChapter, QString::number(p.fromChapter))
        && ChooseComboText(m_fromVerse, QString::number(p.fromVerse))
        && ChooseComboText(m_toChapter, QString::number(p.toChapter))
        && ChooseComboText(m_toVerse, QString::number(p.toVerse));
}

Passage VerseRangeSelector::passage() const
{
    const BibleBook* book = chosenBook();  // the stored English name, whatever the selector shows
    return {book ? book->name : m_book->currentText(), chosenNumber(m_fromChapter), chosenNumber(m_fromVerse),
            chosenNumber(m_toChapter), chosenNumber(m_toVerse)};
}

void VerseRangeSelector::reset()
{
    m_testament->setCurrentIndex(-1);
    m_testament->setCurrentIndex(0);
}

bool VerseRangeSelector::chooseNextChapter() { return chooseChapterAt(m_fromChapter->currentIndex() + 1); }

bool VerseRangeSelector::choosePreviousChapter() { return chooseChapterAt(m_fromChapter->currentIndex() - 1); }

bool VerseRangeSelector::chooseChapterAt(int position)
{
    if (m_fromChapter->currentIndex() < 0 || position < 0 || position >= m_fromChapter->count())
        return false;
    m_fromChapter->setCurrentIndex(position);
    m_toVerse->setCurrentIndex(m_toVerse->count() - 1);
    return true;
}

void VerseRangeSelector::arrangeInTwoRows()
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    const QList<QComboBox*> combos = {m_testament, m_book, m_fromChapter, m_fromVerse, m_toChapter, m_toVerse};
    for (int i = 0; i < combos.size(); ++i) {
        grid->removeWidget(m_labels.value(i));
        grid->removeWidget(combos[i]);
    }
    // The chapter and verse boxes hold numbers: a few digits' width is room enough.
    for (QComboBox* numbers : {m_fromChapter, m_fromVerse, m_toChapter, m_toVerse})
        numbers->setMinimumWidth(numbers->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 32);
    const struct { int row, column, span; } cells[] = {{0, 0, 2}, {0, 2, 2}, {2, 0, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}};
    for (int i = 0; i < combos.size(); ++i) {
        if (QLabel* label = m_labels.value(i))
            grid->addWidget(label, cells[i].row, cells[i].column, 1, cells[i].span);
        grid->addWidget(combos[i], cells[i].row + 1, cells[i].column, 1, cells[i].span);
    }
    grid->setHorizontalSpacing(8);
}

QList<QWidget*> VerseRangeSelector::focusChain() const
{
    return {m_testament, m_book, m_fromChapter, m_fromVerse, m_toChapter, m_toVerse};
}

QString VerseRangeSelector::testamentName() const { return m_testament->currentText(); }

QString VerseRangeSelector::testamentWord() const
{
    return ChosenValue(m_testament);
}

QString VerseRangeSelector::bookAbbreviation() const
{
    return ChosenValue(m_book);
}

} // namespace kivra
