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

struct Shelf::Library {
    std::unique_ptr<SwordLibrary> sword;  // null when the module could not be loaded
};

namespace {

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

std::unique_ptr<SwordLibrary> openSwordLibrary()
{
    QLibrary module(QDir(programFolder()).filePath(QStringLiteral("libkivra-sword.so")));
    auto open = reinterpret_cast<OpenSwordLibrary>(module.resolve(OpenSwordLibraryName));
    if (!open) {
        qCWarning(lcApp).noquote() << "The SWORD modules cannot be read:" << module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SwordLibrary>(open());  // the module stays loaded: QLibrary does not unload it
}

} // namespace

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

Shelf::~Shelf()
{
    // The shelf ends with the process, after the loaded library's own statics, which its manager
    // still needs: it is left to the system then.
    if (m_library)
        (void)m_library->sword.release();
}

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
    m_library = std::make_unique<Library>();
    m_library->sword = openSwordLibrary();
    if (m_library->sword)
        m_modules = m_library->sword->modules();
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
    std::shared_ptr<const ModuleText> text = m_library->sword->read(*info, error);
    if (text)
        m_texts.emplace_back(info->name, text);
    return text;
}

} // namespace kivra
