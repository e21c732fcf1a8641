#pragma once

#include <QLoggingCategory>

// The program's log categories, so a person chasing a fault can switch one area on or off, e.g.
// QT_LOGGING_RULES="kivra.storage.warning=false" or "kivra.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)        // kivra.app: start-up, main window, commands
Q_DECLARE_LOGGING_CATEGORY(lcBookmarks)  // kivra.bookmarks
Q_DECLARE_LOGGING_CATEGORY(lcSearch)     // kivra.search
Q_DECLARE_LOGGING_CATEGORY(lcStorage)    // kivra.storage: databases, recordsets, exchange files
Q_DECLARE_LOGGING_CATEGORY(lcStories)    // kivra.stories
