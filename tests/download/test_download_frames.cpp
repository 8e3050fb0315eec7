#include "download/download_frames.h"
#include "download/program_image.h"

#include <QTest>

namespace {
QByteArray Bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}
} // namespace

class TestDownloadFrames : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetProgramImage();
        for (int i = 0; i < kProgramImageSize; ++i)
            ProgramImage[i] = static_cast<uint8_t>(i % 251);
    }

    void block_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("first") << 0;
        QTest::newRow("last of the 0x28000 half") << 15;
        QTest::newRow("first of the 0x38000 half") << 16;
        QTest::newRow("last") << 31;
    }
    void block() {
        QFETCH(int, k);
        static uint8_t packet[kBlockPacketSize];
        QVERIFY(BuildProgramBlock(k, packet));
        QCOMPARE(packet[0], uint8_t(0xF5));
        QCOMPARE(int(packet[1]), k);
        uint8_t check = uint8_t(k);
        for (int i = 0; i < 4096; ++i) {
            QCOMPARE(packet[2 + i], ProgramImage[k * 4096 + i]);
            check ^= ProgramImage[k * 4096 + i];
        }
        QCOMPARE(packet[4098], check);
        QCOMPARE(packet[4099], uint8_t(0xF5));
    }

    void blockCheckOfAKnownImage() {
        ResetProgramImage();
        ProgramImage[3 * 4096] = 0x10;
        ProgramImage[3 * 4096 + 4095] = 0x01;
        static uint8_t packet[kBlockPacketSize];
        QVERIFY(BuildProgramBlock(3, packet));
        QCOMPARE(packet[4098], uint8_t(0x03 ^ 0x10 ^ 0x01));
    }

    void noBlockOutsideTheImage_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("-1") << -1;
        QTest::newRow("32") << 32;
        QTest::newRow("255") << 255;
    }
    void noBlockOutsideTheImage() {
        QFETCH(int, k);
        static uint8_t packet[kBlockPacketSize];
        std::fill(std::begin(packet), std::end(packet), uint8_t(0xAA));
        QVERIFY(!BuildProgramBlock(k, packet));
        QCOMPARE(packet[0], uint8_t(0xAA));
        QCOMPARE(packet[1], uint8_t(0xAA));
    }

    void replyFrame_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("p3");
        QTest::newRow("start reply") << Bytes("F5090000000009F5") << true << 0x09 << 0 << 0;
        QTest::newRow("acknowledgement") << Bytes("F5FF000500 00FAF5") << true << 0xFF << 5 << 0;
        QTest::newRow("final acknowledgement")
            << Bytes("F5FF001F0000E0F5") << true << 0xFF << 0x1F << 0;
        QTest::newRow("negative acknowledgement")
            << Bytes("F5FF001F0100E1F5") << true << 0xFF << 0x1F << 1;
        QTest::newRow("two bytes of noise before")
            << Bytes("1234F5FF00030000FCF5") << true << 0xFF << 3 << 0;
        QTest::newRow("bytes after the frame")
            << Bytes("F5FF00020000FDF5F5F5") << true << 0xFF << 2 << 0;
        QTest::newRow("p1 and b5 in the check")
            << Bytes("F5FF7702005AD0F5") << true << 0xFF << 2 << 0;
        QTest::newRow("foreign command") << Bytes("F5260000000026F5") << true << 0x26 << 0 << 0;
        QTest::newRow("seven bytes after the first F5")
            << Bytes("0000F5FF00020000FD") << false << 0 << 0 << 0;
        QTest::newRow("noise F5 hides the frame")
            << Bytes("F501F5FF00020000FDF5") << false << 0 << 0 << 0;
        QTest::newRow("bad check") << Bytes("F5FF00020000FCF5") << false << 0 << 0 << 0;
        QTest::newRow("bad tail") << Bytes("F5FF00020000FDF4") << false << 0 << 0 << 0;
        QTest::newRow("no F5") << Bytes("0102030405060708") << false << 0 << 0 << 0;
        QTest::newRow("nothing") << QByteArray() << false << 0 << 0 << 0;
    }
    void replyFrame() {
        QFETCH(QByteArray, received);
        QFETCH(bool, found);
        QFETCH(int, command);
        QFETCH(int, p2);
        QFETCH(int, p3);
        CReplyFrame frame;
        frame.command = 0xEE;
        QCOMPARE(FindReplyFrame(reinterpret_cast<const uint8_t*>(received.constData()),
                                int(received.size()), &frame),
                 found);
        if (!found) {
            QCOMPARE(frame.command, uint8_t(0xEE));
            return;
        }
        QCOMPARE(int(frame.command), command);
        QCOMPARE(int(frame.p2), p2);
        QCOMPARE(int(frame.p3), p3);
    }

    // Only the n bytes received count, whatever lies beyond them.
    void frameNeverReadsPastTheCount() {
        const QByteArray all = Bytes("F5FF00020000FDF5");
        CReplyFrame frame;
        QVERIFY(!FindReplyFrame(reinterpret_cast<const uint8_t*>(all.constData()), 7, &frame));
    }
};

QTEST_GUILESS_MAIN(TestDownloadFrames)
#include "test_download_frames.moc"
