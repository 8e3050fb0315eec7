// Serial timings, offscreen, against morvane-sim at 115,200 (rate index 5), with the real panels
// and their real serial ports on a pseudo-terminal paced like a line of that rate:
//  - reply latency of the test panel: the last reply byte available to the host to the result
//    text shown in field 1007, for user counts and full-resolution 304 x 304 image captures;
//  - a complete firmware download of the download panel against its fixed-pacing floor;
//  - the peak resident set through both, against the program right after start-up.
// Prints one "name value" line per figure.
#include "paced_line.h"

#include "console/module_test_panel.h"
#include "console/module_test_widgets.h"
#include "download/download_frames.h"
#include "download/download_panel.h"
#include "download/program_image.h"
#include "panels/port_hand_over.h"
#include "protocol/packets.h"
#include "serial/panel_timers.h"
#include "serial/port_operations.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"
#include "widgets/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);
const QString kDownloadDone = QStringLiteral("已成功完成下载!");
constexpr int kRateIndex115200 = 5;
constexpr double kBitsPerByte = 10.0;
constexpr int kLineRate = 115200;
constexpr int kUserCountRuns = 20;
constexpr int kImageRuns = 3;
constexpr int kUserCountRadio = 1018, kHighResolutionCheck = 1088, kSendButton = 1005;
constexpr int kResultField = 1007;
constexpr int kBrowse28000 = 1024, kBrowse38000 = 1029, kStartDownload = 1026;
constexpr int kReplyTimer = 1;
constexpr int kSettleMs = 150;
constexpr int kDatValueCount = 32768;

QElapsedTimer g_clock; // steady; every timestamp of the program is read from it

double NowMs() {
    return g_clock.nsecsElapsed() / 1e6;
}

double PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Runs the event loop until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(2);
    if (!done())
        loop.exec();
    return done();
}

// Answers every question with OK at once, hands out the queued file names, and notes each
// message with the time it was shown.
class CBenchPrompts : public CPrompts {
public:
    void Message(QWidget*, const QString& text, const QString&) override {
        m_messages.append(text);
        m_messageTimes.push_back(NowMs());
    }
    bool Question(QWidget*, const QString&, const QString&) override { return true; }
    QString OpenFileName(QWidget*, const CFileDialogOptions&) override {
        return m_files.isEmpty() ? QString() : m_files.takeFirst();
    }
    QString SaveFileName(QWidget*, const CFileDialogOptions&) override { return QString(); }

    QStringList m_messages;
    std::vector<double> m_messageTimes;
    QStringList m_files;
};

