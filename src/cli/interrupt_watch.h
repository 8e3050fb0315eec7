#pragma once
// Ctrl+C (SIGINT) and SIGTERM as an event on the main thread: the handler only writes the
// signal's number to a pipe, which the event loop reads. A second signal of the same kind ends
// the program the default way.
#include <QObject>
#include <QString>
#include <functional>

// Installs the handlers; `onInterrupt` runs on the thread of `context` for each signal, with the
// signal's number.
void WatchInterrupts(QObject* context, std::function<void(int signal)> onInterrupt);

// What a signal stands for: its exit code, kExitInterrupted (SIGINT) or kExitTerminated (SIGTERM).
int InterruptExitCode(int signal);

// The words a result line gives for that exit code: "interrupted (Ctrl+C)" or
// "terminated (SIGTERM)".
QString InterruptWords(int code);
