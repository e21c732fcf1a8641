// Going to a typed reference: the parser against the shipped Bible database, the go-to box of the
// main window typed into as a user types, and the command line's one-reference forms.
#include "app/CommandLine.h"
#include "reading/ReferenceBox.h"
#include "reading/ReferenceParser.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

struct Expected {
    const char* typed;
    const char* book;
    int fromChapter, fromSection, toChapter, toSection;
};

class References : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        books = LoadBookCatalogue();
        ASSERT_FALSE(books.isEmpty());
    }
    QString errorFor(const char* typed)
    {
        BibleReference r;
        QString error;
        EXPECT_FALSE(ParseReference(QString::fromUtf8(typed), books, &r, &error)) << typed;
        return error;
    }
    test::TempProgramFolder folder;
    BookCatalogue books;
};

} // namespace

TEST_F(References, NamesAbbreviationsAndShortFormsInAnySpelling)
{
    const Expected cases[] = {
        {"John 3:16", "John", 3, 16, 3, 16},
        {"jn 3:16-18", "John", 3, 16, 3, 18},
        {"Ps 23", "Psalms", 23, 1, 23, 6},
        {"Psalm 119:105", "Psalms", 119, 105, 119, 105},
        {"Gen 1:1-2:3", "Genesis", 1, 1, 2, 3},
        {"1 Cor 13", "1 Corinthians", 13, 1, 13, 13},
        {"1co 13:4-7", "1 Corinthians", 13, 4, 13, 7},
        {"Song 2", "Song of Solomon", 2, 1, 2, 17},
        {"Rev 22:21", "Revelation", 22, 21, 22, 21},
        {"Obadiah 3", "Obadiah", 1, 3, 1, 3},
        // case, blanks, full stops, the book's full name, Roman numbers, dashes, chapter ranges
        {"  JOHN3:16 ", "John", 3, 16, 3, 16},
        {"1 Cor. 13 : 4 - 7", "1 Corinthians", 13, 4, 13, 7},
        {"II Kings 2", "2 Kings", 2, 1, 2, 25},
        {"song of solomon 1:1", "Song of Solomon", 1, 1, 1, 1},
        {"Gen 1\u20132", "Genesis", 1, 1, 2, 25},
        {"Jude 3-5", "Jude", 1, 3, 1, 5},
        {"Ruth", "Ruth", 1, 1, 1, 22},
    };
    for (const Expected& c : cases) {
        BibleReference r;
        QString error;
        ASSERT_TRUE(ParseReference(QString::fromUtf8(c.typed), books, &r, &error)) << c.typed << ": "
                                                                                   << error.toStdString();
        EXPECT_EQ(r.book, QString::fromUtf8(c.book)) << c.typed;
        EXPECT_EQ((QList<int>{r.fromChapter, r.fromSection, r.toChapter, r.toSection}),
                  (QList<int>{c.fromChapter, c.fromSection, c.toChapter, c.toSection}))
            << c.typed;
    }
}

TEST_F(References, AWrongReferenceNamesTheWrongPart)
{
    EXPECT_EQ(errorFor("Jude 2:1"), QStringLiteral("Jude has 1 chapter"));
    EXPECT_EQ(errorFor("Gen 51"), QStringLiteral("Genesis has 50 chapters"));
    EXPECT_EQ(errorFor("John 3:37"), QStringLiteral("John 3 has 36 verses"));
    EXPECT_EQ(errorFor("Obadiah 22"), QStringLiteral("Obadiah has 21 verses"));
    EXPECT_EQ(errorFor("John 3:99999999999"), QStringLiteral("John 3 has 36 verses"));
    EXPECT_TRUE(errorFor("Hezekiah 1").contains(QStringLiteral("Hezekiah")));
    const QString ambiguous = errorFor("Jud 1");
    EXPECT_TRUE(ambiguous.contains(QStringLiteral("Judges")) && ambiguous.contains(QStringLiteral("Jude")));
    EXPECT_TRUE(errorFor("John 3:18-16").contains(QStringLiteral("ends before it starts")));
    EXPECT_FALSE(errorFor("3:16").isEmpty());
    EXPECT_FALSE(errorFor("John 3:16:2").isEmpty());
}

TEST_F(References, WrittenReferencesReadBack)
{
    for (const char* typed : {"Gen 1:1-2:3", "jn 3:16-18", "Rev 22:21"}) {
        BibleReference r, again;
        QString error;
        ASSERT_TRUE(ParseReference(QLatin1String(typed), books, &r, &error));
        const QString written = ReferenceText(r.book, r.fromChapter, r.fromSection, r.toChapter, r.toSection);
        ASSERT_TRUE(ParseReference(written, books, &again, &error)) << written.toStdString();
        const auto fields = [](const BibleReference& x) {
            return QStringList{x.book, QString::number(x.fromChapter), QString::number(x.fromSection),
                               QString::number(x.toChapter), QString::number(x.toSection)};
        };
        EXPECT_EQ(fields(again), fields(r)) << written.toStdString();
    }
}

