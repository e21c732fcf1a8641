#pragma once
// Where the user's own databases live. A program folder the user can write (a build tree, a copy
// in the home folder) keeps them beside the program; an installed, read-only program keeps them in
// a per-user folder seeded once from the installed files.
#include <QString>

namespace kivra {

// The per-user folder: $XDG_DATA_HOME/kivra-bible, or ~/.local/share/kivra-bible; the empty text
// when neither path is absolute.
QString PerUserFolder(const QString& xdgDataHome, const QString& home);

// True when the user can change the databases in the program folder itself.
bool ProgramFolderIsWritable(const QString& programFolder);

// The folder holding the user's Db/ (options, bookmarks, stories) and image/; empty when there is none.
QString ChooseUserFolder(const QString& programFolder, bool programFolderWritable, const QString& xdgDataHome,
                         const QString& home);

// Copies the installed options and story databases and the pictures into userFolder where they are
// missing; never overwrites the user's files. Folders it makes and files it copies are the
// owner's alone. False (with the failing path) when a copy fails.
bool SeedUserFolder(const QString& programFolder, const QString& userFolder, QString* failedPath);

// Decides and seeds for this process's environment; returns the user folder or the empty text
// after telling the user what failed.
QString PrepareUserFolder(const QString& programFolder);

} // namespace kivra
