#pragma once

#include <QString>

class QFont;
class QPrinter;

// Prints text in font, wrapping long lines at word boundaries and continuing on further pages as
// needed. Returns false when nothing could be printed and, when error is given, says why there.
bool printPlainText(QPrinter& printer, const QString& text, const QFont& font, QString* error);

// The name of the system's default printer, or an empty string when there is none.
QString defaultPrinterName();
