// Widget timings, offscreen: the reply dump shown in field 1054 (set text, layout, first paint)
// against a plain QPlainTextEdit with its default word wrap given the same single-line text.
// Prints one "name milliseconds" line per figure, the median of several runs.
#include "console/hex_dump_view.h"
#include "console/module_test_panel.h"
#include "protocol/hex_text.h"
#include "serial/panel_timers.h"
#include "serial/serial_control.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTimer>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kLargestCollection = 101426;
constexpr int kRuns = 7;
const QSize kFieldSize(162, 248); // field 1054 in pixels at the default font

QString LargestDump() {
    std::vector<uint8_t> bytes(kLargestCollection);
    for (int i = 0; i < kLargestCollection; ++i)
        bytes[i] = uint8_t(i * 31 + 7);
    return FormatHexDump(bytes.data(), kLargestCollection);
}

template <typename TField>
double ShowOnce(const QString& dump, const std::function<void(TField&, const QString&)>& set) {
    TField field;
    field.resize(kFieldSize);
    field.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    set(field, dump);
    field.grab(); // lays out what is needed and paints it, as the first paint on screen does
    return timer.nsecsElapsed() / 1e6;
}

template <typename TField>
double Median(const QString& dump, const std::function<void(TField&, const QString&)>& set) {
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(ShowOnce<TField>(dump, set));
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}
// Peak resident set so far, in megabytes.
double PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The test panel with its port open on a pty that never sends, left alone for `seconds`: the
// CPU time the process spends and the number of the panel's timers running at the end.
void MeasureIdle(int seconds) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::printf("idle_error 1\n");
        return;
    }
    qputenv("MORVANE_COM1", ptsname(master));
    CModuleTestDlg panel;
    panel.show();
    try {
        panel.Comm().SetPortOpen(true);
    } catch (...) {
        std::printf("idle_error 2\n");
        close(master);
        return;
    }
    QApplication::processEvents();
    const double before = CpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = CpuSeconds() - before;
    int running = 0;
    for (const QTimer* timer : panel.findChildren<QTimer*>())
        running += timer->isActive() ? 1 : 0;
    for (int id = 0; id <= 16; ++id)
        running += panel.Timers().IsRunning(id) ? 1 : 0;
    std::printf("idle_cpu_s %.4f\nidle_timers %d\nidle_port_open %d\n", cpu, running,
                panel.Comm().PortOpen() ? 1 : 0);
    panel.Comm().SetPortOpen(false);
    close(master);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double startRss = PeakRssMb();
    const QString dump = LargestDump();
    const double view = Median<CHexDumpView>(
        dump, [](CHexDumpView& field, const QString& text) { field.SetDumpText(text); });
    const double plain = Median<QPlainTextEdit>(
        dump, [](QPlainTextEdit& field, const QString& text) { field.setPlainText(text); });
    CHexDumpView check;
    check.SetDumpText(dump);
    std::printf("start_rss_mb %.1f\npeak_rss_mb %.1f\n", startRss, PeakRssMb());
    std::printf("dump_view_ms %.3f\nplain_text_edit_ms %.3f\ndump_exact %d\n", view, plain,
                check.toPlainText() == dump ? 1 : 0);
    std::fflush(stdout);
    MeasureIdle(10);
    return 0;
}
