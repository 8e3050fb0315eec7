#pragma once
// The module rate command on one port, as the settings panel sends and checks it; once the
// module confirms, the PC's side of this port follows.
#include "port_job.h"

#include "serial/rate_command.h"

class CRateJob : public CPortJob {
    Q_OBJECT
public:
    CRateJob(CPortSession& session, int rateIndex, QObject* parent = nullptr);

    void Start() override;

protected:
    void StopExchange() override;

private:
    int m_nRateIndex;
    void OnAnswered(const CRateVerdict& verdict);

    CRateExchange& m_Rate; // owned by the session
};
