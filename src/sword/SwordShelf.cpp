// The SWORD library behind the shelf, built as a module of its own (see shelf/SwordLibrary.h): the
// modules' configuration, why one cannot be read, their entries, a verse-keyed module's text made
// clean, and the library's versifications and verse lists.
#include "shelf/CleanText.h"
#include "shelf/SwordLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <listkey.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <algorithm>

namespace kivra {

// Builds a ModuleText from outside the class, so the library's types stay out of the header.
class ModuleTextBuilder {
public:
    static std::shared_ptr<const ModuleText> read(sword::SWModule& module, const ModuleInfo& info, QString* error);
};

namespace {

QString confEntry(sword::SWModule& module, const char* key)
{
    return QString::fromUtf8(module.getConfigEntry(key));
}

bool declaresUtf8(sword::SWModule& module)
{
    return confEntry(module, "Encoding").compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
}

// An entry as UTF-8: a conf that says nothing of its encoding means Latin-1, yet some such modules
// hold UTF-8, so an entry that reads as UTF-8 is taken as such.
QByteArray entryUtf8(const char* raw, bool declaredUtf8)
{
    const QByteArray bytes(raw);
    if (declaredUtf8)
        return bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes).toUtf8() : bytes;
}

ModuleKind kindOf(sword::SWModule& module)
{
    const QByteArray type = module.getType();
    if (type == sword::SWMgr::MODTYPE_BIBLES)
        return ModuleKind::Bible;
    if (type == sword::SWMgr::MODTYPE_COMMENTARIES)
        return ModuleKind::Commentary;
    if (type == sword::SWMgr::MODTYPE_LEXDICTS)
        return ModuleKind::Dictionary;
    return ModuleKind::Other;
}

const sword::VersificationMgr::System* versificationSystem(const QString& name)
{
    return sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(name.toUtf8().constData());
}

// Why a verse-keyed module cannot be read: its index files must be there, and each must hold one
// entry for every verse of its testament in the module's versification. A module packaged with
// the files of another layout than its driver reads shows here instead of as empty text.
QString verseIndexProblem(const QString& folder, const QString& driver, const QString& versification)
{
    const sword::VersificationMgr::System* system = versificationSystem(versification);
    if (!system)
        return Shelf::tr("its versification \"%1\" is unknown").arg(versification);
    struct Layout {
        const char* driver;
        const char* suffix;
        qint64 entrySize;
    };
    static const Layout layouts[] = {{"ztext", "bzv", 10}, {"zcom", "bzv", 10}, {"ztext4", "czv", 12},
                                     {"zcom4", "czv", 12}, {"rawtext", "vss", 6}, {"rawcom", "vss", 6},
                                     {"rawtext4", "vss", 8}, {"rawcom4", "vss", 8}};
    const auto layout = std::find_if(std::begin(layouts), std::end(layouts),
                                     [&](const Layout& l) { return driver.compare(QLatin1String(l.driver), Qt::CaseInsensitive) == 0; });
    if (layout == std::end(layouts))
        return {};  // a driver we do not know the files of: the library alone decides
    const int lastBook = system->getBookCount() - 1;
    const sword::VersificationMgr::Book* last = system->getBook(lastBook);
    const long lastOffset = system->getOffsetFromVerse(lastBook, last->getChapterMax(),
                                                       last->getVerseMax(last->getChapterMax()));
    const qint64 expected[] = {system->getNTStartOffset() + 1, lastOffset - system->getNTStartOffset() + 1};
    int present = 0;
    QStringList names;
    for (int testament = 0; testament < 2; ++testament) {
        const QString name = QStringLiteral("%1.%2").arg(QLatin1String(testament == 0 ? "ot" : "nt"), QLatin1String(layout->suffix));
        names << name;
        const QFileInfo file(QDir(folder).filePath(name));
        if (!file.exists())
            continue;
        ++present;
        const qint64 entries = file.size() / layout->entrySize;
        if (file.size() % layout->entrySize != 0 || entries != expected[testament])
            return Shelf::tr("its index file %1 has %2 bytes where the %3 versification needs %4")
                .arg(name).arg(file.size()).arg(versification).arg(expected[testament] * layout->entrySize);
    }
    if (present == 0) {
        // Index files of another layout: the description and the files disagree (the library then
        // reads "Error reading ulCompOffset" and empty text).
        for (const Layout& other : layouts) {
            const QString name = QStringLiteral("nt.%1").arg(QLatin1String(other.suffix));
            if (QLatin1String(other.suffix) != QLatin1String(layout->suffix) && QFileInfo::exists(QDir(folder).filePath(name)))
                return Shelf::tr("its description names the %1 storage layout, but its files (%2) are of another one")
                    .arg(driver, name);
        }
        return Shelf::tr("its index files (%1) are missing from %2").arg(names.join(QStringLiteral(", ")), folder);
    }
    return {};
}

QString problemOf(sword::SWModule& module, ModuleKind kind, const QString& versification)
{
    const QString path = confEntry(module, "AbsoluteDataPath");
    const QString driver = confEntry(module, "ModDrv");
    if (kind == ModuleKind::Bible || kind == ModuleKind::Commentary) {
        if (!QFileInfo(path).isDir())
            return Shelf::tr("its folder %1 is missing").arg(path);
        return verseIndexProblem(path, driver, versification);
    }
    if (driver.endsWith(QLatin1String("LD"), Qt::CaseInsensitive)) {  // a path prefix, not a folder
        // The library may give the folder alone; the prefix is then the last part of DataPath.
        QString prefix = QFileInfo(path).isDir()
                             ? QDir(path).filePath(confEntry(module, "DataPath").section(QLatin1Char('/'), -1))
                             : path;
        while (prefix.endsWith(QLatin1Char('/')))
            prefix.chop(1);
        if (!QFileInfo::exists(prefix + QStringLiteral(".idx")))
            return Shelf::tr("its index file %1.idx is missing").arg(prefix);
        return {};
    }
    if (!QFileInfo::exists(path))
        return Shelf::tr("its files at %1 are missing").arg(path);
    return {};
}

// "1 Samuel" for the library's "I Samuel" (leading roman numerals I to IV become arabic).
QString arabicBookName(const QString& swordName)
{
    static const QRegularExpression roman(QStringLiteral("^(IV|III|II|I) "));
    const QRegularExpressionMatch match = roman.match(swordName);
    if (!match.hasMatch())
        return swordName;
    static const QStringList numerals = {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
                                         QStringLiteral("IV")};
    return QString::number(numerals.indexOf(match.captured(1)) + 1) + swordName.mid(match.capturedLength(1));
}

// Walks every entry of a verse-keyed module, introductions left out; false when it is not one.
template <typename Visit>
bool forEachVerseEntry(sword::SWModule& module, Visit visit)
{
    auto* key = dynamic_cast<sword::VerseKey*>(module.getKey());
    if (!key)
        return false;
    const bool utf8 = declaresUtf8(module);
    key->setIntros(false);
    module.setSkipConsecutiveLinks(false);
    for (module.setPosition(sword::TOP); !module.popError(); module.increment()) {
        const char* raw = module.getRawEntry();
        if (utf8) {
            visit(*key, std::string_view(raw));
        } else {
            const QByteArray converted = entryUtf8(raw, false);
            visit(*key, std::string_view(converted.constData(), size_t(converted.size())));
        }
    }
    return true;
}

} // namespace

