#pragma once
// The per-panel port operations: rate, reply input, reads and writes, and the texts for a port
// that failed. Replies are collected by each port's session (port_session.h); the hand-over of
// the port between panels is in panels/port_hand_over.h. No window system.
#include <QString>
#include <cstdint>

class CMSComm;
class QWidget;

// Settings with the rate table's string for the index ("19200,n,8,1" outside 1..5).
void ApplyBaudRate(CMSComm& comm, int baudIndex);

// How a panel that collects replies sets up its control: binary input, a receive event for the
// first byte that arrives (RThreshold 1) and reads of up to kRxReadChunk bytes.
void ConfigureReplyInput(CMSComm& comm);

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