class GoToBox : public test::MainWindowTest {
protected:
    QStringList selectors() const
    {
        return {window->cboTestament->currentText(),  window->cboBook->currentText(),
                window->cboFromChapter->currentText(), window->cboFromSection->currentText(),
                window->cboToChapter->currentText(),   window->cboToSection->currentText()};
    }
    void type(const QString& text)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(window->txtGoToReference->hasFocus());
        QTest::keyClicks(window->txtGoToReference, text);
        QTest::keyClick(window->txtGoToReference, Qt::Key_Return);
    }
};

TEST_F(GoToBox, ATypedReferenceSetsTheSixSelectorsAndShowsThePassage)
{
    type(QStringLiteral("jn 3:16-18"));
    EXPECT_EQ(selectors(), (QStringList{"New Testament", "John", "3", "16", "3", "18"}));
    EXPECT_TRUE(window->txtBibleText->toPlainText().startsWith(QStringLiteral("For God so loved the world")));
    EXPECT_TRUE(window->txtBibleText->isVisible());

    // The next reference replaces the last one; a range may cross chapters.
    type(QStringLiteral("Gen 1:1-2:3"));
    EXPECT_EQ(selectors(), (QStringList{"Old Testament", "Genesis", "1", "1", "2", "3"}));
    EXPECT_TRUE(folder.ui().messages.isEmpty());
}

TEST_F(GoToBox, AReferenceThatDoesNotExistIsExplainedAndChangesNothing)
{
    type(QStringLiteral("Ps 23"));
    const QStringList before = selectors();
    const QString text = window->txtBibleText->toPlainText();
    window->txtGoToReference->clear();
    type(QStringLiteral("Jude 2:1"));
    ASSERT_EQ(folder.ui().messages, QList<int>{790});
    EXPECT_TRUE(folder.ui().messageTexts[0].contains(QStringLiteral("Jude has 1 chapter")));
    EXPECT_EQ(selectors(), before);
    EXPECT_EQ(window->txtBibleText->toPlainText(), text);
}

TEST_F(GoToBox, TheBoxOverlapsNoOtherControlAtAnySize)
{
    EXPECT_FALSE(window->txtGoToReference->toolTip().isEmpty());
    for (const QSize size : {QSize(900, 600), QSize(1200, 800), QSize(700, 450)}) {
        window->resize(size);
        QApplication::processEvents();
        ASSERT_TRUE(window->txtGoToReference->isVisible());
        auto* caption = window->findChild<QLabel*>(QStringLiteral("lblGoToReference"));
        ASSERT_TRUE(caption && caption->buddy() == window->txtGoToReference);
        for (QWidget* added : {static_cast<QWidget*>(window->txtGoToReference), static_cast<QWidget*>(caption)}) {
            for (QWidget* other : window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == window->txtGoToReference || other == caption || !other->isVisible())
                    continue;
                EXPECT_FALSE(added->geometry().intersects(other->geometry()))
                    << added->objectName().toStdString() << " " << other->objectName().toStdString();
            }
        }
    }
}

namespace {

struct ProgramRun {
    int code = -1;
    QString out, err;
};

ProgramRun runProgram(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(KIVRA_PROGRAM_DIR "/kivra-bible"), args);
    ProgramRun r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

TEST_F(References, TheCommandLineTakesOneReference)
{
    const QStringList dir = {QStringLiteral("--app-dir"), folder.path()};
    const ProgramRun typed = runProgram(dir + QStringList{"passage", "John 3:16-18"});
    const ProgramRun sixParts = runProgram(dir + QStringList{"passage", "New Testament", "John", "3:16-3:18"});
    EXPECT_EQ(typed.code, 0) << typed.err.toStdString();
    EXPECT_EQ(typed.out, sixParts.out);

    const ProgramRun wrong = runProgram(dir + QStringList{"passage", "Jude 2:1"});
    EXPECT_EQ(wrong.code, 2);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("Jude has 1 chapter"))) << wrong.err.toStdString();

    EXPECT_EQ(ParseCommandLine({"--open", "Ps 23"}).openPassage, QStringList{"Ps 23"});
    EXPECT_EQ(ParseCommandLine({"--open", "Ps 23"}).action, CommandLine::Action::Gui);
    EXPECT_EQ(ParseCommandLine({"--open", "Old Testament", "Psalms", "23:1-23:6"}).openPassage.size(), 3);
    EXPECT_EQ(ParseCommandLine({"--open"}).action, CommandLine::Action::Error);
}