std::shared_ptr<const ModuleText> ModuleTextBuilder::read(sword::SWModule& module, const ModuleInfo& info,
                                                          QString* error)
{
    const sword::VersificationMgr::System* system = versificationSystem(info.versification);
    if (!system || !dynamic_cast<sword::VerseKey*>(module.getKey())) {
        *error = Shelf::tr("%1 is not keyed by verse").arg(info.name);
        return nullptr;
    }
    auto text = std::make_shared<ModuleText>();
    text->m_info = info;
    QList<ModuleBook> allBooks;
    QHash<QByteArray, int> bookByOsis;
    for (int b = 0; b < system->getBookCount(); ++b) {
        const sword::VersificationMgr::Book* book = system->getBook(b);
        ModuleBook shelfBook;
        shelfBook.osisId = QString::fromUtf8(book->getOSISName());
        shelfBook.name = arabicBookName(QString::fromUtf8(book->getLongName()));
        shelfBook.newTestament = system->getOffsetFromVerse(b, 1, 1) >= system->getNTStartOffset();
        for (int c = 1; c <= book->getChapterMax(); ++c)
            shelfBook.verseCounts << book->getVerseMax(c);
        bookByOsis.insert(book->getOSISName(), b);
        allBooks << shelfBook;
    }
    std::vector<int> newIndex(size_t(allBooks.size()), -1);
    forEachVerseEntry(module, [&](sword::VerseKey& key, std::string_view raw) {
        const QByteArray clean = CleanEntryText(raw);
        if (clean.isEmpty())
            return;
        const int book = bookByOsis.value(key.getOSISBookName(), -1);
        if (book < 0 || key.getChapter() < 1 || key.getVerse() < 1)
            return;
        if (newIndex[size_t(book)] < 0) {
            newIndex[size_t(book)] = int(text->m_books.size());
            text->m_books << allBooks[book];
        }
        text->m_entries.push_back({newIndex[size_t(book)], key.getChapter(), key.getVerse()});
        text->m_starts.push_back(quint32(text->m_text.size()));
        text->m_text += clean;
    });
    text->m_starts.push_back(quint32(text->m_text.size()));
    if (text->m_entries.empty()) {
        *error = Shelf::tr("%1 holds no readable text").arg(info.name);
        return nullptr;
    }
    return text;
}

