#pragma once
// Exchange files altered after saving (a cell of the last row, a column, or the bytes), for both imports.
#include "storage/TableGram.h"

#include <QList>
#include <QVariant>

namespace kivra::test {

struct AlteredFile {
    const char* column;   // after the table's prefix ("BookMark", "Story"); nullptr: the file is cut short
    QVariant value;       // the last row's new value; none: the column is left out of the file
    const char* refusal;  // why the last row is refused; nullptr: the whole file is refused
};

inline const QList<AlteredFile>& AlteredFiles()
{
    static const QList<AlteredFile> cases = {
        {nullptr, {}, nullptr},
        {"Notes", {}, nullptr},
        {"Chapter", QStringLiteral("three"), nullptr},
        {"Book", QStringLiteral("Pxalms"), "there is no book \"Pxalms\""},  // bytes changed inside a text
        {"ToChapter", 9, "Ruth has no chapter 9"},
        {"ToSection", 99, "has no verse 99"},
    };
    return cases;
}

// The bytes of the good table with the change made.
inline QByteArray Altered(TableGram table, const QString& prefix, const AlteredFile& change)
{
    if (!change.column) {
        const QByteArray bytes = writeTableGram(table);
        return bytes.left(bytes.size() - 3);
    }
    const int column = table.columnIndex(prefix + QLatin1String(change.column));
    if (change.value.isValid()) {
        table.rows.last()[column] = change.value;
        if (change.value.typeId() == QMetaType::QString)
            table.columns[column].type = ColumnType::Text;  // as another writer would keep it
    } else {
        table.columns.removeAt(column);
        for (QList<QVariant>& row : table.rows)
            row.removeAt(column);
    }
    return writeTableGram(table);
}

} // namespace kivra::test
