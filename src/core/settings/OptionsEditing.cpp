#include "settings/OptionsEditing.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <algorithm>
#include <cmath>

namespace kivra {

QString SamplePreviewText(int insertNewLineAfterText, int showChapterSection, const QString& newLine)
{
    QString verseA = QStringLiteral(
        "But God commendeth his love toward us, in that, while we were yet sinners, Christ died for us.");
    QString verseB = QStringLiteral(
        "Much more then, being now justified by his blood, we shall be saved from wrath through him.");
    const QString separator = insertNewLineAfterText == 1 ? newLine + newLine : QString();
    if (showChapterSection == 1) {
        verseA += QStringLiteral("(5:8) ");
        verseB += QStringLiteral("(5:9) ");
    }
    return verseA + separator + verseB;
}

FontWorkingCopy FontWorkingCopy::fromOptions(const OptionValues& o)
{
    return {o.DefaultFont,          QString::number(o.DefaultFontSize), o.DefaultFontBold, o.DefaultFontItalic,
            o.DefaultFontUnderline, o.DefaultFontStrikethru,            o.DefaultFontColor};
}

QFont FontWorkingCopy::font() const
{
    QFont f;
    if (!name.isEmpty())
        f.setFamily(name);
    bool ok = false;
    const double points = size.toDouble(&ok);
    if (ok && points > 0)
        f.setPointSizeF(points);
    f.setBold(OptionFlag(bold));
    f.setItalic(OptionFlag(italic));
    f.setUnderline(OptionFlag(underline));
    f.setStrikeOut(OptionFlag(strikethru));
    return f;
}

QColor FontWorkingCopy::textColour() const { return ColourFromOption(colour); }

void FontWorkingCopy::takeFont(const QFont& chosen)
{
    name = chosen.family();
    size = QString::number(chosen.pointSizeF() > 0 ? chosen.pointSizeF() : double(chosen.pointSize()));
    bold = OptionFlagText(chosen.bold());
    italic = OptionFlagText(chosen.italic());
    underline = OptionFlagText(chosen.underline());
    strikethru = OptionFlagText(chosen.strikeOut());
}

void FontWorkingCopy::takeColour(const QColor& chosen)
{
    colour = ColourToOption(chosen);
}

int StoredFontSize(const QString& sizeText)
{
    bool ok = false;
    const double value = sizeText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);  // a half goes to the even neighbour
    return int(std::clamp(rounded, -32768.0, 32767.0));
}

bool SaveOptionValues(int insertNewLineAfterText, int showChapterSection, const FontWorkingCopy& font,
                      bool* rowFound, QString* error)
{
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {}, QStringLiteral("="));
    if (rowFound)
        *rowFound = rs && !rs->eof();
    if (!rs || rs->eof())
        return true;
    OptionValues values = options();
    values.InsertNewLineAfterText = insertNewLineAfterText;
    values.ShowChapterSection = showChapterSection;
    values.DefaultFont = font.name;
    values.DefaultFontSize = StoredFontSize(font.size);
    values.DefaultFontBold = font.bold;
    values.DefaultFontItalic = font.italic;
    values.DefaultFontUnderline = font.underline;
    values.DefaultFontStrikethru = font.strikethru;
    values.DefaultFontColor = font.colour;

    rs->setValue(QStringLiteral("InsertNewLineAfterText"), values.InsertNewLineAfterText);
    rs->setValue(QStringLiteral("ShowChapterSection"), values.ShowChapterSection);
    rs->setValue(QStringLiteral("DefaultFont"), values.DefaultFont);
    rs->setValue(QStringLiteral("DefaultFontSize"), values.DefaultFontSize);
    rs->setValue(QStringLiteral("DefaultFontBold"), values.DefaultFontBold);
    rs->setValue(QStringLiteral("DefaultFontItalic"), values.DefaultFontItalic);
    rs->setValue(QStringLiteral("DefaultFontUnderline"), values.DefaultFontUnderline);
    rs->setValue(QStringLiteral("DefaultFontStrikethru"), values.DefaultFontStrikethru);
    rs->setValue(QStringLiteral("DefaultFontColor"), values.DefaultFontColor);
    if (!rs->Update(error))
        return false;
    // The program shows what is stored only once the row holds it.
    options() = values;
    return true;
}

} // namespace kivra
