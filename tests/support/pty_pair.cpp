#include "pty_pair.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

CPtyPair::CPtyPair() {
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_nMaster < 0)
        return;
    if (grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0) {
        close(m_nMaster);
        m_nMaster = -1;
        return;
    }
    m_strSlave = QString::fromLocal8Bit(ptsname(m_nMaster));
    m_nSlaveKeep = open(ptsname(m_nMaster), O_RDWR | O_NOCTTY);
    if (m_nSlaveKeep >= 0) {
        termios tio{};
        tcgetattr(m_nSlaveKeep, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_nSlaveKeep, TCSANOW, &tio);
    }
    termios tio{};
    tcgetattr(m_nMaster, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_nMaster, TCSANOW, &tio);
}

CPtyPair::~CPtyPair() {
    CloseModuleEnd();
    if (m_nSlaveKeep >= 0)
        close(m_nSlaveKeep);
}

bool CPtyPair::WriteModule(const QByteArray& bytes) {
    qint64 done = 0;
    while (m_nMaster >= 0 && done < bytes.size()) {
        const ssize_t n = write(m_nMaster, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n > 0)
            done += n;
    }
    return done == bytes.size();
}

qint64 CPtyPair::WriteModuleSome(const QByteArray& bytes) {
    const int flags = fcntl(m_nMaster, F_GETFL);
    fcntl(m_nMaster, F_SETFL, flags | O_NONBLOCK);
    const ssize_t n = write(m_nMaster, bytes.constData(), bytes.size());
    fcntl(m_nMaster, F_SETFL, flags);
    return std::max<ssize_t>(n, 0);
}

QByteArray CPtyPair::ReadHost(int minBytes, int timeoutMs) {
    QByteArray bytes;
    QDeadlineTimer deadline(timeoutMs);
    while (m_nMaster >= 0 && bytes.size() < minBytes && !deadline.hasExpired()) {
        pollfd fd{m_nMaster, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = read(m_nMaster, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, n);
        else if (n == 0 || (errno != EINTR && errno != EAGAIN))
            break;
    }
    return bytes;
}

void CPtyPair::CloseModuleEnd() {
    if (m_nMaster >= 0)
        close(m_nMaster);
    m_nMaster = -1;
}
