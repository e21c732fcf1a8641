#pragma once
// The Bible the reading pane, the selectors, the searches and the commands follow: the built-in KJV
// or a Bible of the SWORD shelf. Passages stay named by their English books, so bookmarks, stories
// and exchange files are the same whichever Bible is read.
#include "reading/Passage.h"

#include <QString>
#include <memory>

namespace kivra {

class ModuleText;
class BookCatalogue;
class VerseTexts;

// The module name of the chosen Bible; empty for the built-in KJV.
QString ChosenBibleName();
// "King James Version" for the built-in one, the module's description for another.
QString ChosenBibleDescription();
QString BuiltInBibleDescription();
// Chooses the Bible by module name (any case), the empty name for the built-in one. False, with
// the reason in error, when the shelf has no usable Bible of that name; the choice then stays.
bool ChooseBible(const QString& name, QString* error = nullptr);
// The text of the chosen module; nullptr while the built-in Bible is chosen.
std::shared_ptr<const ModuleText> ChosenModuleText();

// The books of a module under the names our passages use: a book the built-in Bible has (by its
// OSIS abbreviation) takes that name and testament, any other the library's English name.
BookCatalogue ModuleCatalogue(const ModuleText& text, const BookCatalogue& builtIn);

// The verses of the passage the chosen Bible has no text for, as "3:16, 3:18"; empty when it has
// them all (the built-in Bible always has).
QString MissingVerses(const Passage& passage);

// The verses of a module's passage as the rows of the Bible table (ID, Testament,
// BookAbbreviation, Chapter, Sections, Text); no rows for a book the module does not have.
RecordsetPtr ModulePassageRows(const ModuleText& text, const BookCatalogue& books, const Passage& passage);

} // namespace kivra
