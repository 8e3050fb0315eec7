#include "qt_serial_backend.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
// Whether the effective user may read and write the device node (Windows keeps no such
// permissions on a port: there a refusal means another program has it).
bool MayOpen(const QString& device) {
#ifdef Q_OS_UNIX
    return faccessat(AT_FDCWD, QFile::encodeName(device).constData(), R_OK | W_OK, AT_EACCESS) == 0;
#else
    Q_UNUSED(device);
    return true;
#endif
}

// The group of the device node when its members may read and write it, else "dialout", the
// group of serial devices on Debian and its kin.
QString GroupThatMayOpen(const QString& device) {
    const QFileInfo node(QFileInfo(device).canonicalFilePath());
    const QString group = node.group();
    const auto groupReadWrite = QFile::ReadGroup | QFile::WriteGroup;
    if (!group.isEmpty() && group != QLatin1String("root") &&
        (node.permissions() & groupReadWrite) == groupReadWrite)
        return group;
    return QStringLiteral("dialout");
}

// The node Qt opens for a port name: a bare name such as "ttyUSB0" lies under /dev.
QString DeviceNode(const QString& device) {
#ifdef Q_OS_UNIX
    if (!device.startsWith(QLatin1Char('/')))
        return QStringLiteral("/dev/") + device;
#endif
    return device;
}

QSerialPort::Parity ToParity(char parity) {
    switch (parity) {
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    case 'm':
        return QSerialPort::MarkParity;
    case 's':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

// Qt gives PermissionError both for a device that this user may not open and for one that another
// program holds (its lock file, or an exclusive open); the device's own permissions tell which.
CPortOpenFailure OpenFailureOf(QSerialPort::SerialPortError error, const QString& device,
                               const QString& detail) {
    CPortOpenFailure failure;
    failure.detail = detail;
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        failure.kind = EPortFailure::NotFound;
        break;
    case QSerialPort::PermissionError:
        failure.kind = MayOpen(device) ? EPortFailure::InUse : EPortFailure::NoPermission;
        if (failure.kind == EPortFailure::NoPermission)
            failure.group = GroupThatMayOpen(device);
        break;
    default:
        failure.kind = EPortFailure::Other;
        break;
    }
    return failure;
}

QString OpenErrorText(const CPortOpenFailure& failure) {
    switch (failure.kind) {
    case EPortFailure::NotFound:
        return QStringLiteral("no such device: ") + failure.detail;
    case EPortFailure::InUse:
        return QStringLiteral("port in use: ") + failure.detail;
    case EPortFailure::NoPermission:
        return QStringLiteral("permission denied: ") + failure.detail;
    default:
        return failure.detail;
    }
}
} // namespace

CQtSerialBackend::CQtSerialBackend(QObject* parent) : CSerialBackend(parent) {
    // A line that sends without end fills this much, then waits in the device.
    m_port.setReadBufferSize(kReadBufferSize);
    connect(&m_port, &QSerialPort::readyRead, this, &CSerialBackend::BytesArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &CQtSerialBackend::OnError);
}

CQtSerialBackend::~CQtSerialBackend() {
    UnlockDevice();
}

// The lock is on the device itself, reached by whatever name, and flock binds root too (the
// terminal's exclusive mode and Qt's lock file, named after the port name, do not). It is taken
// on a descriptor of its own before the port opens, so that a device in use is never touched:
// opening it would set its line and, on closing, undo the holder's exclusive mode.
bool CQtSerialBackend::LockDevice(const QString& device, QString* error) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(DeviceNode(device)).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true; // missing or not permitted: the port's own open tells which
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_nLockFd = fd;
        return true;
    }
    const int reason = errno;
    ::close(fd);
    if (reason != EWOULDBLOCK)
        return true; // no lock to be had here (a file system without locks): open as before
    SetOpenFailure({EPortFailure::InUse, QString(), QString::fromLocal8Bit(strerror(reason))});
    if (error)
        *error = OpenErrorText(OpenFailure());
    return false;
#else
    Q_UNUSED(device);
    Q_UNUSED(error);
    return true; // Windows opens a port for one program only
#endif
}

void CQtSerialBackend::UnlockDevice() {
#ifdef Q_OS_UNIX
    if (m_nLockFd >= 0)
        ::close(m_nLockFd); // closing the descriptor releases its lock
#endif
    m_nLockFd = -1;
}

bool CQtSerialBackend::Open(const QString& device, const CLineSettings& settings, QString* error) {
    if (device.isEmpty()) { // no device is bound to the port
        SetOpenFailure({EPortFailure::NotFound, QString(), QString()});
        if (error)
            *error = QStringLiteral("no device");
        return false;
    }
    if (!LockDevice(device, error))
        return false;
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        UnlockDevice();
        SetOpenFailure(OpenFailureOf(m_port.error(), DeviceNode(device), m_port.errorString()));
        if (error)
            *error = OpenErrorText(OpenFailure());
        m_port.clearError();
        return false;
    }
    SetOpenFailure({});
    m_port.clear(); // open() keeps bytes left in the driver from before
    if (Apply(settings))
        return true;
    // A line the device will not take counts as a failed open; the port is left closed.
    SetOpenFailure({EPortFailure::Other, QString(), m_port.errorString()});
    if (error)
        *error = m_port.errorString();
    Close();
    return false;
}

void CQtSerialBackend::Close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    UnlockDevice();
}

bool CQtSerialBackend::IsOpen() const {
    return m_port.isOpen();
}

bool CQtSerialBackend::Apply(const CLineSettings& settings) {
    if (!m_port.isOpen())
        return true; // taken when the port is opened
    return m_port.setBaudRate(settings.baudRate) &&
           m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
           m_port.setParity(ToParity(settings.parity)) &&
           m_port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop
                                                     : QSerialPort::OneStop) &&
           m_port.setFlowControl(QSerialPort::NoFlowControl);
}

bool CQtSerialBackend::Write(const QByteArray& bytes) {
    if (!m_port.isOpen())
        return false;
    return m_port.write(bytes) == bytes.size();
}

QByteArray CQtSerialBackend::Read(qint64 maxBytes) {
    if (!m_port.isOpen())
        return QByteArray();
    return m_port.read(maxBytes);
}

qint64 CQtSerialBackend::BytesAvailable() const {
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

void CQtSerialBackend::OnError(QSerialPort::SerialPortError error) {
    // A vanished device reports ResourceError; a hung-up pseudo-terminal reports a read that
    // returns nothing. Either way the descriptor is useless: close it so that nothing spins on it.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!m_port.isOpen())
        return;
    m_port.close();
    m_port.clearError();
    UnlockDevice();
    emit DeviceLost();
}
