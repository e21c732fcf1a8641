#pragma once
// Strong's numbers: which Hebrew or Greek word stands behind a word of a Bible that carries them,
// the lexicon entry of a number from the installed Strong's dictionaries, and every verse of a
// Bible that carries a number. Nothing here is read before it is first asked for.
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace kivra {

class ModuleText;

struct StrongsNumber {
    char language = 'H';  // 'H' Hebrew (Old Testament), 'G' Greek (New Testament)
    int number = 0;

    // Reads "H0430", "h430", "G25", "strong:G0025"; a trailing letter ("H1234a") is left out.
    static std::optional<StrongsNumber> parse(QStringView text);
    // "H430", "G25": as a reader types it.
    QString text() const;
    bool hebrew() const { return language == 'H'; }
    quint32 code() const { return (hebrew() ? 0u : 1u << 24) | quint32(number); }
    bool operator==(const StrongsNumber&) const = default;
};

struct LexiconEntry {
    StrongsNumber number;
    QString word;             // in Hebrew or Greek letters
    QString transliteration;  // "'ĕlôhîym"
    QString pronunciation;    // "el-o-heem'"
    QString text;             // the entry itself, without the heading above
    QString module;           // the lexicon it comes from
};

class Lexicon {
    Q_DECLARE_TR_FUNCTIONS(Lexicon)
public:
    // The entry of the number from the installed lexicon of its language; nothing, with the reason
    // (the package that brings the lexicon when there is none) in error.
    static std::optional<LexiconEntry> lookUp(const StrongsNumber& number, QString* error);
    // The Debian package of the lexicon of that language.
    static QString package(const StrongsNumber& number);
    // The entry read from its markup (TEI, as the Strong's dictionaries write it).
    static LexiconEntry parseEntry(const StrongsNumber& number, const QByteArray& markup);
};

// The Strong's numbers of every word of a Bible module, read from the module the first time they
// are asked for and kept beside its text. Positions are bytes of the module's clean entry texts.
class StrongsIndex {
public:
    struct Word {
        quint16 start = 0, end = 0;  // within its entry's text
        quint32 firstNumber = 0;     // position in the numbers of the index
        quint16 numberCount = 0;
    };

    // The index of the module's text; nullptr when the module carries no Strong's numbers.
    static std::shared_ptr<const StrongsIndex> of(const std::shared_ptr<const ModuleText>& text);

    // The marked words of the entry, in text order.
    QList<Word> wordsOf(int entry) const;
    QList<StrongsNumber> numbersOf(const Word& word) const;
    // The marked word of the entry covering the byte at, or nothing.
    std::optional<Word> wordAt(int entry, qsizetype at) const;
    // The entries carrying the number, in order, found by a scan of every word.
    QList<int> entriesWith(const StrongsNumber& number) const;
    // (start, end) byte ranges of the entry's words carrying the number.
    QList<QPair<int, int>> rangesOf(int entry, const StrongsNumber& number) const;
    qsizetype wordCount() const { return qsizetype(m_words.size()); }

private:
    std::vector<Word> m_words;
    std::vector<quint32> m_entryStarts;  // the first word of each entry, plus the total
    std::vector<quint32> m_numbers;      // StrongsNumber::code of each word's numbers
};

} // namespace kivra
