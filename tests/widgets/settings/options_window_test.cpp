// The options window: sample text, font working copy, rounding of the stored size, Save and Close.
#include "settings/OptionsEditing.h"
#include "settings/OptionsDialog.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "support/Fixture.h"
#include "support/ModalSteps.h"

#include "resources/Widgets.h"

#include <QCheckBox>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kivra;

namespace {
const QString A = QStringLiteral(
    "But God commendeth his love toward us, in that, while we were yet sinners, Christ died for us.");
const QString B = QStringLiteral(
    "Much more then, being now justified by his blood, we shall be saved from wrath through him.");

QVariant storedOption(const char* field)
{
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {}, QStringLiteral("="));
    return rs && !rs->eof() ? rs->value(QLatin1String(field)) : QVariant();
}

void setRow(const QString& assignments)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName,
                                              QStringLiteral("UPDATE tblOptions SET ") + assignments));
    ASSERT_TRUE(LoadOptions());
}
} // namespace

TEST(OptionsPreview, StoredSizeRoundsHalvesToEven)
{
    const std::pair<const char*, int> sizes[] = {{"10.5", 10}, {"11.5", 12}, {"12.5", 12}, {"10.6", 11}, {"10.4", 10},
                                                 {"14", 14},   {"", 0},      {"big", 0},
                                                 {"99999", 32767}};  // the field is 16-bit
    for (const auto& [typed, stored] : sizes)
        EXPECT_EQ(StoredFontSize(QString::fromLatin1(typed)), stored) << typed;
}

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        setRow(QStringLiteral("InsertNewLineAfterText = 1, ShowChapterSection = 0, DefaultFont = 'DejaVu Serif', "
                              "DefaultFontSize = 12, DefaultFontBold = 'False', DefaultFontItalic = 'False', "
                              "DefaultFontUnderline = 'False', DefaultFontStrikethru = 'False', "
                              "DefaultFontColor = '0'"));
    }
    test::TempProgramFolder folder;
};

TEST_F(OptionsWindow, LoadShowsTheStoredOptionsAndTheBoxesPreview)
{
    OptionsDialog window;
    EXPECT_TRUE(window.chkInsertNewLineAfterText->isChecked());
    EXPECT_FALSE(window.chkShowChapterSection->isChecked());
    EXPECT_EQ(window.rxtSampleVerse->toPlainText(), A + "\n\n" + B);
    EXPECT_EQ(window.rxtSampleVerse->font().family(), QStringLiteral("DejaVu Serif"));

    QTest::mouseClick(window.chkShowChapterSection, Qt::LeftButton);
    EXPECT_EQ(window.rxtSampleVerse->toPlainText(), A + "(5:8) \n\n" + B + "(5:9) ");
    window.chkInsertNewLineAfterText->setChecked(false);
    EXPECT_EQ(window.rxtSampleVerse->toPlainText(), A + "(5:8) " + B + "(5:9) ");
    QTest::mouseClick(window.chkShowChapterSection, Qt::LeftButton);
    EXPECT_EQ(window.rxtSampleVerse->toPlainText(), A + B);
}

