// The receive cycle on a fake serial device, its timer 1 ticked by hand.
#include "protocol/buffers.h"
#include "serial/panel_timers.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"
#include "support/counted_timers.h"
#include "support/fake_serial_backend.h"
#include "support/process_state.h"

#include <QTest>

Q_DECLARE_METATYPE(EWhenFull)
Q_DECLARE_METATYPE(ECutReply)

namespace {
// A panel's control and timers with the test panel's values, the port open.
struct CCycleRig {
    explicit CCycleRig(EWhenFull whenFull = EWhenFull::DropExtra)
        : cycle(comm, timers, 50, 9000, kRxCollectLimit, whenFull) {
        comm.SetInputLen(9000);
        comm.SetRThreshold(1);
        comm.SetPortOpen(true);
        QObject::connect(&comm, &CMSComm::OnComm, [this] { cycle.OnComm(); });
    }
    // The module's bytes, and the receive event they raise.
    void Push(const QByteArray& bytes) {
        FakeOf(comm)->PushModuleBytes(bytes);
        QCoreApplication::processEvents();
    }
    int Append(const QByteArray& bytes) {
        return cycle.Append(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
    }
    CMSComm comm;
    CCountedTimers timers;
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
        QCOMPARE(rig.cycle.RxCount(), 4);
        QVERIFY(!rig.cycle.OnTimer(1));
        QVERIFY(rig.cycle.OnTimer(1));
        QCOMPARE(rig.cycle.RxCount(), 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rig.cycle.RxBuffer()), 8),
                 QByteArray::fromHex("F509000500000CF5"));
        QCOMPARE(rig.comm.RThreshold(), 1);
    }

    void collectionReadsNineThousandPerTick() {
        CCycleRig rig;
        rig.Push(QByteArray(20000, 'a'));
        QVERIFY(!rig.cycle.OnTimer(1));
        QCOMPARE(rig.cycle.RxCount(), 9000);
        QVERIFY(!rig.cycle.OnTimer(1));
        QVERIFY(!rig.cycle.OnTimer(1));
        QCOMPARE(rig.cycle.RxCount(), 20000);
        QVERIFY(rig.cycle.OnTimer(1));
    }

    // 10 reads of 9000 stay below the limit, the 11th crosses it and ends the reply; the rest of
    // the line is read and dropped, never stored, until a tick finds it quiet.
    void cutReplyDropsWhatFollows_data() {
        QTest::addColumn<ECutReply>("cutReply");
        QTest::addColumn<int>("handedOnAt");
        QTest::newRow("at the limit") << ECutReply::AtTheLimit << 11;
        QTest::newRow("when the line is quiet") << ECutReply::WhenLineQuiet << 15;
    }
    void cutReplyDropsWhatFollows() {
        QFETCH(ECutReply, cutReply);
        QFETCH(int, handedOnAt);
        CCycleRig rig;
        rig.cycle.SetCutReply(cutReply);
        rig.Push(QByteArray(120000, 'b'));
        QList<int> handedOn;
        for (int tick = 1; tick <= 15; ++tick) {
            if (tick == 13)
                rig.Push(QByteArray(5000, 'c'));
            if (rig.cycle.OnTimer(1))
                handedOn << tick;
            QCOMPARE(rig.cycle.IsDropping(), tick >= 11 && tick < 15); // a read of 9000 each
        }
        QCOMPARE(handedOn, QList<int>{handedOnAt});
        const QByteArray buffer(reinterpret_cast<const char*>(rig.cycle.RxBuffer()), kRxBufferSize);
        QCOMPARE(rig.cycle.RxCount(), buffer.count('b'));
        QCOMPARE(buffer.count('c'), 0);
        QVERIFY(!rig.timers.IsRunning(1));
        QCOMPARE(rig.comm.RThreshold(), 1);
    }

    // Bytes keep coming while a reply is collected: the tick keeps its time, however many
    // receive events they raise.
    void receiveEventsKeepTheTickOnTime() {
        CCycleRig rig;
        rig.Push("a");
        QCOMPARE(rig.timers.Starts(1), 1);
        for (int tick = 0; tick < 3; ++tick) {
            rig.Push(QByteArray(9000, 'b')); // a receive event, whatever the threshold
            QCOMPARE(rig.comm.RThreshold(), 9000);
            QVERIFY(!rig.cycle.OnTimer(1));
        }
        QCOMPARE(rig.timers.Starts(1), 1);
        QVERIFY(rig.timers.IsRunning(1));
    }

    void receiveEvent() {
        CCycleRig rig;
        rig.comm.SetPortOpen(false);
        rig.cycle.OnComm(); // no event has happened yet
        QVERIFY(!rig.timers.IsRunning(1));
        rig.comm.SetPortOpen(true);
        rig.Push("x");
        QCOMPARE(rig.comm.CommEvent(), kCommEventReceive);
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
        rig.Append(QByteArray(kRxBufferSize - 2, 'z'));
        rig.Push("abc");
        QCOMPARE(rig.cycle.OnTimer(1), complete);
        QCOMPARE(rig.cycle.RxCount(), countAfter);
    }

    void appendStopsAtTheEndOfTheReceiveBuffer() {
        CCycleRig rig;
        const QByteArray chunk(kRxReadChunk, '\x5A');
        int stored = 0;
        for (int i = 0; i < 20; ++i)
            stored += rig.Append(chunk);
        QCOMPARE(stored, kRxBufferSize);
        QCOMPARE(rig.cycle.RxCount(), kRxBufferSize);
        QCOMPARE(rig.Append(chunk.left(1)), 0);
    }
};

QTEST_MAIN(TestReceiveCycle)
#include "test_receive_cycle.moc"
