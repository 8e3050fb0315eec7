#pragma once
// The real device: a QSerialPort.
#include "serial_backend.h"

#include <QSerialPort>

class CQtSerialBackend : public CSerialBackend {
    Q_OBJECT
public:
    explicit CQtSerialBackend(QObject* parent = nullptr);

    bool Open(const QString& device, const CLineSettings& settings, QString* error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Apply(const CLineSettings& settings) override;
    bool Write(const QByteArray& bytes) override;
    QByteArray Read(qint64 maxBytes) override;
    qint64 BytesAvailable() const override;

private:
    void OnError(QSerialPort::SerialPortError error);
    QSerialPort m_port;
};
