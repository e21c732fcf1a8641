// Bookmark exchange files: what each export selects, links rebuilt on import, refusals, the panel buttons.
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "bookmarks/BookmarkImportReport.h"
#include "storage/Database.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "support/Fixture.h"
#include "support/AlteredExchangeFiles.h"
#include "support/BookmarkTestData.h"

#include <QFile>
#include <QListWidget>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;
using namespace kivra::test;

namespace {

// Ruth 1:1-1:4 with the given reference, association list and notes; its Index.
int addBookmark(const QString& reference, const QString& links = {}, const QString& notes = QStringLiteral("n"))
{
    SeedBookmark b = Bm(1, reference, notes);
    b.book = QStringLiteral("Ruth");
    b.ts = 4;
    b.associations = links.isNull() ? QVariant() : QVariant(links);
    return int(AddBookmark(b));
}

int count(const QString& table)
{
    return TempProgramFolder::count(OptionsConnectionName, table);
}

QStringList relations()
{
    QStringList links = Links();
    links.sort();
    return links;
}

using BookmarkExchange = kivra::test::InFolder<TempProgramFolder>;

} // namespace

TEST(AssociationList, TakesTrimmedPiecesBeforeTheLastComma)
{
    EXPECT_EQ(ParseAssociationList("12,34,"), QStringList({"12", "34"}));
    EXPECT_EQ(ParseAssociationList("12,34"), QStringList({"12"}));
    EXPECT_EQ(ParseAssociationList("12 , ,34,"), QStringList({"12", "34"}));
    EXPECT_TRUE(ParseAssociationList("").isEmpty());
    EXPECT_TRUE(ParseAssociationList("34").isEmpty());
    EXPECT_TRUE(ParseAssociationList(", ,").isEmpty());
}

TEST(BookmarkReference, UsableWhenADigitText)
{
    // Past 99 bookmarks on one machine the suffix widens, giving ten digits and more.
    for (const char* good : {"0", "123456712", "2147483647", "000002147483647", "2147483648", "9876543100"})
        EXPECT_TRUE(IsUsableBookmarkReference(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "12a", " 12", "-5", "+5", "1.5"})
        EXPECT_FALSE(IsUsableBookmarkReference(QString::fromLatin1(bad))) << bad;
}

TEST_F(BookmarkExchange, ExportsALinkedBookmarkWithItsLinksAndImportRebuildsThem)
{
    const int a = addBookmark("100", "200,300,", QStringLiteral("Grüße — 300 KB? no: \"quoted\"\r\nline"));
    addBookmark("200");
    addBookmark("300", QString(), QString());
    const int lonely = addBookmark("400");
    const QString longBook(200, QChar(0x05D0));  // too long for a short text's one-byte length
    ASSERT_TRUE(ExecuteStatement(OptionsConnection(), "UPDATE \"tblBookmark\" SET \"BookMarkToBook\" = ? "
                                                      "WHERE \"BookmarkReference\" = '200'", {longBook}));
    AddLink("100", "200");
    AddLink("100", "300");
    AddLink("200", "100");  // a link of a linked bookmark does not pull more rows in

    QString error;
    const auto table = LinkedBookmarksTable(OptionsConnection(), a, &error);
    ASSERT_TRUE(table) << error.toStdString();
    ASSERT_EQ(table->rows.size(), 3);
    ASSERT_EQ(table->columns.size(), TableColumns(OptionsConnection(), "tblBookmark").size());
    EXPECT_EQ(table->columns[0].name, QStringLiteral("Index"));
    EXPECT_TRUE(table->columns[0].key);

    const QString path = folder.path() + QStringLiteral("/linked");  // no extension is added
    ASSERT_EQ(WriteExchangeTable(*table, path, &error), ExportOutcome::Written) << error.toStdString();
    ASSERT_TRUE(QFile::exists(path));

    const auto none = LinkedBookmarksTable(OptionsConnection(), lonely, &error);
    ASSERT_TRUE(none);
    EXPECT_EQ(WriteExchangeTable(*none, folder.path() + "/none.kbm", &error), ExportOutcome::NothingToWrite);
    EXPECT_FALSE(QFile::exists(folder.path() + "/none.kbm"));

    ClearBookmarks();
    const BookmarkImport result = ImportBookmarkFile(OptionsConnection(), path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(relations(), QStringList({"100>200", "100>300", "200>100"}));
    auto rs = selectRows(OptionsConnection(), "tblBookmark", "BookmarkReference", "100");
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->text("BookMarkNotes"), QStringLiteral("Grüße — 300 KB? no: \"quoted\"\r\nline"));
    EXPECT_EQ(rs->value("BookMarkToSection").toInt(), 4);
    EXPECT_EQ(selectRows(OptionsConnection(), "tblBookmark", "BookmarkReference", "200")->text("BookMarkToBook"),
              longBook);
    // Bookmark 300 travelled with NULL notes and links: they come back as the empty text.
    auto nulls = queryRows(
        OptionsConnection(), "SELECT COUNT(*) AS n FROM \"tblBookmark\" WHERE \"BookMarkNotes\" IS NULL "
                             "OR \"AssociatedBookmarkReferenceList\" IS NULL OR \"BookMarkTestament\" IS NULL");
    EXPECT_EQ(nulls->integer("n"), 0);
}

