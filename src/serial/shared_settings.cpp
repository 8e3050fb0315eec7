#include "shared_settings.h"

#include "port_map.h"

int32_t g_nCommPort = 1;
int32_t g_nBaudIndex = 2;

void ResetSerialSettings() {
    g_nCommPort = 1;
    g_nBaudIndex = 2;
    ResetPortMap();
}
