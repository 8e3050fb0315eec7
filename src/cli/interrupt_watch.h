#pragma once
// Ctrl+C (SIGINT) and SIGTERM as an event on the main thread: the handler only writes the
// signal's number to a pipe, which the event loop reads. A second signal of the same kind ends
// the program the default way.
#include <QObject>
#include <functional>

// Installs the handlers; `onInterrupt` runs on the thread of `context` for each signal, with the
// signal's number.
void WatchInterrupts(QObject* context, std::function<void(int signal)> onInterrupt);
