#pragma once
// What the program asks of the SWORD library. The library and what it pulls in (a network stack, a
// search engine, ICU) took longer to map and start than the whole main window takes to build, so it
// lives in a module of its own, libkivra-sword.so next to the executable, loaded the first time
// anything here is asked. Only that module includes the library's headers; everything crosses this
// interface in Qt's types, and every entry text crosses as UTF-8.
#include "shelf/Shelf.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace kivra {

// A passage a verse list names: its first verse and its last.
struct ListedPassage {
    QString fromBook;  // OSIS id
    int fromChapter = 0, fromVerse = 0;
    int toChapter = 0, toVerse = 0;
    bool oneBook = true;  // whether the last verse is in the same book as the first
};

class SwordLibrary {
public:
    virtual ~SwordLibrary() = default;

    // Every module the library finds, in no particular order, the configuration read anew.
    virtual QList<ModuleInfo> modules() = 0;
    // The clean text of a usable Bible or commentary; nullptr with the reason in error.
    virtual std::shared_ptr<const ModuleText> read(const ModuleInfo& info, QString* error) = 0;
    // Every value of a key in the module's configuration ("Feature" may come several times).
    virtual QStringList configValues(const QString& module, const QString& key) = 0;

    // Every entry of a verse-keyed module in its order, introductions left out, as UTF-8 with its
    // markup; false when the module is not keyed by verse.
    using EntryVisitor = std::function<void(const QByteArray& osisBook, int chapter, int verse, std::string_view raw)>;
    virtual bool visitEntries(const QString& module, const EntryVisitor& visit) = 0;
    // Whether the module is keyed by verse.
    virtual bool verseKeyed(const QString& module) = 0;
    // The entry of a verse of a verse-keyed module (possibly empty) as UTF-8 with its markup;
    // nothing when its versification has no such verse.
    virtual std::optional<QByteArray> verseEntry(const QString& module, const QString& osisBook, int chapter,
                                                 int verse) = 0;
    // The entry of a dictionary under exactly this key, as UTF-8 with its markup; nothing when the
    // dictionary has no such key.
    virtual std::optional<QByteArray> keyEntry(const QString& module, const QByteArray& key) = 0;

    // See VersificationChapters and TranslateVerse in shelf/Shelf.h.
    virtual QList<int> versificationChapters(const QString& system, const QString& osisId) = 0;
    // The library's own mapping: unchanged where it knows no table between the two systems.
    virtual std::optional<VersePlace> mapVerse(const QString& fromSystem, const QString& osisId, int chapter, int verse,
                                               const QString& toSystem) = 0;
    // The first passage of a verse list as the library reads it ("mt 10:6", "Ge 1:1-3"); nothing
    // when it names none.
    virtual std::optional<ListedPassage> parseVerseList(const QString& text) = 0;
};

// The module's one entry point, found by this name: a new SwordLibrary, which reads the modules'
// configuration only when first asked for it.
using OpenSwordLibrary = SwordLibrary* (*)();
inline constexpr char OpenSwordLibraryName[] = "kivraOpenSwordLibrary";

// The library of this process, loaded on the first call; nullptr (and a warning logged once) when
// the module cannot be loaded.
SwordLibrary* LoadedSwordLibrary();
// Where the module is looked for besides next to the executable (a test's build folder).
void SetSwordModuleFolder(const QString& folder);

} // namespace kivra
