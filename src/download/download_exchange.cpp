#include "download_exchange.h"

#include "download_frames.h"
#include "download_texts.h"

#include "protocol/packets.h"
#include "serial/comm_log.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"

#include <utility>

using namespace DownloadTexts;

// The download reads its replies its own way: a reply collection an exchange before it left on
// the port (timer 1, as the download's own) goes.
CDownloadExchange::CDownloadExchange(CPortSession& session)
    : m_Session(session), m_Comm(session.Comm()), m_Timers(session.Timers()) {
    session.CollectNoReplies();
}

bool CDownloadExchange::IsUnderWay() const {
    return m_bDownloading || m_bStartRequested || m_Timers.IsRunning(kSendTimer);
}

void CDownloadExchange::Reset() {
    m_nAckCount = 0;
    m_bDownloading = false;
    m_bStartRequested = false;
    m_Comm.SetRThreshold(1);
    m_Comm.SetInputLen(kReplyReadLimit);
    emit WentIdle();
}

void CDownloadExchange::Start() {
    m_bStartRequested = true;
    const bool sent = SendStartRequest();
    emit Sending();
    if (!sent && IsUnderWay())
        EndOnFailedWrite();
}

void CDownloadExchange::Cancel() {
    StopTimers();
    Reset();
}

// The reply is read 100 ms after its first byte, however fast more bytes come.
void CDownloadExchange::OnComm() {
    OnReceiveEvent(m_Comm, m_Timers, kReplyReadLimit, kReplyTimer, kReplyPeriodMs);
}

void CDownloadExchange::OnTimer(int id) {
    if (id == kReplyTimer)
        OnReplyTimer();
    else if (id == kSendTimer)
        OnSendTimer();
    m_Comm.SetRThreshold(1);
    emit Ticked();
}

void CDownloadExchange::OnReplyTimer() {
    m_Timers.Stop(kReplyTimer);
    m_Comm.SetInputLen(kReplyReadLimit);
    const QByteArray reply = m_Comm.Input();
    if (g_pCommLog)
        g_pCommLog->EndExchange();
    CReplyFrame frame;
    if (FindReplyFrame(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()),
                       &frame))
        ActOnReply(frame);
    // During a download every reply, accepted or not, is followed by the next packet.
    if (m_bDownloading)
        m_Timers.Start(kSendTimer, kBlockPaceMs);
    DrainInput();
}

void CDownloadExchange::ActOnReply(const CReplyFrame& frame) {
    if (frame.command == kStartRequestCommand)
        OnStartAccepted();
    else if (frame.command == kHandshakeCommand && m_bDownloading)
        OnBlockReply(frame);
    else if (frame.command == kHandshakeCommand)
        OnUnexpectedAcknowledgement();
}

// Before a program goes out: without both program files loaded the user is told so; otherwise
// the question. The questions are modal and the port may be lost while one is open; that loss
// has been reported already, so an OK then leads nowhere. No value when nothing more is to be
// done: no program (the exchange is idle again), or the same question is still open.
std::optional<bool> CDownloadExchange::AskToSend(const QString& question) {
    if (!m_bProgramLoaded) {
        Reset();
        emit Told(Tr(kSelectProgramFirst));
        return std::nullopt;
    }
    m_answer.reset();
    emit Asked(question);
    const std::optional<bool> answer = std::exchange(m_answer, std::nullopt);
    if (!answer)
        return answer;
    return *answer && m_Comm.PortOpen();
}

void CDownloadExchange::OnStartAccepted() {
    const std::optional<bool> goOn = AskToSend(Tr(kAskOverwrite));
    if (!goOn)
        return;
    if (*goOn)
        m_Timers.Start(kSendTimer, kHandshakeDelayMs);
    else
        Reset();
}

void CDownloadExchange::OnBlockReply(const CReplyFrame& frame) {
    if (frame.p3 != 0)
        return; // not accepted: the same packet goes again
    if (frame.p2 == kLastBlockIndex) {
        emit Told(Tr(kDownloadDone));
        Reset();
        emit Ended(EDownloadEnd::Completed);
        return;
    }
    // Block 31 was in flight and the module wants more: the image has no block 32.
    if (m_nAckCount >= kBlockCount) {
        End(Tr(kDownloadFailed));
        emit Ended(EDownloadEnd::PastLastBlock);
        return;
    }
    CountAcknowledgement();
}

// An acknowledgement without a handshake: the module reports a faulty program and is waiting
// for blocks already.
void CDownloadExchange::OnUnexpectedAcknowledgement() {
    const std::optional<bool> goOn = AskToSend(Tr(kAskFaultyProgram));
    if (!goOn)
        return;
    if (!*goOn) {
        Reset();
        return;
    }
    m_bDownloading = true;
    CountAcknowledgement();
}

void CDownloadExchange::CountAcknowledgement() {
    ++m_nAckCount;
    emit AckCountChanged(m_nAckCount);
}

void CDownloadExchange::DrainInput() {
    while (m_Comm.InBufferCount() != 0)
        if (m_Comm.Input().isEmpty())
            break;
}

void CDownloadExchange::OnSendTimer() {
    m_Timers.Stop(kSendTimer);
    emit Sending();
    bool sent = false;
    if (m_bDownloading && m_nAckCount > 0) {
        sent = SendBlock(m_nAckCount - 1);
    } else {
        // The first handshake, or again while the handshake has not been acknowledged.
        m_bDownloading = true;
        sent = SendHandshake();
    }
    if (!sent && IsUnderWay())
        EndOnFailedWrite();
}

// A packet of a download under way could not be written: the device is gone.
void CDownloadExchange::EndOnFailedWrite() {
    End(Tr(kDownloadInterrupted));
    emit Ended(EDownloadEnd::WriteFailed);
}

bool CDownloadExchange::SendBlock(int k) {
    if (!BuildProgramBlock(k, m_Session.TxBuffer()))
        return false;
    return WriteToModule(kBlockPacketSize);
}

bool CDownloadExchange::SendStartRequest() {
    FillCommandPacket(m_Session.TxBuffer(), kStartRequestCommand, 0, 0, 0);
    return WriteToModule(kCommandPacketSize);
}

bool CDownloadExchange::SendHandshake() {
    FillCommandPacket(m_Session.TxBuffer(), kHandshakeCommand, 0, 0, 0);
    return WriteToModule(kCommandPacketSize);
}

bool CDownloadExchange::WriteToModule(int count) {
    if (!m_Comm.PortOpen())
        return false;
    return m_Session.WriteTx(count, kWritePieceSize);
}

void CDownloadExchange::StopTimers() {
    m_Timers.Stop(kReplyTimer);
    m_Timers.Stop(kSendTimer);
    m_Comm.SetRThreshold(1);
}

void CDownloadExchange::End(const QString& message) {
    StopTimers();
    Reset();
    emit Told(message);
}

void CDownloadExchange::EndOnLeave() {
    const bool underWay = IsUnderWay();
    StopTimers();
    if (underWay)
        End(Tr(kDownloadInterrupted));
}

void CDownloadExchange::OnPortLost() {
    if (IsUnderWay()) {
        End(Tr(kDownloadInterrupted));
        return;
    }
    StopTimers();
    emit Told(QString::fromLatin1(CommPortErrorText()));
}
