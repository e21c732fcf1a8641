// The study aids of the main window: the word panel over the reading pane, every verse of a
// Strong's number in the results, and the commentary beside the views.
#include "app/MainWindow.h"

#include "reading/ChosenBible.h"
#include "reading/ReadingView.h"
#include "reading/Search.h"
#include "reading/SearchMatcher.h"
#include "reading/SearchResultsView.h"
#include "resources/Interaction.h"
#include "resources/Widgets.h"
#include "shelf/Shelf.h"
#include "study/CommentaryPane.h"
#include "study/WordStudy.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace kivra {

void MainWindow::connectStudy()
{
    m_wordStudy = new WordStudy(m_reading);
    connect(m_wordStudy, &WordStudy::everyUseRequested, this, &MainWindow::showEveryUse);
    connect(m_reading, &ReadingView::passageShown, this, [this] { m_commentary->showPassage(m_reading->shownPassage()); });
    connect(m_commentary, &CommentaryPane::passageRequested, this, &MainWindow::openStoredPassage);
    connect(m_reading, &ReadingView::commentaryRequested, this, &MainWindow::toggleCommentary);
    connect(m_commentaryButton, &QToolButton::clicked, this, &MainWindow::toggleCommentary);
}

void MainWindow::showEveryUse(const StrongsNumber& number)
{
    WaitCursor wait;
    const std::shared_ptr<const ModuleText> text = ChosenModuleText();
    const std::shared_ptr<const StrongsIndex> index = StrongsIndex::of(text);
    if (!index)
        return;
    // The rows of the chosen Bible's texts are its entries, one for one.
    const QList<int> entries = index->entriesWith(number);
    const MatchMarks marks = MatchMarks::ofRows([text, index, entries, number](int row) {
        QList<QPair<int, int>> ranges;
        if (row < 0 || row >= entries.size())
            return ranges;
        const QByteArray utf8 = text->text(entries[row]);
        for (const auto& [start, end] : index->rangesOf(entries[row], number)) {
            const int from = int(QString::fromUtf8(utf8.constData(), start).size());
            ranges.append({from, int(QString::fromUtf8(utf8.constData() + start, end - start).size())});
        }
        return ranges;
    });
    m_notes->setPlainText(QString());
    m_quickSearchText = QString();  // "Whole words" does not govern these results
    m_results->showRows(entries, marks);
    showBoundResults();
}

void MainWindow::toggleCommentary()
{
    m_commentary->setVisible(!m_commentary->isVisible());
    m_commentaryButton->setChecked(m_commentary->isVisible());
    if (m_commentary->isVisible())
        m_commentary->showPassage(m_reading->shownPassage());
}

} // namespace kivra
