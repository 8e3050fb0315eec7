// The real morvane-sim process on a real pseudo-terminal, spoken to through a real QSerialPort.
#include "sim_test_bytes.h"
#include "support/sim_process.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTest>

using namespace simtest;

namespace {
const QString kSim = QStringLiteral(MORVANE_SIM_PATH);

bool OpenPort(QSerialPort& port, const QString& device, qint32 rate = 19200) {
    port.setPortName(device);
    port.setBaudRate(rate);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.clear();
    return true;
}

// Reads until n bytes have come or timeoutMs has passed.
QByteArray ReadBytes(QSerialPort& port, int n, int timeoutMs) {
    QByteArray bytes;
    QDeadlineTimer deadline(timeoutMs);
    while (bytes.size() < n && !deadline.hasExpired()) {
        if (port.bytesAvailable() == 0)
            port.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        bytes += port.read(n - bytes.size());
    }
    return bytes;
}

bool Write(QSerialPort& port, const QByteArray& bytes) {
    return port.write(bytes) == bytes.size() && port.waitForBytesWritten(2000);
}
} // namespace

class TestSimProcess : public QObject {
    Q_OBJECT
private slots:
    void answersOverThePty_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<qint32>("rate");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("answer");
        QTest::newRow("user count") << QStringList{} << qint32(19200) << Packet(0x09)
                                    << QStringLiteral("F5 09 00 00 00 00 09 F5");
        QTest::newRow("five users at 115200")
            << QStringList{"--users", "5"} << qint32(115200) << Packet(0x09)
            << QStringLiteral("F5 09 00 05 00 00 0C F5");
        QTest::newRow("capacity at 9600")
            << QStringList{"--capacity", "40"} << qint32(9600) << Packet(0x09, 0, 0, 0xFF)
            << QStringLiteral("F5 09 00 28 FF 00 DE F5");
        QTest::newRow("forced result") << QStringList{"--rc", "09=08"} << qint32(19200)
                                       << Packet(0x09) << QStringLiteral("F5 09 00 00 08 00 01 F5");
        QTest::newRow("rate command") << QStringList{} << qint32(19200) << Packet(0x21, 0, 0, 3)
                                      << QStringLiteral("F5 21 00 00 03 00 22 F5");
    }
    void answersOverThePty() {
        QFETCH(QStringList, arguments);
        QFETCH(qint32, rate);
        QFETCH(QByteArray, request);
        QFETCH(QString, answer);
        CSimProcess sim(kSim, arguments);
        QVERIFY2(sim.IsRunning(), qPrintable(sim.ErrorOutput()));
        QSerialPort port;
        QVERIFY2(OpenPort(port, sim.DevicePath(), rate), qPrintable(port.errorString()));
        QVERIFY(Write(port, request));
        QCOMPARE(Hex(ReadBytes(port, 8, 3000)), answer);
    }

    void logShowsBothDirectionsAndGarbage() {
        CSimProcess sim(kSim);
        QVERIFY(sim.IsRunning());
        QSerialPort port;
        QVERIFY(OpenPort(port, sim.DevicePath()));
        QVERIFY(Write(port, QByteArray::fromHex("1234") + Packet(0x09)));
        QCOMPARE(ReadBytes(port, 8, 3000).size(), 8);
        QVERIFY(sim.WaitForLogLine(QStringLiteral("TX F5 09 00 00 00 00 09 F5"), 2000));
        const QStringList lines = sim.LogLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].endsWith(QLatin1String(" RX garbage 12 34")), qPrintable(lines[0]));
        QVERIFY2(lines[1].endsWith(QLatin1String(" RX F5 09 00 00 00 00 09 F5")),
                 qPrintable(lines[1]));
        QVERIFY(lines[2].endsWith(QLatin1String(" TX F5 09 00 00 00 00 09 F5")));
        bool stampOk = false;
        lines[1].section(QLatin1Char(' '), 0, 0).toDouble(&stampOk);
        QVERIFY(stampOk);
    }

    void largestImageArrivesWhole() {
        CSimProcess sim(kSim, {"--image", "304x304"});
        QVERIFY(sim.IsRunning());
        QSerialPort port;
        QVERIFY(OpenPort(port, sim.DevicePath()));
        QVERIFY(Write(port, Packet(0x24, 0, 0, 0x20)));
        const QByteArray reply = ReadBytes(port, 92416 + 11, 10000);
        QCOMPARE(reply.size(), 92416 + 11);
        QCOMPARE(Hex(reply.left(8)), QStringLiteral("F5 24 2D 20 20 00 09 F5"));
        QCOMPARE(uint8_t(reply.at(reply.size() - 2)), Xor(reply.mid(9, 92416)));
    }

    void portCanBeClosedAndReopened() {
        CSimProcess sim(kSim);
        QVERIFY(sim.IsRunning());
        for (int round = 0; round < 3; ++round) {
            QSerialPort port;
            QVERIFY2(OpenPort(port, sim.DevicePath()), qPrintable(port.errorString()));
            QVERIFY(Write(port, Packet(0x25)));
            QCOMPARE(Hex(ReadBytes(port, 8, 3000)), QStringLiteral("F5 25 00 00 00 00 25 F5"));
        }
    }

    void splitReplyComesInTwoPieces() {
        CSimProcess sim(kSim, {"--split-ms", "300"});
        QVERIFY(sim.IsRunning());
        QSerialPort port;
        QVERIFY(OpenPort(port, sim.DevicePath()));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(Write(port, Packet(0x09)));
        QCOMPARE(Hex(ReadBytes(port, 4, 3000)), QStringLiteral("F5 09 00 00"));
        QCOMPARE(ReadBytes(port, 4, 150).size(), 0);
        QCOMPARE(Hex(ReadBytes(port, 4, 3000)), QStringLiteral("00 00 09 F5"));
        QVERIFY(clock.elapsed() >= 290);
    }

    void downloadWritesTheProgramImage() {
        QTemporaryDir dir;
        const QString flash = dir.filePath(QStringLiteral("flash.bin"));
        CSimProcess sim(kSim, {"--flash-out", flash, "--nak-every", "7"});
        QVERIFY(sim.IsRunning());
        QSerialPort port;
        QVERIFY(OpenPort(port, sim.DevicePath(), 115200));
        QVERIFY(Write(port, Packet(0x09)));
        QCOMPARE(ReadBytes(port, 8, 3000).size(), 8);
        QVERIFY(Write(port, QByteArray::fromHex("F5FF00000000FFF5")));
        QCOMPARE(Hex(ReadBytes(port, 8, 3000)), QStringLiteral("F5 FF 00 00 00 00 FF F5"));
        QByteArray program;
        int refusals = 0;
        for (int k = 0; k < 32;) {
            const QByteArray block = Block(uint8_t(k), BlockData(uint8_t(k)));
            for (int i = 0; i < block.size(); i += 512)
                QVERIFY(Write(port, block.mid(i, 512)));
            const QByteArray ack = ReadBytes(port, 8, 3000);
            QCOMPARE(ack.size(), 8);
            QCOMPARE(int(uint8_t(ack.at(3))), k);
            if (ack.at(4) != 0) {
                ++refusals;
                continue;
            }
            program += BlockData(uint8_t(k));
            ++k;
        }
        QCOMPARE(refusals, 5); // arrivals 7, 14, 21, 28, 35 of 37
        QVERIFY(sim.WaitForLogLine(QStringLiteral("program image written"), 3000));
        QFile file(flash);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), program);
    }

    void linkAndCleanExit() {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("com1"));
        CSimProcess sim(kSim, {"--link", link});
        QVERIFY(sim.IsRunning());
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.DevicePath());
        QSerialPort port;
        QVERIFY(OpenPort(port, link));
        QVERIFY(Write(port, Packet(0x09)));
        QCOMPARE(ReadBytes(port, 8, 3000).size(), 8);
        port.close();
        QVERIFY(sim.Stop());
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
    }

    // The help and the refusal follow the desktop's language, Chinese for the C locale, unless
    // --lang says; the options keep their names in both.
    void textsFollowTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("language");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("refusal");
        const QString zh = QStringLiteral("morvane-sim: --image 的值“1x1”无效\n"
                                          "请运行“morvane-sim --help”查看用法。\n");
        const QString en = QStringLiteral("morvane-sim: invalid value '1x1' for --image\n"
                                          "Try 'morvane-sim --help'.\n");
        QTest::newRow("C locale") << "C" << QStringList() << "用法：" << zh;
        QTest::newRow("English desktop") << "en_GB.UTF-8" << QStringList() << "Usage:" << en;
        QTest::newRow("--lang en")
            << "zh_CN.UTF-8" << QStringList{"--lang", "en"} << "Usage:" << en;
        QTest::newRow("--lang=zh") << "en_US.UTF-8" << QStringList{"--lang=zh"} << "用法：" << zh;
    }
    void textsFollowTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QStringList, language);
        QFETCH(QString, usage);
        QFETCH(QString, refusal);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LC_ALL"), locale);
        QProcess help, sim;
        help.setProcessEnvironment(environment);
        sim.setProcessEnvironment(environment);
        help.start(kSim, QStringList{"--help"} + language);
        sim.start(kSim, QStringList{"--image", "1x1"} + language);
        QVERIFY(help.waitForFinished(5000) && sim.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        QVERIFY(text.startsWith(usage));
        QVERIFY(text.contains(QLatin1String("--nak-every K")));
        QVERIFY(text.contains(QLatin1String("--flash-out PATH")));
        QCOMPARE(sim.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(sim.readAllStandardError()), refusal);
        QCOMPARE(sim.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSimProcess)
#include "test_sim_process.moc"