TEST_F(BookmarkExchange, ExportFollowsLinksStoredWithoutLeadingZeros)
{
    // Links from older files hold references as numbers; the export must still take the linked bookmarks.
    const int a = addBookmark("0123456", "123457,123458,");
    addBookmark("0123457");
    addBookmark("0123458");
    addBookmark("0999999");
    AddLink("0123456", "123457");
    AddLink("123456", "123458");
    QString error;
    const auto table = LinkedBookmarksTable(OptionsConnection(), a, &error);
    ASSERT_TRUE(table) << error.toStdString();
    QStringList exported;
    for (const auto& row : table->rows)
        exported << row[table->columnIndex("BookmarkReference")].toString();
    EXPECT_EQ(exported, QStringList({"0123456", "0123457", "0123458"}));
}

TEST_F(BookmarkExchange, RefusesRowsWithoutADigitReferenceButImportsTheRest)
{
    addBookmark("100", "9,");
    addBookmark("12a", "100,");
    addBookmark("5", "100,");
    addBookmark("9876543100", "100,");  // a widened reference this program makes itself
    AddLink("100", "9");
    AddLink("9876543100", "100");
    QString error;
    auto table = *AllBookmarksTable(OptionsConnection(), &error);
    table.rows[2][table.columnIndex("BookmarkReference")] = QVariant();  // NULL would slip past the unique index
    table.rows.append(table.rows[0]);                                    // and a row twice in one file
    ClearBookmarks();
    const BookmarkImport result = ImportBookmarkTable(OptionsConnection(), table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.added, 2);
    ASSERT_EQ(result.refused.size(), 3);
    EXPECT_FALSE(result.refused[0].duplicate);
    EXPECT_FALSE(result.refused[1].duplicate);
    EXPECT_TRUE(result.refused[2].duplicate);
    EXPECT_EQ(relations(), QStringList({"100>9", "9876543100>100"}));
    // One message tells them all, naming the bookmarks.
    ReportBookmarkImport(result, "f", nullptr);
    EXPECT_EQ(folder.ui().messages, QList<Message>({Message::BookmarksNotImported}));
    EXPECT_TRUE(folder.ui().messageTexts[0].contains("\"12a\"")) << folder.ui().messageTexts[0].toStdString();
}

TEST_F(BookmarkExchange, AnAlteredFileBringsOnlyItsGoodRowsAndAFailingStoreNothing)
{
    addBookmark("100", "200,");
    addBookmark("200", "100,");
    AddLink("100", "200");
    AddLink("200", "100");
    QString error;
    const TableGram good = *AllBookmarksTable(OptionsConnection(), &error);
    const QString file = folder.path() + "/altered.kbm";
    for (const AlteredFile& change : AlteredFiles()) {
        const std::string what = change.column ? change.column : "cut";
        ClearBookmarks();
        folder.ui().messages.clear();
        folder.ui().messageTexts.clear();
        ASSERT_TRUE(WriteFileSafely(file, Altered(good, "BookMark", change), &error));
        const BookmarkImport result = ImportBookmarkFile(OptionsConnection(), file);
        ReportBookmarkImport(result, "f.kbm", nullptr);
        if (!change.refusal) {
            EXPECT_TRUE(result.fileRejected) << what;
            if (change.column) {
                EXPECT_TRUE(result.error.contains(change.column)) << what << ": " << result.error.toStdString();
            }
            EXPECT_EQ(count("tblBookmark"), 0) << what;
            continue;
        }
        EXPECT_EQ(count("tblBookmark"), 1) << what;
        ASSERT_EQ(folder.ui().messages, QList<Message>{Message::ImportRowsRefused}) << what;
        const QString text = folder.ui().messageTexts[0];
        EXPECT_TRUE(text.contains("row 2 (bookmark 200): ") && text.contains(change.refusal)) << text.toStdString();
    }

    // The relation insert of the second row fails: the first row's bookmark must go too.
    ClearBookmarks();
    folder.ui().messages.clear();
    folder.ui().messageTexts.clear();
    ASSERT_TRUE(TempProgramFolder::exec(OptionsConnectionName,
                                        "CREATE TRIGGER refuse BEFORE INSERT ON \"tblBookmark_Relation\" "
                                        "WHEN NEW.\"BookmarkReference\" = '200' BEGIN SELECT RAISE(ABORT, 'full'); END"));
    const BookmarkImport result = ImportBookmarkTable(OptionsConnection(), good);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.fileRejected);
    EXPECT_EQ(count("tblBookmark"), 0);
    EXPECT_EQ(count("tblBookmark_Relation"), 0);
    ReportBookmarkImport(result, "f.kbm", nullptr);
    EXPECT_EQ(folder.ui().messages, QList<Message>({Message::ImportFailed}));
    EXPECT_FALSE(folder.ui().messageTexts[0].contains(result.error));  // the detail stays in the log
}

