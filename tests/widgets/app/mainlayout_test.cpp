// What a user sees of the main window at any size: controls inside the window and clear of each
// other, a title strip without gaps, every button with a tooltip, and every button of it and its
// windows with a picture.
#include "app/MainWindow.h"
#include "bookmarks/BookmarkEditor.h"
#include "reading/AdvancedSearchDialog.h"
#include "settings/OptionsDialog.h"
#include "stories/StoryEditor.h"
#include "stories/StoryViewer.h"
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

// Pixels that are not (almost) transparent: a blank picture means a missing or unreadable SVG.
int visiblePixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 16;
    return count;
}

// Two visible siblings may be apart, or one may hold the other (a frame round its pane, a caption on
// the title strip); a partial overlap hides part of a control. The Pray button is drawn over the
// title bar's frame by design.
void expectInsideAndApart(const QWidget* parent, const QString& size)
{
    QList<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow() && !child->objectName().isEmpty()
            && !child->objectName().startsWith(QStringLiteral("qt_")))  // Qt's own parts of a control
            shown << child;
    for (const QWidget* a : shown) {
        const std::string name = a->objectName().toStdString();
        EXPECT_TRUE(parent->rect().contains(a->geometry())) << name << " at " << size.toStdString();
        for (const QWidget* b : shown) {
            const QRect common = a->geometry() & b->geometry();
            const QStringList pair = {a->objectName(), b->objectName()};
            const bool byDesign = pair.contains(QStringLiteral("imgWeb")) && pair.contains(QStringLiteral("shpTitleBar"));
            if (a != b && !common.isEmpty() && !byDesign) {
                EXPECT_TRUE(common == a->geometry() || common == b->geometry())
                    << name << " and " << b->objectName().toStdString() << " at " << size.toStdString();
            }
        }
        expectInsideAndApart(a, size);
    }
}

class MainWindowLooks : public ::testing::Test {
protected:
    test::TempProgramFolder folder;
    MainWindow w;
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        ASSERT_TRUE(w.load());
        w.restoreLastPassage();
        w.show();
    }
    void resize(QSize size)
    {
        w.resize(size);
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindowLooks, ControlsStayInsideTheWindowAndClearOfEachOtherAtAnySize)
{
    // The smallest the window lets itself be made, the usual size, and a large screen.
    for (const QSize size : {QSize(100, 100), QSize(1000, 650), QSize(1900, 1150)}) {
        resize(size);
        const QString shown = QStringLiteral("%1x%2").arg(w.width()).arg(w.height());
        for (QToolButton* tab : {test::Child<QToolButton>(w, "imgVerseSelector"), test::Child<QToolButton>(w, "imgBookmark"),
                                  test::Child<QToolButton>(w, "imgBibleStory")}) {
            QTest::mouseClick(tab, Qt::LeftButton);
            expectInsideAndApart(w.centralWidget(), shown + u' ' + tab->objectName());
        }
        // The reading pane, the notes and the status bar keep their order down the window.
        EXPECT_LT(test::Child(w, "shpBibleText")->geometry().bottom(), test::Child(w, "lblNotesHeading")->y()) << shown.toStdString();
        EXPECT_LT(test::Child(w, "shpBibleNotes")->geometry().bottom(), test::Child(w, "stbBible")->y()) << shown.toStdString();
        // The related-bookmark box keeps to the right edge of the notes below it, within a few pixels.
        EXPECT_NEAR(test::Child(w, "cboRelatedVerse")->geometry().right(), test::Child(w, "shpBibleNotes")->geometry().right(), 4) << shown.toStdString();
    }
}

TEST_F(MainWindowLooks, TheTitleStripFillsTheWindowAtAnyWidth)
{
    for (const int width : {1000, 1900}) {
        resize(QSize(width, 650));
        const QImage picture = test::Child(w, "imgTitleBar")->grab().toImage();
        ASSERT_EQ(picture.width(), w.width());
        for (int x : {0, picture.width() / 2, picture.width() - 1})
            EXPECT_EQ(qAlpha(picture.pixel(x, picture.height() / 2)), 255) << x << " of " << width;
    }
}

TEST_F(MainWindowLooks, EveryButtonInEveryWindowShowsAPicture)
{
    // The windows the main window opens, so that their buttons are looked at too.
    new BookmarkEditor(&w);
    new StoryEditor(StoryEditorMode::Add, 0, &w);
    new StoryViewer(0, &w);
    new OptionsDialog(&w);
    new AdvancedSearchDialog(&w);
    int buttons = 0;
    for (const QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
        if (!button->objectName().startsWith(QStringLiteral("img")))
            continue;
        ++buttons;
        const std::string name = button->objectName().toStdString();
        ASSERT_FALSE(button->icon().isNull()) << name;
        // A real icon covers a good part of its square, not a stray pixel or two.
        for (int side : {24, 48})
            EXPECT_GT(visiblePixels(button->icon().pixmap(side, side).toImage()), side * side / 20) << name << side;
    }
    EXPECT_GT(buttons, 40);
}

} // namespace

TEST_F(MainWindowLooks, TheVerseOfTheDayKeepsSomeLinesAtTheSmallestSize)
{
    resize(QSize(100, 100));  // the window keeps to its minimum
    const auto* verse = test::Child<QPlainTextEdit>(w, "txtWordsFromGod");
    EXPECT_GE(verse->viewport()->height(), 3 * verse->fontMetrics().lineSpacing());
}
