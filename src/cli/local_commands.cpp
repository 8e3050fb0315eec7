#include "local_commands.h"

#include "download/bin_writer.h"
#include "download/download_texts.h"
#include "download/half_loader.h"
#include "serial/port_map.h"

using namespace DownloadTexts;

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

namespace {
// The window's message; a short file is named too, since a shell has no dialog showing it.
QString LoadHalf(EProgramHalf half, const QString& path) {
    const EHalfLoadResult result = LoadProgramHalf(half, path);
    const QString text = HalfLoadFailureText(result, path);
    return result == EHalfLoadResult::ReadFailed ? text + QLatin1Char(' ') + path : text;
}
} // namespace

QString LoadProgramFiles(const QString& path28000, const QString& path38000) {
    const QString failure = LoadHalf(EProgramHalf::Half28000, path28000);
    return failure.isEmpty() ? LoadHalf(EProgramHalf::Half38000, path38000) : failure;
}

QString WriteProgramImage(const QString& path) {
    switch (WriteBinFile(path)) {
    case EBinWriteResult::Written:
        return QString();
    case EBinWriteResult::CreateFailed:
        return kBinOpenFailed + QLatin1Char(' ') + path;
    case EBinWriteResult::WriteFailed:
        break;
    }
    return kBinWriteFailed + QLatin1Char(' ') + path;
}

CPortResult MakeBin(const CCliRequest& request) {
    CPortResult result;
    result.command = QStringLiteral("make-bin");
    const QString& out = request.arguments[2];
    QString failure = LoadProgramFiles(request.arguments[0], request.arguments[1]);
    if (failure.isEmpty())
        failure = WriteProgramImage(out);
    result.code = failure.isEmpty() ? kExitOk : kExitUsage;
    result.text =
        failure.isEmpty() ? QStringLiteral("%1: %2 bytes").arg(out).arg(kBinFileSize) : failure;
    if (failure.isEmpty())
        result.data = {{QStringLiteral("file"), out}, {QStringLiteral("bytes"), kBinFileSize}};
    return result;
}
