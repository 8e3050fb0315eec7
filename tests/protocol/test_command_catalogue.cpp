#include "console/module_test_layout.h"
#include "protocol/command_catalogue.h"

#include <QTest>

namespace {
QByteArray Bytes(const CBuildResult& r) {
    QByteArray b;
    b.append(char(r.command)).append(char(r.p1)).append(char(r.p2)).append(char(r.p3));
    return b;
}
} // namespace

class TestCommandCatalogue : public QObject {
    Q_OBJECT
private slots:
    void rows_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>(
            "options"); // 1 capacity, 2 high-res, 4 two fingers, 8 enrol first step
        QTest::addColumn<QByteArray>("expected"); // command p1 p2 p3
        QTest::addColumn<int>("length");
        QTest::addColumn<unsigned>("fields");
        const unsigned all = kFieldParam1 | kFieldParam2 | kFieldParam3 | kFieldParam12;
        const unsigned word = kFieldParam1 | kFieldParam2 | kFieldParam12;
        // Parameters are P1 = 0x12, P2 = 0x34, P3 = 0x56 in every row.
        QTest::newRow("0 user count") << 0 << 0 << QByteArray::fromHex("09000000") << 8 << 0u;
        QTest::newRow("0 capacity") << 0 << 1 << QByteArray::fromHex("090000FF") << 8 << 0u;
        QTest::newRow("1 enrol first") << 1 << 8 << QByteArray::fromHex("01123456") << 8 << all;
        QTest::newRow("1 enrol later keeps byte")
            << 1 << 0 << QByteArray::fromHex("03123456") << 8 << all;
        QTest::newRow("2 privilege") << 2 << 0 << QByteArray::fromHex("0A123400") << 8 << word;
        QTest::newRow("3 delete one") << 3 << 0 << QByteArray::fromHex("04123400") << 8 << word;
        QTest::newRow("4 delete all")
            << 4 << 0 << QByteArray::fromHex("05000056") << 8 << unsigned(kFieldParam3);
        QTest::newRow("5 1:1") << 5 << 0 << QByteArray::fromHex("0B123400") << 8 << word;
        QTest::newRow("6 1:N") << 6 << 0 << QByteArray::fromHex("0C000000") << 8 << 0u;
        QTest::newRow("7 image") << 7 << 0 << QByteArray::fromHex("24000000") << 8 << 0u;
        QTest::newRow("7 image high-res") << 7 << 2 << QByteArray::fromHex("24000020") << 8 << 0u;
        QTest::newRow("8 store") << 8 << 0 << QByteArray::fromHex("4100C400") << 207
                                 << (all | kFieldBrowse);
        QTest::newRow("9 compare")
            << 9 << 0 << QByteArray::fromHex("4400C400") << 207 << unsigned(kFieldBrowse);
        QTest::newRow("9 two fingers")
            << 9 << 4 << QByteArray::fromHex("46018500") << 400 << unsigned(kFieldBrowse);
        QTest::newRow("10 download 1:1")
            << 10 << 0 << QByteArray::fromHex("4200C400") << 207 << (word | kFieldBrowse);
        QTest::newRow("11 download 1:N")
            << 11 << 0 << QByteArray::fromHex("4300C400") << 207 << unsigned(kFieldBrowse);
        QTest::newRow("12 upload user") << 12 << 0 << QByteArray::fromHex("31123400") << 8 << word;
        QTest::newRow("13 capture upload") << 13 << 0 << QByteArray::fromHex("23000000") << 8 << 0u;
        QTest::newRow("14 user list") << 14 << 0 << QByteArray::fromHex("2B000000") << 8 << 0u;
        QTest::newRow("15 sleep") << 15 << 0 << QByteArray::fromHex("2C000000") << 8 << 0u;
        QTest::newRow("16 version") << 16 << 0 << QByteArray::fromHex("26000000") << 8 << 0u;
        QTest::newRow("17 compare level")
            << 17 << 0 << QByteArray::fromHex("28003456") << 8
            << unsigned(kFieldParam2 | kFieldParam3 | kFieldFeaturePath);
        QTest::newRow("18 brightness") << 18 << 0 << QByteArray::fromHex("2F000000") << 8 << 0u;
        QTest::newRow("19 self-adjust")
            << 19 << 0 << QByteArray::fromHex("0F000056") << 8 << unsigned(kFieldParam3);
        QTest::newRow("20 one record") << 20 << 0 << QByteArray::fromHex("38123400") << 8 << word;
        QTest::newRow("21 new records") << 21 << 0 << QByteArray::fromHex("39123456") << 8
                                        << unsigned(kFieldParam1 | kFieldParam2 | kFieldParam3);
        QTest::newRow("22 clear records") << 22 << 0 << QByteArray::fromHex("3B000000") << 8 << 0u;
        QTest::newRow("25 initial value") << 25 << 0 << QByteArray::fromHex("22123456") << 8 << all;
        QTest::newRow("options of other rows ignored")
            << 3 << 7 << QByteArray::fromHex("04123400") << 8 << word;
    }
    void rows() {
        QFETCH(int, operation);
        QFETCH(int, options);
        QFETCH(QByteArray, expected);
        QFETCH(int, length);
        QFETCH(unsigned, fields);
        CBuildInputs in;
        in.operation = operation;
        in.param1 = 0x12;
        in.param2 = 0x34;
        in.param3 = 0x56;
        in.queryCapacity = options & 1;
        in.highResolution = options & 2;
        in.twoFingers = options & 4;
        in.enrolFirstStep = options & 8;
        in.previousCommand = 0x03;
        const CBuildResult r = BuildOperation(in);
        QVERIFY(!r.noChange);
        QCOMPARE(Bytes(r).toHex(), expected.toHex());
        QCOMPARE(r.txLength, length);
        QCOMPARE(r.fields, fields);
        QCOMPARE(r.needFeatureFile, length > 8);
    }

    void storePayloadTakesTheParameters() {
        CBuildInputs in;
        in.operation = 8;
        in.param1 = 0x00;
        in.param2 = 0x01;
        in.param3 = 0x01;
        const CBuildResult r = BuildOperation(in);
        QVERIFY(r.hasPayloadHeader);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.payload), 3).toHex(),
                 QByteArray("000101"));
    }

    void downloadCompareSendsNoUser() {
        CBuildInputs in;
        in.operation = 11;
        in.param1 = 0x12;
        in.param2 = 0x34;
        const CBuildResult r = BuildOperation(in);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.payload), 3).toHex(),
                 QByteArray("000000"));
        in.operation = 10;
        const CBuildResult oneToOne = BuildOperation(in);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(oneToOne.payload), 3).toHex(),
                 QByteArray("123400"));
    }

    void parametersUseTheLowByte() {
        CBuildInputs in;
        in.operation = 2;
        in.param1 = 0x1234;
        in.param2 = 0xFFAB;
        const CBuildResult r = BuildOperation(in);
        QCOMPARE(int(r.p1), 0x34);
        QCOMPARE(int(r.p2), 0xAB);
    }

    void unchangedRows_data() {
        QTest::addColumn<int>("operation");
        QTest::newRow("set time") << 23;
        QTest::newRow("read time") << 24;
        QTest::newRow("link test") << 26;
        QTest::newRow("nothing selected") << -1;
        QTest::newRow("past the table") << 27;
    }
    void unchangedRows() {
        QFETCH(int, operation);
        CBuildInputs in;
        in.operation = operation;
        QVERIFY(BuildOperation(in).noChange);
    }

    void radioIdsMapToIndices() {
        QCOMPARE(OperationAt(0).radioId, IdNumber(ControlId::kRadioUserCount));
        QCOMPARE(OperationAt(1).radioId, IdNumber(ControlId::kRadioEnrol));
        QCOMPARE(OperationAt(26).radioId, IdNumber(ControlId::kRadioSerialTest));
        for (int i = 0; i < kOperationCount; ++i)
            QVERIFY(OperationAt(i).radioId != IdNumber(ControlId::kSendCommand)); // no operation
        int visible = 0;
        for (int i = 0; i < kOperationCount; ++i)
            visible += OperationAt(i).visible ? 1 : 0;
        QCOMPARE(visible, 20);
    }
};

QTEST_GUILESS_MAIN(TestCommandCatalogue)
#include "test_command_catalogue.moc"
