#include "interrupt_watch.h"

#include "cli_result.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_interruptPipe[2] = {-1, -1};

void OnSignal(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = write(g_interruptPipe[1], &byte, 1);
}
} // namespace

void WatchInterrupts(QObject* context, std::function<void(int signal)> onInterrupt) {
    if (pipe(g_interruptPipe) != 0)
        return;
    fcntl(g_interruptPipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(g_interruptPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [handler = std::move(onInterrupt)] {
                         char byte = 0;
                         if (read(g_interruptPipe[0], &byte, 1) == 1)
                             handler(byte);
                     });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND; // a second Ctrl+C ends the program at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int InterruptExitCode(int signal) {
    return signal == SIGTERM ? kExitTerminated : kExitInterrupted;
}

QString InterruptWords(int code) {
    return code == kExitTerminated ? QStringLiteral("terminated (SIGTERM)")
                                   : QStringLiteral("interrupted (Ctrl+C)");
}
