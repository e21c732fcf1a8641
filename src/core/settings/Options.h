#pragma once
// The display options and the last passage read, kept in the single row of tblOptions.
#include "reading/Passage.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace kivra {

struct OptionValues {
    int InsertNewLineAfterText = 0;
    int ShowChapterSection = 0;
    int MemorizeMySettings = 0;
    QString DefaultFont;
    int DefaultFontSize = 0;
    QString DefaultFontBold;
    QString DefaultFontItalic;
    QString DefaultFontUnderline;
    QString DefaultFontStrikethru;
    QString DefaultFontColor;
    QString BookMarkTestament;
    QString BookMarkBook;
    int BookMarkChapter = 0;
    int BookMarkSection = 0;
    int BookMarkToChapter = 0;
    int BookMarkToSection = 0;
};

OptionValues& options();

// Reads the first row of tblOptions into options(); false (and nothing changed) when there is no row.
bool LoadOptions();

// The passage last read, in the selectors' form.
Passage LastPassage(const OptionValues& values);
// Keeps the shown passage in the options row for the next start; false when there is no row or it
// could not be written.
bool SaveLastPassage(const Passage& shown);

// The text of a stored Boolean ("True"/"False", or a number) as a bool.
bool OptionFlag(const QString& stored);
QString OptionFlagText(bool value);

// Colours are stored as the decimal number of 0x00BBGGRR.
QColor ColourFromOption(const QString& stored);
QString ColourToOption(const QColor& colour);

// Text colour contrast (WCAG) and the background the stored text colour is shown on: the theme's,
// or paper under a dark theme where the colour would not stand out.
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);
QColor ReadableBackground(const QColor& text, const QColor& background);

// The default font of the reading panes, from the option values.
QFont DefaultFontFromOptions(const OptionValues& values);

} // namespace kivra
