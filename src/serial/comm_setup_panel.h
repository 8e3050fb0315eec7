#pragma once
// CCommSetupDlg: the communication settings panel (template 131). The user picks the PC's
// serial port and rate here and tells the module to change its own rate. It is the only writer
// of g_nCommPort and g_nBaudIndex; the other panels read them when their port is opened.
#include "rate_command.h"

#include "panels/module_panel.h"

#include <QComboBox>
#include <QWidget>

class CCoolButton;
class QCheckBox;

// A drop-down list that says when its list is about to drop down, and when the dropped list
// closes, with or without a new choice.
class CCloseUpComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
    void hidePopup() override;

signals:
    void DropDown();
    void CloseUp();
};

// Its serial control (1013) is configured here and opened by the port hand-over.
class CCommSetupDlg : public CModulePanel {
    Q_OBJECT
public:
    // The panel's controls; each is named ctl<id>.
    enum EControl : int {
        kCloseButton = 2, // never shown
        kModuleRateList = 1011,
        kSendButton = 1012,
        kChangeBox = 1022,
        kPcRateList = 1051,
        kPortList = 1053,
    };

    explicit CCommSetupDlg(QWidget* parent = nullptr);
    ~CCommSetupDlg() override;

    // Click on 1012: the rate-change command for the rate selected in 1011.
    void OnSendBaudCommand();
    // The PC's rate set to rate index 1..5 as a choice in the PC-rate list sets it (a rate found
    // by "检测模块波特率…"): g_nBaudIndex, this panel's port and the list, "更改" unticked.
    void SetPcRate(int rateIndex);
    // Collection ends without a check: timer 1 stops and the receive threshold is back at 1.
    void OnLeaving() override;
    void OnPortLost() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnPortSelChange(int position);
    void OnPortTyped();
    void ReopenPort(int port, const QString& typedDevice);
    void RefreshPortEntries();
    void ShowPortDevices();
    void OnChangeClicked();
    void OnPcRateSelChange(int position);
    void OnPcRateCloseUp();
    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void FillLists();
    void ConfigureComm();
    void ConfigureInput();
    void ApplyPcRate(int position);
    // Timer 1 collects the module's answer; timer 2 ends a burst of bytes nobody asked for.
    void OnTick(int id);
    void CheckReply(const CRateVerdict& verdict, bool asked);
    // "通信失败!" for an answer, or once per burst for bytes that came unasked.
    void TellCommFailed(bool asked);
    void WatchForQuiet();
    // Panel state between controls and members: pull reads the check box into m_bChange, push
    // shows m_bChange in it.
    void PullFromControls();
    void PushToControls();

    CCloseUpComboBox* m_pPortList = nullptr;   // 1053
    CCoolButton* m_pClose = nullptr;           // 2, never shown
    CCoolButton* m_pSendButton = nullptr;      // 1012
    QCheckBox* m_pChangeBox = nullptr;         // 1022
    QComboBox* m_pModuleRateList = nullptr;    // 1011
    CCloseUpComboBox* m_pPcRateList = nullptr; // 1051
    int m_bChange = 0;                         // 1022: 0 unticked, 1 ticked
    bool m_bBurstTold = false; // "通信失败!" was shown since the line was last quiet for a second
    CRateExchange& m_Rate;     // owned by the session; its timer 1 collects the module's answer
};
