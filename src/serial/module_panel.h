#pragma once
// CModulePanel: what the view's three panels share. Each owns one serial control and its window
// timers. The view opens the control's port when the panel is shown and closes it when another
// panel is shown, and tells the panel through OnShown and OnLeaving. Every tick of the timers
// goes to OnTimer, the control's receive event to OnComm and a lost device to OnPortLost.
#include "serial/mscomm.h"
#include "serial/panel_timers.h"

#include <QString>
#include <QWidget>

class CCoolButton;
class QLabel;

class CModulePanel : public QWidget {
    Q_OBJECT
public:
    CMSComm& Comm() { return m_Comm; }
    CPanelTimers& Timers() { return m_Timers; }
    const CPanelTimers& Timers() const { return m_Timers; }

    // The panel is on show and the port is now its own.
    virtual void OnShown() {}
    // Another panel is about to be shown and the port closes under this one: whatever the
    // panel was collecting or sending ends here.
    virtual void OnLeaving() = 0;
    virtual void OnComm() = 0;
    virtual void OnTimer(int id) = 0;
    // The device went away; the control has closed the port already.
    virtual void OnPortLost() = 0;

protected:
    CModulePanel(const QString& objectName, const QString& accessibleName, QWidget* parent);

    // "Comm port error!" over the panel, for a port that is gone or refused a write.
    void ShowPortError();

private:
    CMSComm m_Comm;
    CPanelTimers m_Timers;
};

// The panels' controls are named ctl<id> and carry their caption for assistive technology.
QString ControlName(int id);
CCoolButton* MakeButton(const QString& caption, int id, QWidget* parent);
QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent);
