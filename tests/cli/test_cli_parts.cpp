// The parts of morvane-cli that need no module: its command line, which replies count as a
// success for the exit code, and the output file of each port.
#include "cli/cli_arguments.h"
#include "cli/console_plan.h"
#include "cli/reply_data.h"
#include "support/packet_bytes.h"

#include <QJsonArray>
#include <QTest>

class TestCliParts : public QObject {
    Q_OBJECT
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
        QTest::newRow("bad rate") << "--rate 300 --port X count"
                                  << "--rate must be 9600, 19200, 38400, 57600 or 115200, not '300'"
                                  << "" << QStringList() << 0 << 0;
        QTest::newRow("bad timeout") << "--timeout 0 --port X count"
                                     << "--timeout must be 1 to 3600 seconds, not '0'"
                                     << "" << QStringList() << 0 << 0;
        QTest::newRow("other command's option") << "--port X count --high"
                                                << "unknown option --high"
                                                << "" << QStringList() << 0 << 0;
        QTest::newRow("missing value") << "--port"
                                       << "--port needs DEVICE|COMn"
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
        QTEST(request->rateIndex, "rate");
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
};

QTEST_GUILESS_MAIN(TestCliParts)
#include "test_cli_parts.moc"
