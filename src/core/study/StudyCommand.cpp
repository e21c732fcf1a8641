#include "study/StudyCommand.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/ReferenceParser.h"
#include "reading/Search.h"
#include "shelf/Shelf.h"
#include "study/Commentary.h"
#include "study/Strongs.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>

namespace kivra {
namespace {

std::optional<StrongsNumber> numberOperand(const QString& text, QTextStream& err)
{
    const auto number = StrongsNumber::parse(text);
    if (!number)
        err << QCoreApplication::translate("StudyCommand", "\"%1\" is no Strong's number; write one such as H430 or G25.").arg(text) << '\n';
    return number;
}

} // namespace

int RunStrongsCommand(const QStringList& operands, QTextStream& out, QTextStream& err)
{
    if (operands.size() != 1) {
        err << QCoreApplication::translate("StudyCommand", "usage: strongs NUMBER (such as H430 or G25)") << '\n';
        return 2;
    }
    const auto number = numberOperand(operands[0], err);
    if (!number)
        return 2;
    QString error;
    const std::optional<LexiconEntry> entry = Lexicon::lookUp(*number, &error);
    if (!entry) {
        err << error << '\n';
        return 1;
    }
    QStringList heading = {entry->number.text(), entry->word, entry->transliteration};
    if (!entry->pronunciation.isEmpty())
        heading << QLatin1Char('(') + entry->pronunciation + QLatin1Char(')');
    heading.removeAll(QString());
    out << heading.join(QStringLiteral("  ")) << '\n' << entry->text << '\n';
    return 0;
}

int RunStrongsSearchCommand(const QStringList& operands, QIODevice& out, QTextStream& err)
{
    if (operands.size() != 1) {
        err << QCoreApplication::translate("StudyCommand", "usage: search --strongs NUMBER (with --bible NAME)") << '\n';
        return 2;
    }
    const auto number = numberOperand(operands[0], err);
    if (!number)
        return 2;
    const std::shared_ptr<const ModuleText> text = ChosenModuleText();
    const std::shared_ptr<const StrongsIndex> index = StrongsIndex::of(text);
    if (!index) {
        err << (text ? QCoreApplication::translate("StudyCommand", "%1 carries no Strong's numbers.").arg(text->info().name)
                     : QCoreApplication::translate("StudyCommand", "The built-in Bible carries no Strong's numbers; choose one that does with --bible "
                          "(see \"kivra-bible bibles\")."))
            << '\n';
        return 1;
    }
    const QList<int> entries = index->entriesWith(*number);
    QByteArray block;
    for (int entry : entries) {
        const ModuleText::Entry& e = text->entries()[size_t(entry)];
        block += text->books()[e.book].osisId.toUtf8() + ' ' + QByteArray::number(e.chapter) + ':'
                 + QByteArray::number(e.verse) + '\t' + text->text(entry) + '\n';
    }
    out.write(block);
    out.write((FoundStatusText(int(entries.size())) + QLatin1Char('\n')).toUtf8());
    return 0;
}

int RunCommentaryCommand(const QStringList& operands, QTextStream& out, QTextStream& err)
{
    if (operands.size() != 3 || operands[0] != QLatin1String("--module")) {
        err << QCoreApplication::translate("StudyCommand", "usage: commentary --module NAME REFERENCE") << '\n';
        return 2;
    }
    const QString& module = operands[1];
    const auto books = BibleBooks();
    Passage passage;
    QString error;
    if (!ParseReference(operands[2], *books, &passage, &error)) {
        err << error << '\n';
        return 2;
    }
    const BibleBook* book = books->bookNamed(passage.book);
    const std::optional<QList<CommentaryNote>> notes = Commentary::notes(module, book->abbreviation, passage, &error);
    if (!notes) {
        QStringList readable;
        for (const ModuleInfo& info : Shelf::instance().modulesOf(ModuleKind::Commentary))
            readable << info.name;
        err << error << ' '
            << (readable.isEmpty() ? QCoreApplication::translate("StudyCommand", "No SWORD commentary can be read.")
                                   : QCoreApplication::translate("StudyCommand", "Commentaries: %1.").arg(readable.join(QStringLiteral(", "))))
            << '\n';
        return 1;
    }
    if (notes->isEmpty()) {
        err << QCoreApplication::translate("StudyCommand", "%1 has no note on %2.").arg(module, ReferenceText(passage)) << '\n';
        return 0;
    }
    for (const CommentaryNote& note : *notes) {
        const Passage verses{passage.book, note.chapter, note.fromVerse, note.chapter, note.toVerse};
        out << ReferenceText(verses) << '\n' << note.plainText() << "\n\n";
    }
    return 0;
}

} // namespace kivra
