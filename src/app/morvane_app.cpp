#include "morvane_app.h"

#include "main_frame.h"
#include "morvane_view.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

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
    m_pMainFrame->View().ShowStartPanel();
    m_pMainFrame->View().OnInitialUpdate();
    // The restored size fits the view's form; maximized, the window takes the whole screen,
    // also where no window manager carries out the request.
    m_pMainFrame->SetFittedSize(m_pMainFrame->sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(screen->availableGeometry());
    m_pMainFrame->showMaximized();
    m_pMainFrame->setWindowTitle(QStringLiteral("Morvane(New Frame)"));
    m_pMainFrame->repaint();
    return true;
}
