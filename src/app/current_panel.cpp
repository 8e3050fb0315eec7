#include "current_panel.h"

int32_t g_nCurrentPanel = kPanelTest;

void ResetCurrentPanel() {
    g_nCurrentPanel = kPanelTest;
}
