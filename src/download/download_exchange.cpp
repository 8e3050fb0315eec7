// The download exchange of the panel: start request, overwrite question, handshake, the 32
// blocks paced by the send timer, and the replies read by the reply timer.
#include "download_panel.h"

#include "download_frames.h"
#include "download_texts.h"

#include "protocol/buffers.h"
#include "protocol/packets.h"
#include "serial/port_operations.h"
#include "widgets/cool_button.h"
#include "widgets/prompts.h"

#include <QProgressBar>

using namespace DownloadTexts;

void CDownloadDlg::OnStartDownload() {
    m_bStartRequested = true;
    const bool sent = SendStartRequest();
    m_pStartDownload->setEnabled(false);
    RefreshBrowseButtons();
    if (!sent && IsDownloadUnderWay())
        EndDownload(kDownloadInterrupted);
}

void CDownloadDlg::OnCancelDownload() {
    if (IsPromptOpen(this, kAskCancel) || !AskOkCancel(this, kAskCancel))
        return;
    StopTimers();
    ResetDownload();
}

void CDownloadDlg::OnComm() {
    if (m_Comm.CommEvent() != kCommEventReceive)
        return;
    m_Comm.SetRThreshold(kReplyReadLimit);
    m_Timers.Start(kReplyTimer, kReplyPeriodMs);
}

void CDownloadDlg::OnTimer(int id) {
    if (id == kReplyTimer)
        OnReplyTimer();
    else if (id == kSendTimer)
        OnSendTimer();
    m_Comm.SetRThreshold(1);
    RefreshBrowseButtons();
}

void CDownloadDlg::OnReplyTimer() {
    m_Timers.Stop(kReplyTimer);
    m_Comm.SetInputLen(kReplyReadLimit);
    const int n = ReadReply(m_Comm, g_RxBuffer);
    CReplyFrame frame;
    if (FindReplyFrame(g_RxBuffer, n, &frame))
        ActOnReply(frame);
    // During a download every reply, accepted or not, is followed by the next packet.
    if (m_bDownloading)
        m_Timers.Start(kSendTimer, kBlockPaceMs);
    DrainInput();
}

void CDownloadDlg::ActOnReply(const CReplyFrame& frame) {
    if (frame.command == kStartRequestCommand)
        OnStartAccepted();
    else if (frame.command == kHandshakeCommand && m_bDownloading)
        OnBlockReply(frame);
    else if (frame.command == kHandshakeCommand)
        OnUnexpectedAcknowledgement();
}

// The questions are modal and the port may be lost while one is open; that loss has been
// reported already, so an OK then leads nowhere.
bool CDownloadDlg::AskToGoOn(const QString& question) {
    return AskOkCancel(this, question) && m_Comm.PortOpen();
}

// The module may open the exchange by itself; without both program files loaded there is no
// program to send, and the user is told so instead of being asked to overwrite the module's.
bool CDownloadDlg::ProgramReadyToSend() {
    if (BothHalvesLoaded())
        return true;
    ResetDownload();
    ShowMessage(this, kSelectProgramFirst);
    return false;
}

// A question still open waits for its answer; the same request again asks nothing.
void CDownloadDlg::OnStartAccepted() {
    if (IsPromptOpen(this, kAskOverwrite) || !ProgramReadyToSend())
        return;
    if (AskToGoOn(kAskOverwrite))
        m_Timers.Start(kSendTimer, kHandshakeDelayMs);
    else
        ResetDownload();
}

void CDownloadDlg::OnBlockReply(const CReplyFrame& frame) {
    if (frame.p3 != 0)
        return; // not accepted: the same packet goes again
    if (frame.p2 == kLastBlockIndex) {
        ShowMessage(this, kDownloadDone);
        ResetDownload();
        return;
    }
    // Block 31 was in flight and the module wants more: the image has no block 32.
    if (m_nAckCount >= kBlockCount) {
        EndDownload(kDownloadFailed);
        return;
    }
    CountAcknowledgement();
}

// An acknowledgement without a handshake: the module reports a faulty program and is waiting
// for blocks already.
void CDownloadDlg::OnUnexpectedAcknowledgement() {
    if (IsPromptOpen(this, kAskFaultyProgram) || !ProgramReadyToSend())
        return;
    if (!AskToGoOn(kAskFaultyProgram)) {
        ResetDownload();
        return;
    }
    m_bDownloading = true;
    CountAcknowledgement();
}

void CDownloadDlg::CountAcknowledgement() {
    m_pProgress->setValue(m_pProgress->value() + 1);
    ++m_nAckCount;
}

void CDownloadDlg::DrainInput() {
    while (m_Comm.InBufferCount() != 0)
        if (ReadReply(m_Comm, g_RxBuffer) == 0)
            break;
}

void CDownloadDlg::OnSendTimer() {
    m_Timers.Stop(kSendTimer);
    m_pStartDownload->setEnabled(false);
    bool sent = false;
    if (m_bDownloading && m_nAckCount > 0) {
        sent = SendBlock(m_nAckCount - 1);
    } else {
        // The first handshake, or again while the handshake has not been acknowledged.
        m_bDownloading = true;
        sent = SendHandshake();
    }
    if (!sent && IsDownloadUnderWay())
        EndDownload(kDownloadInterrupted);
}

bool CDownloadDlg::SendBlock(int k) {
    if (!BuildProgramBlock(k, g_TxBuffer))
        return false;
    return WriteToModule(kBlockPacketSize);
}

bool CDownloadDlg::SendStartRequest() {
    FillCommandPacket(kStartRequestCommand, 0, 0, 0);
    return WriteToModule(kCommandPacketSize);
}

bool CDownloadDlg::SendHandshake() {
    FillCommandPacket(kHandshakeCommand, 0, 0, 0);
    return WriteToModule(kCommandPacketSize);
}

bool CDownloadDlg::WriteToModule(int count) {
    if (!m_Comm.PortOpen())
        return false;
    return WriteBytes(m_Comm, g_TxBuffer, count, kWritePieceSize);
}

void CDownloadDlg::StopTimers() {
    m_Timers.Stop(kReplyTimer);
    m_Timers.Stop(kSendTimer);
    m_Comm.SetRThreshold(1);
}

void CDownloadDlg::EndDownload(const QString& message) {
    StopTimers();
    ResetDownload();
    ShowMessage(this, message);
}

void CDownloadDlg::EndDownloadOnLeave() {
    const bool underWay = IsDownloadUnderWay();
    StopTimers();
    if (underWay)
        EndDownload(kDownloadInterrupted);
}

void CDownloadDlg::OnPortLost() {
    if (IsDownloadUnderWay()) {
        EndDownload(kDownloadInterrupted);
        return;
    }
    StopTimers();
    ShowMessage(this, QString::fromLatin1(CommPortErrorText()));
}
