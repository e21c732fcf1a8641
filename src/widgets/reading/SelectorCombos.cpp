#include "reading/SelectorCombos.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kivra {
namespace {

// Fills the emptied combo with signals blocked, then chooses the first entry unblocked so the
// choice handler runs as for a user's choice.
template <typename AddItems>
void refill(QComboBox* combo, bool selectFirst, AddItems addItems)
{
    {
        const QSignalBlocker block(combo);
        combo->setPlaceholderText(QCoreApplication::translate("Selector", NoChoiceText));
        combo->clear();
        addItems();
        combo->setCurrentIndex(-1);
    }
    if (selectFirst && combo->count() > 0)
        combo->setCurrentIndex(0);
}

} // namespace

void FillCombo(QComboBox* combo, const QList<ListEntry>& entries, bool selectFirst)
{
    refill(combo, selectFirst, [&] {
        for (const ListEntry& entry : entries)
            combo->addItem(QCoreApplication::translate("Selector", entry.shown.toUtf8().constData()), entry.value);
    });
}

void FillComboWithNumbers(QComboBox* combo, int from, int to, bool selectFirst)
{
    refill(combo, selectFirst, [&] {
        for (int n = from; n <= to; ++n)
            combo->addItem(QString::number(n));
    });
}

QString ChosenValue(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentData().toString();
}

bool ChooseComboText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

} // namespace kivra
