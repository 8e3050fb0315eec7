#include "panels/port_hand_over.h"
#include "serial/port_map.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/rate_table.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"
#include "support/fake_serial_backend.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"

#include <QTest>

class TestPortOperations : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void rateTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("settings");
        QTest::newRow("0 falls back") << 0 << "19200,n,8,1";
        QTest::newRow("1") << 1 << "9600,n,8,1";
        QTest::newRow("2") << 2 << "19200,n,8,1";
        QTest::newRow("3") << 3 << "38400,n,8,1";
        QTest::newRow("4") << 4 << "57600,n,8,1";
        QTest::newRow("5") << 5 << "115200,n,8,1";
        QTest::newRow("6 falls back") << 6 << "19200,n,8,1";
        QTest::newRow("negative falls back") << -1 << "19200,n,8,1";
    }
    void rateTable() {
        QFETCH(int, index);
        QFETCH(QString, settings);
        QCOMPARE(RateSettings(index), settings);
        CMSComm comm;
        ApplyBaudRate(comm, index);
        QCOMPARE(comm.Settings(), settings);
    }

    void rateListTexts() {
        const QStringList expected{"9,600", "19,200", "38,400", "57,600", "115,200"};
        for (int i = 0; i < kRateCount; ++i)
            QCOMPARE(RateListText(i), expected[i]);
    }

    void writePieces_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("nothing") << 0 << 512 << QList<int>{};
        QTest::newRow("one piece of 512") << 512 << 512 << QList<int>{512};
        QTest::newRow("513 in two") << 513 << 512 << QList<int>{512, 1};
        QTest::newRow("block of 4100")
            << 4100 << 512 << QList<int>{512, 512, 512, 512, 512, 512, 512, 512, 4};
        QTest::newRow("command as one") << 8 << 512 << QList<int>{8};
        QTest::newRow("whole write") << 400 << 0 << QList<int>{400};
    }
    void writePieces() {
        QFETCH(int, count);
        QFETCH(int, piece);
        QFETCH(QList<int>, sizes);
        CMSComm comm;
        comm.SetPortOpen(true);
        QByteArray data(count, '\0');
        for (int i = 0; i < count; ++i)
            data[i] = char(i * 31);
        QVERIFY(WriteBytes(comm, reinterpret_cast<const uint8_t*>(data.constData()), count, piece));
        const QList<QByteArray> writes = FakeOf(comm)->TakeHostWrites();
        QList<int> got;
        QByteArray joined;
        for (const QByteArray& w : writes) {
            got.append(int(w.size()));
            joined.append(w);
        }
        QCOMPARE(got, sizes);
        QCOMPARE(joined, data);
    }

    void writeOnAClosedPortFails() {
        CMSComm comm;
        const uint8_t bytes[8] = {};
        QVERIFY(!WriteBytes(comm, bytes, 8));
    }

    void handOverClosesOthersAndOpensTheChosen() {
        CScriptedPrompts prompts;
        CPortSession sessions[3];
        CPortSession* all[3] = {&sessions[0], &sessions[1], &sessions[2]};
        CMSComm& test = sessions[1].Comm();
        CMSComm& download = sessions[2].Comm();
        g_nCommPort = 4;
        g_nBaudIndex = 5;
        QVERIFY(PortHandOver(all, 3, sessions[1], nullptr));
        QVERIFY(test.PortOpen());
        QCOMPARE(FakeOf(test)->m_strDevice, DeviceForPort(4));
        QCOMPARE(FakeOf(test)->m_settings.baudRate, 115200);
        QVERIFY(PortHandOver(all, 3, sessions[2], nullptr));
        QVERIFY(!test.PortOpen());
        QVERIFY(download.PortOpen());
        QVERIFY(PortHandOver(all, 3, sessions[2], nullptr)); // the shown panel reopens
        QCOMPARE(FakeOf(download)->m_nOpenCount, 2);
        QCOMPARE(FakeOf(download)->m_nCloseCount, 1);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    // The box names the port, its device and why; a second failure of the same kind gives the
    // same text, which is what keeps a second box away while the first is open.
    void handOverFailureSaysWhy_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<EPortFailure>("kind");
        QTest::addColumn<QString>("message");
        const QString first = QStringLiteral("Comm port error!\n");
        QTest::newRow("missing") << 1 << EPortFailure::NotFound
                                 << first + "COM1（/dev/ttyUSB0）：找不到该设备，请检查连接。";
        QTest::newRow("no device for the number")
            << 3 << EPortFailure::NotFound << first + "COM3：没有对应的串口设备，请检查连接。";
        QTest::newRow("in use")
            << 2 << EPortFailure::InUse
            << first + "COM2（/dev/ttyUSB1）：串口已被其他程序占用，请先关闭该程序。";
        QTest::newRow("no permission")
            << 1 << EPortFailure::NoPermission
            << first + "COM1（/dev/ttyUSB0）：当前用户没有权限打开该串口。\n"
                       "请将当前用户加入 uucp 组后重新登录。";
    }
    void handOverFailureSaysWhy() {
        QFETCH(int, port);
        QFETCH(EPortFailure, kind);
        CFakePortList ports(
            {{"/dev/ttyUSB0", "", EPortKind::Adapter}, {"/dev/ttyUSB1", "", EPortKind::Adapter}});
        CScriptedPrompts prompts;
        CPortSession sessions[3];
        CPortSession* all[3] = {&sessions[0], &sessions[1], &sessions[2]};
        CMSComm& settings = sessions[0].Comm();
        CMSComm& test = sessions[1].Comm();
        QVERIFY(PortHandOver(all, 3, sessions[0], nullptr));
        g_nCommPort = port;
        CFakeSerialBackend::RefusedDevices().insert(DeviceForPort(port), {kind, "uucp", ""});
        QVERIFY(!PortHandOver(all, 3, sessions[1], nullptr));
        QVERIFY(!PortHandOver(all, 3, sessions[1], nullptr));
        QFETCH(QString, message);
        QCOMPARE(prompts.m_messages, QStringList({message, message}));
        QCOMPARE(prompts.m_messageCaptions, QStringList({"Morvane", "Morvane"}));
        QVERIFY(!settings.PortOpen());
        QVERIFY(!test.PortOpen());
    }
};

QTEST_MAIN(TestPortOperations)
#include "test_port_operations.moc"
