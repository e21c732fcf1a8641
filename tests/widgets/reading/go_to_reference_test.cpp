// Going to a typed reference: the parser against the shipped Bible database, the go-to box of the
// main window typed into as a user types, and the command line's one-reference forms.
#include "app/CommandLine.h"
#include "reading/BookCatalogue.h"
#include "reading/ReferenceBox.h"
#include "reading/ReferenceParser.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
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
    test::TempProgramFolder folder;
    BookCatalogue books;
};

} // namespace

TEST_F(References, NamesAbbreviationsAndShortFormsInAnySpellingAndWhatIsWrongIsNamed)
{
    // (typed, the passage meant or the start of the message)
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
    for (const auto& [typed, meant] : cases)
        EXPECT_TRUE(read(typed).startsWith(QString::fromUtf8(meant))) << typed << " reads as " << read(typed).toStdString();
    EXPECT_TRUE(read("Hezekiah 1").contains(QStringLiteral("\"Hezekiah\"")));
    EXPECT_TRUE(read("John 3:18-16").endsWith(QStringLiteral("ends before it starts")));
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
    type(QStringLiteral("jn 3:16-18"));
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"New Testament", "John", "3", "16", "3", "18"}));
    EXPECT_TRUE(Child<QTextEdit>(*window, "txtBibleText")->toPlainText().startsWith(QStringLiteral("For God so loved the world")));
    type(QStringLiteral("Gen 1:1-2:3"));  // replaces the last one; the range crosses chapters
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Genesis", "1", "1", "2", "3"}));
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    const QString text = Child<QTextEdit>(*window, "txtBibleText")->toPlainText();
    type(QStringLiteral("Jude 2:1"));
    ASSERT_EQ(folder.ui().messages, QList<Message>{Message::ReferenceNotShown});
    EXPECT_TRUE(folder.ui().messageTexts[0].contains(QStringLiteral("Jude has 1 chapter")));
    EXPECT_EQ(test::ShownPassage(*window), (QStringList{"Old Testament", "Genesis", "1", "1", "2", "3"}));
    EXPECT_EQ(Child<QTextEdit>(*window, "txtBibleText")->toPlainText(), text);
}

TEST_F(GoToBox, ItAndTheWholeWordsBoxReadWholeAndOverlapNoOtherControlAtAnySize)
{
    QWidget* box = Child<ReferenceBox>(*window, "txtGoToReference");
    auto* caption = Child<QLabel>(*window, "lblGoToReference");
    QWidget* wholeWords = child("chkWholeWords");
    ASSERT_EQ(caption->buddy(), box);
    EXPECT_LE(wholeWords->sizeHint().width(), wholeWords->width());
    const QList<QWidget*> checked = {box, caption, wholeWords};
    for (const QSize size : {QSize(900, 600), QSize(1200, 800), QSize(700, 450)}) {
        window->resize(size);
        QApplication::processEvents();
        ASSERT_TRUE(box->isVisible());
        for (QWidget* added : checked) {
            QWidget* area = window->centralWidget();
            const auto where = [area](const QWidget* w) { return QRect(w->mapTo(area, QPoint()), w->size()); };
            for (QWidget* other : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                // A shape is a background that controls stand on, a container holds them.
                if (other == added || !other->isVisible() || other->objectName().startsWith(QStringLiteral("shp"))
                    || other->isAncestorOf(added))
                    continue;
                EXPECT_FALSE(where(added).intersects(where(other)))
                    << added->objectName().toStdString() << " " << other->objectName().toStdString();
            }
        }
    }
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

    EXPECT_EQ(ParseCommandLine({"--open", "Ps 23"}).openPassage, QStringList{"Ps 23"});
    EXPECT_EQ(ParseCommandLine({"--open", "Old Testament", "Psalms", "23:1-23:6"}).openPassage.size(), 3);
}
