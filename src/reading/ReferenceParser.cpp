#include "reading/ReferenceParser.h"

#include "reading/PassageChoice.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QHash>
#include <QRegularExpression>

#include <climits>

namespace kivra {
namespace {

// Short forms readers type that are neither a book's name, its database abbreviation, nor the start
// of either ("jn" is not the start of "John"). Each maps to the database abbreviation.
const struct {
    const char* shortForm;
    const char* abbreviation;
} kShortForms[] = {
    {"gn", "Gen"},     {"lv", "Lev"},     {"nm", "Num"},     {"dt", "Deut"},    {"jg", "Judg"},
    {"jdg", "Judg"},   {"pss", "Ps"},     {"qoh", "Eccl"},   {"sos", "Song"},   {"songofsongs", "Song"},
    {"canticles", "Song"}, {"ezk", "Ezek"}, {"dn", "Dan"},   {"hg", "Hag"},     {"mt", "Matt"},
    {"mk", "Mark"},    {"mrk", "Mark"},   {"lk", "Luke"},    {"jn", "John"},    {"jhn", "John"},
    {"rm", "Rom"},     {"php", "Phil"},   {"phm", "Phlm"},   {"jm", "Jas"},     {"1pt", "1Pet"},
    {"2pt", "2Pet"},   {"1jn", "1John"},  {"2jn", "2John"},  {"3jn", "3John"},  {"rv", "Rev"},
    {"revelations", "Rev"},
};

// Letters and digits only, in lower case: "1 Cor." and "1cor" read alike.
QString bookKey(const QString& text)
{
    QString key;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

int number(const QString& digits)
{
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : INT_MAX;  // too long to be a chapter or verse: reported as out of range
}

QString plural(int count, const char* noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun), count == 1 ? QString() : QStringLiteral("s"));
}

// The book a typed name means: the name, the abbreviation or a short form exactly, else the one
// book whose name or abbreviation starts with it. Nullptr with a message otherwise.
const BibleBook* findBook(const QString& typed, const BookCatalogue& books, QString* error)
{
    const QString key = bookKey(typed);
    QString shortFormOf;
    for (const auto& s : kShortForms)
        if (key == QLatin1String(s.shortForm))
            shortFormOf = QLatin1String(s.abbreviation);
    for (const BibleBook& book : books)
        if (key == bookKey(book.name) || key == bookKey(book.abbreviation) || book.abbreviation == shortFormOf)
            return &book;
    QList<const BibleBook*> starting;
    for (const BibleBook& book : books)
        if (bookKey(book.name).startsWith(key) || bookKey(book.abbreviation).startsWith(key))
            starting << &book;
    if (starting.size() == 1)
        return starting.first();
    if (starting.isEmpty()) {
        *error = QStringLiteral("there is no book \"%1\"").arg(typed.trimmed());
        return nullptr;
    }
    QStringList names;
    for (const BibleBook* book : starting)
        names << book->name;
    const QString last = names.takeLast();
    *error = QStringLiteral("\"%1\" could be %2 or %3").arg(typed.trimmed(), names.join(QStringLiteral(", ")), last);
    return nullptr;
}

// The typed numbers: chapter[:verse][-chapter-or-verse[:verse]]; empty texts for parts not typed.
struct TypedNumbers {
    QString chapter, verse, toNumber, toVerse;
};

// Fills the range from the typed numbers; a to-verse of -1 stands for the last verse of its chapter.
void rangeFromNumbers(const TypedNumbers& n, bool oneChapterBook, BibleReference* r)
{
    if (n.chapter.isEmpty()) {  // a book alone: its first chapter
        r->fromChapter = r->toChapter = r->fromSection = 1;
        r->toSection = -1;
    } else if (oneChapterBook && n.verse.isEmpty() && n.toVerse.isEmpty()) {  // "Obadiah 3", "Jude 3-5"
        r->fromChapter = r->toChapter = 1;
        r->fromSection = number(n.chapter);
        r->toSection = n.toNumber.isEmpty() ? r->fromSection : number(n.toNumber);
    } else {
        r->fromChapter = number(n.chapter);
        r->fromSection = n.verse.isEmpty() ? 1 : number(n.verse);
        if (n.toNumber.isEmpty()) {  // "John 3" or "John 3:16"
            r->toChapter = r->fromChapter;
            r->toSection = n.verse.isEmpty() ? -1 : r->fromSection;
        } else if (!n.verse.isEmpty() && n.toVerse.isEmpty()) {  // "John 3:16-18"
            r->toChapter = r->fromChapter;
            r->toSection = number(n.toNumber);
        } else {  // "Gen 1-2", "Gen 1:1-2:3"
            r->toChapter = number(n.toNumber);
            r->toSection = n.toVerse.isEmpty() ? -1 : number(n.toVerse);
        }
    }
}

bool checkRange(const BibleBook& book, BibleReference* r, QString* error)
{
    for (const int chapter : {r->fromChapter, r->toChapter}) {
        if (chapter < 1 || chapter > book.chapters()) {
            *error = QStringLiteral("%1 has %2").arg(book.name, plural(book.chapters(), "chapter"));
            return false;
        }
    }
    if (r->toSection == -1)
        r->toSection = book.verseCounts[r->toChapter - 1];
    for (const auto& [chapter, verse] : {std::pair{r->fromChapter, r->fromSection}, {r->toChapter, r->toSection}}) {
        const int verses = book.verseCounts[chapter - 1];
        if (verse < 1 || verse > verses) {
            const QString where = book.chapters() == 1 ? book.name : QStringLiteral("%1 %2").arg(book.name).arg(chapter);
            *error = QStringLiteral("%1 has %2").arg(where, plural(verses, "verse"));
            return false;
        }
    }
    if (r->toChapter < r->fromChapter || (r->toChapter == r->fromChapter && r->toSection < r->fromSection)) {
        *error = QStringLiteral("%1 ends before it starts")
                     .arg(ReferenceText(book.name, r->fromChapter, r->fromSection, r->toChapter, r->toSection));
        return false;
    }
    return true;
}

} // namespace

