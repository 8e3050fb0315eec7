#pragma once
// CDownloadDlg: the program download panel. It loads the two DSP program data files into the
// program image, writes the image as a .bin file, and sends it to the module through its
// download exchange, whose progress and questions it shows.
#include "download_exchange.h"
#include "program_image.h"

#include "panels/module_panel.h"

#include <QString>

class CCoolButton;
class QLineEdit;
class QProgressBar;

class CDownloadDlg : public CModulePanel {
    Q_OBJECT
public:
    static constexpr int kReplyTimer = CDownloadExchange::kReplyTimer;
    static constexpr int kSendTimer = CDownloadExchange::kSendTimer;

    // The panel's controls; each is named ctl<id>.
    enum EControl : int {
        kCloseButton = 2, // never shown
        kProgressBar = 1023,
        kBrowse28000Button = 1024,
        kPath28000Edit = 1025,
        kStartButton = 1026,
        kCancelButton = 1027,
        kPath38000Edit = 1028,
        kBrowse38000Button = 1029,
        kGenerateBinButton = 1045,
    };

    explicit CDownloadDlg(QWidget* parent = nullptr);
    ~CDownloadDlg() override;

    bool IsDownloading() const { return m_Exchange.IsDownloading(); }
    int AckCount() const { return m_Exchange.AckCount(); }
    const QString& Path28000() const { return m_str28000Path; }
    const QString& Path38000() const { return m_str38000Path; }
    // From the start request until the download ends: the user's firmware is on its way.
    bool IsDownloadUnderWay() const { return m_Exchange.IsUnderWay(); }

    // Button handlers.
    void OnBrowse28000();
    void OnBrowse38000();
    void OnGenerateBin();
    void OnStartDownload();
    void OnCancelDownload();

    // Receive events of the panel's serial control and the ticks of its two timers go to the
    // download exchange through the session; so does a lost device.
    void OnPortLost() override;

    // Back to idle: counters cleared, port values restored, progress at 0.
    void ResetDownload() { m_Exchange.Reset(); }
    // Builds block k in the transmit packet and writes it; false when nothing could be sent.
    bool SendBlock(int k) { return m_Exchange.SendBlock(k); }

    // Another panel is shown: the port is about to close, so a download under way ends here
    // and the user is told once.
    void OnLeaving() override { m_Exchange.EndOnLeave(); }

private:
    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void InitialiseComm();
    void ShowIdle();
    void ShowSending();

    // Loading a half (the dialog, the reader and the messages) and the clearing step.
    void LoadHalf(EProgramHalf half);
    void ClearHalf(EProgramHalf half);
    QString& PathOf(EProgramHalf half);
    QLineEdit* EditOf(EProgramHalf half) const;
    bool BothHalvesLoaded() const;
    void RefreshBrowseButtons();

    CCoolButton* m_pBrowse38000 = nullptr;
    CCoolButton* m_pGenerateBin = nullptr;
    CCoolButton* m_pClose = nullptr;
    CCoolButton* m_pStartDownload = nullptr;
    CCoolButton* m_pCancel = nullptr;
    CCoolButton* m_pBrowse28000 = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QString m_str28000Path;
    QString m_str38000Path;
    QLineEdit* m_pEdit28000 = nullptr;
    QLineEdit* m_pEdit38000 = nullptr;
    CDownloadExchange& m_Exchange; // owned by the session of the panel's port
};
