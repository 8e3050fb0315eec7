// morvane-cli end to end: the real program against morvane-sim on pseudo-terminals, at real
// pacing. Every command once, the error exits, the adapters found for --port auto and all, the
// rate found for --rate auto, four modules flashed at once and their version checked, the
// download question on a terminal, JSON progress, Ctrl+C and SIGTERM in a flash, output that
// cannot be written.
#include "cli_run.h"
#include "dat_writer.h"
#include "sim_session.h"

#include "download/half_loader.h"
#include "support/pty_pair.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);
const QStringList kThreeUsers{QStringLiteral("--users"), QStringLiteral("3")};
constexpr int kFlashTimeoutMs = 60000;
// The version the program files below carry, which the simulator reports once flashed.
const QString kFlashedVersion = QStringLiteral("MORVANE-SIM FP V2.1");

QByteArray FeatureBytes(char seed) {
    QByteArray bytes(193, seed);
    bytes[0] = char(seed + 1);
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The command bytes of the frames the module received, in order.
QList<int> ReceivedCommands(const CSimProcess& sim) {
    QList<int> commands;
    for (const QByteArray& frame : LoggedFrames(sim.LogLines(), QStringLiteral("RX")))
        commands.append(frame.size() > 1 ? uint8_t(frame[1]) : -1);
    return commands;
}

// The two program files of a download, written into `folder`.
bool WriteProgramFiles(const QString& folder) {
    QVector<uint16_t> values = SignedProgramValues(kDatMark28000, 7);
    EmbedText(values, 4096, "VER=" + kFlashedVersion.toLatin1());
    return WriteDatFile(folder + QStringLiteral("/a.dat"), values) &&
           WriteDatFile(folder + QStringLiteral("/b.dat"), SignedProgramValues(kDatMark38000, 8));
}

QStringList Split(const char* words) {
    return QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

class TestE2eCli : public QObject {
    Q_OBJECT
private slots:
    // First of all, so that the peak memory of this test's children is the program's own: a
    // module that never stops sending, as fast as the line takes it or slowly without a pause.
    // The command ends within --timeout and a second, says so, and stays under 64 MB.
    void endlessStream_data() {
        QTest::addColumn<QString>("bytesPerSecond");
        QTest::newRow("fast") << QStringLiteral("0");
        QTest::newRow("slow without a pause") << QStringLiteral("1920");
    }
    void endlessStream() {
        QFETCH(QString, bytesPerSecond);
        CSimProcess sim(kSimPath, {QStringLiteral("--stream"), bytesPerSecond});
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        QElapsedTimer clock;
        clock.start();
        const CCliRun run =
            RunCli(Split("--timeout 3 --port") << sim.DevicePath() << "count", dir.path());
        QVERIFY2(clock.elapsed() <= 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(run.exitCode, 4);
        QCOMPARE(run.out, sim.DevicePath() + QStringLiteral(": 模块不停地发送\n"));
        rusage children{}; // the largest of the children reaped so far
        getrusage(RUSAGE_CHILDREN, &children);
        QVERIFY2(children.ru_maxrss < 64 * 1024, qPrintable(QString::number(children.ru_maxrss)));
    }

    void everyCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sent");
        QTest::addColumn<QString>("output"); // a file the command writes
        QTest::addColumn<int>("outputSize"); // its bytes, or the width of the image
        const QString ok = QStringLiteral("操作成功");
        const QString uploaded = QStringLiteral("特征值上传成功");
        const QString captured = QStringLiteral("指纹采集成功");
        auto row = [](const char* name, const char* command, const QString& text, QList<int> sent,
                      const char* output = "", int size = 0) {
            QTest::newRow(name) << QString::fromUtf8(command) << 0 << text << sent
                                << QString::fromUtf8(output) << size;
        };
        row("count", "count", QStringLiteral("用户总数为：3"), {0x09});
        row("capacity", "count --capacity", QStringLiteral("用户容量为：1000"), {0x09});
        row("version", "version", QStringLiteral("版本号:\r\nMORVANE-SIM FP V2.0"), {0x26});
        row("users", "users",
            QStringLiteral("共取得3个用户\r\n1:用户号 = 1 权限 = 1\r\n2:用户号 = 2 权限 = 1\r\n"
                           "3:用户号 = 3 权限 = 1\r\n"),
            {0x2B});
        row("privilege", "privilege 2", QStringLiteral("此用户为一般使用者"), {0x0A});
        row("enrol", "enrol 7", QStringLiteral("用户录入成功"), {0x01, 0x02, 0x03});
        row("enrol twice, upload", "enrol 8 --twice --upload new.fea", ok, {0x01, 0x06}, "new.fea",
            193);
        row("delete", "delete 2", ok, {0x04});
        row("delete-all", "delete-all --privilege-class 1", ok, {0x05});
        row("compare", "compare 3", QStringLiteral("指纹比对成功"), {0x0B});
        row("search", "search", QStringLiteral("3号用户比对成功"), {0x0C});
        row("capture-feature", "capture-feature cap.fea", uploaded, {0x23}, "cap.fea", 193);
        row("upload", "upload 2 up.fea", uploaded, {0x31}, "up.fea", 193);
        row("store", "store 20 in.fea --privilege 2", ok, {0x41});
        row("store-folder", "store-folder batch", ok, {0x41, 0x41});
        row("backup", "backup saved",
            QStringLiteral("备份完成。模块共有 3 个用户，已写入 3 个特征值文件到 saved"),
            {0x2B, 0x31, 0x31, 0x31}, "saved/3.fea", 193);
        row("image", "image finger.png", captured, {0x24}, "finger.png", 128); // 256 x 280 / 2
        row("image, high", "image --high finger.png", captured, {0x24}, "finger.png", 256);
        row("image, JPEG", "image finger.JPG", captured, {0x24}, "finger.JPG", 128);
        row("level", "level 6", QStringLiteral("前次比对等级为：5"), {0x28});
        row("brightness", "brightness", QStringLiteral("操作成功 亮度值为：100"), {0x2F});
        row("calibrate", "brightness --adjust 0", QStringLiteral("校正成功"), {0x0F});
        row("records", "records --new 5", QStringLiteral("记录数为：0\r\n"), {0x39});
        row("set-rate", "set-rate 57600", QStringLiteral("模块和 PC 现在都以 57600 bit/s 通讯"),
            {0x21});
        row("sleep", "sleep", QStringLiteral("模块进入休眠状态，不再响应任何命令"), {0x2C});
    }
    void everyCommand() {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(QList<int>, sent);
        QFETCH(QString, output);
        QFETCH(int, outputSize);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("in.fea")), FeatureBytes(3)));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("batch")));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("batch/5.fea")), FeatureBytes(5)));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("batch/6.fea")), FeatureBytes(6)));
        CSimProcess sim(kSimPath, kThreeUsers);
        QVERIFY(sim.IsRunning());
        const CCliRun run = RunCli(
            QStringList{QStringLiteral("--port"), sim.DevicePath(), QStringLiteral("--json")} +
                command.split(QLatin1Char(' ')),
            dir.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Results().size(), 1);
        const QJsonObject result = run.Results().first();
        QCOMPARE(result.value(QStringLiteral("text")).toString(), text);
        QCOMPARE(result.value(QStringLiteral("port")).toString(), sim.DevicePath());
        QCOMPARE(result.value(QStringLiteral("command")).toString(), command.section(' ', 0, 0));
        QCOMPARE(ReceivedCommands(sim), sent);
        if (output.endsWith(QLatin1String(".fea")))
            QCOMPARE(QFileInfo(dir.filePath(output)).size(), qint64(outputSize));
        if (command.startsWith(QLatin1String("image"))) {
            QImageReader image(dir.filePath(output));
            QCOMPARE(image.format(), output.endsWith(".png") ? "png" : "jpeg");
            QCOMPARE(image.size().width(), outputSize);
        }
        // Nothing else was written beside what the command was given.
        QStringList files{QStringLiteral("in.fea")};
        if (!output.isEmpty() && !output.contains(QLatin1Char('/')))
            files << output;
        files.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), files);
    }

    // A stored feature value comes back unchanged, and a backup stores back into an empty module.
    void backupAndStoreFolderRoundTrip() {
        QTemporaryDir dir;
        CSimProcess source(kSimPath, kThreeUsers), target(kSimPath);
        QVERIFY(source.IsRunning() && target.IsRunning());
        QCOMPARE(RunCli({"--port", source.DevicePath(), "backup", "saved"}, dir.path()).exitCode,
                 0);
        QCOMPARE(
            RunCli({"--port", target.DevicePath(), "store-folder", "saved"}, dir.path()).exitCode,
            0);
        for (const char* user : {"1", "2", "3"}) {
            const QString copy = QStringLiteral("copy%1.fea").arg(QLatin1String(user));
            QCOMPARE(
                RunCli({"--port", target.DevicePath(), "upload", user, copy}, dir.path()).exitCode,
                0);
            QFile saved(dir.filePath(QStringLiteral("saved/%1.fea").arg(QLatin1String(user))));
            QFile restored(dir.filePath(copy));
            QVERIFY(saved.open(QIODevice::ReadOnly) && restored.open(QIODevice::ReadOnly));
            QCOMPARE(restored.readAll(), saved.readAll());
        }
    }

    // A device bound to a COM number is listed with it and reached by it; a relative path is the
    // file it names, not one under /dev.
    void portsAndComNames() {
        QTemporaryDir dir;
        CSimProcess sim(kSimPath, kThreeUsers + QStringList{"--link", dir.filePath("r1.link")});
        QVERIFY(sim.IsRunning());
        qputenv("MORVANE_COM2", sim.DevicePath().toLocal8Bit());
        const CCliRun ports = RunCli(Split("--json ports"), dir.path());
        const CCliRun count = RunCli(Split("--port COM2 count"), dir.path());
        qunsetenv("MORVANE_COM2");
        QCOMPARE(ports.exitCode, 0);
        bool listed = false;
        for (const QJsonObject& port : ports.Results())
            listed = listed || (port.value("data")["com"] == "COM2" &&
                                port.value("data")["device"] == sim.DevicePath());
        QVERIFY2(listed, qPrintable(ports.out));
        QCOMPARE(count.exitCode, 0);
        QCOMPARE(count.out, QStringLiteral("COM2: 用户总数为：3\n"));
        const CCliRun relative = RunCli(Split("--port r1.link count"), dir.path());
        QCOMPARE(relative.out, QStringLiteral("r1.link: 用户总数为：3\n"));
    }

    // --port auto and all take the USB adapters of the system's list (here the file that
    // MORVANE_PORT_LIST names): auto the one there is, all every one, with a closing summary.
    void adaptersFound_data() {
        QTest::addColumn<int>("modules");  // simulated modules listed as USB adapters
        QTest::addColumn<QString>("port"); // auto or all
        QTest::addColumn<bool>("gone");    // also an adapter listed with no device behind it
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says"); // on standard error; SIMn for the modules' devices
        QTest::newRow("auto, one") << 1 << "auto" << false << 0 << "--port auto：SIM0";
        QTest::newRow("auto, two")
            << 2 << "auto" << false << 2 << "--port auto：找到 2 个串口适配器（SIM0, SIM1）";
        QTest::newRow("auto, none")
            << 0 << "auto" << false << 3 << "--port auto：没有找到 USB 或 ACM 串口适配器";
        QTest::newRow("all") << 2 << "all" << false << 0 << "2 个串口成功，共 2 个";
        QTest::newRow("all, one gone")
            << 1 << "all" << true << 3
            << "1 个串口成功，共 2 个；失败：/dev/morvane-gone（Comm port error! "
               "/dev/morvane-gone：找不到该设备，请检查连接。；现有串口设备：/dev/morvane-gone, "
               "SIM0）";
    }
    void adaptersFound() {
        QFETCH(int, modules);
        QFETCH(QString, port);
        QFETCH(bool, gone);
        QFETCH(QString, says);
        QTemporaryDir dir;
        std::vector<std::unique_ptr<CSimProcess>> sims;
        QStringList adapters;
        for (int i = 0; i < modules; ++i) {
            sims.push_back(std::make_unique<CSimProcess>(kSimPath, kThreeUsers));
            QVERIFY(sims.back()->IsRunning());
            adapters << sims.back()->DevicePath();
            says.replace(QStringLiteral("SIM%1").arg(i), adapters.back());
        }
        const QString list = dir.filePath(QStringLiteral("ports.jsonl"));
        if (gone)
            adapters << QStringLiteral("/dev/morvane-gone");
        QVERIFY(modules > 0 ? WritePortList(list, adapters)
                            : WritePortList(list, {"/dev/ttyS0"}, ""));
        qputenv("MORVANE_PORT_LIST", list.toLocal8Bit());
        const CCliRun run = RunCli({"--port", port, "count"}, dir.path());
        qunsetenv("MORVANE_PORT_LIST");
        QTEST(run.exitCode, "code");
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        const int answered = run.exitCode == 2 ? 0 : modules;
        QCOMPARE(run.out.count(QStringLiteral(": 用户总数为：3\n")), answered);
    }

    // --rate auto finds the module's rate, fastest first, and the command runs at it; the rate
    // command only reports it. A module that answers at no rate is silent (exit 4).
    void rateFound_data() {
        QTest::addColumn<QString>("moduleRate");
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("counts"); // user counts the module received
        const QString count = QStringLiteral("用户总数为：3");
        int counts = 1;
        for (const char* rate : {"115200", "57600", "38400", "19200", "9600"})
            QTest::newRow(rate) << rate << QStringList() << "--rate auto count" << 0 << count
                                << ++counts;
        QTest::newRow("rate command")
            << "38400" << QStringList() << "rate" << 0 << "模块以 38400 bit/s 应答" << 3;
        QTest::newRow("silent") << "9600" << Split("--mute 09") << "--rate auto count" << 4
                                << "模块在任何波特率下都没有应答" << 5;
    }
    void rateFound() {
        QFETCH(QString, moduleRate);
        QFETCH(QStringList, simArguments);
        QFETCH(QString, command);
        CSimProcess sim(kSimPath,
                        kThreeUsers + simArguments + QStringList{"--module-rate", moduleRate});
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        const CCliRun run =
            RunCli(QStringList{"--json", "--port", sim.DevicePath()} + Split(qPrintable(command)),
                   dir.path());
        QTEST(run.exitCode, "code");
        QCOMPARE(run.Results().size(), 1);
        QTEST(run.Results().first().value(QStringLiteral("text")).toString(), "text");
        if (command.startsWith(QLatin1String("--rate")) && run.exitCode == 0)
            QVERIFY(run.err.contains(QStringLiteral("模块以 %1 bit/s 应答").arg(moduleRate)));
        QTEST(int(ReceivedCommands(sim).count(0x09)), "counts");
    }

    // --skip-existing finishes a stopped store-folder: the users the module holds count as
    // stored; --progress json tells each step on standard output before the result line.
    void storeFolderSkipsExisting() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("batch")));
        for (char user : {'2', '3', '4', '5'})
            QVERIFY(WriteFile(dir.filePath(QStringLiteral("batch/%1.fea").arg(user)),
                              FeatureBytes(user)));
        CSimProcess sim(kSimPath, kThreeUsers);
        QVERIFY(sim.IsRunning());
        const QStringList port{QStringLiteral("--port"), sim.DevicePath()};
        const CCliRun stopped = RunCli(port + Split("store-folder batch"), dir.path());
        QCOMPARE(stopped.exitCode, 1);
        QVERIFY(stopped.out.contains(QStringLiteral("用户2已存在!")));
        const CCliRun run = RunCli(
            port + Split("--json --progress json store-folder batch --skip-existing"), dir.path());
        QCOMPARE(run.exitCode, 0);
        const QList<QJsonObject> lines = run.Results();
        QCOMPARE(lines.size(), 5);
        for (int step = 0; step < 4; ++step) {
            QCOMPARE(lines[step].value("done").toInt(), step + 1);
            QCOMPARE(lines[step].value("total").toInt(), 4);
            QCOMPARE(lines[step].value("command").toString(), QStringLiteral("store-folder"));
            QVERIFY(lines[step].value("elapsed_ms").toInt() >=
                    (step ? lines[step - 1].value("elapsed_ms").toInt() : 0));
        }
        QCOMPARE(lines[4].value("data")["skipped"].toInt(), 2);
        QCOMPARE(lines[4].value("text").toString(),
                 QStringLiteral("操作成功（2 个用户模块中已有，已跳过）"));
        QCOMPARE(RunCli(port + Split("count"), dir.path()).out,
                 sim.DevicePath() + QStringLiteral(": 用户总数为：5\n"));
    }

    // Without --yes a terminal is asked, No by default; a Yes flashes, and the version the module
    // then reports is checked against --expect-version.
    void downloadAskedOnTerminal_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("no") << QByteArray("\n") << 2 << "是否继续？ — 未确认";
        QTest::newRow("yes, another version")
            << QByteArray("y\n") << 1 << "版本号: " + kFlashedVersion + " — 不是预期的版本 V9";
    }
    void downloadAskedOnTerminal() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QVERIFY(WriteProgramFiles(dir.path()));
        CSimProcess sim(kSimPath);
        CPtyPair terminal;
        QVERIFY(sim.IsRunning() && terminal.IsValid());
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.setStandardInputFile(terminal.SlavePath());
        cli.start(CliPath(), QStringList{"--lang", "zh", "--port", sim.DevicePath()} +
                                 Split("--rate 115200 flash a.dat b.dat --expect-version V9"));
        QVERIFY(terminal.WriteModule(answer));
        QVERIFY(cli.waitForFinished(kFlashTimeoutMs));
        QTEST(cli.exitCode(), "code");
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        QVERIFY2(err.startsWith(QStringLiteral("下载新的程序会冲掉片内原程序，是否继续？ [y/N] ")),
                 qPrintable(err));
        QVERIFY2((out + err).contains(says), qPrintable(out + err));
        QCOMPARE(ReceivedCommands(sim).isEmpty(), cli.exitCode() == 2);
    }

    // Two modules at once, each its own batch of the one folder and its own output file.
    void twoPortsAtOnce() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("batch")));
        for (char user : {'4', '5', '6'})
            QVERIFY(WriteFile(dir.filePath(QStringLiteral("batch/%1.fea").arg(user)),
                              FeatureBytes(user)));
        CSimProcess first(kSimPath), second(kSimPath);
        QVERIFY(first.IsRunning() && second.IsRunning());
        const QStringList ports{"--port", first.DevicePath(), "--port", second.DevicePath()};
        QCOMPARE(RunCli(ports + Split("store-folder batch"), dir.path()).exitCode, 0);
        const QList<int> stores{0x41, 0x41, 0x41};
        QCOMPARE(ReceivedCommands(first), stores);
        QCOMPARE(ReceivedCommands(second), stores);
        const CCliRun run = RunCli(ports + Split("--json upload 5 u5.fea"), dir.path());
        QCOMPARE(run.exitCode, 0);
        for (const CSimProcess* sim : {&first, &second}) {
            QFile saved(dir.filePath("u5-" + QFileInfo(sim->DevicePath()).fileName() + ".fea"));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), FeatureBytes('5'));
        }
    }

    void errorExits_data() {
        QTest::addColumn<QStringList>("simArguments"); // no simulator when empty
        QTest::addColumn<QString>("command");          // SIM stands for its device
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says"); // on standard output or error
        QTest::addColumn<QString>("unwritten");
        auto row = [](const char* name, QStringList sim, const char* command, int code,
                      const QString& says, const char* unwritten = "") {
            QTest::newRow(name) << sim << QString::fromUtf8(command) << code << says
                                << QString::fromUtf8(unwritten);
        };
        const QStringList plain{QStringLiteral("--seed"), QStringLiteral("1")};
        row("missing feature file", plain, "--port SIM store 3 none.fea", 2,
            QStringLiteral("无法打开 none.fea"));
        row("short feature file", plain, "--port SIM store 3 short.fea", 2,
            QStringLiteral("读 short.fea 文件错误"));
        row("missing program file", {}, "make-bin none.dat none.dat out.bin", 2,
            QStringLiteral("无法打开 none.dat"), "out.bin");
        row("wrong program file", {}, "make-bin short.fea short.fea out.bin", 2,
            QStringLiteral("文件读取失败!"), "out.bin");
        row("no such port", {}, "--port /dev/morvane-none count", 3,
            QStringLiteral("Comm port error! /dev/morvane-none：找不到该设备，请检查连接。"));
        row("port in use", plain, "--port SIM --port SIM count", 3,
            QStringLiteral("串口已被其他程序占用"));
        row("port in use under another name", Split("--link DIR/com.link"),
            "--port SIM --port DIR/com.link count", 3, QStringLiteral("串口已被其他程序占用"));
        row("silent module", {QStringLiteral("--mute"), QStringLiteral("09")},
            "--port SIM --timeout 1 count", 4, QStringLiteral("模块没有应答"));
        row("module refuses", kThreeUsers, "--port SIM compare 9", 1, QStringLiteral("无此用户"));
        row("failed store", kThreeUsers, "--port SIM store 2 long.fea", 1,
            QStringLiteral("此用户已存在"));
        row("user 0", plain, "--port SIM enrol 0", 2, QStringLiteral("用户号不能为0"));
        row("no port", {}, "count", 2, QStringLiteral("count 需要 --port DEVICE"));
        row("unknown command", {}, "--port SIM frobnicate", 2,
            QStringLiteral("没有“frobnicate”这个命令"));
        row("bad rate", {}, "--rate 1234 --port SIM count", 2, QStringLiteral("--rate 只能是"));
        row("bad user", {}, "--port SIM delete 70000", 2, QStringLiteral("USER 必须是"));
        row("GIF image", plain, "--port SIM image x.gif", 2, QStringLiteral("无法保存 x.gif："),
            "x.gif");
        row("unconfirmed flash", plain, "--port SIM flash a.dat b.dat --bin fw.bin", 2,
            QStringLiteral("下载新的程序会冲掉片内原程序，是否继续？ — 未确认：请加上 --yes"));
        row("level 10", plain, "--port SIM level 10", 2, QStringLiteral("N 必须是"));
        row("privilege 4", plain, "--port SIM store 3 long.fea --privilege 4", 2,
            QStringLiteral("--privilege 必须是 1 至 3 的数，不能是“4”"));
        row("another command's reply", Split("--reply 09=F50A0000030009F5"), "--port SIM count", 1,
            QStringLiteral("应答的是另一个命令（0A，不是 09）：F5 0A 00 00 03 00 09 F5"));
        row("image cut short", Split("--image 304x304 --cut 24=9472"),
            "--port SIM image --high x.png", 1,
            QStringLiteral("应答不完整：包头说明有 92427 字节，只收到 9472 字节"), "x.png");
        const QString lost = QStringLiteral("命令进行中串口断开了 — ");
        row("lost in an image", Split("--hang-up-at 1"), "--port SIM image y.png", 5,
            lost + QStringLiteral("没有写入 y.png"), "y.png");
        row("lost in a backup", Split("--users 5 --hang-up-at 4"), "--port SIM backup saved", 5,
            lost + QStringLiteral("备份已停止。模块共有 5 个用户，已写入 2 个特征值文件到 saved"));
        row("lost in store-folder", Split("--hang-up-at 3"), "--port SIM store-folder batch", 5,
            lost + QStringLiteral("已存储 2 个用户，共 3 个；用户 7 的存储未得到确认"));
        row("lost in a flash", Split("--hang-up-at 5"), "--port SIM --yes flash a.dat b.dat", 5,
            lost + QStringLiteral("下载已中断! 停在第 3 块（共 32 块）：模块在等待新的下载"));
    }
    void errorExits() {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, command);
        QFETCH(int, code);
        QFETCH(QString, says);
        QFETCH(QString, unwritten);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("short.fea")), QByteArray(192, 1)));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("long.fea")), FeatureBytes(9) + "tail"));
        QVERIFY(WriteProgramFiles(dir.path()) && QDir(dir.path()).mkdir(QStringLiteral("batch")));
        for (char user : {'5', '6', '7'})
            QVERIFY(WriteFile(dir.filePath(QStringLiteral("batch/%1.fea").arg(user)),
                              FeatureBytes(user)));
        std::unique_ptr<CSimProcess> sim;
        simArguments.replaceInStrings(QLatin1String("DIR"), dir.path());
        command.replace(QLatin1String("DIR"), dir.path());
        if (!simArguments.isEmpty()) {
            sim = std::make_unique<CSimProcess>(kSimPath, simArguments);
            QVERIFY(sim->IsRunning());
            command.replace(QLatin1String("SIM"), sim->DevicePath());
        }
        const CCliRun run = RunCli(command.split(QLatin1Char(' ')), dir.path());
        QCOMPARE(run.exitCode, code);
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        if (!unwritten.isEmpty())
            QVERIFY(!QFile::exists(dir.filePath(unwritten)));
        // A usage error sends nothing; a flash asks its question once the module has answered.
        if (sim && code == 2 && !command.contains(QLatin1String("flash")))
            QCOMPARE(ReceivedCommands(*sim), QList<int>());
    }

    // -v: each transmission and each reply as one line of hexadecimal on standard error, each
    // frame in it explained on the line below.
    void verboseShowsTheBytes() {
        CSimProcess sim(kSimPath, kThreeUsers);
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        const CCliRun run = RunCli({QStringLiteral("-v"), QStringLiteral("--port"),
                                    sim.DevicePath(), QStringLiteral("enrol"), QStringLiteral("9")},
                                   dir.path());
        QCOMPARE(run.exitCode, 0);
        // Each transmission in full; each reply by its command (the rest is the module's).
        const QStringList expected{
            "TX F5 01 00 09 01 00 09 F5",
            "   ▸ 命令包  0x01 用户录入  用户号 9，权限 01",
            "RX F5 01 ",
            "   ▸ 回复  0x01 用户录入  ",
            "TX F5 02 00 09 01 00 0A F5",
            "   ▸ 命令包  0x02 用户录入（第二次采集）  用户号 9，权限 01",
            "RX F5 02 ",
            "   ▸ 回复  0x02 用户录入（第二次采集）  ",
            "TX F5 03 00 09 01 00 0B F5",
            "   ▸ 命令包  0x03 用户录入（最后一次采集）  用户号 9，权限 01",
            "RX F5 03 ",
            "   ▸ 回复  0x03 用户录入（最后一次采集）  值 9  结果码 00：用户录入成功"};
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(sim.DevicePath() + QStringLiteral(": ") + expected[i]),
                     qPrintable(lines[i]));
    }

    // The module answers noise: no answer to the command sent, and the CLI says what came.
    void garbageReply() {
        CPtyPair pty;
        QVERIFY(pty.IsValid());
        QTemporaryDir dir;
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(CliPath(), {"--lang", "zh", "--port", pty.SlavePath(), "count"});
        QCOMPARE(pty.ReadHost(8, 10000).toHex(' '), QByteArray("f5 09 00 00 00 00 09 f5"));
        QVERIFY(pty.WriteModule(QByteArray::fromHex("13370042deadbeef")));
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(
            QString::fromUtf8(cli.readAllStandardOutput()),
            pty.SlavePath() +
                QStringLiteral(": 应答的是另一个命令（37，不是 09）：13 37 00 42 DE AD BE EF\n"));
    }

    // Four modules flashed at once: each receives the program image exactly.
    void flashFourAtOnce() {
        QTemporaryDir dir;
        QVERIFY(WriteProgramFiles(dir.path()));
        QStringList arguments = Split("--rate 115200 --yes --json");
        std::vector<std::unique_ptr<CSimProcess>> sims;
        for (int i = 0; i < 4; ++i) {
            const QString flashed = dir.filePath(QStringLiteral("flashed%1.bin").arg(i));
            sims.push_back(std::make_unique<CSimProcess>(
                kSimPath, QStringList{QStringLiteral("--flash-out"), flashed}));
            QVERIFY(sims.back()->IsRunning());
            arguments << QStringLiteral("--port") << sims.back()->DevicePath();
        }
        const CCliRun run =
            RunCli(arguments + Split("flash a.dat b.dat --expect-version") << kFlashedVersion,
                   dir.path(), kFlashTimeoutMs);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Results().size(), 4);
        for (const QJsonObject& result : run.Results()) {
            QCOMPARE(result.value(QStringLiteral("text")).toString(),
                     QStringLiteral("已成功完成下载! 版本号:\r\n") + kFlashedVersion);
            QCOMPARE(result.value("data")["version"].toString(), kFlashedVersion);
        }
        QCOMPARE(LoadProgramHalf(EProgramHalf::Half28000, dir.filePath("a.dat")),
                 EHalfLoadResult::Loaded);
        QCOMPARE(LoadProgramHalf(EProgramHalf::Half38000, dir.filePath("b.dat")),
                 EHalfLoadResult::Loaded);
        const QByteArray image(reinterpret_cast<const char*>(ProgramImage), kProgramImageSize);
        for (int i = 0; i < 4; ++i) {
            QFile flashed(dir.filePath(QStringLiteral("flashed%1.bin").arg(i)));
            QVERIFY(flashed.open(QIODevice::ReadOnly));
            QVERIFY(flashed.readAll() == image);
        }
    }

    // Ctrl+C or SIGTERM in a flash: the download ends as the window ends it, and the CLI says so
    // with the block it had reached.
    void interruptedFlash_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("note");
        QTest::newRow("Ctrl+C") << int(SIGINT) << 130 << "已中断（Ctrl+C）";
        QTest::newRow("SIGTERM") << int(SIGTERM) << 143 << "已终止（SIGTERM）";
    }
    void interruptedFlash() {
        QFETCH(int, signal);
        QFETCH(QString, note);
        QTemporaryDir dir;
        QVERIFY(WriteProgramFiles(dir.path()));
        CSimProcess sim(kSimPath);
        QVERIFY(sim.IsRunning());
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(CliPath(), QStringList{"--lang", "zh", "--port", sim.DevicePath(), "--yes"} +
                                 Split("--rate 115200 flash a.dat b.dat"));
        QVERIFY(sim.WaitForLogLine(QStringLiteral(" RX block "), 20000));
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        QVERIFY(cli.waitForFinished(10000));
        QTEST(cli.exitCode(), "code");
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QRegularExpression told(
            QStringLiteral(": %1 — 下载已中断! 停在第 [1-9]\\d* 块（共 32 块）：")
                .arg(QRegularExpression::escape(note)));
        QVERIFY2(out.startsWith(sim.DevicePath()) && out.contains(told), qPrintable(out));
        QVERIFY(QString::fromUtf8(cli.readAllStandardError()).contains(note + "：正在停止"));
    }

    // Output that cannot be written: the exchange still runs to its end, then exit 6 and why.
    void outputFailures_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("commands"); // the module received this many
        QTest::addColumn<QString>("says");
        const QString message = QStringLiteral("无法写入标准输出：");
        QTest::newRow("full disk") << "exec \"$0\" \"$@\" > /dev/full"
                                   << "--json count" << 1 << message;
        QTest::newRow("closed") << "exec \"$0\" \"$@\" >&-"
                                << "count" << 1 << message;
        QTest::newRow("pipe closed in a backup")
            << "exit $({ { \"$0\" \"$@\" 2>&1; echo $? >&3; } | head -1 >/dev/null; } 3>&1)"
            << "backup saved" << 31 << "";
    }
    void outputFailures() {
        QFETCH(QString, script);
        QFETCH(QString, command);
        QFETCH(QString, says);
        CSimProcess sim(kSimPath, Split("--users 30"));
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        const CCliRun run = RunCliInShell(
            script, QStringList{"--port", sim.DevicePath()} + command.split(' '), dir.path());
        QCOMPARE(run.exitCode, 6);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QTEST(int(ReceivedCommands(sim).size()), "commands");
    }

    // The program needs no window system: no Qt Widgets library is loaded, nor Qt Gui until an
    // image is saved (its writer is a library of its own), and it runs with neither a display
    // nor a platform plugin named.
    void noWidgetsNoDisplay() {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {CliPath()});
        QVERIFY(ldd.waitForFinished(10000));
        const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY(libraries.contains(QLatin1String("libQt6Core")));
        QVERIFY(!libraries.contains(QLatin1String("Widgets")));
        QVERIFY(!libraries.contains(QLatin1String("libQt6Gui")));
        CSimProcess sim(kSimPath);
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        QProcess cli;
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(QLatin1String(name));
        cli.setProcessEnvironment(bare);
        cli.setWorkingDirectory(dir.path());
        cli.start(CliPath(), {"--port", sim.DevicePath(), "image", "finger.png"});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(QImage(dir.filePath(QStringLiteral("finger.png"))).width(), 128);
    }

    // Every line in one language: the desktop's (Chinese for the C locale) unless --lang names
    // one; in English no Chinese character is left, the system's reasons included.
    void oneLanguage_data() {
        QTest::addColumn<QString>("locale");   // LANG; none: the C locale
        QTest::addColumn<QString>("language"); // --lang; none: the desktop's
        QTest::addColumn<QString>("command");  // SIM: the module's device; first word WINDOW:
                                               // morvane instead of morvane-cli
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        auto row = [](const char* name, const char* locale, const char* language,
                      const char* command, int code, const char* says) {
            QTest::newRow(name) << QString::fromUtf8(locale) << QString::fromUtf8(language)
                                << QString::fromUtf8(command) << code << QString::fromUtf8(says);
        };
        const char* english = "en_US.UTF-8";
        row("count, C locale", "", "", "--port SIM count", 0, "用户总数为：3");
        row("count, English desktop", english, "", "--port SIM count", 0, "USER COUNT: 3");
        row("count, --lang zh on an English desktop", english, "zh", "--port SIM count", 0,
            "用户总数为：3");
        row("backup, Chinese", "", "zh", "--port SIM backup saved", 0,
            "备份完成。模块共有 3 个用户，已写入 3 个特征值文件到 saved");
        row("backup, English", "", "en", "--port SIM backup saved", 0,
            "Backup complete. The module has 3 users; 3 feature files written to saved");
        row("usage error, Chinese", "", "zh", "count", 2, "count 需要 --port DEVICE");
        row("usage error, English", "", "en", "count", 2, "count needs --port DEVICE");
        row("window's help, Chinese", "", "zh", "WINDOW --help", 0, "用法：morvane");
        row("window's help, English", "", "en", "WINDOW --help", 0, "Usage: morvane");
        row("not a serial device, Chinese", "", "zh", "--port /dev/null count", 3,
            "/dev/null：无法打开（不是串口设备）。");
        row("not a serial device, English", "", "en", "--port /dev/null count", 3,
            "/dev/null: Cannot open it (not a serial device).");
    }
    void oneLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, command);
        QFETCH(QString, says);
        CSimProcess sim(kSimPath, kThreeUsers);
        QVERIFY(sim.IsRunning());
        QTemporaryDir dir;
        QStringList arguments = Split("-u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG");
        if (!locale.isEmpty())
            arguments << "LANG=" + locale;
        QStringList words = command.replace(QLatin1String("SIM"), sim.DevicePath()).split(' ');
        const bool window = words.first() == QLatin1String("WINDOW");
        arguments << (window ? QStringLiteral(MORVANE_APP_PATH) : CliPath());
        if (window)
            words.removeFirst();
        if (!language.isEmpty())
            arguments << "--lang" << language;
        arguments += words;
        const CCliRun run = RunProgram(QStringLiteral("env"), arguments, dir.path());
        QTEST(run.exitCode, "code");
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        if (run.out.contains(QLatin1String("USER")) || language == QLatin1String("en"))
            QVERIFY2(!(run.out + run.err)
                          .contains(QRegularExpression("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]")),
                     qPrintable(run.out + run.err));
    }

    void help_data() {
        QTest::addColumn<QString>("command");
        for (const char* command :
             {"count",        "version", "users",    "privilege",       "enrol",      "delete",
              "delete-all",   "compare", "search",   "capture-feature", "upload",     "store",
              "store-folder", "backup",  "image",    "level",           "brightness", "records",
              "set-rate",     "flash",   "make-bin", "sleep",           "ports",      "rate"})
            QTest::newRow(command) << QString::fromUtf8(command);
    }
    void help() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        // In each language, with its own words for the example.
        for (const auto& [language, example, forExample] :
             {std::tuple("zh", "示例：", "例如："), std::tuple("en", "Example:", "e.g. ")}) {
            const CCliRun overview =
                RunCli({QStringLiteral("--help")}, dir.path(), 30000, language);
            QCOMPARE(overview.exitCode, 0);
            QVERIFY(overview.out.contains(QRegularExpression("\n  " + command + "[ \n]")));
            const CCliRun own =
                RunCli({command, QStringLiteral("--help")}, dir.path(), 30000, language);
            QCOMPARE(own.exitCode, 0);
            QVERIFY(own.out.contains(QString::fromUtf8(example) + "\n  morvane-cli "));
            // Every option comes with an example.
            QCOMPARE(own.out.count("\n      " + QString::fromUtf8(forExample)),
                     own.out.count(QStringLiteral("\n  -")));
        }
    }

    // --version of each program: the build's version and, from a git checkout, the commit it was
    // built from; it exits 0 before anything else: no port opened (the one named does not
    // exist), no simulator device, no window (there is no display).
    void version_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QStringList version{QStringLiteral("--version")};
        QTest::newRow("morvane-cli")
            << CliPath() << Split("--port /nonexistent/ttyUSB9 count --version");
        QTest::newRow("morvane-sim") << kSimPath << version;
        QTest::newRow("morvane") << QStringLiteral(MORVANE_APP_PATH) << version;
    }
    void version() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QString source = QStringLiteral(MORVANE_SOURCE_DIR);
        const CCliRun head = RunProgram(QStringLiteral("git"),
                                        Split("rev-parse --show-toplevel --short=10 HEAD"), source);
        const QStringList lines = head.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const bool checkout =
            head.exitCode == 0 && lines.size() == 2 &&
            QFileInfo(lines[0]).canonicalFilePath() == QFileInfo(source).canonicalFilePath();
        const QStringList bare = Split("-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
        const CCliRun run =
            RunProgram(QStringLiteral("env"), bare + QStringList{program} + arguments, dir.path());
        QCOMPARE(run.exitCode, 0);
        const QString name = QFileInfo(program).fileName();
        const QRegularExpression line(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(name + " " + MORVANE_PROJECT_VERSION) +
            "(?: \\(git (\\S+)\\))?\n"));
        const QRegularExpressionMatch match = line.match(run.out);
        QVERIFY2(match.hasMatch(), qPrintable(run.out + run.err));
        if (checkout) // the commit it was built from
            QVERIFY2(match.captured(1).contains(lines[1]), qPrintable(run.out));
        else
            QVERIFY(!match.hasCaptured(1));
    }
};

QTEST_GUILESS_MAIN(TestE2eCli)
#include "test_e2e_cli.moc"
