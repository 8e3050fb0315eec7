#include "panel_fixture.h"

#include "download/program_image.h"
#include "serial/shared_settings.h"
#include "support/packet_bytes.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTest>

namespace {
const QString kAskOverwrite = QStringLiteral("下载新的程序会冲掉片内原程序，是否继续？");
const QString kAskFaulty = QStringLiteral("片内程序有误，是否继续？");
const QString kAskCancel = QStringLiteral("取消此次下载，是否确定？");
const QString kDone = QStringLiteral("已成功完成下载!");
const QString kFailed = QStringLiteral("下载失败!");
const QString kInterrupted = QStringLiteral("下载已中断!");

const QByteArray kStartRequest = QByteArray::fromHex("F5090000000009F5");
const QByteArray kHandshake = QByteArray::fromHex("F5FF00000000FFF5");
const QByteArray kStartReply = QByteArray::fromHex("F5090000000009F5");

QByteArray Ack(int p2) {
    return Packet(0xFF, 0, uint8_t(p2), 0);
}

QByteArray WithBadCheck(QByteArray frame) {
    frame[6] = char(frame[6] ^ 0x01);
    return frame;
}

// Block k as the module must receive it, from the expected image.
QByteArray ExpectedBlock(const QByteArray& image, int k) {
    QByteArray block;
    block += char(0xF5);
    block += char(k);
    block += image.mid(k * 4096, 4096);
    uint8_t check = 0;
    for (int i = 1; i < block.size(); ++i)
        check ^= uint8_t(block[i]);
    block += char(check);
    block += char(0xF5);
    return block;
}

QList<int> SizesOf(const QList<QByteArray>& writes) {
    QList<int> sizes;
    for (const QByteArray& write : writes)
        sizes.append(int(write.size()));
    return sizes;
}

QByteArray Joined(const QList<QByteArray>& writes) {
    QByteArray all;
    for (const QByteArray& write : writes)
        all += write;
    return all;
}

const QList<int> kBlockPieces{512, 512, 512, 512, 512, 512, 512, 512, 4};

// The module's cable is pulled while the question is open; the user then answers OK.
class CUnplugWhileAsking : public CScriptedPrompts {
public:
    explicit CUnplugWhileAsking(CFakeSerialBackend& fake) : m_fake(fake) {}
    bool Question(QWidget* parent, const QString& text, const QString& caption) override {
        m_fake.Unplug();
        return CScriptedPrompts::Question(parent, text, caption);
    }

private:
    CFakeSerialBackend& m_fake;
};
} // namespace

