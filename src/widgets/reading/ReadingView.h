#pragma once
// The reading pane: the passage chosen in the selectors as text, where each verse of it starts,
// copying with or without its reference and the moves to the next and previous chapter. Its
// controls sit on the main window's client area, where the window's layout rules place them.
#include "reading/Passage.h"

#include <QObject>

class QFrame;
class QPoint;
class QTextEdit;
class QWidget;

namespace kivra {

class VerseRangeSelector;

class ReadingView : public QObject {
    Q_OBJECT
public:
    ReadingView(QWidget* area, VerseRangeSelector* selectors, QObject* parent);

    QTextEdit* textBox() const { return m_text; }
    void setVisible(bool visible);

    // The passage of the selectors in the pane; one without verses leaves the text as it was.
    void showChosenPassage();
    // Sets the selectors to a stored passage (a bookmark's, another window's). One that does not
    // exist (an unknown book, chapter -5) leaves the selectors as they were, and the user is told.
    void chooseStoredPassage(const Passage& passage);
    // The selectors on the whole next (previous) chapter; false at the end (start) of the book.
    bool chooseNextChapter();
    bool choosePreviousChapter();
    // "[Old Testament] : [Genesis] : 1:1 - 1:31" of the chosen passage.
    QString statusText() const;

    QString text() const;
    const QList<VerseSpan>& spans() const { return m_spans; }  // where each verse of text() starts
    // "(Book c:v-c:v)" of the verses the selection touches (the whole passage without one).
    QString selectionReference() const;
    // "Book c:v-c:v" of the whole passage shown; the empty text before one is shown.
    QString heading() const;
    void copy(bool withReference);
    // Selects the verse and scrolls it a third down the pane.
    void selectVerse(int chapter, int verse);

signals:
    void bookmarkRequested();
    void previewRequested();
    void readAloudRequested();

private:
    void showMenu(const QPoint& at);
    bool chooseChapterAt(int position);

    VerseRangeSelector* m_selectors;
    QFrame* m_frame;
    QTextEdit* m_text;
    QList<VerseSpan> m_spans;  // verse starts in m_text
    QString m_book;
};

} // namespace kivra
