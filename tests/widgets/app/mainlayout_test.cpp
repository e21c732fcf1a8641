// What a user sees of the main window at any size: the designed rectangles at the default font,
// controls inside the window and clear of each other, whole captions under a larger font, a title
// strip without gaps, and every button of it and its windows with a picture.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "bookmarks/BookmarkEditor.h"
#include "reading/AdvancedSearchDialog.h"
#include "settings/OptionsDialog.h"
#include "stories/StoryEditor.h"
#include "stories/StoryViewer.h"
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
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

// Where a control lies in the window's client area, whichever container holds it.
QRect Where(const MainWindow& w, const char* name)
{
    const QWidget* control = test::Child(w, name);
    return QRect(control->mapTo(w.centralWidget(), QPoint()), control->size());
}

// Each shown caption (a label's or button's text) has the room its text asks for.
void ExpectCaptionsWhole(const QWidget& window)
{
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (!control->isVisible() || !((label && !label->text().isEmpty() && !label->wordWrap()) || (button && !button->text().isEmpty())))
            continue;
        const QSize needed = control->minimumSizeHint().expandedTo(QSize(control->sizeHint().width(), 0));
        EXPECT_GE(control->width(), needed.width()) << control->objectName().toStdString();
        EXPECT_GE(control->height(), control->fontMetrics().height()) << control->objectName().toStdString();
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
        EXPECT_LT(Where(w, "shpBibleText").bottom(), Where(w, "lblNotesHeading").y()) << shown.toStdString();
        EXPECT_LT(Where(w, "shpBibleNotes").bottom(), Where(w, "stbBible").y()) << shown.toStdString();
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
// Under a font half as large again, every caption of the main window and of the windows it opens
// still reads whole: the windows grow instead.
TEST(MainWindowLargeFont, EveryCaptionReadsWhole)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.5);
    QApplication::setFont(large);
    {
        test::TempProgramFolder folder;
        ASSERT_TRUE(folder.ok());
        MainWindow w;
        ASSERT_TRUE(w.load());
        w.show();
        EXPECT_GT(w.minimumWidth(), 900);
        for (const char* tab : {"imgBookmark", "imgBibleStory", "imgVerseSelector"}) {
            QTest::mouseClick(test::Child<QToolButton>(w, tab), Qt::LeftButton);
            ExpectCaptionsWhole(w);
        }
        auto* editor = new BookmarkEditor(&w);
        auto* story = new StoryEditor(StoryEditorMode::Add, 0, &w);
        auto* viewer = new StoryViewer(0, &w);
        auto* options = new OptionsDialog(&w);
        auto* search = new AdvancedSearchDialog(&w);
        auto* about = new AboutDialog(&w);
        for (QWidget* window : std::initializer_list<QWidget*>{editor, story, viewer, options, search, about}) {
            window->show();
            ExpectCaptionsWhole(*window);
            window->hide();
        }
    }
    QApplication::setFont(normal);
}
