#include "app/Signals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kivra {
namespace {
int g_signalPipe[2] = {-1, -1};
bool g_terminationRequested = false;

void onSignal(int)
{
    // Only async-signal-safe work here: wake the event loop through the socket.
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}
} // namespace

bool TerminationRequested() { return g_terminationRequested; }

void CloseOnTerminationSignals()
{
    if (g_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [notifier] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        g_terminationRequested = true;
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(s, &action, nullptr);
}

} // namespace kivra
