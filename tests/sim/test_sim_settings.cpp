// Settings, records, sleep and the fault switches of the simulated module.
#include "sim_test_bytes.h"

#include <QTest>

using namespace simtest;

namespace {
uint8_t ResultOf(const QByteArray& reply) {
    return reply.size() > 4 ? uint8_t(reply.at(4)) : 0xEE;
}
} // namespace

class TestSimSettings : public QObject {
    Q_OBJECT
private slots:
    void singleReplies_data() {
        QTest::addColumn<QByteArrayList>("requests");
        QTest::addColumn<QString>("lastReply");
        QTest::newRow("compare level 5 to 7")
            << QByteArrayList{Packet(0x28, 0, 0, 7)} << QStringLiteral("F5 28 00 05 00 00 2D F5");
        QTest::newRow("compare level then back")
            << QByteArrayList{Packet(0x28, 0, 0, 7), Packet(0x28, 0, 0, 5)}
            << QStringLiteral("F5 28 00 07 00 00 2F F5");
        QTest::newRow("compare level 0 refused")
            << QByteArrayList{Packet(0x28, 0, 0, 0)} << QStringLiteral("F5 28 00 05 01 00 2C F5");
        QTest::newRow("compare level 10 refused keeps 5")
            << QByteArrayList{Packet(0x28, 0, 0, 10), Packet(0x28, 0, 0, 9)}
            << QStringLiteral("F5 28 00 05 00 00 2D F5");
        QTest::newRow("move-right register default") << QByteArrayList{Packet(0x22, 0, 0x60, 0)}
                                                     << QStringLiteral("F5 22 00 6A 00 00 48 F5");
        QTest::newRow("move-up register default") << QByteArrayList{Packet(0x22, 1, 0x7F, 0)}
                                                  << QStringLiteral("F5 22 01 80 00 00 A3 F5");
        QTest::newRow("register keeps its new value")
            << QByteArrayList{Packet(0x22, 0, 0x60, 0), Packet(0x22, 0, 0x61, 0)}
            << QStringLiteral("F5 22 00 60 00 00 42 F5");
        QTest::newRow("other register starts at 0") << QByteArrayList{Packet(0x22, 9, 0x33, 0)}
                                                    << QStringLiteral("F5 22 09 00 00 00 2B F5");
        QTest::newRow("brightness")
            << QByteArrayList{Packet(0x2F)} << QStringLiteral("F5 2F 00 64 00 00 4B F5");
        QTest::newRow("calibration")
            << QByteArrayList{Packet(0x0F)} << QStringLiteral("F5 0F 00 80 00 00 8F F5");
        QTest::newRow("brightness after calibration") << QByteArrayList{Packet(0x0F), Packet(0x2F)}
                                                      << QStringLiteral("F5 2F 00 80 00 00 AF F5");
        QTest::newRow("calibration to a target")
            << QByteArrayList{Packet(0x0F, 0, 0, 0x90), Packet(0x2F)}
            << QStringLiteral("F5 2F 00 90 00 00 BF F5");
        QTest::newRow("rate 38400")
            << QByteArrayList{Packet(0x21, 0, 0, 3)} << QStringLiteral("F5 21 00 00 03 00 22 F5");
        QTest::newRow("rate 0 is repeated")
            << QByteArrayList{Packet(0x21, 0, 0, 0)} << QStringLiteral("F5 21 00 00 00 00 21 F5");
        QTest::newRow("link test")
            << QByteArrayList{Packet(0x25)} << QStringLiteral("F5 25 00 00 00 00 25 F5");
        QTest::newRow("sleep") << QByteArrayList{Packet(0x2C)}
                               << QStringLiteral("F5 2C 00 00 00 00 2C F5");
        QTest::newRow("no answer after sleep")
            << QByteArrayList{Packet(0x2C), Packet(0x09)} << QString();
        QTest::newRow("unknown command fails")
            << QByteArrayList{Packet(0x07)} << QStringLiteral("F5 07 00 00 01 00 06 F5");
        QTest::newRow("empty record")
            << QByteArrayList{Packet(0x38, 0, 1)}
            << QStringLiteral("F5 38 00 08 00 00 30 F5 F5 FF FF FF FF FF FF FF FF 00 F5");
        QTest::newRow("no new records") << QByteArrayList{Packet(0x39)}
                                        << QStringLiteral("F5 39 00 02 00 00 3B F5 F5 00 00 00 F5");
        QTest::newRow("clear records")
            << QByteArrayList{Packet(0x3B)} << QStringLiteral("F5 3B 00 00 00 00 3B F5");
    }
    void singleReplies() {
        QFETCH(QByteArrayList, requests);
        QFETCH(QString, lastReply);
        CModuleDriver module;
        QByteArray reply;
        for (const QByteArray& request : requests)
            reply = module.Send(request);
        QCOMPARE(Hex(reply), lastReply);
    }

    void rateIsKeptByTheModule() {
        CModuleDriver module;
        module.Send(Packet(0x21, 0, 0, 5));
        QCOMPARE(int(module.Module().State().RateIndex()), 5);
        module.Send(Packet(0x21, 0, 0, 6));
        QCOMPARE(int(module.Module().State().RateIndex()), 5);
    }

