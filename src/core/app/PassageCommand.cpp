#include "app/PassageCommand.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/LocalBookNames.h"
#include "reading/Passage.h"
#include "reading/ReferenceParser.h"
#include "resources/Strings.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QTextStream>

namespace kivra {

bool PassageText(const Passage& passage, QString* text, QString* error)
{
    if (!PassageExists(passage)) {
        *error = QCoreApplication::translate("PassageCommand", "%1 has no verse range %2:%3-%4:%5.")
                     .arg(passage.book, QString::number(passage.fromChapter), QString::number(passage.fromVerse),
                          QString::number(passage.toChapter), QString::number(passage.toVerse));
        return false;
    }
    auto verses = QueryPassage(passage);
    if (!verses) {
        *error = QCoreApplication::translate("PassageCommand", "The Bible database could not be read.");
        return false;
    }
    if (verses->recordCount() == 0) {
        *error = QCoreApplication::translate("PassageCommand", "%1 has no text for %2.").arg(ChosenBibleDescription(), PassageStatusText(passage));
        return false;
    }
    *text = RenderPassage(*verses, options(), QStringLiteral("\n"));
    const QString missing = MissingVerses(passage);
    if (!missing.isEmpty())
        QTextStream(stderr) << LoadResString(Message::VersesMissing).arg(ChosenBibleDescription(), ShownBookName(passage.book), missing)
                            << '\n';
    return true;
}

bool PassageTextForArguments(const QStringList& arguments, QString* text, QString* error)
{
    Passage passage;
    if (arguments.size() != 3 || !ParseVerseRange(arguments[2], &passage)) {
        *error = QCoreApplication::translate("PassageCommand", "Not a verse range: %1.").arg(arguments.value(2));
        return false;
    }
    const QString& testamentName = arguments[0];
    const auto books = BibleBooks();
    const Testament* testament = books->testamentNamed(testamentName);
    if (!testament) {
        *error = QCoreApplication::translate("PassageCommand", "No testament \"%1\".").arg(testamentName);
        return false;
    }
    const BibleBook* book = books->bookNamed(arguments[1]);
    if (!book || book->testament.word != testament->word) {
        *error = QCoreApplication::translate("PassageCommand", "No book \"%1\" in the %2.")
                     .arg(arguments[1], testamentName);
        return false;
    }
    passage.book = book->name;
    return PassageText(passage, text, error);
}

int RunPassageCommand(const QStringList& operands)
{
    QString text, error;
    if (operands.size() == 1) {  // one typed reference, as in the go-to box
        Passage reference;
        if (!ParseReference(operands[0], *BibleBooks(), &reference, &error)) {
            QTextStream(stderr) << LoadResString(Message::ReferenceNotShown).arg(operands[0].trimmed(), error) << '\n';
            return 2;
        }
        if (!PassageText(reference, &text, &error)) {
            QTextStream(stderr) << error << '\n';
            return 2;
        }
    } else if (!PassageTextForArguments(operands, &text, &error)) {
        QTextStream(stderr) << error << '\n';
        return 2;
    }
    QTextStream out(stdout);
    out << text;
    if (!text.endsWith(QLatin1Char('\n')))
        out << '\n';
    return 0;
}

} // namespace kivra
