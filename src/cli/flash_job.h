#pragma once
// The firmware download on one port through the download panel's own exchange. The program
// image is loaded once for every port before they start; the questions are answered by --yes.
// The protocol has no read-back, so once the download is done the module is asked for its
// version, as the test console asks it, and the result shows it.
#include "port_job.h"

#include "console/console_exchange.h"
#include "download/download_exchange.h"

#include <QTimer>
#include <optional>

struct CFlashOptions {
    bool yes = false;                     // answers the download questions
    std::optional<QString> expectVersion; // the version the module must report afterwards
    int versionWaitMs = 5000;             // how long its answer may take
};

class CFlashJob : public CPortJob {
    Q_OBJECT
public:
    CFlashJob(CPortSession& session, CFlashOptions options, QObject* parent = nullptr);
    ~CFlashJob() override;

    void Start() override;
    void Interrupt(int code) override;

protected:
    void StopExchange() override;
    QString LeftBehind() const override;

private:
    void OnAsked(const QString& question);
    void OnEnded(EDownloadEnd end);
    void AskVersion();
    void OnVersionRead(const QByteArray& versionReply, const CReplyOutcome& reply);
    // The download is done: the version the module gave, none when it gave none.
    void EndWithVersion(const std::optional<QString>& version, const QString& shown);

    CFlashOptions m_options;
    int m_nBlockReached = 0;        // the block in flight, 1-based, as the progress shows it
    CDownloadExchange* m_pDownload; // owned by the session, until the version is asked
    CConsoleExchange* m_pVersion = nullptr; // owned by the session once the download is done
    QTimer m_versionWait;
};
