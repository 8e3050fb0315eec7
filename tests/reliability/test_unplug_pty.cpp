// Unplugging the module while a panel uses a real serial port (a pty through QSerialPort): the
// loss is noticed without a write, the process does not spin on the hung-up port, the panel
// stops its cycle and says so once, and a later hand-over opens the port again once the device
// is back at the same path.
#include "support/pty_pair.h"
#include "support/scripted_prompts.h"

#include "console/batch_folder_scan.h"
#include "console/module_test_panel.h"
#include "download/download_panel.h"
#include "download/panel_fixture.h"
#include "panels/port_hand_over.h"
#include "serial/comm_setup_panel.h"
#include "serial/panel_timers.h"
#include "serial/port_operations.h"
#include "serial/serial_control.h"
#include "support/packet_bytes.h"
#include "support/process_state.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <memory>

namespace {
const QString kCommPortError = QStringLiteral("Comm port error!");
const QString kInterrupted = QStringLiteral("下载已中断!");
constexpr int kLossTimeoutMs = 3000;
// A hung-up port that is still polled burns a whole core; an idle process stays far below this.
constexpr double kMaxCpuSecondsAfterLoss = 0.25;

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// CPU time the process uses while its event loop runs for about a second after the loss.
double CpuSecondsOverOneSecond() {
    const double before = ProcessCpuSeconds();
    QTest::qWait(1000);
    return ProcessCpuSeconds() - before;
}

// MORVANE_COM1 names a link that the test points at the current pty, like a device node that
// comes back under the same name when the cable is plugged in again.
class CPluggableModule {
public:
    CPluggableModule() : m_link(m_dir.filePath(QStringLiteral("ttyMODULE"))) {
        PlugIn();
        qputenv("MORVANE_COM1", m_link.toLocal8Bit());
    }
    ~CPluggableModule() { qunsetenv("MORVANE_COM1"); }
    void PlugIn() {
        m_pPty = std::make_unique<CPtyPair>();
        QFile::remove(m_link);
        QVERIFY(QFile::link(m_pPty->SlavePath(), m_link));
    }
    void Unplug() { m_pPty->CloseModuleEnd(); }
    CPtyPair& Pty() { return *m_pPty; }

private:
    QTemporaryDir m_dir;
    QString m_link;
    std::unique_ptr<CPtyPair> m_pPty;
};

// The port writes from the event loop, so the loop runs while the module end is read.
QByteArray ReadHost(CPtyPair& pty, int minBytes, int timeoutMs) {
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < minBytes && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        bytes += pty.ReadHost(1, 10);
    }
    return bytes;
}

// After the loss the port must be closed, and the next plug-in must be usable through the
// hand-over every panel switch does.
void VerifyReopensAfterPlugIn(CPluggableModule& module, CPortSession& session, QWidget* panel) {
    module.PlugIn();
    CPortSession* sessions[] = {&session};
    QVERIFY(PortHandOver(sessions, 1, session, panel));
    CMSComm& comm = session.Comm();
    QVERIFY(comm.PortOpen());
    QVERIFY(comm.Output(QByteArray("\xF5\x01", 2)));
    QCOMPARE(ReadHost(module.Pty(), 2, 2000), QByteArray("\xF5\x01", 2));
}
} // namespace

