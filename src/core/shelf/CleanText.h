#pragma once
// The readable text of one SWORD entry: markup (OSIS, ThML, GBF) gone, footnotes left out, entities
// decoded, white space collapsed. Where a footnote or a block of markup stood between two words they
// stay two words ("God<note>…</note>created" reads "God created").
#include <QByteArray>
#include <string_view>
#include <vector>

namespace kivra {

// A word of an entry marked with Strong's numbers (OSIS <w lemma="strong:H0430">): where it stands
// in the clean text, in bytes, and the numbers as the markup writes them ("H0430 H0853").
struct StrongsWord {
    qsizetype start = 0, end = 0;
    QByteArray numbers;
};

// raw is UTF-8; so is the result, without leading or trailing blanks. With words, the marked words
// are added to it in the order of the text.
QByteArray CleanEntryText(std::string_view raw, std::vector<StrongsWord>* words = nullptr);

} // namespace kivra