namespace {

class SwordShelf : public SwordLibrary {
public:
    SwordShelf()
    {
        // The library writes its complaints to standard error; we report problems ourselves.
        sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    }

    QList<ModuleInfo> modules() override
    {
        m_manager = std::make_unique<sword::SWMgr>();
        QList<ModuleInfo> found;
        for (const auto& [name, module] : m_manager->getModules()) {
            ModuleInfo info;
            info.name = QString::fromUtf8(name.c_str());
            info.description = QString::fromUtf8(module->getDescription());
            info.language = QString::fromUtf8(module->getLanguage());
            info.abbreviation = confEntry(*module, "Abbreviation");
            info.kind = kindOf(*module);
            if (info.kind == ModuleKind::Bible || info.kind == ModuleKind::Commentary) {
                info.versification = confEntry(*module, "Versification");
                if (info.versification.isEmpty())
                    info.versification = QStringLiteral("KJV");
            }
            info.problem = problemOf(*module, info.kind, info.versification);
            found << info;
        }
        return found;
    }

    std::shared_ptr<const ModuleText> read(const ModuleInfo& info, QString* error) override
    {
        sword::SWModule* found = module(info.name);
        if (!found) {
            *error = Shelf::tr("there is no module %1").arg(info.name);
            return nullptr;
        }
        return ModuleTextBuilder::read(*found, info, error);
    }

    QStringList configValues(const QString& name, const QString& key) override
    {
        QStringList values;
        sword::SWModule* found = module(name);
        if (!found)
            return values;
        const QByteArray wanted = key.toUtf8();
        const auto& config = found->getConfig();
        for (auto it = config.lower_bound(wanted.constData()); it != config.end() && it->first == wanted.constData(); ++it)
            values << QString::fromUtf8(it->second.c_str());
        return values;
    }

    bool visitEntries(const QString& name, const EntryVisitor& visit) override
    {
        sword::SWModule* found = module(name);
        return found && forEachVerseEntry(*found, [&](sword::VerseKey& key, std::string_view raw) {
                   visit(QByteArray(key.getOSISBookName()), key.getChapter(), key.getVerse(), raw);
               });
    }

    bool verseKeyed(const QString& name) override
    {
        sword::SWModule* found = module(name);
        return found && dynamic_cast<sword::VerseKey*>(found->getKey());
    }

