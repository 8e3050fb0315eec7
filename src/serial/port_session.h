#pragma once
// CPortSession: everything about the conversation on one port, owned in one place: the serial
// control, the panel timers it is paced by, the reply collection with its receive buffer, the
// transmit packet and the line rate. Nothing about a conversation is process-wide, so any number
// of ports run side by side: the window has one session a panel, morvane-cli one a port.
// The exchange that runs on a session fills its transmit packet and writes it through the
// session; the session hands every finished reply on as a value (ReplyCollected) and reports
// the receive events and timer ticks that are not the reply collection's by signals.
#include "mscomm.h"
#include "panel_timers.h"
#include "receive_cycle.h"

#include "protocol/buffers.h"

#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <memory>

class CPortSession : public QObject {
    Q_OBJECT
public:
    explicit CPortSession(QObject* parent = nullptr);
    CPortSession(std::unique_ptr<CSerialBackend> backend, QObject* parent);
    ~CPortSession() override;

    CMSComm& Comm() { return m_Comm; }
    const CMSComm& Comm() const { return m_Comm; }
    CPanelTimers& Timers() { return m_Timers; }
    const CPanelTimers& Timers() const { return m_Timers; }

    // From now on replies are collected by a receive cycle on timer 1 with these values; a port
    // without one (the download) gets its receive events and every tick by signal.
    CReceiveCycle& CollectReplies(int periodMs, int holdThreshold, int limit,
                                  EWhenFull whenFull = EWhenFull::DropExtra);
    // The reply collection; nullptr when the port has none.
    CReceiveCycle* ReplyCycle() const { return m_pReplyCycle.get(); }

    // The line rate of this port, an index of the rate table ("19200,n,8,1" outside 1..5).
    int BaudIndex() const { return m_nBaudIndex; }
    void ApplyBaudRate(int baudIndex);

    // The transmit packet: bytes 0..7 the command packet, then the data packet's payload. Its
    // contents stay between sends.
    uint8_t* TxBuffer() { return m_TxBuffer; }
    const uint8_t* TxBuffer() const { return m_TxBuffer; }
    int TxLength() const { return m_nTxLength; }
    void SetTxLength(int length) { m_nTxLength = length; }
    // Writes the first count bytes of the transmit packet, in pieces of at most pieceSize (one
    // piece for 0); false when any piece could not reach the port.
    bool WriteTx(int count, int pieceSize = 0);

    // The control's receive event and a tick of timer id, as they come (tests call them too).
    void OnComm();
    void OnTimer(int id);

signals:
    // The reply collection ended a reply: its bytes.
    void ReplyCollected(const QByteArray& reply);
    // A receive event on a port without a reply collection.
    void CommReceived();
    // Every tick, once the reply collection has taken its part (after ReplyCollected).
    void Ticked(int id);
    // The device went away; the control has closed the port.
    void PortLost();

private:
    CMSComm m_Comm;
    CPanelTimers m_Timers;
    std::unique_ptr<CReceiveCycle> m_pReplyCycle;
    uint8_t m_TxBuffer[kTxBufferSize] = {};
    int32_t m_nTxLength = 0;
    int m_nBaudIndex = 0;
};
