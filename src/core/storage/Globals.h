#pragma once
// Process-wide values set once at start-up: folders, file names, connections and fixed texts.
#include <QSqlDatabase>
#include <QString>

namespace kivra {

inline const QString BibleDatabaseFile = QStringLiteral("dbBible.dat");
inline const QString OptionsDatabaseFile = QStringLiteral("dbOptions.pre");
inline const QString StoryDatabaseFile = QStringLiteral("dbStory.dat");
inline const QString NewLine = QStringLiteral("\r\n");
inline const QString ListIndent = QStringLiteral("   ");

inline const QString SupportPageAddress = QStringLiteral("https://github.com/kivra-bible/kivra-bible/issues");
inline const QString HomePageAddress = QStringLiteral("https://www.biblegateway.com/reading-plans/");
inline const QString DonationPageAddress = QStringLiteral("https://github.com/kivra-bible/kivra-bible#donate");

// Names of the three connections kept open for the life of the process.
inline const QString BibleConnectionName = QStringLiteral("BibleConnection");
inline const QString StoryConnectionName = QStringLiteral("StoryConnection");
inline const QString OptionsConnectionName = QStringLiteral("OptionsConnection");

struct Folders {
    QString applicationPath;   // folder of the program, no trailing separator
    QString databasePath;      // applicationPath + "/Db/"
    // The Bible text and default.htm always come from the program folder; the user's own
    // databases and pictures may live elsewhere (an installed, read-only copy).
    QString userPath;          // folder holding the user's Db/ and image/
    QString userDatabasePath;  // userPath + "/Db/"
};

const Folders& folders();
// Sets the program folder (a trailing separator is dropped) and, by default, the user folder to the same.
void InitialiseFolders(const QString& applicationPath, const QString& userPath = QString());
QString GetAppPath();

QString StoryNoImagePicture();
QString StoryImageNotFoundPicture();
QString StoryNoImageFullPicture();
QString StoryImageNotFoundFullPicture();
QString WebPanelDefaultPage();
QString ImageFolder();  // the user's image/ folder, where imported pictures go

QSqlDatabase BibleConnection();
QSqlDatabase StoryConnection();
QSqlDatabase OptionsConnection();

} // namespace kivra
