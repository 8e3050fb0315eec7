#include "interrupt_watch.h"

#include "cli_result.h"
#include "cli_texts.h"

#include <QMetaObject>
#include <csignal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <atomic>
#include <windows.h>
#endif

namespace {
#ifdef Q_OS_UNIX
int g_interruptPipe[2] = {-1, -1};

void OnSignal(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = write(g_interruptPipe[1], &byte, 1);
}

void InstallHandlers(QObject* context, std::function<void(int signal)> onInterrupt) {
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
#endif

#ifdef Q_OS_WIN
// The console's control handler runs on a thread of its own: it queues the event to the context
// and returns at once. Ctrl+C and Ctrl+Break stand for SIGINT; closing the console, logging off
// and shutting down for SIGTERM. A second event of the same kind ends the program the default way.
QObject* g_pContext = nullptr;
std::function<void(int signal)> g_onInterrupt;
std::atomic<bool> g_bInterrupted[2] = {false, false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    const bool terminate = event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT;
    if (g_bInterrupted[terminate ? 1 : 0].exchange(true))
        return FALSE;
    const int signal = terminate ? SIGTERM : SIGINT;
    QMetaObject::invokeMethod(
        g_pContext, [signal] { g_onInterrupt(signal); }, Qt::QueuedConnection);
    return TRUE;
}

void InstallHandlers(QObject* context, std::function<void(int signal)> onInterrupt) {
    g_pContext = context;
    g_onInterrupt = std::move(onInterrupt);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}
#endif
} // namespace

void WatchInterrupts(QObject* context, std::function<void(int signal)> onInterrupt) {
    InstallHandlers(context, std::move(onInterrupt));
}

int InterruptExitCode(int signal) {
    return signal == SIGTERM ? kExitTerminated : kExitInterrupted;
}

QString InterruptWords(int code) {
    return code == kExitTerminated ? CCliTexts::tr("已终止（SIGTERM）")
                                   : CCliTexts::tr("已中断（Ctrl+C）");
}
