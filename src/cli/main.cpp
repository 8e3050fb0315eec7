// morvane-cli: the module's operations from a shell, on one module or many at once.
#include "cli_app.h"
#include "cli_result.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvane-cli"));
    QString error;
    const std::optional<CCliRequest> request =
        ParseCommandLine(QCoreApplication::arguments().mid(1), &error);
    if (!request) {
        std::fprintf(stderr, "morvane-cli: %s\n", error.toUtf8().constData());
        return kExitUsage;
    }
    if (request->help || !request->command) {
        const QString help = request->command ? CommandHelp(*request->command) : ProgramHelp();
        std::fputs(help.toUtf8().constData(), stdout);
        return request->help ? kExitOk : kExitUsage;
    }
    return RunCommand(*request);
}
