#include "app/Startup.h"

#include "resources/Interaction.h"
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

// Opens the file and reads every table the program needs from it; otherwise names the file in
// message 701 (cannot be opened) or 703 (there, but not a database of this program or damaged).
bool openChecked(const DatabaseFile& file, QString* failedFile)
{
    auto fail = [&](int message) {
        if (failedFile)
            *failedFile = file.path;
        ShowMessage(message, nullptr, {file.path});
        return false;
    };
    const QSqlDatabase db = OpenDatabaseConnection(file.connection, file.path, file.mode);
    if (!db.isOpen()) {
        // A file that can be read but not opened is no database at all.
        const QFileInfo info(file.path);
        return fail(info.isFile() && info.isReadable() ? 703 : 701);
    }
    for (const QString& table : file.tables)
        if (!TableIsReadable(db, table))
            return fail(703);
    return true;
}

} // namespace

bool OpenConnections(QString* failedFile)
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
        if (!openChecked(file, failedFile))
            return false;
    return true;
}

} // namespace kivra
