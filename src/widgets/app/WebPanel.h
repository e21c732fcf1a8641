#pragma once
// The web panel's browser, loaded from its own library on first use.
#include <QString>

class QUrl;
class QWidget;

namespace kivra {

// The library that holds the browser, next to the executable.
QString WebPanelLibraryPath();

// A new browser view inside parent from the library at libraryPath, or nullptr with the reason in
// error when the engine cannot be loaded. As root the engine's sandbox is switched off first, since the engine refuses to start
// (and ends the whole program) as root with its sandbox on.
QWidget* CreateWebView(QWidget* parent, const QString& libraryPath, QString* error);

// Shows address in a view made by CreateWebView.
void OpenInWebView(QWidget* view, const QUrl& address);

} // namespace kivra
