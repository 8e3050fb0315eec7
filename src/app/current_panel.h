#pragma once
// Which panel is on show: 1 communication settings, 2 module test, 3 program download.
#include <cstdint>

enum EPanel : int32_t { kPanelSettings = 1, kPanelTest = 2, kPanelDownload = 3 };

extern int32_t g_nCurrentPanel; // 2 at start

void ResetCurrentPanel();
