#include "reading/BookCatalogue.h"

#include "reading/Passage.h"
#include "reading/ChosenBible.h"
#include "reading/SelectorData.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QHash>
#include <optional>

namespace kivra {
namespace {

QList<Testament> readTestaments()
{
    QList<Testament> testaments;
    for (const ListEntry& entry : ValueList(QStringLiteral("Testament")))
        testaments.append({entry.shown, entry.value});
    return testaments;
}

// Verses per chapter of each book abbreviation; nullopt when the table cannot be read.
std::optional<QHash<QString, QList<int>>> readVerseCounts()
{
    auto rs = queryRows(BibleConnection(), QStringLiteral("SELECT \"BookAbbreviation\", \"Chapter\", \"NumOfSection\" "
                                              "FROM \"tblGetNumberOfSection\""));
    if (!rs)
        return std::nullopt;
    QHash<QString, QList<int>> verseCounts;
    for (rs->MoveFirst(); !rs->eof(); rs->MoveNext()) {
        const int chapter = rs->integer(QStringLiteral("Chapter"));
        if (chapter < 1)
            continue;
        QList<int>& counts = verseCounts[rs->text(QStringLiteral("BookAbbreviation"))];
        if (counts.size() < chapter)
            counts.resize(chapter, 0);
        counts[chapter - 1] = rs->integer(QStringLiteral("NumOfSection"));
    }
    return verseCounts;
}

} // namespace

BookCatalogue BookCatalogue::load()
{
    BookCatalogue catalogue;
    const QList<Testament> testaments = readTestaments();
    const auto verseCounts = readVerseCounts();
    auto books = queryRows(BibleConnection(), QStringLiteral("SELECT \"Book\", \"BookAbbreviation\", \"Testament\" "
                                                 "FROM \"tblBibleBook\" ORDER BY \"Index\""));
    if (testaments.isEmpty() || !verseCounts || !books)
        return catalogue;
    catalogue.m_testaments = testaments;
    for (books->MoveFirst(); !books->eof(); books->MoveNext()) {
        const Testament* testament = catalogue.testamentWithWord(books->text(QStringLiteral("Testament")));
        if (!testament)
            continue;
        BibleBook book;
        book.name = books->text(QStringLiteral("Book"));
        book.abbreviation = books->text(QStringLiteral("BookAbbreviation"));
        book.testament = *testament;
        book.verseCounts = verseCounts->value(book.abbreviation);
        catalogue.m_books << book;
    }
    return catalogue;
}

const BibleBook* BookCatalogue::bookNamed(const QString& name, Qt::CaseSensitivity cs) const
{
    for (const BibleBook& book : m_books)
        if (book.name.compare(name, cs) == 0)
            return &book;
    return nullptr;
}

const BibleBook* BookCatalogue::bookAbbreviated(const QString& abbreviation, Qt::CaseSensitivity cs) const
{
    for (const BibleBook& book : m_books)
        if (book.abbreviation.compare(abbreviation, cs) == 0)
            return &book;
    return nullptr;
}

QString BookCatalogue::nameOf(const QString& abbreviation) const
{
    const BibleBook* book = bookAbbreviated(abbreviation);
    return book ? book->name : QString();
}

const Testament* BookCatalogue::testamentNamed(const QString& name) const
{
    for (const Testament& testament : m_testaments)
        if (testament.name == name)
            return &testament;
    return nullptr;
}

const Testament* BookCatalogue::testamentWithWord(const QString& word) const
{
    for (const Testament& testament : m_testaments)
        if (testament.word == word)
            return &testament;
    return nullptr;
}

QList<const BibleBook*> BookCatalogue::booksOf(const QString& testamentWord) const
{
    QList<const BibleBook*> books;
    for (const BibleBook& book : m_books)
        if (book.testament.word == testamentWord)
            books << &book;
    return books;
}

std::shared_ptr<const BookCatalogue> BibleBooks()
{
    static std::shared_ptr<const ModuleText> madeFrom;
    static std::shared_ptr<const BookCatalogue> moduleBooks;
    const std::shared_ptr<const ModuleText> module = ChosenModuleText();
    if (!module)
        return BuiltInBibleBooks();
    if (madeFrom != module) {
        moduleBooks = std::make_shared<const BookCatalogue>(ModuleCatalogue(*module, *BuiltInBibleBooks()));
        madeFrom = module;
    }
    return moduleBooks;
}

std::shared_ptr<const BookCatalogue> BuiltInBibleBooks()
{
    // Kept per Bible file: a test that opens another program folder reads that folder's books.
    static QString loadedFrom;
    static std::shared_ptr<const BookCatalogue> books;
    const QSqlDatabase db = BibleConnection();
    if (!books || books->isEmpty() || loadedFrom != db.databaseName()) {
        books = std::make_shared<const BookCatalogue>(BookCatalogue::load());
        loadedFrom = db.databaseName();
    }
    return books;
}

QString StoredPassageProblem(const BookCatalogue& books, const StoredPassage& p)
{
    const BibleBook* book = books.bookNamed(p.book);
    if (!book)
        return QStringLiteral("there is no book \"%1\"").arg(p.book);
    if (p.testament != book->testament.name)
        return QStringLiteral("%1 is not in the testament \"%2\"").arg(book->name, p.testament);
    const QVariant* numbers[] = {&p.fromChapter, &p.fromVerse, &p.toChapter, &p.toVerse};
    for (const QVariant* n : numbers)
        if (n->isNull())
            return QStringLiteral("a chapter or verse of %1 is missing").arg(book->name);
    for (const auto& [chapter, verse] : {std::pair{p.fromChapter.toInt(), p.fromVerse.toInt()},
                                         std::pair{p.toChapter.toInt(), p.toVerse.toInt()}}) {
        if (chapter < 1 || chapter > book->chapters())
            return QStringLiteral("%1 has no chapter %2").arg(book->name).arg(chapter);
        if (!book->hasVerse(chapter, verse))
            return QStringLiteral("%1 %2 has no verse %3").arg(book->name).arg(chapter).arg(verse);
    }
    return {};
}

} // namespace kivra
