#pragma once
// The port number and rate index every panel opens its port with. Only the settings panel
// changes them (and the zero rule below); nothing is saved between runs.
#include <cstdint>

extern int32_t g_nCommPort;  // 1..8, COM1 at start; its device is bound in port_map.h
extern int32_t g_nBaudIndex; // rate index, 2 (19,200) at start

// A rate index of 0, left by a rate change the module confirmed while no module rate was
// selected, is in no rate list; at the next receive event of the settings or test panel it
// becomes 1, so the next hand-over opens the port at 9,600 bit/s.
void MendZeroRateIndex();

// Also forgets the devices bound to the port numbers.
void ResetSerialSettings();
