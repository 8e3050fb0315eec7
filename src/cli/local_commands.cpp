#include "local_commands.h"

#include "cli_texts.h"

#include "download/bin_writer.h"
#include "download/half_loader.h"
#include "serial/port_list_file.h"
#include "serial/port_map.h"

#include <QStringList>

namespace {
// ", Silicon Labs, USB 10c4:ea60, S/N 0001, by-id usb-…, by-path pci-…-usb-0:2:1.0-port0": what
// PortEntryText leaves out, as far as the system tells it.
QString DeviceDetails(const CSerialPortEntry& entry) {
    QStringList parts;
    if (!entry.manufacturer.isEmpty())
        parts << entry.manufacturer;
    if (!entry.usbId.isEmpty())
        parts << QStringLiteral("USB ") + entry.usbId;
    if (!entry.serialNumber.isEmpty())
        parts << QStringLiteral("S/N ") + entry.serialNumber;
    if (!entry.byId.isEmpty())
        parts << QStringLiteral("by-id ") + entry.byId;
    if (!entry.byPath.isEmpty())
        parts << QStringLiteral("by-path ") + entry.byPath;
    return parts.isEmpty() ? QString() : QStringLiteral(", ") + parts.join(QStringLiteral(", "));
}
} // namespace

std::vector<CPortResult> ListPorts() {
    RefreshPortMap();
    std::vector<CPortResult> ports;
    for (int port = 1; port <= kPortCount; ++port) {
        const QString device = DeviceForPort(port);
        if (device.isEmpty())
            continue;
        const CSerialPortEntry details = PortDeviceEntry(port);
        CPortResult entry;
        entry.command = QStringLiteral("ports");
        entry.text = PortEntryText(port) + DeviceDetails(details);
        entry.data = PortEntryJson(details);
        entry.data.insert(QStringLiteral("com"), PortListText(port - 1));
        ports.push_back(entry);
    }
    return ports;
}

QString LoadProgramFiles(const QString& path28000, const QString& path38000) {
    const QString failure = LoadProgramHalfText(EProgramHalf::Half28000, path28000);
    return failure.isEmpty() ? LoadProgramHalfText(EProgramHalf::Half38000, path38000) : failure;
}

CPortResult MakeBin(const CCliRequest& request) {
    CPortResult result;
    result.command = QStringLiteral("make-bin");
    const QString& out = request.arguments[2];
    QString failure = LoadProgramFiles(request.arguments[0], request.arguments[1]);
    if (failure.isEmpty())
        failure = WriteBinFile(out);
    result.code = failure.isEmpty() ? kExitOk : kExitUsage;
    result.text =
        failure.isEmpty() ? CCliTexts::tr("%1：%2 字节").arg(out).arg(kBinFileSize) : failure;
    if (failure.isEmpty())
        result.data = {{QStringLiteral("file"), out}, {QStringLiteral("bytes"), kBinFileSize}};
    return result;
}
