#pragma once
// The view: hosts the communication settings, module test and program download panels at its
// top-left corner, shows exactly one of them, and hands the serial port over on each switch.
#include <QScrollArea>

class CCommSetupDlg;
class CModuleTestDlg;
class CDownloadDlg;
class CModulePanel;

class CMorvaneView : public QScrollArea {
    Q_OBJECT
public:
    explicit CMorvaneView(QWidget* parent = nullptr);

    // The last step of creating the view: hides the settings and download panels, shows the
    // test panel and runs OnModuleTest, which opens its port (so a missing port is reported
    // before the window is visible).
    void ShowStartPanel();
    // The form's own initial update, at start-up and for each new document: the form is laid
    // out again. The panel on show, its port and an exchange under way are left alone.
    void OnInitialUpdate();

    void OnCommSettings();
    void OnModuleTest();
    void OnProgramDownload();

    CCommSetupDlg& SettingsPanel() { return *m_pSettings; }
    CModuleTestDlg& TestPanel() { return *m_pTest; }
    CDownloadDlg& DownloadPanel() { return *m_pDownload; }
    CModulePanel* PanelWidget(int panel) const;

signals:
    void PanelChanged(int panel);

private:
    void SwitchTo(int panel);
    void ScrollOver(const QWidget& panel);

    QWidget* m_pForm;
    CCommSetupDlg* m_pSettings;
    CModuleTestDlg* m_pTest;
    CDownloadDlg* m_pDownload;
};
