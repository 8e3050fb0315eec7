// Plain-code timings, each with its baseline: the reply interpretation against a naive dump,
// image decoding against a copy of the same bytes, .dat loading against reading the file, .bin
// generation against writing as many bytes.
#include "console/image_decoder.h"
#include "download/bin_writer.h"
#include "download/dat_reader.h"
#include "download/half_processing.h"
#include "download/program_image.h"
#include "protocol/hex_text.h"
#include "protocol/reply_texts.h"
#include "serial/comm_log.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

namespace {
constexpr int kLargestCollection = 101426;
constexpr uint8_t kMark = 0xF5;

std::vector<uint8_t> ImageReply(uint8_t p1, uint8_t p2, uint8_t p3, int size) {
    std::vector<uint8_t> reply(size);
    for (int i = 0; i < size; ++i)
        reply[i] = uint8_t(i * 31 + 7);
    const uint8_t head[9] = {kMark, 0x24, p1, p2, p3, 0, uint8_t(0x24 ^ p1 ^ p2 ^ p3),
                             kMark, kMark};
    std::memcpy(reply.data(), head, sizeof head);
    return reply;
}

void InterpretLargestReply(benchmark::State& state) {
    const std::vector<uint8_t> reply = ImageReply(0x2D, 0x20, 0x20, kLargestCollection);
    for (auto _ : state) {
        QString dump = FormatHexDump(reply.data(), int(reply.size()));
        CReplyOutcome outcome = InterpretReplyBytes(reply.data(), int(reply.size()), {});
        benchmark::DoNotOptimize(dump);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(InterpretLargestReply)->Unit(benchmark::kMillisecond);

void NaiveDumpBaseline(benchmark::State& state) {
    const std::vector<uint8_t> reply = ImageReply(0x2D, 0x20, 0x20, kLargestCollection);
    for (auto _ : state) {
        QString dump;
        for (uint8_t byte : reply)
            dump += QString::asprintf("%02X ", byte);
        benchmark::DoNotOptimize(dump);
    }
}
BENCHMARK(NaiveDumpBaseline)->Unit(benchmark::kMillisecond);

// The largest reply, a 304 x 304 image of 92,427 bytes, recorded in the communication log as the
// receive cycle reads it (9,000 bytes a read), with the request before it and the round trip.
void LogImageReply(benchmark::State& state) {
    constexpr int kReplySize = 8 + 1 + 304 * 304 + 2, kRead = 9000;
    const std::vector<uint8_t> reply = ImageReply(0x2D, 0x20, 0x20, kReplySize);
    const QByteArray request = QByteArray::fromHex("F5240000200004F5");
    CCommLog log;
    for (auto _ : state) {
        log.Clear();
        log.Record(ECommDirection::Sent, 1, QStringLiteral("/dev/pts/1"), request);
        for (int at = 0; at < kReplySize; at += kRead) {
            const int n = std::min(kRead, kReplySize - at);
            log.Record(ECommDirection::Received, 1, QStringLiteral("/dev/pts/1"),
                       QByteArray(reinterpret_cast<const char*>(reply.data()) + at, n));
        }
        log.EndExchange();
        benchmark::DoNotOptimize(log.LineCount());
    }
}
BENCHMARK(LogImageReply)->Unit(benchmark::kMillisecond);

// The same reply recorded as the log kept it before it found frames: the pieces' lines only,
// the newest kMaxLines of them, and the round trip.
void LogImageReplyPiecesOnly(benchmark::State& state) {
    constexpr int kReplySize = 8 + 1 + 304 * 304 + 2, kRead = 9000;
    const std::vector<uint8_t> reply = ImageReply(0x2D, 0x20, 0x20, kReplySize);
    std::deque<QString> lines;
    const auto keep = [&lines](const CCommLogEntry& entry) {
        for (QString& line : FormatCommLogEntry(entry))
            lines.push_back(std::move(line));
        while (lines.size() > size_t(CCommLog::kMaxLines))
            lines.pop_front();
    };
    for (auto _ : state) {
        lines.clear();
        CCommLogEntry entry;
        entry.device = QStringLiteral("/dev/pts/1");
        entry.wallClock = QDateTime::currentDateTime();
        entry.bytes = QByteArray::fromHex("F5240000200004F5");
        keep(entry);
        entry.direction = ECommDirection::Received;
        for (int at = 0; at < kReplySize; at += kRead) {
            entry.wallClock = QDateTime::currentDateTime();
            entry.bytes = QByteArray(reinterpret_cast<const char*>(reply.data()) + at,
                                     std::min(kRead, kReplySize - at));
            keep(entry);
        }
        lines.push_back(FormatRoundTrip(1.0));
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(LogImageReplyPiecesOnly)->Unit(benchmark::kMillisecond);

void DumpImageReplyBaseline(benchmark::State& state) {
    const std::vector<uint8_t> reply = ImageReply(0x2D, 0x20, 0x20, 8 + 1 + 304 * 304 + 2);
    for (auto _ : state) {
        QString dump = FormatHexDump(reply.data(), int(reply.size()));
        benchmark::DoNotOptimize(dump);
    }
}
BENCHMARK(DumpImageReplyBaseline)->Unit(benchmark::kMillisecond);

// p1, p2 carry the length field L; result 0x20 is a full-resolution image of 8 L bytes, 0x00 a
// half-resolution one of L bytes.
void DecodeImage(benchmark::State& state, uint8_t p1, uint8_t p2, uint8_t result, int payload) {
    const std::vector<uint8_t> reply = ImageReply(p1, p2, result, payload + 11);
    static uint8_t canvas[kCanvasSize];
    for (auto _ : state) {
        CImageDisplay display = DecodeImageReply(reply.data(), int(reply.size()), canvas);
        benchmark::DoNotOptimize(display);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(DecodeImage, Full304x304, 0x2D, 0x20, 0x20, 304 * 304)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeImage, Half256x280, 0x23, 0x00, 0x00, 256 * 280 / 8)
    ->Unit(benchmark::kMillisecond);

void CopyImageBaseline(benchmark::State& state) {
    std::vector<uint8_t> from(kCanvasSize, 0x5A), to(kCanvasSize);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyImageBaseline)->Unit(benchmark::kMillisecond);

// A .dat file: a header line, then 32,768 records of two prefix characters, four hex digits and
// a line end.
QString WriteDatFile(const QTemporaryDir& dir) {
    QByteArray text("0000\r\n");
    for (int k = 0; k < kDatRecordCount; ++k)
        text += QByteArray("0x") +
                QByteArray::number((k * 2654435761u) & 0xFFFFu, 16).rightJustified(4, '0') +
                QByteArray("\r\n");
    const QString path = dir.filePath(QStringLiteral("half.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void LoadDatFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteDatFile(dir);
    for (auto _ : state) {
        uint8_t* half = HalfBytes(EProgramHalf::Half28000);
        if (ReadDatFile(path, half) != EDatReadResult::Loaded)
            state.SkipWithError("the .dat file was not loaded");
        PostProcessHalf(EProgramHalf::Half28000, half);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(LoadDatFile)->Unit(benchmark::kMillisecond);

void ReadDatBaseline(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteDatFile(dir);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray all = file.readAll();
        benchmark::DoNotOptimize(all);
    }
}
BENCHMARK(ReadDatBaseline)->Unit(benchmark::kMillisecond);

void GenerateBin(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.bin"));
    for (auto _ : state)
        if (!WriteBinFile(path).isEmpty())
            state.SkipWithError("the .bin file was not written");
}
BENCHMARK(GenerateBin)->Unit(benchmark::kMillisecond);

void WriteBinBaseline(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.bin"));
    const QByteArray bytes(kBinFileSize, '\x5A');
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
}
BENCHMARK(WriteBinBaseline)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
