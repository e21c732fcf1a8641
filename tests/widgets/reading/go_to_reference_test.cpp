// Going to a typed reference: the parser, the go-to box typed into, the command line and the Bible chooser.
#include "app/CommandLine.h"
#include "reading/BookCatalogue.h"
#include "reading/LocalBookNames.h"
#include "reading/ChosenBible.h"
#include "reading/CompareView.h"
#include "reading/ReferenceBox.h"
#include "reading/ReferenceParser.h"
#include "reading/VerseRangeSelector.h"
#include "shelf/Shelf.h"
#include "support/MainWindowFixture.h"
#include "support/TinyShelf.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;

namespace {

class References : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        books = BookCatalogue::load();
        ASSERT_FALSE(books.isEmpty());
    }
    // "Book c:v-c:v" of what the text reads as, or the message when it reads as nothing.
    QString read(const char* typed)
    {
        Passage r;
        QString error;
        if (!ParseReference(QString::fromUtf8(typed), books, &r, &error))
            return error;
        return QStringLiteral("%1 %2:%3-%4:%5").arg(r.book).arg(r.fromChapter).arg(r.fromVerse).arg(r.toChapter).arg(
            r.toVerse);
    }
    // Each (typed, the passage meant or the start of the message).
    template <size_t N> void expectReadings(const std::pair<const char*, const char*> (&cases)[N])
    {
        for (const auto& [typed, meant] : cases)
            EXPECT_TRUE(read(typed).startsWith(QString::fromUtf8(meant))) << typed << " reads as " << read(typed).toStdString();
    }
    test::TempProgramFolder folder;
    BookCatalogue books;
};

} // namespace

TEST_F(References, NamesAbbreviationsAndShortFormsInAnySpellingAndWhatIsWrongIsNamed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"John 3:16", "John 3:16-3:16"},
        {"jn 3:16-18", "John 3:16-3:18"},
        {"Ps 23", "Psalms 23:1-23:6"},
        {"Psalm 119:105", "Psalms 119:105-119:105"},
        {"1co 13:4-7", "1 Corinthians 13:4-13:7"},
        {"Song 2", "Song of Solomon 2:1-2:17"},
        {"Obadiah 3", "Obadiah 1:3-1:3"},
        // case, blanks, full stops, Roman numbers, dashes, chapter ranges, a book alone
        {"  JOHN3:16 ", "John 3:16-3:16"},
        {"1 Cor. 13 : 4 - 7", "1 Corinthians 13:4-13:7"},
        {"II Kings 2", "2 Kings 2:1-2:25"},
        {"Gen 1\u20132", "Genesis 1:1-2:25"},
        {"Jude 3-5", "Jude 1:3-1:5"},
        {"Ruth", "Ruth 1:1-1:22"},
        {"Jude 2:1", "Jude has 1 chapter"},
        {"Gen 51", "Genesis has 50 chapters"},
        {"John 3:37", "John 3 has 36 verses"},
        {"Obadiah 22", "Obadiah has 21 verses"},
        {"John 3:99999999999", "John 3 has 36 verses"},
        {"Jud 1", "\"Jud\" could be Judges or Jude"},
        {"3:16", "write it like"},
        {"John 3:16:2", "write it like"},
    };
    expectReadings(cases);
    EXPECT_TRUE(read("Hezekiah 1").contains(QStringLiteral("\"Hezekiah\"")));
    EXPECT_TRUE(read("John 3:18-16").endsWith(QStringLiteral("ends before it starts")));
}

