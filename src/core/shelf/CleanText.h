#pragma once
// The readable text of one SWORD entry: markup (OSIS, ThML, GBF) gone, footnotes left out, entities
// decoded, white space collapsed. Where a footnote or a block of markup stood between two words they
// stay two words ("God<note>…</note>created" reads "God created").
#include <QByteArray>
#include <string_view>

namespace kivra {

// raw is UTF-8; so is the result, without leading or trailing blanks.
QByteArray CleanEntryText(std::string_view raw);

} // namespace kivra
