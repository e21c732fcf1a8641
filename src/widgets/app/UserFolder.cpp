#include "app/UserFolder.h"

#include "resources/Interaction.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace kivra {

QString PerUserFolder(const QString& xdgDataHome, const QString& home)
{
    // Only absolute paths count; without either there is no per-user folder at all.
    QString base = xdgDataHome;
    if (!QDir::isAbsolutePath(base))
        base = QDir::isAbsolutePath(home) ? home + QStringLiteral("/.local/share") : QString();
    return base.isEmpty() ? QString() : QDir::cleanPath(base + QStringLiteral("/kivra-bible"));
}

bool ProgramFolderIsWritable(const QString& programFolder)
{
    const QString db = programFolder + QStringLiteral("/Db");
    const QByteArray dir = QFile::encodeName(db);
    const QByteArray options = QFile::encodeName(db + QLatin1Char('/') + OptionsDatabaseFile);
    const QByteArray stories = QFile::encodeName(db + QLatin1Char('/') + StoryDatabaseFile);
    // SQLite needs the folder too, for its journal. A file that is missing does not make the folder
    // read-only: the start-up then names that file rather than moving to a per-user folder.
    auto writableOrMissing = [](const QByteArray& file) {
        return ::access(file.constData(), W_OK) == 0 || ::access(file.constData(), F_OK) != 0;
    };
    return ::access(dir.constData(), W_OK) == 0 && writableOrMissing(options) && writableOrMissing(stories);
}

QString ChooseUserFolder(const QString& programFolder, bool programFolderWritable, const QString& xdgDataHome,
                         const QString& home)
{
    return programFolderWritable ? programFolder : PerUserFolder(xdgDataHome, home);
}

// The user's notes live in these folders and files: nobody else may read them.
constexpr auto PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr mode_t PrivateFolderMode = 0700;

// Like mkpath, but every folder it makes is the owner's alone.
static bool makePrivatePath(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !makePrivatePath(parent))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), PrivateFolderMode) == 0 || QFileInfo(path).isDir();
}

static bool copyIfMissing(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        return true;
    QByteArray bytes;
    QString error;
    return ReadWholeFile(from, &bytes, &error) && WriteFileSafely(to, bytes, &error, PrivateFile);
}

bool SeedUserFolder(const QString& programFolder, const QString& userFolder, QString* failedPath)
{
    if (QDir::cleanPath(programFolder) == QDir::cleanPath(userFolder))
        return true;
    auto fail = [failedPath](const QString& path) {
        if (failedPath)
            *failedPath = path;
        return false;
    };
    const QString userDb = userFolder + QStringLiteral("/Db");
    const QString userImages = userFolder + QStringLiteral("/image");
    // A damaged installation is named as such, before anything is made in the home folder.
    for (const QString& file : {OptionsDatabaseFile, StoryDatabaseFile}) {
        const QString installed = programFolder + QStringLiteral("/Db/") + file;
        if (!QFileInfo::exists(userDb + QLatin1Char('/') + file) && !QFileInfo(installed).isFile())
            return fail(installed);
    }
    if (!makePrivatePath(userDb))
        return fail(userDb);
    const bool firstRun = !QFileInfo::exists(userImages);
    if (!makePrivatePath(userImages))
        return fail(userImages);
    for (const QString& file : {OptionsDatabaseFile, StoryDatabaseFile}) {
        const QString target = userDb + QLatin1Char('/') + file;
        if (!copyIfMissing(programFolder + QStringLiteral("/Db/") + file, target))
            return fail(target);
    }
    if (firstRun) {
        const QDir installed(programFolder + QStringLiteral("/image"));
        for (const QString& name : installed.entryList(QDir::Files)) {
            const QString target = userImages + QLatin1Char('/') + name;
            if (!copyIfMissing(installed.filePath(name), target))
                return fail(target);
        }
    }
    return true;
}

QString PrepareUserFolder(const QString& programFolder)
{
    // HOME itself, not QDir::homePath(), which falls back to the root folder.
    const QString user = ChooseUserFolder(programFolder, ProgramFolderIsWritable(programFolder),
                                          qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    if (user.isEmpty()) {
        ShowMessage(Message::DataFolderNotCreated, nullptr, {QStringLiteral("$HOME/.local/share/kivra-bible")});
        return {};
    }
    QString failed;
    if (!SeedUserFolder(programFolder, user, &failed)) {
        // A missing installed file is a missing database (DatabaseMissing), not a home folder that cannot be written.
        const bool installedFile = failed.startsWith(programFolder + QStringLiteral("/Db/"));
        ShowMessage(installedFile ? Message::DatabaseMissing : Message::DataFolderNotCreated, nullptr, {failed});
        return {};
    }
    return user;
}

} // namespace kivra