BookCatalogue LoadBookCatalogue()
{
    auto books = queryRows(
        BibleConnection(),
        QStringLiteral("SELECT b.\"Book\", b.\"BookAbbreviation\", t.\"DataFieldExternalName\" AS \"TestamentName\" "
                       "FROM \"tblBibleBook\" b JOIN \"tblSettings_ComboBox_Double_Value\" t "
                       "ON t.\"DataFieldCategory\" = 'Testament' AND t.\"DataFieldInternalName\" = b.\"Testament\" "
                       "ORDER BY b.\"Index\""),
        {});
    auto chapters = queryRows(
        BibleConnection(),
        QStringLiteral("SELECT \"BookAbbreviation\", \"Chapter\", \"NumOfSection\" FROM \"tblGetNumberOfSection\" "
                       "ORDER BY \"BookAbbreviation\", \"Chapter\""),
        {});
    if (!books || !chapters)
        return {};
    QHash<QString, QList<int>> verseCounts;
    for (chapters->MoveFirst(); !chapters->eof(); chapters->MoveNext()) {
        QList<int>& counts = verseCounts[chapters->text(QStringLiteral("BookAbbreviation"))];
        const int chapter = chapters->integer(QStringLiteral("Chapter"));
        if (chapter < 1)
            continue;
        if (counts.size() < chapter)
            counts.resize(chapter, 0);  // a chapter missing from the table has no verse to choose
        counts[chapter - 1] = chapters->integer(QStringLiteral("NumOfSection"));
    }
    BookCatalogue catalogue;
    for (books->MoveFirst(); !books->eof(); books->MoveNext()) {
        BibleBook book;
        book.name = books->text(QStringLiteral("Book"));
        book.abbreviation = books->text(QStringLiteral("BookAbbreviation"));
        book.testament = books->text(QStringLiteral("TestamentName"));
        book.verseCounts = verseCounts.value(book.abbreviation);
        catalogue << book;
    }
    return catalogue;
}

bool ParseReference(const QString& text, const BookCatalogue& books, BibleReference* reference, QString* error)
{
    // Book (with an optional number, Arabic or Roman, before it), then chapter[:verse][-[chapter:]verse].
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:([1-3])|(i{1,3})(?=[\s.]))?[\s.]*([a-z][a-z\s.]*?)[\s.]*)"
                       R"((?:(\d+)(?:\s*[:.]\s*(\d+))?(?:\s*-\s*(\d+)(?:\s*[:.]\s*(\d+))?)?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    QString normalised = text;
    normalised.replace(QChar(0x2013), QLatin1Char('-')).replace(QChar(0x2014), QLatin1Char('-'));
    const QRegularExpressionMatch m = pattern.match(normalised);
    if (!m.hasMatch()) {
        *error = QStringLiteral("write it like John 3:16, Ps 23 or 1 Cor 13:4-7");
        return false;
    }
    const QString bookNumber = m.captured(1).isEmpty() ? (m.captured(2).isEmpty() ? QString()
                                                                                  : QString::number(m.captured(2).size()))
                                                       : m.captured(1);
    const BibleBook* book = findBook(bookNumber + m.captured(3), books, error);
    if (!book)
        return false;
    BibleReference r;
    r.testament = book->testament;
    r.book = book->name;
    rangeFromNumbers({m.captured(4), m.captured(5), m.captured(6), m.captured(7)}, book->chapters() == 1, &r);
    if (!checkRange(*book, &r, error))
        return false;
    *reference = r;
    return true;
}

PassageChoice ChoiceFor(const BibleReference& r)
{
    return {r.testament,
            r.book,
            QString::number(r.fromChapter),
            QString::number(r.fromSection),
            QString::number(r.toChapter),
            QString::number(r.toSection)};
}

QString ReferenceText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection)
{
    const QString start = QStringLiteral("%1 %2:%3").arg(book).arg(fromChapter).arg(fromSection);
    if (toChapter != fromChapter)
        return start + QStringLiteral("-%1:%2").arg(toChapter).arg(toSection);
    if (toSection != fromSection)
        return start + QStringLiteral("-%1").arg(toSection);
    return start;
}

} // namespace kivra
