#include "console_rig.h"

#include "console/module_test_widgets.h"
#include "serial/panel_timers.h"

#include <QTest>

namespace {
constexpr int kSendButton = 1005;
constexpr int kResultField = 1007;
constexpr int kReplyTimer = 1;
} // namespace

CConsoleRig::CConsoleRig(const QStringList& simArguments)
    : CPanelControls(m_panel), m_session(simArguments) {
    m_panel.show();
    if (m_session.IsRunning())
        m_bPortOpen = CSimSession::OpenPanelPort(m_panel.Session(), &m_panel);
}

QString CConsoleRig::NotReadyReason() {
    if (!m_session.IsRunning())
        return m_session.StartFailure();
    return QStringLiteral("the port did not open: ") + m_prompts.m_messages.join(QLatin1Char('|'));
}

QString CConsoleRig::Text(int id) const {
    return ControlText(m_panel.Control(id));
}

void CConsoleRig::SelectWithParams(int radioId, const QString& p1, const QString& p2,
                                   const QString& p3) {
    Click(radioId);
    Type(1000, p1);
    Type(1003, p2);
    if (!p3.isEmpty())
        Type(1004, p3);
}

QString CConsoleRig::SendAndAwaitResult(int timeoutMs) {
    Click(kSendButton);
    return AwaitResult(timeoutMs);
}

QString CConsoleRig::AwaitResult(int timeoutMs) {
    const bool done = QTest::qWaitFor(
        [this] {
            return !Text(kResultField).isEmpty() && !m_panel.Timers().IsRunning(kReplyTimer);
        },
        timeoutMs);
    return done ? Text(kResultField) : QString();
}

QList<QByteArray> CConsoleRig::ReceivedCommands(const QList<uint8_t>& commands) const {
    QList<QByteArray> frames;
    for (const QByteArray& frame : LoggedFrames(m_session.Sim().LogLines(), QStringLiteral("RX")))
        if (frame.size() >= 8 && commands.contains(uint8_t(frame[1])))
            frames.append(frame);
    return frames;
}

QStringList CConsoleRig::LineTroubles() const {
    return LoggedTroubles(m_session.Sim().LogLines());
}
