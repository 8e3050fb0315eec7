// The command line of morvane-sim, its help text, the output queue behind --split-ms and the
// noise of --stream.
#include "sim/noise_stream.h"
#include "sim/output_queue.h"
#include "sim/sim_options.h"

#include <QTest>

using sim::COutputQueue;
using sim::CSimOptions;

namespace {
bool Parse(const QStringList& arguments, CSimOptions& options) {
    QString error;
    return sim::ParseSimOptions(arguments, options, error);
}
} // namespace

class TestSimOptions : public QObject {
    Q_OBJECT
private slots:
    void defaults() {
        CSimOptions options;
        QVERIFY(Parse({}, options));
        QCOMPARE(options.module.capacity, 1000);
        QCOMPARE(options.module.prefilledUsers, 0);
        QCOMPARE(options.module.imageSize.width, 256);
        QCOMPARE(options.module.imageSize.height, 280);
        QCOMPARE(options.splitMs, -1);
        QCOMPARE(options.streamRate, -1);
        QVERIFY(options.faults.forcedResults.empty());
        QVERIFY(options.faults.muted.empty());
        QVERIFY(!options.help);
    }

    void everyOption() {
        CSimOptions options;
        QVERIFY(Parse({"--link",
                       "/tmp/com1",
                       "--log=/tmp/sim.log",
                       "--image",
                       "80x80",
                       "--users",
                       "12",
                       "--capacity",
                       "20",
                       "--seed",
                       "0x10",
                       "--rc",
                       "41=04",
                       "--rc",
                       "0x01=0x08",
                       "--mute",
                       "2c",
                       "--mute",
                       "09",
                       "--split-ms",
                       "80",
                       "--noise",
                       "3",
                       "--nak-every",
                       "4",
                       "--flash-out",
                       "/tmp/flash.bin",
                       "--version-text",
                       "FP 9",
                       "--stream",
                       "1920",
                       "--lang=en"},
                      options));
        QCOMPARE(options.linkPath, QStringLiteral("/tmp/com1"));
        QCOMPARE(options.logPath, QStringLiteral("/tmp/sim.log"));
        QCOMPARE(options.flashOutPath, QStringLiteral("/tmp/flash.bin"));
        QCOMPARE(options.module.imageSize.width, 80);
        QCOMPARE(options.module.prefilledUsers, 12);
        QCOMPARE(options.module.capacity, 20);
        QCOMPARE(options.module.seed, uint64_t(16));
        QCOMPARE(options.module.versionText, QStringLiteral("FP 9"));
        QCOMPARE(int(options.faults.forcedResults.at(0x41)), 0x04);
        QCOMPARE(int(options.faults.forcedResults.at(0x01)), 0x08);
        QCOMPARE(options.faults.muted, (std::set<uint8_t>{0x2C, 0x09}));
        QCOMPARE(options.splitMs, 80);
        QCOMPARE(options.faults.noiseBytes, 3);
        QCOMPARE(options.faults.nakEvery, 4);
        QCOMPARE(options.streamRate, 1920);
        QVERIFY(options.language == ELanguageSetting::English);
    }

