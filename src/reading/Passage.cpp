#include "reading/Passage.h"

#include "reading/SelectorData.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QRegularExpression>

namespace kivra {

RecordsetPtr QueryPassage(const PassageKey& key)
{
    return queryRows(
        BibleConnection(),
        QStringLiteral("SELECT * FROM \"tblBible\" WHERE \"Testament\" = ? AND \"BookAbbreviation\" = ? "
                       "AND (\"Chapter\" * 1000 + \"Sections\") >= ? AND (\"Chapter\" * 1000 + \"Sections\") < ? "
                       "ORDER BY \"ID\""),
        {key.testamentWord, key.bookAbbreviation, VerseKey(key.fromChapter, key.fromSection),
         VerseKey(key.toChapter, key.toSection + 1)});
}

bool PassageRangeExists(const PassageKey& key)
{
    const auto verseExists = [&key](int chapter, int section) {
        return chapter >= 1 && chapter <= GetNumberOfChapter(key.bookAbbreviation) && section >= 1
               && section <= GetNumOfSection(key.bookAbbreviation, chapter);
    };
    return verseExists(key.fromChapter, key.fromSection) && verseExists(key.toChapter, key.toSection)
           && VerseKey(key.fromChapter, key.fromSection) <= VerseKey(key.toChapter, key.toSection);
}

QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline)
{
    return RenderPassage(verses, values, newline, nullptr);
}

QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline,
                      QList<VerseSpan>* spans)
{
    const QString separator = values.InsertNewLineAfterText == 1 ? newline + newline : QString();
    const bool withReference = values.ShowChapterSection == 1;
    const int text = verses.fieldIndex(QStringLiteral("Text"));
    const int chapter = verses.fieldIndex(QStringLiteral("Chapter"));
    const int section = verses.fieldIndex(QStringLiteral("Sections"));
    QString out;
    if (spans)
        spans->clear();
    for (int row = 0; row < verses.recordCount(); ++row) {
        if (spans)
            spans->append({int(out.size()), verses.at(row, chapter).toInt(), verses.at(row, section).toInt()});
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

QString SelectionReference(const QList<VerseSpan>& spans, const QString& book, int from, int to)
{
    if (spans.isEmpty())
        return {};
    auto verseAt = [&spans](int offset) {
        int i = 0;
        while (i + 1 < spans.size() && spans[i + 1].start <= offset)
            ++i;
        return spans[i];
    };
    const VerseSpan first = verseAt(std::min(from, to));
    // The end is exclusive: a selection ending right at a verse start does not include that verse.
    const VerseSpan last = verseAt(std::max(std::max(from, to) - 1, std::min(from, to)));
    return QStringLiteral("(%1 %2:%3-%4:%5)").arg(book).arg(first.chapter).arg(first.section).arg(last.chapter).arg(last.section);
}

QString TextWithReference(const QString& text, const QString& reference)
{
    QString body = text;
    while (!body.isEmpty() && body.back().isSpace())
        body.chop(1);
    return reference.isEmpty() ? body : body + QLatin1Char('\n') + reference;
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
