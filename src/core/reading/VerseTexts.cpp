#include "reading/VerseTexts.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/LikePattern.h"
#include "reading/Passage.h"
#include "reading/SearchMatcher.h"
#include "shelf/Shelf.h"
#include "storage/Globals.h"

#include <QSqlQuery>
#include <algorithm>
#include <cstring>

namespace kivra {
namespace {

quint16 positionIn(QStringList& names, const QString& name)
{
    qsizetype at = names.indexOf(name);
    if (at < 0) {
        names << name;
        at = names.size() - 1;
    }
    return quint16(at);
}

} // namespace

std::shared_ptr<const VerseTexts> VerseTexts::load(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(R"(SELECT %1 FROM "tblBible" ORDER BY "ID")").arg(SearchColumns)))
        return nullptr;
    auto verses = std::make_shared<VerseTexts>();
    while (query.next()) {
        verses->m_ids.push_back(query.value(0).toInt());
        verses->m_testaments.push_back(positionIn(verses->m_testamentNames, query.value(1).toString()));
        verses->m_books.push_back(positionIn(verses->m_bookNames, query.value(2).toString()));
        verses->m_chapters.push_back(query.value(3).toInt());
        verses->m_sections.push_back(query.value(4).toInt());
        verses->m_starts.push_back(quint32(verses->m_text.size()));
        verses->m_text += query.value(5).toString().toUtf8();
        verses->m_text += '\0';  // no literal holds it, so no match runs from one verse into the next
    }
    verses->m_starts.push_back(quint32(verses->m_text.size()));
    verses->m_lowered = FoldCase(verses->m_text);
    return verses;
}

std::shared_ptr<const VerseTexts> VerseTexts::fromModule(const ModuleText& text, const BookCatalogue& books)
{
    auto verses = std::make_shared<VerseTexts>();
    QList<const BibleBook*> bookOf;
    for (const ModuleBook& book : text.books())
        bookOf << books.bookAbbreviated(book.osisId);
    verses->m_text.reserve(text.textSize() + text.size());
    for (int i = 0; i < text.size(); ++i) {
        const ModuleText::Entry& entry = text.entries()[size_t(i)];
        const BibleBook* book = bookOf.value(entry.book);
        verses->m_ids.push_back(i + 1);
        verses->m_testaments.push_back(positionIn(verses->m_testamentNames, book ? book->testament.word : QString()));
        verses->m_books.push_back(positionIn(verses->m_bookNames, text.books()[entry.book].osisId));
        verses->m_chapters.push_back(entry.chapter);
        verses->m_sections.push_back(entry.verse);
        verses->m_starts.push_back(quint32(verses->m_text.size()));
        const std::string_view entryText = text.textView(i);
        verses->m_text.append(entryText.data(), qsizetype(entryText.size()));
        verses->m_text += '\0';
    }
    verses->m_starts.push_back(quint32(verses->m_text.size()));
    verses->m_lowered = FoldCase(verses->m_text);
    return verses;
}

std::string_view VerseTexts::loweredText(int row) const
{
    return std::string_view(m_lowered.constData() + m_starts[row], m_starts[row + 1] - m_starts[row] - 1);
}

// The rows whose text holds literal, found by one pass over all the texts at once.
QList<int> VerseTexts::containing(std::string_view literal) const
{
    QList<int> rows;
    const char* begin = m_lowered.constData();
    const char* end = begin + m_lowered.size();
    const char* at = begin;
    while (at < end) {
        const void* hit = ::memmem(at, size_t(end - at), literal.data(), literal.size());
        if (!hit)
            break;
        const int row = rowAt(quint32(static_cast<const char*>(hit) - begin));
        rows << row;
        at = begin + m_starts[row + 1];  // one hit is enough for a verse
    }
    return rows;
}

int VerseTexts::rowAt(quint32 offset) const
{
    return int(std::upper_bound(m_starts.begin(), m_starts.end(), offset) - m_starts.begin()) - 1;
}

