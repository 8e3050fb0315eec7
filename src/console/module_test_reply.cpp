// The test panel's reply path: the receive event, the collection ticks of timer 1 and the
// interpretation of a finished reply with its follow-ups (user-number increment, enrolment
// sequence, save button, batch step).
#include "module_test_panel.h"

#include "protocol/buffers.h"
#include "protocol/hex_text.h"
#include "protocol/reply_texts.h"
#include "serial/port_operations.h"
#include "widgets/prompts.h"

void CModuleTestDlg::OnComm() {
    m_ReplyCycle.OnComm();
}

void CModuleTestDlg::OnTimer(int id) {
    if (m_ReplyCycle.OnTimer(id))
        OnReplyComplete();
    else
        m_Backup.OnTimer(id);
}

// The port is about to close: a backup under way ends with what it has written.
void CModuleTestDlg::OnLeaving() {
    m_ReplyCycle.Stop();
    m_Backup.Stop();
}

void CModuleTestDlg::OnShown() {
    BuildCommand();
}

// Timer 1 has stopped with a whole reply in g_RxBuffer: "发送命令" works again, the controls
// are read into the members and the reply is interpreted.
void CModuleTestDlg::OnReplyComplete() {
    SetEnabled(ControlId::kSendCommand, true);
    Pull();
    InterpretReply();
}

// The device went away: the control has closed the port already; collecting stops, a batch
// under way ends (its next item must not go out by itself once a port is open again) and the
// user is told once.
void CModuleTestDlg::OnPortLost() {
    m_ReplyCycle.Stop();
    m_Batch.EndIfActive();
    m_Backup.Stop();
    ShowPortError();
}

CReplyOptions CModuleTestDlg::ReplyOptions() const {
    CReplyOptions options;
    options.idIncAfterEnrol = m_bIdIncAfterEnrol != 0;
    options.idIncAfterStore = m_bIdIncAfterStore != 0;
    options.batchActive = m_Batch.IsActive();
    options.batchRunning = m_Batch.IsRunning();
    options.batchUser = m_Batch.CurrentUser();
    return options;
}

void CModuleTestDlg::InterpretReply() {
    SetText(ControlId::kDump, FormatHexDump(g_RxBuffer, g_nRxCount));
    const CReplyOutcome reply = InterpretReplyBytes(g_RxBuffer, g_nRxCount, ReplyOptions());
    if (reply.decodeImage)
        DecodeFingerImage();
    if (!reply.batchMessage.isEmpty())
        ShowBatchRefusal(reply.batchMessage);
    if (reply.incrementUser)
        IncrementUserNumber();
    SetText(ControlId::kResult, reply.status);
    RunBatchStep();
    RunEnrolmentStep(reply.command, reply.resultCode);
    if (reply.enableSave)
        SetEnabled(ControlId::kSaveFeature, true);
    RunBackupStep();
    g_nRxCount = 0;
}

void CModuleTestDlg::IncrementUserNumber() {
    const CUserNumber next = NextUserNumber(ParseHexField(1), ParseHexField(2));
    SetText(ControlId::kParam1, HexNoLeadingZeros(next.high));
    SetText(ControlId::kParam2, HexNoLeadingZeros(next.low));
    OnParamByteChanged();
}

void CModuleTestDlg::RunEnrolmentStep(int command, int resultCode) {
    m_Enrolment.OnReply(command, resultCode);
}

// A step has succeeded: the choices are read from the controls as they stand now.
CEnrolmentSequence::CHost CModuleTestDlg::EnrolmentHost() {
    CEnrolmentSequence::CHost host;
    host.options = [this] {
        Pull();
        CEnrolmentOptions options;
        options.captureTwice = m_bCaptureTwice != 0;
        options.uploadFeature = m_bUploadFeature != 0;
        return options;
    };
    host.sendStep = [this](uint8_t command) {
        m_bEnrolFirstStep = false;
        SendNextEnrolmentStep(command);
    };
    host.startOver = [this] { StartNewEnrolment(); };
    return host;
}

// The build keeps this command byte for the enrol operation and renews its parameters; another
// operation selected in the meantime builds and sends its own command instead.
void CModuleTestDlg::SendNextEnrolmentStep(uint8_t command) {
    g_TxBuffer[1] = command;
    BuildCommand();
    OnSendCommand();
    g_nRxCount = 0;
}

void CModuleTestDlg::StartNewEnrolment() {
    m_bEnrolFirstStep = true;
    BuildCommand();
}
