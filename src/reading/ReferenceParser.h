#pragma once
// Typed Bible references ("John 3:16", "jn 3:16-18", "Ps 23", "1co 13:4-7", "Gen 1:1-2:3") read
// against the books and chapter lengths of the Bible database. No widgets: the go-to box and the
// command line share it.
#include <QList>
#include <QString>

namespace kivra {

struct PassageChoice;

struct BibleBook {
    QString name;             // "1 Corinthians", as the book selector shows it
    QString abbreviation;     // "1Cor", the Bible database's own
    QString testament;        // "New Testament", as the testament selector shows it
    QList<int> verseCounts;   // verses of chapter 1, 2, ...
    int chapters() const { return int(verseCounts.size()); }
};
using BookCatalogue = QList<BibleBook>;

// The books in Bible order with their chapter lengths; empty when the database cannot be read.
BookCatalogue LoadBookCatalogue();

struct BibleReference {
    QString testament, book;  // the shown texts of the two selectors
    int fromChapter = 0, fromSection = 0, toChapter = 0, toSection = 0;
};

// Reads text as a reference. A chapter alone is the whole chapter, and a range may cross chapters of
// one book; after a book of one chapter a single number is a verse. False with a message that names
// the wrong part ("Jude has 1 chapter.") when the text is no reference or names what does not exist.
bool ParseReference(const QString& text, const BookCatalogue& books, BibleReference* reference, QString* error);

// The six shown texts the selectors take for the reference.
PassageChoice ChoiceFor(const BibleReference& reference);

// "John 3:16", "John 3:16-18", "Genesis 1:1-2:3": how a reference is written for a reader.
QString ReferenceText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection);

} // namespace kivra
