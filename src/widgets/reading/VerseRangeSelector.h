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

// The six selectors under the names used by every window that carries them.
struct PassageSelectors {
    QComboBox* cboTestament = nullptr;
    QComboBox* cboBook = nullptr;
    QComboBox* cboFromChapter = nullptr;
    QComboBox* cboFromSection = nullptr;
    QComboBox* cboToChapter = nullptr;
    QComboBox* cboToSection = nullptr;

    // Lets a window name the selectors of its selector component as its own.
    void takeSelectors(const PassageSelectors& component) { *this = component; }
};

class VerseRangeSelector : public QWidget, public PassageSelectors {
    Q_OBJECT
public:
    explicit VerseRangeSelector(QWidget* parent = nullptr);

    // Fills the testament list and chooses its first entry, which cascades to a whole passage.
    void fillTestaments();
    // Chooses the six texts in order, each from the list its predecessor filled. False (stopping
    // at the first miss) when a text is not in its list.
    bool choosePassage(const Passage& passage);
    Passage passage() const;

    QString testamentWord() const;     // Old or New: the chosen testament's value
    QString bookAbbreviation() const;  // the chosen book's value
    QList<QLabel*> labels() const { return m_labels; }

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

    QList<QLabel*> m_labels;
    mutable std::shared_ptr<const BookCatalogue> m_books;  // read again by fillTestaments
};

} // namespace kivra
