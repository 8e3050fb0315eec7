// Image replies of the simulated module for every sensor size, at both resolutions, and the
// synthetic fingerprint they carry.
#include "sim/fingerprint_image.h"
#include "sim_test_bytes.h"

#include <QTest>
#include <cmath>

using namespace simtest;
using sim::CImageSize;

namespace {
QByteArray Capture(CImageSize size, uint8_t p3) {
    sim::CModuleSettings settings;
    settings.imageSize = size;
    CModuleDriver module(settings);
    return module.Send(Packet(0x24, 0, 0, p3));
}

double Mean(const QByteArray& pixels) {
    double sum = 0;
    for (char p : pixels)
        sum += uint8_t(p);
    return sum / pixels.size();
}

// Correlation of each pixel with its right-hand neighbour: near 1 for ridges, near 0 for noise.
double NeighbourCorrelation(const QByteArray& pixels, int width) {
    const double mean = Mean(pixels);
    double products = 0, squares = 0;
    for (int i = 0; i + 1 < pixels.size(); ++i) {
        if ((i + 1) % width == 0)
            continue;
        const double a = uint8_t(pixels.at(i)) - mean;
        const double b = uint8_t(pixels.at(i + 1)) - mean;
        products += a * b;
        squares += a * a;
    }
    return products / squares;
}

// Light-to-dark changes along the middle row: each crossing of a ridge counts once.
int RidgesAcrossMiddleRow(const QByteArray& pixels, CImageSize size) {
    const int y = size.height / 2;
    int ridges = 0;
    bool dark = false;
    for (int x = 0; x < size.width; ++x) {
        const int p = uint8_t(pixels.at(y * size.width + x));
        if (!dark && p < 100) {
            dark = true;
            ++ridges;
        } else if (dark && p > 160) {
            dark = false;
        }
    }
    return ridges;
}
} // namespace

