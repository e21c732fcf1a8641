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
    connect(m_goToReference, &ReferenceBox::referenceChosen, this, &MainWindow::showReference);

    connect(m_bibleChooser, &BibleChooser::bibleChosen, this, &MainWindow::followChosenBible);
    connect(m_compare, &QPushButton::clicked, this, [this] { (new CompareView(m_selectors->passage(), this))->show(); });
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
    // Plain text only, in the print font, not the pane's.
    PrintVerseText(printText(), this, printHeading());
}

void MainWindow::previewVerses()
{
    PreviewVerseText(printText(), this, printHeading());
}

} // namespace kivra