TEST_F(BookmarkExchange, AnExportCarriesOnlyTheLinksThatExist)
{
    // Earlier versions kept a list after its links were unmarked or the linked bookmark deleted.
    addBookmark("100", "200,300,");
    addBookmark("200", "100,");
    AddLink("100", "200");
    QString error;
    const auto table = AllBookmarksTable(OptionsConnection(), &error);
    ASSERT_TRUE(table) << error.toStdString();
    ClearBookmarks();
    ASSERT_TRUE(ImportBookmarkTable(OptionsConnection(), *table).ok);
    EXPECT_EQ(relations(), QStringList{"100>200"});
}

TEST_F(BookmarkExchange, PanelButtonsAskTheDocumentedQuestions)
{
    const int a = addBookmark("100", "200,");
    addBookmark("200");
    AddLink("100", "200");
    MainWindow w;
    w.load();
    w.restoreLastPassage();
    auto& ui = folder.ui();
    Child<QListWidget>(w, "lstBookmark")->clear();

    QTest::mouseClick(Child<QToolButton>(w, "imgExportBookmark"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBookmark"), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QList<Message>({Message::NoBookmarks, Message::NoBookmarks}));

    auto* entry = new QListWidgetItem(QStringLiteral("   Ruth"), Child<QListWidget>(w, "lstBookmark"));
    entry->setData(Qt::UserRole, a);
    Child<QListWidget>(w, "lstBookmark")->clearSelection();
    ui.messages.clear();
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBookmark"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBookmark"), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QList<Message>({Message::SelectBookmarkToExport, Message::NoBookmarks}));
    EXPECT_TRUE(ui.dialogTitles.isEmpty());

    entry->setSelected(true);
    const QString one = folder.path() + "/one";  // the import lists only *.kbm: the extension is added
    const QString all = folder.path() + "/all.kbm";
    ui.fileAnswers = {one, all};
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBookmark"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBookmark"), Qt::LeftButton);
    EXPECT_EQ(ui.dialogTitles, QStringList({"Export Bookmark", "Export the Whole Bookmark List"}));
    EXPECT_EQ(ui.dialogInitialNames, QStringList({"", "All Bookmarks.kbm"}));
    EXPECT_EQ(ui.dialogFilters, QStringList(2, "Kivra! Bible Bookmark (*.kbm)"));
    EXPECT_EQ(readTableGram(ReadFile(one + ".kbm"))->rows.size(), 2);

    // Replacing is asked; "No" goes back to the dialog, and Cancel there keeps the old file as it was.
    const QByteArray before = ReadFile(all);
    addBookmark("300");
    ui.fileAnswers = {all};
    ui.askAnswers = {false};
    QTest::mouseClick(Child<QToolButton>(w, "imgExportAllBookmark"), Qt::LeftButton);
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(ui.questions[0].contains(all));
    EXPECT_EQ(ui.dialogInitialNames.last(), all);
    EXPECT_EQ(ReadFile(all), before);

    ui.messages.clear();
    ui.fileAnswers = {all};
    QTest::mouseClick(Child<QToolButton>(w, "imgImportBookmark"), Qt::LeftButton);
    EXPECT_EQ(ui.dialogTitles.last(), QStringLiteral("Import Bookmark"));
    EXPECT_EQ(ui.dialogInitialNames.last(), QString());
    // Every row is already there: each is refused, told in one message, and no link is added twice.
    EXPECT_EQ(ui.messages, QList<Message>({Message::BookmarksNotImported}));
    EXPECT_EQ(relations(), QStringList({"100>200"}));
    EXPECT_TRUE(Child<QWidget>(w, "picBookmark")->isVisibleTo(&w));

    ui.messages.clear();
    QTest::mouseClick(Child<QToolButton>(w, "imgImportBookmark"), Qt::LeftButton);  // cancelled
    EXPECT_TRUE(ui.messages.isEmpty());

    // A bookmark without links would give no file: the user is told before choosing a name.
    const qsizetype dialogs = ui.dialogTitles.size();
    auto* lonely = new QListWidgetItem(QStringLiteral("   Ruth"), Child<QListWidget>(w, "lstBookmark"));
    lonely->setData(Qt::UserRole, addBookmark("400"));
    lonely->setSelected(true);
    QTest::mouseClick(Child<QToolButton>(w, "imgExportBookmark"), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QList<Message>{Message::BookmarkHasNoLinks});
    EXPECT_EQ(ui.dialogTitles.size(), dialogs);
}
