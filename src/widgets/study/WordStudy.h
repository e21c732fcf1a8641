#pragma once
// The word study of the reading pane: pointing at a word of a Bible that carries Strong's numbers
// (resting the mouse on it, or the key with the cursor in it) opens a small panel over the text
// with the number, the Hebrew or Greek word, its transliteration and the lexicon entry, and the way
// to every verse carrying the number. On request the numbers stand after the words in the text.
#include "study/Strongs.h"

#include <QFrame>
#include <QList>
#include <QPoint>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace kivra {

class ReadingView;

class WordStudy : public QFrame {
    Q_OBJECT
public:
    explicit WordStudy(ReadingView* view);

    // The panel for the word at the text position; false (and no panel) when no number stands there.
    bool showAt(int position);
    // The panel for the word at the pane's cursor, as the key opens it.
    bool showAtCursor();
    bool numbersShown() const { return m_numbersShown; }
    void setNumbersShown(bool shown);
    // The number the open panel is about.
    std::optional<StrongsNumber> shownNumber() const { return m_number; }
    QPushButton* everyUseButton() const { return m_everyUse; }

signals:
    void everyUseRequested(const StrongsNumber& number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ShownWord {
        int start = 0, end = 0;  // in the pane's text
        QList<StrongsNumber> numbers;
    };
    void followPassage();
    void findWords();
    void hoverTimedOut();
    const ShownWord* wordAt(int position) const;

    ReadingView* m_view;
    const QObject* m_box = nullptr;       // the pane and its viewport, whose events are watched
    const QObject* m_viewport = nullptr;
    QLabel* m_heading;
    QLabel* m_entry;
    QPushButton* m_everyUse;
    QTimer* m_hover;
    QPoint m_hoverAt;
    QList<ShownWord> m_words;
    bool m_wordsFound = false;  // m_words is of the passage shown
    bool m_numbersShown = false;
    std::optional<StrongsNumber> m_number;
};

} // namespace kivra
