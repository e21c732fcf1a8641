// Aids readers of other Bible programs reach for: going to a typed reference, opening a search
// result in its chapter, and looking at the printed pages first.
#include "app/MainWindow.h"

#include "output/VerseExport.h"
#include "reading/BibleChooser.h"
#include "reading/BookCatalogue.h"
#include "reading/CompareView.h"
#include "reading/ReadingView.h"
#include "reading/ReferenceBox.h"
#include "reading/ReferenceParser.h"
#include "reading/VerseRangeSelector.h"
#include "reading/SearchResultsView.h"
#include "resources/Interaction.h"

#include <QLabel>
#include <QTextEdit>
#include <QPushButton>

namespace kivra {

void MainWindow::connectReaderAids()
{
    // Over the tab pictures, on the line of the search box: a place no documented control uses.
    QWidget* central = centralWidget();
    auto* caption = new QLabel(tr("Go to"), central);
    caption->setObjectName(QStringLiteral("lblGoToReference"));
    caption->setGeometry(8, 64, 40, 19);
    m_goToReference = new ReferenceBox(central);
    m_goToReference->setGeometry(48, 64, 193, 19);
    caption->setBuddy(m_goToReference);
    connect(m_goToReference, &ReferenceBox::referenceChosen, this, &MainWindow::showReference);

    auto* bibleCaption = new QLabel(tr("Bible"), central);
    bibleCaption->setObjectName(QStringLiteral("lblBible"));
    bibleCaption->setGeometry(8, 38, 40, 21);
    m_bibleChooser = new BibleChooser(central);
    m_bibleChooser->setGeometry(48, 38, 126, 21);
    bibleCaption->setBuddy(m_bibleChooser);
    connect(m_bibleChooser, &BibleChooser::bibleChosen, this, &MainWindow::followChosenBible);
    auto* compare = new QPushButton(central);  // a word, not a picture: no picture says "compare"
    compare->setObjectName(QStringLiteral("cmdCompare"));
    compare->setText(tr("Compare"));
    compare->setToolTip(tr("The passage in two or three Bibles side by side"));
    compare->setGeometry(177, 38, 64, 21);
    connect(compare, &QPushButton::clicked, this, [this] { (new CompareView(m_selectors->passage(), this))->show(); });
}

// The selectors offer the new Bible's books and keep the passage where that Bible has it.
void MainWindow::followChosenBible()
{
    const Passage shown = m_selectors->passage();
    m_selectors->fillTestaments();
    if (!m_selectors->choosePassage(shown) && !BibleBooks()->bookNamed(shown.book))
        ShowMessage(Message::PassageNotInBible, this, {PassageStatusText(shown)});
    openPassage();
}

bool MainWindow::goToReference(const QString& text)
{
    m_goToReference->setText(text);
    return m_goToReference->goTo();
}

void MainWindow::showReference(const Passage& reference)
{
    openStoredPassage(reference);
}

void MainWindow::openResultInChapter()
{
    const std::optional<SearchResult> result = m_results->currentResult();
    if (m_viewMode != ViewMode::Searcher || !result)
        return;
    const auto books = BibleBooks();
    const BibleBook* book = books->bookAbbreviated(result->bookAbbreviation);
    if (!book || result->chapter < 1 || result->chapter > book->chapters())
        return;
    openStoredPassage({book->name, result->chapter, 1, result->chapter, book->verses(result->chapter)});
    m_reading->selectVerse(result->chapter, result->verse);
}

QString MainWindow::printText() const
{
    return m_viewMode == ViewMode::Reader ? m_reading->text() : m_results->selectedText();
}

QString MainWindow::printHeading() const
{
    // A single result prints as its bare text, as it always has; a passage is headed so it can be filed.
    return m_viewMode == ViewMode::Reader ? m_reading->heading() : QString();
}

void MainWindow::printVerses()
{
    WaitCursor wait;
    // Plain text only: the print box's own font, not the pane's.
    m_printBox->setPlainText(printText());
    PrintRichTextBox(m_printBox, this, printHeading());
}

void MainWindow::previewVerses()
{
    m_printBox->setPlainText(printText());
    PreviewRichTextBox(m_printBox, this, printHeading());
}

} // namespace kivra
