// Keyboard access to the main window: each shortcut runs its button's action and is named in the
// button's tooltip.
#include "support/Fixture.h"

#include "app/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kivra;

TEST(Keyboard, ShortcutsClickTheirButtonsAndShowInTooltips)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    MainWindow w;
    ASSERT_TRUE(w.Form_Load());
    w.show();
    w.RestoreLastPassage();
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
    w.txtBibleText->setFocus();
    QTest::keyClick(&w, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(w.cboFromChapter->currentText(), QStringLiteral("2"));
    QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(w.cboFromChapter->currentText(), QStringLiteral("1"));
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(w.txtSearchString->hasFocus());
    EXPECT_EQ(w.txtSearchString->selectedText(), w.txtSearchString->text());
}
