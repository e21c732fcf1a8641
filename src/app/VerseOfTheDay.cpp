#include "app/VerseOfTheDay.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QRandomGenerator>

namespace kivra {

QString WordsFromGodForId(int id, int withReference)
{
    auto rs = GetADONumericRecordSet(BibleConnection(), QStringLiteral("tblBible"), QStringLiteral("ID"),
                                     QString::number(id));
    if (!rs || rs->eof())
        return {};
    const QString reference = withReference == 1
        ? QStringLiteral("(%1:%2:%3)").arg(rs->text(QStringLiteral("BookAbbreviation")),
                                           rs->text(QStringLiteral("Chapter")), rs->text(QStringLiteral("Sections")))
        : QString();
    return rs->text(QStringLiteral("Text")) + NewLine + NewLine + reference;
}

QString GetWordsFromGod(int withReference)
{
    const int id = int(QRandomGenerator::global()->bounded(31102)) + 1;
    return WordsFromGodForId(id, withReference);
}

} // namespace kivra
