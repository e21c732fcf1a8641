#pragma once
// Fillers of the cascading passage selectors, from the lookups in SelectorData.h.
#include "reading/SelectorData.h"

#include <QSqlDatabase>

class QComboBox;

namespace kivra {

// Fill a selector; each fill empties it first. With selectFirst entry 0 is chosen (running the
// selector's choice handler), otherwise the selector shows NoChoiceText.
void FillComboFromTable(QComboBox* combo, const QSqlDatabase& db, const QString& table, const QString& field,
                        const QString& value, const QString& shownField, bool selectFirst);
void FillComboWithItemData(QComboBox* combo, const QSqlDatabase& db, const QString& table, const QString& field,
                           const QString& value, const QString& shownField, const QString& itemDataField,
                           bool selectFirst);
void FillComboWithNumbers(QComboBox* combo, int from, int to, bool selectFirst);

// The given field of the row of table whose Index is the chosen entry's item data; empty when none.
QString GetComboLinkedValue(const QComboBox* combo, const QString& table, const QString& field);

// Chooses the entry showing exactly text (as a user's choice would); false when there is none.
bool ChooseComboText(QComboBox* combo, const QString& text);

} // namespace kivra
