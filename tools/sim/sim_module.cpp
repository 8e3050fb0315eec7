#include "sim_module.h"

#include "module_commands.h"
#include "module_replies.h"
#include "sim_packets.h"

namespace sim {

namespace {
QString Hex2(uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

CRequest RequestOf(const CFrame& frame) {
    return CRequest{frame.command, frame.p1, frame.p2, frame.p3, frame.payload};
}
} // namespace

CSimModule::CSimModule(const CModuleSettings& settings, const CSimFaults& faults)
    : m_state(settings), m_faults(faults), m_download(faults.nakEvery),
      m_noise(MixSeed(settings.seed, 0x4E4F4953)) {} // "NOIS"

bool CSimModule::TakeFinishedDownload() {
    const bool finished = m_bFinishedPending;
    m_bFinishedPending = false;
    return finished;
}

CAnswer CSimModule::OnFrame(const CFrame& frame) {
    switch (frame.kind) {
    case EFrameKind::Garbage:
        return CAnswer();
    case EFrameKind::Block:
    case EFrameKind::TruncatedBlock:
        return OnBlockFrame(frame);
    case EFrameKind::Command:
    case EFrameKind::BadData:
    case EFrameKind::TruncatedData:
        return CutShort(OnCommandFrame(frame), frame.command);
    }
    return CAnswer();
}

CAnswer CSimModule::OnCommandFrame(const CFrame& frame) {
    const uint8_t command = frame.command;
    if (m_state.Asleep())
        return CAnswer{{}, {}, QStringLiteral("asleep: not answered")};
    if (m_download.Active() && command != cmd::kDownload) {
        m_download.Abort();
        m_bFinishedPending = false;
    }
    if (m_faults.muted.count(command))
        return CAnswer{{}, {}, QStringLiteral("muted: not answered")};
    const auto raw = m_faults.rawReplies.find(command);
    if (raw != m_faults.rawReplies.end())
        return CAnswer{{}, raw->second, QStringLiteral("answered with the bytes of --reply")};
    const auto forced = m_faults.forcedResults.find(command);
    if (forced != m_faults.forcedResults.end())
        return CAnswer{{},
                       FailureReply(command, forced->second),
                       QStringLiteral("forced result ") + Hex2(forced->second)};
    if (frame.kind != EFrameKind::Command) {
        const QString why = frame.kind == EFrameKind::BadData
                                ? QStringLiteral("bad data packet")
                                : QStringLiteral("truncated data packet");
        return CAnswer{{}, FailureReply(command, FailureResult(command)), why};
    }
    if (command == cmd::kDownload)
        return DownloadAnswer(m_download.Begin(), QStringLiteral("download handshake"));
    const QString note =
        IsKnownCommand(command) ? QString() : QStringLiteral("unknown command ") + Hex2(command);
    return CAnswer{{}, AnswerCommand(m_state, RequestOf(frame)), note};
}

// The module stops in the middle of its reply: only the first bytes go out.
CAnswer CSimModule::CutShort(CAnswer answer, uint8_t command) const {
    const auto cut = m_faults.cutReplies.find(command);
    if (cut == m_faults.cutReplies.end() || cut->second >= answer.reply.size())
        return answer;
    answer.note =
        QStringLiteral("reply of %1 bytes cut to %2").arg(answer.reply.size()).arg(cut->second);
    answer.reply.truncate(cut->second);
    return answer;
}

CAnswer CSimModule::OnBlockFrame(const CFrame& frame) {
    if (!m_download.Active())
        return CAnswer{{}, {}, QStringLiteral("block outside a download: not answered")};
    const QByteArray ack = frame.kind == EFrameKind::Block
                               ? m_download.OnBlock(frame)
                               : m_download.OnTruncatedBlock(frame.blockIndex);
    const bool kept = Byte(ack, 4) == rc::kOk;
    QString note = QStringLiteral("block %1 %2")
                       .arg(frame.blockIndex)
                       .arg(kept ? QStringLiteral("kept")
                                 : QStringLiteral("refused, reason ") + Hex2(Byte(ack, 4)));
    if (m_download.Finished() && kept && frame.blockIndex == CDownloadReceiver::kLastBlock) {
        m_bFinishedPending = true;
        note += QStringLiteral("; download complete");
        // The new program answers with its own version, when the image says which.
        const QString version = ImageVersionText(m_download.ProgramImage());
        if (!version.isEmpty()) {
            m_state.SetVersionText(version);
            note += QStringLiteral("; version now ") + version;
        }
    }
    return DownloadAnswer(ack, note);
}

CAnswer CSimModule::DownloadAnswer(const QByteArray& ack, const QString& note) {
    return CAnswer{Noise(), ack, note};
}

// Noise never contains the frame mark, so that the acknowledgement behind it stays findable.
QByteArray CSimModule::Noise() {
    QByteArray noise;
    while (noise.size() < m_faults.noiseBytes) {
        const uint8_t b = m_noise.NextByte();
        if (b != kMark)
            noise.append(char(b));
    }
    return noise;
}

} // namespace sim
