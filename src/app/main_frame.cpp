#include "main_frame.h"

#include "about_dialog.h"
#include "comm_log_dock.h"
#include "current_panel.h"
#include "help_window.h"
#include "language_menu.h"
#include "lock_key_indicators.h"
#include "morvane_doc.h"
#include "morvane_view.h"
#include "rate_finder.h"
#include "reply_wait_status.h"
#include "toolbar_images.h"
#include "window_places.h"

#include "console/module_test_panel.h"
#include "download/download_panel.h"
#include "serial/comm_setup_panel.h"
#include "widgets/file_folders.h"
#include "widgets/user_changes.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSaveFile>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), m_pDoc(new CMorvaneDoc(this)), m_pCommLog(new CCommLogDock(this)),
      m_pPlaces(new CWindowPlaces(*this)) {
    setWindowTitle(QStringLiteral("Morvane"));
    addDockWidget(Qt::BottomDockWidgetArea, m_pCommLog);
    m_recentFiles.Load();
    m_pView = new CMorvaneView(this);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    setCentralWidget(m_pView);
    connect(m_pView, &CMorvaneView::PanelChanged, this, &CMainFrame::UpdateCommandStates);
    // A silent module shows in the message pane; choosing a panel ends the wait.
    m_pReplyWait = new CReplyWaitStatus(m_pReady, this);
    for (CMSComm* comm : {&m_pView->SettingsPanel().Comm(), &m_pView->TestPanel().Comm(),
                          &m_pView->DownloadPanel().Comm()})
        m_pReplyWait->Watch(*comm);
    connect(m_pView, &CMorvaneView::PanelChanged, m_pReplyWait, &CReplyWaitStatus::Reset);
    UpdateCommandStates();
}

void CMainFrame::CreateActions() {
    m_pCommSettings = new QAction(tr("通信设置(&S)"), this);
    m_pCommSettings->setStatusTip(tr("串口选择和波特率设置"));
    m_pModuleTest = new QAction(tr("模块测试(&M)"), this);
    m_pModuleTest->setStatusTip(tr("脱机模块功能测试"));
    m_pProgramDownload = new QAction(tr("程序下载工具(&D)"), this);
    m_pProgramDownload->setStatusTip(tr("脱机模块程序更新"));
    for (QAction* action : {m_pCommSettings, m_pModuleTest, m_pProgramDownload})
        action->setCheckable(true);
    m_pAbout = new QAction(tr("关于 Morvane(&A)..."), this);
    m_pHelp = new QAction(tr("使用说明(&H)"), this);
    m_pHelp->setShortcut(QKeySequence(Qt::Key_F1));
    m_pHelp->setStatusTip(tr("各面板的用途、连接模块、错误信息和处理办法"));
    m_pQuit = new QAction(tr("退出(&X)"), this);
    m_pQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_pQuit->setStatusTip(tr("关闭窗口，退出程序"));
    m_pFindModuleRate = new QAction(tr("检测模块波特率(&B)…"), this);
    m_pFindModuleRate->setStatusTip(tr("检测模块当前波特率，并使 PC 改用此波特率"));
    auto* rateFinder = new CRateFinder(*m_pView, this); // the window owns it
    connect(m_pFindModuleRate, &QAction::triggered, rateFinder, &CRateFinder::Start);

    // The view carries out the switch; the check marks follow g_nCurrentPanel afterwards, so
    // a click never leaves a command checked that is not on show. A choice is any change of
    // check state but those of UpdateCommandStates: a menu item, a click on a tool button, or
    // its toggle through the accessibility interface, which is no trigger.
    ConnectUserChange(m_pCommSettings, this, [this] { m_pView->OnCommSettings(); });
    ConnectUserChange(m_pModuleTest, this, [this] { m_pView->OnModuleTest(); });
    ConnectUserChange(m_pProgramDownload, this, [this] { m_pView->OnProgramDownload(); });
    connect(m_pAbout, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(m_pHelp, &QAction::triggered, this, &CMainFrame::OnHelp);
    connect(m_pQuit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::CreateMenus() {
    QMenu* operation = menuBar()->addMenu(tr("操作(&O)"));
    operation->addAction(m_pCommSettings);
    operation->addAction(m_pModuleTest);
    AddTestPanelCommands(operation);
    // The window's close command ends the program and there is no exit item in the menus;
    // Ctrl+Q is the same close, reached from anywhere in the window.
    addAction(m_pQuit);
    QMenu* tools = menuBar()->addMenu(tr("工具(&T)"));
    tools->addAction(m_pProgramDownload);
    tools->addAction(CommLogAction());
    tools->addAction(m_pFindModuleRate);
    QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
    help->addAction(m_pHelp);
    help->addMenu(new CLanguageMenu(help));
    help->addSeparator();
    help->addAction(m_pAbout);
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("工具栏"));
    bar->setObjectName(QStringLiteral("toolbar128"));
    bar->setMovable(true);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setIconSize(kToolbarButtonSize);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const struct {
        QAction* action;
        const char* text;
    } buttons[] = {{m_pCommSettings, QT_TR_NOOP("设置")},
                   {m_pModuleTest, QT_TR_NOOP("测试")},
                   {m_pProgramDownload, QT_TR_NOOP("程序下载")},
                   {CommLogAction(), QT_TR_NOOP("通信记录")}};
    for (const auto& button : buttons) {
        button.action->setIcon(ToolbarImage(tr(button.text)));
        button.action->setToolTip(tr(button.text));
        bar->addAction(button.action);
    }
}

QAction* CMainFrame::CommLogAction() const {
    return m_pCommLog->ShowAction();
}

// The test console's own commands: its image, the backup of the module's users and the folder
// of batch storage.
void CMainFrame::AddTestPanelCommands(QMenu* operation) {
    CModuleTestDlg& test = m_pView->TestPanel();
    operation->addSeparator();
    for (QAction* action : {test.SaveImageAction(), test.BackupAction(), test.StopBackupAction(),
                            test.BatchFolderAction()})
        operation->addAction(action);
}

void CMainFrame::CreateStatusBar() {
    m_pReady = new QLabel(tr("就绪"), statusBar());
    statusBar()->addWidget(m_pReady, 1); // hidden while a command prompt is shown
    m_pLockKeys = new CLockKeyIndicators(statusBar());
}

void CMainFrame::CreateAccelerators() {
    const struct {
        QKeySequence keys;
        void (CMainFrame::*handler)();
    } accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), &CMainFrame::OnFileNew},
        {QKeySequence(Qt::CTRL | Qt::Key_O), &CMainFrame::OnFileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &CMainFrame::OnFileSave},
    };
    for (const auto& accelerator : accelerators) {
        auto* action = new QAction(this);
        action->setShortcut(accelerator.keys);
        connect(action, &QAction::triggered, this, accelerator.handler);
        addAction(action);
    }
    // F10 opens the first menu, as Alt does; the arrow keys go on from there.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, &CMainFrame::OnMenuKey);
    addAction(menuKey);
}

