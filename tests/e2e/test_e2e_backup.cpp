// Fifty users backed up from one simulated module into a folder, then stored from that folder
// into a second, empty module by batch storage: both modules then hold the same feature values,
// byte for byte. Real ports on pseudo-terminals, real pacing.
#include "console_rig.h"

#include "console/batch_folder_scan.h"
#include "console/user_backup.h"
#include "support/process_state.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kUsers = 50;
constexpr int kBatchEnable = 1095, kBatchStore = 1092, kBatchTotal = 1093, kBatchCurrent = 1094;
constexpr int kRunTimeoutMs = 60000;

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestE2eBackup : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProcessState(); }

    void backUpAndStoreIntoAnotherModule() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("backup"));
        QVERIFY(QDir().mkpath(folder));
        const QString source = dir.filePath(QStringLiteral("source.txt"));
        const QString target = dir.filePath(QStringLiteral("target.txt"));
        {
            CConsoleRig rig({QStringLiteral("--users"), QString::number(kUsers),
                             QStringLiteral("--dump-users"), source});
            QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
            QSignalSpy finished(&rig.Panel().Backup(), &CUserBackup::Finished);
            rig.Prompts().m_folders << folder;
            rig.Panel().BackupAction()->trigger();
            QVERIFY(finished.wait(kRunTimeoutMs));
            const auto report = finished[0][0].value<CUserBackup::CReport>();
            QCOMPARE(report.written, kUsers);
            QVERIFY(report.failures.isEmpty() && !report.stopped);
            QCOMPARE(rig.Text(kBatchTotal), QString::number(kUsers));
            QCOMPARE(rig.Text(kBatchCurrent), QString::number(kUsers));
            QCOMPARE(QDir(folder).entryList({QStringLiteral("*.fea")}).size(), kUsers);
        }
        {
            CConsoleRig rig({QStringLiteral("--dump-users"), target});
            QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
            rig.Prompts().m_folders << folder;
            rig.Panel().BatchFolderAction()->trigger();
            rig.Click(kBatchEnable);
            rig.Click(kBatchStore);
            const CBatchExchange& batch = rig.Panel().Console().Batch();
            QTRY_VERIFY_WITH_TIMEOUT(batch.Total() == kUsers && !batch.IsRunning(), kRunTimeoutMs);
            QVERIFY(rig.Prompts().m_messages.isEmpty());
        }
        const QByteArray stored = FileBytes(source);
        QCOMPARE(stored.count('\n'), kUsers);
        QCOMPARE(FileBytes(target), stored);
    }
};

QTEST_MAIN(TestE2eBackup)
#include "test_e2e_backup.moc"
