#include "qt_serial_backend.h"

namespace {
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

QString OpenErrorText(QSerialPort::SerialPortError error, const QString& detail) {
    switch (error) {
    case QSerialPort::PermissionError:
        return QStringLiteral("permission denied or port in use: ") + detail;
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("no such device: ") + detail;
    default:
        return detail;
    }
}
} // namespace

CQtSerialBackend::CQtSerialBackend(QObject* parent) : CSerialBackend(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, &CSerialBackend::BytesArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &CQtSerialBackend::OnError);
}

bool CQtSerialBackend::Open(const QString& device, const CLineSettings& settings, QString* error) {
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        if (error)
            *error = OpenErrorText(m_port.error(), m_port.errorString());
        m_port.clearError();
        return false;
    }
    m_port.clear(); // open() keeps bytes left in the driver from before
    return Apply(settings);
}

void CQtSerialBackend::Close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
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
    emit DeviceLost();
}
