#pragma once
#include "stories/StoryExchange.h"

class QWidget;

namespace kivra {

// Tells the user about skipped pictures, in one message however many were skipped, or why the
// import failed (the technical detail goes to the log).
void ReportStoryImport(const StoryImport& result, const QString& path, QWidget* parent);

} // namespace kivra
