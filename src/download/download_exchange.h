#pragma once
// The firmware download exchange with the module, without any window: the start request, the
// overwrite question, a handshake, then the 32 blocks of the program image, one per positive
// acknowledgement, each resent until the module accepts it, paced by two timers of its port's
// session. The session of the download panel's port, and of a morvane-cli flash command, owns
// one; the front end shows what it reports.
#include "serial/panel_timers.h"
#include "serial/port_exchange.h"

#include <QObject>
#include <QString>
#include <optional>

class CMSComm;
class CPortSession;
struct CReplyFrame;

// How a download under way ended by itself (not by the front end's cancel or leave).
enum class EDownloadEnd {
    Completed,     // the module acknowledged the last block
    PastLastBlock, // the module asked for more than the image's 32 blocks
    WriteFailed,   // a packet could not be written: the port is gone
};

class CDownloadExchange : public CPortExchange {
    Q_OBJECT
public:
    static constexpr int kReplyTimer = 1;
    static constexpr int kSendTimer = 2;
    static constexpr int kReplyPeriodMs = 100;
    static constexpr int kHandshakeDelayMs = 100;
    static constexpr int kBlockPaceMs = 500;
    static constexpr int kReplyReadLimit = 200;
    static constexpr int kWritePieceSize = 512;

    // Timers 1 and 2 of the session pace the exchange; the session's receive events and ticks
    // come to OnComm and OnTimer (its replies are read here, not by a receive cycle). Created by
    // the session (CPortSession::CreateExchange<CDownloadExchange>()).
    explicit CDownloadExchange(CPortSession& session);

    // Both program files are in the image (the front end says so whenever that changes);
    // without them nothing is sent and the user is told so.
    void SetProgramLoaded(bool loaded) { m_bProgramLoaded = loaded; }
    // The answer to the question just Asked, given from its slot: true for OK; no value while
    // the same question is still open.
    void Answer(std::optional<bool> answer) { m_answer = answer; }

    bool IsDownloading() const { return m_bDownloading; }
    int AckCount() const { return m_nAckCount; }
    // From the start request until the download ends: the user's firmware is on its way.
    bool IsUnderWay() const;

    // Back to idle: counters cleared and the port's read size restored; the front end restores
    // the rate when told WentIdle.
    void Reset();
    void Start();
    // A cancel the user has confirmed: both timers stop and the exchange is idle again.
    void Cancel();
    void OnComm() override;
    void OnTimer(int id) override;
    // Builds block k in the session's transmit packet and writes it; false when nothing could be
    // sent.
    bool SendBlock(int k);
    // The port is about to close (another panel is shown): a download under way ends, once.
    void EndOnLeave();
    void OnPortLost();

signals:
    void WentIdle();             // after every reset: the port's rate is the front end's to restore
    void Sending();              // a packet of the user's download is about to go out
    void AckCountChanged(int n); // positive acknowledgements so far
    void Ticked();               // a timer tick was handled
    // After the message the user is told (and the reset that follows a completed download).
    void Ended(EDownloadEnd end);
    // An OK/Cancel question; the front end answers with Answer before its slot returns.
    void Asked(const QString& question);
    // An OK message.
    void Told(const QString& message);

private:
    void OnReplyTimer();
    void OnSendTimer();
    void ActOnReply(const CReplyFrame& frame);
    std::optional<bool> AskToSend(const QString& question);
    void OnStartAccepted();
    void OnBlockReply(const CReplyFrame& frame);
    void OnUnexpectedAcknowledgement();
    void CountAcknowledgement();
    void DrainInput();
    bool SendStartRequest();
    bool SendHandshake();
    // Writes the first count bytes of the transmit packet in pieces; never to a closed port.
    bool WriteToModule(int count);
    void StopTimers();
    void End(const QString& message);
    void EndOnFailedWrite();

    CPortSession& m_Session;
    CMSComm& m_Comm;
    bool m_bProgramLoaded = false;
    std::optional<bool> m_answer;
    CPanelTimers& m_Timers;
    bool m_bDownloading = false;
    bool m_bStartRequested = false;
    int m_nAckCount = 0;
};