// German and Spanish names reach the database's English ones, as do SWORD's "I Samuel" and "Revelation of John".
TEST_F(References, GermanAndSpanishReadersTypeTheirOwnNamesAndTheStoredNameStaysEnglish)
{
    const struct English {
        ~English() { UseReaderLanguage(QLocale(QLocale::C)); }  // for the tests that follow, even on failure
    } english;
    UseReaderLanguage(QLocale(QStringLiteral("de_DE")));
    ASSERT_FALSE(ReaderBookNames().isEmpty()) << "the SWORD locale files come with libsword-common";
    const std::pair<const char*, const char*> german[] = {
        {"Johannes 3,16", "John 3:16-3:16"}, {"Joh 3,16-18", "John 3:16-3:18"}, {"1. Mose 1,1-2,3", "Genesis 1:1-2:3"},
        {"offb 22", "Revelation 22:1-22:21"}, {"John 3:16", "John 3:16-3:16"}, {"Judas 2,1", "Judas has 1 chapter"}};
    expectReadings(german);
    EXPECT_EQ(ShownBookName(QStringLiteral("1 Samuel")), QStringLiteral("1. Samuel"));
    EXPECT_EQ(ShownBookName(QStringLiteral("Revelation")), QStringLiteral("Offenbarung"));

    UseReaderLanguage(QLocale(QStringLiteral("es_ES")));
    const std::pair<const char*, const char*> spanish[] = {
        {"Juan 3:16", "John 3:16-3:16"}, {"1 Co 13,4", "1 Corinthians 13:4-13:4"}, {"Génesis 1", "Genesis 1:1-1:31"},
        {"apocalipsis 1", "Revelation 1:1-1:20"}};
    expectReadings(spanish);

    UseReaderLanguage(QLocale(QStringLiteral("en_GB")));
    EXPECT_TRUE(ReaderBookNames().isEmpty());
    EXPECT_EQ(ShownBookName(QStringLiteral("1 Samuel")), QStringLiteral("1 Samuel"));
}

class GoToBox : public test::MainWindowTest {
protected:
    void type(const QString& text)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(Child<ReferenceBox>(*window, "txtGoToReference")->hasFocus());
        QTest::keyClicks(Child<ReferenceBox>(*window, "txtGoToReference"), text);
        QTest::keyClick(Child<ReferenceBox>(*window, "txtGoToReference"), Qt::Key_Return);
    }
};

TEST_F(GoToBox, ATypedReferenceIsShownAndAWrongOneIsExplainedAndChangesNothing)
{
    // Where the box lies among the other controls, the layout test checks.
    EXPECT_EQ(Child<QLabel>(*window, "lblGoToReference")->buddy(), Child<ReferenceBox>(*window, "txtGoToReference"));
    type(QStringLiteral("jn 3:16-18"));
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "John", "3", "16", "3", "18"}));
    EXPECT_TRUE(Child<QTextEdit>(*window, "txtBibleText")->toPlainText().startsWith(QStringLiteral("For God so loved the world")));
    type(QStringLiteral("Gen 1:1-2:3"));  // replaces the last one; the range crosses chapters
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Genesis", "1", "1", "2", "3"}));
    EXPECT_TRUE(folder.ui().messages.isEmpty());
    // Moved on otherwise, the box names what is shown, not what was typed for the passage before.
    QTest::mouseClick(Child<QToolButton>(*window, "imgNext"), Qt::LeftButton);
    EXPECT_EQ(Child<ReferenceBox>(*window, "txtGoToReference")->text(), QStringLiteral("Genesis 2:1-25"));
    type(QStringLiteral("Gen 1:1-2:3"));

    const QString text = Child<QTextEdit>(*window, "txtBibleText")->toPlainText();
    type(QStringLiteral("Jude 2:1"));
    ASSERT_EQ(folder.ui().messages, QList<Message>{Message::ReferenceNotShown});
    EXPECT_TRUE(folder.ui().messageTexts[0].contains(QStringLiteral("Jude has 1 chapter")));
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Genesis", "1", "1", "2", "3"}));
    EXPECT_EQ(Child<QTextEdit>(*window, "txtBibleText")->toPlainText(), text);
}

class BibleChoice : public GoToBox {
protected:
    void SetUp() override
    {
        KIVRA_NEEDS(modules.shortfall());
        GoToBox::SetUp();
    }
    QString shownText() const { return Child<QTextEdit>(*window, "txtBibleText")->toPlainText(); }
    QString status() const { return Child<QLabel>(*window, "stbPanel1")->text(); }
    test::TinyShelfFolder modules;
};

