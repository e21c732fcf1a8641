#include "reading/SelectorData.h"

#include "storage/Database.h"
#include "storage/Globals.h"

namespace kivra {
namespace {

// The entries the Bible database holds in English; the selectors show them translated (context
// "Selector") and keep the stored value behind each.
[[maybe_unused]] const char* const kStoredEntries[] = {
    QT_TRANSLATE_NOOP("Selector", "Old Testament"), QT_TRANSLATE_NOOP("Selector", "New Testament"),
    QT_TRANSLATE_NOOP("Selector", "Contains"), QT_TRANSLATE_NOOP("Selector", "Does not contain")};

QList<ListEntry> readEntries(const QString& sql, const QString& category)
{
    QList<ListEntry> entries;
    auto rs = queryRows(BibleConnection(), sql, {category});
    if (rs)
        for (rs->MoveFirst(); !rs->eof(); rs->MoveNext())
            entries.append({rs->text(QStringLiteral("shown")), rs->text(QStringLiteral("value"))});
    return entries;
}

} // namespace

QList<ListEntry> ValueList(const QString& category)
{
    return readEntries(QStringLiteral("SELECT \"DataFieldExternalName\" AS shown, \"DataFieldInternalName\" AS value "
                                      "FROM \"tblSettings_ComboBox_Double_Value\" WHERE \"DataFieldCategory\" = ? "
                                      "ORDER BY rowid"),
                       category);
}

QList<ListEntry> TextList(const QString& category)
{
    return readEntries(QStringLiteral("SELECT \"ComboxItem\" AS shown, \"ComboxItem\" AS value "
                                      "FROM \"tblSettings_Combox\" WHERE \"ComboxCategory\" = ? ORDER BY rowid"),
                       category);
}

} // namespace kivra
