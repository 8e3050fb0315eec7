// morvane-sim: a stand-alone fingerprint module on a pseudo-terminal.
#include "lang/language_translators.h"
#include "pty.h"
#include "sim_log.h"
#include "sim_options.h"
#include "sim_server.h"
#include "sim_texts.h"
#include "stop_signals.h"
#include "version/build_version.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
int Fail(const QString& message) {
    std::fprintf(stderr, "morvane-sim: %s\n", message.toLocal8Bit().constData());
    return 1;
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char** argv) {
    // The application holds the translators; the simulator's own loop does not use its events.
    QCoreApplication application(argc, argv);
    const QStringList arguments = Arguments(argc, argv);
    // The desktop's language, as the window and morvane-cli follow it, unless --lang says; read
    // before the options, so that a refusal of them is told in it.
    const ELanguage language =
        ChosenLanguage(LanguageArgument(arguments).value_or(ELanguageSetting::FollowSystem));
    // The system's reasons are the program's texts (src/files), in the program's catalogue.
    const CLanguageTranslators programTexts(language);
    const CLanguageTranslators simTexts(language, nullptr, QStringLiteral("morvane-sim"));
    sim::CSimOptions options;
    QString error;
    if (!sim::ParseSimOptions(arguments, options, error)) {
        Fail(error);
        std::fprintf(
            stderr, "%s\n",
            CSimTexts::tr("请运行“morvane-sim --help”查看用法。").toLocal8Bit().constData());
        return 2;
    }
    if (options.version) {
        std::printf("%s\n", VersionLine("morvane-sim").c_str());
        return 0;
    }
    if (options.help) {
        std::fputs(sim::SimHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    sim::CPseudoTerminal pty;
    sim::CSimLog log;
    const int stopFd = sim::InstallStopSignals(error);
    if (stopFd < 0 || !pty.Open(error) || !log.Open(options.logPath, error))
        return Fail(error);
    if (!options.linkPath.isEmpty() && !pty.Link(options.linkPath, error))
        return Fail(error);
    // The first line of standard output is the device; whoever started us waits for it.
    std::printf("%s\n", pty.DevicePath().toLocal8Bit().constData());
    std::fflush(stdout);
    sim::CSimServer server(options, pty, log);
    server.Run(stopFd);
    pty.Close();
    return 0;
}
