#include "port_hand_over.h"

#include "serial/port_map.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"

#include "widgets/prompts.h"

bool PortHandOver(CPortSession* const* sessions, int panelCount, CPortSession& chosen,
                  QWidget* parent) {
    CMSComm& comm = chosen.Comm();
    try {
        for (int i = 0; i < panelCount; ++i)
            if (sessions[i]->Comm().PortOpen())
                sessions[i]->Comm().SetPortOpen(false);
        // An adapter plugged in since the last look takes a free number now.
        RefreshPortMap();
        comm.SetCommPort(static_cast<short>(g_nCommPort));
        comm.SetPortOpen(true);
        chosen.ApplyBaudRate(g_nBaudIndex);
    } catch (const CCommPortError&) {
        ShowMessage(parent, PortOpenErrorMessage(QString::fromLatin1(CommPortErrorText()), comm));
        return false;
    }
    return true;
}
