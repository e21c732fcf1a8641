// The main window's geometry: the pure rules, and the real window following them on resize.
#include "app/MainLayout.h"
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/Fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

namespace {

// Starting geometries as MainWindow creates them; the rules change these.
const QList<std::pair<QString, QRect>> kDesign = {
    {"lblTopHeading", {248, 2, 404, 19}},       {"imgTitleBar", {0, 0, 1280, 23}},
    {"shpTitleBar", {248, 61, 633, 25}},        {"lblNotesHeading", {248, 480, 633, 16}},
    {"shpBibleText", {248, 88, 633, 393}},      {"txtBibleText", {256, 96, 617, 377}},
    {"shpSearchResults", {248, 88, 633, 329}},  {"dgdSearchResults", {256, 96, 617, 313}},
    {"shpSelectedVerse", {248, 424, 633, 57}},  {"txtSelectedSection", {256, 432, 617, 41}},
    {"shpBibleNotes", {248, 496, 633, 73}},     {"txtNotes", {256, 504, 617, 57}},
    {"wbrWebPanel", {248, 88, 633, 393}},       {"lblRelatedVerse", {568, 480, 120, 16}},
    {"cboRelatedVerse", {688, 472, 193, 21}},   {"picVerseSelector", {8, 176, 233, 393}},
    {"picBookmark", {8, 176, 233, 393}},        {"picBibleStorySelector", {8, 176, 233, 393}},
    {"txtWordsFromGod", {0, 292, 233, 101}},    {"lstBibleStory", {0, 46, 233, 347}},
    {"lstBookmark", {0, 46, 233, 234}},         {"lblBookmarkNotes", {0, 297, 233, 16}},
    {"txtBookmarkNotes", {0, 313, 233, 80}},    {"stbBible", {0, 575, 900, 25}},
};

QMap<QString, QRect> geometryAt(int W, int H)
{
    const MainLayout layout = LayoutMainWindowGeometry(W, H);
    QMap<QString, QRect> out;
    for (const auto& [name, rect] : kDesign)
        out[name] = layout.apply(name, rect);
    return out;
}

} // namespace

TEST(MainLayout, WiderByHundredWidensTheContentAreaAndMovesTheRelatedBookmark)
{
    const auto a = geometryAt(900, 600);
    const auto b = geometryAt(1000, 600);
    for (const char* widened : {"shpTitleBar", "lblNotesHeading", "shpBibleText", "txtBibleText", "shpSearchResults",
                                "dgdSearchResults", "shpSelectedVerse", "txtSelectedSection", "shpBibleNotes",
                                "txtNotes", "wbrWebPanel", "stbBible"}) {
        EXPECT_EQ(b[widened].width(), a[widened].width() + 100) << widened;
        EXPECT_EQ(b[widened].left(), a[widened].left()) << widened;
        EXPECT_EQ(b[widened].height(), a[widened].height()) << widened;
    }
    for (const char* moved : {"cboRelatedVerse", "lblRelatedVerse"})
        EXPECT_EQ(b[moved].left(), a[moved].left() + 100) << moved;
    EXPECT_EQ(a["lblTopHeading"].left(), 248);  // centred over 900
    EXPECT_EQ(b["lblTopHeading"].left(), 298);
    EXPECT_EQ(b["imgTitleBar"].width(), 1000);
    // Each framed pane sits 8 inside a frame 16 wider.
    for (auto [frame, pane] : {std::pair{"shpBibleText", "txtBibleText"}, {"shpSearchResults", "dgdSearchResults"},
                               {"shpSelectedVerse", "txtSelectedSection"}, {"shpBibleNotes", "txtNotes"}}) {
        EXPECT_EQ(b[pane].width(), b[frame].width() - 16) << pane;
        EXPECT_EQ(b[pane].left(), b[frame].left() + 8) << pane;
    }
    // The left column never moves sideways.
    EXPECT_EQ(b["picVerseSelector"], a["picVerseSelector"]);
}