    void help_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("long") << QStringLiteral("--help");
        QTest::newRow("short") << QStringLiteral("-h");
    }
    void help() {
        QFETCH(QString, argument);
        CSimOptions options;
        QVERIFY(Parse({argument}, options));
        QVERIFY(options.help);
    }

    void helpDocumentsEveryOption() {
        const QString help = sim::SimHelpText();
        for (const char* option :
             {"--link PATH", "--log PATH", "--image WxH", "--users N", "--capacity N", "--seed S",
              "--rc CMD=VALUE", "--mute CMD", "--split-ms N", "--chunk BYTES", "--latency-ms N",
              "--noise N", "--stream RATE", "--nak-every K", "--flash-out PATH",
              "--version-text TEXT", "--lang zh|en", "--help"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option")
            << QStringList{"--baud", "9600"} << QStringLiteral("未知的选项 --baud");
        QTest::newRow("stray argument")
            << QStringList{"COM1"} << QStringLiteral("多余的参数“COM1”");
        QTest::newRow("missing value")
            << QStringList{"--users"} << QStringLiteral("--users 需要值 N");
        QTest::newRow("image not in the table")
            << QStringList{"--image", "100x100"} << QStringLiteral("--image 的值“100x100”无效");
        QTest::newRow("result without value")
            << QStringList{"--rc", "41"} << QStringLiteral("--rc 的值“41”无效");
        QTest::newRow("result too wide")
            << QStringList{"--rc", "41=100"} << QStringLiteral("--rc 的值“41=100”无效");
        QTest::newRow("mute not hex")
            << QStringList{"--mute", "zz"} << QStringLiteral("--mute 的值“zz”无效");
        QTest::newRow("negative count")
            << QStringList{"--noise", "-1"} << QStringLiteral("--noise 的值“-1”无效");
        QTest::newRow("negative stream rate")
            << QStringList{"--stream", "-1"} << QStringLiteral("--stream 的值“-1”无效");
        QTest::newRow("nak-every 0")
            << QStringList{"--nak-every", "0"} << QStringLiteral("--nak-every 的值“0”无效");
        QTest::newRow("capacity 0")
            << QStringList{"--capacity", "0"} << QStringLiteral("--capacity 的值“0”无效");
        QTest::newRow("more users than room") << QStringList{"--users", "11", "--capacity", "10"}
                                              << QStringLiteral("--users 11 超过了容量 10");
        QTest::newRow("language not zh or en")
            << QStringList{"--lang", "fr"} << QStringLiteral("--lang 的值“fr”无效");
        QTest::newRow("empty link")
            << QStringList{"--link="} << QStringLiteral("--link 的值“”无效");
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        CSimOptions options;
        QString why;
        QVERIFY(!sim::ParseSimOptions(arguments, options, why));
        QCOMPARE(why, error);
    }

    void wholeReplyIsDueAtOnce() {
        COutputQueue queue;
        queue.Add(QByteArray("12345678"), 100, -1);
        QCOMPARE(queue.Due(100), QByteArray("12345678"));
        queue.Written(3);
        QCOMPARE(queue.Due(100), QByteArray("45678"));
        queue.Written(5);
        QVERIFY(queue.Empty());
        QCOMPARE(queue.NextDueAt(), qint64(-1));
    }

    void splitReplyPausesBetweenHalves() {
        COutputQueue queue;
        queue.Add(QByteArray("ABCDEFGH"), 100, 80);
        QCOMPARE(queue.Due(100), QByteArray("ABCD"));
        queue.Written(4);
        QCOMPARE(queue.Due(179), QByteArray());
        QCOMPARE(queue.NextDueAt(), qint64(180));
        QCOMPARE(queue.Due(180), QByteArray("EFGH"));
    }

    void laterReplyWaitsForThePause() {
        COutputQueue queue;
        queue.Add(QByteArray("ABCD"), 100, 50);
        queue.Add(QByteArray("WXYZ"), 110, 50);
        QCOMPARE(queue.PendingBytes(), 8);
        queue.Written(2); // "AB"
        QCOMPARE(queue.Due(120), QByteArray());
        QCOMPARE(queue.Due(150), QByteArray("CD"));
        queue.Written(2);
        QCOMPARE(queue.Due(150), QByteArray("WX"));
        queue.Written(2);
        QCOMPARE(queue.Due(199), QByteArray());
        QCOMPARE(queue.Due(200), QByteArray("YZ"));
    }

    // The slow stream owes its rate from its start, in steps at most 5 ms apart; the fast one
    // always has bytes due. Neither sends the frame mark.
    void noiseStreamKeepsItsRate() {
        sim::CNoiseStream slow(2000, 1), fast(0, 1);
        QCOMPARE(slow.NextDueAt(), qint64(-1));
        slow.Begin(1000);
        fast.Begin(1000);
        QCOMPARE(slow.Due(1250).size(), 500);
        slow.Written(500);
        QCOMPARE(slow.NextDueAt(), qint64(1255));
        const QByteArray noise = fast.Due(1000);
        QVERIFY(noise.size() >= 4096 && !noise.contains(char(0xF5)));
        QCOMPARE(fast.NextDueAt(), qint64(1000));
    }

    void oneByteIsNotSplit() {
        COutputQueue queue;
        queue.Add(QByteArray("A"), 0, 500);
        QCOMPARE(queue.Due(0), QByteArray("A"));
        queue.Written(1);
        QVERIFY(queue.Empty());
    }
};

QTEST_GUILESS_MAIN(TestSimOptions)
#include "test_sim_options.moc"
