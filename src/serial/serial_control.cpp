#include "serial_control.h"

#include "comm_log.h"
#include "port_map.h"

#include <QMetaObject>

CMSComm::CMSComm(QObject* parent) : CMSComm(CreateSerialBackend(), parent) {}

CMSComm::CMSComm(std::unique_ptr<CSerialBackend> backend, QObject* parent)
    : QObject(parent), m_pBackend(std::move(backend)) {
    connect(m_pBackend.get(), &CSerialBackend::BytesArrived, this, &CMSComm::OnBytesArrived);
    connect(m_pBackend.get(), &CSerialBackend::DeviceLost, this, &CMSComm::OnDeviceLost);
}

CMSComm::~CMSComm() = default;

void CMSComm::SetCommPort(short port) {
    m_nCommPort = port;
}

QString CMSComm::DeviceName() const {
    return m_strDevice.isEmpty() ? DeviceForPort(m_nCommPort) : m_strDevice;
}

void CMSComm::SetSettings(const QString& settings) {
    CLineSettings line;
    if (!ParseLineSettings(settings, &line))
        return;
    m_strSettings = settings;
    m_pBackend->Apply(line);
}

void CMSComm::SetPortOpen(bool open) {
    if (!open) {
        m_pBackend->Close();
        return;
    }
    if (m_pBackend->IsOpen())
        return;
    CLineSettings line;
    ParseLineSettings(m_strSettings, &line);
    QString error;
    const QString device = DeviceName();
    if (!m_pBackend->Open(device, line, &error))
        throw CCommPortError(error.toStdString());
    m_strOpenDevice = device;
}

bool CMSComm::PortOpen() const {
    return m_pBackend->IsOpen();
}

void CMSComm::SetRThreshold(int threshold) {
    m_nRThreshold = threshold;
}

QByteArray CMSComm::Input() {
    const qint64 waiting = m_pBackend->BytesAvailable();
    const qint64 wanted = m_nInputLen > 0 ? std::min<qint64>(waiting, m_nInputLen) : waiting;
    if (wanted <= 0)
        return QByteArray();
    QByteArray bytes = m_pBackend->Read(wanted);
    if (g_pCommLog && !bytes.isEmpty())
        g_pCommLog->Record(ECommDirection::Received, m_nCommPort, m_strOpenDevice, bytes);
    return bytes;
}

bool CMSComm::Output(const QByteArray& bytes) {
    if (!m_pBackend->IsOpen() || !m_pBackend->Write(bytes))
        return false;
    if (g_pCommLog)
        g_pCommLog->Record(ECommDirection::Sent, m_nCommPort, m_strOpenDevice, bytes);
    emit Transmitted();
    return true;
}

int CMSComm::InBufferCount() const {
    return static_cast<int>(m_pBackend->BytesAvailable());
}

void CMSComm::OnBytesArrived() {
    emit BytesReceived();
    if (m_nRThreshold <= 0 || m_bCommPending)
        return;
    if (m_pBackend->BytesAvailable() < m_nRThreshold)
        return;
    m_bCommPending = true;
    QMetaObject::invokeMethod(this, &CMSComm::DeliverComm, Qt::QueuedConnection);
}

void CMSComm::DeliverComm() {
    m_bCommPending = false;
    m_nCommEvent = kCommEventReceive;
    emit OnComm();
}

void CMSComm::OnDeviceLost() {
    emit PortLost();
}
