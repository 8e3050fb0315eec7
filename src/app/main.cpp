#include "command_line.h"
#include "morvane_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const int answered = AnswerWithoutWindow(argc, argv);
    if (answered >= 0)
        return answered;
    QApplication application(argc, argv);
    CMorvaneApp::InstallToolkitTranslation(LanguageArgument(QCoreApplication::arguments()));
    CMorvaneApp app;
    if (!app.InitInstance())
        return 1;
    return application.exec();
}
