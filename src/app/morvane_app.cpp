#include "morvane_app.h"

#include "lang/language_translators.h"
#include "main_frame.h"
#include "morvane_view.h"
#include "version/build_version.h"

#include <QApplication>
#include <QIcon>

CMorvaneApp::CMorvaneApp() = default;
CMorvaneApp::~CMorvaneApp() = default;

void CMorvaneApp::SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildVersion()));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
}

QIcon CMorvaneApp::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/morvane/morvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

bool CMorvaneApp::InstallToolkitTranslation() {
    SetApplicationIdentity(); // the profile that keeps the choice
    const ELanguage language = ChosenLanguage(StoredLanguageSetting());
    return (new CLanguageTranslators(language, QCoreApplication::instance()))->IsComplete();
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
