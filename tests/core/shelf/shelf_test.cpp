// The SWORD shelf on small modules made here, and on Debian's Bibles against the library's own reader.
#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/Comparison.h"
#include "reading/LikePattern.h"
#include "reading/LocalBookNames.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "shelf/CleanText.h"
#include "shelf/Shelf.h"
#include "support/DatabaseFolder.h"
#include "support/MachineNeeds.h"
#include "support/TinyShelf.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

class TinyShelf : public ::testing::Test {
protected:
    void SetUp() override
    {
        KIVRA_NEEDS(modules.shortfall());
        ASSERT_TRUE(folder.ok());
        QString error;
        ASSERT_TRUE(ChooseBible(QStringLiteral("tiny"), &error)) << error.toStdString();
    }

    static int found(const QString& text, bool wholeWords = false)
    {
        SearchQuery q = QuickSearchScan(text);
        q.filter.wholeWords = wholeWords;
        return int(BibleVerseTexts()->matching(q.filter).size());
    }

    test::TinyShelfFolder modules;
    test::TempDatabaseFolder folder;
};

} // namespace

TEST(CleanText, LeavesWordsWithoutMarkupOrNotes)
{
    EXPECT_EQ(CleanEntryText(R"(<w lemma="strong:H0430">God</w><note placement="foot">The Hebrew <hi>word</hi></note>)"
                             R"(<w lemma="strong:H1254" morph="x">created</w>, &amp; <transChange>it</transChange>.)"),
              "God created, & it.");
    EXPECT_EQ(CleanEntryText("\xC2\xB6 And <note n=\"a\">x<note>nested</note>y</note>so<lb/>on\n  end"), "And so on end");
    EXPECT_EQ(CleanEntryText("<WH0430>In the<RF>a footnote<Rf> beginning&#233;<CM>"), "In the beginning\xC3\xA9");
    EXPECT_EQ(CleanEntryText("cut <w lemma="), "cut");
}

TEST(CleanText, FoldsCapitalsOfAnyScriptKeepingPositions)
{
    const QByteArray text = QStringLiteral("ESPÍRITU Ωμέγα İstanbul").toUtf8();
    const QByteArray folded = FoldCase(text);
    EXPECT_EQ(folded.size(), text.size());
    EXPECT_EQ(QString::fromUtf8(folded), QStringLiteral("espíritu ωμέγα İstanbul"));
}

TEST_F(TinyShelf, ListsModulesWithTheirDescriptionsAndWhyOneCannotBeRead)
{
    const ModuleInfo* tiny = Shelf::instance().module(QStringLiteral("TINY"));
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->description, QStringLiteral("Tiny test Bible"));
    EXPECT_EQ(tiny->language, QStringLiteral("es"));
    EXPECT_EQ(tiny->versification, QStringLiteral("KJVA"));
    EXPECT_TRUE(tiny->usable());
    const ModuleInfo* damaged = Shelf::instance().module(QStringLiteral("Damaged"));
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->kind, ModuleKind::Commentary);
    // Its files are those of another layout than its description names.
    EXPECT_TRUE(damaged->problem.contains(QStringLiteral("zCom4")) && damaged->problem.contains(QStringLiteral("nt.bzv")))
        << damaged->problem.toStdString();
    QString error;
    EXPECT_FALSE(Shelf::instance().text(QStringLiteral("Damaged"), &error));
    EXPECT_TRUE(error.contains(damaged->problem));
    EXPECT_EQ(Shelf::instance().modulesOf(ModuleKind::Commentary).size(), 0);
    EXPECT_FALSE(ChooseBible(QStringLiteral("Damaged"), &error));
    EXPECT_FALSE(ChooseBible(QStringLiteral("NoSuchBible"), &error));
}

TEST_F(TinyShelf, ReadsPassagesUnderOurBookNamesAndSaysWhatIsMissing)
{
    QStringList books;
    for (const BibleBook& book : *BibleBooks())
        books << book.name + QLatin1Char('/') + book.testament.word;
    EXPECT_EQ(books, QStringList({"Genesis/Old", "Tobit/Old", "John/New"}));
    // The verses shown, the gap named and Tobit gone with the built-in Bible are the Bible chooser's test.
    EXPECT_EQ(MissingVerses({QStringLiteral("John"), 3, 16, 3, 16}), QString());
    EXPECT_FALSE(PassageExists({QStringLiteral("Exodus"), 1, 1, 1, 1}));
}

TEST_F(TinyShelf, SearchesFoldCaseInAnyLanguageAndLeaveNotesOut)
{
    const auto plainScan = [](const QString& text) {
        int count = 0;
        const auto module = ChosenModuleText();
        for (int i = 0; i < module->size(); ++i)
            count += QString::fromUtf8(module->text(i)).contains(text, Qt::CaseInsensitive);
        return count;
    };
    for (const QString& term : {QStringLiteral("ESPÍRITU"), QStringLiteral("amó"), QStringLiteral("Dios"),
                                QStringLiteral("nota")})
        EXPECT_EQ(found(term), plainScan(term)) << term.toStdString();
    EXPECT_EQ(found(QStringLiteral("espíritu")), 2);
    EXPECT_EQ(found(QStringLiteral("amó"), true), 2);  // not "amós"
    EXPECT_EQ(found(QStringLiteral("am"), true), 0);
    EXPECT_EQ(found(QStringLiteral("Dios creó")), 1);
}

