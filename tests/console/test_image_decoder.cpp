#include "console/image_decoder.h"
#include "protocol/buffers.h"

#include <QTest>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kHalf = 0x00;
constexpr uint8_t kFull = 0x20;

// A receive buffer holding an image reply: command packet with L and the result code, then the
// data packet head, the payload, its check and tail. `count` is the number of bytes received.
struct CImageReply {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(kRxBufferSize, 0);
    int count = 0;
};

CImageReply MakeReply(int length, uint8_t resultCode, const std::vector<uint8_t>& payload) {
    CImageReply reply;
    const uint8_t head[] = {
        0xF5, 0x24, uint8_t(length >> 8), uint8_t(length & 0xFF), resultCode, 0x00, 0x00,
        0xF5, 0xF5};
    std::memcpy(reply.bytes.data(), head, sizeof head);
    std::copy(payload.begin(), payload.end(), reply.bytes.begin() + 9);
    reply.count = 9 + int(payload.size());
    reply.bytes[reply.count++] = 0x00; // check (not read)
    reply.bytes[reply.count++] = 0xF5;
    return reply;
}

// Payload bytes whose two nibbles are never 0 and vary from byte to byte.
std::vector<uint8_t> PatternPayload(int n) {
    std::vector<uint8_t> payload(n);
    for (int i = 0; i < n; ++i)
        payload[i] = uint8_t((((i % 15) + 1) << 4) | (((i / 15) % 15) + 1));
    return payload;
}

std::vector<uint8_t> DirtyCanvas() {
    return std::vector<uint8_t>(kCanvasSize, 0x55);
}

// The pixel of image row r, column c as the payload encodes it.
uint8_t ExpectedPixel(const std::vector<uint8_t>& payload, bool high, int imageWidth, int r,
                      int c) {
    if (high)
        return payload[r * imageWidth + c];
    const uint8_t b = payload[r * (imageWidth / 2) + c / 2];
    return c % 2 == 0 ? uint8_t(b & 0xF0) : uint8_t((b & 0x0F) << 4);
}

int CountNonBlack(const std::vector<uint8_t>& canvas, int from, int to) {
    int n = 0;
    for (int i = from; i < to; ++i)
        n += canvas[i] != 0;
    return n;
}

} // namespace

