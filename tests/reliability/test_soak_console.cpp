// Soak run: the test console against the real simulator with split replies (and the download
// faults switched on), repeating enrolments, image captures and batch stores for a few minutes.
// The process's resident memory and open descriptors are sampled at the start and the end and
// must not grow. MORVANE_SOAK_SECONDS sets the length (default 180).
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "support/sim_process.h"

#include "console/module_test_panel.h"
#include "serial/panel_timers.h"
#include "serial/serial_control.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <unistd.h>

namespace {
constexpr int kStepTimeoutMs = 5000;

long ResidentKilobytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int OpenDescriptors() {
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                   .size());
}

int SoakSeconds() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("MORVANE_SOAK_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 180;
}

// Runs the panel until its exchange is over: a collection is ticked once the line has been quiet
// for a tick, and the step ends when nothing has been collected for a while.
void RunExchange(CModuleTestDlg& panel) {
    QElapsedTimer clock;
    clock.start();
    int lastCount = -1;
    int quietRounds = 0;
    while (clock.elapsed() < kStepTimeoutMs && quietRounds < 12) {
        QTest::qWait(25); // the simulator answers in real time
        const int waiting = panel.Comm().InBufferCount();
        if (panel.Timers().IsRunning(1) && waiting == lastCount)
            panel.OnTimer(1);
        quietRounds = panel.Timers().IsRunning(1) || waiting > 0 ? 0 : quietRounds + 1;
        lastCount = waiting;
    }
}

void Click(CModuleTestDlg& panel, ControlId id) {
    qobject_cast<QAbstractButton*>(panel.Control(id))->click();
}

void SetField(CModuleTestDlg& panel, ControlId id, const QString& text) {
    qobject_cast<QLineEdit*>(panel.Control(id))->setText(text);
}
} // namespace

class TestSoakConsole : public QObject {
    Q_OBJECT
private slots:
    void memoryAndDescriptorsStayFlat() {
        CSimProcess sim(QStringLiteral(MORVANE_SIM_PATH),
                        {QStringLiteral("--users"), QStringLiteral("3"),
                         QStringLiteral("--split-ms"), QStringLiteral("10"),
                         QStringLiteral("--noise"), QStringLiteral("5"),
                         QStringLiteral("--nak-every"), QStringLiteral("3")});
        QVERIFY2(sim.IsRunning(), qPrintable(sim.ErrorOutput()));
        qputenv("MORVANE_COM1", sim.DevicePath().toLocal8Bit());
        ResetProcessState();
        const QString folder = QCoreApplication::applicationDirPath();
        for (int user = 20; user < 23; ++user) {
            QFile file(QStringLiteral("%1/%2.fea").arg(folder).arg(user));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(193, char(user)));
        }
        CScriptedPrompts prompts;
        prompts.m_bDefaultAnswer = true;
        CModuleTestDlg panel;
        panel.Comm().SetPortOpen(true);
        QVERIFY(panel.Comm().PortOpen());

        auto round = [&](int n) {
            Click(panel, ControlId::kRadioEnrol);
            SetField(panel, ControlId::kParam1, QStringLiteral("0"));
            SetField(panel, ControlId::kParam2, QString::number(10 + n % 50, 16));
            SetField(panel, ControlId::kParam3, QStringLiteral("1"));
            Click(panel, ControlId::kSendCommand);
            RunExchange(panel);
            Click(panel, ControlId::kRadioCaptureImage);
            Click(panel, ControlId::kSendCommand);
            RunExchange(panel);
            panel.OnBatchStore();
            RunExchange(panel);
            prompts.m_messages.clear();
            prompts.m_questions.clear();
        };
        round(0); // the first round allocates what every round reuses
        round(1);
        const long rssStart = ResidentKilobytes();
        const int fdsStart = OpenDescriptors();
        QElapsedTimer clock;
        clock.start();
        int rounds = 0;
        while (clock.elapsed() < SoakSeconds() * 1000LL)
            round(rounds++);
        const long rssEnd = ResidentKilobytes();
        const int fdsEnd = OpenDescriptors();
        for (int user = 20; user < 23; ++user)
            QFile::remove(QStringLiteral("%1/%2.fea").arg(folder).arg(user));
        qInfo("rounds %d, RSS %ld -> %ld KB, descriptors %d -> %d", rounds, rssStart, rssEnd,
              fdsStart, fdsEnd);
        QVERIFY(rounds > 0);
        QVERIFY(panel.Comm().PortOpen());
        QVERIFY(fdsEnd <= fdsStart + 2);
        QVERIFY2(rssEnd <= rssStart + 8 * 1024, "resident memory grew by more than 8 MB");
        qunsetenv("MORVANE_COM1");
    }
};

QTEST_MAIN(TestSoakConsole)
#include "test_soak_console.moc"
