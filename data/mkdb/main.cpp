// kivra-mkdb: builds the databases of the program folder from the schema scripts and the King James
// text as printed by `bible -l 100000 "gen1:1-rev22:21"` (Debian package bible-kjv).
//
//   kivra-mkdb --kjv FILE --source DIR --out DBDIR
//
// Every database is written under a temporary name and checked; only when all of them are good are
// they renamed over the old files, so a failed run leaves the previous databases untouched.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr int kVerseCount = 31102;
constexpr int kChapterCount = 1189;
constexpr int kOldBookCount = 39;
constexpr int kNewBookCount = 27;

struct Failure : std::runtime_error {
    explicit Failure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

struct Book {
    QString name;
    QString testament;
    QString abbreviation;
};

struct Verse {
    int book = 0; // index into the book list
    int chapter = 0;
    int number = 0;
    QString text;
};

struct Chapter {
    int book = 0;
    int chapter = 0;
    int verseCount = 0; // highest verse number
};

struct Bible {
    std::vector<Book> books;
    std::vector<Verse> verses;
    std::vector<Chapter> chapters;
};

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

std::vector<Book> readBooks(const QString& path)
{
    std::vector<Book> books;
    const QStringList lines = readText(path).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3 || fields[0].isEmpty() || fields[2].isEmpty()
            || (fields[1] != u"Old" && fields[1] != u"New"))
            throw Failure(QStringLiteral("%1:%2: expected \"Book<TAB>Old|New<TAB>Abbreviation\"").arg(path).arg(i + 1));
        books.push_back({fields[0], fields[1], fields[2]});
    }
    return books;
}

// The printed text has a heading "Book N" per chapter, blank lines, and "  N text" per verse. The
// verse text is kept byte for byte: a few verses carry a double or trailing blank in the source and
// readers search for exact phrases, so nothing is trimmed.
Bible parseKjv(const QString& path, std::vector<Book> books)
{
    std::map<QString, int> bookByName;
    for (int i = 0; i < int(books.size()); ++i)
        bookByName.emplace(books[i].name, i);

    static const QRegularExpression heading(QStringLiteral("^(\\S.*) ([0-9]+)$"));
    static const QRegularExpression verseLine(QStringLiteral("^  ([0-9]+) (.+)$"),
                                              QRegularExpression::DotMatchesEverythingOption);

    Bible bible;
    bible.books = std::move(books);
    const QStringList lines = readText(path).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const auto where = [&] { return QStringLiteral("%1:%2").arg(path).arg(i + 1); };
        if (line.isEmpty())
            continue;
        if (const auto m = verseLine.match(line); m.hasMatch()) {
            if (bible.chapters.empty())
                throw Failure(where() + QStringLiteral(": verse before the first chapter heading"));
            Chapter& current = bible.chapters.back();
            const int number = m.captured(1).toInt();
            current.verseCount = std::max(current.verseCount, number);
            bible.verses.push_back({current.book, current.chapter, number, m.captured(2)});
            continue;
        }
        const auto m = heading.match(line);
        if (!m.hasMatch())
            throw Failure(where() + QStringLiteral(": neither a chapter heading nor a verse: \"%1\"").arg(line));
        const auto found = bookByName.find(m.captured(1));
        if (found == bookByName.end())
            throw Failure(where() + QStringLiteral(": unknown book \"%1\" (not in books.tsv)").arg(m.captured(1)));
        const int book = found->second;
        const int chapter = m.captured(2).toInt();
        // Headings must run through the books in canonical order, chapter after chapter; anything
        // else would give wrong IDs.
        const bool next = bible.chapters.empty()
            ? book == 0 && chapter == 1
            : (book == bible.chapters.back().book && chapter == bible.chapters.back().chapter + 1)
                || (book == bible.chapters.back().book + 1 && chapter == 1);
        if (!next)
            throw Failure(where() + QStringLiteral(": chapter heading \"%1\" out of order").arg(line));
        bible.chapters.push_back({book, chapter, 0});
    }
    if (bible.chapters.empty() || bible.chapters.back().book != int(bible.books.size()) - 1)
        throw Failure(path + QStringLiteral(": the text does not run to the last book"));
    return bible;
}

