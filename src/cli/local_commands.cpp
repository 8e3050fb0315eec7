#include "local_commands.h"

#include "download/bin_writer.h"
#include "download/half_loader.h"
#include "serial/port_map.h"

std::vector<CPortResult> ListPorts() {
    RefreshPortMap();
    std::vector<CPortResult> ports;
    for (int port = 1; port <= kPortCount; ++port) {
        const QString device = DeviceForPort(port);
        if (device.isEmpty())
            continue;
        CPortResult entry;
        entry.command = QStringLiteral("ports");
        entry.text = PortEntryText(port);
        entry.data = {{QStringLiteral("com"), PortListText(port - 1)},
                      {QStringLiteral("device"), device}};
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
        failure.isEmpty() ? QStringLiteral("%1: %2 bytes").arg(out).arg(kBinFileSize) : failure;
    if (failure.isEmpty())
        result.data = {{QStringLiteral("file"), out}, {QStringLiteral("bytes"), kBinFileSize}};
    return result;
}
