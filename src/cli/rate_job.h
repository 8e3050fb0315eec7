#pragma once
// The module rate command on one port, as the settings panel sends and checks it; once the
// module confirms, the PC's side of this port follows.
#include "port_job.h"

#include "serial/port_session.h"

class CRateJob : public CPortJob {
    Q_OBJECT
public:
    CRateJob(CPortSession& session, int rateIndex, QObject* parent = nullptr);

    void Start() override;

protected:
    void StopExchange() override;
    // The module's answer, checked as the settings panel checks it.
    void OnReply(const QByteArray& reply) override;

private:
    int m_nRateIndex;
    CReceiveCycle& m_ReplyCycle;
};
