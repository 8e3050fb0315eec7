#pragma once
// The firmware download on one port through the download panel's own exchange. The program
// image is loaded once for every port before they start; the questions are answered by --yes.
#include "port_job.h"

#include "download/download_exchange.h"

class CFlashJob : public CPortJob {
    Q_OBJECT
public:
    CFlashJob(CPortSession& session, bool yes, QObject* parent = nullptr);

    void Start() override;
    void Interrupt(int code) override;

protected:
    void StopExchange() override;
    QString LeftBehind() const override;

private:
    void OnAsked(const QString& question);
    void OnEnded(EDownloadEnd end);

    bool m_bYes;
    int m_nBlockReached = 0;       // the block in flight, 1-based, as the progress shows it
    CDownloadExchange& m_Exchange; // owned by the session
};
