#pragma once
// The SWORD modules installed on this computer (the system folder, ~/.sword, SWORD_PATH): Bibles,
// commentaries and dictionaries with what their configuration says about them, and the text of a
// verse-keyed module turned into clean text once and held in memory. The SWORD library is loaded
// the first time anything here is asked, never at start-up (shelf/SwordLibrary.h).
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kivra {

class SwordLibrary;

enum class ModuleKind { Bible, Commentary, Dictionary, Other };

struct ModuleInfo {
    QString name;           // "engWEB2015eb", the key the command line and the settings use
    QString description;    // "World English Bible"
    QString abbreviation;   // "WEB"; empty when the configuration gives none
    QString language;       // "en"
    QString versification;  // "NRSVA"; empty for a module not keyed by verse
    ModuleKind kind = ModuleKind::Other;
    QString problem;        // why it cannot be read; empty when it can
    bool usable() const { return problem.isEmpty(); }
};

struct ModuleBook {
    QString osisId;          // "1Sam"
    QString name;            // "1 Samuel": the library's English name with arabic numerals
    bool newTestament = false;
    QList<int> verseCounts;  // verses of chapter 1, 2, ... in the module's versification
};

// A verse-keyed module (a Bible or a commentary) as clean text: every entry that has text, in the
// order of its versification, and the books that hold at least one of them.
class ModuleText {
public:
    struct Entry {
        int book = 0;  // position in books()
        int chapter = 0, verse = 0;
    };

    const ModuleInfo& info() const { return m_info; }
    const QList<ModuleBook>& books() const { return m_books; }
    const std::vector<Entry>& entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }
    // The text of entry i in UTF-8.
    QByteArray text(int i) const;
    std::string_view textView(int i) const;
    qsizetype textSize() const { return m_text.size(); }
    // The position of the book with this OSIS id in books(), or -1.
    int bookIndex(const QString& osisId) const;
    // The entry of a verse, or -1 when the module has no text there.
    int find(int book, int chapter, int verse) const;
    // The first entry at or after the verse (size() when there is none).
    int firstFrom(int book, int chapter, int verse) const;

private:
    friend class ModuleTextBuilder;
    ModuleInfo m_info;
    QList<ModuleBook> m_books;
    std::vector<Entry> m_entries;
    QByteArray m_text;              // the entries' texts one after another
    std::vector<quint32> m_starts;  // where each entry's text begins, plus the total
};

class Shelf {
    Q_DECLARE_TR_FUNCTIONS(Shelf)

public:
    // The shelf of this process; the library is read on the first call of a member below.
    static Shelf& instance();
    ~Shelf();

    // Every module found, in name order, usable or not.
    QList<ModuleInfo> modules();
    QList<ModuleInfo> modulesOf(ModuleKind kind, bool usableOnly = true);
    // The module called name (the case of the letters does not matter); nullptr when there is none.
    const ModuleInfo* module(const QString& name);

    // The clean text of the Bible or commentary called name, read on the first request and kept.
    // nullptr when it cannot be read, with the reason in error.
    std::shared_ptr<const ModuleText> text(const QString& name, QString* error = nullptr);

    // The library, for the readers of entries with their markup (lexicons, commentaries, Strong's
    // numbers); nullptr when its module cannot be loaded. Ask it only of a usable module.
    SwordLibrary* library();

    // Whether the modules have been read (they are only when something above was asked).
    bool isLoaded() const { return m_loaded; }
    // Forgets what was read, so the next call looks again (SWORD_PATH changed, modules installed).
    void reload();

private:
    Shelf();
    void ensureLoaded();

    bool m_loaded = false;
    QList<ModuleInfo> m_modules;
    std::vector<std::pair<QString, std::shared_ptr<const ModuleText>>> m_texts;
};

// Where a verse of one versification stands in another, by the library's mapping tables ("KJV"
// Psalm 51:1 is "Synodal" Psalm 50:3): a verse, or several in a row (fromVerse..toVerse); verse 0
// is a chapter's title. Empty when the other versification has no such verse or book.
struct VersePlace {
    QString osisId;
    int chapter = 0, fromVerse = 0, toVerse = 0;
};
std::optional<VersePlace> TranslateVerse(const QString& fromSystem, const QString& osisId, int chapter, int verse,
                                         const QString& toSystem);
// The verse counts of a book's chapters in a versification; empty when it has no such book.
QList<int> VersificationChapters(const QString& system, const QString& osisId);

} // namespace kivra
