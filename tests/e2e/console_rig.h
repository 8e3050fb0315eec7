#pragma once
// The test console on a simulated module: scripted prompts, morvane-sim reached as COM1, and a
// shown CModuleTestDlg whose real port is opened by the hand-over. The members go in reverse
// order, so the panel closes its port before the simulator ends and the prompts go last.
// Widgets are driven as the user drives them: clicks on the indicator or the button, typing.
#include "sim_session.h"

#include "console/module_test_panel.h"
#include "support/panel_controls.h"
#include "support/scripted_prompts.h"

class CConsoleRig : public CPanelControls {
public:
    explicit CConsoleRig(const QStringList& simArguments = {});

    // The simulator runs and the panel's port is open.
    bool IsReady() const { return m_bPortOpen; }
    QString NotReadyReason();

    CScriptedPrompts& Prompts() { return m_prompts; }
    CSimProcess& Sim() { return m_session.Sim(); }
    CModuleTestDlg& Panel() { return m_panel; }

    QString Text(int id) const;
    // Selects the operation and types P1, P2 (and P3 unless empty) into its fields.
    void SelectWithParams(int radioId, const QString& p1, const QString& p2,
                          const QString& p3 = QString());

    // Presses "发送命令" and returns the result text once the reply has been interpreted (the
    // text is set and the collection is over); empty after timeoutMs without one.
    QString SendAndAwaitResult(int timeoutMs = 5000);
    // The same wait without pressing anything, after a handler that sends by itself.
    QString AwaitResult(int timeoutMs = 5000);

    // The frames the module received whose command byte is one of these, in order.
    QList<QByteArray> ReceivedCommands(const QList<uint8_t>& commands) const;
    // Faults the module saw on the line (see LoggedTroubles); empty for a clean exchange.
    QStringList LineTroubles() const;

private:
    CScriptedPrompts m_prompts;
    CSimSession m_session;
    CModuleTestDlg m_panel;
    bool m_bPortOpen = false;
};
