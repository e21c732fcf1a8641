#include "app/WebPanel.h"

#include "resources/Interaction.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QLibrary>
#include <QTimer>
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

// The longest the own page may take before the site is opened anyway (the engine's first start).
constexpr int OwnPageTimeoutMs = 10000;

WebPanelPages::WebPanelPages(QWidget* view, const QString& unreachableMessage) : QObject(view), m_view(view)
{
    QWidget* panel = view->parentWidget();
    m_message = new QLabel(unreachableMessage, panel);
    m_message->setObjectName(QStringLiteral("lblWebPanelMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMargin(24);
    m_message->setAutoFillBackground(true);
    m_message->setBackgroundRole(QPalette::Base);
    m_message->hide();
    panel->layout()->addWidget(m_message);
    // The view comes from a library this program does not link: its signal is found by name.
    connect(view, SIGNAL(loadFinished(bool)), this, SLOT(pageLoaded(bool)));
}

void WebPanelPages::open(const QUrl& ownPage, const QUrl& site, double pauseSeconds)
{
    if (m_waiting)
        return;  // a second click while the own page loads: that opening goes on
    m_message->hide();
    m_view->show();
    m_site = site;
    OpenInWebView(m_view, ownPage);
    // On first use the engine takes longer to start than the pause lasts: wait for the page itself.
    QEventLoop waiting;
    m_waiting = &waiting;
    QTimer::singleShot(OwnPageTimeoutMs, &waiting, &QEventLoop::quit);
    waiting.exec();
    m_waiting = nullptr;
    Pause(pauseSeconds);
    OpenInWebView(m_view, site);
}

void WebPanelPages::pageLoaded(bool ok)
{
    if (m_waiting)
        m_waiting->quit();
    const QUrl shown = m_view->property("url").toUrl();
    if (!ok && !m_site.isEmpty() && shown.host() == m_site.host()) {
        m_view->hide();
        m_message->show();
    } else if (ok) {
        m_message->hide();
        m_view->show();
    }
}

} // namespace kivra
