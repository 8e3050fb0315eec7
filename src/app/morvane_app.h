#pragma once
// The application: keeps the profile under "Local AppWizard-Generated Applications", creates the
// main window with its view and panels, opens the test panel's port and shows the window
// maximized with the title "Morvane(New Frame)".
#include "lang/language_choice.h"

#include <QIcon>
#include <memory>
#include <optional>

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
    // The language of this run: `chosen` (--lang), else the choice under 帮助 → 语言 / Language
    // kept in the profile, else the desktop's. Needs only the core application.
    static ELanguage WindowLanguage(std::optional<ELanguageSetting> chosen);
    static QIcon ProgramIcon();
    // The program's texts and Qt's own (message-box buttons, file dialogs) in the language of
    // this run (WindowLanguage): Simplified Chinese, the program's own (with Qt's zh_CN
    // translation from the toolkit's translation folder), or English (the program's compiled-in
    // English translation). False when the translation could not be found.
    static bool InstallToolkitTranslation(std::optional<ELanguageSetting> chosen = std::nullopt);

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
