// Strong's numbers, lexicon entries and commentaries on small modules made here (a Bible whose
// words carry numbers, a Greek lexicon of one entry, a commentary with links), and on Debian's
// modules when they are installed, against a plain scan of the module's entries.
#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"
#include "study/Commentary.h"
#include "study/Strongs.h"
#include "support/DatabaseFolder.h"
#include "support/MachineNeeds.h"
#include "support/TinyShelf.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kivra;
using namespace Qt::StringLiterals;

namespace {

class TinyStudy : public ::testing::Test {
protected:
    void SetUp() override
    {
        KIVRA_NEEDS(modules.shortfall());
        ASSERT_TRUE(folder.ok());
        QString error;
        ASSERT_TRUE(ChooseBible(QStringLiteral("Tiny"), &error)) << error.toStdString();
    }
    static StrongsNumber number(const char* text) { return *StrongsNumber::parse(QString::fromLatin1(text)); }
    // The words of the verse that carry a number, as "word=numbers".
    static QStringList markedWords(const StrongsIndex& index, const char* osisBook, int chapter, int verse)
    {
        const auto text = ChosenModuleText();
        const int entry = text->find(text->bookIndex(QString::fromLatin1(osisBook)), chapter, verse);
        const QByteArray utf8 = text->text(entry);
        QStringList words;
        for (const StrongsIndex::Word& word : index.wordsOf(entry)) {
            QStringList numbers;
            for (const StrongsNumber& n : index.numbersOf(word))
                numbers << n.text();
            words << QString::fromUtf8(utf8.mid(word.start, word.end - word.start)) + u'=' + numbers.join(u' ');
        }
        return words;
    }

    test::TempDatabaseFolder folder;
    test::TinyShelfFolder modules{true};
};

TEST(StrongsNumbers, AreReadAsTheModulesAndReadersWriteThem)
{
    for (const char* text : {"H0430", "h430", "strong:H430", "H430a"})
        EXPECT_EQ(StrongsNumber::parse(QString::fromLatin1(text)), (StrongsNumber{'H', 430})) << text;
    EXPECT_EQ(StrongsNumber::parse(u"G0025")->text(), u"G25"_s);
    for (const char* text : {"", "H", "X25", "G0", "G25xy", "25", "G-3"})
        EXPECT_FALSE(StrongsNumber::parse(QString::fromLatin1(text))) << text;
}

TEST_F(TinyStudy, EveryMarkedWordKeepsItsNumbersAndItsPlaceInTheCleanText)
{
    const auto index = StrongsIndex::of(ChosenModuleText());
    ASSERT_TRUE(index);
    // A footnote between two marked words leaves both in place.
    EXPECT_EQ(markedWords(*index, "Gen", 1, 1), QStringList({u"Dios=H430"_s, u"creó=H1254"_s}));
    EXPECT_EQ(markedWords(*index, "John", 3, 16), QStringList({u"amó=G25"_s, u"Dios=G2316"_s}));
    const auto text = ChosenModuleText();
    QStringList carrying;
    for (int entry : index->entriesWith(number("H0430")))
        carrying << QStringLiteral("%1:%2").arg(text->entries()[size_t(entry)].chapter).arg(text->entries()[size_t(entry)].verse);
    EXPECT_EQ(carrying, QStringList({u"1:1"_s, u"1:3"_s}));
    EXPECT_TRUE(index->entriesWith(number("G5368")).isEmpty());
}

TEST_F(TinyStudy, TheLexiconGivesTheWordApartFromItsEntryAndNamesThePackageItLacks)
{
    QString error;
    const auto entry = Lexicon::lookUp(number("G25"), &error);
    ASSERT_TRUE(entry) << error.toStdString();
    EXPECT_EQ(entry->word, u"ἀγαπάω"_s);
    EXPECT_EQ(entry->transliteration, u"agapáō"_s);
    EXPECT_EQ(entry->pronunciation, u"ag-ap-ah'-o"_s);
    EXPECT_EQ(entry->text, u"to love. Compare G5368."_s);  // no Beta code, no heading twice
    EXPECT_FALSE(Lexicon::lookUp(number("G26"), &error));  // the nearest key is no answer
    EXPECT_TRUE(error.contains(u"G26")) << error.toStdString();
    EXPECT_FALSE(Lexicon::lookUp(number("H430"), &error));
    EXPECT_TRUE(error.contains(u"sword-dict-strongs-hebrew")) << error.toStdString();
}

TEST_F(TinyStudy, ACommentaryReadsAsParagraphsWithItsReferencesAsLinks)
{
    QString error;
    const auto notes = Commentary::notes(u"tinynotes"_s, u"John"_s, {u"John"_s, 3, 1, 3, 36}, &error);
    ASSERT_TRUE(notes) << error.toStdString();
    ASSERT_EQ(notes->size(), 2);
    const CommentaryNote& note = notes->first();
    EXPECT_EQ(note.fromVerse, 16);
    EXPECT_EQ(note.plainText(), u"perish\nLost sheep, Matthew 10:6; Luke 15:4,6.\n(See \"Matthew 4:8\")"_s);
    ASSERT_EQ(note.paragraphs.size(), 3);
    EXPECT_TRUE(note.paragraphs[0][0].bold);
    ChooseBible({});  // the links open passages of the Bible read, here the built-in one
    QStringList links;
    for (const CommentaryParagraph& paragraph : note.paragraphs)
        for (const CommentaryRun& run : paragraph)
            if (!run.link.isEmpty()) {
                const auto passage = Commentary::linkPassage(run.link);
                links << (passage ? QStringLiteral("%1 %2:%3").arg(passage->book).arg(passage->fromChapter).arg(passage->fromVerse)
                                  : QStringLiteral("none"));
                EXPECT_EQ(run.italic, run.link.startsWith(u"TinyNotes"));
            }
    EXPECT_EQ(links, QStringList({u"Matthew 10:6"_s, u"Luke 15:4"_s, u"Matthew 4:8"_s}));
    EXPECT_FALSE(Commentary::linkPassage(u"no such place"_s));
    EXPECT_FALSE(Commentary::notes(u"Damaged"_s, u"John"_s, {u"John"_s, 3, 16, 3, 16}, &error));
    EXPECT_TRUE(error.contains(u"cannot be read")) << error.toStdString();
}

TEST_F(TinyStudy, TheCommandsPrintTheEntryTheVersesAndTheNotesAndSayWhatIsWrong)
{
    const auto run = [this](QStringList args) { return test::RunProgram(QStringList{u"--app-dir"_s, folder.path()} + args); };
    test::ProgramRun r = test::RunProgram({u"strongs"_s, u"G0025"_s});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"G25  ἀγαπάω  agapáō  (ag-ap-ah'-o)\nto love. Compare G5368.\n"_s);
    r = test::RunProgram({u"strongs"_s, u"H430"_s});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(u"sword-dict-strongs-hebrew"_s)) << r.err.toStdString();
    EXPECT_EQ(test::RunProgram({u"strongs"_s, u"love"_s}).code, 2);

    r = run({u"--bible"_s, u"Tiny"_s, u"search"_s, u"--strongs"_s, u"H430"_s});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(u"Gen 1:1\tDios creó el cielo.\nGen 1:3\t"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith(u"2 verses found\n"_s)) << r.out.toStdString();
    r = run({u"search"_s, u"--strongs"_s, u"H430"_s});  // the built-in Bible has no numbers
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(u"--bible"_s)) << r.err.toStdString();

    r = run({u"commentary"_s, u"--module"_s, u"TinyNotes"_s, u"John 3:16-17"_s});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(u"John 3:16\nperish\nLost sheep"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"John 3:17\nOr, judge."_s)) << r.out.toStdString();
    r = run({u"commentary"_s, u"--module"_s, u"Damaged"_s, u"John 3:16"_s});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(u"cannot be read"_s) && r.err.contains(u"TinyNotes"_s)) << r.err.toStdString();
    EXPECT_EQ(run({u"commentary"_s, u"--module"_s, u"TinyNotes"_s, u"John 99:1"_s}).code, 2);
}

