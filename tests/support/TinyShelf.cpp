#include "support/TinyShelf.h"

#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"
#include "support/DatabaseFolder.h"

#include <QDir>
#include <QProcess>

#include <tuple>

namespace kivra::test {
namespace {

const char* const TinyOsis = R"(<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace"><osisText osisIDWork="Tiny" osisRefWork="Bible" xml:lang="es"><header><work osisWork="Tiny"><refSystem>Bible.KJVA</refSystem></work></header>
<div type="book" osisID="Gen"><chapter osisID="Gen.1">
<verse osisID="Gen.1.1"><w lemma="strong:H0430">Dios</w><note placement="foot">ESPÍRITU en la nota</note><w lemma="strong:H1254">creó</w> el cielo.</verse>
<verse osisID="Gen.1.3">Y el ESPÍRITU de <w lemma="strong:H0430">Dios</w>; amós no es amó.</verse>
</chapter></div>
<div type="book" osisID="Tob"><chapter osisID="Tob.1"><verse osisID="Tob.1.1">Libro de Tobías, el espíritu.</verse></chapter></div>
<div type="book" osisID="John"><chapter osisID="John.3"><verse osisID="John.3.16">Porque de tal manera <w savlm="strong:G0025">amó</w> <w lemma="strong:G2316">Dios</w> al mundo.</verse></chapter></div>
</osisText></osis>
)";

// The Synodal versification counts a psalm's title as verse 1 and numbers Psalm 51 of the KJV as 50.
const char* const SynodalOsis = R"(<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace"><osisText osisIDWork="UkrSynodal" osisRefWork="Bible" xml:lang="en"><header><work osisWork="UkrSynodal"><refSystem>Bible.Synodal</refSystem></work></header>
<div type="book" osisID="Ps"><chapter osisID="Ps.3">
<verse osisID="Ps.3.1">Title of the third psalm.</verse>
<verse osisID="Ps.3.2">First words of the third psalm.</verse>
<verse osisID="Ps.3.3">Second words of the third psalm.</verse>
</chapter><chapter osisID="Ps.50"><verse osisID="Ps.50.3">Have mercy upon me, O God.</verse></chapter></div>
</osisText></osis>
)";
const char* const SynodalConf = "[UkrSynodal]\nDataPath=./modules/texts/ztext/synodal/\nModDrv=zText\nEncoding=UTF-8\n"
                                "CompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nLang=en\n"
                                "Description=Unusual versification test Bible (Synodal)\nVersification=Synodal\n";

const char* const TinyConf = "[Tiny]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zText\nEncoding=UTF-8\n"
                             "CompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nLang=es\n"
                             "Description=Tiny test Bible\nVersification=KJVA\nFeature=StrongsNumbers\n";
// The files of a zCom module under a conf that names the zCom4 driver, as one Debian package ships.
const char* const DamagedConf = "[Damaged]\nDataPath=./modules/texts/ztext/tiny/\nModDrv=zCom4\n"
                                "Description=Damaged commentary\nVersification=KJVA\n";

const char* const NotesOsis = R"(<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace"><osisText osisIDWork="TinyNotes" osisRefWork="Bible" xml:lang="en"><header><work osisWork="TinyNotes"><refSystem>Bible.KJV</refSystem></work></header>
<div type="book" osisID="John"><chapter osisID="John.3">
<verse osisID="John.3.16"><hi type="bold">perish</hi> <div sID="p1" type="x-p"/>Lost<note placement="foot">hidden</note> sheep, <reference osisRef="mt 10:6">Matthew 10:6</reference>; <reference osisRef="lu 15:4 lu 15:6">Luke 15:4,6</reference>.<div eID="p1" type="x-p"/> <div sID="p2" type="x-p"/><hi type="italic">(See "<reference osisRef="TinyNotes:Mt 4:8">Matthew 4:8</reference>")</hi></verse>
<verse osisID="John.3.17">Or, judge.</verse>
</chapter></div>
</osisText></osis>
)";
const char* const NotesConf = "[TinyNotes]\nDataPath=./modules/comments/zcom/tinynotes/\nModDrv=zCom\nEncoding=UTF-8\n"
                              "CompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nLang=en\n"
                              "Description=Tiny test commentary\nVersification=KJV\n";
