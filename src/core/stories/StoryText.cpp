#include "stories/StoryText.h"

#include "reading/BookCatalogue.h"
#include "reading/Passage.h"
#include "storage/Globals.h"

#include <utility>
#include <QCoreApplication>

namespace kivra {

bool ShowStoryPart(const StoryPartRow& part, const QString& storyName, int partNumber, const OptionValues& values,
                   const QString& newline, QString* target)
{
    const Passage passage = part.passage();
    const auto books = BibleBooks();
    const BibleBook* book = books->bookNamed(passage.book);
    if (!book)
        return false;
    auto verses = QueryPassage(passage);
    if (!verses)
        return false;
    if (verses->recordCount() == 0)
        return true;
    const QString& b = book->abbreviation;
    const QString heading = QCoreApplication::translate("StoryText", "%1 / Part %2 [%3] : %4:%5 - %6:%7")
                                .arg(storyName, QString::number(partNumber + 1), b,
                                     QString::number(passage.fromChapter), QString::number(passage.fromVerse),
                                     QString::number(passage.toChapter), QString::number(passage.toVerse));
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
    return QCoreApplication::translate("StoryText", "Part %1 notes: ").arg(partNumber + 1) + newline
         + ListIndent + trimBlanks(notes) + newline + newline;
}

StoryText BuildStoryText(const QList<StoryPartRow>& parts, const OptionValues& values, const QString& newline)
{
    StoryText story;
    for (const StoryPartRow& part : parts) {
        story.name = part.name;
        const int partNumber = part.partNumber;
        // Imported rows may name any passage; both ends must be verses of a known book. A range
        // that runs backwards shows nothing, silently, like any range that matches no verse.
        Passage forward = part.passage();
        if (forward.fromKey() > forward.toKey()) {
            std::swap(forward.fromChapter, forward.toChapter);
            std::swap(forward.fromVerse, forward.toVerse);
        }
        if (!PassageExists(forward))
            story.missingPassages << PassageStatusText(part.passage());
        if (!ShowStoryPart(part, part.name, partNumber, values, newline, &story.text)) {
            story.complete = false;
            break;
        }
        story.notes += StoryPartNotes(partNumber, part.notes, newline);
    }
    return story;
}

} // namespace kivra
