// Comparisons of the simulated module succeed exactly for stored feature values (and for the
// finger on the sensor where a capture is involved), and fail otherwise.
#include "sim_test_bytes.h"

#include <QTest>

using namespace simtest;

namespace {
uint8_t ResultOf(const QByteArray& reply) {
    return reply.size() > 4 ? uint8_t(reply.at(4)) : 0xEE;
}

int ValueOf(const QByteArray& reply) {
    return uint8_t(reply.at(2)) * 256 + uint8_t(reply.at(3));
}

QByteArray SensorFeature(CModuleDriver& module) {
    return module.Send(Packet(0x23)).mid(12, 193);
}

// A module with user 4 enrolled (its finger then lies on the sensor) and user 8 stored with
// the feature Feature(8).
void Prepare(CModuleDriver& module) {
    module.Send(Packet(0x01, 0, 4, 1));
    module.Send(Packet(0x03, 0, 4, 1));
    module.Send(WithData(0x41, FeaturePayload(8, 3, Feature(8))));
}

QByteArray TwoFeatures(const QByteArray& first, const QByteArray& second) {
    return QByteArray(3, '\0') + first + second;
}
} // namespace

class TestSimCompare : public QObject {
    Q_OBJECT
private slots:
    void liveComparisons_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("reply");
        QTest::newRow("1:1 with the enrolled user")
            << Packet(0x0B, 0, 4) << QStringLiteral("F5 0B 00 04 00 00 0F F5");
        QTest::newRow("1:1 with another user")
            << Packet(0x0B, 0, 8) << QStringLiteral("F5 0B 00 08 01 00 02 F5");
        QTest::newRow("1:1 with nobody")
            << Packet(0x0B, 0, 9) << QStringLiteral("F5 0B 00 09 05 00 07 F5");
        QTest::newRow("1:N finds the enrolled user")
            << Packet(0x0C) << QStringLiteral("F5 0C 00 04 00 00 08 F5");
    }
    void liveComparisons() {
        QFETCH(QByteArray, request);
        QFETCH(QString, reply);
        CModuleDriver module;
        Prepare(module);
        QCOMPARE(Hex(module.Send(request)), reply);
    }

    void oneToManyWithoutTheFinger() {
        CModuleDriver module;
        Prepare(module);
        module.Send(Packet(0x04, 0, 4));
        QCOMPARE(Hex(module.Send(Packet(0x0C))), QStringLiteral("F5 0C 00 00 05 00 09 F5"));
    }

    void prefilledUserFingerIsOnTheSensor() {
        sim::CModuleSettings settings;
        settings.prefilledUsers = 7;
        CModuleDriver module(settings);
        QCOMPARE(ValueOf(module.Send(Packet(0x0C))), 7);
        QCOMPARE(ResultOf(module.Send(Packet(0x0B, 0, 7))), uint8_t(0x00));
        QCOMPARE(ResultOf(module.Send(Packet(0x0B, 0, 6))), uint8_t(0x01));
    }

    void noFingerMatchesAnEmptyModule() {
        CModuleDriver module;
        QCOMPARE(ResultOf(module.Send(Packet(0x0C))), uint8_t(0x05));
        QCOMPARE(ResultOf(module.Send(WithData(0x44, FeaturePayload(0, 0, Feature(1))))),
                 uint8_t(0x01));
    }

    void downloadedComparisons_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("user");
        QTest::addColumn<int>("featureOf"); // 8: Feature(8), 4: the enrolled finger, 0: unknown
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("value");
        QTest::newRow("0x42 matching user 8") << 0x42 << 8 << 8 << 0x00 << 8;
        QTest::newRow("0x42 user 8 with user 4's feature") << 0x42 << 8 << 4 << 0x01 << 8;
        QTest::newRow("0x42 unknown feature") << 0x42 << 4 << 0 << 0x01 << 4;
        QTest::newRow("0x42 no such user") << 0x42 << 9 << 8 << 0x05 << 9;
        QTest::newRow("0x43 finds user 8") << 0x43 << 0 << 8 << 0x00 << 8;
        QTest::newRow("0x43 finds user 4") << 0x43 << 0 << 4 << 0x00 << 4;
        QTest::newRow("0x43 unknown feature") << 0x43 << 0 << 0 << 0x05 << 0;
        QTest::newRow("0x44 the finger on the sensor") << 0x44 << 0 << 4 << 0x00 << 0xC4;
        QTest::newRow("0x44 a stored but absent finger") << 0x44 << 0 << 8 << 0x01 << 0xC4;
        QTest::newRow("0x44 unknown feature") << 0x44 << 0 << 0 << 0x01 << 0xC4;
    }
    void downloadedComparisons() {
        QFETCH(int, command);
        QFETCH(int, user);
        QFETCH(int, featureOf);
        QFETCH(int, result);
        QFETCH(int, value);
        CModuleDriver module;
        Prepare(module);
        const QByteArray feature = featureOf == 8   ? Feature(8)
                                   : featureOf == 4 ? SensorFeature(module)
                                                    : Feature(0x77);
        const QByteArray reply = module.Send(WithData(command, FeaturePayload(user, 0, feature)));
        QCOMPARE(reply.size(), 8);
        QCOMPARE(int(reply.at(1)), command);
        QCOMPARE(int(ResultOf(reply)), result);
        QCOMPARE(ValueOf(reply), value);
    }

    void twoFingers_data() {
        QTest::addColumn<bool>("firstIsFinger");
        QTest::addColumn<bool>("secondIsFinger");
        QTest::addColumn<int>("result");
        QTest::newRow("first matches") << true << false << 0x00;
        QTest::newRow("second matches") << false << true << 0x00;
        QTest::newRow("neither matches") << false << false << 0x01;
    }
    void twoFingers() {
        QFETCH(bool, firstIsFinger);
        QFETCH(bool, secondIsFinger);
        QFETCH(int, result);
        CModuleDriver module;
        Prepare(module);
        const QByteArray finger = SensorFeature(module);
        const QByteArray payload =
            TwoFeatures(firstIsFinger ? finger : Feature(1), secondIsFinger ? finger : Feature(2));
        QCOMPARE(payload.size(), 389);
        const QByteArray request = WithData(0x46, payload);
        QCOMPARE(request.size(), 400);
        QCOMPARE(Hex(request.left(8)), QStringLiteral("F5 46 01 85 00 00 C2 F5"));
        QCOMPARE(int(ResultOf(module.Send(request))), result);
    }

    void wrongPayloadSizesFail_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("result");
        QTest::newRow("0x46 with one feature")
            << WithData(0x46, FeaturePayload(0, 0, Feature(1))) << 0x01;
        QTest::newRow("0x44 with two features")
            << WithData(0x44, TwoFeatures(Feature(1), Feature(2))) << 0x01;
        QTest::newRow("0x42 short") << WithData(0x42, QByteArray(20, '\0')) << 0x01;
        QTest::newRow("0x43 short: no match") << WithData(0x43, QByteArray(20, '\0')) << 0x05;
    }
    void wrongPayloadSizesFail() {
        QFETCH(QByteArray, request);
        QFETCH(int, result);
        CModuleDriver module;
        Prepare(module);
        QCOMPARE(int(ResultOf(module.Send(request))), result);
    }

    void truncatedOneToManyReportsNoMatch() {
        CModuleDriver module;
        Prepare(module);
        const QByteArray request = WithData(0x43, FeaturePayload(0, 0, Feature(8)));
        QCOMPARE(module.Send(request.left(60)), QByteArray());
        QCOMPARE(Hex(module.Quiet()), QStringLiteral("F5 43 00 00 05 00 46 F5"));
        QCOMPARE(module.LastNote(), QStringLiteral("truncated data packet"));
    }

    void comparisonsAreRecorded() {
        CModuleDriver module;
        Prepare(module);
        module.Send(Packet(0x0B, 0, 4));
        module.Send(Packet(0x0C));
        module.Send(Packet(0x0B, 0, 8)); // fails: no record
        const QByteArray records = module.Send(Packet(0x39));
        // user 4 added, user 8 added, two comparisons of user 4
        QCOMPARE(Hex(records.mid(9, 2)), QStringLiteral("00 04"));
        QCOMPARE(Hex(records.mid(11 + 16, 16)),
                 QStringLiteral("00 00 0C 04 00 00 00 01 00 00 10 04 00 00 00 01"));
    }
};

QTEST_GUILESS_MAIN(TestSimCompare)
#include "test_sim_compare.moc"