// One named QSQLITE connection, removed again on destruction.
class Database {
public:
    explicit Database(const QString& path) : name_(QStringLiteral("mkdb:") + path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        if (!db.open())
            throw Failure(QStringLiteral("cannot create %1: %2").arg(path, db.lastError().text()));
    }
    ~Database()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QSqlDatabase handle() const { return QSqlDatabase::database(name_, false); }

    QSqlQuery prepare(const QString& sql) const
    {
        QSqlQuery query(handle());
        if (!query.prepare(sql))
            throw Failure(QStringLiteral("%1\n  in: %2").arg(query.lastError().text(), sql));
        return query;
    }

    void exec(const QString& sql) const
    {
        QSqlQuery query(handle());
        if (!query.exec(sql))
            throw Failure(QStringLiteral("%1\n  in: %2").arg(query.lastError().text(), sql));
    }

    static void run(QSqlQuery& query)
    {
        if (!query.exec())
            throw Failure(QStringLiteral("%1\n  in: %2").arg(query.lastError().text(), query.lastQuery()));
    }

    // All rows of a query, each as a list of its values.
    std::vector<QVariantList> rows(const QString& sql) const
    {
        QSqlQuery query(handle());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw Failure(QStringLiteral("%1\n  in: %2").arg(query.lastError().text(), sql));
        std::vector<QVariantList> result;
        while (query.next()) {
            QVariantList row;
            for (int c = 0; c < query.record().count(); ++c)
                row.append(query.value(c));
            result.push_back(std::move(row));
        }
        return result;
    }

    QVariant scalar(const QString& sql) const
    {
        const auto result = rows(sql);
        return result.empty() || result.front().isEmpty() ? QVariant() : result.front().front();
    }

    // QSqlQuery runs one statement at a time, so a script is cut at the semicolons that are not
    // inside a quoted name, a string or a comment; comments are dropped.
    void runScript(const QString& path) const
    {
        const QString script = readText(path);
        QString statement;
        QChar quote;
        for (qsizetype i = 0; i < script.size(); ++i) {
            const QChar c = script[i];
            if (!quote.isNull()) {
                statement += c;
                if (c == quote)
                    quote = QChar();
            } else if (c == u'\'' || c == u'"') {
                statement += c;
                quote = c;
            } else if (c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
                while (i < script.size() && script[i] != u'\n')
                    ++i;
                statement += u'\n';
            } else if (c == u';') {
                if (!statement.trimmed().isEmpty())
                    exec(statement.trimmed());
                statement.clear();
            } else {
                statement += c;
            }
        }
        if (!quote.isNull())
            throw Failure(path + QStringLiteral(": unterminated quote"));
        if (!statement.trimmed().isEmpty())
            exec(statement.trimmed());
    }

private:
    QString name_;
};

// Collects every failed check, so one run reports all that is wrong.
class Checks {
public:
    explicit Checks(QString file) : file_(std::move(file)) {}
    void expect(bool ok, const QString& what)
    {
        if (!ok)
            failures_.append(QStringLiteral("%1: %2").arg(file_, what));
    }
    void expectEqual(const QVariant& actual, long long expected, const QString& what)
    {
        expect(actual.toLongLong() == expected,
               QStringLiteral("%1 is %2, expected %3").arg(what, actual.toString()).arg(expected));
    }
    void finish() const
    {
        if (!failures_.isEmpty())
            throw Failure(QStringLiteral("check failed:\n  ") + failures_.join(QStringLiteral("\n  ")));
    }

private:
    QString file_;
    QStringList failures_;
};

QString describeRows(const std::vector<QVariantList>& rows)
{
    QStringList parts;
    for (const auto& row : rows) {
        QStringList values;
        for (const auto& value : row)
            values.append(value.toString());
        parts.append(values.join(u' '));
    }
    return parts.join(QStringLiteral(", "));
}

// ---- dbBible.dat ----------------------------------------------------------------------------

