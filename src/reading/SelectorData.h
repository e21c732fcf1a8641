#pragma once
// Lookups behind the cascading passage selectors; the list fillers are in SelectorCombos.h.
#include <QString>

namespace kivra {

inline const QString NoChoiceText = QStringLiteral("Please Select or Input");

int GetNumberOfChapter(const QString& bookAbbreviation);
int GetNumOfSection(const QString& bookAbbreviation, int chapter);

// "Old" for a testament entry whose lower-case text is "old testament", otherwise "New".
QString TestamentWord(const QString& shownTestament);

} // namespace kivra
