#include "support/DatabaseFolder.h"

#include "settings/Options.h"
#include "storage/Globals.h"
#include "storage/ProgramDatabases.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QDebug>

namespace kivra::test {

ProgramRun RunProgram(const QStringList& args)
{
    QProcess program;
    program.start(QStringLiteral(KIVRA_PROGRAM_DIR "/kivra-bible"), args);
    if (!program.waitForFinished(120000))
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CopyFolder(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    for (const QFileInfo& info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + info.fileName();
        const bool ok = info.isDir() ? CopyFolder(info.filePath(), target) : QFile::copy(info.filePath(), target);
        if (!ok)
            return false;
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return true;
}

TempDatabaseFolder::TempDatabaseFolder()
{
    const QString program = QStringLiteral(KIVRA_PROGRAM_DIR);
    if (!m_dir.isValid() || !CopyFolder(program + QStringLiteral("/Db"), m_dir.path() + QStringLiteral("/Db"))
        || !CopyFolder(program + QStringLiteral("/image"), m_dir.path() + QStringLiteral("/image"))) {
        qWarning() << "Cannot copy the program folder from" << program;
        return;
    }
    InitialiseFolders(m_dir.path());
    m_ok = !OpenProgramDatabases() && LoadOptions();
}

TempDatabaseFolder::~TempDatabaseFolder()
{
    for (const QString& name : {BibleConnectionName, StoryConnectionName, OptionsConnectionName}) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    options() = OptionValues();
}

bool TempDatabaseFolder::exec(const QString& connection, const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(sql)) {
        qWarning() << query.lastError().text() << sql;
        return false;
    }
    if (query.isSelect()) {
        qWarning() << "exec() cannot tell what a SELECT found" << sql;
        return false;
    }
    return true;
}

int TempDatabaseFolder::count(const QString& connection, const QString& table)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const QString quoted = QLatin1Char('"') + table + QLatin1Char('"');
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + quoted) && query.next() ? query.value(0).toInt() : -1;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray PngBytes(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace kivra::test