void CMainFrame::OnMenuKey() {
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

void CMainFrame::UpdateCommandStates() {
    SetCheckedQuietly(m_pCommSettings, g_nCurrentPanel == kPanelSettings);
    SetCheckedQuietly(m_pModuleTest, g_nCurrentPanel == kPanelTest);
    SetCheckedQuietly(m_pProgramDownload, g_nCurrentPanel == kPanelDownload);
}

QSize CMainFrame::FittedSize() const {
    // Within the available area with the title bar and borders, where they are known.
    const QSize frame = frameGeometry().size() - size();
    if (!screen())
        return sizeHint();
    const QSize available = screen()->availableGeometry().size() - frame;
    // The menu, toolbar and status bar stand above and below the view; the panel is at least as
    // wide as they need.
    int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    for (const QToolBar* bar : findChildren<QToolBar*>())
        if (!bar->isHidden() && bar->orientation() == Qt::Horizontal)
            chrome += bar->sizeHint().height();
    const QSize panel = m_pView->PanelWidget(g_nCurrentPanel)
                            ->size()
                            .expandedTo(QSize(minimumSizeHint().width(), 0));
    return FittedWindowSize(QSize(0, chrome), panel,
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent), available);
}

void CMainFrame::RestorePlaces() {
    m_pPlaces->Restore(FittedSize());
    m_pCommLog->hide();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnHelp() {
    if (!m_pHelpWindow)
        m_pHelpWindow = new CHelpWindow(this);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

// The document holds no data: new resets it and gives the view its initial update again (the
// panel on show and its port stay as they are), open reads nothing, save writes an empty
// document.
void CMainFrame::OnFileNew() {
    m_pDoc->OnNewDocument();
    m_pView->OnInitialUpdate();
}

void CMainFrame::OnFileOpen() {
    const QString path =
        ChooseOpenFile(this, CFileDialogOptions{tr("所有文件 (*)"), QString(), QString()});
    if (path.isEmpty())
        return;
    m_pDoc->SetPath(path);
    m_recentFiles.Add(path);
}

void CMainFrame::OnFileSave() {
    QString path = m_pDoc->Path();
    if (path.isEmpty())
        path = ChooseSaveFile(this,
                              CFileDialogOptions{tr("所有文件 (*)"), QString(), m_pDoc->Title()});
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.commit()) {
        m_pDoc->SetPath(path);
        m_recentFiles.Add(path);
    }
}
