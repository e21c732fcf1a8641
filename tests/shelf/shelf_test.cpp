// The SWORD shelf on small modules made here with osis2mod (Strong's markup, a footnote between two
// words, Spanish text, a missing verse, a book only this versification has, a damaged module), and
// on Debian's Bibles when they are installed, against the library's own command-line reader.
#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/LikePattern.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "shelf/CleanText.h"
#include "shelf/Shelf.h"
#include "support/DatabaseFolder.h"
#include "support/MachineNeeds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

const char* const TinyOsis = R"(<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace"><osisText osisIDWork="Tiny" osisRefWork="Bible" xml:lang="es"><header><work osisWork="Tiny"><refSystem>Bible.KJVA</refSystem></work></header>
<div type="book" osisID="Gen"><chapter osisID="Gen.1">
<verse osisID="Gen.1.1"><w lemma="strong:H0430">Dios</w><note placement="foot">ESPÍRITU en la nota</note><w lemma="strong:H1254">creó</w> el cielo.</verse>
<verse osisID="Gen.1.3">Y el ESPÍRITU de Dios; amós no es amó.</verse>
</chapter></div>
<div type="book" osisID="Tob"><chapter osisID="Tob.1"><verse osisID="Tob.1.1">Libro de Tobías, el espíritu.</verse></chapter></div>
<div type="book" osisID="John"><chapter osisID="John.3"><verse osisID="John.3.16">Porque de tal manera amó Dios al mundo.</verse></chapter></div>
</osisText></osis>
)";

const char* const TinyConf = "[Tiny]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zText\nEncoding=UTF-8\n"
                             "CompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nLang=es\n"
                             "Description=Tiny test Bible\nVersification=KJVA\n";
// The files of a zCom module under a conf that names the zCom4 driver, as one Debian package ships.
const char* const DamagedConf = "[Damaged]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zCom4\n"
                                "Description=Damaged commentary\nVersification=KJVA\n";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The Bibles of the test: SWORD_PATH and HOME point into a temporary folder, so only they are found.
class TinyShelf : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (test::lacksProgram(QStringLiteral("osis2mod"), "libsword-utils"))
            return;
        home = new QTemporaryDir;
        const QString root = home->path() + QStringLiteral("/mods");
        QDir().mkpath(root + QStringLiteral("/modules/texts/ztext/tiny"));
        QDir().mkpath(root + QStringLiteral("/mods.d"));
        writeFile(home->path() + QStringLiteral("/tiny.osis.xml"), TinyOsis);
        writeFile(root + QStringLiteral("/mods.d/tiny.conf"), TinyConf);
        writeFile(root + QStringLiteral("/mods.d/damaged.conf"), DamagedConf);
        QProcess::execute(QStringLiteral("osis2mod"), {root + QStringLiteral("/modules/texts/ztext/tiny"),
                                                        home->path() + QStringLiteral("/tiny.osis.xml"),
                                                        QStringLiteral("-z"), QStringLiteral("-v"), QStringLiteral("KJVA")});
        qputenv("SWORD_PATH", root.toUtf8());
        qputenv("HOME", home->path().toUtf8());
        Shelf::instance().reload();
    }
    static void TearDownTestSuite()
    {
        ChooseBible({});
        delete home;
        home = nullptr;
    }
    void SetUp() override
    {
        KIVRA_NEEDS(test::lacksProgram(QStringLiteral("osis2mod"), "libsword-utils"));
        ASSERT_TRUE(folder.ok());
        QString error;
        ASSERT_TRUE(ChooseBible(QStringLiteral("tiny"), &error)) << error.toStdString();
    }
    void TearDown() override { ChooseBible({}); }

    static int found(const QString& text, bool wholeWords = false)
    {
        SearchQuery q = QuickSearchScan(text);
        q.filter.wholeWords = wholeWords;
        return int(BibleVerseTexts()->matching(q.filter).size());
    }

    static inline QTemporaryDir* home = nullptr;
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
    EXPECT_TRUE(damaged->problem.contains(QStringLiteral("ot.czv"))) << damaged->problem.toStdString();
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
    const Passage genesis{QStringLiteral("Genesis"), 1, 1, 1, 3};
    ASSERT_TRUE(PassageExists(genesis));
    auto verses = QueryPassage(genesis);
    ASSERT_EQ(verses->recordCount(), 2);
    EXPECT_EQ(verses->at(0, verses->fieldIndex(QStringLiteral("Text"))).toString(),
              QStringLiteral("Dios creó el cielo."));
    EXPECT_EQ(MissingVerses(genesis), QStringLiteral("1:2"));
    EXPECT_EQ(MissingVerses({QStringLiteral("John"), 3, 16, 3, 16}), QString());
    EXPECT_FALSE(PassageExists({QStringLiteral("Exodus"), 1, 1, 1, 1}));
    ChooseBible({});
    EXPECT_FALSE(BibleBooks()->bookNamed(QStringLiteral("Tobit")));
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
