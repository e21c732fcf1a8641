#include "stories/StoryExchange.h"

#include "reading/BookCatalogue.h"
#include "stories/ImportedPictures.h"
#include "stories/StoryStore.h"

#include "storage/Database.h"
#include "storage/ExchangeFile.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <algorithm>
#include <limits>

namespace kivra {
namespace {

const QString Table = QStringLiteral("tblBibleStory");
const QStringList TextFields = {QStringLiteral("StoryName"),   QStringLiteral("StoryTestament"),
                                QStringLiteral("StoryBook"),   QStringLiteral("StoryToBook"),
                                QStringLiteral("StoryNotes"),  QStringLiteral("StoryImagePath"),
                                QStringLiteral("StoryImageType")};
const QStringList NumberFields = {QStringLiteral("StoryNumber"),   QStringLiteral("StoryPartNumber"),
                                  QStringLiteral("StoryChapter"),  QStringLiteral("StorySection"),
                                  QStringLiteral("StoryToChapter"), QStringLiteral("StoryToSection")};
const QString ImageField = QStringLiteral("StoryImage");

// One row of the file, checked.
struct FileRow {
    QHash<QString, QVariant> values;  // TextFields as text, NumberFields as int or null
    QByteArray picture;
    int row = 0;             // in the file, from 1
    QString passageProblem;  // empty when the passage is in the Bible
    QString text(const QString& f) const { return values.value(f).toString(); }
};

bool checkTable(const TableGram& table, QList<FileRow>* rows, QString* error)
{
    QHash<QString, int> columns;
    for (const QString& f : TextFields + NumberFields + QStringList{ImageField}) {
        columns[f] = table.columnIndex(f);
        if (columns[f] < 0) {
            *error = QCoreApplication::translate("Exchange", "it has no column \"%1\".").arg(f);
            return false;
        }
    }
    const auto books = BuiltInBibleBooks();  // stored passages name the built-in books, whichever Bible is read
    for (int r = 0; r < table.rows.size(); ++r) {
        const QList<QVariant>& cells = table.rows[r];
        FileRow row;
        for (const QString& f : TextFields)
            row.values[f] = CellAsText(cells[columns[f]]);
        for (const QString& f : NumberFields) {
            QVariant number;
            if (!CellAsInteger(cells[columns[f]], &number)) {
                *error = QCoreApplication::translate(
                    "Exchange", "row %1 holds \"%2\" in \"%3\", which is no whole number.")
                             .arg(r + 1)
                             .arg(cells[columns[f]].toString(), f);
                return false;
            }
            row.values[f] = number;
        }
        const QVariant& image = cells[columns[ImageField]];
        if (image.typeId() == QMetaType::QByteArray)
            row.picture = image.toByteArray();
        row.row = r + 1;
        // A file has no checksum: a value changed by hand or by damage is caught here or not at all.
        row.passageProblem = StoredPassageProblem(
            *books, {row.text(QStringLiteral("StoryTestament")), row.text(QStringLiteral("StoryBook")),
                     row.values[QStringLiteral("StoryChapter")],
                     row.values[QStringLiteral("StorySection")], row.values[QStringLiteral("StoryToChapter")],
                     row.values[QStringLiteral("StoryToSection")]});
        rows->append(row);
    }
    return true;
}

bool sameStory(const FileRow& a, const FileRow& b)
{
    return a.values[QStringLiteral("StoryNumber")] == b.values[QStringLiteral("StoryNumber")];
}

// Leaves out every story (rows in file-number order) that has a row whose passage is not in the
// Bible, and names those rows.
QList<FileRow> storiesInTheBible(const QList<FileRow>& rows, StoryImport* result)
{
    QList<FileRow> kept;
    for (qsizetype first = 0, end = 0; first < rows.size(); first = end) {
        bool whole = true;
        for (end = first; end < rows.size() && sameStory(rows[end], rows[first]); ++end) {
            if (rows[end].passageProblem.isEmpty())
                continue;
            whole = false;
            result->refusedRows.append(
                {rows[end].row, rows[end].text(QStringLiteral("StoryName")), rows[end].passageProblem});
        }
        if (whole)
            kept.append(rows.mid(first, end - first));
    }
    return kept;
}

// Picture bytes of a file, empty when it cannot be read or is too large (the export still goes on).
QByteArray pictureBytes(const QString& path, QHash<QString, QByteArray>* cache)
{
    auto it = cache->find(path);
    if (it != cache->end())
        return *it;
    QByteArray bytes;
    QString ignored;
    if (!ReadWholeFile(path, &bytes, &ignored, MaxStoryPictureBytes))
        bytes.clear();
    cache->insert(path, bytes);
    return bytes;
}

std::optional<TableGram> storyRows(const QSqlDatabase& db, const QString& sql, const QVariantList& params,
                                   bool everyRow, QString* error)
{
    auto rows = queryRows(db, sql, params);
    if (!rows) {
        *error = QCoreApplication::translate("Exchange", "the story store cannot be read.");
        return std::nullopt;
    }
    TableGram table = TableGramFromRecordset(db, Table, *rows, {QStringLiteral("StoryNotes")});
    const int image = table.columnIndex(ImageField);
    const int path = table.columnIndex(QStringLiteral("StoryImagePath"));
    if (image < 0 || path < 0) {
        *error = QCoreApplication::translate("Exchange", "the story table lacks its picture columns.");
        return std::nullopt;
    }
    table.columns[image].type = ColumnType::LongBinary;
    QHash<QString, QByteArray> cache;
    for (int r = 0; r < table.rows.size(); ++r) {
        const QString file = table.rows[r][path].toString();
        const QByteArray bytes = (everyRow || r == 0) && !file.isEmpty() ? pictureBytes(file, &cache) : QByteArray();
        table.rows[r][image] = bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    return table;
}

bool isDrawablePicture(const QByteArray& bytes)
{
    // Windows metafiles are drawn by the program's own converter, not by Qt's image readers.
    if (bytes.startsWith("\xD7\xCD\xC6\x9A") || bytes.startsWith(QByteArray("\x01\x00\x09\x00", 4))
        || bytes.startsWith(QByteArray("\x02\x00\x09\x00", 4)) || (bytes.size() > 44 && bytes.mid(40, 4) == " EMF"))
        return true;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && !reader.read().isNull();
}

// The plan of one import: new numbers, picture names and the pictures to write.
struct ImportPlan {
    QList<int> numbers;                 // per sorted row
    QStringList pictureNames;           // per sorted row, empty when the row has no picture path
    QHash<QString, QByteArray> toWrite; // picture name -> bytes
    QSet<QString> skipped;              // picture names whose bytes were refused
    QHash<QString, QString> finalNames; // picture name -> the free name its file was given
};

bool planNumbers(const QSqlDatabase& db, const QList<FileRow>& rows, ImportPlan* plan, QString* error)
{
    const auto first = NextStoryNumber(db);
    if (!first) {
        *error = QCoreApplication::translate("Exchange", "no new story number can be given.");
        return false;
    }
    qint64 next = *first - 1;
    for (int r = 0; r < rows.size(); ++r) {
        // Rows of one old story share the new number; a file row without a number counts as a story too.
        if (r == 0 || !sameStory(rows[r], rows[r - 1]))
            ++next;
        if (next > std::numeric_limits<int>::max()) {
            *error = QCoreApplication::translate("Exchange", "no new story number can be given.");
            return false;
        }
        plan->numbers << int(next);
    }
    return true;
}

void planPictures(const QList<FileRow>& rows, const QDate& date, ImportPlan* plan, StoryImport* result)
{
    QHash<QString, QByteArray> lastChecked;  // every part of a story usually carries the same bytes: check them once
    for (int r = 0; r < rows.size(); ++r) {
        const FileRow& row = rows[r];
        if (row.text(QStringLiteral("StoryImagePath")).isEmpty()) {
            plan->pictureNames << QString();
            continue;
        }
        const QString name = ImportedPictureName(date, plan->numbers[r], row.text(QStringLiteral("StoryImageType")));
        plan->pictureNames << name;
        if (row.picture.isEmpty() || lastChecked.value(name) == row.picture)
            continue;
        lastChecked[name] = row.picture;
        std::optional<Message> problem;
        if (row.picture.size() > MaxStoryPictureBytes)
            problem = Message::StoryPictureTooLarge;
        else if (!isDrawablePicture(row.picture))
            problem = Message::StoryPictureUnreadable;
        if (!problem) {
            plan->toWrite[name] = row.picture;
            plan->skipped.remove(name);
        } else if (!plan->toWrite.contains(name)) {
            if (!plan->skipped.contains(name))
                result->pictureProblems.append({*problem, row.text(QStringLiteral("StoryName")), name, {}});
            plan->skipped.insert(name);
        }
    }
}

// Writes the planned pictures under temporary names.
void writePictures(PictureBatch* batch, ImportPlan* plan, const QList<FileRow>& rows, StoryImport* result)
{
    for (auto it = plan->toWrite.cbegin(); it != plan->toWrite.cend(); ++it) {
        QString finalName, error;
        if (batch->add(it.key(), it.value(), &finalName, &error) == PictureBatch::Outcome::Written) {
            plan->finalNames[it.key()] = finalName;
            continue;
        }
        const int row = int(plan->pictureNames.indexOf(it.key()));
        result->pictureProblems.append({Message::StoryPictureNotWritten, rows[row].text(QStringLiteral("StoryName")),
                                        batch->folder() + finalName, error});
        plan->skipped.insert(it.key());
    }
}

bool storeRows(const QSqlDatabase& db, const QList<FileRow>& rows, const ImportPlan& plan, const QString& folder,
               QString* error)
{
    static const QStringList fields = {
        QStringLiteral("StoryNumber"),    QStringLiteral("StoryName"),      QStringLiteral("StoryTestament"),
        QStringLiteral("StoryBook"),      QStringLiteral("StoryToBook"),    QStringLiteral("StoryNotes"),
        QStringLiteral("StoryPartNumber"), QStringLiteral("StoryChapter"),  QStringLiteral("StorySection"),
        QStringLiteral("StoryToChapter"), QStringLiteral("StoryToSection"), QStringLiteral("StoryImagePath")};
    QStringList names, marks;
    for (const QString& f : fields) {
        names << QuoteIdentifier(f);
        marks << QStringLiteral("?");
    }
    const QString insert =
        QStringLiteral("INSERT INTO \"tblBibleStory\" (%1) VALUES (%2)").arg(names.join(u','), marks.join(u','));
    for (int r = 0; r < rows.size(); ++r) {
        QVariantList values{plan.numbers[r]};
        for (qsizetype f = 1; f + 1 < fields.size(); ++f)
            values << rows[r].values.value(fields[f]);
        const QString& name = plan.pictureNames[r];
        // A refused picture leaves the story without one rather than pointing at a file that is not its own.
        values << (name.isEmpty() || plan.skipped.contains(name) ? QStringLiteral("")
                                                                 : folder + plan.finalNames.value(name, name));
        if (!ExecuteStatement(db, insert, values, error))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> NextStoryNumber(const QSqlDatabase& db)
{
    auto max = queryRows(db, QStringLiteral("SELECT MAX(\"StoryNumber\") AS m FROM \"tblBibleStory\""));
    if (!max || max->eof())
        return std::nullopt;
    const QVariant value = max->value(QStringLiteral("m"));
    if (!value.isNull() && value.toLongLong() >= std::numeric_limits<int>::max())
        return std::nullopt;
    return NextStoryNumber();
}

QString SafePictureType(const QString& type)
{
    QString safe;
    for (QChar c : type) {
        if (safe.size() == 4)
            break;
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            safe += c;
    }
    return safe;
}

QString ImportedPictureName(const QDate& importDate, int storyNumber, const QString& type)
{
    return importDate.toString(QStringLiteral("yyyyMMdd")) + u'_' + QString::number(storyNumber) + u'.'
           + SafePictureType(type);
}

std::optional<TableGram> OneStoryTable(const QSqlDatabase& db, int storyNumber, QString* error)
{
    return storyRows(db, QStringLiteral("SELECT * FROM \"tblBibleStory\" WHERE \"StoryNumber\" = ? ORDER BY \"Index\""),
                     {storyNumber}, false, error);
}

std::optional<TableGram> AllStoriesTable(const QSqlDatabase& db, QString* error)
{
    return storyRows(db, QStringLiteral("SELECT * FROM \"tblBibleStory\" ORDER BY \"Index\""), {}, true, error);
}

namespace {

// Adds the stories in one transaction and gives their pictures their names once it has committed.
void storeStories(const QSqlDatabase& db, const QList<FileRow>& rows, const QString& imageFolder,
                  const QDate& importDate, StoryImport* result)
{
    Transaction transaction(db);
    if (!transaction.ok()) {
        result->error = QCoreApplication::translate(
            "Exchange", "the story store is in use by another program or cannot be changed.");
        return;
    }
    ImportPlan plan;
    if (!planNumbers(db, rows, &plan, &result->error))
        return;
    planPictures(rows, importDate, &plan, result);
    // The batch removes its temporary files unless they are moved into place after the commit.
    PictureBatch pictures(imageFolder, [&db](const QString& path) { return IsStoryPicturePath(db, path); });
    writePictures(&pictures, &plan, rows, result);
    if (!storeRows(db, rows, plan, imageFolder, &result->error) || !transaction.commit()) {
        if (result->error.isEmpty())
            result->error = QCoreApplication::translate("Exchange", "the story store cannot be changed.");
        result->pictureProblems.clear();
        return;
    }
    for (const QString& path : pictures.moveIntoPlace()) {
        // Something (a link, perhaps) took the name after it was chosen: the stories must not point at it.
        ForgetPicturePath(db, path, plan.numbers);
        const QString name = plan.finalNames.key(QFileInfo(path).fileName());
        const QString story = rows[plan.pictureNames.indexOf(name)].text(QStringLiteral("StoryName"));
        result->pictureProblems.append({Message::StoryPictureNotWritten, story, path,
                                        QStringLiteral("another file or a link took its name.")});
    }
    for (int n : plan.numbers)
        if (result->storyNumbers.isEmpty() || result->storyNumbers.last() != n)
            result->storyNumbers << n;
    result->ok = true;
}

} // namespace

StoryImport ImportStoryTable(const QSqlDatabase& db, const TableGram& table, const QString& imageFolder,
                             const QDate& importDate)
{
    StoryImport result;
    QList<FileRow> rows;
    if (!checkTable(table, &rows, &result.error)) {
        result.fileRejected = true;
        return result;
    }
    // Old numbers in ascending order; the sort is stable so parts keep their file order.
    std::stable_sort(rows.begin(), rows.end(), [](const FileRow& a, const FileRow& b) {
        const QVariant& x = a.values[QStringLiteral("StoryNumber")];
        const QVariant& y = b.values[QStringLiteral("StoryNumber")];
        return !y.isNull() && (x.isNull() || x.toInt() < y.toInt());
    });
    rows = storiesInTheBible(rows, &result);
    // One import at a time: the pictures of an import killed earlier can then be finished or removed
    // without touching those of one still running.
    const PictureFolderLock lock(imageFolder, BusyTimeoutMs);
    if (!lock.ok()) {
        result.error = lock.error();
        return result;
    }
    FinishInterruptedImports(db, imageFolder);
    storeStories(db, rows, imageFolder, importDate, &result);
    return result;
}

StoryImport ImportStoryFile(const QSqlDatabase& db, const QString& path, const QString& imageFolder,
                            const QDate& importDate)
{
    StoryImport result;
    const auto table = ReadTableGramFile(path, &result.error);
    if (!table) {
        result.fileRejected = true;
        return result;
    }
    return ImportStoryTable(db, *table, imageFolder, importDate);
}

} // namespace kivra
