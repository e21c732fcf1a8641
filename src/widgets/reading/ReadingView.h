#pragma once
// The reading pane: the passage chosen in the selectors as text, where each verse of it starts,
// copying with or without its reference and the moves to the next and previous chapter. The pane
// is its sunken frame with the text inside.
#include "reading/Passage.h"

#include <QWidget>
#include <optional>

class QPoint;
class QTextEdit;

namespace kivra {

class VerseRangeSelector;

class ReadingView : public QWidget {
    Q_OBJECT
public:
    ReadingView(VerseRangeSelector* selectors, QWidget* parent);

    QTextEdit* textBox() const { return m_text; }

    // The passage of the selectors in the pane; one without verses leaves the text as it was.
    void showChosenPassage();
    // Sets the selectors to a stored passage (a bookmark's, another window's). One that does not
    // exist (an unknown book, chapter -5) leaves the selectors as they were, and the user is told.
    void chooseStoredPassage(const Passage& passage);
    // "[Old Testament] : [Genesis] : 1:1 - 1:31" of the chosen passage.
    QString statusText() const;

    QString text() const;
    const QList<VerseSpan>& spans() const { return m_spans; }  // where each verse of text() starts
    // "(Book c:v-c:v)" of the verses the selection touches (the whole passage without one).
    QString selectionReference() const;
    // "Book c:v-c:v" of the whole passage shown; the empty text before one is shown.
    QString heading() const;
    // The passage the pane shows: the selectors' last passage that had verses (a range that runs
    // backwards leaves the one before it); none before the first.
    std::optional<Passage> shownPassage() const { return m_shown; }
    void copy(bool withReference);
    // Selects the verse and scrolls it a third down the pane.
    void selectVerse(int chapter, int verse);

signals:
    void passageShown();  // after the text of a new passage is in the pane
    void bookmarkRequested();
    void previewRequested();
    void readAloudRequested();
    void commentaryRequested();

private:
    // "World English Bible has no text for Genesis 1:2, 1:5." for the verses the chosen Bible lacks.
    static QString missingText(const Passage& passage);
    void showMenu(const QPoint& at);

    VerseRangeSelector* m_selectors;
    QTextEdit* m_text;
    QList<VerseSpan> m_spans;  // verse starts in m_text
    QString m_book;
    std::optional<Passage> m_shown;
};

} // namespace kivra
