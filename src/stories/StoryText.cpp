#include "stories/StoryText.h"

#include "reading/Passage.h"
#include "reading/SelectorData.h"
#include "storage/Database.h"
#include "storage/Globals.h"

namespace kivra {

static QString firstValue(const QString& table, const QString& field, const QString& value, const QString& wanted)
{
    auto rs = selectRows(BibleConnection(), table, field, value, QStringLiteral("="));
    return rs && !rs->eof() ? rs->text(wanted) : QString();
}

QString StoryPassageLookup::testamentWord(const QString& testamentText)
{
    auto it = m_testaments.find(testamentText);
    if (it == m_testaments.end())
        it = m_testaments.insert(testamentText,
                                 testamentText.isEmpty()
                                     ? QString()
                                     : firstValue(QStringLiteral("tblSettings_ComboBox_Double_Value"),
                                                  QStringLiteral("DataFieldExternalName"), testamentText,
                                                  QStringLiteral("DataFieldInternalName")));
    return *it;
}

QString StoryPassageLookup::bookAbbreviation(const QString& bookName)
{
    auto it = m_books.find(bookName);
    if (it == m_books.end())
        it = m_books.insert(bookName, bookName.isEmpty() ? QString()
                                                         : firstValue(QStringLiteral("tblBibleBook"), QStringLiteral("Book"),
                                                                      bookName, QStringLiteral("BookAbbreviation")));
    return *it;
}

static int number(const QString& text) { return text.trimmed().toInt(); }

bool ShowStoryPart(const StoryPartRow& part, const QString& storyName, int partNumber, const OptionValues& values,
                   const QString& newline, StoryPassageLookup& lookup, QString* target)
{
    PassageKey key;
    key.testamentWord = lookup.testamentWord(part.testament);
    key.bookAbbreviation = lookup.bookAbbreviation(part.book);
    if (key.testamentWord.isEmpty() || key.bookAbbreviation.isEmpty())
        return false;
    key.fromChapter = number(part.chapter);
    key.fromSection = number(part.section);
    key.toChapter = number(part.toChapter);
    key.toSection = number(part.toSection);
    auto verses = QueryPassage(key);
    if (!verses)
        return false;
    if (verses->recordCount() == 0)
        return true;
    const QString& b = key.bookAbbreviation;
    const QString heading = QStringLiteral("%1 / Part %2 [%3] : %4:%5 - %6:%7")
                                .arg(storyName, QString::number(partNumber + 1), b, QString::number(key.fromChapter),
                                     QString::number(key.fromSection), QString::number(key.toChapter),
                                     QString::number(key.toSection));
    const QString rule(heading.size(), QLatin1Char('_'));
    QString& out = *target;
    out += rule + newline + newline + heading + newline + rule + newline + newline;

    const QString separator = values.InsertNewLineAfterText == 1 ? newline + newline : QString();
    const bool withReference = values.ShowChapterSection == 1;
    const int text = verses->fieldIndex(QStringLiteral("Text"));
    const int chapter = verses->fieldIndex(QStringLiteral("Chapter"));
    const int section = verses->fieldIndex(QStringLiteral("Sections"));
    for (int row = 0; row < verses->recordCount(); ++row) {
        out += verses->at(row, text).toString();
        if (withReference)
            out += QLatin1Char('(') + b + QLatin1Char(' ') + verses->at(row, chapter).toString() + QLatin1Char(':')
                 + verses->at(row, section).toString() + QLatin1Char(')');
        out += separator;
    }
    return true;
}

// Blanks only: line breaks the reader typed stay.
static QString trimBlanks(const QString& text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QString StoryPartNotes(int partNumber, const QString& notes, const QString& newline)
{
    return QStringLiteral("Part ") + QString::number(partNumber + 1) + QStringLiteral(" notes: ") + newline
         + ListIndent + trimBlanks(notes) + newline + newline;
}

// Whether chapter:verse, as stored, is a verse of the book.
static bool isVerseOf(const QString& bookAbbreviation, const QString& chapter, const QString& verse)
{
    bool chapterOk = false, verseOk = false;
    const int c = chapter.trimmed().toInt(&chapterOk), v = verse.trimmed().toInt(&verseOk);
    return chapterOk && verseOk && c >= 1 && c <= GetNumberOfChapter(bookAbbreviation) && v >= 1
        && v <= GetNumOfSection(bookAbbreviation, c);
}

// Imported rows may name any passage; both ends must be verses of a known book.
static bool passageExists(const StoryPartRow& part, StoryPassageLookup& lookup)
{
    const QString book = lookup.bookAbbreviation(part.book);
    return !lookup.testamentWord(part.testament).isEmpty() && !book.isEmpty()
        && isVerseOf(book, part.chapter, part.section) && isVerseOf(book, part.toChapter, part.toSection);
}

StoryText BuildStoryText(const QList<StoryPartRow>& parts, const OptionValues& values, const QString& newline)
{
    StoryText story;
    StoryPassageLookup lookup;
    for (const StoryPartRow& part : parts) {
        story.name = part.name;
        const int partNumber = part.partNumber;
        if (!passageExists(part, lookup))
            story.missingPassages << PassageStatusText(part.testament, part.book, part.chapter, part.section,
                                                       part.toChapter, part.toSection);
        if (!ShowStoryPart(part, part.name, partNumber, values, newline, lookup, &story.text)) {
            story.complete = false;
            break;
        }
        story.notes += StoryPartNotes(partNumber, part.notes, newline);
    }
    return story;
}

} // namespace kivra
