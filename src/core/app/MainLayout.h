#pragma once
// Geometry of the main window as a pure function of its inner size, so the resize rules can be
// checked without a window. The result is a list of property assignments in the order the rules
// make them; a value that no control can take (a negative width or height on a very small window)
// ends the list there, and the controls not yet reached keep whatever geometry they had.
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace kivra {

// Design-time sizes and positions the rules read; they match what MainWindow creates.
struct MainDesign {
    int verseSelectorPanelWidth = 233;  // picVerseSelector
    int topHeadingWidth = 404;          // lblTopHeading
    int relatedVerseComboWidth = 193;   // cboRelatedVerse
    int tabImageHeight = 50;            // imgVerseSelector
    int wordsFromGodTop = 292;          // txtWordsFromGod, inside its panel
    int bibleStoryListTop = 46;         // lstBibleStory, inside its panel
    int bookmarkListTop = 46;           // lstBookmark, inside its panel
    int bookmarkNotesHeight = 80;       // txtBookmarkNotes
    int bibleTextFrameTop = 88;         // shpBibleText
    int bibleTextTop = 96;              // txtBibleText
    int searchResultsFrameTop = 88;     // shpSearchResults
    int notesHeadingHeight = 16;        // lblNotesHeading
    int notesHeight = 57;               // txtNotes
    int statusBarHeight = 25;           // stbBible
    int commandRowRight = 884;          // right edge of lblAbout, the last of the fixed command row
    int rightMargin = 16;               // room kept right of the command row
};

struct LayoutAssignment {
    enum Property { Left, Top, Width, Height };
    QString control;  // objectName
    Property property;
    int value;
};

struct MainLayout {
    QList<LayoutAssignment> assignments;  // in rule order
    bool complete = true;                 // false when a rule stopped the layout

    // The geometry a control ends with when it had `before` and the assignments are applied.
    QRect apply(const QString& control, QRect before) const;
};

// The content area starts at this x: the panel width plus the gap to the right column.
int ContentLeft(const MainDesign& design = {});

MainLayout LayoutMainWindowGeometry(int W, int H, const MainDesign& design = {});

// The smallest inner size at which every rule still applies and the command row stays whole.
QSize MinimumMainWindowSize(const MainDesign& design = {});

// Sets one property of a rectangle (the way the assignments change a widget's geometry).
void ApplyAssignment(QRect& rect, LayoutAssignment::Property property, int value);

} // namespace kivra
