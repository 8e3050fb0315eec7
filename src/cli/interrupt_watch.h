#pragma once
// Ctrl+C (SIGINT) and SIGTERM as an event on the main thread: the handler only writes a byte
// to a pipe, which the event loop reads. A second signal ends the program the default way.
#include <QObject>
#include <functional>

// Installs the handlers; `onInterrupt` runs on the thread of `context` for each signal.
void WatchInterrupts(QObject* context, std::function<void()> onInterrupt);
