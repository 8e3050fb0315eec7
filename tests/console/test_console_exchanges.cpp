// The enrolment sequence, the batch store and the user backup driven without any window, as a
// command-line front end drives them.
#include "console/batch_exchange.h"
#include "console/batch_folder_scan.h"
#include "console/enrolment_sequence.h"
#include "console/user_backup.h"
#include "serial/port_session.h"
#include "support/packet_bytes.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The reply 0x2B listing these users, each with privilege 1.
QByteArray UserListReply(const QList<int>& users) {
    QByteArray payload;
    payload.append(char(users.size() >> 8)).append(char(users.size()));
    for (int user : users)
        payload.append(char(user >> 8)).append(char(user)).append(char(1));
    return Packet(0x2B, uint8_t(payload.size() >> 8), uint8_t(payload.size()), 0) +
           DataPacket(payload);
}

// The 207-byte upload reply of `user`, its feature value 193 bytes of `fill`.
QByteArray UploadReply(int user, char fill) {
    return Packet(0x31, 0x00, 0xC4, 0x00) + DataPacket(QByteArray(1, char(user >> 8)) + char(user) +
                                                       char(1) + QByteArray(193, fill));
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Feature files of 256 bytes each in `dir`.
void WriteFeatureFiles(const QTemporaryDir& dir, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(256, '\x11'));
    }
}

// A backup whose sends are taken down as the packets they wrote.
struct CBackupRig {
    CPortSession session;
    CPanelTimers& timers = session.Timers();
    QList<QByteArray> sent;
    QStringList asked;
    bool overwrite = false;
    CUserBackup backup{session};
    CBackupRig() {
        QObject::connect(&backup, &CUserBackup::CommandReady, [this] {
            sent << QByteArray(reinterpret_cast<const char*>(session.TxBuffer()), 8);
            backup.Written(true);
        });
        QObject::connect(&backup, &CUserBackup::Asked, [this](const QString& question) {
            asked << question;
            backup.Answer(overwrite);
        });
    }
    void Reply(const QByteArray& bytes) { backup.OnReply(bytes); }
};
} // namespace

class TestConsoleExchanges : public QObject {
    Q_OBJECT
private slots:

