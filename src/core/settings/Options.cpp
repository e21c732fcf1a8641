#include "settings/Options.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <cmath>

namespace kivra {

OptionValues& options()
{
    static OptionValues values;
    return values;
}

bool LoadOptions()
{
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {}, QStringLiteral("="));
    if (!rs || rs->eof())
        return false;
    OptionValues& o = options();
    o.InsertNewLineAfterText = rs->integer(QStringLiteral("InsertNewLineAfterText"));
    o.ShowChapterSection = rs->integer(QStringLiteral("ShowChapterSection"));
    o.MemorizeMySettings = rs->integer(QStringLiteral("MemorizeMySettings"));
    o.DefaultFont = rs->text(QStringLiteral("DefaultFont"));
    o.DefaultFontSize = rs->integer(QStringLiteral("DefaultFontSize"));
    o.DefaultFontBold = rs->text(QStringLiteral("DefaultFontBold"));
    o.DefaultFontItalic = rs->text(QStringLiteral("DefaultFontItalic"));
    o.DefaultFontUnderline = rs->text(QStringLiteral("DefaultFontUnderline"));
    o.DefaultFontStrikethru = rs->text(QStringLiteral("DefaultFontStrikethru"));
    o.DefaultFontColor = rs->text(QStringLiteral("DefaultFontColor"));
    o.BookMarkTestament = rs->text(QStringLiteral("BookMarkTestament"));
    o.BookMarkBook = rs->text(QStringLiteral("BookMarkBook"));
    o.BookMarkChapter = rs->integer(QStringLiteral("BookMarkChapter"));
    o.BookMarkSection = rs->integer(QStringLiteral("BookMarkSection"));
    o.BookMarkToChapter = rs->integer(QStringLiteral("BookMarkToChapter"));
    o.BookMarkToSection = rs->integer(QStringLiteral("BookMarkToSection"));
    return true;
}

Passage LastPassage(const OptionValues& o)
{
    return {o.BookMarkBook, o.BookMarkChapter, o.BookMarkSection, o.BookMarkToChapter, o.BookMarkToSection};
}

bool SaveLastPassage(const Passage& shown)
{
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {}, QStringLiteral("="));
    if (!rs || rs->eof())
        return false;
    WritePassageFields(*rs, QStringLiteral("BookMark"), shown);
    return rs->Update();
}

bool OptionFlag(const QString& stored)
{
    const QString t = stored.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const int n = t.toInt(&isNumber);
    return isNumber && n != 0;
}

QString OptionFlagText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QColor ColourFromOption(const QString& stored)
{
    bool ok = false;
    const qint64 n = stored.trimmed().toLongLong(&ok);
    if (!ok || n < 0)
        return QColor(Qt::black);
    const quint32 v = quint32(n);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QString ColourToOption(const QColor& colour)
{
    const quint32 v = quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
    return QString::number(v);
}

QFont DefaultFontFromOptions(const OptionValues& o)
{
    QFont font;
    if (!o.DefaultFont.isEmpty())
        font.setFamily(o.DefaultFont);
    if (o.DefaultFontSize > 0)
        font.setPointSize(o.DefaultFontSize);
    font.setBold(OptionFlag(o.DefaultFontBold));
    font.setItalic(OptionFlag(o.DefaultFontItalic));
    font.setUnderline(OptionFlag(o.DefaultFontUnderline));
    font.setStrikeOut(OptionFlag(o.DefaultFontStrikethru));
    return font;
}

double RelativeLuminance(const QColor& colour)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableBackground(const QColor& text, const QColor& background)
{
    // The stored colour was chosen on a light page: a light theme keeps its own background whatever
    // the colour. Under a dark theme a colour that does not stand out gets paper to sit on.
    const bool darkTheme = RelativeLuminance(background) < 0.5;
    if (!darkTheme || ContrastRatio(text, background) >= 4.5)
        return background;
    return QColor(0xFA, 0xF8, 0xF2);
}

} // namespace kivra