TEST_F(OptionsWindow, AFractionalSizeIsPreviewedAndSavedRoundedWithTheColour)
{
    OptionsDialog window;
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSizeF(10.5);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    folder.ui().fontAnswer = chosen;
    folder.ui().colourAnswer = QColor(255, 0, 0);
    QTest::mouseClick(window.lblSelectFont, Qt::LeftButton);

    EXPECT_EQ(window.workingCopy().size, QStringLiteral("10.5"));
    EXPECT_DOUBLE_EQ(window.rxtSampleVerse->font().pointSizeF(), 10.5);
    QTextCursor cursor(window.rxtSampleVerse->document());
    cursor.setPosition(5);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(cursor.charFormat().font().bold());
    EXPECT_TRUE(cursor.charFormat().fontStrikeOut());

    bool saved = false;
    QObject::connect(&window, &OptionsDialog::optionsSaved, [&] { saved = true; });
    window.imgSave->click();
    EXPECT_TRUE(saved);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const std::pair<const char*, const char*> stored[] = {
        {"DefaultFontSize", "10"},          {"DefaultFont", "DejaVu Sans"}, {"DefaultFontBold", "True"},
        {"DefaultFontItalic", "False"},     {"DefaultFontStrikethru", "True"}, {"DefaultFontColor", "255"},
        {"InsertNewLineAfterText", "1"}};
    for (const auto& [field, value] : stored)
        EXPECT_EQ(storedOption(field).toString(), QLatin1String(value)) << field;
    EXPECT_EQ(options().DefaultFontSize, 10);
    EXPECT_EQ(options().DefaultFont, QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(OptionsWindow, AcceptingTheRealDialogsUnchangedChangesNothing)
{
    test::RealDialogs real;
    setInteraction(&real);
    OptionsDialog window;
    window.show();
    const auto modals = test::RunOnModals({{"QFontDialog", test::PressEnter}, {"QColorDialog", test::PressEnter}});
    QTest::mouseClick(window.lblSelectFont, Qt::LeftButton);
    QTest::mouseClick(window.imgSave, Qt::LeftButton);
    setInteraction(&folder.ui());
    EXPECT_EQ(storedOption("DefaultFont").toString(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(storedOption("DefaultFontSize").toInt(), 12);
    for (const char* flag : {"DefaultFontBold", "DefaultFontItalic", "DefaultFontUnderline", "DefaultFontStrikethru"})
        EXPECT_EQ(storedOption(flag).toString(), QStringLiteral("False")) << flag;
    EXPECT_EQ(storedOption("DefaultFontColor").toString(), QStringLiteral("0"));
}

TEST_F(OptionsWindow, CancelInOneDialogKeepsWhatTheOtherChoseAndCloseWritesNothing)
{
    OptionsDialog window;
    const FontWorkingCopy before = window.workingCopy();
    folder.ui().fontAnswer = QFont(QStringLiteral("DejaVu Sans"), 20);
    folder.ui().colourAnswer.reset();  // Cancel in the colour step
    // The font link is the next stop after the check boxes and opens with the keyboard too.
    QWidget* next = window.chkShowChapterSection->nextInFocusChain();
    while (next && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, static_cast<QWidget*>(window.lblSelectFont));
    QTest::keyClick(window.lblSelectFont, Qt::Key_Space);
    EXPECT_EQ(window.workingCopy().name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(window.workingCopy().size, QStringLiteral("20"));
    EXPECT_EQ(window.workingCopy().colour, before.colour);

    folder.ui().fontAnswer.reset();  // Cancel in the font step: the colour alone changes
    folder.ui().colourAnswer = QColor(Qt::blue);
    QTest::keyClick(window.lblSelectFont, Qt::Key_Space);
    EXPECT_EQ(window.workingCopy().name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(window.workingCopy().textColour(), QColor(Qt::blue));
    EXPECT_EQ(window.rxtSampleVerse->toPlainText(), A + "\n\n" + B);

    window.chkShowChapterSection->setChecked(true);
    window.imgClose->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(storedOption("DefaultFontSize").toInt(), 12);
    EXPECT_EQ(storedOption("ShowChapterSection").toInt(), 0);
    EXPECT_EQ(options().DefaultFont, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(options().ShowChapterSection, 0);
}

TEST_F(OptionsWindow, SaveWithoutAnOptionsRowWritesNothingAndSaysNothing)
{
    OptionsDialog window;
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName, QStringLiteral("DELETE FROM tblOptions")));
    bool rowFound = true;
    EXPECT_TRUE(SaveOptionValues(1, 1, window.workingCopy(), &rowFound));
    EXPECT_FALSE(rowFound);
    window.imgSave->click();
    EXPECT_TRUE(folder.ui().messages.isEmpty());
    EXPECT_FALSE(storedOption("DefaultFont").isValid());
}
