// morvane-cli flashing many modules at once: the real program downloads the same firmware into
// one simulated module, then into four at once, each behind a line paced at 115,200 bit/s.
// Run in the same process one after the other, so the two figures share the machine's state.
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

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);
const QString kCliPath = QStringLiteral(MORVANE_CLI_PATH);
constexpr int kLineRate = 115200;
constexpr int kFlashTimeoutMs = 120000;

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
    return 0;
}
