#pragma once
// The whole Bible text held once in memory for searching: a search scans about 4 MB of lowered
// text instead of asking SQLite for tens of thousands of rows, and hands out only the cells a view
// asks for. Read on the first search; the text never changes while the program runs.
#include "reading/Search.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace kivra {

class BookCatalogue;
class ModuleText;

class VerseTexts {
public:
    // Every verse of db's "tblBible" in ID order, or nullptr when it cannot be read.
    static std::shared_ptr<const VerseTexts> load(const QSqlDatabase& db);
    // Every verse of a SWORD module, its books named and placed as books gives them.
    static std::shared_ptr<const VerseTexts> fromModule(const ModuleText& text, const BookCatalogue& books);

    int size() const { return int(m_ids.size()); }
    // The rows (positions in ID order) that filter selects, as the statement of the same search.
    QList<int> matching(const VerseFilter& filter) const;
    // The value of a column of SearchColumns (see SearchColumnNames) for the verse at row.
    QVariant cell(int row, int column) const;

private:
    std::string_view loweredText(int row) const;
    QList<int> containing(std::string_view literal) const;
    QList<int> containingWholeWords(const QString& searchText) const;
    int rowAt(quint32 offset) const;
    bool inScope(int row, const VerseFilter& filter) const;

    std::vector<int> m_ids, m_chapters, m_sections;
    std::vector<quint16> m_testaments, m_books;  // positions in the two name lists
    QStringList m_testamentNames, m_bookNames;
    QByteArray m_text, m_lowered;               // the texts in UTF-8 (lowered by FoldCase), each ended by a NUL byte
    std::vector<quint32> m_starts;              // where each verse's text begins, plus the total
};

// The verse texts of the chosen Bible (see ChosenBible): the Bible connection's, read on first use,
// or the chosen module's, made on first use.
std::shared_ptr<const VerseTexts> BibleVerseTexts();

} // namespace kivra
