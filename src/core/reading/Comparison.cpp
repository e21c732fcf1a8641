#include "reading/Comparison.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"

#include <QMap>

namespace kivra {
namespace {

RecordsetPtr rowsOf(const QString& bible, const Passage& passage, QString* error)
{
    if (bible.isEmpty())
        return QueryBuiltInPassage(passage);
    const std::shared_ptr<const ModuleText> text = Shelf::instance().text(bible, error);
    if (!text)
        return nullptr;
    return ModulePassageRows(*text, ModuleCatalogue(*text, *BuiltInBibleBooks()), passage);
}

} // namespace

QList<ComparedVerse> CompareBibles(const QStringList& bibles, const Passage& passage, QStringList* errors)
{
    QMap<int, ComparedVerse> byKey;  // ordered by chapter and verse
    for (int column = 0; column < bibles.size(); ++column) {
        QString error;
        const RecordsetPtr rows = rowsOf(bibles[column], passage, &error);
        if (!rows) {
            if (errors)
                *errors << error;
            continue;
        }
        const int chapter = rows->fieldIndex(QStringLiteral("Chapter"));
        const int verse = rows->fieldIndex(QStringLiteral("Sections"));
        const int text = rows->fieldIndex(QStringLiteral("Text"));
        for (int row = 0; row < rows->recordCount(); ++row) {
            const int c = rows->at(row, chapter).toInt(), v = rows->at(row, verse).toInt();
            ComparedVerse& compared = byKey[VerseKey(c, v)];
            compared.chapter = c;
            compared.verse = v;
            while (compared.texts.size() < bibles.size())
                compared.texts << QString();
            compared.texts[column] = rows->at(row, text).toString();
        }
    }
    return byKey.values();
}

} // namespace kivra
