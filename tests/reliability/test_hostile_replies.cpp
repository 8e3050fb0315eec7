// A misbehaving module against the running panels, on the fake serial device with the panel
// ticks fired by hand: endless bytes, unasked floods, replies shorter than what a row reads,
// count fields at their maximum, and noise, partial frames and acknowledgement storms during a
// download. Under the sanitizers any read or write past a buffer fails the test.
#include "support/fake_serial_backend.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"

#include "console/module_test_panel.h"
#include "download/download_frames.h"
#include "download/download_panel.h"
#include "download/panel_fixture.h"
#include "protocol/buffers.h"
#include "serial/comm_setup_panel.h"
#include "serial/panel_timers.h"
#include "support/packet_bytes.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kConsoleTimer = 1;
constexpr int kMaxTicks = 200;

// Bytes that never contain the frame mark, so no frame can be found in them.
QByteArray Noise(int size, uint8_t seed) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(uint8_t(seed + i * 7) == 0xF5 ? 0x00 : uint8_t(seed + i * 7));
    return bytes;
}

void Deliver(CFakeSerialBackend& fake, const QByteArray& bytes) {
    fake.PushModuleBytes(bytes);
    QCoreApplication::processEvents(); // the queued receive event
}

// Ticks the console's collection until it ends; the number of ticks, or kMaxTicks.
int TickConsoleToTheEnd(CModuleTestDlg& panel) {
    int ticks = 0;
    while (panel.Timers().IsRunning(kConsoleTimer) && ticks < kMaxTicks) {
        panel.OnTimer(kConsoleTimer);
        ++ticks;
    }
    return ticks;
}

// The reply tick the receive event asked for, then the send tick the reply asked for.
void FireDueTimers(CDownloadDlg& panel) {
    if (panel.Timers().IsRunning(CDownloadDlg::kReplyTimer))
        panel.OnTimer(CDownloadDlg::kReplyTimer);
    if (panel.Timers().IsRunning(CDownloadDlg::kSendTimer))
        panel.OnTimer(CDownloadDlg::kSendTimer);
}

// The 8 host bytes are a command packet or the pieces of a block: the block indices sent.
QList<int> BlocksSent(const QList<QByteArray>& writes) {
    QByteArray all;
    for (const QByteArray& write : writes)
        all += write;
    QList<int> blocks;
    for (int at = 0; at < all.size();)
        if (all.size() - at >= kBlockPacketSize && uint8_t(all[at + 1]) < kBlockCount &&
            uint8_t(all[at + kBlockPacketSize - 1]) == 0xF5) {
            blocks.append(uint8_t(all[at + 1]));
            at += kBlockPacketSize;
        } else {
            at += kReplyFrameSize;
        }
    return blocks;
}
} // namespace

