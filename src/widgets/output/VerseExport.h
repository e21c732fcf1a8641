#pragma once
// Export of the shown passage to RTF and printing of the reading pane or the selected result:
// the parts that need no main window.
#include "reading/Passage.h"

#include <QString>

class QFont;
class QTextDocument;
class QWidget;

namespace kivra {

// "Old Testament - Genesis Chapter 1 Section 1 to  Chapter 2 Section 3": no extension, and two
// blanks after "to" because " to " and " Chapter " meet.
QString ProposedRtfFileName(const Passage& passage);

// Asks where to save: the proposed name, the RTF filter and the title. No extension is added to
// the chosen name; an existing file is replaced only when the user agrees, and "No" goes back to the
// dialog. Empty on Cancel.
QString AskRtfFileName(QWidget* parent, const QString& proposedName, const QString& title);

// Writes the document as RTF to path; tells the user and returns false when the file cannot be written.
bool SaveDocumentAsRtf(const QTextDocument& document, const QString& path, QWidget* parent);

// Prints text in font on the default printer without a dialog, under the heading. Tells the user
// and returns false when there is no default printer or the job fails.
bool PrintOnDefaultPrinter(const QString& text, const QFont& font, QWidget* parent, const QString& heading = {});

} // namespace kivra

namespace kivra {
// The face verses print in: a small sans serif, whatever the reading pane shows.
QFont VersePrintFont();
// Prints the verses' plain text in the print font on the default printer.
bool PrintVerseText(const QString& text, QWidget* parent, const QString& heading = {});
// Shows the pages Print would print, laid out as it lays them out; from there the user may print
// them on a printer of their choice.
void PreviewVerseText(const QString& text, QWidget* parent, const QString& heading);
} // namespace kivra
