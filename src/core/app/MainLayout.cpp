#include "app/MainLayout.h"

#include <algorithm>

namespace kivra {
namespace {

// Collects assignments and refuses the first negative size, as a window system refuses one.
class Rules {
public:
    explicit Rules(MainLayout& out) : m_out(out) {}

    bool set(const char* control, LayoutAssignment::Property property, int value)
    {
        if (!m_out.complete)
            return false;
        const bool isSize = property == LayoutAssignment::Width || property == LayoutAssignment::Height;
        if (isSize && value < 0) {
            m_out.complete = false;
            return false;
        }
        m_out.assignments.append({QLatin1String(control), property, value});
        return true;
    }
    bool left(const char* c, int v) { return set(c, LayoutAssignment::Left, v); }
    bool top(const char* c, int v) { return set(c, LayoutAssignment::Top, v); }
    bool width(const char* c, int v) { return set(c, LayoutAssignment::Width, v); }
    bool height(const char* c, int v) { return set(c, LayoutAssignment::Height, v); }

private:
    MainLayout& m_out;
};

void horizontalRules(Rules& r, int W, const MainDesign& d)
{
    const int L = ContentLeft(d);
    const int inner = W - L - 16;  // a framed pane is 16 narrower than its frame
    r.left("lblTopHeading", (W - d.topHeadingWidth) / 2);
    r.width("imgTitleBar", W);
    r.width("lblNotesHeading", W - L);
    r.width("shpTitleBar", W - L);
    r.width("txtBibleText", inner);
    r.width("shpBibleText", W - L);
    r.width("shpSearchResults", W - L);
    r.width("dgdSearchResults", inner);
    r.width("shpSelectedVerse", W - L);
    r.width("txtSelectedSection", inner);
    r.width("shpBibleNotes", W - L);
    r.width("txtNotes", inner);
    r.width("wbrWebPanel", W - L);
    const int comboLeft = W - d.relatedVerseComboWidth - 16;
    r.left("cboRelatedVerse", comboLeft);
    r.left("lblRelatedVerse", comboLeft - 128);
}

void panelRules(Rules& r, int H, const MainDesign& d)
{
    const int panelHeight = H - d.tabImageHeight - 157;
    r.height("picVerseSelector", panelHeight);
    r.height("picBibleStorySelector", panelHeight);
    r.height("picBookmark", panelHeight);
    r.height("txtWordsFromGod", panelHeight - d.wordsFromGodTop);
    r.height("lstBibleStory", panelHeight - d.bibleStoryListTop);
    const int bookmarkNotesTop = panelHeight - d.bookmarkNotesHeight;  // bottom-aligned in its panel
    r.top("txtBookmarkNotes", bookmarkNotesTop);
    r.top("lblBookmarkNotes", bookmarkNotesTop - 16);
    r.height("lstBookmark", bookmarkNotesTop - 16 - d.bookmarkListTop - 17);
}

void contentRules(Rules& r, int H, const MainDesign& d)
{
    r.height("shpBibleText", H - d.bibleTextFrameTop - 130);
    r.height("txtBibleText", H - d.bibleTextTop - 130 - 16);
    const int resultsFrameHeight = H - d.bibleTextTop - 184;
    r.height("shpSearchResults", resultsFrameHeight);
    r.height("dgdSearchResults", resultsFrameHeight - 16);
    r.height("wbrWebPanel", H - d.bibleTextTop - 130);
    const int selectedTop = d.searchResultsFrameTop + resultsFrameHeight + 5;
    r.top("shpSelectedVerse", selectedTop);
    r.top("txtSelectedSection", selectedTop + 8);
    const int notesHeadingTop = H - d.notesHeadingHeight - d.notesHeight - 36 - 16;
    r.top("lblNotesHeading", notesHeadingTop);
    r.top("lblRelatedVerse", notesHeadingTop);
    r.top("cboRelatedVerse", notesHeadingTop - 2);
    const int notesFrameTop = notesHeadingTop + d.notesHeadingHeight + 5;
    r.top("shpBibleNotes", notesFrameTop);
    r.top("txtNotes", notesFrameTop + 8);
}

} // namespace

int ContentLeft(const MainDesign& design) { return design.verseSelectorPanelWidth + 33; }

MainLayout LayoutMainWindowGeometry(int W, int H, const MainDesign& d)
{
    MainLayout out;
    Rules r(out);
    // The status bar keeps to the bottom edge whatever happens to the rest.
    r.top("stbBible", H - d.statusBarHeight);
    r.width("stbBible", W);
    horizontalRules(r, W, d);
    panelRules(r, H, d);
    contentRules(r, H, d);
    return out;
}

// Four lines of the verse-of-the-day font, with the box's margins.
constexpr int MinimumVerseOfTheDayHeight = 64;

QSize MinimumMainWindowSize(const MainDesign& d)
{
    // Each rule holds from some size on; the first size at which all of them hold, per direction.
    constexpr int Roomy = 100000;
    int width = 0;
    while (!LayoutMainWindowGeometry(width, Roomy, d).complete)
        ++width;
    int height = 0;
    while (!LayoutMainWindowGeometry(Roomy, height, d).complete)
        ++height;
    // The verse of the day is the one box that shrinks to nothing first: keep a few lines of it.
    while (LayoutMainWindowGeometry(Roomy, height, d).apply(QStringLiteral("txtWordsFromGod"), QRect()).height()
           < MinimumVerseOfTheDayHeight)
        ++height;
    return {std::max(width, d.commandRowRight + d.rightMargin), height};
}

void ApplyAssignment(QRect& rect, LayoutAssignment::Property property, int value)
{
    switch (property) {
    case LayoutAssignment::Left: rect.moveLeft(value); break;
    case LayoutAssignment::Top: rect.moveTop(value); break;
    case LayoutAssignment::Width: rect.setWidth(value); break;
    case LayoutAssignment::Height: rect.setHeight(value); break;
    }
}

QRect MainLayout::apply(const QString& control, QRect before) const
{
    for (const LayoutAssignment& a : assignments)
        if (a.control == control)
            ApplyAssignment(before, a.property, a.value);
    return before;
}

} // namespace kivra
