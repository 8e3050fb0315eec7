#include "port_map.h"

#include "port_list_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <array>

// The port list's texts, translated as one context.
class CPortListTexts {
    Q_DECLARE_TR_FUNCTIONS(CPortListTexts)
};

namespace {
const QString kEntrySeparator = QStringLiteral(" — ");

struct CBinding {
    QString device;
    bool typed = false;
};

// The bindings of ports 1..8 (index 0 unused) and the devices last reported, by device.
struct CPortMap {
    std::array<CBinding, kPortCount + 1> ports;
    QHash<QString, CSerialPortEntry> entries;
    bool bound = false;
};

CPortMap& Map() {
    static CPortMap map;
    return map;
}

CSerialPortProvider*& InstalledProvider() {
    static CSerialPortProvider* provider = nullptr;
    return provider;
}

// The UART type that the serial core gives each of its ports; readable by every user, unlike the
// device node, and "0" for a node with no UART behind it.
QString ReadUartType(const QString& portName) {
#ifdef Q_OS_LINUX
    QFile file(QStringLiteral("/sys/class/tty/") + portName + QStringLiteral("/type"));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromLatin1(file.readAll()).trimmed();
#else
    Q_UNUSED(portName);
#endif
    return QString();
}

// The names under /dev/serial/by-id or by-path by the device they lead to.
QHash<QString, QString> StableNames(const QString& folder) {
    QHash<QString, QString> names;
    const QDir dir(folder);
    for (const QFileInfo& link :
         dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        names.insert(link.canonicalFilePath(), link.fileName());
    return names;
}

class CQtSerialPortProvider : public CSerialPortProvider {
public:
    QList<CSerialPortEntry> Ports() const override {
        const QHash<QString, QString> byId = StableNames(QStringLiteral("/dev/serial/by-id"));
        const QHash<QString, QString> byPath = StableNames(QStringLiteral("/dev/serial/by-path"));
        QList<CSerialPortEntry> ports;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            CSerialPortEntry entry;
#ifdef Q_OS_WIN
            entry.device = info.portName();
#else
            entry.device = info.systemLocation();
#endif
            entry.description = info.description();
            if (entry.description.isEmpty())
                entry.description = byId.value(entry.device);
            entry.manufacturer = info.manufacturer();
            if (info.hasVendorIdentifier() && info.hasProductIdentifier())
                entry.usbId = QStringLiteral("%1:%2")
                                  .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                  .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
            entry.serialNumber = info.serialNumber();
            entry.byId = byId.value(entry.device);
            entry.byPath = byPath.value(entry.device);
            entry.kind = PortKindOf(info.portName(), info.hasVendorIdentifier(),
                                    ReadUartType(info.portName()));
            ports.append(entry);
        }
        return ports;
    }
};

const CSerialPortProvider& Provider() {
    static const CQtSerialPortProvider qtPorts;
    static const CListedPortProvider listedPorts;
    if (InstalledProvider())
        return *InstalledProvider();
    if (listedPorts.IsInUse())
        return listedPorts;
    return qtPorts;
}

// "ttyUSB10" as ("ttyUSB", 10), so that numbers sort by value.
std::pair<QString, qint64> NameKey(const QString& device) {
    qsizetype digits = device.size();
    while (digits > 0 && device.at(digits - 1).isDigit())
        --digits;
    return {device.left(digits), device.mid(digits).left(15).toLongLong()};
}

QString PortName(int port) {
    return QStringLiteral("COM") + QString::number(port);
}

QString EnvironmentDevice(int port) {
#ifdef Q_OS_WIN
    Q_UNUSED(port);
    return QString();
#else
    const QByteArray variable = "MORVANE_COM" + QByteArray::number(port);
    return qEnvironmentVariable(variable.constData());
#endif
}

// A device the system reported stays bound while the system still reports it; a typed one,
// which the system may never report (a pseudo-terminal, a by-id link), while its node exists.
bool IsStillThere(const CBinding& binding, const QList<CSerialPortEntry>& reported) {
    return std::any_of(
               reported.begin(), reported.end(),
               [&](const CSerialPortEntry& entry) { return entry.device == binding.device; }) ||
           (binding.typed && QFileInfo::exists(binding.device));
}

void EnsureBound() {
    if (!Map().bound)
        RefreshPortMap();
}
} // namespace

CSerialPortProvider* SetSerialPortProvider(CSerialPortProvider* provider) {
    CSerialPortProvider* previous = InstalledProvider();
    InstalledProvider() = provider;
    ResetPortMap();
    return previous;
}

EPortKind PortKindOf(const QString& portName, bool hasUsbVendor, const QString& uartType) {
    static const QStringList kAdapterPrefixes{QStringLiteral("ttyUSB"), QStringLiteral("ttyACM"),
                                              QStringLiteral("cu.usb"), QStringLiteral("tty.usb")};
    const bool adapterName =
        std::any_of(kAdapterPrefixes.begin(), kAdapterPrefixes.end(),
                    [&](const QString& prefix) { return portName.startsWith(prefix); });
    if (hasUsbVendor || adapterName)
        return EPortKind::Adapter;
    return uartType.trimmed() == QLatin1String("0") ? EPortKind::NoUart : EPortKind::Uart;
}

