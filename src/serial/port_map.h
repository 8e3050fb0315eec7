#pragma once
// Port numbers 1..8 ("COM1".."COM8") and the devices behind them. On Windows port n is the
// device "COMn". Elsewhere MORVANE_COM<n> names the device of port n when it is set; the other
// numbers are bound in turn to the serial devices that the system reports: USB and ACM adapters
// first, then built-in UARTs that have a UART behind them. A number keeps its device while the
// device is there.
#include <QList>
#include <QString>

constexpr int kPortCount = 8;

enum class EPortKind {
    Adapter, // behind USB (ttyUSB, ttyACM, or anything with a USB vendor id)
    Uart,    // a built-in UART
    NoUart,  // a UART node with nothing behind it, as most /dev/ttyS* are
};

// One serial device as the system reports it.
struct CSerialPortEntry {
    CSerialPortEntry() = default;
    CSerialPortEntry(QString device, QString description, EPortKind kind)
        : device(std::move(device)), description(std::move(description)), kind(kind) {}

    QString device;      // "/dev/ttyUSB0"
    QString description; // "CP2102 USB to UART Bridge Controller", or the by-id name; may be empty
    EPortKind kind = EPortKind::Uart;
    QString manufacturer; // "Silicon Labs"; may be empty
    QString usbId;        // vendor:product in hexadecimal, "10c4:ea60"; empty when not on USB
    QString serialNumber; // the adapter's own serial number; may be empty
    QString byId;         // its name under /dev/serial/by-id; may be empty
    QString byPath;       // its name under /dev/serial/by-path (the USB socket); may be empty
};

// Where the list of serial devices comes from: Qt Serial Port in the program, a fixed list in
// tests, or the file that MORVANE_PORT_LIST names (port_list_file.h).
class CSerialPortProvider {
public:
    virtual ~CSerialPortProvider() = default;
    virtual QList<CSerialPortEntry> Ports() const = 0;
};

// Installs a provider (not owned); nullptr returns to Qt Serial Port's list. Returns the one it
// replaces (nullptr for Qt's). The bindings are forgotten and made again at the next look-up.
CSerialPortProvider* SetSerialPortProvider(CSerialPortProvider* provider);

// How a device counts, from its name ("ttyUSB0"), whether it has a USB vendor id, and the UART
// type the system gives for it (Linux: /sys/class/tty/<name>/type; "0" is no UART, empty unknown).
EPortKind PortKindOf(const QString& portName, bool hasUsbVendor, const QString& uartType);
// Adapters first, then UARTs, each in name order (ttyUSB2 before ttyUSB10); no NoUart entries.
QList<CSerialPortEntry> OrderedPorts(QList<CSerialPortEntry> ports);

// "COM1" for position 0.
QString PortListText(int position);

// The serial devices the system reports now, adapters first (as OrderedPorts), without binding
// anything: safe beside the port map's users.
QList<CSerialPortEntry> SerialDevices();
// The USB and ACM adapters among them.
QList<CSerialPortEntry> SerialAdapters();
// "/dev/ttyUSB0, /dev/ttyACM0", or "无串口设备" when there is none.
QString SerialDeviceNames(const QList<CSerialPortEntry>& devices);

// Binds again from what the system reports now: every port keeps its device while that is still
// there (so does the current choice), and devices not bound yet take the free numbers in turn.
void RefreshPortMap();
// Binds a device the user typed to port n, ahead of MORVANE_COM<n> and the system's list. It
// stays bound while its node exists.
void BindTypedDevice(int port, const QString& device);
// Forgets every binding; the next look-up binds again.
void ResetPortMap();

// The device of port n; empty when nothing is bound to it.
QString DeviceForPort(int port);
// "COM1 — /dev/ttyUSB0, CP2102 USB to UART", or "COM3 — 无串口设备" for a port with no device.
QString PortEntryText(int port);
// What the system last reported of port n's device (only the device when it reported nothing).
CSerialPortEntry PortDeviceEntry(int port);
