#include "resources/Icons.h"
#include "resources/Strings.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Counts pixels that are not (almost) transparent: a blank picture means a missing or unreadable SVG.
int visiblePixels(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 16)
                ++count;
    return count;
}

TEST(ResStrings, TextsAreExact)
{
    EXPECT_EQ(LoadResString(Caption::SearchPrompt), QStringLiteral(" Type text to search and press Enter"));
    EXPECT_EQ(LoadResString(Message::EditBookmarkToChangeNotes),
              QStringLiteral("Please click the \"edit bookmark icon\" to modify the notes for this bookmark"));
    EXPECT_EQ(LoadResString(Message::BookmarkAlreadyExists),
              QStringLiteral("The bookmark in the specified file exists in the current "
                                                 "bookmark list.  No import is done."));
    EXPECT_EQ(LoadResString(Message::NoBibleTextToBookmark),
              QStringLiteral("The search results contain no bible text to bookmark"));
    EXPECT_EQ(LoadResString(Caption::CancelAdvancedSearch), QStringLiteral("Cancel Advanced Searching"));
    EXPECT_EQ(LoadResString(Message::NotAProgramDatabase).arg(QStringLiteral("/x/dbStory.dat")),
              QStringLiteral("The file \"/x/dbStory.dat\" is not a database of Kivra! Bible, or it is damaged."));
}

TEST(ControlIcons, EveryButtonHasAnIconThatRenders)
{
    const char* names[] = {
        "imgRetrieveBible", "imgPrevious", "imgNext", "imgVerseSelector", "imgBookmark", "imgBibleStory",
        "imgAddFavourite", "imgAdvancedSearch", "imgClearSearch", "imgPrint", "imgSettings", "imgSupport",
        "imgWeb", "imgAbout", "imgDonate", "imgExportBibleVerse", "imgOpenBookmark", "imgEditBookmark",
        "imgDeleteBookmark", "imgImportBookmark", "imgExportBookmark", "imgExportAllBookmark",
        "imgRetrieveBibleStory", "imgCreateBibleStory", "imgEditBibleStory", "imgDeleteBibleStory",
        "imgCopyBibleStory", "imgImportBibleStory", "imgExportBibleStory", "imgExportAllBibleStory",
        "imgSaveBookmark", "imgCancelBookmark", "imgSearch", "imgCancel", "imgBrowseBibleStoryPicture",
        "imgClearBibleStoryPicture", "imgSelectVerse", "imgDeselectVerse", "imgMoveUp", "imgMoveDown",
        "imgSaveBibleStory", "imgCancelBibleStory", "imgCloseBibleStory", "imgSaveOptions", "imgCloseOptions",
        "imgSave", "imgClose"};
    for (const char* name : names) {
        const QIcon icon = controlIcon(QString::fromLatin1(name));
        ASSERT_FALSE(icon.isNull()) << name;
        for (int side : {24, 48}) {
            const QPixmap pixmap = icon.pixmap(side, side);
            EXPECT_EQ(pixmap.size(), QSize(side, side)) << name << " at " << side;
            // A real icon covers a good part of its square, not a stray pixel or two.
            EXPECT_GT(visiblePixels(pixmap), side * side / 20) << name << " at " << side;
        }
    }
}

TEST(ControlIcons, UnknownNameGivesNullIcon)
{
    EXPECT_TRUE(controlIcon(QStringLiteral("imgNoSuchButton")).isNull());
    EXPECT_TRUE(controlIcon(QString()).isNull());
    EXPECT_TRUE(controlIcon(QStringLiteral("imgprevious")).isNull()); // object names are case-sensitive
}

TEST(WindowPictures, RenderAtTheRequestedOrOwnSize)
{
    const struct {
        const char* name;
        QSize ownSize;
    } pictures[] = {{"title-strip", {1280, 23}}, {"splash", {480, 300}}, {"about", {450, 300}},
                    {"kivra-bible", {64, 64}}};
    for (const auto& picture : pictures) {
        const QString name = QString::fromLatin1(picture.name);
        const QPixmap own = windowPicture(name, QSize());
        EXPECT_EQ(own.deviceIndependentSize().toSize(), picture.ownSize) << picture.name;
        EXPECT_GT(visiblePixels(own), picture.ownSize.width() * picture.ownSize.height() / 4) << picture.name;

        const QPixmap scaled = windowPicture(name + QStringLiteral(".svg"), QSize(200, 100));
        EXPECT_EQ(scaled.deviceIndependentSize().toSize(), QSize(200, 100)) << picture.name;
        EXPECT_GT(visiblePixels(scaled), 200 * 100 / 4) << picture.name;
    }
    EXPECT_FALSE(applicationIcon().isNull());
}

TEST(WindowPictures, TitleStripFillsAWideWindow)
{
    // The main window stretches the strip to its full width; no gap may show at either end.
    const QImage strip = windowPicture(QStringLiteral("title-strip"), QSize(1900, 23)).toImage();
    ASSERT_EQ(strip.width(), 1900);
    for (int x : {0, 950, 1899})
        for (int y : {0, 11, 22})
            EXPECT_EQ(qAlpha(strip.pixel(x, y)), 255) << x << "," << y;
}

TEST(WindowPictures, UnknownNameGivesNullPixmap)
{
    EXPECT_TRUE(windowPicture(QStringLiteral("nothing"), QSize(10, 10)).isNull());
    EXPECT_TRUE(windowPicture(QStringLiteral("../icons/save"), QSize(10, 10)).isNull());
}

} // namespace
