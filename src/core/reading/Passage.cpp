#include "reading/Passage.h"

#include "reading/BookCatalogue.h"
#include "reading/LocalBookNames.h"
#include "reading/ChosenBible.h"
#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kivra {

namespace {

int numberOf(const QString& text)
{
    return text.trimmed().toInt();
}

} // namespace

Passage PassageFromTexts(const QString& book, const QString& fromChapter, const QString& fromVerse,
                         const QString& toChapter, const QString& toVerse)
{
    return {book, numberOf(fromChapter), numberOf(fromVerse), numberOf(toChapter), numberOf(toVerse)};
}

QString TestamentOf(const Passage& passage)
{
    const auto books = BibleBooks();
    const BibleBook* book = books->bookNamed(passage.book);
    return book ? book->testament.name : QString();
}

RecordsetPtr QueryPassage(const Passage& passage)
{
    if (const std::shared_ptr<const ModuleText> module = ChosenModuleText())
        return ModulePassageRows(*module, *BibleBooks(), passage);
    return QueryBuiltInPassage(passage);
}

RecordsetPtr QueryBuiltInPassage(const Passage& passage)
{
    const auto books = BuiltInBibleBooks();
    const BibleBook* book = books->bookNamed(passage.book);
    return queryRows(
        BibleConnection(),
        QStringLiteral("SELECT * FROM \"tblBible\" WHERE \"Testament\" = ? AND \"BookAbbreviation\" = ? "
                       "AND (\"Chapter\" * 1000 + \"Sections\") >= ? AND (\"Chapter\" * 1000 + \"Sections\") <= ? "
                       "ORDER BY \"ID\""),
        {book ? book->testament.word : QString(), book ? book->abbreviation : QString(), passage.fromKey(),
         passage.toKey()});
}

bool PassageExists(const Passage& passage)
{
    const auto books = BibleBooks();
    const BibleBook* book = books->bookNamed(passage.book);
    return book && book->hasVerse(passage.fromChapter, passage.fromVerse)
        && book->hasVerse(passage.toChapter, passage.toVerse) && passage.fromKey() <= passage.toKey();
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

QString PassageStatusText(const Passage& passage)
{
    return QStringLiteral("[%1] : [%2] : %3:%4 - %5:%6")
        .arg(QCoreApplication::translate("Selector", TestamentOf(passage).toUtf8().constData()),
             ShownBookName(passage.book), QString::number(passage.fromChapter),
             QString::number(passage.fromVerse), QString::number(passage.toChapter), QString::number(passage.toVerse));
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

bool ParseVerseRange(const QString& text, Passage* passage)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,3})\\s*:\\s*(\\d{1,3})\\s*-\\s*(\\d{1,3})\\s*:\\s*(\\d{1,3})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    passage->fromChapter = match.captured(1).toInt();
    passage->fromVerse = match.captured(2).toInt();
    passage->toChapter = match.captured(3).toInt();
    passage->toVerse = match.captured(4).toInt();
    return true;
}

void WritePassageFields(Recordset& row, const QString& prefix, const Passage& passage)
{
    row.setValue(prefix + QStringLiteral("Testament"), TestamentOf(passage));
    row.setValue(prefix + QStringLiteral("Book"), passage.book);
    row.setValue(prefix + QStringLiteral("Chapter"), passage.fromChapter);
    row.setValue(prefix + QStringLiteral("Section"), passage.fromVerse);
    if (row.fieldIndex(prefix + QStringLiteral("ToBook")) >= 0)
        row.setValue(prefix + QStringLiteral("ToBook"), passage.book);
    row.setValue(prefix + QStringLiteral("ToChapter"), passage.toChapter);
    row.setValue(prefix + QStringLiteral("ToSection"), passage.toVerse);
}

Passage ReadPassageFields(const Recordset& row, const QString& prefix)
{
    return {row.text(prefix + QStringLiteral("Book")), row.integer(prefix + QStringLiteral("Chapter")),
            row.integer(prefix + QStringLiteral("Section")), row.integer(prefix + QStringLiteral("ToChapter")),
            row.integer(prefix + QStringLiteral("ToSection"))};
}

} // namespace kivra
