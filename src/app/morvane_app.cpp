#include "morvane_app.h"

#include "lang/language_translators.h"
#include "main_frame.h"
#include "morvane_view.h"
#include "version/build_version.h"

#include <QApplication>
#include <QIcon>

CMorvaneApp::CMorvaneApp() = default;
CMorvaneApp::~CMorvaneApp() = default;

namespace {
// The names the profile is kept under.
void SetProfileNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildVersion()));
}
} // namespace

void CMorvaneApp::SetApplicationIdentity() {
    SetProfileNames();
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
}

QIcon CMorvaneApp::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/morvane/morvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

ELanguage CMorvaneApp::WindowLanguage(std::optional<ELanguageSetting> chosen) {
    SetProfileNames(); // the profile that keeps the choice
    return ChosenLanguage(chosen.value_or(StoredLanguageSetting()));
}

bool CMorvaneApp::InstallToolkitTranslation(std::optional<ELanguageSetting> chosen) {
    return (new CLanguageTranslators(WindowLanguage(chosen), QCoreApplication::instance()))
        ->IsComplete();
}

bool CMorvaneApp::InitInstance() {
    SetApplicationIdentity();
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->View().ShowStartPanel();
    m_pMainFrame->View().OnInitialUpdate();
    // Shown maximized; un-maximized, it takes the geometry it had when it was last closed, or
    // the size that shows the test panel whole.
    m_pMainFrame->RestorePlaces();
    m_pMainFrame->showMaximized();
    m_pMainFrame->setWindowTitle(QStringLiteral("Morvane(New Frame)"));
    m_pMainFrame->repaint();
    return true;
}