class TestHostileReplies : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    // The module talks without a pause: the reply ends at the collection limit and is read, what
    // follows is dropped while the module goes on, and once it falls silent the next reply is
    // collected from the start of the buffer.
    void endlessBytesEndAtTheLimit() {
        CScriptedPrompts prompts;
        CModuleTestDlg panel;
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel.Comm());
        Deliver(fake, Noise(9000, 1));
        for (int ticks = 0; ticks < 30; ++ticks) {
            fake.PushModuleBytes(Noise(9000, uint8_t(ticks))); // more before every tick
            panel.OnTimer(kConsoleTimer);
            QVERIFY(panel.Session().ReplyCycle()->RxCount() >= 0 &&
                    panel.Session().ReplyCycle()->RxCount() <= kRxBufferSize);
        }
        QVERIFY(panel.Timers().IsRunning(kConsoleTimer));
        QCOMPARE(panel.Session().ReplyCycle()->RxCount(), 0);
        fake.TakeHostBytes();
        while (fake.BytesAvailable() > 0) // the module falls silent; what it sent is read
            fake.Read(fake.BytesAvailable());
        panel.OnTimer(kConsoleTimer); // a quiet tick
        QVERIFY(!panel.Timers().IsRunning(kConsoleTimer));
        Deliver(fake, Packet(0x09, 0, 0, 5));
        QVERIFY(panel.Timers().IsRunning(kConsoleTimer));
        panel.OnTimer(kConsoleTimer);
        QCOMPARE(panel.Session().ReplyCycle()->RxCount(), kReplyFrameSize);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(panel.Session().ReplyCycle()->RxBuffer()),
                            kReplyFrameSize),
                 Packet(0x09, 0, 0, 5));
        QVERIFY(TickConsoleToTheEnd(panel) < kMaxTicks);
    }

    // Every command byte with replies of 1 to 12 bytes whose count fields are all 0xFF: no row
    // reads past what arrived, and every collection ends with the send button usable.
    void shortRepliesAndMaximalCounts_data() {
        QTest::addColumn<int>("length");
        for (int length : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
            QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(length))) << length;
    }
    void shortRepliesAndMaximalCounts() {
        QFETCH(int, length);
        CScriptedPrompts prompts;
        prompts.m_bDefaultAnswer = false;
        CModuleTestDlg panel;
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel.Comm());
        for (int command = 0; command < 256; ++command) {
            QByteArray reply(length, char(0xFF));
            reply[0] = char(0xF5);
            if (length > 1)
                reply[1] = char(command);
            Deliver(fake, reply);
            QVERIFY(TickConsoleToTheEnd(panel) < kMaxTicks);
            QVERIFY(!panel.Timers().IsRunning(kConsoleTimer));
            QCOMPARE(panel.Session().ReplyCycle()->RxCount(), 0);
            QVERIFY(panel.Control(ControlId::kSendCommand)->isEnabled());
            fake.TakeHostBytes();
        }
    }

    // Unasked bytes on the settings panel for ten minutes of ticks: the buffer index stays in
    // range and nothing piles up in the device queue.
    void floodOnTheSettingsPanel() {
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel.Comm());
        constexpr int kTicks = 6000; // 10 minutes at 100 ms
        qint64 mostWaiting = 0;
        for (int tick = 0; tick < kTicks; ++tick) {
            fake.PushModuleBytes(Noise(700, uint8_t(tick)));
            if (tick % 50 == 0)
                QCoreApplication::processEvents();
            panel.OnTimer(1);
            QVERIFY(panel.Session().ReplyCycle()->RxCount() >= 0 &&
                    panel.Session().ReplyCycle()->RxCount() <= kRxBufferSize);
            mostWaiting = qMax(mostWaiting, fake.BytesAvailable());
        }
        QVERIFY2(mostWaiting < 64 * 1024, qPrintable(QString::number(mostWaiting)));
        int ticks = 0;
        while (panel.Timers().IsRunning(1) && ticks < kMaxTicks) {
            panel.OnTimer(1);
            ++ticks;
        }
        QVERIFY(!panel.Timers().IsRunning(1));
    }

    // Every block reply is preceded by noise and a partial frame: each is read as "not accepted",
    // so the same block goes again, and the download still ends with all 32 blocks in order.
    void noiseAndPartialFramesDuringADownload() {
        CScriptedPrompts prompts;
        CDownloadDlg panel;
        QTemporaryDir folder;
        LoadProgramFiles(panel, prompts, folder.path());
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel.Comm());
        auto reply = [&](const QByteArray& bytes) {
            Deliver(fake, bytes);
            FireDueTimers(panel);
        };
        panel.OnStartDownload();
        reply(Packet(kStartRequestCommand, 0, 0, 0));
        reply(Packet(kHandshakeCommand, 0, 0, 0)); // handshake accepted: block 0
        for (int k = 0; k < kBlockCount; ++k) {
            reply(Noise(40, uint8_t(k)));
            reply(Packet(kHandshakeCommand, 0, uint8_t(k), 0).left(5)); // the rest never comes
            reply(Noise(3, 9) + Packet(kHandshakeCommand, 0, uint8_t(k), 0));
        }
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("已成功完成下载!")});
        QVERIFY(!panel.IsDownloading());
        QList<int> expected;
        for (int k = 0; k < kBlockCount; ++k)
            expected << k << k << k;
        QCOMPARE(BlocksSent(fake.TakeHostWrites()), expected);
    }

    // After the last block the module keeps acknowledging: the download ends once, and nothing
    // more is sent.
    void acknowledgementStormAfterBlock31() {
        CScriptedPrompts prompts;
        CDownloadDlg panel;
        QTemporaryDir folder;
        LoadProgramFiles(panel, prompts, folder.path());
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel.Comm());
        auto reply = [&](const QByteArray& bytes) {
            Deliver(fake, bytes);
            FireDueTimers(panel);
        };
        panel.OnStartDownload();
        reply(Packet(kStartRequestCommand, 0, 0, 0));
        reply(Packet(kHandshakeCommand, 0, 0, 0));
        for (int k = 0; k < kLastBlockIndex; ++k)
            reply(Packet(kHandshakeCommand, 0, uint8_t(k), 0));
        fake.TakeHostWrites();
        prompts.m_bDefaultAnswer = false; // each stray acknowledgement asks; the user cancels
        QByteArray storm;
        for (int i = 0; i < 100; ++i)
            storm += Packet(kHandshakeCommand, 0, kLastBlockIndex, 0);
        for (int round = 0; round < 10; ++round)
            reply(storm);
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("已成功完成下载!")});
        QVERIFY(!panel.IsDownloading());
        QVERIFY(panel.AckCount() <= kBlockCount);
        QCOMPARE(BlocksSent(fake.TakeHostWrites()), QList<int>{});
    }
};

QTEST_MAIN(TestHostileReplies)
#include "test_hostile_replies.moc"
