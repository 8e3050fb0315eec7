#pragma once
// Port numbers 1..8 ("COM1".."COM8") and the devices behind them.
#include <QString>

constexpr int kPortCount = 8;

// "COM1" for position 0.
QString PortListText(int position);
// The device of port n: on Windows "COMn"; elsewhere MORVANE_COM<n> when set, else /dev/ttyS<n-1>.
QString DeviceForPort(int port);
