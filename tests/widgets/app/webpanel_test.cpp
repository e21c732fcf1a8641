// The web panel: a browser made on first use from a library neither the program nor this test links.
#include "app/WebPanel.h"
#include "app/MainWindow.h"
#include "storage/Globals.h"
#include "support/Fixture.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <unistd.h>
#include <gtest/gtest.h>

using kivra::test::Child;

// The engine frees some objects with a mismatched sized delete inside itself; only this executable skips that check.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }

using namespace kivra;

namespace {
using Shell = test::MainWindowTest;

QWidget* browserIn(QWidget* window) { return window->findChild<QWidget*>(QStringLiteral("wbrWebView")); }

bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}
} // namespace

TEST_F(Shell, WebPanelIsMadeOnFirstUseAndShowsTheLocalPageThenTheHomePage)
{
    EXPECT_EQ(browserIn(window.get()), nullptr);
    // Start-up does not pay for the engine: its library is not even loaded.
    EXPECT_FALSE(engineMapped());
    // As root the engine must switch its sandbox off by itself, not rely on the starting script.
    if (::geteuid() == 0)
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    QTest::mouseClick(child("lblWeb"), Qt::LeftButton);
    QWidget* view = browserIn(window.get());
    ASSERT_NE(view, nullptr);
    QWidget* panel = Child<QWidget>(*window, "wbrWebPanel");
    const auto homePageShown = [view] { return view->property("url").toUrl() == QUrl(HomePageAddress); };
    EXPECT_TRUE(QTest::qWaitFor(homePageShown, 5000));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(child("txtBibleText")->isVisible());
    EXPECT_EQ(view->size(), panel->size());

    // The local page comes first on every opening; the same browser is used again.
    QSignalSpy urls(view, SIGNAL(urlChanged(QUrl)));
    Child<QToolButton>(*window, "imgWeb")->click();
    EXPECT_TRUE(QTest::qWaitFor([&urls] { return urls.size() >= 2; }, 5000));
    EXPECT_EQ(window->findChildren<QWidget*>(QStringLiteral("wbrWebView")).size(), 1);
    ASSERT_GE(urls.size(), 2);
    EXPECT_EQ(urls.first().first().toUrl(), QUrl::fromLocalFile(WebPanelDefaultPage()));
    EXPECT_EQ(urls.last().first().toUrl(), QUrl(HomePageAddress));

    // Where the site cannot be reached, the program's own message stands in the browser's place.
    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
    ASSERT_TRUE(loaded.wait(30000));
    auto* message = Child<QWidget>(*window, "lblWebPanelMessage");
    EXPECT_EQ(message->isVisible(), !loaded.last().first().toBool());
    EXPECT_NE(view->isVisible(), message->isVisible());

    // The verse-selector tab brings the passage back and hides the web panel.
    Child<QToolButton>(*window, "imgVerseSelector")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(child("txtBibleText")->isVisible());
}

// The engine draws through OpenGL; a native window system gives the browser a window of its own
// inside the panel, so the main window is never torn down and made again (it went black for a
// moment on the first click). The offscreen platform makes no native windows, so it cannot tell.
TEST_F(Shell, TheFirstPrayKeepsTheMainWindowsNativeWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a native window system (the test app.webpanel_native_window runs it under Xvfb)";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const WId before = window->winId();
    QTest::mouseClick(child("lblWeb"), Qt::LeftButton);
    QWidget* view = browserIn(window.get());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }, 5000));
    EXPECT_EQ(window->winId(), before);
}

TEST(WebPanelLibrary, AMissingEngineGivesItsReasonInsteadOfAView)
{
    QString error;
    QWidget parent;
    EXPECT_EQ(CreateWebView(&parent, QStringLiteral("/nonexistent/libkivra-webpanel.so"), &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(parent.children().isEmpty());
}
