// morvane-cli: the module's operations from a shell, on one module or many at once.
#include "cli_app.h"
#include "cli_result.h"
#include "lang/language_translators.h"
#include "output_streams.h"
#include "result_printer.h"
#include "version/build_version.h"

#include <QCoreApplication>

namespace {
int Run() {
    QString error;
    const std::optional<CCliRequest> request =
        ParseCommandLine(QCoreApplication::arguments().mid(1), &error);
    if (!request) {
        PrintError(error);
        return kExitUsage;
    }
    if (request->version) {
        WriteText(stdout, QString::fromStdString(VersionLine("morvane-cli")) + QLatin1Char('\n'));
        return kExitOk;
    }
    if (request->help || !request->command) {
        const QString help = request->command ? CommandHelp(*request->command) : ProgramHelp();
        WriteText(stdout, help);
        return request->help ? kExitOk : kExitUsage;
    }
    return RunCommand(*request);
}
} // namespace

int main(int argc, char* argv[]) {
    GuardOutputStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildVersion()));
    // Before the command line is read, so that its errors are in that language already.
    const CLanguageTranslators language(ChosenLanguage(
        LanguageArgument(QCoreApplication::arguments()).value_or(ELanguageSetting::FollowSystem)));
    return FinishOutput(Run());
}