class TestDownloadExchange : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CPanelFixture> m_pFix;
    CPanelFixture& Fix() { return *m_pFix; }
    CDownloadDlg& Panel() { return Fix().Panel(); }
    CScriptedPrompts& Prompts() { return Fix().m_prompts; }

    // The module sends bytes: the receive event arrives (the queued OnComm is delivered without
    // running any timer), then the test fires the reply timer's tick.
    void ModuleSends(const QByteArray& bytes) {
        Fix().Fake().PushModuleBytes(bytes);
        QCoreApplication::sendPostedEvents(&Panel().Comm(), QEvent::MetaCall);
        QVERIFY(Panel().Timers().IsRunning(CDownloadDlg::kReplyTimer));
        QCOMPARE(Panel().Timers().Period(CDownloadDlg::kReplyTimer), 100);
        QCOMPARE(Panel().Comm().RThreshold(), 200);
        Panel().OnTimer(CDownloadDlg::kReplyTimer);
        QVERIFY(!Panel().Timers().IsRunning(CDownloadDlg::kReplyTimer));
        QCOMPARE(Panel().Comm().RThreshold(), 1);
        QCOMPARE(Panel().Comm().InBufferCount(), 0);
    }

    // One tick of the send timer, which must be due with the given period.
    QList<QByteArray> SendTick(int periodMs) {
        [&] {
            QVERIFY(Panel().Timers().IsRunning(CDownloadDlg::kSendTimer));
            QCOMPARE(Panel().Timers().Period(CDownloadDlg::kSendTimer), periodMs);
        }();
        Panel().OnTimer(CDownloadDlg::kSendTimer);
        [&] {
            QVERIFY(!Panel().Timers().IsRunning(CDownloadDlg::kSendTimer));
            QVERIFY(!Fix().StartEnabled());
        }();
        return Fix().Fake().TakeHostWrites();
    }

    void ExpectBlock(int k, const QList<QByteArray>& writes) {
        QCOMPARE(SizesOf(writes), kBlockPieces);
        QCOMPARE(Joined(writes), ExpectedBlock(Fix().ExpectedImage(), k));
    }

    // Start request, overwrite question answered OK, handshake, its acknowledgement.
    void RunToFirstBlock() {
        Panel().OnStartDownload();
        QCOMPARE(Fix().Fake().TakeHostWrites(), QList<QByteArray>{kStartRequest});
        ModuleSends(kStartReply);
        QCOMPARE(SendTick(100), QList<QByteArray>{kHandshake});
        ModuleSends(Ack(0));
        QCOMPARE(Panel().AckCount(), 1);
    }

    // Blocks 0..last sent and acknowledged with p2 = k.
    void RunThroughBlock(int last) {
        RunToFirstBlock();
        for (int k = 0; k <= last; ++k) {
            ExpectBlock(k, SendTick(500));
            ModuleSends(Ack(k));
        }
    }

    void ExpectIdle() {
        QCOMPARE(Panel().AckCount(), 0);
        QVERIFY(!Panel().IsDownloading());
        QVERIFY(!Panel().IsDownloadUnderWay());
        QCOMPARE(Fix().Progress()->value(), 0);
        QVERIFY(!Panel().Timers().IsRunning(CDownloadDlg::kSendTimer));
        QVERIFY(!Panel().Timers().IsRunning(CDownloadDlg::kReplyTimer));
        QCOMPARE(Panel().Comm().RThreshold(), 1);
        QVERIFY(Fix().StartEnabled());
        QVERIFY(Fix().Button(1024)->isEnabled());
        QVERIFY(Fix().Button(1029)->isEnabled());
    }

