#include "reading/LocalBookNames.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "shelf/Shelf.h"

#include <QFile>

#include <algorithm>

namespace kivra {
namespace {

// SWORD's English names of the 66 books (its keys of the [Text] section) and their OSIS ids.
// SWORD writes "I Samuel" and "Revelation of John" where the database writes "1 Samuel" and
// "Revelation"; the OSIS id joins the two.
const struct {
    const char* swordName;
    const char* osisId;
} kBooks[] = {
    {"Genesis", "Gen"}, {"Exodus", "Exod"}, {"Leviticus", "Lev"}, {"Numbers", "Num"},
    {"Deuteronomy", "Deut"}, {"Joshua", "Josh"}, {"Judges", "Judg"}, {"Ruth", "Ruth"},
    {"I Samuel", "1Sam"}, {"II Samuel", "2Sam"}, {"I Kings", "1Kgs"}, {"II Kings", "2Kgs"},
    {"I Chronicles", "1Chr"}, {"II Chronicles", "2Chr"}, {"Ezra", "Ezra"}, {"Nehemiah", "Neh"},
    {"Esther", "Esth"}, {"Job", "Job"}, {"Psalms", "Ps"}, {"Proverbs", "Prov"},
    {"Ecclesiastes", "Eccl"}, {"Song of Solomon", "Song"}, {"Isaiah", "Isa"}, {"Jeremiah", "Jer"},
    {"Lamentations", "Lam"}, {"Ezekiel", "Ezek"}, {"Daniel", "Dan"}, {"Hosea", "Hos"},
    {"Joel", "Joel"}, {"Amos", "Amos"}, {"Obadiah", "Obad"}, {"Jonah", "Jonah"},
    {"Micah", "Mic"}, {"Nahum", "Nah"}, {"Habakkuk", "Hab"}, {"Zephaniah", "Zeph"},
    {"Haggai", "Hag"}, {"Zechariah", "Zech"}, {"Malachi", "Mal"}, {"Matthew", "Matt"},
    {"Mark", "Mark"}, {"Luke", "Luke"}, {"John", "John"}, {"Acts", "Acts"},
    {"Romans", "Rom"}, {"I Corinthians", "1Cor"}, {"II Corinthians", "2Cor"}, {"Galatians", "Gal"},
    {"Ephesians", "Eph"}, {"Philippians", "Phil"}, {"Colossians", "Col"}, {"I Thessalonians", "1Thess"},
    {"II Thessalonians", "2Thess"}, {"I Timothy", "1Tim"}, {"II Timothy", "2Tim"}, {"Titus", "Titus"},
    {"Philemon", "Phlm"}, {"Hebrews", "Heb"}, {"James", "Jas"}, {"I Peter", "1Pet"},
    {"II Peter", "2Pet"}, {"I John", "1John"}, {"II John", "2John"}, {"III John", "3John"},
    {"Jude", "Jude"}, {"Revelation of John", "Rev"},
};

QString osisIdOfSwordName(const QString& swordName)
{
    for (const auto& b : kBooks)
        if (swordName == QLatin1String(b.swordName))
            return QLatin1String(b.osisId);
    return {};
}

bool isOsisId(const QString& id)
{
    for (const auto& b : kBooks)
        if (id == QLatin1String(b.osisId))
            return true;
    return false;
}

LocalBookNames& readerNames()
{
    static LocalBookNames names;
    return names;
}

// "C" and every English variant: the database's own names.
bool isEnglish(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("en") || language.startsWith(QLatin1String("en-"))
           || language.startsWith(QLatin1String("en_"));
}

// The names of the chosen module's language, read once per language; nullptr when the reader's
// names stand instead (the built-in Bible, a language without a locale file).
const LocalBookNames* chosenBibleNames()
{
    static const LocalBookNames english;
    static QString readFor;
    static LocalBookNames read;
    const std::shared_ptr<const ModuleText> module = ChosenModuleText();
    if (!module)
        return nullptr;
    const QString& language = module->info().language;
    if (isEnglish(language))
        return &english;
    if (language != readFor) {
        readFor = language;
        const QString file = LocalBookNames::fileForLanguage(language);
        read = file.isEmpty() ? LocalBookNames() : LocalBookNames::read(file);
    }
    return read.isEmpty() ? nullptr : &read;
}

} // namespace

LocalBookNames LocalBookNames::read(const QString& path)
{
    LocalBookNames names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return names;
    QString section;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (value.isEmpty())
            continue;
        if (section == QLatin1String("Text")) {  // English name = local name
            const QString id = osisIdOfSwordName(key);
            if (!id.isEmpty()) {
                names.m_names.insert(id, value);
                names.m_forms[id].prepend(value);
            }
        } else if (section == QLatin1String("Book Abbrevs") && isOsisId(value)) {  // LOCAL FORM = id
            names.m_forms[value].append(key);
        } else if (section == QLatin1String("Pref Abbrevs") && isOsisId(key)) {  // id = local abbreviation
            names.m_forms[key].append(value);
        }
    }
    if (names.m_names.isEmpty())
        names.m_forms.clear();
    return names;
}

QString LocalBookNames::fileFor(const QLocale& locale, const QString& folder)
{
    for (const QString& language : locale.uiLanguages()) {
        if (isEnglish(language))
            return {};
        const QString path = fileForLanguage(language, folder);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString LocalBookNames::fileForLanguage(const QString& language, const QString& folder)
{
    if (isEnglish(language))
        return {};
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        // A code made of letters only, so a module's conf cannot point outside the folder.
        if (candidate.isEmpty() || !std::all_of(candidate.begin(), candidate.end(), [](QChar c) {
                return c.isLetter() || c == QLatin1Char('_');
            }))
            continue;
        const QString path = folder + QLatin1Char('/') + candidate + QStringLiteral("-utf8.conf");
        if (QFile::exists(path))
            return path;
    }
    return {};
}

const LocalBookNames& ReaderBookNames()
{
    return readerNames();
}

void UseReaderLanguage(const QLocale& locale, const QString& folder)
{
    const QString file = LocalBookNames::fileFor(locale, folder);
    readerNames() = file.isEmpty() ? LocalBookNames() : LocalBookNames::read(file);
}

const LocalBookNames& ShownBookNames()
{
    const LocalBookNames* bible = chosenBibleNames();
    return bible ? *bible : readerNames();
}

QString ShownBookName(const BibleBook& book)
{
    const QString local = ShownBookNames().name(book.abbreviation);
    return local.isEmpty() ? book.name : local;
}

QString ShownBookName(const QString& storedName)
{
    if (ShownBookNames().isEmpty())
        return storedName;
    const BibleBook* book = BibleBooks()->bookNamed(storedName, Qt::CaseInsensitive);
    return book ? ShownBookName(*book) : storedName;
}

} // namespace kivra
