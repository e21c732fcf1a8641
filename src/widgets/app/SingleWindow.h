#pragma once
// A second start of the window on a folder that is already open brings the first window to the
// front instead of opening another one beside it.
#include <QString>

class QWidget;

namespace kivra {

// Asks the window that listens under serverName to come to the front; true when it answered.
bool RaiseRunningWindow(const QString& serverName, int timeoutMs);

// Listens under serverName for later starts on the same folder and brings window to the front when
// one asks. The listener lives as long as window.
void ListenForLaterStarts(const QString& serverName, QWidget* window);

} // namespace kivra