// Debian's packages, where installed.
class InstalledStudy : public ::testing::Test {
protected:
    void SetUp() override
    {
        qunsetenv("SWORD_PATH");
        Shelf::instance().reload();
        ASSERT_TRUE(folder.ok());
    }
    void TearDown() override { ChooseBible({}); }
    static void needModule(const char* name, const char* package)
    {
        if (!Shelf::instance().module(QString::fromLatin1(name)))
            GTEST_SKIP() << package << " is not installed";
    }
    test::TempDatabaseFolder folder;
};

TEST_F(InstalledStudy, TheHebrewLexiconShowsHebrewLetters)
{
    needModule("StrongsHebrew", "sword-dict-strongs-hebrew");
    QString error;
    const auto entry = Lexicon::lookUp({'H', 430}, &error);
    ASSERT_TRUE(entry) << error.toStdString();
    // The conf does not say UTF-8, yet the entries are: read as Latin-1 they would be mojibake.
    EXPECT_EQ(entry->word, u"אלהים"_s);
    EXPECT_TRUE(entry->text.contains(u"gods in the ordinary sense")) << entry->text.toStdString();
}

TEST_F(InstalledStudy, EveryVerseWithG25AsAPlainScanOfTheKjvFindsThem)
{
    needModule("engKJV2006eb", "sword-text-kjv");
    KIVRA_NEEDS(test::lacksProgram(QStringLiteral("diatheke"), "diatheke"));
    ASSERT_TRUE(ChooseBible(u"engKJV2006eb"_s));
    const auto index = StrongsIndex::of(ChosenModuleText());
    ASSERT_TRUE(index);
    QProcess diatheke;
    diatheke.start(u"diatheke"_s, {u"-b"_s, u"engKJV2006eb"_s, u"-f"_s, u"internal"_s, u"-k"_s, u"Matthew-Revelation"_s});
    ASSERT_TRUE(diatheke.waitForFinished(120000));
    const QRegularExpression g25(u"strong:G0*25[\" ]"_s);
    int verses = 0;
    for (const QByteArray& line : diatheke.readAllStandardOutput().split('\n'))
        verses += QString::fromUtf8(line).contains(g25);
    EXPECT_GT(verses, 100);
    EXPECT_EQ(index->entriesWith({'G', 25}).size(), verses);
}

TEST_F(InstalledStudy, ScofieldOnJohn316AndTheDamagedMhccNamedWithItsReason)
{
    needModule("Scofield", "sword-comm-scofield");
    QString error;
    const auto notes = Commentary::notes(u"Scofield"_s, u"John"_s, {u"John"_s, 3, 16, 3, 16}, &error);
    ASSERT_TRUE(notes && notes->size() == 1) << error.toStdString();
    EXPECT_TRUE(notes->first().plainText().contains(u"world kosmos = mankind.")) << notes->first().plainText().toStdString();
    const ModuleInfo* mhcc = Shelf::instance().module(u"MHCC"_s);
    if (!mhcc)
        GTEST_SKIP() << "sword-comm-mhcc is not installed";
    EXPECT_FALSE(Commentary::notes(u"MHCC"_s, u"John"_s, {u"John"_s, 3, 16, 3, 16}, &error));
    EXPECT_TRUE(error.contains(u"storage layout")) << error.toStdString();
}

} // namespace
