#include "support/MachineNeeds.h"

#include <QDir>
#include <QFontDatabase>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace kivra::test {

namespace {

Shortfall shortfall(const QString& what, const char* package)
{
    return QStringLiteral("This test needs %1 on the machine: install the Debian package %2.")
        .arg(what, QLatin1String(package))
        .toStdString();
}

} // namespace

Shortfall lacksProgram(const QString& program, const char* package)
{
    if (!QStandardPaths::findExecutable(program).isEmpty())
        return std::nullopt;
    return shortfall(QStringLiteral("the program %1").arg(program), package);
}

Shortfall lacksFontFamily(const QString& family, const char* package)
{
    if (QFontDatabase::hasFamily(family))
        return std::nullopt;
    return shortfall(QStringLiteral("the font %1").arg(family), package);
}

Shortfall lacksMetafileFonts()
{
    // Where libwmf looks for its standard fonts on Debian.
    const QDir fonts(QStringLiteral("/usr/share/fonts/type1/urw-base35"));
    if (fonts.exists() && !fonts.entryList({QStringLiteral("*.t1")}, QDir::Files).isEmpty())
        return std::nullopt;
    return shortfall(QStringLiteral("the URW base-35 fonts (libwmf draws metafile text with them)"),
                     "fonts-urw-base35");
}

QString pdfText(const QString& path)
{
    if (const Shortfall lack = lacksProgram(QStringLiteral("pdftotext"), "poppler-utils")) {
        ADD_FAILURE() << *lack;
        return {};
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace kivra::test
