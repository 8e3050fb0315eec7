// The test panel's reply path: the receive event, the collection ticks of timer 1 and the
// interpretation of a finished reply with its follow-ups (user-number increment, enrolment
// sequence, save button, batch step).
#include "module_test_panel.h"
#include "module_test_widgets.h"

#include "protocol/hex_text.h"
#include "protocol/reply_texts.h"
#include "serial/port_operations.h"
#include "serial/shared_settings.h"
#include "widgets/prompts.h"

// The session collects each reply on timer 1 and hands it to its exchange, once the panel has
// given the choices shown; it paces the backup by its timers 3 and 4.
void CModuleTestDlg::ConnectSession() {
    connect(&Comm(), &CMSComm::OnComm, this, &MendZeroRateIndex);
    connect(&Session(), &CPortSession::ReplyCollected, this, &CModuleTestDlg::OnReplyComplete);
}

// The port is about to close: collecting ends, and a backup under way with what it has written.
void CModuleTestDlg::OnLeaving() {
    m_Console.StopReplyCollection();
    m_Backup.Stop();
}

void CModuleTestDlg::OnShown() {
    BuildCommand();
}

// Timer 1 has stopped with a whole reply: "发送命令" works again, and the controls are read into
// the members and given to the exchange, which reads the reply next.
void CModuleTestDlg::OnReplyComplete() {
    SetEnabled(ControlId::kSendCommand, true);
    Pull();
    m_Console.SetInputs(Inputs());
}

// The device went away: the control has closed the port already; collecting stops, a batch
// under way ends (its next item must not go out by itself once a port is open again) and the
// user is told once.
void CModuleTestDlg::OnPortLost() {
    m_Console.OnPortLost();
    ShowPortError();
}

// The exchange builds, checks, sends and steps on the choices the panel gives it; the panel shows
// what it reports.
void CModuleTestDlg::ConnectConsole() {
    connect(&m_Console, &CConsoleExchange::CommandBuilt, this, &CModuleTestDlg::ShowBuilt);
    const auto show = [this](const QString& message) { ShowMessage(this, message); };
    connect(&m_Console, &CConsoleExchange::Refused, this, show);
    connect(&m_Console, &CConsoleExchange::Told, this, show);
    connect(&m_Console, &CConsoleExchange::Sent, this, [this] {
        SetText(ControlId::kResult, QString());
        SetText(ControlId::kDump, QString());
    });
    connect(&m_Console, &CConsoleExchange::BackupSending, this, &CModuleTestDlg::ShowCommand);
    connect(&m_Console, &CConsoleExchange::ReplyRead, this, &CModuleTestDlg::ShowReply);
    connect(&m_Console, &CConsoleExchange::StatusRead, this, [this](const CReplyOutcome& reply) {
        if (reply.incrementUser)
            IncrementUserNumber();
    });
    // The result field takes the text as the exchange reads it, after the user number has moved on.
    connect(&m_Console, &CConsoleExchange::ResultText,
            static_cast<CDisplayField*>(Control(ControlId::kResult)), &CDisplayField::SetText);
    connect(&m_Console, &CConsoleExchange::ReplyDone, this,
            [this](const QByteArray&, const CReplyOutcome& reply) {
                if (reply.enableSave)
                    SetEnabled(ControlId::kSaveFeature, true);
            });
}

void CModuleTestDlg::ShowReply(const QByteArray& bytes, const CReplyOutcome& reply) {
    SetText(ControlId::kDump, FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                            static_cast<int>(bytes.size())));
    if (reply.decodeImage)
        DecodeFingerImage(bytes);
}

void CModuleTestDlg::IncrementUserNumber() {
    const CUserNumber next = NextUserNumber(ParseHexField(1), ParseHexField(2));
    SetText(ControlId::kParam1, HexNoLeadingZeros(next.high));
    SetText(ControlId::kParam2, HexNoLeadingZeros(next.low));
    OnParamByteChanged();
}
