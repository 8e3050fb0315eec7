// Widget timings, offscreen: the reply dump shown in field 1054 (set text, layout, first paint)
// against a plain QPlainTextEdit with its default word wrap given the same single-line text.
// Prints one "name milliseconds" line per figure, the median of several runs.
#include "console/hex_dump_view.h"
#include "protocol/hex_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kLargestCollection = 101415;
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
    return 0;
}
