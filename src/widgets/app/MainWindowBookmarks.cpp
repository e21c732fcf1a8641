// The bookmarks of what the main window shows: adding one, the notes under the passage or result,
// opening one from the panel and its related bookmarks.
#include "app/MainWindow.h"

#include "bookmarks/BookmarkEditor.h"
#include "bookmarks/BookmarkStore.h"
#include "reading/ReadingView.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QStackedWidget>
#include <QLabel>

namespace kivra {

// The one-verse range of the current search result; false (after telling the user, or quietly
// when the row cannot be read) when there is none.
std::optional<Passage> MainWindow::resultBookmarkRange()
{
    if (m_results->count() == 0) {
        ShowMessage(Message::NoBibleTextToBookmark, this);
        return std::nullopt;
    }
    const std::optional<SearchResult> result = m_results->currentResult();
    if (!m_results->hasSelectedResult() || !result) {
        ShowMessage(Message::SelectEntryToBookmark, this);
        return std::nullopt;
    }
    const QString book = m_results->bookNameOf(result->bookAbbreviation);
    if (book.isEmpty())
        return std::nullopt;
    return Passage{book, result->chapter, result->verse, result->chapter, result->verse};
}

void MainWindow::bookmarkCurrentVerse()
{
    std::optional<Passage> range;
    {
        WaitCursor wait;
        range = m_viewMode == ViewMode::Searcher ? resultBookmarkRange() : m_selectors->passage();
    }
    if (range && OpenBookmarkEditor(this, *range))
        showSavedBookmarkNotes();
}

void MainWindow::showSavedBookmarkNotes()
{
    if (m_viewMode == ViewMode::Searcher)
        showResultBookmark();
    else
        showPassageBookmark();
}

void MainWindow::showPassageBookmark()
{
    WaitCursor wait;
    m_passageBookmarks->bind(OptionsConnection(), BookmarkRangeSql(), BookmarkRangeParams(m_selectors->passage()));
}

void MainWindow::showResultBookmark()
{
    const std::optional<SearchResult> result = m_results->currentResult();
    if (m_views->currentWidget() != m_results || !result || result->id.isEmpty())
        return;
    // Only a bookmark on exactly this one verse; one on a range around it is not this verse's. The
    // same exact-range match as under a passage, and the notes follow it as they do there.
    const Passage verse{m_results->bookNameOf(result->bookAbbreviation), result->chapter, result->verse,
                        result->chapter, result->verse};
    m_passageBookmarks->bind(OptionsConnection(), BookmarkRangeSql(), BookmarkRangeParams(verse));
}

void MainWindow::openBookmark(int bookmarkIndex)
{
    WaitCursor wait;
    if (auto row = ReadBookmark(OptionsConnection(), bookmarkIndex))
        m_reading->chooseStoredPassage(BookmarkPassage(*row));
    openPassage();
    fillRelatedBookmarks(bookmarkIndex);
}

void MainWindow::fillRelatedBookmarks(int bookmarkIndex)
{
    const QSqlDatabase db = OptionsConnection();
    const QString reference = GetBookmarkReference(db, bookmarkIndex);
    if (reference.isEmpty())
        return;
    const QStringList related = RelatedReferences(db, reference);
    {
        const QSignalBlocker quiet(m_related);
        m_related->clear();
        if (related.isEmpty()) {
            m_related->addItem(LoadResString(Caption::NoRelatedBookmark), QString());
        } else {
            m_related->addItem(LoadResString(Caption::SelectRelatedBookmark), QString());
            m_related->addItem(QString(50, QLatin1Char('-')), QString());
            m_related->addItem(LoadResString(Caption::BackToOriginalBookmark), reference);
            for (const QString& hooked : related) {
                auto row = FindBookmarkByReference(db, hooked);
                if (!row)
                    continue;  // a link to a bookmark that is gone
                m_related->addItem(RelatedBookmarkText(row->text(QStringLiteral("BookMarkBook")),
                                                       row->integer(QStringLiteral("BookMarkChapter")),
                                                       row->integer(QStringLiteral("BookMarkSection")),
                                                       row->integer(QStringLiteral("BookMarkToChapter")),
                                                       row->integer(QStringLiteral("BookMarkToSection"))),
                                   row->text(QStringLiteral("BookmarkReference")));
            }
        }
        m_related->setCurrentIndex(0);
    }
    m_relatedCaption->show();
    m_related->show();
    goToBookmarkReference(m_related->itemData(0).toString());
}

void MainWindow::goToBookmarkReference(const QString& reference)
{
    WaitCursor wait;
    // The empty reference (the heading entries) names no bookmark: the passage is shown again.
    if (auto row = FindBookmarkByReference(OptionsConnection(), reference))
        m_reading->chooseStoredPassage(BookmarkPassage(*row));
    openPassage();
}

} // namespace kivra
