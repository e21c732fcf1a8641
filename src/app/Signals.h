#pragma once
class QWidget;
namespace kivra {
// Closes window the normal way (saving what closing saves) when the process gets SIGTERM, SIGINT or
// SIGHUP, as at the end of a desktop session.
void CloseOnTerminationSignals(QWidget* window);
} // namespace kivra
