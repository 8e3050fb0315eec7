// The user database of the simulated module: enrolment, storing, uploading, deleting, count,
// privilege and the user list, with the result codes for existing users and a full database.
#include "sim_test_bytes.h"

#include <QTest>

using namespace simtest;

namespace {
sim::CModuleSettings Settings(int users, int capacity = 1000) {
    sim::CModuleSettings settings;
    settings.prefilledUsers = users;
    settings.capacity = capacity;
    return settings;
}

uint8_t ResultOf(const QByteArray& reply) {
    return reply.size() > 4 ? uint8_t(reply.at(4)) : 0xEE;
}

int CountOf(CModuleDriver& module) {
    const QByteArray reply = module.Send(Packet(0x09));
    return uint8_t(reply.at(2)) * 256 + uint8_t(reply.at(3));
}

QByteArray FeatureOf(const QByteArray& reply207) {
    return reply207.mid(12, 193);
}

// The three steps of an enrolment without "capture twice"; returns the last reply.
QByteArray Enrol(CModuleDriver& module, uint16_t user, uint8_t privilege, uint8_t last = 0x03) {
    const uint8_t hi = uint8_t(user >> 8), lo = uint8_t(user);
    module.Send(Packet(0x01, hi, lo, privilege));
    module.Send(Packet(0x02, hi, lo, privilege));
    return module.Send(Packet(last, hi, lo, privilege));
}
} // namespace

class TestSimUsers : public QObject {
    Q_OBJECT
private slots:
    void countAndCapacity_data() {
        QTest::addColumn<int>("users");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << 0 << 1000 << Packet(0x09)
                               << QStringLiteral("F5 09 00 00 00 00 09 F5");
        QTest::newRow("five users")
            << 5 << 1000 << Packet(0x09) << QStringLiteral("F5 09 00 05 00 00 0C F5");
        QTest::newRow("capacity") << 5 << 1000 << Packet(0x09, 0, 0, 0xFF)
                                  << QStringLiteral("F5 09 03 E8 FF 00 1D F5");
        QTest::newRow("small capacity")
            << 0 << 3 << Packet(0x09, 0, 0, 0xFF) << QStringLiteral("F5 09 00 03 FF 00 F5 F5");
        QTest::newRow("full at 300")
            << 300 << 300 << Packet(0x09) << QStringLiteral("F5 09 01 2C 00 00 24 F5");
    }
    void countAndCapacity() {
        QFETCH(int, users);
        QFETCH(int, capacity);
        QFETCH(QByteArray, request);
        QFETCH(QString, expected);
        CModuleDriver module(Settings(users, capacity));
        QCOMPARE(Hex(module.Send(request)), expected);
    }

    void enrolThreeCapturesThenCount() {
        CModuleDriver module;
        QCOMPARE(Hex(module.Send(Packet(0x01, 0x00, 0x07, 0x01))),
                 QStringLiteral("F5 01 00 07 00 00 06 F5"));
        QCOMPARE(Hex(module.Send(Packet(0x02, 0x00, 0x07, 0x01))),
                 QStringLiteral("F5 02 00 07 00 00 05 F5"));
        QCOMPARE(Hex(module.Send(Packet(0x03, 0x00, 0x07, 0x01))),
                 QStringLiteral("F5 03 00 07 00 00 04 F5"));
        QCOMPARE(CountOf(module), 1);
        QCOMPARE(Hex(module.Send(Packet(0x0A, 0x00, 0x07))),
                 QStringLiteral("F5 0A 00 07 01 00 0C F5"));
    }

    void enrolTwoCapturesThenCount() {
        CModuleDriver module;
        QCOMPARE(ResultOf(module.Send(Packet(0x01, 0x01, 0x00, 0x03))), uint8_t(0x00));
        QCOMPARE(ResultOf(module.Send(Packet(0x03, 0x01, 0x00, 0x03))), uint8_t(0x00));
        QCOMPARE(CountOf(module), 1);
        QCOMPARE(ResultOf(module.Send(Packet(0x0A, 0x01, 0x00))), uint8_t(0x03));
    }

