#pragma once
// Work that waits until a widget has first been painted, so it never delays the first sight of it.
#include <functional>

class QWidget;

namespace kivra {

// Runs work once, right after widget's first paint has been drawn.
void RunAfterFirstPaint(QWidget* widget, std::function<void()> work);

// For the start-up benchmark: with the logging category "kivra.startup" switched on
// (QT_LOGGING_RULES="kivra.startup.debug=true") the program writes the wall-clock time at which
// the widget first finished painting, and the CPU time the process had used by then. Switched off, as always outside the benchmark, it costs nothing.
void ReportFirstPaint(QWidget* widget);

// With the same category on, writes the step of start-up just finished with the same two clocks,
// so a slow start can be traced to its step.
void ReportStartupStep(const char* step);

} // namespace kivra
