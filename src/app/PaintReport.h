#pragma once
// For the start-up benchmark: with the logging category "kivra.startup" switched on
// (QT_LOGGING_RULES="kivra.startup.debug=true") the program writes the wall-clock time at which
// the widget first finished painting. Switched off, as always outside the benchmark, it costs nothing.
class QWidget;

namespace kivra {

void ReportFirstPaint(QWidget* widget);

} // namespace kivra
