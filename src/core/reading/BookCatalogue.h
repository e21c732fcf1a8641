#pragma once
// The Bible's books as the Bible database lists them: names, abbreviations, testaments and chapter
// lengths. Read once and shared by the selectors, the reference parser, the passage query and the
// commands, so no one looks a book up by hand.
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace kivra {

class ModuleText;

struct Testament {
    QString name;  // "Old Testament", as the testament selector shows it and stored passages hold it
    QString word;  // "Old", as the verse and book tables hold it
};

struct BibleBook {
    QString name;            // "1 Corinthians", as the book selector shows it
    QString abbreviation;    // "1Cor", the verse table's own
    Testament testament;
    QList<int> verseCounts;  // verses of chapter 1, 2, ...; 0 for a chapter missing from the table

    int chapters() const { return int(verseCounts.size()); }
    int verses(int chapter) const { return chapter >= 1 && chapter <= chapters() ? verseCounts[chapter - 1] : 0; }
    bool hasVerse(int chapter, int verse) const { return verse >= 1 && verse <= verses(chapter); }
};

class BookCatalogue {
public:
    // The books of the Bible connection in Bible order; empty when the database cannot be read. A
    // book whose testament is not among the testaments is left out: no selector could show it.
    static BookCatalogue load();

    bool isEmpty() const { return m_books.isEmpty(); }
    const QList<Testament>& testaments() const { return m_testaments; }
    QList<BibleBook>::const_iterator begin() const { return m_books.begin(); }
    QList<BibleBook>::const_iterator end() const { return m_books.end(); }

    // nullptr when there is no such book or testament.
    const BibleBook* bookNamed(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    const BibleBook* bookAbbreviated(const QString& abbreviation, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    const Testament* testamentNamed(const QString& name) const;
    // The name of the book with this abbreviation; empty when there is none.
    QString nameOf(const QString& abbreviation) const;
    QList<const BibleBook*> booksOf(const QString& testamentWord) const;

private:
    friend BookCatalogue ModuleCatalogue(const ModuleText& text, const BookCatalogue& builtIn);
    const Testament* testamentWithWord(const QString& word) const;

    QList<Testament> m_testaments;
    QList<BibleBook> m_books;
};

// A passage as a file row stores it. Numbers are null when the file left them empty.
struct StoredPassage {
    QString testament, book;  // a range stays inside its book
    QVariant fromChapter, fromVerse, toChapter, toVerse;
};
// Why the passage is not in this Bible ("there is no book \"Pxalms\"", "Ruth has no chapter 9"),
// or the empty text when the testament, the book and both verses exist.
QString StoredPassageProblem(const BookCatalogue& books, const StoredPassage& passage);

// The books of the chosen Bible (see ChosenBible): those of the Bible connection, read on first use
// and again when another Bible file is open, or those of the chosen module.
std::shared_ptr<const BookCatalogue> BibleBooks();
// The books of the Bible connection whichever Bible is chosen.
std::shared_ptr<const BookCatalogue> BuiltInBibleBooks();

} // namespace kivra
