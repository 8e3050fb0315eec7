// Saving through the panels' own handlers onto a full file system (a small tmpfs, mounted when
// the test runs as root) and into a folder without write permission: the user is told, an
// existing file keeps its contents, and no partial or scratch file is left behind.
#include "support/as_other_user.h"
#include "support/fake_serial_backend.h"
#include "support/file_size_limit.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"

#include "app/comm_log_dock.h"

#include "console/batch_folder_scan.h"
#include "console/feature_files.h"
#include "console/module_test_panel.h"
#include "download/dat_reader.h"
#include "download/download_panel.h"
#include "protocol/buffers.h"
#include "serial/comm_log.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray kOldContents("the file that was here before");

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Fills the file system of `folder` until no byte fits any more.
void FillUp(const QString& folder) {
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write(block.left(1)) == 1) {
    }
}

// A 64 KB tmpfs for the test's lifetime; IsMounted() false when not root or mount fails.
class CSmallFileSystem {
public:
    CSmallFileSystem() {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        m_bMounted = QProcess::execute(QStringLiteral("mount"),
                                       {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                        QStringLiteral("-o"), QStringLiteral("size=64k"),
                                        QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~CSmallFileSystem() {
        if (m_bMounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool IsMounted() const { return m_bMounted; }
    QString Folder() const { return m_dir.path(); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QStringList Names() const { return QDir(m_dir.path()).entryList(QDir::Files); }

private:
    QTemporaryDir m_dir;
    bool m_bMounted = false;
};

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}
} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void binOntoAFullFileSystemKeepsTheOldFile() {
        CSmallFileSystem fs;
        if (!fs.IsMounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString path = fs.Path(QStringLiteral("program.bin"));
        WriteFile(path, kOldContents);
        CScriptedPrompts prompts;
        CDownloadDlg panel;
        prompts.m_files << path;
        panel.OnGenerateBin(); // 256 KB never fit into 64 KB
        QCOMPARE(prompts.m_messages, QStringList{"Bin文件写入失败! " + path + "：磁盘空间不足"});
        QCOMPARE(Contents(path), kOldContents);
        QCOMPARE(fs.Names(), QStringList{QStringLiteral("program.bin")});
    }

    void featureOntoAFullFileSystemKeepsTheOldFile() {
        CSmallFileSystem fs;
        if (!fs.IsMounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString path = fs.Path(QStringLiteral("finger.fea"));
        WriteFile(path, kOldContents);
        FillUp(fs.Folder());
        CScriptedPrompts prompts;
        CModuleTestDlg panel;
        QByteArray reply(12, '\0'); // a feature reply's first bytes, then its feature value
        for (int i = 0; i < 193; ++i)
            reply.append(char(i));
        panel.Session().ReplyCycle()->Append(reinterpret_cast<const uint8_t*>(reply.constData()),
                                             int(reply.size()));
        prompts.m_files << path;
        panel.OnSaveFeature();
        QCOMPARE(prompts.m_messages.size(), 1);
        QVERIFY(!prompts.m_messages.first().isEmpty());
        QCOMPARE(Contents(path), kOldContents);
        QCOMPARE(Sorted(fs.Names()),
                 Sorted({QStringLiteral("filler"), QStringLiteral("finger.fea")}));
    }

    // In a folder that takes no new file, on a full disk, the .bin would have to be written in
    // place: it does not fit, so it is refused before the old file is touched.
    void binInPlaceOnAFullFileSystemIsRefused() {
        CSmallFileSystem fs;
        if (!fs.IsMounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString path = fs.Path(QStringLiteral("fw.bin"));
        const QByteArray old(8192, 'o');
        WriteFile(path, old);
        FillUp(fs.Folder());
        CScriptedPrompts prompts;
        prompts.m_files << path;
        {
            const CAsOtherUser user({fs.Folder(), path});
            QVERIFY(QFile::setPermissions(fs.Folder(), QFile::ReadOwner | QFile::ExeOwner));
            CDownloadDlg().OnGenerateBin();
        }
        QCOMPARE(prompts.m_messages.size(), 1);
        QVERIFY2(prompts.m_messages[0].startsWith("Bin文件写入失败! " + path + "：磁盘空间不足（"),
                 qPrintable(prompts.m_messages[0]));
        QCOMPARE(Contents(path), old);
    }

    // Written in place, the file may not grow past 100 KB: the user learns that the old file
    // was changed.
    void aFailedWriteInPlaceSaysTheOldFileChanged() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fw.bin"));
        WriteFile(path, kOldContents);
        CScriptedPrompts prompts;
        prompts.m_files << path;
        {
            const CAsOtherUser user({dir.path(), path});
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            CFileSizeLimit limit(100000);
            CDownloadDlg().OnGenerateBin();
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(prompts.m_messages,
                 QStringList{"Bin文件写入失败! " + path + "：文件超过允许的大小；原文件已被改写"});
    }

    // "记录到文件" onto a full disk: the entry is not cut into the file, the box is unticked
    // and the user is told why, once.
    void commLogOntoAFullFileSystemStopsOnce() {
        CSmallFileSystem fs;
        if (!fs.IsMounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString path = fs.Path(QStringLiteral("log.txt"));
        WriteFile(path, "earlier\n");
        FillUp(fs.Folder());
        CScriptedPrompts prompts;
        prompts.m_files << path;
        CCommLogDock dock;
        auto* box = dock.findChild<QCheckBox*>();
        box->setChecked(true);
        for (int i = 0; i < 100; ++i) // the file's last page still takes a few
            dock.Log().Record(ECommDirection::Sent, 1, QString(), QByteArray(40, 'x'));
        QTRY_COMPARE(prompts.m_messages,
                     QStringList{"记录到文件 " + path + " 失败，已停止记录：磁盘空间不足"});
        QVERIFY(!box->isChecked() && !dock.Log().IsRecordingToFile());
        const QByteArray written = Contents(path);
        QVERIFY(written.startsWith("earlier\n") && written.endsWith("|\n"));
    }

    // A FIFO or a device chosen as a file is refused as unreadable instead of blocking the window
    // (a FIFO without a writer) or never ending (/dev/zero has no line feed and no end).
    void readersRefuseStreams_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("FIFO") << QString();
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero");
    }
    void readersRefuseStreams() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("5.fea"));
        if (target.isEmpty())
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(target, path));
        uint8_t half[0x10000];
        QCOMPARE(ReadDatFile(path, half), EDatReadResult::ReadFailed);
        uint8_t tx[kTxBufferSize];
        QCOMPARE(LoadFeatureFiles(path, false, tx),
                 QStringLiteral("读 ") + path + QStringLiteral(" 文件错误"));
        CBatchList list;
        QVERIFY(!ScanBatchFolder(dir.path(), &list).isEmpty());
        QCOMPARE(list.Count(), 0);
    }

    // Where no temporary file can be made beside it, a writable file is written in place.
    void saveIntoAFolderWithoutWritePermission_data() {
        QTest::addColumn<bool>("bin");
        QTest::newRow("feature file") << false;
        QTest::newRow(".bin file") << true;
    }
    void saveIntoAFolderWithoutWritePermission() {
        QFETCH(bool, bin);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved"));
        WriteFile(path, kOldContents);
        CScriptedPrompts prompts;
        prompts.m_files << path;
        {
            const CAsOtherUser user({dir.path(), path}); // root writes into any folder
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            bin ? CDownloadDlg().OnGenerateBin() : CModuleTestDlg().OnSaveFeature();
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(prompts.m_messages, QStringList());
        QCOMPARE(QFileInfo(path).size(), bin ? 262144 : 193);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("saved")});
    }
};

QTEST_MAIN(TestFileFaults)
#include "test_file_faults.moc"
