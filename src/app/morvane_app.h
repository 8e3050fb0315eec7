#pragma once
// The application: keeps the profile under "Local AppWizard-Generated Applications", creates the
// main window with its view and panels, opens the test panel's port and shows the window
// maximized with the title "Morvane(New Frame)".
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

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
