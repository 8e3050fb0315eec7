#pragma once
// CMSComm: a panel's serial communications control, with the property API the panels use.
// A receive event (OnComm with CommEvent 2) is raised, always queued, when bytes have arrived
// and at least RThreshold bytes are waiting.
#include "serial_backend.h"

#include <QObject>
#include <memory>
#include <stdexcept>

// The one error that travels by exception: a port that cannot be opened.
class CCommPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr short kCommEventReceive = 2;

class CMSComm : public QObject {
    Q_OBJECT
public:
    explicit CMSComm(QObject* parent = nullptr);
    CMSComm(std::unique_ptr<CSerialBackend> backend, QObject* parent);
    ~CMSComm() override;

    void SetCommPort(short port);
    short CommPort() const { return m_nCommPort; }
    // The operating-system device that CommPort names, or the one named with SetDevice.
    QString DeviceName() const;
    // Names the device directly, ahead of the port map (morvane-cli opens any number of devices
    // given by path); an empty name returns to the port map.
    void SetDevice(const QString& device) { m_strDevice = device; }

    // "19200,n,8,1"; applied to the line at once when the port is open. An unreadable text
    // leaves the settings as they were.
    void SetSettings(const QString& settings);
    QString Settings() const { return m_strSettings; }

    // Opening throws CCommPortError when the device is missing, busy or not permitted.
    void SetPortOpen(bool open);
    bool PortOpen() const;

    void SetInputMode(int mode) { m_nInputMode = mode; }
    int InputMode() const { return m_nInputMode; }
    void SetRThreshold(int threshold);
    int RThreshold() const { return m_nRThreshold; }
    void SetInputLen(int length) { m_nInputLen = length; }
    int InputLen() const { return m_nInputLen; }

    // Removes up to InputLen waiting bytes (all of them for 0); empty when none or closed.
    // Input and Output record what they move in the communication log while one is kept.
    QByteArray Input();
    // Queues the bytes; false when the port is closed or the device refused them.
    bool Output(const QByteArray& bytes);
    int InBufferCount() const;
    short CommEvent() const { return m_nCommEvent; }

    CSerialBackend* Backend() const { return m_pBackend.get(); }

signals:
    void OnComm();
    // The device went away while open; the port is closed now.
    void PortLost();
    // Raised at once, whatever RThreshold says, for whoever shows the state of the line (the
    // main window's status bar); a handler must not call back into the control. Output has
    // queued bytes on the open port:
    void Transmitted();
    // and bytes have arrived from the device.
    void BytesReceived();

private:
    void OnBytesArrived();
    void OnDeviceLost();
    void DeliverComm();

    std::unique_ptr<CSerialBackend> m_pBackend;
    short m_nCommPort = 1;
    QString m_strOpenDevice; // the device of the last open, for the communication log
    QString m_strDevice;     // named directly; empty: the port map's device of CommPort
    QString m_strSettings = QStringLiteral("9600,n,8,1");
    int m_nInputMode = 0;
    int m_nRThreshold = 0;
    int m_nInputLen = 0;
    short m_nCommEvent = 0;
    bool m_bCommPending = false;
};