TEST(MainLayout, TallerByFiftyLengthensPanesAndMovesTheLowerBoxesDown)
{
    const auto a = geometryAt(900, 600);
    const auto b = geometryAt(900, 650);
    for (const char* longer : {"picVerseSelector", "picBookmark", "picBibleStorySelector", "txtWordsFromGod",
                               "lstBibleStory", "lstBookmark", "shpBibleText", "txtBibleText", "shpSearchResults",
                               "dgdSearchResults", "wbrWebPanel"}) {
        EXPECT_EQ(b[longer].height(), a[longer].height() + 50) << longer;
        EXPECT_EQ(b[longer].top(), a[longer].top()) << longer;
    }
    for (const char* lower : {"lblNotesHeading", "shpBibleNotes", "txtNotes", "lblRelatedVerse", "cboRelatedVerse",
                              "shpSelectedVerse", "txtSelectedSection", "txtBookmarkNotes", "lblBookmarkNotes",
                              "stbBible"}) {
        EXPECT_EQ(b[lower].top(), a[lower].top() + 50) << lower;
        EXPECT_EQ(b[lower].height(), a[lower].height()) << lower;
    }
}

TEST(MainLayout, AreasStackWithoutOverlapAtTheDesignSize)
{
    for (auto [W, H] : {std::pair{900, 600}, {1280, 800}, {1000, 650}}) {
        const auto g = geometryAt(W, H);
        // reading frame, then the notes heading, the notes frame, the status bar
        EXPECT_LT(g["shpBibleText"].bottom(), g["lblNotesHeading"].top()) << W << "x" << H;
        EXPECT_LT(g["shpBibleNotes"].bottom(), g["stbBible"].top());
        EXPECT_EQ(g["stbBible"].bottom(), H - 1);
        // the results grid and the selected verse end where the reading frame ends
        EXPECT_LT(g["shpSearchResults"].bottom(), g["shpSelectedVerse"].top());
        EXPECT_EQ(g["shpSelectedVerse"].bottom(), g["shpBibleText"].bottom());
        EXPECT_LE(g["txtBibleText"].bottom(), g["shpBibleText"].bottom());
        EXPECT_LE(g["wbrWebPanel"].bottom(), g["shpBibleText"].bottom());
        // panels end above the status bar; the bookmark notes stay at the panel's bottom
        EXPECT_LT(g["picVerseSelector"].bottom(), g["stbBible"].top());
        EXPECT_EQ(g["txtBookmarkNotes"].bottom(), g["picBookmark"].height() - 1);
        EXPECT_LT(g["lstBookmark"].bottom(), g["lblBookmarkNotes"].top());
        EXPECT_LE(g["cboRelatedVerse"].right(), W - 16);
    }
}

TEST(MainLayout, ASmallWindowStopsTheLayoutQuietly)
{
    // Too narrow: the title strip is set, the first pane width would be negative and ends the rules.
    MainLayout narrow = LayoutMainWindowGeometry(200, 600);
    EXPECT_FALSE(narrow.complete);
    EXPECT_TRUE(narrow.touches("imgTitleBar"));
    EXPECT_FALSE(narrow.touches("lblNotesHeading"));
    EXPECT_FALSE(narrow.touches("picVerseSelector"));

    // Wide enough but too low: every width is set, the heights stop at the panels.
    MainLayout low = LayoutMainWindowGeometry(900, 150);
    EXPECT_FALSE(low.complete);
    EXPECT_TRUE(low.touches("cboRelatedVerse"));
    EXPECT_FALSE(low.touches("picVerseSelector"));

    for (auto [W, H] : {std::pair{0, 0}, {1, 1}, {266, 207}, {300, 300}, {-5, -5}}) {
        const MainLayout layout = LayoutMainWindowGeometry(W, H);
        for (const LayoutAssignment& a : layout.assignments) {
            if (a.property == LayoutAssignment::Width || a.property == LayoutAssignment::Height) {
                EXPECT_GE(a.value, 0) << a.control.toStdString() << " at " << W << "x" << H;
            }
        }
    }
    // The smallest size that still completes: the verse-of-the-day box needs its panel 292 high.
    EXPECT_TRUE(LayoutMainWindowGeometry(282, 499).complete);
    EXPECT_FALSE(LayoutMainWindowGeometry(281, 499).complete);
    EXPECT_FALSE(LayoutMainWindowGeometry(282, 498).complete);
}

