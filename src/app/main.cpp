#include "morvane_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    CMorvaneApp::InstallToolkitTranslation();
    CMorvaneApp app;
    if (!app.InitInstance())
        return 1;
    return application.exec();
}
