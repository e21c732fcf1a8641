#include "reading/SelectorCombos.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kivra {
namespace {

void finishFill(QComboBox* combo, bool selectFirst)
{
    if (selectFirst && combo->count() > 0)
        combo->setCurrentIndex(0);  // unblocked: runs the choice handler like a user's choice
}

void startFill(QComboBox* combo)
{
    combo->setPlaceholderText(NoChoiceText);
    combo->clear();
}

} // namespace

void FillComboFromTable(QComboBox* combo, const QSqlDatabase& db, const QString& table, const QString& field,
                        const QString& value, const QString& shownField, bool selectFirst)
{
    {
        const QSignalBlocker block(combo);
        startFill(combo);
        auto rs = selectRows(db, table, field, value, QStringLiteral("="));
        if (rs)
            for (rs->MoveFirst(); !rs->eof(); rs->MoveNext())
                combo->addItem(rs->text(shownField));
        combo->setCurrentIndex(-1);
    }
    finishFill(combo, selectFirst);
}

void FillComboWithItemData(QComboBox* combo, const QSqlDatabase& db, const QString& table, const QString& field,
                           const QString& value, const QString& shownField, const QString& itemDataField,
                           bool selectFirst)
{
    {
        const QSignalBlocker block(combo);
        startFill(combo);
        auto rs = selectRows(db, table, field, value, QStringLiteral("="));
        if (rs)
            for (rs->MoveFirst(); !rs->eof(); rs->MoveNext())
                combo->addItem(rs->text(shownField), rs->integer(itemDataField));
        combo->setCurrentIndex(-1);
    }
    finishFill(combo, selectFirst);
}

void FillComboWithNumbers(QComboBox* combo, int from, int to, bool selectFirst)
{
    {
        const QSignalBlocker block(combo);
        startFill(combo);
        for (int n = from; n <= to; ++n)
            combo->addItem(QString::number(n));
        combo->setCurrentIndex(-1);
    }
    finishFill(combo, selectFirst);
}

QString GetComboLinkedValue(const QComboBox* combo, const QString& table, const QString& field)
{
    if (combo->currentIndex() < 0)
        return {};
    const QString key = QString::number(combo->currentData().toInt());
    auto rs = selectRowsByNumber(BibleConnection(), table, QStringLiteral("Index"), key);
    if (!rs || rs->eof())
        return {};
    return rs->text(field);
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
