#pragma once
// The rate a module talks at on one port, found by the test console's user count at each rate
// (console/rate_probe.h); only reports. It also runs first for --rate auto, and the port keeps
// the rate found for the command that follows.
#include "port_job.h"

#include "console/console_exchange.h"
#include "console/rate_probe.h"

class CFindRateJob : public CPortJob {
    Q_OBJECT
public:
    explicit CFindRateJob(CPortSession& session, QObject* parent = nullptr);

    void Start() override;

protected:
    void StopExchange() override;

private:
    void OnFinished(int rateIndex);

    CConsoleExchange& m_Console; // owned by the session
    CRateProbe m_Probe;
};
