#pragma once
// The device behind a CMSComm: a real serial port in the program, an in-memory fake in tests.
// The control never knows which one it has.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

struct CLineSettings {
    qint32 baudRate = 19200;
    char parity = 'n'; // n, e, o, m, s
    int dataBits = 8;
    int stopBits = 1;
};

// Why a device could not be opened, as the backend can tell it.
enum class EPortFailure {
    None,
    NotFound,     // no such device, or no device bound to the port
    InUse,        // another program holds it
    NoPermission, // this user may not open it
    Other,
};

struct CPortOpenFailure {
    EPortFailure kind = EPortFailure::None;
    QString group;  // NoPermission: the group whose members may open the device
    QString detail; // the system's own words
};

// Reads "19200,n,8,1"; false when the text is not of that form.
bool ParseLineSettings(const QString& text, CLineSettings* out);

class CSerialBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~CSerialBackend() override = default;

    // Opens the device; on failure *error says why ("permission denied", "in use", ...) and
    // OpenFailure() tells the kind.
    virtual bool Open(const QString& device, const CLineSettings& settings, QString* error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool Apply(const CLineSettings& settings) = 0;
    // Queues the bytes; false when they cannot reach the device.
    virtual bool Write(const QByteArray& bytes) = 0;
    virtual QByteArray Read(qint64 maxBytes) = 0;
    virtual qint64 BytesAvailable() const = 0;

    // Why the last Open failed; kind None after one that succeeded.
    const CPortOpenFailure& OpenFailure() const { return m_openFailure; }

signals:
    void BytesArrived();
    // The device went away (unplugged, hung up). The backend has closed itself.
    void DeviceLost();

protected:
    void SetOpenFailure(CPortOpenFailure failure) { m_openFailure = std::move(failure); }

private:
    CPortOpenFailure m_openFailure;
};

using SerialBackendFactory = std::function<std::unique_ptr<CSerialBackend>()>;
// The factory every new CMSComm takes its backend from; an empty one restores the real ports.
void SetSerialBackendFactory(SerialBackendFactory factory);
std::unique_ptr<CSerialBackend> CreateSerialBackend();
