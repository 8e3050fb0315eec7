#pragma once
// The per-panel port operations: rate, reply input, reads and writes, and the texts for a port
// that failed. Replies are collected by each port's session (port_session.h); the hand-over of
// the port between panels is in panels/port_hand_over.h. No window system.
#include <QString>
#include <cstdint>

class CMSComm;
class CPanelTimers;
class QWidget;

// Settings with the rate table's string for the index ("19200,n,8,1" outside 1..5).
void ApplyBaudRate(CMSComm& comm, int baudIndex);

// How a panel that collects replies sets up its control: binary input, a receive event for the
// first byte that arrives (RThreshold 1) and reads of up to kRxReadChunk bytes.
void ConfigureReplyInput(CMSComm& comm);

// A receive event of a port that reads its reply on timer timerId: RThreshold rises to the hold
// value, so no further event arrives while the reply comes in, and the timer starts unless it
// runs already. A collection under way keeps its pace: were its period started over at each
// event, a line that never pauses would put the tick off for good.
void OnReceiveEvent(CMSComm& comm, CPanelTimers& timers, int holdThreshold, int timerId,
                    int periodMs);

// One Input read copied to dest (room for at least InputLen bytes); returns the count.
int ReadReply(CMSComm& comm, uint8_t* dest);

// Writes count bytes in pieces of at most pieceSize (one piece when pieceSize is 0).
// A count of 0 writes nothing. False when any piece could not reach the port.
bool WriteBytes(CMSComm& comm, const uint8_t* bytes, int count, int pieceSize = 0);

// The text shown whenever a port cannot be opened or has gone away.
const char* CommPortErrorText();

// The box for a port that comm failed to open: firstLine ("Comm port error!" or "串口错误!"),
// then the port, its device and why (not found, in use, no permission with its fix). The same
// failure always gives the same text.
QString PortOpenErrorMessage(const QString& firstLine, const CMSComm& comm);
// Why comm failed to open, as the box above says it after the port and device.
QString PortOpenFailureReason(const CMSComm& comm);
