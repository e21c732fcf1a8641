#pragma once
// The colour pairs the program picks itself, readable (a WCAG contrast of at least 4.5:1) under a
// light and a dark theme alike.
#include <QColor>

class QImage;
class QRect;

namespace kivra {

struct ColourPair {
    QColor text;
    QColor background;
};

constexpr double ReadableContrast = 4.5;

// Black or white, whichever reads better on background.
QColor TextColourOn(const QColor& background);
// The matches of a search, in the results and in the selected verse: dark text on yellow.
ColourPair MatchMarkColours();
// The reading panes. The shipped black follows a dark theme's own colours, unless paper is
// chosen; a colour the reader chose stays, put on paper where the theme's background would hide it.
ColourPair ReadingColours(const QColor& chosen, const QColor& themeText, const QColor& themeBase, bool paper);
// The mean colour of an area of a picture, for text laid over it.
QColor AverageColour(const QImage& picture, const QRect& area);

} // namespace kivra
