#include "support/TinyShelf.h"

#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"
#include "support/DatabaseFolder.h"

#include <QDir>
#include <QProcess>

namespace kivra::test {
namespace {

const char* const TinyOsis = R"(<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace"><osisText osisIDWork="Tiny" osisRefWork="Bible" xml:lang="es"><header><work osisWork="Tiny"><refSystem>Bible.KJVA</refSystem></work></header>
<div type="book" osisID="Gen"><chapter osisID="Gen.1">
<verse osisID="Gen.1.1"><w lemma="strong:H0430">Dios</w><note placement="foot">ESPÍRITU en la nota</note><w lemma="strong:H1254">creó</w> el cielo.</verse>
<verse osisID="Gen.1.3">Y el ESPÍRITU de Dios; amós no es amó.</verse>
</chapter></div>
<div type="book" osisID="Tob"><chapter osisID="Tob.1"><verse osisID="Tob.1.1">Libro de Tobías, el espíritu.</verse></chapter></div>
<div type="book" osisID="John"><chapter osisID="John.3"><verse osisID="John.3.16">Porque de tal manera amó Dios al mundo.</verse></chapter></div>
</osisText></osis>
)";

const char* const TinyConf = "[Tiny]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zText\nEncoding=UTF-8\n"
                             "CompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nLang=es\n"
                             "Description=Tiny test Bible\nVersification=KJVA\n";
// The files of a zCom module under a conf that names the zCom4 driver, as one Debian package ships.
const char* const DamagedConf = "[Damaged]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zCom4\n"
                                "Description=Damaged commentary\nVersification=KJVA\n";

} // namespace

TinyShelfFolder::TinyShelfFolder()
    : m_shortfall(lacksProgram(QStringLiteral("osis2mod"), "libsword-utils")),
      m_oldSwordPath(qgetenv("SWORD_PATH")), m_oldHome(qgetenv("HOME"))
{
    if (m_shortfall)
        return;
    const QString root = m_dir.path() + QStringLiteral("/mods");
    QDir().mkpath(root + QStringLiteral("/modules/texts/ztext/tiny"));
    QDir().mkpath(root + QStringLiteral("/mods.d"));
    WriteFile(m_dir.path() + QStringLiteral("/tiny.osis.xml"), TinyOsis);
    WriteFile(root + QStringLiteral("/mods.d/tiny.conf"), TinyConf);
    WriteFile(root + QStringLiteral("/mods.d/damaged.conf"), DamagedConf);
    QProcess osis2mod;
    osis2mod.start(QStringLiteral("osis2mod"), {root + QStringLiteral("/modules/texts/ztext/tiny"),
                                                 m_dir.path() + QStringLiteral("/tiny.osis.xml"), QStringLiteral("-z"),
                                                 QStringLiteral("-v"), QStringLiteral("KJVA")});
    if (!osis2mod.waitForFinished(60000) || osis2mod.exitCode() != 0)
        m_shortfall = "osis2mod could not make the test modules: " + osis2mod.readAllStandardError().toStdString();
    qputenv("SWORD_PATH", root.toUtf8());
    qputenv("HOME", m_dir.path().toUtf8());
    Shelf::instance().reload();
}

TinyShelfFolder::~TinyShelfFolder()
{
    ChooseBible({});
    qputenv("SWORD_PATH", m_oldSwordPath);
    if (m_oldSwordPath.isEmpty())
        qunsetenv("SWORD_PATH");
    qputenv("HOME", m_oldHome);
    Shelf::instance().reload();
}

} // namespace kivra::test