    void enrolWithUploadReturnsTheStoredFeature() {
        CModuleDriver module;
        const QByteArray reply = Enrol(module, 9, 2, 0x06);
        QCOMPARE(reply.size(), 207);
        QCOMPARE(Hex(reply.left(8)), QStringLiteral("F5 06 00 C4 00 00 C2 F5"));
        QCOMPARE(Hex(reply.mid(8, 4)), QStringLiteral("F5 00 09 02"));
        QCOMPARE(uint8_t(reply.at(205)), Xor(reply.mid(9, 196)));
        QCOMPARE(uint8_t(reply.at(206)), uint8_t(0xF5));
        const QByteArray upload = module.Send(Packet(0x31, 0, 9));
        QCOMPARE(upload.size(), 207);
        QCOMPARE(FeatureOf(upload), FeatureOf(reply));
    }

    void enrolmentsGiveDifferentFingers() {
        CModuleDriver module;
        Enrol(module, 1, 1);
        Enrol(module, 2, 1);
        QVERIFY(FeatureOf(module.Send(Packet(0x31, 0, 1))) !=
                FeatureOf(module.Send(Packet(0x31, 0, 2))));
    }

    void enrolUserZeroOnlyExtracts() {
        CModuleDriver module;
        QCOMPARE(ResultOf(module.Send(Packet(0x01, 0, 0, 0))), uint8_t(0x00));
        const QByteArray reply = module.Send(Packet(0x06, 0, 0, 0));
        QCOMPARE(reply.size(), 207);
        QCOMPARE(CountOf(module), 0);
        CModuleDriver other;
        other.Send(Packet(0x01, 0, 0, 0));
        QCOMPARE(ResultOf(other.Send(Packet(0x03, 0, 0, 0))), uint8_t(0x01));
    }

    void enrolRefusals_data() {
        QTest::addColumn<int>("users");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArrayList>("steps");
        QTest::addColumn<QString>("lastReply");
        QTest::newRow("existing user at the first capture")
            << 3 << 1000 << QByteArrayList{Packet(0x01, 0, 2, 1)}
            << QStringLiteral("F5 01 00 02 06 00 05 F5");
        QTest::newRow("full database at the first capture")
            << 2 << 2 << QByteArrayList{Packet(0x01, 0, 9, 1)}
            << QStringLiteral("F5 01 00 09 04 00 0C F5");
        QTest::newRow("privilege 0") << 0 << 1000 << QByteArrayList{Packet(0x01, 0, 9, 0)}
                                     << QStringLiteral("F5 01 00 09 01 00 09 F5");
        QTest::newRow("last step without a first")
            << 0 << 1000 << QByteArrayList{Packet(0x03, 0, 9, 1)}
            << QStringLiteral("F5 03 00 09 01 00 0B F5");
        QTest::newRow("second step without a first")
            << 0 << 1000 << QByteArrayList{Packet(0x02, 0, 9, 1)}
            << QStringLiteral("F5 02 00 09 01 00 0A F5");
        QTest::newRow("steps of another user")
            << 0 << 1000 << QByteArrayList{Packet(0x01, 0, 9, 1), Packet(0x03, 0, 8, 1)}
            << QStringLiteral("F5 03 00 08 01 00 0A F5");
        QTest::newRow("second step twice")
            << 0 << 1000
            << QByteArrayList{Packet(0x01, 0, 9, 1), Packet(0x02, 0, 9, 1), Packet(0x02, 0, 9, 1)}
            << QStringLiteral("F5 02 00 09 01 00 0A F5");
        QTest::newRow("stored meanwhile: existing at the last step")
            << 0 << 1000
            << QByteArrayList{Packet(0x01, 0, 9, 1),
                              WithData(0x41, FeaturePayload(9, 1, Feature(1))),
                              Packet(0x03, 0, 9, 1)}
            << QStringLiteral("F5 03 00 09 06 00 0C F5");
        QTest::newRow("filled meanwhile: full at the last step")
            << 0 << 1
            << QByteArrayList{Packet(0x01, 0, 9, 1),
                              WithData(0x41, FeaturePayload(4, 1, Feature(1))),
                              Packet(0x06, 0, 9, 1)}
            << QStringLiteral("F5 06 00 09 04 00 0B F5");
    }
    void enrolRefusals() {
        QFETCH(int, users);
        QFETCH(int, capacity);
        QFETCH(QByteArrayList, steps);
        QFETCH(QString, lastReply);
        CModuleDriver module(Settings(users, capacity));
        QByteArray reply;
        for (const QByteArray& step : steps)
            reply = module.Send(step);
        QCOMPARE(Hex(reply), lastReply);
    }

