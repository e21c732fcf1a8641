#pragma once

#include <QString>

class QFont;
class QPrinter;

// Prints text in font within margins of 20 mm, wrapping long lines at word boundaries and continuing
// on further pages as needed. With a heading, each page carries it over the text and "Page n of N"
// under it; without one the pages hold the text alone. Returns false when nothing could be printed
// and, when error is given, says why there.
bool printPlainText(QPrinter& printer, const QString& text, const QFont& font, QString* error,
                    const QString& heading = {});

// The name of the system's default printer, or an empty string when there is none.
QString defaultPrinterName();
