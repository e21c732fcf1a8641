#include "resources/Logging.h"

// Warnings and above unless QT_LOGGING_RULES asks for more: a normal run prints no chatter.
Q_LOGGING_CATEGORY(lcApp, "kivra.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBookmarks, "kivra.bookmarks", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSearch, "kivra.search", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStorage, "kivra.storage", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStories, "kivra.stories", QtWarningMsg)
