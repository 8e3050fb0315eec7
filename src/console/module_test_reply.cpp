// The test panel's reply path: the receive event, the collection ticks of timer 1 and the
// interpretation of a finished reply with its follow-ups (user-number increment, enrolment
// sequence, save button, batch step).
#include "module_test_panel.h"

#include "batch_storage.h"

#include "protocol/buffers.h"
#include "protocol/hex_text.h"
#include "protocol/reply_texts.h"
#include "serial/port_operations.h"
#include "widgets/prompts.h"

namespace {
// Command bytes of the enrolment steps.
constexpr uint8_t kEnrolFirst = 0x01, kEnrolSecond = 0x02, kEnrolLast = 0x03,
                  kEnrolLastWithUpload = 0x06;
} // namespace

void CModuleTestDlg::OnComm() {
    m_ReplyCycle.OnComm();
}

void CModuleTestDlg::OnTimer(int id) {
    if (m_ReplyCycle.OnTimer(id))
        OnReplyComplete();
}

void CModuleTestDlg::StopReplyCollection() {
    m_ReplyCycle.Stop();
}

// Timer 1 has stopped with a whole reply in g_RxBuffer: "发送命令" works again, the controls
// are read into the members and the reply is interpreted.
void CModuleTestDlg::OnReplyComplete() {
    SetEnabled(1005, true);
    Pull();
    InterpretReply();
}

// The device went away: the control has closed the port already; collecting stops, a batch
// under way ends (its next item must not go out by itself once a port is open again) and the
// user is told once.
void CModuleTestDlg::OnPortLost() {
    StopReplyCollection();
    if (g_bBatchActive)
        EndBatchOnSend();
    ShowMessage(this, QString::fromLatin1(CommPortErrorText()));
}

CReplyOptions CModuleTestDlg::ReplyOptions() const {
    CReplyOptions options;
    options.idIncAfterEnrol = m_bIdIncAfterEnrol != 0;
    options.idIncAfterStore = m_bIdIncAfterStore != 0;
    options.batchActive = g_bBatchActive;
    options.batchRunning = g_nBatchPos < g_nBatchCount;
    options.batchUser = BatchItemUser(g_nBatchPos);
    return options;
}

void CModuleTestDlg::InterpretReply() {
    SetText(1054, FormatHexDump(g_RxBuffer, g_nRxCount));
    const CReplyOutcome reply = InterpretReplyBytes(g_RxBuffer, g_nRxCount, ReplyOptions());
    if (reply.decodeImage)
        DecodeFingerImage();
    if (!reply.batchMessage.isEmpty())
        ShowBatchRefusal(reply.batchMessage);
    if (reply.incrementUser)
        IncrementUserNumber();
    SetText(1007, reply.status);
    RunBatchStep();
    RunEnrolmentStep(reply.command, reply.resultCode);
    if (reply.enableSave)
        SetEnabled(1048, true);
    g_nRxCount = 0;
}

void CModuleTestDlg::IncrementUserNumber() {
    const unsigned next = ParseHexField(1) * 256u + ParseHexField(2) + 1u;
    SetText(1000, HexNoLeadingZeros((next >> 8) & 0xFFu));
    SetText(1003, HexNoLeadingZeros(next & 0xFFu));
    OnParamByteChanged();
}

void CModuleTestDlg::RunEnrolmentStep(int command, int resultCode) {
    const bool ok = resultCode == 0x00;
    switch (command) {
    case kEnrolFirst:
        if (ok) {
            m_bEnrolFirstStep = false;
            Pull();
            SendNextEnrolmentStep(m_bCaptureTwice ? LastEnrolmentStep() : kEnrolSecond);
            return;
        }
        break;
    case kEnrolSecond:
        if (ok) {
            m_bEnrolFirstStep = false;
            SendNextEnrolmentStep(LastEnrolmentStep());
            return;
        }
        break;
    case kEnrolLast:
    case kEnrolLastWithUpload:
        break;
    default:
        return;
    }
    // A failed capture, or the last one: the packet is ready for a new enrolment with 0x01.
    m_bEnrolFirstStep = true;
    BuildCommand();
}

// The last capture asks for the new feature value when "特征值上传" is ticked.
uint8_t CModuleTestDlg::LastEnrolmentStep() const {
    return m_bUploadFeature ? kEnrolLastWithUpload : kEnrolLast;
}

// The build keeps this command byte for the enrol operation and renews its parameters; another
// operation selected in the meantime builds and sends its own command instead.
void CModuleTestDlg::SendNextEnrolmentStep(uint8_t command) {
    g_TxBuffer[1] = command;
    BuildCommand();
    OnSendCommand();
    g_nRxCount = 0;
}
