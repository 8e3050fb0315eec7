#include "paced_line.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace {
double SteadySeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

// One direction of the line: bytes read from `from` wait here and are written to `to` when
// their time on the wire has passed.
struct CDirection {
    int from;
    int to;
    std::string pending;
    double nextDone = 0; // when the first pending byte has crossed the line

    void Take(double now, double byteSeconds) {
        char chunk[4096];
        const ssize_t n = read(from, chunk, sizeof chunk);
        if (n <= 0)
            return;
        if (pending.empty())
            nextDone = std::max(nextDone, now + byteSeconds);
        pending.append(chunk, size_t(n));
    }
    void Deliver(double now, double byteSeconds) {
        if (pending.empty() || now < nextDone)
            return;
        const size_t due = std::min(pending.size(), size_t((now - nextDone) / byteSeconds) + 1);
        const ssize_t n = write(to, pending.data(), due);
        if (n <= 0)
            return;
        pending.erase(0, size_t(n));
        nextDone += double(n) * byteSeconds;
    }
    // Seconds until the next byte is due, or -1 when nothing waits.
    double Wait(double now) const { return pending.empty() ? -1 : std::max(0.0, nextDone - now); }
};
} // namespace

CPacedLine::CPacedLine(const QString& simDevice, int bitsPerSecond)
    : m_dByteSeconds(10.0 / bitsPerSecond) {
    m_nSim = open(simDevice.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    m_nHostMaster = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_nSim < 0 || m_nHostMaster < 0 || grantpt(m_nHostMaster) != 0 ||
        unlockpt(m_nHostMaster) != 0 || !MakeRaw(m_nSim))
        return;
    m_strDevice = QString::fromLocal8Bit(ptsname(m_nHostMaster));
    m_nHostKeeper = open(ptsname(m_nHostMaster), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_nHostKeeper < 0 || !MakeRaw(m_nHostKeeper))
        return;
    m_thread = std::thread([this] { Run(); });
}

CPacedLine::~CPacedLine() {
    m_bStop = true;
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : {m_nHostKeeper, m_nHostMaster, m_nSim})
        if (fd >= 0)
            close(fd);
}

void CPacedLine::Run() {
    CDirection toHost{m_nSim, m_nHostMaster, {}, 0};
    CDirection toSim{m_nHostMaster, m_nSim, {}, 0};
    while (!m_bStop) {
        double now = SteadySeconds();
        double wait = 0.005; // wakes now and then to see the stop flag
        for (const CDirection* d : {&toHost, &toSim})
            if (d->Wait(now) >= 0)
                wait = std::min(wait, d->Wait(now));
        pollfd fds[2] = {{m_nSim, POLLIN, 0}, {m_nHostMaster, POLLIN, 0}};
        const timespec timeout{0, long(wait * 1e9)};
        ppoll(fds, 2, &timeout, nullptr);
        now = SteadySeconds();
        if (fds[0].revents & POLLIN)
            toHost.Take(now, m_dByteSeconds);
        if (fds[1].revents & POLLIN)
            toSim.Take(now, m_dByteSeconds);
        toHost.Deliver(now, m_dByteSeconds);
        toSim.Deliver(now, m_dByteSeconds);
    }
}
