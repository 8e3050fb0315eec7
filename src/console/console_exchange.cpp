#include "console_exchange.h"

#include "feature_files.h"
#include "module_test_texts.h"

#include "protocol/buffers.h"
#include "protocol/command_codes.h"
#include "protocol/packets.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"

#include <algorithm>
#include <utility>

CConsoleExchange::CConsoleExchange(CPortSession& session)
    : m_Session(session),
      m_ReplyCycle(session.CollectReplies(kReplyPeriodMs, kHoldThreshold, kRxCollectLimit)),
      m_Batch(this), m_Backup(session, this) {
    ConnectSteps();
}

// The batch asks for its items and tells its refusals; the backup's packets go out as the
// console's own would, each reply going on to it once read.
void CConsoleExchange::ConnectSteps() {
    connect(&m_Batch, &CBatchExchange::ItemDue, this, &CConsoleExchange::SendBatchItem);
    connect(&m_Batch, &CBatchExchange::Told, this, &CConsoleExchange::Told);
    connect(&m_Backup, &CUserBackup::CommandReady, this, &CConsoleExchange::SendBackupCommand);
}

CBuildResult CConsoleExchange::Build(const CCommandInputs& inputs) {
    m_inputs = inputs;
    uint8_t* tx = m_Session.TxBuffer();
    CBuildInputs build = inputs.build;
    build.previousCommand = tx[1];
    const CBuildResult built = BuildOperation(build);
    if (!built.noChange) {
        tx[1] = built.command;
        tx[2] = built.p1;
        tx[3] = built.p2;
        tx[4] = built.p3;
        if (built.hasPayloadHeader)
            std::copy(std::begin(built.payload), std::end(built.payload), tx + 9);
        m_Session.SetTxLength(built.txLength);
    }
    FillCommandPacket(tx, tx[1], tx[2], tx[3], tx[4]);
    m_bNeedFeatureFile = !built.noChange && built.needFeatureFile;
    emit CommandBuilt(built, inputs.build.enrolFirstStep);
    return built;
}

CBuildResult CConsoleExchange::Rebuild(bool enrolFirstStep) {
    CCommandInputs inputs = m_inputs;
    inputs.build.enrolFirstStep = enrolFirstStep;
    return Build(inputs);
}

void CConsoleExchange::SendBareCommand(uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3) {
    FillCommandPacket(m_Session.TxBuffer(), command, p1, p2, p3);
    m_Session.SetTxLength(kCommandPacketSize);
    m_bNeedFeatureFile = false;
    OnSendCommand();
}

// The user checks, then the feature file(s) of a feature command, loaded into the packet built
// again around them.
bool CConsoleExchange::PrepareCommand() {
    QString refusal = UserCheckRefusal(m_inputs.enrolment.uploadFeature);
    if (refusal.isEmpty() && m_bNeedFeatureFile) {
        refusal =
            LoadFeatureFiles(m_inputs.featurePath, m_inputs.build.twoFingers, m_Session.TxBuffer());
        if (refusal.isEmpty())
            Build(m_inputs);
    }
    if (!refusal.isEmpty())
        emit Refused(refusal);
    return refusal.isEmpty();
}

bool CConsoleExchange::NeedsUserCheck() const {
    const uint8_t command = m_Session.TxBuffer()[1];
    return command == ModuleCommand::kEnrolFirst || command == ModuleCommand::kStoreFeature;
}

// The user number and privilege of a first enrolment step (bytes 2 to 4) or of a feature store
// (payload bytes 0 to 2).
QString CConsoleExchange::UserCheckRefusal(bool uploadFeature) const {
    if (!NeedsUserCheck())
        return QString();
    const uint8_t* tx = m_Session.TxBuffer();
    const bool enrol = tx[1] == ModuleCommand::kEnrolFirst;
    if (enrol && uploadFeature)
        return QString();
    const uint8_t* user = tx + (enrol ? 2 : 9);
    if (user[0] == 0 && user[1] == 0)
        return ModuleTestTexts::Tr(ModuleTestTexts::kUserNumberZero);
    if (user[2] == 0)
        return ModuleTestTexts::Tr(ModuleTestTexts::kPrivilegeInvalid);
    return QString();
}

// A batch item brings its whole store packet and length, so a choice made on the front end
// while the batch runs never changes what is stored.
void CConsoleExchange::SendCommand() {
    if (m_Batch.IsActive()) {
        const int length = m_Batch.FillItem(m_Session.TxBuffer());
        if (length == 0)
            return;
        m_Session.SetTxLength(length);
    } else if (!PrepareCommand()) {
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
    const int length = m_Session.TxLength();
    if (length > kCommandPacketSize)
        FrameDataPacket(m_Session.TxBuffer(), length);
    if (!m_Session.WriteTx(length)) {
        m_Batch.EndIfActive();
        emit Told(QString::fromLatin1(CommPortErrorText()));
        emit WriteFailed();
        return false;
    }
    emit Sent();
    m_ReplyCycle.ResetRxCount();
    return true;
}

void CConsoleExchange::StopReplyCollection() {
    m_ReplyCycle.Stop();
}

void CConsoleExchange::OnPortLost() {
    StopReplyCollection();
    m_Batch.EndIfActive();
    m_Backup.Stop();
}

void CConsoleExchange::OnTimer(int id) {
    m_Backup.OnTimer(id);
}

void CConsoleExchange::OnReply(const QByteArray& bytes) {
    CReplyOptions options = m_inputs.reply;
    options.batchActive = m_Batch.IsActive();
    options.batchRunning = m_Batch.IsRunning();
    options.batchUser = m_Batch.CurrentUser();
    const CReplyOutcome reply =
        InterpretReplyBytes(reinterpret_cast<const uint8_t*>(bytes.constData()),
                            static_cast<int>(bytes.size()), options);
    emit ReplyRead(bytes, reply);
    if (!reply.batchMessage.isEmpty())
        m_Batch.OnRefused(reply.batchMessage);
    emit StatusRead(reply);
    emit ResultText(reply.status);
    m_Batch.OnReply();
    TakeEnrolmentStep(NextEnrolmentStep(reply.command, reply.resultCode, m_inputs.enrolment));
    emit ReplyDone(bytes, reply);
    m_Backup.OnReply(bytes);
    m_ReplyCycle.ResetRxCount();
}

void CConsoleExchange::StopFollowUps() {
    m_Batch.EndIfActive();
    m_bFollowUpsStopped = true;
}

void CConsoleExchange::TakeEnrolmentStep(const CEnrolmentStep& step) {
    if (step.action == CEnrolmentStep::EAction::SendStep)
        SendEnrolmentStep(step.command);
    else if (step.action == CEnrolmentStep::EAction::StartOver)
        Rebuild(true);
}

// A step has succeeded: the next capture keeps its command byte in the build, which renews its
// parameters; another operation chosen in the meantime builds and sends its own command instead.
// It goes out as if the user had pressed "发送命令": a backup under way ends.
void CConsoleExchange::SendEnrolmentStep(uint8_t command) {
    m_Session.TxBuffer()[1] = command;
    Rebuild(false);
    if (!m_bFollowUpsStopped) {
        m_Backup.Stop();
        OnSendCommand();
    }
    m_ReplyCycle.ResetRxCount();
}

void CConsoleExchange::SendBatchItem() {
    SendCommand();
    m_ReplyCycle.ResetRxCount();
}

// A backup never runs beside a batch; its packet is shown and written like any other.
void CConsoleExchange::SendBackupCommand() {
    m_Batch.EndIfActive();
    emit BackupSending();
    m_Backup.Written(WriteTransmission());
}
