#include "app/Startup.h"

#include "resources/Interaction.h"
#include "storage/Database.h"
#include "storage/Globals.h"

namespace kivra {

bool OpenConnections(QString* failedFile)
{
    struct File { QString connection, path; OpenMode mode; QString table; };
    const Folders& f = folders();
    const File files[] = {
        {BibleConnectionName, f.databasePath + BibleDatabaseFile, OpenMode::ReadOnly, QStringLiteral("tblBible")},
        {StoryConnectionName, f.userDatabasePath + StoryDatabaseFile, OpenMode::ReadWrite, QStringLiteral("tblBibleStory")},
        {OptionsConnectionName, f.userDatabasePath + OptionsDatabaseFile, OpenMode::ReadWrite, QStringLiteral("tblOptions")},
    };
    for (const File& file : files) {
        QString error;
        const QSqlDatabase db = OpenDatabaseConnection(file.connection, file.path, file.mode, &error);
        if (!db.isOpen()) {
            if (failedFile)
                *failedFile = file.path;
            ShowMessage(701, nullptr, {file.path});
            return false;
        }
        if (!IsKnownTable(db, file.table)) {
            if (failedFile)
                *failedFile = file.path;
            ShowMessage(703, nullptr, {file.path});
            return false;
        }
    }
    return true;
}

} // namespace kivra
