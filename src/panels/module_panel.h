#pragma once
// CModulePanel: what the view's three panels share. Each owns the session of its port: the
// serial control, its window timers and the conversation's state. The view opens the control's
// port when the panel is shown and closes it when another panel is shown, and tells the panel
// through OnShown and OnLeaving. The panel listens to its session's signals (a reply collected,
// a receive event, a tick); a lost device goes to OnPortLost.
#include "serial/panel_timers.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"

#include <QString>
#include <QWidget>

class CCoolButton;
class QLabel;

class CModulePanel : public QWidget {
    Q_OBJECT
public:
    CPortSession& Session() { return m_Session; }
    CMSComm& Comm() { return m_Session.Comm(); }
    CPanelTimers& Timers() { return m_Session.Timers(); }
    const CPanelTimers& Timers() const { return m_Session.Timers(); }

    // The panel is on show and the port is now its own.
    virtual void OnShown() {}
    // Another panel is about to be shown and the port closes under this one: whatever the
    // panel was collecting or sending ends here.
    virtual void OnLeaving() = 0;
    // A tick of timer id, as the panel's timers deliver it (tests fire it by hand): the session
    // takes it and reports what it means.
    void OnTimer(int id) { m_Session.OnTimer(id); }
    // The device went away; the control has closed the port already.
    virtual void OnPortLost() = 0;

protected:
    CModulePanel(const QString& objectName, const QString& accessibleName, QWidget* parent);

    // "Comm port error!" over the panel, for a port that is gone or refused a write.
    void ShowPortError();

private:
    CPortSession m_Session;
};

// The panels' controls are named ctl<id> and carry their caption for assistive technology.
QString ControlName(int id);
CCoolButton* MakeButton(const QString& caption, int id, QWidget* parent);
QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent);
