// morvane-sim: a stand-alone fingerprint module on a pseudo-terminal.
#include "pty.h"
#include "sim_log.h"
#include "sim_options.h"
#include "sim_server.h"
#include "stop_signals.h"
#include "version/build_version.h"

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
    sim::CSimOptions options;
    QString error;
    if (!sim::ParseSimOptions(Arguments(argc, argv), options, error)) {
        Fail(error);
        std::fprintf(stderr, "Try 'morvane-sim --help'.\n");
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
