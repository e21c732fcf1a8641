#pragma once
// What the shelf asks of the SWORD library. The library and what it pulls in (a network stack, a
// search engine, ICU) took longer to map and start than the whole main window takes to build, so it
// lives in a module of its own, libkivra-sword.so next to the executable, which the shelf loads the
// first time it is asked. Only that module includes the library's headers.
#include "shelf/Shelf.h"

#include <QList>
#include <QString>
#include <memory>

namespace kivra {

class SwordLibrary {
public:
    virtual ~SwordLibrary() = default;
    // Every module the library finds, in no particular order.
    virtual QList<ModuleInfo> modules() = 0;
    // The clean text of a usable Bible or commentary; nullptr with the reason in error.
    virtual std::shared_ptr<const ModuleText> read(const ModuleInfo& info, QString* error) = 0;
};

// The module's one entry point, found by this name: a new SwordLibrary that has read the modules'
// configuration.
using OpenSwordLibrary = SwordLibrary* (*)();
inline constexpr char OpenSwordLibraryName[] = "kivraOpenSwordLibrary";

} // namespace kivra