    std::optional<QByteArray> verseEntry(const QString& name, const QString& osisBook, int chapter, int verse) override
    {
        sword::SWModule* found = module(name);
        auto* key = found ? dynamic_cast<sword::VerseKey*>(found->getKey()) : nullptr;
        if (!key)
            return std::nullopt;
        key->setIntros(false);
        key->setText(QStringLiteral("%1 %2:%3").arg(osisBook).arg(chapter).arg(verse).toUtf8().constData());
        // A verse past the chapter's last in this versification moves the key elsewhere.
        if (key->popError() || QByteArray(key->getOSISBookName()) != osisBook.toUtf8() || key->getChapter() != chapter
            || key->getVerse() != verse)
            return std::nullopt;
        return entryUtf8(found->getRawEntry(), declaresUtf8(*found));
    }

    std::optional<QByteArray> keyEntry(const QString& name, const QByteArray& key) override
    {
        sword::SWModule* found = module(name);
        if (!found)
            return std::nullopt;
        found->setKey(key.constData());
        const char* raw = found->getRawEntry();  // this moves the key to the entry it found
        if (QByteArray(found->getKeyText()) != key)
            return std::nullopt;  // a dictionary goes to the nearest key when it lacks the one asked for
        return entryUtf8(raw, declaresUtf8(*found));
    }

    QList<int> versificationChapters(const QString& system, const QString& osisId) override
    {
        const sword::VersificationMgr::System* versification = versificationSystem(system);
        // The library counts books from 1 here, from 0 in getBook.
        const int index = versification ? versification->getBookNumberByOSISName(osisId.toUtf8().constData()) - 1 : -1;
        QList<int> counts;
        if (index < 0)
            return counts;
        const sword::VersificationMgr::Book* book = versification->getBook(index);
        for (int c = 1; c <= book->getChapterMax(); ++c)
            counts << book->getVerseMax(c);
        return counts;
    }

    std::optional<VersePlace> mapVerse(const QString& fromSystem, const QString& osisId, int chapter, int verse,
                                       const QString& toSystem) override
    {
        const sword::VersificationMgr::System* from = versificationSystem(fromSystem);
        const sword::VersificationMgr::System* to = versificationSystem(toSystem);
        if (!from || !to)
            return std::nullopt;
        const QByteArray osis = osisId.toUtf8();
        const char* book = osis.constData();
        int verseEnd = verse;
        if (from != to)
            from->translateVerse(to, &book, &chapter, &verse, &verseEnd);
        return VersePlace{QString::fromUtf8(book), chapter, verse, verseEnd};
    }

    std::optional<ListedPassage> parseVerseList(const QString& text) override
    {
        sword::VerseKey parser;
        sword::ListKey list = parser.parseVerseList(text.toUtf8().constData(), "Gen 1:1", true);
        if (list.getCount() == 0)
            return std::nullopt;
        list.setPosition(sword::TOP);
        const auto* key = dynamic_cast<const sword::VerseKey*>(list.getElement(0));
        if (!key)
            return std::nullopt;
        const sword::VerseKey& lower = key->isBoundSet() ? key->getLowerBound() : *key;
        const sword::VerseKey& upper = key->isBoundSet() ? key->getUpperBound() : *key;
        return ListedPassage{QString::fromUtf8(lower.getOSISBookName()), lower.getChapter(), lower.getVerse(),
                         upper.getChapter(), upper.getVerse(), upper.getBook() == lower.getBook()};
    }

private:
    sword::SWModule* module(const QString& name)
    {
        if (!m_manager)
            m_manager = std::make_unique<sword::SWMgr>();
        return m_manager->getModule(name.toUtf8().constData());
    }

    std::unique_ptr<sword::SWMgr> m_manager;  // made anew each time the modules are listed
};

} // namespace
} // namespace kivra

extern "C" Q_DECL_EXPORT kivra::SwordLibrary* kivraOpenSwordLibrary()
{
    return new kivra::SwordShelf;
}
