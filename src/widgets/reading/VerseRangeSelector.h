#pragma once
// The six cascading passage selectors (testament, book, from chapter:verse, to chapter:verse),
// shared by the main window, the bookmark editor, the advanced search and the story editor.
#include "reading/BookCatalogue.h"
#include "reading/Passage.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;

namespace kivra {

class VerseRangeSelector : public QWidget {
    Q_OBJECT
public:
    explicit VerseRangeSelector(QWidget* parent = nullptr);

    // Fills the testament list and chooses its first entry, which cascades to a whole passage.
    void fillTestaments();
    // Chooses the six texts in order, each from the list its predecessor filled. False (stopping
    // at the first miss) when a text is not in its list.
    bool choosePassage(const Passage& passage);
    Passage passage() const;
    // The first passage of the first testament, as at a fresh start.
    void reset();
    // The whole next (previous) chapter; false at the end (start) of the book or with none chosen.
    bool chooseNextChapter();
    bool choosePreviousChapter();
    // Side by side for a wide window: testament and book in one row, from and to chapter:verse in
    // the next, instead of one under the other.
    void arrangeInTwoRows();
    // The six boxes in the order Tab visits them.
    QList<QWidget*> focusChain() const;

    QString testamentName() const;     // as the list shows it
    QString testamentWord() const;     // Old or New: the chosen testament's value
    QString bookAbbreviation() const;  // the chosen book's value

signals:
    // Emitted after any of the six selectors has been chosen and the cascade has run.
    void selectionChanged();

private:
    void testamentChosen();
    void bookChosen();
    void fromChapterChosen();
    void toChapterChosen();
    const BookCatalogue& books() const;
    const BibleBook* chosenBook() const;  // nullptr when none is chosen
    static int chosenNumber(const QComboBox* combo);
    bool chooseChapterAt(int position);

    QComboBox* m_testament;
    QComboBox* m_book;
    QComboBox* m_fromChapter;
    QComboBox* m_fromVerse;
    QComboBox* m_toChapter;
    QComboBox* m_toVerse;

    QList<QLabel*> m_labels;
    mutable std::shared_ptr<const BookCatalogue> m_books;  // read again by fillTestaments
};

} // namespace kivra
