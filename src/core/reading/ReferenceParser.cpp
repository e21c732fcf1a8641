#include "reading/ReferenceParser.h"

#include "reading/BookCatalogue.h"
#include "reading/LocalBookNames.h"
#include "resources/Strings.h"

#include <QCoreApplication>
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

// Letters and digits only, in lower case and without accents: "1 Cor." and "1cor" read alike, as do
// "Génesis" and "Genesis".
QString bookKey(const QString& text)
{
    QString key;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

// The forms of the book a reader may type: in the language of the names shown, then in the
// reader's own when the chosen Bible speaks another.
QStringList localKeys(const BibleBook& book)
{
    QStringList keys;
    for (const QString& form : ShownBookNames().forms(book.abbreviation))
        keys << bookKey(form);
    if (&ShownBookNames() != &ReaderBookNames())
        for (const QString& form : ReaderBookNames().forms(book.abbreviation))
            keys << bookKey(form);
    return keys;
}

int number(const QString& digits)
{
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : INT_MAX;  // too long to be a chapter or verse: reported as out of range
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
    for (const BibleBook& book : books)
        if (localKeys(book).contains(key))
            return &book;
    QList<const BibleBook*> starting;
    for (const BibleBook& book : books) {
        bool starts = bookKey(book.name).startsWith(key) || bookKey(book.abbreviation).startsWith(key);
        for (const QString& local : localKeys(book))
            starts = starts || local.startsWith(key);
        if (starts)
            starting << &book;
    }
    if (starting.size() == 1)
        return starting.first();
    if (starting.isEmpty()) {
        *error = QCoreApplication::translate("ReferenceParser", "there is no book \"%1\"").arg(typed.trimmed());
        return nullptr;
    }
    QStringList names;
    for (const BibleBook* book : starting)
        names << ShownBookName(*book);
    const QString last = names.takeLast();
    *error = QCoreApplication::translate("ReferenceParser", "\"%1\" could be %2 or %3")
                 .arg(typed.trimmed(), names.join(QStringLiteral(", ")), last);
    return nullptr;
}

// The typed numbers: chapter[:verse][-chapter-or-verse[:verse]]; empty texts for parts not typed.
struct TypedNumbers {
    QString chapter, verse, toNumber, toVerse;
};

// Fills the range from the typed numbers; a to-verse of -1 stands for the last verse of its chapter.
void rangeFromNumbers(const TypedNumbers& n, bool oneChapterBook, Passage* r)
{
    if (n.chapter.isEmpty()) {  // a book alone: its first chapter
        r->fromChapter = r->toChapter = r->fromVerse = 1;
        r->toVerse = -1;
    } else if (oneChapterBook && n.verse.isEmpty() && n.toVerse.isEmpty()) {  // "Obadiah 3", "Jude 3-5"
        r->fromChapter = r->toChapter = 1;
        r->fromVerse = number(n.chapter);
        r->toVerse = n.toNumber.isEmpty() ? r->fromVerse : number(n.toNumber);
    } else {
        r->fromChapter = number(n.chapter);
        r->fromVerse = n.verse.isEmpty() ? 1 : number(n.verse);
        if (n.toNumber.isEmpty()) {  // "John 3" or "John 3:16"
            r->toChapter = r->fromChapter;
            r->toVerse = n.verse.isEmpty() ? -1 : r->fromVerse;
        } else if (!n.verse.isEmpty() && n.toVerse.isEmpty()) {  // "John 3:16-18"
            r->toChapter = r->fromChapter;
            r->toVerse = number(n.toNumber);
        } else {  // "Gen 1-2", "Gen 1:1-2:3"
            r->toChapter = number(n.toNumber);
            r->toVerse = n.toVerse.isEmpty() ? -1 : number(n.toVerse);
        }
    }
}

bool checkRange(const BibleBook& book, Passage* r, QString* error)
{
    for (const int chapter : {r->fromChapter, r->toChapter}) {
        if (chapter < 1 || chapter > book.chapters()) {
            *error = CountedText("ReferenceParser", QT_TRANSLATE_N_NOOP("ReferenceParser", "%1 has %n chapter(s)"),
                                 book.chapters())
                         .arg(ShownBookName(book));
            return false;
        }
    }
    if (r->toVerse == -1)
        r->toVerse = book.verses(r->toChapter);
    for (const auto& [chapter, verse] : {std::pair{r->fromChapter, r->fromVerse}, {r->toChapter, r->toVerse}}) {
        const int verses = book.verses(chapter);
        if (verse < 1 || verse > verses) {
            const QString name = ShownBookName(book);
            const QString where = book.chapters() == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(chapter);
            *error = CountedText("ReferenceParser", QT_TRANSLATE_N_NOOP("ReferenceParser", "%1 has %n verse(s)"),
                                 verses)
                         .arg(where);
            return false;
        }
    }
    if (r->toChapter < r->fromChapter || (r->toChapter == r->fromChapter && r->toVerse < r->fromVerse)) {
        Passage shown = *r;
        shown.book = ShownBookName(book);
        *error = QCoreApplication::translate("ReferenceParser", "%1 ends before it starts").arg(ReferenceText(shown));
        return false;
    }
    return true;
}

} // namespace

bool ParseReference(const QString& text, const BookCatalogue& books, Passage* passage, QString* error)
{
    // Book (with an optional number, Arabic or Roman, before it), then chapter[:verse][-[chapter:]verse];
    // German and Spanish readers put a comma between chapter and verse ("Joh 3,16").
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:([1-3])|(i{1,3})(?=[\s.]))?[\s.]*(\p{L}[\p{L}\s.]*?)[\s.]*)"
                       R"((?:(\d+)(?:\s*[:.,]\s*(\d+))?(?:\s*-\s*(\d+)(?:\s*[:.,]\s*(\d+))?)?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    QString normalised = text;
    normalised.replace(QChar(0x2013), QLatin1Char('-')).replace(QChar(0x2014), QLatin1Char('-'));
    const QRegularExpressionMatch m = pattern.match(normalised);
    if (!m.hasMatch()) {
        *error = QCoreApplication::translate("ReferenceParser", "write it like John 3:16, Ps 23 or 1 Cor 13:4-7");
        return false;
    }
    const QString bookNumber = m.captured(1).isEmpty() ? (m.captured(2).isEmpty() ? QString()
                                                                                  : QString::number(m.captured(2).size()))
                                                       : m.captured(1);
    const BibleBook* book = findBook(bookNumber + m.captured(3), books, error);
    if (!book)
        return false;
    Passage r;
    r.book = book->name;
    rangeFromNumbers({m.captured(4), m.captured(5), m.captured(6), m.captured(7)}, book->chapters() == 1, &r);
    if (!checkRange(*book, &r, error))
        return false;
    *passage = r;
    return true;
}

QString ReferenceText(const Passage& p)
{
    const QString start = QStringLiteral("%1 %2:%3").arg(p.book).arg(p.fromChapter).arg(p.fromVerse);
    if (p.toChapter != p.fromChapter)
        return start + QStringLiteral("-%1:%2").arg(p.toChapter).arg(p.toVerse);
    if (p.toVerse != p.fromVerse)
        return start + QStringLiteral("-%1").arg(p.toVerse);
    return start;
}

} // namespace kivra
