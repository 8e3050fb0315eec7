#pragma once
// CDownloadDlg: the program download panel. It loads the two DSP program data files into the
// program image, writes the image as a .bin file, and sends it to the module: start request,
// the overwrite question, a handshake, then 32 blocks of 4096 bytes, one per acknowledgement,
// each block resent until the module accepts it.
#include "program_image.h"

#include "serial/mscomm.h"
#include "widgets/panel_timers.h"

#include <QString>
#include <QWidget>

class CCoolButton;
class QLineEdit;
class QProgressBar;
struct CReplyFrame;

class CDownloadDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kReplyTimer = 1;
    static constexpr int kSendTimer = 2;
    static constexpr int kReplyPeriodMs = 100;
    static constexpr int kHandshakeDelayMs = 100;
    static constexpr int kBlockPaceMs = 500;
    static constexpr int kReplyReadLimit = 200;
    static constexpr int kWritePieceSize = 512;

    explicit CDownloadDlg(QWidget* parent = nullptr);
    ~CDownloadDlg() override;

    CMSComm& Comm() { return m_Comm; }
    CPanelTimers& Timers() { return m_Timers; }
    bool IsDownloading() const { return m_bDownloading; }
    int AckCount() const { return m_nAckCount; }
    const QString& Path28000() const { return m_str28000Path; }
    const QString& Path38000() const { return m_str38000Path; }
    // From the start request until the download ends: the user's firmware is on its way.
    bool IsDownloadUnderWay() const;

    // Button handlers.
    void OnBrowse28000();
    void OnBrowse38000();
    void OnGenerateBin();
    void OnStartDownload();
    void OnCancelDownload();

    // Receive event of the panel's serial control, and the two panel timers.
    void OnComm();
    void OnTimer(int id);

    // Back to idle: counters cleared, port values restored, progress at 0.
    void ResetDownload();
    // Builds block k in g_TxBuffer and writes it; false when nothing could be sent.
    bool SendBlock(int k);

    // The shell calls this when another panel is shown: the port is about to close, so a
    // download under way ends here and the user is told once.
    void EndDownloadOnLeave();

private:
    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void InitialiseComm();

    // Loading a half (the dialog, the reader and the messages) and the clearing step.
    void LoadHalf(EProgramHalf half);
    void ClearHalf(EProgramHalf half);
    QString& PathOf(EProgramHalf half);
    QLineEdit* EditOf(EProgramHalf half) const;
    bool BothHalvesLoaded() const;
    void RefreshBrowseButtons();

    void OnReplyTimer();
    void OnSendTimer();
    void ActOnReply(const CReplyFrame& frame);
    bool AskToGoOn(const QString& question);
    bool ProgramReadyToSend();
    void OnStartAccepted();
    void OnBlockReply(const CReplyFrame& frame);
    void OnUnexpectedAcknowledgement();
    void CountAcknowledgement();
    void DrainInput();

    bool SendStartRequest();
    bool SendHandshake();
    // Writes the first count bytes of g_TxBuffer in pieces; never to a closed port.
    bool WriteToModule(int count);
    void StopTimers();
    void EndDownload(const QString& message);
    void OnPortLost();

    bool m_bDownloading = false;
    int m_nAckCount = 0;
    CCoolButton* m_pBrowse38000 = nullptr;
    CCoolButton* m_pGenerateBin = nullptr;
    CCoolButton* m_pClose = nullptr;
    CCoolButton* m_pStartDownload = nullptr;
    CCoolButton* m_pCancel = nullptr;
    CCoolButton* m_pBrowse28000 = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QString m_str28000Path;
    CMSComm m_Comm;
    QString m_str38000Path;
    bool m_bStartRequested = false;
    QLineEdit* m_pEdit28000 = nullptr;
    QLineEdit* m_pEdit38000 = nullptr;
    CPanelTimers m_Timers;
};
