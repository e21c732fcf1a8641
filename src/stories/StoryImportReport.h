#pragma once
#include "stories/StoryExchange.h"

class QWidget;

namespace kivra {

// Tells the user about skipped pictures or why the import failed (messages 781, 784-787).
void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent);

} // namespace kivra
