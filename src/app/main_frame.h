#pragma once
// The main window: menu "操作(&O)" / "工具(&T)" / "帮助(&H)", the flat toolbar with "设置", "测试"
// and "程序下载", the status bar with its four panes, and the view with the three panels. Its
// restored geometry and the places of its toolbar and log window are kept from run to run.
#include "recent_files.h"

#include <QMainWindow>

class CCommLogDock;
class CWindowPlaces;
class CHelpWindow;
class CMorvaneView;
class CMorvaneDoc;
class CLockKeyIndicators;
class CReplyWaitStatus;
class QAction;
class QMenu;
class QLabel;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CMorvaneView& View() { return *m_pView; }
    CMorvaneDoc& Doc() { return *m_pDoc; }
    CLockKeyIndicators& LockKeys() { return *m_pLockKeys; }
    QAction* CommSettingsAction() const { return m_pCommSettings; }
    QAction* ModuleTestAction() const { return m_pModuleTest; }
    QAction* ProgramDownloadAction() const { return m_pProgramDownload; }
    QAction* AboutAction() const { return m_pAbout; }
    // "使用说明" (F1) opens the user guide; the window exists from the first time on.
    QAction* HelpAction() const { return m_pHelp; }
    CHelpWindow* HelpWindow() const { return m_pHelpWindow; }
    // Ctrl+Q closes the window, which ends the program (a window shortcut, not a menu item).
    QAction* QuitAction() const { return m_pQuit; }
    // "检测模块波特率…" (工具).
    QAction* FindModuleRateAction() const { return m_pFindModuleRate; }
    // "通信记录": the log window and the command (工具 menu, toolbar) that opens and closes it.
    CCommLogDock& CommLog() { return *m_pCommLog; }
    QAction* CommLogAction() const;
    QLabel* ReadyPane() const { return m_pReady; }
    CReplyWaitStatus& ReplyWait() { return *m_pReplyWait; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // Checks each of the three panel commands exactly when its panel is on show.
    void UpdateCommandStates();
    // The size that shows the panel on show whole, bounded by the available area of the screen.
    QSize FittedSize() const;
    // Before the window is first shown: the toolbar and log window where they were left (the
    // log window closed), and the restored geometry remembered, or the fitted size centred.
    // The window keeps them up to date and writes them when it closes.
    void RestorePlaces();
    void OnAppAbout();
    void OnHelp();

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    void OnMenuKey();
    void AddTestPanelCommands(QMenu* operation);
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();

    CMorvaneDoc* m_pDoc;
    CMorvaneView* m_pView;
    CCommLogDock* m_pCommLog;
    CWindowPlaces* m_pPlaces;
    CLockKeyIndicators* m_pLockKeys = nullptr;
    QLabel* m_pReady = nullptr;
    CReplyWaitStatus* m_pReplyWait = nullptr;
    QAction* m_pCommSettings = nullptr;
    QAction* m_pModuleTest = nullptr;
    QAction* m_pProgramDownload = nullptr;
    QAction* m_pAbout = nullptr;
    QAction* m_pHelp = nullptr;
    QAction* m_pQuit = nullptr;
    CHelpWindow* m_pHelpWindow = nullptr;
    QAction* m_pFindModuleRate = nullptr;
    CRecentFileList m_recentFiles;
};
