#include "shared_settings.h"

#include "port_map.h"

int32_t g_nCommPort = 1;
int32_t g_nBaudIndex = 2;

void MendZeroRateIndex() {
    if (g_nBaudIndex == 0)
        g_nBaudIndex = 1;
}

void ResetSerialSettings() {
    g_nCommPort = 1;
    g_nBaudIndex = 2;
    ResetPortMap();
}
