#include "console_exchange.h"

#include "module_test_texts.h"

#include "protocol/buffers.h"
#include "protocol/command_codes.h"
#include "protocol/packets.h"
#include "serial/mscomm.h"
#include "serial/port_operations.h"

#include <algorithm>
#include <utility>

CConsoleExchange::CConsoleExchange(CMSComm& comm, CPanelTimers& timers, CHost host, QObject* parent)
    : QObject(parent), m_Comm(comm), m_host(std::move(host)),
      m_ReplyCycle(comm, timers, kReplyPeriodMs, kHoldThreshold, kRxCollectLimit),
      m_Enrolment(EnrolmentHost()), m_Batch(BatchHost(), this) {}

CBuildResult CConsoleExchange::BuildInto(CBuildInputs inputs) {
    inputs.previousCommand = g_TxBuffer[1];
    const CBuildResult built = BuildOperation(inputs);
    if (!built.noChange) {
        g_TxBuffer[1] = built.command;
        g_TxBuffer[2] = built.p1;
        g_TxBuffer[3] = built.p2;
        g_TxBuffer[4] = built.p3;
        if (built.hasPayloadHeader)
            std::copy(std::begin(built.payload), std::end(built.payload), g_TxBuffer + 9);
        g_nTxLength = built.txLength;
    }
    FillCommandPacket(g_TxBuffer[1], g_TxBuffer[2], g_TxBuffer[3], g_TxBuffer[4]);
    return built;
}

bool CConsoleExchange::NeedsUserCheck() {
    const uint8_t command = g_TxBuffer[1];
    return command == ModuleCommand::kEnrolFirst || command == ModuleCommand::kStoreFeature;
}

// The user number and privilege of a first enrolment step (bytes 2 to 4) or of a feature store
// (payload bytes 0 to 2).
QString CConsoleExchange::UserCheckRefusal(bool uploadFeature) {
    if (!NeedsUserCheck())
        return QString();
    const bool enrol = g_TxBuffer[1] == ModuleCommand::kEnrolFirst;
    if (enrol && uploadFeature)
        return QString();
    const uint8_t* user = g_TxBuffer + (enrol ? 2 : 9);
    if (user[0] == 0 && user[1] == 0)
        return ModuleTestTexts::kUserNumberZero;
    if (user[2] == 0)
        return ModuleTestTexts::kPrivilegeInvalid;
    return QString();
}

// A batch item brings its whole store packet and length, so a choice made on the front end
// while the batch runs never changes what is stored.
void CConsoleExchange::SendCommand() {
    if (m_Batch.IsActive()) {
        const int length = m_Batch.FillItem(g_TxBuffer);
        if (length == 0)
            return;
        g_nTxLength = length;
    } else if (!m_host.prepareCommand()) {
        return;
    }
    WriteTransmission();
}

void CConsoleExchange::OnSendCommand() {
    m_Batch.End();
    SendCommand();
}

// A write that cannot reach the port (closed, or the device refused it) is reported; the
// receive count then stays as it was, since nothing went out. A batch ends there, as it does
// when the port is lost, so that no later reply sends its next item.
bool CConsoleExchange::WriteTransmission() {
    if (g_nTxLength > kCommandPacketSize)
        FrameDataPacket(g_nTxLength);
    if (!WriteBytes(m_Comm, g_TxBuffer, g_nTxLength)) {
        m_Batch.EndIfActive();
        m_host.tell(QString::fromLatin1(CommPortErrorText()));
        return false;
    }
    m_host.sent();
    g_nRxCount = 0;
    return true;
}

void CConsoleExchange::OnComm() {
    m_ReplyCycle.OnComm();
}

bool CConsoleExchange::OnTimer(int id) {
    return m_ReplyCycle.OnTimer(id);
}

void CConsoleExchange::StopReplyCollection() {
    m_ReplyCycle.Stop();
}

void CConsoleExchange::OnPortLost() {
    StopReplyCollection();
    m_Batch.EndIfActive();
}

void CConsoleExchange::InterpretReply(CReplyOptions options) {
    options.batchActive = m_Batch.IsActive();
    options.batchRunning = m_Batch.IsRunning();
    options.batchUser = m_Batch.CurrentUser();
    const CReplyOutcome reply = InterpretReplyBytes(g_RxBuffer, g_nRxCount, options);
    m_host.showReply(reply);
    if (!reply.batchMessage.isEmpty())
        m_Batch.OnRefused(reply.batchMessage);
    m_host.showStatus(reply);
    m_Batch.OnReply();
    m_Enrolment.OnReply(reply.command, reply.resultCode);
    m_host.replyDone(reply);
    g_nRxCount = 0;
}

// A step has succeeded: the next capture keeps its command byte in the build, which renews its
// parameters; another operation chosen in the meantime builds and sends its own command instead.
CEnrolmentSequence::CHost CConsoleExchange::EnrolmentHost() {
    CEnrolmentSequence::CHost host;
    host.options = [this] { return m_host.enrolmentOptions(); };
    host.sendStep = [this](uint8_t command) {
        g_TxBuffer[1] = command;
        m_host.rebuild(false);
        m_host.sendOwnCommand();
        g_nRxCount = 0;
    };
    host.startOver = [this] { m_host.rebuild(true); };
    return host;
}

CBatchStore::CHost CConsoleExchange::BatchHost() {
    CBatchStore::CHost host;
    host.sendItem = [this] {
        SendCommand();
        g_nRxCount = 0;
    };
    host.tell = [this](const QString& message) { m_host.tell(message); };
    return host;
}
