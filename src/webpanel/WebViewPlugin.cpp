// The browser of the web panel, built as a library of its own: the program loads it the first time
// the panel is opened, so start-up never maps the browser engine or the OpenGL stack it pulls in.
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QWebEngineView>

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

} // namespace

extern "C" Q_DECL_EXPORT QWidget* kivraCreateWebView(QWidget* parent)
{
    prepareSharedContext();
    return new QWebEngineView(parent);
}