class TestImageDecoder : public QObject {
    Q_OBJECT
private slots:
    // Every geometry at both resolutions, with its placement in the canvas worked out by hand:
    // image top row and left column (the top row may lie above the canvas), image size, stride.
    void everyGeometry_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("high");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("imageWidth");
        QTest::addColumn<int>("imageHeight");
        QTest::addColumn<int>("side");
        struct Row {
            const char* name;
            int length, fullTop, fullLeft, width, height, halfTop, halfLeft;
        };
        const Row rows[] = {
            {"304x304", 11552, 0, 0, 304, 304, 0, 0},
            {"280x280", 9800, 12, 12, 280, 280, 6, 6},
            {"256x280", 8960, 12, 24, 256, 280, 6, 12},
            {"256x256", 8192, 24, 24, 256, 256, 12, 12},
            {"196x196", 4802, 54, 54, 196, 196, 27, 27},
            {"160x208", 4160, 48, 72, 160, 208, 24, 36},
            {"248x280", 8680, 12, 28, 248, 280, 6, 14},
            {"280x240", 8400, 32, 12, 280, 240, 16, 6},
            {"240x312", 9360, -4, 32, 240, 312, -2, 16},
            {"248x296", 9176, 4, 28, 248, 296, 2, 14},
            {"256x292", 9344, 6, 24, 256, 292, 3, 12},
            {"256x296", 9472, 4, 24, 256, 296, 2, 12},
            {"200x264", 6600, 20, 52, 200, 264, 10, 26},
        };
        for (const Row& r : rows) {
            QTest::newRow(QByteArray("full ").append(r.name).constData())
                << r.length << true << r.fullTop << r.fullLeft << r.width << r.height << 304;
            QTest::newRow(QByteArray("half ").append(r.name).constData())
                << r.length << false << r.halfTop << r.halfLeft << r.width / 2 << r.height / 2
                << 152;
        }
    }
    void everyGeometry() {
        QFETCH(int, length);
        QFETCH(bool, high);
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(int, imageWidth);
        QFETCH(int, imageHeight);
        QFETCH(int, side);
        const int payloadSize = high ? 8 * length : length;
        const std::vector<uint8_t> payload = PatternPayload(payloadSize);
        const CImageReply reply = MakeReply(length, high ? kFull : kHalf, payload);
        std::vector<uint8_t> canvas = DirtyCanvas();

        const CImageDisplay display =
            DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());

        QCOMPARE(display.width, side);
        QCOMPARE(display.height, side);
        for (int row = 0; row < side; ++row) {
            for (int col = 0; col < side; ++col) {
                const int r = row - top, c = col - left;
                const bool inside = r >= 0 && r < imageHeight && c >= 0 && c < imageWidth;
                const uint8_t expected =
                    inside ? ExpectedPixel(payload, high, imageWidth, r, c) : uint8_t(0);
                if (canvas[row * side + col] != expected)
                    QFAIL(qPrintable(QString("row %1 column %2: %3 instead of %4")
                                         .arg(row)
                                         .arg(col)
                                         .arg(canvas[row * side + col])
                                         .arg(expected)));
            }
        }
        QCOMPARE(CountNonBlack(canvas, side * side, kCanvasSize), 0);
    }

    void halfResolutionNibbles() {
        std::vector<uint8_t> payload(11552, 0);
        payload[0] = 0x9C;
        const CImageReply reply = MakeReply(11552, kHalf, payload);
        std::vector<uint8_t> canvas = DirtyCanvas();
        DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        QCOMPARE(canvas[0], uint8_t(0x90));
        QCOMPARE(canvas[1], uint8_t(0xC0));
        QCOMPARE(CountNonBlack(canvas, 2, kCanvasSize), 0);
    }

    void halfResolution160x208LandsAtRow24Column36() {
        const CImageReply reply = MakeReply(4160, kHalf, std::vector<uint8_t>(4160, 0xFF));
        std::vector<uint8_t> canvas = DirtyCanvas();
        DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        QCOMPARE(canvas[24 * 152 + 36], uint8_t(0xF0));
        QCOMPARE(canvas[24 * 152 + 35], uint8_t(0));
        QCOMPARE(canvas[23 * 152 + 36], uint8_t(0));
        QCOMPARE(canvas[(24 + 103) * 152 + 36 + 79], uint8_t(0xF0));
        QCOMPARE(canvas[(24 + 104) * 152 + 36 + 79], uint8_t(0));
        QCOMPARE(canvas[(24 + 103) * 152 + 36 + 80], uint8_t(0));
        QCOMPARE(CountNonBlack(canvas, 0, kCanvasSize), 80 * 104);
    }

    void halfResolution256x256HasA12PixelBorder() {
        const CImageReply reply = MakeReply(8192, kHalf, std::vector<uint8_t>(8192, 0xFF));
        std::vector<uint8_t> canvas = DirtyCanvas();
        const CImageDisplay display =
            DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        QCOMPARE(display.width, 152);
        for (int row = 0; row < 152; ++row) {
            for (int col = 0; col < 152; ++col) {
                const bool border = row < 12 || row >= 140 || col < 12 || col >= 140;
                QCOMPARE(canvas[row * 152 + col], border ? uint8_t(0) : uint8_t(0xF0));
            }
        }
    }

    // Entry 8 (240 x 312) is taller than the canvas: its first and last rows are dropped.
    void tallImageDropsItsOuterRows_data() {
        QTest::addColumn<bool>("high");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("left");
        QTest::newRow("full") << true << 4 << 304 << 32;
        QTest::newRow("half") << false << 2 << 152 << 16;
    }
    void tallImageDropsItsOuterRows() {
        QFETCH(bool, high);
        QFETCH(int, dropped);
        QFETCH(int, side);
        QFETCH(int, left);
        const int rows = high ? 312 : 156, rowBytes = high ? 240 : 60;
        std::vector<uint8_t> payload(rows * rowBytes);
        for (int r = 0; r < rows; ++r) // every row its own value, the same in both nibbles
            std::memset(payload.data() + r * rowBytes, ((r % 15) + 1) * 0x11, rowBytes);
        const CImageReply reply = MakeReply(9360, high ? kFull : kHalf, payload);
        std::vector<uint8_t> canvas = DirtyCanvas();
        DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        auto pixelOfRow = [&](int r) {
            const uint8_t b = uint8_t(((r % 15) + 1) * 0x11);
            return high ? b : uint8_t(b & 0xF0);
        };
        QCOMPARE(canvas[left], pixelOfRow(dropped));
        QCOMPARE(canvas[(side - 1) * side + left], pixelOfRow(rows - 1 - dropped));
        QCOMPARE(CountNonBlack(canvas, 0, kCanvasSize), (rows - 2 * dropped) * (high ? 240 : 120));
    }

    void wholeCanvasImages_data() {
        QTest::addColumn<bool>("high");
        QTest::addColumn<int>("side");
        QTest::newRow("full 304x304") << true << 304;
        QTest::newRow("half 152x152") << false << 152;
    }
    void wholeCanvasImages() {
        QFETCH(bool, high);
        QFETCH(int, side);
        const CImageReply reply = MakeReply(11552, high ? kFull : kHalf,
                                            std::vector<uint8_t>(high ? 92416 : 11552, 0x77));
        const CImageDisplay display =
            DecodeImageReply(reply.bytes.data(), reply.count, g_ImageCanvas);
        QCOMPARE(display.width, side);
        QCOMPARE(display.height, side);
        const uint8_t expected = high ? 0x77 : 0x70;
        for (int i = 0; i < side * side; ++i)
            QCOMPARE(g_ImageCanvas[i], expected);
        ResetImageCanvas();
        QCOMPARE(g_ImageCanvas[0], uint8_t(0));
    }

    void smallImageIsCentredIn240_data() {
        QTest::addColumn<int>("resultCode");
        QTest::newRow("result 0x00") << int(kHalf);
        QTest::newRow("result 0x20") << int(kFull);
    }
    void smallImageIsCentredIn240() {
        QFETCH(int, resultCode);
        const std::vector<uint8_t> payload = PatternPayload(6400);
        const CImageReply reply = MakeReply(6400, uint8_t(resultCode), payload);
        std::vector<uint8_t> canvas = DirtyCanvas();
        const CImageDisplay display =
            DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        QCOMPARE(display.width, 240);
        QCOMPARE(display.height, 240);
        for (int row = 0; row < 240; ++row) {
            for (int col = 0; col < 240; ++col) {
                const bool inside = row >= 80 && row < 160 && col >= 80 && col < 160;
                const uint8_t expected =
                    inside ? payload[(row - 80) * 80 + (col - 80)] : uint8_t(0);
                QCOMPARE(canvas[row * 240 + col], expected);
            }
        }
        QCOMPARE(CountNonBlack(canvas, 240 * 240, kCanvasSize), 0);
    }

    void unknownLengthShowsBlack_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("resultCode");
        QTest::addColumn<int>("side");
        QTest::newRow("1000 half") << 1000 << int(kHalf) << 152;
        QTest::newRow("1000 full") << 1000 << int(kFull) << 304;
        QTest::newRow("0 half") << 0 << int(kHalf) << 152;
        QTest::newRow("65535 full") << 65535 << int(kFull) << 304;
    }
    void unknownLengthShowsBlack() {
        QFETCH(int, length);
        QFETCH(int, resultCode);
        QFETCH(int, side);
        const CImageReply reply = MakeReply(length, uint8_t(resultCode), PatternPayload(1000));
        std::vector<uint8_t> canvas = DirtyCanvas();
        const CImageDisplay display =
            DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        QCOMPARE(display.width, side);
        QCOMPARE(display.height, side);
        QCOMPARE(CountNonBlack(canvas, 0, kCanvasSize), 0);
    }

    // Bytes that did not arrive are black, whatever an earlier reply left in the buffer.
    void missingPixelsAreBlack_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("resultCode");
        QTest::addColumn<int>("received"); // payload bytes received
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("pixelsPerByte");
        QTest::newRow("full, 1000 of 92416") << 11552 << int(kFull) << 1000 << 304 << 1;
        QTest::newRow("half, 1000 of 11552") << 11552 << int(kHalf) << 1000 << 152 << 2;
        QTest::newRow("80x80, 1000 of 6400") << 6400 << int(kHalf) << 1000 << 240 << 1;
        QTest::newRow("full, header only") << 11552 << int(kFull) << 0 << 304 << 1;
    }
    void missingPixelsAreBlack() {
        QFETCH(int, length);
        QFETCH(int, resultCode);
        QFETCH(int, received);
        QFETCH(int, side);
        QFETCH(int, pixelsPerByte);
        CImageReply reply = MakeReply(length, uint8_t(resultCode), {});
        std::memset(reply.bytes.data() + 9, 0xAA, kRxBufferSize - 9); // an earlier reply
        std::memset(reply.bytes.data() + 9, 0x33, received);
        reply.count = 9 + received;
        std::vector<uint8_t> canvas = DirtyCanvas();
        DecodeImageReply(reply.bytes.data(), reply.count, canvas.data());
        const int firstRow = length == 6400 ? 80 : 0, firstCol = length == 6400 ? 80 : 0;
        const int imageWidth = length == 6400 ? 80 : side;
        int lit = 0;
        for (int i = 0; i < kCanvasSize; ++i) {
            QVERIFY2(canvas[i] != 0xAA && canvas[i] != 0xA0, "a stale byte was shown");
            lit += canvas[i] != 0;
        }
        QCOMPARE(lit, received * pixelsPerByte);
        if (received > 0)
            QVERIFY(canvas[firstRow * side + firstCol] != 0);
        const int lastLit = received * pixelsPerByte - 1; // in image order
        if (received > 0) {
            const int row = firstRow + lastLit / imageWidth, col = firstCol + lastLit % imageWidth;
            QVERIFY(canvas[row * side + col] != 0);
        }
    }
};

QTEST_APPLESS_MAIN(TestImageDecoder)
#include "test_image_decoder.moc"
