// The main window's shell: tooltips and keyboard shortcuts, captions, the tabs, web links, and the
// options and about windows opened from their buttons.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "reading/VerseOfTheDay.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/OptionsDialog.h"
#include "settings/TextBoxOptions.h"
#include "storage/Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

using Shell = test::MainWindowTest;

TEST_F(Shell, EveryButtonAndCaptionCarriesItsTooltip)
{
    // Every picture button but About shows a picture and says what it does; a caption says what its
    // picture says, the keyboard shortcut included.
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        const std::string name = button->objectName().toStdString();
        EXPECT_FALSE(button->icon().isNull()) << name;
        if (name.starts_with("img")) {
            EXPECT_EQ(button->toolTip().isEmpty(), name == "imgAbout") << name;
        }
    }
    for (const char* name : {"AddFavourite", "AdvancedSearch", "ClearSearch", "Settings", "Support", "Web", "Print",
                             "About", "Donate"}) {
        const QString picture = child(qPrintable(QStringLiteral("img") + QLatin1String(name)))->toolTip();
        EXPECT_EQ(child(qPrintable(QStringLiteral("lbl") + QLatin1String(name)))->toolTip(), picture) << name;
    }
}

TEST_F(Shell, CaptionsActLikeTheirButtonsButDonateIsOnlyACaptionAndAFailedOpeningIsReported)
{
    QTest::mouseClick(child("lblSupport"), Qt::LeftButton);
    ASSERT_EQ(folder.ui().openedUrls, QStringList{SupportPageAddress});
    QTest::mouseClick(child("lblDonate"), Qt::LeftButton);
    EXPECT_EQ(folder.ui().openedUrls.size(), 1);  // the caption does nothing
    Child<QToolButton>(*window, "imgDonate")->click();
    EXPECT_EQ(folder.ui().openedUrls.last(), DonationPageAddress);
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    folder.ui().openUrlResult = false;
    Child<QToolButton>(*window, "imgSupport")->click();
    ASSERT_EQ(folder.ui().messages, QList<Message>{Message::WebPageNotOpened});
    EXPECT_TRUE(folder.ui().messageTexts[0].contains(SupportPageAddress));
}

TEST_F(Shell, AboutWindowClosesOnAClickOnItsLabelOrAnywhere)
{
    {
        AboutDialog about(window.get());
        EXPECT_FALSE(about.imgAbout->pixmap().isNull());
        about.show();
        QTest::mouseClick(about.lbClose, Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    }
    const auto modals = test::RunOnModals({{"kivra::AboutDialog", [](QWidget* about) {
                            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(100, 100));
                            EXPECT_FALSE(about->isVisible());
                            about->close();  // lest a failure leave the window waiting
                        }}});
    QTest::mouseClick(child("lblAbout"), Qt::LeftButton);
}

TEST_F(Shell, OptionsSavedFromTheSettingsButtonRedrawThePassage)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
                                              QStringLiteral("UPDATE tblOptions SET ShowChapterSection = 0")));
    ASSERT_TRUE(LoadOptions());
    window->openPassage();
    ASSERT_FALSE(window->readingView()->text().contains(QStringLiteral("(1:1)")));
    const auto showNumbers = [](bool on, bool save) {
        return test::RunOnModals({{"kivra::OptionsDialog", [on, save](QWidget* dialog) {
                                auto* options = static_cast<OptionsDialog*>(dialog);
                                options->chkShowChapterSection->setChecked(on);
                                (save ? options->imgSave : options->imgClose)->click();
                            }}});
    };
    {
        const auto modals = showNumbers(true, true);
        Child<QToolButton>(*window, "imgSettings")->click();
    }
    EXPECT_TRUE(window->readingView()->text().contains(QStringLiteral("(1:1)")));
    {
        const auto modals = showNumbers(false, false);  // Close leaves the passage as it is
        QTest::mouseClick(child("lblSettings"), Qt::LeftButton);
    }
    EXPECT_TRUE(window->readingView()->text().contains(QStringLiteral("(1:1)")));
}

TEST_F(Shell, EachTabShowsOnlyItsPanelAndItsView)
{
    auto visible = [this](const char* name) { return child(name)->isVisible(); };
    // Search results on screen, then the bookmark tab: the results stay.
    search(QStringLiteral("grace"));
    ASSERT_TRUE(visible("dgdSearchResults"));
    Child<QToolButton>(*window, "imgBookmark")->click();
    EXPECT_TRUE(visible("picBookmark"));
    EXPECT_FALSE(visible("picVerseSelector"));
    EXPECT_TRUE(visible("dgdSearchResults"));
    EXPECT_EQ(window->viewMode(), ViewMode::Searcher);  // tabs leave the mode alone

    // The story tab brings the passage back.
    Child<QToolButton>(*window, "imgBibleStory")->click();
    EXPECT_TRUE(visible("picBibleStorySelector"));
    EXPECT_FALSE(visible("picBookmark"));
    EXPECT_TRUE(visible("txtBibleText"));
    EXPECT_FALSE(visible("dgdSearchResults"));

    Child<QToolButton>(*window, "imgVerseSelector")->click();
    EXPECT_TRUE(visible("picVerseSelector"));
    EXPECT_FALSE(visible("picBibleStorySelector"));
    EXPECT_TRUE(visible("txtBibleText"));
    for (const char* hidden : {"cboRelatedVerse", "wbrWebPanel"})
        EXPECT_FALSE(visible(hidden)) << hidden;
}

