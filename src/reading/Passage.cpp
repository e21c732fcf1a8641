#include "reading/Passage.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QRegularExpression>

namespace kivra {

RecordsetPtr QueryPassage(const PassageKey& key)
{
    return GetADORecordSetByQueryString(
        BibleConnection(),
        QStringLiteral("SELECT * FROM \"tblBible\" WHERE \"Testament\" = ? AND \"BookAbbreviation\" = ? "
                       "AND (\"Chapter\" * 1000 + \"Sections\") >= ? AND (\"Chapter\" * 1000 + \"Sections\") < ? "
                       "ORDER BY \"ID\""),
        {key.testamentWord, key.bookAbbreviation, VerseKey(key.fromChapter, key.fromSection),
         VerseKey(key.toChapter, key.toSection + 1)});
}

QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline)
{
    const QString separator = values.InsertNewLineAfterText == 1 ? newline + newline : QString();
    const bool withReference = values.ShowChapterSection == 1;
    const int text = verses.fieldIndex(QStringLiteral("Text"));
    const int chapter = verses.fieldIndex(QStringLiteral("Chapter"));
    const int section = verses.fieldIndex(QStringLiteral("Sections"));
    QString out;
    for (int row = 0; row < verses.recordCount(); ++row) {
        out += verses.at(row, text).toString();
        if (withReference)
            out += QLatin1Char('(') + verses.at(row, chapter).toString() + QLatin1Char(':')
                 + verses.at(row, section).toString() + QLatin1Char(')');
        out += separator;
    }
    return out;
}

QString PassageStatusText(const QString& testament, const QString& book, const QString& fromChapter,
                          const QString& fromSection, const QString& toChapter, const QString& toSection)
{
    return QStringLiteral("[%1] : [%2] : %3:%4 - %5:%6")
        .arg(testament, book, fromChapter, fromSection, toChapter, toSection);
}

bool ParseVerseRange(const QString& text, int* fromChapter, int* fromSection, int* toChapter, int* toSection)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,3})\\s*:\\s*(\\d{1,3})\\s*-\\s*(\\d{1,3})\\s*:\\s*(\\d{1,3})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *fromChapter = match.captured(1).toInt();
    *fromSection = match.captured(2).toInt();
    *toChapter = match.captured(3).toInt();
    *toSection = match.captured(4).toInt();
    return true;
}

} // namespace kivra
