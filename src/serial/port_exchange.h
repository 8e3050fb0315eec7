#pragma once
// CPortExchange: what every exchange that runs on a port session has in common. The session
// creates it and owns it (CPortSession::CreateExchange), hands it each reply its receive cycle
// collects as a value, each receive event when it collects none, and each tick of its timers.
// The exchange reports to its front end by its own signals; the front end gives it plain inputs.
#include <QByteArray>
#include <QObject>

class CPortExchange : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A reply the session's receive cycle collected (after the session's ReplyCollected, so that
    // a front end has given its choices of the moment first).
    virtual void OnReply(const QByteArray& /*reply*/) {}
    // A receive event on a port whose session collects no replies (the exchange reads its own).
    virtual void OnComm() {}
    // A tick of the session's timer id, once the reply collection has taken its part.
    virtual void OnTimer(int /*id*/) {}
};
