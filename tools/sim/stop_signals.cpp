#include "stop_signals.h"

#include "files/file_errors.h"
#include "sim_texts.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {
int g_nStopWriteFd = -1;

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (write(g_nStopWriteFd, &byte, 1) < 0) {
        // The pipe is full: a stop is already pending.
    }
    errno = saved;
}
} // namespace

int InstallStopSignals(QString& error) {
    int fds[2];
    if (pipe(fds) != 0) {
        error = CSimTexts::tr("无法创建管道：%1").arg(LastErrorText());
        return -1;
    }
    for (int fd : fds) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    g_nStopWriteFd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return fds[0];
}

} // namespace sim