QList<CSerialPortEntry> OrderedPorts(QList<CSerialPortEntry> ports) {
    ports.removeIf([](const CSerialPortEntry& entry) {
        return entry.kind == EPortKind::NoUart || entry.device.isEmpty();
    });
    std::stable_sort(ports.begin(), ports.end(),
                     [](const CSerialPortEntry& a, const CSerialPortEntry& b) {
                         const bool aFirst = a.kind == EPortKind::Adapter;
                         if (aFirst != (b.kind == EPortKind::Adapter))
                             return aFirst;
                         return NameKey(a.device) < NameKey(b.device);
                     });
    return ports;
}

QList<CSerialPortEntry> SerialDevices() {
    return OrderedPorts(Provider().Ports());
}

QList<CSerialPortEntry> SerialAdapters() {
    QList<CSerialPortEntry> adapters = SerialDevices();
    adapters.removeIf(
        [](const CSerialPortEntry& entry) { return entry.kind != EPortKind::Adapter; });
    return adapters;
}

QString SerialDeviceNames(const QList<CSerialPortEntry>& devices) {
    QStringList names;
    for (const CSerialPortEntry& entry : devices)
        names.append(entry.device);
    return names.isEmpty() ? CPortListTexts::tr("无串口设备") : names.join(QStringLiteral(", "));
}

QString PortListText(int position) {
    return PortName(position + 1);
}

void RefreshPortMap() {
    CPortMap& map = Map();
    const QList<CSerialPortEntry> reported = SerialDevices();
    QHash<QString, CSerialPortEntry> entries;
    for (const CSerialPortEntry& entry : reported)
        entries.insert(entry.device, entry);

    QSet<QString> taken;
    for (int port = 1; port <= kPortCount; ++port)
        if (!EnvironmentDevice(port).isEmpty())
            taken.insert(EnvironmentDevice(port));
    // Every port keeps its device while that is still there, so that the current choice and the
    // numbers the user has seen stay as they are.
    std::array<CBinding, kPortCount + 1> ports{};
    for (int port = 1; map.bound && port <= kPortCount; ++port) {
        const CBinding& old = map.ports[size_t(port)];
        const bool overridden =
            !old.typed && (!EnvironmentDevice(port).isEmpty() || taken.contains(old.device));
        if (!old.device.isEmpty() && !overridden && IsStillThere(old, reported)) {
            ports[size_t(port)] = old;
            taken.insert(old.device);
        }
    }
#ifndef Q_OS_WIN // there the names are the devices; only a typed device is bound
    // The devices not bound yet take the free numbers in turn.
    auto next = reported.begin();
    for (int port = 1; port <= kPortCount; ++port) {
        if (!ports[size_t(port)].device.isEmpty() || !EnvironmentDevice(port).isEmpty())
            continue;
        while (next != reported.end() && taken.contains(next->device))
            ++next;
        if (next == reported.end())
            break;
        ports[size_t(port)].device = next->device;
        ++next;
    }
#endif
    map.ports = ports;
    map.entries = entries;
    map.bound = true;
}

void BindTypedDevice(int port, const QString& device) {
    if (port < 1 || port > kPortCount)
        return;
    EnsureBound();
    for (CBinding& other : Map().ports) // a device is bound to one number only
        if (other.device == device)
            other = CBinding();
    Map().ports[size_t(port)] = CBinding{device, true};
}

void ResetPortMap() {
    Map() = CPortMap();
}

QString DeviceForPort(int port) {
    const bool numbered = port >= 1 && port <= kPortCount;
    if (numbered) {
        EnsureBound();
        if (Map().ports[size_t(port)].typed)
            return Map().ports[size_t(port)].device;
    }
#ifdef Q_OS_WIN
    return PortName(port);
#else
    const QString fromEnvironment = EnvironmentDevice(port);
    if (!fromEnvironment.isEmpty() || !numbered)
        return fromEnvironment;
    return Map().ports[size_t(port)].device;
#endif
}

QString PortEntryText(int port) {
    const QString device = DeviceForPort(port);
    if (device.isEmpty())
        return PortName(port) + kEntrySeparator + CPortListTexts::tr("无串口设备");
    // On Windows the device is the port's own name; only its description is news.
    QStringList parts;
    if (device != PortName(port))
        parts.append(device);
    const QString description = Map().entries.value(device).description;
    if (!description.isEmpty())
        parts.append(description);
    return parts.isEmpty() ? PortName(port)
                           : PortName(port) + kEntrySeparator + parts.join(QStringLiteral(", "));
}

CSerialPortEntry PortDeviceEntry(int port) {
    const QString device = DeviceForPort(port);
    CSerialPortEntry entry = Map().entries.value(device);
    entry.device = device;
    return entry;
}
