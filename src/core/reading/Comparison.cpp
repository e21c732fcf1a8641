#include "reading/Comparison.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace kivra {
namespace {

const QString BuiltInVersification = QStringLiteral("KJV");

// One Bible's verses, looked up by book, chapter and verse of its own versification.
class Column {
public:
    bool open(const QString& bible, QString* error)
    {
        if (bible.isEmpty()) {
            m_system = BuiltInVersification;
            return true;
        }
        m_text = Shelf::instance().text(bible, error);
        if (m_text)
            m_system = m_text->info().versification;
        return bool(m_text);
    }
    const QString& system() const { return m_system; }

    // Empty where the Bible has no text (a chapter's title included).
    QString text(const QString& osisId, int chapter, int verse)
    {
        if (verse < 1)
            return {};
        if (m_text) {
            const int at = m_text->find(m_text->bookIndex(osisId), chapter, verse);
            return at < 0 ? QString() : QString::fromUtf8(m_text->text(at));
        }
        return builtInBook(osisId).value(VerseKey(chapter, verse));
    }

private:
    // The built-in Bible's book read whole once: a translated verse may lie in another chapter.
    const QHash<int, QString>& builtInBook(const QString& osisId)
    {
        auto found = m_builtIn.find(osisId);
        if (found != m_builtIn.end())
            return *found;
        QHash<int, QString>& verses = m_builtIn[osisId];
        const BibleBook* book = BuiltInBibleBooks()->bookAbbreviated(osisId);
        if (!book)
            return verses;
        const RecordsetPtr rows =
            QueryBuiltInPassage({book->name, 1, 1, book->chapters(), book->verses(book->chapters())});
        if (!rows)
            return verses;
        const int chapter = rows->fieldIndex(QStringLiteral("Chapter"));
        const int verse = rows->fieldIndex(QStringLiteral("Sections"));
        const int text = rows->fieldIndex(QStringLiteral("Text"));
        for (int row = 0; row < rows->recordCount(); ++row)
            verses.insert(VerseKey(rows->at(row, chapter).toInt(), rows->at(row, verse).toInt()),
                          rows->at(row, text).toString());
        return verses;
    }

    QString m_system;
    std::shared_ptr<const ModuleText> m_text;
    QHash<QString, QHash<int, QString>> m_builtIn;
};

} // namespace

QList<ComparedVerse> CompareBibles(const QStringList& bibles, const Passage& passage, QStringList* errors)
{
    // The passage counts verses as the chosen Bible does; every other Bible's verses are placed on
    // those rows through the library's mapping between the versifications.
    const std::shared_ptr<const ModuleText> chosen = ChosenModuleText();
    const QString rowSystem = chosen ? chosen->info().versification : BuiltInVersification;
    const BibleBook* book = BibleBooks()->bookNamed(passage.book);
    const QString osisId = book ? book->abbreviation : QString();
    const QList<int> rowCounts = VersificationChapters(rowSystem, osisId);
    const auto lastVerse = [&](int chapter) { return rowCounts.value(chapter - 1); };
    // Whether a row lies in the passage; a title (verse 0) and a verse past the chapter's end that
    // only another Bible has belong to it when the passage holds the verses around them.
    const auto inPassage = [&](int chapter, int verse) {
        const bool fromOk = chapter > passage.fromChapter
                            || (chapter == passage.fromChapter && (verse >= passage.fromVerse || passage.fromVerse == 1));
        const bool toOk = chapter < passage.toChapter
                          || (chapter == passage.toChapter && (verse <= passage.toVerse || passage.toVerse >= lastVerse(chapter)));
        return fromOk && toOk;
    };

    QMap<int, ComparedVerse> rows;  // by chapter and verse of the rows' versification
    for (int column = 0; column < bibles.size(); ++column) {
        Column bible;
        QString error;
        if (!bible.open(bibles[column], &error)) {
            if (errors)
                *errors << error;
            continue;
        }
        const auto put = [&](int chapter, int verse, const QString& text) {
            if (text.isEmpty())
                return;
            ComparedVerse& row = rows[VerseKey(chapter, verse)];
            row.chapter = chapter;
            row.verse = verse;
            while (row.texts.size() < bibles.size())
                row.texts << QString();
            QString& target = row.texts[column];
            target += (target.isEmpty() ? QString() : QStringLiteral(" ")) + text;
        };
        QSet<QString> placed;  // "book chapter verse" of this Bible's verses already on a row
        QSet<std::pair<QString, int>> chapters;
        const auto placeKey = [](const QString& b, int c, int v) { return QStringLiteral("%1 %2 %3").arg(b).arg(c).arg(v); };
        for (int chapter = passage.fromChapter; chapter <= passage.toChapter && chapter <= rowCounts.size(); ++chapter) {
            const int first = chapter == passage.fromChapter ? passage.fromVerse : 1;
            const int last = chapter == passage.toChapter ? std::min(passage.toVerse, lastVerse(chapter)) : lastVerse(chapter);
            for (int verse = first; verse <= last; ++verse) {
                const std::optional<VersePlace> there = TranslateVerse(rowSystem, osisId, chapter, verse, bible.system());
                if (!there)
                    continue;
                chapters.insert({there->osisId, there->chapter});
                for (int v = there->fromVerse; v <= there->toVerse; ++v)
                    if (!placed.contains(placeKey(there->osisId, there->chapter, v))) {
                        placed.insert(placeKey(there->osisId, there->chapter, v));
                        put(chapter, verse, bible.text(there->osisId, there->chapter, v));
                    }
            }
        }
        // The verses of those chapters that the rows' versification does not count (a psalm's
        // title, a verse split off at a chapter's end) get rows of their own.
        for (const auto& [otherBook, otherChapter] : chapters) {
            const int count = VersificationChapters(bible.system(), otherBook).value(otherChapter - 1);
            for (int v = 0; v <= count; ++v) {
                if (placed.contains(placeKey(otherBook, otherChapter, v)))
                    continue;
                const std::optional<VersePlace> back = TranslateVerse(bible.system(), otherBook, otherChapter, v, rowSystem);
                if (back && back->fromVerse >= 1)
                    continue;  // a verse the rows count, outside the passage
                // Where the rows' Bible has no such verse, the verse keeps its own number on its row.
                const int rowChapter = back ? back->chapter : otherChapter;
                const int rowVerse = back ? back->fromVerse : v;
                if ((back ? back->osisId : otherBook) != osisId || !inPassage(rowChapter, rowVerse))
                    continue;
                put(rowChapter, rowVerse, bible.text(otherBook, otherChapter, v));
            }
        }
    }
    return rows.values();
}

} // namespace kivra
