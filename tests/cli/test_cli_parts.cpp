// The parts of morvane-cli that need no module: its command line, which replies count as a
// success for the exit code and which are no answer at all, the output file of each port, the
// progress and summary texts, and store-folder's batches and the rate probe on an in-memory
// device.
#include "cli/cli_arguments.h"
#include "cli/console_job.h"
#include "cli/console_plan.h"
#include "cli/progress_text.h"
#include "cli/reply_check.h"
#include "cli/reply_data.h"
#include "console/rate_probe.h"
#include "lang/language_translators.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"
#include "support/fake_serial_backend.h"
#include "support/packet_bytes.h"

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestCliParts : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;
    const CLanguageTranslators m_english{ELanguage::English}; // the texts checked are English

private slots:
    void commandLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");     // empty: parsed
        QTest::addColumn<QString>("command");   // the command's name
        QTest::addColumn<QStringList>("ports"); // and what was read
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("timeoutMs");
        const QStringList one{QStringLiteral("COM1")};
        QTest::newRow("plain") << "--port COM1 count"
                               << ""
                               << "count" << one << 2 << 5000;
        QTest::newRow("options after") << "count --port COM1 --rate 115200 --timeout 2.5"
                                       << ""
                                       << "count" << one << 5 << 2500;
        QTest::newRow("two ports") << "--port=/dev/a --port /dev/b --rate=9600 version"
                                   << ""
                                   << "version" << QStringList{"/dev/a", "/dev/b"} << 1 << 5000;
        QTest::newRow("no port needed") << "make-bin a b c"
                                        << ""
                                        << "make-bin" << QStringList() << 2 << 5000;
        QTest::newRow("no port") << "count"
                                 << "count needs --port DEVICE"
                                 << "" << QStringList() << 0 << 0;
        QTest::newRow("arguments") << "--port X upload 3"
                                   << "upload takes USER FILE.fea"
                                   << "" << QStringList() << 0 << 0;
        QTest::newRow("bad rate")
            << "--rate 300 --port X count"
            << "--rate must be 9600, 19200, 38400, 57600, 115200 or auto, not '300'"
            << "" << QStringList() << 0 << 0;
        QTest::newRow("rate found") << "--port auto --rate auto count"
                                    << ""
                                    << "count" << QStringList{"auto"} << 0 << 5000;
        QTest::newRow("bad progress") << "--progress xml --port X count"
                                      << "--progress must be json, not 'xml'"
                                      << "" << QStringList() << 0 << 0;
        QTest::newRow("bad timeout") << "--timeout 0 --port X count"
                                     << "--timeout must be 1 to 3600 seconds, not '0'"
                                     << "" << QStringList() << 0 << 0;
        QTest::newRow("other command's option") << "--port X count --high"
                                                << "unknown option --high"
                                                << "" << QStringList() << 0 << 0;
        QTest::newRow("missing value") << "--port"
                                       << "--port needs DEVICE|COMn|auto|all"
                                       << "" << QStringList() << 0 << 0;
        QTest::newRow("level 10") << "--port X level 10"
                                  << "N must be a number from 1 to 9, not '10'"
                                  << "" << QStringList() << 0 << 0;
        QTest::newRow("privilege 4") << "--port X store 3 u.fea --privilege 4"
                                     << "--privilege must be a number from 1 to 3, not '4'"
                                     << "" << QStringList() << 0 << 0;
        QTest::newRow("class 4") << "--port X delete-all --privilege-class 4"
                                 << "--privilege-class must be a number from 0 to 3, not '4'"
                                 << "" << QStringList() << 0 << 0;
        QTest::newRow("brightness 256") << "--port X brightness --adjust 0x100"
                                        << "--adjust must be a number from 0 to 255, not '0x100'"
                                        << "" << QStringList() << 0 << 0;
    }
    void commandLine() {
        QFETCH(QString, line);
        QFETCH(QString, error);
        QString why;
        const std::optional<CCliRequest> request =
            ParseCommandLine(line.split(QLatin1Char(' ')), &why);
        QCOMPARE(why, error);
        QCOMPARE(request.has_value(), error.isEmpty());
        if (!request)
            return;
        QTEST(QString::fromLatin1(request->command->name), "command");
        QTEST(request->ports, "ports");
        QTEST(request->rateAuto ? 0 : request->rateIndex, "rate");
        QTEST(request->timeoutMs, "timeoutMs");
    }

    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("decimal") << "25" << 25;
        QTest::newRow("hexadecimal") << "0x1A" << 26;
        QTest::newRow("highest") << "65535" << 65535;
        QTest::newRow("too high") << "65536" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("word") << "five" << -1;
    }
    void numbers() {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<unsigned> parsed = ParseNumber(text, 0, 0xFFFF);
        QCOMPARE(parsed ? int(*parsed) : -1, value);
    }

    void succeeded_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("count") << Packet(0x09, 0, 5, 0x00) << true;
        QTest::newRow("capacity") << Packet(0x09, 3, 0xE8, 0xFF) << true;
        QTest::newRow("count failed") << Packet(0x09, 0, 0, 0x01) << false;
        QTest::newRow("system administrator") << Packet(0x0A, 0, 0, 0x03) << true;
        QTest::newRow("no such user") << Packet(0x0A, 0, 0, 0x05) << false;
        QTest::newRow("match") << Packet(0x0C, 0, 7, 0x01) << true;
        QTest::newRow("no match") << Packet(0x0C, 0, 0, 0x05) << false;
        QTest::newRow("capture timed out") << Packet(0x0C, 0, 0, 0x08) << false;
        QTest::newRow("full image") << Packet(0x24, 0x2D, 0x20, 0x20) << true;
        QTest::newRow("short upload") << Packet(0x31, 0, 0, 0x00) << false;
        QTest::newRow("upload") << Packet(0x31, 0, 0xC4, 0x05) + DataPacket(QByteArray(196, 1))
                                << true;
        QTest::newRow("store refused") << Packet(0x41, 0, 0, 0x06) << false;
        QTest::newRow("cut short") << QByteArray::fromHex("f509") << false;
        QTest::newRow("nothing") << QByteArray() << false;
    }
    void succeeded() {
        QFETCH(QByteArray, reply);
        QTEST(
            ReplySucceeded(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size())),
            "succeeded");
    }

    // Every number of every command, at the ends of the range its help gives and just beyond.
    void numberRanges_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("accepted");
        for (const CCommandInfo& command : Commands())
            for (const CNumberRange& range : command.numbers)
                for (const qint64 value : {qint64(range.low) - 1, qint64(range.low),
                                           qint64(range.high), qint64(range.high) + 1}) {
                    QStringList places = QString::fromLatin1(command.arguments)
                                             .remove(QRegularExpression(QStringLiteral("[][]")))
                                             .split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    for (QString& place : places)
                        place = place == QLatin1String(range.name) ? QString::number(value)
                                                                   : QStringLiteral("7");
                    if (QLatin1String(range.name).startsWith(QLatin1Char('-')))
                        places << QLatin1String(range.name) << QString::number(value);
                    const QString line =
                        QStringLiteral("--port X %1 %2")
                            .arg(QLatin1String(command.name), places.join(QLatin1Char(' ')));
                    if (value >= 0)
                        QTest::newRow(qPrintable(line))
                            << line << QString::fromLatin1(range.name) << value
                            << (value >= qint64(range.low) && value <= qint64(range.high));
                }
    }
    void numberRanges() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(qint64, value);
        QFETCH(bool, accepted);
        QString why;
        const std::optional<CCliRequest> request =
            ParseCommandLine(line.split(QLatin1Char(' ')), &why);
        QCOMPARE(request.has_value(), accepted);
        if (request)
            QCOMPARE(qint64(request->Number(qPrintable(name), 99999)), value);
        else
            QVERIFY2(why.startsWith(name + QStringLiteral(" must be a number from")),
                     qPrintable(why));
    }

    // What came back, when it is no answer to what was sent; a refusal is an answer.
    void replyFault_data() {
        QTest::addColumn<int>("sent");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("fault"); // its start; empty: an answer
        const QByteArray feature = Packet(0x31, 0, 0xC4, 0) + DataPacket(QByteArray(196, 7));
        QByteArray badFeature = feature;
        badFeature[100] = 8;
        const QByteArray image = Packet(0x24, 0x23, 0, 0) + DataPacket(QByteArray(8960, 0x5A));
        QByteArray badImage = image;
        badImage[5000] = 0;
        const QByteArray noise = QByteArray::fromHex("1301deadbeef").repeated(6);
        QTest::newRow("count") << 0x09 << Packet(0x09, 0, 5, 0) << "";
        QTest::newRow("refused upload") << 0x31 << Packet(0x31, 0, 0, 5) << "";
        QTest::newRow("upload") << 0x31 << feature << "";
        QTest::newRow("image") << 0x24 << image << "";
        QTest::newRow("full image")
            << 0x24 << Packet(0x24, 0, 100, 0x20) + DataPacket(QByteArray(800, 1)) << "";
        QTest::newRow("small image")
            << 0x24 << Packet(0x24, 0x19, 0, 0x20) + DataPacket(QByteArray(6400, 1)) << "";
        QTest::newRow("privilege for count")
            << 0x09 << Packet(0x0A, 0, 0, 3)
            << "reply to another command (0A, not 09): F5 0A 00 00 03 00 09 F5";
        QTest::newRow("noise") << 0x09 << noise
                               << "reply to another command (01, not 09): 13 01 DE AD BE EF 13 "
                                  "01 DE AD BE EF 13 01 DE AD BE EF 13 01 DE AD BE EF 13 01 DE "
                                  "AD BE EF 13 01 … (36 bytes)";
        QTest::newRow("too short")
            << 0x09 << QByteArray::fromHex("f509") << "reply too short to read (2 bytes): F5 09";
        QTest::newRow("nothing") << 0x09 << QByteArray() << "reply too short to read (0 bytes): ";
        QTest::newRow("image cut")
            << 0x24 << image.left(100) << "incomplete reply: 100 bytes received of the 8971 its";
        QTest::newRow("image check")
            << 0x24 << badImage << "reply data check wrong: the 8971 bytes";
        QTest::newRow("upload check")
            << 0x31 << badFeature << "reply data check wrong: the 207 bytes";
        QTest::newRow("upload long") << 0x31 << feature + char(0xF5)
                                     << "reply of 208 bytes where its header announces 207: F5 31";
        QTest::newRow("user list cut")
            << 0x2B << Packet(0x2B, 0, 8, 0) + DataPacket(QByteArray::fromHex("0002000501"))
            << "incomplete reply: 16 bytes received of the 19 its";
    }
    void replyFault() {
        QFETCH(int, sent);
        QFETCH(QByteArray, reply);
        QFETCH(QString, fault);
        const QString found = ReplyFault(
            uint8_t(sent), reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()));
        QVERIFY2(fault.isEmpty() ? found.isEmpty() : found.startsWith(fault), qPrintable(found));
    }

    void userListData() {
        const QByteArray reply =
            Packet(0x2B, 0, 8, 0x00) + DataPacket(QByteArray::fromHex("0002"
                                                                      "000501"
                                                                      "010003"));
        const QJsonArray users =
            ReplyData(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()))
                .value(QStringLiteral("users"))
                .toArray();
        QCOMPARE(ReplyData(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()))
                     .value(QStringLiteral("resultCode"))
                     .toInt(),
                 0);
        QCOMPARE(users.size(), 2);
        QCOMPARE(users[1].toObject().value(QStringLiteral("user")).toInt(), 256);
        QCOMPARE(users[1].toObject().value(QStringLiteral("privilege")).toInt(), 3);
    }

    void progressTexts_data() {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("json");
        QTest::newRow("start")
            << 0 << 0 << "P [................................]   0% 0/32  0:00 elapsed"
            << R"({"command":"flash","done":0,"elapsed_ms":0,"port":"P","total":32})";
        QTest::newRow("a quarter")
            << 8 << 5000
            << "P [########........................]  25% 8/32  0:05 elapsed, 0:15 left"
            << R"({"command":"flash","done":8,"elapsed_ms":5000,"port":"P","total":32})";
        QTest::newRow("done")
            << 32 << 65400
            << "P [################################] 100% 32/32  1:05 elapsed, 0:00 left"
            << R"({"command":"flash","done":32,"elapsed_ms":65400,"port":"P","total":32})";
    }
    void progressTexts() {
        QFETCH(int, done);
        QFETCH(int, elapsedMs);
        const CProgressStep step{QStringLiteral("P"), QStringLiteral("flash"), done, 32, elapsedMs};
        QTEST(ProgressBarText(step), "bar");
        QTEST(ProgressJsonText(step), "json");
    }

    void summary() {
        std::vector<CPortResult> results(3);
        results[0].port = QStringLiteral("/dev/ttyUSB0");
        results[1].port = QStringLiteral("/dev/ttyUSB1");
        results[1].code = 4;
        results[1].text = QStringLiteral("no answer from the module");
        results[2].port = QStringLiteral("/dev/ttyUSB2");
        QCOMPARE(SummaryText(results),
                 QStringLiteral("2 of 3 ports succeeded; failed: /dev/ttyUSB1 (no answer from the "
                                "module)"));
        results.pop_back();
        results.erase(results.begin() + 1);
        QCOMPARE(SummaryText(results), QStringLiteral("1 of 1 ports succeeded"));
    }

    // The rate probe on an in-memory device, its timers fired by hand: the user count at 115,200
    // first, one rate slower at each wait that brings nothing, noise taken for no answer, and the
    // port left at the rate that answered (or at its own when none did).
    void rateProbe_data() {
        QTest::addColumn<int>("answerAt"); // the rate index the module answers at; 0 for none
        QTest::addColumn<bool>("noise");   // the rate before it answers noise
        for (int rate = 1; rate <= 5; ++rate)
            QTest::newRow(qPrintable(QString::number(rate))) << rate << false;
        QTest::newRow("noise before 3") << 3 << true;
        QTest::newRow("none") << 0 << false;
    }
    void rateProbe() {
        QFETCH(int, answerAt);
        QFETCH(bool, noise);
        CPortSession session;
        ConfigureReplyInput(session.Comm());
        session.Comm().SetPortOpen(true);
        session.ApplyBaudRate(2);
        CRateProbe probe(session, session.CreateExchange<CConsoleExchange>());
        QSignalSpy finished(&probe, &CRateProbe::Finished);
        probe.Start();
        for (int rate = 5; rate >= 1 && finished.isEmpty(); --rate) {
            QCOMPARE(session.BaudIndex(), rate);
            QCOMPARE(FakeOf(session.Comm())->TakeHostBytes(), Packet(0x09));
            if (rate == answerAt || (noise && rate == answerAt + 1)) {
                FakeOf(session.Comm())
                    ->PushModuleBytes(rate == answerAt ? Packet(0x09, 0, 3)
                                                       : QByteArray("\xF5\x13"));
                QCoreApplication::processEvents();
                session.OnTimer(CRateProbe::kTimerId); // an answer under way is waited for
                session.OnTimer(CReceiveCycle::kTimerId);
                session.OnTimer(CReceiveCycle::kTimerId);
            } else {
                session.OnTimer(CRateProbe::kTimerId);
            }
        }
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toInt(), answerAt);
        QCOMPARE(session.BaudIndex(), answerAt ? answerAt : 2);
        QVERIFY(!session.Timers().IsRunning(CRateProbe::kTimerId));
    }

    void outputPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("ports");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one port") << "out/u25.fea" << 1 << "out/u25.fea";
        QTest::newRow("several") << "out/u25.fea" << 4 << "out/u25-ttyUSB0.fea";
        QTest::newRow("no suffix") << "image" << 2 << "image-ttyUSB0";
    }
    void outputPath() {
        QFETCH(QString, path);
        QFETCH(int, ports);
        QTEST(PortOutputPath(path, QStringLiteral("/dev/ttyUSB0"), ports), "expected");
    }

    // store-folder is not held to the window's batch: every file, every user number the store
    // command carries, in order of user number, batch after batch.
    void storeFolderStoresEveryFile() {
        QTemporaryDir dir;
        QList<int> users{20000, 65535};
        for (int user = 0; user <= 1000; ++user)
            users << user;
        for (int user : users) {
            QFile file(dir.filePath(QStringLiteral("%1.fea").arg(user)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(193, 'f')) == 193);
        }
        CConsolePlan plan;
        QCOMPARE(PlanFolderStore(dir.path(), plan), QString());
        CPortSession session;
        CMSComm& comm = session.Comm();
        comm.SetPortOpen(true);
        CConsoleJob job(session, plan, true);
        QSignalSpy ended(&job, &CPortJob::Ended);
        job.Start();
        QList<int> stored;
        for (int tick = 0; ended.isEmpty() && tick < 10 * users.size(); ++tick) {
            const QByteArray item = FakeOf(comm)->TakeHostBytes();
            if (!item.isEmpty()) {
                stored << uint8_t(item[9]) * 256 + uint8_t(item[10]);
                FakeOf(comm)->PushModuleBytes(Packet(0x41));
            }
            QCoreApplication::processEvents();
            session.OnTimer(1);
        }
        std::sort(users.begin(), users.end());
        QCOMPARE(stored, users);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toInt(), 0);
        QCOMPARE(ended[0][2].toJsonObject().value(QStringLiteral("total")).toInt(), 1003);
    }
};

QTEST_GUILESS_MAIN(TestCliParts)
#include "test_cli_parts.moc"