    void enrolmentStep_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<bool>("upload");
        QTest::addColumn<QString>("next"); // "" nothing, "new" a new enrolment, else the step
        QTest::newRow("first, then second") << 0x01 << 0x00 << false << false << "2";
        QTest::newRow("first, captured twice") << 0x01 << 0x00 << true << false << "3";
        QTest::newRow("first, twice, upload") << 0x01 << 0x00 << true << true << "6";
        QTest::newRow("second, upload") << 0x02 << 0x00 << false << true << "6";
        QTest::newRow("first failed") << 0x01 << 0x01 << false << false << "new";
        QTest::newRow("second failed") << 0x02 << 0x08 << false << false << "new";
        QTest::newRow("last") << 0x03 << 0x00 << false << false << "new";
        QTest::newRow("last with upload") << 0x06 << 0x00 << false << true << "new";
        QTest::newRow("another command") << 0x41 << 0x00 << false << false << "";
    }
    void enrolmentStep() {
        QFETCH(int, command);
        QFETCH(int, result);
        QFETCH(bool, twice);
        QFETCH(bool, upload);
        QFETCH(QString, next);
        const CEnrolmentStep step = NextEnrolmentStep(command, result, {twice, upload});
        const QString done =
            step.action == CEnrolmentStep::EAction::SendStep    ? QString::number(step.command)
            : step.action == CEnrolmentStep::EAction::StartOver ? QStringLiteral("new")
                                                                : QString();
        QCOMPARE(done, next);
    }

    void nextUserNumber() {
        QCOMPARE(NextUserNumber(0x00, 0x05).low, uint8_t(0x06));
        const CUserNumber carried = NextUserNumber(0x01, 0xFF);
        QCOMPARE(carried.high, uint8_t(0x02));
        QCOMPARE(carried.low, uint8_t(0x00));
        QCOMPARE(NextUserNumber(0xFF, 0xFF).high, uint8_t(0x00));
    }

    // Three items: each reply sends the next, a refusal ends the batch at the following reply.
    void batchRunsItemByItem() {
        QTemporaryDir dir;
        WriteFeatureFiles(dir, {"7.fea", "3.fea", "5.fea"});
        QList<uint32_t> sent;
        QStringList told;
        uint8_t tx[300] = {};
        CBatchExchange batch;
        QObject::connect(&batch, &CBatchExchange::ItemDue, [&] {
            if (batch.FillItem(tx) == 207)
                sent << (tx[9] * 256u + tx[10]);
        });
        QObject::connect(&batch, &CBatchExchange::Told,
                         [&](const QString& message) { told << message; });
        QSignalSpy progress(&batch, &CBatchExchange::Progress);
        QCOMPARE(batch.Load(dir.path()), QString());
        QCOMPARE(batch.Total(), 3u);
        batch.Begin();
        batch.OnReply();
        QCOMPARE(sent, (QList<uint32_t>{3, 5}));
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress[0], (QVariantList{3u, 2u}));
        batch.OnRefused(QStringLiteral("refused"));
        QCOMPARE(told, QStringList{QStringLiteral("refused")});
        QVERIFY(batch.IsActive() && !batch.IsRunning());
        batch.OnReply();
        QVERIFY(!batch.IsActive());
        QCOMPARE(sent.size(), 2);
    }

    // The front end's own command, or a failed write, ends a batch under way.
    void batchEnds() {
        QTemporaryDir dir;
        WriteFeatureFiles(dir, {"1.fea", "2.fea"});
        CBatchExchange batch;
        QCOMPARE(batch.Load(dir.path()), QString());
        batch.Begin();
        batch.EndIfActive();
        QVERIFY(!batch.IsActive() && !batch.IsRunning());
        uint8_t tx[300] = {};
        batch.Begin(); // active again, with no item left
        QCOMPARE(batch.FillItem(tx), 0);
        QVERIFY(!batch.IsActive());
    }

    // The list, then one upload per user: each feature value in "<user>.fea", a missing user
    // reported by number, and a file already there kept or overwritten as answered, asked once.
    void backupUploadsEachUser_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("keep the file there") << false;
        QTest::newRow("overwrite it") << true;
    }
    void backupUploadsEachUser() {
        QFETCH(bool, overwrite);
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("300.fea")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        CBackupRig rig;
        rig.overwrite = overwrite;
        QSignalSpy finished(&rig.backup, &CUserBackup::Finished);
        QVERIFY(rig.backup.Start(dir.path()));
        rig.Reply(UserListReply({3, 300, 9}));
        QCOMPARE(rig.asked.size(), 1);
        rig.Reply(UploadReply(3, 'a'));
        if (overwrite)
            rig.Reply(UploadReply(300, 'b'));
        rig.Reply(Packet(0x31, 0, 0, 0x05));
        QList<QByteArray> expected{Packet(0x2B), Packet(0x31, 0, 3)};
        if (overwrite)
            expected << Packet(0x31, 1, 0x2C);
        QCOMPARE(rig.sent, expected << Packet(0x31, 0, 9));
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("3.fea"))), QByteArray(193, 'a'));
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("300.fea"))),
                 overwrite ? QByteArray(193, 'b') : QByteArray("old"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("9.fea"))));
        QCOMPARE(finished.size(), 1);
        const auto report = finished[0][0].value<CUserBackup::CReport>();
        QCOMPARE(report.written, overwrite ? 2 : 1);
        QCOMPARE(report.kept, overwrite ? 0 : 1);
        QVERIFY(CUserBackup::ReportText(report).endsWith(QStringLiteral("用户 9：无此用户")));
        QVERIFY(!rig.backup.IsRunning());
    }

    // Links planted under users' file names, one to a file outside, one dangling, count as files
    // there: overwritten, they give way to plain files; kept, they stay. Nothing outside changes.
    void backupNeverWritesThroughALink_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("overwrite") << true;
        QTest::newRow("keep") << false;
    }
    void backupNeverWritesThroughALink() {
        QFETCH(bool, overwrite);
        QTemporaryDir outside, dir;
        QFile victim(outside.filePath(QStringLiteral("victim")));
        QVERIFY(victim.open(QIODevice::WriteOnly) && victim.write("mine") == 4);
        victim.close();
        QVERIFY(QFile::link(victim.fileName(), dir.filePath(QStringLiteral("3.fea"))));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("absent")),
                            dir.filePath(QStringLiteral("4.fea"))));
        CBackupRig rig;
        rig.overwrite = overwrite;
        QVERIFY(rig.backup.Start(dir.path()));
        rig.Reply(UserListReply({3, 4}));
        for (int user = 3; overwrite && user <= 4; ++user)
            rig.Reply(UploadReply(user, char('a' + user)));
        QCOMPARE(rig.sent.size(), overwrite ? 3 : 1);
        QCOMPARE(FileBytes(victim.fileName()), QByteArray("mine"));
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"victim"});
        for (int user = 3; user <= 4; ++user) {
            const QString name = dir.filePath(QStringLiteral("%1.fea").arg(user));
            QCOMPARE(QFileInfo(name).isSymLink(), !overwrite);
            if (overwrite)
                QCOMPARE(FileBytes(name), QByteArray(193, char('a' + user)));
        }
    }

    // Stopped half way: what was written stays, the rest is counted, later replies pass by.
    void backupStopKeepsWhatIsWritten() {
        QTemporaryDir dir;
        CBackupRig rig;
        QSignalSpy finished(&rig.backup, &CUserBackup::Finished);
        QVERIFY(rig.backup.Start(dir.path()));
        rig.Reply(UserListReply({1, 2, 3}));
        rig.Reply(UploadReply(1, 'x'));
        rig.backup.Stop();
        rig.Reply(UploadReply(2, 'y'));
        QCOMPARE(rig.sent.size(), 3);
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("1.fea"))), QByteArray(193, 'x'));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2.fea"))));
        const auto report = finished.at(0).at(0).value<CUserBackup::CReport>();
        QVERIFY(report.stopped);
        QCOMPARE(report.notReached, 2);
        QVERIFY(rig.asked.isEmpty());
    }

    // A reply cut on the line is asked for again once the line is quiet, and a piece that comes
    // meanwhile is dropped; silence twice is noted and the next user follows.
    void backupAsksAgainAfterAGarbledReply() {
        QTemporaryDir dir;
        CBackupRig rig;
        QSignalSpy finished(&rig.backup, &CUserBackup::Finished);
        QVERIFY(rig.backup.Start(dir.path()));
        rig.Reply(UserListReply({1, 2}));
        const QByteArray whole = UploadReply(1, 'p');
        rig.Reply(whole.left(100));
        QVERIFY(rig.timers.IsRunning(CUserBackup::kSettleTimer));
        rig.Reply(whole.mid(100));
        for (int timer :
             {CUserBackup::kSettleTimer, -1, CUserBackup::kAnswerTimer, CUserBackup::kSettleTimer,
              CUserBackup::kAnswerTimer, CUserBackup::kSettleTimer}) {
            if (timer < 0)
                rig.Reply(whole);
            else
                QVERIFY(rig.backup.OnTimer(timer));
        }
        QCOMPARE(rig.sent, (QList<QByteArray>{Packet(0x2B), Packet(0x31, 0, 1), Packet(0x31, 0, 1),
                                              Packet(0x31, 0, 2), Packet(0x31, 0, 2)}));
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("1.fea"))), QByteArray(193, 'p'));
        const auto report = finished.at(0).at(0).value<CUserBackup::CReport>();
        QCOMPARE(report.written, 1);
        QCOMPARE(report.failures.size(), 1);
        QCOMPARE(report.failures[0].reason, QStringLiteral("模块无应答"));
        QVERIFY(!rig.timers.AnyRunning());
    }

    void backupWithoutAList() {
        CBackupRig rig;
        QSignalSpy finished(&rig.backup, &CUserBackup::Finished);
        QVERIFY(rig.backup.Start(QDir::tempPath()));
        rig.Reply(Packet(0x2B, 0, 0, 0x01));
        QCOMPARE(CUserBackup::ReportText(finished.at(0).at(0).value<CUserBackup::CReport>()),
                 QStringLiteral("读取用户列表失败，未备份任何用户。"));
    }
};

QTEST_GUILESS_MAIN(TestConsoleExchanges)
#include "test_console_exchanges.moc"
