#pragma once
// The real device: a QSerialPort. It keeps at most kReadBufferSize bytes read from the device and
// not yet taken; beyond that the device holds them until the program reads. On Unix the device
// is locked while open (flock on a descriptor of its own), so a second program, or a second
// control, cannot open it under another name (a link, a COM name, the node itself), not even as
// root.
#include "serial_backend.h"

#include "protocol/buffers.h"

#include <QSerialPort>

class CQtSerialBackend : public CSerialBackend {
    Q_OBJECT
public:
    // The longest collection and one read more: a whole reply always fits.
    static constexpr qint64 kReadBufferSize = kRxBufferSize;

    explicit CQtSerialBackend(QObject* parent = nullptr);
    ~CQtSerialBackend() override;

    bool Open(const QString& device, const CLineSettings& settings, QString* error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Apply(const CLineSettings& settings) override;
    bool Write(const QByteArray& bytes) override;
    QByteArray Read(qint64 maxBytes) override;
    qint64 BytesAvailable() const override;

private:
    void OnError(QSerialPort::SerialPortError error);
    // Takes the device's lock; false with the failure set when another holds it.
    bool LockDevice(const QString& device, QString* error);
    void UnlockDevice();
    QSerialPort m_port;
    int m_nLockFd = -1; // a descriptor of the device that holds its lock while the port is open
};
