// The download exchange from the module's side: the start request, the handshake, block
// acknowledgements (good, bad check, last block, forced refusals) and the kept program image.
#include "sim_test_bytes.h"

#include <QTest>

using namespace simtest;

namespace {
const QByteArray kHandshake = QByteArray::fromHex("F5FF00000000FFF5");

QByteArray Ack(uint8_t index, uint8_t result) {
    return Packet(0xFF, 0, index, result);
}

sim::CSimFaults Faults(int nakEvery, int noise = 0) {
    sim::CSimFaults faults;
    faults.nakEvery = nakEvery;
    faults.noiseBytes = noise;
    return faults;
}
} // namespace

class TestSimDownload : public QObject {
    Q_OBJECT
private slots:
    void startRequestIsAnsweredAsACount() {
        CModuleDriver module;
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
        QVERIFY(!module.Module().InDownloadMode());
    }

    void handshake() {
        CModuleDriver module;
        QCOMPARE(Hex(module.Send(kHandshake)), QStringLiteral("F5 FF 00 00 00 00 FF F5"));
        QVERIFY(module.Module().InDownloadMode());
    }

    void blockAcknowledgements_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("ack");
        QTest::addColumn<bool>("kept");
        QTest::newRow("block 0") << 0 << false << QStringLiteral("F5 FF 00 00 00 00 FF F5") << true;
        QTest::newRow("block 5") << 5 << false << QStringLiteral("F5 FF 00 05 00 00 FA F5") << true;
        QTest::newRow("last block")
            << 31 << false << QStringLiteral("F5 FF 00 1F 00 00 E0 F5") << true;
        QTest::newRow("bad check")
            << 5 << true << QStringLiteral("F5 FF 00 05 01 00 FB F5") << false;
        QTest::newRow("bad check of the last block")
            << 31 << true << QStringLiteral("F5 FF 00 1F 01 00 E1 F5") << false;
        QTest::newRow("no such block")
            << 40 << false << QStringLiteral("F5 FF 00 28 04 00 D3 F5") << false;
    }
    void blockAcknowledgements() {
        QFETCH(int, index);
        QFETCH(bool, damaged);
        QFETCH(QString, ack);
        QFETCH(bool, kept);
        CModuleDriver module;
        module.Send(kHandshake);
        QByteArray block = Block(uint8_t(index), BlockData(uint8_t(index)));
        if (damaged)
            block[2000] = char(block.at(2000) ^ 0x01);
        QByteArray reply;
        for (int i = 0; i < block.size(); i += 512)
            reply += module.Send(block.mid(i, 512));
        QCOMPARE(Hex(reply), ack);
        const uint32_t mask = index < 32 ? 1u << index : 0;
        QCOMPARE((module.Module().Download().KeptBlocks() & mask) != 0, kept);
        const QByteArray image = module.Module().Download().ProgramImage();
        if (index < 32)
            QCOMPARE(image.mid(index * 4096, 4096) == BlockData(uint8_t(index)), kept);
    }

    void wholeDownloadKeepsTheImage() {
        CModuleDriver module;
        module.Send(kHandshake);
        QByteArray expected;
        for (int k = 0; k < 32; ++k) {
            QCOMPARE(module.Send(Block(uint8_t(k), BlockData(uint8_t(k)))), Ack(uint8_t(k), 0));
            expected += BlockData(uint8_t(k));
        }
        QVERIFY(module.Module().TakeFinishedDownload());
        QVERIFY(!module.Module().TakeFinishedDownload());
        QVERIFY(!module.Module().InDownloadMode());
        QCOMPARE(module.Module().Download().ProgramImage(), expected);
        QCOMPARE(module.Module().Download().ProgramImage().size(), 131072);
        // Back to commands.
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }

    void blocksNeverSentReadAsErased() {
        CModuleDriver module;
        module.Send(kHandshake);
        module.Send(Block(31, BlockData(31)));
        QVERIFY(module.Module().TakeFinishedDownload());
        QCOMPARE(module.Module().Download().ProgramImage().left(4096),
                 QByteArray(4096, char(0xFF)));
    }

    void nakEvery_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QList<int>>("refusedArrivals"); // 1-based arrival numbers refused
        QTest::newRow("every third") << 3 << QList<int>{3, 6, 9};
        QTest::newRow("every other") << 2 << QList<int>{2, 4, 6, 8, 10};
        QTest::newRow("every one") << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }
    void nakEvery() {
        QFETCH(int, k);
        QFETCH(QList<int>, refusedArrivals);
        CModuleDriver module(sim::CModuleSettings(), Faults(k));
        module.Send(kHandshake);
        // The host resends a refused block; it moves on after an acceptance.
        int next = 0;
        QList<int> refused;
        for (int arrival = 1; arrival <= 10; ++arrival) {
            const QByteArray ack = module.Send(Block(uint8_t(next), BlockData(uint8_t(next))));
            QCOMPARE(uint8_t(ack.at(3)), uint8_t(next));
            if (uint8_t(ack.at(4)) != 0) {
                QCOMPARE(uint8_t(ack.at(4)), uint8_t(0x02));
                refused << arrival;
            } else {
                ++next;
            }
        }
        QCOMPARE(refused, refusedArrivals);
    }

    void noiseBeforeAcknowledgements() {
        CModuleDriver module(sim::CModuleSettings(), Faults(0, 5));
        QCOMPARE(module.Send(Packet(0x09)).size(), 8); // not a download acknowledgement
        const QByteArray handshake = module.Send(kHandshake);
        QCOMPARE(handshake.size(), 13);
        QCOMPARE(handshake.indexOf(char(0xF5)), 5);
        QCOMPARE(handshake.mid(5), Ack(0, 0));
        const QByteArray ack = module.Send(Block(0, BlockData(0)));
        QCOMPARE(ack.size(), 13);
        QCOMPARE(ack.indexOf(char(0xF5)), 5);
        QCOMPARE(ack.mid(5), Ack(0, 0));
    }

    void truncatedBlockIsRefused() {
        CModuleDriver module;
        module.Send(kHandshake);
        const QByteArray block = Block(7, BlockData(7));
        QCOMPARE(module.Send(block.left(3000)), QByteArray());
        QCOMPARE(Hex(module.Quiet()), QStringLiteral("F5 FF 00 07 03 00 FB F5"));
        QVERIFY(module.Module().InDownloadMode());
        QCOMPARE(module.Send(block), Ack(7, 0));
    }

    void commandDuringADownloadEndsIt() {
        CModuleDriver module;
        module.Send(kHandshake);
        module.Send(Block(0, BlockData(0)));
        QCOMPARE(module.Send(Packet(0x09)), QByteArray()); // could be the start of a block
        QCOMPARE(Hex(module.Quiet()), QStringLiteral("F5 09 00 00 00 00 09 F5"));
        QVERIFY(!module.Module().InDownloadMode());
        QVERIFY(!module.Module().TakeFinishedDownload());
    }

    void repeatedHandshakeStartsAgain() {
        CModuleDriver module;
        module.Send(kHandshake);
        module.Send(Block(0, BlockData(0)));
        QCOMPARE(module.Send(kHandshake), QByteArray());
        QCOMPARE(module.Quiet(), Ack(0, 0));
        QVERIFY(module.Module().InDownloadMode());
        QCOMPARE(module.Module().Download().KeptBlocks(), 0u);
    }

    void blockWithoutHandshakeIsGarbage() {
        CModuleDriver module;
        QCOMPARE(module.Send(Block(0, BlockData(0))), QByteArray());
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }

    void forcedHandshakeResultOpensNoDownload() {
        sim::CSimFaults faults;
        faults.forcedResults[0xFF] = 0x01;
        CModuleDriver module(sim::CModuleSettings(), faults);
        QCOMPARE(Hex(module.Send(kHandshake)), QStringLiteral("F5 FF 00 00 01 00 FE F5"));
        QVERIFY(!module.Module().InDownloadMode());
    }
};

QTEST_GUILESS_MAIN(TestSimDownload)
#include "test_sim_download.moc"