class MainWindowLayout : public ::testing::Test {
protected:
    test::TempProgramFolder folder;
};

TEST_F(MainWindowLayout, TheWindowFollowsTheRulesOnEveryResize)
{
    ASSERT_TRUE(folder.ok());
    MainWindow w;
    ASSERT_TRUE(w.load());
    w.restoreLastPassage();
    w.show();

    // The rules read design sizes; they must be those the window really has.
    const MainDesign d;
    EXPECT_EQ(Child<QWidget>(w, "picVerseSelector")->width(), d.verseSelectorPanelWidth);
    EXPECT_EQ(Child<QLabel>(w, "lblTopHeading")->width(), d.topHeadingWidth);
    EXPECT_EQ(Child<QComboBox>(w, "cboRelatedVerse")->width(), d.relatedVerseComboWidth);
    EXPECT_EQ(Child<QToolButton>(w, "imgVerseSelector")->height(), d.tabImageHeight);
    EXPECT_EQ(Child<QPlainTextEdit>(w, "txtWordsFromGod")->y(), d.wordsFromGodTop);
    EXPECT_EQ(Child<QListWidget>(w, "lstBibleStory")->y(), d.bibleStoryListTop);
    EXPECT_EQ(Child<QListWidget>(w, "lstBookmark")->y(), d.bookmarkListTop);
    EXPECT_EQ(Child<QPlainTextEdit>(w, "txtBookmarkNotes")->height(), d.bookmarkNotesHeight);
    EXPECT_EQ(Child<QFrame>(w, "shpBibleText")->y(), d.bibleTextFrameTop);
    EXPECT_EQ(Child<QTextEdit>(w, "txtBibleText")->y(), d.bibleTextTop);
    EXPECT_EQ(Child<QFrame>(w, "shpSearchResults")->y(), d.searchResultsFrameTop);
    EXPECT_EQ(Child<QLabel>(w, "lblNotesHeading")->height(), d.notesHeadingHeight);
    EXPECT_EQ(Child<QPlainTextEdit>(w, "txtNotes")->height(), d.notesHeight);
    EXPECT_EQ(Child<QStatusBar>(w, "stbBible")->height(), d.statusBarHeight);

    auto check = [&](int W, int H) {
        w.resize(W, H);
        QCoreApplication::processEvents();
        ASSERT_EQ(w.size(), QSize(W, H));
        const auto expected = geometryAt(W, H);
        for (const char* name : {"txtBibleText", "shpBibleText", "dgdSearchResults", "txtNotes", "shpBibleNotes",
                                 "cboRelatedVerse", "lblTopHeading", "picVerseSelector", "txtWordsFromGod",
                                 "txtBookmarkNotes", "lstBookmark", "stbBible", "wbrWebPanel"})
            EXPECT_EQ(w.findChild<QWidget*>(name)->geometry(), expected[name]) << name << " at " << W << "x" << H;
    };
    EXPECT_EQ(w.findChild<QWidget*>("lblAbout")->geometry().right() + 1, d.commandRowRight);
    check(1000, 650);
    // The window does not go below the size the rules hold for: the reading pane, the notes and the
    // status bar keep their order, and the command row stays whole.
    w.resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_TRUE(LayoutMainWindowGeometry(w.width(), w.height()).complete) << w.width() << "x" << w.height();
    EXPECT_LT(Child<QFrame>(w, "shpBibleText")->geometry().bottom(), Child<QLabel>(w, "lblNotesHeading")->y());
    EXPECT_LT(Child<QFrame>(w, "shpBibleNotes")->geometry().bottom(), Child<QStatusBar>(w, "stbBible")->y());
    EXPECT_EQ(Child<QStatusBar>(w, "stbBible")->geometry().bottom(), w.height() - 1);
    EXPECT_LT(w.findChild<QWidget*>("lblAbout")->geometry().right(), w.width());
    check(1280, 800);
    check(900, 600);
}
