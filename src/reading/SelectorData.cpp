#include "reading/SelectorData.h"

#include "storage/Database.h"
#include "storage/Globals.h"

namespace kivra {

int GetNumberOfChapter(const QString& bookAbbreviation)
{
    auto rs = queryRows(
        BibleConnection(),
        QStringLiteral("SELECT max(\"Chapter\") AS \"NumberOfChapter\" FROM \"tblGetNumberOfSection\" "
                       "WHERE \"BookAbbreviation\" = ?"),
        {bookAbbreviation});
    return rs && !rs->eof() ? rs->integer(QStringLiteral("NumberOfChapter")) : 0;
}

int GetNumOfSection(const QString& bookAbbreviation, int chapter)
{
    auto rs = queryRows(
        BibleConnection(),
        QStringLiteral("SELECT \"NumOfSection\" FROM \"tblGetNumberOfSection\" "
                       "WHERE \"BookAbbreviation\" = ? AND \"Chapter\" = ?"),
        {bookAbbreviation, chapter});
    return rs && !rs->eof() ? rs->integer(QStringLiteral("NumOfSection")) : 0;
}

QString TestamentWord(const QString& shownTestament)
{
    return shownTestament.toLower() == QLatin1String("old testament") ? QStringLiteral("Old") : QStringLiteral("New");
}

} // namespace kivra
