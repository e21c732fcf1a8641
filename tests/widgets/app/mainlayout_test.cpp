// What a user sees of the main window at any size and under a larger font.
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
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

// Siblings may be apart or one inside the other, never partly overlapping (Pray sits on the title frame by design).
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
        // A text the program put into a box (the search prompt) reads whole too.
        if (const auto* box = qobject_cast<const QLineEdit*>(control); box && box->isVisible() && !box->isModified()) {
            const QRect room = box->rect().marginsRemoved(QMargins(4, 0, 4, 0));
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), room.width()) << box->objectName().toStdString();
        }
        if (!control->isVisible() || !((label && !label->text().isEmpty() && !label->wordWrap()) || (button && !button->text().isEmpty())))
            continue;
        QSize needed = control->minimumSizeHint().expandedTo(QSize(control->sizeHint().width(), 0));
        // A push button's hint adds the style's generous padding; its word needs only a little room.
        if (qobject_cast<const QPushButton*>(control))
            needed.setWidth(control->fontMetrics().horizontalAdvance(button->text()) + 6);
        EXPECT_GE(control->width(), needed.width()) << control->objectName().toStdString();
        EXPECT_GE(control->height(), control->fontMetrics().height()) << control->objectName().toStdString();
    }
}

// The windows the main window opens, as its children.
QList<QWidget*> OpenedWindows(QWidget* parent)
{
    return {new BookmarkEditor(parent), new StoryEditor(StoryEditorMode::Add, 0, parent), new StoryViewer(0, parent),
            new OptionsDialog(parent),  new AdvancedSearchDialog(parent),               new AboutDialog(parent)};
}