TEST_F(TinyShelf, ComparesBiblesVerseByVerseLeavingGapsWhereOneLacksAVerse)
{
    QStringList errors;
    const QList<ComparedVerse> rows =
        CompareBibles({QStringLiteral("Tiny"), QString(), QStringLiteral("Damaged")}, {"Genesis", 1, 1, 1, 3}, &errors);
    ASSERT_EQ(rows.size(), 3);  // the gap at verse 2 is the compare window's test
    EXPECT_EQ(rows[2].texts.value(0), QStringLiteral("Y el ESPÍRITU de Dios; amós no es amó."));
    EXPECT_EQ(errors.size(), 1);  // the damaged module, by its reason
    EXPECT_EQ(CompareBibles({QStringLiteral("Tiny"), QString()}, {"Tobit", 1, 1, 1, 1}).value(0).texts,
              (QStringList{"Libro de Tobías, el espíritu.", ""}));
}

TEST_F(TinyShelf, ComparesBiblesOfAnotherVersificationVerseForVerse)
{
    const QString synodal = QStringLiteral("UkrSynodal");
    ChooseBible({});  // the rows count verses as the King James Version does
    QList<ComparedVerse> rows = CompareBibles({QString(), synodal}, {"Psalms", 3, 1, 3, 2});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].verse, 0);  // the title, a verse of its own in the Synodal only
    EXPECT_EQ(rows[0].texts, (QStringList{"", "Title of the third psalm."}));
    EXPECT_TRUE(rows[1].texts[0].contains(QStringLiteral("increased"))) << rows[1].texts[0].toStdString();
    EXPECT_EQ(rows[1].texts[1], QStringLiteral("First words of the third psalm."));
    EXPECT_EQ(rows[2].texts[1], QStringLiteral("Second words of the third psalm."));
    rows = CompareBibles({QString(), synodal}, {"Psalms", 51, 1, 51, 2});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].texts[1], QStringLiteral("Have mercy upon me, O God."));  // the Synodal's 50:3
    EXPECT_EQ(rows[1].texts[1], QString());  // its 50:4 is not in this module: missing, not another verse

    ASSERT_TRUE(ChooseBible(synodal));  // now the rows count as the Synodal does
    rows = CompareBibles({synodal, QString()}, {"Psalms", 3, 1, 3, 2});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].texts, (QStringList{"Title of the third psalm.", ""}));
    EXPECT_TRUE(rows[1].texts[1].contains(QStringLiteral("increased")));
}

TEST_F(TinyShelf, BookNamesFollowTheChosenBiblesLanguageAndTheReadersForTheBuiltInOne)
{
    const struct English {
        ~English() { UseReaderLanguage(QLocale(QLocale::C)); }
    } english;
    UseReaderLanguage(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(ShownBookName(QStringLiteral("Genesis")), QStringLiteral("Génesis"));  // Tiny speaks Spanish
    ASSERT_TRUE(ChooseBible(QStringLiteral("UkrSynodal")));                          // an English one
    EXPECT_EQ(ShownBookName(QStringLiteral("Psalms")), QStringLiteral("Psalms"));
    ChooseBible({});
    EXPECT_EQ(ShownBookName(QStringLiteral("Psalms")), QStringLiteral("Psalmen"));
}

// Debian's Bibles against diatheke, the library's own reader, on the same terms.
class InstalledBibles : public ::testing::Test {
protected:
    void SetUp() override
    {
        qunsetenv("SWORD_PATH");
        Shelf::instance().reload();
        KIVRA_NEEDS(test::lacksProgram(QStringLiteral("diatheke"), "diatheke"));
        ASSERT_TRUE(folder.ok());
    }
    void TearDown() override { ChooseBible({}); }

    static int diathekeCount(const QString& module, const QString& term)
    {
        QProcess diatheke;
        diatheke.start(QStringLiteral("diatheke"), {QStringLiteral("-b"), module, QStringLiteral("-s"),
                                                    QStringLiteral("phrase"), QStringLiteral("-k"), term});
        diatheke.waitForFinished(60000);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("(\\d+) matches total")).match(QString::fromUtf8(diatheke.readAll()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    test::TempDatabaseFolder folder;
};

TEST_F(InstalledBibles, ReadAndSearchAsTheLibrarysReaderDoes)
{
    const struct {
        const char *module, *term, *reference, *text;
    } bibles[] = {{"engWEB2015eb", "whoever", "Genesis", "In the beginning, God created the heavens and the earth."},
                  {"spaRV1909eb", "amó", "Genesis", "EN el principio crió Dios los cielos y la tierra."}};
    int tried = 0;
    for (const auto& bible : bibles) {
        if (!Shelf::instance().module(QString::fromUtf8(bible.module)))
            continue;  // the package is not installed here
        ++tried;
        QString error;
        ASSERT_TRUE(ChooseBible(QString::fromUtf8(bible.module), &error)) << error.toStdString();
        auto verses = QueryPassage({QString::fromUtf8(bible.reference), 1, 1, 1, 1});
        ASSERT_EQ(verses->recordCount(), 1);
        EXPECT_EQ(verses->at(0, verses->fieldIndex(QStringLiteral("Text"))).toString(), QString::fromUtf8(bible.text));
        const QString term = QString::fromUtf8(bible.term);
        EXPECT_EQ(int(BibleVerseTexts()->matching(QuickSearchScan(term).filter).size()),
                  diathekeCount(QString::fromUtf8(bible.module), term))
            << bible.module;
    }
    if (tried == 0)
        GTEST_SKIP() << "neither sword-text-web nor sword-text-sparv is installed";
}
