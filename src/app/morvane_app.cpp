#include "morvane_app.h"

#include "main_frame.h"
#include "morvane_view.h"

#include <QApplication>
#include <QIcon>

CMorvaneApp::CMorvaneApp() = default;
CMorvaneApp::~CMorvaneApp() = default;

void CMorvaneApp::SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/morvane/morvane.svg")));
}

bool CMorvaneApp::InitInstance() {
    SetApplicationIdentity();
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->View().OnInitialUpdate();
    m_pMainFrame->showMaximized();
    m_pMainFrame->setWindowTitle(QStringLiteral("Morvane(New Frame)"));
    m_pMainFrame->repaint();
    return true;
}
