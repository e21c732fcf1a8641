#pragma once
// The main window, loaded on a temporary program folder and shown, made once for all of a
// benchmark's cases and never destroyed: a window must not outlive the application.
#include "app/MainWindow.h"
#include "support/Fixture.h"

namespace kivra::bench {

struct WindowSession {
    test::TempProgramFolder folder;
    MainWindow window;
    WindowSession()
    {
        window.load();
        window.restoreLastPassage();
        window.show();
    }
};

inline WindowSession& session()
{
    static auto* s = new WindowSession;
    return *s;
}

} // namespace kivra::bench
