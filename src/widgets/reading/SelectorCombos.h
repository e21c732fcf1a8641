#pragma once
// Fillers of the selectors, from the lists in SelectorData.h and BookCatalogue.h.
#include "reading/SelectorData.h"

class QComboBox;

namespace kivra {

// Fill a selector; each fill empties it first. With selectFirst entry 0 is chosen (running the
// selector's choice handler), otherwise the selector shows NoChoiceText. Each entry's value is its
// item data.
void FillCombo(QComboBox* combo, const QList<ListEntry>& entries, bool selectFirst);
void FillComboWithNumbers(QComboBox* combo, int from, int to, bool selectFirst);

// The value of the chosen entry; empty when none is chosen.
QString ChosenValue(const QComboBox* combo);

// Chooses the entry showing exactly text (as a user's choice would); false when there is none.
bool ChooseComboText(QComboBox* combo, const QString& text);

} // namespace kivra
