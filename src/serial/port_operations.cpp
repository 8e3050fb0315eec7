#include "port_operations.h"

#include "comm_log.h"
#include "panel_timers.h"
#include "port_map.h"
#include "rate_table.h"
#include "serial_control.h"
#include "shared_settings.h"

#include "files/file_errors.h"
#include "protocol/buffers.h"

#include <QCoreApplication>
#include <cstring>

// Why a port did not open, translated as one context.
class CPortOpenTexts {
    Q_DECLARE_TR_FUNCTIONS(CPortOpenTexts)
};

namespace {
constexpr int kInputModeBinary = 1;
} // namespace

void ApplyBaudRate(CMSComm& comm, int baudIndex) {
    comm.SetSettings(RateSettings(baudIndex));
}

void ConfigureReplyInput(CMSComm& comm) {
    comm.SetInputMode(kInputModeBinary);
    comm.SetRThreshold(1);
    comm.SetInputLen(kRxReadChunk);
}

void OnReceiveEvent(CMSComm& comm, CPanelTimers& timers, int holdThreshold, int timerId,
                    int periodMs) {
    if (comm.CommEvent() != kCommEventReceive)
        return;
    comm.SetRThreshold(holdThreshold);
    if (!timers.IsRunning(timerId))
        timers.Start(timerId, periodMs);
}

int ReadReply(CMSComm& comm, uint8_t* dest) {
    const QByteArray bytes = comm.Input();
    if (!bytes.isEmpty())
        std::memcpy(dest, bytes.constData(), static_cast<size_t>(bytes.size()));
    return static_cast<int>(bytes.size());
}

bool WriteBytes(CMSComm& comm, const uint8_t* bytes, int count, int pieceSize) {
    const int piece = pieceSize > 0 ? pieceSize : count;
    if (g_pCommLog && count > 0)
        g_pCommLog->StartTransmission(); // the pieces below are one transmission
    bool allWritten = true;
    for (int at = 0; at < count; at += piece) {
        const int n = std::min(piece, count - at);
        allWritten =
            comm.Output(QByteArray(reinterpret_cast<const char*>(bytes + at), n)) && allWritten;
    }
    return allWritten;
}

const char* CommPortErrorText() {
    return "Comm port error!";
}

QString PortOpenErrorMessage(const QString& firstLine, const CMSComm& comm) {
    const QString device = comm.DeviceName();
    const QString port = PortListText(comm.CommPort() - 1);
    // "COM1（/dev/ttyUSB0）", or the port alone where its name is the device
    const QString where = device.isEmpty() || device == port
                              ? port
                              : CPortOpenTexts::tr("%1（%2）").arg(port, device);
    return firstLine + QLatin1Char('\n') +
           CPortOpenTexts::tr("%1：%2").arg(where, PortOpenFailureReason(comm));
}

QString PortOpenFailureReason(const CMSComm& comm) {
    const CPortOpenFailure& failure = comm.Backend()->OpenFailure();
    const QString device = comm.DeviceName();
    QString why;
    switch (failure.kind) {
    case EPortFailure::NotFound:
        why = device.isEmpty() ? CPortOpenTexts::tr("没有对应的串口设备，请检查连接。")
                               : CPortOpenTexts::tr("找不到该设备，请检查连接。");
        break;
    case EPortFailure::InUse:
        why = CPortOpenTexts::tr("串口已被其他程序占用，请先关闭该程序。");
        break;
    case EPortFailure::NoPermission:
        why = CPortOpenTexts::tr("当前用户没有权限打开该串口。\n请将当前用户加入 %1 组后重新登录。")
                  .arg(failure.group.isEmpty() ? QStringLiteral("dialout") : failure.group);
        break;
    default:
        why = failure.detail.isEmpty()
                  ? CPortOpenTexts::tr("无法打开。")
                  : CPortOpenTexts::tr("无法打开（%1）。").arg(SystemErrorTextOf(failure.detail));
        break;
    }
    return why;
}