    void refusedEnrolmentStoresNothing() {
        CModuleDriver module(Settings(2, 2));
        Enrol(module, 9, 1);
        QCOMPARE(CountOf(module), 2);
        QCOMPARE(ResultOf(module.Send(Packet(0x31, 0, 9))), uint8_t(0x05));
    }

    void storeThenUploadGivesTheSameBytes() {
        CModuleDriver module;
        QByteArray feature(193, '\0');
        for (int i = 0; i < feature.size(); ++i)
            feature[i] = char(255 - i);
        QCOMPARE(Hex(module.Send(WithData(0x41, FeaturePayload(0x0123, 2, feature)))),
                 QStringLiteral("F5 41 00 C4 00 00 85 F5"));
        const QByteArray upload = module.Send(Packet(0x31, 0x01, 0x23));
        QCOMPARE(upload.size(), 207);
        QCOMPARE(Hex(upload.left(12)), QStringLiteral("F5 31 00 C4 00 00 F5 F5 F5 01 23 02"));
        QCOMPARE(FeatureOf(upload), feature);
        QCOMPARE(uint8_t(upload.at(205)), Xor(upload.mid(9, 196)));
        QCOMPARE(CountOf(module), 1);
    }

    void storeRefusals_data() {
        QTest::addColumn<int>("users");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("result");
        QTest::newRow("existing user")
            << 3 << 1000 << WithData(0x41, FeaturePayload(3, 1, Feature(7))) << 0x06;
        QTest::newRow("full database")
            << 3 << 3 << WithData(0x41, FeaturePayload(4, 1, Feature(7))) << 0x04;
        QTest::newRow("existing beats full")
            << 3 << 3 << WithData(0x41, FeaturePayload(2, 1, Feature(7))) << 0x06;
        QTest::newRow("user number 0")
            << 0 << 1000 << WithData(0x41, FeaturePayload(0, 1, Feature(7))) << 0x01;
        QTest::newRow("privilege 0")
            << 0 << 1000 << WithData(0x41, FeaturePayload(5, 0, Feature(7))) << 0x01;
        QTest::newRow("short payload")
            << 0 << 1000 << WithData(0x41, FeaturePayload(5, 1, Feature(7)).left(100)) << 0x01;
    }
    void storeRefusals() {
        QFETCH(int, users);
        QFETCH(int, capacity);
        QFETCH(QByteArray, request);
        QFETCH(int, result);
        CModuleDriver module(Settings(users, capacity));
        const QByteArray reply = module.Send(request);
        QCOMPARE(reply.size(), 8);
        QCOMPARE(int(ResultOf(reply)), result);
        QCOMPARE(CountOf(module), users);
    }

    void badOrTruncatedStoreIsRefused() {
        CModuleDriver module;
        QByteArray bad = WithData(0x41, FeaturePayload(5, 1, Feature(7)));
        bad[100] = char(bad.at(100) ^ 0x10);
        QCOMPARE(Hex(module.Send(bad)), QStringLiteral("F5 41 00 00 01 00 40 F5"));
        const QByteArray good = WithData(0x41, FeaturePayload(5, 1, Feature(7)));
        QCOMPARE(module.Send(good.left(150)), QByteArray());
        QCOMPARE(Hex(module.Quiet()), QStringLiteral("F5 41 00 00 01 00 40 F5"));
        QCOMPARE(CountOf(module), 0);
        QCOMPARE(ResultOf(module.Send(good)), uint8_t(0x00));
    }

