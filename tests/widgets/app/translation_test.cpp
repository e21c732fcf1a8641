#include "app/AboutDialog.h"
#include "app/Translations.h"
#include "resources/Interaction.h"
#include "support/DatabaseFolder.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <ostream>

namespace kivra {
namespace {

// The texts a person sees: a window's own captions and two messages of the string table, one with
// an argument filled in.
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

} // namespace
} // namespace kivra
