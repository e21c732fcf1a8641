#pragma once
namespace kivra {
// From now on SIGTERM, SIGINT and SIGHUP close the open windows the normal way (saving what
// closing saves), as at the end of a desktop session.
void CloseOnTerminationSignals();
// True once such a signal has arrived; start-up checks it before entering the event loop.
bool TerminationRequested();
} // namespace kivra
