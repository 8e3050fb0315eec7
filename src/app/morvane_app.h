#pragma once
// The application: keeps the profile under "Local AppWizard-Generated Applications", creates the
// main window with its view and panels, opens the test panel's port and shows the window
// maximized with the title "Morvane(New Frame)".
#include <QIcon>
#include <memory>

class CMainFrame;

class CMorvaneApp {
public:
    CMorvaneApp();
    ~CMorvaneApp();

    // Start-up; false when the main window could not be created.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

    // Organisation and application names of the profile, and the program icon.
    static void SetApplicationIdentity();
    static QIcon ProgramIcon();
    // Qt's own texts (message-box buttons, file dialogs) in Simplified Chinese, like the rest of
    // the program, whatever the system's language: loads Qt's zh_CN translation from the
    // toolkit's translation folder. False when it is not installed there.
    static bool InstallToolkitTranslation();

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
