#pragma once
// CModuleTestDlg: the module test console. The operator picks an operation, types hexadecimal
// parameters, sees the command bytes, sends them and reads the reply as a dump and as a text.
// Controls and members meet only through Pull (controls into members) and Push (members into
// controls).
#include "console_exchange.h"
#include "image_file.h"
#include "module_test_layout.h"
#include "user_backup.h"

#include "panels/module_panel.h"
#include "protocol/command_catalogue.h"

#include <QString>
#include <cstdint>

#include <map>

class CFingerImageButton;
class QAction;
class QButtonGroup;

// Its serial control (ControlId::kSerial) is configured here and opened by the view.
class CModuleTestDlg : public CModulePanel {
    Q_OBJECT
public:
    explicit CModuleTestDlg(QWidget* parent = nullptr);
    ~CModuleTestDlg() override;

    // The control with that id (1000..1098), or nullptr.
    QWidget* Control(int id) const;
    QWidget* Control(ControlId id) const;
    QButtonGroup& OperationGroup() const { return *m_pOperations; }
    CFingerImageButton& ImageControl() const;
    // Commands the main window also offers in its menu: "保存图像…" (also the image control's
    // context menu), "备份用户到文件夹…", "停止备份" and "批量存储文件夹…", with their access keys.
    QAction* SaveImageAction() const { return m_pSaveImage; }
    QAction* BackupAction() const { return m_pBackupUsers; }
    QAction* StopBackupAction() const { return m_pStopBackup; }
    QAction* BatchFolderAction() const { return m_pBatchFolder; }
    // "发送命令" from the keyboard (Ctrl+Enter) while the panel is on show.
    QAction* SendAction() const { return m_pSend; }
    CUserBackup& Backup() { return m_Backup; }
    const CConsoleExchange& Console() const { return m_Console; }
    CConsoleExchange& Console() { return m_Console; }

    void Pull();
    void Push();

    // The members that tests and the shell read back.
    int Operation() const { return m_nOperation; }
    bool EnrolFirstStep() const { return m_bEnrolFirstStep; }
    bool NeedFeatureFile() const { return m_bNeedFeatureFile; }
    const QString& FeaturePath() const { return m_strFeaturePath; }
    unsigned BatchTotal() const { return m_nBatchTotal; }
    unsigned BatchCurrent() const { return m_nBatchCurrent; }
    bool SyncingParams() const { return m_bSyncingParams; }
    // The member a check box or number field is bound to (Pull and Push carry it between the
    // two), as an int; writing it leaves the control as it is until the next Push. 0 and no
    // change for a control bound to none.
    int BoundValue(ControlId id) const;
    void SetBoundValue(ControlId id, int value);
    void SetOperation(int operation) { m_nOperation = operation; }
    void SetFeaturePath(const QString& path) { m_strFeaturePath = path; }
    // The next enrolment command starts afresh (true) or goes on with the one under way.
    void SetEnrolFirstStep(bool first) { m_bEnrolFirstStep = first; }

    void InitTestPanel();
    // Field 1 to 4 (parameters 1, 2, 3 and 1,2) read as hexadecimal; 0 for any other number.
    uint16_t ParseHexField(int field) const;
    void BuildCommand();
    void SendCommand();

    // Handlers.
    void OnOperationChanged();
    void OnEnrolSelected();
    void OnParamByteChanged();
    void OnParamWordChanged();
    void OnEnrolOption();
    void OnTwoFingers();
    void OnHighResolution();
    void OnIdIncOption();
    void OnQueryCapacity();
    void OnBatchEnable();
    void OnEnableSend();
    void OnSendCommand();
    void OnBrowseFeature();
    void OnSaveFeature();
    void OnBatchStore();
    void OnMoveRight();
    void OnMoveUp();
    void OnBrightnessUp();
    void OnSaveImage();
    void OnBackupUsers();
    void OnStopBackup();
    void OnChooseBatchFolder();
    void OnPortLost() override;

    // On show the command of the selected operation is built again, for the port now open.
    void OnShown() override;
    // Reply collection ends here without an interpretation: timer 1 stops and the receive
    // threshold is back at 1, ready for the next reply once a port is open again.
    void OnLeaving() override;

private:
    // The binding tables of the check boxes and number fields take these members' addresses.
    friend struct CModuleTestBindings;

    // Members, in the order the panel declares them.
    bool m_bNeedFeatureFile = false;
    bool m_bEnrolFirstStep = false;
    bool m_bSyncingParams = false;
    int m_nOperation = -1;
    QString m_strFeaturePath;
    int m_nMoveRight = 0;
    int m_nMoveUp = 0;
    int m_nBrightnessStep = 0; // shown beside "亮度增加"; nothing reads it
    int m_bIdIncAfterEnrol = 0;
    int m_bCaptureTwice = 0;
    int m_bUploadFeature = 0;
    unsigned m_nCaptureTimeMs = 0;
    int m_bIdIncAfterStore = 0;
    int m_bTwoFingers = 0;
    int m_bHighResolution = 0;
    unsigned m_nBatchTotal = 0;
    unsigned m_nBatchCurrent = 0;
    int m_bBatchEnabled = 0;
    int m_bQueryCapacity = 0;
    QString m_strBatchFolder; // batch storage reads this folder; empty: the program's own

    void CreateControls();
    void ConnectHandlers();
    void ConfigureComm();
    void SelectOperation(EOperation operation, bool enrolFirstStep);
    void ApplyEnables(unsigned fields);
    void ShowCommand();
    // The choices of the members (after a pull) as the exchange takes them.
    CCommandInputs Inputs() const;
    void ShowBuilt(const CBuildResult& built, bool enrolFirstStep);

    void OnReplyComplete();
    void ConnectConsole();
    void ShowReply(const QByteArray& bytes, const CReplyOutcome& reply);
    void DecodeFingerImage(const QByteArray& reply);
    void IncrementUserNumber();
    void ShowBatchProgress(unsigned total, unsigned current);
    QString BatchFolder() const;
    bool TakePartOfTheFolder();
    void CreateImageActions();
    void CreateBackupActions();
    void CreateSendAction();
    void ShowBackupProgress(unsigned total, unsigned current);
    void UpdateBackupActions();
    void OnBackupFinished(const CUserBackup::CReport& report);
    void ConnectSession();

    QString Text(ControlId id) const;
    void SetText(ControlId id, const QString& text);
    void SetEnabled(ControlId id, bool enabled);

    QButtonGroup* m_pOperations;
    std::map<int, QWidget*> m_controls;
    // Owned by the session of the panel's port: sends, collects replies on timer 1, and runs the
    // batch, enrolment and backup steps.
    CConsoleExchange& m_Console;
    CUserBackup& m_Backup; // the exchange's backup of the module's users, one upload per reply
    CImageRegion m_ImageRegion;
    QString m_strImageFault; // why the image shown is not whole; "" when it is
    QAction* m_pSaveImage = nullptr;
    QAction* m_pBackupUsers = nullptr;
    QAction* m_pStopBackup = nullptr;
    QAction* m_pBatchFolder = nullptr;
    QAction* m_pSend = nullptr;
};
