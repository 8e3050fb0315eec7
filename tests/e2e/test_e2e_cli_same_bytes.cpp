// The same bytes as the window: each operation of the test panel, the module rate command of the
// settings panel and the download of the download panel are done once through the panel and once
// through morvane-cli, each against a simulator of its own, and the host's bytes on the wire and
// the result texts are compared.
#include "cli_run.h"
#include "console_rig.h"
#include "dat_writer.h"

#include "download/download_panel.h"
#include "serial/comm_setup_panel.h"
#include "serial/shared_settings.h"
#include "support/process_state.h"

#include <QAbstractButton>
#include <QComboBox>
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

constexpr int kDownloadTimeoutMs = 60000;

// What the host wrote: its command and data packets, then any program blocks.
QList<QByteArray> HostFrames(const CSimProcess& sim) {
    return LoggedFrames(sim.LogLines(), QStringLiteral("RX")) +
           LoggedFrames(sim.LogLines(), QStringLiteral("RX"), QStringLiteral("block"));
}

void Click(QWidget& panel, int id) {
    panel.findChild<QAbstractButton*>(QStringLiteral("ctl%1").arg(id))->click();
}

// The same command through morvane-cli on a simulator of its own: its JSON result (empty when
// it failed) and the host's frames there.
QJsonObject CliOnItsOwnSim(const QString& command, const QString& folder, QList<QByteArray>* sent,
                           int timeoutMs = 30000) {
    CSimProcess sim(kSimPath, kThreeUsers);
    const CCliRun run = RunCli(QStringList{QStringLiteral("--port"), sim.DevicePath(),
                                           QStringLiteral("--yes"), QStringLiteral("--json")} +
                                   command.split(QLatin1Char(' ')),
                               folder, timeoutMs);
    *sent = HostFrames(sim);
    return run.exitCode == 0 ? run.Results().value(0) : QJsonObject();
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

        QList<QByteArray> sent;
        const QJsonObject result = CliOnItsOwnSim(command, dir.path(), &sent);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent, HostFrames(rig.Sim()));
        // The panel's field shows a CR LF as one line break.
        QCOMPARE(result.value(QStringLiteral("text"))
                     .toString()
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                 panelText);
    }

    // The settings panel's module rate command, with 57,600 chosen in 1011.
    void setRateAsSettingsPanel() {
        QTemporaryDir dir;
        CSimSession session(kThreeUsers);
        QVERIFY(session.IsRunning());
        CCommSetupDlg panel;
        panel.show();
        QVERIFY(CSimSession::OpenPanelPort(panel.Session(), &panel));
        panel.findChild<QComboBox*>(QStringLiteral("ctl1011"))->setCurrentIndex(3);
        Click(panel, 1012);
        QVERIFY(QTest::qWaitFor([] { return g_nBaudIndex == 4; }, 5000));
        QList<QByteArray> sent;
        QVERIFY(!CliOnItsOwnSim(QStringLiteral("set-rate 57600"), dir.path(), &sent).isEmpty());
        QCOMPARE(sent, HostFrames(session.Sim()));
    }

    // The download panel's download, with both program files and the question answered OK.
    void flashAsDownloadPanel() {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.dat")), b = dir.filePath("b.dat");
        QVERIFY(WriteDatFile(a, SignedProgramValues(kDatMark28000, 3)));
        QVERIFY(WriteDatFile(b, SignedProgramValues(kDatMark38000, 4)));
        CScriptedPrompts prompts;
        prompts.m_files = {a, b};
        CSimSession session(kThreeUsers);
        QVERIFY(session.IsRunning());
        CDownloadDlg panel;
        panel.show();
        QVERIFY(CSimSession::OpenPanelPort(panel.Session(), &panel));
        for (int button : {1024, 1029, 1026})
            Click(panel, button);
        QVERIFY(QTest::qWaitFor([&] { return !prompts.m_messages.isEmpty(); }, kDownloadTimeoutMs));
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("已成功完成下载!")});
        QList<QByteArray> sent;
        const QJsonObject result = CliOnItsOwnSim(QStringLiteral("flash a.dat b.dat"), dir.path(),
                                                  &sent, kDownloadTimeoutMs);
        QVERIFY(result.value(QStringLiteral("text"))
                    .toString()
                    .startsWith(prompts.m_messages.first() + QStringLiteral(" 版本号:")));
        // The panel's commands (start request, handshake), then the version request that shows
        // what the module now runs; the blocks as the panel sends them.
        QList<QByteArray> expected = HostFrames(session.Sim());
        expected.insert(2, QByteArray::fromHex("F5260000000026F5"));
        QVERIFY(sent == expected);
    }
};

QTEST_MAIN(TestE2eCliSameBytes)
#include "test_e2e_cli_same_bytes.moc"