    void deleteOneUser() {
        CModuleDriver module(Settings(3));
        QCOMPARE(Hex(module.Send(Packet(0x04, 0, 2))), QStringLiteral("F5 04 00 02 00 00 06 F5"));
        QCOMPARE(CountOf(module), 2);
        QCOMPARE(Hex(module.Send(Packet(0x04, 0, 2))), QStringLiteral("F5 04 00 02 05 00 03 F5"));
        QCOMPARE(ResultOf(module.Send(Packet(0x31, 0, 2))), uint8_t(0x05));
        QCOMPARE(module.Send(Packet(0x31, 0, 3)).size(), 207);
    }

    void deleteAll_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("remaining");
        QTest::newRow("everyone") << 0 << 0x00 << QList<int>{};
        QTest::newRow("ordinary users") << 1 << 0x00 << QList<int>{2, 3};
        QTest::newRow("administrators") << 2 << 0x00 << QList<int>{1};
        QTest::newRow("administrators too") << 3 << 0x00 << QList<int>{1};
        QTest::newRow("nonsense") << 4 << 0x01 << QList<int>{1, 2, 3};
    }
    void deleteAll() {
        QFETCH(int, which);
        QFETCH(int, result);
        QFETCH(QList<int>, remaining);
        CModuleDriver module;
        for (int user = 1; user <= 3; ++user)
            module.Send(WithData(0x41, FeaturePayload(user, user, Feature(user))));
        QCOMPARE(int(ResultOf(module.Send(Packet(0x05, 0, 0, which)))), result);
        QList<int> left;
        for (const auto& entry : module.Module().State().Users())
            left << entry.first;
        QCOMPARE(left, remaining);
    }

    void privilege_data() {
        QTest::addColumn<int>("storedPrivilege");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("result");
        QTest::newRow("ordinary") << 1 << 5 << 0x01;
        QTest::newRow("restricted administrator") << 2 << 5 << 0x02;
        QTest::newRow("system administrator") << 3 << 5 << 0x03;
        QTest::newRow("undefined") << 7 << 5 << 0x04;
        QTest::newRow("no such user") << 1 << 6 << 0x05;
    }
    void privilege() {
        QFETCH(int, storedPrivilege);
        QFETCH(int, asked);
        QFETCH(int, result);
        CModuleDriver module;
        module.Send(WithData(0x41, FeaturePayload(5, storedPrivilege, Feature(1))));
        QCOMPARE(int(ResultOf(module.Send(Packet(0x0A, 0, asked)))), result);
    }

    void userList() {
        CModuleDriver module;
        QCOMPARE(Hex(module.Send(Packet(0x2B))),
                 QStringLiteral("F5 2B 00 02 00 00 29 F5 F5 00 00 00 F5"));
        module.Send(WithData(0x41, FeaturePayload(0x0105, 3, Feature(1))));
        module.Send(WithData(0x41, FeaturePayload(5, 1, Feature(2))));
        QCOMPARE(Hex(module.Send(Packet(0x2B))),
                 QStringLiteral("F5 2B 00 08 00 00 23 F5 F5 00 02 00 05 01 01 05 03 01 F5"));
    }

    void prefilledUsersAreDeterministic() {
        CModuleDriver first(Settings(4));
        CModuleDriver second(Settings(4));
        const QByteArray a = first.Send(Packet(0x31, 0, 4));
        QCOMPARE(a, second.Send(Packet(0x31, 0, 4)));
        QVERIFY(FeatureOf(a) != FeatureOf(first.Send(Packet(0x31, 0, 3))));
        sim::CModuleSettings seeded = Settings(4);
        seeded.seed = 99;
        CModuleDriver third(seeded);
        QVERIFY(FeatureOf(third.Send(Packet(0x31, 0, 4))) != FeatureOf(a));
    }
};

QTEST_GUILESS_MAIN(TestSimUsers)
#include "test_sim_users.moc"