    void version() {
        sim::CModuleSettings settings;
        settings.versionText = QStringLiteral("FP v1.2a");
        CModuleDriver module(settings);
        const QByteArray reply = module.Send(Packet(0x26));
        QCOMPARE(Hex(reply.left(8)), QStringLiteral("F5 26 00 08 00 00 2E F5"));
        QCOMPARE(reply.mid(9, reply.size() - 11), QByteArray("FP v1.2a"));
        QCOMPARE(uint8_t(reply.at(reply.size() - 2)), Xor("FP v1.2a"));
    }

    void oneRecordAndNewRecords() {
        CModuleDriver module;
        module.Send(WithData(0x41, FeaturePayload(5, 1, Feature(1))));
        module.Send(Packet(0x04, 0, 5));
        QCOMPARE(Hex(module.Send(Packet(0x38, 0, 2)).mid(9, 8)),
                 QStringLiteral("00 00 08 05 00 00 00 04"));
        const QByteArray fresh = module.Send(Packet(0x39));
        QCOMPARE(Hex(fresh.mid(9, 18)),
                 QStringLiteral("00 02 00 00 04 05 00 00 00 03 00 00 08 05 00 00 00 04"));
        QCOMPARE(Hex(module.Send(Packet(0x39)).mid(9, 2)), QStringLiteral("00 00"));
        module.Send(Packet(0x05, 0, 0, 1));
        QCOMPARE(Hex(module.Send(Packet(0x39)).mid(9, 10)),
                 QStringLiteral("00 01 00 00 0C 00 00 00 00 06"));
    }

    void newRecordsLimit() {
        CModuleDriver module;
        for (int user = 1; user <= 5; ++user)
            module.Send(WithData(0x41, FeaturePayload(user, 1, Feature(user))));
        QCOMPARE(Hex(module.Send(Packet(0x39, 0, 2)).mid(9, 2)), QStringLiteral("00 02"));
        QCOMPARE(Hex(module.Send(Packet(0x39)).mid(9, 2)), QStringLiteral("00 03"));
    }

    void clearingRestartsTheRecords() {
        CModuleDriver module;
        module.Send(WithData(0x41, FeaturePayload(5, 1, Feature(1))));
        module.Send(Packet(0x3B));
        QCOMPARE(module.Module().State().RecordCount(), 0);
        QCOMPARE(Hex(module.Send(Packet(0x38, 0, 1)).mid(9, 8)),
                 QStringLiteral("FF FF FF FF FF FF FF FF"));
        module.Send(Packet(0x04, 0, 5));
        QCOMPARE(Hex(module.Send(Packet(0x38, 0, 1)).mid(9, 8)),
                 QStringLiteral("00 00 04 05 00 00 00 04"));
    }

    void forcedResult() {
        sim::CSimFaults faults;
        faults.forcedResults[0x01] = 0x08;
        faults.forcedResults[0x41] = 0x04;
        CModuleDriver module(sim::CModuleSettings(), faults);
        QCOMPARE(Hex(module.Send(Packet(0x01, 0, 5, 1))),
                 QStringLiteral("F5 01 00 00 08 00 09 F5"));
        QCOMPARE(Hex(module.Send(WithData(0x41, FeaturePayload(5, 1, Feature(1))))),
                 QStringLiteral("F5 41 00 00 04 00 45 F5"));
        QCOMPARE(module.LastNote(), QStringLiteral("forced result 04"));
        QCOMPARE(module.Module().State().UserCount(), 0);
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }

    void mutedCommand() {
        sim::CSimFaults faults;
        faults.muted.insert(0x09);
        CModuleDriver module(sim::CModuleSettings(), faults);
        QCOMPARE(module.Send(Packet(0x09)), QByteArray());
        QCOMPARE(module.LastNote(), QStringLiteral("muted: not answered"));
        QCOMPARE(ResultOf(module.Send(Packet(0x2C))), uint8_t(0x00));
        QCOMPARE(module.Send(Packet(0x2F)), QByteArray());
        QCOMPARE(module.LastNote(), QStringLiteral("asleep: not answered"));
    }

    void mutedSleepKeepsTheModuleAwake() {
        sim::CSimFaults faults;
        faults.muted.insert(0x2C);
        CModuleDriver module(sim::CModuleSettings(), faults);
        QCOMPARE(module.Send(Packet(0x2C)), QByteArray());
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }

    void garbageIsNotAnswered() {
        CModuleDriver module;
        QCOMPARE(module.Send(QByteArray::fromHex("C0010000000000010B000DC0")), QByteArray());
        QCOMPARE(module.Send(QByteArray::fromHex("F509")), QByteArray());
        QCOMPARE(module.Quiet(), QByteArray());
        QCOMPARE(Hex(module.Send(Packet(0x09))), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }
};

QTEST_GUILESS_MAIN(TestSimSettings)
#include "test_sim_settings.moc"