TEST_F(Shell, ATextColourKeepsALightThemesBackground)
{
    // The real font and colour dialogs are driven in the options window's test.
    folder.ui().fontAnswer = QFont(options().DefaultFont, options().DefaultFontSize);
    folder.ui().colourAnswer = QColor(255, 0, 0);
    const auto modals = test::RunOnModals({{"kivra::OptionsDialog", [](QWidget* dialog) {
                            QTest::mouseClick(dialog->findChild<QWidget*>("lblSelectFont"), Qt::LeftButton);
                            QTest::mouseClick(dialog->findChild<QWidget*>("imgSave"), Qt::LeftButton);
                        }}});
    QTest::mouseClick(Child<ClickLabel>(*window, "lblSettings"), Qt::LeftButton);
    ASSERT_EQ(options().DefaultFontColor, QStringLiteral("255"));
    const QPalette theme = QApplication::palette();
    auto* verseOfTheDay = Child<QPlainTextEdit>(*window, "txtWordsFromGod");
    EXPECT_EQ(Child<QTextEdit>(*window, "txtBibleText")->palette().color(QPalette::Base), theme.color(QPalette::Base));
    ApplyDefaultFontToTextBox(verseOfTheDay);
    EXPECT_EQ(verseOfTheDay->palette().color(QPalette::Base), theme.color(QPalette::Base));

    // Under a dark theme a colour that does not stand out is put on paper.
    QPalette dark = theme;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    options().DefaultFontColor = QStringLiteral("0");
    ApplyDefaultFontToTextBox(verseOfTheDay);
    EXPECT_GT(RelativeLuminance(verseOfTheDay->palette().color(QPalette::Base)), 0.5);
    QApplication::setPalette(theme);
}

TEST_F(Shell, TheVerseOfTheDayReadsWholeWithItsReference)
{
    QPlainTextEdit* box = Child<QPlainTextEdit>(*window, "txtWordsFromGod");
    window->showWordsFromGod(WordsFromGodForId(26559, 1));  // John 11:35, two words
    const qreal documented = box->font().pointSizeF();
    EXPECT_EQ(documented, options().DefaultFontSize - 1);
    window->showWordsFromGod(WordsFromGodForId(26137, 1));  // John 3:16 needs a smaller face
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->toPlainText().endsWith(QStringLiteral("(John:3:16)")));
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << "nothing hidden below";
    EXPECT_LT(box->font().pointSizeF(), documented);
    EXPECT_GE(box->font().pointSizeF(), 7.0);
    window->resize(window->width(), window->height() + 100);  // a taller box takes the larger face again
    EXPECT_EQ(box->font().pointSizeF(), documented);

    // At the first size, the longest verse (Esther 8:9) and one of some 220 letters (Genesis 2:21)
    // show whole to the end of the reference, with no scroll bar.
    window->resize(900, 600);
    for (int id : {12827, 50}) {
        window->showWordsFromGod(WordsFromGodForId(id, 1));
        QCoreApplication::processEvents();
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        EXPECT_LT(box->cursorRect(end).bottom(), box->viewport()->height()) << id;
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << id;
        EXPECT_TRUE(box->toPlainText().endsWith(u')')) << id;
    }
}

TEST_F(Shell, ShortcutsClickTheirButtonsAndShowInTooltips)
{
    for (const char* name : {"imgRetrieveBible", "imgPrevious", "imgNext", "imgAddFavourite", "imgPrint",
                             "imgExportBibleVerse", "imgSettings"}) {
        auto* shortcut = window->findChild<QShortcut*>(QLatin1String(name) + QStringLiteral("Shortcut"));
        ASSERT_TRUE(shortcut) << name;
        const QString key = shortcut->key().toString();
        EXPECT_TRUE(Child<QToolButton>(*window, name)->toolTip().endsWith(u'(' + key + u')')) << name;
    }

    // Alt+Right really moves to the next chapter; Ctrl+F puts the focus in the search box.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    Child<QTextEdit>(*window, "txtBibleText")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Child<QComboBox>(*window, "cboFromChapter")->currentText(), QStringLiteral("2"));
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Child<QComboBox>(*window, "cboFromChapter")->currentText(), QStringLiteral("1"));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    auto* searchBox = Child<QLineEdit>(*window, "txtSearchString");
    EXPECT_TRUE(searchBox->hasFocus());
    EXPECT_EQ(searchBox->selectedText(), searchBox->text());
}
