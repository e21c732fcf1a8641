// The browser of the web panel, built as a library of its own: the program loads it the first time
// the panel is opened, so start-up never maps the browser engine or the OpenGL stack it pulls in.
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QResizeEvent>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWindow>

// The engine draws through one OpenGL context that all windows share. Linked into the program it
// would have that context made with the application, at every start; loaded later, it is made here.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

void prepareSharedContext()
{
    if (qt_gl_global_share_context())
        return;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
    // Set even when no context can be made (no OpenGL on the display): the engine then draws in
    // software, as it does when linked in.
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

// The browser as the panel sees it: a widget with the view's address and its signals. The view
// itself lives in a window of its own, embedded here. Put straight into the main window, it would
// make Qt switch the main window to an OpenGL surface by destroying its native window and making it
// again, and the whole window would go black for a moment.
class HostedWebView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)

public:
    explicit HostedWebView(QWidget* parent) : QWidget(parent)
    {
        m_host = new QWidget;
        auto* hostLayout = new QVBoxLayout(m_host);
        hostLayout->setContentsMargins(0, 0, 0, 0);
        // The view's own drawing widget appears only with its first page, and its arrival would
        // make the host's window anew, outside the container. A hidden Quick widget makes the host's
        // window an OpenGL one from the start.
        (new QQuickWidget(m_host))->hide();
        m_view = new QWebEngineView(m_host);
        hostLayout->addWidget(m_view);
        m_host->winId();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        QWidget* container = QWidget::createWindowContainer(m_host->windowHandle(), this);
        layout->addWidget(container);
        setFocusProxy(container);  // it hands the keyboard on to the embedded window
        connect(m_view, &QWebEngineView::loadFinished, this, &HostedWebView::loadFinished);
        connect(m_view, &QWebEngineView::urlChanged, this, &HostedWebView::urlChanged);
    }

    ~HostedWebView() override { delete m_host; }  // before the container, which holds its window

    QUrl url() const { return m_view->url(); }
    void setUrl(const QUrl& address) { m_view->setUrl(address); }

protected:
    // The container has placed the host's window inside by now (children are shown first), so the
    // host appears there and never as a window of its own.
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        m_host->show();
    }

    // The container places the host's window; the host, a window of its own, takes the size.
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_host->resize(event->size());
    }

signals:
    void loadFinished(bool ok);
    void urlChanged(const QUrl& address);

private:
    QWidget* m_host;
    QWebEngineView* m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget* kivraCreateWebView(QWidget* parent)
{
    prepareSharedContext();
    return new HostedWebView(parent);
}

#include "WebViewPlugin.moc"
