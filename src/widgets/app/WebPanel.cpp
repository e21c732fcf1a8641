#include "app/WebPanel.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <unistd.h>

namespace kivra {

QString WebPanelLibraryPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libkivra-webpanel.so");
}

static void allowEngineAsRoot()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QWidget* CreateWebView(QWidget* parent, const QString& libraryPath, QString* error)
{
    using Factory = QWidget* (*)(QWidget*);
    allowEngineAsRoot();
    QLibrary library(libraryPath);
    auto create = reinterpret_cast<Factory>(library.resolve("kivraCreateWebView"));
    if (!create) {
        if (error)
            *error = library.errorString();
        return nullptr;
    }
    return create(parent);  // the library stays loaded: QLibrary does not unload it on destruction
}

void OpenInWebView(QWidget* view, const QUrl& address)
{
    view->setProperty("url", address);
}

} // namespace kivra