class MainWindowLooks : public test::MainWindowTest {
protected:
    void resize(QSize size)
    {
        window->resize(size);
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindowLooks, ControlsStayInsideTheWindowAndClearOfEachOtherAtAnySize)
{
    // The smallest the window lets itself be made, the usual size, and a large screen.
    for (const QSize size : {QSize(100, 100), QSize(1000, 650), QSize(1900, 1150)}) {
        resize(size);
        const QString shown = QStringLiteral("%1x%2").arg(window->width()).arg(window->height());
        for (QToolButton* tab : {test::Child<QToolButton>(*window, "imgVerseSelector"), test::Child<QToolButton>(*window, "imgBookmark"),
                                  test::Child<QToolButton>(*window, "imgBibleStory")}) {
            QTest::mouseClick(tab, Qt::LeftButton);
            expectInsideAndApart(window->centralWidget(), shown + u' ' + tab->objectName());
            ExpectCaptionsWhole(*window);
        }
        // The reading pane, the notes and the status bar keep their order down the window.
        EXPECT_LT(Where(*window, "shpBibleText").bottom(), Where(*window, "lblNotesHeading").y()) << shown.toStdString();
        EXPECT_LT(Where(*window, "shpBibleNotes").bottom(), Where(*window, "stbBible").y()) << shown.toStdString();
    }
}

// The designed rectangles as rules of the inner width W and height H.
TEST_F(MainWindowLooks, ControlsTakeTheirDesignedRectanglesAtTwoSizes)
{
    for (const QSize size : {QSize(900, 600), QSize(1100, 750)}) {
        resize(size);
        const int W = window->width(), H = window->height();
        ASSERT_EQ(QSize(W, H), size);
        const auto expect = [&](const char* name, QRect rect) { EXPECT_EQ(Where(*window, name), rect) << name << " at " << W << "x" << H; };
        expect("imgTitleBar", {0, 0, W, 23});
        expect("lblTopHeading", {(W - 404) / 2, 2, 404, 19});
        expect("imgAddFavourite", {248, 32, 24, 24});
        expect("imgAbout", {816, 32, 24, 24});
        expect("shpTitleBar", {248, 61, W - 266, 25});
        expect("txtSearchString", {320, 64, 195, 19});
        expect("imgWeb", {736, 64, 24, 24});
        expect("imgVerseSelector", {16, 93, 50, 50});
        expect("imgDonate", {184, 93, 50, 50});
        expect("picVerseSelector", {8, 176, 233, H - 207});
        expect("txtWordsFromGod", {8, 176 + 292, 233, H - 207 - 292});
        expect("shpBibleText", {248, 88, W - 266, H - 218});
        expect("txtBibleText", {256, 96, W - 282, H - 242});
        expect("lblNotesHeading", {248, H - 125, W - 266, 16});
        expect("shpBibleNotes", {248, H - 104, W - 266, 73});
        expect("txtNotes", {256, H - 96, W - 282, 57});
        expect("stbBible", {0, H - 25, W, 25});
        QTest::mouseClick(test::Child<QToolButton>(*window, "imgBookmark"), Qt::LeftButton);
        expect("txtBookmarkNotes", {8, H - 111, 233, 80});
        expect("lblBookmarkNotes", {8, H - 127, 233, 16});
        expect("lstBookmark", {8, 222, 233, H - 207 - 80 - 16 - 46 - 17});
        QTest::mouseClick(test::Child<QToolButton>(*window, "imgBibleStory"), Qt::LeftButton);
        expect("lstBibleStory", {8, 222, 233, H - 207 - 46});
        test::Search(*window, QStringLiteral("light"));
        expect("shpSearchResults", {248, 88, W - 266, H - 280});
        expect("dgdSearchResults", {256, 96, W - 282, H - 296});
        expect("shpSelectedVerse", {248, H - 187, W - 266, 57});
        expect("txtSelectedSection", {256, H - 179, W - 282, 41});
        window->findChild<QComboBox*>(QStringLiteral("cboRelatedVerse"))->show();
        window->findChild<QLabel*>(QStringLiteral("lblRelatedVerse"))->show();
        expect("lblRelatedVerse", {W - 337, H - 125, 120, 16});
        expect("cboRelatedVerse", {W - 209, H - 127, 193, 21});
        QTest::mouseClick(test::Child<QToolButton>(*window, "imgVerseSelector"), Qt::LeftButton);
    }
}

TEST_F(MainWindowLooks, TheTitleStripFillsTheWindowAtAnyWidth)
{
    for (const int width : {1000, 1900}) {
        resize(QSize(width, 650));
        const QImage picture = test::Child(*window, "imgTitleBar")->grab().toImage();
        ASSERT_EQ(picture.width(), window->width());
        for (int x : {0, picture.width() / 2, picture.width() - 1})
            EXPECT_EQ(qAlpha(picture.pixel(x, picture.height() / 2)), 255) << x << " of " << width;
    }
}

TEST_F(MainWindowLooks, EveryButtonInEveryWindowShowsAPicture)
{
    OpenedWindows(window.get());  // so that their buttons are looked at too
    int buttons = 0;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
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
    const auto* verse = test::Child<QPlainTextEdit>(*window, "txtWordsFromGod");
    EXPECT_GE(verse->viewport()->height(), 3 * verse->fontMetrics().lineSpacing());
}
// The windows the main window opens keep their designed inner sizes at the default font.
TEST_F(MainWindowLooks, DialogsKeepTheirDesignedSizes)
{
    AdvancedSearchDialog search(window.get());
    OptionsDialog options(window.get());
    AboutDialog about(window.get());
    for (auto [dialog, size] : {std::pair<QDialog*, QSize>{&search, {450, 300}}, {&options, {400, 300}}, {&about, {450, 300}}}) {
        dialog->show();
        EXPECT_EQ(dialog->size(), size) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

// Under a font half as large again every caption still reads whole: the windows grow instead.
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
        for (QWidget* window : OpenedWindows(&w)) {
            window->show();
            ExpectCaptionsWhole(*window);
            window->hide();
        }
    }
    QApplication::setFont(normal);
}