// A trigram index over the verse text lets the quick search find a rare word without reading every
// verse. It only narrows the candidates: the search still applies LIKE to tblBible itself, so the
// results stay those of a plain scan. detail=none and no column sizes keep the file small; the vocab
// table tells the search how many verses hold a trigram, so very common patterns can skip the index.
void addSearchIndex(const Database& db)
{
    db.exec(QStringLiteral(R"(CREATE VIRTUAL TABLE "tblBibleSearch" USING fts5("Text", content='tblBible',
                              content_rowid='ID', tokenize='trigram', detail='none', columnsize=0))"));
    db.exec(QStringLiteral(R"(INSERT INTO "tblBibleSearch"("tblBibleSearch") VALUES ('rebuild'))"));
    db.exec(QStringLiteral(R"(INSERT INTO "tblBibleSearch"("tblBibleSearch") VALUES ('optimize'))"));
    db.exec(QStringLiteral(R"(CREATE VIRTUAL TABLE "tblBibleSearchVocab" USING fts5vocab('tblBibleSearch', 'row'))"));
}

void fillBible(const Database& db, const QString& source, const Bible& bible)
{
    db.runScript(source + QStringLiteral("/schema-bible.sql"));
    db.runScript(source + QStringLiteral("/seed-bible.sql"));

    QSqlQuery book = db.prepare(QStringLiteral(
        R"(INSERT INTO "tblBibleBook" ("Index", "Book", "Testament", "BookAbbreviation") VALUES (?, ?, ?, ?))"));
    for (int i = 0; i < int(bible.books.size()); ++i) {
        const Book& b = bible.books[i];
        book.addBindValue(i + 1);
        book.addBindValue(b.name);
        book.addBindValue(b.testament);
        book.addBindValue(b.abbreviation);
        Database::run(book);
    }

    QSqlQuery verse = db.prepare(QStringLiteral(
        R"(INSERT INTO "tblBible" ("ID", "Testament", "BookAbbreviation", "Chapter", "Sections", "Text") VALUES (?, ?, ?, ?, ?, ?))"));
    int id = 0;
    for (const Verse& v : bible.verses) {
        const Book& b = bible.books[v.book];
        verse.addBindValue(++id);
        verse.addBindValue(b.testament);
        verse.addBindValue(b.abbreviation);
        verse.addBindValue(v.chapter);
        verse.addBindValue(v.number);
        verse.addBindValue(v.text);
        Database::run(verse);
    }

    QSqlQuery chapter = db.prepare(QStringLiteral(
        R"(INSERT INTO "tblGetNumberOfSection" ("BookAbbreviation", "Chapter", "NumOfSection") VALUES (?, ?, ?))"));
    for (const Chapter& c : bible.chapters) {
        chapter.addBindValue(bible.books[c.book].abbreviation);
        chapter.addBindValue(c.chapter);
        chapter.addBindValue(c.verseCount);
        Database::run(chapter);
    }
    addSearchIndex(db);
}

