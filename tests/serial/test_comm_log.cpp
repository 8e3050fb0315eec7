// The communication log: its lines, the round trip of an exchange, the newest 50,000 lines, the
// file it appends to, and the serial control that records into it only while one is kept; the
// frames beside the pieces, its filters, search, CSV and the dates.
#include "serial/comm_log.h"
#include "serial/serial_control.h"
#include "support/fake_serial_backend.h"
#include "support/file_size_limit.h"
#include "support/packet_bytes.h"

#include <QCoreApplication>
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
        // Piece, its bytes of no frame (head and explanation), piece, its bytes, round trip.
        QCOMPARE(log.LineCount(), 2 + 2 + 3 + 2 + 1);
        QVERIFY(log.Line(0).contains(QStringLiteral("发送  COM1")));
        QVERIFY(log.Line(3).endsWith(QStringLiteral("未成帧字节  8 字节，不属于任何帧")));
        QVERIFY(log.Line(4).contains(QStringLiteral("接收  COM1")));
        QVERIFY(log.Line(4).contains(QStringLiteral("20 字节  +")));
        QVERIFY(log.Line(9).contains(QStringLiteral("往返 ")));
        log.EndExchange(); // no exchange open: no second round trip
        QCOMPARE(log.LineCount(), 10);
    }

    void keepsTheNewestLinesAndSaysSo() {
        CCommLog log;
        // 16 bytes make a head line and one byte line.
        for (int i = 0; i < CCommLog::kMaxLines / 2 + 3; ++i)
            log.Record(ECommDirection::Sent, 1, QString(), QByteArray(16, char(i)));
        QVERIFY(log.DroppedLines() >= 6);
        QCOMPARE(log.LineCount(), CCommLog::kMaxLines + 1);
        QCOMPARE(log.Line(0), DroppedLinesNotice(log.DroppedLines()));
        QVERIFY(log.RowCount(ECommLogFilter::FramesOnly) < log.LineCount());
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
        QVERIFY(written[1].startsWith(QStringLiteral("Morvane 通信记录  始于 ")));
        QCOMPARE(written.mid(2, 2), QStringList({log.Line(0), log.Line(1)}));
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
        const QString header = QString::fromUtf8(file.readLine());
        QVERIFY(header.startsWith(QStringLiteral("Morvane 通信记录  始于 ")));
        QCOMPARE(QString::fromUtf8(file.readAll()), log.Line(0) + '\n' + log.Line(1) + '\n');
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(),
                 "记录到文件 " + path + " 失败，已停止记录：文件超过允许的大小");
        QVERIFY(!log.IsRecordingToFile());
        QCOMPARE(log.LineCount(), 2 + 2 + 5 + 2);
    }

    // A transmission that no byte answered is closed when the next starts, as an error; the next
    // round trip counts from its own write. Frames only shows the frames and the exchange ends,
    // errors only the errors; search finds text and bytes.
    void framesFiltersAndUnansweredExchanges() {
        CCommLog log;
        log.Record(ECommDirection::Sent, 1, QString(), Packet(0x09));
        QTest::qWait(60);
        log.StartTransmission();
        log.Record(ECommDirection::Sent, 1, QString(), Packet(0x0C));
        const QByteArray badCheck = QByteArray::fromHex("F50C000200000CF5");
        log.Record(ECommDirection::Received, 1, QString(), badCheck.left(5));
        log.Record(ECommDirection::Received, 1, QString(), badCheck.mid(5));
        log.EndExchange();
        const auto frames = ECommLogFilter::FramesOnly, errors = ECommLogFilter::ErrorsOnly;
        QStringList shown;
        for (int row = 0; row < log.RowCount(frames); ++row)
            shown << log.RowText(frames, row);
        QCOMPARE(shown.size(), 8);
        QVERIFY(shown[2].contains(QStringLiteral("无应答：发送后 ")));
        QVERIFY(shown[7].contains(QStringLiteral("往返 ")));
        const auto ms = [&shown](int row) {
            return shown[row].split(' ', Qt::SkipEmptyParts).value(1).toDouble();
        };
        QVERIFY(ms(2) >= 60);
        QVERIFY(ms(7) < ms(2)); // from the second write, not the first
        QVERIFY(
            shown[5].endsWith(QStringLiteral("接收  COM1 -  帧 8 字节  F5 0C 00 02 00 00 0C F5")));
        QVERIFY(shown[6].endsWith(
            QStringLiteral("回复  0x0C 1:N比对  值 2  结果码 00：2号用户比对成功  ✗ "
                           "校验错误：应为 0E，收到 0C")));
        QCOMPARE(log.RowCount(errors), 3);
        QCOMPARE(log.RowText(errors, 0), log.RowText(frames, 2));
        QCOMPARE(log.NextError(frames, 0, true), 2);
        QCOMPARE(log.NextError(frames, 2, true), 5);
        QCOMPARE(log.NextError(frames, 5, false), 2);
        QCOMPARE(log.NextError(frames, 6, true), -1);
        QCOMPARE(log.Find(frames, -1, QStringLiteral("0c00 02"), true), 5);
        QCOMPARE(log.Find(frames, 5, QStringLiteral("1:n比对"), true), 6);
        QCOMPARE(log.Find(frames, 6, QStringLiteral("取用户总数"), false), 1);
        QCOMPARE(log.MapRow(frames, 5, ECommLogFilter::Everything),
                 log.RowOfId(ECommLogFilter::Everything, log.RowId(frames, 5)));
        QVERIFY(log.RowFrame(frames, 6)->frame.IsError());
    }

    // Saved text starts with the version and the date, CSV has a frame a row, and an entry after
    // midnight says the new date.
    void filesSayTheDateAndVersion() {
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8"));
        CCommLog log;
        QDateTime now(QDate(2026, 12, 7), QTime(23, 59, 59, 900));
        log.SetWallClock([&now] { return now; });
        log.Clear();
        log.Record(ECommDirection::Sent, 1, QStringLiteral("/dev/x"), Packet(0x09));
        now = now.addMSecs(200);
        log.Record(ECommDirection::Received, 1, QStringLiteral("/dev/x"), Packet(0x09, 0, 5));
        log.EndExchange();
        QVERIFY(log.Text().startsWith(
            QStringLiteral("Morvane 9.8 通信记录  始于 2026-12-07 23:59:59\n")));
        QCOMPARE(log.RowText(ECommLogFilter::FramesOnly, 2), FormatNewDate(QDate(2026, 12, 8)));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.csv"));
        QCOMPARE(log.SaveCsv(path), QString());
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF")); // UTF-8, marked so for spreadsheets
        QCOMPARE(
            QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n")),
            QStringList(
                {QStringLiteral("时间,方向,端口,命令,字段,结果,校验,十六进制"),
                 QStringLiteral("2026-12-07 23:59:59.900,发送,COM1 /dev/x,0x09 取用户总数,,,"
                                "校验正确,F5 09 00 00 00 00 09 F5"),
                 QStringLiteral("2026-12-08 00:00:00.100,接收,COM1 /dev/x,0x09 取用户总数,值 5,"
                                "结果码 00：用户总数为：5,校验正确,F5 09 00 05 00 00 0C F5"),
                 QString()}));
        QCoreApplication::setApplicationVersion(QString());
    }
};

QTEST_GUILESS_MAIN(TestCommLog)
#include "test_comm_log.moc"
