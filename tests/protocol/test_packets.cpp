#include "protocol/buffers.h"
#include "protocol/packets.h"

#include <QTest>

namespace {
QByteArray Tx(int n) {
    return QByteArray(reinterpret_cast<const char*>(g_TxBuffer), n);
}
} // namespace

class TestPackets : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProtocolBuffers(); }

    void commandPacket_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("p3");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("user count")
            << 0x09 << 0 << 0 << 0 << QByteArray::fromHex("F5090000000009F5");
        QTest::newRow("capacity") << 0x09 << 0 << 0 << 0xFF
                                  << QByteArray::fromHex("F5090000FF00F6F5");
        QTest::newRow("compare level 5")
            << 0x28 << 0 << 0 << 5 << QByteArray::fromHex("F528000005002DF5");
        QTest::newRow("store header")
            << 0x41 << 0x00 << 0xC4 << 0 << QByteArray::fromHex("F54100C4000085F5");
        QTest::newRow("two fingers")
            << 0x46 << 0x01 << 0x85 << 0 << QByteArray::fromHex("F546018500 00C2F5");
        QTest::newRow("high-res capture")
            << 0x24 << 0 << 0 << 0x20 << QByteArray::fromHex("F5240000200004F5");
        QTest::newRow("all ones") << 0xFF << 0xFF << 0xFF << 0xFF
                                  << QByteArray::fromHex("F5FFFFFFFF0000F5");
        QTest::newRow("handshake")
            << 0xFF << 0 << 0 << 0 << QByteArray::fromHex("F5FF00000000FFF5");
        QTest::newRow("rate 38400")
            << 0x21 << 0 << 0 << 3 << QByteArray::fromHex("F5210000030022F5");
    }
    void commandPacket() {
        QFETCH(int, command);
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, p3);
        QFETCH(QByteArray, expected);
        FillCommandPacket(command, p1, p2, p3);
        QCOMPARE(Tx(8).toHex(' ').toUpper(), expected.toHex(' ').toUpper());
    }

    void commandPacketLeavesDataBytesAlone() {
        std::memset(g_TxBuffer, 0xAB, sizeof g_TxBuffer);
        FillCommandPacket(0x09, 0, 0, 0);
        QCOMPARE(g_TxBuffer[8], uint8_t(0xAB));
        FrameDataPacket(8); // a bare command is not framed
        QCOMPARE(g_TxBuffer[8], uint8_t(0xAB));
    }

    void storeFeatureTransmission() {
        FillCommandPacket(0x41, 0x00, 0xC4, 0x00);
        const uint8_t header[3] = {0x00, 0x01, 0x01};
        std::memcpy(g_TxBuffer + 9, header, 3);
        uint8_t expectedCheck = 0x00 ^ 0x01 ^ 0x01;
        for (int i = 0; i < kFeatureSize; ++i) {
            g_TxBuffer[kFeatureOffset + i] = uint8_t(i * 7 + 3);
            expectedCheck ^= uint8_t(i * 7 + 3);
        }
        const int length = TransmissionLength(0x00, 0xC4);
        QCOMPARE(length, 207);
        FrameDataPacket(length);
        QCOMPARE(g_TxBuffer[8], kPacketMark);
        QCOMPARE(g_TxBuffer[205], expectedCheck);
        QCOMPARE(g_TxBuffer[206], kPacketMark);
        QCOMPARE(Tx(8), QByteArray::fromHex("F54100C4000085F5"));
    }

    void twoFingerLength() { QCOMPARE(TransmissionLength(0x01, 0x85), 400); }

    void framingBeyondTheBufferIsRefused() {
        std::memset(g_TxBuffer, 0x11, sizeof g_TxBuffer);
        FrameDataPacket(kTxBufferSize + 1);
        QCOMPARE(g_TxBuffer[8], uint8_t(0x11));
        FrameDataPacket(kTxBufferSize);
        QCOMPARE(g_TxBuffer[kTxBufferSize - 1], kPacketMark);
    }

    void appendStopsAtTheEndOfTheReceiveBuffer() {
        QByteArray chunk(kRxReadChunk, '\x5A');
        int stored = 0;
        for (int i = 0; i < 20; ++i)
            stored +=
                AppendToRxBuffer(reinterpret_cast<const uint8_t*>(chunk.constData()), chunk.size());
        QCOMPARE(stored, kRxBufferSize);
        QCOMPARE(g_nRxCount, kRxBufferSize);
        QCOMPARE(AppendToRxBuffer(reinterpret_cast<const uint8_t*>(chunk.constData()), 1), 0);
    }
};

QTEST_GUILESS_MAIN(TestPackets)
#include "test_packets.moc"
