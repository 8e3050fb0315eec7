// Fifty users backed up from one simulated module into a folder, then stored from that folder
// into a second, empty module by batch storage: both modules then hold the same feature values,
// byte for byte. Real ports on pseudo-terminals, real pacing; in Chinese and in English, with
// the backup's report, the batch button's caption and the last result checked.
#include "console_rig.h"

#include "console/batch_folder_scan.h"
#include "console/user_backup.h"
#include "support/language_columns.h"
#include "support/process_state.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kUsers = 50;
constexpr int kBatchEnable = 1095, kBatchStore = 1092, kBatchTotal = 1093, kBatchCurrent = 1094;
constexpr int kResultField = 1007;
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

    void backUpAndStoreIntoAnotherModule_data() {
        QTest::addColumn<ELanguage>("language");
        QTest::addColumn<QString>("reportText"); // %1 the folder
        QTest::addColumn<QString>("batchCaption");
        QTest::addColumn<QString>("lastResult");
        QTest::newRow("Chinese") << ELanguage::Chinese
                                 << "备份完成。模块共有 50 个用户，已写入 50 个特征值文件到 %1"
                                 << "批量存储指纹特征值"
                                 << "操作成功";
        QTest::newRow("English")
            << ELanguage::English
            << "Backup complete. The module has 50 users; 50 feature files written to %1"
            << "Batch store features"
            << "OPERATION SUCCEEDED";
    }
    void backUpAndStoreIntoAnotherModule() {
        QFETCH(ELanguage, language);
        QFETCH(QString, reportText);
        QFETCH(QString, batchCaption);
        QFETCH(QString, lastResult);
        const CLanguageTranslators translators(language);
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
            QCOMPARE(rig.Prompts().m_messages, QStringList{reportText.arg(folder)});
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
            // Its caption is wrapped to the button; the accessible name holds it whole.
            QCOMPARE(rig.Panel().Control(kBatchStore)->accessibleName(), batchCaption);
            QCOMPARE(rig.Text(kResultField), lastResult);
        }
        const QByteArray stored = FileBytes(source);
        QCOMPARE(stored.count('\n'), kUsers);
        QCOMPARE(FileBytes(target), stored);
    }
};

QTEST_MAIN(TestE2eBackup)
#include "test_e2e_backup.moc"
