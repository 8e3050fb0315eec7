#include "fake_serial_backend.h"

#include "serial/serial_control.h"

namespace {
std::unique_ptr<CFakePortList>& InstalledPorts() {
    static std::unique_ptr<CFakePortList> ports;
    return ports;
}
} // namespace

CFakeSerialBackend::CFakeSerialBackend(QObject* parent) : CSerialBackend(parent) {
    Instances().append(this);
}

CFakeSerialBackend::~CFakeSerialBackend() {
    Instances().removeAll(this);
}

bool CFakeSerialBackend::Open(const QString& device, const CLineSettings& settings,
                              QString* error) {
    if (device.isEmpty() || MissingDevices().contains(device) ||
        RefusedDevices().contains(device)) {
        SetOpenFailure(RefusedDevices().value(device, {EPortFailure::NotFound, {}, {}}));
        if (error)
            *error = QStringLiteral("cannot open: ") + device;
        return false;
    }
    SetOpenFailure({});
    m_strDevice = device;
    m_settings = settings;
    m_bOpen = true;
    ++m_nOpenCount;
    m_waiting.clear();
    return true;
}

void CFakeSerialBackend::Close() {
    if (m_bOpen)
        ++m_nCloseCount;
    m_bOpen = false;
}

bool CFakeSerialBackend::Apply(const CLineSettings& settings) {
    m_settings = settings;
    return true;
}

bool CFakeSerialBackend::Write(const QByteArray& bytes) {
    if (!m_bOpen || m_bFailWrites)
        return false;
    m_writes.append(bytes);
    return true;
}

QByteArray CFakeSerialBackend::Read(qint64 maxBytes) {
    const QByteArray bytes = m_waiting.left(maxBytes);
    m_waiting.remove(0, bytes.size());
    return bytes;
}

void CFakeSerialBackend::PushModuleBytes(const QByteArray& bytes) {
    if (!m_bOpen)
        return;
    m_waiting.append(bytes);
    emit BytesArrived();
}

QByteArray CFakeSerialBackend::TakeHostBytes() {
    QByteArray all;
    for (const QByteArray& write : std::as_const(m_writes))
        all.append(write);
    m_writes.clear();
    return all;
}

QList<QByteArray> CFakeSerialBackend::TakeHostWrites() {
    QList<QByteArray> writes;
    writes.swap(m_writes);
    return writes;
}

void CFakeSerialBackend::Unplug() {
    if (!m_bOpen)
        return;
    m_bOpen = false;
    m_waiting.clear();
    emit DeviceLost();
}

void CFakeSerialBackend::Install() {
    SetSerialBackendFactory([] { return std::make_unique<CFakeSerialBackend>(); });
    QList<CSerialPortEntry> adapters;
    for (int n = 0; n < kPortCount; ++n)
        adapters.append({QStringLiteral("/dev/ttyUSB%1").arg(n),
                         QStringLiteral("fake adapter %1").arg(n), EPortKind::Adapter});
    InstalledPorts().reset(); // a list it replaced would put its own provider back over this one
    InstalledPorts() = std::make_unique<CFakePortList>(adapters);
}

void CFakeSerialBackend::Uninstall() {
    SetSerialBackendFactory({});
    InstalledPorts().reset();
}

QSet<QString>& CFakeSerialBackend::MissingDevices() {
    static QSet<QString> devices;
    return devices;
}

QHash<QString, CPortOpenFailure>& CFakeSerialBackend::RefusedDevices() {
    static QHash<QString, CPortOpenFailure> devices;
    return devices;
}

CFakePortList::CFakePortList(QList<CSerialPortEntry> ports)
    : m_ports(std::move(ports)), m_pPrevious(SetSerialPortProvider(this)) {}

CFakePortList::~CFakePortList() {
    SetSerialPortProvider(m_pPrevious);
}

QList<CFakeSerialBackend*>& CFakeSerialBackend::Instances() {
    static QList<CFakeSerialBackend*> instances;
    return instances;
}

CFakeSerialBackend* FakeOf(CMSComm& comm) {
    return qobject_cast<CFakeSerialBackend*>(comm.Backend());
}
