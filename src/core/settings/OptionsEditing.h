#pragma once
// The logic of the options window without the window: the sample text, the working copy of the
// font settings and the writing of the options row.
#include "settings/Options.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace kivra {

// The two sample verses as the passage view would show them with the given check-box values
// (1 ticked); newLine is the line break of the target (NewLine for the stored form).
QString SamplePreviewText(int insertNewLineAfterText, int showChapterSection, const QString& newLine);

// The options window's working copy of the font: seven texts, as the options row keeps them.
struct FontWorkingCopy {
    QString name;
    QString size;       // decimal text; may carry a fraction such as "10.5"
    QString bold;       // "True" / "False"
    QString italic;
    QString underline;
    QString strikethru;
    QString colour;     // decimal colour number

    static FontWorkingCopy fromOptions(const OptionValues& values);
    // The font the preview shows (a fractional size is kept).
    QFont font() const;
    QColor textColour() const;
    // Takes what the font dialog returned; the colour stays.
    void takeFont(const QFont& chosen);
    void takeColour(const QColor& chosen);
};

// The stored size: to the nearest whole number, halves to the even one (10.5 -> 10, 11.5 -> 12),
// kept within what a 16-bit field holds. A text that is no number gives 0.
int StoredFontSize(const QString& sizeText);

// Writes the nine display fields into the first tblOptions row and into options().
// False with a reason in error when the row cannot be written; no row at all is no error and
// writes nothing (rowFound tells which).
bool SaveOptionValues(int insertNewLineAfterText, int showChapterSection, const FontWorkingCopy& font,
                      bool* rowFound = nullptr, QString* error = nullptr);

} // namespace kivra
