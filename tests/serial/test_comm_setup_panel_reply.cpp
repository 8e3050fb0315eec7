// The module-rate command of the settings panel and the check of the module's answer, with the
// receive cycle ticked by hand (OnTimer(1)) on a fake serial device.
#include "protocol/buffers.h"
#include "serial/comm_setup_panel.h"
#include "serial/shared_settings.h"
#include "support/fake_serial_backend.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "widgets/cool_button.h"

#include <QLineEdit>
#include <QTest>

namespace {
QComboBox* List(CCommSetupDlg& panel, int id) {
    return panel.findChild<QComboBox*>(QStringLiteral("ctl%1").arg(id));
}

// The panel's reply collection, with its receive buffer.
CReceiveCycle& Cycle(CCommSetupDlg& panel) {
    return *panel.Session().ReplyCycle();
}

int RxCount(CCommSetupDlg& panel) {
    return Cycle(panel).RxCount();
}

QByteArray RxBytes(CCommSetupDlg& panel, int from, int count) {
    return QByteArray(reinterpret_cast<const char*>(Cycle(panel).RxBuffer()) + from, count);
}

// Bytes collected before: the count stands at their number.
void SetRxBytes(CCommSetupDlg& panel, const QByteArray& bytes) {
    Cycle(panel).ResetRxCount();
    Cycle(panel).Append(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
}

// A panel with its port open, as after the hand-over.
struct COpenPanel {
    CCommSetupDlg panel;
    CMSComm& comm = panel.Comm();
    CFakeSerialBackend* fake;
    COpenPanel() {
        comm.SetPortOpen(true);
        fake = FakeOf(comm);
    }
    void SelectModuleRate(int position) { List(panel, 1011)->setCurrentIndex(position); }
    int PcRateSelection() { return List(panel, 1051)->currentIndex(); }

    // The module's bytes arrive; the receive event starts timer 1; ticks run until the reply is
    // complete. Returns the number of ticks.
    int Receive(const QByteArray& bytes) {
        fake->PushModuleBytes(bytes);
        QCoreApplication::processEvents(); // the queued receive event, nothing else is due
        if (!panel.Timers().IsRunning(1))
            return 0;
        int ticks = 0;
        while (panel.Timers().IsRunning(1) && ticks < 100) {
            panel.OnTimer(1);
            ++ticks;
        }
        return ticks;
    }
};
} // namespace

class TestCommSetupPanelReply : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void rateCommand_data() {
        QTest::addColumn<int>("position"); // -1: nothing selected
        QTest::addColumn<bool>("typedOver");
        QTest::addColumn<QByteArray>("packet");
        QTest::newRow("9,600") << 0 << false << QByteArray::fromHex("F52100000100 20F5");
        QTest::newRow("19,200") << 1 << false << QByteArray::fromHex("F52100000200 23F5");
        QTest::newRow("38,400") << 2 << false << QByteArray::fromHex("F52100000300 22F5");
        QTest::newRow("57,600") << 3 << false << QByteArray::fromHex("F52100000400 25F5");
        QTest::newRow("115,200") << 4 << false << QByteArray::fromHex("F52100000500 24F5");
        QTest::newRow("nothing selected") << -1 << false << QByteArray::fromHex("F5210000000021F5");
        QTest::newRow("text typed over the entry")
            << 2 << true << QByteArray::fromHex("F5210000000021F5");
    }
    void rateCommand() {
        QFETCH(int, position);
        QFETCH(bool, typedOver);
        QFETCH(QByteArray, packet);
        COpenPanel open;
        open.SelectModuleRate(position);
        if (typedOver)
            List(open.panel, 1011)->setEditText("38400");
        SetRxBytes(open.panel, QByteArray(77, 0));
        open.panel.OnSendBaudCommand();
        QCOMPARE(open.fake->TakeHostWrites(), QList<QByteArray>{packet});
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(open.panel.Session().TxBuffer()), 8),
                 packet);
        QCOMPARE(RxCount(open.panel), 0);
    }

    void sendButtonSendsTheCommand() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&open.panel));
        open.SelectModuleRate(4);
        QTest::mouseClick(open.panel.findChild<CCoolButton*>("ctl1012"), Qt::LeftButton);
        QCOMPARE(open.fake->TakeHostBytes(), QByteArray::fromHex("F5210000050024F5"));
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void sendingOnAClosedPortIsReported() {
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        SetRxBytes(panel, QByteArray(5, 0));
        panel.OnSendBaudCommand();
        QCOMPARE(prompts.m_messages, QStringList{"Comm port error!"});
        QCOMPARE(RxCount(panel), 0);
        QCOMPARE(panel.Session().TxBuffer()[1], uint8_t(0x21));
    }

    void receiveEventStartsTheCycle() {
        COpenPanel open;
        open.fake->PushModuleBytes(QByteArray::fromHex("F521"));
        QCOMPARE(open.comm.RThreshold(), 1); // the event is queued
        QCoreApplication::processEvents();
        QCOMPARE(open.comm.RThreshold(), 9000);
        QVERIFY(open.panel.Timers().IsRunning(1));
        QCOMPARE(open.panel.Timers().Period(1), 100);
        open.panel.OnTimer(2); // not part of the cycle
        QCOMPARE(RxCount(open.panel), 0);
        open.panel.OnTimer(1);
        QCOMPARE(open.comm.RThreshold(), 1);
        QCOMPARE(RxCount(open.panel), 2);
        QVERIFY(open.panel.Timers().IsRunning(1));
    }

    void answerChecks_data() {
        QTest::addColumn<int>("selected"); // position in 1011 when the answer is checked
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("pcRateSelection");
        const QString unchanged = "19200,n,8,1";
        QTest::newRow("38,400 answered")
            << 2 << QByteArray::fromHex("F5210000030022F5") << 0 << 3 << "38400,n,8,1" << 2;
        QTest::newRow("9 bytes still switch")
            << 2 << QByteArray::fromHex("F5210000030022F500") << 1 << 3 << "38400,n,8,1" << 2;
        QTest::newRow("byte 4 of 0")
            << 2 << QByteArray::fromHex("F5210000000021F5") << 1 << 2 << unchanged << 1;
        QTest::newRow("byte 4 of 6")
            << 2 << QByteArray::fromHex("F5210000060027F5") << 1 << 2 << unchanged << 1;
        QTest::newRow("byte 4 of 0 in 9 bytes: twice")
            << 2 << QByteArray::fromHex("F5210000000021F5F5") << 2 << 2 << unchanged << 1;
        QTest::newRow("foreign command byte")
            << 2 << QByteArray::fromHex("F5090000030022F5") << 0 << 2 << unchanged << 1;
        QTest::newRow("foreign command byte in 7 bytes")
            << 2 << QByteArray::fromHex("F50900000300F5") << 1 << 2 << unchanged << 1;
        QTest::newRow("the rate of the selection, not of byte 4")
            << 4 << QByteArray::fromHex("F5210000010020F5") << 0 << 5 << "115200,n,8,1" << 4;
        QTest::newRow("a check byte is not examined")
            << 0 << QByteArray::fromHex("F52100000300FFF5") << 0 << 1 << "9600,n,8,1" << 0;
        // Bytes 1 and 4 that did not arrive are not read from an earlier answer.
        QTest::newRow("3 bytes: byte 4 missing")
            << 2 << QByteArray::fromHex("F52100") << 2 << 2 << unchanged << 1;
        QTest::newRow("1 byte: byte 1 missing")
            << 2 << QByteArray::fromHex("F5") << 1 << 2 << unchanged << 1;
    }
    void answerChecks() {
        QFETCH(int, selected);
        QFETCH(QByteArray, answer);
        QFETCH(int, messages);
        QFETCH(int, baudIndex);
        QFETCH(QString, settings);
        QFETCH(int, pcRateSelection);
        CScriptedPrompts prompts;
        COpenPanel open;
        // A complete earlier answer lies in the buffer; only what arrives now may count.
        const QByteArray earlier = QByteArray::fromHex("F5210000030022F5");
        SetRxBytes(open.panel, earlier);
        Cycle(open.panel).ResetRxCount();
        open.SelectModuleRate(selected);
        open.panel.OnSendBaudCommand();
        QCOMPARE(open.Receive(answer), 2); // one tick reads, the quiet one ends the reply
        QCOMPARE(RxCount(open.panel), int(answer.size()));
        QCOMPARE(prompts.m_messages, QStringList(messages, "通信失败!"));
        QCOMPARE(g_nBaudIndex, baudIndex);
        QCOMPARE(open.comm.Settings(), settings);
        QCOMPARE(open.fake->m_settings.baudRate, settings.section(',', 0, 0).toInt());
        QCOMPARE(open.PcRateSelection(), pcRateSelection);
        QVERIFY(!open.panel.Timers().IsRunning(1));
    }

    void answerSplitByAPauseIsCheckedTwice() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.SelectModuleRate(2);
        open.panel.OnSendBaudCommand();
        open.Receive(QByteArray::fromHex("F5210000"));
        QCOMPARE(prompts.m_messages.size(), 2); // 4 bytes, byte 4 missing
        open.Receive(QByteArray::fromHex("030022F5"));
        QCOMPARE(prompts.m_messages.size(), 2); // now 8 bytes: the answer is good
        QCOMPARE(g_nBaudIndex, 3);
    }

    void nothingSelectedAnswerLeavesTheRateIndexAtZero() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.SelectModuleRate(-1);
        open.panel.OnSendBaudCommand();
        QCOMPARE(open.fake->TakeHostBytes(), QByteArray::fromHex("F5210000000021F5"));
        open.Receive(QByteArray::fromHex("F5210000030022F5"));
        QVERIFY(prompts.m_messages.isEmpty());
        QCOMPARE(g_nBaudIndex, 0);
        QCOMPARE(open.comm.Settings(), QString("19200,n,8,1"));
        QCOMPARE(open.PcRateSelection(), -1);
        QCOMPARE(List(open.panel, 1051)->currentText(), QString());
        // The next receive event brings the index back to 1; the line keeps its rate.
        open.fake->PushModuleBytes("x");
        QCoreApplication::processEvents();
        QCOMPARE(g_nBaudIndex, 1);
        QCOMPARE(open.comm.Settings(), QString("19200,n,8,1"));
    }

    void selectionChangedWhileWaitingIsFollowed() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.SelectModuleRate(2);
        open.panel.OnSendBaudCommand();
        QCOMPARE(open.fake->TakeHostBytes(), QByteArray::fromHex("F5210000030022F5"));
        open.SelectModuleRate(3);
        open.Receive(QByteArray::fromHex("F5210000030022F5"));
        QCOMPARE(g_nBaudIndex, 4);
        QCOMPARE(open.comm.Settings(), QString("57600,n,8,1"));
        QCOMPARE(List(open.panel, 1051)->currentText(), QString("57,600"));
    }

    void unaskedBytesAreAppendedToThePreviousExchange() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.SelectModuleRate(2);
        open.panel.OnSendBaudCommand();
        open.Receive(QByteArray::fromHex("F5210000030022F5"));
        QVERIFY(prompts.m_messages.isEmpty());
        QCOMPARE(g_nBaudIndex, 3);

        open.SelectModuleRate(0);
        open.Receive(QByteArray::fromHex("F5090000000009F5"));
        QCOMPARE(RxCount(open.panel), 16);
        QCOMPARE(RxBytes(open.panel, 0, 16),
                 QByteArray::fromHex("F5210000030022F5F5090000000009F5"));
        QCOMPARE(prompts.m_messages, QStringList{"通信失败!"});
        // Byte 1 is still the earlier answer's, so the PC follows 1011 once more.
        QCOMPARE(g_nBaudIndex, 1);
        QCOMPARE(open.comm.Settings(), QString("9600,n,8,1"));
    }

    void aLongAnswerIsCutAtTheLimit() {
        CScriptedPrompts prompts;
        COpenPanel open;
        open.panel.OnSendBaudCommand();
        open.fake->PushModuleBytes(QByteArray(9000, 'a'));
        QCoreApplication::processEvents();
        open.panel.OnTimer(1);
        QVERIFY(open.panel.Timers().IsRunning(1));
        open.fake->PushModuleBytes(QByteArray(3287, 'b'));
        open.panel.OnTimer(1); // 12,287: one short of the limit of 12,288
        QVERIFY(open.panel.Timers().IsRunning(1));
        open.fake->PushModuleBytes(QByteArray(1, 'c'));
        open.panel.OnTimer(1);
        QCOMPARE(RxCount(open.panel), 12288);
        QCOMPARE(prompts.m_messages, QStringList{"通信失败!"});
        open.fake->PushModuleBytes(QByteArray(500, 'd')); // dropped, not checked
        open.panel.OnTimer(1);
        QVERIFY(open.panel.Timers().IsRunning(1));
        open.panel.OnTimer(1);
        QVERIFY(!open.panel.Timers().IsRunning(1));
        QCOMPARE(RxCount(open.panel), 12288);
        QCOMPARE(prompts.m_messages.size(), 1);
    }

    // Stray bytes of a long reply to another panel's command come in 20 pieces, some while
    // "通信失败!" is open: one box for the burst. A second of quiet (the 100 ms tick that ends a
    // collection, then 900 ms of timer 2) ends it; the panel then answers at once.
    void unaskedBytesTellOncePerBurst() {
        CScriptedPrompts prompts;
        COpenPanel open;
        prompts.m_whileOpen = [&open] { open.Receive(QByteArray(300, 'x')); };
        for (int piece = 0; piece < 20; ++piece)
            open.Receive(QByteArray(300, 'x'));
        QCOMPARE(prompts.m_messages, QStringList{"通信失败!"});
        QCOMPARE(open.panel.Timers().Period(2), 900);
        open.panel.OnTimer(2);
        QVERIFY(!open.panel.Timers().IsRunning(2));
        open.Receive(QByteArray(300, 'x'));
        QCOMPARE(prompts.m_messages.size(), 2);
        open.SelectModuleRate(2); // asked for in the new burst: told again, and the rate follows
        open.panel.OnSendBaudCommand();
        open.Receive(QByteArray::fromHex("F5210000030022F500"));
        QCOMPARE(prompts.m_messages.size(), 3);
        QCOMPARE(g_nBaudIndex, 3);
    }

    void floodOfUnaskedBytesStaysInsideTheBuffer() {
        CScriptedPrompts prompts;
        COpenPanel open;
        const int cycles = 40;
        int restarts = 0;
        int previousCount = 0;
        QByteArray lastChunk;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            lastChunk = QByteArray(9000, char('A' + cycle % 26));
            lastChunk[0] = char(cycle);
            QVERIFY(open.Receive(lastChunk) >= 1);
            QVERIFY(RxCount(open.panel) <= kRxBufferSize);
            QCOMPARE(open.comm.InBufferCount(), 0); // nothing dropped or left behind
            if (RxCount(open.panel) < previousCount) {
                ++restarts;
                QCOMPARE(RxCount(open.panel), 9000);
                QCOMPARE(RxBytes(open.panel, 0, 9000), lastChunk);
            } else if (cycle > 0) {
                QCOMPARE(RxCount(open.panel), previousCount + 9000);
                QCOMPARE(RxBytes(open.panel, previousCount, 9000), lastChunk);
            }
            previousCount = RxCount(open.panel);
        }
        // 101,427 bytes hold eleven reads of 9,000: the twelfth starts again at the front.
        QCOMPARE(restarts, 3);
        QCOMPARE(prompts.m_messages.size(), 1); // one burst
    }
};

QTEST_MAIN(TestCommSetupPanelReply)
#include "test_comm_setup_panel_reply.moc"
