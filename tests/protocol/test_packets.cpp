#include "protocol/buffers.h"
#include "protocol/packets.h"

#include <QTest>
#include <cstring>

class TestPackets : public QObject {
    Q_OBJECT
    uint8_t m_TxBuffer[kTxBufferSize] = {}; // a session's transmit packet

    QByteArray Tx(int n) const { return QByteArray(reinterpret_cast<const char*>(m_TxBuffer), n); }

private slots:
    void init() { std::memset(m_TxBuffer, 0, sizeof m_TxBuffer); }

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
        FillCommandPacket(m_TxBuffer, command, p1, p2, p3);
        QCOMPARE(Tx(8).toHex(' ').toUpper(), expected.toHex(' ').toUpper());
    }

    void commandPacketLeavesDataBytesAlone() {
        std::memset(m_TxBuffer, 0xAB, sizeof m_TxBuffer);
        FillCommandPacket(m_TxBuffer, 0x09, 0, 0, 0);
        QCOMPARE(m_TxBuffer[8], uint8_t(0xAB));
        FrameDataPacket(m_TxBuffer, 8); // a bare command is not framed
        QCOMPARE(m_TxBuffer[8], uint8_t(0xAB));
    }

    void storeFeatureTransmission() {
        FillCommandPacket(m_TxBuffer, 0x41, 0x00, 0xC4, 0x00);
        const uint8_t header[3] = {0x00, 0x01, 0x01};
        std::memcpy(m_TxBuffer + 9, header, 3);
        uint8_t expectedCheck = 0x00 ^ 0x01 ^ 0x01;
        for (int i = 0; i < kFeatureSize; ++i) {
            m_TxBuffer[kFeatureOffset + i] = uint8_t(i * 7 + 3);
            expectedCheck ^= uint8_t(i * 7 + 3);
        }
        const int length = TransmissionLength(0x00, 0xC4);
        QCOMPARE(length, 207);
        FrameDataPacket(m_TxBuffer, length);
        QCOMPARE(m_TxBuffer[8], kPacketMark);
        QCOMPARE(m_TxBuffer[205], expectedCheck);
        QCOMPARE(m_TxBuffer[206], kPacketMark);
        QCOMPARE(Tx(8), QByteArray::fromHex("F54100C4000085F5"));
    }

    void twoFingerLength() { QCOMPARE(TransmissionLength(0x01, 0x85), 400); }

    void framingBeyondTheBufferIsRefused() {
        std::memset(m_TxBuffer, 0x11, sizeof m_TxBuffer);
        FrameDataPacket(m_TxBuffer, kTxBufferSize + 1);
        QCOMPARE(m_TxBuffer[8], uint8_t(0x11));
        FrameDataPacket(m_TxBuffer, kTxBufferSize);
        QCOMPARE(m_TxBuffer[kTxBufferSize - 1], kPacketMark);
    }
};

QTEST_GUILESS_MAIN(TestPackets)
#include "test_packets.moc"
