// morvane-cli flashing many modules at once: the real program downloads the same firmware into
// one simulated module, then into four at once, each behind a line paced at 115,200 bit/s.
// Run in the same process one after the other, so the two figures share the machine's state.
// Then a user count against a module that answers, and against one that sends without end as
// fast as the pseudo-terminal takes it: time and peak memory of each. Last, a user count behind a
// line paced at 115,200 bit/s, from the program's start to its exit, the median of several.
// Prints one "name value" line per figure.
#include "paced_line.h"

#include "../tests/e2e/dat_writer.h"
#include "download/half_loader.h"
#include "download/program_image.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);
const QString kCliPath = QStringLiteral(MORVANE_CLI_PATH);
constexpr int kLineRate = 115200;
constexpr int kFlashTimeoutMs = 120000;
constexpr int kCountTimeoutMs = 30000;
constexpr int kPacedCounts = 15;
// The count's floor at 115,200: 16 bytes on the line, the tick that reads the answer and the
// quiet tick after it (50 ms each).
constexpr double kCountFloorMs = 16 * 10 * 1000.0 / kLineRate + 2 * 50;

// One simulated module behind its paced line; it writes what it was flashed with to `flashOut`.
class CPacedModule {
public:
    explicit CPacedModule(const QString& flashOut) {
        m_sim.start(kSimPath, {QStringLiteral("--flash-out"), flashOut});
        if (m_sim.waitForStarted(5000) && m_sim.waitForReadyRead(5000) && m_sim.canReadLine())
            m_pLine = std::make_unique<CPacedLine>(
                QString::fromLocal8Bit(m_sim.readLine()).trimmed(), kLineRate);
    }
    ~CPacedModule() {
        m_pLine.reset();
        m_sim.terminate();
        if (!m_sim.waitForFinished(3000))
            m_sim.kill();
        m_sim.waitForFinished(3000);
    }
    bool IsReady() const { return m_pLine && m_pLine->IsOpen(); }
    QString DevicePath() const { return m_pLine->DevicePath(); }

private:
    QProcess m_sim;
    std::unique_ptr<CPacedLine> m_pLine;
};

bool FlashedAsImage(const QString& path) {
    QFile flashed(path);
    if (!flashed.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = flashed.readAll();
    return bytes.size() == kProgramImageSize &&
           std::memcmp(bytes.constData(), ProgramImage, kProgramImageSize) == 0;
}

// Milliseconds for flashing `count` modules at once with one morvane-cli; -1 when it failed.
double FlashModules(const QTemporaryDir& dir, int count, bool* flashedRight) {
    std::vector<std::unique_ptr<CPacedModule>> modules;
    QStringList arguments{QStringLiteral("--rate"), QStringLiteral("115200"),
                          QStringLiteral("--yes")};
    for (int i = 0; i < count; ++i) {
        modules.push_back(std::make_unique<CPacedModule>(
            dir.filePath(QStringLiteral("flashed%1-%2.bin").arg(count).arg(i))));
        if (!modules.back()->IsReady())
            return -1;
        arguments << QStringLiteral("--port") << modules.back()->DevicePath();
    }
    arguments << QStringLiteral("flash") << dir.filePath(QStringLiteral("a.dat"))
              << dir.filePath(QStringLiteral("b.dat"));
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(kCliPath, arguments);
    if (!cli.waitForFinished(kFlashTimeoutMs) || cli.exitCode() != 0)
        return -1;
    const double took = clock.nsecsElapsed() / 1e6;
    modules.clear(); // the simulators have written their images
    for (int i = 0; i < count; ++i)
        *flashedRight =
            *flashedRight &&
            FlashedAsImage(dir.filePath(QStringLiteral("flashed%1-%2.bin").arg(count).arg(i)));
    return took;
}
struct CMeasuredRun {
    double ms = -1;
    double peakMb = 0;
    int exitCode = -1;
};

// morvane-cli with these arguments, its output dropped, waited for with wait4, which gives its
// own peak memory (QProcess reaps its children itself). Killed after kCountTimeoutMs.
CMeasuredRun RunMeasured(const QStringList& arguments) {
    std::vector<QByteArray> words{QFile::encodeName(kCliPath)};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    while (started && wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (clock.elapsed() > kCountTimeoutMs)
            kill(pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!started)
        return {};
    return {clock.nsecsElapsed() / 1e6, usage.ru_maxrss / 1024.0,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// A user count against morvane-sim started with these arguments, with --timeout 2.
CMeasuredRun CountAgainst(const QStringList& simArguments) {
    QProcess sim;
    sim.start(kSimPath, simArguments);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000) || !sim.canReadLine())
        return {};
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    const CMeasuredRun run =
        RunMeasured({QStringLiteral("--timeout"), QStringLiteral("2"), QStringLiteral("--port"),
                     device, QStringLiteral("count")});
    sim.terminate();
    if (!sim.waitForFinished(3000))
        sim.kill();
    sim.waitForFinished(3000);
    return run;
}
// The median time of kPacedCounts user counts at 115,200 through a paced line; -1 when one failed.
double PacedCountMs(const QTemporaryDir& dir) {
    CPacedModule module(dir.filePath(QStringLiteral("unused.bin")));
    if (!module.IsReady())
        return -1;
    std::vector<double> took;
    for (int i = 0; i < kPacedCounts; ++i) {
        const CMeasuredRun run =
            RunMeasured({QStringLiteral("--rate"), QStringLiteral("115200"),
                         QStringLiteral("--port"), module.DevicePath(), QStringLiteral("count")});
        if (run.exitCode != 0)
            return -1;
        took.push_back(run.ms);
    }
    std::sort(took.begin(), took.end());
    return took[took.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.dat")),
                  b = dir.filePath(QStringLiteral("b.dat"));
    if (!WriteDatFile(a, SignedProgramValues(kDatMark28000, 28)) ||
        !WriteDatFile(b, SignedProgramValues(kDatMark38000, 38)) ||
        LoadProgramHalf(EProgramHalf::Half28000, a) != EHalfLoadResult::Loaded ||
        LoadProgramHalf(EProgramHalf::Half38000, b) != EHalfLoadResult::Loaded) {
        std::printf("cli_flash_error 1\n");
        return 1;
    }
    bool flashedRight = true;
    const double one = FlashModules(dir, 1, &flashedRight);
    const double four = FlashModules(dir, 4, &flashedRight);
    std::printf("cli_flash_one_ms %.1f\ncli_flash_four_ms %.1f\ncli_flash_ok %d\n", one, four,
                one > 0 && four > 0 && flashedRight ? 1 : 0);
    const CMeasuredRun answered = CountAgainst({});
    const CMeasuredRun stream = CountAgainst({QStringLiteral("--stream"), QStringLiteral("0")});
    std::printf("cli_count_ms %.1f\ncli_count_rss_mb %.1f\ncli_count_ok %d\n", answered.ms,
                answered.peakMb, answered.exitCode == 0 ? 1 : 0);
    std::printf("cli_stream_ms %.1f\ncli_stream_rss_mb %.1f\ncli_stream_ok %d\n", stream.ms,
                stream.peakMb, stream.exitCode == 4 ? 1 : 0);
    std::printf("cli_count_paced_ms %.1f\ncli_count_floor_ms %.1f\n", PacedCountMs(dir),
                kCountFloorMs);
    return 0;
}