// Checks what was stored, not what was parsed, so a fault anywhere on the way shows up.
void checkBible(const Database& db)
{
    Checks check(QStringLiteral("dbBible.dat"));
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBible")")), kVerseCount, "the verse count");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT MIN("ID") FROM "tblBible")")), 1, "the first ID");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT MAX("ID") FROM "tblBible")")), kVerseCount, "the last ID");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBibleBook")")),
                      kOldBookCount + kNewBookCount, "the book count");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBibleBook" WHERE "Testament" = 'Old')")),
                      kOldBookCount, "the Old Testament book count");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBibleBook" WHERE "Testament" = 'New')")),
                      kNewBookCount, "the New Testament book count");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT MAX("Index") FROM "tblBibleBook")")),
                      kOldBookCount + kNewBookCount, "the last book index");
    check.expectEqual(db.scalar(QStringLiteral(
                          R"(SELECT COUNT(*) FROM (SELECT DISTINCT "BookAbbreviation", "Chapter" FROM "tblBible"))")),
                      kChapterCount, "the chapter count");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblGetNumberOfSection")")), kChapterCount,
                      "the row count of tblGetNumberOfSection");

    // IDs follow book, chapter and verse, and each verse's book and testament match tblBibleBook.
    const auto misplaced = db.rows(QStringLiteral(R"(
        SELECT "ID" FROM (
            SELECT v."ID", ROW_NUMBER() OVER (ORDER BY b."Index", v."Chapter", v."Sections") AS "Place"
            FROM "tblBible" v LEFT JOIN "tblBibleBook" b
              ON b."BookAbbreviation" = v."BookAbbreviation" AND b."Testament" = v."Testament")
        WHERE "Place" IS NOT "ID" LIMIT 5)"));
    check.expect(misplaced.empty() && db.scalar(QStringLiteral(
        R"(SELECT COUNT(*) FROM "tblBible" v WHERE NOT EXISTS (SELECT 1 FROM "tblBibleBook" b
           WHERE b."BookAbbreviation" = v."BookAbbreviation" AND b."Testament" = v."Testament"))")).toInt() == 0,
                 QStringLiteral("verses out of canonical order or with an unknown book, IDs: ") + describeRows(misplaced));

    const auto gaps = db.rows(QStringLiteral(R"(
        SELECT "BookAbbreviation", "Chapter" FROM "tblBible" GROUP BY "BookAbbreviation", "Chapter"
        HAVING MIN("Sections") <> 1 OR MAX("Sections") <> COUNT(*) OR COUNT(DISTINCT "Sections") <> COUNT(*)
        LIMIT 5)"));
    check.expect(gaps.empty(), QStringLiteral("verse numbers not running 1, 2, 3... in: ") + describeRows(gaps));

    const auto wrongCounts = db.rows(QStringLiteral(R"(
        SELECT v."BookAbbreviation", v."Chapter" FROM
          (SELECT "BookAbbreviation", "Chapter", MAX("Sections") AS "Last" FROM "tblBible"
           GROUP BY "BookAbbreviation", "Chapter") v
          LEFT JOIN "tblGetNumberOfSection" n USING ("BookAbbreviation", "Chapter")
        WHERE n."NumOfSection" IS NOT v."Last" LIMIT 5)"));
    check.expect(wrongCounts.empty(),
                 QStringLiteral("tblGetNumberOfSection disagrees with the text in: ") + describeRows(wrongCounts));

    const auto broken = db.rows(QStringLiteral(R"(
        SELECT "ID" FROM "tblBible" WHERE "Text" = '' OR "Text" LIKE ' %' OR instr("Text", char(10)) > 0
           OR instr("Text", char(13)) > 0 LIMIT 5)"));
    check.expect(broken.empty(), QStringLiteral("empty, blank-led or multi-line verse text, IDs: ") + describeRows(broken));

    // Two known quirks of the printed text that a careless parser would lose.
    check.expect(db.scalar(QStringLiteral(R"(SELECT instr("Text", '  ') FROM "tblBible"
                                             WHERE "BookAbbreviation" = 'Josh' AND "Chapter" = 7 AND "Sections" = 2)"))
                         .toInt() > 0,
                 QStringLiteral("Joshua 7:2 lost its double blank"));
    check.expect(db.scalar(QStringLiteral(R"(SELECT substr("Text", -1) FROM "tblBible"
                                             WHERE "BookAbbreviation" = 'Mark' AND "Chapter" = 10 AND "Sections" = 19)"))
                         .toString() == u" ",
                 QStringLiteral("Mark 10:19 lost its trailing blank"));
    // The index must know every verse, or the indexed search would miss some.
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBibleSearch" WHERE "Text" LIKE '%%')")),
                      kVerseCount, "the verses in the search index");
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBibleSearch" WHERE "Text" LIKE '%grace%')")),
                      db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblBible" WHERE "Text" LIKE '%grace%')")).toInt(),
                      "the indexed and the scanned search for grace");
    check.finish();
}

// ---- dbOptions.pre --------------------------------------------------------------------------

void fillOptions(const Database& db, const QString& source)
{
    db.runScript(source + QStringLiteral("/schema-options.sql"));
}

void checkOptions(const Database& db)
{
    Checks check(QStringLiteral("dbOptions.pre"));
    // The program reads and updates this single row; a second one would be ambiguous.
    check.expectEqual(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "tblOptions")")), 1, "the tblOptions row count");
    check.finish();
}

// ---- dbStory.dat ----------------------------------------------------------------------------

void fillStory(const Database& db, const QString& source)
{
    db.runScript(source + QStringLiteral("/schema-story.sql"));
}