// The rows whose text holds searchText as whole words. All texts are searched as one: the NUL
// between two verses ends a word and matches no character of a search text.
QList<int> VerseTexts::containingWholeWords(const QString& searchText) const
{
    const SearchMatcher matcher(searchText, true);
    const std::string_view all(m_lowered.constData(), size_t(m_lowered.size()));
    QList<int> rows;
    for (TextSpan span = matcher.findFrom(all, 0); span.found(); span = matcher.findFrom(all, span.start)) {
        const int row = rowAt(quint32(span.start));
        if (row >= size())
            break;
        rows << row;
        span.start = m_starts[row + 1];  // one hit is enough for a verse
    }
    return rows;
}

bool VerseTexts::inScope(int row, const VerseFilter& filter) const
{
    const int key = VerseKey(m_chapters[row], m_sections[row]);
    return m_testamentNames[m_testaments[row]] == filter.testamentWord
           && m_bookNames[m_books[row]] == filter.bookAbbreviation && key >= filter.fromKey
           && key < filter.toKeyExclusive;
}

QList<int> VerseTexts::matching(const VerseFilter& filter) const
{
    // One yes or no per verse and text condition, negation applied.
    std::vector<std::vector<char>> hits;
    for (const VerseFilter::TextCondition& condition : filter.texts) {
        const LikePattern pattern(condition.pattern);
        std::vector<char> hit(size_t(size()), char(condition.negated));
        if (filter.wholeWords) {
            for (int row : containingWholeWords(condition.text))
                hit[size_t(row)] = !condition.negated;
        } else if (pattern.isContains() && !pattern.containedLiteral().empty()) {
            for (int row : containing(pattern.containedLiteral()))
                hit[size_t(row)] = !condition.negated;
        } else {
            for (int row = 0; row < size(); ++row)
                hit[size_t(row)] = pattern.matches(loweredText(row)) != condition.negated;
        }
        hits.push_back(std::move(hit));
    }
    QList<int> rows;
    for (int row = 0; row < size(); ++row) {
        const auto textHit = [row](const std::vector<char>& hit) { return hit[size_t(row)] != 0; };
        const bool textsPass = hits.empty()
                               || (filter.eitherText ? std::any_of(hits.begin(), hits.end(), textHit)
                                                     : std::all_of(hits.begin(), hits.end(), textHit));
        if (textsPass && (!filter.withinScope || inScope(row, filter)))
            rows << row;
    }
    return rows;
}

QVariant VerseTexts::cell(int row, int column) const
{
    switch (column) {
    case 0: return qlonglong(m_ids[row]);
    case 1: return m_testamentNames[m_testaments[row]];
    case 2: return m_bookNames[m_books[row]];
    case 3: return qlonglong(m_chapters[row]);
    case 4: return qlonglong(m_sections[row]);
    case 5: return QString::fromUtf8(m_text.constData() + m_starts[row], m_starts[row + 1] - m_starts[row] - 1);
    default: return {};
    }
}

std::shared_ptr<const VerseTexts> BibleVerseTexts()
{
    static std::shared_ptr<const ModuleText> madeFrom;
    static std::shared_ptr<const VerseTexts> moduleVerses;
    if (const std::shared_ptr<const ModuleText> module = ChosenModuleText()) {
        if (madeFrom != module) {
            moduleVerses = VerseTexts::fromModule(*module, *BibleBooks());
            madeFrom = module;
        }
        return moduleVerses;
    }

    // Kept per Bible file: a test that opens another program folder reads that folder's text.
    static QString loadedFrom;
    static std::shared_ptr<const VerseTexts> verses;
    const QSqlDatabase db = BibleConnection();
    if (!verses || loadedFrom != db.databaseName()) {
        verses = VerseTexts::load(db);
        loadedFrom = db.databaseName();
    }
    return verses;
}

} // namespace kivra