class TestSimImages : public QObject {
    Q_OBJECT
private slots:
    void replyLengths_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lengthField");
        for (const CImageSize& size : sim::kSensorSizes)
            QTest::addRow("%dx%d", size.width, size.height)
                << size.width << size.height << size.width * size.height / 8;
    }
    void replyLengths() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, lengthField);
        const CImageSize size{width, height};

        const QByteArray half = Capture(size, 0x00);
        QCOMPARE(half.size(), lengthField + 11);
        QCOMPARE(uint8_t(half.at(1)), uint8_t(0x24));
        QCOMPARE(uint8_t(half.at(2)) * 256 + uint8_t(half.at(3)), lengthField);
        QCOMPARE(uint8_t(half.at(4)), uint8_t(0x00));
        QCOMPARE(uint8_t(half.at(6)), Xor(half.mid(1, 5)));
        QCOMPARE(uint8_t(half.at(8)), uint8_t(0xF5));
        QCOMPARE(uint8_t(half.at(half.size() - 2)), Xor(half.mid(9, lengthField)));
        QCOMPARE(uint8_t(half.at(half.size() - 1)), uint8_t(0xF5));

        const QByteArray full = Capture(size, 0x20);
        QCOMPARE(full.size(), 8 * lengthField + 11);
        QCOMPARE(uint8_t(full.at(2)) * 256 + uint8_t(full.at(3)), lengthField);
        QCOMPARE(uint8_t(full.at(4)), uint8_t(0x20));
        QCOMPARE(uint8_t(full.at(6)), Xor(full.mid(1, 5)));
        QCOMPARE(uint8_t(full.at(full.size() - 2)), Xor(full.mid(9, 8 * lengthField)));
    }

    void exampleHeader() {
        // 256 x 280 at half resolution: L = 0x2300, 8971 bytes in all.
        const QByteArray reply = Capture({256, 280}, 0x00);
        QCOMPARE(Hex(reply.left(8)), QStringLiteral("F5 24 23 00 00 00 07 F5"));
        QCOMPARE(reply.size(), 8971);
    }

    void smallSensor_data() {
        QTest::addColumn<int>("p3");
        QTest::addColumn<int>("result");
        QTest::newRow("half") << 0x00 << 0x00;
        QTest::newRow("full") << 0x20 << 0x20;
    }
    void smallSensor() {
        QFETCH(int, p3);
        QFETCH(int, result);
        const QByteArray reply = Capture(sim::kSmallSensor, uint8_t(p3));
        QCOMPARE(reply.size(), 6400 + 11);
        QCOMPARE(uint8_t(reply.at(2)) * 256 + uint8_t(reply.at(3)), 6400);
        QCOMPARE(int(uint8_t(reply.at(4))), result);
        sim::CModuleSettings settings;
        settings.imageSize = sim::kSmallSensor;
        const uint32_t finger = sim::CModuleState(settings).SensorVariant();
        QCOMPARE(reply.mid(9, 6400), sim::DrawFingerprint(sim::kSmallSensor, finger));
    }

    void halfResolutionIsTheFullImageReduced() {
        const CImageSize size{160, 208};
        const QByteArray full = Capture(size, 0x20).mid(9, 160 * 208);
        const QByteArray half = Capture(size, 0x00).mid(9, 160 * 208 / 8);
        const auto at = [&](int x, int y) { return uint8_t(full.at(y * 160 + x)); };
        for (int hy : {0, 51, 103})
            for (int hx : {0, 1, 40, 79}) {
                const int mean = (at(2 * hx, 2 * hy) + at(2 * hx + 1, 2 * hy) +
                                  at(2 * hx, 2 * hy + 1) + at(2 * hx + 1, 2 * hy + 1)) /
                                 4;
                const uint8_t byte = uint8_t(half.at((hy * 80 + hx) / 2));
                const int nibble = hx % 2 == 0 ? byte >> 4 : byte & 0x0F;
                QCOMPARE(nibble, mean >> 4);
            }
    }

    void packingPutsTheLeftPixelHigh() {
        const CImageSize size{4, 2};
        const QByteArray pixels = QByteArray::fromHex("90 90 C0 C0 90 90 C0 C0");
        QCOMPARE(Hex(sim::PackHalfResolution(pixels, size)), QStringLiteral("9C"));
    }

    void looksLikeAFingerprint_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("304x304") << 304 << 304;
        QTest::newRow("240x312") << 240 << 312;
        QTest::newRow("160x208") << 160 << 208;
        QTest::newRow("80x80") << 80 << 80;
    }
    void looksLikeAFingerprint() {
        QFETCH(int, width);
        QFETCH(int, height);
        const CImageSize size{width, height};
        const QByteArray pixels = sim::DrawFingerprint(size, 1234);
        QCOMPARE(pixels.size(), width * height);
        // Smooth ridges, not noise.
        QVERIFY2(NeighbourCorrelation(pixels, width) > 0.6,
                 qPrintable(QString::number(NeighbourCorrelation(pixels, width))));
        // Many ridges cross the finger: about one per 9 pixels of a 500 dpi sensor.
        const int ridges = RidgesAcrossMiddleRow(pixels, size);
        QVERIFY2(ridges >= width / 30 && ridges <= width / 4, qPrintable(QString::number(ridges)));
        // A light background around the print.
        QVERIFY(uint8_t(pixels.at(0)) > 200);
        QVERIFY(uint8_t(pixels.at(width * height - 1)) > 200);
    }

    void fingersDiffer() {
        QVERIFY(sim::DrawFingerprint({256, 256}, 1) != sim::DrawFingerprint({256, 256}, 2));
        QCOMPARE(sim::DrawFingerprint({256, 256}, 3), sim::DrawFingerprint({256, 256}, 3));
    }

    void imageSizes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("table entry") << QStringLiteral("248x296") << true;
        QTest::newRow("upper-case X") << QStringLiteral("304X304") << true;
        QTest::newRow("small sensor") << QStringLiteral("80x80") << true;
        QTest::newRow("not in the table") << QStringLiteral("300x300") << false;
        QTest::newRow("swapped") << QStringLiteral("280x256") << false;
        QTest::newRow("not a size") << QStringLiteral("big") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void imageSizes() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        CImageSize size{1, 1};
        QCOMPARE(sim::ParseImageSize(text, size), accepted);
        if (!accepted)
            QCOMPARE(size.width, 1);
    }
};

QTEST_GUILESS_MAIN(TestSimImages)
#include "test_sim_images.moc"
