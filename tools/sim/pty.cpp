#include "pty.h"

#include "files/file_errors.h"
#include "sim_texts.h"

#include <QByteArray>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {
// The text says what failed and holds the system's reason, in the same language, at %1.
QString SystemError(const char* text) {
    const QString reason = LastErrorText();
    return CSimTexts::tr(text).arg(reason);
}

bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

QByteArray LinkTarget(const QByteArray& path) {
    char target[4096];
    const ssize_t n = readlink(path.constData(), target, sizeof target - 1);
    return n < 0 ? QByteArray() : QByteArray(target, int(n));
}
} // namespace

CPseudoTerminal::~CPseudoTerminal() {
    Close();
}

bool CPseudoTerminal::Open(QString& error) {
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_nMaster < 0) {
        error = SystemError(QT_TRANSLATE_NOOP("CSimTexts", "无法创建伪终端：%1"));
        return false;
    }
    if (grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0) {
        error = SystemError(QT_TRANSLATE_NOOP("CSimTexts", "无法开放伪终端：%1"));
        Close();
        return false;
    }
    const char* name = ptsname(m_nMaster);
    m_strDevice = QString::fromLocal8Bit(name ? name : "");
    m_nSlave = name ? open(name, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
    if (m_nSlave < 0 || !MakeRaw(m_nSlave)) {
        error = SystemError(QT_TRANSLATE_NOOP("CSimTexts", "无法打开伪终端：%1"));
        Close();
        return false;
    }
    const int flags = fcntl(m_nMaster, F_GETFL);
    if (flags < 0 || fcntl(m_nMaster, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = SystemError(QT_TRANSLATE_NOOP("CSimTexts", "无法把伪终端设为非阻塞：%1"));
        Close();
        return false;
    }
    return true;
}

bool CPseudoTerminal::Link(const QString& path, QString& error) {
    const QByteArray local = path.toLocal8Bit();
    struct stat info {};
    if (lstat(local.constData(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            error = CSimTexts::tr("%1 已存在，且不是符号链接").arg(path);
            return false;
        }
        unlink(local.constData());
    }
    if (symlink(m_strDevice.toLocal8Bit().constData(), local.constData()) != 0) {
        error = SystemError(QT_TRANSLATE_NOOP("CSimTexts", "无法创建符号链接：%1"));
        return false;
    }
    m_strLink = path;
    return true;
}

int CPseudoTerminal::LineRate() const {
    termios tio{};
    if (m_nSlave < 0 || tcgetattr(m_nSlave, &tio) != 0)
        return 0;
    switch (cfgetospeed(&tio)) {
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

void CPseudoTerminal::Close() {
    if (!m_strLink.isEmpty()) {
        const QByteArray local = m_strLink.toLocal8Bit();
        if (LinkTarget(local) == m_strDevice.toLocal8Bit())
            unlink(local.constData());
        m_strLink.clear();
    }
    if (m_nSlave >= 0)
        close(m_nSlave);
    if (m_nMaster >= 0)
        close(m_nMaster);
    m_nSlave = m_nMaster = -1;
}

} // namespace sim
