#pragma once
// An in-memory serial device for unit tests: the test pushes the module's bytes in and reads what
// the host wrote. Devices can be marked missing or refused, and a device can be "unplugged".
// Also a port list as the system would report it.
#include "serial/port_map.h"
#include "serial/serial_backend.h"

#include <QHash>
#include <QSet>
#include <memory>

class CFakeSerialBackend : public CSerialBackend {
    Q_OBJECT
public:
    explicit CFakeSerialBackend(QObject* parent = nullptr);
    ~CFakeSerialBackend() override;

    bool Open(const QString& device, const CLineSettings& settings, QString* error) override;
    void Close() override;
    bool IsOpen() const override { return m_bOpen; }
    bool Apply(const CLineSettings& settings) override;
    bool Write(const QByteArray& bytes) override;
    QByteArray Read(qint64 maxBytes) override;
    qint64 BytesAvailable() const override { return m_waiting.size(); }

    // Bytes from the module; announced to the control at once.
    void PushModuleBytes(const QByteArray& bytes);
    // Everything the host wrote since the last take, and the writes one by one.
    QByteArray TakeHostBytes();
    QList<QByteArray> TakeHostWrites();
    // The device goes away while open.
    void Unplug();

    QString m_strDevice;
    CLineSettings m_settings;
    int m_nOpenCount = 0;
    int m_nCloseCount = 0;
    bool m_bFailWrites = false;

    // Every CMSComm created after this gets a fresh fake backend, and the system reports eight
    // adapters, /dev/ttyUSB0 to /dev/ttyUSB7, so that COMn is /dev/ttyUSB<n-1>.
    static void Install();
    static void Uninstall();
    // Devices that fail to open as not found (so does a port with no device).
    static QSet<QString>& MissingDevices();
    // Devices that fail to open in the way given (in use, no permission, ...).
    static QHash<QString, CPortOpenFailure>& RefusedDevices();
    // All fake backends alive, in creation order.
    static QList<CFakeSerialBackend*>& Instances();

private:
    bool m_bOpen = false;
    QByteArray m_waiting;
    QList<QByteArray> m_writes;
};

// What the system reports as its serial devices, while the object lives: it replaces the
// provider of the port map and puts the previous one back when it goes. Change m_ports to plug
// and unplug devices; the port map sees it at its next refresh.
class CFakePortList : public CSerialPortProvider {
public:
    explicit CFakePortList(QList<CSerialPortEntry> ports = {});
    ~CFakePortList() override;

    QList<CSerialPortEntry> Ports() const override { return m_ports; }
    QList<CSerialPortEntry> m_ports;

private:
    CSerialPortProvider* m_pPrevious;
};

// The fake device installed while the object lives (CFakeSerialBackend::Install), as a member of a
// test class: installed before the first test function runs, removed after the last.
class CFakeSerialScope {
public:
    CFakeSerialScope() { CFakeSerialBackend::Install(); }
    ~CFakeSerialScope() { CFakeSerialBackend::Uninstall(); }
    CFakeSerialScope(const CFakeSerialScope&) = delete;
    CFakeSerialScope& operator=(const CFakeSerialScope&) = delete;
};

// The fake behind a control created while the fake factory is installed.
class CMSComm;
CFakeSerialBackend* FakeOf(CMSComm& comm);
