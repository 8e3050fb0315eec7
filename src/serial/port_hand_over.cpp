// The hand-over of the port between panels: the one port operation that speaks to the user.
#include "mscomm.h"
#include "port_map.h"
#include "port_operations.h"
#include "shared_settings.h"

#include "widgets/prompts.h"

bool PortHandOver(CMSComm* const* panelComms, int panelCount, CMSComm& chosen, QWidget* parent) {
    try {
        for (int i = 0; i < panelCount; ++i)
            if (panelComms[i]->PortOpen())
                panelComms[i]->SetPortOpen(false);
        // An adapter plugged in since the last look takes a free number now.
        RefreshPortMap();
        chosen.SetCommPort(static_cast<short>(g_nCommPort));
        chosen.SetPortOpen(true);
        ApplyBaudRate(chosen, g_nBaudIndex);
    } catch (const CCommPortError&) {
        ShowMessage(parent, PortOpenErrorMessage(QString::fromLatin1(CommPortErrorText()), chosen));
        return false;
    }
    return true;
}
