#pragma once
// The module rate command on one port, as the settings panel sends and checks it; once the
// module confirms, the PC's side of this port follows.
#include "port_job.h"

#include "serial/panel_timers.h"
#include "serial/receive_cycle.h"

class CMSComm;

class CRateJob : public CPortJob {
    Q_OBJECT
public:
    CRateJob(CMSComm& comm, int rateIndex, QObject* parent = nullptr);

    void Start() override;

protected:
    void StopExchange() override;

private:
    void OnTimer(int id);
    void CheckReply();

    CMSComm& m_Comm;
    int m_nRateIndex;
    CPanelTimers m_Timers;
    CReceiveCycle m_ReplyCycle;
};
