// The communication log: its lines, the round trip of an exchange, the newest 50,000 lines, the
// file it appends to, and the serial control that records into it only while one is kept.
#include "serial/comm_log.h"
#include "serial/serial_control.h"
#include "support/fake_serial_backend.h"
#include "support/file_size_limit.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
CCommLogEntry Entry(ECommDirection direction, const QByteArray& bytes) {
    CCommLogEntry entry;
    entry.msSinceClear = 12.3;
    entry.wallClock = QDateTime(QDate(2026, 12, 7), QTime(16, 40, 2, 123));
    entry.direction = direction;
    entry.port = 1;
    entry.device = QStringLiteral("/dev/pts/3");
    entry.bytes = bytes;
    return entry;
}
} // namespace

class TestCommLog : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void cleanup() { g_pCommLog = nullptr; }

    void entryLines_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("user count sent")
            << int(ECommDirection::Sent) << QByteArray::fromHex("F5090000000009F5")
            << QStringList{
                   QStringLiteral("   12.3 ms  16:40:02.123  发送  COM1 /dev/pts/3  8 字节"),
                   QStringLiteral("          0000  F5 09 00 00 00 00 09 F5                   "
                                  "       |........|")};
        QTest::newRow("17 bytes, printable ones shown")
            << int(ECommDirection::Received) << QByteArray("MORVANE-SIM FP V2")
            << QStringList{
                   QStringLiteral("   12.3 ms  16:40:02.123  接收  COM1 /dev/pts/3  17 字节"),
                   QStringLiteral("          0000  4D 4F 52 56 41 4E 45 2D 53 49 4D 20 46 50 20 "
                                  "56  |MORVANE-SIM FP V|"),
                   QStringLiteral("          0010  32                                             "
                                  "  |2|")};
    }
    void entryLines() {
        QFETCH(int, direction);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(FormatCommLogEntry(Entry(ECommDirection(direction), bytes)), lines);
    }

    // Installed, the control records what it writes and reads; the reply's end closes the
    // exchange with its round trip. Without a log nothing is recorded anywhere.
    void controlRecordsWhileALogIsKept() {
        CCommLog log;
        CMSComm comm;
        comm.SetPortOpen(true);
        comm.Output(QByteArray(8, 'a'));
        QCOMPARE(log.LineCount(), 0);
        g_pCommLog = &log;
        comm.Output(QByteArray(8, 'b'));
        FakeOf(comm)->PushModuleBytes(QByteArray(20, 'c'));
        QCOMPARE(comm.Input().size(), 20);
        log.EndExchange();
        QCOMPARE(log.LineCount(), 2 + 3 + 1);
        QVERIFY(log.Line(0).contains(QStringLiteral("发送  COM1")));
        QVERIFY(log.Line(2).contains(QStringLiteral("接收  COM1")));
        QVERIFY(log.Line(2).contains(QStringLiteral("20 字节  +")));
        QVERIFY(log.Line(5).contains(QStringLiteral("往返 ")));
        log.EndExchange(); // no exchange open: no second round trip
        QCOMPARE(log.LineCount(), 6);
    }

    void keepsTheNewestLinesAndSaysSo() {
        CCommLog log;
        // 16 bytes make a head line and one byte line.
        for (int i = 0; i < CCommLog::kMaxLines / 2 + 3; ++i)
            log.Record(ECommDirection::Sent, 1, QString(), QByteArray(16, char(i)));
        QCOMPARE(log.DroppedLines(), qint64(6));
        QCOMPARE(log.LineCount(), CCommLog::kMaxLines + 1);
        QCOMPARE(log.Line(0), DroppedLinesNotice(6));
        QVERIFY(log.Line(CCommLog::kMaxLines).endsWith(QStringLiteral("|................|")));
        log.Clear();
        QCOMPARE(log.LineCount(), 0);
    }

    // Every entry is in the file as soon as it is recorded; the file is added to, never emptied.
    void recordsToAFileAsItComes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\n");
        earlier.close();
        CCommLog log;
        QCOMPARE(log.StartFileRecording(path), QString());
        log.Record(ECommDirection::Received, 2, QStringLiteral("/dev/x"), "OK");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList written = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(written.mid(1, 2), QStringList({log.Line(0), log.Line(1)}));
        QCOMPARE(written.first(), QStringLiteral("earlier"));
        const QString saved = dir.filePath(QStringLiteral("saved.txt"));
        QCOMPARE(log.SaveAs(saved), QString());
        QFile copy(saved);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(copy.readAll()), log.Text());
        QVERIFY(!log.StartFileRecording(dir.filePath(QStringLiteral("no/such/dir"))).isEmpty());
        const QString nowhere = dir.filePath(QStringLiteral("no/such/log.txt"));
        QCOMPARE(log.SaveAs(nowhere), "无法保存 " + nowhere + "：文件或文件夹不存在");
    }

    // The file may not grow past 300 bytes: the entry that does not fit is taken back whole,
    // the recording stops and says why once; later entries go only to the window.
    void aFailedWriteStopsTheRecordingOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        CCommLog log;
        QSignalSpy failed(&log, &CCommLog::FileRecordingFailed);
        QCOMPARE(log.StartFileRecording(path), QString());
        {
            CFileSizeLimit limit(300);
            log.Record(ECommDirection::Sent, 1, QString(), "OK");
            log.Record(ECommDirection::Received, 1, QString(), QByteArray(64, 'x'));
            log.Record(ECommDirection::Received, 1, QString(), "late");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), log.Line(0) + '\n' + log.Line(1) + '\n');
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(),
                 "记录到文件 " + path + " 失败，已停止记录：文件超过允许的大小");
        QVERIFY(!log.IsRecordingToFile());
        QCOMPARE(log.LineCount(), 2 + 5 + 2);
    }
};

QTEST_GUILESS_MAIN(TestCommLog)
#include "test_comm_log.moc"
