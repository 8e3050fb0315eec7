// The receive cycle on a fake serial device, its timer 1 ticked by hand.
#include "protocol/buffers.h"
#include "serial/mscomm.h"
#include "serial/panel_timers.h"
#include "serial/receive_cycle.h"
#include "serial/shared_settings.h"
#include "support/fake_serial_backend.h"
#include "support/process_state.h"

#include <QTest>

Q_DECLARE_METATYPE(EWhenFull)

namespace {
// A panel's control and timers with the test panel's values, the port open.
struct CCycleRig {
    explicit CCycleRig(EWhenFull whenFull = EWhenFull::DropExtra)
        : cycle(comm, timers, 50, 9000, kRxCollectLimit, whenFull) {
        comm.SetInputLen(9000);
        comm.SetRThreshold(1);
        comm.SetPortOpen(true);
    }
    void Push(const QByteArray& bytes) { FakeOf(comm)->PushModuleBytes(bytes); }
    CMSComm comm;
    CPanelTimers timers{nullptr, [](int) {}};
    CReceiveCycle cycle;
};
} // namespace

class TestReceiveCycle : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void collectionEndsOnAQuietTick() {
        CCycleRig rig;
        rig.Push(QByteArray::fromHex("F5090005"));
        QVERIFY(!rig.cycle.OnTimer(1));
        rig.Push(QByteArray::fromHex("00000CF5"));
        QVERIFY(!rig.cycle.OnTimer(2)); // not part of the cycle: nothing read
        QCOMPARE(g_nRxCount, 4);
        QVERIFY(!rig.cycle.OnTimer(1));
        QVERIFY(rig.cycle.OnTimer(1));
        QCOMPARE(g_nRxCount, 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(g_RxBuffer), 8),
                 QByteArray::fromHex("F509000500000CF5"));
        QCOMPARE(rig.comm.RThreshold(), 1);
    }

    void collectionReadsNineThousandPerTick() {
        CCycleRig rig;
        rig.Push(QByteArray(20000, 'a'));
        QVERIFY(!rig.cycle.OnTimer(1));
        QCOMPARE(g_nRxCount, 9000);
        QVERIFY(!rig.cycle.OnTimer(1));
        QVERIFY(!rig.cycle.OnTimer(1));
        QCOMPARE(g_nRxCount, 20000);
        QVERIFY(rig.cycle.OnTimer(1));
    }

    void collectionStopsAtTheLimitWithTheCrossingRead() {
        CCycleRig rig;
        rig.Push(QByteArray(120000, 'b'));
        int ticks = 0;
        while (!rig.cycle.OnTimer(1))
            ++ticks;
        QCOMPARE(ticks, 10);         // 10 reads of 9000 stay below the limit
        QCOMPARE(g_nRxCount, 99000); // the 11th read crosses it
        QVERIFY(g_nRxCount <= kRxBufferSize);
    }

    void receiveEvent() {
        CCycleRig rig;
        rig.comm.SetPortOpen(false);
        g_nBaudIndex = 0;
        rig.cycle.OnComm();        // no event has happened yet
        QCOMPARE(g_nBaudIndex, 1); // the zero rule still applies
        QVERIFY(!rig.timers.IsRunning(1));
        rig.comm.SetPortOpen(true);
        rig.Push("x");
        QTRY_COMPARE(rig.comm.CommEvent(), kCommEventReceive);
        rig.cycle.OnComm();
        QCOMPARE(rig.comm.RThreshold(), 9000);
        QCOMPARE(rig.timers.Period(1), 50);
    }

    // A count left where one more read might not fit.
    void fullBuffer_data() {
        QTest::addColumn<EWhenFull>("whenFull");
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<bool>("complete");
        QTest::newRow("drop extra") << EWhenFull::DropExtra << kRxBufferSize << true;
        QTest::newRow("start over") << EWhenFull::StartOver << 3 << false;
    }
    void fullBuffer() {
        QFETCH(EWhenFull, whenFull);
        QFETCH(int, countAfter);
        QFETCH(bool, complete);
        CCycleRig rig(whenFull);
        g_nRxCount = kRxBufferSize - 2;
        rig.Push("abc");
        QCOMPARE(rig.cycle.OnTimer(1), complete);
        QCOMPARE(g_nRxCount, countAfter);
    }
};

QTEST_MAIN(TestReceiveCycle)
#include "test_receive_cycle.moc"
