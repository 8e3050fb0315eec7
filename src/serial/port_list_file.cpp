#include "port_list_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {
const char* const kListVariable = "MORVANE_PORT_LIST";

QString Text(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toString();
}
} // namespace

bool CListedPortProvider::IsInUse() const {
    return qEnvironmentVariableIsSet(kListVariable);
}

QList<CSerialPortEntry> CListedPortProvider::Ports() const {
    QList<CSerialPortEntry> ports;
    QFile file(qEnvironmentVariable(kListVariable));
    if (!file.open(QIODevice::ReadOnly))
        return ports;
    while (!file.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
        const QJsonObject device = line.contains(QLatin1String("data"))
                                       ? line.value(QLatin1String("data")).toObject()
                                       : line;
        if (!Text(device, "device").isEmpty())
            ports.append(PortEntryFromJson(device));
    }
    return ports;
}

CSerialPortEntry PortEntryFromJson(const QJsonObject& object) {
    CSerialPortEntry entry;
    entry.device = Text(object, "device");
    entry.description = Text(object, "description");
    entry.manufacturer = Text(object, "manufacturer");
    entry.usbId = Text(object, "usb");
    entry.serialNumber = Text(object, "serial");
    entry.byId = Text(object, "by_id");
    entry.byPath = Text(object, "by_path");
    entry.kind = PortKindOf(QFileInfo(entry.device).fileName(), !entry.usbId.isEmpty(), QString());
    return entry;
}

QJsonObject PortEntryJson(const CSerialPortEntry& entry) {
    return {{QStringLiteral("device"), entry.device},
            {QStringLiteral("description"), entry.description},
            {QStringLiteral("manufacturer"), entry.manufacturer},
            {QStringLiteral("usb"), entry.usbId},
            {QStringLiteral("serial"), entry.serialNumber},
            {QStringLiteral("by_id"), entry.byId},
            {QStringLiteral("by_path"), entry.byPath}};
}