private slots:
    void init() {
        m_pFix = std::make_unique<CPanelFixture>();
        Fix().NewPanel();
        Fix().LoadBoth();
        Fix().OpenPort();
        QVERIFY(Fix().StartEnabled());
    }
    void cleanup() { m_pFix.reset(); }

    // The whole exchange, tick by tick, with a negative acknowledgement and damaged replies on
    // the way: every block leaves in pieces of 512, byte for byte, resent until accepted.
    void fullDownload() {
        Panel().OnStartDownload();
        QCOMPARE(Fix().Fake().TakeHostWrites(), QList<QByteArray>{kStartRequest});
        QVERIFY(!Fix().StartEnabled());
        QVERIFY(!Panel().IsDownloading());

        ModuleSends(kStartReply);
        QCOMPARE(Prompts().m_questions, QStringList{kAskOverwrite});
        QCOMPARE(Prompts().m_questionCaptions, QStringList{QString()});
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());

        QCOMPARE(SendTick(100), QList<QByteArray>{kHandshake});
        QVERIFY(Panel().IsDownloading());
        QCOMPARE(Panel().AckCount(), 0);

        ModuleSends(QByteArray::fromHex("1234") + Ack(0)); // noise before the frame
        QCOMPARE(Panel().AckCount(), 1);
        QCOMPARE(Fix().Progress()->value(), 1);

        const QMap<int, QByteArray> damaged{
            {3, Packet(0xFF, 0, 3, 0x01)},                     // negative acknowledgement
            {7, QByteArray::fromHex("0000") + Ack(7).left(7)}, // under 8 bytes from the F5
            {12, Packet(0x26, 0, 12, 0)},                      // foreign command
            {20, WithBadCheck(Ack(20))},                       // bad check
            {31, QByteArray::fromHex("F5FF001F0100E1F5")},     // p3 != 0 on the last block
        };
        for (int k = 0; k < 32; ++k) {
            ExpectBlock(k, SendTick(500));
            if (damaged.contains(k)) {
                ModuleSends(damaged[k]);
                QCOMPARE(Panel().AckCount(), k + 1);
                ExpectBlock(k, SendTick(500)); // the same block again
            }
            QVERIFY(Prompts().m_messages.isEmpty());
            if (k < 31) {
                ModuleSends(Ack(k));
                QCOMPARE(Panel().AckCount(), k + 2);
                QCOMPARE(Fix().Progress()->value(), std::min(k + 2, 32));
            }
        }
        QCOMPARE(Fix().Progress()->value(), 32); // full once block 31 is out

        ModuleSends(QByteArray::fromHex("F5FF001F0000E0F5"));
        QCOMPARE(Prompts().m_messages, QStringList{kDone});
        QCOMPARE(Prompts().m_messageCaptions, QStringList{QStringLiteral("Morvane")});
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
        QCOMPARE(Prompts().m_questions.size(), 1);
    }

    void receiveEventStartsTheReplyTimer() {
        Fix().Fake().PushModuleBytes(QByteArray::fromHex("00"));
        QVERIFY(!Panel().Timers().IsRunning(CDownloadDlg::kReplyTimer)); // always queued
        QCOMPARE(Panel().Comm().RThreshold(), 1);
        QCoreApplication::sendPostedEvents(&Panel().Comm(), QEvent::MetaCall);
        QCOMPARE(Panel().Timers().Period(CDownloadDlg::kReplyTimer), 100);
        QCOMPARE(Panel().Comm().RThreshold(), 200);
        Panel().OnTimer(CDownloadDlg::kReplyTimer);
        QCOMPARE(Panel().Comm().RThreshold(), 1);
        QVERIFY(!Panel().Timers().AnyRunning());
        QVERIFY(Prompts().m_questions.isEmpty());
    }

    // One read of at most 200 bytes is interpreted; the rest is read and thrown away.
    void onlyTheFirst200BytesCount() {
        RunToFirstBlock();
        ExpectBlock(0, SendTick(500));
        ModuleSends(QByteArray(200, '\0') + Ack(0));
        QCOMPARE(Panel().AckCount(), 1);
        ExpectBlock(0, SendTick(500));
        ModuleSends(QByteArray(192, '\0') + Ack(0));
        QCOMPARE(Panel().AckCount(), 2);
        ExpectBlock(1, SendTick(500));
    }

    void declineOverwrite() {
        Panel().OnStartDownload();
        Fix().Fake().TakeHostWrites();
        Prompts().m_answers = {false};
        ModuleSends(kStartReply);
        QCOMPARE(Prompts().m_questions, QStringList{kAskOverwrite});
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void cancelConfirmedMidDownload() {
        RunThroughBlock(4);
        QCOMPARE(Panel().AckCount(), 6);
        Prompts().m_answers = {true};
        Panel().OnCancelDownload();
        QCOMPARE(Prompts().m_questions.last(), kAskCancel);
        QCOMPARE(Prompts().m_questionCaptions.last(), QString());
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
        QVERIFY(Prompts().m_messages.isEmpty());
    }

    // The download goes on while the cancel question is declined.
    void cancelDeclined() {
        RunThroughBlock(2);
        Prompts().m_answers = {false};
        Panel().OnCancelDownload();
        QCOMPARE(Panel().AckCount(), 4);
        QVERIFY(Panel().IsDownloading());
        ExpectBlock(3, SendTick(500));
    }

    // A 0xFF frame without a handshake: the program in the module is faulty.
    void faultyProgramAccepted() {
        ModuleSends(Ack(0));
        QCOMPARE(Prompts().m_questions, QStringList{kAskFaulty});
        QCOMPARE(Prompts().m_questionCaptions, QStringList{QString()});
        QVERIFY(Panel().IsDownloading());
        QCOMPARE(Panel().AckCount(), 1);
        QCOMPARE(Fix().Progress()->value(), 1);
        ExpectBlock(0, SendTick(500)); // no handshake first
    }

    void faultyProgramDeclined() {
        Panel().OnStartDownload();
        Fix().Fake().TakeHostWrites();
        Prompts().m_answers = {false};
        ModuleSends(Ack(0));
        QCOMPARE(Prompts().m_questions, QStringList{kAskFaulty});
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    // Until the handshake is acknowledged, any other reply brings the handshake again, never
    // a block before block 0.
    void handshakeResent_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("negative acknowledgement") << Packet(0xFF, 0, 0, 0x05);
        QTest::newRow("foreign command") << Packet(0x41, 0, 0, 0);
        QTest::newRow("start reply again") << kStartReply;
        QTest::newRow("bad check") << QByteArray::fromHex("F5FF00000000FEF5");
        QTest::newRow("short") << QByteArray::fromHex("F5FF0000");
        QTest::newRow("noise") << QByteArray::fromHex("0102030405060708090A");
    }
    void handshakeResent() {
        QFETCH(QByteArray, reply);
        Panel().OnStartDownload();
        Fix().Fake().TakeHostWrites();
        ModuleSends(kStartReply);
        QCOMPARE(SendTick(100), QList<QByteArray>{kHandshake});
        Prompts().m_answers = {false}; // a start reply now is declined like any
        ModuleSends(reply);
        if (reply == kStartReply) {
            ExpectIdle();
            return;
        }
        QCOMPARE(Panel().AckCount(), 0);
        QCOMPARE(SendTick(500), QList<QByteArray>{kHandshake});
        ModuleSends(Ack(0));
        ExpectBlock(0, SendTick(500));
    }

    // The module keeps acknowledging after block 31 without p2 = 0x1F: there is no block 32.
    void acknowledgementsPastTheLastBlock() {
        RunToFirstBlock();
        for (int k = 0; k < 32; ++k) {
            ExpectBlock(k, SendTick(500));
            ModuleSends(Ack(k == 31 ? 0x20 : k));
        }
        QCOMPARE(Prompts().m_messages, QStringList{kFailed});
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void leavingDuringADownload_data() {
        QTest::addColumn<int>("stage");
        QTest::newRow("start request sent") << 0;
        QTest::newRow("handshake due") << 1;
        QTest::newRow("blocks under way") << 2;
        QTest::newRow("reply being collected") << 3;
    }
    void leavingDuringADownload() {
        QFETCH(int, stage);
        Panel().OnStartDownload();
        if (stage >= 1)
            ModuleSends(kStartReply);
        if (stage >= 2) {
            SendTick(100);
            ModuleSends(Ack(0));
            ExpectBlock(0, SendTick(500));
        }
        if (stage == 3) {
            Fix().Fake().PushModuleBytes(Ack(0));
            QCoreApplication::sendPostedEvents(&Panel().Comm(), QEvent::MetaCall);
        }
        QVERIFY(!Fix().Button(1024)->isEnabled()); // no loading while the image is sent
        Fix().Fake().TakeHostWrites();
        Panel().OnLeaving();
        Panel().Comm().SetPortOpen(false); // the shell closes the port next
        QCOMPARE(Prompts().m_messages, QStringList{kInterrupted});
        ExpectIdle();
        Panel().OnLeaving();
        QCOMPARE(Prompts().m_messages.size(), 1);
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void leavingWhileIdle() {
        Fix().Fake().PushModuleBytes(QByteArray::fromHex("00"));
        QCoreApplication::sendPostedEvents(&Panel().Comm(), QEvent::MetaCall);
        Panel().OnLeaving();
        QVERIFY(Prompts().m_messages.isEmpty());
        ExpectIdle();
    }

    void portLostDuringADownload() {
        RunThroughBlock(1);
        Fix().Fake().Unplug();
        QCOMPARE(Prompts().m_messages, QStringList{kInterrupted});
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    // The module may open the exchange by itself; without both program files nothing goes out.
    void moduleOpensTheExchangeWithoutBothFiles_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("with28000");
        QTest::newRow("faulty program, no file") << Ack(0) << false;
        QTest::newRow("faulty program, 0x28000 only") << Ack(0) << true;
        QTest::newRow("start reply, no file") << kStartReply << false;
        QTest::newRow("start reply, 0x28000 only") << kStartReply << true;
    }
    void moduleOpensTheExchangeWithoutBothFiles() {
        QFETCH(QByteArray, frame);
        QFETCH(bool, with28000);
        Fix().NewPanel();
        Fix().OpenPort();
        if (with28000)
            Fix().Load28000(Fix().Write28000File());
        ModuleSends(frame);
        QCOMPARE(Prompts().m_messages, QStringList{QStringLiteral("请先选择程序文件!")});
        QVERIFY(Prompts().m_questions.isEmpty());
        QVERIFY(!Panel().IsDownloadUnderWay());
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void portLostDuringAQuestion_data() {
        QTest::addColumn<bool>("requested");
        QTest::newRow("overwrite question") << true;
        QTest::newRow("faulty-program question") << false;
    }
    void portLostDuringAQuestion() {
        QFETCH(bool, requested);
        if (requested)
            Panel().OnStartDownload();
        Fix().Fake().TakeHostWrites();
        Fix().Fake().PushModuleBytes(requested ? kStartReply : Ack(0));
        QCoreApplication::sendPostedEvents(&Panel().Comm(), QEvent::MetaCall);
        {
            CUnplugWhileAsking prompts(Fix().Fake());
            Panel().OnTimer(CDownloadDlg::kReplyTimer);
            QCOMPARE(prompts.m_questions.size(), 1);
            QCOMPARE(prompts.m_messages,
                     QStringList{requested ? kInterrupted : QStringLiteral("Comm port error!")});
        }
        SetPrompts(&Prompts());
        ExpectIdle();
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void portLostWhileIdle() {
        Fix().Fake().Unplug();
        QCOMPARE(Prompts().m_messages, QStringList{QStringLiteral("Comm port error!")});
        ExpectIdle();
    }

    // Nothing is written to a closed port; a download that cannot write ends at once.
    void startWithThePortClosed() {
        Panel().Comm().SetPortOpen(false);
        Panel().OnStartDownload();
        QCOMPARE(Prompts().m_messages, QStringList{kInterrupted});
        ExpectIdle();
        Panel().Comm().SetPortOpen(true);
        QVERIFY(Fix().Fake().TakeHostWrites().isEmpty());
    }

    void failedWriteMidDownload() {
        RunThroughBlock(0);
        Fix().Fake().m_bFailWrites = true;
        Panel().OnTimer(CDownloadDlg::kSendTimer);
        QCOMPARE(Prompts().m_messages, QStringList{kInterrupted});
        ExpectIdle();
    }

    // Loading a file while the image is being sent would mix two programs.
    void noLoadingDuringADownload() {
        RunToFirstBlock();
        QVERIFY(!Fix().Button(1024)->isEnabled());
        QVERIFY(!Fix().Button(1029)->isEnabled());
        QVERIFY(Fix().Button(1045)->isEnabled()); // the .bin can still be written
        const int dialogs = int(Prompts().m_dialogs.size());
        Panel().OnBrowse28000();
        Panel().OnBrowse38000();
        QCOMPARE(int(Prompts().m_dialogs.size()), dialogs);
        ExpectBlock(0, SendTick(500));
    }

    // Back to idle, the port gets the shared rate again.
    void resetAppliesTheSharedRate() {
        RunToFirstBlock();
        g_nBaudIndex = 3;
        Panel().OnCancelDownload();
        QCOMPARE(Panel().Comm().Settings(), QStringLiteral("38400,n,8,1"));
        QCOMPARE(Fix().Fake().m_settings.baudRate, 38400);
        QCOMPARE(Panel().Comm().InputLen(), 200);
    }
};

QTEST_MAIN(TestDownloadExchange)
#include "test_download_exchange.moc"
