#include "reading/ChosenBible.h"

#include "reading/BookCatalogue.h"
#include "shelf/Shelf.h"

#include <QCoreApplication>

namespace kivra {
namespace {

struct Choice {
    QString name;
    std::shared_ptr<const ModuleText> text;
};

Choice& choice()
{
    static Choice chosen;
    return chosen;
}

} // namespace

QString ChosenBibleName()
{
    return choice().name;
}

QString BuiltInBibleDescription()
{
    return QCoreApplication::translate("kivra::ChosenBible", "King James Version");
}

QString ChosenBibleDescription()
{
    return choice().text ? choice().text->info().description : BuiltInBibleDescription();
}

std::shared_ptr<const ModuleText> ChosenModuleText()
{
    return choice().text;
}

bool ChooseBible(const QString& name, QString* error)
{
    if (name.isEmpty()) {
        choice() = {};
        return true;
    }
    QString reason;
    const ModuleInfo* info = Shelf::instance().module(name);
    if (!info || info->kind != ModuleKind::Bible) {
        reason = QCoreApplication::translate("kivra::ChosenBible", "there is no Bible called %1").arg(name);
    } else if (auto text = Shelf::instance().text(info->name, &reason)) {
        choice() = {info->name, text};
        return true;
    }
    if (error)
        *error = reason;
    return false;
}

BookCatalogue ModuleCatalogue(const ModuleText& text, const BookCatalogue& builtIn)
{
    BookCatalogue catalogue;
    catalogue.m_testaments = builtIn.testaments();
    const auto testamentAt = [&](bool newTestament) {
        const int at = newTestament ? 1 : 0;
        return at < catalogue.m_testaments.size() ? catalogue.m_testaments[at] : Testament{};
    };
    for (const ModuleBook& moduleBook : text.books()) {
        BibleBook book;
        book.abbreviation = moduleBook.osisId;
        book.verseCounts = moduleBook.verseCounts;
        if (const BibleBook* known = builtIn.bookAbbreviated(moduleBook.osisId)) {
            book.name = known->name;
            book.testament = known->testament;
        } else {
            book.name = moduleBook.name;
            book.testament = testamentAt(moduleBook.newTestament);
        }
        catalogue.m_books << book;
    }
    return catalogue;
}

RecordsetPtr ModulePassageRows(const ModuleText& text, const BookCatalogue& books, const Passage& passage)
{
    QList<QList<QVariant>> rows;
    const BibleBook* book = books.bookNamed(passage.book);
    const int bookIndex = book ? text.bookIndex(book->abbreviation) : -1;
    if (bookIndex >= 0) {
        for (int i = text.firstFrom(bookIndex, passage.fromChapter, passage.fromVerse); i < text.size(); ++i) {
            const ModuleText::Entry& e = text.entries()[size_t(i)];
            if (e.book != bookIndex || VerseKey(e.chapter, e.verse) > passage.toKey())
                break;
            rows.append({i + 1, book->testament.word, book->abbreviation, e.chapter, e.verse,
                         QString::fromUtf8(text.text(i))});
        }
    }
    return Recordset::fromRows({QStringLiteral("ID"), QStringLiteral("Testament"), QStringLiteral("BookAbbreviation"),
                                QStringLiteral("Chapter"), QStringLiteral("Sections"), QStringLiteral("Text")},
                               rows);
}

QString MissingVerses(const Passage& passage)
{
    const std::shared_ptr<const ModuleText> text = ChosenModuleText();
    const auto books = BibleBooks();
    const BibleBook* book = books->bookNamed(passage.book);
    if (!text || !book)
        return {};
    const int bookIndex = text->bookIndex(book->abbreviation);
    QStringList missing;
    for (int chapter = passage.fromChapter; chapter <= passage.toChapter; ++chapter) {
        const int first = chapter == passage.fromChapter ? passage.fromVerse : 1;
        const int last = chapter == passage.toChapter ? passage.toVerse : book->verses(chapter);
        for (int verse = first; verse <= last; ++verse)
            if (book->hasVerse(chapter, verse) && text->find(bookIndex, chapter, verse) < 0)
                missing << QStringLiteral("%1:%2").arg(chapter).arg(verse);
    }
    return missing.join(QStringLiteral(", "));
}

} // namespace kivra
