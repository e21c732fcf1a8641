#pragma once
// The web panel's browser, loaded from its own library on first use.
#include <QObject>
#include <QString>
#include <QUrl>

class QEventLoop;
class QLabel;
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

// What the view of the web panel shows: the program's own page first, until it has loaded and a
// moment more, then the site. When the site cannot be reached, a plain message of the program
// stands in the view's place instead of the engine's error page, until a page loads again.
class WebPanelPages : public QObject {
    Q_OBJECT
public:
    // The message label is added to the layout of the view's parent.
    WebPanelPages(QWidget* view, const QString& unreachableMessage);

    void open(const QUrl& ownPage, const QUrl& site, double pauseSeconds);
    QLabel* messageLabel() const { return m_message; }

private slots:
    void pageLoaded(bool ok);

private:
    QWidget* m_view;
    QLabel* m_message;
    QUrl m_site;
    QEventLoop* m_waiting = nullptr;  // while open() waits for the own page
};

} // namespace kivra
