// The real QSerialPort backend against a pseudo-terminal: bytes written arrive on the other end,
// bytes from the other end raise a receive event, a hang-up is noticed without a write, a port
// that fails to open says why, and a port found in the system's device list reaches the module.
#include "panels/port_hand_over.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/qt_serial_backend.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"
#include "support/as_other_user.h"
#include "support/fake_serial_backend.h"
#include "support/pty_pair.h"
#include "support/scripted_prompts.h"
#include "support/sim_process.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TestSerialPty : public QObject {
    Q_OBJECT
private slots:
    void writesReachTheModule() {
        CPtyPair pty;
        QVERIFY(pty.IsValid());
        qputenv("MORVANE_COM1", pty.SlavePath().toLocal8Bit());
        CMSComm comm;
        comm.SetCommPort(1);
        ApplyBaudRate(comm, 5);
        comm.SetPortOpen(true);
        const uint8_t packet[8] = {0xF5, 0x09, 0x00, 0x00, 0x00, 0x00, 0x09, 0xF5};
        QVERIFY(WriteBytes(comm, packet, 8));
        // The port writes from the event loop; keep it running while the module end reads.
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += pty.ReadHost(8 - int(got.size()), 10), got.size() >= 8),
                                 3000);
        QCOMPARE(got.toHex(' '), QByteArray("f5 09 00 00 00 00 09 f5"));
        qunsetenv("MORVANE_COM1");
    }

    void moduleBytesRaiseAReceiveEvent() {
        CPtyPair pty;
        qputenv("MORVANE_COM1", pty.SlavePath().toLocal8Bit());
        CMSComm comm;
        comm.SetRThreshold(1);
        comm.SetInputLen(9000);
        comm.SetPortOpen(true);
        QSignalSpy spy(&comm, &CMSComm::OnComm);
        QVERIFY(pty.WriteModule(QByteArray::fromHex("F509000500000CF5")));
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 1, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(comm.InBufferCount(), 8, 2000);
        QCOMPARE(comm.Input(), QByteArray::fromHex("F509000500000CF5"));
        qunsetenv("MORVANE_COM1");
    }

    void hangUpIsNoticedWithoutAWrite() {
        auto pty = std::make_unique<CPtyPair>();
        qputenv("MORVANE_COM1", pty->SlavePath().toLocal8Bit());
        CMSComm comm;
        comm.SetRThreshold(1);
        comm.SetPortOpen(true);
        QSignalSpy lost(&comm, &CMSComm::PortLost);
        pty.reset(); // the module end goes away
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 3000);
        QVERIFY(!comm.PortOpen());
        QVERIFY(!comm.Output("x"));
        qunsetenv("MORVANE_COM1");
    }

    // A module that sends without end fills the port's buffer to its bound and no further; the
    // rest waits in the device, and comes as the program reads: nothing is lost or held back.
    void aLineThatNeverPausesKeepsTheBufferBounded() {
        CPtyPair pty;
        CMSComm comm;
        comm.SetDevice(pty.SlavePath());
        comm.SetPortOpen(true);
        const qint64 bound = CQtSerialBackend::kReadBufferSize;
        qint64 sent = 0;
        for (int refused = 0; refused < 3 && sent < 4 * bound;) {
            const qint64 n = pty.WriteModuleSome(QByteArray(65536, 'x'));
            refused = n > 0 ? 0 : refused + 1;
            sent += n;
            QTest::qWait(1);
        }
        QVERIFY(comm.InBufferCount() <= bound);
        QVERIFY(sent < 4 * bound);
        qint64 received = 0;
        QTRY_VERIFY_WITH_TIMEOUT((received += comm.Input().size(), received == sent), 3000);
    }

    // The reason comes from the backend: missing; held by another program (here another control
    // of this process, kept out by the device's lock, also when one of the two reaches it
    // through a link; tests run as root, whom the lock binds too); not permitted to this user,
    // who is "nobody" when the test runs as root.
    void openFailureSaysWhy_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("otherName"); // how the other program names the device
        QTest::addColumn<QString>("ownName");   // and how this one does
        QTest::addColumn<QString>("reason");
        auto row = [](const char* name, const char* failure, const char* other, const char* own,
                      const QString& reason) {
            QTest::newRow(name) << QString(failure) << QString(other) << QString(own) << reason;
        };
        const QString inUse = "串口已被其他程序占用，请先关闭该程序。";
        row("missing", "missing", "", "node", "找不到该设备，请检查连接。");
        row("in use", "in use", "node", "node", inUse);
        row("in use through a link", "in use", "link", "node", inUse);
        row("in use, opened through a link", "in use", "node", "link", inUse);
        row("no permission", "no permission", "", "node",
            "当前用户没有权限打开该串口。\n请将当前用户加入 dialout 组后重新登录。");
    }
    void openFailureSaysWhy() {
        QFETCH(QString, failure);
        QFETCH(QString, otherName);
        QFETCH(QString, ownName);
        ResetSerialSettings();
        CPtyPair pty;
        QTemporaryDir dir;
        const QString link = dir.filePath("com1.link");
        QVERIFY(QFile::link(pty.SlavePath(), link));
        const auto name = [&](const QString& how) {
            return how == "link" ? link : pty.SlavePath();
        };
        const QString device = failure == "missing" ? "/dev/morvane-none" : name(ownName);
        if (failure == "no permission")
            QCOMPARE(chmod(QFile::encodeName(device).constData(), 0), 0);
        qputenv("MORVANE_COM1", device.toLocal8Bit());
        CMSComm otherProgram;
        CPortSession session;
        if (!otherName.isEmpty()) {
            otherProgram.SetDevice(name(otherName));
            otherProgram.SetPortOpen(true);
        }
        CScriptedPrompts prompts;
        CPortSession* const all[] = {&session};
        bool opened = false;
        if (failure == "no permission") {
            const CAsOtherUser user({});
            opened = PortHandOver(all, 1, session, nullptr);
        } else {
            opened = PortHandOver(all, 1, session, nullptr);
        }
        qunsetenv("MORVANE_COM1");
        QVERIFY(!opened);
        QFETCH(QString, reason);
        QCOMPARE(prompts.m_messages,
                 QStringList{"Comm port error!\nCOM1（" + device + "）：" + reason});
    }

    // COM1 bound through the system's device list, with no MORVANE_COM1: the module simulator's
    // pseudo-terminal is the one adapter reported, the hand-over opens it, and the module answers.
    void portFromTheDeviceListReachesTheModule() {
        QVERIFY(!qEnvironmentVariableIsSet("MORVANE_COM1"));
        CSimProcess sim(QStringLiteral(MORVANE_SIM_PATH));
        QVERIFY2(sim.IsRunning(), qPrintable(sim.ErrorOutput()));
        CFakePortList devices({{sim.DevicePath(), "morvane-sim", EPortKind::Adapter}});
        ResetSerialSettings();
        CScriptedPrompts prompts;
        CPortSession session;
        CMSComm& comm = session.Comm();
        CPortSession* const all[] = {&session};
        QVERIFY(PortHandOver(all, 1, session, nullptr));
        QCOMPARE(comm.DeviceName(), sim.DevicePath());
        const uint8_t userCount[8] = {0xF5, 0x09, 0x00, 0x00, 0x00, 0x00, 0x09, 0xF5};
        QVERIFY(WriteBytes(comm, userCount, 8));
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((reply += comm.Input(), reply.size() >= 8), 5000);
        QCOMPARE(reply.size(), 8); // F5 09 ... F5, the user count
        QCOMPARE(reply.left(2) + reply.right(1), QByteArray::fromHex("F509F5"));
        QVERIFY(prompts.m_messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialPty)
#include "test_serial_pty.moc"