TEST_F(BibleChoice, AClickedBibleIsReadWithItsOwnBooksAndTheKeysGoBackToTheBuiltInOne)
{
    auto* chooser = Child<QComboBox>(*window, "cboBible");
    EXPECT_FALSE(Shelf::instance().isLoaded());  // the window opened without reading the shelf
    EXPECT_EQ(chooser->currentText(), QStringLiteral("King James Version"));
    QTest::mouseClick(chooser, Qt::LeftButton);
    QAbstractItemView* list = chooser->view();
    ASSERT_TRUE(list->isVisible());
    const QModelIndex tiny = list->model()->index(chooser->findText(QStringLiteral("Tiny test Bible")), 0);
    ASSERT_TRUE(tiny.isValid());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // the list ignores a release that quick: it ends the opening click
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(tiny).center());
    EXPECT_EQ(ChosenBibleName(), QStringLiteral("Tiny"));
    EXPECT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    // The closed list leaves no window active on the offscreen platform, as a window manager would.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == Child<QWidget>(*window, "txtBibleText"); }));

    type(QStringLiteral("Gen 1:1-3"));  // verse 2 is not in this Bible: the others are shown, the gap is named
    EXPECT_EQ(shownText().count(QStringLiteral("Dios")), 2);
    EXPECT_TRUE(shownText().startsWith(QStringLiteral("Dios creó el cielo.")));
    // A Spanish Bible names its books in Spanish for an English reader; the passage keeps the English name.
    EXPECT_TRUE(status().contains(QStringLiteral("Tiny test Bible has no text for Génesis 1:2"))) << status().toStdString();
    EXPECT_EQ(test::ShownPassage(*window).value(1), QStringLiteral("Génesis"));
    EXPECT_EQ(window->findChild<VerseRangeSelector*>()->passage().book, QStringLiteral("Genesis"));
    type(QStringLiteral("Juan 3:16"));
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "Juan", "3", "16", "3", "16"}));
    type(QStringLiteral("Tobit 1:1"));  // the locale file names no book outside the 66: the library's name stays
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Tobit", "1", "1", "1", "1"}));
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Up);  // back to the King James Version, which has no Tobit
    EXPECT_EQ(ChosenBibleName(), QString());
    EXPECT_EQ(folder.ui().messages, QList<Message>{Message::PassageNotInBible});
    type(QStringLiteral("Gen 1:1"));
    EXPECT_TRUE(shownText().startsWith(QStringLiteral("In the beginning God created")));
    EXPECT_FALSE(status().contains(QStringLiteral("no text")));
    EXPECT_EQ(test::ShownPassage(*window).value(1), QStringLiteral("Genesis"));
}

TEST_F(BibleChoice, TheCompareWindowSetsBiblesSideBySideOneRowPerVerse)
{
    type(QStringLiteral("Gen 1:1-3"));
    QTest::mouseClick(Child<QPushButton>(*window, "cmdCompare"), Qt::LeftButton);
    auto* compare = window->findChild<CompareView*>(QStringLiteral("frmCompare"));
    ASSERT_TRUE(compare);
    QTableWidget* grid = compare->grid();
    EXPECT_EQ(grid->columnCount(), 2);  // the chosen (built-in) Bible and the first other
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_TRUE(grid->item(1, 0)->text().startsWith(QStringLiteral("And the earth")));
    EXPECT_EQ(grid->item(1, 1)->text(), QString());  // Tiny lacks Genesis 1:2
    auto* third = Child<QComboBox>(*compare, "cboCompareBible3");
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Down);  // from "(none)" to the King James Version
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(2, 2)->text(), grid->item(2, 0)->text());
    EXPECT_GT(grid->rowHeight(1), grid->fontMetrics().height());  // long verses wrap within their row
}

TEST_F(References, TheCommandLineTakesOneReference)
{
    const auto run = [this](const QStringList& args) {
        const test::ProgramRun r = test::RunProgram(QStringList{"--app-dir", folder.path()} + args);
        return std::pair{r.code, r.out + r.err};
    };
    const auto typed = run({"passage", "John 3:16-18"});
    EXPECT_EQ(typed.first, 0) << typed.second.toStdString();
    EXPECT_EQ(typed, run({"passage", "New Testament", "John", "3:16-3:18"}));
    qputenv("LANGUAGE", "de");
    const auto german = run({"passage", "Joh 3,16-18"});
    qunsetenv("LANGUAGE");
    EXPECT_EQ(german, typed);

    EXPECT_EQ(ParseCommandLine({"--open", "Ps 23"}).openPassage, QStringList{"Ps 23"});
    EXPECT_EQ(ParseCommandLine({"--open", "Old Testament", "Psalms", "23:1-23:6"}).openPassage.size(), 3);
}
