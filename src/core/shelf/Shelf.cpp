#include "shelf/Shelf.h"

#include "shelf/CleanText.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QRegularExpression>

#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <algorithm>
#include <tuple>

namespace kivra {

// Builds a ModuleText from outside the class, so the library's types stay out of the header.
class ModuleTextBuilder {
public:
    static std::shared_ptr<const ModuleText> read(sword::SWModule& module, const ModuleInfo& info, QString* error);
};

struct Shelf::Library {
    sword::SWMgr manager;
};

namespace {

QString confEntry(sword::SWModule& module, const char* key)
{
    return QString::fromUtf8(module.getConfigEntry(key));
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
        const QString name = QStringLiteral("%1.%2").arg(testament == 0 ? "ot" : "nt", layout->suffix);
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
    if (present == 0)
        return Shelf::tr("its index files (%1) are missing from %2").arg(names.join(QStringLiteral(", ")), folder);
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
        QString prefix = path;
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

// A conf that says nothing of its encoding means Latin-1, yet some such modules hold UTF-8: an
// entry that reads as UTF-8 is taken as such.
QByteArray asUtf8(const char* raw)
{
    const QByteArray bytes(raw);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes).toUtf8() : bytes;
}

} // namespace

QString ArabicBookName(const QString& swordName)
{
    static const QRegularExpression roman(QStringLiteral("^(IV|III|II|I) "));
    const QRegularExpressionMatch match = roman.match(swordName);
    if (!match.hasMatch())
        return swordName;
    static const QStringList numerals = {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
                                         QStringLiteral("IV")};
    return QString::number(numerals.indexOf(match.captured(1)) + 1) + swordName.mid(match.capturedLength(1));
}

QByteArray ModuleText::text(int i) const
{
    return QByteArray(m_text.constData() + m_starts[size_t(i)], qsizetype(m_starts[size_t(i) + 1] - m_starts[size_t(i)]));
}

std::string_view ModuleText::textView(int i) const
{
    return std::string_view(m_text.constData() + m_starts[size_t(i)], m_starts[size_t(i) + 1] - m_starts[size_t(i)]);
}

int ModuleText::bookIndex(const QString& osisId) const
{
    for (int i = 0; i < m_books.size(); ++i)
        if (m_books[i].osisId == osisId)
            return i;
    return -1;
}

int ModuleText::firstFrom(int book, int chapter, int verse) const
{
    const auto before = [](const Entry& e, const Entry& key) {
        return std::tie(e.book, e.chapter, e.verse) < std::tie(key.book, key.chapter, key.verse);
    };
    return int(std::lower_bound(m_entries.begin(), m_entries.end(), Entry{book, chapter, verse}, before)
               - m_entries.begin());
}

int ModuleText::find(int book, int chapter, int verse) const
{
    const int at = firstFrom(book, chapter, verse);
    if (at >= size())
        return -1;
    const Entry& e = m_entries[size_t(at)];
    return e.book == book && e.chapter == chapter && e.verse == verse ? at : -1;
}

std::shared_ptr<const ModuleText> ModuleTextBuilder::read(sword::SWModule& module, const ModuleInfo& info,
                                                          QString* error)
{
    const sword::VersificationMgr::System* system = versificationSystem(info.versification);
    auto* key = dynamic_cast<sword::VerseKey*>(module.getKey());
    if (!system || !key) {
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
        shelfBook.name = ArabicBookName(QString::fromUtf8(book->getLongName()));
        shelfBook.newTestament = system->getOffsetFromVerse(b, 1, 1) >= system->getNTStartOffset();
        for (int c = 1; c <= book->getChapterMax(); ++c)
            shelfBook.verseCounts << book->getVerseMax(c);
        bookByOsis.insert(book->getOSISName(), b);
        allBooks << shelfBook;
    }
    const bool declaredUtf8 = confEntry(module, "Encoding").compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    std::vector<int> newIndex(size_t(allBooks.size()), -1);
    key->setIntros(false);
    module.setSkipConsecutiveLinks(false);
    for (module.setPosition(sword::TOP); !module.popError(); module.increment()) {
        const char* raw = module.getRawEntry();
        const QByteArray clean = declaredUtf8 ? CleanEntryText(raw) : CleanEntryText(asUtf8(raw).toStdString());
        if (clean.isEmpty())
            continue;
        const int book = bookByOsis.value(key->getOSISBookName(), -1);
        if (book < 0 || key->getChapter() < 1 || key->getVerse() < 1)
            continue;
        if (newIndex[size_t(book)] < 0) {
            newIndex[size_t(book)] = int(text->m_books.size());
            text->m_books << allBooks[book];
        }
        text->m_entries.push_back({newIndex[size_t(book)], key->getChapter(), key->getVerse()});
        text->m_starts.push_back(quint32(text->m_text.size()));
        text->m_text += clean;
    }
    text->m_starts.push_back(quint32(text->m_text.size()));
    if (text->m_entries.empty()) {
        *error = Shelf::tr("%1 holds no readable text").arg(info.name);
        return nullptr;
    }
    return text;
}

Shelf& Shelf::instance()
{
    static Shelf shelf;
    return shelf;
}

Shelf::Shelf() = default;
Shelf::~Shelf() = default;

void Shelf::reload()
{
    m_library.reset();
    m_modules.clear();
    m_texts.clear();
}

void Shelf::ensureLoaded()
{
    if (m_library)
        return;
    // The library writes its complaints to standard error; we report problems ourselves.
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    m_library = std::make_unique<Library>();
    for (const auto& [name, module] : m_library->manager.getModules()) {
        ModuleInfo info;
        info.name = QString::fromUtf8(name.c_str());
        info.description = QString::fromUtf8(module->getDescription());
        info.language = QString::fromUtf8(module->getLanguage());
        info.kind = kindOf(*module);
        if (info.kind == ModuleKind::Bible || info.kind == ModuleKind::Commentary) {
            info.versification = confEntry(*module, "Versification");
            if (info.versification.isEmpty())
                info.versification = QStringLiteral("KJV");
        }
        info.problem = problemOf(*module, info.kind, info.versification);
        m_modules << info;
    }
    std::sort(m_modules.begin(), m_modules.end(), [](const ModuleInfo& a, const ModuleInfo& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
}

QList<ModuleInfo> Shelf::modules()
{
    ensureLoaded();
    return m_modules;
}

QList<ModuleInfo> Shelf::modulesOf(ModuleKind kind, bool usableOnly)
{
    QList<ModuleInfo> found;
    for (const ModuleInfo& info : modules())
        if (info.kind == kind && (info.usable() || !usableOnly))
            found << info;
    return found;
}

const ModuleInfo* Shelf::module(const QString& name)
{
    ensureLoaded();
    for (const ModuleInfo& info : m_modules)
        if (info.name.compare(name, Qt::CaseInsensitive) == 0)
            return &info;
    return nullptr;
}

std::shared_ptr<const ModuleText> Shelf::text(const QString& name, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const ModuleInfo* info = module(name);
    if (!info) {
        *error = tr("there is no module %1").arg(name);
        return nullptr;
    }
    for (const auto& [loaded, text] : m_texts)
        if (loaded == info->name)
            return text;
    if (!info->usable()) {
        *error = tr("%1 cannot be read: %2").arg(info->name, info->problem);
        return nullptr;
    }
    if (info->kind != ModuleKind::Bible && info->kind != ModuleKind::Commentary) {
        *error = tr("%1 is not keyed by verse").arg(info->name);
        return nullptr;
    }
    sword::SWModule* module = m_library->manager.getModule(info->name.toUtf8().constData());
    std::shared_ptr<const ModuleText> text = module ? ModuleTextBuilder::read(*module, *info, error) : nullptr;
    if (text)
        m_texts.emplace_back(info->name, text);
    return text;
}

} // namespace kivra
