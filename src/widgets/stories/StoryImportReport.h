#pragma once
#include "stories/StoryExchange.h"

class QWidget;

namespace kivra {

// Tells the user about skipped pictures or why the import failed (FileNotImportable,
// StoryPictureTooLarge, StoryPictureUnreadable, StoryPictureNotWritten or ImportFailed).
void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent);

} // namespace kivra
