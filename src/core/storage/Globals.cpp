#include "storage/Globals.h"

#include <QCoreApplication>

namespace kivra {
namespace {
Folders g_folders;

QString withoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return path;
}
} // namespace

const Folders& folders() { return g_folders; }

void InitialiseFolders(const QString& applicationPath, const QString& userPath)
{
    g_folders.applicationPath = withoutTrailingSeparator(applicationPath);
    g_folders.databasePath = g_folders.applicationPath + QStringLiteral("/Db/");
    g_folders.userPath = userPath.isEmpty() ? g_folders.applicationPath : withoutTrailingSeparator(userPath);
    g_folders.userDatabasePath = g_folders.userPath + QStringLiteral("/Db/");
}

QString GetAppPath()
{
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
}

static QString stockPicture(const char* name)
{
    return g_folders.applicationPath + QStringLiteral("/image/") + QLatin1String(name);
}

QString StoryNoImagePicture() { return stockPicture("obj_bible_story_no_image.gif"); }
QString StoryImageNotFoundPicture() { return stockPicture("obj_bible_story_image_not_found.gif"); }
QString StoryNoImageFullPicture() { return stockPicture("obj_bible_story_no_image_full.gif"); }
QString StoryImageNotFoundFullPicture() { return stockPicture("obj_bible_story_image_not_found_full.gif"); }
QString WebPanelDefaultPage() { return g_folders.databasePath + QStringLiteral("default.htm"); }
QString ImageFolder() { return g_folders.userPath + QStringLiteral("/image/"); }

QSqlDatabase BibleConnection() { return QSqlDatabase::database(BibleConnectionName, false); }
QSqlDatabase StoryConnection() { return QSqlDatabase::database(StoryConnectionName, false); }
QSqlDatabase OptionsConnection() { return QSqlDatabase::database(OptionsConnectionName, false); }

} // namespace kivra
