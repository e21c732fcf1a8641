// Keyboard access to the main window: each shortcut runs its button's action and is named in the
// button's tooltip.
#include "support/Fixture.h"

#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

TEST(Keyboard, ShortcutsClickTheirButtonsAndShowInTooltips)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    MainWindow w;
    ASSERT_TRUE(w.load());
    w.show();
    w.restoreLastPassage();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();

    const QList<QPair<const char*, QString>> expected = {
        {"imgRetrieveBible", QStringLiteral("Ctrl+Return")}, {"imgPrevious", QStringLiteral("Alt+Left")},
        {"imgNext", QStringLiteral("Alt+Right")},            {"imgAddFavourite", QStringLiteral("Ctrl+D")},
        {"imgPrint", QStringLiteral("Ctrl+P")},              {"imgExportBibleVerse", QStringLiteral("Ctrl+E")},
        {"imgSettings", QStringLiteral("Ctrl+,")}};
    for (const auto& [name, key] : expected) {
        auto* button = w.findChild<QToolButton*>(QLatin1String(name));
        ASSERT_TRUE(button) << name;
        EXPECT_TRUE(button->toolTip().endsWith(QStringLiteral("(") + key + QStringLiteral(")"))) << name;
        auto* shortcut = w.findChild<QShortcut*>(QLatin1String(name) + QStringLiteral("Shortcut"));
        ASSERT_TRUE(shortcut) << name;
        EXPECT_EQ(shortcut->key(), QKeySequence(key)) << name;
    }

    // Alt+Right really moves to the next chapter; Ctrl+F puts the focus in the search box.
    Child<QTextEdit>(w, "txtBibleText")->setFocus();
    QTest::keyClick(&w, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Child<QComboBox>(w, "cboFromChapter")->currentText(), QStringLiteral("2"));
    QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Child<QComboBox>(w, "cboFromChapter")->currentText(), QStringLiteral("1"));
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Child<QLineEdit>(w, "txtSearchString")->hasFocus());
    EXPECT_EQ(Child<QLineEdit>(w, "txtSearchString")->selectedText(), Child<QLineEdit>(w, "txtSearchString")->text());
}
