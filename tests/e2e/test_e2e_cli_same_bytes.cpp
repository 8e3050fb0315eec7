// The same bytes as the window: each operation of the test panel is done once through the panel
// and once through morvane-cli, each against a simulator of its own, and the host's bytes on
// the wire and the result texts are compared.
#include "cli_run.h"
#include "console_rig.h"

#include "support/process_state.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);
const QStringList kThreeUsers{QStringLiteral("--users"), QStringLiteral("3")};
constexpr int kParamFields[] = {1000, 1003, 1004}; // P1, P2, P3
constexpr int kBrowseFeature = 1041;
constexpr int kResultTimeoutMs = 15000;

QList<QByteArray> HostFrames(const CSimProcess& sim) {
    return LoggedFrames(sim.LogLines(), QStringLiteral("RX"));
}
} // namespace

class TestE2eCliSameBytes : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProcessState(); }

    void panelAndCli_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QStringList>("params"); // P1, P2, P3 typed in hexadecimal; "" untouched
        QTest::addColumn<QList<int>>("clicks");  // check boxes ticked after the selection
        QTest::addColumn<bool>("feature");       // the feature file in.fea is chosen
        QTest::addColumn<QString>("command");
        auto row = [](const char* name, int radio, const char* params, QList<int> clicks,
                      const char* command, bool feature = false) {
            QTest::newRow(name) << radio << QString::fromUtf8(params).split(QLatin1Char(','))
                                << clicks << feature << QString::fromUtf8(command);
        };
        row("count", 1018, ",,", {}, "count");
        row("capacity", 1018, ",,", {1098}, "count --capacity");
        row("version", 1035, ",,", {}, "version");
        row("users", 1043, ",,", {}, "users");
        row("privilege", 1019, "0,2,", {}, "privilege 2");
        row("enrol", 1021, "0,7,1", {}, "enrol 7");
        row("enrol twice, upload", 1021, "0,8,3", {1080, 1081},
            "enrol 8 --privilege 3 --twice --upload new.fea");
        row("delete", 1022, "0,2,", {}, "delete 2");
        row("delete-all", 1023, ",,1", {}, "delete-all --privilege-class 1");
        row("compare", 1030, "0,3,", {}, "compare 3");
        row("search", 1026, ",,", {}, "search");
        row("image", 1032, ",,", {}, "image finger.png");
        row("image, high", 1032, ",,", {1088}, "image --high finger.png");
        row("store", 1027, "0,14,2", {}, "store 20 in.fea --privilege 2", true);
        row("upload", 1028, "0,2,", {}, "upload 2 up.fea");
        row("capture-feature", 1025, ",,", {}, "capture-feature cap.fea");
        row("level", 1036, ",,6", {}, "level 6");
        row("brightness", 1046, ",,", {}, "brightness");
        row("calibrate", 1091, ",,0", {}, "brightness --adjust 0");
        row("sleep", 1044, ",,", {}, "sleep");
    }
    void panelAndCli() {
        QFETCH(int, radio);
        QFETCH(QStringList, params);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, feature);
        QFETCH(QString, command);
        QTemporaryDir dir;
        QFile featureFile(dir.filePath(QStringLiteral("in.fea")));
        QVERIFY(featureFile.open(QIODevice::WriteOnly) && featureFile.write(QByteArray(193, 7)));
        featureFile.close();

        CConsoleRig rig(kThreeUsers);
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.Click(radio);
        for (int i = 0; i < 3; ++i)
            if (!params[i].isEmpty())
                rig.Type(kParamFields[i], params[i]);
        for (int check : clicks)
            rig.Click(check);
        if (feature) {
            rig.Prompts().m_files = {featureFile.fileName()};
            rig.Click(kBrowseFeature);
        }
        const QString panelText = rig.SendAndAwaitResult(kResultTimeoutMs);
        QVERIFY(!panelText.isEmpty());

        CSimProcess sim(kSimPath, kThreeUsers);
        QVERIFY(sim.IsRunning());
        const CCliRun run = RunCli(
            QStringList{QStringLiteral("--port"), sim.DevicePath(), QStringLiteral("--json")} +
                command.split(QLatin1Char(' ')),
            dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!HostFrames(sim).isEmpty());
        QCOMPARE(HostFrames(sim), HostFrames(rig.Sim()));
        // The panel's field shows a CR LF as one line break.
        QCOMPARE(run.Results()
                     .value(0)
                     .value(QStringLiteral("text"))
                     .toString()
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                 panelText);
    }
};

QTEST_MAIN(TestE2eCliSameBytes)
#include "test_e2e_cli_same_bytes.moc"