const char* const GreekImp = "$$$00025\n<entryFree n=\"00025\"><orth>ἀγαπάω</orth> <orth type=\"writing\">A)GAPA/W</orth> "
                             "<orth rend=\"bold\" type=\"trans\">agapáō</orth> <pron rend=\"italic\">ag-ap-ah'-o</pron><lb/> "
                             "<def>to love. Compare <ref target=\"StrongsGreek:5368\">G5368</ref>.</def></entryFree>\n";
const char* const GreekConf = "[TinyGreek]\nDataPath=./modules/lexdict/zld/tinygreek/dict\nModDrv=zLD\nCompressType=ZIP\n"
                              "Encoding=UTF-8\nSourceType=TEI\nFeature=GreekDef\nLang=en\nDescription=Tiny Greek lexicon\n";

bool run(const QString& program, const QStringList& arguments, Shortfall* shortfall)
{
    QProcess process;
    process.start(program, arguments);
    if (process.waitForFinished(60000) && process.exitCode() == 0)
        return true;
    *shortfall = program.toStdString() + " could not make the test modules: " + process.readAllStandardError().toStdString();
    return false;
}

} // namespace

TinyShelfFolder::TinyShelfFolder(bool studyModules)
    : m_shortfall(lacksProgram(QStringLiteral("osis2mod"), "libsword-utils")),
      m_oldSwordPath(qgetenv("SWORD_PATH")), m_oldHome(qgetenv("HOME"))
{
    if (m_shortfall)
        return;
    const QString root = m_dir.path() + QStringLiteral("/mods");
    QDir().mkpath(root + QStringLiteral("/mods.d"));
    WriteFile(root + QStringLiteral("/mods.d/tiny.conf"), TinyConf);
    WriteFile(root + QStringLiteral("/mods.d/damaged.conf"), DamagedConf);
    WriteFile(root + QStringLiteral("/mods.d/synodal.conf"), SynodalConf);
    for (const auto& [folder, osis, versification] : {std::tuple{"tiny", TinyOsis, "KJVA"}, {"synodal", SynodalOsis, "Synodal"}}) {
        const QString data = root + QStringLiteral("/modules/texts/ztext/") + QLatin1String(folder);
        const QString source = m_dir.path() + QLatin1Char('/') + QLatin1String(folder) + QStringLiteral(".osis.xml");
        QDir().mkpath(data);
        WriteFile(source, osis);
        if (!m_shortfall)
            run(QStringLiteral("osis2mod"), {data, source, QStringLiteral("-z"), QStringLiteral("-v"), QLatin1String(versification)},
                &m_shortfall);
    }
    if (studyModules && !m_shortfall) {
        const QString notes = root + QStringLiteral("/modules/comments/zcom/tinynotes");
        QDir().mkpath(notes);
        QDir().mkpath(root + QStringLiteral("/modules/lexdict/zld/tinygreek"));
        WriteFile(m_dir.path() + QStringLiteral("/notes.osis.xml"), NotesOsis);
        WriteFile(m_dir.path() + QStringLiteral("/greek.imp"), GreekImp);
        WriteFile(root + QStringLiteral("/mods.d/tinynotes.conf"), NotesConf);
        WriteFile(root + QStringLiteral("/mods.d/tinygreek.conf"), GreekConf);
        run(QStringLiteral("osis2mod"), {notes, m_dir.path() + QStringLiteral("/notes.osis.xml"), QStringLiteral("-z")}, &m_shortfall)
            && run(QStringLiteral("imp2ld"), {m_dir.path() + QStringLiteral("/greek.imp"), QStringLiteral("-o"),
                                              root + QStringLiteral("/modules/lexdict/zld/tinygreek/dict"),
                                              QStringLiteral("-z"), QStringLiteral("z")}, &m_shortfall);
    }
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
