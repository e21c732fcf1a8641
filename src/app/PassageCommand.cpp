#include "app/PassageCommand.h"

#include "reading/Passage.h"
#include "reading/ReferenceParser.h"
#include "resources/Strings.h"
#include "reading/SelectorData.h"
#include "reading/PassageChoice.h"
#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QTextStream>

namespace kivra {

bool PassageTextFor(const PassageChoice& choice, QString* text, QString* error)
{
    auto testament = GetADORecordSetByQueryString(
        BibleConnection(),
        QStringLiteral("SELECT \"DataFieldInternalName\" FROM \"tblSettings_ComboBox_Double_Value\" "
                       "WHERE \"DataFieldCategory\" = 'Testament' AND \"DataFieldExternalName\" = ?"),
        {choice.testament});
    if (!testament || testament->eof()) {
        *error = QStringLiteral("No testament \"%1\".").arg(choice.testament);
        return false;
    }
    auto book = GetADORecordSetByQueryString(
        BibleConnection(),
        QStringLiteral("SELECT \"BookAbbreviation\" FROM \"tblBibleBook\" WHERE \"Book\" = ? AND \"Testament\" = ?"),
        {choice.book, TestamentWord(choice.testament)});
    if (!book || book->eof()) {
        *error = QStringLiteral("No book \"%1\" in the %2.").arg(choice.book, choice.testament);
        return false;
    }
    PassageKey key;
    key.testamentWord = testament->text(QStringLiteral("DataFieldInternalName"));
    key.bookAbbreviation = book->text(QStringLiteral("BookAbbreviation"));
    key.fromChapter = choice.fromChapter.toInt();
    key.fromSection = choice.fromSection.toInt();
    key.toChapter = choice.toChapter.toInt();
    key.toSection = choice.toSection.toInt();
    if (!PassageRangeExists(key)) {
        *error = QStringLiteral("%1 has no verse range %2:%3-%4:%5.")
                     .arg(choice.book, choice.fromChapter, choice.fromSection, choice.toChapter, choice.toSection);
        return false;
    }
    auto verses = QueryPassage(key);
    if (!verses) {
        *error = QStringLiteral("The Bible database could not be read.");
        return false;
    }
    *text = RenderPassage(*verses, options(), QStringLiteral("\n"));
    return true;
}

bool PassageTextForArguments(const QStringList& arguments, QString* text, QString* error)
{
    int fc = 0, fs = 0, tc = 0, ts = 0;
    if (arguments.size() != 3 || !ParseVerseRange(arguments[2], &fc, &fs, &tc, &ts)) {
        *error = QStringLiteral("Not a verse range: %1.").arg(arguments.value(2));
        return false;
    }
    const PassageChoice choice{arguments[0],        arguments[1],        QString::number(fc),
                               QString::number(fs), QString::number(tc), QString::number(ts)};
    return PassageTextFor(choice, text, error);
}

int RunPassageCommand(const QStringList& operands)
{
    QString text, error;
    if (operands.size() == 1) {  // one typed reference, as in the go-to box
        BibleReference reference;
        if (!ParseReference(operands[0], LoadBookCatalogue(), &reference, &error)) {
            QTextStream(stderr) << LoadResString(Message::ReferenceNotShown).arg(operands[0].trimmed(), error) << '\n';
            return 2;
        }
        if (!PassageTextFor(ChoiceFor(reference), &text, &error)) {
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
