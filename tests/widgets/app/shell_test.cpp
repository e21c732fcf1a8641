// The main window's shell: tooltips and shortcuts, captions, tabs, web links, the options and about windows.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "reading/ReadAloud.h"
#include "reading/VerseOfTheDay.h"
#include "resources/Keys.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/OptionsDialog.h"
#include "settings/TextBoxOptions.h"
#include "settings/ThemeColours.h"
#include "settings/ViewSettings.h"
#include "storage/Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

using Shell = test::MainWindowTest;

TEST_F(Shell, EveryButtonAndCaptionCarriesItsTooltipWithItsShortcut)
{
    // Every picture button but About has a tooltip ending in its shortcut; a caption shares its picture's.
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        const std::string name = button->objectName().toStdString();
        if (name.starts_with("img")) {
            EXPECT_EQ(button->toolTip().isEmpty(), name == "imgAbout") << name;
        }
    }
    for (const KeyBinding& binding : KeyTable()) {
        auto* button = binding.button ? Child<QToolButton>(*window, binding.button) : nullptr;
        if (button && !button->toolTip().isEmpty()) {
            EXPECT_TRUE(button->toolTip().endsWith(u'(' + binding.keys.first().toString() + u')')) << binding.button;
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
    options().DefaultFontColor = QStringLiteral("8388608");  // navy
    ApplyDefaultFontToTextBox(verseOfTheDay);
    EXPECT_GT(RelativeLuminance(verseOfTheDay->palette().color(QPalette::Base)), 0.5);
    QApplication::setPalette(theme);
}

// The colours the program picks read under a light and a dark theme, with and without paper.
TEST_F(Shell, ColoursTheProgramPicksReadUnderLightAndDarkThemes)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    auto readable = [](const QColor& text, const QColor& background) {
        return ContrastRatio(text, background) >= 4.5;
    };
    auto* reading = Child<QTextEdit>(*window, "txtBibleText");
    for (bool paper : {false, true}) {
        SetPaperLook(paper);
        for (const QPalette& theme : {light, dark}) {
            QApplication::setPalette(theme);
            window->openPassage();
            const QColor base = reading->palette().color(QPalette::Base);
            const QColor shown = QTextCursor(reading->document()).charFormat().foreground().color();
            EXPECT_TRUE(readable(shown, base)) << "paper " << paper;
            const bool lightTheme = theme.color(QPalette::Base) == light.color(QPalette::Base);
            EXPECT_EQ(base == theme.color(QPalette::Base), !paper || lightTheme) << "paper " << paper;

            search(QStringLiteral("grace"));
            const auto marks = Child<QTextEdit>(*window, "txtSelectedSection")->extraSelections();
            ASSERT_FALSE(marks.isEmpty());
            EXPECT_TRUE(readable(marks[0].format.foreground().color(), marks[0].format.background().color()));

            AboutDialog about(window.get());
            const QImage picture = about.imgAbout->pixmap().toImage();
            EXPECT_TRUE(readable(about.lbClose->palette().color(QPalette::WindowText),
                                 AverageColour(picture, about.lbClose->geometry())));
            auto* strip = Child<QLabel>(*window, "imgTitleBar");
            auto* heading = Child<QLabel>(*window, "lblTopHeading");
            EXPECT_TRUE(readable(heading->palette().color(QPalette::WindowText),
                                 AverageColour(strip->pixmap().toImage(), heading->geometry().translated(-strip->pos()))));
        }
    }
    SetPaperLook(false);
    QApplication::setPalette(light);
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

    // At the first size the longest verse (Esther 8:9) and Genesis 2:21 show whole, without a scroll bar.
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

TEST_F(Shell, ShortcutsDoWhatTheirButtonsDo)
{
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

    // The search keys work from the search box, whose own keys come first.
    search(QStringLiteral("grace"));
    QTest::keyClick(searchBox, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    {
        const auto modals = test::RunOnModals(
            {{"kivra::AdvancedSearchDialog", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }}});
        QTest::keyClick(searchBox, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // The tab keys, F1's list of every key, the zoom (kept for the next window) and Ctrl+Q.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::AltModifier);
    EXPECT_TRUE(child("picBookmark")->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1, Qt::AltModifier);
    EXPECT_TRUE(child("picVerseSelector")->isVisible());
    int listed = 0;
    {
        const auto modals = test::RunOnModals({{"kivra::KeyListDialog", [&listed](QWidget* keys) {
                                                    listed = keys->findChild<QTableWidget*>()->rowCount();
                                                    QTest::keyClick(keys, Qt::Key_Escape);
                                                }}});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    EXPECT_EQ(listed, KeyTable().size());
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    window->activateWindow();  // back from the key list
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* text = Child<QTextEdit>(*window, "txtBibleText");
    text->setFocus();
    const int size = text->font().pointSize();
    QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_GT(text->font().pointSize(), size);
    EXPECT_GT(QTextCursor(text->document()).charFormat().font().pointSize(), size);
    {
        auto second = test::OpenMainWindow();
        EXPECT_EQ(second->readingView()->textBox()->font().pointSize(), text->font().pointSize());
    }
    QTest::keyClick(text, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(text->font().pointSize(), size);
    QTest::keyClick(text, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

// Every control a user reaches: Tab visits each once, in reading order, and comes back round.
TEST_F(Shell, TabWalksEveryControlOnceAndNoBoxKeepsTheFocus)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    auto walk = [this](Qt::Key key) {
        QWidget* start = child("txtGoToReference");
        start->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited{start};
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            if (QApplication::focusWidget() == start)
                break;
            visited << QApplication::focusWidget();
        }
        return visited;
    };
    for (bool results : {false, true}) {
        if (results)
            search(QStringLiteral("grace"));
        const QList<QWidget*> visited = walk(Qt::Key_Tab);
        QList<QWidget*> reachable;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                reachable << w;
        for (QWidget* w : reachable)
            EXPECT_EQ(visited.count(w), 1) << w->objectName().toStdString() << " results " << results;
        EXPECT_EQ(visited.size(), reachable.size());
        // The go-to box and the Bible being read, then the commands.
        EXPECT_EQ(visited.indexOf(child("txtSearchString")), visited.indexOf(child("cmdCompare")) + 1);
        EXPECT_LT(visited.indexOf(child("imgAddFavourite")), visited.indexOf(child("cboTestament")));
        EXPECT_LT(visited.indexOf(child("cboTestament")), visited.indexOf(child("txtNotes")));
        QList<QWidget*> back = walk(Qt::Key_Backtab);
        std::reverse(back.begin() + 1, back.end());
        EXPECT_EQ(back, visited);
    }
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(Shell, ReadOnlyNotesAnswerTypingButLetNavigationAndShortcutsThrough)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    for (const char* box : {"txtNotes", "txtBookmarkNotes"}) {
        if (box == std::string_view("txtBookmarkNotes"))
            Child<QToolButton>(*window, "imgBookmark")->click();
        child(box)->setFocus();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Shift})
            QTest::keyClick(child(box), key);
        EXPECT_TRUE(folder.ui().messages.isEmpty()) << box;
        QTest::keyClick(child(box), Qt::Key_A);
        EXPECT_EQ(folder.ui().messages.size(), 1) << box;
        QTest::keyClick(child(box), Qt::Key_L, Qt::ControlModifier);
        EXPECT_TRUE(child("txtGoToReference")->hasFocus()) << box;
        child(box)->setFocus();
        QTest::keyClick(child(box), Qt::Key_Tab);
        EXPECT_FALSE(child(box)->hasFocus()) << box;
        folder.ui().messages.clear();
    }
    EXPECT_EQ(folder.ui().messages.size(), 0);
}

// A screen reader hears a name and fitting role for every control, the shown tab and a search's count.
TEST_F(Shell, ScreenReadersHearANameAndRoleForEveryControl)
{
    search(QStringLiteral("grace"));
    Child<QToolButton>(*window, "imgBibleStory")->click();
    const QSet<QAccessible::Role> roles = {QAccessible::Button, QAccessible::CheckBox, QAccessible::ComboBox,
                                           QAccessible::EditableText, QAccessible::List, QAccessible::Table,
                                           QAccessible::StaticText, QAccessible::PageTab};
    QSet<QString> names;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool reachable = (w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(w)
                               || qobject_cast<ClickLabel*>(w);
        if (!reachable || w->focusProxy() || w->window() != window.get()
            || qobject_cast<QAbstractItemView*>(w->parentWidget()))
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(reader) << w->objectName().toStdString();
        // A combo box is named by its value; a reader names it by the label it is labelled by.
        const auto labels = reader->relations(QAccessible::Label);
        if (qobject_cast<QComboBox*>(w)) {
            ASSERT_EQ(labels.size(), 1) << w->objectName().toStdString();
        }
        const QString name = qobject_cast<QComboBox*>(w) ? labels.first().first->text(QAccessible::Name)
                                                         : reader->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(name.contains(u'(')) << name.toStdString();
        EXPECT_TRUE(roles.contains(reader->role())) << w->objectName().toStdString() << " " << reader->role();
        if (qobject_cast<QComboBox*>(w)) {
            EXPECT_FALSE(names.contains(name)) << "two lists named " << name.toStdString();
        }
        names << name;
    }
    auto state = [this](const char* name) { return QAccessible::queryAccessibleInterface(child(name))->state(); };
    EXPECT_TRUE(state("imgBibleStory").selected);
    EXPECT_FALSE(state("imgVerseSelector").selected);
    const QString status = Child<QLabel>(*window, "stbPanel1")->text();
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child("txtSearchString"))->text(QAccessible::Description), status);
}


namespace {
// The speech service's stand-in: records what it is asked; the test says when a verse is spoken.
class SpeakerStandIn : public Speaker {
public:
    bool engine = true;
    QStringList said, calls;
    bool available() override { return engine; }
    void say(const QString& words) override { said << words; }
    void pause() override { calls << QStringLiteral("pause"); }
    void resume() override { calls << QStringLiteral("resume"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void setRate(double) override {}
};
} // namespace

TEST_F(Shell, ReadAloudGoesVerseByVerseMarkingEachAndToldOnceWithoutAnEngine)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto owned = std::make_unique<SpeakerStandIn>();
    SpeakerStandIn* speaker = owned.get();
    window->findChild<ReadAloud*>()->useSpeaker(std::move(owned));
    auto* text = Child<QTextEdit>(*window, "txtBibleText");
    auto marked = [text] {
        const auto marks = text->extraSelections();
        return marks.size() == 1 ? marks[0].cursor.selectedText() : QString();
    };
    text->setFocus();
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(speaker->said.size(), 1);
    EXPECT_TRUE(speaker->said[0].startsWith(QStringLiteral("In the beginning God")));
    EXPECT_FALSE(speaker->said[0].contains(u'('));  // the reference is not read
    EXPECT_TRUE(marked().startsWith(QStringLiteral("In the beginning God")));
    emit speaker->finished();
    ASSERT_EQ(speaker->said.size(), 2);
    EXPECT_TRUE(speaker->said[1].startsWith(QStringLiteral("And the earth")));
    EXPECT_TRUE(marked().startsWith(QStringLiteral("And the earth")));

    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(speaker->calls, (QStringList{"pause", "resume", "stop"}));
    EXPECT_TRUE(text->extraSelections().isEmpty());

    // A selection is read from the verse it starts in to the one it ends in.
    QTextCursor selection(text->document());
    selection.setPosition(int(text->toPlainText().indexOf(QStringLiteral("And God said"))));
    selection.setPosition(selection.position() + 3, QTextCursor::KeepAnchor);
    text->setTextCursor(selection);
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    emit speaker->finished();
    EXPECT_EQ(speaker->said.size(), 3);
    EXPECT_TRUE(speaker->said.last().startsWith(QStringLiteral("And God said, Let there be light")));
    EXPECT_TRUE(text->extraSelections().isEmpty()) << "one verse, then done";

    speaker->engine = false;
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(folder.ui().messages, QList<Message>{Message::NoSpeechEngine});
}
