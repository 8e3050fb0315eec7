#pragma once
// CPortSession: everything about the conversation on one port, owned in one place: the serial
// control, the panel timers it is paced by, the reply collection with its receive buffer, the
// transmit packet and the line rate. Nothing about a conversation is process-wide, so any number
// of ports run side by side: the window has one session a panel, morvane-cli one a port.
// The session owns the exchange that runs on it (CreateExchange): the exchange fills the
// transmit packet and writes it through the session; the session hands it every finished reply
// as a value, the receive events that are not the reply collection's and every tick, and
// raises the same events as signals for the front end (ReplyCollected first, so that the front
// end can give the exchange its choices of the moment before the reply is read).
#include "panel_timers.h"
#include "port_exchange.h"
#include "serial_control.h"

#include "protocol/buffers.h"

#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <memory>
#include <utility>

// What a tick does when the next read might not fit behind m_nRxCount any more.
enum class EWhenFull {
    DropExtra, // read anyway; bytes beyond the buffer are dropped
    StartOver, // collect again from the front of the buffer
};

// When a reply cut at the limit is handed on.
enum class ECutReply {
    AtTheLimit,   // at the tick that reaches the limit (the panels show what arrived by then)
    WhenLineQuiet // at the tick that finds the line quiet after it; a line that never goes
                  // quiet never hands it on (morvane-cli then reports that the module kept
                  // sending)
};

// CReceiveCycle: how a port's session collects a module reply for the settings and test panels
// and their morvane-cli counterparts. The receive event raises RThreshold to the hold value, so
// no further event arrives while the reply comes in, and starts timer 1. Each tick sets
// RThreshold back to 1 and appends one read to the cycle's own receive buffer m_RxBuffer at
// m_nRxCount. The first tick that reads nothing, or that brings m_nRxCount to the limit, ends the
// reply: its first m_nRxCount bytes. The buffer is not cleared between replies.
// Timer 1 keeps its pace however fast bytes arrive: a receive event while it runs does not start
// its period over. What arrives after a reply cut at the limit is read and dropped, never
// stored, until a tick finds the line quiet.
class CReceiveCycle {
public:
    static constexpr int kTimerId = 1;

    CReceiveCycle(CMSComm& comm, CPanelTimers& timers, int periodMs, int holdThreshold, int limit,
                  EWhenFull whenFull = EWhenFull::DropExtra);
    ~CReceiveCycle();

    void SetCutReply(ECutReply cutReply) { m_cutReply = cutReply; }

    // The OnComm event of the panel's control.
    void OnComm();
    // A tick of the panel's timer id. True when it ended a reply: the reply is Reply(), and
    // timer 1 is stopped unless the reply was cut at the
    // limit (it then runs on to drop what follows). Ticks of other timers are not part of the
    // cycle and return false.
    bool OnTimer(int id);
    // Ends a collection without a reply: timer 1 stops and RThreshold is back at 1.
    void Stop();
    // Bytes after a reply cut at the limit are being dropped.
    bool IsDropping() const { return m_bDropping; }

    // The bytes collected for the current reply, as a value.
    QByteArray Reply() const;
    // The receive buffer as it stands: the current reply from offset 0, then whatever earlier,
    // longer replies left (kRxBufferSize bytes).
    const uint8_t* RxBuffer() const { return m_RxBuffer.get(); }
    int RxCount() const { return m_nRxCount; }
    // The next reply is collected from the front again: a transmission went out, or a reply
    // has been read.
    void ResetRxCount() { m_nRxCount = 0; }
    // Appends up to n bytes at m_nRxCount and advances it. Bytes beyond the buffer's room are
    // dropped; returns how many were stored.
    int Append(const uint8_t* bytes, int n);

private:
    bool OnDroppingTick();
    void EndCollection();

    CMSComm& m_comm;
    CPanelTimers& m_timers;
    int m_nPeriodMs;
    int m_nHoldThreshold;
    int m_nLimit;
    EWhenFull m_whenFull;
    ECutReply m_cutReply = ECutReply::AtTheLimit;
    bool m_bDropping = false;
    bool m_bHoldingCutReply = false; // WhenLineQuiet: a cut reply waits for the quiet tick
    std::unique_ptr<uint8_t[]> m_RxBuffer;
    int32_t m_nRxCount = 0;
};

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
    // From now on the port has no reply collection (a download's exchange reads its own way).
    void CollectNoReplies() { m_pReplyCycle.reset(); }
    // The reply collection; nullptr when the port has none.
    CReceiveCycle* ReplyCycle() const { return m_pReplyCycle.get(); }

    // The exchange of this port, built on the session with the arguments after it and owned
    // here from now on; it replaces the one before. Returns it for the front end to give inputs
    // to and to listen to.
    template <class TExchange, class... TArgs> TExchange& CreateExchange(TArgs&&... args) {
        auto exchange = std::make_unique<TExchange>(*this, std::forward<TArgs>(args)...);
        TExchange& created = *exchange;
        m_pExchange = std::move(exchange);
        return created;
    }
    // The exchange running on the port; nullptr before one is created.
    CPortExchange* Exchange() const { return m_pExchange.get(); }

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
    // A finished reply: ReplyCollected, then the exchange's OnReply (a reply collection ends one
    // so; a picture of a panel hands one over the same way).
    void HandOverReply(const QByteArray& reply);

signals:
    // The reply collection ended a reply: its bytes (the exchange reads them right after).
    void ReplyCollected(const QByteArray& reply);
    // A receive event on a port without a reply collection.
    void CommReceived();
    // Every tick, once the reply collection and the exchange have taken their part.
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
    // Last, so that it goes before the control, the timers and the receive cycle it runs on.
    std::unique_ptr<CPortExchange> m_pExchange;
};
