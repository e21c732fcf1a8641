#include "settings/ThemeColours.h"

#include "settings/Options.h"

#include <QImage>
#include <QRect>

namespace kivra {

QColor TextColourOn(const QColor& background)
{
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

ColourPair MatchMarkColours()
{
    const QColor mark(255, 236, 110);
    return {TextColourOn(mark), mark};
}

ColourPair ReadingColours(const QColor& chosen, const QColor& themeText, const QColor& themeBase, bool paper)
{
    const bool darkTheme = RelativeLuminance(themeBase) < 0.5;
    if (darkTheme && chosen == QColor(Qt::black))
        return paper ? ColourPair{chosen, ReadableBackground(chosen, themeBase)} : ColourPair{themeText, themeBase};
    return {chosen, ReadableBackground(chosen, themeBase)};
}

QColor AverageColour(const QImage& picture, const QRect& area)
{
    const QRect inside = area & picture.rect();
    if (inside.isEmpty())
        return {};
    double red = 0, green = 0, blue = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red += c.redF();
            green += c.greenF();
            blue += c.blueF();
        }
    const double n = double(inside.width()) * inside.height();
    return QColor::fromRgbF(float(red / n), float(green / n), float(blue / n));
}

} // namespace kivra
