#pragma once
// The hand-over of the port between the view's panels: the one port operation that speaks to the
// user, so it lives with the panels rather than in the serial core.
class CPortSession;
class QWidget;

// Closes every open port of the panels' sessions (in the order given), binds the port numbers
// again from the devices there now (the device of g_nCommPort stays while it is there), opens the
// chosen one on g_nCommPort and gives it the rate of g_nBaudIndex. On failure shows "Comm port
// error!" with the port, its device and why, and returns false.
bool PortHandOver(CPortSession* const* sessions, int panelCount, CPortSession& chosen,
                  QWidget* parent);
