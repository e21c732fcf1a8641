#include "app/AboutDialog.h"
#include "app/Translations.h"
#include "bookmarks/BookmarkEditor.h"
#include "reading/AdvancedSearchDialog.h"
#include "reading/LocalBookNames.h"
#include "support/ScriptedInteraction.h"
#include "settings/OptionsDialog.h"
#include "stories/StoryEditor.h"
#include "stories/StoryStore.h"
#include "stories/StoryViewer.h"
#include "support/DatabaseFolder.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <gtest/gtest.h>
#include <ostream>

namespace kivra {
namespace {

// The texts a person sees: a window's captions and two messages, one with an argument.
struct SeenTexts {
    QString title;
    QString closeCaption;
    QStringList messages;

    bool operator==(const SeenTexts&) const = default;
};

SeenTexts seenTexts()
{
    SeenTexts seen;
    AboutDialog about;
    seen.title = about.windowTitle();
    seen.closeCaption = about.findChild<QLabel*>(QStringLiteral("lbClose"))->text();
    ScriptedInteraction ui;
    setInteraction(&ui);
    ShowMessage(Message::NoBookmarks);
    ShowMessage(Message::NotAProgramDatabase, nullptr, {QStringLiteral("/x/dbStory.dat")});
    setInteraction(nullptr);
    seen.messages = ui.messageTexts;
    return seen;
}

class Translation : public ::testing::Test {
protected:
    // Back to English for the tests that follow in this program.
    void TearDown() override { InstallTranslations(QLocale(QLocale::C), QStringLiteral(KIVRA_TEST_TRANSLATIONS)); }
};

TEST_F(Translation, AnInstalledTranslationReplacesCaptionsAndMessages)
{
    const SeenTexts english = seenTexts();
    ASSERT_TRUE(InstallTranslations(QLocale(QStringLiteral("de_DE")), QStringLiteral(KIVRA_TEST_TRANSLATIONS)));
    const SeenTexts german = seenTexts();
    EXPECT_EQ(german.title, QStringLiteral("Über Kivra! Bible"));
    EXPECT_EQ(german.closeCaption, QStringLiteral("Hier klicken, um dieses Fenster zu schließen"));
    EXPECT_EQ(german.messages,
              (QStringList{QStringLiteral("Die Lesezeichenliste enthält kein Lesezeichen"),
                           QStringLiteral("Die Datei „/x/dbStory.dat“ ist keine Datenbank von Kivra! Bible oder sie "
                                          "ist beschädigt.")}));

    // A language without a translation takes the German out again: the English is back as it was.
    EXPECT_FALSE(InstallTranslations(QLocale(QStringLiteral("fr_FR")), QStringLiteral(KIVRA_TEST_TRANSLATIONS)));
    EXPECT_EQ(seenTexts(), english);
}

// The pseudo-translation must reach every text of every window (saved as pictures under KIVRA_SHOT_DIR).
class TranslatedWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.ok()); }
    void TearDown() override
    {
        InstallTranslations(QLocale(QLocale::C), QStringLiteral(KIVRA_TEST_TRANSLATIONS));
        UseReaderLanguage(QLocale(QLocale::C));
    }

    // The windows as a user opens them; each is shown so that what it hides stays out of the check.
    std::vector<std::unique_ptr<QWidget>> openWindows()
    {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(std::make_unique<AboutDialog>());
        windows.emplace_back(std::make_unique<OptionsDialog>());  // loads itself
        auto search = std::make_unique<AdvancedSearchDialog>();
        search->load();
        windows.push_back(std::move(search));
        auto bookmark = std::make_unique<BookmarkEditor>();
        bookmark->load(Passage{QStringLiteral("John"), 3, 16, 3, 18});
        windows.push_back(std::move(bookmark));
        auto story = std::make_unique<StoryEditor>(StoryEditorMode::Add, 0);
        story->load();
        windows.push_back(std::move(story));
        int number = 0;  // a new story: it takes its number with its first part
        qint64 counter = 1000;
        const int part = AddStoryPart(&number, 1, Passage{QStringLiteral("John"), 3, 16, 3, 18});
        // A story's name is the reader's own, no caption: this one has no words to translate.
        EXPECT_TRUE(part && SaveStory(number, {part}, QStringLiteral("3:16"), QString(), &counter));
        auto viewer = std::make_unique<StoryViewer>(number);
        viewer->load();
        windows.push_back(std::move(viewer));
        for (const auto& w : windows)
            w->show();
        return windows;
    }

    // "objectName: text" of each text of the window that the pseudo-translation did not reach.
    static QStringList untranslated(const QWidget& window)
    {
        static const QRegularExpression words(QStringLiteral("[A-Za-z]{2}"));
        QStringList left;
        const auto check = [&](const QObject* owner, const QString& text) {
            if (text.contains(words) && !text.contains(QLatin1Char('[')))
                left << owner->objectName() + QStringLiteral(": ") + text;
        };
        check(&window, window.windowTitle());
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window))
                continue;
            check(w, w->toolTip());
            if (const auto* label = qobject_cast<const QLabel*>(w))
                check(w, label->text());
            if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                check(w, button->text());
            if (const auto* box = qobject_cast<const QLineEdit*>(w))
                check(w, box->placeholderText());
            if (const auto* combo = qobject_cast<const QComboBox*>(w))
                check(w, combo->placeholderText());
            if (const auto* grid = qobject_cast<const QTableView*>(w))
                for (int column = 0; column < grid->model()->columnCount(); ++column)
                    if (!grid->isColumnHidden(column))
                        check(w, grid->model()->headerData(column, Qt::Horizontal).toString());
        }
        return left;
    }

    static void saveShot(QWidget& window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("KIVRA_SHOT_DIR");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // Opens every window; with pseudo, checks that the translation reached all their texts.
    void checkWindows(const char* language, bool pseudo)
    {
        const auto look = [&](QWidget& w, const QString& name) {
            saveShot(w, QLatin1String(language) + QLatin1Char('-') + name);
            EXPECT_TRUE(!pseudo || untranslated(w).isEmpty()) << name.toStdString() << ": "
                                                               << untranslated(w).join(u'|').toStdString();
        };
        const auto main = test::OpenMainWindow(true);
        ASSERT_TRUE(main);
        look(*main, QStringLiteral("main"));
        test::Search(*main, QStringLiteral("grace"));
        look(*main, QStringLiteral("main-search"));
        for (const auto& w : openWindows())
            look(*w, w->objectName());
    }

    test::TempProgramFolder folder;
};

TEST_F(TranslatedWindows, APseudoTranslationReachesEveryTextOfEveryWindow)
{
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::Esperanto), QStringLiteral(KIVRA_PSEUDO_TRANSLATIONS)));
    checkWindows("pseudo", true);
}

TEST_F(TranslatedWindows, GermanBringsQtsOwnTexts)
{
    ASSERT_TRUE(
        InstallTranslations(QLocale(QStringLiteral("de_DE")), QStringLiteral(KIVRA_PROGRAM_DIR "/translations")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    if (!qEnvironmentVariableIsEmpty("KIVRA_SHOT_DIR")) {
        UseReaderLanguage(QLocale(QStringLiteral("de_DE")));
        checkWindows("de", false);
    }
}

} // namespace
} // namespace kivra