void checkStory(const Database& db)
{
    Checks check(QStringLiteral("dbStory.dat"));
    // Stories are copied row for row into the backup table, which only works with equal columns.
    const QString columns = QStringLiteral(R"(SELECT "name", "type", "notnull", "pk" FROM pragma_table_info('%1'))");
    const auto story = db.rows(columns.arg(QStringLiteral("tblBibleStory")));
    check.expect(!story.empty() && story == db.rows(columns.arg(QStringLiteral("tblBibleStory_Backup"))),
                 QStringLiteral("tblBibleStory and tblBibleStory_Backup differ in their columns"));
    check.finish();
}

// ---- writing ---------------------------------------------------------------------------------

struct Target {
    QString fileName;
    std::function<void(const Database&)> fill;
    std::function<void(const Database&)> check;
};

QString partialName(const QString& path) { return path + QStringLiteral(".partial"); }

void removeWithJournal(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

void writeDatabase(const QString& path, const Target& target)
{
    removeWithJournal(path); // left over from an interrupted run
    Database db(path);
    if (!db.handle().transaction())
        throw Failure(QStringLiteral("%1: cannot begin a transaction").arg(path));
    target.fill(db);
    if (!db.handle().commit())
        throw Failure(QStringLiteral("%1: commit failed: %2").arg(path, db.handle().lastError().text()));
    target.check(db);
    db.exec(QStringLiteral("PRAGMA optimize"));
    db.exec(QStringLiteral("VACUUM"));
}

void writeAll(const QString& outDir, const std::vector<Target>& targets)
{
    try {
        for (const Target& t : targets)
            writeDatabase(partialName(outDir + u'/' + t.fileName), t);
    } catch (...) {
        for (const Target& t : targets)
            removeWithJournal(partialName(outDir + u'/' + t.fileName));
        throw;
    }
    for (const Target& t : targets) {
        const QString path = outDir + u'/' + t.fileName;
        std::error_code error;
        // rename(2) replaces the old file in one step.
        std::filesystem::rename(QFile::encodeName(partialName(path)).toStdString(),
                                QFile::encodeName(path).toStdString(), error);
        if (error)
            throw Failure(QStringLiteral("cannot rename %1: %2")
                              .arg(partialName(path), QString::fromStdString(error.message())));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kivra-mkdb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds dbBible.dat, dbOptions.pre and dbStory.dat."));
    parser.addHelpOption();
    const QCommandLineOption kjvOption(QStringLiteral("kjv"), QStringLiteral("Output of `bible -l 100000 \"gen1:1-rev22:21\"`."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption sourceOption(QStringLiteral("source"),
                                          QStringLiteral("Folder with books.tsv and the schema and seed scripts."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder to write the databases to."),
                                       QStringLiteral("DBDIR"));
    parser.addOptions({kjvOption, sourceOption, outOption});
    parser.process(app);
    if (!parser.isSet(kjvOption) || !parser.isSet(sourceOption) || !parser.isSet(outOption)) {
        std::fputs("kivra-mkdb: --kjv, --source and --out are all required (see --help)\n", stderr);
        return 2;
    }
    const QString source = parser.value(sourceOption);
    const QString outDir = parser.value(outOption);

    try {
        QElapsedTimer timer;
        timer.start();
        if (!QFileInfo(outDir).isDir())
            throw Failure(QStringLiteral("%1 is not a folder").arg(outDir));
        const Bible bible = parseKjv(parser.value(kjvOption), readBooks(source + QStringLiteral("/books.tsv")));
        writeAll(outDir, {
            {QStringLiteral("dbBible.dat"), [&](const Database& db) { fillBible(db, source, bible); }, checkBible},
            {QStringLiteral("dbOptions.pre"), [&](const Database& db) { fillOptions(db, source); }, checkOptions},
            {QStringLiteral("dbStory.dat"), [&](const Database& db) { fillStory(db, source); }, checkStory},
        });
        std::fprintf(stdout, "kivra-mkdb: %zu verses in %zu chapters of %zu books written to %s in %lld ms\n",
                     bible.verses.size(), bible.chapters.size(), bible.books.size(), qPrintable(outDir),
                     static_cast<long long>(timer.elapsed()));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kivra-mkdb: %s\n", e.what());
        return 1;
    }
}
