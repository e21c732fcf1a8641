#pragma once
// The lists behind the selectors, read from the Bible database; the fillers are in SelectorCombos.h
// and the books in BookCatalogue.h.
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace kivra {

// The prompt of an empty selector, translated where it is shown (context "Selector").
inline const char* const NoChoiceText = QT_TRANSLATE_NOOP("Selector", "Please Select or Input");

struct ListEntry {
    QString shown;  // what the selector shows
    QString value;  // what a query or a stored row takes for it
};

// The entries of a category of the two-valued lists ("Testament", "Operator1"), in stored order.
QList<ListEntry> ValueList(const QString& category);
// The entries of a category of the one-valued lists ("QueryStringOperator"); each is its own value.
QList<ListEntry> TextList(const QString& category);

} // namespace kivra
