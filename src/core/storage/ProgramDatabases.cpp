#include "storage/ProgramDatabases.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QFileInfo>

namespace kivra {

namespace {

struct DatabaseFile {
    QString connection, path;
    OpenMode mode;
    QStringList tables;  // every table the program reads from the file
};

std::optional<DatabaseFailure> openChecked(const DatabaseFile& file)
{
    const QSqlDatabase db = OpenDatabaseConnection(file.connection, file.path, file.mode);
    if (!db.isOpen()) {
        // A file that can be read but not opened is no database at all.
        const QFileInfo info(file.path);
        return DatabaseFailure{file.path,
                               info.isFile() && info.isReadable() ? Message::NotAProgramDatabase : Message::DatabaseMissing};
    }
    for (const QString& table : file.tables)
        if (!TableIsReadable(db, table))
            return DatabaseFailure{file.path, Message::NotAProgramDatabase};
    return std::nullopt;
}

} // namespace

std::optional<DatabaseFailure> OpenProgramDatabases()
{
    const Folders& f = folders();
    const DatabaseFile files[] = {
        {BibleConnectionName, f.databasePath + BibleDatabaseFile, OpenMode::ReadOnly,
         {QStringLiteral("tblBible"), QStringLiteral("tblBibleBook"), QStringLiteral("tblGetNumberOfSection"),
          QStringLiteral("tblSettings_ComboBox_Double_Value"), QStringLiteral("tblSettings_Combox")}},
        {StoryConnectionName, f.userDatabasePath + StoryDatabaseFile, OpenMode::ReadWrite,
         {QStringLiteral("tblBibleStory"), QStringLiteral("tblBibleStory_Backup")}},
        {OptionsConnectionName, f.userDatabasePath + OptionsDatabaseFile, OpenMode::ReadWrite,
         {QStringLiteral("tblOptions"), QStringLiteral("tblBookmark"), QStringLiteral("tblBookmark_Relation")}},
    };
    for (const DatabaseFile& file : files)
        if (auto failure = openChecked(file))
            return failure;
    return std::nullopt;
}

} // namespace kivra
