#include "serial/port_map.h"
#include "serial/serial_control.h"
#include "support/fake_serial_backend.h"

#include <QSignalSpy>
#include <QTest>

class TestMSComm : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { CFakeSerialBackend::MissingDevices().clear(); }

    void receiveEventIsQueuedAndNeedsTheThreshold() {
        CMSComm comm;
        comm.SetRThreshold(1);
        comm.SetPortOpen(true);
        QSignalSpy spy(&comm, &CMSComm::OnComm);
        FakeOf(comm)->PushModuleBytes("abc");
        QCOMPARE(spy.count(), 0); // never from inside the call that delivered the bytes
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(comm.CommEvent(), kCommEventReceive);
    }

    void heldThresholdRaisesNoEvent() {
        CMSComm comm;
        comm.SetRThreshold(9000);
        comm.SetPortOpen(true);
        QSignalSpy spy(&comm, &CMSComm::OnComm);
        FakeOf(comm)->PushModuleBytes(QByteArray(8999, 'x'));
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
        FakeOf(comm)->PushModuleBytes("y"); // now 9000 are waiting
        QTRY_COMPARE(spy.count(), 1);
    }

    void burstRaisesOneEventAtATime() {
        CMSComm comm;
        comm.SetRThreshold(1);
        comm.SetPortOpen(true);
        QSignalSpy spy(&comm, &CMSComm::OnComm);
        for (int i = 0; i < 10; ++i)
            FakeOf(comm)->PushModuleBytes("z");
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
    }

    void inputHonoursInputLen() {
        CMSComm comm;
        comm.SetInputLen(200);
        comm.SetPortOpen(true);
        FakeOf(comm)->PushModuleBytes(QByteArray(450, 'q'));
        QCOMPARE(comm.InBufferCount(), 450);
        QCOMPARE(comm.Input().size(), 200);
        QCOMPARE(comm.Input().size(), 200);
        QCOMPARE(comm.Input().size(), 50);
        QVERIFY(comm.Input().isEmpty());
        QCOMPARE(comm.InBufferCount(), 0);
    }

    void missingPortThrowsAndStaysClosed() {
        CMSComm comm;
        comm.SetCommPort(3);
        CFakeSerialBackend::MissingDevices().insert(DeviceForPort(3));
        QVERIFY_THROWS_EXCEPTION(CCommPortError, comm.SetPortOpen(true));
        QVERIFY(!comm.PortOpen());
        QCOMPARE(comm.Backend()->OpenFailure().kind, EPortFailure::NotFound);
    }

    void closedPortFailsHarmlessly() {
        CMSComm comm;
        QVERIFY(!comm.Output("abc"));
        QVERIFY(comm.Input().isEmpty());
        QCOMPARE(comm.InBufferCount(), 0);
        comm.SetPortOpen(false); // closing a closed port is no error
        QVERIFY(!comm.PortOpen());
    }

    void settingsReachTheOpenLine() {
        CMSComm comm;
        comm.SetSettings("19200,n,8,1");
        comm.SetPortOpen(true);
        QCOMPARE(FakeOf(comm)->m_settings.baudRate, 19200);
        comm.SetSettings("115200,n,8,1");
        QCOMPARE(FakeOf(comm)->m_settings.baudRate, 115200);
        comm.SetSettings("nonsense");
        QCOMPARE(comm.Settings(), QString("115200,n,8,1"));
    }

    void portLostIsReported() {
        CMSComm comm;
        comm.SetPortOpen(true);
        QSignalSpy spy(&comm, &CMSComm::PortLost);
        FakeOf(comm)->Unplug();
        QCOMPARE(spy.count(), 1);
        QVERIFY(!comm.PortOpen());
    }

    void lineSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("rate");
        QTest::newRow("9600") << "9600,n,8,1" << true << 9600;
        QTest::newRow("115200") << "115200,n,8,1" << true << 115200;
        QTest::newRow("even parity") << "9600,e,7,2" << true << 9600;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("bad parity") << "9600,x,8,1" << false << 0;
        QTest::newRow("missing field") << "9600,n,8" << false << 0;
        QTest::newRow("zero rate") << "0,n,8,1" << false << 0;
    }
    void lineSettings() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        CLineSettings settings;
        QCOMPARE(ParseLineSettings(text, &settings), valid);
        if (valid)
            QTEST(int(settings.baudRate), "rate");
    }

    // reported: port names, with the UART type the system gives ("ttyS1 0": no UART behind it)
    // or "usb" for a USB vendor id.
    void portBinding_data() {
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("variable"); // "MORVANE_COM2=/dev/ttyUSB0", or none
        QTest::addColumn<QStringList>("com1to4");
        QTest::newRow("one adapter is COM1") << QStringList{"ttyS0 4", "ttyUSB0"} << ""
                                             << QStringList{"/dev/ttyUSB0", "/dev/ttyS0", "", ""};
        QTest::newRow("adapters first, in name order")
            << QStringList{"ttyS0 4", "ttyUSB10", "ttyUSB2", "ttyACM0"} << ""
            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0"};
        QTest::newRow("UARTs that exist, after a USB vendor id")
            << QStringList{"ttyS1 0", "ttyS4 4", "ttyAMA0", "ttyXR0 usb"} << ""
            << QStringList{"/dev/ttyXR0", "/dev/ttyAMA0", "/dev/ttyS4", ""};
        QTest::newRow("variable wins, the list fills the other numbers, once each")
            << QStringList{"ttyUSB0", "ttyUSB1"} << "MORVANE_COM2=/dev/ttyUSB0"
            << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB0", "", ""};
    }
    void portBinding() {
        QFETCH(QStringList, reported);
        QFETCH(QString, variable);
        CFakePortList ports;
        for (const QString& entry : reported) {
            const QString name = entry.section(' ', 0, 0), type = entry.section(' ', 1);
            ports.m_ports.append({"/dev/" + name, "", PortKindOf(name, type == "usb", type)});
        }
        const QByteArray name = variable.section('=', 0, 0).toLatin1();
        if (!name.isEmpty())
            qputenv(name.constData(), variable.section('=', 1).toLocal8Bit());
        QStringList bound;
        for (int port = 1; port <= 4; ++port)
            bound.append(DeviceForPort(port));
        if (!name.isEmpty())
            qunsetenv(name.constData());
        QTEST(bound, "com1to4");
    }
};

QTEST_GUILESS_MAIN(TestMSComm)
#include "test_mscomm.moc"