// morvane-sim with the given options on its own pseudo-terminal.
class CSimulator {
public:
    explicit CSimulator(const QStringList& arguments) {
        m_process.start(kSimPath, arguments);
        if (!m_process.waitForStarted(5000))
            return;
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine() && waited.elapsed() < 5000 &&
               m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        if (m_process.canReadLine())
            m_strDevice = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~CSimulator() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    bool IsRunning() const { return !m_strDevice.isEmpty(); }
    const QString& DevicePath() const { return m_strDevice; }

private:
    QProcess m_process;
    QString m_strDevice;
};

// Opens the chosen panel's port on COM1 at 115,200, closing the other one, as the shell does.
bool HandOverTo(CPortSession& chosen, CPortSession& other, QWidget* panel) {
    g_nCommPort = 1;
    g_nBaudIndex = kRateIndex115200;
    CPortSession* const comms[] = {&other, &chosen};
    return PortHandOver(comms, 2, chosen, panel);
}

void Click(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
}

// Timestamps of the bytes arriving on a panel's port and of the result text being shown.
class CLatencyProbe {
public:
    CLatencyProbe(CMSComm& comm, QWidget* resultField) {
        QObject::connect(comm.Backend(), &CSerialBackend::BytesArrived, &m_context, [this] {
            m_lastArrival = NowMs();
            m_nLateArrivals += m_shown >= 0 ? 1 : 0;
        });
        auto* field = qobject_cast<QPlainTextEdit*>(resultField);
        if (!field)
            return;
        QObject::connect(field, &QPlainTextEdit::textChanged, &m_context, [this, field] {
            if (m_shown < 0 && !field->toPlainText().isEmpty())
                m_shown = NowMs();
        });
    }
    void Arm() { m_lastArrival = m_shown = -1; }
    // Bytes that came after a result was shown: part of the reply left for the next collection.
    int LateArrivals() const { return m_nLateArrivals; }
    bool Shown() const { return m_shown >= 0; }
    // Result text shown minus the last arrival before it; negative when either is missing.
    double LatencyMs() const {
        return m_lastArrival < 0 || m_shown < 0 ? -1 : m_shown - m_lastArrival;
    }

private:
    QObject m_context;
    double m_lastArrival = -1;
    double m_shown = -1;
    int m_nLateArrivals = 0;
};

// One command sent with "发送命令" and its reply shown; the latency, or -1 when none came.
double MeasureOneReply(CModuleTestDlg& panel, CLatencyProbe& probe, int timeoutMs) {
    SetControlText(panel.Control(kResultField), QString());
    probe.Arm();
    Click(panel.Control(kSendButton));
    const bool done = WaitUntil(
        [&] { return probe.Shown() && !panel.Timers().IsRunning(kReplyTimer); }, timeoutMs);
    const double latency = done ? probe.LatencyMs() : -1;
    WaitUntil([] { return false; }, kSettleMs); // any rest of the reply arrives late here
    return latency;
}

void PrintStatistics(const char* name, std::vector<double> values) {
    if (values.empty() || *std::min_element(values.begin(), values.end()) < 0) {
        std::printf("%s_error 1\n", name);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%s_median_ms %.3f\n%s_max_ms %.3f\n%s_runs %zu\n", name, values[values.size() / 2],
                name, values.back(), name, values.size());
}

void MeasureReplyLatency(CModuleTestDlg& panel) {
    CLatencyProbe probe(panel.Comm(), panel.Control(kResultField));
    std::vector<double> counts, images;
    Click(panel.Control(kUserCountRadio));
    for (int i = 0; i < kUserCountRuns; ++i)
        counts.push_back(MeasureOneReply(panel, probe, 5000));
    Click(panel.Control(kHighResolutionCheck)); // the image capture at full resolution
    for (int i = 0; i < kImageRuns; ++i)
        images.push_back(MeasureOneReply(panel, probe, 20000));
    std::printf("reply_period_ms 50\n");
    PrintStatistics("latency_count", counts);
    PrintStatistics("latency_image", images);
    std::printf("late_arrivals %d\n", probe.LateArrivals());
    std::printf("image_result %s\n",
                ControlText(panel.Control(kResultField)) == QStringLiteral("指纹采集成功")
                    ? "ok"
                    : "wrong");
}

// A DSP program data file: a header line, then "0x" + four upper-case digits + CR LF for each
// of the 32768 values, starting with the signature 0xD801 and the half's mark.
bool WriteDatFile(const QString& path, uint16_t mark, uint32_t seed) {
    QByteArray bytes = "DSP program data, benchmark\r\n";
    uint32_t state = seed;
    for (int k = 0; k < kDatValueCount; ++k) {
        state = state * 1664525u + 1013904223u;
        const uint16_t value = k == 0 ? 0xD801 : k == 1 ? mark : uint16_t(state >> 16);
        bytes += "0x" + QByteArray::number(value, 16).rightJustified(4, '0').toUpper() + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The least time the download can take. The panel sends the start request; the first reply
// byte starts the 100 ms reply timer, whose tick (the question answered at once) starts the
// 100 ms handshake delay; then the handshake and each of the 32 blocks go out, their reply
// starts the 100 ms reply timer, and every tick but the one for block 31 starts the 500 ms
// send pacing before the next packet. Fixed pacing:
//   34 x 100 (reply timers: start, handshake, 32 blocks) + 100 (handshake delay)
//   + 32 x 500 (pacing before blocks 0..31) = 19,500 ms,
// plus the wire time at 10 bits a byte of the two command packets and the 32 block packets
// sent, and the 34 eight-byte replies received.
double DownloadFloorMs(double* pacingMs) {
    *pacingMs = 34.0 * CDownloadExchange::kReplyPeriodMs + CDownloadExchange::kHandshakeDelayMs +
                double(kBlockCount) * CDownloadExchange::kBlockPaceMs;
    const double bytesSent = 2.0 * kCommandPacketSize + double(kBlockCount) * kBlockPacketSize;
    const double bytesReceived = (2.0 + kBlockCount) * kReplyFrameSize;
    return *pacingMs + (bytesSent + bytesReceived) * kBitsPerByte / double(kLineRate) * 1000.0;
}

bool FlashMatchesImage(const QString& path) {
    QFile flashed(path);
    QElapsedTimer waited;
    waited.start();
    while (flashed.size() < kProgramImageSize && waited.elapsed() < 5000)
        WaitUntil([] { return false; }, 20);
    if (!flashed.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = flashed.readAll();
    return bytes.size() == kProgramImageSize &&
           std::memcmp(bytes.constData(), ProgramImage, kProgramImageSize) == 0;
}

void MeasureDownload(CDownloadDlg& panel, CBenchPrompts& prompts, const QTemporaryDir& dir,
                     const QString& flash) {
    const QString dat28000 = dir.filePath(QStringLiteral("program_28000.dat"));
    const QString dat38000 = dir.filePath(QStringLiteral("program_38000.dat"));
    if (!WriteDatFile(dat28000, 0xAD28, 28) || !WriteDatFile(dat38000, 0xAD38, 38)) {
        std::printf("download_error 1\n");
        return;
    }
    prompts.m_files = {dat28000, dat38000};
    prompts.m_messages.clear();
    prompts.m_messageTimes.clear();
    Click(panel.findChild<QWidget*>(QStringLiteral("ctl%1").arg(kBrowse28000)));
    Click(panel.findChild<QWidget*>(QStringLiteral("ctl%1").arg(kBrowse38000)));
    if (!prompts.m_messages.isEmpty() || panel.Path38000() != dat38000) {
        std::printf("download_error 2\n");
        return;
    }
    const double start = NowMs();
    Click(panel.findChild<QWidget*>(QStringLiteral("ctl%1").arg(kStartDownload)));
    const bool ended = WaitUntil([&] { return !prompts.m_messages.isEmpty(); }, 60000);
    if (!ended || prompts.m_messages.first() != kDownloadDone) {
        std::printf("download_error 3\n");
        return;
    }
    double pacing = 0;
    const double floor = DownloadFloorMs(&pacing);
    std::printf("download_ms %.1f\ndownload_floor_ms %.1f\ndownload_pacing_ms %.1f\n",
                prompts.m_messageTimes.front() - start, floor, pacing);
    std::printf("download_flash_ok %d\n", FlashMatchesImage(flash) ? 1 : 0);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_clock.start();
    QApplication app(argc, argv);
    CBenchPrompts prompts;
    SetPrompts(&prompts);
    ResetSerialSettings();
    ResetProgramImage();
    QTemporaryDir dir;
    const QString flash = dir.filePath(QStringLiteral("flash.bin"));
    CSimulator sim({QStringLiteral("--image"), QStringLiteral("304x304"), QStringLiteral("--users"),
                    QStringLiteral("3"), QStringLiteral("--flash-out"), flash});
    if (!sim.IsRunning()) {
        std::printf("sim_error 1\n");
        return 1;
    }
    CPacedLine line(sim.DevicePath(), kLineRate);
    if (!line.IsOpen()) {
        std::printf("line_error 1\n");
        return 1;
    }
    qputenv("MORVANE_COM1", line.DevicePath().toLocal8Bit());
    CModuleTestDlg console;
    CDownloadDlg download;
    const double startRss = PeakRssMb();
    console.show();
    if (!HandOverTo(console.Session(), download.Session(), &console)) {
        std::printf("port_error 1\n");
        return 1;
    }
    MeasureReplyLatency(console);
    console.hide();
    download.show();
    if (!HandOverTo(download.Session(), console.Session(), &download)) {
        std::printf("port_error 2\n");
        return 1;
    }
    MeasureDownload(download, prompts, dir, flash);
    download.Comm().SetPortOpen(false);
    std::printf("serial_start_rss_mb %.1f\nserial_peak_rss_mb %.1f\n", startRss, PeakRssMb());
    SetPrompts(nullptr);
    return 0;
}