class TestUnplugPty : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProcessState(); }

    void settingsPanelIdle() {
        CPluggableModule module;
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        panel.Comm().SetPortOpen(true);
        QVERIFY(panel.Comm().PortOpen());
        module.Unplug();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.m_messages.size(), 1, kLossTimeoutMs);
        QCOMPARE(prompts.m_messages.first(), kCommPortError);
        QVERIFY(!panel.Comm().PortOpen());
        QVERIFY(CpuSecondsOverOneSecond() < kMaxCpuSecondsAfterLoss);
        QCOMPARE(prompts.m_messages.size(), 1);
        VerifyReopensAfterPlugIn(module, panel.Session(), &panel);
    }

    void consoleDuringReplyCollection() {
        CPluggableModule module;
        CScriptedPrompts prompts;
        CModuleTestDlg panel;
        panel.Comm().SetPortOpen(true);
        QVERIFY(module.Pty().WriteModule(QByteArray::fromHex("F50100")));
        QTRY_VERIFY_WITH_TIMEOUT(panel.Timers().IsRunning(1), kLossTimeoutMs); // collecting
        module.Unplug();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.m_messages.size(), 1, kLossTimeoutMs);
        QCOMPARE(prompts.m_messages.first(), kCommPortError);
        QVERIFY(!panel.Timers().IsRunning(1));
        QVERIFY(!panel.Comm().PortOpen());
        QVERIFY(CpuSecondsOverOneSecond() < kMaxCpuSecondsAfterLoss);
        panel.OnTimer(1); // a tick still queued: nothing to read, nothing to write
        QCOMPARE(prompts.m_messages.size(), 1);
        VerifyReopensAfterPlugIn(module, panel.Session(), &panel);
    }

    void consoleDuringBatch() {
        CPluggableModule module;
        CScriptedPrompts prompts;
        const QString folder = QCoreApplication::applicationDirPath();
        const QStringList names{QStringLiteral("7.fea"), QStringLiteral("8.fea")};
        for (const QString& name : names) {
            QFile file(folder + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(193, '\x11'));
        }
        CModuleTestDlg panel;
        panel.Comm().SetPortOpen(true);
        panel.OnBatchStore();
        for (const QString& name : names)
            QFile::remove(folder + QLatin1Char('/') + name);
        QVERIFY(panel.Console().Batch().IsActive());
        QVERIFY(ReadHost(module.Pty(), 12, 2000).size() >= 12); // the first store went out
        module.Unplug();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.m_messages.size(), 1, kLossTimeoutMs);
        QCOMPARE(prompts.m_messages.first(), kCommPortError);
        QVERIFY(
            !panel.Console().Batch().IsActive()); // the batch is over: no later reply sends item 2
        QVERIFY(!panel.Timers().IsRunning(1));
        QVERIFY(CpuSecondsOverOneSecond() < kMaxCpuSecondsAfterLoss);
        VerifyReopensAfterPlugIn(module, panel.Session(), &panel);
    }

    void downloadIdle() {
        CPluggableModule module;
        CScriptedPrompts prompts;
        CDownloadDlg panel;
        panel.Comm().SetPortOpen(true);
        module.Unplug();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.m_messages.size(), 1, kLossTimeoutMs);
        QCOMPARE(prompts.m_messages.first(), kCommPortError);
        QVERIFY(!panel.Comm().PortOpen());
        QVERIFY(CpuSecondsOverOneSecond() < kMaxCpuSecondsAfterLoss);
        VerifyReopensAfterPlugIn(module, panel.Session(), &panel);
    }

    void downloadDuringTransfer() {
        CPluggableModule module;
        CScriptedPrompts prompts;
        CDownloadDlg panel;
        QTemporaryDir folder;
        LoadProgramFiles(panel, prompts, folder.path());
        panel.Comm().SetPortOpen(true);
        panel.OnStartDownload();
        QCOMPARE(ReadHost(module.Pty(), 8, 2000), Packet(0x09, 0, 0, 0));
        QVERIFY(module.Pty().WriteModule(Packet(0x09, 0, 0, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(panel.Comm().InBufferCount() >= 8, kLossTimeoutMs);
        panel.OnTimer(CDownloadDlg::kReplyTimer); // overwrite question, answered OK
        panel.OnTimer(CDownloadDlg::kSendTimer);  // handshake
        QCOMPARE(ReadHost(module.Pty(), 8, 2000), Packet(0xFF, 0, 0, 0));
        QVERIFY(module.Pty().WriteModule(Packet(0xFF, 0, 0, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(panel.Comm().InBufferCount() >= 8, kLossTimeoutMs);
        panel.OnTimer(CDownloadDlg::kReplyTimer);
        panel.OnTimer(CDownloadDlg::kSendTimer); // block 0
        QCOMPARE(ReadHost(module.Pty(), 4100, 3000).size(), 4100);
        QVERIFY(panel.IsDownloading());
        module.Unplug();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.m_messages.size(), 1, kLossTimeoutMs);
        QTest::qWait(300); // a second report of the same loss would arrive here
        QCOMPARE(prompts.m_messages, QStringList{kInterrupted});
        QVERIFY(!panel.IsDownloading());
        QVERIFY(!panel.IsDownloadUnderWay());
        QVERIFY(!panel.Timers().IsRunning(CDownloadDlg::kReplyTimer));
        QVERIFY(!panel.Timers().IsRunning(CDownloadDlg::kSendTimer));
        QVERIFY(CpuSecondsOverOneSecond() < kMaxCpuSecondsAfterLoss);
        QCOMPARE(prompts.m_messages.size(), 1);
        VerifyReopensAfterPlugIn(module, panel.Session(), &panel);
        QCOMPARE(ReadHost(module.Pty(), 1, 200), QByteArray()); // nothing queued from before
    }
};

QTEST_MAIN(TestUnplugPty)
#include "test_unplug_pty.moc"
