#include "shelf/Shelf.h"

#include "shelf/SwordLibrary.h"

#include "resources/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <algorithm>
#include <tuple>

namespace kivra {
namespace {

QString& extraModuleFolder()
{
    static QString folder;
    return folder;
}

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

SwordLibrary* openSwordLibrary()
{
    QStringList folders{programFolder()};
    if (!extraModuleFolder().isEmpty())
        folders << extraModuleFolder();
    QString problem;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("libkivra-sword.so"));
        if (!QFileInfo::exists(path)) {
            // QLibrary would name the variants of the name it tried, none of which is the file.
            if (problem.isEmpty())
                problem = path + QStringLiteral(" is missing");
            continue;
        }
        QLibrary module(path);
        if (auto open = reinterpret_cast<OpenSwordLibrary>(module.resolve(OpenSwordLibraryName)))
            return open();  // the module stays loaded: QLibrary does not unload it
        if (problem.isEmpty())
            problem = module.errorString();
    }
    qCWarning(lcApp).noquote() << "The SWORD modules cannot be read:" << problem;
    return nullptr;
}

} // namespace

void SetSwordModuleFolder(const QString& folder)
{
    extraModuleFolder() = folder;
}

SwordLibrary* LoadedSwordLibrary()
{
    // Never deleted: the process ends after the module's own statics, which the library still needs.
    static SwordLibrary* const library = openSwordLibrary();
    return library;
}

QList<int> VersificationChapters(const QString& system, const QString& osisId)
{
    SwordLibrary* library = LoadedSwordLibrary();
    return library ? library->versificationChapters(system, osisId) : QList<int>();
}

std::optional<VersePlace> TranslateVerse(const QString& fromSystem, const QString& osisId, int chapter, int verse,
                                         const QString& toSystem)
{
    SwordLibrary* library = LoadedSwordLibrary();
    const std::optional<VersePlace> mapped =
        library ? library->mapVerse(fromSystem, osisId, chapter, verse, toSystem) : std::nullopt;
    if (!mapped)
        return std::nullopt;
    // Without a table between the two systems the library hands the verse back unchanged, even
    // where the target lacks it: only a verse the target counts is one.
    const QList<int> counts = VersificationChapters(toSystem, mapped->osisId);
    if (mapped->chapter < 1 || mapped->chapter > counts.size() || mapped->fromVerse < 0
        || mapped->fromVerse > counts[mapped->chapter - 1])
        return std::nullopt;
    return VersePlace{mapped->osisId, mapped->chapter, mapped->fromVerse,
                      std::clamp(mapped->toVerse, mapped->fromVerse, counts[mapped->chapter - 1])};
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

Shelf& Shelf::instance()
{
    static Shelf shelf;
    return shelf;
}

Shelf::Shelf() = default;
Shelf::~Shelf() = default;

void Shelf::reload()
{
    m_loaded = false;
    m_modules.clear();
    m_texts.clear();
}

void Shelf::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (SwordLibrary* library = LoadedSwordLibrary())
        m_modules = library->modules();
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

SwordLibrary* Shelf::library()
{
    ensureLoaded();
    return LoadedSwordLibrary();
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
    std::shared_ptr<const ModuleText> text = LoadedSwordLibrary()->read(*info, error);
    if (text)
        m_texts.emplace_back(info->name, text);
    return text;
}

} // namespace kivra
