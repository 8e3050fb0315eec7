#pragma once
// The port number and rate index every panel opens its port with. Only the settings panel
// changes them (and the receive cycle's zero rule); nothing is saved between runs.
#include <cstdint>

extern int32_t g_nCommPort;  // 1..8, COM1 at start; its device is bound in port_map.h
extern int32_t g_nBaudIndex; // rate index, 2 (19,200) at start

// Also forgets the devices bound to the port numbers.
void ResetSerialSettings();
