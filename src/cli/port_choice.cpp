#include "port_choice.h"

#include "cli_result.h"
#include "cli_texts.h"
#include "result_printer.h"

#include "serial/port_map.h"

namespace {
const QString kAuto = QStringLiteral("auto");
const QString kAll = QStringLiteral("all");

QString Described(const CSerialPortEntry& entry) {
    return entry.description.isEmpty()
               ? entry.device
               : entry.device + QStringLiteral(" (") + entry.description + QLatin1Char(')');
}

// Every adapter, or the one for auto; an empty list with the failure otherwise.
CPortChoice AdaptersFor(const QString& word) {
    const QList<CSerialPortEntry> adapters = SerialAdapters();
    CPortChoice choice;
    if (adapters.isEmpty()) {
        choice.exitCode = kExitPort;
        choice.error = CCliTexts::tr("--port %1：没有找到 USB 或 ACM 串口适配器；现有串口设备：%2")
                           .arg(word, SerialDeviceNames(SerialDevices()));
        return choice;
    }
    if (word == kAuto && adapters.size() > 1) {
        choice.exitCode = kExitUsage;
        choice.error = CCliTexts::tr("--port auto：找到 %1 个串口适配器（%2）；请用 --port DEVICE "
                                     "指定其中一个，或者用 --port all")
                           .arg(adapters.size())
                           .arg(SerialDeviceNames(adapters));
        return choice;
    }
    for (const CSerialPortEntry& adapter : adapters) {
        choice.ports << adapter.device;
        PrintError(CCliTexts::tr("--port %1：%2").arg(word, Described(adapter)));
    }
    return choice;
}
} // namespace

CPortChoice ChoosePorts(const QStringList& given) {
    CPortChoice chosen;
    for (const QString& port : given) {
        if (port != kAuto && port != kAll) {
            chosen.ports << port;
            continue;
        }
        const CPortChoice adapters = AdaptersFor(port);
        if (adapters.ports.isEmpty())
            return adapters;
        for (const QString& device : adapters.ports)
            if (!chosen.ports.contains(device))
                chosen.ports << device;
    }
    return chosen;
}
